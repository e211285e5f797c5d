#pragma once

#include "core/valuetypes.h"

#include <QPageSize>
#include <QString>

#include <functional>

class QLocale;
class PriceIndex;

namespace render {

struct ReportRequest
{
    QString outputPath;
    int investment = 0; // 0: every investment
    // Deflates the money of all investments for their row (a report of every investment);
    // null: that row has no figure after inflation, for the reason `seriesProblem` gives.
    const PriceIndex *series = nullptr;
    QString seriesProblem = QString();
    // Told once the pages are counted (page 0), then as each page is finished, the last one
    // before the file is put in place. What it raises stops the report, and nothing is written.
    std::function<void(int page, int pages)> pageDone = nullptr;
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
