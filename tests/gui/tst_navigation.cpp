// Moving between investments with First, Previous, Next and Last.

#include "mainwindowtesting.h"

#include "storage/datafolder.h"
#include "storage/filetable.h"

using namespace mwtest;

class tst_Navigation : public QObject
{
    Q_OBJECT

private slots:
    void exactlyOneInvestmentDisablesAllFour();
    void buttonStatesFollowThePosition();
    void movingFromPage3StartsTheOtherInvestmentOnPage1();
    void nextAtLastAndPreviousAtFirstChangeNothing();
    void firstAtFirstAndLastAtLastRefillPage1();
    void damagedRecordShowsNoInvestmentAndTheNavigationGoesOn();
    void recordPastTheEndShowsNoInvestment();
};

namespace {

QList<QPair<QString, QString>> investments(int count)
{
    QList<QPair<QString, QString>> list;
    for (int n = 1; n <= count; ++n)
        list.append({QStringLiteral("Type %1").arg(n), QStringLiteral("Institution %1").arg(n)});
    return list;
}

struct ButtonStates
{
    bool first, previous, next, last;
};

void checkButtons(frmInvestData *w, ButtonStates s, const char *where)
{
    const QString message = QString::fromLatin1(where);
    QVERIFY2(w->cmdFirst->isEnabled() == s.first, qPrintable(message + " cmdFirst"));
    QVERIFY2(w->cmdPrevious->isEnabled() == s.previous, qPrintable(message + " cmdPrevious"));
    QVERIFY2(w->cmdNext->isEnabled() == s.next, qPrintable(message + " cmdNext"));
    QVERIFY2(w->cmdLast->isEnabled() == s.last, qPrintable(message + " cmdLast"));
}

} // namespace

void tst_Navigation::exactlyOneInvestmentDisablesAllFour()
{
    testing::AppFixture app;
    app.writeInvestments(investments(1));
    app.writeHistory(historyLines(1, 2));
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    checkButtons(w, {false, false, false, false}, "one investment");
    QCOMPARE(w->lblInvestRecNum->text(), QStringLiteral("1"));
    QCOMPARE(w->txtInvestment->text(), QStringLiteral("Type 1").leftJustified(50));
    QCOMPARE(w->txtInstitution->text(), QStringLiteral("Institution 1").leftJustified(50));
    for (QPushButton *b : {w->cmdAddNewRec, w->cmdEditRec, w->cmdDeleteRec, w->cmdAddNew, w->cmdInsertNew, w->cmdDelete,
                           w->cmdEdit, w->cmdPrint, w->cmdDone})
        QVERIFY2(b->isEnabled(), qPrintable(b->objectName()));
    QVERIFY(!w->Record->isEnabled());
    QCOMPARE(shownRecordNumbers(w), range(1, 2));
}

void tst_Navigation::buttonStatesFollowThePosition()
{
    testing::AppFixture app;
    app.writeInvestments(investments(3));
    QStringList lines = historyLines(1, 2) + historyLines(2, 3) + historyLines(3, 1);
    app.writeHistory(lines);
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    checkButtons(w, {false, false, true, true}, "at load");

    click(w->cmdNext);
    checkButtons(w, {true, true, true, true}, "middle by Next");
    QCOMPARE(w->lblInvestRecNum->text(), QStringLiteral("2"));
    QCOMPARE(w->txtInvestment->text(), QStringLiteral("Type 2").leftJustified(50));
    QCOMPARE(shownRecordNumbers(w), range(1, 3));
    QCOMPARE(rowTexts(w, 2), expectedRow(historyLines(2, 3), 3));

    click(w->cmdNext);
    checkButtons(w, {true, true, false, false}, "last by Next");
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w->cmdPrevious));
    QCOMPARE(w->lblInvestRecNum->text(), QStringLiteral("3"));
    QCOMPARE(shownRecordNumbers(w), range(1, 1));

    click(w->cmdPrevious);
    checkButtons(w, {true, true, true, true}, "middle by Previous");
    QCOMPARE(w->lblInvestRecNum->text(), QStringLiteral("2"));

    click(w->cmdFirst);
    checkButtons(w, {false, false, true, true}, "first by First");
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w->cmdNext));
    QCOMPARE(w->lblInvestRecNum->text(), QStringLiteral("1"));
    QCOMPARE(shownRecordNumbers(w), range(1, 2));

    click(w->cmdLast);
    checkButtons(w, {true, true, false, false}, "last by Last");
    QCOMPARE(w->txtInstitution->text(), QStringLiteral("Institution 3").leftJustified(50));
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w->cmdPrevious));

    click(w->cmdPrevious);
    click(w->cmdPrevious);
    checkButtons(w, {false, false, true, true}, "first by Previous");
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w->cmdNext));
    QVERIFY(app.boxes().calls().isEmpty());
    // Reading never writes.
    QCOMPARE(app.investBytes().size(), 3 * storage::InvestRecordLength);
}

