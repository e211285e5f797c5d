// The data grid of the main window: rows, figures, pages and links, the read-only
// focus handlers, and the failures of a pass.

#include "mainwindowtesting.h"

#include "storage/datafolder.h"
#include "storage/filetable.h"
#include "storage/historypass.h"

using namespace mwtest;
using platform::MsgButtons;
using platform::MsgIcon;

class tst_Grid : public QObject
{
    Q_OBJECT

private slots:
    void workedExamplesShowAsTheDisplayFormatRendersThem();
    void investmentWithoutRecordsShowsAnEmptyFirstPage();
    void twelveRecordsMakeOnePage();
    void thirteenRecordsMakeTwoPages();
    void thirtyRecordsPageForwardAndBack();
    void record13IsTheSameByNextAndByPrevious();
    void otherInvestmentsLinesAreSkipped();
    void dateCellSendsTheFocusToExit();
    void otherCellsShowTheNoEntryMessage_data();
    void otherCellsShowTheNoEntryMessage();
    void noEntryMessageWithEditDisabledLeavesTheFocusOnExit();
    void topBoxesSelectTheirTextAndSetTheCopySource();
    void damagedHistoryLineIsReportedAndTheProgramGoesOn();
    void ratesWithMoreDigitsGiveTheFiguresOfTheSharedPass();
};

void tst_Grid::workedExamplesShowAsTheDisplayFormatRendersThem()
{
    testing::AppFixture app;
    app.writeInvestments({{QStringLiteral("Mutual fund"), QStringLiteral("First Bank")},
                          {QStringLiteral("Savings account"), QStringLiteral("Credit Union")}});
    app.writeHistory({QStringLiteral("1,#2001-01-02#,10000,10000,0"), QStringLiteral("2,#2001-06-30#,5000,4800,3"),
                      QStringLiteral("1,#2002-01-02#,10000,10800,1.6"), QStringLiteral("2,#2002-06-30#,5000,5100,-0.5"),
                      QStringLiteral("1,#2003-01-02#,10000,10500,2.4"), QStringLiteral("2,#2003-06-30#,5000,0,2"),
                      QStringLiteral("1,#2004-01-02#,10000,11000,0"), QStringLiteral("2,#2004-06-30#,6000,6300,1.2")});
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);

    QCOMPARE(rowTexts(w, 0), (QStringList{"1", "1/2/2001", "$10,000.00", "$10,000.00", "$0.00", "$0.00", "0", "$0.00",
                                          "$0.00", "$0.00"}));
    QCOMPARE(rowTexts(w, 1), (QStringList{"2", "1/2/2002", "$10,000.00", "$10,800.00", "$800.00", "$800.00", "1.6",
                                          "$160.00", "$10,640.00", "$640.00"}));
    QCOMPARE(rowTexts(w, 2), (QStringList{"3", "1/2/2003", "$10,000.00", "$10,500.00", "($300.00)", "$500.00", "2.4",
                                          "$252.00", "$10,088.00", "$88.00"}));
    QCOMPARE(rowTexts(w, 3), (QStringList{"4", "1/2/2004", "$10,000.00", "$11,000.00", "$500.00", "$1,000.00", "0",
                                          "$252.00", "$10,088.00", "$88.00"}));
    QVERIFY(rowEmpty(w, 4));

    click(w->cmdNext);
    QCOMPARE(w->lblInvestRecNum->text(), QStringLiteral("2"));
    QCOMPARE(rowTexts(w, 0), (QStringList{"1", "6/30/2001", "$5,000.00", "$4,800.00", "($200.00)", "($200.00)", "3",
                                          "$144.00", "$4,656.00", "($344.00)"}));
    QCOMPARE(rowTexts(w, 1), (QStringList{"2", "6/30/2002", "$5,000.00", "$5,100.00", "$300.00", "$100.00", "-0.5",
                                          "($24.00)", "$4,980.00", "($20.00)"}));
    QCOMPARE(rowTexts(w, 2), (QStringList{"3", "6/30/2003", "$5,000.00", "$0.00", "$300.00", "$100.00", "2", "($24.00)",
                                          "$4,980.00", "($20.00)"}));
    QCOMPARE(rowTexts(w, 3), (QStringList{"4", "6/30/2004", "$6,000.00", "$6,300.00", "$1,200.00", "$300.00", "1.2",
                                          "$61.20", "$6,118.80", "$118.80"}));
    QVERIFY(app.boxes().calls().isEmpty());

    // The cells hold the plain amounts; only the display is formatted.
    auto *afi = qobject_cast<ui::MaskedEdit *>(cell(w, QStringLiteral("metCurAmntAFI"), 3));
    QVERIFY(afi);
    QCOMPARE(afi->plainText(), QStringLiteral("6118.8"));
    // The page file holds the shown investment's lines, as read.
    QCOMPARE(app.folder().readBytes(storage::PageFileName),
             QByteArray("2,#2001-06-30#,5000,4800,3\r\n2,#2002-06-30#,5000,5100,-0.5\r\n2,#2003-06-30#,5000,0,2\r\n"
                        "2,#2004-06-30#,6000,6300,1.2\r\n"));
}

