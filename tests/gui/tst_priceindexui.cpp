// The price-index suggestion in the data record dialog (add, insert, edit; Use; the rate box
// never filled without it), choosing the series, importing one from the File menu, the About box.

#include "editingtesting.h"
#include "filechooserdouble.h"
#include "palettetesting.h"

#include "platform/settingsstore.h"
#include "storage/priceindexchoice.h"
#include "storage/priceindexstore.h"
#include "storage/usersettings.h"
#include "ui/index/aboutdialog.h"
#include "ui/index/importpriceindexdialog.h"
#include "ui/index/priceindexchoice.h"
#include "ui/index/priceindexdialog.h"
#include "ui/index/ratesuggestion.h"

#include <QLabel>
#include <QPalette>
#include <QStyleFactory>
#include <QTreeWidget>

#include <sys/stat.h>

using namespace edtest;
using namespace modPlMainMod;

namespace {

const QString RawFolder = QStringLiteral(PLUMBLINE_SOURCE_DIR "/data/cpi/raw/");
const QString ImportTitle = QStringLiteral("Import Price Index");

// Investment 1 has records on 15 Jan 2024, 20 Jul 2024 and 10 Sep 2025; investment 2 one between.
const QString A1 = historyLine(1, "2024-01-15", "1000", "1000", "0");
const QString B1 = historyLine(2, "2024-03-01", "500", "500", "0");
const QString A2 = historyLine(1, "2024-07-20", "1000", "1010", "1.5");
const QString A3 = historyLine(1, "2025-09-10", "1000", "1030", "2.5");
const QStringList Example = {A1, B1, A2, A3};

frmInvestData *startWithExample(testing::AppFixture &app)
{
    app.writeInvestments(
        {{QStringLiteral("Fund A"), QStringLiteral("Bank A")}, {QStringLiteral("Fund B"), QStringLiteral("Bank B")}});
    app.writeHistory(Example);
    return app.startMainWindow();
}

void choose(frmInvestData *w, int number)
{
    QVERIFY(w->Record->isEnabled());
    w->Record->setCurrentIndex(number - 1);
    emit w->Record->activated(number - 1);
    QCoreApplication::processEvents();
}

frmNewEditData *openFor(frmInvestData *w, QPushButton *command, int number)
{
    click(command);
    if (number > 0)
        choose(w, number);
    return openedDialog<frmNewEditData>();
}

QString suggestion(frmNewEditData *d)
{
    return d->findChild<QLabel *>(QStringLiteral("lblRateSuggestion"))->text();
}

QPushButton *useButton(frmNewEditData *d)
{
    return d->findChild<QPushButton *>(QStringLiteral("cmdUseRate"));
}

} // namespace

class tst_PriceIndexUi : public QObject
{
    Q_OBJECT

private slots:
    void init() { platform::LocaleServices::setToday(QDate(2026, 12, 7)); }
    void cleanup() { platform::LocaleServices::setToday(QDate()); }

    void suggestionWhenAdding();
    void suggestionWhenInserting();
    void suggestionWhenEditing();
    void suggestionAfterSkippedRecord();
    void useOffersOnlyWhatTheRateBoxHolds();
    void chosenSeriesAndDefault();
    void choosingFromTheViewMenu();
    void importingFromTheFileMenu();
    void importRefusesPipesAndShowsNul();
    void chosenSeriesReachesTheTools();
    void aboutBoxNamesTheSources();
    void annualSuggestionOffersMonthly_data();
    void annualSuggestionOffersMonthly();
};

