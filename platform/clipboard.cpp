#include "platform/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace platform {

namespace {

class SystemClipboard : public Clipboard
{
public:
    void setText(const QString &text) override
    {
        if (QClipboard *clipboard = systemClipboard())
            clipboard->setText(text);
    }

    QString text() const override
    {
        if (QClipboard *clipboard = systemClipboard())
            return clipboard->text();
        return QString();
    }

private:
    // There is no clipboard before the application object exists.
    static QClipboard *systemClipboard()
    {
        return qobject_cast<QGuiApplication *>(QCoreApplication::instance()) ? QGuiApplication::clipboard() : nullptr;
    }
};

Clipboard *g_installed = nullptr;

} // namespace

Clipboard &Clipboard::instance()
{
    static SystemClipboard system;
    return g_installed ? *g_installed : system;
}

void Clipboard::setInstance(Clipboard *clipboard)
{
    g_installed = clipboard;
}

} // namespace platform
