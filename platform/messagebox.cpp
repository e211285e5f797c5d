#include "platform/messagebox.h"

#include "core/runtimeerror.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>

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

// Swallows auto-repeated key presses (and their releases), so only a key pressed
// while the box is up can answer it.
class HeldKeyFilter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease ||
            event->type() == QEvent::ShortcutOverride) {
            if (static_cast<QKeyEvent *>(event)->isAutoRepeat())
                return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

class SystemMessageBoxes : public MessageBoxes
{
public:
    MsgResult show(const MessageBoxCall &call) override
    {
        // On the heap and watched: should its parent window go while the box is up,
        // the box goes with it instead of being freed twice.
        QPointer<QMessageBox> guarded = new QMessageBox(QApplication::activeWindow());
        QMessageBox &box = *guarded;
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

        if (call.confirmsDelete) {
            // The buttons hold the focus and see the keys first.
            auto *filter = new HeldKeyFilter(&box);
            box.installEventFilter(filter);
            const QList<QWidget *> children = box.findChildren<QWidget *>();
            for (QWidget *child : children)
                child->installEventFilter(filter);
        }

        box.exec();
        if (!guarded)
            return closedAnswer(call.buttons);
        QAbstractButton *clicked = box.clickedButton();
        const auto deleteBox = qScopeGuard([&guarded] { delete guarded.data(); });
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
int g_openBoxes = 0;
void (*g_allClosedHandler)() = nullptr;

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

namespace {

MsgResult showCounted(const MessageBoxCall &call)
{
    ++g_openBoxes;
    const auto closed = qScopeGuard([] {
        if (--g_openBoxes == 0 && g_allClosedHandler)
            g_allClosedHandler();
    });
    return MessageBoxes::instance().show(call);
}

} // namespace

int openMessageBoxes()
{
    return g_openBoxes;
}

void setAllBoxesClosedHandler(void (*handler)())
{
    g_allClosedHandler = handler;
}

MsgResult msgBox(const QString &text, MsgIcon icon, MsgButtons buttons, const QString &title)
{
    MessageBoxCall call;
    call.text = text;
    call.title = title.isEmpty() ? AppTitle : title;
    call.icon = icon;
    call.buttons = buttons;
    return showCounted(call);
}

MsgResult confirmDelete(const QString &text, const QString &title)
{
    MessageBoxCall call;
    call.text = text;
    call.title = title.isEmpty() ? AppTitle : title;
    call.icon = MsgIcon::Question;
    call.buttons = MsgButtons::YesNo;
    call.confirmsDelete = true;
    return showCounted(call);
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
