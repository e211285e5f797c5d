// The windows beside the specified ones (chart, report, price index, import, About):
// every control speaks a name and a description, each can be worked from the keyboard
// alone, and each reads under a light and a dark desktop palette.
#include "accessibilitytesting.h"
#include "editingtesting.h"
#include "filechooserdouble.h"
#include "palettetesting.h"

#include "storage/priceindexstore.h"
#include "ui/chart/chartwindow.h"
#include "ui/chart/inflationchart.h"
#include "ui/colours.h"
#include "ui/index/aboutdialog.h"
#include "ui/index/importpriceindexdialog.h"
#include "ui/index/priceindexchoice.h"
#include "ui/index/priceindexdialog.h"
#include "ui/report/reportdialog.h"

#include <QDialog>
#include <QGroupBox>
#include <QRadioButton>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

using namespace edtest;
using mwtest::cellText;
using namespace palettetest;
using ui::index::AboutDialog;
using ui::index::ImportPriceIndexDialog;
using ui::index::PriceIndexDialog;
using ui::report::ReportDialog;

namespace {

const QStringList Example = {
    historyLine(1, "2001-01-02", "1000", "1000", "0"),   historyLine(1, "2002-01-02", "1000", "1100", "2.5"),
    historyLine(1, "2003-01-02", "1000", "1150.5", "0"), historyLine(1, "2004-01-02", "1000", "1210", "3.25"),
    historyLine(2, "2001-02-03", "200", "210", "0"),
};

frmInvestData *startWithExample(testing::AppFixture &app)
{
    app.writeInvestments({{QStringLiteral("Growth Fund"), QStringLiteral("First Bank")},
                          {QStringLiteral("Bond"), QStringLiteral("Second Bank")},
                          {QStringLiteral("Empty"), QStringLiteral("Third Bank")}});
    app.writeHistory(Example);
    return app.startMainWindow();
}

QToolButton *chartButton(frmInvestData *w)
{
    for (QAction *action : w->tbToolBar->actions()) {
        if (action->data().toString() == QLatin1String("Chart"))
            return qobject_cast<QToolButton *>(w->tbToolBar->widgetForAction(action));
    }
    return nullptr;
}

template <typename Window> Window *shown(QWidget *owner)
{
    Window *window = owner->findChild<Window *>();
    if (window && activeNow(window))
        settle();
    return window;
}

ChartWindow *openChart(frmInvestData *w)
{
    click(chartButton(w));
    ChartWindow *chart = ChartWindow::instance();
    if (chart && activeNow(chart))
        settle();
    return chart;
}

ReportDialog *openReport(frmInvestData *w)
{
    w->mnuFileReport->trigger();
    ReportDialog *dialog = ReportDialog::instance();
    if (dialog && activeNow(dialog))
        settle();
    return dialog;
}

ImportPriceIndexDialog *openImport(testing::AppFixture &app, testing::ScriptedFileChooser &files, frmInvestData *w)
{
    app.folder().writeBytes(QStringLiteral("monthly.csv"), "2026-01,100\n2026-02,101\n");
    files.enqueue(app.folder().path(QStringLiteral("monthly.csv")));
    menuItem(w, "mnuFileImportIndex")->trigger();
    return shown<ImportPriceIndexDialog>(w);
}

// Names of the controls Tab visits from the focused one until it comes round again.
QString tabChain(QWidget *window)
{
    QStringList chain;
    QWidget *start = QApplication::focusWidget();
    if (!start || start->window() != window)
        return QStringLiteral("no focus in ") + window->objectName();
    QWidget *at = start;
    do {
        chain << (at->objectName().isEmpty() ? QLatin1String(at->metaObject()->className()) : at->objectName());
        QTest::keyClick(at, Qt::Key_Tab);
        at = QApplication::focusWidget();
    } while (at && at != start && chain.size() < 20);
    return chain.join(QLatin1Char(' '));
}

void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget *focus = QApplication::focusWidget();
    QVERIFY(focus);
    QTest::keyClick(focus, key, modifiers);
}

