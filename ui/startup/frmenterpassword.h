#pragma once

#include "ui/forms.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// Asks for the password at start-up.
class frmEnterPassword : public QDialog, public ui::SingleForm<frmEnterPassword>
{
    Q_OBJECT

public:
    void Form_Load();
    void cmdEnter_Click();
    void cmdClear_Click();
    void cmdCancel_Click();

    QLabel *lblEnterPassword = nullptr;
    QLineEdit *txtEnterPassword = nullptr;
    QPushButton *cmdEnter = nullptr;
    QPushButton *cmdClear = nullptr;
    QPushButton *cmdCancel = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    friend class ui::SingleForm<frmEnterPassword>;

    frmEnterPassword();
};
