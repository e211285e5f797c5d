#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

// The built-in user guide.
class frmInstructions : public QDialog
{
    Q_OBJECT

public:
    static frmInstructions *Load();
    static frmInstructions *instance();
    static void Unload();

    void Form_Load();
    void cmdExit_Click();

    // The guide is put into a fixed buffer of this many characters: padded with
    // blanks, or cut.
    static constexpr int BufferLength = 8800;
    static QString guideText();

    QPlainTextEdit *txtInstructions = nullptr;
    QPushButton *cmdExit = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    frmInstructions();
    void unloadSelf();

    bool m_closing = false;
};
