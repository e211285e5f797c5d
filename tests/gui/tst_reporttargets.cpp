// Where the report may not go: a missing folder, the program's own files by whatever name they
// are reached, the data folder mounted elsewhere, anything but a plain file; and the permissions
// a new or replaced report gets. Each refusal leaves the target and the data folder as they were.
#include "appfixture.h"
#include "reporttesting.h"

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

unsigned modeOf(const QString &path)
{
    struct stat st
    {
    };
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? unsigned(st.st_mode) : 0;
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

class tst_reporttargets : public QObject
{
    Q_OBJECT

private slots:
    void init() { platform::LocaleServices::setToday(QDate(2026, 3, 14)); }
    void cleanup()
    {
        storage::faults::clear();
        platform::LocaleServices::setToday(QDate());
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

QTEST_MAIN(tst_reporttargets)
#include "tst_reporttargets.moc"
