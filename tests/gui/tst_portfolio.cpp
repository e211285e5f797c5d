// The portfolio window as the user meets it: opened from the View menu, its shortcut and the
// toolbar; the same figures as plumbline-export --returns, cell by cell, and the reasons of its
// blank cells; Enter and a double click going to an investment in the main window; following
// a record added there; Save as CSV writing the export's bytes, also on a full disk; the
// damaged history and the lines no investment owns; the pictures under both palettes.

#include "accessibilitytesting.h"
#include "datafiles.h"
#include "documentopenerdouble.h"
#include "editingtesting.h"
#include "filechooserdouble.h"
#include "fulldisktesting.h"
#include "palettetesting.h"

#include "core/returns.h"
#include "storage/datafolder.h"
#include "storage/filetable.h"
#include "ui/chart/chartwindow.h"
#include "ui/chart/inflationchart.h"
#include "ui/portfolio/portfoliomodel.h"
#include "ui/portfolio/portfoliowindow.h"
#include "ui/tools/frminstructions.h"

#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTableView>

using namespace edtest;
using Col = PortfolioModel::Column;

namespace {

// Five investments: one with a year's records and rates throughout, one with an interval
// without a rate, one spanning half a year, one with a single record, one without records.
const QStringList Example = {
    historyLine(1, "2001-01-02", "1000", "1000", "0"),   historyLine(2, "2001-02-03", "200", "210", "0"),
    historyLine(1, "2002-01-02", "1000", "1100", "2.5"), historyLine(2, "2002-02-03", "200", "220", "0"),
    historyLine(4, "2002-05-05", "300", "300", "0"),     historyLine(1, "2003-01-02", "1500", "1650", "1.8"),
    historyLine(2, "2003-02-03", "200", "231", "2"),     historyLine(3, "2003-03-01", "500", "500", "0"),
    historyLine(3, "2003-09-01", "500", "510", "1"),     historyLine(1, "2004-01-02", "1500", "1720", "3.25"),
};

frmInvestData *startWithExample(testing::AppFixture &app)
{
    app.writeInvestments({{QStringLiteral("Growth Fund"), QStringLiteral("First Bank")},
                          {QStringLiteral("Bond"), QStringLiteral("Second Bank")},
                          {QStringLiteral("Savings"), QStringLiteral("Third Bank")},
                          {QStringLiteral("CD"), QStringLiteral("Fourth Bank, Main St")},
                          {QStringLiteral("Empty"), QString()}});
    app.writeHistory(Example);
    return app.startMainWindow();
}

PortfolioWindow *openedPortfolio()
{
    PortfolioWindow *window = PortfolioWindow::instance();
    if (window && QTest::qWaitForWindowExposed(window, 2000))
        settle();
    return window;
}

PortfolioWindow *openFromMenu(frmInvestData *w)
{
    w->mnuViewPortfolio->trigger();
    return openedPortfolio();
}

// The export as built, on the fixture's folder, with the series the window uses for en_US.
testing::ToolRun exportReturns(testing::AppFixture &app)
{
    return testing::runTool(QStringLiteral(PLUMBLINE_EXPORT_BIN),
                            {QStringLiteral("--returns"), QStringLiteral("--series"), QStringLiteral("US-CPI-U"),
                             QStringLiteral("--data-dir"), app.folder().dir()});
}

// The fields of CSV rows (quoted fields as the export writes them).
QList<QStringList> csvRows(const QByteArray &bytes)
{
    QList<QStringList> rows;
    const QStringList lines = QString::fromUtf8(bytes).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    for (const QString &line : lines) {
        QStringList fields;
        QString field;
        bool quoted = false;
        for (qsizetype i = 0; i < line.size(); ++i) {
            const QChar c = line.at(i);
            if (quoted && c == QLatin1Char('"') && i + 1 < line.size() && line.at(i + 1) == QLatin1Char('"')) {
                field += c;
                ++i;
            } else if (c == QLatin1Char('"')) {
                quoted = !quoted;
            } else if (c == QLatin1Char(',') && !quoted) {
                fields << field;
                field.clear();
            } else {
                field += c;
            }
        }
        fields << field;
        rows << fields;
    }
    return rows;
}

QString shownDate(const QString &iso)
{
    return iso.isEmpty() ? QString()
                         : platform::LocaleServices::shortDate(Date::fromQDate(QDate::fromString(iso, Qt::ISODate)));
}

// A grid amount ("$1,100.00", "($5.00)") as a value.
Currency gridAmount(QString text)
{
    const bool negative = text.startsWith(QLatin1Char('('));
    text.remove(QLatin1Char('$')).remove(QLatin1Char(',')).remove(QLatin1Char('(')).remove(QLatin1Char(')'));
    const Currency value = platform::LocaleServices::currencyVal(text);
    return negative ? -value : value;
}

// A double click as the pointer gives it: press and release, then the second press (which a
// widget gets as the double click) and release.
void doubleClick(QTableView *table, const QPoint &at)
{
    QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseRelease(table->viewport(), Qt::LeftButton, Qt::NoModifier, at);
}

} // namespace

