// The report under failure: a damaged history, a write or an open that fails on either of its
// threads, a process killed part way, and targets it must refuse. Each leaves no partial file,
// the older report as it was, and the data folder untouched.
#include "appfixture.h"
#include "reporttesting.h"

#include "core/plmainmod.h"
#include "core/runtimeerror.h"
#include "platform/locale.h"
#include "render/report/reportwriter.h"
#include "storage/datafolder.h"
#include "storage/faults.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using namespace reporttesting;

namespace {

// Every file under `folder`, with its bytes, so a test sees any change there at all.
QMap<QString, QByteArray> tree(const QString &folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        files.insert(QDir(folder).relativeFilePath(path),
                     it.fileInfo().isDir() ? QByteArray("<folder>")
                                           : (file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray()));
    }
    return files;
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

unsigned modeOf(const QString &path)
{
    struct stat st
    {
    };
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? unsigned(st.st_mode) : 0;
}

// Whether files can be created without a name in `folder` (ext4, tmpfs): then a killed report
// leaves nothing at all behind.
bool unnamedFilesIn(const QString &folder)
{
#ifdef O_TMPFILE
    const int fd = ::open(QFile::encodeName(folder).constData(), O_TMPFILE | O_WRONLY, 0600);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
#else
    Q_UNUSED(folder);
    return false;
#endif
}

// Runs plumbline-report; its exit code and what it said on stderr.
QPair<int, QString> runTool(const QString &dataFolder, const QString &out)
{
    QProcess tool;
    tool.start(QStringLiteral(PLUMBLINE_REPORT_BIN),
               {QStringLiteral("--data-dir"), dataFolder, QStringLiteral("--out"), out});
    if (!tool.waitForFinished(60000))
        return {-1, QString()};
    return {tool.exitCode(), QString::fromUtf8(tool.readAllStandardError())};
}

} // namespace

class tst_reportsafety : public QObject
{
    Q_OBJECT

private slots:
    void init() { platform::LocaleServices::setToday(QDate(2026, 3, 14)); }
    void cleanup()
    {
        storage::faults::clear();
        platform::LocaleServices::setToday(QDate());
    }

    void damagedHistoryWritesNothing()
    {
        testing::AppFixture app;
        writeExample(app);
        QStringList damaged = History;
        damaged.insert(3, QStringLiteral("2,#2002-13-45#,2500,2500,1"));
        app.writeHistory(damaged);
        QTemporaryDir out;
        const QString pdf = out.filePath(QStringLiteral("r.pdf"));
        long long line = 0;
        QCOMPARE(errorOf([&] { render::writeReport({pdf, 0}); }, &line), int(RuntimeError::TypeMismatch));
        QCOMPARE(line, 4LL);
        QVERIFY(entries(out.path()).isEmpty());

        // From the command line: file and line, exit code 1, no file.
        QProcess tool;
        tool.start(QStringLiteral(PLUMBLINE_REPORT_BIN),
                   {QStringLiteral("--data-dir"), app.folder().dir(), QStringLiteral("--out"), pdf});
        QVERIFY(tool.waitForFinished(60000));
        QCOMPARE(tool.exitCode(), 1);
        QVERIFY(QString::fromUtf8(tool.readAllStandardError())
                    .endsWith(QStringLiteral("plumbline-report: \"%1\", line 4: error 13: Type mismatch\n")
                                  .arg(QDir::toNativeSeparators(app.folder().path(storage::HistFileName)))));
        QVERIFY(entries(out.path()).isEmpty());
    }

