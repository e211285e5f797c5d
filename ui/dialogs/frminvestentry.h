#pragma once

#include <QMainWindow>

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolBar;
class QFrame;

// The investment entry dialog: type of investment and institution, in the modes
// "ADDNEWREC" and "EDITREC".
class frmInvestEntry : public QMainWindow
{
    Q_OBJECT

public:
    static frmInvestEntry *Load();
    static frmInvestEntry *instance();
    static void Unload();

    // Writes the investment in hand as record intInvestRecNum of file number 1
    // (file number 3 in backup mode). Traps and shows its errors; false on failure.
    // Needs no loaded dialog: the investment file rebuild calls it too.
    static bool LoadInDataFile();

    void Form_Load();
    void cmdDone_Click();
    void cmdCancel_Click();

    QLabel *lblRecNumber = nullptr;
    QLineEdit *txtInvestment = nullptr;
    QLineEdit *txtInstitution = nullptr;
    QPushButton *cmdCancel = nullptr;
    QPushButton *cmdDone = nullptr;
    QAction *mnuEditCopy = nullptr;
    QAction *mnuEditPaste = nullptr;

private:
    frmInvestEntry();
};
