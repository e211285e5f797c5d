// Every file the program writes besides its data files, on a real full disk: the report (in the
// program and from the command line), the chart's PNG and PDF, an imported price index. Each
// attempt either gives error 61 with the older file byte for byte as it was, or a whole new
// file; nothing is ever left beside it.
#include "appfixture.h"
#include "filechooserdouble.h"
#include "fulldisktesting.h"
#include "reporttesting.h"

#include "core/runtimeerror.h"
#include "platform/locale.h"
#include "render/chart/chartexport.h"
#include "render/chart/inflationchartpainter.h"
#include "render/report/reportwriter.h"
#include "storage/chartload.h"
#include "storage/datafolder.h"
#include "storage/faults.h"
#include "storage/priceindexstore.h"
#include "ui/chart/chartwindow.h"
#include "ui/main/frminvestdata.h"

#include <QImage>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

#include <functional>

using namespace fulldisk;

namespace {

// One kind of file under test: where it goes, one attempt at writing it (0, or the error number
// with what was said), and whether what came out is whole.
struct Saver
{
    QString target;
    std::function<int(QString *said)> attempt;
    std::function<bool(const QString &path, QString *why)> whole;
};

int reportError(const std::function<void()> &action, QString *said)
{
    try {
        action();
    } catch (const RuntimeError &error) {
        *said = error.standardText();
        return error.number();
    }
    return 0;
}

// A complete report: poppler reads the page count, and the file ends as a PDF ends.
bool wholePdf(const QString &path, int pages, QString *why)
{
    const QByteArray bytes = readAll(path);
    const QString counted = reporttesting::pdfInfo(path, QStringLiteral("Pages"));
    *why = QStringLiteral("%1 bytes, pdfinfo pages \"%2\"").arg(bytes.size()).arg(counted);
    return bytes.trimmed().endsWith("%%EOF") && counted == QString::number(pages);
}

// The error number in "(error 61: Disk full)" of the import's message, -1 for anything else.
int importErrorNumber(const QString &message)
{
    static const QRegularExpression number(QStringLiteral("\\(error (\\d+): "));
    const QRegularExpressionMatch m = number.match(message);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

QByteArray longCsv()
{
    QByteArray csv;
    for (int year = 1800; year <= 2020; ++year)
        for (int month = 1; month <= 12; ++month)
            csv += QByteArray::number(year) + '-' + QByteArray::number(month).rightJustified(2, '0') + ',' +
                   QByteArray::number(100 + (year - 1800) * 0.5 + month * 0.01, 'f', 3) + '\n';
    return csv;
}

} // namespace

class tst_fulldisk : public QObject
{
    Q_OBJECT

private slots:
    void init() { platform::LocaleServices::setToday(QDate(2026, 3, 14)); }
    void cleanup()
    {
        storage::faults::clear();
        platform::LocaleServices::setToday(QDate());
    }

    void errorOrWholeFile_data()
    {
        QTest::addColumn<QString>("what");
        QTest::addColumn<int>("steps");
        QTest::newRow("report") << QStringLiteral("report") << 4;
        QTest::newRow("plumbline-report") << QStringLiteral("tool") << 2;
        QTest::newRow("chart PNG") << QStringLiteral("png") << 3;
        QTest::newRow("chart PDF") << QStringLiteral("pdf") << 4;
        QTest::newRow("price index import") << QStringLiteral("index") << 4;
    }