class tst_Portfolio : public QObject
{
    Q_OBJECT

private slots:
    void menuShortcutAndToolbarOpenOneWindow();
    void tableShowsTheExportsFigures();
    void amountsAreTheGridsOwn();
    void blankCellsSayWhy_data();
    void blankCellsSayWhy();
    void headersExplainThemselvesAndF1OpensTheGuide();
    void enterAndDoubleClickGoToTheInvestment();
    void dialogOfTheMainWindowComesForwardInstead();
    void followsARecordAddedInTheMainWindow();
    void saveAsCsvWritesTheExportsBytes();
    void fullDiskKeepsTheOldFile();
    void damagedHistoryAndUnownedLines();
    void emptyFolderSaysWhy();
    void everyControlSpeaks();
    void windowInLightAndDarkPalettes();
};

void tst_Portfolio::menuShortcutAndToolbarOpenOneWindow()
{
    testing::AppFixture app;
    frmInvestData *w = startWithExample(app);
    QVERIFY(w);
    QVERIFY(!PortfolioWindow::instance());
    const QList<QAction *> view = w->mnuView->actions();
    QVERIFY(view.size() >= 3);
    QCOMPARE(view.at(0), w->mnuViewChart);
    QCOMPARE(view.at(1), w->mnuViewPortfolio);
    QCOMPARE(w->mnuViewPortfolio->text(), QStringLiteral("P&ortfolio…"));
    QCOMPARE(w->mnuViewPortfolio->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+G")));

    PortfolioWindow *window = openFromMenu(w);
    QVERIFY(window);
    QVERIFY(window->isWindow());
    QCOMPARE(window->parentWidget(), nullptr);
    QCOMPARE(window->model->rowCount(), 6);
    window->close();
    settle();
    QVERIFY(!PortfolioWindow::instance());

    QVERIFY(activeNow(w));
    QTest::keyClick(w, Qt::Key_G, Qt::ControlModifier | Qt::ShiftModifier);
    window = openedPortfolio();
    QVERIFY(window);
    // Ctrl+G still opens the chart, not this window.
    QVERIFY(activeNow(w));
    QTest::keyClick(w, Qt::Key_G, Qt::ControlModifier);
    settle();
    QVERIFY(ChartWindow::instance());

    // The toolbar button, right after the chart's, raises the same window.
    QToolButton *button = toolButton(w, QStringLiteral("Portfolio"));
    QVERIFY(button);
    QCOMPARE(button->toolTip(), QStringLiteral("Portfolio"));
    QVERIFY(!button->icon().isNull());
    const QList<QAction *> keys = w->tbToolBar->actions();
    QCOMPARE(keys.constLast()->data().toString(), QStringLiteral("Portfolio"));
    QCOMPARE(keys.at(keys.size() - 2)->data().toString(), QStringLiteral("Chart"));
    QVERIFY(activeNow(w));
    click(button);
    QCOMPARE(openedPortfolio(), window);
    const QWidgetList tops = QApplication::topLevelWidgets();
    QCOMPARE(std::count_if(tops.begin(), tops.end(),
                           [](QWidget *top) { return qobject_cast<PortfolioWindow *>(top) && top->isVisible(); }),
             1);
    QCOMPARE(app.boxes().calls().size(), 0);
    // Exit ends it with the program.
    QVERIFY(activeNow(w));
    click(w->cmdDone);
    settle();
    QVERIFY(app.quitRequested());
    QVERIFY(!PortfolioWindow::instance());
}

void tst_Portfolio::tableShowsTheExportsFigures()
{
    testing::AppFixture app;
    frmInvestData *w = startWithExample(app);
    QVERIFY(w);
    PortfolioWindow *window = openFromMenu(w);
    QVERIFY(window);
    const testing::ToolRun run = exportReturns(app);
    QCOMPARE(run.exitCode, 0);
    const QList<QStringList> csv = csvRows(run.out);
    QCOMPARE(csv.size(), 1 + 5 + 1);
    const PortfolioModel *model = window->model;
    QCOMPARE(model->rowCount(), 6);

    // CSV field of each compared column.
    const QList<QPair<int, int>> columns = {{Col::FirstDate, 3},     {Col::LastDate, 4},       {Col::Years, 5},
                                            {Col::TwrAnnual, 8},     {Col::RealTwrAnnual, 11}, {Col::MwrAnnual, 12},
                                            {Col::RealMwrAnnual, 13}};
    int figures = 0;
    for (int row = 0; row < 6; ++row) {
        const QStringList &fields = csv.at(row + 1);
        const bool all = row == 5;
        QCOMPARE(fields.at(0), all ? QStringLiteral("all") : QString::number(row + 1));
        QCOMPARE(model->investmentAt(row), all ? 0 : row + 1);
        QCOMPARE(model->text(row, Col::Type), all ? QStringLiteral("All investments") : fields.at(1));
        QCOMPARE(model->text(row, Col::Institution), fields.at(2));
        for (const auto &[column, field] : columns) {
            const bool isDate = column == Col::FirstDate || column == Col::LastDate;
            const QString expected = isDate ? shownDate(fields.at(field)) : fields.at(field);
            QVERIFY2(model->text(row, column) == expected,
                     qPrintable(QStringLiteral("row %1 column %2: \"%3\", export \"%4\"")
                                    .arg(row)
                                    .arg(column)
                                    .arg(model->text(row, column), expected)));
            // What the view draws is the model's text.
            QCOMPARE(window->tblPortfolio->model()->index(row, column).data().toString(), expected);
            figures += !expected.isEmpty();
        }
    }
    // The example is not blank throughout: the growth fund and all of them have every figure.
    QVERIFY(figures > 20);
    QVERIFY(!model->text(0, Col::RealMwrAnnual).isEmpty());
    QVERIFY(!model->text(5, Col::RealMwrAnnual).isEmpty());
    QVERIFY(csv.at(6).at(14).contains(QStringLiteral("US-CPI-U")));
    QVERIFY(model->toolTip(5, Col::RealMwrAnnual).contains(QStringLiteral("US-CPI-U")));
    // The quoted institution comes through whole.
    QCOMPARE(model->text(3, Col::Institution), QStringLiteral("Fourth Bank, Main St"));
}

void tst_Portfolio::amountsAreTheGridsOwn()
{
    testing::AppFixture app;
    frmInvestData *w = startWithExample(app);
    QVERIFY(w);
    PortfolioWindow *window = openFromMenu(w);
    QVERIFY(window);
    // The growth fund's grid: its last Current Amount, and its losses to inflation added up
    // (every record after the first has a rate, so each is counted once).
    QCOMPARE(mwtest::cellText(w, QStringLiteral("txtRecordNumber"), 3), QStringLiteral("4"));
    QCOMPARE(window->model->text(0, Col::LastCurrent), mwtest::cellText(w, QStringLiteral("metCurrentAmount"), 3));
    Currency loss;
    for (int k = 0; k < 4; ++k)
        loss += gridAmount(mwtest::cellText(w, QStringLiteral("metLossToInfl"), k));
    QVERIFY(loss.units() > 0);
    QCOMPARE(window->model->text(0, Col::LossToInflation), platform::LocaleServices::displayAmount(loss));
    // All of them: the sum over the investments with figures of their own (1, 2 and 3).
    const Currency last = gridAmount(window->model->text(0, Col::LastCurrent)) +
                          gridAmount(window->model->text(1, Col::LastCurrent)) +
                          gridAmount(window->model->text(2, Col::LastCurrent));
    QCOMPARE(window->model->text(5, Col::LastCurrent), platform::LocaleServices::displayAmount(last));
    // The single record of the CD has its amount, but takes no part.
    QCOMPARE(window->model->text(3, Col::LastCurrent), QStringLiteral("$300.00"));
    // The chart: the amounts of all of them over time, ending at the sum of the last amounts.
    const ChartSeries &series = window->chart->series();
    QCOMPARE(series.caption(), QStringLiteral("All investments"));
    QVERIFY(series.size() >= 9);
    QCOMPARE(series.points().back().date.toQDate(), QDate(2004, 1, 2));
    QCOMPARE(series.points().back().current, last + Currency::fromWhole(300));
    QCOMPARE(window->chart->painter().emptySentence(), QString());
}

void tst_Portfolio::blankCellsSayWhy_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("reason");
    QTest::newRow("unrated interval, after inflation")
        << 1 << int(Col::RealTwrAnnual) << QStringLiteral("record 2 has no inflation rate");
    QTest::newRow("unrated interval, money-weighted after inflation")
        << 1 << int(Col::RealMwrAnnual) << QStringLiteral("record 2 has no inflation rate");
    QTest::newRow("half a year, per year")
        << 2 << int(Col::TwrAnnual) << QStringLiteral("the records span less than a year");
    QTest::newRow("half a year, money-weighted")
        << 2 << int(Col::MwrAnnual) << QStringLiteral("the records span less than a year");
    QTest::newRow("one record, years") << 3 << int(Col::Years)
                                       << QStringLiteral("fewer than two records with both amounts above zero");
    QTest::newRow("one record, per year")
        << 3 << int(Col::TwrAnnual) << QStringLiteral("fewer than two records with both amounts above zero");
    QTest::newRow("no records, first date")
        << 4 << int(Col::FirstDate) << QStringLiteral("no record with both amounts above zero");
    QTest::newRow("no records, amount") << 4 << int(Col::LastCurrent)
                                        << QStringLiteral("no record with both amounts above zero");
    QTest::newRow("all, time-weighted") << 5 << int(Col::TwrAnnual)
                                        << QStringLiteral("the investments' records fall on different dates");
    QTest::newRow("all, time-weighted after inflation")
        << 5 << int(Col::RealTwrAnnual) << QStringLiteral("the investments' records fall on different dates");
}

