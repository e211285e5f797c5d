// The main window's record commands: the investment group (new, edit, delete with
// its rewrite of both files) and the data record group with the choice from the
// Record list, its refusals and the deletion of a data record.

#include "editingtesting.h"

#include "storage/rewrites.h"

using namespace edtest;
using namespace modPlMainMod;
using storage::faults::Step;

namespace {

const QString DeleteInvestText = QStringLiteral("Are you sure you want to Delete this record?\r\n"
                                                "If you delete it, all the corresponding records\r\n"
                                                "In it's data file will be\r\n"
                                                "deleted too.");
const QString DeleteRecordText = QStringLiteral("Are you sure you want to delete this data record?");
const QString NoRecordsText =
    QStringLiteral("There are no data records under this investment to perform operations on.\r\n"
                   "If you want to create a data record, click on the 'Add New' button under the data grid.");
const QString LastRecordText = QStringLiteral("You cannot insert a new record after the last one.\r\n"
                                              "Click on 'Add New' to add a new record to the end of the file.");

QList<QPair<QString, QString>> investments(int count)
{
    QList<QPair<QString, QString>> list;
    for (int n = 1; n <= count; ++n)
        list.append({QStringLiteral("Type %1").arg(n), QStringLiteral("Institution %1").arg(n)});
    return list;
}

QByteArray record(int n, int shownAs)
{
    return testing::investRecordBytes(shownAs, QStringLiteral("Type %1").arg(n),
                                      QStringLiteral("Institution %1").arg(n));
}

// Three rounds of lines of investments 5 down to 1, interleaved.
QStringList fiveInvestmentHistory(int deleted = 0)
{
    QStringList lines;
    for (int round = 0; round < 3; ++round) {
        for (int n = 5; n >= 1; --n) {
            if (n == deleted)
                continue;
            const QString amount = QString::number(1000 * n + round);
            lines << QStringLiteral("%1,#%2-0%3-01#,%4,%4,1.1")
                         .arg(deleted && n > deleted ? n - 1 : n)
                         .arg(2000 + round)
                         .arg(n)
                         .arg(amount);
        }
    }
    return lines;
}

void choose(frmInvestData *w, int number)
{
    QVERIFY(w->Record->isEnabled());
    QVERIFY(number >= 1 && number <= w->Record->count());
    w->Record->setCurrentIndex(number - 1);
    emit w->Record->activated(number - 1);
    QCoreApplication::processEvents();
}

QStringList listItems(QComboBox *list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->itemText(i);
    return items;
}

void checkIdle(frmInvestData *w)
{
    QVERIFY(w->cmdEdit->isEnabled());
    QVERIFY(w->cmdInsertNew->isEnabled());
    QVERIFY(w->cmdDelete->isEnabled());
    QVERIFY(!w->Record->isEnabled());
    QCOMPARE(w->Record->count(), 0);
    QCOMPARE(int(intSelRecNum), 0);
}

void goTo(frmInvestData *w, int number)
{
    click(w->cmdFirst);
    while (int(intInvestRecNum) < number && w->cmdNext->isEnabled())
        click(w->cmdNext);
    QCOMPARE(w->lblInvestRecNum->text(), QString::number(number));
}

} // namespace

class tst_RecordCommands : public QObject
{
    Q_OBJECT

private slots:
    void addNewInvestmentSetsTheNextNumber();
    void commandsOnAnInvestmentWithoutRecords_data();
    void commandsOnAnInvestmentWithoutRecords();
    void choosingOffersEveryRecordOfTheInvestment_data();
    void choosingOffersEveryRecordOfTheInvestment();
    void choosingWithTheKeyboard();
    void insertAfterTheLastIsRefused();
    void insertAfterTheLastRecordShownIsAllowedWhenMoreFollow();
    void deleteRecordAnsweredNoChangesNothing();
    void deleteRecordThreeOfFive();
    void deleteRecordOfTheWorkedExample();
    void deleteTheOnlyRecordOfAnInvestment();
    void failedRecordDeleteKeepsTheHistory_data();
    void failedRecordDeleteKeepsTheHistory();
    void deleteInvestmentThreeOfFive();
    void deleteInvestmentAnsweredNo();
    void deleteInvestmentOne();
    void deleteTwoInvestmentsInARow();
    void deleteTheOnlyInvestmentLeavesTheEmptyState();
    void deleteThroughTheToolbar();
    void quotedTextsSurviveTheDelete();
    void failedInvestmentDeleteChangesNothing_data();
    void failedInvestmentDeleteChangesNothing();
};

