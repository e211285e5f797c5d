// File, Restore Earlier Version… and Restore from Backup…, driven by clicks: the list of
// kept versions, a restore made and undone, a version's records saved as CSV (held to the
// export's), a backup checked completely before anything changes, and pictures of the dialog.
#include "documentopenerdouble.h"
#include "filechooserdouble.h"
#include "palettetesting.h"
#include "versionstesting.h"

#include "ui/versions/versionmenus.h"

#include <QHeaderView>
#include <QProcess>
#include <QTemporaryDir>

using namespace vtest;

namespace {

const QString VersionTitle = QStringLiteral("Restore Earlier Version");
const QString BackupTitle = QStringLiteral("Restore from Backup");

void addRecord(frmInvestData *w, const QString &date, const QString &current)
{
    click(w->cmdAddNew);
    auto *d = openedDialog<frmNewEditData>();
    QVERIFY(d);
    typeInto(d->txtDate, date);
    typeInto(d->metOriginalAmount, QStringLiteral("1000"));
    typeInto(d->txtInflRate, QStringLiteral("2"));
    typeInto(d->metCurrentAmount, current);
    click(d->cmdDone);
    QVERIFY(backInMainWindow(w));
}

RestoreVersionDialog *openRestoreDialog(frmInvestData *w)
{
    QAction *entry = menuItem(w, "mnuFileRestoreVersion");
    if (!entry || !entry->isEnabled())
        return nullptr;
    entry->trigger();
    QCoreApplication::processEvents();
    RestoreVersionDialog *dialog = RestoreVersionDialog::instance();
    if (dialog) [[maybe_unused]]
        const bool exposed = QTest::qWaitForWindowExposed(dialog);
    return dialog;
}

QStringList rowTexts(QTreeWidget *list, int row)
{
    QStringList texts;
    const QTreeWidgetItem *item = list->topLevelItem(row);
    for (int column = 0; item && column < list->columnCount(); ++column)
        texts << item->text(column);
    return texts;
}

void chooseRow(QTreeWidget *list, int row)
{
    QTreeWidgetItem *item = list->topLevelItem(row);
    QVERIFY(item);
    const QRect place = list->visualItemRect(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, place.center());
    QCOMPARE(list->currentItem(), item);
}

// A backup folder as Backup Data Files leaves one: the two files side by side.
void writeBackup(const QString &folder, const QList<QPair<QString, QString>> &investments, const QStringList &history)
{
    QByteArray invest;
    for (int n = 0; n < investments.size(); ++n)
        invest += testing::investRecordBytes(n + 1, investments.at(n).first, investments.at(n).second);
    QFile file(QDir(folder).filePath(storage::InvestFileName));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(invest), invest.size());
    file.close();
    QFile hist(QDir(folder).filePath(storage::HistFileName));
    QVERIFY(hist.open(QIODevice::WriteOnly));
    const QByteArray bytes = bytesOf(history);
    QCOMPARE(hist.write(bytes), bytes.size());
}

} // namespace

class tst_Restore : public QObject
{
    Q_OBJECT

private slots:
    void init() { platform::LocaleServices::setToday(QDate(2026, 12, 7)); }
    void cleanup() { platform::LocaleServices::setToday(QDate()); }

    void listsVersionsNewestFirst();
    void restoreAVersionAndUndoIt();
    void restoreAnsweredNoChangesNothing();
    void saveAVersionsRecordsAsCsv();
    void restoreFromBackupAndUndoIt();
    void damagedBackupIsRefusedWithItsLine_data();
    void damagedBackupIsRefusedWithItsLine();
    void backupAnsweredNoOrCancelledChangesNothing();
    void theDataFolderItselfAsBackup();
    void picturesInLightAndDark();
};

