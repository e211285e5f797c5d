#pragma once

#include <QLineEdit>
#include <QString>

namespace ui {

// Text the program puts into a box shows from its first character: a text wider than
// its box is cut at the end, never at the front, where it would read as another text
// or number ("3333333" for 0.3333333).
inline void setBoxText(QLineEdit *box, const QString &text)
{
    box->setText(text);
    box->setCursorPosition(0);
}

// Selects the box's whole text with the cursor at the start, so a text wider than the
// box still shows its beginning; typing replaces the whole text as ever.
inline void selectWholeText(QLineEdit *box)
{
    const int length = int(box->text().size());
    box->setSelection(length, -length);
}

} // namespace ui