void tst_RecordCommands::addNewInvestmentSetsTheNextNumber()
{
    testing::AppFixture app;
    app.writeInvestments(investments(4));
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    click(w->cmdAddNewRec);
    QCOMPARE(int(intInvestRecCount), 4);
    QCOMPARE(int(intInvestRecNum), 5);
    QCOMPARE(strOperation, QStringLiteral("ADDNEWREC"));
    QVERIFY(!w->isEnabled());
    auto *d = openedDialog<frmInvestEntry>();
    QVERIFY(d);
    QCOMPARE(d->lblRecNumber->text(), QStringLiteral("5"));
}

void tst_RecordCommands::commandsOnAnInvestmentWithoutRecords_data()
{
    QTest::addColumn<QString>("command");
    QTest::newRow("edit") << "cmdEdit";
    QTest::newRow("insert") << "cmdInsertNew";
    QTest::newRow("delete") << "cmdDelete";
}

void tst_RecordCommands::commandsOnAnInvestmentWithoutRecords()
{
    QFETCH(QString, command);
    testing::AppFixture app;
    app.writeInvestments(investments(2));
    app.writeHistory(mwtest::historyLines(2, 3));
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    strOperation = QStringLiteral("ADDNEW");
    click(w->findChild<QPushButton *>(command));
    EXPECT_ONE_BOX(app, NoRecordsText, QStringLiteral("No Data Records"), MsgIcon::Exclamation, MsgButtons::OK);
    // Nothing else changes.
    QCOMPARE(strOperation, QStringLiteral("ADDNEW"));
    checkIdle(w);
    QVERIFY(w->isEnabled());
    QCOMPARE(app.historyBytes(), bytesOf(mwtest::historyLines(2, 3)));
}

void tst_RecordCommands::choosingOffersEveryRecordOfTheInvestment_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("mode");
    QTest::newRow("edit") << "cmdEdit"
                          << "EDIT";
    QTest::newRow("insert") << "cmdInsertNew"
                            << "INSERT";
    QTest::newRow("delete") << "cmdDelete"
                            << "DELETE";
}

void tst_RecordCommands::choosingOffersEveryRecordOfTheInvestment()
{
    QFETCH(QString, command);
    QFETCH(QString, mode);
    testing::AppFixture app;
    app.writeInvestments(investments(2));
    // 15 records of investment 1 between lines of investment 2: the page shows 12.
    QStringList lines;
    for (int k = 1; k <= 15; ++k)
        lines << mwtest::historyLine(1, k) << mwtest::historyLine(2, k);
    app.writeHistory(lines);
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    QCOMPARE(mwtest::shownRecordNumbers(w).size(), 12);
    click(w->findChild<QPushButton *>(command));
    EXPECT_NO_BOX(app);
    QCOMPARE(strOperation, mode);
    QCOMPARE(listItems(w->Record), mwtest::range(1, 15));
    QVERIFY(w->Record->isEnabled());
    QVERIFY(w->Record->hasFocus());
    QCOMPARE(w->Record->currentIndex(), -1);
    QVERIFY(!w->cmdEdit->isEnabled());
    QVERIFY(!w->cmdInsertNew->isEnabled());
    QVERIFY(!w->cmdDelete->isEnabled());
    QVERIFY(w->cmdAddNew->isEnabled());
    QCOMPARE(int(intSelRecNum), 0);
    QCOMPARE(app.historyBytes(), bytesOf(lines));

    // A record past the page shown can be edited at once.
    if (mode == QLatin1String("EDIT")) {
        choose(w, 14);
        auto *d = openedDialog<frmNewEditData>();
        QVERIFY(d);
        QCOMPARE(int(intSelRecNum), 14);
        QCOMPARE(d->txtDate->text(), QStringLiteral("2/15/2001"));
        typeInto(d->metCurrentAmount, QStringLiteral("1"));
        click(d->cmdDone);
        QVERIFY(backInMainWindow(w));
        QStringList expected;
        for (int k = 1; k <= 15; ++k)
            expected << (k == 14 ? mwtest::historyLine(1, k).section(QLatin1Char(','), 0, 2) + QStringLiteral(",1,") +
                                       mwtest::historyLine(1, k).section(QLatin1Char(','), 4)
                                 : mwtest::historyLine(1, k));
        for (int k = 1; k <= 15; ++k)
            expected << canonical(mwtest::historyLine(2, k));
        QCOMPARE(app.historyBytes(), bytesOf(expected));
        checkIdle(w);
    }
    EXPECT_NO_BOX(app);
}