void tst_Restore::listsVersionsNewestFirst()
{
    testing::AppFixture app;
    writeExample(app);
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    QCOMPARE(menuItem(w, "mnuFileRestoreVersion")->text(), QStringLiteral("Restore Earlier &Version…"));
    QCOMPARE(menuItem(w, "mnuFileRestoreBackup")->text(), QStringLiteral("Restore from Bac&kup…"));
    // Both come before Exit, which stays last.
    const QList<QAction *> file = w->mnuFile->actions();
    QCOMPARE(file.last(), w->mnuFileExit);
    QVERIFY(file.indexOf(menuItem(w, "mnuFileRestoreVersion")) < file.indexOf(w->mnuFileExit));

    // Nothing kept yet: an empty list that says so, nothing to restore or save.
    RestoreVersionDialog *d = openRestoreDialog(w);
    QVERIFY(d);
    QCOMPARE(d->tblVersions->topLevelItemCount(), 0);
    QVERIFY(d->lblNoVersions->isVisible());
    QCOMPARE(d->lblNoVersions->text(), QStringLiteral("No earlier versions are kept yet: each change you make from "
                                                      "now on keeps the state before it."));
    QVERIFY(!d->cmdRestore->isEnabled());
    QVERIFY(!d->cmdSaveCsv->isEnabled());
    click(d->cmdClose);
    QTRY_VERIFY(!RestoreVersionDialog::instance());

    goTo(w, 2);
    addRecord(w, QStringLiteral("1/15/2024"), QStringLiteral("1100"));
    addRecord(w, QStringLiteral("2/15/2024"), QStringLiteral("1200"));
    pressUndo(w);

    d = openRestoreDialog(w);
    QVERIFY(d);
    QVERIFY(!d->lblNoVersions->isVisible());
    QCOMPARE(d->windowTitle(), VersionTitle);
    QVERIFY(d->isModal());
    QTreeWidget *list = d->tblVersions;
    QCOMPARE(list->headerItem()->text(0), QStringLiteral("Time"));
    QCOMPARE(list->headerItem()->text(1), QStringLiteral("Change"));
    QCOMPARE(list->headerItem()->text(2), QStringLiteral("Investments"));
    QCOMPARE(list->headerItem()->text(3), QStringLiteral("Records"));

    const storage::VersionStore store(storage::programFolder());
    const QList<storage::VersionInfo> versions = store.list();
    QCOMPARE(list->topLevelItemCount(), versions.size());
    QVERIFY(versions.size() >= 2);
    for (int row = 1; row < versions.size(); ++row)
        QVERIFY(versions.at(row - 1).time >= versions.at(row).time);
    int current = -1;
    for (int row = 0; row < versions.size(); ++row) {
        const storage::VersionInfo &v = versions.at(row);
        const QStringList texts = rowTexts(list, row);
        QCOMPARE(texts.at(0), RestoreVersionDialog::timeText(v.time));
        QCOMPARE(texts.at(1), storage::changeSentence(v.change, &RestoreVersionDialog::dateText));
        QCOMPARE(texts.at(2), QString::number(v.investments));
        QCOMPARE(texts.at(3), QString::number(v.records));
        QCOMPARE(texts.at(4), v.current ? QStringLiteral("Current") : v.undone ? QStringLiteral("Undone") : QString());
        if (v.current)
            current = row;
    }
    // The second add was undone: the first add's state is current, the second is listed.
    const QStringList newest = rowTexts(list, 0);
    QCOMPARE(newest.at(1), QStringLiteral("Added record 5 (2/15/2024) to Index fund, Second Bank"));
    QCOMPARE(newest.at(3), QStringLiteral("7"));
    QCOMPARE(newest.at(4), QStringLiteral("Undone"));
    QVERIFY(current > 0);
    QCOMPARE(rowTexts(list, current).at(1), QStringLiteral("Added record 4 (1/15/2024) to Index fund, Second Bank"));
    QCOMPARE(rowTexts(list, current).at(2), QStringLiteral("3"));
    QCOMPARE(rowTexts(list, current).at(3), QStringLiteral("6"));
    QVERIFY(list->topLevelItem(current)->font(1).bold());
    // The current one is chosen at first; restoring it would change nothing.
    QCOMPARE(list->currentItem(), list->topLevelItem(current));
    QVERIFY(!d->cmdRestore->isEnabled());
    QVERIFY(d->cmdSaveCsv->isEnabled());
    chooseRow(list, 0);
    QVERIFY(d->cmdRestore->isEnabled());
    click(d->cmdClose);
    QTRY_VERIFY(!RestoreVersionDialog::instance());
    EXPECT_NO_BOX(app);
}

