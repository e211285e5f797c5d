#pragma once

#include "core/valuetypes.h"

#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QToolBar;
class QFrame;
class QWindow;

namespace storage {
class FolderLock;
}

namespace ui {
class MaskedEdit;
class LinkLabel;
} // namespace ui

// The investment browser: one investment at the top, its data records in a paged
// grid below. Split by concern:
//   frminvestdata.cpp   window, controls, Form_Load, Form_Activate, Exit
//   navigation.cpp      First/Previous/Next/Last and reading an investment
//   grid.cpp            the data grid, its passes and paging, LoadInfoInNEDText
//   gridfocus.cpp       the focus handlers that keep the grid read-only
//   recordcommands.cpp  the investment and data record commands, Record list
//   filemaintenance.cpp investment delete, copy-out, rebuild, history rewrites
//   printing.cpp        printing the page on screen
//   menus.cpp           menus, toolbar and clipboard
//   keys.cpp            the desktop's standard keys (F1, Ctrl+Q, Page Up/Down)
//   replacedfiles.cpp   both data files replaced by undo, redo or a restore
class frmInvestData : public QMainWindow
{
    Q_OBJECT

public:
    static constexpr int GridRows = 12;

    static frmInvestData *Load();
    static frmInvestData *instance();
    static void Unload();

    // ---- frminvestdata.cpp
    void Form_Load();
    void Form_Activate();
    void cmdDone_Click();
    // Exit pressed (the button, the File menu, the window frame): at once, or once the
    // handler or box under way is done.
    void requestExit();
    // Ends the program after Exit; tests replace it so the process lives on.
    static void setQuitHandler(void (*handler)());

    // ---- navigation.cpp
    void cmdFirst_Click();
    void cmdPrevious_Click();
    void cmdNext_Click();
    void cmdLast_Click();
    void NavigateRecs();
    void GetRecord();
    void LoadParInfoInVars();
    void LoadParVarsInLbls();
    // Goes to investment `number` as the navigation buttons go to one (the portfolio window).
    void showInvestment(int number);

    // ---- grid.cpp
    void PrepGetHistRecs();
    void GetHistRecs();
    void PreRecLoop();
    void GetRecLoop();
    void DisplayCalcs();
    void Clearboxes();
    void lblNextPg_Click();
    void lblPreviousPg_Click();
    void LoadInfoInNEDText();

    // ---- gridfocus.cpp
    void NoEntryMessg();

    // ---- recordcommands.cpp
    void cmdAddNewRec_Click();
    void cmdEditRec_Click();
    void cmdAddNew_Click();
    void cmdInsertNew_Click();
    void cmdEdit_Click();
    void cmdDelete_Click();
    void Record_Click();
    void AddInRecList();
    void DisableRecButtons();
    void ResetRecChoice();
    void NoDataRecsMessg();

    // ---- filemaintenance.cpp
    void cmdDeleteRec_Click();
    // The rebuild helpers report their own errors; false when the step failed.
    bool DelDataRec();
    bool TransTempToData();
    void DelInvestHist();
    // Used by the data record dialog; both raise their errors to the caller.
    void CreateTwoFiles();
    void CreateHistFile();

    // ---- printing.cpp
    void cmdPrint_Click();

    // ---- replacedfiles.cpp
    // Runs `replace`, which puts other files in place of both data files (undo, redo, a
    // restore), with file number 1 closed; then opens it again and shows the files as after
    // any change: the investment shown stays when it is still there, else the first. An
    // error of `replace` is raised once the window shows the files as they are.
    void ReplaceDataFiles(const std::function<void()> &replace);

    // ---- menus.cpp
    void tbToolBar_ButtonClick(const QString &key);
    void mnuFileBackup_Click();
    void mnuFileReport_Click();
    void mnuFilePassword_Click();
    void mnuFileExit_Click();
    void mnuEditCopy_Click();
    void mnuViewChart_Click();
    void mnuViewPortfolio_Click();
    void mnuHelpInstruct_Click();

