#pragma once

#include <QMainWindow>

class QAction;
class QLineEdit;
class QPushButton;

namespace ui {
class MaskedEdit;
}

// The data record dialog: date, original amount, inflation rate and current amount,
// in the modes "ADDNEW", "EDIT" and "INSERT".
class frmNewEditData : public QMainWindow
{
    Q_OBJECT

public:
    static frmNewEditData *Load();
    static frmNewEditData *instance();
    static void Unload();

    // Converts the four entry boxes into the shared data record. Traps and shows its
    // errors; false when it trapped one.
    bool LoadValues();

    void Form_Load();
    void cmdDone_Click();
    void cmdCancel_Click();

    QLineEdit *txtRecNumber = nullptr;
    QLineEdit *txtInvestment = nullptr;
    QLineEdit *txtInstitution = nullptr;
    QLineEdit *txtDate = nullptr;
    ui::MaskedEdit *metOriginalAmount = nullptr;
    QLineEdit *txtInflRate = nullptr;
    ui::MaskedEdit *metCurrentAmount = nullptr;
    QPushButton *cmdCancel = nullptr;
    QPushButton *cmdDone = nullptr;
    QAction *mnuEditCut = nullptr;
    QAction *mnuEditCopy = nullptr;
    QAction *mnuEditPaste = nullptr;

private:
    frmNewEditData();
};