void tst_RecordCommands::insertAfterTheLastIsRefused()
{
    testing::AppFixture app;
    app.writeInvestments(investments(1));
    app.writeHistory(mwtest::historyLines(1, 3));
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    click(w->cmdInsertNew);
    choose(w, 3);
    EXPECT_ONE_BOX(app, LastRecordText, QStringLiteral("New Record"), MsgIcon::Exclamation, MsgButtons::OK);
    QVERIFY(!frmNewEditData::instance());
    QVERIFY(w->isEnabled());
    checkIdle(w);
    QCOMPARE(app.historyBytes(), bytesOf(mwtest::historyLines(1, 3)));
    QCOMPARE(strayFiles(app), QStringList());
}

void tst_RecordCommands::insertAfterTheLastRecordShownIsAllowedWhenMoreFollow()
{
    testing::AppFixture app;
    app.writeInvestments(investments(1));
    const QStringList lines = mwtest::historyLines(1, 13);
    app.writeHistory(lines);
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    click(w->cmdInsertNew);
    choose(w, 12);
    EXPECT_NO_BOX(app);
    auto *d = openedDialog<frmNewEditData>();
    QVERIFY(d);
    typeInto(d->txtDate, QStringLiteral("1/1/2030"));
    typeInto(d->metOriginalAmount, QStringLiteral("5"));
    typeInto(d->metCurrentAmount, QStringLiteral("6"));
    click(d->cmdDone);
    EXPECT_NO_BOX(app);
    QStringList expected = lines;
    expected.insert(12, QStringLiteral("1,#2030-01-01#,5,6,0"));
    QCOMPARE(app.historyBytes(), bytesOf(expected));
    QVERIFY(backInMainWindow(w));
}

void tst_RecordCommands::choosingWithTheKeyboard()
{
    testing::AppFixture app;
    app.writeInvestments(investments(1));
    app.writeHistory(mwtest::historyLines(1, 3));
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    click(w->cmdEdit);
    QVERIFY(w->Record->hasFocus());
    // The first arrow key down picks record 1.
    QTest::keyClick(w->Record, Qt::Key_Down);
    QCoreApplication::processEvents();
    QCOMPARE(int(intSelRecNum), 1);
    auto *d = openedDialog<frmNewEditData>();
    QVERIFY(d);
    QCOMPARE(d->txtDate->text(), QStringLiteral("1/15/2000"));
    click(d->cmdCancel);
    QVERIFY(backInMainWindow(w));
    QVERIFY(!w->Record->isEnabled() && w->Record->count() == 0);
    QVERIFY(w->cmdEdit->isEnabled());
    QCOMPARE(app.historyBytes(), bytesOf(mwtest::historyLines(1, 3)));
    EXPECT_NO_BOX(app);
}

void tst_RecordCommands::deleteRecordAnsweredNoChangesNothing()
{
    testing::AppFixture app;
    app.writeInvestments(investments(1));
    app.writeHistory(mwtest::historyLines(1, 5));
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    click(w->cmdDelete);
    app.boxes().enqueue(MsgResult::No);
    choose(w, 3);
    EXPECT_ONE_BOX(app, DeleteRecordText, AppTitle, MsgIcon::Question, MsgButtons::YesNo);
    QCOMPARE(app.historyBytes(), bytesOf(mwtest::historyLines(1, 5)));
    checkIdle(w);
    QCOMPARE(mwtest::shownRecordNumbers(w), mwtest::range(1, 5));
    QCOMPARE(strayFiles(app), QStringList());
    QVERIFY(!app.boxes().unexpectedQuestion());
}