void tst_Restore::restoreAVersionAndUndoIt()
{
    testing::AppFixture app;
    writeExample(app);
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    goTo(w, 2);
    const QString shownFirst = shownState(w);
    const Pair original = livePair();
    addRecord(w, QStringLiteral("1/15/2024"), QStringLiteral("1100"));
    const Pair first = livePair();
    const QString shownAfterFirst = shownState(w);
    addRecord(w, QStringLiteral("2/15/2024"), QStringLiteral("1200"));
    const Pair second = livePair();

    RestoreVersionDialog *d = openRestoreDialog(w);
    QVERIFY(d);
    QTreeWidget *list = d->tblVersions;
    int row = -1;
    for (int r = 0; r < list->topLevelItemCount(); ++r) {
        if (rowTexts(list, r).at(1) == QLatin1String("Added record 4 (1/15/2024) to Index fund, Second Bank"))
            row = r;
    }
    QVERIFY(row >= 0);
    const QString time = rowTexts(list, row).at(0);
    chooseRow(list, row);
    app.boxes().enqueue(MsgResult::Yes);
    click(d->cmdRestore);
    EXPECT_ONE_BOX(app,
                   QStringLiteral("Make the version of %1 your data again?\r\n"
                                  "Added record 4 (1/15/2024) to Index fund, Second Bank\r\n"
                                  "Your data as it is now is kept: Edit, Undo brings it back.")
                       .arg(time),
                   VersionTitle, MsgIcon::Question, MsgButtons::YesNo);
    QTRY_VERIFY(!RestoreVersionDialog::instance());
    QVERIFY(livePair() == first);
    QCOMPARE(shownState(w), shownAfterFirst);
    QCOMPARE(undoAction(w)->text(), QStringLiteral("&Undo Restore Version"));

    QVERIFY(undoAction(w)->isEnabled());
    QVERIFY2(w->isActiveWindow(), "main window not active");
    pressUndo(w);
    QVERIFY2(app.boxes().texts().isEmpty(), qPrintable(app.boxes().texts().join(QLatin1Char('|'))));
    QTRY_VERIFY(livePair() == second);
    pressRedo(w);
    QTRY_VERIFY(livePair() == first);

    // Undo goes back past the restore and both adds to the files as they were.
    pressUndo(w);
    pressUndo(w);
    pressUndo(w);
    QTRY_VERIFY(livePair() == original);
    QCOMPARE(shownState(w), shownFirst);
    QCOMPARE(strayFiles(app), QStringList());
}

void tst_Restore::restoreAnsweredNoChangesNothing()
{
    testing::AppFixture app;
    writeExample(app);
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    goTo(w, 2);
    addRecord(w, QStringLiteral("1/15/2024"), QStringLiteral("1100"));
    addRecord(w, QStringLiteral("2/15/2024"), QStringLiteral("1200"));
    const Pair second = livePair();
    RestoreVersionDialog *d = openRestoreDialog(w);
    QVERIFY(d);
    chooseRow(d->tblVersions, 1);
    QVERIFY(d->cmdRestore->isEnabled());
    app.boxes().enqueue(MsgResult::No);
    click(d->cmdRestore);
    QCOMPARE(app.boxes().takeCalls().size(), 1);
    QCOMPARE(RestoreVersionDialog::instance(), d);
    QVERIFY(livePair() == second);
    QCOMPARE(undoAction(w)->text(), QStringLiteral("&Undo Add Record"));
    // Escape closes it like Close.
    QTest::keyClick(d, Qt::Key_Escape);
    QTRY_VERIFY(!RestoreVersionDialog::instance());
}

