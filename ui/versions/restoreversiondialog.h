#pragma once

#include "storage/versions.h"

#include <QDialog>
#include <QList>

class frmInvestData;
class QLabel;
class QPushButton;
class QTreeWidget;

// File, Restore Earlier Version…: the kept versions of the data files, newest first, with
// when each was made, what changed, and the investments and records it holds; the current
// one is marked. Restore makes the chosen one current (itself a change Undo takes back);
// Save Records as CSV… writes the chosen version's records to a file the user names, so an
// older state can be looked at without making it current.
class RestoreVersionDialog : public QDialog
{
    Q_OBJECT

public:
    // Opens the dialog (application modal) over the main window, or brings it forward.
    static RestoreVersionDialog *open(frmInvestData *window);
    static RestoreVersionDialog *instance();

    // The time of a version as the list shows it: the locale's short date (four-digit
    // year, as the grid writes dates) and short time, in local time.
    static QString timeText(const QDateTime &utc);
    // A record's date as the grid shows it.
    static QString dateText(const QDate &date);

    QLabel *lblIntro = nullptr;
    QLabel *lblNoVersions = nullptr; // shown while no version is kept yet
    QTreeWidget *tblVersions = nullptr;
    QPushButton *cmdRestore = nullptr;
    QPushButton *cmdShow = nullptr;
    QPushButton *cmdSaveCsv = nullptr;
    QPushButton *cmdClose = nullptr;

    // Reads the list again, keeping the chosen version when it is still there.
    void reload();
    void restoreChosen();
    void showChosen();
    void saveChosenAsCsv();

protected:
    // The main window is the active one again once the dialog is gone.
    void done(int result) override;

private:
    explicit RestoreVersionDialog(frmInvestData *window);
    ~RestoreVersionDialog() override;

    const storage::VersionInfo *chosen() const;
    void updateButtons();

    frmInvestData *m_window;
    QList<storage::VersionInfo> m_versions;
};
