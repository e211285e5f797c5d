// Every command-line tool's --help in the user's language: in English word for word as it
// always was, and in German from the first line on, which only happens when the translator is
// installed before the help's texts are made.
#include <QLibraryInfo>
#include <QProcess>
#include <QTranslator>
#include <QtTest>

namespace {

QByteArray helpIn(const QString &program, const QString &language, const QString &lang)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANGUAGE", "LANG"})
        environment.remove(QLatin1String(name));
    if (!language.isEmpty())
        environment.insert(QStringLiteral("LANGUAGE"), language);
    environment.insert(QStringLiteral("LANG"), lang);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.start(program, {QStringLiteral("--help")});
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return QByteArray();
    return process.readAllStandardOutput();
}

} // namespace

class tst_toolslanguage : public QObject
{
    Q_OBJECT

private slots:
    void help_data()
    {
        QTest::addColumn<QString>("program");
        // Whole lines of the English help, as the tool has always printed them.
        QTest::addColumn<QStringList>("english");
        QTest::newRow("export")
            << QStringLiteral(PLUMBLINE_EXPORT_BIN)
            << QStringList{QStringLiteral("Writes the figures of every data record of a Plumbline 3.5 data folder "
                                          "to standard output as CSV (comma-separated, header row, CR LF line "
                                          "ends), computed as the program's grid computes them. Nothing in the "
                                          "data folder is ever changed."),
                           QStringLiteral("  --data-dir <dir>  Read the data folder <dir> instead of the "
                                          "program's own."),
                           QStringLiteral("  --series <name>   With --suggest-rates: the price index "
                                          "<name> (default: the")};
        QTest::newRow("import") << QStringLiteral(PLUMBLINE_IMPORT_BIN)
                                << QStringList{QStringLiteral("  --new-investment <type>  Add to a new investment of "
                                                              "type <type> (1 to 50"),
                                               QStringLiteral("  --series <name>          With --fill-rates: the price "
                                                              "index <name> (default:")};
        QTest::newRow("index") << QStringLiteral(PLUMBLINE_INDEX_BIN)
                               << QStringList{QStringLiteral("The price indexes Plumbline suggests inflation rates "
                                                             "from."),
                                              QStringLiteral("  import FILE --name NAME [--country CC] [--replace]"),
                                              QStringLiteral("  --series <name>   rate: the series to use.")};
        QTest::newRow("versions") << QStringLiteral(PLUMBLINE_VERSIONS_BIN)
                                  << QStringList{QStringLiteral("Lists, shows and restores the versions Plumbline 3.5 "
                                                                "keeps of its two data files, and undoes or redoes the "
                                                                "last change."),
                                                 QStringLiteral("  --export <file>   With show: write the version's "
                                                                "records to <file> as CSV.")};
        QTest::newRow("gendata") << QStringLiteral(PLUMBLINE_GENDATA_BIN)
                                 << QStringList{QStringLiteral("usage: plumbline-gendata --out DIR --investments N "
                                                               "--records-per-investment M [--seed S] [--edits E]"),
                                                QStringLiteral("  --seed <S>                    the same seed always "
                                                               "gives the same bytes")};
#ifdef PLUMBLINE_REPORT_BIN
        QTest::newRow("report") << QStringLiteral(PLUMBLINE_REPORT_BIN)
                                << QStringList{QStringLiteral("  --out <file>         Write the report to <file> "
                                                              "(required)."),
                                               QStringLiteral("  --progress           Tell the pages written on "
                                                              "standard output, a line each")};
        QTest::newRow("snapshot") << QStringLiteral(PLUMBLINE_SNAPSHOT_BIN)
                                  << QStringList{QStringLiteral("Opens the Plumbline 3.5 main window on the program's "
                                                                "data folder, as the program does once the user is "
                                                                "through start-up, saves a picture of it to FILE.png "
                                                                "and ends. For machines without a display: run it "
                                                                "under xvfb-run.")};
#endif
    }

    void help()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, english);
        const QString helpLine = QStringLiteral("Displays help on commandline options.");

        const QStringList inEnglish =
            QString::fromUtf8(helpIn(program, QStringLiteral("en"), QStringLiteral("C.UTF-8")))
                .split(QLatin1Char('\n'));
        QVERIFY2(inEnglish.size() > 3, qPrintable(program));
        QVERIFY(inEnglish.first().startsWith(QLatin1String("Usage: ")));
        QVERIFY(inEnglish.filter(helpLine).size() == 1);
        for (const QString &line : std::as_const(english))
            QVERIFY2(inEnglish.contains(line), qPrintable(line));

        QTranslator qt;
        if (!qt.load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QSKIP("Qt's German catalogue is not installed");
        const QString german = qt.translate("QCommandLineParser", "Displays help on commandline options.");
        QVERIFY(!german.isEmpty() && german != helpLine);
        const QString inGerman =
            QString::fromUtf8(helpIn(program, QStringLiteral("de"), QStringLiteral("de_DE.UTF-8")));
        QVERIFY2(inGerman.contains(german), qPrintable(inGerman));
        QVERIFY(!inGerman.contains(helpLine));
        // The tool's own texts too, not only Qt's.
        QVERIFY2(!inGerman.contains(english.constFirst()), qPrintable(english.constFirst()));
    }

    // The first language of the user's preference that the program speaks wins, English
    // included, which needs no catalogue.
    void languageFollowsThePreference_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("expected"); // Qt's catalogue of the language, or "" for English
        QTest::newRow("German") << QString() << QStringLiteral("de_DE.UTF-8") << QStringLiteral("qtbase_de");
        QTest::newRow("Austrian German") << QString() << QStringLiteral("de_AT.UTF-8") << QStringLiteral("qtbase_de");
        QTest::newRow("French") << QStringLiteral("fr") << QStringLiteral("fr_FR.UTF-8") << QStringLiteral("qtbase_fr");
        QTest::newRow("Spanish") << QStringLiteral("es") << QStringLiteral("es_ES.UTF-8")
                                 << QStringLiteral("qtbase_es");
        QTest::newRow("English before German") << QStringLiteral("en:de") << QStringLiteral("de_DE.UTF-8") << QString();
        QTest::newRow("Italian, then German")
            << QStringLiteral("it:de") << QStringLiteral("de_DE.UTF-8") << QStringLiteral("qtbase_de");
        QTest::newRow("Italian only") << QStringLiteral("it") << QStringLiteral("it_IT.UTF-8") << QString();
        QTest::newRow("C") << QString() << QStringLiteral("C.UTF-8") << QString();
    }

    void languageFollowsThePreference()
    {
        QFETCH(QString, language);
        QFETCH(QString, lang);
        QFETCH(QString, expected);
        const QString help = QString::fromUtf8(helpIn(QStringLiteral(PLUMBLINE_EXPORT_BIN), language, lang));
        // The tool's own description, and Qt's help line where Qt's catalogue translates it.
        const QString description = QStringLiteral("Writes the figures of every data record of a Plumbline 3.5 data "
                                                   "folder");
        QVERIFY2(help.contains(description) == expected.isEmpty(), qPrintable(help));
        QTranslator qt;
        if (!expected.isEmpty() && qt.load(expected, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            const QString line = qt.translate("QCommandLineParser", "Displays help on commandline options.");
            if (!line.isEmpty())
                QVERIFY2(help.contains(line), qPrintable(help));
        }
    }
};

QTEST_GUILESS_MAIN(tst_toolslanguage)
#include "tst_toolslanguage.moc"
