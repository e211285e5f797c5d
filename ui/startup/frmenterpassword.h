#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// Asks for the password at start-up.
class frmEnterPassword : public QDialog
{
    Q_OBJECT

public:
    static frmEnterPassword *Load();
    static frmEnterPassword *instance();
    static void Unload();

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
    frmEnterPassword();
    void unloadSelf();

    bool m_closing = false;
};