void tst_Restore::saveAVersionsRecordsAsCsv()
{
    testing::AppFixture app;
    writeExample(app);
    testing::ScriptedFileChooser chooser;
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    goTo(w, 2);
    addRecord(w, QStringLiteral("1/15/2024"), QStringLiteral("1100"));
    // The state to save, copied aside for the export to read.
    QTemporaryDir copy;
    QVERIFY(QFile::copy(app.folder().path(storage::InvestFileName), copy.filePath(storage::InvestFileName)));
    QVERIFY(QFile::copy(app.folder().path(storage::HistFileName), copy.filePath(storage::HistFileName)));
    const Pair first = livePair();
    addRecord(w, QStringLiteral("2/15/2024"), QStringLiteral("1200"));
    const Pair second = livePair();

    RestoreVersionDialog *d = openRestoreDialog(w);
    QVERIFY(d);
    chooseRow(d->tblVersions, 1);
    QTemporaryDir out;
    const QString target = out.filePath(QStringLiteral("older.csv"));
    chooser.enqueue(target);
    click(d->cmdSaveCsv);
    QCOMPARE(chooser.calls().size(), 1);
    QCOMPARE(chooser.calls().first().caption, QStringLiteral("Save Records of the Version as CSV"));
    QCOMPARE(chooser.calls().first().filter, QStringLiteral("CSV files (*.csv)"));
    QVERIFY(chooser.calls().first().save);
    EXPECT_NO_BOX(app);

    QProcess tool;
    tool.start(QStringLiteral(PLUMBLINE_EXPORT_BIN), {QStringLiteral("--data-dir"), copy.path()});
    QVERIFY(tool.waitForFinished(60000));
    QCOMPARE(tool.exitCode(), 0);
    const QByteArray expected = tool.readAllStandardOutput();
    QVERIFY(expected.count("\r\n") == 7); // the header and six records
    QFile saved(target);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), expected);
    // Nothing of the data changed, and the dialog is still open.
    QVERIFY(livePair() == second);
    QVERIFY(livePair() != first);
    QCOMPARE(RestoreVersionDialog::instance(), d);

    // Never over a data file.
    chooser.enqueue(app.folder().path(storage::HistFileName));
    click(d->cmdSaveCsv);
    const QList<MessageBoxCall> shown = app.boxes().takeCalls();
    QCOMPARE(shown.size(), 1);
    QVERIFY2(shown.first().text.startsWith(QLatin1String("Error Number:75\r\n")), qPrintable(shown.first().text));
    QVERIFY(livePair() == second);
    // Cancelled: nothing written, nothing said.
    click(d->cmdSaveCsv);
    EXPECT_NO_BOX(app);

    // Show hands the same records, in a private file outside the data folder, to the
    // desktop's program for CSV files.
    testing::RecordingDocumentOpener opener;
    click(d->cmdShow);
    EXPECT_NO_BOX(app);
    QCOMPARE(opener.opened.size(), 1);
    const QString shownPath = opener.opened.first();
    QVERIFY(!shownPath.startsWith(app.folder().dir()));
    QFile shownFile(shownPath);
    QVERIFY(shownFile.open(QIODevice::ReadOnly));
    QCOMPARE(shownFile.readAll(), expected);
    QCOMPARE(int(shownFile.permissions() & (QFile::ReadGroup | QFile::ReadOther)), 0);
    shownFile.close();
    QVERIFY(QFile::remove(shownPath));
    // Without such a program the user is told, and no file is left behind.
    opener.answer = false;
    click(d->cmdShow);
    const QList<MessageBoxCall> told = app.boxes().takeCalls();
    QCOMPARE(told.size(), 1);
    QCOMPARE(told.first().text, QStringLiteral("The desktop has no program to show CSV files. Save Records as CSV "
                                               "writes the version's records to a file of your choice."));
    QCOMPARE(opener.opened.size(), 2);
    QVERIFY(!QFile::exists(opener.opened.last()));
    QVERIFY(livePair() == second);
    click(d->cmdClose);
}