void tst_Portfolio::blankCellsSayWhy()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, reason);
    testing::AppFixture app;
    frmInvestData *w = startWithExample(app);
    QVERIFY(w);
    PortfolioWindow *window = openFromMenu(w);
    QVERIFY(window);
    const QModelIndex index = window->tblPortfolio->model()->index(row, column);
    QCOMPARE(index.data().toString(), QString());
    const QString tip = index.data(Qt::ToolTipRole).toString();
    QVERIFY2(tip.contains(reason), qPrintable(tip));
    // A screen reader hears the same reason.
    QCOMPARE(index.data(Qt::AccessibleDescriptionRole).toString(), tip);
}

void tst_Portfolio::headersExplainThemselvesAndF1OpensTheGuide()
{
    testing::AppFixture app;
    testing::RecordingDocumentOpener opener;
    frmInvestData *w = startWithExample(app);
    QVERIFY(w);
    PortfolioWindow *window = openFromMenu(w);
    QVERIFY(window);
    QSet<QString> headers;
    for (int column = 0; column < PortfolioModel::ColumnCount; ++column) {
        const QString title = window->model->headerData(column, Qt::Horizontal).toString();
        const QString tip = window->model->headerData(column, Qt::Horizontal, Qt::ToolTipRole).toString();
        QVERIFY(!title.isEmpty());
        QVERIFY2(tip.contains(QStringLiteral("\u201cReturns\u201d in the user guide")), qPrintable(tip));
        headers.insert(title);
    }
    QCOMPARE(headers.size(), int(PortfolioModel::ColumnCount));
    QVERIFY(window->model->headerData(Col::RealMwrAnnual, Qt::Horizontal)
                .toString()
                .contains(QStringLiteral("After Inflation")));

    QVERIFY(activeNow(window));
    QTest::keyClick(window->tblPortfolio, Qt::Key_F1);
    QCOMPARE(opener.opened, QStringList{frmInstructions::explanationDocumentPath()});
    click(window->cmdAboutFigures);
    QCOMPARE(opener.opened.size(), 2);
    // F1 here is the guide's, not the main window's instructions.
    QVERIFY(!frmInstructions::instance());
    // A desktop with nothing to open it says so, naming the file.
    opener.answer = false;
    click(window->cmdAboutFigures);
    QCOMPARE(app.boxes().calls().size(), 1);
    QVERIFY(app.boxes().lastCall().text.contains(frmInstructions::explanationDocumentPath()));
}