void tst_RecordCommands::deleteRecordThreeOfFive()
{
    testing::AppFixture app;
    app.writeInvestments(investments(2));
    QStringList lines = mwtest::historyLines(1, 5);
    lines.insert(2, mwtest::historyLine(2, 1));
    app.writeHistory(lines);
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    click(w->cmdDelete);
    QCOMPARE(strOperation, QStringLiteral("DELETE"));
    app.boxes().enqueue(MsgResult::Yes);
    choose(w, 3);
    EXPECT_ONE_BOX(app, DeleteRecordText, AppTitle, MsgIcon::Question, MsgButtons::YesNo);
    QStringList expected = mwtest::historyLines(1, 5);
    expected.removeAt(2);
    expected << mwtest::historyLine(2, 1);
    QCOMPARE(app.historyBytes(), bytesOf(expected));
    // Four records numbered 1 to 4 on page 1, the old 4 and 5 now 3 and 4.
    QCOMPARE(mwtest::shownRecordNumbers(w), mwtest::range(1, 4));
    QCOMPARE(w->lblPageNum->text(), QStringLiteral("1"));
    QCOMPARE(mwtest::cellText(w, QStringLiteral("txtDate"), 2), QStringLiteral("4/15/2000"));
    checkIdle(w);
    QCOMPARE(strOperation, QStringLiteral("DELETE"));
    QCOMPARE(strayFiles(app), QStringList());
}

void tst_RecordCommands::deleteRecordOfTheWorkedExample()
{
    testing::AppFixture app;
    app.writeInvestments(investments(2));
    const QString A1 = historyLine(1, "2001-01-02", "100", "110", "1");
    const QString B1 = historyLine(2, "2001-02-03", "200", "210", "0");
    const QString A2 = historyLine(1, "2002-01-02", "100", "120", "1.5");
    const QString B2 = historyLine(2, "2002-02-03", "200", "220", "2");
    const QString A3 = historyLine(1, "2003-01-02", "100", "130", "2.5");
    app.writeHistory({A1, B1, A2, B2, A3});
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    click(w->cmdDelete);
    app.boxes().enqueue(MsgResult::Yes);
    choose(w, 2);
    QCOMPARE(app.historyBytes(), bytesOf({A1, A3, B1, B2}));
    QCOMPARE(mwtest::shownRecordNumbers(w), mwtest::range(1, 2));
    QCOMPARE(app.boxes().takeCalls().size(), 1);
}

void tst_RecordCommands::deleteTheOnlyRecordOfAnInvestment()
{
    testing::AppFixture app;
    app.writeInvestments(investments(2));
    const QStringList others = mwtest::historyLines(2, 3);
    app.writeHistory({others[0], mwtest::historyLine(1, 1), others[1], others[2]});
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    click(w->cmdDelete);
    app.boxes().enqueue(MsgResult::Yes);
    choose(w, 1);
    EXPECT_ONE_BOX(app, DeleteRecordText, AppTitle, MsgIcon::Question, MsgButtons::YesNo);
    QCOMPARE(app.historyBytes(), bytesOf(canonical(others)));
    QVERIFY(mwtest::rowEmpty(w, 0));
    QCOMPARE(w->lblPageNum->text(), QStringLiteral("1"));
    checkIdle(w);

    // The investment has no data records now.
    click(w->cmdEdit);
    EXPECT_ONE_BOX(app, NoRecordsText, QStringLiteral("No Data Records"), MsgIcon::Exclamation, MsgButtons::OK);
}

void tst_RecordCommands::failedRecordDeleteKeepsTheHistory_data()
{
    QTest::addColumn<int>("step");
    QTest::newRow("open") << int(Step::Open);
    QTest::newRow("write") << int(Step::Write);
    QTest::newRow("flush") << int(Step::Flush);
    QTest::newRow("rename") << int(Step::Rename);
}

void tst_RecordCommands::failedRecordDeleteKeepsTheHistory()
{
    QFETCH(int, step);
    const QStringList lines = mwtest::historyLines(1, 14);
    int failures = 0, rewriteFailures = 0;
    for (int nth = 1; nth < 20; ++nth) {
        testing::AppFixture app;
        app.writeInvestments(investments(1));
        app.writeHistory(lines);
        frmInvestData *w = app.startMainWindow();
        QVERIFY(w);
        click(w->cmdDelete);
        app.boxes().enqueue(MsgResult::Yes);
        storage::faults::failAt(Step(step), nth);
        choose(w, 2);
        storage::faults::clear();
        const QList<MessageBoxCall> shown = app.boxes().takeCalls();
        QVERIFY(!shown.isEmpty());
        QCOMPARE(shown.first().text, DeleteRecordText);
        if (shown.size() == 1) {
            // Past the last time the step runs: the delete went through.
            QStringList expected = lines;
            expected.removeAt(1);
            QCOMPARE(app.historyBytes(), bytesOf(expected));
            break;
        }
        ++failures;
        QVERIFY2(shown.size() == 2, qPrintable(QString::number(nth)));
        QCOMPARE(shown.at(1).text, QStringLiteral("Error Number:57\r\nDevice I/O error"));
        QCOMPARE(shown.at(1).icon, MsgIcon::None);
        QStringList after = lines;
        after.removeAt(1);
        if (app.historyBytes() == bytesOf(after))
            continue; // the rewrite was through; the grid's pass after it failed
        ++rewriteFailures;
        QCOMPARE(app.historyBytes(), bytesOf(lines));
        QCOMPARE(strayFiles(app), QStringList());
        checkIdle(w);
        // The grid is shown whole again, from page 1.
        QCOMPARE(mwtest::shownRecordNumbers(w), mwtest::range(1, 12));
        QVERIFY(w->lblNextPg->isVisible());
    }
    QVERIFY(failures > 0);
    QVERIFY(rewriteFailures > 0);
}

