#include "ui/chart/chartexport.h"

#include "ui/chart/inflationchartpainter.h"

#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <cmath>

namespace chartexport {

namespace {

constexpr qreal ScreenDpi = 96;

bool finish(QSaveFile &file, QString *error)
{
    if (file.error() == QFileDevice::NoError && file.commit())
        return true;
    if (error)
        *error = file.errorString();
    file.cancelWriting();
    return false;
}

bool openFile(QSaveFile &file, QString *error)
{
    // No writing in place: a file that cannot be replaced by a rename is left as it is.
    file.setDirectWriteFallback(false);
    if (file.open(QIODevice::WriteOnly))
        return true;
    if (error)
        *error = file.errorString();
    return false;
}

} // namespace

bool writePng(const InflationChartPainter &painter, const QString &path, const QSize &size, QString *error)
{
    if (size.isEmpty()) {
        if (error)
            *error = QStringLiteral("The picture has no size.");
        return false;
    }
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    const int dotsPerMeter = int(std::lround(ScreenDpi / 0.0254));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    if (image.isNull()) {
        if (error)
            *error = QStringLiteral("There is not enough memory for a picture of that size.");
        return false;
    }
    image.fill(painter.colours().background);
    {
        QPainter p(&image);
        painter.paint(p, QRectF(QPointF(0, 0), QSizeF(size)));
    }
    QSaveFile file(path);
    if (!openFile(file, error))
        return false;
    if (!image.save(&file, "PNG")) {
        if (error)
            *error = file.error() != QFileDevice::NoError ? file.errorString()
                                                          : QStringLiteral("The picture could not be encoded.");
        file.cancelWriting();
        return false;
    }
    return finish(file, error);
}

bool writePdf(const InflationChartPainter &painter, const QString &path, const QString &title, QString *error)
{
    QSaveFile file(path);
    if (!openFile(file, error))
        return false;
    {
        QPdfWriter writer(&file);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Plumbline 3.5"));
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(15, 15, 15, 15),
                                         QPageLayout::Millimeter));
        QPainter p;
        if (!p.begin(&writer)) {
            if (error)
                *error = QStringLiteral("The PDF page could not be started.");
            file.cancelWriting();
            return false;
        }
        const QRect page = writer.pageLayout().paintRectPixels(writer.resolution());
        painter.paint(p, QRectF(0, 0, page.width(), page.height()));
        p.end();
    }
    return finish(file, error);
}

} // namespace chartexport
