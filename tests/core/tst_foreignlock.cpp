// A lock file another user left in the user's own data folder (the program was once run
// as root): the user's copy replaces it with one of its own once no process holds it, and
// never while a copy, of any user, still runs. The user is played by a child of this test
// that drops root's rights for an unprivileged user id; so the test needs root.
#include "storage/folderlock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <grp.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

namespace {

constexpr uid_t User = 54321; // no account needed: only the number counts
const QString LockName = QStringLiteral("Plumbline.lock");

const char *resultName(storage::FolderLock::Result result)
{
    switch (result) {
    case storage::FolderLock::Result::Locked:
        return "Locked";
    case storage::FolderLock::Result::HeldByRunningCopy:
        return "HeldByRunningCopy";
    case storage::FolderLock::Result::IsFolder:
        return "IsFolder";
    case storage::FolderLock::Result::Unusable:
        return "Unusable";
    }
    return "?";
}

// The child: "--lock-as UID PATH": takes the lock as that user, prints the result and the
// lock file's owner, then holds the lock until its standard input closes.
int lockAs(int argc, char **argv)
{
    const uid_t uid = uid_t(std::strtoul(argv[2], nullptr, 10));
    if (::setgroups(0, nullptr) != 0 || ::setgid(gid_t(uid)) != 0 || ::setuid(uid) != 0)
        return 3;
    QCoreApplication app(argc, argv);
    storage::FolderLock lock(QString::fromLocal8Bit(argv[3]));
    const storage::FolderLock::Result result = lock.tryLock();
    struct stat st;
    const long owner = ::stat(argv[3], &st) == 0 ? long(st.st_uid) : -1;
    std::printf("%s %ld\n", resultName(result), owner);
    std::fflush(stdout);
    char c;
    while (::read(0, &c, 1) > 0) {
    }
    return 0;
}

struct Child
{
    std::unique_ptr<QProcess> process = std::make_unique<QProcess>();
    QByteArray result;
    long owner = -2;
};

void startChild(Child &child, const QString &path)
{
    child.process->start(QCoreApplication::applicationFilePath(),
                         {QStringLiteral("--lock-as"), QString::number(User), path});
}

bool readChild(Child &child)
{
    while (!child.process->canReadLine()) {
        if (!child.process->waitForReadyRead(20000))
            return false;
    }
    const QList<QByteArray> fields = child.process->readLine().trimmed().split(' ');
    if (fields.size() != 2)
        return false;
    child.result = fields.at(0);
    child.owner = fields.at(1).toLong();
    return true;
}

void endChild(Child &child)
{
    child.process->closeWriteChannel();
    child.process->waitForFinished(20000);
}

struct Identity
{
    dev_t device = 0;
    ino_t inode = 0;
    uid_t owner = 0;
    bool operator==(const Identity &o) const { return device == o.device && inode == o.inode && owner == o.owner; }
};

Identity identityOf(const QString &path)
{
    struct stat st;
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
        return Identity();
    return Identity{st.st_dev, st.st_ino, st.st_uid};
}

} // namespace

class tst_foreignlock : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_base;
    QString m_folder;

    QString lockPath() const { return QDir(m_folder).filePath(LockName); }

    // root's lock file, as a run as root leaves it, in a folder of the user's.
    void writeRootsLock(mode_t mode)
    {
        QFile file(lockPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.write("4242\nplumbline\nsomehost\n") > 0);
        file.close();
        QCOMPARE(::chmod(QFile::encodeName(lockPath()).constData(), mode), 0);
    }

