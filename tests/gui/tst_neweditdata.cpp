// The data record dialog in its three modes, opened through the main window's data
// record commands: layout, the checks of Done in their order, the focus handlers,
// the values stored, Cancel, the frame's close button, the edit commands and
// failures that must leave the history whole.

#include "neweditdatatesting.h"

#include "storage/rewrites.h"

using namespace nedtest;
using namespace modPlMainMod;
using storage::faults::Step;

class tst_NewEditData : public QObject
{
    Q_OBJECT

private slots:
    void init() { platform::LocaleServices::setToday(QDate(2026, 12, 7)); }
    void cleanup() { platform::LocaleServices::setToday(QDate()); }

    void layoutOfTheDialog();
    void captionsAndTopRowByMode();
    void addNewAppendsOneLine();
    void firstRecordEverCreatesTheHistory();
    void emptyDateTakesTodayAndEmptyRateStoresZero();
    void amountsShowFormattedAndStoreAsTyped();
    void doneChecksInTheirOrder();
    void clickingDoneWithAWrongEntryShowsOneMessage();
    void enterInAWrongBoxShowsTheSameMessage();
    void leavingTheBoxes();
    void tabOrder();
    void editShowsTheRecordAndRewritesTheHistory();
    void insertPutsTheNewRecordAfterTheChosenOne();
    void cancellingAnEditLeavesTheHistory();
    void cancelInAddNewTouchesNoFile();
    void closingByTheFrameActsAsCancel();
    void cutCopyPaste();
};

void tst_NewEditData::layoutOfTheDialog()
{
    testing::AppFixture app;
    frmInvestData *w = startWithExample(app);
    QVERIFY(w);
    frmNewEditData *d = openAddNew(w);
    QVERIFY(d);
    QVERIFY(!w->isEnabled());
    QCOMPARE(d->centralWidget()->size(), ui::twipsSize(8025, 3195));
    QCOMPARE(d->minimumSize(), d->maximumSize());
    QCOMPARE(d->tbToolBar->geometry(), ui::twipsRect(0, 0, 8025, 360));
    QCOMPARE(d->txtRecNumber->geometry(), ui::twipsRect(360, 480, 495, 285));
    QCOMPARE(d->txtInvestment->geometry(), ui::twipsRect(1080, 480, 3135, 285));
    QCOMPARE(d->txtInstitution->geometry(), ui::twipsRect(4440, 480, 3135, 285));
    QCOMPARE(d->Frame1->geometry(), ui::twipsRect(360, 960, 7215, 1335));
    QCOMPARE(d->Frame1->title(), QStringLiteral("Investment Data"));
    QCOMPARE(d->lblDate->geometry(), ui::twipsRect(600, 360, 735, 255));
    QCOMPARE(d->txtDate->geometry(), ui::twipsRect(600, 600, 1095, 285));
    QCOMPARE(d->lblOriginalAmount->geometry(), ui::twipsRect(1920, 360, 1575, 255));
    QCOMPARE(d->metOriginalAmount->geometry(), ui::twipsRect(1920, 600, 1815, 255));
    // The caption may run on where the font is wider than the reference one.
    QCOMPARE(d->lblInflRate->pos(), ui::twipsRect(3960, 360, 615, 255).topLeft());
    QVERIFY(d->lblInflRate->width() >= ui::px(615));
    QVERIFY(d->lblInflRate->geometry().right() < d->lblCurrentAmount->geometry().left());
    QCOMPARE(d->txtInflRate->geometry(), ui::twipsRect(3960, 600, 615, 285));
    QCOMPARE(d->lblCurrentAmount->geometry(), ui::twipsRect(4800, 360, 1575, 255));
    QCOMPARE(d->metCurrentAmount->geometry(), ui::twipsRect(4800, 600, 1815, 255));
    QCOMPARE(d->cmdCancel->geometry(), ui::twipsRect(2760, 2520, 1335, 375));
    QCOMPARE(d->cmdDone->geometry(), ui::twipsRect(4080, 2520, 1335, 375));
    for (QWidget *child :
         std::initializer_list<QWidget *>{d->lblDate, d->txtDate, d->lblOriginalAmount, d->metOriginalAmount,
                                          d->lblInflRate, d->txtInflRate, d->lblCurrentAmount, d->metCurrentAmount})
        QCOMPARE(child->parentWidget(), d->Frame1);
    QCOMPARE(d->lblDate->text(), QStringLiteral("Date"));
    QCOMPARE(d->lblOriginalAmount->text(), QStringLiteral("Original Amount"));
    QCOMPARE(d->lblInflRate->text(), QStringLiteral("Infl Rate"));
    QCOMPARE(d->lblCurrentAmount->text(), QStringLiteral("Current Amount"));
    QCOMPARE(d->cmdCancel->text(), QStringLiteral("&Cancel"));
    QCOMPARE(d->cmdDone->text(), QStringLiteral("&Done"));
    QVERIFY(d->cmdDone->isDefault());
    for (QLineEdit *top : {d->txtRecNumber, d->txtInvestment, d->txtInstitution}) {
        QVERIFY(top->isReadOnly());
        QVERIFY(!(top->focusPolicy() & Qt::TabFocus));
        QCOMPARE(top->palette().color(QPalette::Base), QColor(255, 255, 192));
    }
    QCOMPARE(d->tbToolBar->actions().size(), 3);
    for (const QString &key : {QStringLiteral("Cut"), QStringLiteral("Copy"), QStringLiteral("Paste")}) {
        QToolButton *button = toolButton(d, key);
        QVERIFY(button);
        QCOMPARE(button->toolTip(), key);
        QVERIFY(!button->icon().isNull());
    }
    QCOMPARE(d->mnuEdit->title(), QStringLiteral("&Edit"));
    QCOMPARE(d->mnuEditCut->text(), QStringLiteral("Cu&t"));
    QCOMPARE(d->mnuEditCopy->text(), QStringLiteral("&Copy"));
    QCOMPARE(d->mnuEditPaste->text(), QStringLiteral("&Paste"));
    QVERIFY(!d->mnuEditPaste->isEnabled());
    QVERIFY(d->txtDate->hasFocus());
    QCOMPARE(int(intCopySource), 2);

    QTest::keyClicks(d->txtDate, QStringLiteral("3/12/2003"));
    typeInto(d->metOriginalAmount, QStringLiteral("2500.75"));
    typeInto(d->txtInflRate, QStringLiteral("1.6"));
    typeInto(d->metCurrentAmount, QStringLiteral("-5"));
    typeInto(d->txtDate, QStringLiteral("3/12/2003"));
    QVERIFY(d->grab().save(screenshotPath(QStringLiteral("frmNewEditData.png"))));
    EXPECT_NO_BOX(app);
}