void tst_RecordCommands::deleteInvestmentThreeOfFive()
{
    testing::AppFixture app;
    app.writeInvestments(investments(5));
    app.writeHistory(fiveInvestmentHistory());
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    goTo(w, 3);
    strOperation = QStringLiteral("EDIT");
    app.boxes().enqueue(MsgResult::Yes);
    click(w->cmdDeleteRec);
    EXPECT_ONE_BOX(app, DeleteInvestText, AppTitle, MsgIcon::Question, MsgButtons::YesNo);
    QCOMPARE(app.investBytes(), record(1, 1) + record(2, 2) + record(4, 3) + record(5, 4));
    QCOMPARE(app.historyBytes(), bytesOf(fiveInvestmentHistory(3)));
    QCOMPARE(int(intDelInvestNum), 3);
    // The delete does not set the operation word.
    QCOMPARE(strOperation, QStringLiteral("EDIT"));
    // Investment 2 is shown with its own records.
    QCOMPARE(w->lblInvestRecNum->text(), QStringLiteral("2"));
    QCOMPARE(w->txtInvestment->text(), QStringLiteral("Type 2").leftJustified(50));
    QCOMPARE(mwtest::shownRecordNumbers(w), mwtest::range(1, 3));
    QCOMPARE(mwtest::cellText(w, QStringLiteral("metOriginalAmount"), 0), QStringLiteral("$2,000.00"));
    QVERIFY(w->cmdFirst->isEnabled() && w->cmdPrevious->isEnabled());
    QVERIFY(w->cmdNext->isEnabled() && w->cmdLast->isEnabled());
    QCOMPARE(strayFiles(app), QStringList());
    QVERIFY(storage::isOpen(1));

    // The navigation goes on over the new file.
    click(w->cmdLast);
    QCOMPARE(w->lblInvestRecNum->text(), QStringLiteral("4"));
    QCOMPARE(w->txtInvestment->text(), QStringLiteral("Type 5").leftJustified(50));
    QCOMPARE(mwtest::cellText(w, QStringLiteral("metOriginalAmount"), 0), QStringLiteral("$5,000.00"));
}

void tst_RecordCommands::deleteInvestmentAnsweredNo()
{
    testing::AppFixture app;
    app.writeInvestments(investments(3));
    app.writeHistory(mwtest::historyLines(2, 4));
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    goTo(w, 2);
    const QByteArray invest = app.investBytes();
    const QByteArray history = app.historyBytes();
    app.boxes().enqueue(MsgResult::No);
    click(w->cmdDeleteRec);
    EXPECT_ONE_BOX(app, DeleteInvestText, AppTitle, MsgIcon::Question, MsgButtons::YesNo);
    QCOMPARE(app.investBytes(), invest);
    QCOMPARE(app.historyBytes(), history);
    QCOMPARE(w->lblInvestRecNum->text(), QStringLiteral("2"));
    QCOMPARE(mwtest::shownRecordNumbers(w), mwtest::range(1, 4));
    QCOMPARE(strayFiles(app), QStringList());
}

