#pragma once

#include <QString>

namespace platform {

// Plain-text clipboard.
class Clipboard
{
public:
    virtual ~Clipboard() = default;
    virtual void setText(const QString &text) = 0;
    virtual QString text() const = 0; // empty when the clipboard holds no text

    static Clipboard &instance();
    static void setInstance(Clipboard *clipboard); // nullptr restores the system clipboard
};

} // namespace platform
