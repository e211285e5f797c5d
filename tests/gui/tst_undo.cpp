// Undo and Redo in the main window: every kind of change the windows make, undone to the
// byte and redone, with the menu texts, across a restart, while a dialog holds the window,
// on a full disk and with a failure at each step of a change.
#include "fulldisktesting.h"
#include "versionstesting.h"

#include "storage/faults.h"
#include "ui/chart/chartwindow.h"
#include "ui/chart/inflationchart.h"
#include "ui/portfolio/portfoliomodel.h"
#include "ui/portfolio/portfoliowindow.h"
#include "ui/versions/versionmenus.h"

#include <functional>

using namespace vtest;
using storage::faults::Step;

namespace {

using Action = std::function<void(testing::AppFixture &, frmInvestData *)>;

void addInvestment(testing::AppFixture &, frmInvestData *w)
{
    click(w->cmdAddNewRec);
    auto *d = openedDialog<frmInvestEntry>();
    QVERIFY(d);
    typeInto(d->txtInvestment, QStringLiteral("Gold coins"));
    typeInto(d->txtInstitution, QStringLiteral("Vault & Co"));
    click(d->cmdDone);
    QVERIFY(backInMainWindow(w));
}

void editInvestment(testing::AppFixture &, frmInvestData *w)
{
    click(w->cmdEditRec);
    auto *d = openedDialog<frmInvestEntry>();
    QVERIFY(d);
    typeInto(d->txtInstitution, QStringLiteral("Other Bank"));
    click(d->cmdDone);
    QVERIFY(backInMainWindow(w));
}

void deleteInvestment(testing::AppFixture &app, frmInvestData *w)
{
    app.boxes().enqueue(MsgResult::Yes);
    click(w->cmdDeleteRec);
    settle();
    QCOMPARE(app.boxes().takeCalls().size(), 1);
}

void fillRecord(frmNewEditData *d)
{
    typeInto(d->txtDate, QStringLiteral("1/15/2024"));
    typeInto(d->metOriginalAmount, QStringLiteral("1000"));
    typeInto(d->txtInflRate, QStringLiteral("3.25"));
    typeInto(d->metCurrentAmount, QStringLiteral("1150"));
}

void addRecord(testing::AppFixture &, frmInvestData *w)
{
    click(w->cmdAddNew);
    auto *d = openedDialog<frmNewEditData>();
    QVERIFY(d);
    fillRecord(d);
    click(d->cmdDone);
    QVERIFY(backInMainWindow(w));
}

void insertRecord(testing::AppFixture &, frmInvestData *w)
{
    click(w->cmdInsertNew);
    chooseRecord(w, 1);
    auto *d = openedDialog<frmNewEditData>();
    QVERIFY(d);
    fillRecord(d);
    click(d->cmdDone);
    QVERIFY(backInMainWindow(w));
}

void editRecord(testing::AppFixture &, frmInvestData *w)
{
    click(w->cmdEdit);
    chooseRecord(w, 2);
    auto *d = openedDialog<frmNewEditData>();
    QVERIFY(d);
    typeInto(d->metCurrentAmount, QStringLiteral("777"));
    click(d->cmdDone);
    QVERIFY(backInMainWindow(w));
}

void deleteRecord(testing::AppFixture &app, frmInvestData *w)
{
    app.boxes().enqueue(MsgResult::Yes);
    click(w->cmdDelete);
    chooseRecord(w, 3);
    settle();
    QCOMPARE(app.boxes().takeCalls().size(), 1);
}

Action actionNamed(const QString &name)
{
    static const QMap<QString, Action> actions{
        {QStringLiteral("add investment"), addInvestment},       {QStringLiteral("edit investment"), editInvestment},
        {QStringLiteral("delete investment"), deleteInvestment}, {QStringLiteral("add record"), addRecord},
        {QStringLiteral("insert record"), insertRecord},         {QStringLiteral("edit record"), editRecord},
        {QStringLiteral("delete record"), deleteRecord},
    };
    return actions.value(name);
}

// What each investment shows before any change, by number.
QMap<int, QString> shownStates(frmInvestData *w)
{
    QMap<int, QString> states;
    for (int n = 1; n <= Investments.size(); ++n) {
        goTo(w, n);
        states.insert(n, shownState(w));
    }
    return states;
}

} // namespace

