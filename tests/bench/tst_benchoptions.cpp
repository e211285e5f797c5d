// The benchmark programs answer --help and --version at once: nothing is generated, no
// folder is made, no benchmark runs (the data folder named does not even appear).
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class tst_BenchOptions : public QObject
{
    Q_OBJECT

private slots:
    void answersWithoutBuildingAnything_data();
    void answersWithoutBuildingAnything();
};

void tst_BenchOptions::answersWithoutBuildingAnything_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("expected"); // the first line of the answer
    const QString bench = QStringLiteral(PLUMBLINE_BENCH_BIN);
    const QString report = QStringLiteral(PLUMBLINE_BENCH_REPORT_BIN);
    const QString version = QStringLiteral(" " PLUMBLINE_VERSION);
    QTest::newRow("bench --help") << bench << QStringList{QStringLiteral("--help")}
                                  << QStringLiteral("Usage: %1 [options]").arg(bench);
    QTest::newRow("bench --version") << bench << QStringList{QStringLiteral("--version")}
                                     << QStringLiteral("plumbline-bench") + version;
    QTest::newRow("bench -v after options")
        << bench << QStringList{QStringLiteral("--plumbline-lines=100"), QStringLiteral("-v")}
        << QStringLiteral("plumbline-bench") + version;
    QTest::newRow("report --help") << report << QStringList{QStringLiteral("--help")}
                                   << QStringLiteral("Usage: %1 [options]").arg(report);
    QTest::newRow("report --version") << report << QStringList{QStringLiteral("--version")}
                                      << QStringLiteral("plumbline-bench-report") + version;
    QTest::newRow("report -h after options")
        << report << QStringList{QStringLiteral("--plumbline-lines=100"), QStringLiteral("-h")}
        << QStringLiteral("Usage: %1 [options]").arg(report);
}

void tst_BenchOptions::answersWithoutBuildingAnything()
{
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QFETCH(QString, expected);
    QTemporaryDir temp;
    QVERIFY(temp.isValid());
    const QString data = temp.filePath(QStringLiteral("data"));
    // A generator that fails at once, should anything still try to run one.
    arguments.prepend(QStringLiteral("--plumbline-data=") + data);
    if (program.endsWith(QLatin1String("plumbline-bench")))
        arguments.prepend(QStringLiteral("--plumbline-gendata=/bin/false"));

    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TMPDIR"), temp.path());
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    QVERIFY(process.waitForFinished(60000));
    const QString out = QString::fromUtf8(process.readAllStandardOutput());
    const QString err = QString::fromUtf8(process.readAllStandardError());
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QVERIFY2(process.exitCode() == 0, qPrintable(err));
    QCOMPARE(out.section(QLatin1Char('\n'), 0, 0), expected);
    QCOMPARE(err, QString());
    if (expected.startsWith(QLatin1String("Usage"))) {
        // The program's own options, then Google Benchmark's.
        QVERIFY(out.contains(QLatin1String("--plumbline-data=DIR")));
        QVERIFY(out.contains(QLatin1String("--benchmark_filter")));
    } else {
        QCOMPARE(out, expected + QLatin1Char('\n'));
    }
    QVERIFY(!QFileInfo::exists(data));
    QCOMPARE(QDir(temp.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
}

QTEST_GUILESS_MAIN(tst_BenchOptions)
#include "tst_benchoptions.moc"
