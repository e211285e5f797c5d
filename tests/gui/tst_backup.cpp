// Backing up the two data files.
#include "appfixture.h"

#include "core/plmainmod.h"
#include "platform/messagebox.h"
#include "storage/datafolder.h"
#include "storage/faults.h"
#include "ui/dialogs/frminvestentry.h"
#include "ui/dialogs/frmneweditdata.h"
#include "ui/main/frminvestdata.h"
#include "ui/maskededit.h"
#include "ui/tools/frmbackupfiles.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using platform::MsgButtons;
using platform::MsgIcon;

namespace {

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void click(QWidget *widget)
{
    QVERIFY(widget);
    QVERIFY(widget->isVisible());
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
    QCoreApplication::processEvents();
}

void typeInto(QLineEdit *box, const QString &text)
{
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

QStringList entries(const QString &dir)
{
    return QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

struct BackupFixture
{
    testing::AppFixture app;
    frmInvestData *main = nullptr;
    QTemporaryDir target;
    QByteArray liveInvest;
    QByteArray liveHistory;

    BackupFixture()
    {
        app.writeInvestments({{QStringLiteral("Mutual fund"), QStringLiteral("First Bank")},
                              {QStringLiteral("Savings account"), QStringLiteral("Credit Union")},
                              {QStringLiteral("Bond"), QStringLiteral("Treasury")}});
        app.writeHistory({QStringLiteral("1,#2001-01-02#,10000,10000,0"), QStringLiteral("2,#2001-06-30#,2500,2500,0"),
                          QStringLiteral("1,#2002-01-02#,10000,10800,1.6"),
                          QStringLiteral("2,#2002-06-30#,2500,2562.5,2.1"),
                          QStringLiteral("3,#2003-03-12#,2500.75,2600,0")});
        liveInvest = app.investBytes();
        liveHistory = app.historyBytes();
        main = app.startMainWindow();
    }

    frmBackupFiles *open()
    {
        main->mnuFileBackup->trigger();
        return frmBackupFiles::instance();
    }

    bool liveUnchanged() const { return app_investBytes() == liveInvest && app_historyBytes() == liveHistory; }
    QByteArray app_investBytes() const { return const_cast<testing::AppFixture &>(app).investBytes(); }
    QByteArray app_historyBytes() const { return const_cast<testing::AppFixture &>(app).historyBytes(); }
    // Only the two data files (and the grid's page file and the lock) in the live folder.
    QStringList liveFolderFiles() const { return entries(storage::programFolder()); }
};

} // namespace

class tst_backup : public QObject
{
    Q_OBJECT

private slots:
    void dialogOpensInFirstStage();
    void fullBackupCopiesBothFilesExactly();
    void pathWithBlanks();
    void trailingSeparator();
    void exitExitWritesNothing();
    void missingTargetFolderIsReported();
    void liveFolderIsRefused();
    void olderCopyIsReplacedWhole();
    void failedCopyKeepsTheOlderOne();
    void frameAndEscape();
    void laterEditsGoToTheLiveFiles();
};

void tst_backup::dialogOpensInFirstStage()
{
    BackupFixture f;
    QVERIFY(f.main);
    const QString shownType = f.main->txtInvestment->text();
    frmBackupFiles *form = f.open();
    QVERIFY(form && form->isVisible());
    QVERIFY(!f.main->isEnabled());
    QVERIFY(f.main->isVisible());
    QCOMPARE(form->windowTitle(), QStringLiteral("Backup Data Files"));
    QCOMPARE(form->size(), QSize(392, 128));
    QCOMPARE(form->lblBackupDesc->text(), QStringLiteral("The Investment Information file"));
    QCOMPARE(form->lblBackup->text(), QStringLiteral("Copying:"));
    QCOMPARE(form->lblPath->text(), QStringLiteral("In (Path):"));
    QCOMPARE(form->txtOrigFile->text(),
             QDir::toNativeSeparators(storage::programFile(QStringLiteral("PlumblineData"))));
    QVERIFY(form->txtOrigFile->isReadOnly());
    QVERIFY(!(form->txtOrigFile->focusPolicy() & Qt::TabFocus));
    QVERIFY(form->txtFileName->isReadOnly());
    QVERIFY(!(form->txtFileName->focusPolicy() & Qt::TabFocus));
    // Without drive letters: the home folder, and a file name that begins with the separator.
    QCOMPARE(form->txtBackupPath->text(), QDir::toNativeSeparators(QDir::homePath()));
    QCOMPARE(form->txtFileName->text(), QStringLiteral("/PlumblineData"));
    QVERIFY(QTest::qWaitForWindowActive(form));
    QCOMPARE(QApplication::focusWidget(), form->txtBackupPath);
    QVERIFY(form->cmdSave->isDefault());
    QCOMPARE(form->cmdSave->text(), QStringLiteral("&Save"));
    QCOMPARE(form->cmdExit->text(), QStringLiteral("E&xit"));
    // Tab goes from the path to Save and Exit only.
    QTest::keyClick(form->txtBackupPath, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), form->cmdSave);
    QTest::keyClick(form->cmdSave, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), form->cmdExit);
    QTest::keyClick(form->cmdExit, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), form->txtBackupPath);

    form->txtBackupPath->setText(f.target.path());
    const QString shots = qEnvironmentVariable("PLUMBLINE_SCREENSHOTS_DIR");
    if (!shots.isEmpty()) {
        form->txtBackupPath->setText(QStringLiteral("/media/backup"));
        form->grab().save(QDir(shots).filePath(QStringLiteral("backup.png")));
    }
    QCOMPARE(f.main->txtInvestment->text(), shownType);
}