void tst_Navigation::movingFromPage3StartsTheOtherInvestmentOnPage1()
{
    testing::AppFixture app;
    app.writeInvestments(investments(2));
    const QStringList first = historyLines(1, 30);
    const QStringList second = historyLines(2, 14);
    app.writeHistory(first + second);
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    click(w->lblNextPg);
    QCOMPARE(w->lblPageNum->text(), QStringLiteral("2"));
    click(w->cmdNext); // from page 2 of investment 1, its page file open
    QCOMPARE(w->lblPageNum->text(), QStringLiteral("1"));
    QCOMPARE(shownRecordNumbers(w), range(1, 12));
    QCOMPARE(rowTexts(w, 0), expectedRow(second, 1));

    click(w->cmdFirst);
    click(w->lblNextPg);
    click(w->lblNextPg);
    QCOMPARE(w->lblPageNum->text(), QStringLiteral("3"));
    QVERIFY(w->lblPreviousPg->isVisible());

    click(w->cmdNext);
    QCOMPARE(w->lblInvestRecNum->text(), QStringLiteral("2"));
    QCOMPARE(w->lblPageNum->text(), QStringLiteral("1"));
    QVERIFY(w->lblPreviousPg->isHidden());
    QVERIFY(w->lblNextPg->isVisible());
    QCOMPARE(shownRecordNumbers(w), range(1, 12));
    for (int k = 1; k <= 12; ++k)
        QCOMPARE(rowTexts(w, k - 1), expectedRow(second, k));
    click(w->lblNextPg);
    QCOMPARE(shownRecordNumbers(w), range(13, 14));
    QCOMPARE(rowTexts(w, 1), expectedRow(second, 14));
    QVERIFY(app.boxes().calls().isEmpty());
}

void tst_Navigation::nextAtLastAndPreviousAtFirstChangeNothing()
{
    testing::AppFixture app;
    app.writeInvestments(investments(2));
    app.writeHistory(historyLines(1, 30) + historyLines(2, 30));
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);

    click(w->lblNextPg);
    QVERIFY(!w->cmdPrevious->isEnabled());
    w->cmdPrevious_Click(); // called directly: the button is disabled at the first record
    QCOMPARE(w->lblInvestRecNum->text(), QStringLiteral("1"));
    QCOMPARE(w->lblPageNum->text(), QStringLiteral("2"));
    QCOMPARE(shownRecordNumbers(w), range(13, 24));
    QVERIFY(w->lblPreviousPg->isVisible());
    checkButtons(w, {false, false, true, true}, "previous at first");
    // The pass was not disturbed: the next page follows on.
    click(w->lblNextPg);
    QCOMPARE(shownRecordNumbers(w), range(25, 30));
    QCOMPARE(rowTexts(w, 5), expectedRow(historyLines(1, 30), 30));

    click(w->cmdLast);
    click(w->lblNextPg);
    w->cmdNext_Click();
    QCOMPARE(w->lblInvestRecNum->text(), QStringLiteral("2"));
    QCOMPARE(w->lblPageNum->text(), QStringLiteral("2"));
    QCOMPARE(shownRecordNumbers(w), range(13, 24));
    checkButtons(w, {true, true, false, false}, "next at last");
    click(w->lblNextPg);
    QCOMPARE(rowTexts(w, 0), expectedRow(historyLines(2, 30), 25));
    QVERIFY(app.boxes().calls().isEmpty());
}

