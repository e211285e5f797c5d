#pragma once

#include <QLineEdit>

namespace ui {

// A masked-edit box: holds a plain text ("1234.5", "-20") and, while it has no
// focus, shows it through the display format "$#,##0.00;($#,##0.00)"; while it has
// the focus it shows the plain text, which the user edits unless the box is read-only.
class MaskedEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit MaskedEdit(QWidget *parent = nullptr);

    // The plain text: what is being typed while the box is edited, else the text last set.
    QString plainText() const;
    void setPlainText(const QString &text);
    // What the box shows without the focus.
    QString formattedText() const;

    // Shown in the empty box while the user types (the classic prompt character).
    QChar promptChar() const { return m_promptChar; }
    void setPromptChar(QChar prompt);

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void showText(const QString &text);
    void onTextChanged(const QString &text);

    QString m_plain;
    QChar m_promptChar = QLatin1Char('_');
    bool m_editing = false;  // showing the plain text for the focus
    bool m_updating = false; // the box itself is changing its text
};

} // namespace ui
