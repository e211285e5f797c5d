#include "ui/appidentity.h"

#include <QApplication>
#include <QGuiApplication>

namespace ui {

QIcon applicationIcon()
{
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/%1-%2.png").arg(QLatin1String(ApplicationId)).arg(size),
                     QSize(size, size));
    return icon;
}

void setUpApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("Plumbline 3.5"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PLUMBLINE_VERSION));
    // On Wayland this is the app id the compositor matches to the desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QLatin1String(ApplicationId));
    QApplication::setWindowIcon(applicationIcon());
}

} // namespace ui