class tst_Undo : public QObject
{
    Q_OBJECT

private slots:
    void init() { platform::LocaleServices::setToday(QDate(2026, 12, 7)); }
    void cleanup()
    {
        storage::faults::clear();
        platform::LocaleServices::setToday(QDate());
    }

    void nothingToUndoAtFirst();
    void undoAndRedoEachChange_data();
    void undoAndRedoEachChange();
    void undoAcrossARestart();
    void firstRecordsOfAFolderWithoutHistory();
    void newChangeAfterUndoEndsRedo();
    void keysWorkFromTheWindowsBoxes();
    void chartAndPortfolioFollow();
    void notWhileADialogHoldsTheWindow();
    void fullDiskWhenTheVersionIsKept_data();
    void fullDiskWhenTheVersionIsKept();
    void fullDiskDuringUndo();
    void damagedVersionsFolderIsSetAsideAtStart();
    void failureAtEachStepOfAChange_data();
    void failureAtEachStepOfAChange();
};

void tst_Undo::nothingToUndoAtFirst()
{
    testing::AppFixture app;
    writeExample(app);
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    QAction *undo = undoAction(w);
    QAction *redo = redoAction(w);
    QVERIFY(undo && redo);
    QCOMPARE(undo->text(), QStringLiteral("&Undo"));
    QCOMPARE(redo->text(), QStringLiteral("&Redo"));
    QVERIFY(!undo->isEnabled());
    QVERIFY(!redo->isEnabled());
    QCOMPARE(undo->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    QCOMPARE(redo->shortcuts(),
             QList<QKeySequence>({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}));
    // Undo and Redo head the Edit menu; Copy stays.
    const QList<QAction *> edit = w->mnuEdit->actions();
    QVERIFY(edit.size() >= 3);
    QCOMPARE(edit.at(0), undo);
    QCOMPARE(edit.at(1), redo);
    QVERIFY(edit.contains(w->mnuEditCopy));
    const Pair before = livePair();
    pressUndo(w);
    pressRedo(w);
    QVERIFY(livePair() == before);
    EXPECT_NO_BOX(app);
}

void tst_Undo::undoAndRedoEachChange_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("undoText");
    QTest::addColumn<QString>("sentence");
    QTest::addColumn<int>("shownAfterUndo"); // the investment shown once the change is undone
    QTest::addColumn<bool>("shiftZ");        // Ctrl+Shift+Z instead of Ctrl+Y for Redo

    QTest::newRow("add investment") << QStringLiteral("add investment")
                                    << QStringLiteral("&Undo Add Investment 'Gold coins, Vault && Co'")
                                    << QStringLiteral("Added investment Gold coins, Vault & Co") << 1 << false;
    QTest::newRow("edit investment") << QStringLiteral("edit investment")
                                     << QStringLiteral("&Undo Edit Investment 'Index fund, Other Bank'")
                                     << QStringLiteral("Changed investment Index fund, Other Bank") << 2 << true;
    QTest::newRow("delete investment") << QStringLiteral("delete investment")
                                       << QStringLiteral("&Undo Delete Investment 'Index fund, Second Bank'")
                                       << QStringLiteral("Deleted investment Index fund, Second Bank") << 1 << false;
    QTest::newRow("add record") << QStringLiteral("add record") << QStringLiteral("&Undo Add Record")
                                << QStringLiteral("Added record 4 (1/15/2024) to Index fund, Second Bank") << 2 << true;
    QTest::newRow("insert record") << QStringLiteral("insert record") << QStringLiteral("&Undo Insert Record")
                                   << QStringLiteral("Inserted record 2 (1/15/2024) into Index fund, Second Bank") << 2
                                   << false;
    QTest::newRow("edit record") << QStringLiteral("edit record") << QStringLiteral("&Undo Edit Record")
                                 << QStringLiteral("Changed record 2 (6/1/2023) of Index fund, Second Bank") << 2
                                 << false;
    QTest::newRow("delete record") << QStringLiteral("delete record") << QStringLiteral("&Undo Delete Record")
                                   << QStringLiteral("Deleted record 3 (12/1/2023) of Index fund, Second Bank") << 2
                                   << true;
}

