// Menus, toolbar and clipboard of the main window.
#include "ui/main/frminvestdata.h"

#include "core/plmainmod.h"
#include "core/runtimeerror.h"
#include "platform/clipboard.h"
#include "platform/messagebox.h"
#include "storage/datafolder.h"
#include "storage/filetable.h"
#include "ui/chart/chartwindow.h"
#include "ui/forms.h"
#include "ui/import/importmenus.h"
#include "ui/index/indexmenus.h"
#include "ui/linklabel.h"
#include "ui/portfolio/portfoliowindow.h"
#include "ui/report/reportdialog.h"
#include "ui/startup/formsupport.h"
#include "ui/startup/frmpassword.h"
#include "ui/toolbaricons.h"
#include "ui/tools/frmbackupfiles.h"
#include "ui/tools/frminstructions.h"
#include "ui/versions/versionmenus.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

using namespace modPlMainMod;

void frmInvestData::createMenusAndToolbar()
{
    const auto entry = [this](QMenu *menu, const char *name, const QString &caption, void (frmInvestData::*handler)()) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, this,
                [this, handler] { ui::forms::guard([this, handler] { (this->*handler)(); }); });
        return action;
    };

    QMenuBar *bar = menuBar();
    mnuFile = bar->addMenu(tr("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuFileBackup = entry(mnuFile, "mnuFileBackup", tr("&Backup Data Files"), &frmInvestData::mnuFileBackup_Click);
    mnuFilePassword = entry(mnuFile, "mnuFilePassword", tr("Pass&word"), &frmInvestData::mnuFilePassword_Click);
    mnuFileReport = entry(mnuFile, "mnuFileReport", tr("&Report…"), &frmInvestData::mnuFileReport_Click);
    mnuFileExit = mnuFile->addAction(tr("E&xit"));
    mnuFileExit->setObjectName(QStringLiteral("mnuFileExit"));
    // Exit's own path: it waits for a command under way instead of ending under it.
    connect(mnuFileExit, &QAction::triggered, this, &frmInvestData::requestExit);
    mnuEdit = bar->addMenu(tr("E&dit"));
    mnuEdit->setObjectName(QStringLiteral("mnuEdit"));
    mnuEditCopy = entry(mnuEdit, "mnuEditCopy", tr("&Copy"), &frmInvestData::mnuEditCopy_Click);
    mnuView = bar->addMenu(tr("&View"));
    mnuView->setObjectName(QStringLiteral("mnuView"));
    mnuViewChart = entry(mnuView, "mnuViewChart", tr("&Chart…"), &frmInvestData::mnuViewChart_Click);
    mnuViewChart->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    mnuViewPortfolio = entry(mnuView, "mnuViewPortfolio", tr("P&ortfolio…"), &frmInvestData::mnuViewPortfolio_Click);
    mnuViewPortfolio->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_G));
    mnuHelp = bar->addMenu(tr("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuHelpInstruct = entry(mnuHelp, "mnuHelpInstruct", tr("&Instructions"), &frmInvestData::mnuHelpInstruct_Click);
    ui::index::addPriceIndexMenus(this, mnuFile, mnuFileExit, mnuHelp);
    ui::import::addImportMenus(
        this, mnuFile, mnuFileExit, mnuEdit,
        {[this] { return m_blnNoInvestShown ? 0 : int(intInvestRecNum); }, [] { storage::close(1); },
         [this](int investment) {
             // Channel 1 on the investment file now in place, which an import may have replaced.
             storage::close(1);
             storage::open(1, storage::programFile(storage::InvestFileName), storage::OpenMode::Random);
             if (investment <= 0)
                 return;
             showInvestment(investment);
             while (!lblNextPg->isHidden())
                 lblNextPg_Click();
         }});
    ui::versions::addVersionMenus(this, mnuFile, mnuFileExit, mnuEdit);

    // The toolbar is an ordinary child along the top edge of the form, not a dock.
    tbToolBar = new QToolBar(centralWidget() ? centralWidget() : this);
    tbToolBar->setObjectName(QStringLiteral("tbToolBar"));
    tbToolBar->setMovable(false);
    tbToolBar->setFloatable(false);
    tbToolBar->setIconSize(QSize(16, 16));
    tbToolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    const auto button = [this](const QString &key, const QString &toolTip) {
        QAction *action = tbToolBar->addAction(ui::imlToolbarIcons(key), key);
        action->setObjectName(key);
        action->setData(key);
        action->setToolTip(toolTip);
    };
    const auto separator = [this] { tbToolBar->addSeparator()->setData(QString()); };
    // The keys name the buttons for the program; the tooltips are what the user reads.
    button(QStringLiteral("Save"), tr("Backup Copies"));
    button(QStringLiteral("New"), tr("New Investment Record"));
    separator();
    //: Tooltip: copies the investment's type and institution
    button(QStringLiteral("Copy"), tr("Copy Investment Info"));
    button(QStringLiteral("Delete"), tr("Delete Investment Record"));
    separator();
    button(QStringLiteral("Help"), tr("Instructions"));
    separator();
    button(QStringLiteral("Chart"), tr("Chart"));
    button(QStringLiteral("Portfolio"), tr("Portfolio"));
    connect(tbToolBar, &QToolBar::actionTriggered, this, [this](QAction *action) {
        const ui::HandlerScope running;
        tbToolBar_ButtonClick(action->data().toString());
    });
}

void frmInvestData::tbToolBar_ButtonClick(const QString &key)
{
    // Errors are passed over: the button's command has shown what it traps itself.
    try {
        if (key == QLatin1String("Save"))
            mnuFileBackup_Click();
        else if (key == QLatin1String("New"))
            cmdAddNewRec_Click();
        else if (key == QLatin1String("Copy"))
            mnuEditCopy_Click();
        else if (key == QLatin1String("Delete"))
            cmdDeleteRec_Click();
        else if (key == QLatin1String("Help"))
            mnuHelpInstruct_Click();
        else if (key == QLatin1String("Chart"))
            mnuViewChart_Click();
        else if (key == QLatin1String("Portfolio"))
            mnuViewPortfolio_Click();
    } catch (...) {
    }
}

void frmInvestData::mnuFileBackup_Click()
{
    try {
        setEnabled(false);
        frmBackupFiles::Load();
    } catch (const RuntimeError &error) {
        platform::showStandardError(error);
        // Without the dialog nothing would enable the window again.
        if (!frmBackupFiles::instance())
            setEnabled(true);
    }
}

void frmInvestData::mnuFileReport_Click()
{
    ui::report::ReportDialog::open(this, m_blnNoInvestShown ? 0 : int(intInvestRecNum));
}

void frmInvestData::mnuFilePassword_Click()
{
    frmPassword::setCancelVisible(true);
    hide();
    try {
        frmPassword::Load();
    } catch (...) {
        // Without the dialog nothing would show the window again.
        if (!frmPassword::instance())
            show();
        throw;
    }
}

void frmInvestData::mnuFileExit_Click()
{
    cmdDone_Click();
}

void frmInvestData::mnuEditCopy_Click()
{
    blnCopyMade = true;
    // The whole text, with the blanks that pad the stored field.
    if (intCopySource == 1)
        platform::Clipboard::instance().setText(txtInvestment->text());
    else if (intCopySource == 2)
        platform::Clipboard::instance().setText(txtInstitution->text());
}

void frmInvestData::mnuViewChart_Click()
{
    ChartWindow::open(this);
}

void frmInvestData::mnuViewPortfolio_Click()
{
    PortfolioWindow::open(this);
}

void frmInvestData::mnuHelpInstruct_Click()
{
    frmInstructions::Load();
}