void tst_NewEditData::captionsAndTopRowByMode()
{
    testing::AppFixture app;
    frmInvestData *w = startWithExample(app);
    QVERIFY(w);
    click(w->cmdNext);
    QCOMPARE(int(intInvestRecNum), 2);

    frmNewEditData *d = openAddNew(w);
    QVERIFY(d);
    QCOMPARE(d->windowTitle(), QStringLiteral("Add New Record"));
    QCOMPARE(d->txtRecNumber->text(), QStringLiteral("2"));
    QCOMPARE(d->txtInvestment->text(), QStringLiteral("Fund B").leftJustified(50));
    QCOMPARE(d->txtInstitution->text(), QStringLiteral("Bank B").leftJustified(50));
    for (QLineEdit *box : {d->txtDate, static_cast<QLineEdit *>(d->metOriginalAmount), d->txtInflRate,
                           static_cast<QLineEdit *>(d->metCurrentAmount)})
        QVERIFY(box->text().isEmpty());
    click(d->cmdCancel);
    QVERIFY(backInMainWindow(w));

    d = openForRecord(w, w->cmdEdit, 2);
    QVERIFY(d);
    QCOMPARE(d->windowTitle(), QStringLiteral("Edit Record"));
    // The top row shows the investment, not the data record's number.
    QCOMPARE(d->txtRecNumber->text(), QStringLiteral("2"));
    QCOMPARE(d->txtInvestment->text(), QStringLiteral("Fund B").leftJustified(50));
    click(d->cmdCancel);
    QVERIFY(backInMainWindow(w));

    d = openForRecord(w, w->cmdInsertNew, 1);
    QVERIFY(d);
    QCOMPARE(d->windowTitle(), QStringLiteral("Insert New Record"));
    QCOMPARE(d->txtRecNumber->text(), QStringLiteral("2"));
    QCOMPARE(d->txtInstitution->text(), QStringLiteral("Bank B").leftJustified(50));
    QVERIFY(d->txtDate->text().isEmpty());
    QVERIFY(d->metOriginalAmount->plainText().isEmpty());
    click(d->cmdCancel);
    QVERIFY(backInMainWindow(w));
    EXPECT_NO_BOX(app);
    QCOMPARE(app.historyBytes(), bytesOf(Example));
}

