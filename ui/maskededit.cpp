#include "ui/maskededit.h"

#include "platform/locale.h"

#include <QFocusEvent>

namespace ui {

MaskedEdit::MaskedEdit(QWidget *parent) : QLineEdit(parent)
{
    connect(this, &QLineEdit::textChanged, this, &MaskedEdit::onTextChanged);
}

QString MaskedEdit::plainText() const
{
    return m_editing ? text() : m_plain;
}

void MaskedEdit::setPlainText(const QString &text)
{
    m_plain = text;
    showText(m_editing ? m_plain : formattedText());
    // Filled by the program: shown from its first character.
    setCursorPosition(0);
}

QString MaskedEdit::formattedText() const
{
    return platform::LocaleServices::displayFormat(m_plain);
}

void MaskedEdit::setPromptChar(QChar prompt)
{
    m_promptChar = prompt;
    if (m_editing)
        setPlaceholderText(QString(m_promptChar));
}

void MaskedEdit::focusInEvent(QFocusEvent *event)
{
    // A read-only box (the data grid) always shows the formatted amount. A box
    // getting the focus back with its window keeps the entry it had.
    if (!m_editing && !isReadOnly()) {
        m_editing = true;
        showText(m_plain);
        setPlaceholderText(QString(m_promptChar));
    }
    QLineEdit::focusInEvent(event);
}

void MaskedEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    // Another window or a popup taking the focus for a while does not end the entry:
    // the box is still its window's focus.
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason ||
        event->reason() == Qt::MenuBarFocusReason)
        return;
    if (!m_editing)
        return;
    m_plain = text();
    m_editing = false;
    setPlaceholderText(QString());
    showText(formattedText());
}

void MaskedEdit::showText(const QString &text)
{
    m_updating = true;
    setText(text);
    m_updating = false;
}

void MaskedEdit::onTextChanged(const QString &text)
{
    // Text put in with setText() from outside counts as the plain text.
    if (!m_updating && !m_editing)
        m_plain = text;
}

} // namespace ui