void tst_PriceIndexUi::suggestionWhenAdding()
{
    testing::AppFixture app;
    frmInvestData *w = startWithExample(app);
    QVERIFY(w);
    frmNewEditData *d = openFor(w, w->cmdAddNew, 0);
    QVERIFY(d);
    QPushButton *use = useButton(d);
    QVERIFY(use);
    // The line sits inside the frame under the boxes; the dialog's own controls keep their places.
    QCOMPARE(d->rateSuggestion->parentWidget(), d->Frame1);
    QVERIFY(d->rateSuggestion->geometry().top() >= d->txtInflRate->geometry().bottom());
    QVERIFY(d->rateSuggestion->geometry().bottom() < d->Frame1->height());
    QCOMPARE(d->centralWidget()->size(), ui::twipsSize(8025, 3195));
    QCOMPARE(use->focusPolicy(), Qt::NoFocus);

    QCOMPARE(suggestion(d), QStringLiteral("No suggestion until the Date box holds a date."));
    QVERIFY(!use->isEnabled());

    // Previous record of investment 1 for a new one: its last, 10 Sep 2025. November's level
    // over September's: 324.122 / 324.8 - 1 = -0.21 %.
    typeInto(d->txtDate, QStringLiteral("11/3/2025"));
    QCOMPARE(suggestion(d), QStringLiteral("US CPI-U: -0.21 % since 9/10/2025"));
    QVERIFY(use->isEnabled());
    QVERIFY(d->txtInflRate->text().isEmpty());

    typeInto(d->txtDate, QStringLiteral("10/15/2025"));
    QCOMPARE(suggestion(d), QStringLiteral("No suggestion: US CPI-U has no value for 2025-10."));
    QVERIFY(!use->isEnabled());
    typeInto(d->txtDate, QStringLiteral("1/1/2020"));
    QCOMPARE(suggestion(d), QStringLiteral("No suggestion: the date is before 9/10/2025, where the rate would start."));
    typeInto(d->txtDate, QStringLiteral("7/1/2026"));
    QCOMPARE(suggestion(d), QStringLiteral("No suggestion: US CPI-U ends in 2026-05; 2026-07 is after it."));

    typeInto(d->txtDate, QStringLiteral("11/3/2025"));
    typeInto(d->metOriginalAmount, QStringLiteral("1000"));
    typeInto(d->metCurrentAmount, QStringLiteral("1040"));
    QVERIFY(d->txtInflRate->text().isEmpty()); // nothing filled it while the date changed
    palettetest::grabLightAndDark(d, QStringLiteral("priceindex-add"));
    click(use);
    QCOMPARE(d->txtInflRate->text(), QStringLiteral("-0.21"));
    QCOMPARE(intCopySource, 5); // the focus stayed in the current amount
    EXPECT_NO_BOX(app);
    click(d->cmdDone);
    EXPECT_NO_BOX(app);
    QVERIFY(!frmNewEditData::instance());
    QCOMPARE(app.historyBytes(), bytesOf(Example + QStringList{historyLine(1, "2025-11-03", "1000", "1040", "-0.21")}));
    QVERIFY(backInMainWindow(w));
}

void tst_PriceIndexUi::suggestionWhenInserting()
{
    testing::AppFixture app;
    frmInvestData *w = startWithExample(app);
    QVERIFY(w);
    // Inserting after record 1: the previous record is record 1, 15 Jan 2024.
    frmNewEditData *d = openFor(w, w->cmdInsertNew, 1);
    QVERIFY(d);
    QCOMPARE(strOperation, QStringLiteral("INSERT"));
    typeInto(d->txtDate, QStringLiteral("7/1/2024"));
    // 314.540 / 308.417 - 1 = 1.985 %.
    QCOMPARE(suggestion(d), QStringLiteral("US CPI-U: 1.99 % since 1/15/2024"));
    typeInto(d->txtInflRate, QStringLiteral("0.5"));
    typeInto(d->txtDate, QStringLiteral("7/2/2024"));
    QCOMPARE(d->txtInflRate->text(), QStringLiteral("0.5"));
    // Alt+U is the Use button's key. (Keys with Alt sent by QTest reach no mnemonic under the
    // offscreen platform, not even the dialog's own Alt+D, so the key is checked as registered.)
    QVERIFY(useButton(d)->isEnabled());
    QCOMPARE(useButton(d)->shortcut(), QKeySequence(Qt::ALT | Qt::Key_U));
    click(useButton(d));
    QCOMPARE(d->txtInflRate->text(), QStringLiteral("1.99"));
    QVERIFY(d->txtDate->hasFocus());
    typeInto(d->metOriginalAmount, QStringLiteral("1000"));
    typeInto(d->metCurrentAmount, QStringLiteral("1005"));
    click(d->cmdDone);
    EXPECT_NO_BOX(app);
    QCOMPARE(app.historyBytes(), bytesOf({A1, historyLine(1, "2024-07-02", "1000", "1005", "1.99"), A2, A3, B1}));
    QVERIFY(backInMainWindow(w));
}

void tst_PriceIndexUi::suggestionWhenEditing()
{
    testing::AppFixture app;
    frmInvestData *w = startWithExample(app);
    QVERIFY(w);
    // Editing record 2 (20 Jul 2024): measured from record 1; the stored rate stays in the box.
    frmNewEditData *d = openFor(w, w->cmdEdit, 2);
    QVERIFY(d);
    QCOMPARE(d->txtDate->text(), QStringLiteral("7/20/2024"));
    QCOMPARE(suggestion(d), QStringLiteral("US CPI-U: 1.99 % since 1/15/2024"));
    QCOMPARE(d->txtInflRate->text(), QStringLiteral("1.5"));
    palettetest::grabLightAndDark(d, QStringLiteral("priceindex-edit"));
    click(d->cmdCancel);
    QCOMPARE(app.historyBytes(), bytesOf(Example));
    QVERIFY(backInMainWindow(w));

    // The first record has nothing before it.
    d = openFor(w, w->cmdEdit, 1);
    QVERIFY(d);
    QCOMPARE(suggestion(d), QStringLiteral("No suggestion for the investment's first record."));
    QVERIFY(!useButton(d)->isEnabled());
    click(useButton(d)); // disabled: the click does nothing
    QCOMPARE(d->txtInflRate->text(), QStringLiteral("0"));
    click(d->cmdCancel);
    QVERIFY(backInMainWindow(w));
    QCOMPARE(app.historyBytes(), bytesOf(Example));

    // Nor has an investment's first record ever.
    click(w->cmdNext);
    QVERIFY(backInMainWindow(w));
    app.writeHistory({A1});
    d = openFor(w, w->cmdAddNew, 0);
    QVERIFY(d);
    QCOMPARE(suggestion(d), QStringLiteral("No suggestion for the investment's first record."));
    click(d->cmdCancel);
    QVERIFY(backInMainWindow(w));
}