void tst_Grid::investmentWithoutRecordsShowsAnEmptyFirstPage()
{
    testing::AppFixture app;
    app.writeInvestments(
        {{QStringLiteral("Bond"), QStringLiteral("Treasury")}, {QStringLiteral("Fund"), QStringLiteral("Broker")}});
    app.writeHistory(historyLines(2, 3));
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    for (int row = 0; row < frmInvestData::GridRows; ++row)
        QVERIFY(rowEmpty(w, row));
    QCOMPARE(w->lblPageNum->text(), QStringLiteral("1"));
    QVERIFY(w->lblNextPg->isHidden());
    QVERIFY(w->lblPreviousPg->isHidden());
    QVERIFY(!storage::isOpen(5));
}

void tst_Grid::twelveRecordsMakeOnePage()
{
    testing::AppFixture app;
    app.writeInvestments({{QStringLiteral("Fund"), QStringLiteral("Broker")}});
    app.writeHistory(historyLines(1, 12));
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    QCOMPARE(shownRecordNumbers(w), range(1, 12));
    QCOMPARE(w->lblPageNum->text(), QStringLiteral("1"));
    QVERIFY(w->lblNextPg->isHidden());
    QVERIFY(w->lblPreviousPg->isHidden());
    QVERIFY(!storage::isOpen(5));
    QCOMPARE(rowTexts(w, 11), expectedRow(historyLines(1, 12), 12));
}

void tst_Grid::thirteenRecordsMakeTwoPages()
{
    testing::AppFixture app;
    app.writeInvestments({{QStringLiteral("Fund"), QStringLiteral("Broker")}});
    const QStringList lines = historyLines(1, 13);
    app.writeHistory(lines);
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    QCOMPARE(shownRecordNumbers(w), range(1, 12));
    QCOMPARE(w->lblPageNum->text(), QStringLiteral("1"));
    QVERIFY(w->lblNextPg->isVisible());
    QVERIFY(w->lblPreviousPg->isHidden());
    QVERIFY(storage::isOpen(5)); // left open at the 13th record

    click(w->lblNextPg);
    QCOMPARE(shownRecordNumbers(w), range(13, 13));
    for (int row = 1; row < frmInvestData::GridRows; ++row)
        QVERIFY(rowEmpty(w, row));
    QCOMPARE(rowTexts(w, 0), expectedRow(lines, 13));
    QCOMPARE(w->lblPageNum->text(), QStringLiteral("2"));
    QVERIFY(w->lblPreviousPg->isVisible());
    QVERIFY(w->lblNextPg->isHidden());
    QVERIFY(!storage::isOpen(5));

    click(w->lblPreviousPg);
    QCOMPARE(shownRecordNumbers(w), range(1, 12));
    QCOMPARE(rowTexts(w, 0), expectedRow(lines, 1));
    QCOMPARE(w->lblPageNum->text(), QStringLiteral("1"));
    QVERIFY(w->lblPreviousPg->isHidden());
    QVERIFY(w->lblNextPg->isVisible());
    QVERIFY(app.boxes().calls().isEmpty());
}

void tst_Grid::thirtyRecordsPageForwardAndBack()
{
    testing::AppFixture app;
    app.writeInvestments({{QStringLiteral("Fund"), QStringLiteral("Broker")}});
    const QStringList lines = historyLines(1, 30);
    app.writeHistory(lines);
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    QCOMPARE(shownRecordNumbers(w), range(1, 12));

    click(w->lblNextPg);
    QCOMPARE(shownRecordNumbers(w), range(13, 24));
    QCOMPARE(w->lblPageNum->text(), QStringLiteral("2"));
    QVERIFY(w->lblPreviousPg->isVisible());
    QVERIFY(w->lblNextPg->isVisible());
    QVERIFY(storage::isOpen(5));

    click(w->lblNextPg);
    QCOMPARE(shownRecordNumbers(w), range(25, 30));
    QCOMPARE(w->lblPageNum->text(), QStringLiteral("3"));
    QVERIFY(w->lblPreviousPg->isVisible());
    QVERIFY(w->lblNextPg->isHidden());
    QCOMPARE(rowTexts(w, 5), expectedRow(lines, 30));
    QVERIFY(!storage::isOpen(5));

    click(w->lblPreviousPg);
    QCOMPARE(shownRecordNumbers(w), range(13, 24));
    QCOMPARE(w->lblPageNum->text(), QStringLiteral("2"));
    QVERIFY(w->lblPreviousPg->isVisible());
    QVERIFY(w->lblNextPg->isVisible());
    QCOMPARE(rowTexts(w, 11), expectedRow(lines, 24));

    click(w->lblPreviousPg);
    QCOMPARE(shownRecordNumbers(w), range(1, 12));
    QCOMPARE(w->lblPageNum->text(), QStringLiteral("1"));
    QVERIFY(w->lblPreviousPg->isHidden());
    QVERIFY(w->lblNextPg->isVisible());

    // Forward again from there continues the open page file.
    click(w->lblNextPg);
    QCOMPARE(shownRecordNumbers(w), range(13, 24));
    QCOMPARE(rowTexts(w, 0), expectedRow(lines, 13));
    QVERIFY(app.boxes().calls().isEmpty());
}