void tst_RecordCommands::deleteInvestmentOne()
{
    testing::AppFixture app;
    app.writeInvestments(investments(3));
    app.writeHistory({mwtest::historyLine(1, 1), mwtest::historyLine(2, 1), mwtest::historyLine(3, 1)});
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    app.boxes().enqueue(MsgResult::Yes);
    click(w->cmdDeleteRec);
    QCOMPARE(app.investBytes(), record(2, 1) + record(3, 2));
    QCOMPARE(app.historyBytes(), bytesOf({mwtest::historyLine(2, 1).replace(0, 1, QStringLiteral("1")),
                                          mwtest::historyLine(3, 1).replace(0, 1, QStringLiteral("2"))}));
    // Investment 1, the former 2, is shown; First and Previous are disabled.
    QCOMPARE(w->lblInvestRecNum->text(), QStringLiteral("1"));
    QCOMPARE(w->txtInvestment->text(), QStringLiteral("Type 2").leftJustified(50));
    QVERIFY(!w->cmdFirst->isEnabled());
    QVERIFY(!w->cmdPrevious->isEnabled());
    QVERIFY(w->cmdNext->isEnabled());
    QCOMPARE(mwtest::shownRecordNumbers(w), mwtest::range(1, 1));
}

void tst_RecordCommands::deleteTwoInvestmentsInARow()
{
    testing::AppFixture app;
    app.writeInvestments(investments(4));
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    goTo(w, 4);
    app.boxes().enqueue(MsgResult::Yes);
    click(w->cmdDeleteRec);
    QCOMPARE(w->lblInvestRecNum->text(), QStringLiteral("3"));
    // The last one now: Next and Last have nothing to go to.
    QVERIFY(!w->cmdNext->isEnabled() && !w->cmdLast->isEnabled());
    app.boxes().enqueue(MsgResult::Yes);
    click(w->cmdDeleteRec);
    QCOMPARE(app.investBytes(), record(1, 1) + record(2, 2));
    QCOMPARE(w->lblInvestRecNum->text(), QStringLiteral("2"));
    QVERIFY(!app.folder().exists(storage::HistFileName));
    QCOMPARE(app.boxes().takeCalls().size(), 2);
}

void tst_RecordCommands::deleteTheOnlyInvestmentLeavesTheEmptyState()
{
    testing::AppFixture app;
    app.writeInvestments(investments(1));
    app.writeHistory(mwtest::historyLines(1, 2));
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    app.boxes().enqueue(MsgResult::Yes);
    click(w->cmdDeleteRec);
    EXPECT_ONE_BOX(app, DeleteInvestText, AppTitle, MsgIcon::Question, MsgButtons::YesNo);
    QCOMPARE(app.investBytes(), QByteArray());
    QCOMPARE(app.historyBytes(), QByteArray());
    // As at a first run: nothing shown, only a new investment possible.
    QCOMPARE(int(intInvestRecNum), 0);
    QVERIFY(w->lblInvestRecNum->text().isEmpty());
    QVERIFY(w->txtInvestment->text().isEmpty());
    QVERIFY(w->txtInstitution->text().isEmpty());
    for (QPushButton *b : {w->cmdFirst, w->cmdPrevious, w->cmdNext, w->cmdLast, w->cmdEditRec, w->cmdDeleteRec,
                           w->cmdAddNew, w->cmdInsertNew, w->cmdDelete, w->cmdEdit, w->cmdPrint})
        QVERIFY2(!b->isEnabled(), qPrintable(b->objectName()));
    QVERIFY(w->cmdAddNewRec->isEnabled());
    QVERIFY(w->cmdDone->isEnabled());
    QVERIFY(mwtest::rowEmpty(w, 0));
    QCOMPARE(strayFiles(app), QStringList());

    // The toolbar's Delete has nothing to delete now.
    click(toolButton(w, QStringLiteral("Delete")));
    EXPECT_NO_BOX(app);

    // A new investment starts the file again.
    click(w->cmdAddNewRec);
    auto *d = openedDialog<frmInvestEntry>();
    QVERIFY(d);
    QCOMPARE(int(intInvestRecNum), 1);
    typeInto(d->txtInvestment, QStringLiteral("Fresh"));
    click(d->cmdDone);
    QVERIFY(backInMainWindow(w));
    QCOMPARE(app.investBytes(), testing::investRecordBytes(1, QStringLiteral("Fresh"), QString()));
    QCOMPARE(w->lblInvestRecNum->text(), QStringLiteral("1"));
    QVERIFY(w->cmdAddNew->isEnabled());
    EXPECT_NO_BOX(app);
}