void saveShot(QWidget *w, const QString &name)
{
    const QString dir = qEnvironmentVariable("PLUMBLINE_SCREENSHOTS_DIR");
    if (!dir.isEmpty())
        QVERIFY(w->grab().save(QDir(dir).filePath(name)));
}

// No caption cut off: every label and button has at least the room its text asks for.
void checkNothingClipped(QWidget *window)
{
    QStringList clipped;
    const QList<QWidget *> all = window->findChildren<QWidget *>();
    for (QWidget *w : all) {
        if (!w->isVisible() || !(qobject_cast<QLabel *>(w) || qobject_cast<QAbstractButton *>(w)))
            continue;
        if (w->parentWidget() && qobject_cast<QToolBar *>(w->parentWidget()))
            continue;
        const auto *label = qobject_cast<QLabel *>(w);
        const int needHigh = label && label->wordWrap() ? label->heightForWidth(w->width()) : w->sizeHint().height();
        const int needWide = label && label->wordWrap() ? w->minimumSizeHint().width() : w->sizeHint().width();
        if (w->width() < needWide || w->height() < needHigh)
            clipped << QStringLiteral("%1 is %2x%3, needs %4x%5")
                           .arg(w->objectName())
                           .arg(w->width())
                           .arg(w->height())
                           .arg(needWide)
                           .arg(needHigh);
    }
    QVERIFY2(clipped.isEmpty(), qPrintable(window->objectName() + QStringLiteral(": ") + clipped.join(u'\n')));
}

// A caption's "&" marks its Alt key only when the label has a control to go to; without
// one the label shows the "&" itself.
void checkMnemonics(QWidget *window)
{
    static const QRegularExpression mnemonic(QStringLiteral("&(?!&)"));
    const QList<QLabel *> labels = window->findChildren<QLabel *>();
    for (const QLabel *label : labels) {
        if (label->textFormat() != Qt::RichText && label->text().contains(mnemonic) &&
            !label->textInteractionFlags().testFlag(Qt::TextSelectableByMouse))
            QVERIFY2(label->buddy(), qPrintable(label->objectName() + QStringLiteral(": ") + label->text()));
    }
}

// A background the program forces on a control keeps a readable text on it.
void checkForcedColours(QWidget *window)
{
    const QList<QWidget *> all = window->findChildren<QWidget *>();
    for (QWidget *w : all) {
        const bool box = qobject_cast<QLineEdit *>(w) && w->palette().isBrushSet(QPalette::Active, QPalette::Base);
        const bool filled = qobject_cast<QLabel *>(w) && w->autoFillBackground();
        if (!box && !filled)
            continue;
        const QPalette::ColorRole role = box ? QPalette::Base : QPalette::Window;
        const double ratio = ui::contrastRatio(w->palette().color(role), w->palette().color(ui::textRoleOn(role)));
        QVERIFY2(ratio >= ui::MinimumContrast, qPrintable(w->objectName()));
    }
}

} // namespace

class tst_AddedWindows : public QObject
{
    Q_OBJECT

private slots:
    void init() { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }
    void cleanup() { ChartWindow::closeWindow(); }

    void everyControlHasANameAndDescription();
    void toolbarChartButtonSaysWhatItOpens();
    void chartDescriptionGivesTheGist();
    void chartByKeyboard();
    void reportByKeyboard();
    void priceIndexByKeyboard();
    void importByKeyboard();
    void aboutByKeyboard();
    void chartColoursReadUnderBothPalettes();
    void picturesUnderBothPalettes();
};