void tst_NewEditData::addNewAppendsOneLine()
{
    testing::AppFixture app;
    frmInvestData *w = startWithExample(app);
    QVERIFY(w);
    click(w->cmdNext);
    frmNewEditData *d = openAddNew(w);
    QVERIFY(d);
    QCOMPARE(strOperation, QStringLiteral("ADDNEW"));
    fill(d, QStringLiteral("3/12/2003"), QStringLiteral("2500.75"), QString(), QStringLiteral("2600"));
    click(d->cmdDone);
    EXPECT_NO_BOX(app);
    QVERIFY(!frmNewEditData::instance());
    QCOMPARE(app.historyBytes(), bytesOf(Example) + "2,#2003-03-12#,2500.75,2600,0\r\n");
    QCOMPARE(int(intHistInvestNum), 2);
    QVERIFY(backInMainWindow(w));
    // The grid has the new record as investment 2's third.
    QCOMPARE(mwtest::shownRecordNumbers(w), mwtest::range(1, 3));
    QCOMPARE(mwtest::cellText(w, QStringLiteral("txtDate"), 2), QStringLiteral("3/12/2003"));
    QCOMPARE(strayFiles(app), QStringList());
}

void tst_NewEditData::firstRecordEverCreatesTheHistory()
{
    testing::AppFixture app;
    app.writeInvestments({{QStringLiteral("Fund"), QStringLiteral("Bank")}});
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    QVERIFY(!app.folder().exists(storage::HistFileName));
    frmNewEditData *d = openAddNew(w);
    QVERIFY(d);
    fill(d, QStringLiteral("1/15/2003"), QStringLiteral("10000"), QStringLiteral("1.6"), QStringLiteral("10800"));
    click(d->cmdDone);
    QCOMPARE(app.historyBytes(), QByteArray("1,#2003-01-15#,10000,10800,1.6\r\n"));
    QVERIFY(backInMainWindow(w));
    QCOMPARE(mwtest::shownRecordNumbers(w), mwtest::range(1, 1));
    QVERIFY(w->cmdEdit->isEnabled());
    EXPECT_NO_BOX(app);
}

void tst_NewEditData::emptyDateTakesTodayAndEmptyRateStoresZero()
{
    testing::AppFixture app;
    frmInvestData *w = startWithExample(app);
    QVERIFY(w);
    frmNewEditData *d = openAddNew(w);
    QVERIFY(d);
    // Straight from the date box to Done with the keyboard: the date stays empty
    // until Done writes today's date into it.
    QTest::keyClick(d->txtDate, Qt::Key_Tab);
    QCOMPARE(d->txtDate->text(), QStringLiteral("12/7/2026"));
    d->txtDate->clear();
    typeInto(d->metOriginalAmount, QStringLiteral("50"));
    typeInto(d->metCurrentAmount, QStringLiteral("60"));
    d->txtDate->clear();
    QTest::keyClick(d->metCurrentAmount, Qt::Key_Return);
    EXPECT_NO_BOX(app);
    QVERIFY(!frmNewEditData::instance());
    QCOMPARE(app.historyBytes(), bytesOf(Example) + "1,#2026-12-07#,50,60,0\r\n");
    QCOMPARE(sngInflRate, 0.0f);
    QVERIFY(backInMainWindow(w));
}