    // Controls, named as the program names them.
    QToolBar *tbToolBar = nullptr;
    QFrame *Line1 = nullptr;
    QLabel *lblInvestRecord = nullptr;
    QLabel *lblInvestRecNum = nullptr;
    QLineEdit *txtInvestment = nullptr;
    QLineEdit *txtInstitution = nullptr;
    QPushButton *cmdFirst = nullptr;
    QPushButton *cmdPrevious = nullptr;
    QPushButton *cmdNext = nullptr;
    QPushButton *cmdLast = nullptr;
    QPushButton *cmdAddNewRec = nullptr;
    QPushButton *cmdEditRec = nullptr;
    QPushButton *cmdDeleteRec = nullptr;
    std::array<QLineEdit *, GridRows> txtRecordNumber{};
    std::array<QLineEdit *, GridRows> txtDate{};
    std::array<ui::MaskedEdit *, GridRows> metOriginalAmount{};
    std::array<ui::MaskedEdit *, GridRows> metCurrentAmount{};
    std::array<ui::MaskedEdit *, GridRows> metIncDec{};
    std::array<ui::MaskedEdit *, GridRows> metProfitLoss{};
    std::array<QLineEdit *, GridRows> txtInflRate{};
    std::array<ui::MaskedEdit *, GridRows> metLossToInfl{};
    std::array<ui::MaskedEdit *, GridRows> metCurAmntAFI{};
    std::array<ui::MaskedEdit *, GridRows> metProfLossAFI{};
    QLabel *lblPage = nullptr;
    QLabel *lblPageNum = nullptr;
    ui::LinkLabel *lblPreviousPg = nullptr;
    ui::LinkLabel *lblNextPg = nullptr;
    QPushButton *cmdAddNew = nullptr;
    QPushButton *cmdInsertNew = nullptr;
    QPushButton *cmdDelete = nullptr;
    QComboBox *Record = nullptr;
    QPushButton *cmdEdit = nullptr;
    QPushButton *cmdPrint = nullptr;
    QPushButton *cmdDone = nullptr;
    QMenu *mnuFile = nullptr;
    QAction *mnuFileBackup = nullptr;
    QAction *mnuFileReport = nullptr;
    QAction *mnuFilePassword = nullptr;
    QAction *mnuFileExit = nullptr;
    QMenu *mnuEdit = nullptr;
    QAction *mnuEditCopy = nullptr;
    QMenu *mnuView = nullptr;
    QAction *mnuViewChart = nullptr;
    QAction *mnuViewPortfolio = nullptr;
    QMenu *mnuHelp = nullptr;
    QAction *mnuHelpInstruct = nullptr;

    // True while the page file is left open on file number 5 between grid pages.
    Boolean m_blnPageFileOpen;

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    frmInvestData();
    ~frmInvestData() override;

    // frminvestdata.cpp builds the controls; menus.cpp builds the menus and toolbar.
    void createControls();
    void createGrid();
    void createMenusAndToolbar();
    // printing.cpp
    void PrintHeadings();
    void PrintCalcs();

    bool m_blnExiting = false;
    bool m_blnExitPending = false; // Exit waits for a handler or box under way

    // ---- private to frminvestdata.cpp, navigation.cpp, grid.cpp, gridfocus.cpp
    // Runs a handler reached from a Qt signal: a run-time error gets the standard box
    // instead of escaping into the event loop.
    void runTrapped(const std::function<void()> &handler);
    // Ends the program: releases the folder lock, unloads every window and calls
    // the quit handler.
    void endProgram();
    bool lockDataFolder();
    void releaseDataFolder();
    void connectControls();
    // Window activation: Form_Activate runs when the window becomes active after
    // another of the program's windows had the activation, or after it was hidden.
    void onFocusWindowChanged(QWindow *window);
    void activateIfDue();
    // The reload after a data record was added, edited or inserted: the page on
    // screen again, computed from the first record.
    void ReloadShownPage();
    void installGridFocusHandlers();
    void gridCellGotFocus(QWidget *cell);
    // keys.cpp: F1 and Ctrl+Q on their menu entries; Page Down and Page Up, when no
    // control took them, press the page links that are shown. True when the key was used.
    void installStandardKeys();
    bool pageKeyPressed(int key);
    // replacedfiles.cpp: the investment `shown` (or the first) of the files now in place.
    void ShowReplacedFiles(int shown);

    std::unique_ptr<storage::FolderLock> m_lockFile;
    bool m_blnActivatePending = true; // the first activation after the load counts
    bool m_blnActivateQueued = false;
    bool m_blnNoInvestShown = false; // the last read found no stored investment
    bool m_blnBoxVisited = false;    // a top box has had the focus since the load
    bool m_blnPassFailed = false;    // the last grid pass reported an error
    // ---- end of the block private to those files

    // ---- private to recordcommands.cpp and filemaintenance.cpp
    // Edit, Ins New and Del Rec: the choice of a data record from the Record list.
    void StartRecChoice(const QString &operation);
    // Disables the main window and loads a dialog (`load` gives the loaded dialog);
    // enables the window again when the dialog did not stay.
    void OpenDialog(const std::function<QWidget *()> &load);
    // After an investment delete: the investment to show next, or the empty state
    // of a first run when none is left.
    void ShowAfterInvestDelete();
    // Drops what the delete prepared (both old files stay) and shows that investment.
    void UndoInvestDelete();
    // Shows the investment a delete that did not go through started from.
    void ShowInvestAgain();
    int m_intRecordCount = 0;       // data records of the investment in hand, for the Record list
    bool m_blnHistPrepared = false; // the delete's new history waits in "TempHist.txt"
    bool m_blnHistFailed = false;   // the last DelInvestHist could not put the files in place
    // ---- end of the block private to recordcommands.cpp and filemaintenance.cpp
};
