#pragma once

#include <QList>
#include <QString>

class RuntimeError;
class QWidget;

namespace platform {

enum class MsgIcon { None, Information, Exclamation, Question, Critical };
enum class MsgButtons { OK, YesNo, OKCancel, YesNoCancel };
enum class MsgResult { OK, Yes, No, Cancel };

// The application title that a box without a title of its own shows.
inline const QString AppTitle = QStringLiteral("Plumbline 3.5");

struct MessageBoxCall
{
    QString text;
    QString title;
    MsgIcon icon = MsgIcon::None;
    MsgButtons buttons = MsgButtons::OK;
    // A question whose Yes deletes data: a key held down (auto-repeated presses) never
    // answers it, so holding Enter cannot run through one deletion after another.
    bool confirmsDelete = false;
};

// Every message box of the program goes through here, so tests can script answers.
class MessageBoxes
{
public:
    virtual ~MessageBoxes() = default;
    virtual MsgResult show(const MessageBoxCall &call) = 0;

    static MessageBoxes &instance();
    // Replaces the implementation (tests); nullptr restores the real one.
    static void setInstance(MessageBoxes *boxes);
};

// Shows a box; an empty title means the application title.
MsgResult msgBox(const QString &text, MsgIcon icon = MsgIcon::None, MsgButtons buttons = MsgButtons::OK,
                 const QString &title = QString());

// The question before a deletion: question icon, Yes and No, Yes the default button;
// an auto-repeated key press does not answer it.
MsgResult confirmDelete(const QString &text, const QString &title = QString());

// Boxes open at this moment (each runs an event loop of its own until answered).
int openMessageBoxes();
// Called each time the last open box has been answered (nullptr: nothing).
void setAllBoxesClosedHandler(void (*handler)());

// The standard error box: "Error Number:" + number, CR LF, description; OK, no icon.
void showStandardError(const RuntimeError &error);
void showStandardError(int number, const QString &description);

} // namespace platform
