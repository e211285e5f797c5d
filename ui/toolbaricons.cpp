#include "ui/toolbaricons.h"

#include <QCoreApplication>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace ui {

namespace {

using Drawing = std::function<void(QPainter &)>;

void drawPage(QPainter &p, qreal x, qreal y)
{
    QPainterPath page;
    page.moveTo(x, y);
    page.lineTo(x + 7, y);
    page.lineTo(x + 10, y + 3);
    page.lineTo(x + 10, y + 13);
    page.lineTo(x, y + 13);
    page.closeSubpath();
    p.setPen(QPen(QColor(70, 70, 70), 1));
    p.setBrush(Qt::white);
    p.drawPath(page);
    p.drawLine(QPointF(x + 7, y), QPointF(x + 7, y + 3));
    p.drawLine(QPointF(x + 7, y + 3), QPointF(x + 10, y + 3));
    p.setPen(QPen(QColor(150, 150, 170), 1));
    for (qreal line = y + 5.5; line < y + 12; line += 2)
        p.drawLine(QPointF(x + 2, line), QPointF(x + 8, line));
}

const QHash<QString, Drawing> &drawings()
{
    static const QHash<QString, Drawing> table = {
        {QStringLiteral("New"), [](QPainter &p) { drawPage(p, 2.5, 1.5); }},
        {QStringLiteral("Open"),
         [](QPainter &p) {
             p.setPen(QPen(QColor(120, 90, 10), 1));
             p.setBrush(QColor(240, 200, 80));
             p.drawRect(QRectF(1.5, 4.5, 12, 9));
             p.drawRect(QRectF(1.5, 3.5, 5, 2));
             p.setBrush(QColor(255, 225, 120));
             p.drawPolygon(QPolygonF({QPointF(3.5, 7.5), QPointF(15.5, 7.5), QPointF(13.5, 13.5), QPointF(1.5, 13.5)}));
         }},
        {QStringLiteral("Save"),
         [](QPainter &p) {
             p.setPen(QPen(QColor(20, 30, 80), 1));
             p.setBrush(QColor(40, 70, 160));
             p.drawRect(QRectF(1.5, 1.5, 13, 13));
             p.setBrush(Qt::white);
             p.drawRect(QRectF(3.5, 1.5, 9, 6));
             p.setBrush(QColor(190, 190, 200));
             p.drawRect(QRectF(4.5, 10.5, 7, 4));
             p.setBrush(QColor(40, 70, 160));
             p.drawRect(QRectF(9.5, 11.5, 1, 2));
         }},
        {QStringLiteral("Print"),
         [](QPainter &p) {
             p.setPen(QPen(QColor(60, 60, 60), 1));
             p.setBrush(Qt::white);
             p.drawRect(QRectF(4.5, 1.5, 7, 6));
             p.setBrush(QColor(170, 170, 170));
             p.drawRect(QRectF(1.5, 6.5, 13, 6));
             p.setBrush(Qt::white);
             p.drawRect(QRectF(4.5, 10.5, 7, 4));
             p.setPen(QPen(QColor(0, 160, 0), 1));
             p.drawPoint(QPointF(12.5, 8.5));
         }},
        {QStringLiteral("Cut"),
         [](QPainter &p) {
             p.setPen(QPen(QColor(60, 60, 60), 1.2));
             p.drawLine(QPointF(4, 1), QPointF(10.5, 10));
             p.drawLine(QPointF(12, 1), QPointF(5.5, 10));
             p.setBrush(Qt::NoBrush);
             p.setPen(QPen(QColor(160, 0, 0), 1.4));
             p.drawEllipse(QPointF(4.5, 12), 2.5, 2.5);
             p.drawEllipse(QPointF(11.5, 12), 2.5, 2.5);
         }},
        {QStringLiteral("Copy"),
         [](QPainter &p) {
             drawPage(p, 1.5, 0.5);
             drawPage(p, 5.5, 2.5);
         }},
        {QStringLiteral("Paste"),
         [](QPainter &p) {
             p.setPen(QPen(QColor(90, 60, 20), 1));
             p.setBrush(QColor(180, 130, 60));
             p.drawRect(QRectF(1.5, 2.5, 10, 12));
             p.setBrush(QColor(200, 200, 200));
             p.drawRect(QRectF(4.5, 1.5, 4, 2));
             drawPage(p, 6.5, 4.5);
         }},
        {QStringLiteral("Delete"),
         [](QPainter &p) {
             p.setPen(QPen(QColor(200, 0, 0), 2.6, Qt::SolidLine, Qt::RoundCap));
             p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
             p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
         }},
        {QStringLiteral("Chart"),
         [](QPainter &p) {
             p.setPen(QPen(QColor(60, 60, 60), 1));
             p.drawLine(QPointF(1.5, 1.5), QPointF(1.5, 14.5));
             p.drawLine(QPointF(1.5, 14.5), QPointF(14.5, 14.5));
             p.setPen(QPen(QColor(0, 114, 178), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
             p.drawPolyline(QPolygonF({QPointF(3, 11), QPointF(6.5, 7), QPointF(9.5, 8), QPointF(14, 2.5)}));
             p.setPen(QPen(QColor(230, 140, 0), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
             p.drawPolyline(QPolygonF({QPointF(3, 12.5), QPointF(6.5, 10), QPointF(9.5, 11), QPointF(14, 7.5)}));
         }},
        {QStringLiteral("Portfolio"),
         [](QPainter &p) {
             // Every investment at once: a pie of holdings in the chart's two colours.
             const QRectF disc(1.5, 1.5, 13, 13);
             p.setPen(QPen(QColor(60, 60, 60), 1));
             p.setBrush(QColor(0, 114, 178));
             p.drawPie(disc, 90 * 16, 230 * 16);
             p.setBrush(QColor(230, 140, 0));
             p.drawPie(disc, 320 * 16, 80 * 16);
             p.setBrush(QColor(0, 158, 115));
             p.drawPie(disc.translated(0.8, -0.8), 40 * 16, 50 * 16);
         }},
        {QStringLiteral("Help"),
         [](QPainter &p) {
             p.setPen(QPen(QColor(0, 50, 140), 1));
             p.setBrush(QColor(40, 100, 210));
             p.drawEllipse(QPointF(8, 8), 6.5, 6.5);
             QFont font = p.font();
             font.setBold(true);
             font.setPixelSize(11);
             p.setFont(font);
             p.setPen(Qt::white);
             p.drawText(QRectF(1.5, 1.5, 13, 13), Qt::AlignCenter, QStringLiteral("?"));
         }},
    };
    return table;
}

QIcon drawnIcon(const QString &key)
{
    QIcon icon;
    const Drawing draw = drawings().value(key);
    if (!draw)
        return icon;
    for (int size : {16, 32}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / 16.0, size / 16.0);
        draw(painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace

QIcon imlToolbarIcons(const QString &key)
{
    static const QHash<QString, QString> themeNames = {
        {QStringLiteral("New"), QStringLiteral("document-new")},
        {QStringLiteral("Open"), QStringLiteral("document-open")},
        {QStringLiteral("Save"), QStringLiteral("document-save")},
        {QStringLiteral("Print"), QStringLiteral("document-print")},
        {QStringLiteral("Cut"), QStringLiteral("edit-cut")},
        {QStringLiteral("Copy"), QStringLiteral("edit-copy")},
        {QStringLiteral("Paste"), QStringLiteral("edit-paste")},
        {QStringLiteral("Delete"), QStringLiteral("edit-delete")},
        {QStringLiteral("Help"), QStringLiteral("help-contents")},
    };
    return QIcon::fromTheme(themeNames.value(key), drawnIcon(key));
}

QString toolbarKeyText(const QString &key)
{
    // The keys as texts, so a translation finds each one.
    static const char *const texts[] = {
        QT_TRANSLATE_NOOP("Toolbar", "New"),       QT_TRANSLATE_NOOP("Toolbar", "Open"),
        QT_TRANSLATE_NOOP("Toolbar", "Save"),      QT_TRANSLATE_NOOP("Toolbar", "Print"),
        QT_TRANSLATE_NOOP("Toolbar", "Cut"),       QT_TRANSLATE_NOOP("Toolbar", "Copy"),
        QT_TRANSLATE_NOOP("Toolbar", "Paste"),     QT_TRANSLATE_NOOP("Toolbar", "Delete"),
        QT_TRANSLATE_NOOP("Toolbar", "Help"),      QT_TRANSLATE_NOOP("Toolbar", "Chart"),
        QT_TRANSLATE_NOOP("Toolbar", "Portfolio"),
    };
    for (const char *text : texts) {
        if (key == QLatin1String(text))
            return QCoreApplication::translate("Toolbar", text);
    }
    return key;
}

} // namespace ui