void tst_PriceIndexUi::suggestionAfterSkippedRecord()
{
    // The calculation passes over 9/1/2023 (current amount 0) and compares the next record with
    // 3/1/2023, so the rate of that next record covers the year from 3/1/2023.
    testing::AppFixture app;
    const QStringList history = {historyLine(1, "2023-03-01", "5000", "5000", "0"),
                                 historyLine(1, "2023-09-01", "5000", "0", "0")};
    app.writeInvestments({{QStringLiteral("Fund A"), QStringLiteral("Bank A")}});
    app.writeHistory(history);
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);

    frmNewEditData *d = openFor(w, w->cmdAddNew, 0);
    QVERIFY(d);
    typeInto(d->txtDate, QStringLiteral("3/1/2024"));
    // 312.332 / 301.836 - 1 = 3.48 % (from the skipped record it would be 1.48 %).
    QCOMPARE(suggestion(d), QStringLiteral("US CPI-U: 3.48 % since 3/1/2023"));
    palettetest::grabLightAndDark(d, QStringLiteral("priceindex-after-skipped"));
    typeInto(d->metOriginalAmount, QStringLiteral("5000"));
    typeInto(d->metCurrentAmount, QStringLiteral("5150"));
    click(useButton(d));
    QCOMPARE(d->txtInflRate->text(), QStringLiteral("3.48"));
    click(d->cmdDone);
    EXPECT_NO_BOX(app);
    const QStringList added = history + QStringList{historyLine(1, "2024-03-01", "5000", "5150", "3.48")};
    QCOMPARE(app.historyBytes(), bytesOf(added));
    QVERIFY(backInMainWindow(w));
    // The year's loss on 5,000, not the half year's 74.
    QCOMPARE(w->metLossToInfl[2]->plainText(), QStringLiteral("174"));

    // Editing the new record, or the skipped one: both measured from 3/1/2023.
    d = openFor(w, w->cmdEdit, 3);
    QVERIFY(d);
    QCOMPARE(suggestion(d), QStringLiteral("US CPI-U: 3.48 % since 3/1/2023"));
    click(d->cmdCancel);
    QVERIFY(backInMainWindow(w));
    d = openFor(w, w->cmdEdit, 2);
    QVERIFY(d);
    QCOMPARE(suggestion(d), QStringLiteral("US CPI-U: 1.97 % since 3/1/2023"));
    click(d->cmdCancel);
    QVERIFY(backInMainWindow(w));

    // Inserting after the skipped record: from the last counted one before it.
    d = openFor(w, w->cmdInsertNew, 2);
    QVERIFY(d);
    typeInto(d->txtDate, QStringLiteral("12/1/2023"));
    QCOMPARE(suggestion(d), QStringLiteral("US CPI-U: 1.63 % since 3/1/2023"));
    typeInto(d->txtDate, QStringLiteral("1/1/2023"));
    QCOMPARE(suggestion(d), QStringLiteral("No suggestion: the date is before 3/1/2023, where the rate would start."));
    QVERIFY(!useButton(d)->isEnabled());
    click(d->cmdCancel);
    QVERIFY(backInMainWindow(w));
    QCOMPARE(app.historyBytes(), bytesOf(added));

    // Records before, but none the calculation counts: nothing to run from.
    app.writeHistory({historyLine(1, "2023-03-01", "5000", "0", "0")});
    d = openFor(w, w->cmdAddNew, 0);
    QVERIFY(d);
    typeInto(d->txtDate, QStringLiteral("3/1/2024"));
    QCOMPARE(suggestion(d), QStringLiteral("No suggestion: no earlier record has both amounts above 0."));
    QVERIFY(!useButton(d)->isEnabled());
    click(d->cmdCancel);
    QVERIFY(backInMainWindow(w));
    EXPECT_NO_BOX(app);
}