void tst_AddedWindows::everyControlHasANameAndDescription()
{
    testing::AppFixture app;
    testing::ScriptedFileChooser files;
    frmInvestData *w = startWithExample(app);
    QVERIFY(w);
    a11ytest::Checked checked;

    ChartWindow *chart = openChart(w);
    QVERIFY(chart);
    checked.check(chart);
    QTest::keyClick(chart, Qt::Key_Escape);
    QTRY_VERIFY(!ChartWindow::instance());

    ReportDialog *report = openReport(w);
    QVERIFY(report);
    checked.check(report);
    click(report->cmdCancel);
    QTRY_VERIFY(!ReportDialog::instance() && w->isEnabled());

    menuItem(w, "mnuViewPriceIndex")->trigger();
    auto *choice = shown<PriceIndexDialog>(w);
    QVERIFY(choice);
    checked.check(choice);
    // The box's own clear button appears once there is text to clear.
    typeInto(choice->txtFilter, QStringLiteral("UK"));
    checked.check(choice);
    click(choice->cmdCancel);
    QTRY_VERIFY(!w->findChild<PriceIndexDialog *>());

    ImportPriceIndexDialog *import = openImport(app, files, w);
    QVERIFY(import);
    checked.check(import);
    click(import->cmdCancel);
    QTRY_VERIFY(!w->findChild<ImportPriceIndexDialog *>());

    menuItem(w, "mnuHelpAbout")->trigger();
    auto *about = shown<AboutDialog>(w);
    QVERIFY(about);
    checked.check(about);
    click(about->cmdOK);
    QTRY_VERIFY(!w->findChild<AboutDialog *>());

    checked.windows.sort();
    QCOMPARE(checked.windows, (QStringList{QStringLiteral("AboutDialog"), QStringLiteral("ChartWindow"),
                                           QStringLiteral("ImportPriceIndexDialog"), QStringLiteral("PriceIndexDialog"),
                                           QStringLiteral("PriceIndexDialog"), QStringLiteral("ReportDialog")}));
    QVERIFY2(checked.problems.isEmpty(), qPrintable(checked.problems.join(QLatin1Char('\n'))));
    QVERIFY(app.boxes().calls().isEmpty());
}

void tst_AddedWindows::toolbarChartButtonSaysWhatItOpens()
{
    testing::AppFixture app;
    frmInvestData *w = startWithExample(app);
    QVERIFY(w);
    QToolButton *button = chartButton(w);
    QVERIFY(button);
    QCOMPARE(a11ytest::spoken(button, QAccessible::Name), QStringLiteral("Chart"));
    QCOMPARE(a11ytest::spoken(button, QAccessible::Description),
             QStringLiteral("Toolbar button: Open the chart of the shown investment's amount against its amount "
                            "adjusted for inflation (Ctrl+G)"));
}

void tst_AddedWindows::chartDescriptionGivesTheGist()
{
    testing::AppFixture app;
    frmInvestData *w = startWithExample(app);
    QVERIFY(w);
    ChartWindow *chart = openChart(w);
    QVERIFY(chart);
    // The first and last dates and the last record's figures, as the grid shows them.
    QCOMPARE(a11ytest::spoken(chart->chart, QAccessible::Name), QStringLiteral("Chart of the investment"));
    QCOMPARE(a11ytest::spoken(chart->chart, QAccessible::Description),
             QStringLiteral("Current Amount and Current Amount AFI of Growth Fund, First Bank over 4 records from "
                            "%1 to %2. Last record: Current Amount $1,210.00, Current Amount AFI %3, Profit/Loss AFI "
                            "%4. Left and Right move from record to record.")
                 .arg(cellText(w, QStringLiteral("txtDate"), 0), cellText(w, QStringLiteral("txtDate"), 3),
                      cellText(w, QStringLiteral("metCurAmntAFI"), 3),
                      cellText(w, QStringLiteral("metProfLossAFI"), 3)));

    // The next investment: one record, no rate yet, so the plot holds a sentence instead.
    click(w->cmdNext);
    QTRY_COMPARE(a11ytest::spoken(chart->chart, QAccessible::Description),
                 QStringLiteral("No inflation rate has been entered for this investment yet, so there is no amount "
                                "adjusted for inflation to draw."));
    QCOMPARE(chart->chart->painter().emptySentence(), a11ytest::spoken(chart->chart, QAccessible::Description));

    // An investment without records: the sentence the plot shows instead.
    click(w->cmdNext);
    QTRY_VERIFY(!a11ytest::spoken(chart->chart, QAccessible::Description).startsWith(QLatin1String("No inflation")));
    QCOMPARE(a11ytest::spoken(chart->chart, QAccessible::Description), chart->chart->painter().emptySentence());
    QVERIFY(!chart->chart->painter().emptySentence().isEmpty());
}

