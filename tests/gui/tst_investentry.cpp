// The investment entry dialog, opened from the main window's investment group:
// layout, adding and editing an investment, its check, Cancel, the frame's close
// button, the keys, the edit commands and a failing write.

#include "editingtesting.h"

#include "storage/rewrites.h"

using namespace edtest;
using namespace modPlMainMod;
using storage::faults::Step;

namespace {

QList<QPair<QString, QString>> investments(int count)
{
    QList<QPair<QString, QString>> list;
    for (int n = 1; n <= count; ++n)
        list.append({QStringLiteral("Type %1").arg(n), QStringLiteral("Institution %1").arg(n)});
    return list;
}

QByteArray investBytes(int count)
{
    QByteArray bytes;
    for (int n = 1; n <= count; ++n)
        bytes +=
            testing::investRecordBytes(n, QStringLiteral("Type %1").arg(n), QStringLiteral("Institution %1").arg(n));
    return bytes;
}

const QString NoTypeText = QStringLiteral("Sorry, there is no entry in 'Investment'. You must make an entry.");

} // namespace

class tst_InvestEntry : public QObject
{
    Q_OBJECT

private slots:
    void layoutOfTheDialog();
    void addNewOnFourRecordsWritesRecordFive();
    void addFirstInvestmentToAnEmptyFile();
    void emptyTypeIsRefusedWhateverTheInstitution();
    void blanksAndAnEmptyInstitutionAreStored();
    void editOverwritesTheRecordInPlace();
    void longTextsAreCutToFifty();
    void cancelStepsTheNewNumberBack_data();
    void cancelStepsTheNewNumberBack();
    void cancelInEditLeavesEverything();
    void closingByTheFrameActsAsCancel();
    void escapeCancelsAndEnterIsDone();
    void tabOrder();
    void copyAndPasteThroughMenuAndToolbar();
    void copyInTheMainWindowEnablesPaste();
    void failedWriteKeepsTheDialogOpen();
};