void tst_Navigation::firstAtFirstAndLastAtLastRefillPage1()
{
    testing::AppFixture app;
    app.writeInvestments(investments(2));
    app.writeHistory(historyLines(1, 30) + historyLines(2, 20));
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);

    click(w->lblNextPg);
    click(w->lblNextPg);
    QCOMPARE(w->lblPageNum->text(), QStringLiteral("3"));
    w->cmdFirst_Click();
    QCOMPARE(w->lblInvestRecNum->text(), QStringLiteral("1"));
    QCOMPARE(w->lblPageNum->text(), QStringLiteral("1"));
    QVERIFY(w->lblPreviousPg->isHidden());
    QVERIFY(w->lblNextPg->isVisible());
    QCOMPARE(shownRecordNumbers(w), range(1, 12));
    QCOMPARE(rowTexts(w, 0), expectedRow(historyLines(1, 30), 1));
    checkButtons(w, {false, false, true, true}, "first at first");

    click(w->cmdLast);
    click(w->lblNextPg);
    QCOMPARE(shownRecordNumbers(w), range(13, 20));
    w->cmdLast_Click();
    QCOMPARE(w->lblInvestRecNum->text(), QStringLiteral("2"));
    QCOMPARE(w->lblPageNum->text(), QStringLiteral("1"));
    QVERIFY(w->lblPreviousPg->isHidden());
    QCOMPARE(shownRecordNumbers(w), range(1, 12));
    QCOMPARE(rowTexts(w, 11), expectedRow(historyLines(2, 20), 12));
    checkButtons(w, {true, true, false, false}, "last at last");
}

void tst_Navigation::damagedRecordShowsNoInvestmentAndTheNavigationGoesOn()
{
    testing::AppFixture app;
    QByteArray bytes = testing::investRecordBytes(1, QStringLiteral("Fund"), QStringLiteral("Broker")) +
                       testing::investRecordBytes(2, QStringLiteral("Bond"), QStringLiteral("Treasury")) +
                       testing::investRecordBytes(3, QStringLiteral("Savings"), QStringLiteral("Credit Union"));
    bytes[102] = 0; // record 2 loses its number
    bytes[103] = 0;
    bytes[110] = 0x01; // and a control byte in its text
    app.folder().writeBytes(storage::InvestFileName, bytes);
    app.writeHistory(historyLines(2, 2) + historyLines(3, 1));
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);

    click(w->cmdNext);
    QVERIFY(w->lblInvestRecNum->text().isEmpty());
    QVERIFY(w->txtInvestment->text().isEmpty());
    QVERIFY(w->txtInstitution->text().isEmpty());
    QCOMPARE(int(modPlMainMod::intInvestRecNum), 2);
    checkButtons(w, {true, true, true, true}, "on the damaged record");

    click(w->cmdNext);
    QCOMPARE(w->lblInvestRecNum->text(), QStringLiteral("3"));
    QCOMPARE(w->txtInvestment->text(), QStringLiteral("Savings").leftJustified(50));
    checkButtons(w, {true, true, false, false}, "after the damaged record");
    QCOMPARE(shownRecordNumbers(w), range(1, 1));

    click(w->cmdPrevious);
    click(w->cmdPrevious);
    QCOMPARE(w->lblInvestRecNum->text(), QStringLiteral("1"));
    QCOMPARE(w->txtInvestment->text(), QStringLiteral("Fund").leftJustified(50));
    QVERIFY(app.boxes().calls().isEmpty());
    QCOMPARE(app.folder().readBytes(storage::InvestFileName), bytes);
}

void tst_Navigation::recordPastTheEndShowsNoInvestment()
{
    // A run that started with no investments, then the first one's entry was cancelled:
    // the window comes back with "ADDNEWREC" and position 1 of an empty file.
    testing::AppFixture app;
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    modPlMainMod::intInvestRecNum = 1;
    modPlMainMod::strOperation = QStringLiteral("ADDNEWREC");
    w->Form_Activate();
    QVERIFY(w->lblInvestRecNum->text().isEmpty());
    QVERIFY(w->txtInvestment->text().isEmpty());
    QVERIFY(w->txtInstitution->text().isEmpty());
    QCOMPARE(int(modPlMainMod::intInvestRecNum), 1);
    QVERIFY(app.boxes().calls().isEmpty());
    QCOMPARE(app.investBytes(), QByteArray());
    checkButtons(w, {false, false, false, false}, "empty file");
}

QTEST_MAIN(tst_Navigation)
#include "tst_navigation.moc"
