#pragma once

#include <QDialog>

// The start-up window: shows the product, waits, reads the password setting and
// opens the one window that comes next.
class frmPlSplash : public QDialog
{
    Q_OBJECT

public:
    static frmPlSplash *Load();
    static frmPlSplash *instance();
    static void Unload();

    void Form_Load();

    // The password setting as read at start-up; outlives the window.
    static inline QString m_strPlumbline35Password;

private:
    frmPlSplash();
};
