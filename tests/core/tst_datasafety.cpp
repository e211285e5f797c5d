// The file layer against what a real machine does to it: a full disk part way through a
// record, damaged records in a rebuild, permissions, owners, read-only files, symbolic
// links where data or work files should be, and lock files left in every state.
#include "datafiles.h"
#include "tempdatafolder.h"

#include "core/plmainmod.h"
#include "storage/faults.h"
#include "storage/folderlock.h"
#include "storage/rewrites.h"
#include "storage/transaction.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QtTest>

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace modPlMainMod;
using testing::errorNumberOf;
using testing::recordBytes;

namespace {

const QString Invest = QStringLiteral("PlumblineData");
const QString Hist = QStringLiteral("PlDataHist.txt");

struct Fixture
{
    testing::TempDataFolder folder;
    testing::CleanStorage clean; // after the folder: set up once it exists, cleaned before it goes

    QStringList names() const
    {
        QStringList list = QDir(folder.dir()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        list.sort();
        return list;
    }
};

unsigned modeOf(const QString &path)
{
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? unsigned(st.st_mode & 07777) : 0u;
}

QByteArray investments(int count)
{
    QByteArray bytes;
    for (int n = 1; n <= count; ++n)
        bytes += recordBytes(n, "Type " + QByteArray::number(n), "Bank " + QByteArray::number(n));
    return bytes;
}

QByteArray history(int investCount)
{
    QByteArray bytes;
    for (int n = 0; n < 40; ++n)
        bytes += QByteArray::number(n % investCount + 1) + ",#2001-01-" +
                 QByteArray::number(n % 28 + 1).rightJustified(2, '0') + "#,100,1" + QByteArray::number(n) + ",1.5\r\n";
    return bytes;
}

// The investment delete as the main window runs it.
void deleteInvestment(int number)
{
    intDelInvestNum = number;
    storage::open(1, storage::programFile(Invest), storage::OpenMode::Random);
    storage::delDataRec();
    try {
        storage::prepareInvestHist();
        storage::close(1);
        storage::stageInvestFile(storage::writeInvestRecord);
        storage::commitInvestDelete();
    } catch (...) {
        storage::abandonInvestDelete();
        throw;
    }
    storage::close(1);
}

void editRecord(int invest, int record)
{
    strOperation = QStringLiteral("EDIT");
    intInvestRecNum = invest;
    intSelRecNum = record;
    storage::createTwoFiles({});
    storage::createHistFile([] { curCurrentAmount = Currency::fromWhole(4242); });
}

void appendRecord(int invest)
{
    intInvestRecNum = invest;
    dtmRecDate = Date::fromYmd(2020, 2, 29);
    curOriginalAmount = Currency::fromWhole(7);
    curCurrentAmount = Currency::fromWhole(8);
    sngInflRate = 1.5f;
    storage::appendHistRecord();
}

void runRewrite(const QString &which)
{
    if (which == QLatin1String("append"))
        appendRecord(2);
    else if (which == QLatin1String("edit"))
        editRecord(2, 1);
    else
        deleteInvestment(2);
}

void rewriteRows()
{
    QTest::addColumn<QString>("rewrite");
    QTest::newRow("append") << "append";
    QTest::newRow("edit") << "edit";
    QTest::newRow("investment delete") << "delete";
}

} // namespace

class tst_datasafety : public QObject
{
    Q_OBJECT

private slots:
    // A record cut short by a full disk: the file keeps its old length and bytes.
    void recordWriteIsAllOrNothing_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("room");
        QTest::newRow("new record, 64 bytes fit") << 4 << 64;
        QTest::newRow("new record, nothing fits") << 4 << 0;
        QTest::newRow("overwrite, 30 bytes fit") << 2 << 30;
    }
    void recordWriteIsAllOrNothing()
    {
        QFETCH(int, position);
        QFETCH(int, room);
        Fixture f;
        const QByteArray old = investments(3);
        QVERIFY(f.folder.writeBytes(Invest, old));
        storage::open(1, f.folder.path(Invest), storage::OpenMode::Random);
        InvestRecord record;
        record.RecNum = position;
        record.InvestType = QStringLiteral("New type");
        record.Institution = QStringLiteral("New bank");
        storage::faults::limitBytes(room);
        QCOMPARE(errorNumberOf([&] { storage::putRecord(1, position, record); }), 61);
        storage::faults::clear();
        QCOMPARE(storage::lof(1), old.size());
        QCOMPARE(int(storage::recordCount(storage::lof(1))), 3);
        storage::close(1);
        QCOMPARE(f.folder.readBytes(Invest), old);
    }

