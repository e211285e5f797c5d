// The main window itself: layout, load, the single running copy, the reload when it
// becomes active again, and Exit.

#include "mainwindowtesting.h"

#include "storage/datafolder.h"
#include "storage/filetable.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QMessageBox>
#include <QProcess>
#include <QToolBar>

using namespace mwtest;
using platform::MsgButtons;
using platform::MsgIcon;

// Stands in for one of the program's dialogs (its class name is what counts).
class frmStandInDialog : public QWidget
{
    Q_OBJECT

public:
    frmStandInDialog() : QWidget(nullptr, Qt::Window) { resize(200, 100); }
};

class tst_MainWindow : public QObject
{
    Q_OBJECT

private slots:
    void layoutFollowsTheReference();
    void firstRunWithNoFiles();
    void historyButNoInvestmentsShowsPage1();
    void exitClosesTheFilesReleasesTheFolderAndEnds();
    void closingTheFrameActsAsExit();
    void enterPressesExit();
    void secondCopyIsRefusedAndTouchesNothing();
    void staleLockIsRecovered();
    void leftoversOfACrashAreRemovedAtStart();
    void folderThatCannotBeCreatedEndsTheProgram();
    void investmentFileThatCannotBeOpenedEndsTheProgram();
    void reloadAfterAddNewStaysOnTheShownPage();
    void reloadAfterAddNewOnAFullFirstPageShowsTheNextLink();
    void reloadAfterEditShowsTheLastPageWhenTheShownOneIsGone();
    void noReloadAfterAMessageBoxButAfterBeingHidden();
    void screenshotOfPage2Of3();

private:
    // Leaves the main window for `other` (disabled meanwhile, as a dialog does), runs
    // `whileAway`, then comes back the way a dialog hands the window back.
    void visit(frmInvestData *w, QWidget *other, const std::function<void()> &whileAway);
};

void tst_MainWindow::visit(frmInvestData *w, QWidget *other, const std::function<void()> &whileAway)
{
    w->setEnabled(false);
    other->show();
    other->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(other));
    QCoreApplication::processEvents();
    whileAway();
    w->setEnabled(true);
    delete other;
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

