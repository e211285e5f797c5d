// The desktop's standard keys on the main window: F1, Ctrl+Q, Page Down/Up, and the
// page links reached with Tab and pressed with Space or Enter. The window's own keys
// (access keys, Enter on Exit) keep their meaning.
#include "mainwindowtesting.h"
#include "palettetesting.h"

#include "storage/filetable.h"
#include "ui/appidentity.h"
#include "ui/tools/frminstructions.h"

#include <QAction>
#include <QDir>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QtTest>

using namespace mwtest;

namespace {

struct KeyFixture
{
    testing::AppFixture app;
    frmInvestData *main = nullptr;

    explicit KeyFixture(int records)
    {
        app.writeInvestments({{QStringLiteral("Mutual fund"), QStringLiteral("First Bank")}});
        app.writeHistory(historyLines(1, records));
        main = app.startMainWindow();
    }

    QString page() const { return main->lblPageNum->text(); }
    bool nextShown() const { return main->lblNextPg->isVisible(); }
    bool previousShown() const { return main->lblPreviousPg->isVisible(); }

    // A key typed into whatever control of the main window has the focus.
    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget *target = QApplication::focusWidget();
        QVERIFY(target);
        QCOMPARE(target->window(), static_cast<QWidget *>(main));
        QTest::keyClick(target, k, modifiers);
        QCoreApplication::processEvents();
    }
};

// The widgets Tab visits from `start`, in order, until it comes back or `steps` run out.
QList<QWidget *> tabChain(QWidget *start, int steps)
{
    QList<QWidget *> chain;
    start->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < steps; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget *now = QApplication::focusWidget();
        if (!now || now == start)
            break;
        chain << now;
    }
    return chain;
}

} // namespace

class tst_desktopkeys : public QObject
{
    Q_OBJECT

private slots:
    void f1OpensTheInstructions();
    void ctrlQExitsThroughExit();
    void ctrlQWhileADialogHoldsTheWindow();
    void pageKeysTurnThePages_data();
    void pageKeysTurnThePages();
    void pageKeysWithoutLinksDoNothing();
    void tabReachesTheShownPageLinks();
    void spaceAndEnterPressTheFocusedLink();
    void enterStillPressesExitElsewhere();
    void applicationIdentity();
};

void tst_desktopkeys::f1OpensTheInstructions()
{
    KeyFixture f(3);
    QVERIFY(f.main);
    QCOMPARE(frmInstructions::instance(), nullptr);
    QSignalSpy entry(f.main->mnuHelpInstruct, &QAction::triggered);
    f.main->cmdDone->setFocus();
    f.key(Qt::Key_F1);
    QTRY_VERIFY(frmInstructions::instance() && frmInstructions::instance()->isVisible());
    QCOMPARE(entry.count(), 1);   // the menu entry's own path
    QVERIFY(f.main->isEnabled()); // the instructions leave the main window usable
    QCOMPARE(f.main->mnuHelpInstruct->text(), QStringLiteral("&Instructions"));
    QCOMPARE(f.app.boxes().calls().size(), 0);
}

void tst_desktopkeys::ctrlQExitsThroughExit()
{
    KeyFixture f(14); // the page file stays open on file number 5
    QVERIFY(f.main);
    QVERIFY(storage::isOpen(5));
    QCOMPARE(f.main->mnuFileExit->text(), QStringLiteral("E&xit"));
    QSignalSpy entry(f.main->mnuFileExit, &QAction::triggered);
    f.main->txtInvestment->setFocus();
    f.key(Qt::Key_Q, Qt::ControlModifier);
    QTRY_VERIFY(f.app.quitRequested());
    QCOMPARE(entry.count(), 1);
    QCOMPARE(f.app.quitCount(), 1);
    QVERIFY(!storage::isOpen(1));
    QVERIFY(!storage::isOpen(5));
    QTRY_COMPARE(frmInvestData::instance(), nullptr);
}

