#pragma once

#include <QColor>
#include <QLabel>

namespace ui {

// A label used as a link: underlined caption on a coloured background, a pointing
// hand over it, and clicked() when the left button is pressed and released on it.
// It is also reached with Tab and pressed with Space or Enter, draws a focus frame
// while it has the focus, and tells screen readers it is a link they can press.
class LinkLabel : public QLabel
{
    Q_OBJECT

public:
    explicit LinkLabel(const QString &text = QString(), QWidget *parent = nullptr);

    QColor backgroundColor() const { return m_background; }
    void setBackgroundColor(const QColor &color);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_background;
    bool m_pressed = false;
};

} // namespace ui
