// What the chart draws and writes: series colours inside the plot, hollow markers for carried
// records, the skipped-record marks, the band's loss and gain parts split where the lines
// cross, the empty-state sentences, PNG and PDF files (their size, page, title and legend,
// and never the hover's marks), files replaced whole, failures reported, and a long history
// drawn in bounded time. Pictures of 1, 12 and 10,000 records and of falling prices in light
// and dark palettes go to PLUMBLINE_SCREENSHOTS_DIR when it is set.

#include "editingtesting.h"
#include "filechooserdouble.h"
#include "palettetesting.h"

#include "render/chart/chartexport.h"
#include "render/chart/inflationchartpainter.h"
#include "storage/chartload.h"
#include "ui/chart/chartwindow.h"
#include "ui/chart/inflationchart.h"
#include "ui/colours.h"

#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QStyle>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>

using namespace edtest;

namespace {

// A history of `count` records of investment 1 (and a few of investment 2 between them):
// rising amounts, every fifth record without a rate, and, when asked, one record with a
// current amount of 0.
QStringList historyOf(int count, bool withSkipped)
{
    QStringList lines;
    const QDate start = count > 400 ? QDate(1999, 1, 1) : QDate(2015, 1, 15);
    for (int k = 0; k < count; ++k) {
        const QDate date = count > 400 ? start.addDays(k) : start.addMonths(k);
        const double current = count > 400 ? 10000 + 1.5 * k + 900 * std::sin(k / 400.0) + 80 * std::sin(k / 7.0)
                                           : 10000 + 40.0 * k + 600 * std::sin(k / 9.0);
        // Rates for the interval since the record before: a day's for daily records, a month's for monthly ones.
        const double interval = count > 400 ? 0.006 + 0.001 * (k % 7) : 0.2 + 0.05 * (k % 7);
        const QString rate = k % 5 == 4 ? QStringLiteral("0") : QString::number(interval, 'f', 3);
        const bool skip = withSkipped && k == count / 2 && count > 2;
        lines << QStringLiteral("1,#%1#,%2,%3,%4")
                     .arg(date.toString(QStringLiteral("yyyy-MM-dd")))
                     .arg(10000 + (count > 400 ? (k / 2000) * 2000 : (k / 6) * 500))
                     .arg(skip ? QStringLiteral("0") : QString::number(current, 'f', 2))
                     .arg(rate);
        if (k % 50 == 3)
            lines << QStringLiteral("2,#%1#,500,510,1").arg(date.toString(QStringLiteral("yyyy-MM-dd")));
    }
    return lines;
}

// Two years of monthly records of investment 1 in which prices rise, then fall for ten
// months (negative rates), then rise again: the AFI climbs above the Current Amount and back.
QStringList fallingPricesHistory()
{
    QStringList lines;
    for (int k = 0; k < 24; ++k) {
        const double rate = k < 6 ? 0.4 : k < 16 ? -0.7 : 0.5;
        lines << QStringLiteral("1,#%1#,10000,%2,%3")
                     .arg(QDate(2008, 1, 15).addMonths(k).toString(QStringLiteral("yyyy-MM-dd")))
                     .arg(QString::number(10000 + 30.0 * k + 150 * std::sin(k / 3.0), 'f', 2))
                     .arg(QString::number(rate, 'f', 1));
    }
    return lines;
}

// The band's colour as it shows over the background.
QColor over(const QColor &background, const QColor &band)
{
    const qreal a = band.alphaF();
    return QColor::fromRgbF(background.redF() + (band.redF() - background.redF()) * a,
                            background.greenF() + (band.greenF() - background.greenF()) * a,
                            background.blueF() + (band.blueF() - background.blueF()) * a);
}

ChartSeries seriesFor(testing::AppFixture &app, const QStringList &lines)
{
    app.writeHistory(lines);
    ChartSeries series = storage::loadChartSeries(app.folder().path(storage::HistFileName), 1);
    series.setInvestment(1, QStringLiteral("Growth Fund").leftJustified(50),
                         QStringLiteral("First Bank").leftJustified(50));
    return series;
}

bool near(QRgb pixel, const QColor &colour, int tolerance = 12)
{
    return std::abs(qRed(pixel) - colour.red()) <= tolerance && std::abs(qGreen(pixel) - colour.green()) <= tolerance &&
           std::abs(qBlue(pixel) - colour.blue()) <= tolerance;
}

int pixelsNear(const QImage &image, const QRectF &area, const QColor &colour, int tolerance = 12)
{
    int count = 0;
    const QRect r = area.toAlignedRect().intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            count += near(image.pixel(x, y), colour, tolerance);
    return count;
}

QImage painted(const InflationChartPainter &painter, const QSize &size, int dpi = 96)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.setDotsPerMeterX(int(std::lround(dpi / 0.0254)));
    image.setDotsPerMeterY(int(std::lround(dpi / 0.0254)));
    image.fill(Qt::magenta);
    QPainter p(&image);
    painter.paint(p, QRectF(QPointF(0, 0), QSizeF(size)));
    p.end();
    return image;
}

