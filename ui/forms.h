#pragma once

// Each window of the program exists at most once, like the classic forms:
//   frmX::Load()      creates the window if needed and runs its Form_Load (which shows it),
//   frmX::instance()  the loaded window or nullptr,
//   frmX::Unload()    closes and destroys it (instance() is nullptr at once).
// UnloadAllForms() ends every window, as the program's end does.
namespace ui {

void UnloadAllForms();

} // namespace ui
