#pragma once

#include "ui/accessibility.h"

#include <functional>
#include <utility>

class QObject;
class QWidget;

// Each window of the program exists at most once, like the classic forms:
//   frmX::Load()      creates the window if needed and runs its Form_Load (which shows it),
//   frmX::instance()  the loaded window or nullptr,
//   frmX::Unload()    closes and destroys it (instance() is nullptr at once).
// UnloadAllForms() ends every window, as the program's end does.
namespace ui {

void UnloadAllForms();

// Nothing destroys a window, and nothing ends the program, while one of the windows'
// handlers runs or a message box is open: a box runs an event loop of its own, in
// which a timer (Enter's delayed press of Exit) or a queued call can arrive, and the
// handler that showed the box goes on with its window once the box is answered.
//
// Every handler the windows connect runs inside a HandlerScope.
class HandlerScope
{
public:
    HandlerScope();
    ~HandlerScope();
    HandlerScope(const HandlerScope &) = delete;
    HandlerScope &operator=(const HandlerScope &) = delete;
};

// A handler runs or a message box is open.
bool handlersBusy();

// Runs `action` at once when nothing is busy, otherwise once control is back in the
// event loop with no handler running and no box open. Dropped when `context` (if
// given) is destroyed first.
void whenIdle(QObject *context, std::function<void()> action);

// The end of an unloaded (hidden) window: deleted once nothing is busy.
void destroyWhenIdle(QWidget *window);

// The shared Load/instance/Unload of one window class:
//   class frmX : public QDialog, public ui::SingleForm<frmX>   (the QObject base first, for moc)
// with `friend class ui::SingleForm<frmX>;` when the constructor is private.
template <class Form> class SingleForm
{
public:
    // Loading an open window leaves it as it is.
    static Form *Load()
    {
        if (!s_instance) {
            s_instance = new Form();
            ui::accessibility::describe(s_instance);
            s_instance->Form_Load();
        }
        return s_instance; // nullptr when Form_Load already unloaded it
    }

    static Form *instance() { return s_instance; }

    static void Unload()
    {
        // Closed at once; destroyed once control is back in the event loop and no
        // handler runs, as the call may come from inside one of the window's own.
        if (Form *form = takeInstance())
            form->unloadSelf();
    }

protected:
    SingleForm() = default;
    ~SingleForm() = default;

    // For a window's own Unload: instance() is nullptr from here on.
    static Form *takeInstance() { return std::exchange(s_instance, nullptr); }

    // A window going away by itself is no longer the loaded one.
    void forgetSelf()
    {
        if (s_instance == self())
            s_instance = nullptr;
    }

    void unloadSelf()
    {
        forgetSelf();
        m_closing = true;
        self()->hide();
        destroyWhenIdle(self());
    }

    // Set once unloading began; closeEvent then lets a close through.
    bool m_closing = false;

private:
    Form *self() { return static_cast<Form *>(this); }

    static inline Form *s_instance = nullptr;
};

} // namespace ui