void tst_backup::fullBackupCopiesBothFilesExactly()
{
    BackupFixture f;
    QVERIFY(f.main);
    f.main->cmdNext->click();
    const int shownNumber = modPlMainMod::intInvestRecNum;
    const QString shownType = modPlMainMod::strInvestType;
    frmBackupFiles *form = f.open();
    QVERIFY(form);
    typeInto(form->txtBackupPath, f.target.path());

    click(form->cmdSave);
    QCOMPARE(readFile(f.target.filePath(QStringLiteral("PlumblineData"))), f.liveInvest);
    QCOMPARE(entries(f.target.path()), QStringList{QStringLiteral("PlumblineData")});
    QCOMPARE(frmBackupFiles::instance(), form);
    QCOMPARE(form->lblBackupDesc->text(), QStringLiteral("The Investment Information file"));
    QVERIFY(!modPlMainMod::blnBackupMode);

    click(form->cmdExit);
    QCOMPARE(form->lblBackupDesc->text(), QStringLiteral("The Investment Data file"));
    QCOMPARE(form->txtOrigFile->text(),
             QDir::toNativeSeparators(storage::programFile(QStringLiteral("PlDataHist.txt"))));
    QCOMPARE(form->txtFileName->text(), QStringLiteral("/PlDataHist.txt"));
    QCOMPARE(form->txtBackupPath->text(), f.target.path());
    QCOMPARE(QApplication::focusWidget(), form->txtBackupPath);
    QVERIFY(!f.main->isEnabled());

    click(form->cmdSave);
    QCOMPARE(readFile(f.target.filePath(QStringLiteral("PlDataHist.txt"))), f.liveHistory);
    // Save again rewrites the copy from the start.
    click(form->cmdSave);
    QCOMPARE(readFile(f.target.filePath(QStringLiteral("PlDataHist.txt"))), f.liveHistory);
    QCOMPARE(entries(f.target.path()),
             (QStringList{QStringLiteral("PlDataHist.txt"), QStringLiteral("PlumblineData")}));

    click(form->cmdExit);
    QCOMPARE(frmBackupFiles::instance(), nullptr);
    QVERIFY(f.main->isEnabled());
    QVERIFY(f.app.boxes().calls().isEmpty());
    QVERIFY(f.liveUnchanged());
    QVERIFY(!f.liveFolderFiles().contains(QStringLiteral("TempData.txt")));
    // The main window goes on with the investment it showed.
    QCOMPARE(int(modPlMainMod::intInvestRecNum), shownNumber);
    QCOMPARE(modPlMainMod::strInvestType, shownType);
    QVERIFY(QTest::qWaitForWindowActive(f.main));
}