void tst_Grid::record13IsTheSameByNextAndByPrevious()
{
    testing::AppFixture app;
    app.writeInvestments({{QStringLiteral("Fund"), QStringLiteral("Broker")}});
    const QStringList lines = historyLines(1, 30);
    app.writeHistory(lines);
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);

    click(w->lblNextPg);
    const QStringList byNext = rowTexts(w, 0);
    QCOMPARE(byNext.first(), QStringLiteral("13"));

    click(w->lblNextPg);
    QCOMPARE(w->lblPageNum->text(), QStringLiteral("3"));
    click(w->lblPreviousPg);
    const QStringList byPrevious = rowTexts(w, 0);

    QCOMPARE(byPrevious, byNext);
    QCOMPARE(byNext, expectedRow(lines, 13));
}

void tst_Grid::otherInvestmentsLinesAreSkipped()
{
    testing::AppFixture app;
    app.writeInvestments(
        {{QStringLiteral("Fund"), QStringLiteral("Broker")}, {QStringLiteral("Bond"), QStringLiteral("Treasury")}});
    const QStringList mine = historyLines(1, 14);
    const QStringList other = historyLines(2, 14);
    QStringList interleaved;
    for (int k = 0; k < 14; ++k)
        interleaved << other.at(k) << mine.at(k);
    app.writeHistory(interleaved);
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    for (int k = 1; k <= 12; ++k)
        QCOMPARE(rowTexts(w, k - 1), expectedRow(mine, k));
    click(w->lblNextPg);
    QCOMPARE(rowTexts(w, 1), expectedRow(mine, 14));
}

void tst_Grid::dateCellSendsTheFocusToExit()
{
    testing::AppFixture app;
    app.writeInvestments({{QStringLiteral("Fund"), QStringLiteral("Broker")}});
    app.writeHistory(historyLines(1, 3));
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    QLineEdit *date = cell(w, QStringLiteral("txtDate"), 1);
    const QString before = date->text();
    QTest::mouseClick(date, Qt::LeftButton);
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w->cmdDone));
    QVERIFY(app.boxes().calls().isEmpty());
    QCOMPARE(date->text(), before);
}

void tst_Grid::otherCellsShowTheNoEntryMessage_data()
{
    QTest::addColumn<QString>("column");
    for (const QString &column : Columns)
        if (column != QLatin1String("txtDate"))
            QTest::newRow(qPrintable(column)) << column;
}

void tst_Grid::otherCellsShowTheNoEntryMessage()
{
    QFETCH(QString, column);
    testing::AppFixture app;
    app.writeInvestments({{QStringLiteral("Fund"), QStringLiteral("Broker")}});
    app.writeHistory(historyLines(1, 3));
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    QLineEdit *target = cell(w, column, 2);
    const QString before = target->text();
    QTest::mouseClick(target, Qt::LeftButton);
    QTRY_COMPARE(app.boxes().calls().size(), 1);
    const platform::MessageBoxCall call = app.boxes().lastCall();
    QCOMPARE(call.text,
             QStringLiteral("Sorry, you can't edit or create a new record from the data grid. If you want "
                            "to edit a record,\r\nclick on 'Edit' and choose the record you want to change "
                            "from the drop down box\r\nnext to it. If you want to create a new record, click "
                            "on 'Add New'."));
    QCOMPARE(call.icon, MsgIcon::Information);
    QCOMPARE(call.buttons, MsgButtons::OK);
    QVERIFY(call.title.isEmpty() || call.title == platform::AppTitle);
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w->cmdEdit));
    // Typing goes nowhere near the cell.
    QTest::keyClicks(target, QStringLiteral("99"));
    QCOMPARE(target->text(), before);
    QCOMPARE(app.boxes().calls().size(), 1);
}

