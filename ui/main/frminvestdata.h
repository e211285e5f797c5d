#pragma once

#include "core/valuetypes.h"

#include <QMainWindow>
#include <array>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QToolBar;
class QFrame;

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

    // ---- menus.cpp
    void tbToolBar_ButtonClick(const QString &key);
    void mnuFileBackup_Click();
    void mnuFilePassword_Click();
    void mnuFileExit_Click();
    void mnuEditCopy_Click();
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
    QAction *mnuFilePassword = nullptr;
    QAction *mnuFileExit = nullptr;
    QMenu *mnuEdit = nullptr;
    QAction *mnuEditCopy = nullptr;
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
};
