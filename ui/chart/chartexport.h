#pragma once

#include <QSize>
#include <QString>

class InflationChartPainter;

// The chart as a file. Either file appears complete or not at all: it is written under a
// temporary name beside the target and renamed over it once every byte is on disk.
namespace chartexport {

// A PNG of `size` pixels at 96 dots per inch. False with the reason when it could not be written.
bool writePng(const InflationChartPainter &painter, const QString &path, const QSize &size, QString *error);

// One A4 landscape page with the document title set; fonts keep their point sizes.
bool writePdf(const InflationChartPainter &painter, const QString &path, const QString &title, QString *error);

} // namespace chartexport
