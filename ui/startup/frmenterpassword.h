#pragma once

#include <QDialog>

// Asks for the password at start-up.
class frmEnterPassword : public QDialog
{
    Q_OBJECT

public:
    static frmEnterPassword *Load();
    static frmEnterPassword *instance();
    static void Unload();

    void Form_Load();

private:
    frmEnterPassword();
};
