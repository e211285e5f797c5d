#pragma once

#include <QString>

// The price index the user chose (View, Price Index), kept in the per-user settings store
// under the keys of storage/priceindexchoice.h, where the command-line tools read it too.
namespace ui::index {

// The chosen series; without a choice, the shipped series of the locale's country.
QString currentPriceIndexName();
void setCurrentPriceIndexName(const QString &name);

// The lines the licences of the shipped price-index data ask the program to show.
QString attributionText();

} // namespace ui::index