void tst_Restore::restoreFromBackupAndUndoIt()
{
    testing::AppFixture app;
    writeExample(app);
    testing::ScriptedFileChooser chooser;
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    goTo(w, 3);
    const Pair before = livePair();
    QTemporaryDir backup;
    writeBackup(backup.path(), {{QStringLiteral("Pension"), QStringLiteral("Fourth Bank")}},
                {QStringLiteral("1,#2021-03-05#,100,100,0"), QStringLiteral("1,#2022-11-30#,100,120,4.5")});
    const Pair held = pairIn(backup.path());

    chooser.enqueue(backup.path());
    app.boxes().enqueue(MsgResult::Yes);
    menuItem(w, "mnuFileRestoreBackup")->trigger();
    settle();
    QCOMPARE(chooser.calls().size(), 1);
    QVERIFY(chooser.calls().first().folder);
    QCOMPARE(chooser.calls().first().caption, QStringLiteral("Choose the Folder of the Backup"));
    EXPECT_ONE_BOX(app,
                   QStringLiteral("The backup in \"%1\" holds 1 investment and 2 data records, the newest dated "
                                  "11/30/2022.\r\n"
                                  "Make it your data? Your data as it is now is kept: Edit, Undo brings it back.")
                       .arg(QDir::toNativeSeparators(backup.path())),
                   BackupTitle, MsgIcon::Question, MsgButtons::YesNo);
    QVERIFY(livePair() == held);
    // Investment 3 is gone: the first is shown.
    QCOMPARE(w->lblInvestRecNum->text(), QStringLiteral("1"));
    QCOMPARE(w->txtInvestment->text().trimmed(), QStringLiteral("Pension"));
    QCOMPARE(mwtest::shownRecordNumbers(w), mwtest::range(1, 2));
    QVERIFY(!w->cmdNext->isEnabled());
    QCOMPARE(undoAction(w)->text(), QStringLiteral("&Undo Restore Backup"));
    // The backup itself is untouched.
    QVERIFY(pairIn(backup.path()) == held);

    pressUndo(w);
    QTRY_VERIFY(livePair() == before);
    QCOMPARE(w->lblInvestRecNum->text(), QStringLiteral("1"));
    QVERIFY(w->cmdNext->isEnabled());
    pressRedo(w);
    QTRY_VERIFY(livePair() == held);
    EXPECT_NO_BOX(app);
    QCOMPARE(strayFiles(app), QStringList());
}

void tst_Restore::damagedBackupIsRefusedWithItsLine_data()
{
    QTest::addColumn<QStringList>("history");
    QTest::addColumn<int>("line");
    QTest::newRow("text for an amount") << QStringList{QStringLiteral("1,#2021-03-05#,100,100,0"),
                                                       QStringLiteral("1,#2021-04-05#,100,100,0"),
                                                       QStringLiteral("1,#2022-11-30#,abc,120,4.5")}
                                        << 3;
    QTest::newRow("a date that is none") << QStringList{QStringLiteral("1,#2021-03-05#,100,100,0"),
                                                        QStringLiteral("1,#2021-13-45#,100,100,0")}
                                         << 2;
    QTest::newRow("cut short") << QStringList{QStringLiteral("1,#2021-03-05#,100,100,0"), QStringLiteral("1,#2021")}
                               << 2;
}

void tst_Restore::damagedBackupIsRefusedWithItsLine()
{
    QFETCH(QStringList, history);
    QFETCH(int, line);
    testing::AppFixture app;
    writeExample(app);
    testing::ScriptedFileChooser chooser;
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    goTo(w, 2);
    const Pair before = livePair();
    const QString shown = shownState(w);
    QTemporaryDir backup;
    writeBackup(backup.path(), {{QStringLiteral("Pension"), QStringLiteral("Fourth Bank")}}, history);

    chooser.enqueue(backup.path());
    menuItem(w, "mnuFileRestoreBackup")->trigger();
    settle();
    const QList<MessageBoxCall> boxes = app.boxes().takeCalls();
    QCOMPARE(boxes.size(), 1); // no question: nothing is offered
    const MessageBoxCall &box = boxes.first();
    QCOMPARE(box.title, BackupTitle);
    QCOMPARE(box.icon, MsgIcon::Exclamation);
    QCOMPARE(box.buttons, MsgButtons::OK);
    QVERIFY2(box.text.startsWith(QStringLiteral("The backup in \"%1\" cannot be restored:\r\n")
                                     .arg(QDir::toNativeSeparators(backup.path()))),
             qPrintable(box.text));
    QVERIFY2(box.text.contains(QStringLiteral("line %1").arg(line)), qPrintable(box.text));
    QVERIFY(box.text.endsWith(QLatin1String("\r\nYour data files are unchanged.")));
    QVERIFY(livePair() == before);
    QCOMPARE(shownState(w), shown);
    QCOMPARE(undoAction(w)->text(), QStringLiteral("&Undo"));
}

