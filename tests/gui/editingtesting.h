#pragma once

// Helpers shared by the GUI tests of the two entry dialogs and the record commands.

#include "mainwindowtesting.h"

#include "storage/datafolder.h"
#include "storage/faults.h"
#include "storage/filetable.h"
#include "ui/dialogs/frminvestentry.h"
#include "ui/dialogs/frmneweditdata.h"

#include <QAction>
#include <QDir>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

namespace edtest {

using platform::MessageBoxCall;
using platform::MsgButtons;
using platform::MsgIcon;
using platform::MsgResult;

const QString AppTitle = QStringLiteral("Plumbline 3.5");

// Lets the posted events run: deferred deletes, the activation of a window and the
// reload the main window queues on it.
inline void settle()
{
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

inline void click(QWidget *widget)
{
    QVERIFY(widget);
    QVERIFY2(widget->isVisible(), qPrintable(widget->objectName()));
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
    QCoreApplication::processEvents();
}

// Clicks into a box and types, as a user does: the whole text is selected on
// entering, so typing replaces it.
inline void typeInto(QLineEdit *box, const QString &text)
{
    QVERIFY(box);
    click(box);
    QVERIFY2(box->hasFocus(), qPrintable(box->objectName()));
    box->selectAll();
    if (text.isEmpty())
        QTest::keyClick(box, Qt::Key_Delete);
    else
        QTest::keyClicks(box, text);
}

// The toolbar button under a key.
inline QToolButton *toolButton(QWidget *window, const QString &key)
{
    auto *bar = window->findChild<QToolBar *>(QStringLiteral("tbToolBar"));
    if (!bar)
        return nullptr;
    const QList<QAction *> actions = bar->actions();
    for (QAction *action : actions) {
        if (action->data().toString() == key)
            return qobject_cast<QToolButton *>(bar->widgetForAction(action));
    }
    return nullptr;
}

inline QAction *menuItem(QWidget *window, const char *name)
{
    return window->findChild<QAction *>(QLatin1String(name));
}

// Waits until the window is the active one.
inline bool activeNow(QWidget *window)
{
    if (!window)
        return false;
    window->activateWindow();
    return QTest::qWaitForWindowActive(window, 2000);
}

// The dialog a command has just loaded, once it is the active window.
template <typename Dialog> Dialog *openedDialog()
{
    Dialog *dialog = Dialog::instance();
    if (dialog && activeNow(dialog))
        QCoreApplication::processEvents();
    return dialog;
}

// After a dialog has gone: the main window is enabled, active and has reloaded.
inline bool backInMainWindow(frmInvestData *w)
{
    settle();
    if (!w->isEnabled())
        return false;
    if (!QTest::qWaitForWindowActive(w, 2000))
        return false;
    settle();
    return true;
}

inline QString historyLine(int invest, const char *date, const char *original, const char *current, const char *rate)
{
    return QStringLiteral("%1,#%2#,%3,%4,%5")
        .arg(invest)
        .arg(QLatin1String(date), QLatin1String(original), QLatin1String(current), QLatin1String(rate));
}

// A history line as the program writes it back (a rate of "1.0" reads and is
// written as "1").
inline QString canonical(const QString &line)
{
    const qsizetype comma = line.lastIndexOf(QLatin1Char(','));
    return line.left(comma + 1) + singleToText(line.mid(comma + 1).toFloat());
}

inline QStringList canonical(const QStringList &lines)
{
    QStringList result;
    for (const QString &line : lines)
        result << canonical(line);
    return result;
}

inline QByteArray bytesOf(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toLatin1() + "\r\n";
    return bytes;
}

// Files in the data folder besides the two data files, the page file and the lock.
inline QStringList strayFiles(testing::AppFixture &app)
{
    QStringList names = QDir(app.folder().dir()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString &keep :
         {storage::InvestFileName, storage::HistFileName, storage::PageFileName, QStringLiteral("Plumbline.lock")})
        names.removeAll(keep);
    return names;
}

// A caption in its place of the reference layout; it may run on to the right where
// the font is wider than the reference one.
inline bool captionAt(QWidget *label, const QRect &place)
{
    const QRect at = label->geometry();
    return at.topLeft() == place.topLeft() && at.height() == place.height() && at.width() >= place.width();
}

// Where a picture of a window goes: the build folder, above the test programs.
inline QString screenshotPath(const QString &name)
{
    return QDir(QCoreApplication::applicationDirPath() + QStringLiteral("/..")).absoluteFilePath(name);
}

inline bool sameCall(const MessageBoxCall &call, const QString &text, const QString &title, MsgIcon icon,
                     MsgButtons buttons)
{
    return call.text == text && call.title == title && call.icon == icon && call.buttons == buttons;
}

inline QString describe(const MessageBoxCall &call)
{
    return QStringLiteral("[%1] \"%2\" icon %3 buttons %4")
        .arg(call.title, call.text)
        .arg(int(call.icon))
        .arg(int(call.buttons));
}

// Exactly one box was shown since the last take, with these contents.
#define EXPECT_ONE_BOX(app, text, title, icon, buttons)                                                                \
    do {                                                                                                               \
        const QList<platform::MessageBoxCall> shown = (app).boxes().takeCalls();                                       \
        QStringList seen;                                                                                              \
        for (const platform::MessageBoxCall &c : shown)                                                                \
            seen << edtest::describe(c);                                                                               \
        QVERIFY2(shown.size() == 1, qPrintable(seen.join(QLatin1String(" | "))));                                      \
        QVERIFY2(edtest::sameCall(shown.first(), (text), (title), (icon), (buttons)), qPrintable(seen.first()));       \
    } while (false)

#define EXPECT_NO_BOX(app)                                                                                             \
    do {                                                                                                               \
        const QList<platform::MessageBoxCall> shown = (app).boxes().takeCalls();                                       \
        QStringList seen;                                                                                              \
        for (const platform::MessageBoxCall &c : shown)                                                                \
            seen << edtest::describe(c);                                                                               \
        QVERIFY2(shown.isEmpty(), qPrintable(seen.join(QLatin1String(" | "))));                                        \
    } while (false)

} // namespace edtest