    void errorOrWholeFile()
    {
        QFETCH(QString, what);
        QFETCH(int, steps);
        if (::geteuid() != 0)
            QSKIP("mounting a small tmpfs needs root; faultLayerFullDisk covers the rest");
        testing::AppFixture app;
        reporttesting::writeExample(app);
        const QString dataFolder = app.folder().dir();
        SmallDisk disk(1024 * 1024);
        if (!disk.isMounted())
            QSKIP("no tmpfs could be mounted here");

        const ChartSeries series = storage::loadChartSeries(app.folder().path(storage::HistFileName), 1);
        const InflationChartPainter painter(series);
        QTemporaryDir csvFolder;
        const QString csv = csvFolder.filePath(QStringLiteral("cpi.csv"));
        QVERIFY(writeFile(csv, longCsv()));
        QByteArray reference; // what a run with room enough writes, where that is always the same

        Saver saver;
        QByteArray old(6000, 'o');
        if (what == QLatin1String("report")) {
            saver.target = disk.outFile(QStringLiteral("r.pdf"));
            saver.attempt = [&](QString *said) {
                return reportError([&] { render::writeReport({saver.target, 0}); }, said);
            };
            saver.whole = [](const QString &path, QString *why) { return wholePdf(path, 4, why); };
        } else if (what == QLatin1String("tool")) {
            saver.target = disk.outFile(QStringLiteral("r.pdf"));
            saver.attempt = [&](QString *said) {
                QProcess tool;
                tool.start(QStringLiteral(PLUMBLINE_REPORT_BIN),
                           {QStringLiteral("--data-dir"), dataFolder, QStringLiteral("--out"), saver.target});
                if (!tool.waitForFinished(60000))
                    return -1;
                *said = QString::fromUtf8(tool.readAllStandardError());
                if (tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0)
                    return 0;
                return said->endsWith(QStringLiteral(": error 61: Disk full\n")) ? 61 : -1;
            };
            saver.whole = [](const QString &path, QString *why) { return wholePdf(path, 4, why); };
        } else if (what == QLatin1String("png") || what == QLatin1String("pdf")) {
            const bool png = what == QLatin1String("png");
            saver.target = disk.outFile(png ? QStringLiteral("c.png") : QStringLiteral("c.pdf"));
            saver.attempt = [&, png](QString *said) {
                const bool saved = png ? chartexport::writePng(painter, saver.target, QSize(1600, 1000), said)
                                       : chartexport::writePdf(painter, saver.target, QStringLiteral("Chart"), said);
                if (saved)
                    return 0;
                return *said == QStringLiteral("Error Number:61\r\nDisk full") ? 61 : -1;
            };
            saver.whole = [&, png](const QString &path, QString *why) {
                if (!png)
                    return wholePdf(path, 1, why);
                const QImage image(path);
                *why = QStringLiteral("image %1x%2").arg(image.width()).arg(image.height());
                return image.size() == QSize(1600, 1000) && readAll(path) == reference;
            };
        } else {
            storage::setProgramFolder(disk.out());
            saver.target = storage::priceIndexFolder() + QStringLiteral("/S.txt");
            QVERIFY(QDir().mkpath(storage::priceIndexFolder()));
            saver.attempt = [&](QString *said) {
                storage::PriceIndexImport result;
                if (storage::importPriceIndex(csv, QStringLiteral("S"), QString(), result, *said))
                    return 0;
                return importErrorNumber(*said);
            };
            saver.whole = [&](const QString &path, QString *why) {
                PriceIndex back;
                const bool loaded = storage::loadPriceIndex(QStringLiteral("S"), back, *why);
                return loaded && back.values.size() == 221 * 12 && readAll(path) == reference;
            };
        }
        const QString name = QFileInfo(saver.target).fileName();
        const QString folder = QFileInfo(saver.target).absolutePath();

        // With room enough, once: the size of what the sweep writes.
        QString said;
        QCOMPARE(saver.attempt(&said), 0);
        reference = readAll(saver.target);
        // Several pages, so the sweep stops part way through it more than once.
        QVERIFY2(reference.size() > 3 * Page, qPrintable(QString::number(reference.size())));
        QVERIFY2(saver.whole(saver.target, &said), qPrintable(said));
        if (what == QLatin1String("index")) {
            // The older series: a short one of the same name.
            QVERIFY(writeFile(csv + QStringLiteral(".old"), "2020-01,100\n"));
            storage::PriceIndexImport result;
            QVERIFY(
                storage::importPriceIndex(csv + QStringLiteral(".old"), QStringLiteral("S"), QString(), result, said));
            old = readAll(saver.target);
        }

        for (const qint64 room : freeSteps(reference.size(), steps)) {
            disk.removeFiller();
            QVERIFY(writeFile(saver.target, old));
            const qint64 free = disk.leaveFree(room);
            const int error = saver.attempt(&said);
            const QString where = QStringLiteral("%1 bytes free for %2: ").arg(free).arg(reference.size());
            // Less room than the file needs can only be refused; plenty can only be written.
            QVERIFY2(free + 64 >= reference.size() || error != 0, qPrintable(where + QStringLiteral("written")));
            QVERIFY2(free < reference.size() + 2 * Page || error == 0, qPrintable(where + said));
            if (error != 0) {
                QVERIFY2(error == RuntimeError::DiskFull, qPrintable(where + said));
                QVERIFY2(readAll(saver.target) == old, qPrintable(where + QStringLiteral("the old file changed")));
            } else {
                QString why;
                QVERIFY2(saver.whole(saver.target, &why), qPrintable(where + why));
            }
            QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
                     QStringList{name});
        }
        if (what == QLatin1String("index"))
            storage::setProgramFolder(dataFolder);
    }

