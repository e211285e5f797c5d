#pragma once

#include "core/valuetypes.h"

#include <QString>

namespace ui::report {

// An amount in the grid's display form "$#,##0.00;($#,##0.00)", the same text as
// platform::LocaleServices::displayFormat of its plain text, written straight from the value:
// a report writes ten of them for each of up to millions of records.
QString displayAmount(Currency value);

} // namespace ui::report
