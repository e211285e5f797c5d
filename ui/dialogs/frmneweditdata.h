#pragma once

#include "ui/forms.h"

#include <QMainWindow>

class QAction;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QToolBar;

namespace ui {
class MaskedEdit;
}

// The data record dialog: date, original amount, inflation rate and current amount,
// in the modes "ADDNEW", "EDIT" and "INSERT".
class frmNewEditData : public QMainWindow, public ui::SingleForm<frmNewEditData>
{
    Q_OBJECT

public:
    // Its own Unload, in place of SingleForm's (see the .cpp).
    static void Unload();

    // Converts the four entry boxes into the shared data record. Traps and shows its
    // errors; false when it trapped one.
    bool LoadValues();

    void Form_Load();
    void cmdDone_Click();
    void cmdCancel_Click();
    void txtDate_LostFocus();
    void metOriginalAmount_LostFocus();
    void txtInflRate_LostFocus();
    void metCurrentAmount_LostFocus();
    void txtDate_GotFocus();
    void metOriginalAmount_GotFocus();
    void txtInflRate_GotFocus();
    void metCurrentAmount_GotFocus();
    void mnuEditCut_Click();
    void mnuEditCopy_Click();
    void mnuEditPaste_Click();
    void tbToolBar_ButtonClick(const QString &key);

    // The numeric test of the amount and rate boxes: a plain decimal number ("."
    // as decimal point, an optional sign and exponent, blanks around it), the form
    // that LoadValues reads whole.
    static bool isNumericEntry(const QString &text);

    QToolBar *tbToolBar = nullptr;
    QFrame *Line1 = nullptr;
    QLineEdit *txtRecNumber = nullptr;
    QLineEdit *txtInvestment = nullptr;
    QLineEdit *txtInstitution = nullptr;
    QGroupBox *Frame1 = nullptr;
    QLabel *lblDate = nullptr;
    QLineEdit *txtDate = nullptr;
    QLabel *lblOriginalAmount = nullptr;
    ui::MaskedEdit *metOriginalAmount = nullptr;
    QLabel *lblInflRate = nullptr;
    QLineEdit *txtInflRate = nullptr;
    QLabel *lblCurrentAmount = nullptr;
    ui::MaskedEdit *metCurrentAmount = nullptr;
    QPushButton *cmdCancel = nullptr;
    QPushButton *cmdDone = nullptr;
    QMenu *mnuEdit = nullptr;
    QAction *mnuEditCut = nullptr;
    QAction *mnuEditCopy = nullptr;
    QAction *mnuEditPaste = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    friend class ui::SingleForm<frmNewEditData>;

    frmNewEditData();
    ~frmNewEditData() override;

    void WrongEntryMessg();
    void AppendHistRec();
    // The text of the entry box that intCopySource names; false when it names none.
    bool copySourceText(QString &text) const;
    void setCopySourceText(const QString &text);
    // Moves the focus back into a box whose entry was refused.
    void refocus(QWidget *box);
    // Done or Cancel: the main window back, the dialog away.
    void leave();

    bool m_blnLeaving = false;
    bool m_blnValuesTrapped = false; // the last LoadValues showed an error
    bool m_blnEntryRefused = false;  // a LostFocus check just sent the focus back
    bool m_blnClickingDone = false;  // the box is being left by a click on Done
    bool m_blnSwallowClick = false;  // that click is then no Done
    QWidget *m_refusedBox = nullptr; // a refused box the focus is still to come back to
};