    // The same on a real full disk: a small tmpfs where 64 bytes of a new record fit.
    void addingAnInvestmentOnAFullDisk()
    {
        if (::geteuid() != 0)
            QSKIP("mounting a small tmpfs needs root; the fault layer's test covers the rest");
        QTemporaryDir mountPoint;
        QVERIFY(mountPoint.isValid());
        const QByteArray where = QFile::encodeName(mountPoint.path());
        if (::mount("tmpfs", where.constData(), "tmpfs", 0, "size=64k") != 0)
            QSKIP("no tmpfs could be mounted here");
        struct Unmount
        {
            QByteArray where;
            ~Unmount() { ::umount2(where.constData(), MNT_DETACH); }
        } unmount{where};
        Fixture f;
        storage::setProgramFolder(mountPoint.path());
        // 160 records end 64 bytes short of a page; the rest of the disk is filled.
        const QByteArray old = investments(160);
        QFile data(mountPoint.filePath(Invest));
        QVERIFY(data.open(QIODevice::WriteOnly));
        QCOMPARE(data.write(old), old.size());
        data.close();
        QFile filler(mountPoint.filePath(QStringLiteral("filler")));
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size()) {
        }
        filler.close();

        storage::open(1, mountPoint.filePath(Invest), storage::OpenMode::Random);
        intInvestRecNum = 161;
        strInvestType = QStringLiteral("Savings account");
        strInstitution = QStringLiteral("Credit Union");
        QCOMPARE(errorNumberOf(storage::writeInvestRecord), 61);
        QCOMPARE(int(storage::recordCount(storage::lof(1))), 160);
        storage::close(1);
        QFile back(mountPoint.filePath(Invest));
        QVERIFY(back.open(QIODevice::ReadOnly));
        QVERIFY(back.readAll() == old);
    }

    // A record the copy-out cannot read keeps its own bytes through a delete.
    void damagedRecordsKeepTheirBytes()
    {
        Fixture f;
        QByteArray first = recordBytes(1, "Fund", "Broker");
        first[40] = '\0'; // in the padding: shown blank, never written over
        QByteArray fourth = recordBytes(4, "Bond", "Treasury");
        fourth[0] = 0; // a record number of 0
        fourth[1] = 0;
        const QByteArray cut = recordBytes(5, "Cut", "Off").left(70); // the file ends inside it
        QVERIFY(f.folder.writeBytes(Invest,
                                    first + recordBytes(2, "Two", "B") + recordBytes(3, "Three", "C") + fourth + cut));
        QVERIFY(f.folder.writeBytes(Hist, history(5)));
        deleteInvestment(3);
        QByteArray movedFourth = fourth;
        movedFourth[0] = 3;
        QByteArray movedCut = cut;
        movedCut[0] = 4;
        QCOMPARE(f.folder.readBytes(Invest), first + recordBytes(2, "Two", "B") + movedFourth + movedCut);
    }

    // A new file takes the old one's permissions, owner and group.
    void permissionsAndOwnersSurvive_data() { rewriteRows(); }
    void permissionsAndOwnersSurvive()
    {
        QFETCH(QString, rewrite);
        for (const unsigned mode : {0600u, 0640u}) {
            Fixture f;
            QVERIFY(f.folder.writeBytes(Invest, investments(3)));
            QVERIFY(f.folder.writeBytes(Hist, history(3)));
            for (const QString &name : {Invest, Hist})
                QVERIFY(::chmod(QFile::encodeName(f.folder.path(name)).constData(), mode) == 0);
            const bool root = ::geteuid() == 0;
            if (root) {
                for (const QString &name : {Invest, Hist})
                    QVERIFY(::chown(QFile::encodeName(f.folder.path(name)).constData(), 4321, 4322) == 0);
            }
            runRewrite(rewrite);
            for (const QString &name : {Invest, Hist}) {
                QCOMPARE(modeOf(f.folder.path(name)), mode);
                if (root) {
                    struct stat st;
                    QVERIFY(::stat(QFile::encodeName(f.folder.path(name)).constData(), &st) == 0);
                    QCOMPARE(int(st.st_uid), 4321);
                    QCOMPARE(int(st.st_gid), 4322);
                }
            }
        }
    }

    // A history nobody may write is not replaced: 75, and nothing changes.
    void readOnlyHistoryIsNotReplaced_data() { rewriteRows(); }
    void readOnlyHistoryIsNotReplaced()
    {
        QFETCH(QString, rewrite);
        Fixture f;
        const QByteArray invest = investments(3);
        const QByteArray hist = history(3);
        QVERIFY(f.folder.writeBytes(Invest, invest));
        QVERIFY(f.folder.writeBytes(Hist, hist));
        QVERIFY(::chmod(QFile::encodeName(f.folder.path(Hist)).constData(), 0444) == 0);
        QCOMPARE(errorNumberOf([&] { runRewrite(rewrite); }), 75);
        storage::discardAll();
        QCOMPARE(f.folder.readBytes(Hist), hist);
        QCOMPARE(f.folder.readBytes(Invest), invest);
        QCOMPARE(modeOf(f.folder.path(Hist)), 0444u);
        QCOMPARE(f.names(), (QStringList{Hist, Invest}));
    }

    // Data files that are symbolic links are rewritten where they point; the links stay.
    void linkedDataFilesStayLinks_data() { rewriteRows(); }
    void linkedDataFilesStayLinks()
    {
        QFETCH(QString, rewrite);
        Fixture f;
        QTemporaryDir elsewhere;
        const QString histTarget = elsewhere.filePath(QStringLiteral("history.txt"));
        const QString investTarget = elsewhere.filePath(QStringLiteral("investments"));
        {
            QFile h(histTarget), i(investTarget);
            QVERIFY(h.open(QIODevice::WriteOnly) && i.open(QIODevice::WriteOnly));
            h.write(history(3));
            i.write(investments(3));
        }
        QVERIFY(QFile::link(histTarget, f.folder.path(Hist)));
        QVERIFY(QFile::link(investTarget, f.folder.path(Invest)));
        runRewrite(rewrite);
        QCOMPARE(QFileInfo(f.folder.path(Hist)).symLinkTarget(), histTarget);
        QCOMPARE(QFileInfo(f.folder.path(Invest)).symLinkTarget(), investTarget);
        QFile h(histTarget);
        QVERIFY(h.open(QIODevice::ReadOnly));
        const QByteArray now = h.readAll();
        QVERIFY(now != history(3));
        QCOMPARE(f.folder.readBytes(Hist), now);
        if (rewrite == QLatin1String("delete"))
            QCOMPARE(f.folder.readBytes(Invest),
                     recordBytes(1, "Type 1", "Bank 1") + recordBytes(2, "Type 3", "Bank 3"));
        QCOMPARE(f.names(), (QStringList{Hist, Invest}));
        QCOMPARE(QDir(elsewhere.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
    }

    // Files the program creates are readable by the user only.
    void createdFilesArePrivate()
    {
        Fixture f;
        ::umask(022);
        storage::open(1, f.folder.path(Invest), storage::OpenMode::Random);
        QCOMPARE(modeOf(f.folder.path(Invest)), 0600u);
        appendRecord(1);
        QCOMPARE(modeOf(f.folder.path(Hist)), 0600u);
        storage::open(5, f.folder.path(QStringLiteral("PlDHTemp.txt")), storage::OpenMode::Output);
        QCOMPARE(modeOf(f.folder.path(QStringLiteral("PlDHTemp.txt"))), 0600u);
        storage::close(5);
        // A backup copy of a private history is private, even over a readable old copy.
        QTemporaryDir backup;
        const QString copy = backup.filePath(QStringLiteral("PlDataHist.txt"));
        QVERIFY(QFile(copy).open(QIODevice::WriteOnly));
        QVERIFY(::chmod(QFile::encodeName(copy).constData(), 0644) == 0);
        storage::copyHistory(copy);
        QCOMPARE(modeOf(copy), 0600u);
        storage::FolderLock lock(f.folder.path(QStringLiteral("Plumbline.lock")));
        QCOMPARE(lock.tryLock(), storage::FolderLock::Result::Locked);
        QCOMPARE(modeOf(f.folder.path(QStringLiteral("Plumbline.lock"))), 0600u);
    }

    // A work file planted as a link is replaced by a new file; the link's target is untouched.
    void plantedLinksAreNeverWrittenThrough_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("page file") << "PlDHTemp.txt";
        QTest::newRow("split") << "SuccesToHist.txt";
        QTest::newRow("investment delete") << "TempHist.txt";
        QTest::newRow("copy-out") << "TempData.txt";
    }
    void plantedLinksAreNeverWrittenThrough()
    {
        QFETCH(QString, name);
        Fixture f;
        QTemporaryDir elsewhere;
        const QString victim = elsewhere.filePath(QStringLiteral("victim"));
        QVERIFY(QFile(victim).open(QIODevice::WriteOnly));
        {
            QFile v(victim);
            QVERIFY(v.open(QIODevice::WriteOnly));
            v.write("precious");
        }
        QVERIFY(f.folder.writeBytes(Invest, investments(3)));
        QVERIFY(f.folder.writeBytes(Hist, history(3)));
        QVERIFY(QFile::link(victim, f.folder.path(name)));
        if (name == QLatin1String("PlDHTemp.txt")) {
            storage::open(5, f.folder.path(name), storage::OpenMode::Output);
            storage::open(2, f.folder.path(Hist), storage::OpenMode::Input);
            while (!storage::eof(2)) {
                storage::inputHistRecord(2);
                storage::writeHistRecord(5);
            }
            storage::close(2);
            storage::close(5);
            QVERIFY(!QFileInfo(f.folder.path(name)).isSymLink());
            QCOMPARE(f.folder.readBytes(name), history(3));
        } else if (name == QLatin1String("SuccesToHist.txt")) {
            editRecord(1, 1);
        } else {
            deleteInvestment(2);
        }
        QFile v(victim);
        QVERIFY(v.open(QIODevice::ReadOnly));
        QCOMPARE(v.readAll(), QByteArray("precious"));
    }

    // Whether a copy runs is decided by the lock a running process holds, not by the text.
    void lockFilesLeftInAnyState_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("empty (power loss)") << QByteArray();
        static const char randomBytes[] = "\x01\xff\xfe garbage \x00\x13";
        QTest::newRow("random bytes") << QByteArray(randomBytes, sizeof randomBytes - 1);
        QTest::newRow("another host") << QByteArray("12345\nplumbline\nsome-other-host\n");
        QTest::newRow("a live process") << QByteArray::number(::getppid()) + "\nplumbline\n" +
                                               QSysInfo::machineHostName().toUtf8() + "\n";
    }
    void lockFilesLeftInAnyState()
    {
        QFETCH(QByteArray, content);
        Fixture f;
        const QString path = f.folder.path(QStringLiteral("Plumbline.lock"));
        QVERIFY(f.folder.writeBytes(QStringLiteral("Plumbline.lock"), content));
        storage::FolderLock lock(path);
        QCOMPARE(lock.tryLock(), storage::FolderLock::Result::Locked);
        // Now it is held: a second copy is refused, whatever it reads there.
        storage::FolderLock second(path);
        QCOMPARE(second.tryLock(), storage::FolderLock::Result::HeldByRunningCopy);
        lock.unlock();
        QVERIFY(!QFile::exists(path));
        QCOMPARE(second.tryLock(), storage::FolderLock::Result::Locked);
    }

    void lockHeldByAnotherProcess()
    {
        Fixture f;
        const QString path = f.folder.path(QStringLiteral("Plumbline.lock"));
        // An older copy of the program holds its lock through QLockFile.
        {
            QLockFile older(path);
            QVERIFY(older.tryLock(0));
            storage::FolderLock lock(path);
            QCOMPARE(lock.tryLock(), storage::FolderLock::Result::HeldByRunningCopy);
        }
        QVERIFY(f.folder.writeBytes(QStringLiteral("Plumbline.lock"), ""));
        QProcess holder;
        // Without a fork, so the process killed is the one that holds the lock.
        holder.start(QStringLiteral("flock"), {QStringLiteral("-n"), QStringLiteral("--no-fork"), path,
                                               QStringLiteral("sleep"), QStringLiteral("30")});
        if (!holder.waitForStarted(5000))
            QSKIP("the flock tool is not installed");
        QTest::qWait(300);
        storage::FolderLock lock(path);
        QCOMPARE(lock.tryLock(), storage::FolderLock::Result::HeldByRunningCopy);
        holder.kill();
        holder.waitForFinished();
        QCOMPARE(lock.tryLock(), storage::FolderLock::Result::Locked);
    }

    void lockThatIsAFolder()
    {
        Fixture f;
        QVERIFY(QDir(f.folder.dir()).mkdir(QStringLiteral("Plumbline.lock")));
        storage::FolderLock lock(f.folder.path(QStringLiteral("Plumbline.lock")));
        QCOMPARE(lock.tryLock(), storage::FolderLock::Result::IsFolder);
        QVERIFY(QFileInfo(f.folder.path(QStringLiteral("Plumbline.lock"))).isDir());
    }
};

QTEST_GUILESS_MAIN(tst_datasafety)
#include "tst_datasafety.moc"
