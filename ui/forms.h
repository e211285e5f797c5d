#pragma once

#include "ui/accessibility.h"

#include <utility>

// Each window of the program exists at most once, like the classic forms:
//   frmX::Load()      creates the window if needed and runs its Form_Load (which shows it),
//   frmX::instance()  the loaded window or nullptr,
//   frmX::Unload()    closes and destroys it (instance() is nullptr at once).
// UnloadAllForms() ends every window, as the program's end does.
namespace ui {

void UnloadAllForms();

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
        // Closed at once; destroyed once control is back in the event loop, as the
        // call may come from inside one of the window's own handlers.
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
        self()->deleteLater();
    }

    // Set once unloading began; closeEvent then lets a close through.
    bool m_closing = false;

private:
    Form *self() { return static_cast<Form *>(this); }

    static inline Form *s_instance = nullptr;
};

} // namespace ui
