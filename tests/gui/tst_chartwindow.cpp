// The chart window as the user meets it: opened from the View menu, its shortcut and the
// toolbar; following the main window through navigation and record edits; Esc, the size
// kept in the settings store, reading values by mouse and keys, and staying usable while a
// dialog holds the main window.

#include "editingtesting.h"
#include "mainwindowtesting.h"
#include "palettetesting.h"
#include "returnstesting.h"

#include "render/chart/inflationchartpainter.h"
#include "ui/chart/chartwindow.h"
#include "ui/chart/inflationchart.h"
#include "ui/dialogs/frmneweditdata.h"

#include "datafiles.h"
#include "storage/datafolder.h"
#include "storage/filetable.h"

#include <QMenuBar>
#include <QMouseEvent>
#include <QRegularExpression>

using namespace edtest;
using namespace returnstesting;

namespace {

const QStringList Example = {
    historyLine(1, "2001-01-02", "1000", "1000", "0"),    historyLine(2, "2001-02-03", "200", "210", "0"),
    historyLine(1, "2002-01-02", "1000", "1100", "2.5"),  historyLine(2, "2002-02-03", "200", "220", "2"),
    historyLine(1, "2003-01-02", "1000", "1150.5", "0"),  historyLine(2, "2003-02-03", "200", "0", "2"),
    historyLine(1, "2004-01-02", "1000", "1210", "3.25"),
};

frmInvestData *startWithExample(testing::AppFixture &app)
{
    app.writeInvestments({{QStringLiteral("Growth Fund"), QStringLiteral("First Bank")},
                          {QStringLiteral("Bond"), QStringLiteral("Second Bank")}});
    app.writeHistory(Example);
    return app.startMainWindow();
}

ChartWindow *openedChart()
{
    ChartWindow *chart = ChartWindow::instance();
    if (chart && QTest::qWaitForWindowExposed(chart, 2000))
        settle();
    return chart;
}

QStringList dates(const ChartSeries &series)
{
    QStringList out;
    for (const ChartPoint &p : series.points())
        out << p.date.toQDate().toString(Qt::ISODate);
    return out;
}

// The pointer moving over the chart with no button down (the offscreen platform has no
// pointer of its own to move).
void hover(QWidget *widget, const QPointF &at)
{
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

const QString SizeKey = QStringLiteral("PLUMBLINE/CHART/WindowSize");

} // namespace

class tst_ChartWindow : public QObject
{
    Q_OBJECT

private slots:
    void viewMenuSitsBetweenEditAndHelp();
    void menuShortcutAndToolbarOpenOneWindow();
    void navigationRedrawsIt();
    void addedRecordRedrawsItAfterTheReload();
    void returnsLineSaysWhatTheExportSays();
    void escClosesAndTheSizeIsKept();
    void damagedSizeSettingFallsBackToTheDefault();
    void hoverAndArrowKeysReadTheFigures();
    void staysUsableWhileADialogHoldsTheMainWindow();
    void emptyFolderSaysWhy();
    void exitClosesIt();
    void damagedHistorySaysWhereInsteadOfDrawing();
    void windowInLightAndDarkPalettes();
};

void tst_ChartWindow::viewMenuSitsBetweenEditAndHelp()
{
    testing::AppFixture app;
    frmInvestData *w = startWithExample(app);
    QVERIFY(w);
    QStringList titles;
    const QList<QAction *> actions = w->menuBar()->actions();
    for (QAction *action : actions)
        titles << action->text();
    QCOMPARE(titles, (QStringList{QStringLiteral("&File"), QStringLiteral("E&dit"), QStringLiteral("&View"),
                                  QStringLiteral("&Help")}));
    QVERIFY(w->mnuView);
    QCOMPARE(w->mnuView->objectName(), QStringLiteral("mnuView"));
    QCOMPARE(w->mnuView->actions().constFirst(), w->mnuViewChart);
    QCOMPARE(w->mnuViewChart->text(), QStringLiteral("&Chart…"));
    QCOMPARE(w->mnuViewChart->shortcut(), QKeySequence(QStringLiteral("Ctrl+G")));

    // The toolbar keeps its buttons and gains the chart's after them.
    QStringList keys;
    const QList<QAction *> buttons = w->tbToolBar->actions();
    for (QAction *action : buttons)
        keys << action->data().toString();
    QCOMPARE(keys, (QStringList{QStringLiteral("Save"), QStringLiteral("New"), QString(), QStringLiteral("Copy"),
                                QStringLiteral("Delete"), QString(), QStringLiteral("Help"), QString(),
                                QStringLiteral("Chart"), QStringLiteral("Portfolio")}));
    QToolButton *chartButton = toolButton(w, QStringLiteral("Chart"));
    QVERIFY(chartButton);
    QCOMPARE(chartButton->toolTip(), QStringLiteral("Chart"));
    QVERIFY(!chartButton->icon().isNull());
    QVERIFY(w->tbToolBar->geometry().contains(chartButton->geometry().translated(w->tbToolBar->pos())));
}

void tst_ChartWindow::menuShortcutAndToolbarOpenOneWindow()
{
    testing::AppFixture app;
    frmInvestData *w = startWithExample(app);
    QVERIFY(w);
    QVERIFY(!ChartWindow::instance());

    w->mnuViewChart->trigger();
    ChartWindow *chart = openedChart();
    QVERIFY(chart);
    QVERIFY(chart->isVisible());
    QCOMPARE(chart->windowTitle(), QStringLiteral("Chart: Growth Fund, First Bank"));
    // A window of its own, not a child the main window's disabling would reach.
    QVERIFY(chart->isWindow());
    QCOMPARE(chart->parentWidget(), nullptr);
    QCOMPARE(dates(chart->chart->series()), (QStringList{"2001-01-02", "2002-01-02", "2003-01-02", "2004-01-02"}));
    chart->close();
    settle();
    QVERIFY(!ChartWindow::instance());

    QVERIFY(activeNow(w));
    QTest::keyClick(w, Qt::Key_G, Qt::ControlModifier);
    chart = openedChart();
    QVERIFY(chart);
    QCOMPARE(chart->windowTitle(), QStringLiteral("Chart: Growth Fund, First Bank"));

    // The toolbar button with the chart open raises the same window.
    QVERIFY(activeNow(w));
    click(toolButton(w, QStringLiteral("Chart")));
    QCOMPARE(openedChart(), chart);
    const QWidgetList tops = QApplication::topLevelWidgets();
    QCOMPARE(std::count_if(tops.begin(), tops.end(),
                           [](QWidget *top) { return qobject_cast<ChartWindow *>(top) && top->isVisible(); }),
             1);
    chart->close();
    settle();
    click(toolButton(w, QStringLiteral("Chart")));
    QVERIFY(openedChart());
    QCOMPARE(app.boxes().calls().size(), 0);
}

void tst_ChartWindow::navigationRedrawsIt()
{
    testing::AppFixture app;
    frmInvestData *w = startWithExample(app);
    QVERIFY(w);
    w->mnuViewChart->trigger();
    ChartWindow *chart = openedChart();
    QVERIFY(chart);
    QVERIFY(activeNow(w));

    mwtest::click(w->cmdNext);
    QTRY_COMPARE(chart->windowTitle(), QStringLiteral("Chart: Bond, Second Bank"));
    QCOMPARE(chart->chart->series().investment, 2);
    QCOMPARE(dates(chart->chart->series()), (QStringList{"2001-02-03", "2002-02-03", "2003-02-03"}));
    QCOMPARE(int(chart->chart->series().points()[2].state), int(PointState::Skipped));

    mwtest::click(w->cmdFirst);
    QTRY_COMPARE(chart->windowTitle(), QStringLiteral("Chart: Growth Fund, First Bank"));
    QCOMPARE(chart->chart->series().size(), std::size_t(4));
    // Moving around the main window does not run its reload of the last command.
    QCOMPARE(app.boxes().calls().size(), 0);
}

void tst_ChartWindow::addedRecordRedrawsItAfterTheReload()
{
    testing::AppFixture app;
    frmInvestData *w = startWithExample(app);
    QVERIFY(w);
    w->mnuViewChart->trigger();
    ChartWindow *chart = openedChart();
    QVERIFY(chart);
    QVERIFY(activeNow(w));
    const QString lineBefore = chart->lblReturns->text();
    QCOMPARE(lineBefore, expectedLine(exportedReturns(app).value(0), QStringLiteral("1/2/2001")));

    click(w->cmdAddNew);
    frmNewEditData *d = openedDialog<frmNewEditData>();
    QVERIFY(d);
    typeInto(d->txtDate, QStringLiteral("1/2/2005"));
    typeInto(d->metOriginalAmount, QStringLiteral("1000"));
    typeInto(d->txtInflRate, QStringLiteral("1.5"));
    typeInto(d->metCurrentAmount, QStringLiteral("1300"));
    click(d->cmdDone);
    QVERIFY(backInMainWindow(w));
    QCOMPARE(app.historyBytes(), bytesOf(Example) + "1,#2005-01-02#,1000,1300,1.5\r\n");
    QTRY_COMPARE(chart->chart->series().size(), std::size_t(5));
    const ChartPoint &added = chart->chart->series().points().back();
    QCOMPARE(added.date.toQDate(), QDate(2005, 1, 2));
    QCOMPARE(added.current, Currency::fromWhole(1300));
    // Its figures are those of the grid's row for record 5.
    QCOMPARE(mwtest::cellText(w, QStringLiteral("txtRecordNumber"), 4), QStringLiteral("5"));
    QCOMPARE(platform::LocaleServices::displayFormat(added.currentAfi.toPlainString()),
             mwtest::cellText(w, QStringLiteral("metCurAmntAFI"), 4));
    QCOMPARE(platform::LocaleServices::displayFormat(added.profitLossAfi.toPlainString()),
             mwtest::cellText(w, QStringLiteral("metProfLossAFI"), 4));
    // The returns line follows: a fifth year counted, as the export now gives it.
    QVERIFY(chart->lblReturns->text() != lineBefore);
    QCOMPARE(chart->lblReturns->text(), expectedLine(exportedReturns(app).value(0), QStringLiteral("1/2/2001")));
    QVERIFY2(chart->lblReturns->text().startsWith(QStringLiteral("Since 1/2/2001 (4.0 years): ")),
             qPrintable(chart->lblReturns->text()));
}

// The line under the chart is the export's figures for the shown investment, whatever the
// investment allows: figures per year, a span too short for them, a record without a rate,
// a single record. It wraps in a narrow window and never reaches a saved picture.
void tst_ChartWindow::returnsLineSaysWhatTheExportSays()
{
    testing::AppFixture app;
    app.writeInvestments({{QStringLiteral("Growth Fund"), QStringLiteral("First Bank")},
                          {QStringLiteral("Short Bond"), QStringLiteral("Second Bank")},
                          {QStringLiteral("Unrated"), QStringLiteral("Third Bank")},
                          {QStringLiteral("Lone"), QStringLiteral("Fourth Bank")}});
    app.writeHistory({
        historyLine(1, "2010-01-15", "10000", "10000", "0"),
        historyLine(2, "2012-03-01", "5000", "5000", "0"),
        historyLine(1, "2011-01-15", "12000", "12600", "2"),
        historyLine(3, "2010-01-01", "2000", "2000", "0"),
        historyLine(1, "2012-01-15", "12000", "13100", "1.5"),
        historyLine(2, "2012-09-01", "5000", "5100", "1"),
        historyLine(3, "2011-01-01", "2000", "2100", "0"),
        historyLine(3, "2012-01-01", "2000", "2250", "1.8"),
        historyLine(1, "2013-01-15", "12000", "13900", "2.2"),
        historyLine(4, "2014-05-05", "700", "700", "1"),
    });
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    const QList<QMap<QString, QString>> exported = exportedReturns(app);
    QCOMPARE(exported.size(), 5); // and the row of all of them
    w->mnuViewChart->trigger();
    ChartWindow *chart = openedChart();
    QVERIFY(chart);
    QVERIFY(activeNow(w));

    const QStringList titles{QStringLiteral("Growth Fund, First Bank"), QStringLiteral("Short Bond, Second Bank"),
                             QStringLiteral("Unrated, Third Bank"), QStringLiteral("Lone, Fourth Bank")};
    const QStringList shapes{QStringLiteral("a year, after inflation"),
                             QStringLiteral("no figure per year: the records "
                                            "span less than a year"),
                             QStringLiteral("no figure after inflation: record 2 has no inflation rate"),
                             QStringLiteral("No return can be given: fewer than two records")};
    for (int n = 0; n < 4; ++n) {
        if (n > 0)
            mwtest::click(w->cmdNext);
        QTRY_COMPARE(chart->windowTitle(), QStringLiteral("Chart: ") + titles.at(n));
        // The first date as the main window's grid shows it.
        const QString line = chart->lblReturns->text();
        QCOMPARE(line, expectedLine(exported.at(n), mwtest::cellText(w, QStringLiteral("txtDate"), 0)));
        QVERIFY2(line.contains(shapes.at(n)), qPrintable(line));
        QVERIFY(chart->lblReturns->isVisible());
        QCOMPARE(chart->lblReturns->accessibleDescription(), line);
    }
    QCOMPARE(chart->lblReturns->accessibleName(), QStringLiteral("Returns of the shown investment"));

    mwtest::click(w->cmdFirst);
    QTRY_COMPARE(chart->windowTitle(), QStringLiteral("Chart: ") + titles.at(0));
    const QString line = chart->lblReturns->text();
    QVERIFY2(line.contains(QStringLiteral("money-weighted")), qPrintable(line));
    QVERIFY(chart->lblReturns->textInteractionFlags() & Qt::TextSelectableByKeyboard);
    QVERIFY(chart->lblReturns->focusPolicy() & Qt::TabFocus);

    // Narrow, the sentence takes more lines and still fits the window's width.
    chart->resize(360, 560);
    QTRY_VERIFY(chart->lblReturns->width() <= 360);
    QVERIFY(chart->lblReturns->wordWrap());
    QTRY_VERIFY(chart->lblReturns->height() >= 2 * chart->lblReturns->fontMetrics().lineSpacing());
    QVERIFY(chart->lblReturns->geometry().bottom() <= chart->height());
    const QString dir = qEnvironmentVariable("PLUMBLINE_SCREENSHOTS_DIR");
    if (!dir.isEmpty())
        QVERIFY(chart->grab().save(QDir(dir).filePath(QStringLiteral("ChartWindow-narrow.png"))));
}

void tst_ChartWindow::escClosesAndTheSizeIsKept()
{
    testing::AppFixture app;
    frmInvestData *w = startWithExample(app);
    QVERIFY(w);
    w->mnuViewChart->trigger();
    ChartWindow *chart = openedChart();
    QVERIFY(chart);
    QVERIFY(!app.settings().values().contains(SizeKey));
    chart->resize(700, 450);
    settle();
    QVERIFY(activeNow(chart));
    QTest::keyClick(chart->chart, Qt::Key_Escape);
    settle();
    QVERIFY(!ChartWindow::instance());
    QCOMPARE(app.settings().values().value(SizeKey), QStringLiteral("700x450"));
    // Not the password's section.
    QCOMPARE(app.settings().values().keys(), (QStringList{QStringLiteral("PLUMBLINE/CHART/WindowPosition"), SizeKey}));

    w->mnuViewChart->trigger();
    chart = openedChart();
    QVERIFY(chart);
    QCOMPARE(chart->size(), QSize(700, 450));
}

void tst_ChartWindow::damagedSizeSettingFallsBackToTheDefault()
{
    for (const QString &stored : {QStringLiteral("wide"), QStringLiteral("10x10"), QStringLiteral("99999x600"),
                                  QStringLiteral("800x"), QStringLiteral("-5x-5")}) {
        testing::AppFixture app;
        app.settings().saveSetting(QStringLiteral("PLUMBLINE"), QStringLiteral("CHART"), QStringLiteral("WindowSize"),
                                   stored);
        frmInvestData *w = startWithExample(app);
        QVERIFY(w);
        w->mnuViewChart->trigger();
        ChartWindow *chart = openedChart();
        QVERIFY(chart);
        QVERIFY2(chart->width() >= 320 && chart->width() <= 10000 && chart->height() >= 240 && chart->height() <= 10000,
                 qPrintable(stored));
    }
}

void tst_ChartWindow::hoverAndArrowKeysReadTheFigures()
{
    testing::AppFixture app;
    frmInvestData *w = startWithExample(app);
    QVERIFY(w);
    w->mnuViewChart->trigger();
    ChartWindow *chart = openedChart();
    QVERIFY(chart);
    QCOMPARE(chart->lblReadout->text(),
             QStringLiteral("Point at a record, or use the Left and Right keys, to read its figures."));

    // Record 3: no rate, so its AFI is carried from record 2.
    hover(chart->chart, chart->chart->pointPosition(2) + QPointF(2, -30));
    QCOMPARE(chart->chart->currentPoint(), 2);
    QCOMPARE(chart->lblReadout->text(),
             QStringLiteral("Record 3, 1/2/2003: Original Amount $1,000.00; Current Amount $1,150.50; Inflation "
                            "Rate (%) 0\nInc/Dec $50.50; Profit/Loss $150.50; Loss To Inflation $25.00; Current "
                            "Amount AFI $1,075.00; Profit/Loss AFI $75.00\nNo inflation rate entered: the loss to "
                            "inflation and both AFI figures are carried from the record before."));
    QCOMPARE(chart->chart->painter().highlighted(), 2);
    // Outside the plot the reading stays.
    hover(chart->chart, QPointF(2, 2));
    QCOMPARE(chart->chart->currentPoint(), 2);
    hover(chart->chart, chart->chart->pointPosition(0));
    QCOMPARE(chart->chart->currentPoint(), 0);
    QVERIFY(chart->lblReadout->text().startsWith(QStringLiteral("Record 1, 1/2/2001: ")));
    hover(chart->chart, chart->chart->pointPosition(2));

    chart->chart->setFocus();
    QTest::keyClick(chart->chart, Qt::Key_Right);
    QCOMPARE(chart->chart->currentPoint(), 3);
    QVERIFY(
        chart->lblReadout->text().startsWith(QStringLiteral("Record 4, 1/2/2004: Original Amount $1,000.00; "
                                                            "Current Amount $1,210.00; Inflation Rate (%) 3.25\n")));
    QTest::keyClick(chart->chart, Qt::Key_Right); // stays on the last record
    QCOMPARE(chart->chart->currentPoint(), 3);
    QTest::keyClick(chart->chart, Qt::Key_Home);
    QCOMPARE(chart->chart->currentPoint(), 0);
    QTest::keyClick(chart->chart, Qt::Key_Left);
    QCOMPARE(chart->chart->currentPoint(), 0);

    // The figures agree with the grid's row, cell by cell.
    for (int k = 0; k < 4; ++k) {
        chart->chart->setCurrentPoint(k);
        const QString text = chart->lblReadout->text();
        for (const char *column : {"metOriginalAmount", "metCurrentAmount", "metIncDec", "metProfitLoss",
                                   "metLossToInfl", "metCurAmntAFI", "metProfLossAFI", "txtDate"})
            QVERIFY2(text.contains(mwtest::cellText(w, QLatin1String(column), k)),
                     qPrintable(QStringLiteral("%1 row %2: %3").arg(QLatin1String(column)).arg(k).arg(text)));
    }
}

void tst_ChartWindow::staysUsableWhileADialogHoldsTheMainWindow()
{
    testing::AppFixture app;
    frmInvestData *w = startWithExample(app);
    QVERIFY(w);
    w->mnuViewChart->trigger();
    ChartWindow *chart = openedChart();
    QVERIFY(chart);
    QVERIFY(activeNow(w));
    click(w->cmdAddNew);
    frmNewEditData *d = openedDialog<frmNewEditData>();
    QVERIFY(d);
    QVERIFY(!w->isEnabled());
    QVERIFY(chart->isEnabled());
    QVERIFY(chart->chart->isEnabled());
    QVERIFY(chart->cmdSavePng->isEnabled());
    QVERIFY(activeNow(chart));
    chart->chart->setFocus();
    QTest::keyClick(chart->chart, Qt::Key_End);
    QCOMPARE(chart->chart->currentPoint(), 3);
    QVERIFY(chart->lblReadout->text().startsWith(QStringLiteral("Record 4, ")));
    // Back in the dialog, Cancel leaves everything as it was.
    QVERIFY(activeNow(d));
    click(d->cmdCancel);
    QVERIFY(backInMainWindow(w));
    QCOMPARE(app.historyBytes(), bytesOf(Example));
    QCOMPARE(chart->chart->series().size(), std::size_t(4));
}

void tst_ChartWindow::emptyFolderSaysWhy()
{
    testing::AppFixture app;
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    w->mnuViewChart->trigger();
    ChartWindow *chart = openedChart();
    QVERIFY(chart);
    QCOMPARE(chart->windowTitle(), QStringLiteral("Chart"));
    QCOMPARE(chart->chart->painter().emptySentence(),
             QStringLiteral("There is no investment to chart yet. Add one with the New Investment Record command."));
    QCOMPARE(chart->lblReadout->text(), QString());
    QCOMPARE(chart->lblReturns->text(), QString());
    QVERIFY(chart->lblReturns->isHidden());
    QTest::keyClick(chart->chart, Qt::Key_Right);
    QCOMPARE(chart->chart->currentPoint(), -1);
}

void tst_ChartWindow::exitClosesIt()
{
    testing::AppFixture app;
    frmInvestData *w = startWithExample(app);
    QVERIFY(w);
    w->mnuViewChart->trigger();
    QVERIFY(openedChart());
    QVERIFY(activeNow(w));
    click(w->cmdDone);
    settle();
    QVERIFY(app.quitRequested());
    QVERIFY(!ChartWindow::instance());
}

void tst_ChartWindow::damagedHistorySaysWhereInsteadOfDrawing()
{
    testing::AppFixture app;
    app.writeInvestments({{QStringLiteral("Growth Fund"), QStringLiteral("First Bank")}});
    app.writeHistory({Example[0], QStringLiteral("1,#2002-01-02,1000,oops,1"), Example[2]});
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    app.boxes().clear(); // the grid's own report of the line
    w->mnuViewChart->trigger();
    ChartWindow *chart = openedChart();
    QVERIFY(chart);
    const QString sentence = chart->chart->painter().emptySentence();
    const QString prefix = QStringLiteral("The data history cannot be read: line 2 of \"%1\" gives error ")
                               .arg(QDir::toNativeSeparators(app.folder().path(storage::HistFileName)));
    QVERIFY2(sentence.startsWith(prefix), qPrintable(sentence));
    QVERIFY(chart->chart->series().isEmpty());
    QVERIFY(chart->lblReturns->text().isEmpty()); // the plot says why
    // The chart's pass shows no box of its own and leaves the file numbers free.
    QCOMPARE(app.boxes().calls().size(), 0);
    QVERIFY(!storage::isOpen(2));
    // Mended, the next reload of the main window draws it.
    app.writeHistory(Example);
    QVERIFY(activeNow(w));
    // Add New, then Cancel: the main window reloads its grid on becoming active again.
    click(w->cmdAddNew);
    frmNewEditData *d = openedDialog<frmNewEditData>();
    QVERIFY(d);
    click(d->cmdCancel);
    QVERIFY(backInMainWindow(w));
    QTRY_VERIFY(!chart->chart->series().isEmpty());
    QCOMPARE(chart->chart->painter().emptySentence(), QString());
    QVERIFY2(chart->lblReturns->text().startsWith(QStringLiteral("Since 1/2/2001 (3.0 years): ")),
             qPrintable(chart->lblReturns->text()));
}

void tst_ChartWindow::windowInLightAndDarkPalettes()
{
    testing::AppFixture app;
    frmInvestData *w = startWithExample(app);
    QVERIFY(w);
    w->mnuViewChart->trigger();
    ChartWindow *chart = openedChart();
    QVERIFY(chart);
    chart->resize(820, 560);
    chart->chart->setCurrentPoint(2);
    settle();

    const QPalette dark = palettetest::darkPalette();
    for (const bool isDark : {false, true}) {
        if (isDark)
            chart->setPalette(dark);
        settle();
        const QImage picture = chart->grab().toImage();
        QCOMPARE(picture.size(), chart->size() * chart->devicePixelRatio());
        const QString dir = qEnvironmentVariable("PLUMBLINE_SCREENSHOTS_DIR");
        if (!dir.isEmpty())
            QVERIFY(picture.save(QDir(dir).filePath(isDark ? QStringLiteral("ChartWindow-dark.png")
                                                           : QStringLiteral("ChartWindow-light.png"))));
        // The chart takes the palette's base colour and the matching series colours.
        const InflationChartPainter::Colours &c = chart->chart->painter().colours();
        QCOMPARE(c.background, chart->palette().color(QPalette::Base));
        QCOMPARE(c.current, isDark ? InflationChartPainter::Colours::dark().current
                                   : InflationChartPainter::Colours::light().current);
        const QPoint inChart = chart->chart->mapTo(chart, QPoint(4, chart->chart->height() - 4));
        QCOMPARE(picture.pixelColor(inChart).rgb(), c.background.rgb());
        int blue = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                blue += picture.pixelColor(x, y).rgb() == c.current.rgb();
        QVERIFY(blue > 20);
    }
}

QTEST_MAIN(tst_ChartWindow)
#include "tst_chartwindow.moc"
