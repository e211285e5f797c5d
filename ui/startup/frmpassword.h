#pragma once

#include <QDialog>

class QPushButton;

// Sets, changes or removes the password.
class frmPassword : public QDialog
{
    Q_OBJECT

public:
    static frmPassword *Load();
    static frmPassword *instance();
    static void Unload();
    // Whether the next Load shows "&Cancel" (hidden on first run, shown from the menu).
    static void setCancelVisible(bool visible);

    void Form_Load();

private:
    frmPassword();
};