void tst_Restore::backupAnsweredNoOrCancelledChangesNothing()
{
    testing::AppFixture app;
    writeExample(app);
    testing::ScriptedFileChooser chooser;
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    const Pair before = livePair();
    QTemporaryDir backup;
    writeBackup(backup.path(), {{QStringLiteral("Pension"), QStringLiteral("Fourth Bank")}}, {});

    // Cancelled in the chooser.
    menuItem(w, "mnuFileRestoreBackup")->trigger();
    settle();
    EXPECT_NO_BOX(app);
    // Answered No.
    chooser.enqueue(backup.path());
    app.boxes().enqueue(MsgResult::No);
    menuItem(w, "mnuFileRestoreBackup")->trigger();
    settle();
    EXPECT_ONE_BOX(app,
                   QStringLiteral("The backup in \"%1\" holds 1 investment and no data records.\r\n"
                                  "Make it your data? Your data as it is now is kept: Edit, Undo brings it back.")
                       .arg(QDir::toNativeSeparators(backup.path())),
                   BackupTitle, MsgIcon::Question, MsgButtons::YesNo);
    // A folder without the data files.
    QTemporaryDir empty;
    chooser.enqueue(empty.path());
    menuItem(w, "mnuFileRestoreBackup")->trigger();
    settle();
    const QList<MessageBoxCall> boxes = app.boxes().takeCalls();
    QCOMPARE(boxes.size(), 1);
    QVERIFY2(
        boxes.first().text.startsWith(
            QStringLiteral("The backup in \"%1\" cannot be restored:\r\n").arg(QDir::toNativeSeparators(empty.path()))),
        qPrintable(boxes.first().text));
    QVERIFY(livePair() == before);
    QVERIFY(!undoAction(w)->isEnabled());
}

// The data folder named as the backup, directly or through a link, is refused: it holds the
// files in use, not a backup.
void tst_Restore::theDataFolderItselfAsBackup()
{
    testing::AppFixture app;
    writeExample(app);
    testing::ScriptedFileChooser chooser;
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    goTo(w, 2);
    addRecord(w, QStringLiteral("1/15/2024"), QStringLiteral("1100"));
    const Pair live = livePair();
    QTemporaryDir links;
    const QString link = links.filePath(QStringLiteral("data"));
    QVERIFY(QFile::link(app.folder().dir(), link));
    for (const QString &folder : {app.folder().dir(), link}) {
        chooser.enqueue(folder);
        menuItem(w, "mnuFileRestoreBackup")->trigger();
        settle();
        EXPECT_ONE_BOX(app,
                       QStringLiteral("\"%1\" is the data folder Plumbline 3.5 works with, not a backup.\r\n"
                                      "Choose the folder your backup copies are in.")
                           .arg(QDir::toNativeSeparators(folder)),
                       BackupTitle, MsgIcon::Exclamation, MsgButtons::OK);
        QVERIFY(livePair() == live);
        QCOMPARE(strayFiles(app), QStringList());
        QVERIFY(QFileInfo(link).isSymLink());
    }
    QCOMPARE(undoAction(w)->text(), QStringLiteral("&Undo Add Record"));
}

void tst_Restore::picturesInLightAndDark()
{
    testing::AppFixture app;
    writeExample(app);
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    RestoreVersionDialog *d = openRestoreDialog(w);
    QVERIFY(d);
    palettetest::grabLightAndDark(d, QStringLiteral("restoreversion-empty"));
    click(d->cmdClose);
    QTRY_VERIFY(!RestoreVersionDialog::instance());

    goTo(w, 2);
    addRecord(w, QStringLiteral("1/15/2024"), QStringLiteral("1100"));
    addRecord(w, QStringLiteral("2/15/2024"), QStringLiteral("1200"));
    pressUndo(w);
    d = openRestoreDialog(w);
    QVERIFY(d);
    chooseRow(d->tblVersions, 0);
    // Every column's text fits without being cut.
    for (int column = 0; column < d->tblVersions->columnCount(); ++column) {
        if (column == 1)
            continue;
        QVERIFY(d->tblVersions->header()->sectionSize(column) >=
                d->tblVersions->fontMetrics().horizontalAdvance(d->tblVersions->topLevelItem(0)->text(column)));
    }
    palettetest::grabLightAndDark(d, QStringLiteral("restoreversion"));
    click(d->cmdClose);
}

QTEST_MAIN(tst_Restore)
#include "tst_restore.moc"