void tst_Undo::undoAndRedoEachChange()
{
    QFETCH(QString, action);
    QFETCH(QString, undoText);
    QFETCH(QString, sentence);
    QFETCH(int, shownAfterUndo);
    QFETCH(bool, shiftZ);

    testing::AppFixture app;
    writeExample(app);
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    const QMap<int, QString> states = shownStates(w);
    goTo(w, 2);
    const Pair before = livePair();

    actionNamed(action)(app, w);
    if (QTest::currentTestFailed())
        return;
    EXPECT_NO_BOX(app);
    const Pair after = livePair();
    QVERIFY(after != before);
    const QString shownAfter = shownState(w);
    QAction *undo = undoAction(w);
    QAction *redo = redoAction(w);
    QCOMPARE(undo->text(), undoText);
    QVERIFY(undo->isEnabled());
    QCOMPARE(redo->text(), QStringLiteral("&Redo"));
    QVERIFY(!redo->isEnabled());
    QCOMPARE(newestSentence(), sentence);
    // What the version holds, as the versions list says it.
    {
        const QList<storage::VersionInfo> versions = storage::VersionStore(storage::programFolder()).list();
        QVERIFY(!versions.isEmpty());
        QCOMPARE(versions.first().investments, int(after.invest.size() / 102));
        QCOMPARE(versions.first().records, (long long)after.history.count("\r\n"));
        QVERIFY(versions.first().current);
    }

    pressUndo(w);
    QTRY_VERIFY(livePair() == before);
    QCOMPARE(shownState(w), states.value(shownAfterUndo));
    QCOMPARE(undo->text(), QStringLiteral("&Undo"));
    QVERIFY(!undo->isEnabled());
    QString redoText = undoText;
    redoText.replace(QLatin1String("&Undo"), QLatin1String("&Redo"));
    QCOMPARE(redo->text(), redoText);
    QVERIFY(redo->isEnabled());
    EXPECT_NO_BOX(app);

    pressRedo(w, shiftZ);
    QTRY_VERIFY(livePair() == after);
    QCOMPARE(undo->text(), undoText);
    QCOMPARE(redo->text(), QStringLiteral("&Redo"));
    QVERIFY(!redo->isEnabled());
    // The investment shown stays where it is still there; a record change shows its grid again.
    if (shownAfterUndo == 2 || action == QLatin1String("delete investment"))
        QCOMPARE(shownState(w), shownAfter);
    else
        QCOMPARE(w->lblInvestRecNum->text(), QString::number(shownAfterUndo));
    EXPECT_NO_BOX(app);
    QCOMPARE(strayFiles(app), QStringList());
}

void tst_Undo::undoAcrossARestart()
{
    testing::AppFixture app;
    writeExample(app);
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    goTo(w, 2);
    const QString shownBefore = shownState(w);
    const Pair before = livePair();
    addRecord(app, w);
    deleteInvestment(app, w);
    const Pair after = livePair();

    w = restart(app);
    QVERIFY(w);
    EXPECT_NO_BOX(app);
    QCOMPARE(undoAction(w)->text(), QStringLiteral("&Undo Delete Investment 'Index fund, Second Bank'"));
    pressUndo(w);
    QCOMPARE(undoAction(w)->text(), QStringLiteral("&Undo Add Record"));

    w = restart(app);
    QVERIFY(w);
    QCOMPARE(undoAction(w)->text(), QStringLiteral("&Undo Add Record"));
    QCOMPARE(redoAction(w)->text(), QStringLiteral("&Redo Delete Investment 'Index fund, Second Bank'"));
    pressUndo(w);
    QTRY_VERIFY(livePair() == before);
    goTo(w, 2);
    QCOMPARE(shownState(w), shownBefore);

    w = restart(app);
    QVERIFY(w);
    pressRedo(w);
    pressRedo(w);
    QTRY_VERIFY(livePair() == after);
    QVERIFY(!redoAction(w)->isEnabled());
    EXPECT_NO_BOX(app);
}