void tst_NewEditData::amountsShowFormattedAndStoreAsTyped()
{
    testing::AppFixture app;
    frmInvestData *w = startWithExample(app);
    QVERIFY(w);
    frmNewEditData *d = openAddNew(w);
    QVERIFY(d);
    fill(d, QStringLiteral("2/1/2004"), QStringLiteral("1234.5"), QStringLiteral("-0.5"), QStringLiteral("-5"));
    click(d->txtDate);
    // Left as typed, shown through the display format while the box has no focus.
    QCOMPARE(d->metOriginalAmount->text(), QStringLiteral("$1,234.50"));
    QCOMPARE(d->metOriginalAmount->plainText(), QStringLiteral("1234.5"));
    QCOMPARE(d->metCurrentAmount->text(), QStringLiteral("($5.00)"));
    QCOMPARE(d->metCurrentAmount->plainText(), QStringLiteral("-5"));
    QCOMPARE(d->txtInflRate->text(), QStringLiteral("-0.5"));
    click(d->cmdDone);
    EXPECT_NO_BOX(app);
    QCOMPARE(app.historyBytes(), bytesOf(Example) + "1,#2004-02-01#,1234.5,-5,-0.5\r\n");
    QCOMPARE(curOriginalAmount, Currency::fromUnits(12345000));
    QVERIFY(backInMainWindow(w));
}

void tst_NewEditData::doneChecksInTheirOrder()
{
    testing::AppFixture app;
    frmInvestData *w = startWithExample(app);
    QVERIFY(w);
    frmNewEditData *d = openAddNew(w);
    QVERIFY(d);
    const QByteArray before = app.historyBytes();
    auto done = [&] {
        // Enter from the box with the cursor: Done runs without the box being left.
        QWidget *focus = QApplication::focusWidget();
        QVERIFY(focus);
        QTest::keyClick(focus, Qt::Key_Return);
    };

    // 1. A date that is not one.
    QTest::keyClicks(d->txtDate, QStringLiteral("13/45/2003"));
    done();
    EXPECT_ONE_BOX(app, WrongDateText, QStringLiteral("Date"), MsgIcon::Exclamation, MsgButtons::OK);
    QVERIFY(d->txtDate->hasFocus());
    QCOMPARE(d->txtDate->text(), QStringLiteral("13/45/2003"));

    // 2. The original amount, empty, even with the current amount empty too.
    d->txtDate->selectAll();
    QTest::keyClicks(d->txtDate, QStringLiteral("4/5/2003"));
    done();
    EXPECT_ONE_BOX(app, NoOriginalText, QStringLiteral("No Entry"), MsgIcon::Exclamation, MsgButtons::OK);
    QVERIFY(d->metOriginalAmount->hasFocus());

    // ... then not a number.
    QTest::keyClicks(d->metOriginalAmount, QStringLiteral("12a"));
    done();
    EXPECT_ONE_BOX(app, WrongEntryText, WrongEntryTitle, MsgIcon::Exclamation, MsgButtons::OK);
    QVERIFY(d->metOriginalAmount->hasFocus());
    QCOMPARE(d->metOriginalAmount->plainText(), QStringLiteral("12a"));

    // Texts the number reading would not take whole are refused too.
    for (const QString &text : {QStringLiteral("1,234.50"), QStringLiteral("$12"), QStringLiteral("(5)"),
                                QStringLiteral("1.2.3"), QStringLiteral("1 2")}) {
        d->metOriginalAmount->selectAll();
        QTest::keyClicks(d->metOriginalAmount, text);
        done();
        EXPECT_ONE_BOX(app, WrongEntryText, WrongEntryTitle, MsgIcon::Exclamation, MsgButtons::OK);
    }

    // 3. The rate: a wrong one is refused.
    d->metOriginalAmount->selectAll();
    QTest::keyClicks(d->metOriginalAmount, QStringLiteral("100"));
    QTest::keyClick(d->metOriginalAmount, Qt::Key_Tab);
    QVERIFY(d->txtInflRate->hasFocus());
    QTest::keyClicks(d->txtInflRate, QStringLiteral("x"));
    done();
    EXPECT_ONE_BOX(app, WrongEntryText, WrongEntryTitle, MsgIcon::Exclamation, MsgButtons::OK);
    QVERIFY(d->txtInflRate->hasFocus());

    // 4. The current amount, checked only now.
    d->txtInflRate->selectAll();
    QTest::keyClick(d->txtInflRate, Qt::Key_Delete);
    done();
    EXPECT_ONE_BOX(app, NoCurrentText, QStringLiteral("No Entry"), MsgIcon::Exclamation, MsgButtons::OK);
    QVERIFY(d->metCurrentAmount->hasFocus());
    QTest::keyClicks(d->metCurrentAmount, QStringLiteral("1..2"));
    done();
    EXPECT_ONE_BOX(app, WrongEntryText, WrongEntryTitle, MsgIcon::Exclamation, MsgButtons::OK);
    QVERIFY(d->metCurrentAmount->hasFocus());

    // Nothing stored while a check fails; every box as it was.
    QCOMPARE(app.historyBytes(), before);
    QCOMPARE(frmNewEditData::instance(), d);
    QCOMPARE(d->txtDate->text(), QStringLiteral("4/5/2003"));
    QCOMPARE(d->metOriginalAmount->plainText(), QStringLiteral("100"));
    QVERIFY(!w->isEnabled());

    d->metCurrentAmount->selectAll();
    QTest::keyClicks(d->metCurrentAmount, QStringLiteral("1e2"));
    done();
    EXPECT_NO_BOX(app);
    QCOMPARE(app.historyBytes(), before + "1,#2003-04-05#,100,100,0\r\n");
    QVERIFY(backInMainWindow(w));
}

