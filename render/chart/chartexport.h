#pragma once

#include <QSize>
#include <QString>

class InflationChartPainter;

// The chart as a file. Either file appears complete or not at all (storage::SafeSaveFile): every
// write is checked and the file renamed over the target once every byte is on disk. A target
// that is not a plain file, or one nobody may write, is refused; a new file is the user's only.
namespace chartexport {

// A PNG of `size` pixels at 96 dots per inch. False with the reason when it could not be written:
// a file error as the numbered error's text ("Error Number:61", CR LF, "Disk full").
bool writePng(const InflationChartPainter &painter, const QString &path, const QSize &size, QString *error);

// One A4 landscape page with the document title set; fonts keep their point sizes.
bool writePdf(const InflationChartPainter &painter, const QString &path, const QString &title, QString *error);

} // namespace chartexport