// Without a history file there are no records: the first one added is record 1, also once an
// undo has taken the history away again.
void tst_Undo::firstRecordsOfAFolderWithoutHistory()
{
    testing::AppFixture app;
    app.writeInvestments(Investments);
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    const Pair before = livePair();
    QVERIFY(!app.folder().exists(storage::HistFileName));
    for (int round = 0; round < 2; ++round) {
        addRecord(app, w);
        QCOMPARE(newestSentence(), QStringLiteral("Added record 1 (1/15/2024) to Savings account, First Bank"));
        QCOMPARE(mwtest::shownRecordNumbers(w), QStringList{QStringLiteral("1")});
        pressUndo(w);
        QTRY_VERIFY(livePair() == before);
        QVERIFY(mwtest::rowEmpty(w, 0));
    }
    EXPECT_NO_BOX(app);
}

void tst_Undo::newChangeAfterUndoEndsRedo()
{
    testing::AppFixture app;
    writeExample(app);
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    goTo(w, 2);
    const Pair before = livePair();
    addRecord(app, w);
    pressUndo(w);
    QVERIFY(redoAction(w)->isEnabled());
    editRecord(app, w);
    const Pair edited = livePair();
    QCOMPARE(undoAction(w)->text(), QStringLiteral("&Undo Edit Record"));
    QCOMPARE(redoAction(w)->text(), QStringLiteral("&Redo"));
    QVERIFY(!redoAction(w)->isEnabled());
    pressRedo(w);
    QVERIFY(livePair() == edited);
    pressUndo(w);
    QTRY_VERIFY(livePair() == before);
    // The undone add is not on the way back from here.
    QVERIFY(!undoAction(w)->isEnabled());
    EXPECT_NO_BOX(app);
}

// The top boxes and the grid cells are read-only line edits: they leave Ctrl+Z and Ctrl+Y
// to the window.
void tst_Undo::keysWorkFromTheWindowsBoxes()
{
    testing::AppFixture app;
    writeExample(app);
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    goTo(w, 2);
    const Pair before = livePair();
    editRecord(app, w);
    const Pair after = livePair();

    w->txtInvestment->setFocus();
    QVERIFY(w->txtInvestment->hasFocus());
    QTest::keyClick(w->txtInvestment, Qt::Key_Z, Qt::ControlModifier);
    settle();
    QTRY_VERIFY(livePair() == before);
    QLineEdit *cell = mwtest::cell(w, QStringLiteral("metCurrentAmount"), 1);
    QVERIFY(cell);
    cell->setFocus();
    QTest::keyClick(cell, Qt::Key_Y, Qt::ControlModifier);
    settle();
    QTRY_VERIFY(livePair() == after);
    app.boxes().clear();
}

// The chart and the portfolio read the files again after an undo or redo, as after any change.
void tst_Undo::chartAndPortfolioFollow()
{
    testing::AppFixture app;
    writeExample(app);
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    goTo(w, 2);
    w->mnuViewChart->trigger();
    w->mnuViewPortfolio->trigger();
    ChartWindow *chart = ChartWindow::instance();
    PortfolioWindow *portfolio = PortfolioWindow::instance();
    QVERIFY(chart && portfolio);
    QTRY_COMPARE(int(chart->chart->series().size()), 3);
    const int rows = portfolio->model->rowCount();
    QVERIFY(rows > 0);
    QVERIFY(activeNow(w));

    addRecord(app, w);
    QTRY_COMPARE(int(chart->chart->series().size()), 4);
    QVERIFY(activeNow(w));
    pressUndo(w);
    QTRY_COMPARE(int(chart->chart->series().size()), 3);
    QVERIFY(activeNow(w));
    pressRedo(w);
    QTRY_COMPARE(int(chart->chart->series().size()), 4);

    QVERIFY(activeNow(w));
    deleteInvestment(app, w);
    QTRY_COMPARE(portfolio->model->rowCount(), rows - 1);
    QVERIFY(activeNow(w));
    pressUndo(w);
    QTRY_COMPARE(portfolio->model->rowCount(), rows);
    EXPECT_NO_BOX(app);
}

