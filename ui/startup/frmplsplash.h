#pragma once

#include "ui/forms.h"

#include <QDialog>
#include <functional>

class QFrame;
class QLabel;

// The start-up window: shows the product, waits, reads the password setting and
// opens the one window that comes next.
class frmPlSplash : public QDialog, public ui::SingleForm<frmPlSplash>
{
    Q_OBJECT

public:
    void Form_Load();
    // Keys pressed on the splash do nothing.
    void Form_KeyPress(int keyAscii);

    // The password setting as read at start-up; outlives the window.
    static inline QString m_strPlumbline35Password;

    // The wait is a fixed CPU-bound count, not a timer.
    static constexpr long DefaultWaitPasses = 25000000;
    // Tests shorten the wait; a negative value restores the default.
    static void setWaitPasses(long passes);
    static long waitPasses();
    // Tests act on the splash here, after the wait and before the setting is read.
    static void setAfterWaitHook(std::function<void()> hook);

    QFrame *Frame1 = nullptr;
    QLabel *lblProductName = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *lblQuillmoorSoft = nullptr;
    QLabel *lblPlatform = nullptr;
    QLabel *lblVersion = nullptr;
    QLabel *lblCompany = nullptr;
    QWidget *imgLogo = nullptr;

    // How long the splash waits at most for the window system to show it.
    static constexpr int PaintWaitMs = 2000;

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    friend class ui::SingleForm<frmPlSplash>;

    frmPlSplash();

    bool m_blnPainted = false;
};
