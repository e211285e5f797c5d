// Where the focus goes and what it selects: a refused entry is selected whole again
// however the focus comes back, the dialog's menu does not count as leaving a box,
// and the main window's Copy works from the box that has the focus at start-up.
#include "editingtesting.h"

#include <QApplication>

using namespace edtest;
using namespace modPlMainMod;

namespace {

const QString WrongDateText = QStringLiteral("Wrong entry. Please enter a date.");
const QString WrongEntryText = QStringLiteral("Sorry, wrong entry. Enter only numbers or decimal point.");

frmInvestData *startWithOneInvestment(testing::AppFixture &app)
{
    app.writeInvestments({{QStringLiteral("Mutual fund"), QStringLiteral("First Bank")}});
    app.writeHistory({historyLine(1, "2001-01-02", "100", "110", "0")});
    return app.startMainWindow();
}

frmNewEditData *openAddNew(frmInvestData *w)
{
    click(w->cmdAddNew);
    return openedDialog<frmNewEditData>();
}

// A real message box takes the activation while it is shown and gives it back when it
// closes; the scripted boxes do the first by activating another window.
class ActivationThief
{
public:
    ActivationThief()
    {
        m_other.setObjectName(QStringLiteral("otherWindow"));
        m_other.resize(100, 60);
    }
    void steal()
    {
        m_other.show();
        m_other.activateWindow();
        m_stolen = QTest::qWaitForWindowActive(&m_other, 2000);
    }
    bool stolen() const { return m_stolen; }
    void hide() { m_other.hide(); }

private:
    QWidget m_other;
    bool m_stolen = false;
};

} // namespace

class tst_entryfocus : public QObject
{
    Q_OBJECT

private slots:
    void init() { platform::LocaleServices::setToday(QDate(2026, 12, 7)); }
    void cleanup() { platform::LocaleServices::setToday(QDate()); }

    void refusedEntrySelectedWhenWindowComesBack_data();
    void refusedEntrySelectedWhenWindowComesBack();
    void refusedEntrySelectedAfterEnterInTheBox_data();
    void refusedEntrySelectedAfterEnterInTheBox();
    void escClosingTheMenuIsNoLeavingOfTheBox();
    void copyWorksFromTheStartUpFocus_data();
    void copyWorksFromTheStartUpFocus();
    void focusComingBackIsNoNewVisit();
};

void tst_entryfocus::refusedEntrySelectedWhenWindowComesBack_data()
{
    QTest::addColumn<QString>("boxName");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("backwards"); // Shift+Tab
    QTest::newRow("date") << QStringLiteral("txtDate") << QStringLiteral("abc") << WrongDateText << false;
    QTest::newRow("original amount") << QStringLiteral("metOriginalAmount") << QStringLiteral("12x") << WrongEntryText
                                     << false;
    QTest::newRow("rate") << QStringLiteral("txtInflRate") << QStringLiteral("1,5") << WrongEntryText << false;
    // Tab would go on to Cancel, which never checks: back to the rate instead.
    QTest::newRow("current amount") << QStringLiteral("metCurrentAmount") << QStringLiteral("$$") << WrongEntryText
                                    << true;
}

void tst_entryfocus::refusedEntrySelectedWhenWindowComesBack()
{
    QFETCH(QString, boxName);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(bool, backwards);
    testing::AppFixture app;
    frmInvestData *w = startWithOneInvestment(app);
    QVERIFY(w);
    frmNewEditData *d = openAddNew(w);
    QVERIFY(d);
    auto *box = d->findChild<QLineEdit *>(boxName);
    QVERIFY(box);
    typeInto(box, typed);

    ActivationThief thief;
    app.boxes().setOnShow([&](const platform::MessageBoxCall &) { thief.steal(); });
    QTest::keyClick(box, Qt::Key_Tab, backwards ? Qt::ShiftModifier : Qt::NoModifier);
    app.boxes().setOnShow(nullptr);
    QCOMPARE(app.boxes().texts(), QStringList{message});
    QVERIFY(thief.stolen());

    // The box closes: the dialog is active again with the focus in the refused box.
    thief.hide();
    QVERIFY(activeNow(d));
    QTRY_VERIFY(box->hasFocus());
    QCOMPARE(box->selectedText(), typed);
    QTest::keyClicks(box, QStringLiteral("9"));
    QCOMPARE(box->text(), QStringLiteral("9"));
}

void tst_entryfocus::refusedEntrySelectedAfterEnterInTheBox_data()
{
    QTest::addColumn<QString>("boxName");
    QTest::addColumn<QString>("typed");
    QTest::newRow("date") << QStringLiteral("txtDate") << QStringLiteral("abc");
    QTest::newRow("rate") << QStringLiteral("txtInflRate") << QStringLiteral("two");
}