void tst_MainWindow::layoutFollowsTheReference()
{
    testing::AppFixture app;
    app.writeInvestments({{QStringLiteral("Fund"), QStringLiteral("Broker")}});
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), QStringLiteral("Plumbline 3.5"));
    QWidget *client = w->centralWidget();
    QCOMPARE(client->size(), ui::twipsSize(10815, 6165));
    QCOMPARE(w->minimumSize(), w->maximumSize());
    QVERIFY(!(w->windowFlags() & Qt::WindowMaximizeButtonHint));

    struct Place
    {
        const char *name;
        QRect rect;
    };
    const Place places[] = {
        {"lblInvestRecord", ui::twipsRect(360, 600, 1695, 285)},
        {"txtInvestment", ui::twipsRect(2520, 600, 3735, 285)},
        {"txtInstitution", ui::twipsRect(6360, 600, 4335, 285)},
        {"cmdFirst", ui::twipsRect(3600, 960, 855, 375)},
        {"cmdPrevious", ui::twipsRect(4440, 960, 855, 375)},
        {"cmdNext", ui::twipsRect(5280, 960, 855, 375)},
        {"cmdLast", ui::twipsRect(6120, 960, 855, 375)},
        {"cmdAddNewRec", ui::twipsRect(4080, 1335, 855, 375)},
        {"cmdEditRec", ui::twipsRect(4920, 1335, 855, 375)},
        {"cmdDeleteRec", ui::twipsRect(5760, 1335, 855, 375)},
        {"txtRecordNumber_0", ui::twipsRect(120, 2280, 375, 285)},
        {"txtDate_11", ui::twipsRect(480, 4920, 975, 285)},
        {"metOriginalAmount_0", ui::twipsRect(1440, 2280, 1215, 255)},
        {"metOriginalAmount_11", ui::twipsRect(1440, 4920, 1215, 285)},
        {"metCurrentAmount_5", ui::twipsRect(2640, 2280 + 5 * 240, 1215, 255)},
        {"txtInflRate_3", ui::twipsRect(6360, 2280 + 3 * 240, 735, 285)},
        {"metProfLossAFI_11", ui::twipsRect(9480, 4920, 1215, 285)},
        {"lblPageNum", ui::twipsRect(600, 5400, 375, 255)},
        {"lblPreviousPg", ui::twipsRect(240, 5760, 975, 255)},
        {"lblNextPg", ui::twipsRect(1200, 5760, 975, 255)},
        {"cmdAddNew", ui::twipsRect(2880, 5520, 855, 375)},
        {"cmdInsertNew", ui::twipsRect(3720, 5520, 855, 375)},
        {"cmdDelete", ui::twipsRect(4560, 5520, 855, 375)},
        {"cmdEdit", ui::twipsRect(6375, 5520, 855, 375)},
        {"cmdPrint", ui::twipsRect(7220, 5520, 855, 375)},
        {"cmdDone", ui::twipsRect(8050, 5520, 855, 375)},
    };
    for (const Place &p : places) {
        QWidget *widget = client->findChild<QWidget *>(QLatin1String(p.name));
        QVERIFY2(widget, p.name);
        QCOMPARE(widget->parentWidget(), client);
        QVERIFY2(widget->geometry() == p.rect, p.name);
    }
    QCOMPARE(w->Record->geometry().topLeft(), ui::twipsRect(5535, 5520, 750, 315).topLeft());
    QCOMPARE(w->Record->width(), ui::px(750));
    QCOMPARE(w->Line1->geometry().top(), ui::px(360));
    if (w->tbToolBar) {
        QCOMPARE(w->tbToolBar->parentWidget(), client);
        QCOMPARE(w->tbToolBar->geometry(), ui::twipsRect(0, 0, 10815, 360));
    }

    const QStringList headings = {"lblHist=Data",
                                  "lblRecNumLabel=Rec",
                                  "Label1=Date",
                                  "lblOriginal=Original",
                                  "lblOriginalAmount=Amount",
                                  "Label2=Current",
                                  "lblCurrentAmount=Amount",
                                  "lblIncDec=Inc/Dec",
                                  "lblProfitLoss=Profit/Loss",
                                  "lblInflRate=Inflation",
                                  "lblPercent=Rate (%)",
                                  "lblLossTo=Loss To",
                                  "lblLossToInfl=Inflation",
                                  "lblCurrent=Current",
                                  "lblCurAmntAFI=Amount AFI",
                                  "lblProfLossAFI=Profit/Loss AFI",
                                  "lblPage=Page",
                                  "lblInvestRecord=Investment Record #:"};
    for (const QString &h : headings) {
        const QStringList parts = h.split(QLatin1Char('='));
        QLabel *l = client->findChild<QLabel *>(parts.at(0));
        QVERIFY2(l, qPrintable(parts.at(0)));
        QCOMPARE(l->text(), parts.at(1));
    }
    const QStringList captions = {"cmdFirst=&First",      "cmdPrevious=&Previous", "cmdNext=&Next",
                                  "cmdLast=&Last",        "cmdAddNewRec=Add &New", "cmdEditRec=Edi&t",
                                  "cmdDeleteRec=&Delete", "cmdAddNew=&Add New",    "cmdInsertNew=&Ins New",
                                  "cmdDelete=Del &Rec",   "cmdEdit=&Edit",         "cmdPrint=&Print",
                                  "cmdDone=E&xit"};
    for (const QString &c : captions) {
        const QStringList parts = c.split(QLatin1Char('='));
        QCOMPARE(client->findChild<QPushButton *>(parts.at(0))->text(), parts.at(1));
    }
    QVERIFY(w->cmdDone->isDefault());
    QCOMPARE(w->lblPreviousPg->text(), QStringLiteral("Previous"));
    QCOMPARE(w->lblNextPg->text(), QStringLiteral("Next"));
    QVERIFY(w->lblPreviousPg->font().underline());
    QCOMPARE(w->lblNextPg->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(w->lblNextPg->palette().color(QPalette::Window), QColor(255, 192, 128));
    QCOMPARE(w->lblInvestRecord->palette().color(QPalette::Window), QColor(255, 224, 192));
    QCOMPARE(w->lblInvestRecNum->palette().color(QPalette::Window), QColor(255, 255, 192));
    QCOMPARE(w->txtInvestment->palette().color(QPalette::Base), QColor(255, 255, 192));
    QCOMPARE(w->txtInstitution->maxLength(), 50);
    QVERIFY(w->txtInvestment->isReadOnly());
    for (int row = 0; row < frmInvestData::GridRows; ++row) {
        const QColor tint = row % 2 == 0 ? QColor(192, 255, 192) : QColor(192, 255, 255);
        QCOMPARE(cell(w, QStringLiteral("metCurrentAmount"), row)->palette().color(QPalette::Base), tint);
        QCOMPARE(cell(w, QStringLiteral("metCurAmntAFI"), row)->palette().color(QPalette::Base), tint);
        QCOMPARE(cell(w, QStringLiteral("metIncDec"), row)->palette().color(QPalette::Base),
                 w->palette().color(QPalette::Window));
    }
    QVERIFY(!w->Record->isEnabled());
    QVERIFY(!w->Record->isEditable());
}

