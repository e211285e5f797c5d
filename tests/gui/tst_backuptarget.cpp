// The backup never lands on the live data, however the data folder or its files are
// reached: links, hard links, bind mounts.
#include "appfixture.h"
#include "palettetesting.h"

#include "core/plmainmod.h"
#include "platform/messagebox.h"
#include "storage/datafolder.h"
#include "storage/filetable.h"
#include "ui/main/frminvestdata.h"
#include "ui/tools/backuptarget.h"
#include "ui/tools/frmbackupfiles.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>
#ifdef Q_OS_LINUX
#include <sys/mount.h>
#endif

using ui::backup::TargetClash;

namespace {

const QString RefusedFileText = QStringLiteral("The backup copy cannot be written over the program's own data file.\r\n"
                                               "Please choose another folder.");

QString refusedFolderText(const QString &typed)
{
    return QStringLiteral("The folder \"%1\" is the program's own data folder; the backup copies cannot go there.\r\n"
                          "Please choose another folder.")
        .arg(typed);
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

ino_t inodeOf(const QString &path)
{
    struct stat st
    {
    };
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_ino : 0;
}

void click(QWidget *widget)
{
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

struct BackupFixture
{
    testing::AppFixture app;
    frmInvestData *main = nullptr;
    QByteArray liveInvest;
    QByteArray liveHistory;
    ino_t investInode = 0;
    ino_t historyInode = 0;

    BackupFixture()
    {
        app.writeInvestments({{QStringLiteral("Mutual fund"), QStringLiteral("First Bank")},
                              {QStringLiteral("Bond"), QStringLiteral("Treasury")}});
        app.writeHistory({QStringLiteral("1,#2001-01-02#,10000,10000,0"), QStringLiteral("2,#2001-06-30#,2500,2500,0"),
                          QStringLiteral("1,#2002-01-02#,10000,10800,1.6")});
        liveInvest = app.investBytes();
        liveHistory = app.historyBytes();
        investInode = inodeOf(storage::programFile(storage::InvestFileName));
        historyInode = inodeOf(storage::programFile(storage::HistFileName));
        main = app.startMainWindow();
    }

    frmBackupFiles *open()
    {
        main->mnuFileBackup->trigger();
        return frmBackupFiles::instance();
    }

    // Same bytes, and still the same files (not replaced by copies).
    bool liveUntouched() const
    {
        auto &fixture = const_cast<testing::AppFixture &>(app);
        return fixture.investBytes() == liveInvest && fixture.historyBytes() == liveHistory &&
               inodeOf(storage::programFile(storage::InvestFileName)) == investInode &&
               inodeOf(storage::programFile(storage::HistFileName)) == historyInode;
    }

    // Save in both stages with `typed` as the path; the texts of the boxes shown.
    QStringList saveBothStages(const QString &typed)
    {
        frmBackupFiles *form = open();
        if (!form)
            return {QStringLiteral("<no dialog>")};
        typeInto(form->txtBackupPath, typed);
        click(form->cmdSave);
        click(form->cmdExit);
        click(form->cmdSave);
        click(form->cmdExit);
        return app.boxes().texts();
    }
};

} // namespace

class tst_backuptarget : public QObject
{
    Q_OBJECT

private slots:
    void clash_data();
    void clash();
    void hardLinkedHistoryIsRefused();
    void linkToLiveFileIsRefused();
    void linkedDataFolderIsRefused();
    void bindMountedDataFolderIsRefused();
    void ordinaryFolderStillWorks();
    void refusalInTheProgramsOwnBox();
};

void tst_backuptarget::clash_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<int>("expected");
    QTest::newRow("another folder") << "other/PlumblineData" << int(TargetClash::None);
    QTest::newRow("another folder, older copy there") << "older" << int(TargetClash::None);
    QTest::newRow("the live file") << "live/PlumblineData" << int(TargetClash::LiveFile);
    QTest::newRow("the live folder, new name") << "live/Elsewhere" << int(TargetClash::LiveFolder);
    QTest::newRow("through ..") << "other/../live/PlDataHist.txt" << int(TargetClash::LiveFile);
    QTest::newRow("folder link") << "folderlink" << int(TargetClash::LiveFile);
    QTest::newRow("file link to the other live file") << "filelink" << int(TargetClash::LiveFile);
    QTest::newRow("chain of links") << "chain" << int(TargetClash::LiveFile);
    QTest::newRow("hard link") << "hardlink" << int(TargetClash::LiveFile);
    QTest::newRow("dangling link into the live folder") << "dangling" << int(TargetClash::LiveFolder);
    QTest::newRow("link loop") << "loop" << int(TargetClash::None);
    QTest::newRow("a live file that is a link") << "livelink" << int(TargetClash::LiveFile);
}

void tst_backuptarget::clash()
{
    QFETCH(QString, setup);
    QFETCH(int, expected);
    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QDir dir(root.path());
    QVERIFY(dir.mkdir(QStringLiteral("live")) && dir.mkdir(QStringLiteral("other")));
    const QString live = dir.filePath(QStringLiteral("live"));
    const QString other = dir.filePath(QStringLiteral("other"));
    QVERIFY(writeFile(live + QStringLiteral("/PlumblineData"), QByteArray(102, 'x')));
    QVERIFY(writeFile(live + QStringLiteral("/PlDataHist.txt"), "1,#2001-01-02#,1,1,0\r\n"));

    QString target;
    if (setup == QLatin1String("older")) {
        target = other + QStringLiteral("/PlumblineData");
        QVERIFY(writeFile(target, QByteArray(102, 'y')));
    } else if (setup == QLatin1String("folderlink")) {
        QVERIFY(QFile::link(live, dir.filePath(QStringLiteral("link"))));
        target = dir.filePath(QStringLiteral("link/PlDataHist.txt"));
    } else if (setup == QLatin1String("filelink")) {
        target = other + QStringLiteral("/PlumblineData");
        QVERIFY(QFile::link(live + QStringLiteral("/PlDataHist.txt"), target));
    } else if (setup == QLatin1String("chain")) {
        QVERIFY(QFile::link(live + QStringLiteral("/PlumblineData"), other + QStringLiteral("/b")));
        QVERIFY(QFile::link(other + QStringLiteral("/b"), other + QStringLiteral("/a")));
        target = other + QStringLiteral("/a");
    } else if (setup == QLatin1String("hardlink")) {
        target = other + QStringLiteral("/PlDataHist.txt");
        QCOMPARE(::link(QFile::encodeName(live + QStringLiteral("/PlDataHist.txt")).constData(),
                        QFile::encodeName(target).constData()),
                 0);
    } else if (setup == QLatin1String("dangling")) {
        target = other + QStringLiteral("/PlumblineData");
        QVERIFY(QFile::link(live + QStringLiteral("/NotYetThere"), target));
    } else if (setup == QLatin1String("loop")) {
        QVERIFY(QFile::link(other + QStringLiteral("/y"), other + QStringLiteral("/x")));
        QVERIFY(QFile::link(other + QStringLiteral("/x"), other + QStringLiteral("/y")));
        target = other + QStringLiteral("/x");
    } else if (setup == QLatin1String("livelink")) {
        // The live history is a link to a file kept elsewhere: that file is live data.
        const QString kept = other + QStringLiteral("/kept.txt");
        QVERIFY(QFile::rename(live + QStringLiteral("/PlDataHist.txt"), kept));
        QVERIFY(QFile::link(kept, live + QStringLiteral("/PlDataHist.txt")));
        target = kept;
    } else {
        target = dir.filePath(setup);
    }
    QCOMPARE(int(ui::backup::clashWithLiveData(target, live)), expected);
}

// A hard link to the live history in the backup folder: the copy would open the live
// file itself for writing and empty it.
void tst_backuptarget::hardLinkedHistoryIsRefused()
{
    BackupFixture f;
    QVERIFY(f.main);
    QTemporaryDir backup;
    const QString link = backup.filePath(QStringLiteral("PlDataHist.txt"));
    QCOMPARE(::link(QFile::encodeName(storage::programFile(storage::HistFileName)).constData(),
                    QFile::encodeName(link).constData()),
             0);

    frmBackupFiles *form = f.open();
    QVERIFY(form);
    typeInto(form->txtBackupPath, backup.path());
    click(form->cmdExit);
    click(form->cmdSave);
    QCOMPARE(f.app.boxes().calls().size(), 1);
    const platform::MessageBoxCall call = f.app.boxes().lastCall();
    QCOMPARE(call.text, RefusedFileText);
    QCOMPARE(call.icon, platform::MsgIcon::Exclamation);
    QCOMPARE(call.buttons, platform::MsgButtons::OK);
    QCOMPARE(call.title, platform::AppTitle);
    // The dialog stays in its stage for another path.
    QCOMPARE(frmBackupFiles::instance(), form);
    QCOMPARE(form->lblBackupDesc->text(), QStringLiteral("The Investment Data file"));
    QCOMPARE(QApplication::focusWidget(), form->txtBackupPath);
    QVERIFY(f.liveUntouched());
    QCOMPARE(readFile(link), f.liveHistory);
}

// A link named like the investment copy that leads to the live history.
void tst_backuptarget::linkToLiveFileIsRefused()
{
    BackupFixture f;
    QVERIFY(f.main);
    QTemporaryDir backup;
    QVERIFY(QFile::link(storage::programFile(storage::HistFileName), backup.filePath(QStringLiteral("PlumblineData"))));
    QVERIFY(
        QFile::link(storage::programFile(storage::InvestFileName), backup.filePath(QStringLiteral("PlDataHist.txt"))));
    QCOMPARE(f.saveBothStages(backup.path()), (QStringList{RefusedFileText, RefusedFileText}));
    QVERIFY(f.liveUntouched());
    QVERIFY(f.main->isEnabled());
    QCOMPARE(int(storage::lof(1)), f.liveInvest.size());
}

void tst_backuptarget::linkedDataFolderIsRefused()
{
    BackupFixture f;
    QVERIFY(f.main);
    QTemporaryDir elsewhere;
    const QString link = elsewhere.filePath(QStringLiteral("data"));
    QVERIFY(QFile::link(storage::programFolder(), link));
    QCOMPARE(f.saveBothStages(link), (QStringList{RefusedFileText, RefusedFileText}));
    QVERIFY(f.liveUntouched());

    // With the history not written yet, the folder itself is refused.
    f.app.boxes().clear();
    QVERIFY(QFile::rename(storage::programFile(storage::HistFileName), elsewhere.filePath(QStringLiteral("h"))));
    QCOMPARE(f.saveBothStages(link + QStringLiteral("/")),
             (QStringList{RefusedFileText, refusedFolderText(link + QStringLiteral("/"))}));
    QVERIFY(!QFileInfo::exists(storage::programFile(storage::HistFileName)));
}

// The data folder bind-mounted elsewhere: other path, other mount, same files. Needs
// root (or the right to mount); skipped otherwise.
void tst_backuptarget::bindMountedDataFolderIsRefused()
{
#ifndef Q_OS_LINUX
    QSKIP("bind mounts are a Linux feature");
#else
    if (::geteuid() != 0)
        QSKIP("a bind mount needs root; run the tests as root to cover a bind-mounted data folder");
    BackupFixture f;
    QVERIFY(f.main);
    QTemporaryDir mountRoot;
    QVERIFY(mountRoot.isValid());
    const QString mountPoint = mountRoot.filePath(QStringLiteral("mnt"));
    QVERIFY(QDir().mkdir(mountPoint));
    if (::mount(QFile::encodeName(storage::programFolder()).constData(), QFile::encodeName(mountPoint).constData(),
                nullptr, MS_BIND, nullptr) != 0) {
        const QString why = QString::fromLocal8Bit(std::strerror(errno));
        QSKIP(qPrintable(QStringLiteral("bind mount not permitted here (%1)").arg(why)));
    }
    // Unmounted before the temporary folder is removed, which would otherwise remove
    // the data folder's files through the mount.
    struct Unmount
    {
        QString point;
        QTemporaryDir &root;
        ~Unmount()
        {
            if (::umount2(QFile::encodeName(point).constData(), MNT_DETACH) != 0)
                root.setAutoRemove(false);
        }
    } unmount{mountPoint, mountRoot};
    QCOMPARE(inodeOf(mountPoint + QStringLiteral("/PlumblineData")), f.investInode);

    QCOMPARE(f.saveBothStages(mountPoint), (QStringList{RefusedFileText, RefusedFileText}));
    QVERIFY(f.liveUntouched());
    QVERIFY(f.main->isEnabled());

    // What the main window writes afterwards goes to the live file it has open.
    QCOMPARE(int(storage::lof(1)), f.liveInvest.size());
    QCOMPARE(int(modPlMainMod::intInvestRecCount), 2);
#endif
}

void tst_backuptarget::ordinaryFolderStillWorks()
{
    BackupFixture f;
    QVERIFY(f.main);
    QTemporaryDir backup;
    QCOMPARE(f.saveBothStages(backup.path()), QStringList());
    QCOMPARE(readFile(backup.filePath(QStringLiteral("PlumblineData"))), f.liveInvest);
    QCOMPARE(readFile(backup.filePath(QStringLiteral("PlDataHist.txt"))), f.liveHistory);
    QVERIFY(f.liveUntouched());
}

// The refusal as the real box shows it (light and dark palettes; pictures saved when
// PLUMBLINE_SCREENSHOTS_DIR is set).
void tst_backuptarget::refusalInTheProgramsOwnBox()
{
    BackupFixture f;
    QVERIFY(f.main);
    QTemporaryDir elsewhere;
    const QString link = elsewhere.filePath(QStringLiteral("data"));
    QVERIFY(QFile::link(storage::programFolder(), link));
    frmBackupFiles *form = f.open();
    QVERIFY(form);
    typeInto(form->txtBackupPath, link);

    platform::MessageBoxes *doubles = &platform::MessageBoxes::instance();
    platform::MessageBoxes::setInstance(nullptr);
    const QPalette lightPalette = QApplication::palette();
    const QString shots = qEnvironmentVariable("PLUMBLINE_SCREENSHOTS_DIR");
    for (const bool dark : {false, true}) {
        if (dark) {
            QApplication::setPalette(palettetest::darkPalette());
        }
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QStringList buttons;
        QTimer poll;
        int ticks = 0;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box) {
                if (++ticks > 400)
                    poll.stop();
                return;
            }
            poll.stop();
            text = box->text();
            icon = box->icon();
            for (QAbstractButton *button : box->buttons())
                buttons << button->text();
            if (!shots.isEmpty())
                box->grab().save(QDir(shots).filePath(dark ? QStringLiteral("backup-refused-dark.png")
                                                           : QStringLiteral("backup-refused.png")));
            box->button(QMessageBox::Ok)->click();
        });
        poll.start(20);
        click(form->cmdSave);
        QCOMPARE(text, QString(RefusedFileText).replace(QLatin1String("\r\n"), QLatin1String("\n")));
        QCOMPARE(icon, QMessageBox::Warning);
        QCOMPARE(buttons.size(), 1);
    }
    QApplication::setPalette(lightPalette);
    platform::MessageBoxes::setInstance(doubles);
    QVERIFY(f.liveUntouched());
}

QTEST_MAIN(tst_backuptarget)
#include "tst_backuptarget.moc"