void tst_AddedWindows::chartByKeyboard()
{
    testing::AppFixture app;
    frmInvestData *w = startWithExample(app);
    QVERIFY(w);
    w->mnuViewChart->trigger();
    ChartWindow *chart = ChartWindow::instance();
    QVERIFY(chart && activeNow(chart));
    QCOMPARE(QApplication::focusWidget(), chart->chart);
    // The returns line is a stop of its own, so its sentence can be read and copied by keyboard.
    QCOMPARE(tabChain(chart), QStringLiteral("chart cmdSavePng cmdSavePdf lblReturns lblReadout"));

    // Home picks the first record; its figures are shown and described.
    QCOMPARE(QApplication::focusWidget(), chart->chart);
    press(Qt::Key_Home);
    QVERIFY(chart->lblReadout->text().startsWith(QLatin1String("Record 1, ")));
    press(Qt::Key_Right);
    QVERIFY(chart->lblReadout->text().startsWith(QLatin1String("Record 2, ")));
    QCOMPARE(chart->lblReadout->accessibleDescription(),
             QString(chart->lblReadout->text()).replace(QLatin1Char('\n'), QLatin1Char(' ')));
    QCOMPARE(a11ytest::spoken(chart->lblReadout, QAccessible::Name), QStringLiteral("Figures of the picked record"));

    // Space on the focused PNG button asks where to save; Esc closes the window.
    testing::ScriptedFileChooser files;
    QTest::keyClick(chart->chart, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), chart->cmdSavePng);
    press(Qt::Key_Space);
    QCOMPARE(files.captions, QStringList{QStringLiteral("Save Chart as PNG")});
    press(Qt::Key_Escape);
    QTRY_VERIFY(!ChartWindow::instance());
}

void tst_AddedWindows::reportByKeyboard()
{
    testing::AppFixture app;
    frmInvestData *w = startWithExample(app);
    QVERIFY(w);

    // Esc closes it and gives the main window back.
    ReportDialog *dialog = openReport(w);
    QVERIFY(dialog);
    press(Qt::Key_Escape);
    QTRY_VERIFY(!ReportDialog::instance());
    QVERIFY(backInMainWindow(w));
    QVERIFY(app.boxes().calls().isEmpty());

    dialog = openReport(w);
    QVERIFY(dialog);
    QCOMPARE(QApplication::focusWidget(), dialog->optShownInvestment);
    QCOMPARE(tabChain(dialog), QStringLiteral("optShownInvestment txtReportFile cmdBrowse cmdCreate cmdCancel"));
    // The arrow keys choose within the group.
    press(Qt::Key_Down);
    QVERIFY(dialog->optAllInvestments->isChecked());

    // A file name typed, Enter: the default button writes the report (outside the data folder,
    // where no report may go).
    QTemporaryDir out;
    const QString target = out.filePath(QStringLiteral("keyboard.pdf"));
    QTest::keyClick(dialog->optAllInvestments, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), dialog->txtReportFile);
    dialog->txtReportFile->selectAll();
    QTest::keyClicks(dialog->txtReportFile, target);
    press(Qt::Key_Return);
    // The report tool writes it in a process of its own, then the dialog says so.
    QTRY_COMPARE(app.boxes().calls().size(), 1);
    const QList<platform::MessageBoxCall> calls = app.boxes().takeCalls();
    QVERIFY2(calls.first().text.startsWith(QStringLiteral("The report (")), qPrintable(calls.first().text));
    QVERIFY(calls.first().text.endsWith(QDir::toNativeSeparators(target)));
    QCOMPARE(calls.first().icon, platform::MsgIcon::Information);
    QVERIFY(QFile(target).size() > 1000);
    QTRY_VERIFY(!ReportDialog::instance());
    QVERIFY(backInMainWindow(w));
}