void tst_MainWindow::firstRunWithNoFiles()
{
    // The window of the test before has gone with its fixture.
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows)
        QVERIFY(!qobject_cast<frmInvestData *>(window));

    testing::AppFixture app;
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    QVERIFY(w->isVisible());
    QVERIFY(app.folder().exists(storage::InvestFileName));
    QCOMPARE(app.investBytes(), QByteArray());
    QVERIFY(!app.folder().exists(storage::HistFileName));
    QVERIFY(storage::isOpen(1));
    QVERIFY(!storage::isOpen(2));
    QVERIFY(!storage::isOpen(5));

    QVERIFY(w->cmdAddNewRec->isEnabled());
    QVERIFY(w->cmdDone->isEnabled());
    for (QPushButton *b : {w->cmdFirst, w->cmdPrevious, w->cmdNext, w->cmdLast, w->cmdEditRec, w->cmdDeleteRec,
                           w->cmdAddNew, w->cmdInsertNew, w->cmdDelete, w->cmdEdit, w->cmdPrint})
        QVERIFY2(!b->isEnabled(), qPrintable(b->objectName()));
    QVERIFY(!w->Record->isEnabled());
    for (int row = 0; row < frmInvestData::GridRows; ++row)
        QVERIFY(rowEmpty(w, row));
    QVERIFY(w->lblNextPg->isHidden());
    QVERIFY(w->lblPreviousPg->isHidden());
    QVERIFY(w->lblPageNum->text().isEmpty());
    QVERIFY(w->lblInvestRecNum->text().isEmpty());
    QVERIFY(w->txtInvestment->text().isEmpty());
    QCOMPARE(int(modPlMainMod::intInvestRecNum), 0);
    QVERIFY(app.boxes().calls().isEmpty());
    QVERIFY(!app.quitRequested());
}

void tst_MainWindow::historyButNoInvestmentsShowsPage1()
{
    testing::AppFixture app;
    app.writeHistory(historyLines(1, 3));
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    QCOMPARE(w->lblPageNum->text(), QStringLiteral("1"));
    QVERIFY(rowEmpty(w, 0));
    QVERIFY(w->lblNextPg->isHidden());
    QVERIFY(app.boxes().calls().isEmpty());
}