void tst_Undo::notWhileADialogHoldsTheWindow()
{
    testing::AppFixture app;
    writeExample(app);
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    goTo(w, 2);
    addRecord(app, w);
    const Pair after = livePair();
    QVERIFY(undoAction(w)->isEnabled());

    click(w->cmdAddNew);
    auto *d = openedDialog<frmNewEditData>();
    QVERIFY(d);
    QVERIFY(!w->isEnabled());
    QVERIFY(!undoAction(w)->isEnabled());
    QVERIFY(!menuItem(w, "mnuFileRestoreVersion")->isEnabled() || !w->isEnabled());
    QTest::keyClick(w, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(d, Qt::Key_Z, Qt::ControlModifier);
    ui::versions::undo(w); // even called directly, it leaves a held window alone
    settle();
    QVERIFY(livePair() == after);
    click(d->cmdCancel);
    QVERIFY(backInMainWindow(w));
    QVERIFY(undoAction(w)->isEnabled());
    QCOMPARE(undoAction(w)->text(), QStringLiteral("&Undo Add Record"));
    EXPECT_NO_BOX(app);
}

void tst_Undo::fullDiskWhenTheVersionIsKept_data()
{
    QTest::addColumn<QString>("action");
    QTest::newRow("add record") << QStringLiteral("add record");
    QTest::newRow("add investment") << QStringLiteral("add investment");
    QTest::newRow("delete investment") << QStringLiteral("delete investment");
}

void tst_Undo::fullDiskWhenTheVersionIsKept()
{
    QFETCH(QString, action);
    if (::geteuid() != 0)
        QSKIP("mounting a small tmpfs needs root");
    testing::AppFixture app;
    fulldisk::SmallDisk disk(1024 * 1024);
    if (!disk.isMounted())
        QSKIP("no tmpfs could be mounted here");
    storage::setProgramFolder(disk.out());
    const auto restoreFolder = qScopeGuard([&app] { storage::setProgramFolder(app.folder().dir()); });
    QByteArray invest;
    for (int n = 0; n < Investments.size(); ++n)
        invest += testing::investRecordBytes(n + 1, Investments.at(n).first, Investments.at(n).second);
    QVERIFY(fulldisk::writeFile(disk.outFile(storage::InvestFileName), invest));
    QVERIFY(fulldisk::writeFile(disk.outFile(storage::HistFileName), bytesOf(History)));

    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    const QMap<int, QString> states = shownStates(w);
    goTo(w, 2);
    const Pair before = livePair();
    // Cancel of a new investment shows the last one, as it always has.
    const QString shown = states.value(action == QLatin1String("add investment") ? 3 : 2);
    disk.leaveFree(0);

    // The version cannot be kept: the standard error box, nothing changed.
    if (action == QLatin1String("add record")) {
        click(w->cmdAddNew);
        auto *d = openedDialog<frmNewEditData>();
        QVERIFY(d);
        fillRecord(d);
        click(d->cmdDone);
        EXPECT_ONE_BOX(app, QStringLiteral("Error Number:61\r\nDisk full"), AppTitle, MsgIcon::None, MsgButtons::OK);
        QCOMPARE(frmNewEditData::instance(), d);
        click(d->cmdCancel);
    } else if (action == QLatin1String("add investment")) {
        click(w->cmdAddNewRec);
        auto *d = openedDialog<frmInvestEntry>();
        QVERIFY(d);
        typeInto(d->txtInvestment, QStringLiteral("Gold coins"));
        click(d->cmdDone);
        EXPECT_ONE_BOX(app, QStringLiteral("Error Number:61\r\nDisk full"), AppTitle, MsgIcon::None, MsgButtons::OK);
        QCOMPARE(frmInvestEntry::instance(), d);
        click(d->cmdCancel);
    } else {
        app.boxes().enqueue(MsgResult::Yes);
        click(w->cmdDeleteRec);
        settle();
        QList<MessageBoxCall> shownBoxes = app.boxes().takeCalls();
        QCOMPARE(shownBoxes.size(), 2);
        QVERIFY(shownBoxes.at(0).confirmsDelete);
        QCOMPARE(shownBoxes.at(1).text, QStringLiteral("Error Number:61\r\nDisk full"));
    }
    QVERIFY(backInMainWindow(w));
    QVERIFY(livePair() == before);
    QCOMPARE(shownState(w), shown);
    QCOMPARE(undoAction(w)->text(), QStringLiteral("&Undo"));
    QVERIFY(!undoAction(w)->isEnabled());

    // With room again the same change goes through and is kept.
    disk.removeFiller();
    actionNamed(action)(app, w);
    QVERIFY(livePair() != before);
    QVERIFY(undoAction(w)->isEnabled());
    pressUndo(w);
    QTRY_VERIFY(livePair() == before);
    EXPECT_NO_BOX(app);
}

// Undo cannot put the kept files in place: the standard error box, the files and the window
// as they were, and Undo still offered.
void tst_Undo::fullDiskDuringUndo()
{
    if (::geteuid() != 0)
        QSKIP("mounting a small tmpfs needs root");
    testing::AppFixture app;
    fulldisk::SmallDisk disk(1024 * 1024);
    if (!disk.isMounted())
        QSKIP("no tmpfs could be mounted here");
    storage::setProgramFolder(disk.out());
    const auto restoreFolder = qScopeGuard([&app] { storage::setProgramFolder(app.folder().dir()); });
    QByteArray invest;
    for (int n = 0; n < Investments.size(); ++n)
        invest += testing::investRecordBytes(n + 1, Investments.at(n).first, Investments.at(n).second);
    QStringList history = History;
    for (int n = 0; n < 2000; ++n) // a history of several pages
        history << QStringLiteral("3,#2024-01-01#,%1,%1,1.5").arg(1000 + n);
    QVERIFY(fulldisk::writeFile(disk.outFile(storage::InvestFileName), invest));
    QVERIFY(fulldisk::writeFile(disk.outFile(storage::HistFileName), bytesOf(history)));

    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    goTo(w, 2);
    const Pair before = livePair();
    deleteRecord(app, w);
    const Pair after = livePair();
    QVERIFY(after != before);
    const QString shown = shownState(w);

    disk.leaveFree(0);
    pressUndo(w);
    EXPECT_ONE_BOX(app, QStringLiteral("Error Number:61\r\nDisk full"), AppTitle, MsgIcon::None, MsgButtons::OK);
    QVERIFY(livePair() == after);
    QCOMPARE(shownState(w), shown);
    QCOMPARE(undoAction(w)->text(), QStringLiteral("&Undo Delete Record"));
    QVERIFY(undoAction(w)->isEnabled());
    // The window still reads its files.
    goTo(w, 1);
    goTo(w, 2);
    EXPECT_NO_BOX(app);

    disk.removeFiller();
    pressUndo(w);
    QTRY_VERIFY(livePair() == before);
    EXPECT_NO_BOX(app);
}

// A file where the Versions folder belongs never stops the program: it is set aside, the user
// told, and changes are kept again from there.
void tst_Undo::damagedVersionsFolderIsSetAsideAtStart()
{
    testing::AppFixture app;
    writeExample(app);
    QVERIFY(app.folder().writeBytes(storage::VersionsFolderName, "not a folder"));
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    const QList<MessageBoxCall> shown = app.boxes().takeCalls();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().icon, MsgIcon::Exclamation);
    QCOMPARE(shown.first().title, AppTitle);
    QVERIFY2(shown.first().text.contains(QLatin1String("Recovered")), qPrintable(shown.first().text));
    // What was there is kept, not deleted.
    const QStringList recovered =
        QDir(app.folder().dir()).entryList({QStringLiteral("Recovered*")}, QDir::Dirs | QDir::NoDotAndDotDot);
    QCOMPARE(recovered.size(), 1);
    QVERIFY(QFileInfo(QDir(app.folder().dir()).filePath(storage::VersionsFolderName)).isDir() ||
            !QFileInfo::exists(QDir(app.folder().dir()).filePath(storage::VersionsFolderName)));

    goTo(w, 2);
    const Pair before = livePair();
    addRecord(app, w);
    QCOMPARE(undoAction(w)->text(), QStringLiteral("&Undo Add Record"));
    pressUndo(w);
    QTRY_VERIFY(livePair() == before);
    EXPECT_NO_BOX(app);
}