void tst_backup::pathWithBlanks()
{
    BackupFixture f;
    QVERIFY(f.main);
    const QString folder = f.target.filePath(QStringLiteral("my backup"));
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(QDir().mkpath(folder + QLatin1Char(' ')));
    frmBackupFiles *form = f.open();
    QVERIFY(form);

    // Leading and trailing blanks go for the investment copy...
    typeInto(form->txtBackupPath, QStringLiteral("  ") + folder + QLatin1Char(' '));
    click(form->cmdSave);
    QCOMPARE(readFile(folder + QStringLiteral("/PlumblineData")), f.liveInvest);

    // ...but stay in the history copy's path: with only the trailing blank the copy
    // lands in the folder whose name ends in a blank.
    click(form->cmdExit);
    typeInto(form->txtBackupPath, folder + QLatin1Char(' '));
    click(form->cmdSave);
    QVERIFY(f.app.boxes().calls().isEmpty());
    QCOMPARE(readFile(folder + QStringLiteral(" /PlDataHist.txt")), f.liveHistory);
    QVERIFY(!QFile::exists(folder + QStringLiteral("/PlDataHist.txt")));

    // A leading blank makes another path, which does not exist.
    typeInto(form->txtBackupPath, QStringLiteral(" ") + folder);
    click(form->cmdSave);
    QCOMPARE(f.app.boxes().calls().size(), 1);
    QCOMPARE(f.app.boxes().lastCall().text,
             QStringLiteral("The folder \" %1\" does not exist.\r\nPlease type the path of an existing folder and try "
                            "again.")
                 .arg(folder));
    QVERIFY(!QFile::exists(folder + QStringLiteral("/PlDataHist.txt")));
    QVERIFY(f.liveUnchanged());
}

void tst_backup::trailingSeparator()
{
    BackupFixture f;
    QVERIFY(f.main);
    frmBackupFiles *form = f.open();
    QVERIFY(form);
    typeInto(form->txtBackupPath, f.target.path() + QLatin1Char('/'));
    click(form->cmdSave);
    QCOMPARE(modPlMainMod::strInvestBackupPath, f.target.path() + QStringLiteral("//PlumblineData"));
    click(form->cmdExit);
    click(form->cmdSave);
    QCOMPARE(modPlMainMod::strHistBackupPath, f.target.path() + QStringLiteral("//PlDataHist.txt"));
    click(form->cmdExit);
    QVERIFY(f.app.boxes().calls().isEmpty());
    QCOMPARE(readFile(f.target.filePath(QStringLiteral("PlumblineData"))), f.liveInvest);
    QCOMPARE(readFile(f.target.filePath(QStringLiteral("PlDataHist.txt"))), f.liveHistory);
    QVERIFY(f.liveUnchanged());
}

void tst_backup::exitExitWritesNothing()
{
    BackupFixture f;
    QVERIFY(f.main);
    const QStringList liveFiles = f.liveFolderFiles();
    frmBackupFiles *form = f.open();
    QVERIFY(form);
    typeInto(form->txtBackupPath, f.target.path());
    click(form->cmdExit);
    QCOMPARE(frmBackupFiles::instance(), form);
    click(form->cmdExit);
    QCOMPARE(frmBackupFiles::instance(), nullptr);
    QVERIFY(f.main->isEnabled());
    QVERIFY(entries(f.target.path()).isEmpty());
    QVERIFY(f.app.boxes().calls().isEmpty());
    QVERIFY(f.liveUnchanged());
    QCOMPARE(f.liveFolderFiles(), liveFiles);
    QVERIFY(modPlMainMod::strInvestBackupPath.isEmpty());
    QVERIFY(modPlMainMod::strHistBackupPath.isEmpty());
}