void tst_MainWindow::exitClosesTheFilesReleasesTheFolderAndEnds()
{
    testing::AppFixture app;
    app.writeInvestments({{QStringLiteral("Fund"), QStringLiteral("Broker")}});
    app.writeHistory(historyLines(1, 20));
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    QVERIFY(app.folder().exists(QStringLiteral("Plumbline.lock")));
    click(w->lblNextPg);
    click(w->lblPreviousPg);
    QVERIFY(storage::isOpen(5));
    const QByteArray invest = app.investBytes();
    const QByteArray history = app.historyBytes();

    click(w->cmdDone);
    QCOMPARE(app.quitCount(), 1);
    QVERIFY(!frmInvestData::instance());
    QVERIFY(!storage::isOpen(1));
    QVERIFY(!storage::isOpen(2));
    QVERIFY(!storage::isOpen(5));
    QVERIFY(!app.folder().exists(QStringLiteral("Plumbline.lock")));
    QCOMPARE(int(modPlMainMod::intFirstRecToShow), 0);
    QVERIFY(modPlMainMod::curPrevAmount.isZero());
    QVERIFY(modPlMainMod::curPrevAmntAFI.isZero());
    QVERIFY(modPlMainMod::curCurAmntAFI.isZero());
    QCOMPARE(app.investBytes(), invest);
    QCOMPARE(app.historyBytes(), history);
    QVERIFY(app.boxes().calls().isEmpty());
}

void tst_MainWindow::closingTheFrameActsAsExit()
{
    testing::AppFixture app;
    app.writeInvestments({{QStringLiteral("Fund"), QStringLiteral("Broker")}});
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);

    // Not while a dialog holds the window disabled.
    w->setEnabled(false);
    QVERIFY(!w->close());
    QVERIFY(frmInvestData::instance());
    QVERIFY(!app.quitRequested());
    w->setEnabled(true);

    w->close();
    QCOMPARE(app.quitCount(), 1);
    QVERIFY(!frmInvestData::instance());
    QVERIFY(!storage::isOpen(1));
    QVERIFY(!app.folder().exists(QStringLiteral("Plumbline.lock")));
}

void tst_MainWindow::enterPressesExit()
{
    testing::AppFixture app;
    app.writeInvestments({{QStringLiteral("Fund"), QStringLiteral("Broker")}});
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    w->txtInvestment->setFocus();
    QTest::keyClick(w->txtInvestment, Qt::Key_Return);
    QTRY_COMPARE(app.quitCount(), 1);
    QVERIFY(!frmInvestData::instance());
}

void tst_MainWindow::secondCopyIsRefusedAndTouchesNothing()
{
    testing::AppFixture app;
    app.writeInvestments({{QStringLiteral("Fund"), QStringLiteral("Broker")}});
    app.writeHistory(historyLines(1, 3));
    const QByteArray invest = app.investBytes();
    const QByteArray history = app.historyBytes();

    // The first copy is in the middle of a rewrite.
    QVERIFY(app.folder().writeBytes(QStringLiteral("TempHist.txt"), "1,#2001-01-02#,1,1,0\r\n"));
    QVERIFY(app.folder().writeBytes(QStringLiteral(".PlDataHist.txt.1a2b3c4d.new"), "1,#2001"));
    QLockFile firstCopy(app.folder().path(QStringLiteral("Plumbline.lock")));
    QVERIFY(firstCopy.tryLock(0));

    QVERIFY(!app.startMainWindow());
    QVERIFY(!frmInvestData::instance());
    QCOMPARE(app.quitCount(), 1);
    QCOMPARE(app.boxes().calls().size(), 1);
    const platform::MessageBoxCall call = app.boxes().lastCall();
    QVERIFY2(call.text.contains(QStringLiteral("already running")), qPrintable(call.text));
    QVERIFY2(call.text.contains(QDir::toNativeSeparators(app.folder().dir())), qPrintable(call.text));
    QCOMPARE(call.buttons, MsgButtons::OK);
    QVERIFY(!storage::isOpen(1));
    QCOMPARE(app.investBytes(), invest);
    QCOMPARE(app.historyBytes(), history);
    QVERIFY(!app.folder().exists(storage::PageFileName));
    QVERIFY(app.folder().exists(QStringLiteral("TempHist.txt")));
    QVERIFY(app.folder().exists(QStringLiteral(".PlDataHist.txt.1a2b3c4d.new")));
    // The first copy keeps its lock.
    QVERIFY(firstCopy.isLocked());
    QVERIFY(app.folder().exists(QStringLiteral("Plumbline.lock")));
}

