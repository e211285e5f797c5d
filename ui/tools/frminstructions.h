#pragma once

#include "ui/forms.h"

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

// The built-in user guide.
class frmInstructions : public QDialog, public ui::SingleForm<frmInstructions>
{
    Q_OBJECT

public:
    void Form_Load();
    void cmdExit_Click();

    // The guide is put into a fixed buffer of this many characters: padded with
    // blanks, or cut.
    static constexpr int BufferLength = 8800;
    static QString guideText();
    // The explanation document the guide refers to: the installed copy where there is
    // one, else where an installation puts it.
    static QString explanationDocumentPath();
    // The same for a program in `programDir`.
    static QString explanationDocumentPath(const QString &programDir);

    QPlainTextEdit *txtInstructions = nullptr;
    QPushButton *cmdExit = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    friend class ui::SingleForm<frmInstructions>;

    frmInstructions();
};
