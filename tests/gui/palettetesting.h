#pragma once

// Desktop palettes for the tests that look at the windows under light and dark colours.

#include <QApplication>
#include <QColor>
#include <QDir>
#include <QPalette>
#include <QWidget>

namespace palettetest {

// A dark desktop palette as KDE's Breeze Dark sets it.
inline QPalette darkPalette()
{
    QPalette p;
    const QColor window(49, 54, 59), base(35, 38, 41), text(239, 240, 241), disabledText(101, 101, 101);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const bool disabled = group == QPalette::Disabled;
        p.setColor(group, QPalette::Window, window);
        p.setColor(group, QPalette::WindowText, disabled ? disabledText : text);
        p.setColor(group, QPalette::Base, base);
        p.setColor(group, QPalette::AlternateBase, window);
        p.setColor(group, QPalette::Text, disabled ? disabledText : text);
        p.setColor(group, QPalette::PlaceholderText, QColor(189, 195, 199));
        p.setColor(group, QPalette::Button, window);
        p.setColor(group, QPalette::ButtonText, disabled ? disabledText : text);
        p.setColor(group, QPalette::Highlight, QColor(61, 174, 233));
        p.setColor(group, QPalette::HighlightedText, text);
        p.setColor(group, QPalette::ToolTipBase, window);
        p.setColor(group, QPalette::ToolTipText, text);
        p.setColor(group, QPalette::Light, QColor(64, 70, 76));
        p.setColor(group, QPalette::Midlight, QColor(59, 64, 69));
        p.setColor(group, QPalette::Mid, QColor(43, 47, 52));
        p.setColor(group, QPalette::Dark, QColor(30, 33, 36));
        p.setColor(group, QPalette::Shadow, QColor(0, 0, 0));
    }
    return p;
}

// The application palette for the life of the object.
struct DesktopPalette
{
    QPalette previous = QApplication::palette();
    explicit DesktopPalette(const QPalette &palette) { QApplication::setPalette(palette); }
    ~DesktopPalette() { QApplication::setPalette(previous); }
};

// Pictures of a window for a person to look at, NAME-light.png and NAME-dark.png, when
// PLUMBLINE_SCREENSHOTS_DIR names a folder.
inline void grabLightAndDark(QWidget *window, const QString &name)
{
    const QString dir = qEnvironmentVariable("PLUMBLINE_SCREENSHOTS_DIR");
    if (dir.isEmpty() || !window)
        return;
    window->grab().save(QDir(dir).filePath(name + QStringLiteral("-light.png")));
    {
        const DesktopPalette dark(darkPalette());
        QCoreApplication::processEvents();
        window->grab().save(QDir(dir).filePath(name + QStringLiteral("-dark.png")));
    }
    QCoreApplication::processEvents();
}

} // namespace palettetest