void tst_backup::missingTargetFolderIsReported()
{
    BackupFixture f;
    QVERIFY(f.main);
    const QStringList liveFiles = f.liveFolderFiles();
    const QString missing = f.target.filePath(QStringLiteral("no such folder"));
    frmBackupFiles *form = f.open();
    QVERIFY(form);
    typeInto(form->txtBackupPath, missing);
    click(form->cmdSave);
    QCOMPARE(f.app.boxes().calls().size(), 1);
    platform::MessageBoxCall box = f.app.boxes().lastCall();
    QCOMPARE(box.text, QStringLiteral("The folder \"%1\" does not exist.\r\n"
                                      "Please type the path of an existing folder and try again.")
                           .arg(missing));
    QCOMPARE(box.icon, MsgIcon::Exclamation);
    QCOMPARE(box.buttons, MsgButtons::OK);
    QCOMPARE(box.title, platform::AppTitle);
    QCOMPARE(frmBackupFiles::instance(), form);
    QCOMPARE(form->lblBackupDesc->text(), QStringLiteral("The Investment Information file"));
    QCOMPARE(QApplication::focusWidget(), form->txtBackupPath);
    QVERIFY(!f.main->isEnabled());
    QVERIFY(!modPlMainMod::blnBackupMode);

    // The same in the second stage.
    click(form->cmdExit);
    click(form->cmdSave);
    QCOMPARE(f.app.boxes().calls().size(), 2);
    QCOMPARE(f.app.boxes().lastCall().text, box.text);
    QCOMPARE(frmBackupFiles::instance(), form);
    QCOMPARE(form->lblBackupDesc->text(), QStringLiteral("The Investment Data file"));

    QVERIFY(!QFileInfo::exists(missing));
    QVERIFY(entries(f.target.path()).isEmpty());
    QVERIFY(f.liveUnchanged());
    QCOMPARE(f.liveFolderFiles(), liveFiles);

    // Corrected, the copy goes through.
    typeInto(form->txtBackupPath, f.target.path());
    click(form->cmdSave);
    QCOMPARE(readFile(f.target.filePath(QStringLiteral("PlDataHist.txt"))), f.liveHistory);
    QCOMPARE(f.app.boxes().calls().size(), 2);
}

void tst_backup::liveFolderIsRefused()
{
    BackupFixture f;
    QVERIFY(f.main);
    frmBackupFiles *form = f.open();
    QVERIFY(form);
    typeInto(form->txtBackupPath, storage::programFolder() + QStringLiteral("/."));
    click(form->cmdSave);
    QCOMPARE(f.app.boxes().calls().size(), 1);
    QCOMPARE(f.app.boxes().lastCall().text,
             QStringLiteral("The backup copy cannot be written over the program's own data file.\r\n"
                            "Please choose another folder."));
    click(form->cmdExit);
    click(form->cmdSave);
    QCOMPARE(f.app.boxes().calls().size(), 2);
    QVERIFY(f.liveUnchanged());
    // The investment file is still the open live file.
    QCOMPARE(int(modPlMainMod::intInvestRecCount), 3);
}