void keepPicture(const QImage &image, const QString &name)
{
    const QString dir = qEnvironmentVariable("PLUMBLINE_SCREENSHOTS_DIR");
    if (!dir.isEmpty())
        QVERIFY(image.save(QDir(dir).filePath(name)));
}

QByteArray runPoppler(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QByteArray();
    return process.readAllStandardOutput();
}

} // namespace

class tst_ChartPainting : public QObject
{
    Q_OBJECT

private slots:
    void plotHoldsTheSeriesColours_data();
    void plotHoldsTheSeriesColours();
    void carriedRecordHasAHollowMarker();
    void skippedRecordIsAGapMarkedOnTheAxis();
    void emptyStatesShowASentence_data();
    void emptyStatesShowASentence();
    void longHistoryIsThinnedToThePlotWidth();
    void pngExportHasTheRequestedSize();
    void pngExportReplacesWholeAndFollowsLinks();
    void failedSaveIsReportedAndLeavesTheOldFile();
    void cancelWritesNothing();
    void pdfExportIsOnePageWithTitleAndLegend();
    void fallingPricesSplitTheBandWhereTheLinesCross_data();
    void fallingPricesSplitTheBandWhereTheLinesCross();
    void bandLegendAndDescriptionFollowTheRecords_data();
    void bandLegendAndDescriptionFollowTheRecords();
    void bandColoursReadUnderBothPalettes();
    void savedPicturesLeaveOutTheHover_data();
    void savedPicturesLeaveOutTheHover();
    void savedFilesArePrivateAndOnlyPlainFilesReplaced();
};

void tst_ChartPainting::plotHoldsTheSeriesColours_data()
{
    QTest::addColumn<int>("records");
    QTest::addColumn<bool>("dark");
    for (int records : {1, 12, 10000}) {
        QTest::addRow("%d records, light", records) << records << false;
        QTest::addRow("%d records, dark", records) << records << true;
    }
}

void tst_ChartPainting::plotHoldsTheSeriesColours()
{
    QFETCH(int, records);
    QFETCH(bool, dark);
    testing::AppFixture app;
    // A single record needs a rate to have an AFI at all.
    const QStringList lines =
        records == 1 ? QStringList{QStringLiteral("1,#2020-03-01#,10000,10250,1.5")} : historyOf(records, true);
    const ChartSeries series = seriesFor(app, lines);
    QCOMPARE(int(series.size()), records);
    InflationChartPainter painter(series);
    painter.setColours(dark ? InflationChartPainter::Colours::dark() : InflationChartPainter::Colours::light());
    const QSize size(900, 560);
    const QImage image = painted(painter, size);
    keepPicture(image, QStringLiteral("chart-%1-%2.png").arg(records).arg(dark ? "dark" : "light"));

    const InflationChartPainter::Geometry g = painter.geometry(QRectF(QPointF(0, 0), QSizeF(size)), 96);
    QVERIFY(g.axes);
    QVERIFY(g.plot.width() > 600 && g.plot.height() > 300);
    const InflationChartPainter::Colours &c = painter.colours();
    QVERIFY(pixelsNear(image, g.plot, c.current) > 0);
    QVERIFY(pixelsNear(image, g.plot, c.afi) > 0);
    QCOMPARE(pixelsNear(image, QRectF(image.rect()), QColor(Qt::magenta)), 0); // every pixel painted
    QVERIFY(near(image.pixel(2, 2), c.background, 0));
    // Every record lies inside the axes.
    for (std::size_t i = 0; i < series.size(); ++i) {
        QVERIFY(g.dates.range.contains(series.points()[i].date.serial()));
        if (series.isDrawn(i))
            QVERIFY(g.amounts.range.contains(series.points()[i].current.toDouble()));
    }
    if (records > 1) {
        QVERIFY(pixelsNear(image, g.plot, c.original) > 0);
        QVERIFY(int(g.dates.ticks.size()) >= 2);
    }
    QCOMPARE(painter.legendTexts().mid(0, 4),
             (QStringList{QStringLiteral("Current Amount"), QStringLiteral("Current Amount AFI"),
                          QStringLiteral("Original Amount"), QStringLiteral("Lost to inflation")}));
    // Prices only rose: nothing was gained.
    QVERIFY(!painter.legendTexts().contains(QStringLiteral("Gained from falling prices")));
    QCOMPARE(pixelsNear(image, g.plot, over(c.background, c.gainBand), 3), 0);
}