void tst_MainWindow::leftoversOfACrashAreRemovedAtStart()
{
    testing::AppFixture app;
    app.writeInvestments({{QStringLiteral("Fund"), QStringLiteral("Broker")}});
    app.writeHistory(historyLines(1, 3));
    const QByteArray history = app.historyBytes();
    // A copy that crashed in the middle of an edit: its work files, and the new
    // history it had not yet put in place.
    for (const char *name : {"TempHist.txt", "SuccesToHist.txt", "RecsDisplayed.txt", "TempData.txt"})
        QVERIFY(app.folder().writeBytes(QString::fromLatin1(name), "1,#2001-01-02#,1,1,0\r\n"));
    QVERIFY(app.folder().writeBytes(QStringLiteral(".PlDataHist.txt.1a2b3c4d.new"), "1,#2001"));
    QVERIFY(app.folder().writeBytes(QStringLiteral("my notes.txt"), "kept"));

    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    QCOMPARE(shownRecordNumbers(w), range(1, 3));
    QCOMPARE(app.historyBytes(), history);
    QStringList names = QDir(app.folder().dir()).entryList(QDir::Files | QDir::Hidden);
    names.sort();
    QCOMPARE(names, (QStringList{QStringLiteral("PlDHTemp.txt"), QStringLiteral("PlDataHist.txt"),
                                 QStringLiteral("Plumbline.lock"), QStringLiteral("PlumblineData"),
                                 QStringLiteral("my notes.txt")}));
}

void tst_MainWindow::staleLockIsRecovered()
{
    testing::AppFixture app;
    app.writeInvestments({{QStringLiteral("Fund"), QStringLiteral("Broker")}});
    const QString lockPath = app.folder().path(QStringLiteral("Plumbline.lock"));

    // A lock left behind by a copy that is gone: this process's lock file with the
    // number of a process that has ended.
    QByteArray content;
    {
        QLockFile probe(lockPath);
        QVERIFY(probe.tryLock(0));
        content = app.folder().readBytes(QStringLiteral("Plumbline.lock"));
        probe.unlock();
    }
    QProcess ended;
    ended.start(QStringLiteral("true"), {});
    QVERIFY(ended.waitForStarted());
    const qint64 deadPid = ended.processId();
    QVERIFY(ended.waitForFinished());
    const qsizetype lineEnd = content.indexOf('\n');
    QVERIFY(lineEnd > 0);
    content = QByteArray::number(deadPid) + content.mid(lineEnd);
    QVERIFY(app.folder().writeBytes(QStringLiteral("Plumbline.lock"), content));

    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    QVERIFY(app.boxes().calls().isEmpty());
    QCOMPARE(w->lblInvestRecNum->text(), QStringLiteral("1"));
    QVERIFY(!app.quitRequested());
}

void tst_MainWindow::folderThatCannotBeCreatedEndsTheProgram()
{
    testing::AppFixture app;
    QVERIFY(app.folder().writeBytes(QStringLiteral("blocker"), "not a folder"));
    const QString folder = app.folder().path(QStringLiteral("blocker")) + QStringLiteral("/Plumbline 3.5");
    storage::setProgramFolder(folder);

    QVERIFY(!app.startMainWindow());
    QVERIFY(!frmInvestData::instance());
    QCOMPARE(app.quitCount(), 1);
    QCOMPARE(app.boxes().calls().size(), 1);
    QVERIFY2(app.boxes().lastCall().text.contains(QDir::toNativeSeparators(folder)),
             qPrintable(app.boxes().lastCall().text));
    QVERIFY(!storage::isOpen(1));
}