void tst_backup::olderCopyIsReplacedWhole()
{
    BackupFixture f;
    QVERIFY(f.main);
    QFile old(f.target.filePath(QStringLiteral("PlumblineData")));
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(1020, 'x'));
    old.close();
    QFile oldHistory(f.target.filePath(QStringLiteral("PlDataHist.txt")));
    QVERIFY(oldHistory.open(QIODevice::WriteOnly));
    oldHistory.write(QByteArray(5000, 'y'));
    oldHistory.close();

    frmBackupFiles *form = f.open();
    QVERIFY(form);
    typeInto(form->txtBackupPath, f.target.path());
    click(form->cmdSave);
    click(form->cmdExit);
    click(form->cmdSave);
    click(form->cmdExit);
    QCOMPARE(readFile(f.target.filePath(QStringLiteral("PlumblineData"))), f.liveInvest);
    QCOMPARE(readFile(f.target.filePath(QStringLiteral("PlDataHist.txt"))), f.liveHistory);
    // No work files left behind.
    QCOMPARE(entries(f.target.path()),
             (QStringList{QStringLiteral("PlDataHist.txt"), QStringLiteral("PlumblineData")}));
}

void tst_backup::failedCopyKeepsTheOlderOne()
{
    BackupFixture f;
    QVERIFY(f.main);
    const QByteArray oldInvest(306, 'x');
    const QByteArray oldHistory("old history\r\n");
    QFile a(f.target.filePath(QStringLiteral("PlumblineData")));
    QVERIFY(a.open(QIODevice::WriteOnly) && a.write(oldInvest) == oldInvest.size());
    a.close();
    QFile b(f.target.filePath(QStringLiteral("PlDataHist.txt")));
    QVERIFY(b.open(QIODevice::WriteOnly) && b.write(oldHistory) == oldHistory.size());
    b.close();

    frmBackupFiles *form = f.open();
    QVERIFY(form);
    typeInto(form->txtBackupPath, f.target.path());
    // The finished copy cannot be put in place of the old one.
    storage::faults::failAt(storage::faults::Step::Rename, 1);
    click(form->cmdSave);
    storage::faults::clear();
    QCOMPARE(f.app.boxes().calls().size(), 1);
    const platform::MessageBoxCall box = f.app.boxes().lastCall();
    QVERIFY2(box.text.startsWith(QLatin1String("Error Number:57\r\n")), qPrintable(box.text));
    QCOMPARE(box.icon, MsgIcon::None);
    QCOMPARE(box.buttons, MsgButtons::OK);
    QCOMPARE(box.title, platform::AppTitle);
    QVERIFY(!modPlMainMod::blnBackupMode);
    QCOMPARE(frmBackupFiles::instance(), form);
    QCOMPARE(form->lblBackupDesc->text(), QStringLiteral("The Investment Information file"));

    click(form->cmdExit);
    storage::faults::failAt(storage::faults::Step::Write, 1);
    click(form->cmdSave);
    storage::faults::clear();
    QCOMPARE(f.app.boxes().calls().size(), 2);
    QVERIFY(f.app.boxes().lastCall().text.startsWith(QLatin1String("Error Number:57\r\n")));
    QCOMPARE(form->lblBackupDesc->text(), QStringLiteral("The Investment Data file"));

    // The older copies are whole, nothing half-written lies beside them.
    QCOMPARE(readFile(f.target.filePath(QStringLiteral("PlumblineData"))), oldInvest);
    QCOMPARE(readFile(f.target.filePath(QStringLiteral("PlDataHist.txt"))), oldHistory);
    QCOMPARE(entries(f.target.path()),
             (QStringList{QStringLiteral("PlDataHist.txt"), QStringLiteral("PlumblineData")}));
    QVERIFY(f.liveUnchanged());
    QVERIFY(!f.liveFolderFiles().contains(QStringLiteral("TempData.txt")));

    // Once the fault is gone the same Save works, and the program still reads its file.
    click(form->cmdSave);
    QCOMPARE(readFile(f.target.filePath(QStringLiteral("PlDataHist.txt"))), f.liveHistory);
    click(form->cmdExit);
    QVERIFY(f.main->isEnabled());
    f.main->cmdLast->click();
    QCOMPARE(f.main->txtInvestment->text().trimmed(), QStringLiteral("Bond"));
}