void tst_Portfolio::enterAndDoubleClickGoToTheInvestment()
{
    testing::AppFixture app;
    frmInvestData *w = startWithExample(app);
    QVERIFY(w);
    PortfolioWindow *window = openFromMenu(w);
    QVERIFY(window);
    QCOMPARE(w->lblInvestRecNum->text(), QStringLiteral("1"));

    QVERIFY(activeNow(window));
    QTableView *table = window->tblPortfolio;
    table->setCurrentIndex(window->model->index(2, 0));
    QTest::keyClick(table, Qt::Key_Return);
    settle();
    QCOMPARE(w->lblInvestRecNum->text(), QStringLiteral("3"));
    QCOMPARE(w->txtInvestment->text().trimmed(), QStringLiteral("Savings"));
    QCOMPARE(mwtest::cellText(w, QStringLiteral("txtDate"), 1), QStringLiteral("9/1/2003"));
    QVERIFY(w->cmdFirst->isEnabled() && w->cmdPrevious->isEnabled());
    QVERIFY(w->cmdNext->isEnabled() && w->cmdLast->isEnabled());

    // A double click on the last investment; the buttons as Last leaves them.
    QVERIFY(activeNow(window));
    table->scrollTo(window->model->index(4, 1));
    const QRect last = table->visualRect(window->model->index(4, 1));
    doubleClick(table, last.center());
    settle();
    QCOMPARE(w->lblInvestRecNum->text(), QStringLiteral("5"));
    QVERIFY(!w->cmdNext->isEnabled() && !w->cmdLast->isEnabled());
    QVERIFY(mwtest::rowEmpty(w, 0));

    // The row of all of them goes nowhere.
    QVERIFY(activeNow(window));
    table->setCurrentIndex(window->model->index(5, 0));
    QTest::keyClick(table, Qt::Key_Enter);
    table->scrollTo(window->model->index(5, 1));
    const QRect all = table->visualRect(window->model->index(5, 1));
    doubleClick(table, all.center());
    settle();
    QCOMPARE(w->lblInvestRecNum->text(), QStringLiteral("5"));

    // Going back to the first with Enter; the main window's own navigation goes on from there.
    QVERIFY(activeNow(window));
    table->setCurrentIndex(window->model->index(0, 0));
    QTest::keyClick(table, Qt::Key_Return);
    settle();
    QCOMPARE(w->lblInvestRecNum->text(), QStringLiteral("1"));
    QVERIFY(!w->cmdFirst->isEnabled());
    QVERIFY(activeNow(w));
    mwtest::click(w->cmdNext);
    QCOMPARE(w->lblInvestRecNum->text(), QStringLiteral("2"));
    QCOMPARE(app.boxes().calls().size(), 0);
}

