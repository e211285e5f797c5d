// Every manual page lists the options its program's --help lists, and no other: a new
// option that only --help knows of, or one the page still names after it went, fails here.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

namespace {

// "--name" of every option a --help answer lists (the lines under "Options:").
QStringList helpOptions(const QString &help)
{
    QStringList options;
    bool inOptions = false;
    static const QRegularExpression option(QStringLiteral("^  (?:-\\w, )?(--[a-z][a-z-]*)"));
    const QStringList lines = help.split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        if (line == QLatin1String("Options:")) {
            inOptions = true;
            continue;
        }
        if (inOptions && !line.startsWith(QLatin1Char(' ')))
            inOptions = false;
        const QRegularExpressionMatch m = option.match(line);
        if (inOptions && m.hasMatch())
            options << m.captured(1);
    }
    options.sort();
    return options;
}

// "--name" of every option the page's OPTIONS section gives a paragraph (the line after .TP).
QStringList pageOptions(const QString &page)
{
    QStringList options;
    bool inOptions = false;
    bool tag = false;
    static const QRegularExpression option(QStringLiteral("\\\\-\\\\-([a-z][a-z\\\\-]*)"));
    const QStringList lines = page.split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        if (line.startsWith(QLatin1String(".SH ")))
            inOptions = line == QLatin1String(".SH OPTIONS");
        if (inOptions && tag) {
            QRegularExpressionMatchIterator it = option.globalMatch(line);
            while (it.hasNext())
                options << QStringLiteral("--") +
                               it.next().captured(1).replace(QLatin1String("\\-"), QLatin1String("-"));
        }
        tag = line == QLatin1String(".TP");
    }
    options.sort();
    return options;
}

} // namespace

class tst_ManPages : public QObject
{
    Q_OBJECT

private slots:
    void pageListsTheOptionsOfHelp_data();
    void pageListsTheOptionsOfHelp();
};

void tst_ManPages::pageListsTheOptionsOfHelp_data()
{
    QTest::addColumn<QString>("program");
    for (const char *program : {"plumbline", "plumbline-export", "plumbline-gendata", "plumbline-index",
                                "plumbline-report", "plumbline-snapshot", "plumbline-versions"})
        QTest::newRow(program) << QString::fromLatin1(program);
}

void tst_ManPages::pageListsTheOptionsOfHelp()
{
    QFETCH(QString, program);
    const QString binary = QFileInfo(QStringLiteral(PLUMBLINE_APP_BIN)).dir().filePath(program);
    QVERIFY2(QFileInfo(binary).isExecutable(), qPrintable(binary));
    QFile page(QStringLiteral(PLUMBLINE_SOURCE_DIR "/dist/man/%1.1").arg(program));
    QVERIFY2(page.open(QIODevice::ReadOnly), qPrintable(page.fileName()));

    QProcess process;
    process.start(binary, {QStringLiteral("--help")});
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitCode(), 0);
    const QStringList help = helpOptions(QString::fromUtf8(process.readAllStandardOutput()));
    QVERIFY2(help.contains(QStringLiteral("--version")), qPrintable(help.join(QLatin1Char(' '))));
    QCOMPARE(pageOptions(QString::fromUtf8(page.readAll())), help);
}

QTEST_GUILESS_MAIN(tst_ManPages)
#include "tst_manpages.moc"