    // The same without root: the fault layer cuts the writes short as a full disk would, at
    // every block of the report and at the very last bytes.
    void faultLayerFullDisk()
    {
        testing::AppFixture app;
        reporttesting::writeExample(app);
        QTemporaryDir out;
        const QString pdf = out.filePath(QStringLiteral("r.pdf"));
        QVERIFY(writeFile(pdf, "old report"));
        const QString fresh = out.filePath(QStringLiteral("fresh.pdf"));
        render::writeReport({fresh, 0});
        const qint64 size = QFileInfo(fresh).size();
        QVERIFY(QFile::remove(fresh));
        for (const qint64 room : {qint64(0), qint64(1), size / 3, size - 4096, size - 1}) {
            storage::faults::limitBytes(room);
            QString said;
            QCOMPARE(reportError([&] { render::writeReport({pdf, 0}); }, &said), int(RuntimeError::DiskFull));
            storage::faults::clear();
            QCOMPARE(said, QStringLiteral("Error Number:61\r\nDisk full"));
            QCOMPARE(readAll(pdf), QByteArray("old report"));
            QCOMPARE(reporttesting::entries(out.path()), QStringList{QStringLiteral("r.pdf")});
        }
        storage::faults::limitBytes(size);
        QCOMPARE(render::writeReport({pdf, 0}), 4);
    }

    // The chart window shows the numbered error and keeps the older picture.
    void chartWindowSaysDiskFull()
    {
        if (::geteuid() != 0)
            QSKIP("mounting a small tmpfs needs root");
        testing::AppFixture app;
        reporttesting::writeExample(app);
        SmallDisk disk(256 * 1024);
        if (!disk.isMounted())
            QSKIP("no tmpfs could be mounted here");
        frmInvestData *main = app.startMainWindow();
        QVERIFY(main);
        testing::ScriptedFileChooser chooser;
        main->mnuViewChart->trigger();
        ChartWindow *chart = ChartWindow::instance();
        QVERIFY(chart);
        const QString png = disk.outFile(QStringLiteral("c.png"));
        QVERIFY(writeFile(png, "old picture"));
        disk.leaveFree(Page);
        chooser.enqueue(png);
        QTest::mouseClick(chart->cmdSavePng, Qt::LeftButton);
        QCOMPARE(app.boxes().calls().size(), 1);
        QCOMPARE(app.boxes().lastCall().text, QStringLiteral("The chart could not be saved to \"%1\":\r\n"
                                                             "Error Number:61\r\nDisk full")
                                                  .arg(png));
        QCOMPARE(readAll(png), QByteArray("old picture"));
        QCOMPARE(disk.outEntries(), QStringList{QStringLiteral("c.png")});
        chart->close();
    }
};

QTEST_MAIN(tst_fulldisk)
#include "tst_fulldisk.moc"
