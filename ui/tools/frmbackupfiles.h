#pragma once

#include <QDialog>

// Copies the investment file, then the history file, to a path the user names.
class frmBackupFiles : public QDialog
{
    Q_OBJECT

public:
    static frmBackupFiles *Load();
    static frmBackupFiles *instance();
    static void Unload();

    void Form_Load();

private:
    frmBackupFiles();
};
