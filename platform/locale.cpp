#include "platform/locale.h"

#include <optional>

namespace platform {

namespace {

std::optional<QLocale> g_fixedLocale;

} // namespace

QLocale LocaleServices::locale()
{
    if (g_fixedLocale)
        return *g_fixedLocale;
    const QLocale system = QLocale::system();
    if (system.language() == QLocale::C)
        return QLocale(QLocale::English, QLocale::UnitedStates);
    return system;
}

void LocaleServices::setLocale(const QLocale &locale)
{
    g_fixedLocale = locale.language() == QLocale::C ? QLocale(QLocale::English, QLocale::UnitedStates) : locale;
}

void LocaleServices::resetLocale()
{
    g_fixedLocale.reset();
}

bool LocaleServices::isLocaleFixed()
{
    return g_fixedLocale.has_value();
}

} // namespace platform