void tst_InvestEntry::layoutOfTheDialog()
{
    testing::AppFixture app;
    app.writeInvestments(investments(4));
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    click(w->cmdAddNewRec);
    auto *d = openedDialog<frmInvestEntry>();
    QVERIFY(d);
    QVERIFY(!w->isEnabled());
    QCOMPARE(d->windowTitle(), QStringLiteral("Investment"));
    QCOMPARE(d->centralWidget()->size(), ui::twipsSize(7935, 1800));
    QCOMPARE(d->minimumSize(), d->maximumSize());
    QVERIFY(!(d->windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(d->windowFlags() & Qt::WindowMaximizeButtonHint));

    QCOMPARE(d->lblRecNumLbl->text(), QStringLiteral("Rec #"));
    QCOMPARE(d->lblRecNumber->text(), QStringLiteral("5"));
    QCOMPARE(d->lblInvestType->text(), QStringLiteral("Type of Investment"));
    QCOMPARE(d->lblInsitution->text(), QStringLiteral("Institution"));
    QCOMPARE(d->cmdCancel->text(), QStringLiteral("&Cancel"));
    QCOMPARE(d->cmdDone->text(), QStringLiteral("&Done"));
    QVERIFY(captionAt(d->lblRecNumLbl, ui::twipsRect(360, 480, 495, 255)));
    QCOMPARE(d->lblRecNumber->geometry(), ui::twipsRect(360, 720, 495, 255));
    QVERIFY(captionAt(d->lblInvestType, ui::twipsRect(1080, 480, 1575, 255)));
    QCOMPARE(d->txtInvestment->geometry(), ui::twipsRect(1080, 720, 3135, 285));
    QVERIFY(captionAt(d->lblInsitution, ui::twipsRect(4440, 480, 1575, 255)));
    QCOMPARE(d->txtInstitution->geometry(), ui::twipsRect(4440, 720, 3135, 285));
    QCOMPARE(d->cmdCancel->geometry(), ui::twipsRect(2760, 1200, 1215, 375));
    QCOMPARE(d->cmdDone->geometry(), ui::twipsRect(3960, 1200, 1215, 375));
    QCOMPARE(d->tbToolBar->geometry(), ui::twipsRect(0, 0, 7935, 360));
    QCOMPARE(d->txtInvestment->maxLength(), 50);
    QCOMPARE(d->txtInstitution->maxLength(), 50);
    QCOMPARE(d->txtInvestment->palette().color(QPalette::Base), QColor(255, 255, 192));
    QCOMPARE(d->lblRecNumber->palette().color(QPalette::Window), QColor(255, 255, 192));
    QVERIFY(d->lblRecNumber->frameShape() != QFrame::NoFrame);
    QVERIFY(d->cmdDone->isDefault());

    QVERIFY(toolButton(d, QStringLiteral("Copy")));
    QVERIFY(toolButton(d, QStringLiteral("Paste")));
    QCOMPARE(toolButton(d, QStringLiteral("Copy"))->toolTip(), QStringLiteral("Copy"));
    QVERIFY(!toolButton(d, QStringLiteral("Copy"))->icon().isNull());
    QCOMPARE(d->tbToolBar->actions().size(), 2);
    QCOMPARE(d->mnuEdit->title(), QStringLiteral("&Edit"));
    QCOMPARE(d->mnuEditCopy->text(), QStringLiteral("&Copy"));
    QCOMPARE(d->mnuEditPaste->text(), QStringLiteral("&Paste"));
    QCOMPARE(d->mnuEdit->actions().size(), 2);
    QVERIFY(d->mnuEditCopy->isEnabled());
    QVERIFY(!d->mnuEditPaste->isEnabled());

    // Empty boxes, the focus in the type of investment.
    QVERIFY(d->txtInvestment->text().isEmpty());
    QVERIFY(d->txtInstitution->text().isEmpty());
    QVERIFY(d->txtInvestment->hasFocus());
    QCOMPARE(int(intCopySource), 1);

    QTest::keyClicks(d->txtInvestment, QStringLiteral("Mutual fund"));
    QTest::keyClick(d->txtInvestment, Qt::Key_Tab);
    QTest::keyClicks(d->txtInstitution, QStringLiteral("First Bank"));
    QVERIFY(d->grab().save(screenshotPath(QStringLiteral("frmInvestEntry.png"))));
    EXPECT_NO_BOX(app);
}

void tst_InvestEntry::addNewOnFourRecordsWritesRecordFive()
{
    testing::AppFixture app;
    app.writeInvestments(investments(4));
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    click(w->cmdAddNewRec);
    QCOMPARE(int(intInvestRecNum), 5);
    QCOMPARE(strOperation, QStringLiteral("ADDNEWREC"));
    auto *d = openedDialog<frmInvestEntry>();
    QVERIFY(d);
    typeInto(d->txtInvestment, QStringLiteral("Mutual fund"));
    typeInto(d->txtInstitution, QStringLiteral("First Bank"));
    click(d->cmdDone);
    EXPECT_NO_BOX(app);
    QVERIFY(!frmInvestEntry::instance());
    QCOMPARE(app.investBytes(), investBytes(4) + testing::investRecordBytes(5, QStringLiteral("Mutual fund"),
                                                                            QStringLiteral("First Bank")));
    QVERIFY(backInMainWindow(w));
    // The new investment is shown, as the last one.
    QCOMPARE(w->lblInvestRecNum->text(), QStringLiteral("5"));
    QCOMPARE(w->txtInvestment->text(), QStringLiteral("Mutual fund").leftJustified(50));
    QCOMPARE(w->txtInstitution->text(), QStringLiteral("First Bank").leftJustified(50));
    QVERIFY(!w->cmdNext->isEnabled());
    QVERIFY(!w->cmdLast->isEnabled());
    QVERIFY(w->cmdPrevious->isEnabled());
    QVERIFY(w->cmdAddNew->isEnabled());
}

void tst_InvestEntry::addFirstInvestmentToAnEmptyFile()
{
    testing::AppFixture app;
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    QVERIFY(!w->cmdAddNew->isEnabled());
    click(w->cmdAddNewRec);
    auto *d = openedDialog<frmInvestEntry>();
    QVERIFY(d);
    QCOMPARE(d->lblRecNumber->text(), QStringLiteral("1"));
    typeInto(d->txtInvestment, QStringLiteral("Bond"));
    click(d->cmdDone);
    QCOMPARE(app.investBytes(), testing::investRecordBytes(1, QStringLiteral("Bond"), QString()));
    QVERIFY(backInMainWindow(w));
    // Done gives the data record command back.
    QVERIFY(w->cmdAddNew->isEnabled());
    QCOMPARE(w->lblInvestRecNum->text(), QStringLiteral("1"));
    EXPECT_NO_BOX(app);
}

void tst_InvestEntry::emptyTypeIsRefusedWhateverTheInstitution()
{
    testing::AppFixture app;
    app.writeInvestments(investments(2));
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    click(w->cmdAddNewRec);
    auto *d = openedDialog<frmInvestEntry>();
    QVERIFY(d);
    typeInto(d->txtInstitution, QStringLiteral("Some Bank"));
    click(d->cmdDone);
    EXPECT_ONE_BOX(app, NoTypeText, AppTitle, MsgIcon::Exclamation, MsgButtons::OK);
    QCOMPARE(frmInvestEntry::instance(), d);
    QVERIFY(d->isVisible());
    QVERIFY(d->txtInvestment->hasFocus());
    QCOMPARE(d->txtInstitution->text(), QStringLiteral("Some Bank"));
    QCOMPARE(app.investBytes(), investBytes(2));
    QVERIFY(!w->isEnabled());

    // Enter in the box runs Done too, with the same check.
    QTest::keyClick(d->txtInvestment, Qt::Key_Return);
    EXPECT_ONE_BOX(app, NoTypeText, AppTitle, MsgIcon::Exclamation, MsgButtons::OK);
    QCOMPARE(app.investBytes(), investBytes(2));
}

void tst_InvestEntry::blanksAndAnEmptyInstitutionAreStored()
{
    testing::AppFixture app;
    app.writeInvestments(investments(1));
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    click(w->cmdAddNewRec);
    auto *d = openedDialog<frmInvestEntry>();
    QVERIFY(d);
    typeInto(d->txtInvestment, QStringLiteral("   "));
    click(d->cmdDone);
    EXPECT_NO_BOX(app);
    // A text of blanks is an entry; the institution is 50 blanks.
    QCOMPARE(app.investBytes(), investBytes(1) + testing::investRecordBytes(2, QString(), QString()));
    QCOMPARE(app.investBytes().mid(102 + 52, 50), QByteArray(50, ' '));
    QCOMPARE(strInvestType, QStringLiteral("   "));
    QVERIFY(backInMainWindow(w));
}

void tst_InvestEntry::editOverwritesTheRecordInPlace()
{
    testing::AppFixture app;
    app.writeInvestments(investments(3));
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    click(w->cmdNext);
    QCOMPARE(w->lblInvestRecNum->text(), QStringLiteral("2"));
    click(w->cmdEditRec);
    QCOMPARE(strOperation, QStringLiteral("EDITREC"));
    auto *d = openedDialog<frmInvestEntry>();
    QVERIFY(d);
    QCOMPARE(d->lblRecNumber->text(), QStringLiteral("2"));
    // The texts as read, with their padding; all selected on entering.
    QCOMPARE(d->txtInvestment->text(), QStringLiteral("Type 2").leftJustified(50));
    QCOMPARE(d->txtInstitution->text(), QStringLiteral("Institution 2").leftJustified(50));
    QCOMPARE(d->txtInvestment->selectedText(), d->txtInvestment->text());
    typeInto(d->txtInvestment, QStringLiteral("Growth fund"));
    click(d->cmdDone);
    EXPECT_NO_BOX(app);
    const QByteArray expected =
        testing::investRecordBytes(1, QStringLiteral("Type 1"), QStringLiteral("Institution 1")) +
        testing::investRecordBytes(2, QStringLiteral("Growth fund"), QStringLiteral("Institution 2")) +
        testing::investRecordBytes(3, QStringLiteral("Type 3"), QStringLiteral("Institution 3"));
    QCOMPARE(app.investBytes(), expected);
    QVERIFY(backInMainWindow(w));
    QCOMPARE(w->lblInvestRecNum->text(), QStringLiteral("2"));
    QCOMPARE(w->txtInvestment->text(), QStringLiteral("Growth fund").leftJustified(50));
}

void tst_InvestEntry::longTextsAreCutToFifty()
{
    testing::AppFixture app;
    app.writeInvestments(investments(1));
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    // Written by the rebuild's way in: no dialog, a text of 60 characters.
    intInvestRecNum = 2;
    strInvestType = QString(50, QLatin1Char('a')) + QString(10, QLatin1Char('b'));
    strInstitution = QStringLiteral("x");
    QVERIFY(frmInvestEntry::LoadInDataFile());
    QCOMPARE(app.investBytes().mid(102),
             testing::investRecordBytes(2, QString(50, QLatin1Char('a')), QStringLiteral("x")));
    QCOMPARE(InvestRec.InvestType.text(), QString(50, QLatin1Char('a')));

    // Typed: the box takes no more than 50.
    intInvestRecNum = 1;
    click(w->cmdAddNewRec);
    auto *d = openedDialog<frmInvestEntry>();
    QVERIFY(d);
    typeInto(d->txtInvestment, QString(60, QLatin1Char('z')));
    QCOMPARE(d->txtInvestment->text(), QString(50, QLatin1Char('z')));
    click(d->cmdDone);
    QCOMPARE(app.investBytes().mid(204, 52), QByteArray("\x03\x00", 2) + QByteArray(50, 'z'));
    EXPECT_NO_BOX(app);
}

void tst_InvestEntry::cancelStepsTheNewNumberBack_data()
{
    QTest::addColumn<int>("records");
    QTest::newRow("four records") << 4;
    QTest::newRow("empty file") << 0;
}

void tst_InvestEntry::cancelStepsTheNewNumberBack()
{
    QFETCH(int, records);
    testing::AppFixture app;
    if (records > 0)
        app.writeInvestments(investments(records));
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    click(w->cmdAddNewRec);
    QCOMPARE(int(intInvestRecNum), records + 1);
    auto *d = openedDialog<frmInvestEntry>();
    QVERIFY(d);
    typeInto(d->txtInvestment, QStringLiteral("Not kept"));
    click(d->cmdCancel);
    // Cancel steps back from 5 to 4; at 1 it stays 1.
    QCOMPARE(int(intInvestRecNum), records > 0 ? records : 1);
    QVERIFY(!frmInvestEntry::instance());
    QVERIFY(w->isEnabled());
    QCOMPARE(app.investBytes(), investBytes(records));
    QVERIFY(backInMainWindow(w));
    EXPECT_NO_BOX(app);
    QCOMPARE(app.investBytes(), investBytes(records));
    if (records == 0) {
        // The window still shows no investment.
        QVERIFY(w->lblInvestRecNum->text().isEmpty());
        QVERIFY(w->txtInvestment->text().isEmpty());
    } else {
        QCOMPARE(w->lblInvestRecNum->text(), QString::number(records));
    }
}

void tst_InvestEntry::cancelInEditLeavesEverything()
{
    testing::AppFixture app;
    app.writeInvestments(investments(3));
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    click(w->cmdLast);
    click(w->cmdEditRec);
    auto *d = openedDialog<frmInvestEntry>();
    QVERIFY(d);
    typeInto(d->txtInvestment, QStringLiteral("Changed"));
    click(d->cmdCancel);
    QCOMPARE(int(intInvestRecNum), 3);
    QCOMPARE(app.investBytes(), investBytes(3));
    QVERIFY(backInMainWindow(w));
    QCOMPARE(w->txtInvestment->text(), QStringLiteral("Type 3").leftJustified(50));
    EXPECT_NO_BOX(app);
}

void tst_InvestEntry::closingByTheFrameActsAsCancel()
{
    testing::AppFixture app;
    app.writeInvestments(investments(4));
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    click(w->cmdAddNewRec);
    auto *d = openedDialog<frmInvestEntry>();
    QVERIFY(d);
    typeInto(d->txtInvestment, QStringLiteral("Not kept"));
    QVERIFY(d->close());
    QVERIFY(!frmInvestEntry::instance());
    QCOMPARE(int(intInvestRecNum), 4);
    QVERIFY(w->isEnabled());
    QVERIFY(backInMainWindow(w));
    QCOMPARE(app.investBytes(), investBytes(4));
    QCOMPARE(w->lblInvestRecNum->text(), QStringLiteral("4"));
    EXPECT_NO_BOX(app);
}

void tst_InvestEntry::escapeCancelsAndEnterIsDone()
{
    testing::AppFixture app;
    app.writeInvestments(investments(1));
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    click(w->cmdAddNewRec);
    auto *d = openedDialog<frmInvestEntry>();
    QVERIFY(d);
    QTest::keyClicks(d->txtInvestment, QStringLiteral("Escaped"));
    QTest::keyClick(d->txtInvestment, Qt::Key_Escape);
    QVERIFY(!frmInvestEntry::instance());
    QCOMPARE(app.investBytes(), investBytes(1));
    QVERIFY(backInMainWindow(w));

    click(w->cmdAddNewRec);
    d = openedDialog<frmInvestEntry>();
    QVERIFY(d);
    QTest::keyClicks(d->txtInvestment, QStringLiteral("Entered"));
    QTest::keyClick(d->txtInvestment, Qt::Key_Tab);
    QTest::keyClicks(d->txtInstitution, QStringLiteral("Bank"));
    QTest::keyClick(d->txtInstitution, Qt::Key_Return);
    QVERIFY(!frmInvestEntry::instance());
    QCOMPARE(app.investBytes(),
             investBytes(1) + testing::investRecordBytes(2, QStringLiteral("Entered"), QStringLiteral("Bank")));
    QVERIFY(backInMainWindow(w));

    // Enter on Cancel presses Cancel, not Done.
    click(w->cmdAddNewRec);
    d = openedDialog<frmInvestEntry>();
    QVERIFY(d);
    QTest::keyClicks(d->txtInvestment, QStringLiteral("Not kept"));
    d->cmdCancel->setFocus();
    QTest::keyClick(d->cmdCancel, Qt::Key_Return);
    QVERIFY(!frmInvestEntry::instance());
    QCOMPARE(app.investBytes().size(), 204);
    EXPECT_NO_BOX(app);
}

void tst_InvestEntry::tabOrder()
{
    testing::AppFixture app;
    app.writeInvestments(investments(1));
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    click(w->cmdEditRec);
    auto *d = openedDialog<frmInvestEntry>();
    QVERIFY(d);
    QVERIFY(d->txtInvestment->hasFocus());
    QTest::keyClick(d->txtInvestment, Qt::Key_Tab);
    QVERIFY(d->txtInstitution->hasFocus());
    // Entering by Tab selects the whole text and names the box for Copy.
    QCOMPARE(d->txtInstitution->selectedText(), QStringLiteral("Institution 1").leftJustified(50));
    QCOMPARE(int(intCopySource), 2);
    QTest::keyClick(d->txtInstitution, Qt::Key_Tab);
    QVERIFY(d->cmdCancel->hasFocus());
    QTest::keyClick(d->cmdCancel, Qt::Key_Tab);
    QVERIFY(d->cmdDone->hasFocus());
    QTest::keyClick(d->cmdDone, Qt::Key_Tab);
    QVERIFY(d->txtInvestment->hasFocus());
    QCOMPARE(int(intCopySource), 1);
    EXPECT_NO_BOX(app);
}

void tst_InvestEntry::copyAndPasteThroughMenuAndToolbar()
{
    testing::AppFixture app;
    app.writeInvestments(investments(1));
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    click(w->cmdEditRec);
    auto *d = openedDialog<frmInvestEntry>();
    QVERIFY(d);
    QVERIFY(!d->mnuEditPaste->isEnabled());
    QVERIFY(!blnCopyMade);

    // Copy takes the whole text of the box last entered, not the selection.
    d->txtInvestment->setSelection(0, 2);
    d->mnuEditCopy->trigger();
    QCOMPARE(app.clipboard().text(), QStringLiteral("Type 1").leftJustified(50));
    QVERIFY(d->mnuEditPaste->isEnabled());
    QVERIFY(blnCopyMade);

    click(d->txtInstitution);
    QCOMPARE(int(intCopySource), 2);
    click(toolButton(d, QStringLiteral("Paste")));
    QCOMPARE(d->txtInstitution->text(), QStringLiteral("Type 1").leftJustified(50));

    app.clipboard().setText(QStringLiteral("From elsewhere"));
    d->mnuEditPaste->trigger();
    QCOMPARE(d->txtInstitution->text(), QStringLiteral("From elsewhere"));
    click(toolButton(d, QStringLiteral("Copy")));
    QCOMPARE(app.clipboard().text(), QStringLiteral("From elsewhere"));

    // A clipboard without text empties the box; a line break does not get into a record.
    app.clipboard().setText(QString());
    click(toolButton(d, QStringLiteral("Paste")));
    QCOMPARE(d->txtInstitution->text(), QString());
    app.clipboard().setText(QStringLiteral("Two\r\nlines"));
    d->mnuEditPaste->trigger();
    QCOMPARE(d->txtInstitution->text(), QStringLiteral("Two lines"));
    click(d->cmdDone);
    QCOMPARE(app.investBytes(), testing::investRecordBytes(1, QStringLiteral("Type 1"), QStringLiteral("Two lines")));
    EXPECT_NO_BOX(app);
}

void tst_InvestEntry::copyInTheMainWindowEnablesPaste()
{
    testing::AppFixture app;
    app.writeInvestments(investments(2));
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    click(w->txtInstitution);
    QCOMPARE(int(intCopySource), 2);
    w->mnuEditCopy->trigger();
    QVERIFY(blnCopyMade);
    QCOMPARE(app.clipboard().text(), QStringLiteral("Institution 1").leftJustified(50));

    click(w->cmdAddNewRec);
    auto *d = openedDialog<frmInvestEntry>();
    QVERIFY(d);
    QVERIFY(d->mnuEditPaste->isEnabled());
    // The focus is in the type of investment: Paste replaces its whole text.
    QTest::keyClicks(d->txtInvestment, QStringLiteral("abc"));
    d->mnuEditPaste->trigger();
    QCOMPARE(d->txtInvestment->text(), QStringLiteral("Institution 1").leftJustified(50));
    click(d->cmdCancel);
    QVERIFY(backInMainWindow(w));

    // Paste stays enabled at later openings.
    click(w->cmdAddNewRec);
    d = openedDialog<frmInvestEntry>();
    QVERIFY(d);
    QVERIFY(d->mnuEditPaste->isEnabled());
    EXPECT_NO_BOX(app);
}

void tst_InvestEntry::failedWriteKeepsTheDialogOpen()
{
    testing::AppFixture app;
    app.writeInvestments(investments(2));
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    click(w->cmdAddNewRec);
    auto *d = openedDialog<frmInvestEntry>();
    QVERIFY(d);
    typeInto(d->txtInvestment, QStringLiteral("Fund"));
    storage::faults::failAt(Step::Write, 1);
    click(d->cmdDone);
    storage::faults::clear();
    EXPECT_ONE_BOX(app, QStringLiteral("Error Number:57\r\nDevice I/O error"), AppTitle, MsgIcon::None, MsgButtons::OK);
    // Not reported as done: nothing written, the dialog still open, the main window still waiting.
    QCOMPARE(frmInvestEntry::instance(), d);
    QCOMPARE(app.investBytes(), investBytes(2));
    QVERIFY(!w->isEnabled());

    click(d->cmdDone);
    EXPECT_NO_BOX(app);
    QVERIFY(!frmInvestEntry::instance());
    QCOMPARE(app.investBytes(), investBytes(2) + testing::investRecordBytes(3, QStringLiteral("Fund"), QString()));
    QVERIFY(backInMainWindow(w));
}

QTEST_MAIN(tst_InvestEntry)
#include "tst_investentry.moc"
