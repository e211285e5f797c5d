#pragma once

#include "core/valuetypes.h"
#include "ui/forms.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// Sets, changes or removes the password.
class frmPassword : public QDialog, public ui::SingleForm<frmPassword>
{
    Q_OBJECT

public:
    // Whether the next Load shows "&Cancel" (hidden on first run, shown from the menu).
    static void setCancelVisible(bool visible);

    void Form_Load();
    void chkPasswordNo_Click();
    void cmdEnter_Click();
    void cmdReset_Click();
    void cmdCancel_Click();

    QLabel *lblPasswordQuestion = nullptr;
    QCheckBox *chkPasswordNo = nullptr;
    QLabel *lblIfYes = nullptr;
    QLabel *lblPassword = nullptr;
    QLineEdit *txtPassword = nullptr;
    QLabel *lblPasswordAgain = nullptr;
    QLineEdit *txtPasswordAgain = nullptr;
    QPushButton *cmdEnter = nullptr;
    QPushButton *cmdReset = nullptr;
    QPushButton *cmdCancel = nullptr;

    // True while "No Password" is ticked.
    Boolean m_blnNoPassword;
    // The value about to be written to the setting (a hash, or the no-password word).
    QString m_strPassword;

protected:
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    friend class ui::SingleForm<frmPassword>;

    frmPassword();
    void Leaving();
    bool cancelShown() const;
};