void tst_NewEditData::clickingDoneWithAWrongEntryShowsOneMessage()
{
    testing::AppFixture app;
    frmInvestData *w = startWithExample(app);
    QVERIFY(w);
    frmNewEditData *d = openAddNew(w);
    QVERIFY(d);
    fill(d, QStringLiteral("1/1/2005"), QStringLiteral("10"), QString(), QStringLiteral("abc"));
    QVERIFY(d->metCurrentAmount->hasFocus());
    click(d->cmdDone);
    // Leaving the box shows its message and keeps the focus there; the click is no Done.
    EXPECT_ONE_BOX(app, WrongEntryText, WrongEntryTitle, MsgIcon::Exclamation, MsgButtons::OK);
    QVERIFY(d->metCurrentAmount->hasFocus());
    QCOMPARE(frmNewEditData::instance(), d);
    QCOMPARE(app.historyBytes(), bytesOf(Example));

    // The next click on Done is one.
    d->metCurrentAmount->selectAll();
    QTest::keyClicks(d->metCurrentAmount, QStringLiteral("11"));
    click(d->cmdDone);
    EXPECT_NO_BOX(app);
    QCOMPARE(app.historyBytes(), bytesOf(Example) + "1,#2005-01-01#,10,11,0\r\n");
    QVERIFY(backInMainWindow(w));
}