void tst_Portfolio::dialogOfTheMainWindowComesForwardInstead()
{
    testing::AppFixture app;
    frmInvestData *w = startWithExample(app);
    QVERIFY(w);
    PortfolioWindow *window = openFromMenu(w);
    QVERIFY(window);
    QVERIFY(activeNow(w));
    click(w->cmdAddNew);
    frmNewEditData *d = openedDialog<frmNewEditData>();
    QVERIFY(d);
    QVERIFY(!w->isEnabled());
    QVERIFY(activeNow(window));
    QVERIFY(window->tblPortfolio->isEnabled());
    window->tblPortfolio->setCurrentIndex(window->model->index(2, 0));
    QTest::keyClick(window->tblPortfolio, Qt::Key_Return);
    settle();
    // The main window stays on its investment; the dialog it waits for is the active window.
    QCOMPARE(w->lblInvestRecNum->text(), QStringLiteral("1"));
    QTRY_VERIFY(d->isActiveWindow());
    click(d->cmdCancel);
    QVERIFY(backInMainWindow(w));
    QCOMPARE(app.historyBytes(), bytesOf(Example));
}

void tst_Portfolio::followsARecordAddedInTheMainWindow()
{
    testing::AppFixture app;
    frmInvestData *w = startWithExample(app);
    QVERIFY(w);
    PortfolioWindow *window = openFromMenu(w);
    QVERIFY(window);
    // Many investments: the table scrolls; the row and the scroll position are kept.
    window->resize(700, 360);
    settle();
    window->tblPortfolio->setCurrentIndex(window->model->index(2, 3));
    const QString before = window->model->text(0, Col::LastDate);
    QCOMPARE(before, QStringLiteral("1/2/2004"));
    const QString mwrBefore = window->model->text(0, Col::MwrAnnual);
    const int scrolled = window->tblPortfolio->horizontalScrollBar()->maximum() / 2;
    window->tblPortfolio->horizontalScrollBar()->setValue(scrolled);

    QVERIFY(activeNow(w));
    click(w->cmdAddNew);
    frmNewEditData *d = openedDialog<frmNewEditData>();
    QVERIFY(d);
    typeInto(d->txtDate, QStringLiteral("1/2/2005"));
    typeInto(d->metOriginalAmount, QStringLiteral("1500"));
    typeInto(d->txtInflRate, QStringLiteral("3.4"));
    typeInto(d->metCurrentAmount, QStringLiteral("1900"));
    click(d->cmdDone);
    QVERIFY(backInMainWindow(w));
    QCOMPARE(app.historyBytes(), bytesOf(Example) + "1,#2005-01-02#,1500,1900,3.4\r\n");
    QTRY_COMPARE(window->model->text(0, Col::LastDate), QStringLiteral("1/2/2005"));
    QVERIFY(window->model->text(0, Col::MwrAnnual) != mwrBefore);
    QCOMPARE(window->model->text(0, Col::LastCurrent), QStringLiteral("$1,900.00"));
    QCOMPARE(window->tblPortfolio->currentIndex(), window->model->index(2, 3));
    QCOMPARE(window->tblPortfolio->horizontalScrollBar()->value(), scrolled);
    QCOMPARE(window->chart->series().points().back().date.toQDate(), QDate(2005, 1, 2));
    // Still the export's figures.
    const QList<QStringList> csv = csvRows(exportReturns(app).out);
    QCOMPARE(shownDate(csv.at(1).at(4)), window->model->text(0, Col::LastDate));
    QCOMPARE(csv.at(1).at(12), window->model->text(0, Col::MwrAnnual));
    QCOMPARE(csv.at(6).at(13), window->model->text(5, Col::RealMwrAnnual));
}

