// `cmake --install` into a temporary DESTDIR: the files land where a desktop looks for
// them, the launcher entry and the AppStream data pass their validators, every manual
// page renders, and every installed program answers --help and --version without a
// display.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString AppId = QStringLiteral("io.github.plumbline.Plumbline");
const QString Prefix = QStringLiteral("/usr");

struct Run
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Run run(const QString &program, const QStringList &arguments, const QProcessEnvironment &env = {})
{
    QProcess process;
    if (!env.isEmpty())
        process.setProcessEnvironment(env);
    process.start(program, arguments);
    Run result;
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        result.err = "did not finish: " + program.toUtf8();
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class tst_install : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_destDir;
    QString m_root; // DESTDIR + prefix
    QStringList m_files;

    QString installed(const QString &relative) const { return m_root + QLatin1Char('/') + relative; }
    QStringList programs() const
    {
        QStringList names;
        for (const QString &file : m_files) {
            if (file.startsWith(QLatin1String("bin/")))
                names << file.mid(4);
        }
        return names;
    }
    QString requireTool(const char *name)
    {
        const QString path = QStandardPaths::findExecutable(QLatin1String(name));
        if (path.isEmpty())
            qWarning("%s is missing: scripts/install-deps.sh installs it", name);
        return path;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_destDir.isValid());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DESTDIR"), m_destDir.path());
        const Run install =
            run(QStringLiteral(PLUMBLINE_CMAKE),
                {QStringLiteral("--install"), QStringLiteral(PLUMBLINE_BUILD_DIR), QStringLiteral("--prefix"), Prefix},
                env);
        QVERIFY2(install.exitCode == 0, install.err.constData());
        m_root = m_destDir.path() + Prefix;
        QDirIterator it(m_root, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
        while (it.hasNext())
            m_files << QDir(m_root).relativeFilePath(it.next());
        m_files.sort();
        // Nothing lands outside the prefix.
        const QStringList top = QDir(m_destDir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        QCOMPARE(top, QStringList{QStringLiteral("usr")});
    }

    void fileList()
    {
        QStringList expected = {
            QStringLiteral("bin/plumbline"),
            QStringLiteral("bin/plumbline-export"),
            QStringLiteral("bin/plumbline-gendata"),
            QStringLiteral("bin/plumbline-snapshot"),
            QStringLiteral("share/applications/%1.desktop").arg(AppId),
            QStringLiteral("share/metainfo/%1.metainfo.xml").arg(AppId),
            QStringLiteral("share/icons/hicolor/scalable/apps/%1.svg").arg(AppId),
            QStringLiteral("share/doc/plumbline/LICENSE"),
            QStringLiteral("share/doc/plumbline/README.md"),
            QStringLiteral("share/doc/plumbline/THIRD-PARTY-NOTICES.md"),
        };
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
            expected << QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(AppId);
        // Documents and tools other branches bring are installed once they are there.
        for (const char *doc : {"user-guide.md", "file-formats.md"}) {
            if (QFile::exists(QStringLiteral(PLUMBLINE_SOURCE_DIR "/docs/") + QLatin1String(doc)))
                expected << QStringLiteral("share/doc/plumbline/") + QLatin1String(doc);
        }
        for (const char *tool : {"plumbline-report", "plumbline-index", "plumbline-versions", "plumbline-import"}) {
            if (QFile::exists(QStringLiteral(PLUMBLINE_BUILD_DIR "/") + QLatin1String(tool)))
                expected << QStringLiteral("bin/") + QLatin1String(tool);
        }
        for (const QString &program : programs())
            expected << QStringLiteral("share/man/man1/%1.1").arg(program);
        expected.removeDuplicates();
        expected.sort();
        QCOMPARE(m_files, expected);

        // Only the program and its tools: no test, helper or benchmark.
        for (const QString &program : programs()) {
            QVERIFY2(QFileInfo(installed(QStringLiteral("bin/") + program)).isExecutable(), qPrintable(program));
            QVERIFY(!program.startsWith(QLatin1String("tst_")));
        }
    }

    void iconsArePictures()
    {
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
            const QString path =
                installed(QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(AppId));
            const QByteArray bytes = readAll(path);
            QVERIFY2(bytes.startsWith("\x89PNG\r\n\x1a\n"), qPrintable(path));
            // IHDR: width and height, big-endian, at bytes 16 and 20.
            const auto word = [&bytes](int at) {
                return (uchar(bytes[at]) << 24) | (uchar(bytes[at + 1]) << 16) | (uchar(bytes[at + 2]) << 8) |
                       uchar(bytes[at + 3]);
            };
            QCOMPARE(int(word(16)), size);
            QCOMPARE(int(word(20)), size);
        }
        const QByteArray svg =
            readAll(installed(QStringLiteral("share/icons/hicolor/scalable/apps/%1.svg").arg(AppId)));
        QVERIFY(svg.contains("<svg") && svg.contains("viewBox=\"0 0 256 256\""));
    }

    void desktopEntryValidates()
    {
        const QString validator = requireTool("desktop-file-validate");
        QVERIFY(!validator.isEmpty());
        const QString entry = installed(QStringLiteral("share/applications/%1.desktop").arg(AppId));
        const Run check = run(validator, {entry});
        QVERIFY2(check.exitCode == 0 && check.out.isEmpty(), (check.out + check.err).constData());
        const QByteArray text = readAll(entry);
        QVERIFY(text.contains("\nExec=plumbline\n"));
        QVERIFY(text.contains("\nIcon=" + AppId.toUtf8() + "\n"));
        QVERIFY(text.contains("\nName=Plumbline 3.5\n"));
    }

    void metainfoValidates()
    {
        const QString validator = requireTool("appstreamcli");
        QVERIFY(!validator.isEmpty());
        const QString metainfo = installed(QStringLiteral("share/metainfo/%1.metainfo.xml").arg(AppId));
        const Run check = run(validator, {QStringLiteral("validate"), QStringLiteral("--no-net"), metainfo});
        QVERIFY2(check.exitCode == 0, (check.out + check.err).constData());
        const QByteArray text = readAll(metainfo);
        QVERIFY(text.contains("<id>" + AppId.toUtf8() + "</id>"));
        QVERIFY(text.contains("<launchable type=\"desktop-id\">" + AppId.toUtf8() + ".desktop</launchable>"));
        QVERIFY(text.contains("<release version=\"" PLUMBLINE_VERSION "\""));
        QVERIFY(text.contains("<screenshot type=\"default\">"));
        QVERIFY(text.contains("<content_rating type=\"oars-1.1\""));
        for (const QString &program : programs())
            QVERIFY2(text.contains("<binary>" + program.toUtf8() + "</binary>"), qPrintable(program));
        for (const char *language : {"de", "fr", "es"})
            QVERIFY2(text.contains(QByteArray("<lang percentage=\"100\">") + language + "</lang>"), language);
    }

    void manPagesRender_data()
    {
        QTest::addColumn<QString>("program");
        for (const QString &program : programs())
            QTest::newRow(qPrintable(program)) << program;
    }

    void manPagesRender()
    {
        QFETCH(QString, program);
        const QString man = requireTool("man");
        QVERIFY(!man.isEmpty());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("MANWIDTH"), QStringLiteral("80"));
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        env.insert(QStringLiteral("MANPAGER"), QStringLiteral("cat"));
        const Run page = run(man,
                             {QStringLiteral("--warnings"), QStringLiteral("-l"),
                              installed(QStringLiteral("share/man/man1/%1.1").arg(program))},
                             env);
        QVERIFY2(page.exitCode == 0, page.err.constData());
        QVERIFY2(page.err.isEmpty(), page.err.constData()); // groff warns about nothing
        const QString text = QString::fromUtf8(page.out);
        QVERIFY(text.contains(
            QRegularExpression(QStringLiteral("^NAME\\n\\s+%1 - ").arg(QRegularExpression::escape(program)),
                               QRegularExpression::MultilineOption)));
        for (const char *section : {"SYNOPSIS", "DESCRIPTION", "OPTIONS", "SEE ALSO"})
            QVERIFY2(text.contains(QLatin1String("\n") + QLatin1String(section) + QLatin1String("\n")), section);
        QVERIFY(text.contains(QLatin1String("--help")));
        QVERIFY(text.contains(QLatin1String("--version")));
    }

    void programsAnswerHelpAndVersion_data()
    {
        QTest::addColumn<QString>("program");
        for (const QString &program : programs())
            QTest::newRow(qPrintable(program)) << program;
    }

    void programsAnswerHelpAndVersion()
    {
        QFETCH(QString, program);
        // No display of any kind: the answers must not need one.
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QLatin1String(name));
        const QString path = installed(QStringLiteral("bin/") + program);

        const Run version = run(path, {QStringLiteral("--version")}, env);
        QVERIFY2(version.exitCode == 0, version.err.constData());
        QCOMPARE(version.out, (program + QStringLiteral(" " PLUMBLINE_VERSION "\n")).toUtf8());

        const Run help = run(path, {QStringLiteral("--help")}, env);
        QVERIFY2(help.exitCode == 0, help.err.constData());
        QVERIFY2(help.out.startsWith("Usage: " + path.toUtf8()), help.out.constData());
        QVERIFY(help.out.contains("--help"));
        QVERIFY(help.out.contains("--version"));
        QVERIFY(help.err.isEmpty());
    }

    // Each program links the Qt modules of its layer and no more: the command-line tools run
    // where no widget library is installed.
    void programsLinkOnlyTheirLayers_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("needed");
        QTest::addColumn<QStringList>("notNeeded");
        const QStringList gui{QStringLiteral("libQt6Gui")};
        const QStringList widgets{QStringLiteral("libQt6Widgets"), QStringLiteral("libQt6PrintSupport")};
        QTest::newRow("plumbline-export")
            << QStringLiteral("plumbline-export") << QStringList{QStringLiteral("libQt6Core")} << gui + widgets;
        QTest::newRow("plumbline-index") << QStringLiteral("plumbline-index")
                                         << QStringList{QStringLiteral("libQt6Core")} << gui + widgets;
        QTest::newRow("plumbline-versions")
            << QStringLiteral("plumbline-versions") << QStringList{QStringLiteral("libQt6Core")} << gui + widgets;
        QTest::newRow("plumbline-import")
            << QStringLiteral("plumbline-import") << QStringList{QStringLiteral("libQt6Core")} << gui + widgets;
        QTest::newRow("plumbline-gendata")
            << QStringLiteral("plumbline-gendata") << QStringList{QStringLiteral("libQt6Core")} << gui + widgets;
        QTest::newRow("plumbline-report") << QStringLiteral("plumbline-report") << gui << widgets;
        QTest::newRow("plumbline") << QStringLiteral("plumbline") << gui + widgets << QStringList();
    }
    void programsLinkOnlyTheirLayers()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, needed);
        QFETCH(QStringList, notNeeded);
        const QString readelf = requireTool("readelf");
        QVERIFY(!readelf.isEmpty());
        const Run dynamic = run(readelf, {QStringLiteral("-d"), installed(QStringLiteral("bin/") + program)});
        QCOMPARE(dynamic.exitCode, 0);
        for (const QString &library : needed)
            QVERIFY2(dynamic.out.contains(library.toUtf8() + ".so"),
                     qPrintable(program + QStringLiteral(" ") + library));
        for (const QString &library : notNeeded)
            QVERIFY2(!dynamic.out.contains(library.toUtf8() + ".so"),
                     qPrintable(program + QStringLiteral(" ") + library));
    }

    // The quick PDF compression lives in the report tool alone: the window's program leaves
    // zlib as it is for everything else in its process, and the installed tool's pages come out
    // at zlib's fastest level.
    void onlyTheReportToolCompressesQuickly()
    {
        const QString objdump = requireTool("objdump");
        QVERIFY(!objdump.isEmpty());
        const Run window = run(objdump, {QStringLiteral("-T"), installed(QStringLiteral("bin/plumbline"))});
        QCOMPARE(window.exitCode, 0);
        for (const QByteArray &line : window.out.split('\n'))
            QVERIFY2(!(line.contains("deflateInit_") && !line.contains("*UND*")), line.constData());
#ifdef PLUMBLINE_FAST_PDF_COMPRESSION
        const Run tool = run(objdump, {QStringLiteral("-T"), installed(QStringLiteral("bin/plumbline-report"))});
        bool defined = false;
        for (const QByteArray &line : tool.out.split('\n'))
            defined = defined || (line.contains("deflateInit_") && !line.contains("*UND*"));
        QVERIFY(defined);

        // A small data folder: two investments, a few records.
        QTemporaryDir data;
        QFile invest(data.filePath(QStringLiteral("PlumblineData")));
        QVERIFY(invest.open(QIODevice::WriteOnly));
        for (int n = 1; n <= 2; ++n) {
            QByteArray record(102, ' ');
            record[0] = char(n);
            record[1] = 0;
            record.replace(2, 4, "Fund");
            invest.write(record);
        }
        invest.close();
        QFile history(data.filePath(QStringLiteral("PlDataHist.txt")));
        QVERIFY(history.open(QIODevice::WriteOnly));
        history.write("1,#2020-01-15#,1000,1000,0\r\n2,#2020-02-15#,500,500,0\r\n1,#2021-01-15#,1000,1100,2\r\n");
        history.close();
        QTemporaryDir out;
        const QString pdf = out.filePath(QStringLiteral("r.pdf"));
        const Run report = run(installed(QStringLiteral("bin/plumbline-report")),
                               {QStringLiteral("--data-dir"), data.path(), QStringLiteral("--out"), pdf});
        QVERIFY2(report.exitCode == 0, report.err.constData());
        const QByteArray bytes = readAll(pdf);
        int streams = 0, fastest = 0;
        for (qsizetype at = bytes.indexOf("stream\n"); at >= 0; at = bytes.indexOf("stream\n", at + 1)) {
            if (at >= 3 && bytes.mid(at - 3, 3) == "end")
                continue;
            ++streams;
            // zlib's header: 0x78, then the level in the top bits of the second byte (0x01: fastest).
            if (bytes.mid(at + 7, 2) == QByteArray("\x78\x01", 2))
                ++fastest;
        }
        QVERIFY(streams > 0);
        QVERIFY2(fastest >= 3, qPrintable(QStringLiteral("%1 of %2").arg(fastest).arg(streams)));
#endif
    }

    // The program itself still starts as before once the options are read: Qt's own
    // options pass through, its window opens on the data folder, anything else is refused.
    void installedProgramStarts()
    {
        QTemporaryDir home;
        QVERIFY(home.isValid());
        QVERIFY(QDir(home.path()).mkpath(QStringLiteral(".config/PLUMBLINE")));
        QFile ini(home.filePath(QStringLiteral(".config/PLUMBLINE/PLUMBLINE.ini")));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[STARTUP]\ntxtPasswordPL35=void417\n"); // no password chosen: straight to the main window
        ini.close();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), home.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral(".config")));
        env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral(".local/share")));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        const QString program = installed(QStringLiteral("bin/plumbline"));

        const Run unknown =
            run(program, {QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("--no-such-option")},
                env);
        QCOMPARE(unknown.exitCode, 1);
        QVERIFY2(unknown.err.contains("no-such-option"), unknown.err.constData());

        QProcess process;
        process.setProcessEnvironment(env);
        process.start(program, {QStringLiteral("-platform"), QStringLiteral("offscreen")});
        QVERIFY(process.waitForStarted());
        const QString lock = home.filePath(QStringLiteral(".local/share/Plumbline 3.5/Plumbline.lock"));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(lock), 20000);
        // The window opens the investment file, as its load does, in the user's data folder. The
        // lock comes first, so the file is waited for too before the program is ended.
        QTRY_VERIFY_WITH_TIMEOUT(
            QFile::exists(home.filePath(QStringLiteral(".local/share/Plumbline 3.5/PlumblineData"))), 20000);
        QCOMPARE(process.state(), QProcess::Running);
        QVERIFY(QFile::exists(lock)); // the window holds the folder while it runs
        process.terminate();
        QVERIFY(process.waitForFinished(10000));
    }
};

QTEST_GUILESS_MAIN(tst_install)
#include "tst_install.moc"