void tst_Grid::noEntryMessageWithEditDisabledLeavesTheFocusOnExit()
{
    testing::AppFixture app; // no files: cmdEdit is disabled
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    QVERIFY(!w->cmdEdit->isEnabled());
    QTest::mouseClick(cell(w, QStringLiteral("metIncDec"), 0), Qt::LeftButton);
    QTRY_COMPARE(app.boxes().calls().size(), 1);
    QCOMPARE(app.boxes().lastCall().icon, MsgIcon::Information);
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w->cmdDone));
    QVERIFY(frmInvestData::instance());
    QVERIFY(!app.quitRequested());
}

void tst_Grid::topBoxesSelectTheirTextAndSetTheCopySource()
{
    testing::AppFixture app;
    app.writeInvestments({{QStringLiteral("Mutual fund"), QStringLiteral("First Bank")}});
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    QCOMPARE(w->txtInstitution->text(), QStringLiteral("First Bank").leftJustified(50));

    QTest::mouseClick(w->txtInstitution, Qt::LeftButton, Qt::NoModifier, QPoint(10, 5));
    QTRY_COMPARE(w->txtInstitution->selectedText(), QStringLiteral("First Bank").leftJustified(50));
    QCOMPARE(int(modPlMainMod::intCopySource), 2);

    QTest::mouseClick(w->txtInvestment, Qt::LeftButton, Qt::NoModifier, QPoint(10, 5));
    QTRY_COMPARE(w->txtInvestment->selectedText(), QStringLiteral("Mutual fund").leftJustified(50));
    QCOMPARE(int(modPlMainMod::intCopySource), 1);
    QTest::keyClicks(w->txtInvestment, QStringLiteral("x"));
    QCOMPARE(w->txtInvestment->text(), QStringLiteral("Mutual fund").leftJustified(50));
    QVERIFY(app.boxes().calls().isEmpty());
}

void tst_Grid::damagedHistoryLineIsReportedAndTheProgramGoesOn()
{
    testing::AppFixture app;
    app.writeInvestments(
        {{QStringLiteral("Fund"), QStringLiteral("Broker")}, {QStringLiteral("Bond"), QStringLiteral("Treasury")}});
    QStringList lines = historyLines(1, 5);
    lines.insert(3, QStringLiteral("1,#2003-01-15#,ten thousand,10800,1.6"));
    app.writeHistory(lines);
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    QCOMPARE(app.boxes().calls().size(), 1);
    const platform::MessageBoxCall call = app.boxes().lastCall();
    QCOMPARE(call.text, QStringLiteral("Error Number:13\r\nType mismatch"));
    QCOMPARE(call.icon, MsgIcon::None);
    QCOMPARE(call.buttons, MsgButtons::OK);
    QVERIFY(!storage::isOpen(2));
    QVERIFY(!storage::isOpen(5));
    QVERIFY(frmInvestData::instance());
    QVERIFY(!app.quitRequested());

    // Mended, the next pass works.
    lines.removeAt(3);
    app.writeHistory(lines);
    click(w->cmdNext);
    click(w->cmdPrevious);
    QCOMPARE(app.boxes().calls().size(), 1);
    QCOMPARE(shownRecordNumbers(w), range(1, 5));
    QCOMPARE(rowTexts(w, 4), expectedRow(historyLines(1, 5), 5));
}

void tst_Grid::ratesWithMoreDigitsGiveTheFiguresOfTheSharedPass()
{
    // Export, chart and report run the shared pass: every figure it gives must be the grid's.
    testing::AppFixture app;
    app.writeInvestments({{QStringLiteral("Bond"), QStringLiteral("Bank")}});
    const QStringList lines{QStringLiteral("1,#1999-01-15#,100000000,100000000,0"),
                            QStringLiteral("1,#2000-01-15#,100000000,100000000,1.2345678"),
                            QStringLiteral("1,#2001-01-15#,100000000,100500000,0.33333333"),
                            QStringLiteral("1,#2002-01-15#,100000000,0,2"),
                            QStringLiteral("1,#2003-01-15#,100000000,100700000,0")};
    app.writeHistory(lines);
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    int row = 0;
    storage::forEachRecord(storage::programFile(storage::HistFileName), 1, [&](const RecordFigures &f) {
        const auto money = [](Currency amount) {
            return platform::LocaleServices::displayFormat(amount.toPlainString());
        };
        QCOMPARE(rowTexts(w, row),
                 (QStringList{QString::number(f.record), rowTexts(w, row).at(1), money(f.originalAmount),
                              money(f.currentAmount), money(f.incDec), money(f.profitLoss), singleToText(f.rate),
                              money(f.lossToInfl), money(f.currentAmountAFI), money(f.profitLossAFI)}));
        ++row;
    });
    QCOMPARE(row, lines.size());
    QCOMPARE(rowTexts(w, 1).at(7), QStringLiteral("$1,234,568.00"));
}

QTEST_MAIN(tst_Grid)
#include "tst_grid.moc"
