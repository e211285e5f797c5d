#pragma once

#include "ui/forms.h"

#include <QMainWindow>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QToolBar;
class QFrame;

// The investment entry dialog: type of investment and institution, in the modes
// "ADDNEWREC" and "EDITREC".
class frmInvestEntry : public QMainWindow, public ui::SingleForm<frmInvestEntry>
{
    Q_OBJECT

public:
    // Its own Unload, in place of SingleForm's (see the .cpp).
    static void Unload();

    // Writes the investment in hand as record intInvestRecNum of file number 1
    // (file number 3 in backup mode). Traps and shows its errors; false on failure.
    // Needs no loaded dialog: the investment file rebuild calls it too.
    static bool LoadInDataFile();

    void Form_Load();
    void cmdDone_Click();
    void cmdCancel_Click();
    void txtInvestment_GotFocus();
    void txtInstitution_GotFocus();
    void mnuEditCopy_Click();
    void mnuEditPaste_Click();
    void tbToolBar_ButtonClick(const QString &key);

    QToolBar *tbToolBar = nullptr;
    QFrame *Line1 = nullptr;
    QLabel *lblRecNumLbl = nullptr;
    QLabel *lblRecNumber = nullptr;
    QLabel *lblInvestType = nullptr;
    QLineEdit *txtInvestment = nullptr;
    QLabel *lblInsitution = nullptr;
    QLineEdit *txtInstitution = nullptr;
    QPushButton *cmdCancel = nullptr;
    QPushButton *cmdDone = nullptr;
    QMenu *mnuEdit = nullptr;
    QAction *mnuEditCopy = nullptr;
    QAction *mnuEditPaste = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    friend class ui::SingleForm<frmInvestEntry>;

    frmInvestEntry();
    ~frmInvestEntry() override;

    // Copies the two boxes into strInvestType and strInstitution; false when it
    // trapped an error.
    bool LoadEntryInVars();
    // The box that intCopySource names, or nullptr.
    QLineEdit *copySourceBox() const;
    // Done or Cancel: the main window back, the dialog away.
    void leave();

    bool m_blnLeaving = false;
};
