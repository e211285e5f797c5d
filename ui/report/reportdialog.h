#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace ui::report {

class ReportRun;

// File, Report: the shown investment or all of them, and where the PDF goes. Shown
// modeless while the main window waits disabled; it enables the main window again when
// it closes. The report is written by plumbline-report in a process of its own: the dialog
// shows its pages as they are written, and Cancel stops it, leaving nothing behind.
class ReportDialog : public QDialog
{
    Q_OBJECT

public:
    // Opens the dialog (or raises the open one). `shownInvestment` is the main window's
    // investment, 0 when it shows none.
    static ReportDialog *open(QWidget *mainWindow, int shownInvestment);
    static ReportDialog *instance();

    QRadioButton *optShownInvestment = nullptr;
    QRadioButton *optAllInvestments = nullptr;
    QLineEdit *txtReportFile = nullptr;
    QPushButton *cmdBrowse = nullptr;
    QPushButton *cmdCreate = nullptr;
    QPushButton *cmdCancel = nullptr;
    QProgressBar *barProgress = nullptr;
    QLabel *lblProgress = nullptr;

    // Esc and the window frame: while a report is written, it is stopped and the dialog closes then.
    void reject() override;

    // The report being written, nullptr when none.
    ReportRun *run() const { return m_run; }

    // The folder reports go to unless the user chooses another: the documents folder, else home.
    static QString defaultFolder();
    // The file a report of today goes to unless the user chooses another.
    static QString defaultPath();

private:
    ReportDialog(QWidget *mainWindow, int shownInvestment);
    ~ReportDialog() override;

    void browse();
    void create();
    void cancel();
    void stopWriting();
    // Controls for choosing while idle; the progress while a report is written.
    void setWriting(bool writing);
    void finishRun();
    void leave();

    QWidget *m_mainWindow;
    int m_shownInvestment;
    bool m_leaving = false;
    // An existing file the chooser already asked about replacing.
    QString m_replaceConfirmed;
    ReportRun *m_run = nullptr;
    QString m_writing; // the file being written
    bool m_closeWhenStopped = false;
};

} // namespace ui::report