void tst_desktopkeys::ctrlQWhileADialogHoldsTheWindow()
{
    KeyFixture f(3);
    QVERIFY(f.main);
    click(f.main->cmdAddNew);
    QTRY_VERIFY(!f.main->isEnabled());
    QWidget *dialog = QApplication::activeWindow();
    QVERIFY(dialog && dialog != f.main);
    // The key goes to the dialog; the disabled main window takes no input, this key included.
    QTest::keyClick(dialog, Qt::Key_Q, Qt::ControlModifier);
    QCoreApplication::processEvents();
    QVERIFY(!f.app.quitRequested());
    QVERIFY(frmInvestData::instance());
}

void tst_desktopkeys::pageKeysTurnThePages_data()
{
    QTest::addColumn<QString>("focus");
    QTest::newRow("on Exit") << QStringLiteral("cmdDone");
    QTest::newRow("on First") << QStringLiteral("cmdFirst");
    QTest::newRow("in the investment box") << QStringLiteral("txtInvestment");
}

void tst_desktopkeys::pageKeysTurnThePages()
{
    QFETCH(QString, focus);
    KeyFixture f(30); // pages of 12, 12 and 6
    QVERIFY(f.main);
    QWidget *start = f.main->findChild<QWidget *>(focus);
    QVERIFY(start);
    start->setFocus();
    QCOMPARE(f.page(), QStringLiteral("1"));
    const QStringList page2 = [&] {
        f.key(Qt::Key_PageDown);
        return shownRecordNumbers(f.main);
    }();
    QCOMPARE(page2, range(13, 24));
    QCOMPARE(f.page(), QStringLiteral("2"));
    QVERIFY(f.nextShown() && f.previousShown());
    const QStringList row13 = rowTexts(f.main, 0);

    f.key(Qt::Key_PageDown);
    QCOMPARE(shownRecordNumbers(f.main), range(25, 30));
    QCOMPARE(f.page(), QStringLiteral("3"));
    QVERIFY(!f.nextShown());

    // No "Next" on the last page: the key does nothing.
    f.key(Qt::Key_PageDown);
    QCOMPARE(shownRecordNumbers(f.main), range(25, 30));
    QCOMPARE(f.page(), QStringLiteral("3"));

    f.key(Qt::Key_PageUp);
    QCOMPARE(shownRecordNumbers(f.main), range(13, 24));
    QCOMPARE(f.page(), QStringLiteral("2"));
    QCOMPARE(rowTexts(f.main, 0), row13); // the same figures as reached going forward

    f.key(Qt::Key_PageUp);
    QCOMPARE(shownRecordNumbers(f.main), range(1, 12));
    QCOMPARE(f.page(), QStringLiteral("1"));
    QVERIFY(!f.previousShown());

    f.key(Qt::Key_PageUp);
    QCOMPARE(shownRecordNumbers(f.main), range(1, 12));
    QCOMPARE(f.page(), QStringLiteral("1"));
    QCOMPARE(f.app.boxes().calls().size(), 0);
    QVERIFY(!f.app.quitRequested());
}

void tst_desktopkeys::pageKeysWithoutLinksDoNothing()
{
    KeyFixture f(12); // exactly one page: neither link
    QVERIFY(f.main);
    QVERIFY(!f.nextShown() && !f.previousShown());
    f.main->cmdDone->setFocus();
    for (Qt::Key k : {Qt::Key_PageDown, Qt::Key_PageUp})
        f.key(k);
    QCOMPARE(shownRecordNumbers(f.main), range(1, 12));
    QCOMPARE(f.page(), QStringLiteral("1"));
    QCOMPARE(f.app.boxes().calls().size(), 0);
    QVERIFY(!f.app.quitRequested());
}