void tst_ChartPainting::carriedRecordHasAHollowMarker()
{
    testing::AppFixture app;
    const ChartSeries series =
        seriesFor(app, {QStringLiteral("1,#2020-01-01#,1000,1000,2"), QStringLiteral("1,#2021-01-01#,1000,1200,0"),
                        QStringLiteral("1,#2022-01-01#,1000,1100,3")});
    QCOMPARE(int(series.points()[1].state), int(PointState::Carried));
    InflationChartPainter painter(series);
    // At three times the screen's resolution the ring is several pixels wide.
    const QSize size(2400, 1500);
    const QImage image = painted(painter, size, 288);
    const InflationChartPainter::Geometry g = painter.geometry(QRectF(QPointF(0, 0), QSizeF(size)), 288);
    QCOMPARE(g.pixelsPerPoint, 4.0);
    const InflationChartPainter::Colours &c = painter.colours();
    const auto afiAt = [&](int i) {
        const ChartPoint &p = series.points()[std::size_t(i)];
        return QPointF(g.xOf(std::floor(p.date.serial())), g.yOf(p.currentAfi.toDouble())).toPoint();
    };
    // Computed records: filled in the AFI colour; the carried one: the background inside an AFI ring.
    QVERIFY(near(image.pixel(afiAt(0)), c.afi, 30));
    QVERIFY(near(image.pixel(afiAt(2)), c.afi, 30));
    const QPoint carried = afiAt(1);
    QVERIFY(near(image.pixel(carried), c.background, 30));
    // Up and down from the centre (the AFI line runs level through a carried record): the
    // background, then the ring above and below.
    int ringAbove = 0;
    int ringBelow = 0;
    for (int dy = 4; dy <= 18; ++dy) {
        ringAbove += near(image.pixel(carried + QPoint(0, -dy)), c.afi, 40);
        ringBelow += near(image.pixel(carried + QPoint(0, dy)), c.afi, 40);
    }
    QVERIFY(ringAbove >= 2 && ringBelow >= 2);
    QVERIFY(near(image.pixel(carried + QPoint(0, -3)), c.background, 30));
    QVERIFY(near(image.pixel(carried + QPoint(0, 3)), c.background, 30));
    QVERIFY(painter.legendTexts().contains(QStringLiteral("AFI carried (no rate)")));
    QVERIFY(!painter.legendTexts().contains(QStringLiteral("Skipped record")));
}

void tst_ChartPainting::skippedRecordIsAGapMarkedOnTheAxis()
{
    testing::AppFixture app;
    const ChartSeries series =
        seriesFor(app, {QStringLiteral("1,#2020-01-01#,1000,1000,2"), QStringLiteral("1,#2020-07-01#,1000,1100,2"),
                        QStringLiteral("1,#2021-01-01#,1000,0,2"), QStringLiteral("1,#2021-07-01#,1000,1150,2"),
                        QStringLiteral("1,#2022-01-01#,1000,1250,2")});
    QCOMPARE(int(series.points()[2].state), int(PointState::Skipped));
    InflationChartPainter painter(series);
    const QSize size(800, 500);
    const QImage image = painted(painter, size);
    const InflationChartPainter::Geometry g = painter.geometry(QRectF(QPointF(0, 0), QSizeF(size)), 96);
    const InflationChartPainter::Colours &c = painter.colours();
    const qreal skippedX = g.xOf(series.points()[2].date.serial());
    // The mark sits on the date axis.
    QVERIFY(pixelsNear(image, QRectF(skippedX - 3, g.plot.bottom() - 3, 7, 6), c.skipped) > 0);
    // No Current Amount line crosses the middle of the gap.
    const qreal gapX = (g.xOf(series.points()[1].date.serial()) + skippedX) / 2;
    QCOMPARE(pixelsNear(image, QRectF(gapX, g.plot.top(), 1, g.plot.height() - 6), c.current), 0);
    QVERIFY(painter.legendTexts().contains(QStringLiteral("Skipped record")));
}

void tst_ChartPainting::emptyStatesShowASentence_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("sentence");
    QTest::newRow("no records") << QStringList{QStringLiteral("2,#2020-01-01#,5,5,1")}
                                << QStringLiteral("This investment has no data records yet, so there is nothing to "
                                                  "draw. Add a record with Add New under the grid.");
    QTest::newRow("every amount at or below 0")
        << QStringList{QStringLiteral("1,#2020-01-01#,0,100,1"), QStringLiteral("1,#2020-02-01#,100,-1,1")}
        << QStringLiteral("No data record of this investment has both amounts above 0, so there is nothing to draw.");
    QTest::newRow("no rate yet") << QStringList{QStringLiteral("1,#2020-01-01#,100,100,0"),
                                                QStringLiteral("1,#2020-02-01#,100,105,0")}
                                 << QStringLiteral("No inflation rate has been entered for this investment yet, so "
                                                   "there is no amount adjusted for inflation to draw.");
}

