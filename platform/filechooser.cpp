#include "platform/filechooser.h"

#include <QFileDialog>

namespace platform {

namespace {

class DesktopFileChooser : public FileChooser
{
public:
    QString saveFileName(QWidget *parent, const QString &caption, const QString &suggested,
                         const QString &filter) override
    {
        // The dialog asks before replacing an existing file.
        return QFileDialog::getSaveFileName(parent, caption, suggested, filter);
    }
};

FileChooser *g_installed = nullptr;

} // namespace

FileChooser &FileChooser::instance()
{
    static DesktopFileChooser desktop;
    return g_installed ? *g_installed : desktop;
}

void FileChooser::setInstance(FileChooser *chooser)
{
    g_installed = chooser;
}

} // namespace platform