void tst_PriceIndexUi::useOffersOnlyWhatTheRateBoxHolds()
{
    testing::AppFixture app;
    // Levels no real index has, each month's rate from January's level of 1.
    PriceIndex huge;
    huge.name = huge.title = QStringLiteral("HUGE");
    huge.values = {{PriceIndex::monthKey(2024, 1), 1.0},
                   {PriceIndex::monthKey(2024, 2), 1e40},
                   {PriceIndex::monthKey(2024, 3), 1e30},
                   {PriceIndex::monthKey(2024, 4), 1.7976931348623157e308},
                   {PriceIndex::monthKey(2024, 5), 3.4028234e36},
                   {PriceIndex::monthKey(2024, 6), 3.4028236e36},
                   {PriceIndex::monthKey(2024, 7), 4.9406564584124654e-324}};
    QVERIFY(QDir().mkpath(storage::priceIndexFolder()));
    QVERIFY(app.folder().writeBytes(storage::PriceIndexFolderName + QStringLiteral("/HUGE.txt"), huge.toText()));
    app.settings().saveSetting(QStringLiteral("PLUMBLINE"), QStringLiteral("PRICEINDEX"), QStringLiteral("Series"),
                               QStringLiteral("HUGE"));
    app.writeInvestments({{QStringLiteral("Fund A"), QStringLiteral("Bank A")}});
    app.writeHistory({historyLine(1, "2024-01-15", "100", "100", "0")});
    frmInvestData *w = app.startMainWindow();
    QVERIFY(w);
    frmNewEditData *d = openFor(w, w->cmdAddNew, 0);
    QVERIFY(d);

    // 1e32 %: a Single holds it, so Use offers it, every digit written out.
    typeInto(d->txtDate, QStringLiteral("3/1/2024"));
    const QString e32 = QStringLiteral("1") + QString(32, QLatin1Char('0')) + QStringLiteral(".00");
    QCOMPARE(suggestion(d), QStringLiteral("HUGE: %1 % since 1/15/2024").arg(e32));
    QVERIFY(useButton(d)->isEnabled());
    click(useButton(d));
    QCOMPARE(d->txtInflRate->text(), e32);
    QCOMPARE(d->txtInflRate->cursorPosition(), 0); // shown from its first digit
    // 1e42 %: past a Single (3.4e38), where Done would stop with an overflow.
    typeInto(d->txtDate, QStringLiteral("2/1/2024"));
    QCOMPARE(suggestion(d), QStringLiteral("No suggestion: 1e+42 % is too large for the rate box."));
    QVERIFY(!useButton(d)->isEnabled());
    palettetest::grabLightAndDark(d, QStringLiteral("priceindex-too-large"));
    // Either side of a Single's largest value.
    typeInto(d->txtDate, QStringLiteral("5/1/2024"));
    QVERIFY2(useButton(d)->isEnabled(), qPrintable(suggestion(d)));
    typeInto(d->txtDate, QStringLiteral("6/1/2024"));
    QVERIFY2(!useButton(d)->isEnabled(), qPrintable(suggestion(d)));
    // A fall to a denormal level is a fall of 100 %; a rise to the largest double is a rate no
    // double holds.
    typeInto(d->txtDate, QStringLiteral("7/1/2024"));
    // July is among the series' last three months: provisional.
    QCOMPARE(suggestion(d), QStringLiteral("HUGE: -100.00 % since 1/15/2024, provisional"));
    typeInto(d->txtDate, QStringLiteral("4/1/2024"));
    QCOMPARE(suggestion(d),
             QStringLiteral("No suggestion: HUGE: the rate from 2024-01-15 to 2024-04-01 is too large to show."));
    QVERIFY(!useButton(d)->isEnabled());
    QCOMPARE(d->txtInflRate->text(), e32); // the box keeps what Use put there
    click(d->cmdCancel);
    QVERIFY(backInMainWindow(w));
    EXPECT_NO_BOX(app);
}