void tst_AddedWindows::priceIndexByKeyboard()
{
    testing::AppFixture app;
    frmInvestData *w = startWithExample(app);
    QVERIFY(w);
    const QString before = ui::index::currentPriceIndexName();

    menuItem(w, "mnuViewPriceIndex")->trigger();
    auto *dialog = shown<PriceIndexDialog>(w);
    QVERIFY(dialog);
    QCOMPARE(QApplication::focusWidget(), dialog->txtFilter);
    QCOMPARE(tabChain(dialog), QStringLiteral("txtFilter lstSeries cmdOK cmdCancel"));
    press(Qt::Key_Escape);
    QTRY_VERIFY(!w->findChild<PriceIndexDialog *>());
    QCOMPARE(ui::index::currentPriceIndexName(), before);

    // Typing narrows the list to one series; Enter chooses it.
    menuItem(w, "mnuViewPriceIndex")->trigger();
    dialog = shown<PriceIndexDialog>(w);
    QVERIFY(dialog);
    QTest::keyClicks(dialog->txtFilter, QStringLiteral("UK-CPI"));
    QVERIFY(dialog->lstSeries->currentItem());
    QCOMPARE(dialog->lstSeries->currentItem()->text(0), QStringLiteral("UK-CPI"));
    press(Qt::Key_Return);
    QTRY_VERIFY(!w->findChild<PriceIndexDialog *>());
    QCOMPARE(ui::index::currentPriceIndexName(), QStringLiteral("UK-CPI"));

    // Down from the box moves into the list, where the arrows pick a series.
    menuItem(w, "mnuViewPriceIndex")->trigger();
    dialog = shown<PriceIndexDialog>(w);
    QVERIFY(dialog);
    press(Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget(), dialog->lstSeries);
    const QString picked = dialog->lstSeries->currentItem()->text(0);
    press(Qt::Key_Down);
    QVERIFY(dialog->lstSeries->currentItem()->text(0) != picked);
    const QString next = dialog->lstSeries->currentItem()->text(0);
    press(Qt::Key_Return);
    QTRY_VERIFY(!w->findChild<PriceIndexDialog *>());
    QCOMPARE(ui::index::currentPriceIndexName(), next);
    QVERIFY(app.boxes().calls().isEmpty());
}

void tst_AddedWindows::importByKeyboard()
{
    testing::AppFixture app;
    testing::ScriptedFileChooser files;
    frmInvestData *w = startWithExample(app);
    QVERIFY(w);

    ImportPriceIndexDialog *dialog = openImport(app, files, w);
    QVERIFY(dialog);
    QCOMPARE(QApplication::focusWidget(), dialog->txtName);
    QCOMPARE(tabChain(dialog), QStringLiteral("txtName txtCountry cmdImport cmdCancel"));
    // The captions' Alt keys reach their boxes.
    press(Qt::Key_O, Qt::AltModifier);
    QCOMPARE(QApplication::focusWidget(), dialog->txtCountry);
    press(Qt::Key_N, Qt::AltModifier);
    QCOMPARE(QApplication::focusWidget(), dialog->txtName);
    press(Qt::Key_Escape);
    QTRY_VERIFY(!w->findChild<ImportPriceIndexDialog *>());
    QVERIFY(!storage::importedPriceIndexExists(QStringLiteral("monthly")));

    dialog = openImport(app, files, w);
    QVERIFY(dialog);
    QCOMPARE(dialog->txtName->text(), QStringLiteral("monthly"));
    press(Qt::Key_Return);
    EXPECT_ONE_BOX(
        app, QStringLiteral("Imported monthly: 2 months, 2026-01 to 2026-02.\r\nChoose it under View, Price Index."),
        QStringLiteral("Import Price Index"), MsgIcon::Information, MsgButtons::OK);
    QTRY_VERIFY(!w->findChild<ImportPriceIndexDialog *>());
    QVERIFY(storage::importedPriceIndexExists(QStringLiteral("monthly")));
}

