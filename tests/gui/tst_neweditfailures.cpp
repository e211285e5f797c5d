// The data record dialog when a value or a file step fails: an amount beyond the currency's
// range stops Done, and a failed rebuild, append or split leaves the history whole and the
// windows usable.

#include "neweditdatatesting.h"

#include "storage/rewrites.h"

using namespace nedtest;
using namespace modPlMainMod;
using storage::faults::Step;

class tst_NewEditFailures : public QObject
{
    Q_OBJECT

private slots:
    void init() { platform::LocaleServices::setToday(QDate(2026, 12, 7)); }
    void cleanup() { platform::LocaleServices::setToday(QDate()); }

    void valueBeyondTheCurrencyRangeStopsDone_data();
    void valueBeyondTheCurrencyRangeStopsDone();
    void failedRebuildKeepsTheHistoryAndTheDialog_data();
    void failedRebuildKeepsTheHistoryAndTheDialog();
    void failedAppendKeepsTheHistory();
    void failedSplitAtLoadGivesTheWindowBack();
};

void tst_NewEditFailures::valueBeyondTheCurrencyRangeStopsDone_data()
{
    QTest::addColumn<QString>("mode");
    QTest::newRow("add") << "ADDNEW";
    QTest::newRow("edit") << "EDIT";
    QTest::newRow("insert") << "INSERT";
}

void tst_NewEditFailures::valueBeyondTheCurrencyRangeStopsDone()
{
    QFETCH(QString, mode);
    testing::AppFixture app;
    frmInvestData *w = startWithExample(app);
    QVERIFY(w);
    frmNewEditData *d = mode == QLatin1String("ADDNEW") ? openAddNew(w)
                        : mode == QLatin1String("EDIT") ? openForRecord(w, w->cmdEdit, 1)
                                                        : openForRecord(w, w->cmdInsertNew, 1);
    QVERIFY(d);
    fill(d, QStringLiteral("1/1/2001"), QStringLiteral("1000000000000000"), QString(), QStringLiteral("5"));
    click(d->cmdDone);
    EXPECT_ONE_BOX(app, QStringLiteral("Error Number:6\r\nOverflow"), AppTitle, MsgIcon::None, MsgButtons::OK);
    // Not reported as done: nothing written, the dialog open with its entries.
    QCOMPARE(frmNewEditData::instance(), d);
    QCOMPARE(app.historyBytes(), bytesOf(Example));
    QCOMPARE(d->metOriginalAmount->plainText(), QStringLiteral("1000000000000000"));
    QVERIFY(!w->isEnabled());

    typeInto(d->metOriginalAmount, QStringLiteral("100"));
    click(d->cmdDone);
    EXPECT_NO_BOX(app);
    QVERIFY(!frmNewEditData::instance());
    const QString line = historyLine(1, "2001-01-01", "100", "5", "0");
    if (mode == QLatin1String("ADDNEW"))
        QCOMPARE(app.historyBytes(), bytesOf(Example) + line.toLatin1() + "\r\n");
    else if (mode == QLatin1String("EDIT"))
        QCOMPARE(app.historyBytes(), bytesOf({line, A2, A3, B1, B2}));
    else
        QCOMPARE(app.historyBytes(), bytesOf({A1, line, A2, A3, B1, B2}));
    QCOMPARE(strayFiles(app), QStringList());
    QVERIFY(backInMainWindow(w));
}

void tst_NewEditFailures::failedRebuildKeepsTheHistoryAndTheDialog_data()
{
    QTest::addColumn<int>("step");
    QTest::newRow("open") << int(Step::Open);
    QTest::newRow("write") << int(Step::Write);
    QTest::newRow("flush") << int(Step::Flush);
    QTest::newRow("rename") << int(Step::Rename);
}

void tst_NewEditFailures::failedRebuildKeepsTheHistoryAndTheDialog()
{
    QFETCH(int, step);
    testing::AppFixture app;
    frmInvestData *w = startWithExample(app);
    QVERIFY(w);
    frmNewEditData *d = openForRecord(w, w->cmdEdit, 2);
    QVERIFY(d);
    typeInto(d->metCurrentAmount, QStringLiteral("121"));
    storage::faults::failAt(Step(step), 1);
    click(d->cmdDone);
    storage::faults::clear();
    EXPECT_ONE_BOX(app, QStringLiteral("Error Number:57\r\nDevice I/O error"), AppTitle, MsgIcon::None, MsgButtons::OK);
    QCOMPARE(app.historyBytes(), bytesOf(Example));
    QCOMPARE(strayFiles(app), QStringList());
    QCOMPARE(frmNewEditData::instance(), d);
    QCOMPARE(d->metCurrentAmount->plainText(), QStringLiteral("121"));

    // Done again: the history is split afresh and rebuilt with what was typed.
    click(d->cmdDone);
    EXPECT_NO_BOX(app);
    QVERIFY(!frmNewEditData::instance());
    QCOMPARE(app.historyBytes(), bytesOf({A1, historyLine(1, "2002-01-02", "100", "121", "1.5"), A3, B1, B2}));
    QCOMPARE(strayFiles(app), QStringList());
    QVERIFY(backInMainWindow(w));
}

void tst_NewEditFailures::failedAppendKeepsTheHistory()
{
    testing::AppFixture app;
    frmInvestData *w = startWithExample(app);
    QVERIFY(w);
    for (int step = 0; step < 4; ++step) {
        frmNewEditData *d = openAddNew(w);
        QVERIFY(d);
        fill(d, QStringLiteral("1/1/2010"), QStringLiteral("1"), QString(), QStringLiteral("2"));
        storage::faults::failAt(Step(step), 1);
        click(d->cmdDone);
        storage::faults::clear();
        EXPECT_ONE_BOX(app, QStringLiteral("Error Number:57\r\nDevice I/O error"), AppTitle, MsgIcon::None,
                       MsgButtons::OK);
        QCOMPARE(app.historyBytes(), bytesOf(Example));
        QCOMPARE(strayFiles(app), QStringList());
        QCOMPARE(frmNewEditData::instance(), d);
        click(d->cmdCancel);
        QVERIFY(backInMainWindow(w));
    }
}

void tst_NewEditFailures::failedSplitAtLoadGivesTheWindowBack()
{
    testing::AppFixture app;
    frmInvestData *w = startWithExample(app);
    QVERIFY(w);
    click(w->cmdEdit);
    storage::faults::failAt(Step::Open, 1);
    choose(w, 1);
    storage::faults::clear();
    EXPECT_ONE_BOX(app, QStringLiteral("Error Number:57\r\nDevice I/O error"), AppTitle, MsgIcon::None, MsgButtons::OK);
    QVERIFY(!frmNewEditData::instance());
    QVERIFY(backInMainWindow(w));
    QCOMPARE(app.historyBytes(), bytesOf(Example));
    QCOMPARE(strayFiles(app), QStringList());
    QVERIFY(!w->Record->isEnabled());
    QVERIFY(w->cmdEdit->isEnabled());
    // The grid is whole again.
    QCOMPARE(mwtest::shownRecordNumbers(w), mwtest::range(1, 3));
}

QTEST_MAIN(tst_NewEditFailures)
#include "tst_neweditfailures.moc"