void tst_PriceIndexUi::chosenSeriesAndDefault()
{
    testing::AppFixture app;
    // Without a choice: the locale's country (the tests' locale is the United States).
    QCOMPARE(ui::index::currentPriceIndexName(), QStringLiteral("US-CPI-U"));
    platform::LocaleServices::setLocale(QLocale(QLocale::English, QLocale::UnitedKingdom));
    QCOMPARE(ui::index::currentPriceIndexName(), QStringLiteral("UK-CPI"));
    platform::LocaleServices::setLocale(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(ui::index::currentPriceIndexName(), QStringLiteral("DE-CPI"));
    platform::LocaleServices::setLocale(QLocale(QLocale::English, QLocale::UnitedStates));

    app.settings().saveSetting(QStringLiteral("PLUMBLINE"), QStringLiteral("PRICEINDEX"), QStringLiteral("Series"),
                               QStringLiteral("WB-USA"));
    frmInvestData *w = startWithExample(app);
    QVERIFY(w);
    frmNewEditData *d = openFor(w, w->cmdAddNew, 0);
    QVERIFY(d);
    // 2025 is after the World Bank table's last year.
    typeInto(d->txtDate, QStringLiteral("12/1/2025"));
    QCOMPARE(suggestion(d),
             QStringLiteral("No suggestion: United States (World Bank) ends in 2024; 2025 is after it."));
    click(d->cmdCancel);
    QVERIFY(backInMainWindow(w));

    app.settings().saveSetting(QStringLiteral("PLUMBLINE"), QStringLiteral("PRICEINDEX"), QStringLiteral("Series"),
                               QStringLiteral("GONE"));
    d = openFor(w, w->cmdAddNew, 0);
    QVERIFY(d);
    QCOMPARE(suggestion(d), QStringLiteral("No suggestion: There is no price index named GONE."));
    click(d->cmdCancel);
    QVERIFY(backInMainWindow(w));
    EXPECT_NO_BOX(app);
}

void tst_PriceIndexUi::choosingFromTheViewMenu()
{
    testing::AppFixture app;
    frmInvestData *w = startWithExample(app);
    QVERIFY(w);
    menuItem(w, "mnuViewPriceIndex")->trigger();
    auto *dialog = w->findChild<ui::index::PriceIndexDialog *>();
    QVERIFY(dialog);
    QTRY_VERIFY(dialog->isVisible());
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Price Index"));
    QCOMPARE(dialog->lstSeries->currentItem()->text(0), QStringLiteral("US-CPI-U"));
    QCOMPARE(dialog->lstSeries->currentItem()->text(3), QStringLiteral("1913-01 to 2026-05"));
    QVERIFY(dialog->lblSource->text().startsWith(QStringLiteral("Source: US Bureau of Labor Statistics")));
    // Grouped by country, countries by name: the United States' series under its heading.
    QCOMPARE(dialog->lstSeries->currentItem()->parent()->text(0), QStringLiteral("United States"));
    QCOMPARE(dialog->lstSeries->topLevelItem(0)->text(0), QStringLiteral("Afghanistan"));

    typeInto(dialog->txtFilter, QStringLiteral("germany"));
    QList<QTreeWidgetItem *> shown;
    for (int i = 0; i < dialog->lstSeries->topLevelItemCount(); ++i) {
        QTreeWidgetItem *group = dialog->lstSeries->topLevelItem(i);
        for (int j = 0; j < group->childCount() && !group->isHidden(); ++j) {
            if (!group->child(j)->isHidden())
                shown << group->child(j);
        }
    }
    QCOMPARE(shown.size(), 3);
    QCOMPARE(shown.at(0)->parent()->text(0), QStringLiteral("Germany"));
    const QStringList names{shown.at(0)->text(0), shown.at(1)->text(0), shown.at(2)->text(0)};
    QCOMPARE(names, (QStringList{QStringLiteral("DE-CPI"), QStringLiteral("DE-HICP"), QStringLiteral("WB-DEU")}));
    QCOMPARE(shown.at(0)->text(2), QStringLiteral("monthly index"));
    QCOMPARE(shown.at(2)->text(2), QStringLiteral("annual change"));
    QCOMPARE(dialog->lstSeries->currentItem(), shown.at(0));
    QVERIFY(dialog->lblSource->text().startsWith(QStringLiteral("Source: BIS consumer prices")));
    QTreeWidgetItem *germany = shown.at(2);
    palettetest::grabLightAndDark(dialog, QStringLiteral("priceindex-chooser"));
    const QRect row = dialog->lstSeries->visualItemRect(germany);
    QTest::mouseClick(dialog->lstSeries->viewport(), Qt::LeftButton, Qt::NoModifier, row.center());
    QCOMPARE(dialog->lstSeries->currentItem(), germany);
    QVERIFY(dialog->lblSource->text().startsWith(QStringLiteral("Source: World Bank, World Development Indicators")));
    QVERIFY(dialog->lblSource->text().contains(QStringLiteral("Annual averages: a rate between two dates")));
    click(dialog->cmdOK);
    QCOMPARE(app.settings().values().value(QStringLiteral("PLUMBLINE/PRICEINDEX/Series")), QStringLiteral("WB-DEU"));
    QTRY_VERIFY(!w->findChild<ui::index::PriceIndexDialog *>());

    // Cancel keeps the choice.
    menuItem(w, "mnuViewPriceIndex")->trigger();
    dialog = w->findChild<ui::index::PriceIndexDialog *>();
    QVERIFY(dialog);
    QCOMPARE(dialog->lstSeries->currentItem()->text(0), QStringLiteral("WB-DEU"));
    const int saves = app.settings().saveCount();
    click(dialog->cmdCancel);
    QCOMPARE(app.settings().saveCount(), saves);
    EXPECT_NO_BOX(app);
}

void tst_PriceIndexUi::importingFromTheFileMenu()
{
    testing::AppFixture app;
    testing::ScriptedFileChooser files;
    frmInvestData *w = startWithExample(app);
    QVERIFY(w);
    const QByteArray invest = app.investBytes();

    // Cancelled in the file chooser: nothing opens.
    menuItem(w, "mnuFileImportIndex")->trigger();
    QCOMPARE(files.captions, QStringList{ImportTitle});
    QVERIFY(!w->findChild<ui::index::ImportPriceIndexDialog *>());

    files.answers.enqueue(RawFolder + QStringLiteral("uk-cpi-ons-d7bt.csv"));
    menuItem(w, "mnuFileImportIndex")->trigger();
    auto *dialog = w->findChild<ui::index::ImportPriceIndexDialog *>();
    QVERIFY(dialog);
    QTRY_VERIFY(dialog->isVisible());
    QCOMPARE(dialog->txtName->text(), QStringLiteral("uk-cpi-ons-d7bt"));
    QCOMPARE(dialog->txtCountry->text(), QStringLiteral("US"));
    typeInto(dialog->txtName, QStringLiteral("../bad"));
    click(dialog->cmdImport);
    const QList<platform::MessageBoxCall> refused = app.boxes().takeCalls();
    QCOMPARE(refused.size(), 1);
    QVERIFY(refused.first().text.startsWith(QStringLiteral("The name \"../bad\" cannot be used.")));
    QCOMPARE(refused.first().icon, MsgIcon::Exclamation);
    QVERIFY(dialog->isVisible());
    typeInto(dialog->txtName, QStringLiteral("ONS"));
    typeInto(dialog->txtCountry, QStringLiteral("gb"));
    palettetest::grabLightAndDark(dialog, QStringLiteral("priceindex-import"));
    click(dialog->cmdImport);
    EXPECT_ONE_BOX(
        app, QStringLiteral("Imported ONS: 458 months, 1988-01 to 2026-02.\r\nChoose it under View, Price Index."),
        ImportTitle, MsgIcon::Information, MsgButtons::OK);
    QTRY_VERIFY(!w->findChild<ui::index::ImportPriceIndexDialog *>());
    QVERIFY(app.folder().exists(storage::PriceIndexFolderName + QStringLiteral("/ONS.txt")));

    // Again under the same name: asked first; No keeps the old one, Yes replaces it.
    app.folder().writeBytes(QStringLiteral("short.csv"), "2026-01,10\n2026-02,11\n");
    for (const MsgResult answer : {MsgResult::No, MsgResult::Yes}) {
        files.answers.enqueue(app.folder().path(QStringLiteral("short.csv")));
        menuItem(w, "mnuFileImportIndex")->trigger();
        dialog = w->findChild<ui::index::ImportPriceIndexDialog *>();
        QVERIFY(dialog);
        typeInto(dialog->txtName, QStringLiteral("ons"));
        app.boxes().enqueue(answer);
        click(dialog->cmdImport);
        const QList<platform::MessageBoxCall> shown = app.boxes().takeCalls();
        QVERIFY(!shown.isEmpty());
        // Every month it held is gone or different in the short file: the question says so.
        QVERIFY(sameCall(shown.first(),
                         QStringLiteral("A price index named ons exists. The file changes figures it holds: 458 past "
                                        "months changed. Replace it with this file?"),
                         ImportTitle, MsgIcon::Question, MsgButtons::YesNo));
        PriceIndex stored;
        QString error;
        QVERIFY(storage::loadPriceIndex(QStringLiteral("ONS"), stored, error));
        if (answer == MsgResult::No) {
            QCOMPARE(shown.size(), 1);
            QCOMPARE(stored.values.size(), 458);
            click(dialog->cmdCancel);
        } else {
            QCOMPARE(shown.size(), 2);
            QCOMPARE(
                shown.at(1).text,
                QStringLiteral("Replaced ons: 2 months, 2026-01 to 2026-02.\r\nChoose it under View, Price Index."));
            QCOMPARE(stored.values.size(), 2);
        }
        QTRY_VERIFY(!w->findChild<ui::index::ImportPriceIndexDialog *>());
    }

    // A refused file: its line named; nothing stored.
    app.folder().writeBytes(QStringLiteral("dup.csv"), "2026-01,10\n2026-01,11\n");
    files.answers.enqueue(app.folder().path(QStringLiteral("dup.csv")));
    menuItem(w, "mnuFileImportIndex")->trigger();
    dialog = w->findChild<ui::index::ImportPriceIndexDialog *>();
    QVERIFY(dialog);
    typeInto(dialog->txtName, QStringLiteral("Dup"));
    click(dialog->cmdImport);
    EXPECT_ONE_BOX(app, QStringLiteral("Line 2: the month 2026-01 appears again (first on line 1)."), ImportTitle,
                   MsgIcon::Exclamation, MsgButtons::OK);
    QVERIFY(!app.folder().exists(storage::PriceIndexFolderName + QStringLiteral("/Dup.txt")));
    click(dialog->cmdCancel);

    // No byte of the data files changed.
    QCOMPARE(app.investBytes(), invest);
    QCOMPARE(app.historyBytes(), bytesOf(Example));
    QCOMPARE(strayFiles(app), (QStringList{QStringLiteral("dup.csv"), QStringLiteral("short.csv")}));
}

void tst_PriceIndexUi::importRefusesPipesAndShowsNul()
{
    testing::AppFixture app;
    testing::ScriptedFileChooser files;
    frmInvestData *w = startWithExample(app);
    QVERIFY(w);
    const QString fifo = app.folder().path(QStringLiteral("pipe.csv"));
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QVERIFY(app.folder().writeBytes(QStringLiteral("nul.csv"), QByteArray("2026-01,10\n2026-02,1\0 1 more\n", 29)));

    const QList<QPair<QString, QString>> cases = {
        {fifo,
         QStringLiteral("%1 is not a regular file (it is a folder, pipe or device); nothing was read.").arg(fifo)},
        {app.folder().path(QStringLiteral("nul.csv")),
         QStringLiteral("Line 2: the value \"1\uFFFD 1 more\" is not a number.")}};
    for (const auto &[path, message] : cases) {
        files.answers.enqueue(path);
        menuItem(w, "mnuFileImportIndex")->trigger();
        auto *dialog = w->findChild<ui::index::ImportPriceIndexDialog *>();
        QVERIFY(dialog);
        QTRY_VERIFY(dialog->isVisible());
        click(dialog->cmdImport);
        EXPECT_ONE_BOX(app, message, ImportTitle, MsgIcon::Exclamation, MsgButtons::OK);
        QVERIFY(dialog->isVisible()); // the dialog stays, nothing imported
        click(dialog->cmdCancel);
        QTRY_VERIFY(!w->findChild<ui::index::ImportPriceIndexDialog *>());
    }
    QVERIFY(!QFileInfo::exists(storage::priceIndexFolder()));
    QCOMPARE(app.historyBytes(), bytesOf(Example));
}

void tst_PriceIndexUi::chosenSeriesReachesTheTools()
{
    // The real settings store (in this test's own settings folder): what View, Price Index saves
    // is what the command-line tools read, and the other way round.
    testing::AppFixture app;
    platform::SettingsStore::setInstance(nullptr);
    frmInvestData *w = startWithExample(app);
    QVERIFY(w);
    QCOMPARE(storage::savedPriceIndexChoice(), QString());
    menuItem(w, "mnuViewPriceIndex")->trigger();
    auto *dialog = w->findChild<ui::index::PriceIndexDialog *>();
    QVERIFY(dialog);
    QTRY_VERIFY(dialog->isVisible());
    const QList<QTreeWidgetItem *> uk =
        dialog->lstSeries->findItems(QStringLiteral("UK-CPI"), Qt::MatchExactly | Qt::MatchRecursive, 0);
    QCOMPARE(uk.size(), 1);
    dialog->lstSeries->setCurrentItem(uk.first());
    click(dialog->cmdOK);
    QTRY_VERIFY(!w->findChild<ui::index::PriceIndexDialog *>());
    QCOMPARE(storage::savedPriceIndexChoice(), QStringLiteral("UK-CPI"));
    QVERIFY(QFile::exists(app.folder().settingsPath() + QStringLiteral("/PLUMBLINE/PLUMBLINE.ini")));

    QVERIFY(storage::writeUserSetting(storage::PriceIndexSettingsApp, storage::PriceIndexSettingsSection,
                                      storage::PriceIndexSettingsKey, QStringLiteral("WB-DEU")));
    QCOMPARE(ui::index::currentPriceIndexName(), QStringLiteral("WB-DEU"));
    platform::SettingsStore::setInstance(&app.settings());
}

void tst_PriceIndexUi::aboutBoxNamesTheSources()
{
    testing::AppFixture app;
    frmInvestData *w = startWithExample(app);
    QVERIFY(w);
    menuItem(w, "mnuHelpAbout")->trigger();
    auto *about = w->findChild<ui::index::AboutDialog *>();
    QVERIFY(about);
    QTRY_VERIFY(about->isVisible());
    QCOMPARE(about->windowTitle(), QStringLiteral("About Plumbline"));
    QCOMPARE(about->lblProduct->text(), QStringLiteral("Plumbline 3.5"));
    QCOMPARE(about->lblVersion->text(), QStringLiteral("Version " PLUMBLINE_VERSION));
    QCOMPARE(about->lblSourcesCaption->text(), QStringLiteral("Price index data:"));
    // Every credit line of the shipped series, each once, the BIS line among them.
    const QStringList credits = about->lblSources->text().split(QLatin1Char('\n'));
    QCOMPARE(credits, storage::shippedAttributions());
    QCOMPARE(credits.size(), 6);
    QCOMPARE(credits.first(),
             QStringLiteral("US CPI-U: US Bureau of Labor Statistics (public domain), via github.com/datasets/cpi-us "
                            "(ODC-PDDL-1.0)."));
    QCOMPARE(credits.at(2), QStringLiteral("National CPIs and euro area HICP (XX-CPI, EA-HICP): Source: Bank for "
                                           "International Settlements (BIS), consumer prices (WS_LONG_CPI), based on "
                                           "national data."));
    QCOMPARE(credits.last(),
             QStringLiteral("World Bank series: World Bank, World Development Indicators (FP.CPI.TOTL.ZG), CC BY 4.0, "
                            "via github.com/datasets/cpi (ODC-PDDL-1.0)."));
    palettetest::grabLightAndDark(about, QStringLiteral("about"));
    // The sources can be selected, to copy a licence's name.
    QVERIFY(about->lblSources->textInteractionFlags() & Qt::TextSelectableByKeyboard);
    click(about->cmdOK);
    QTRY_VERIFY(!w->findChild<ui::index::AboutDialog *>());
    QVERIFY(app.boxes().calls().isEmpty());
}

void tst_PriceIndexUi::annualSuggestionOffersMonthly_data()
{
    QTest::addColumn<QString>("annual");
    QTest::addColumn<QString>("finer");      // offered instead, empty when none
    QTest::addColumn<QString>("buttonText"); // its caption
    QTest::newRow("Germany monthly") << "WB-DEU"
                                     << "DE-CPI"
                                     << "&Monthly";
    QTest::newRow("Australia quarterly") << "WB-AUS"
                                         << "AU-CPI"
                                         << "&Quarterly";
    QTest::newRow("Kenya nothing finer") << "WB-KEN"
                                         << ""
                                         << "";
}

void tst_PriceIndexUi::annualSuggestionOffersMonthly()
{
    QFETCH(QString, annual);
    QFETCH(QString, finer);
    QFETCH(QString, buttonText);
    testing::AppFixture app;
    app.settings().saveSetting(QStringLiteral("PLUMBLINE"), QStringLiteral("PRICEINDEX"), QStringLiteral("Series"),
                               annual);
    frmInvestData *w = startWithExample(app);
    QVERIFY(w);
    // Inserting after 15 Jan 2024, dated 1 Oct 2024: the annual series has 2024.
    frmNewEditData *d = openFor(w, w->cmdInsertNew, 1);
    QVERIFY(d);
    typeInto(d->txtDate, QStringLiteral("10/1/2024"));
    PriceIndex series;
    QString error;
    QVERIFY(storage::loadPriceIndex(annual, series, error));
    const PriceIndex::RateResult yearly = series.rate(QDate(2024, 1, 15), QDate(2024, 10, 1));
    QVERIFY2(yearly.ok, qPrintable(yearly.reason));
    QCOMPARE(suggestion(d), QStringLiteral("About %1 % since 1/15/2024, from annual averages").arg(yearly.text()));
    auto *line = d->findChild<QLabel *>(QStringLiteral("lblRateSuggestion"));
    QCOMPARE(line->toolTip(), QStringLiteral("%1: %2").arg(series.title, suggestion(d)));
    // The whole line is seen, the warning at its end included.
    const int needed = line->fontMetrics().horizontalAdvance(suggestion(d));
    QVERIFY2(needed <= line->contentsRect().width(),
             qPrintable(QStringLiteral("%1 > %2").arg(needed).arg(line->contentsRect().width())));
    QVERIFY(useButton(d)->isEnabled());
    auto *offer = d->findChild<QPushButton *>(QStringLiteral("cmdFinerSeries"));
    QVERIFY(offer);
    QCOMPARE(offer->isVisible(), !finer.isEmpty());
    if (finer.isEmpty()) {
        click(d->cmdCancel);
        QVERIFY(backInMainWindow(w));
        return;
    }
    QCOMPARE(offer->text(), buttonText);
    QVERIFY(offer->toolTip().contains(QStringLiteral("(%1)").arg(finer)));
    // Beside the line, inside the frame, the rate box's line untouched.
    QVERIFY(offer->geometry().right() < useButton(d)->geometry().left());
    palettetest::grabLightAndDark(d, QStringLiteral("priceindex-annual-") + finer);

    // One press: the finer series is the chosen one, and the line speaks from it at once.
    const int saves = app.settings().saveCount();
    click(offer);
    QCOMPARE(app.settings().saveCount(), saves + 1);
    QCOMPARE(app.settings().values().value(QStringLiteral("PLUMBLINE/PRICEINDEX/Series")), finer);
    QCOMPARE(ui::index::currentPriceIndexName(), finer);
    QVERIFY(!offer->isVisible());
    PriceIndex fine;
    QVERIFY(storage::loadPriceIndex(finer, fine, error));
    const PriceIndex::RateResult rate = fine.rate(QDate(2024, 1, 15), QDate(2024, 10, 1));
    QVERIFY2(rate.ok, qPrintable(rate.reason));
    QCOMPARE(suggestion(d), QStringLiteral("%1: %2 % since 1/15/2024").arg(fine.title, rate.text()));
    QVERIFY(d->txtInflRate->text().isEmpty()); // nothing reaches the box without Use
    click(useButton(d));
    QCOMPARE(d->txtInflRate->text(), rate.text());

    // The newest figures are provisional, and the line says so (Germany ends in April 2026).
    if (finer == QLatin1String("DE-CPI")) {
        typeInto(d->txtDate, QStringLiteral("4/1/2026"));
        const PriceIndex::RateResult newest = fine.rate(QDate(2024, 1, 15), QDate(2026, 4, 1));
        QVERIFY(newest.provisional);
        QCOMPARE(suggestion(d), QStringLiteral("Germany CPI: %1 % since 1/15/2024, provisional").arg(newest.text()));
        palettetest::grabLightAndDark(d, QStringLiteral("priceindex-provisional"));
        typeInto(d->txtDate, QStringLiteral("1/1/2026"));
        QCOMPARE(suggestion(d), QStringLiteral("Germany CPI: %1 % since 1/15/2024")
                                    .arg(fine.rate(QDate(2024, 1, 15), QDate(2026, 1, 1)).text()));
    }
    click(d->cmdCancel);
    QVERIFY(backInMainWindow(w));
    EXPECT_NO_BOX(app);
}

QTEST_MAIN(tst_PriceIndexUi)
#include "tst_priceindexui.moc"