void tst_ChartPainting::emptyStatesShowASentence()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, sentence);
    testing::AppFixture app;
    const ChartSeries series = seriesFor(app, lines);
    InflationChartPainter painter(series);
    QCOMPARE(painter.emptySentence(), sentence);
    const QSize size(700, 420);
    const QImage image = painted(painter, size);
    keepPicture(image,
                QStringLiteral("chart-empty-%1.png")
                    .arg(QString::fromLatin1(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('-'))));
    const InflationChartPainter::Geometry g = painter.geometry(QRectF(QPointF(0, 0), QSizeF(size)), 96);
    // No axes: no series colour anywhere, the sentence's text in the middle of the plot area.
    QVERIFY(!g.axes);
    QCOMPARE(pixelsNear(image, QRectF(image.rect()), painter.colours().current), 0);
    QCOMPARE(pixelsNear(image, QRectF(image.rect()), painter.colours().afi), 0);
    const QRectF middle(g.plot.left(), g.plot.center().y() - 30, g.plot.width(), 60);
    QVERIFY(pixelsNear(image, middle, painter.colours().text, 60) > 50);
}

void tst_ChartPainting::longHistoryIsThinnedToThePlotWidth()
{
    testing::AppFixture app;
    const ChartSeries small = seriesFor(app, historyOf(1000, false));
    const ChartSeries large = seriesFor(app, historyOf(10000, false));
    QCOMPARE(int(large.size()), 10000);
    InflationChartPainter smallPainter(small);
    InflationChartPainter largePainter(large);
    const QSize size(900, 560);
    painted(largePainter, size); // warm up fonts
    const auto timeOf = [&](const InflationChartPainter &painter) {
        qint64 best = std::numeric_limits<qint64>::max();
        for (int run = 0; run < 5; ++run) {
            QElapsedTimer timer;
            timer.start();
            painted(painter, size);
            best = std::min(best, timer.nsecsElapsed());
        }
        return best;
    };
    const qint64 smallTime = timeOf(smallPainter);
    const qint64 largeTime = timeOf(largePainter);
    // Ten times the records, about the same drawing: only the per-record arithmetic grows.
    QVERIFY2(largeTime < smallTime * 4 + 20'000'000,
             qPrintable(QStringLiteral("1,000: %1 ms, 10,000: %2 ms").arg(smallTime / 1e6).arg(largeTime / 1e6)));
}

void tst_ChartPainting::pngExportHasTheRequestedSize()
{
    testing::AppFixture app;
    app.writeInvestments({{QStringLiteral("Growth Fund"), QStringLiteral("First Bank")}});
    app.writeHistory(historyOf(12, false));
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    testing::ScriptedFileChooser chooser;
    w->mnuViewChart->trigger();
    ChartWindow *chart = ChartWindow::instance();
    QVERIFY(chart);
    QTemporaryDir out;
    const QString path = out.filePath(QStringLiteral("chart.png"));
    chooser.enqueue(path);
    click(chart->cmdSavePng);
    QCOMPARE(chooser.calls().size(), 1);
    QCOMPARE(chooser.calls()[0].caption, QStringLiteral("Save Chart as PNG"));
    QCOMPARE(chooser.calls()[0].filter, QStringLiteral("PNG pictures (*.png)"));
    QVERIFY(chooser.calls()[0].suggested.endsWith(QStringLiteral("/Growth Fund, First Bank.png")));
    QCOMPARE(chooser.calls()[0].parent, chart);
    QCOMPARE(app.boxes().calls().size(), 0);
    const QImage image(path);
    QCOMPARE(image.size(), QSize(1600, 1000));
    const InflationChartPainter::Geometry g = chart->chart->painter().geometry(QRectF(image.rect()), 96);
    QVERIFY(pixelsNear(image, g.plot, chart->chart->painter().colours().current) > 100);
    QVERIFY(pixelsNear(image, g.plot, chart->chart->painter().colours().afi) > 100);
    // Nothing was left beside the data files.
    QCOMPARE(strayFiles(app), QStringList());
}

void tst_ChartPainting::pngExportReplacesWholeAndFollowsLinks()
{
    testing::AppFixture app;
    const ChartSeries series = seriesFor(app, historyOf(12, false));
    InflationChartPainter painter(series);
    const QString target = app.folder().path(QStringLiteral("target.png"));
    const QString link = app.folder().path(QStringLiteral("link.png"));
    QVERIFY(app.folder().writeBytes(QStringLiteral("target.png"), QByteArray(200000, 'x')));
    QVERIFY(QFile::link(target, link));
    QString error;
    QVERIFY(chartexport::writePng(painter, link, QSize(640, 400), &error));
    QVERIFY(QFileInfo(link).isSymLink());
    const QImage image(target);
    QCOMPARE(image.size(), QSize(640, 400));
    QVERIFY(!app.folder().readBytes(QStringLiteral("target.png")).contains(QByteArray(100, 'x')));
    QStringList left =
        QDir(app.folder().dir()).entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    left.sort();
    QCOMPARE(left,
             (QStringList{QStringLiteral("PlDataHist.txt"), QStringLiteral("link.png"), QStringLiteral("target.png")}));
}