void tst_entryfocus::refusedEntrySelectedAfterEnterInTheBox()
{
    QFETCH(QString, boxName);
    QFETCH(QString, typed);
    testing::AppFixture app;
    frmInvestData *w = startWithOneInvestment(app);
    QVERIFY(w);
    frmNewEditData *d = openAddNew(w);
    QVERIFY(d);
    if (boxName != QLatin1String("txtDate")) {
        typeInto(d->txtDate, QStringLiteral("1/2/2003"));
        typeInto(d->metOriginalAmount, QStringLiteral("100"));
    }
    auto *box = d->findChild<QLineEdit *>(boxName);
    typeInto(box, typed);
    // Enter runs Done with the cursor still in the box; the focus never leaves it.
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(app.boxes().calls().size(), 1);
    QVERIFY(box->hasFocus());
    QCOMPARE(box->selectedText(), typed);
    QTest::keyClicks(box, QStringLiteral("Z"));
    QCOMPARE(box->text(), QStringLiteral("Z"));
    QCOMPARE(app.historyBytes(), (historyLine(1, "2001-01-02", "100", "110", "0") + QStringLiteral("\r\n")).toLatin1());
}

void tst_entryfocus::escClosingTheMenuIsNoLeavingOfTheBox()
{
    testing::AppFixture app;
    frmInvestData *w = startWithOneInvestment(app);
    QVERIFY(w);
    frmNewEditData *d = openAddNew(w);
    QVERIFY(d);
    typeInto(d->txtDate, QStringLiteral("abc"));
    QVERIFY(d->txtDate->hasFocus());

    // Alt+E opens the Edit menu; Esc closes it and leaves the menu bar; Esc again
    // gives the focus back to the box.
    QTest::keyClick(d, Qt::Key_E, Qt::AltModifier);
    QTRY_VERIFY(QApplication::activePopupWidget());
    QCOMPARE(QApplication::activePopupWidget(), static_cast<QWidget *>(d->mnuEdit));
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    QTRY_VERIFY(!QApplication::activePopupWidget());
    if (QWidget *focus = QApplication::focusWidget(); focus && focus != d->txtDate)
        QTest::keyClick(focus, Qt::Key_Escape);
    QTRY_VERIFY(d->txtDate->hasFocus());

    QCOMPARE(app.boxes().texts(), QStringList());
    QCOMPARE(d->txtDate->text(), QStringLiteral("abc"));
    QVERIFY(d->isVisible());
    QCOMPARE(frmNewEditData::instance(), d);

    // Leaving the box for real still checks it.
    QTest::keyClick(d->txtDate, Qt::Key_Tab);
    QCOMPARE(app.boxes().texts(), QStringList{WrongDateText});
}

void tst_entryfocus::copyWorksFromTheStartUpFocus_data()
{
    QTest::addColumn<bool>("toolbar");
    QTest::newRow("Edit, Copy") << false;
    QTest::newRow("toolbar Copy") << true;
}

void tst_entryfocus::copyWorksFromTheStartUpFocus()
{
    QFETCH(bool, toolbar);
    testing::AppFixture app;
    frmInvestData *w = startWithOneInvestment(app);
    QVERIFY(w);
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w->txtInvestment));
    QCOMPARE(int(intCopySource), 1);
    QCOMPARE(w->txtInvestment->selectedText(), w->txtInvestment->text());

    if (toolbar)
        click(toolButton(w, QStringLiteral("Copy")));
    else
        menuItem(w, "mnuEditCopy")->trigger();
    QCOMPARE(app.clipboard().setCount(), 1);
    const QString padded = QStringLiteral("Mutual fund").leftJustified(50, QLatin1Char(' '));
    QCOMPARE(app.clipboard().text(), padded);
    QCOMPARE(app.boxes().calls().size(), 0);
}

void tst_entryfocus::focusComingBackIsNoNewVisit()
{
    testing::AppFixture app;
    frmInvestData *w = startWithOneInvestment(app);
    QVERIFY(w);
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w->txtInvestment));
    // Another window's code in the shared variable; the main window comes back with its
    // focus in txtInvestment, which is no new visit, so the code stays.
    ActivationThief thief;
    thief.steal();
    QVERIFY(thief.stolen());
    intCopySource = 4;
    thief.hide();
    QVERIFY(activeNow(w));
    QCoreApplication::processEvents();
    QCOMPARE(int(intCopySource), 4);
    menuItem(w, "mnuEditCopy")->trigger();
    QCOMPARE(app.clipboard().setCount(), 0);
}

QTEST_MAIN(tst_entryfocus)
#include "tst_entryfocus.moc"
