#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace ui::report {

// File, Report: the shown investment or all of them, and where the PDF goes. Shown
// modeless while the main window waits disabled; it enables the main window again when
// it closes.
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

    // The folder reports go to unless the user chooses another: the documents folder, else home.
    static QString defaultFolder();
    // The file a report of today goes to unless the user chooses another.
    static QString defaultPath();

private:
    ReportDialog(QWidget *mainWindow, int shownInvestment);
    ~ReportDialog() override;

    void cmdBrowse_Click();
    void cmdCreate_Click();
    void leave();

    QWidget *m_mainWindow;
    int m_shownInvestment;
    bool m_leaving = false;
    // An existing file the chooser already asked about replacing.
    QString m_replaceConfirmed;
};

} // namespace ui::report
