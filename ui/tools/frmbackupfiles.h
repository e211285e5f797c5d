#pragma once

#include "core/valuetypes.h"
#include "ui/forms.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// Copies the investment file, then the history file, to a path the user names.
class frmBackupFiles : public QDialog, public ui::SingleForm<frmBackupFiles>
{
    Q_OBJECT

public:
    void Form_Load();
    void cmdSave_Click();
    void cmdExit_Click();

    // What the dialog proposes: the floppy drive where there are drive letters, the
    // user's home folder elsewhere; the file names begin with the separator.
    static QString defaultBackupPath();
    static QString investFileNameText();
    static QString histFileNameText();

    QLabel *lblBackupDesc = nullptr;
    QLabel *lblBackup = nullptr;
    QLineEdit *txtOrigFile = nullptr;
    QLabel *lblPath = nullptr;
    QLineEdit *txtBackupPath = nullptr;
    QLineEdit *txtFileName = nullptr;
    QPushButton *cmdSave = nullptr;
    QPushButton *cmdExit = nullptr;

    // False while the investment file is offered, True for the history file.
    Boolean m_blnHistStage;

protected:
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    friend class ui::SingleForm<frmBackupFiles>;

    frmBackupFiles();
    void DataHistCopy();
    void SaveInvestCopy();
    void SaveHistCopy();
    // Checks the target before anything is written; false (after a message) when
    // the copy cannot go there.
    bool TargetUsable(const QString &target, const QString &typedPath);
    void Finish();
};
