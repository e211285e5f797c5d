#include "ui/windowplace.h"

#include "core/runtimeerror.h"
#include "platform/settingsstore.h"
#include "ui/chart/windowplacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace ui {

namespace {

const QString AppName = QStringLiteral("PLUMBLINE");
const QString SizeKey = QStringLiteral("WindowSize");
const QString PositionKey = QStringLiteral("WindowPosition");

} // namespace

void keepWindowPlace(const QWidget &window, const QString &section)
{
    platform::SettingsStore &store = platform::SettingsStore::instance();
    const auto keep = [&store, &section](const QString &key, const QString &value) {
        if (store.getSetting(AppName, section, key, QString()) != value)
            store.saveSetting(AppName, section, key, value);
    };
    try {
        keep(SizeKey, QStringLiteral("%1x%2").arg(window.width()).arg(window.height()));
        keep(PositionKey, windowplacement::positionText(window.pos()));
    } catch (const RuntimeError &) {
        // A message box while the window closes would only be in the way.
    }
}

void placeWindow(QWidget &window, const QString &section, const QWidget *mainWindow)
{
    QList<QRect> screens;
    const QList<QScreen *> all = QGuiApplication::screens();
    for (const QScreen *screen : all)
        screens << screen->availableGeometry();
    // Before it is shown the window has no frame yet; the main window's tells its size.
    const QSize frameExtra = mainWindow ? mainWindow->frameGeometry().size() - mainWindow->size() : QSize(0, 0);
    const QSize frameSize = window.size() + frameExtra;

    QPoint stored;
    if (windowplacement::readPosition(
            platform::SettingsStore::instance().getSetting(AppName, section, PositionKey, QString()), &stored) &&
        windowplacement::onScreen(QRect(stored, frameSize), screens)) {
        window.move(stored);
        return;
    }
    if (!mainWindow || !mainWindow->isVisible() || !mainWindow->screen())
        return;
    window.move(
        windowplacement::besideMain(mainWindow->frameGeometry(), frameSize, mainWindow->screen()->availableGeometry()));
}

} // namespace ui