void tst_AddedWindows::aboutByKeyboard()
{
    testing::AppFixture app;
    frmInvestData *w = startWithExample(app);
    QVERIFY(w);
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
        menuItem(w, "mnuHelpAbout")->trigger();
        auto *about = shown<AboutDialog>(w);
        QVERIFY(about);
        QCOMPARE(QApplication::focusWidget(), about->cmdOK);
        QCOMPARE(tabChain(about), QStringLiteral("cmdOK lblSources"));
        press(key);
        QTRY_VERIFY(!w->findChild<AboutDialog *>());
    }
}

void tst_AddedWindows::chartColoursReadUnderBothPalettes()
{
    for (const bool dark : {false, true}) {
        DesktopPalette palette(dark ? darkPalette() : QApplication::style()->standardPalette());
        testing::AppFixture app;
        frmInvestData *w = startWithExample(app);
        QVERIFY(w);
        ChartWindow *chart = openChart(w);
        QVERIFY(chart);
        const InflationChartPainter::Colours &c = chart->chart->painter().colours();
        QVERIFY2(ui::contrastRatio(c.text, c.background) >= ui::MinimumContrast, dark ? "dark" : "light");
        // The lines are read against the background as graphics: at least 3 : 1.
        for (const QColor &line : {c.current, c.afi, c.original, c.skipped}) {
            const double ratio = ui::contrastRatio(line, c.background);
            QVERIFY2(ratio >= 3.0, qPrintable(QStringLiteral("%1 on %2 (%3): %4 : 1")
                                                  .arg(line.name(), c.background.name(),
                                                       dark ? QStringLiteral("dark") : QStringLiteral("light"))
                                                  .arg(ratio, 0, 'f', 2)));
        }
        ChartWindow::closeWindow();
    }
}

void tst_AddedWindows::picturesUnderBothPalettes()
{
    for (const bool dark : {false, true}) {
        DesktopPalette palette(dark ? darkPalette() : QApplication::style()->standardPalette());
        const QString suffix = dark ? QStringLiteral("-dark.png") : QStringLiteral("-light.png");
        testing::AppFixture app;
        testing::ScriptedFileChooser files;
        frmInvestData *w = startWithExample(app);
        QVERIFY(w);

        ChartWindow *chart = openChart(w);
        QVERIFY(chart);
        QTest::keyClick(chart->chart, Qt::Key_End);
        checkNothingClipped(chart);
        checkForcedColours(chart);
        saveShot(chart, QStringLiteral("added-chart") + suffix);
        ChartWindow::closeWindow();

        ReportDialog *report = openReport(w);
        QVERIFY(report);
        checkNothingClipped(report);
        checkForcedColours(report);
        checkMnemonics(report);
        saveShot(report, QStringLiteral("added-report") + suffix);
        click(report->cmdCancel);
        QTRY_VERIFY(!ReportDialog::instance());

        menuItem(w, "mnuViewPriceIndex")->trigger();
        auto *choice = shown<PriceIndexDialog>(w);
        QVERIFY(choice);
        checkNothingClipped(choice);
        checkForcedColours(choice);
        checkMnemonics(choice);
        saveShot(choice, QStringLiteral("added-priceindex") + suffix);
        click(choice->cmdCancel);
        QTRY_VERIFY(!w->findChild<PriceIndexDialog *>());

        ImportPriceIndexDialog *import = openImport(app, files, w);
        QVERIFY(import);
        checkNothingClipped(import);
        checkForcedColours(import);
        checkMnemonics(import);
        saveShot(import, QStringLiteral("added-import") + suffix);
        click(import->cmdCancel);
        QTRY_VERIFY(!w->findChild<ImportPriceIndexDialog *>());

        menuItem(w, "mnuHelpAbout")->trigger();
        auto *about = shown<AboutDialog>(w);
        QVERIFY(about);
        checkNothingClipped(about);
        checkForcedColours(about);
        checkMnemonics(about);
        saveShot(about, QStringLiteral("added-about") + suffix);
        click(about->cmdOK);
        QTRY_VERIFY(!w->findChild<AboutDialog *>());

        saveShot(w->tbToolBar, QStringLiteral("added-toolbar") + suffix);
    }
}

QTEST_MAIN(tst_AddedWindows)
#include "tst_addedwindows.moc"