void tst_ChartPainting::failedSaveIsReportedAndLeavesTheOldFile()
{
    testing::AppFixture app;
    app.writeInvestments({{QStringLiteral("Growth Fund"), QStringLiteral("First Bank")}});
    app.writeHistory(historyOf(12, false));
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    testing::ScriptedFileChooser chooser;
    w->mnuViewChart->trigger();
    ChartWindow *chart = ChartWindow::instance();
    QVERIFY(chart);
    // A folder that is a file: nothing can be created in it, by root either.
    QVERIFY(app.folder().writeBytes(QStringLiteral("notafolder"), "kept"));
    const QString path = app.folder().path(QStringLiteral("notafolder/chart.pdf"));
    chooser.enqueue(path);
    click(chart->cmdSavePdf);
    QCOMPARE(app.boxes().calls().size(), 1);
    const platform::MessageBoxCall call = app.boxes().calls().first();
    QVERIFY2(call.text.startsWith(QStringLiteral("The chart could not be saved to \"%1\":\r\n").arg(path)),
             qPrintable(call.text));
    QVERIFY(call.text.size() > path.size() + 36);
    QCOMPARE(call.title, QStringLiteral("Plumbline 3.5"));
    QCOMPARE(call.icon, platform::MsgIcon::Exclamation);
    QCOMPARE(call.buttons, platform::MsgButtons::OK);
    QCOMPARE(app.folder().readBytes(QStringLiteral("notafolder")), QByteArray("kept"));

    // A picture of no size fails before anything is written, and says why.
    const ChartSeries series = seriesFor(app, historyOf(12, false));
    InflationChartPainter painter(series);
    QString error;
    QVERIFY(!chartexport::writePng(painter, app.folder().path(QStringLiteral("big.png")), QSize(0, 10), &error));
    QCOMPARE(error, QStringLiteral("The picture has no size."));
    QVERIFY(!app.folder().exists(QStringLiteral("big.png")));
}

void tst_ChartPainting::cancelWritesNothing()
{
    testing::AppFixture app;
    app.writeInvestments({{QStringLiteral("Growth Fund"), QStringLiteral("First Bank")}});
    app.writeHistory(historyOf(3, false));
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    testing::ScriptedFileChooser chooser; // nothing queued: Cancel
    w->mnuViewChart->trigger();
    ChartWindow *chart = ChartWindow::instance();
    QVERIFY(chart);
    const QStringList before = QDir(app.folder().dir()).entryList(QDir::Files | QDir::Hidden);
    click(chart->cmdSavePng);
    click(chart->cmdSavePdf);
    QCOMPARE(chooser.calls().size(), 2);
    QCOMPARE(chooser.calls()[1].caption, QStringLiteral("Save Chart as PDF"));
    QCOMPARE(chooser.calls()[1].filter, QStringLiteral("PDF documents (*.pdf)"));
    QCOMPARE(QDir(app.folder().dir()).entryList(QDir::Files | QDir::Hidden), before);
    QCOMPARE(app.boxes().calls().size(), 0);
}

void tst_ChartPainting::pdfExportIsOnePageWithTitleAndLegend()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed: run scripts/install-deps.sh");
    testing::AppFixture app;
    app.writeInvestments({{QStringLiteral("Growth Fund"), QStringLiteral("First Bank")}});
    app.writeHistory(historyOf(40, true));
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    testing::ScriptedFileChooser chooser;
    w->mnuViewChart->trigger();
    ChartWindow *chart = ChartWindow::instance();
    QVERIFY(chart);
    const QString path = app.folder().path(QStringLiteral("chart.pdf"));
    chooser.enqueue(path);
    click(chart->cmdSavePdf);
    QCOMPARE(app.boxes().calls().size(), 0);
    QVERIFY(QFileInfo(path).size() > 1000);

    const QString info = QString::fromUtf8(runPoppler(QStringLiteral("pdfinfo"), {path}));
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("^Pages: +1$"), QRegularExpression::MultilineOption)),
             qPrintable(info));
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("^Title: +Chart: Growth Fund, First Bank$"),
                                              QRegularExpression::MultilineOption)),
             qPrintable(info));
    QVERIFY2(info.contains(QStringLiteral("Page size:       842 x 595 pts (A4)")), qPrintable(info));
    const QString text = QString::fromUtf8(runPoppler(QStringLiteral("pdftotext"), {path, QStringLiteral("-")}));
    for (const QString &expected :
         {QStringLiteral("Growth Fund, First Bank"), QStringLiteral("Current Amount"),
          QStringLiteral("Current Amount AFI"), QStringLiteral("Original Amount"), QStringLiteral("Lost to inflation"),
          QStringLiteral("AFI carried (no rate)"), QStringLiteral("Skipped record"), QStringLiteral("$10,000.00"),
          QStringLiteral("2016")})
        QVERIFY2(text.contains(expected), qPrintable(expected + QStringLiteral(" in:\n") + text));

    if (!QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty()) {
        const QString dir = qEnvironmentVariable("PLUMBLINE_SCREENSHOTS_DIR");
        if (!dir.isEmpty())
            runPoppler(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("60"),
                                                    path, QDir(dir).filePath(QStringLiteral("chart-pdf"))});
    }
}

