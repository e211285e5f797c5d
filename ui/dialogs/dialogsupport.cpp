#include "ui/dialogs/dialogsupport.h"

#include "ui/main/frminvestdata.h"

#include <QFocusEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QWidget>

namespace ui::dialogs {

namespace {

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

void draw(QPainter &p, const QString &key)
{
    if (key == QLatin1String("Cut")) {
        p.setPen(QPen(QColor(60, 60, 60), 1.2));
        p.drawLine(QPointF(4, 1), QPointF(10.5, 10));
        p.drawLine(QPointF(12, 1), QPointF(5.5, 10));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(160, 0, 0), 1.4));
        p.drawEllipse(QPointF(4.5, 12), 2.5, 2.5);
        p.drawEllipse(QPointF(11.5, 12), 2.5, 2.5);
    } else if (key == QLatin1String("Copy")) {
        drawPage(p, 1.5, 0.5);
        drawPage(p, 5.5, 2.5);
    } else if (key == QLatin1String("Paste")) {
        p.setPen(QPen(QColor(90, 60, 20), 1));
        p.setBrush(QColor(180, 130, 60));
        p.drawRect(QRectF(1.5, 2.5, 10, 12));
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(QRectF(4.5, 1.5, 4, 2));
        drawPage(p, 6.5, 4.5);
    } else {
        drawPage(p, 2.5, 1.5);
    }
}

QString themeName(const QString &key)
{
    if (key == QLatin1String("Cut"))
        return QStringLiteral("edit-cut");
    if (key == QLatin1String("Copy"))
        return QStringLiteral("edit-copy");
    if (key == QLatin1String("Paste"))
        return QStringLiteral("edit-paste");
    return QString();
}

} // namespace

QIcon toolbarIcon(const QString &key)
{
    QIcon drawn;
    for (int size : {16, 32}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / 16.0, size / 16.0);
        draw(painter, key);
        painter.end();
        drawn.addPixmap(pixmap);
    }
    const QString theme = themeName(key);
    return theme.isEmpty() ? drawn : QIcon::fromTheme(theme, drawn);
}

void setBoxColour(QWidget *box, const QColor &colour)
{
    QPalette palette = box->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::Base, colour);
    box->setPalette(palette);
}

void setLabelColour(QWidget *label, const QColor &colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, colour);
    label->setPalette(palette);
    label->setAutoFillBackground(true);
}

void returnToMainWindow(QWidget *dialog)
{
    if (frmInvestData *main = frmInvestData::instance())
        main->setEnabled(true);
    dialog->hide();
    dialog->deleteLater();
    if (frmInvestData *main = frmInvestData::instance())
        main->activateWindow();
}

bool isOwnFocusChange(const QEvent *event)
{
    const Qt::FocusReason reason = static_cast<const QFocusEvent *>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

} // namespace ui::dialogs