void tst_MainWindow::investmentFileThatCannotBeOpenedEndsTheProgram()
{
    testing::AppFixture app;
    QVERIFY(QDir(app.folder().dir()).mkdir(storage::InvestFileName)); // a folder where the file should be

    QVERIFY(!app.startMainWindow());
    QVERIFY(!frmInvestData::instance());
    QCOMPARE(app.quitCount(), 1);
    QCOMPARE(app.boxes().calls().size(), 1);
    const QString text = app.boxes().lastCall().text;
    QVERIFY2(text.contains(QDir::toNativeSeparators(app.folder().dir())), qPrintable(text));
    QVERIFY2(text.contains(storage::InvestFileName), qPrintable(text));
    QVERIFY(!storage::isOpen(1));
    QVERIFY(!app.folder().exists(QStringLiteral("Plumbline.lock")));
}

void tst_MainWindow::reloadAfterAddNewStaysOnTheShownPage()
{
    testing::AppFixture app;
    app.writeInvestments({{QStringLiteral("Fund"), QStringLiteral("Broker")}});
    QStringList lines = historyLines(1, 30);
    app.writeHistory(lines);
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    click(w->lblNextPg);
    QCOMPARE(w->lblPageNum->text(), QStringLiteral("2"));

    modPlMainMod::strOperation = QStringLiteral("ADDNEW");
    visit(w, new frmStandInDialog, [&] {
        lines = historyLines(1, 31);
        app.writeHistory(lines); // what the dialog's append leaves
    });

    QTRY_COMPARE(shownRecordNumbers(w), range(13, 24));
    QCOMPARE(w->lblPageNum->text(), QStringLiteral("2"));
    QVERIFY(w->lblPreviousPg->isVisible());
    QVERIFY(w->lblNextPg->isVisible());
    QCOMPARE(rowTexts(w, 0), expectedRow(lines, 13));
    for (QPushButton *b : {w->cmdDelete, w->cmdEdit, w->cmdInsertNew, w->cmdPrint})
        QVERIFY(b->isEnabled());

    click(w->lblNextPg);
    QCOMPARE(shownRecordNumbers(w), range(25, 31));
    QCOMPARE(rowTexts(w, 6), expectedRow(lines, 31));
    QVERIFY(w->lblNextPg->isHidden());
    click(w->lblPreviousPg);
    QCOMPARE(shownRecordNumbers(w), range(13, 24));
    QVERIFY(app.boxes().calls().isEmpty());
}

void tst_MainWindow::reloadAfterAddNewOnAFullFirstPageShowsTheNextLink()
{
    testing::AppFixture app;
    app.writeInvestments({{QStringLiteral("Fund"), QStringLiteral("Broker")}});
    app.writeHistory(historyLines(1, 12));
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    QVERIFY(w->lblNextPg->isHidden());

    modPlMainMod::strOperation = QStringLiteral("ADDNEW");
    visit(w, new frmStandInDialog, [&] { app.writeHistory(historyLines(1, 13)); });
    QTRY_VERIFY(w->lblNextPg->isVisible());
    QCOMPARE(shownRecordNumbers(w), range(1, 12));
    QCOMPARE(w->lblPageNum->text(), QStringLiteral("1"));
    QVERIFY(w->lblPreviousPg->isHidden());
    click(w->lblNextPg);
    QCOMPARE(shownRecordNumbers(w), range(13, 13));
}

