#pragma once

#include <QDialog>

// The built-in user guide.
class frmInstructions : public QDialog
{
    Q_OBJECT

public:
    static frmInstructions *Load();
    static frmInstructions *instance();
    static void Unload();

    void Form_Load();

private:
    frmInstructions();
};
