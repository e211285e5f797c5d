#pragma once

// Every window of the program, each opened the way a user opens it, on data that fills it:
// two investments, the first with two pages of records, some without a rate. A test hands
// each opener a look at the window while it is open.

#include "editingtesting.h"
#include "filechooserdouble.h"

#include "platform/passwordhash.h"
#include "ui/chart/chartwindow.h"
#include "ui/import/fillratesdialog.h"
#include "ui/import/importdialog.h"
#include "ui/index/aboutdialog.h"
#include "ui/index/importpriceindexdialog.h"
#include "ui/index/priceindexchoice.h"
#include "ui/index/priceindexdialog.h"
#include "ui/portfolio/portfoliowindow.h"
#include "ui/report/reportdialog.h"
#include "ui/startup/frmenterpassword.h"
#include "ui/startup/frmpassword.h"
#include "ui/startup/frmplsplash.h"
#include "ui/tools/frmbackupfiles.h"
#include "ui/tools/frminstructions.h"
#include "ui/versions/restoreversiondialog.h"

#include <QTemporaryDir>
#include <functional>

namespace everywindow {

using namespace edtest;

using Look = std::function<void(QWidget *window)>;

struct Session
{
    testing::AppFixture &app;
    testing::ScriptedFileChooser &files;
};

// Opens the window, looks at it, and says what went wrong opening it ("" when nothing).
using Opener = std::function<QString(Session &, const Look &)>;

struct Window
{
    QString name;
    Opener open;
};

inline QStringList exampleHistory()
{
    QStringList lines;
    for (int m = 1; m <= 14; ++m) {
        lines << QStringLiteral("1,#%1-%2-15#,10000,%3,%4")
                     .arg(2010 + (m - 1) / 2)
                     .arg(m % 2 ? QStringLiteral("01") : QStringLiteral("07"))
                     .arg(10000 + 125 * m)
                     .arg(m % 3 ? QStringLiteral("2.5") : QStringLiteral("0"));
        if (m == 3)
            lines << QStringLiteral("2,#2011-03-01#,500,500,0");
    }
    return lines;
}

inline void writeExample(testing::AppFixture &app)
{
    app.writeInvestments({{QStringLiteral("Growth Fund"), QStringLiteral("First National Bank")},
                          {QStringLiteral("Savings Bond"), QStringLiteral("Second Bank")}});
    app.writeHistory(exampleHistory());
    ui::index::setCurrentPriceIndexName(QStringLiteral("US-CPI-U"));
}

inline frmInvestData *startWithExample(Session &s)
{
    writeExample(s.app);
    return s.app.startMainWindow();
}

template <typename W> QString looked(W *window, const Look &look, const char *what)
{
    if (!window)
        return QStringLiteral("%1 did not open").arg(QLatin1String(what));
    if (!QTest::qWaitForWindowExposed(window, 2000))
        return QStringLiteral("%1 was not shown").arg(QLatin1String(what));
    settle();
    look(window);
    return QString();
}

// A window the main window opens from a menu entry, found among its children.
template <typename W> Opener fromMenu(const char *entry)
{
    return [entry](Session &s, const Look &look) {
        frmInvestData *w = startWithExample(s);
        if (!w)
            return QStringLiteral("the main window did not open");
        QAction *action = menuItem(w, entry);
        if (!action)
            return QStringLiteral("no menu entry %1").arg(QLatin1String(entry));
        action->trigger();
        QCoreApplication::processEvents();
        return looked(w->findChild<W *>(), look, entry);
    };
}

// The splash, seen while it waits; then `after` with the start-up it leads to.
inline QString throughSplash(const Look &lookAtSplash)
{
    QString result = QStringLiteral("the splash did not wait");
    frmPlSplash::setWaitPasses(1);
    frmPlSplash::setAfterWaitHook([&] { result = looked(frmPlSplash::instance(), lookAtSplash, "frmPlSplash"); });
    frmPlSplash::Load();
    frmPlSplash::setAfterWaitHook(nullptr);
    frmPlSplash::setWaitPasses(-1);
    return result;
}

inline QString csvToImport(Session &s, const QString &name, const QByteArray &bytes)
{
    s.app.folder().writeBytes(name, bytes);
    return s.app.folder().path(name);
}

inline const QList<Window> &windows()
{
    using ui::import::FillRatesDialog;
    using ui::import::ImportRecordsDialog;
    using ui::index::AboutDialog;
    using ui::index::ImportPriceIndexDialog;
    using ui::index::PriceIndexDialog;
    using ui::report::ReportDialog;
    static const QList<Window> all = {
        {QStringLiteral("frmInvestData"),
         [](Session &s, const Look &look) { return looked(startWithExample(s), look, "frmInvestData"); }},
        {QStringLiteral("frmNewEditData new"),
         [](Session &s, const Look &look) {
             frmInvestData *w = startWithExample(s);
             if (!w)
                 return QStringLiteral("the main window did not open");
             click(w->cmdAddNew);
             return looked(frmNewEditData::instance(), look, "frmNewEditData");
         }},
        {QStringLiteral("frmNewEditData edit"),
         [](Session &s, const Look &look) {
             frmInvestData *w = startWithExample(s);
             if (!w)
                 return QStringLiteral("the main window did not open");
             click(w->cmdEdit);
             w->Record->setCurrentIndex(1);
             emit w->Record->activated(1);
             QCoreApplication::processEvents();
             return looked(frmNewEditData::instance(), look, "frmNewEditData");
         }},
        {QStringLiteral("frmInvestEntry"),
         [](Session &s, const Look &look) {
             frmInvestData *w = startWithExample(s);
             if (!w)
                 return QStringLiteral("the main window did not open");
             click(w->cmdAddNewRec);
             return looked(frmInvestEntry::instance(), look, "frmInvestEntry");
         }},
        {QStringLiteral("frmPlSplash"),
         [](Session &s, const Look &look) {
             writeExample(s.app);
             return throughSplash(look);
         }},
        {QStringLiteral("frmEnterPassword"),
         [](Session &s, const Look &look) {
             writeExample(s.app);
             s.app.settings().saveSetting(platform::passwordhash::SettingApp, platform::passwordhash::SettingSection,
                                          platform::passwordhash::SettingKey,
                                          platform::passwordhash::hash(QStringLiteral("secret")));
             const QString splash = throughSplash([](QWidget *) {});
             if (!splash.isEmpty())
                 return splash;
             return looked(frmEnterPassword::instance(), look, "frmEnterPassword");
         }},
        {QStringLiteral("frmPassword"),
         [](Session &s, const Look &look) {
             frmInvestData *w = startWithExample(s);
             if (!w)
                 return QStringLiteral("the main window did not open");
             w->mnuFilePassword->trigger();
             return looked(frmPassword::instance(), look, "frmPassword");
         }},
        {QStringLiteral("frmBackupFiles"),
         [](Session &s, const Look &look) {
             frmInvestData *w = startWithExample(s);
             if (!w)
                 return QStringLiteral("the main window did not open");
             w->mnuFileBackup->trigger();
             return looked(frmBackupFiles::instance(), look, "frmBackupFiles");
         }},
        {QStringLiteral("frmInstructions"),
         [](Session &s, const Look &look) {
             frmInvestData *w = startWithExample(s);
             if (!w)
                 return QStringLiteral("the main window did not open");
             w->mnuHelpInstruct->trigger();
             return looked(frmInstructions::instance(), look, "frmInstructions");
         }},
        {QStringLiteral("ChartWindow"),
         [](Session &s, const Look &look) {
             frmInvestData *w = startWithExample(s);
             if (!w)
                 return QStringLiteral("the main window did not open");
             w->mnuViewChart->trigger();
             return looked(ChartWindow::instance(), look, "ChartWindow");
         }},
        {QStringLiteral("PortfolioWindow"),
         [](Session &s, const Look &look) {
             frmInvestData *w = startWithExample(s);
             if (!w)
                 return QStringLiteral("the main window did not open");
             w->mnuViewPortfolio->trigger();
             return looked(PortfolioWindow::instance(), look, "PortfolioWindow");
         }},
        {QStringLiteral("ReportDialog"),
         [](Session &s, const Look &look) {
             frmInvestData *w = startWithExample(s);
             if (!w)
                 return QStringLiteral("the main window did not open");
             // The dialog is made once and kept: one made in another language must go first.
             if (QDialog *made = ReportDialog::instance()) {
                 made->deleteLater();
                 QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
             }
             w->mnuFileReport->trigger();
             return looked(ReportDialog::instance(), look, "ReportDialog");
         }},
        {QStringLiteral("PriceIndexDialog"), fromMenu<PriceIndexDialog>("mnuViewPriceIndex")},
        {QStringLiteral("ImportPriceIndexDialog"),
         [](Session &s, const Look &look) {
             s.files.enqueue(csvToImport(s, QStringLiteral("monthly.csv"),
                                         "2026-01,100\n2026-02,100.4\n2026-03,100.9\n2026-04,101.2\n"));
             return fromMenu<ImportPriceIndexDialog>("mnuFileImportIndex")(s, look);
         }},
        {QStringLiteral("AboutDialog"), fromMenu<AboutDialog>("mnuHelpAbout")},
        {QStringLiteral("ImportRecordsDialog"),
         [](Session &s, const Look &look) {
             s.files.enqueue(csvToImport(s, QStringLiteral("bank.csv"),
                                         "Date;Original Amount;Current Amount;Inflation Rate\r\n"
                                         "15.03.2021;1.000,00;(1.010,50);\r\n"
                                         "15.01.2020;1.000;1.001;0\r\n"
                                         "01.06.2020;\"1.000\";1.020,25;1,5\r\n"));
             return fromMenu<ImportRecordsDialog>("mnuFileImportRecords")(s, look);
         }},
        {QStringLiteral("FillRatesDialog"), fromMenu<FillRatesDialog>("mnuEditFillRates")},
        {QStringLiteral("RestoreVersionDialog"),
         [](Session &s, const Look &look) {
             frmInvestData *w = startWithExample(s);
             if (!w)
                 return QStringLiteral("the main window did not open");
             // One change, so that the list holds a version to restore.
             click(w->cmdAddNew);
             auto *d = openedDialog<frmNewEditData>();
             if (!d)
                 return QStringLiteral("frmNewEditData did not open");
             typeInto(d->txtDate, QStringLiteral("1/15/2018"));
             typeInto(d->metOriginalAmount, QStringLiteral("10000"));
             typeInto(d->txtInflRate, QStringLiteral("2"));
             typeInto(d->metCurrentAmount, QStringLiteral("12000"));
             click(d->cmdDone);
             if (!backInMainWindow(w))
                 return QStringLiteral("the new record was not saved");
             menuItem(w, "mnuFileRestoreVersion")->trigger();
             QCoreApplication::processEvents();
             return looked(RestoreVersionDialog::instance(), look, "RestoreVersionDialog");
         }},
    };
    return all;
}

// Closes what the fixture does not: the windows of their own.
inline void closeFreeWindows()
{
    ChartWindow::closeWindow();
    PortfolioWindow::closeWindow();
}

} // namespace everywindow
