#include "platform/messagebox.h"

#include "core/runtimeerror.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace platform {

namespace {

QMessageBox::Icon toQtIcon(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::Information:
        return QMessageBox::Information;
    case MsgIcon::Exclamation:
        return QMessageBox::Warning;
    case MsgIcon::Question:
        return QMessageBox::Question;
    case MsgIcon::Critical:
        return QMessageBox::Critical;
    case MsgIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// The answer when the box is closed without a button (Escape or the title bar).
MsgResult closedAnswer(MsgButtons buttons)
{
    switch (buttons) {
    case MsgButtons::OK:
        return MsgResult::OK;
    case MsgButtons::YesNo:
        return MsgResult::No;
    case MsgButtons::OKCancel:
    case MsgButtons::YesNoCancel:
        break;
    }
    return MsgResult::Cancel;
}

class SystemMessageBoxes : public MessageBoxes
{
public:
    MsgResult show(const MessageBoxCall &call) override
    {
        QMessageBox box(QApplication::activeWindow());
        box.setWindowTitle(call.title.isEmpty() ? AppTitle : call.title);
        box.setTextFormat(Qt::PlainText);
        // A lone CR would show as a stray glyph; the line break is CR LF.
        QString shown = call.text;
        shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        box.setText(shown);
        box.setIcon(toQtIcon(call.icon));

        QAbstractButton *ok = nullptr;
        QAbstractButton *yes = nullptr;
        QAbstractButton *no = nullptr;
        QAbstractButton *cancel = nullptr;
        switch (call.buttons) {
        case MsgButtons::OK:
            ok = box.addButton(QMessageBox::Ok);
            box.setDefaultButton(static_cast<QPushButton *>(ok));
            box.setEscapeButton(ok);
            break;
        case MsgButtons::OKCancel:
            ok = box.addButton(QMessageBox::Ok);
            cancel = box.addButton(QMessageBox::Cancel);
            box.setDefaultButton(static_cast<QPushButton *>(ok));
            box.setEscapeButton(cancel);
            break;
        case MsgButtons::YesNo:
            yes = box.addButton(QMessageBox::Yes);
            no = box.addButton(QMessageBox::No);
            box.setDefaultButton(static_cast<QPushButton *>(yes));
            break;
        case MsgButtons::YesNoCancel:
            yes = box.addButton(QMessageBox::Yes);
            no = box.addButton(QMessageBox::No);
            cancel = box.addButton(QMessageBox::Cancel);
            box.setDefaultButton(static_cast<QPushButton *>(yes));
            box.setEscapeButton(cancel);
            break;
        }

        box.exec();
        QAbstractButton *clicked = box.clickedButton();
        if (clicked && clicked == ok)
            return MsgResult::OK;
        if (clicked && clicked == yes)
            return MsgResult::Yes;
        if (clicked && clicked == no)
            return MsgResult::No;
        if (clicked && clicked == cancel)
            return MsgResult::Cancel;
        return closedAnswer(call.buttons);
    }
};

MessageBoxes *g_installed = nullptr;

} // namespace

MessageBoxes &MessageBoxes::instance()
{
    static SystemMessageBoxes system;
    return g_installed ? *g_installed : system;
}

void MessageBoxes::setInstance(MessageBoxes *boxes)
{
    g_installed = boxes;
}

MsgResult msgBox(const QString &text, MsgIcon icon, MsgButtons buttons, const QString &title)
{
    MessageBoxCall call;
    call.text = text;
    call.title = title.isEmpty() ? AppTitle : title;
    call.icon = icon;
    call.buttons = buttons;
    return MessageBoxes::instance().show(call);
}

void showStandardError(const RuntimeError &error)
{
    msgBox(error.standardText(), MsgIcon::None, MsgButtons::OK);
}

void showStandardError(int number, const QString &description)
{
    showStandardError(RuntimeError(number, description));
}

} // namespace platform