void tst_backup::frameAndEscape()
{
    BackupFixture f;
    QVERIFY(f.main);
    frmBackupFiles *form = f.open();
    QVERIFY(form);
    // Esc is Exit: to the second stage.
    QTest::keyClick(form->txtBackupPath, Qt::Key_Escape);
    QCOMPARE(frmBackupFiles::instance(), form);
    QCOMPARE(form->lblBackupDesc->text(), QStringLiteral("The Investment Data file"));
    // The frame is the final Exit.
    form->close();
    QCOMPARE(frmBackupFiles::instance(), nullptr);
    QVERIFY(f.main->isEnabled());

    // From the first stage too.
    form = f.open();
    QVERIFY(form);
    QVERIFY(!f.main->isEnabled());
    form->close();
    QCOMPARE(frmBackupFiles::instance(), nullptr);
    QVERIFY(f.main->isEnabled());
    QVERIFY(f.app.boxes().calls().isEmpty());
    QVERIFY(f.liveUnchanged());
}

void tst_backup::laterEditsGoToTheLiveFiles()
{
    BackupFixture f;
    QVERIFY(f.main);
    frmBackupFiles *form = f.open();
    QVERIFY(form);
    typeInto(form->txtBackupPath, f.target.path());
    click(form->cmdSave);
    click(form->cmdExit);
    click(form->cmdSave);
    click(form->cmdExit);
    QVERIFY(QTest::qWaitForWindowActive(f.main));
    QCoreApplication::processEvents();
    const QByteArray copyInvest = readFile(f.target.filePath(QStringLiteral("PlumblineData")));
    const QByteArray copyHistory = readFile(f.target.filePath(QStringLiteral("PlDataHist.txt")));
    QCOMPARE(copyInvest, f.liveInvest);

    // Edit the investment shown.
    QVERIFY(f.main->cmdEditRec->isEnabled());
    click(f.main->cmdEditRec);
    frmInvestEntry *entry = frmInvestEntry::instance();
    QVERIFY(entry);
    typeInto(entry->txtInvestment, QStringLiteral("Growth fund"));
    click(entry->cmdDone);
    QCOMPARE(frmInvestEntry::instance(), nullptr);
    QVERIFY(QTest::qWaitForWindowActive(f.main));
    QCoreApplication::processEvents();
    QCOMPARE(f.app.investBytes().left(102),
             testing::investRecordBytes(1, QStringLiteral("Growth fund"), QStringLiteral("First Bank")));

    // Add a data record to it.
    click(f.main->cmdAddNew);
    frmNewEditData *data = frmNewEditData::instance();
    QVERIFY(data);
    typeInto(data->txtDate, QStringLiteral("1/2/2003"));
    typeInto(data->metOriginalAmount, QStringLiteral("10000"));
    typeInto(data->txtInflRate, QStringLiteral("2"));
    typeInto(data->metCurrentAmount, QStringLiteral("11000"));
    click(data->cmdDone);
    QVERIFY2(f.app.boxes().calls().isEmpty(), qPrintable(f.app.boxes().texts().join(QLatin1Char('|'))));
    QCOMPARE(frmNewEditData::instance(), nullptr);
    QCOMPARE(f.app.historyBytes(), f.liveHistory + QByteArray("1,#2003-01-02#,10000,11000,2\r\n"));

    // The copies are as the backup left them.
    QCOMPARE(readFile(f.target.filePath(QStringLiteral("PlumblineData"))), copyInvest);
    QCOMPARE(readFile(f.target.filePath(QStringLiteral("PlDataHist.txt"))), copyHistory);
    QCOMPARE(entries(f.target.path()),
             (QStringList{QStringLiteral("PlDataHist.txt"), QStringLiteral("PlumblineData")}));
}

QTEST_MAIN(tst_backup)
#include "tst_backup.moc"