void tst_Portfolio::saveAsCsvWritesTheExportsBytes()
{
    testing::AppFixture app;
    testing::ScriptedFileChooser chooser;
    frmInvestData *w = startWithExample(app);
    QVERIFY(w);
    PortfolioWindow *window = openFromMenu(w);
    QVERIFY(window);
    const testing::ToolRun run = exportReturns(app);
    QCOMPARE(run.exitCode, 0);
    QTemporaryDir out;
    const QString path = out.filePath(QStringLiteral("returns.csv"));
    // An older file is replaced whole.
    QVERIFY(fulldisk::writeFile(path, QByteArray(5000, 'x')));
    chooser.enqueue(path);
    click(window->cmdSaveCsv);
    QCOMPARE(chooser.calls().size(), 1);
    QVERIFY(chooser.calls().at(0).save);
    QCOMPARE(chooser.calls().at(0).filter, QStringLiteral("CSV files (*.csv)"));
    QVERIFY(chooser.calls().at(0).suggested.endsWith(QStringLiteral(".csv")));
    QCOMPARE(app.boxes().calls().size(), 0);
    QCOMPARE(fulldisk::readAll(path), run.out);
    QCOMPARE(QDir(out.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("returns.csv")});
    // Cancel writes nothing.
    click(window->cmdSaveCsv);
    QCOMPARE(chooser.calls().size(), 2);
    QCOMPARE(fulldisk::readAll(path), run.out);
    // A folder where the file would go: the numbered error, nothing written.
    const QString folder = out.filePath(QStringLiteral("taken"));
    QVERIFY(QDir(out.path()).mkdir(QStringLiteral("taken")));
    chooser.enqueue(folder);
    click(window->cmdSaveCsv);
    QCOMPARE(app.boxes().calls().size(), 1);
    QVERIFY2(app.boxes().lastCall().text.startsWith(QStringLiteral("Error Number:")),
             qPrintable(app.boxes().lastCall().text));
    QVERIFY(QFileInfo(folder).isDir());
}