void tst_RecordCommands::deleteThroughTheToolbar()
{
    testing::AppFixture app;
    app.writeInvestments(investments(2));
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    app.boxes().enqueue(MsgResult::Yes);
    click(toolButton(w, QStringLiteral("Delete")));
    EXPECT_ONE_BOX(app, DeleteInvestText, AppTitle, MsgIcon::Question, MsgButtons::YesNo);
    QCOMPARE(app.investBytes(), record(2, 1));
}

void tst_RecordCommands::quotedTextsSurviveTheDelete()
{
    testing::AppFixture app;
    const QString type = QStringLiteral("He said \"hi\", ok");
    const QString institution = QStringLiteral("\",\"Quoted\" Bank");
    app.writeInvestments({{QStringLiteral("First"), QStringLiteral("Bank")},
                          {type, institution},
                          {QString(50, QLatin1Char('"')), QStringLiteral("x\"")}});
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    app.boxes().enqueue(MsgResult::Yes);
    click(w->cmdDeleteRec);
    QCOMPARE(app.investBytes(),
             testing::investRecordBytes(1, type, institution) +
                 testing::investRecordBytes(2, QString(50, QLatin1Char('"')), QStringLiteral("x\"")));
    QCOMPARE(w->txtInvestment->text(), type.leftJustified(50));
    QCOMPARE(w->txtInstitution->text(), institution.leftJustified(50));
    QCOMPARE(app.boxes().takeCalls().size(), 1);
}

void tst_RecordCommands::failedInvestmentDeleteChangesNothing_data()
{
    QTest::addColumn<int>("step");
    QTest::newRow("open") << int(Step::Open);
    QTest::newRow("write") << int(Step::Write);
    QTest::newRow("flush") << int(Step::Flush);
    QTest::newRow("rename") << int(Step::Rename);
}

void tst_RecordCommands::failedInvestmentDeleteChangesNothing()
{
    QFETCH(int, step);
    int failures = 0, rewriteFailures = 0;
    for (int nth = 1; nth < 40; ++nth) {
        testing::AppFixture app;
        app.writeInvestments(investments(5));
        app.writeHistory(fiveInvestmentHistory());
        frmInvestData *w = app.startMainWindow();
        QVERIFY(w);
        goTo(w, 3);
        const QByteArray invest = app.investBytes();
        const QByteArray history = app.historyBytes();
        app.boxes().enqueue(MsgResult::Yes);
        storage::faults::failAt(Step(step), nth);
        click(w->cmdDeleteRec);
        storage::faults::clear();
        const QList<MessageBoxCall> shown = app.boxes().takeCalls();
        QVERIFY(!shown.isEmpty());
        QCOMPARE(shown.first().text, DeleteInvestText);
        if (shown.size() == 1) {
            // Past the last time the step runs: the delete went through.
            QCOMPARE(app.investBytes(), record(1, 1) + record(2, 2) + record(4, 3) + record(5, 4));
            QCOMPARE(app.historyBytes(), bytesOf(fiveInvestmentHistory(3)));
            QCOMPARE(w->lblInvestRecNum->text(), QStringLiteral("2"));
            break;
        }
        ++failures;
        QVERIFY2(shown.size() == 2, qPrintable(QString::number(nth)));
        QCOMPARE(shown.at(1).text, QStringLiteral("Error Number:57\r\nDevice I/O error"));
        if (app.investBytes() == record(1, 1) + record(2, 2) + record(4, 3) + record(5, 4)) {
            // Both files were through; the grid's pass after them failed.
            QCOMPARE(app.historyBytes(), bytesOf(fiveInvestmentHistory(3)));
            QCOMPARE(w->lblInvestRecNum->text(), QStringLiteral("2"));
            continue;
        }
        ++rewriteFailures;
        // Both files as they were, readable, and the same investment shown.
        QCOMPARE(app.investBytes(), invest);
        QCOMPARE(app.historyBytes(), history);
        QCOMPARE(strayFiles(app), QStringList());
        QVERIFY(storage::isOpen(1));
        QCOMPARE(storage::lof(1), invest.size());
        QCOMPARE(w->lblInvestRecNum->text(), QStringLiteral("3"));
        QCOMPARE(w->txtInvestment->text(), QStringLiteral("Type 3").leftJustified(50));
        click(w->cmdNext);
        QCOMPARE(w->txtInvestment->text(), QStringLiteral("Type 4").leftJustified(50));
    }
    QVERIFY(failures > 0);
    QVERIFY(rewriteFailures > 0);
}

QTEST_MAIN(tst_RecordCommands)
#include "tst_recordcommands.moc"
