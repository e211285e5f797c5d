#include "ui/linklabel.h"

#include "ui/colours.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace ui {

namespace {

class LinkLabelAccessible : public QAccessibleWidget
{
public:
    explicit LinkLabelAccessible(QWidget *widget) : QAccessibleWidget(widget, QAccessible::Link) {}

    QString text(QAccessible::Text t) const override
    {
        QString value = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && value.isEmpty())
            value = static_cast<const QLabel *>(widget())->text();
        return value;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &name) override
    {
        if (name == pressAction() && widget()->isEnabled() && widget()->isVisible())
            emit static_cast<LinkLabel *>(widget())->clicked();
    }
};

QAccessibleInterface *linkLabelAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String(LinkLabel::staticMetaObject.className()) && object && object->isWidgetType())
        return new LinkLabelAccessible(static_cast<QWidget *>(object));
    return nullptr;
}

} // namespace

LinkLabel::LinkLabel(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(linkLabelAccessible);
        return true;
    }();
    Q_UNUSED(factoryInstalled);

    QFont f = font();
    f.setUnderline(true);
    setFont(f);
    setCursor(Qt::PointingHandCursor);
    setAutoFillBackground(true);
    // Tab reaches it; a mouse click leaves the focus where it was, as it always did.
    setFocusPolicy(Qt::TabFocus);
}

void LinkLabel::setBackgroundColor(const QColor &color)
{
    m_background = color;
    ui::setForcedBackground(this, QPalette::Window, color);
}

void LinkLabel::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}

void LinkLabel::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if ((key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) &&
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        // Taken even when held down, so Enter never reaches the window's default button.
        event->accept();
        if (!event->isAutoRepeat())
            emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

void LinkLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // A dotted frame in the caption's colour: some styles draw their focus frame only
    // after a key moved the focus, and the link must show it whenever it has it.
    QPainter painter(this);
    QPen pen(palette().color(QPalette::WindowText), 1, Qt::DotLine);
    painter.setPen(pen);
    painter.drawRect(rect().adjusted(1, 1, -2, -2));
}

} // namespace ui