void tst_Portfolio::fullDiskKeepsTheOldFile()
{
    if (::geteuid() != 0)
        QSKIP("mounting a small tmpfs needs root");
    fulldisk::SmallDisk disk(256 * 1024);
    if (!disk.isMounted())
        QSKIP("no tmpfs could be mounted here");
    testing::AppFixture app;
    testing::ScriptedFileChooser chooser;
    // Enough investments for a file of a few pages.
    QList<QPair<QString, QString>> investments;
    QStringList lines;
    for (int n = 1; n <= 60; ++n) {
        investments << qMakePair(QStringLiteral("Fund number %1 with a long name").arg(n),
                                 QStringLiteral("Institution %1, Branch Office").arg(n));
        lines << historyLine(n, "2001-01-02", "1000", "1000", "0") << historyLine(n, "2002-01-02", "1000", "1100", "1");
    }
    app.writeInvestments(investments);
    app.writeHistory(lines);
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    PortfolioWindow *window = openFromMenu(w);
    QVERIFY(window);
    const QByteArray expected = exportReturns(app).out;
    QVERIFY(expected.size() > 2 * fulldisk::Page);
    const QString path = disk.outFile(QStringLiteral("returns.csv"));
    const QByteArray old = QByteArray("old figures\r\n").repeated(40);

    int refused = 0;
    int written = 0;
    for (const qint64 free : fulldisk::freeSteps(expected.size(), 4)) {
        disk.removeFiller();
        QVERIFY(fulldisk::writeFile(path, old));
        disk.leaveFree(free);
        app.boxes().clear();
        chooser.enqueue(path);
        click(window->cmdSaveCsv);
        const QByteArray now = fulldisk::readAll(path);
        if (app.boxes().calls().isEmpty()) {
            QCOMPARE(now, expected);
            ++written;
        } else {
            QCOMPARE(app.boxes().calls().size(), 1);
            QCOMPARE(app.boxes().lastCall().text, QStringLiteral("Error Number:61\r\nDisk full"));
            QCOMPARE(now, old);
            ++refused;
        }
        // Nothing is left beside it.
        QCOMPARE(disk.outEntries(), QStringList{QStringLiteral("returns.csv")});
    }
    QVERIFY(refused >= 2);
    QVERIFY(written >= 1);
}

void tst_Portfolio::damagedHistoryAndUnownedLines()
{
    testing::AppFixture app;
    app.writeInvestments({{QStringLiteral("Growth Fund"), QStringLiteral("First Bank")}});
    app.writeHistory({Example[0], QStringLiteral("1,#2002-01-02,1000,oops,1"), Example[2]});
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    app.boxes().clear(); // the grid's own report of the line
    PortfolioWindow *window = openFromMenu(w);
    QVERIFY(window);
    const QString prefix = QStringLiteral("The data history cannot be read: line 2 of \"%1\" gives error ")
                               .arg(QDir::toNativeSeparators(app.folder().path(storage::HistFileName)));
    QCOMPARE(window->stkTable->currentWidget(), window->lblMessage);
    QVERIFY2(window->lblMessage->text().startsWith(prefix), qPrintable(window->lblMessage->text()));
    QCOMPARE(window->model->rowCount(), 0);
    QVERIFY(!window->cmdSaveCsv->isEnabled());
    QVERIFY(window->chart->series().isEmpty());
    QVERIFY(window->chart->painter().emptySentence().startsWith(prefix));
    QCOMPARE(app.boxes().calls().size(), 0);
    QVERIFY(!storage::isOpen(2));

    // Mended, but with lines of investments that are not there: figures, and a note as the
    // export's warning.
    app.writeHistory({Example[0], Example[1], Example[2], QStringLiteral("0,#2002-01-02#,5,5,0"), Example[3]});
    QVERIFY(activeNow(w));
    click(w->cmdAddNew);
    frmNewEditData *d = openedDialog<frmNewEditData>();
    QVERIFY(d);
    click(d->cmdCancel);
    QVERIFY(backInMainWindow(w));
    QTRY_COMPARE(window->stkTable->currentWidget(), window->tblPortfolio);
    QCOMPARE(window->model->rowCount(), 2);
    QVERIFY(window->cmdSaveCsv->isEnabled());
    QVERIFY(window->lblNote->isVisible());
    const testing::ToolRun run = exportReturns(app);
    QCOMPARE(run.exitCode, 0);
    const QString warning = QString::fromUtf8(run.err).trimmed().remove(QStringLiteral("plumbline-export: warning: "));
    QVERIFY(!warning.isEmpty());
    QCOMPARE(window->lblNote->text(), warning + QLatin1Char('.'));
    QVERIFY2(warning.contains(QStringLiteral("lines 2, 4, 5")), qPrintable(warning));
}