void tst_ChartPainting::fallingPricesSplitTheBandWhereTheLinesCross_data()
{
    QTest::addColumn<bool>("dark");
    QTest::newRow("light") << false;
    QTest::newRow("dark") << true;
}

void tst_ChartPainting::fallingPricesSplitTheBandWhereTheLinesCross()
{
    QFETCH(bool, dark);
    testing::AppFixture app;
    // A flat Current Amount; the AFI from 900 (10% inflation) to 1100 (prices down 20%): the
    // lines cross halfway between the two records.
    const ChartSeries series =
        seriesFor(app, {QStringLiteral("1,#2020-01-01#,1000,1000,10"), QStringLiteral("1,#2021-01-01#,1000,1000,-20")});
    QCOMPARE(series.points()[0].currentAfi, Currency::fromWhole(900));
    QCOMPARE(series.points()[1].currentAfi, Currency::fromWhole(1100));
    InflationChartPainter painter(series);
    painter.setColours(dark ? InflationChartPainter::Colours::dark() : InflationChartPainter::Colours::light());
    const QSize size(900, 560);
    const QImage image = painted(painter, size);
    const InflationChartPainter::Geometry g = painter.geometry(QRectF(QPointF(0, 0), QSizeF(size)), 96);
    const InflationChartPainter::Colours &c = painter.colours();
    const QColor loss = over(c.background, c.band);
    const QColor gain = over(c.background, c.gainBand);
    const qreal x0 = g.xOf(series.points()[0].date.serial());
    const qreal x1 = g.xOf(series.points()[1].date.serial());
    const qreal crossing = (x0 + x1) / 2;
    QVERIFY(x1 - x0 > 600);

    // Between the lines a quarter of the way in: the loss; three quarters: the gain.
    QVERIFY(near(image.pixel(QPointF(x0 + (x1 - x0) / 4, g.yOf(975)).toPoint()), loss, 3));
    QVERIFY(near(image.pixel(QPointF(x0 + (x1 - x0) * 3 / 4, g.yOf(1025)).toPoint()), gain, 3));
    // Close to the crossing, on either side, each colour keeps to its own side: the split is
    // where the lines cross, not at a record.
    const QRectF before(crossing - 24, g.plot.top(), 18, g.plot.height());
    const QRectF after(crossing + 6, g.plot.top(), 18, g.plot.height());
    QVERIFY(pixelsNear(image, before, loss, 3) > 10);
    QCOMPARE(pixelsNear(image, before, gain, 3), 0);
    QVERIFY(pixelsNear(image, after, gain, 3) > 10);
    QCOMPARE(pixelsNear(image, after, loss, 3), 0);
    QCOMPARE(painter.legendTexts(), (QStringList{QStringLiteral("Current Amount"), QStringLiteral("Current Amount AFI"),
                                                 QStringLiteral("Original Amount"), QStringLiteral("Lost to inflation"),
                                                 QStringLiteral("Gained from falling prices")}));

    // A longer history to look at.
    const ChartSeries falling = seriesFor(app, fallingPricesHistory());
    InflationChartPainter fallingPainter(falling);
    fallingPainter.setColours(painter.colours());
    const QImage picture = painted(fallingPainter, size);
    keepPicture(picture, QStringLiteral("chart-falling-prices-%1.png").arg(dark ? "dark" : "light"));
    const InflationChartPainter::Geometry fg = fallingPainter.geometry(QRectF(QPointF(0, 0), QSizeF(size)), 96);
    QVERIFY(pixelsNear(picture, fg.plot, gain, 3) > 100);
    QVERIFY(pixelsNear(picture, fg.plot, loss, 3) > 100);
}

void tst_ChartPainting::bandLegendAndDescriptionFollowTheRecords_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<bool>("loss");
    QTest::addColumn<bool>("gain");
    QTest::addColumn<QString>("spoken"); // the description's sentence on the gain, if any
    QTest::newRow("prices rising") << QStringList{QStringLiteral("1,#2020-01-01#,1000,1000,2"),
                                                  QStringLiteral("1,#2021-01-01#,1000,1100,3")}
                                   << true << false << QString();
    QTest::newRow("prices falling") << QStringList{QStringLiteral("1,#2020-01-01#,1000,1000,-2"),
                                                   QStringLiteral("1,#2021-01-01#,1000,1100,-3")}
                                    << false << true
                                    << QStringLiteral(" Current Amount AFI lies above Current Amount at every record: "
                                                      "a gain from falling prices.");
    QTest::newRow("one record, prices falling")
        << QStringList{QStringLiteral("1,#2020-01-01#,1000,1000,-2")} << false << true
        << QStringLiteral(" Current Amount AFI lies above Current Amount at its record: a gain from falling prices.");
    QTest::newRow("both") << fallingPricesHistory() << true << true
                          << QStringLiteral(" Current Amount AFI lies above Current Amount at %1 of the 24 records: "
                                            "a gain from falling prices.");
}

