#include "platform/documentopener.h"

#include <QDesktopServices>
#include <QUrl>

namespace platform {

namespace {

class DesktopDocumentOpener : public DocumentOpener
{
public:
    bool openFile(const QString &path) override { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); }
};

DocumentOpener *g_installed = nullptr;

} // namespace

DocumentOpener &DocumentOpener::instance()
{
    static DesktopDocumentOpener desktop;
    return g_installed ? *g_installed : desktop;
}

void DocumentOpener::setInstance(DocumentOpener *opener)
{
    g_installed = opener;
}

} // namespace platform