void tst_Portfolio::emptyFolderSaysWhy()
{
    testing::AppFixture app;
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    PortfolioWindow *window = openFromMenu(w);
    QVERIFY(window);
    QCOMPARE(window->stkTable->currentWidget(), window->lblMessage);
    QVERIFY(window->lblMessage->text().startsWith(QStringLiteral("There are no investments yet.")));
    QVERIFY(!window->cmdSaveCsv->isEnabled());
    QTest::keyClick(window->tblPortfolio, Qt::Key_Return);
    QCOMPARE(app.boxes().calls().size(), 0);
}

void tst_Portfolio::everyControlSpeaks()
{
    testing::AppFixture app;
    frmInvestData *w = startWithExample(app);
    QVERIFY(w);
    QToolButton *button = toolButton(w, QStringLiteral("Portfolio"));
    QVERIFY(button);
    QCOMPARE(a11ytest::spoken(button, QAccessible::Name), QStringLiteral("Portfolio"));
    QCOMPARE(a11ytest::spoken(button, QAccessible::Description),
             QStringLiteral("Toolbar button: Open the returns of every investment and of all of them, nominal and "
                            "after inflation (Ctrl+Shift+G)"));
    PortfolioWindow *window = openFromMenu(w);
    QVERIFY(window);
    a11ytest::Checked checked;
    checked.check(window);
    QCOMPARE(checked.windows, QStringList{QStringLiteral("PortfolioWindow")});
    QVERIFY2(checked.problems.isEmpty(), qPrintable(checked.problems.join(QLatin1Char('\n'))));
    // The chart speaks what it shows: all investments, from the first date to the last.
    const QString summary = a11ytest::spoken(window->chart, QAccessible::Description);
    QVERIFY2(summary.contains(QStringLiteral("1/2/2004")), qPrintable(summary));
}

void tst_Portfolio::windowInLightAndDarkPalettes()
{
    testing::AppFixture app;
    frmInvestData *w = startWithExample(app);
    QVERIFY(w);
    PortfolioWindow *window = openFromMenu(w);
    QVERIFY(window);
    window->resize(1180, 700);
    window->tblPortfolio->setCurrentIndex(window->model->index(1, 0));
    settle();
    // Every column fits its header's words and its figures.
    QHeaderView *header = window->tblPortfolio->horizontalHeader();
    for (int column = 0; column < PortfolioModel::ColumnCount; ++column)
        QVERIFY2(header->sectionSize(column) >= header->sectionSizeHint(column) - 1,
                 qPrintable(QString::number(column)));
    const QPalette dark = palettetest::darkPalette();
    for (const bool isDark : {false, true}) {
        if (isDark)
            window->setPalette(dark);
        settle();
        const QImage picture = window->grab().toImage();
        QCOMPARE(picture.size(), window->size() * window->devicePixelRatio());
        const QString dir = qEnvironmentVariable("PLUMBLINE_SCREENSHOTS_DIR");
        if (!dir.isEmpty())
            QVERIFY(picture.save(QDir(dir).filePath(isDark ? QStringLiteral("PortfolioWindow-dark.png")
                                                           : QStringLiteral("PortfolioWindow-light.png"))));
        const InflationChartPainter::Colours &c = window->chart->painter().colours();
        QCOMPARE(c.background, window->palette().color(QPalette::Base));
        int blue = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                blue += picture.pixelColor(x, y).rgb() == c.current.rgb();
        QVERIFY(blue > 20);
    }
}

QTEST_MAIN(tst_Portfolio)
#include "tst_portfolio.moc"