private slots:
    void initTestCase()
    {
        if (::geteuid() != 0)
            QSKIP("a lock file of another user needs root to make and a second user id to test");
        QVERIFY(m_base.isValid());
        // The user must reach the folder and this program.
        QCOMPARE(::chmod(QFile::encodeName(m_base.path()).constData(), 0755), 0);
    }

    void init()
    {
        m_folder =
            m_base.filePath(QString::fromLatin1(QTest::currentTestFunction()) + QLatin1Char('-') +
                            QString::fromLatin1(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('-')));
        QVERIFY(QDir().mkpath(m_folder));
        QCOMPARE(::chown(QFile::encodeName(m_folder).constData(), User, gid_t(User)), 0);
    }

    // Nobody holds root's lock: the user's copy runs, on a lock file of its own.
    void staleLockOfRootIsReplaced_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("unreadable to the user") << 0600;
        QTest::newRow("readable to the user") << 0644;
        QTest::newRow("writable to the user") << 0666;
    }
    void staleLockOfRootIsReplaced()
    {
        QFETCH(int, mode);
        writeRootsLock(mode_t(mode));
        Child child;
        startChild(child, lockPath());
        QVERIFY(readChild(child));
        QCOMPARE(child.result, QByteArray("Locked"));
        QCOMPARE(child.owner, long(User));
        QVERIFY(QDir(m_folder).entryList(QDir::Files | QDir::Hidden).size() == 1); // nothing set aside is left
        endChild(child);
        QVERIFY(!QFile::exists(lockPath())); // removed as the copy ended
    }

    // A copy that runs (of root, or an older one through QLockFile, or one holding only a
    // record lock) keeps its lock file: the user's copy is turned away, and the file stays.
    void lockOfARunningCopyIsKept_data()
    {
        QTest::addColumn<QString>("holder");
        QTest::addColumn<int>("mode");
        QTest::newRow("this program as root, unreadable") << "folderlock" << 0600;
        QTest::newRow("flock only, unreadable") << "flock" << 0600;
        QTest::newRow("flock only, readable") << "flock" << 0644;
        QTest::newRow("record lock only, unreadable") << "record" << 0600;
        QTest::newRow("record lock only, readable") << "record" << 0644;
        QTest::newRow("an older copy through QLockFile") << "qlockfile" << 0644;
    }
    void lockOfARunningCopyIsKept()
    {
        QFETCH(QString, holder);
        QFETCH(int, mode);
        std::unique_ptr<storage::FolderLock> lock;
        std::unique_ptr<QLockFile> older;
        int fd = -1;
        if (holder == QLatin1String("folderlock")) {
            lock = std::make_unique<storage::FolderLock>(lockPath());
            QCOMPARE(lock->tryLock(), storage::FolderLock::Result::Locked);
            QCOMPARE(::chmod(QFile::encodeName(lockPath()).constData(), mode_t(mode)), 0);
        } else if (holder == QLatin1String("qlockfile")) {
            older = std::make_unique<QLockFile>(lockPath());
            QVERIFY(older->tryLock(0));
            QCOMPARE(::chmod(QFile::encodeName(lockPath()).constData(), mode_t(mode)), 0);
        } else {
            writeRootsLock(mode_t(mode));
            fd = ::open(QFile::encodeName(lockPath()).constData(), O_RDWR | O_CLOEXEC);
            QVERIFY(fd >= 0);
            struct flock record = {};
            record.l_type = F_WRLCK;
            record.l_whence = SEEK_SET;
            QVERIFY(holder == QLatin1String("flock") ? ::flock(fd, LOCK_EX) == 0 : ::fcntl(fd, F_SETLK, &record) == 0);
        }
        const Identity before = identityOf(lockPath());
        QCOMPARE(before.owner, uid_t(0));

        Child child;
        startChild(child, lockPath());
        QVERIFY(readChild(child));
        QCOMPARE(child.result, QByteArray("HeldByRunningCopy"));
        endChild(child);
        QVERIFY(identityOf(lockPath()) == before);
        QCOMPARE(QDir(m_folder).entryList(QDir::Files | QDir::Hidden), QStringList{LockName});
        if (fd >= 0)
            ::close(fd);
    }

    // In a folder that is not the user's, root's lock is not the user's to replace.
    void foreignLockInAForeignFolderIsLeftAlone()
    {
        QCOMPARE(::chown(QFile::encodeName(m_folder).constData(), 0, 0), 0);
        QCOMPARE(::chmod(QFile::encodeName(m_folder).constData(), 0777), 0);
        writeRootsLock(0600);
        const Identity before = identityOf(lockPath());
        Child child;
        startChild(child, lockPath());
        QVERIFY(readChild(child));
        QCOMPARE(child.result, QByteArray("Unusable"));
        endChild(child);
        QVERIFY(identityOf(lockPath()) == before);
    }

    // Several copies of the user start at once on root's stale lock: each of them may
    // replace it, and exactly one runs.
    void copiesStartingTogetherLetOneIn()
    {
        for (int round = 0; round < 12; ++round) {
            writeRootsLock(round % 2 ? 0600 : 0644);
            std::vector<Child> children(5);
            for (Child &child : children)
                startChild(child, lockPath());
            int locked = 0;
            for (Child &child : children) {
                QVERIFY(readChild(child));
                if (child.result == "Locked")
                    ++locked;
                else
                    QCOMPARE(child.result, QByteArray("HeldByRunningCopy"));
            }
            QCOMPARE(locked, 1);
            QCOMPARE(identityOf(lockPath()).owner, User);
            for (Child &child : children)
                endChild(child);
            QCOMPARE(QDir(m_folder).entryList(QDir::Files | QDir::Hidden), QStringList());
        }
    }
};

int main(int argc, char **argv)
{
    if (argc == 4 && std::strcmp(argv[1], "--lock-as") == 0)
        return lockAs(argc, argv);
    QCoreApplication app(argc, argv);
    tst_foreignlock test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_foreignlock.moc"
