#include "render/chart/chartexport.h"

#include "render/chart/inflationchartpainter.h"

#include "core/runtimeerror.h"
#include "render/chart/inflationchartpainter.h"
#include "storage/safesavefile.h"

#include <QCoreApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <cmath>

namespace chartexport {

namespace {

constexpr qreal ScreenDpi = 96;

// A failure as the program numbers it ("Error Number:61", CR LF, "Disk full").
bool failed(const RuntimeError &failure, QString *error)
{
    if (error)
        *error = failure.standardText();
    return false;
}

// Every write of the file was checked; a full disk on the last bytes is 61 too.
bool finish(storage::SafeSaveFile &file, QString *error)
{
    try {
        file.commit();
    } catch (const RuntimeError &failure) {
        return failed(failure, error);
    }
    return true;
}

} // namespace

bool writePng(const InflationChartPainter &painter, const QString &path, const QSize &size, QString *error)
{
    if (size.isEmpty()) {
        if (error)
            *error = QCoreApplication::translate("Chart", "The picture has no size.");
        return false;
    }
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    const int dotsPerMeter = int(std::lround(ScreenDpi / 0.0254));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    if (image.isNull()) {
        if (error)
            *error = QCoreApplication::translate("Chart", "There is not enough memory for a picture of that size.");
        return false;
    }
    image.fill(painter.colours().background);
    {
        QPainter p(&image);
        painter.paint(p, QRectF(QPointF(0, 0), QSizeF(size)));
    }
    storage::SafeSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failed(*file.failure(), error);
    if (!image.save(&file, "PNG")) {
        if (file.failure())
            return failed(*file.failure(), error);
        if (error)
            *error = QCoreApplication::translate("Chart", "The picture could not be encoded.");
        return false;
    }
    return finish(file, error);
}

bool writePdf(const InflationChartPainter &painter, const QString &path, const QString &title, QString *error)
{
    storage::SafeSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failed(*file.failure(), error);
    {
        QPdfWriter writer(&file);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Plumbline 3.5"));
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(15, 15, 15, 15),
                                         QPageLayout::Millimeter));
        QPainter p;
        if (!p.begin(&writer)) {
            if (file.failure())
                return failed(*file.failure(), error);
            if (error)
                *error = QCoreApplication::translate("Chart", "The PDF page could not be started.");
            return false;
        }
        const QRect page = writer.pageLayout().paintRectPixels(writer.resolution());
        painter.paint(p, QRectF(0, 0, page.width(), page.height()));
        p.end();
    }
    return finish(file, error);
}

} // namespace chartexport