void tst_ChartPainting::bandLegendAndDescriptionFollowTheRecords()
{
    QFETCH(QStringList, lines);
    QFETCH(bool, loss);
    QFETCH(bool, gain);
    QFETCH(QString, spoken);
    testing::AppFixture app;
    const ChartSeries series = seriesFor(app, lines);
    int above = 0;
    for (const ChartPoint &p : series.points())
        above += p.current < p.currentAfi;
    if (spoken.contains(QLatin1String("%1")))
        spoken = spoken.arg(above);
    QCOMPARE(above > 0, gain);

    InflationChartPainter painter(series);
    QCOMPARE(painter.legendTexts().contains(QStringLiteral("Lost to inflation")), loss);
    QCOMPARE(painter.legendTexts().contains(QStringLiteral("Gained from falling prices")), gain);
    InflationChart chart;
    chart.setSeries(series);
    const QString description = chart.accessibleDescription();
    QVERIFY2(description.startsWith(QStringLiteral("Current Amount and Current Amount AFI of Growth Fund, First "
                                                   "Bank over ")),
             qPrintable(description));
    QVERIFY2(description.endsWith(spoken + QStringLiteral(" Left and Right move from record to record.")),
             qPrintable(description));
    QCOMPARE(description.contains(QLatin1String("falling prices")), gain);
}

void tst_ChartPainting::bandColoursReadUnderBothPalettes()
{
    const QPalette light = QApplication::style()->standardPalette();
    const QPalette dark = palettetest::darkPalette();
    const QList<QPair<QString, InflationChartPainter::Colours>> cases = {
        {QStringLiteral("light"), InflationChartPainter::Colours::light()},
        {QStringLiteral("dark"), InflationChartPainter::Colours::dark()},
        {QStringLiteral("light desktop"), InflationChartPainter::Colours::forPalette(light)},
        {QStringLiteral("dark desktop"), InflationChartPainter::Colours::forPalette(dark)},
    };
    for (const auto &[name, c] : cases) {
        // The outlines of the two band swatches are graphics to be seen: at least 3 : 1.
        for (const QColor &edge : {c.afi, c.gain}) {
            const double ratio = ui::contrastRatio(edge, c.background);
            QVERIFY2(ratio >= 3.0, qPrintable(QStringLiteral("%1: %2 on %3 is %4 : 1")
                                                  .arg(name, edge.name(), c.background.name())
                                                  .arg(ratio, 0, 'f', 2)));
        }
        // Loss and gain are told apart by hue (orange against bluish green), not by a shade.
        const QColor loss = over(c.background, c.band);
        const QColor gain = over(c.background, c.gainBand);
        const int apart = std::abs(loss.hslHue() - gain.hslHue());
        QVERIFY2(std::min(apart, 360 - apart) >= 90,
                 qPrintable(QStringLiteral("%1: %2 against %3").arg(name, loss.name(), gain.name())));
        QVERIFY2(loss != c.background && gain != c.background, qPrintable(name));
        QCOMPARE(c.gainBand.rgb(), c.gain.rgb()); // the band is the swatch's colour, made see-through
        QVERIFY(c.gainBand.alpha() < 100);
    }
}

void tst_ChartPainting::savedPicturesLeaveOutTheHover_data()
{
    QTest::addColumn<bool>("dark");
    QTest::newRow("light") << false;
    QTest::newRow("dark") << true;
}

