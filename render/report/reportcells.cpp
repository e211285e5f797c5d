#include "render/report/reportcells.h"

#include "platform/locale.h"

#include <QDate>

namespace render {

using platform::LocaleServices;

RecordCellFormatter::RecordCellFormatter()
    : m_locale(platform::LocaleServices::locale()), m_dateFormat(platform::LocaleServices::shortDateFormat())
{
}

QStringList RecordCellFormatter::cells(const RecordFigures &r) const
{
    // The date as platform::LocaleServices::shortDate writes it.
    return {QString::number(r.record),
            m_locale.toString(r.date.toQDate(), m_dateFormat),
            LocaleServices::displayAmount(r.originalAmount),
            LocaleServices::displayAmount(r.currentAmount),
            LocaleServices::displayAmount(r.incDec),
            LocaleServices::displayAmount(r.profitLoss),
            singleToText(r.rate),
            LocaleServices::displayAmount(r.lossToInfl),
            LocaleServices::displayAmount(r.currentAmountAFI),
            LocaleServices::displayAmount(r.profitLossAFI)};
}

} // namespace render
