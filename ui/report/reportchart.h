#pragma once

#include <QRectF>
#include <QString>

class QPainter;

namespace ui::report {

// The investment's inflation chart, drawn into `rect` of a report page in the light colours of
// paper. Reads the investment's records once more; a damaged line raises storage::HistoryPassError.
void paintInvestmentChart(QPainter &painter, const QRectF &rect, int investment, const QString &type,
                          const QString &institution);

} // namespace ui::report