void tst_ChartPainting::savedPicturesLeaveOutTheHover()
{
    QFETCH(bool, dark);
    testing::AppFixture app;
    app.writeInvestments({{QStringLiteral("Growth Fund"), QStringLiteral("First Bank")}});
    app.writeHistory(fallingPricesHistory());
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    testing::ScriptedFileChooser chooser;
    w->mnuViewChart->trigger();
    ChartWindow *chart = ChartWindow::instance();
    QVERIFY(chart);
    if (dark)
        chart->setPalette(palettetest::darkPalette());
    chart->resize(820, 560);
    QVERIFY(QTest::qWaitForWindowExposed(chart));
    settle();
    const QString tag = dark ? QStringLiteral("dark") : QStringLiteral("light");
    const auto save = [&](QPushButton *button, const QString &name) {
        const QString path = app.folder().path(name);
        chooser.enqueue(path);
        click(button);
        return path;
    };

    const QImage plain(save(chart->cmdSavePng, QStringLiteral("plain.png")));
    const QString plainPdf = save(chart->cmdSavePdf, QStringLiteral("plain.pdf"));
    // The pointer on record 9, as a user moves it there before saving.
    chart->chart->setCurrentPoint(9);
    QCOMPARE(chart->chart->painter().highlighted(), 9);
    const QImage window = chart->grab().toImage();
    const QImage hovered(save(chart->cmdSavePng, QStringLiteral("hovered.png")));
    const QString hoveredPdf = save(chart->cmdSavePdf, QStringLiteral("hovered.pdf"));
    QCOMPARE(app.boxes().calls().size(), 0);
    QCOMPARE(hovered.size(), QSize(1600, 1000));
    QVERIFY(hovered == plain);
    // The hover draws something (so the comparison could fail) and stays on screen.
    QCOMPARE(chart->chart->painter().highlighted(), 9);
    QVERIFY(painted(chart->chart->painter(), QSize(1600, 1000)).convertToFormat(plain.format()) != plain);
    const InflationChartPainter::Colours &c = chart->chart->painter().colours();
    const InflationChartPainter::Geometry g = chart->chart->painter().geometry(QRectF(plain.rect()), 96);
    QVERIFY(pixelsNear(plain, g.plot, over(c.background, c.gainBand), 3) > 100);
    if (!qEnvironmentVariableIsEmpty("PLUMBLINE_SCREENSHOTS_DIR")) {
        keepPicture(window, QStringLiteral("ChartWindow-falling-prices-%1.png").arg(tag));
        keepPicture(plain, QStringLiteral("chart-saved-falling-prices-%1.png").arg(tag));
    }

    if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
        QSKIP("pdftoppm (poppler-utils) is not installed: run scripts/install-deps.sh");
    const auto render = [&](const QString &pdf) {
        const QString prefix = pdf.chopped(4) + QStringLiteral("-page");
        runPoppler(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("60"),
                                                QStringLiteral("-singlefile"), pdf, prefix});
        return QImage(prefix + QStringLiteral(".png"));
    };
    const QImage plainPage = render(plainPdf);
    QVERIFY(!plainPage.isNull());
    QVERIFY(render(hoveredPdf) == plainPage);
    // Paper stays white under a dark desktop.
    QVERIFY(near(plainPage.pixel(plainPage.width() / 2, plainPage.height() - 30), Qt::white, 2));
    const QString text = QString::fromUtf8(runPoppler(QStringLiteral("pdftotext"), {hoveredPdf, QStringLiteral("-")}));
    QVERIFY2(text.contains(QStringLiteral("Gained from falling prices")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("Lost to inflation")), qPrintable(text));
    keepPicture(plainPage, QStringLiteral("chart-pdf-falling-prices-%1.png").arg(tag));
}

// A new picture holds the same figures as the data files and is as private; a replaced one
// keeps its permissions. A pipe or a folder is never replaced, and a read-only file stays, by
// root too.
void tst_ChartPainting::savedFilesArePrivateAndOnlyPlainFilesReplaced()
{
    testing::AppFixture app;
    const ChartSeries series = seriesFor(app, historyOf(12, false));
    const InflationChartPainter painter(series);
    QTemporaryDir out;
    const auto modeOf = [](const QString &path) {
        struct stat st
        {
        };
        return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? unsigned(st.st_mode & 07777) : 0u;
    };
    const auto save = [&](const QString &path, QString *error) {
        return path.endsWith(QStringLiteral(".png")) ? chartexport::writePng(painter, path, QSize(320, 200), error)
                                                     : chartexport::writePdf(painter, path, QStringLiteral("C"), error);
    };
    const mode_t mask = ::umask(022);
    for (const QString &name : {QStringLiteral("c.png"), QStringLiteral("c.pdf")}) {
        const QString path = out.filePath(name);
        QString error;
        QVERIFY2(save(path, &error), qPrintable(error));
        QCOMPARE(modeOf(path), 0600u);
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup));
        QVERIFY2(save(path, &error), qPrintable(error));
        QCOMPARE(modeOf(path), 0640u);
    }
    ::umask(mask);

    const QString fifo = out.filePath(QStringLiteral("pipe.png"));
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString folder = out.filePath(QStringLiteral("folder.pdf"));
    QVERIFY(QDir().mkdir(folder));
    const QString readOnly = out.filePath(QStringLiteral("kept.png"));
    QVERIFY(app.folder().writeBytes(QStringLiteral("x"), "kept"));
    QVERIFY(QFile::copy(app.folder().path(QStringLiteral("x")), readOnly));
    QVERIFY(QFile::setPermissions(readOnly, QFileDevice::ReadOwner));
    const QStringList before = QDir(out.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString &target : {fifo, folder, readOnly}) {
        QString error;
        QVERIFY(!save(target, &error));
        QCOMPARE(error, QStringLiteral("Error Number:75\r\nPath/File access error"));
        QCOMPARE(QDir(out.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), before);
    }
    struct stat st
    {
    };
    QVERIFY(::lstat(QFile::encodeName(fifo).constData(), &st) == 0 && S_ISFIFO(st.st_mode));
    QVERIFY(QFileInfo(folder).isDir());
    QFile kept(readOnly);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("kept"));
}

QTEST_MAIN(tst_ChartPainting)
#include "tst_chartpainting.moc"