    void failingWriteLeavesNoPartialFile_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("nth");
        QTest::newRow("opening") << int(storage::faults::Step::Open) << 1;
        QTest::newRow("first page") << int(storage::faults::Step::Write) << 1;
        QTest::newRow("third page") << int(storage::faults::Step::Write) << 3;
        QTest::newRow("putting in place") << int(storage::faults::Step::Rename) << 1;
    }

    void failingWriteLeavesNoPartialFile()
    {
        QFETCH(int, step);
        QFETCH(int, nth);
        testing::AppFixture app;
        writeExample(app);
        QTemporaryDir out;
        const QString pdf = out.filePath(QStringLiteral("r.pdf"));
        QVERIFY(QFile(pdf).open(QIODevice::WriteOnly)); // an older report stays whole
        {
            QFile old(pdf);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("old report");
        }
        storage::faults::failAt(storage::faults::Step(step), nth);
        QCOMPARE(errorOf([&] { render::writeReport({pdf, 0}); }), int(RuntimeError::DeviceIOError));
        QCOMPARE(entries(out.path()), QStringList{QStringLiteral("r.pdf")});
        QFile old(pdf);
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("old report"));
    }

    // A failure at any of the report's opens gives the numbered error and no file, and leaves
    // the window's figures as they were: the next report comes out whole.
    void failureAtAnOpenWritesNothing()
    {
        testing::AppFixture app;
        writeExample(app);
        QTemporaryDir out;
        const QString pdf = out.filePath(QStringLiteral("r.pdf"));
        render::writeReport({pdf, 0});
        const QStringList expected = pageTexts(pdf);
        QCOMPARE(expected.size(), 4);
        QVERIFY(QFile::remove(pdf));

        const Currency shown = Currency::fromUnits(1234567);
        modPlMainMod::curCurAmntAFI = shown;
        int failures = 0;
        for (int nth = 1; nth <= 50; ++nth) {
            storage::faults::failAt(storage::faults::Step::Open, nth);
            const int error = errorOf([&] { render::writeReport({pdf, 0}); });
            storage::faults::clear();
            QCOMPARE(modPlMainMod::curCurAmntAFI, shown);
            if (error == 0)
                break;
            QCOMPARE(error, int(RuntimeError::DeviceIOError));
            QVERIFY(entries(out.path()).isEmpty());
            ++failures;
        }
        // The report's file, then the investment file and the history for the one pass over it;
        // the reading thread takes the records from that pass and opens nothing.
        QCOMPARE(failures, 3);
        QCOMPARE(pageTexts(pdf), expected);
    }

    // A page that cannot be written while the reading thread waits for room to hand over rows:
    // the thread is stopped, nothing is written, and the next report is whole.
    void failureOnThePaintingThreadStopsTheReading()
    {
        testing::AppFixture app;
        writeTwoLongInvestments(app, 8000, 1700);
        QTemporaryDir out;
        const QString pdf = out.filePath(QStringLiteral("long.pdf"));
        const Currency shown = Currency::fromUnits(7654321);
        modPlMainMod::curCurAmntAFI = shown;
        for (const int nth : {2, 40, 150}) {
            storage::faults::failAt(storage::faults::Step::Write, nth);
            QCOMPARE(errorOf([&] { render::writeReport({pdf, 0}); }), int(RuntimeError::DeviceIOError));
            storage::faults::clear();
            QVERIFY(entries(out.path()).isEmpty());
            QCOMPARE(modPlMainMod::curCurAmntAFI, shown);
        }
        const int pages = render::writeReport({pdf, 0});
        QVERIFY(pages > 150);
        const QStringList text = pageTexts(pdf);
        QCOMPARE(text.size(), pages);
        QVERIFY(text.last().contains(QStringLiteral("Page %1 of %1").arg(pages)));
        QVERIFY(text.last().contains(QStringLiteral("4000 4/15/2033 $5,000.00 $12,999.00")));
    }

    // A report killed at any moment, on either thread's watch, leaves the older report as it
    // was, or no file where there was none. Where the file system has unnamed files (ext4,
    // tmpfs) nothing at all is left beside it; elsewhere at most its unfinished ".r.pdf.*.new".
    void killedPartWayLeavesTheOldReport_data()
    {
        QTest::addColumn<QString>("step");
        QTest::addColumn<int>("nth");
        QTest::addColumn<bool>("older");
        QTest::newRow("opening") << QStringLiteral("open") << 1 << true;
        QTest::newRow("reading the history") << QStringLiteral("open") << 3 << true;
        QTest::newRow("first page") << QStringLiteral("write") << 1 << true;
        QTest::newRow("second page") << QStringLiteral("write") << 2 << true;
        QTest::newRow("a middle page") << QStringLiteral("write") << 60 << true;
        QTest::newRow("a middle page, no older report") << QStringLiteral("write") << 60 << false;
        QTest::newRow("syncing") << QStringLiteral("flush") << 1 << true;
        QTest::newRow("putting in place") << QStringLiteral("rename") << 1 << true;
        QTest::newRow("putting in place, no older report") << QStringLiteral("rename") << 1 << false;
    }

    void killedPartWayLeavesTheOldReport()
    {
        QFETCH(QString, step);
        QFETCH(int, nth);
        QFETCH(bool, older);
        testing::AppFixture app;
        writeTwoLongInvestments(app, 6000, 1800);
        const QByteArray history = app.historyBytes();
        QTemporaryDir out;
        const QString pdf = out.filePath(QStringLiteral("r.pdf"));
        if (older)
            QVERIFY(writeBytes(pdf, "old report"));
        QProcess child;
        child.start(QStringLiteral(REPORT_CHILD_BIN), {app.folder().dir(), pdf, step, QString::number(nth)});
        QVERIFY(child.waitForFinished(120000));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        QVERIFY(!child.readAllStandardOutput().contains("done"));
        QStringList left = entries(out.path());
        QCOMPARE(left.removeAll(QStringLiteral("r.pdf")), qsizetype(older ? 1 : 0));
        if (unnamedFilesIn(out.path()))
            QVERIFY2(left.isEmpty(), qPrintable(left.join(QLatin1Char(' '))));
        else
            QVERIFY2(left.isEmpty() || (left.size() == 1 && left.first().startsWith(QStringLiteral(".r.pdf."))),
                     qPrintable(left.join(QLatin1Char(' '))));
        if (older) {
            QFile old(pdf);
            QVERIFY(old.open(QIODevice::ReadOnly));
            QCOMPARE(old.readAll(), QByteArray("old report"));
        }
        QCOMPARE(app.historyBytes(), history);
    }

    void refusedTargets()
    {
        testing::AppFixture app;
        writeExample(app);
        const QByteArray history = app.historyBytes();
        QTemporaryDir out;
        // A missing folder is 76.
        QCOMPARE(errorOf([&] {
                     render::writeReport({out.filePath(QStringLiteral("no/such/r.pdf")), 0});
                 }),
                 int(RuntimeError::PathNotFound));
        // A link to another file is followed: the link stays, its target gets the report.
        const QString target = out.filePath(QStringLiteral("target.pdf"));
        const QString toTarget = out.filePath(QStringLiteral("to-target.pdf"));
        QVERIFY(QFile::link(target, toTarget));
        QCOMPARE(errorOf([&] { render::writeReport({toTarget, 1}); }), 0);
        QVERIFY(QFileInfo(toTarget).isSymLink());
        QCOMPARE(pdfInfo(target, QStringLiteral("Pages")), QStringLiteral("2"));
        QCOMPARE(app.historyBytes(), history);
    }

    // Nothing the program keeps in its folder is ever the report, by whatever name it is
    // reached: the lock (a second copy would get in), the commit marker, the work files, the
    // price indexes, a recovered folder, or a new name among them. Each is error 75 and the
    // folder stays as it was.
    void programFilesAreNeverTheReport_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *name :
             {"PlumblineData", "PlDataHist.txt", "PlDHTemp.txt", "TempData.txt", "TempHist.txt", "SuccesToHist.txt",
              "RecsDisplayed.txt", "Plumbline.lock", "Plumbline.commit", ".PlDataHist.txt.0123abcd.new",
              "Price Indexes/MY-CPI.txt", "Recovered 2026-03-14 101010/PlDataHist.txt", "new report.pdf",
              "Price Indexes/new report.pdf"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void programFilesAreNeverTheReport()
    {
        QFETCH(QString, name);
        testing::AppFixture app;
        writeExample(app);
        const QString folder = app.folder().dir();
        QVERIFY(QDir(folder).mkpath(QStringLiteral("Price Indexes")));
        QVERIFY(QDir(folder).mkpath(QStringLiteral("Recovered 2026-03-14 101010")));
        const QString own = folder + QLatin1Char('/') + name;
        const bool exists = !name.endsWith(QStringLiteral("new report.pdf"));
        if (exists && !QFileInfo::exists(own))
            QVERIFY(writeBytes(own, "the program's own"));
        const QMap<QString, QByteArray> before = tree(folder);

        QTemporaryDir out;
        // By its name, and through ".." from elsewhere.
        QStringList ways{own, out.path() + QLatin1Char('/') + QDir(out.path()).relativeFilePath(own)};
        QVERIFY(ways.last().contains(QStringLiteral("/../")));
        // A symbolic link to the file, and to the folder with the name below it.
        const QString fileLink = out.filePath(QStringLiteral("file-link.pdf"));
        QVERIFY(QFile::link(own, fileLink));
        ways << fileLink;
        QVERIFY(QFile::link(folder, out.filePath(QStringLiteral("folder-link"))));
        ways << out.filePath(QStringLiteral("folder-link/") + name);
        // A hard link elsewhere to the same file.
        if (exists) {
            const QString hard = out.filePath(QStringLiteral("hard-link.pdf"));
            QCOMPARE(::link(QFile::encodeName(own).constData(), QFile::encodeName(hard).constData()), 0);
            ways << hard;
        }
        for (const QString &way : std::as_const(ways)) {
            QCOMPARE(errorOf([&] { render::writeReport({way, 0}); }), int(RuntimeError::PathFileAccessError));
            QCOMPARE(tree(folder), before);
        }
        // The command line says so (with a commit marker there, it refuses the pending change first).
        const QPair<int, QString> tool = runTool(folder, fileLink);
        QCOMPARE(tool.first, 1);
        const QString refusal = name == QLatin1String("Plumbline.commit")
                                    ? QStringLiteral("; start Plumbline once to complete it\n")
                                    : QStringLiteral(": error 75: Path/File access error\n");
        QVERIFY2(tool.second.endsWith(refusal), qPrintable(tool.second));
        QCOMPARE(tree(folder), before);
    }

    // The data folder mounted a second time elsewhere is still the data folder.
    void bindMountOfTheDataFolderRefused()
    {
        if (::geteuid() != 0)
            QSKIP("a bind mount needs root");
        testing::AppFixture app;
        writeExample(app);
        QTemporaryDir out;
        const QString bound = out.filePath(QStringLiteral("bound"));
        QVERIFY(QDir().mkpath(bound));
        if (::mount(QFile::encodeName(app.folder().dir()).constData(), QFile::encodeName(bound).constData(), nullptr,
                    MS_BIND, nullptr) != 0)
            QSKIP("no bind mount here");
        struct Unmount
        {
            QByteArray where;
            ~Unmount() { ::umount2(where.constData(), MNT_DETACH); }
        } unmount{QFile::encodeName(bound)};
        const QMap<QString, QByteArray> before = tree(app.folder().dir());
        for (const QString &name : {storage::HistFileName, QStringLiteral("Plumbline.lock"), QStringLiteral("r.pdf")})
            QCOMPARE(errorOf([&] {
                         render::writeReport({bound + QLatin1Char('/') + name, 0});
                     }),
                     int(RuntimeError::PathFileAccessError));
        QCOMPARE(tree(app.folder().dir()), before);
    }

    // The report is a plain file or a new one. A folder, a pipe, a device, a link to one of
    // them, or a report nobody may write (root included) is error 75 and stays as it was.
    void onlyAPlainFileIsReplaced()
    {
        testing::AppFixture app;
        writeExample(app);
        QTemporaryDir out;
        QStringList targets;
        const QString folder = out.filePath(QStringLiteral("folder.pdf"));
        QVERIFY(QDir().mkpath(folder));
        targets << folder;
        const QString fifo = out.filePath(QStringLiteral("fifo.pdf"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        targets << fifo;
        const QString toFifo = out.filePath(QStringLiteral("to-fifo.pdf"));
        QVERIFY(QFile::link(fifo, toFifo));
        targets << toFifo;
        const QString device = out.filePath(QStringLiteral("null"));
        if (::geteuid() == 0) { // the system's null device, made again here, so the real one is never at risk
            QCOMPARE(::mknod(QFile::encodeName(device).constData(), S_IFCHR | 0666, makedev(1, 3)), 0);
            targets << device;
        }
        const QString readOnly = out.filePath(QStringLiteral("ro.pdf"));
        QVERIFY(writeBytes(readOnly, "kept"));
        QVERIFY(QFile::setPermissions(readOnly, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
        targets << readOnly;

        const QStringList before = entries(out.path());
        QMap<QString, unsigned> modes;
        for (const QString &target : std::as_const(targets))
            modes.insert(target, modeOf(target));
        for (const QString &target : std::as_const(targets)) {
            QCOMPARE(errorOf([&] { render::writeReport({target, 0}); }), int(RuntimeError::PathFileAccessError));
            QCOMPARE(entries(out.path()), before);
            for (auto it = modes.cbegin(); it != modes.cend(); ++it)
                QCOMPARE(modeOf(it.key()), it.value());
        }
        QCOMPARE(entries(folder), QStringList());
        QFile kept(readOnly);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("kept"));
        // --out naming a device, as "--out /dev/null" would.
        const QPair<int, QString> tool = runTool(app.folder().dir(), ::geteuid() == 0 ? device : fifo);
        QCOMPARE(tool.first, 1);
        QVERIFY2(tool.second.endsWith(QStringLiteral(": error 75: Path/File access error\n")), qPrintable(tool.second));
        QCOMPARE(entries(out.path()), before);
    }

    // A new report is the user's only, whatever the umask, like the data files; a replaced one
    // keeps the permissions it had.
    void permissionsOfNewAndReplacedReports()
    {
        testing::AppFixture app;
        writeExample(app);
        QTemporaryDir out;
        const mode_t mask = ::umask(022);
        const QString fresh = out.filePath(QStringLiteral("new.pdf"));
        QCOMPARE(errorOf([&] { render::writeReport({fresh, 1}); }), 0);
        QCOMPARE(modeOf(fresh) & 07777, 0600u);
        const QString shared = out.filePath(QStringLiteral("shared.pdf"));
        QVERIFY(writeBytes(shared, "old report"));
        QCOMPARE(::chmod(QFile::encodeName(shared).constData(), 0640), 0);
        QCOMPARE(errorOf([&] { render::writeReport({shared, 1}); }), 0);
        ::umask(mask);
        QCOMPARE(modeOf(shared) & 07777, 0640u);
        QCOMPARE(pdfInfo(shared, QStringLiteral("Pages")), QStringLiteral("2"));
    }
};

QTEST_MAIN(tst_reportsafety)
#include "tst_reportsafety.moc"