void tst_MainWindow::reloadAfterEditShowsTheLastPageWhenTheShownOneIsGone()
{
    testing::AppFixture app;
    app.writeInvestments({{QStringLiteral("Fund"), QStringLiteral("Broker")}});
    app.writeHistory(historyLines(1, 30));
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    click(w->lblNextPg);
    click(w->lblNextPg);
    QCOMPARE(w->lblPageNum->text(), QStringLiteral("3"));

    // A choice was pending in the Record list when the dialog opened.
    modPlMainMod::strOperation = QStringLiteral("EDIT");
    w->Record->setEnabled(true);
    w->Record->addItems(range(1, 30));
    w->cmdEdit->setEnabled(false);
    const QStringList shorter = historyLines(1, 20);
    visit(w, new frmStandInDialog, [&] { app.writeHistory(shorter); });

    QTRY_COMPARE(shownRecordNumbers(w), range(13, 20));
    QCOMPARE(w->lblPageNum->text(), QStringLiteral("2"));
    QVERIFY(w->lblPreviousPg->isVisible());
    QVERIFY(w->lblNextPg->isHidden());
    QCOMPARE(rowTexts(w, 7), expectedRow(shorter, 20));
    QCOMPARE(w->Record->count(), 0);
    QVERIFY(!w->Record->isEnabled());
    QVERIFY(w->cmdEdit->isEnabled());
    click(w->lblPreviousPg);
    QCOMPARE(shownRecordNumbers(w), range(1, 12));
    QVERIFY(app.boxes().calls().isEmpty());
}

void tst_MainWindow::noReloadAfterAMessageBoxButAfterBeingHidden()
{
    testing::AppFixture app;
    app.writeInvestments({{QStringLiteral("Fund"), QStringLiteral("Broker")}});
    app.writeHistory(historyLines(1, 3));
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    modPlMainMod::strOperation = QStringLiteral("ADDNEW");

    // A box (or any window not of the program's forms) coming and going reloads nothing.
    auto *box = new QMessageBox(QMessageBox::Information, QStringLiteral("Plumbline 3.5"), QStringLiteral("Note"));
    visit(w, box, [&] { app.writeHistory(historyLines(1, 4)); });
    QTest::qWait(50);
    QCOMPARE(shownRecordNumbers(w), range(1, 3));

    // Shown again after being hidden, it reloads what the last command changed.
    w->hide();
    QCoreApplication::processEvents();
    w->show();
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    QTRY_COMPARE(shownRecordNumbers(w), range(1, 4));

    // And after one of the program's windows, again ("ADDNEW" is never cleared).
    visit(w, new frmStandInDialog, [&] { app.writeHistory(historyLines(1, 5)); });
    QTRY_COMPARE(shownRecordNumbers(w), range(1, 5));
    QVERIFY(app.boxes().calls().isEmpty());
}

void tst_MainWindow::screenshotOfPage2Of3()
{
    testing::AppFixture app;
    app.writeInvestments({{QStringLiteral("Mutual fund"), QStringLiteral("First Bank")},
                          {QStringLiteral("Savings account"), QStringLiteral("Credit Union")}});
    app.writeHistory(historyLines(1, 4) + historyLines(2, 30));
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    click(w->cmdNext);
    click(w->lblNextPg);
    QCOMPARE(w->lblPageNum->text(), QStringLiteral("2"));
    QVERIFY(w->lblPreviousPg->isVisible() && w->lblNextPg->isVisible());
    const QPixmap shot = w->grab();
    QCOMPARE(shot.size(), w->size());
    const QString path =
        QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(QStringLiteral("../mainwindow-page2.png"));
    // The line under the toolbar is drawn across the window.
    const QImage image = shot.toImage();
    const int lineY = w->centralWidget()->geometry().top() + ui::px(360);
    QCOMPARE(image.pixelColor(ui::px(5000), lineY), QColor(Qt::black));
    QVERIFY(shot.save(path));
    qInfo().noquote() << "main window on page 2 of 3 saved to" << QDir::cleanPath(path);
}

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
