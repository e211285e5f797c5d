#pragma once

#include "core/valuetypes.h"

#include <QPageSize>
#include <QString>

class QLocale;

namespace render {

struct ReportRequest
{
    QString outputPath;
    int investment = 0; // 0: every investment
};

// Letter where people print on it (the United States and Canada), else A4.
QPageSize::PageSizeId pageSizeFor(const QLocale &locale);

// "Plumbline report YYYY-MM-DD.pdf"
QString defaultReportName(Date day);

// Writes the PDF report of the program folder: a summary of the investments, then each
// investment's chart and every record. The file appears whole or not at all. A damaged
// history line raises storage::HistoryPassError, any other failure RuntimeError (61 on a
// full disk). The target must be a plain file the user may write, or a new name, and lie
// outside the program folder, or it is 75. Only reads the program folder. Returns the
// number of pages.
int writeReport(const ReportRequest &request);

} // namespace render
