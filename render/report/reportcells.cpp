#include "render/report/reportcells.h"

#include "platform/locale.h"

#include <QDate>

#include <cstdint>

namespace render {

QString displayAmount(Currency value)
{
    // Cents rounded half away from zero, as the display form rounds.
    const int64_t units = value.units();
    const unsigned long long magnitude =
        units < 0 ? 0ull - static_cast<unsigned long long>(units) : static_cast<unsigned long long>(units);
    const unsigned long long totalCents = magnitude / 100 + (magnitude % 100 >= 50 ? 1 : 0);
    unsigned long long whole = totalCents / 100;
    const unsigned cents = unsigned(totalCents % 100);

    // Built from the right: ")", cents, point, grouped digits, "$", "(".
    char buffer[48];
    char *end = buffer + sizeof buffer;
    char *p = end;
    const bool negative = units < 0;
    if (negative)
        *--p = ')';
    *--p = char('0' + cents % 10);
    *--p = char('0' + cents / 10);
    *--p = '.';
    int digits = 0;
    do {
        if (digits > 0 && digits % 3 == 0)
            *--p = ',';
        *--p = char('0' + whole % 10);
        whole /= 10;
        ++digits;
    } while (whole != 0);
    *--p = '$';
    if (negative)
        *--p = '(';
    return QString::fromLatin1(p, end - p);
}

RecordCellFormatter::RecordCellFormatter()
    : m_locale(platform::LocaleServices::locale()), m_dateFormat(platform::LocaleServices::shortDateFormat())
{
}

QStringList RecordCellFormatter::cells(const RecordFigures &r) const
{
    // The date as platform::LocaleServices::shortDate writes it.
    return {QString::number(r.record),
            m_locale.toString(r.date.toQDate(), m_dateFormat),
            displayAmount(r.originalAmount),
            displayAmount(r.currentAmount),
            displayAmount(r.incDec),
            displayAmount(r.profitLoss),
            singleToText(r.rate),
            displayAmount(r.lossToInfl),
            displayAmount(r.currentAmountAFI),
            displayAmount(r.profitLossAFI)};
}

} // namespace render