void tst_NewEditData::enterInAWrongBoxShowsTheSameMessage()
{
    testing::AppFixture app;
    frmInvestData *w = startWithExample(app);
    QVERIFY(w);
    frmNewEditData *d = openAddNew(w);
    QVERIFY(d);
    fill(d, QStringLiteral("1/1/2005"), QStringLiteral("10"), QString(), QStringLiteral("11"));
    typeInto(d->txtInflRate, QStringLiteral("2%"));
    EXPECT_NO_BOX(app);
    QTest::keyClick(d->txtInflRate, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_ONE_BOX(app, WrongEntryText, WrongEntryTitle, MsgIcon::Exclamation, MsgButtons::OK);
    QVERIFY(d->txtInflRate->hasFocus());
    // Leaving the box shows the same message and puts the focus back.
    QTest::keyClick(d->txtInflRate, Qt::Key_Tab);
    EXPECT_ONE_BOX(app, WrongEntryText, WrongEntryTitle, MsgIcon::Exclamation, MsgButtons::OK);
    QVERIFY(d->txtInflRate->hasFocus());
    QCOMPARE(app.historyBytes(), bytesOf(Example));
}

void tst_NewEditData::leavingTheBoxes()
{
    testing::AppFixture app;
    frmInvestData *w = startWithExample(app);
    QVERIFY(w);
    frmNewEditData *d = openAddNew(w);
    QVERIFY(d);
    // Empty date: today's date goes in, no message.
    QTest::keyClick(d->txtDate, Qt::Key_Tab);
    EXPECT_NO_BOX(app);
    QCOMPARE(d->txtDate->text(), QStringLiteral("12/7/2026"));
    QVERIFY(d->metOriginalAmount->hasFocus());
    QCOMPARE(int(intCopySource), 3);

    // Empty amounts and rate: nothing.
    QTest::keyClick(d->metOriginalAmount, Qt::Key_Tab);
    QTest::keyClick(d->txtInflRate, Qt::Key_Tab);
    QCOMPARE(int(intCopySource), 5);
    click(d->txtDate);
    EXPECT_NO_BOX(app);
    QCOMPARE(int(intCopySource), 2);
    // Entering selects the whole text.
    QCOMPARE(d->txtDate->selectedText(), QStringLiteral("12/7/2026"));

    // A wrong date: message, focus back, the text kept.
    QTest::keyClicks(d->txtDate, QStringLiteral("someday"));
    click(d->metOriginalAmount);
    EXPECT_ONE_BOX(app, WrongDateText, QStringLiteral("Date"), MsgIcon::Exclamation, MsgButtons::OK);
    QVERIFY(d->txtDate->hasFocus());
    QCOMPARE(d->txtDate->text(), QStringLiteral("someday"));
    QCOMPARE(int(intCopySource), 2);

    // A date that reads is left as typed.
    d->txtDate->selectAll();
    QTest::keyClicks(d->txtDate, QStringLiteral("2003-1-5"));
    QTest::keyClick(d->txtDate, Qt::Key_Tab);
    EXPECT_NO_BOX(app);
    QCOMPARE(d->txtDate->text(), QStringLiteral("2003-1-5"));

    // A wrong amount: message, focus back.
    QTest::keyClicks(d->metOriginalAmount, QStringLiteral("ten"));
    QTest::keyClick(d->metOriginalAmount, Qt::Key_Tab);
    EXPECT_ONE_BOX(app, WrongEntryText, WrongEntryTitle, MsgIcon::Exclamation, MsgButtons::OK);
    QVERIFY(d->metOriginalAmount->hasFocus());
    QCOMPARE(d->metOriginalAmount->plainText(), QStringLiteral("ten"));

    // Leaving for Cancel is no check: a wrong entry never keeps the user from cancelling.
    click(d->cmdCancel);
    EXPECT_NO_BOX(app);
    QVERIFY(!frmNewEditData::instance());
    QCOMPARE(app.historyBytes(), bytesOf(Example));
    QVERIFY(backInMainWindow(w));
}

void tst_NewEditData::tabOrder()
{
    testing::AppFixture app;
    frmInvestData *w = startWithExample(app);
    QVERIFY(w);
    frmNewEditData *d = openAddNew(w);
    QVERIFY(d);
    fill(d, QStringLiteral("1/1/2001"), QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1"));
    click(d->txtDate);
    const QList<QWidget *> order = {d->metOriginalAmount, d->txtInflRate, d->metCurrentAmount,
                                    d->cmdCancel,         d->cmdDone,     d->txtDate};
    for (QWidget *next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY2(next->hasFocus(), qPrintable(next->objectName()));
    }
    EXPECT_NO_BOX(app);
}

void tst_NewEditData::editShowsTheRecordAndRewritesTheHistory()
{
    testing::AppFixture app;
    frmInvestData *w = startWithExample(app);
    QVERIFY(w);
    click(w->cmdEdit);
    QCOMPARE(strOperation, QStringLiteral("EDIT"));
    QCOMPARE(w->Record->count(), 3);
    choose(w, 3);
    QCOMPARE(int(intSelRecNum), 3);
    auto *d = openedDialog<frmNewEditData>();
    QVERIFY(d);
    // The chosen record, in the forms the dialog reads back.
    QCOMPARE(d->txtDate->text(), QStringLiteral("1/2/2003"));
    QCOMPARE(d->metOriginalAmount->plainText(), QStringLiteral("100"));
    QCOMPARE(d->txtInflRate->text(), QStringLiteral("2.5"));
    QCOMPARE(d->metCurrentAmount->plainText(), QStringLiteral("130"));
    // While the dialog is open the history is the old one and the work files hold it.
    QVERIFY(app.folder().exists(storage::SuccesFileName));
    QVERIFY(app.folder().exists(storage::RecsDisplayedFileName));
    QCOMPARE(app.historyBytes(), bytesOf(Example));

    typeInto(d->metCurrentAmount, QStringLiteral("135.25"));
    click(d->cmdDone);
    EXPECT_NO_BOX(app);
    QVERIFY(!frmNewEditData::instance());
    QCOMPARE(app.historyBytes(), bytesOf({A1, A2, historyLine(1, "2003-01-02", "100", "135.25", "2.5"), B1, B2}));
    QCOMPARE(strayFiles(app), QStringList());
    QVERIFY(backInMainWindow(w));
    QVERIFY(w->Record->count() == 0 && !w->Record->isEnabled());
    QVERIFY(w->cmdEdit->isEnabled() && w->cmdInsertNew->isEnabled() && w->cmdDelete->isEnabled());
    QCOMPARE(mwtest::cellText(w, QStringLiteral("metCurrentAmount"), 2), QStringLiteral("$135.25"));

    // Record 1 of an investment spread through the file: all its lines come to the top.
    app.writeHistory({B1, A1, B2, A2, A3});
    click(w->cmdFirst);
    d = openForRecord(w, w->cmdEdit, 1);
    QVERIFY(d);
    typeInto(d->txtInflRate, QStringLiteral("3"));
    click(d->cmdDone);
    QCOMPARE(app.historyBytes(), bytesOf({historyLine(1, "2001-01-02", "100", "110", "3"), A2, A3, B1, B2}));
    QVERIFY(backInMainWindow(w));
    EXPECT_NO_BOX(app);
}

void tst_NewEditData::insertPutsTheNewRecordAfterTheChosenOne()
{
    testing::AppFixture app;
    frmInvestData *w = startWithExample(app);
    QVERIFY(w);
    frmNewEditData *d = openForRecord(w, w->cmdInsertNew, 2);
    QVERIFY(d);
    QCOMPARE(strOperation, QStringLiteral("INSERT"));
    QCOMPARE(int(intSelRecNum), 2);
    fill(d, QStringLiteral("6/1/2002"), QStringLiteral("100"), QStringLiteral("0.5"), QStringLiteral("125"));
    click(d->cmdDone);
    EXPECT_NO_BOX(app);
    const QString N = historyLine(1, "2002-06-01", "100", "125", "0.5");
    QCOMPARE(app.historyBytes(), bytesOf({A1, A2, N, A3, B1, B2}));
    QCOMPARE(strayFiles(app), QStringList());
    QVERIFY(backInMainWindow(w));
    QCOMPARE(mwtest::shownRecordNumbers(w), mwtest::range(1, 4));
    QCOMPARE(mwtest::cellText(w, QStringLiteral("txtDate"), 2), QStringLiteral("6/1/2002"));

    // After record 1 of an investment with two: the new one is 2, the old 2 is 3.
    click(w->cmdNext);
    d = openForRecord(w, w->cmdInsertNew, 1);
    QVERIFY(d);
    fill(d, QStringLiteral("7/1/2001"), QStringLiteral("200"), QString(), QStringLiteral("205"));
    click(d->cmdDone);
    QCOMPARE(app.historyBytes(), bytesOf({B1, historyLine(2, "2001-07-01", "200", "205", "0"), B2, A1, A2, N, A3}));
    QVERIFY(backInMainWindow(w));
    QCOMPARE(mwtest::cellText(w, QStringLiteral("txtDate"), 1), QStringLiteral("7/1/2001"));
    QCOMPARE(mwtest::cellText(w, QStringLiteral("txtRecordNumber"), 2), QStringLiteral("3"));
    EXPECT_NO_BOX(app);
}

void tst_NewEditData::cancellingAnEditLeavesTheHistory()
{
    testing::AppFixture app;
    frmInvestData *w = startWithExample(app);
    QVERIFY(w);
    frmNewEditData *d = openForRecord(w, w->cmdEdit, 2);
    QVERIFY(d);
    typeInto(d->metOriginalAmount, QStringLiteral("999"));
    click(d->cmdCancel);
    QVERIFY(!frmNewEditData::instance());
    QCOMPARE(app.historyBytes(), bytesOf(Example));
    QVERIFY(!app.folder().exists(storage::SuccesFileName));
    QVERIFY(!app.folder().exists(storage::RecsDisplayedFileName));
    QVERIFY(backInMainWindow(w));
    QVERIFY(w->Record->count() == 0 && !w->Record->isEnabled());
    QVERIFY(w->cmdEdit->isEnabled());
    QCOMPARE(strayFiles(app), QStringList());
    EXPECT_NO_BOX(app);
}

void tst_NewEditData::cancelInAddNewTouchesNoFile()
{
    testing::AppFixture app;
    frmInvestData *w = startWithExample(app);
    QVERIFY(w);
    const QByteArray invest = app.investBytes();
    frmNewEditData *d = openAddNew(w);
    QVERIFY(d);
    fill(d, QStringLiteral("1/1/2001"), QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1"));
    QTest::keyClick(d->metCurrentAmount, Qt::Key_Escape);
    QVERIFY(!frmNewEditData::instance());
    QCOMPARE(app.historyBytes(), bytesOf(Example));
    QCOMPARE(app.investBytes(), invest);
    QCOMPARE(strayFiles(app), QStringList());
    QVERIFY(backInMainWindow(w));
    EXPECT_NO_BOX(app);
}

void tst_NewEditData::closingByTheFrameActsAsCancel()
{
    testing::AppFixture app;
    frmInvestData *w = startWithExample(app);
    QVERIFY(w);
    frmNewEditData *d = openForRecord(w, w->cmdInsertNew, 1);
    QVERIFY(d);
    QVERIFY(app.folder().exists(storage::SuccesFileName));
    QVERIFY(d->close());
    QVERIFY(!frmNewEditData::instance());
    QVERIFY(w->isEnabled());
    QCOMPARE(strayFiles(app), QStringList());
    QCOMPARE(app.historyBytes(), bytesOf(Example));
    QVERIFY(backInMainWindow(w));
    QVERIFY(!w->Record->isEnabled());
    EXPECT_NO_BOX(app);
}

void tst_NewEditData::cutCopyPaste()
{
    testing::AppFixture app;
    frmInvestData *w = startWithExample(app);
    QVERIFY(w);
    frmNewEditData *d = openAddNew(w);
    QVERIFY(d);
    QVERIFY(!d->mnuEditPaste->isEnabled());
    fill(d, QStringLiteral("2/2/2002"), QStringLiteral("1234.5"), QStringLiteral("2"), QStringLiteral("99"));

    // Copy takes the whole plain text of the box last entered.
    click(d->metOriginalAmount);
    d->metOriginalAmount->setSelection(0, 1);
    d->mnuEditCopy->trigger();
    QCOMPARE(app.clipboard().text(), QStringLiteral("1234.5"));
    QVERIFY(d->mnuEditPaste->isEnabled());
    QVERIFY(blnDataCopyMade);

    // Cut: copied, then the box emptied.
    click(d->txtInflRate);
    click(toolButton(d, QStringLiteral("Cut")));
    QCOMPARE(app.clipboard().text(), QStringLiteral("2"));
    QCOMPARE(d->txtInflRate->text(), QString());

    // Paste replaces the whole text.
    click(d->metCurrentAmount);
    click(toolButton(d, QStringLiteral("Paste")));
    QCOMPARE(d->metCurrentAmount->plainText(), QStringLiteral("2"));
    click(d->txtDate);
    QCOMPARE(d->metCurrentAmount->text(), QStringLiteral("$2.00"));
    click(toolButton(d, QStringLiteral("Copy")));
    QCOMPARE(app.clipboard().text(), QStringLiteral("2/2/2002"));
    d->mnuEditCut->trigger();
    QCOMPARE(d->txtDate->text(), QString());
    d->mnuEditPaste->trigger();
    QCOMPARE(d->txtDate->text(), QStringLiteral("2/2/2002"));

    // A clipboard without text empties the box.
    app.clipboard().setText(QString());
    d->mnuEditPaste->trigger();
    QCOMPARE(d->txtDate->text(), QString());
    click(d->cmdCancel);
    QVERIFY(backInMainWindow(w));

    // The next opening starts with Paste enabled.
    d = openAddNew(w);
    QVERIFY(d);
    QVERIFY(d->mnuEditPaste->isEnabled());
    click(d->cmdCancel);
    QVERIFY(backInMainWindow(w));
    QCOMPARE(app.historyBytes(), bytesOf(Example));
    EXPECT_NO_BOX(app);
}

QTEST_MAIN(tst_NewEditData)
#include "tst_neweditdata.moc"