void tst_desktopkeys::tabReachesTheShownPageLinks()
{
    KeyFixture f(30);
    QVERIFY(f.main);
    // Page 1: only "Next" is shown, and Tab stops on it after the investment commands.
    QList<QWidget *> chain = tabChain(f.main->cmdDeleteRec, 40);
    QVERIFY(chain.contains(f.main->lblNextPg));
    QVERIFY(!chain.contains(f.main->lblPreviousPg));
    QVERIFY(chain.indexOf(f.main->lblNextPg) < chain.indexOf(f.main->cmdAddNew));
    for (QWidget *w : chain) // the grid stays out of the way of Tab
        QVERIFY2(!w->objectName().contains(QLatin1Char('_')), qPrintable(w->objectName()));

    // The link shows that it has the focus.
    f.main->cmdDone->setFocus();
    const QImage plain = f.main->lblNextPg->grab().toImage();
    f.main->lblNextPg->setFocus(Qt::TabFocusReason);
    QVERIFY(f.main->lblNextPg->hasFocus());
    QVERIFY(f.main->lblNextPg->grab().toImage() != plain);

    f.main->lblNextPg_Click();
    QCOMPARE(f.page(), QStringLiteral("2"));
    chain = tabChain(f.main->cmdDeleteRec, 40);
    QVERIFY(chain.contains(f.main->lblPreviousPg));
    QVERIFY(chain.indexOf(f.main->lblPreviousPg) < chain.indexOf(f.main->lblNextPg));
}

void tst_desktopkeys::spaceAndEnterPressTheFocusedLink()
{
    KeyFixture f(30);
    QVERIFY(f.main);
    f.main->lblNextPg->setFocus(Qt::TabFocusReason);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(f.main->lblNextPg));
    f.key(Qt::Key_Space);
    QCOMPARE(f.page(), QStringLiteral("2"));
    QCOMPARE(shownRecordNumbers(f.main), range(13, 24));

    palettetest::grabLightAndDark(f.main, QStringLiteral("keys-next-focused"));

    // Back with Shift+Tab to "Previous", pressed with Enter: a page back, and not Exit.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(f.main->lblPreviousPg));
    f.key(Qt::Key_Return);
    QCOMPARE(f.page(), QStringLiteral("1"));
    QCOMPARE(shownRecordNumbers(f.main), range(1, 12));
    QVERIFY(!f.app.quitRequested());

    // "Previous" went away with the focus on it; the focus is still in the window.
    QVERIFY(!f.previousShown());
    QVERIFY(QApplication::focusWidget() && QApplication::focusWidget()->window() == f.main);
    f.main->lblNextPg->setFocus(Qt::TabFocusReason);
    f.key(Qt::Key_Enter);
    QCOMPARE(f.page(), QStringLiteral("2"));
    QVERIFY(!f.app.quitRequested());
}

void tst_desktopkeys::enterStillPressesExitElsewhere()
{
    KeyFixture f(30);
    QVERIFY(f.main);
    f.main->txtInstitution->setFocus();
    f.key(Qt::Key_Return);
    QTRY_VERIFY(f.app.quitRequested());
}

void tst_desktopkeys::applicationIdentity()
{
    ui::setUpApplication();
    QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("io.github.plumbline.Plumbline"));
    QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral(PLUMBLINE_VERSION));
    KeyFixture f(1);
    QVERIFY(f.main);
    const QList<QSize> sizes = f.main->windowIcon().availableSizes();
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        QVERIFY2(sizes.contains(QSize(size, size)), qPrintable(QString::number(size)));
    // The picture is the program's own, not an empty placeholder.
    const QImage small = f.main->windowIcon().pixmap(QSize(32, 32)).toImage();
    QCOMPARE(small.size(), QSize(32, 32));
    QVERIFY(small.pixelColor(16, 16).alpha() > 0);
    QVERIFY(small.pixelColor(0, 0).alpha() == 0); // rounded corner
}

QTEST_MAIN(tst_desktopkeys)
#include "tst_desktopkeys.moc"