void tst_Undo::failureAtEachStepOfAChange_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("nth");
    for (const char *action : {"add record", "edit investment", "delete investment"}) {
        for (int step = int(Step::Open); step <= int(Step::Rename); ++step) {
            for (int nth = 1; nth <= 6; ++nth)
                QTest::addRow("%s, step %d, #%d", action, step, nth) << QString::fromLatin1(action) << step << nth;
        }
    }
}

// Whatever step of keeping the version or of the rewrite fails, the files are the old pair or
// the new one, and Undo offers exactly what happened: nothing for the old pair, the change
// (at once or after the next start's recovery) for the new one, undone to the byte.
void tst_Undo::failureAtEachStepOfAChange()
{
    QFETCH(QString, action);
    QFETCH(int, step);
    QFETCH(int, nth);
    testing::AppFixture app;
    writeExample(app);
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    goTo(w, 2);
    const Pair before = livePair();

    storage::faults::failAt(Step(step), nth);
    if (action == QLatin1String("delete investment")) {
        app.boxes().enqueue(MsgResult::Yes);
        click(w->cmdDeleteRec);
        settle();
    } else {
        click(action == QLatin1String("add record") ? w->cmdAddNew : w->cmdEditRec);
        QWidget *d = action == QLatin1String("add record") ? static_cast<QWidget *>(openedDialog<frmNewEditData>())
                                                           : openedDialog<frmInvestEntry>();
        QVERIFY(d);
        if (auto *record = qobject_cast<frmNewEditData *>(d)) {
            fillRecord(record);
            click(record->cmdDone);
        } else {
            auto *entry = qobject_cast<frmInvestEntry *>(d);
            typeInto(entry->txtInstitution, QStringLiteral("Other Bank"));
            click(entry->cmdDone);
        }
        settle();
        if (frmNewEditData *open = frmNewEditData::instance())
            click(open->cmdCancel);
        if (frmInvestEntry *open = frmInvestEntry::instance())
            click(open->cmdCancel);
    }
    storage::faults::clear();
    if (app.quitRequested())
        w = restart(app); // a delete that could not finish ends the program
    QVERIFY(w);
    QVERIFY(backInMainWindow(w));
    app.boxes().clear();

    const Pair now = livePair();
    if (now == before) {
        QVERIFY2(!undoAction(w)->isEnabled(), qPrintable(undoAction(w)->text()));
        w = restart(app);
        QVERIFY(w);
        QVERIFY2(!undoAction(w)->isEnabled(), qPrintable(undoAction(w)->text()));
        QVERIFY(livePair() == before);
        return;
    }
    if (!undoAction(w)->isEnabled())
        w = restart(app);
    QVERIFY(w);
    app.boxes().clear();
    QVERIFY2(undoAction(w)->isEnabled(), qPrintable(undoAction(w)->text()));
    pressUndo(w);
    QTRY_VERIFY(livePair() == before);
    pressRedo(w);
    QTRY_VERIFY(livePair() == now);
}

QTEST_MAIN(tst_Undo)
#include "tst_undo.moc"
