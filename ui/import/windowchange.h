#pragma once
#include "ui/import/importmenus.h"

class QString;
namespace storage {
struct RecordChangePlan;
}

namespace ui::import {

// The one place the windows write a plan: the main window lets go of its investment file
// when that is replaced, takes it again afterwards and shows the investment's last page.
// False, after the error was shown, when nothing was written.
bool applyFromWindow(const MainWindowHooks &hooks, const storage::RecordChangePlan &plan);

// "Savings account, First Bank" of investment `number` of the data folder; empty when unreadable.
QString investmentName(int number);

} // namespace ui::import
