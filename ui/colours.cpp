#include "ui/colours.h"

#include <QWidget>
#include <cmath>

namespace ui {

namespace {

double channel(int value)
{
    const double c = value / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(const QColor &colour)
{
    const QColor rgb = colour.toRgb();
    return 0.2126 * channel(rgb.red()) + 0.7152 * channel(rgb.green()) + 0.0722 * channel(rgb.blue());
}

QColor readableOn(const QColor &background, const QColor &preferred)
{
    if (preferred.isValid() && contrastRatio(preferred, background) >= MinimumContrast)
        return preferred;
    const QColor black(0, 0, 0);
    const QColor white(255, 255, 255);
    return contrastRatio(black, background) >= contrastRatio(white, background) ? black : white;
}

// Greyed, as disabled text is, but never below the least contrast: moved from the
// readable colour towards the background only as far as that allows.
QColor greyedOn(const QColor &background, const QColor &readable)
{
    QColor best = readable;
    for (int step = 1; step <= 10; ++step) {
        const double t = step * 0.05;
        const QColor candidate =
            QColor::fromRgbF(float(readable.redF() + (background.redF() - readable.redF()) * t),
                             float(readable.greenF() + (background.greenF() - readable.greenF()) * t),
                             float(readable.blueF() + (background.blueF() - readable.blueF()) * t));
        if (contrastRatio(candidate, background) < MinimumContrast + 0.25)
            break;
        best = candidate;
    }
    return best;
}

} // namespace

double contrastRatio(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QPalette::ColorRole textRoleOn(QPalette::ColorRole backgroundRole)
{
    switch (backgroundRole) {
    case QPalette::Base:
    case QPalette::AlternateBase:
        return QPalette::Text;
    case QPalette::Button:
        return QPalette::ButtonText;
    default:
        return QPalette::WindowText;
    }
}

void setForcedBackground(QWidget *widget, QPalette::ColorRole role, const QColor &background)
{
    QPalette palette = widget->palette();
    const QPalette::ColorRole textRole = textRoleOn(role);
    const QColor text = readableOn(background, palette.color(QPalette::Active, textRole));
    QColor disabledText = palette.color(QPalette::Disabled, textRole);
    if (contrastRatio(disabledText, background) < MinimumContrast)
        disabledText = greyedOn(background, text);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, role, background);
        palette.setColor(group, textRole, group == QPalette::Disabled ? disabledText : text);
        if (textRole == QPalette::Text)
            palette.setColor(group, QPalette::PlaceholderText, greyedOn(background, text));
    }
    widget->setPalette(palette);
    if (role == QPalette::Window)
        widget->setAutoFillBackground(true);
}

} // namespace ui
