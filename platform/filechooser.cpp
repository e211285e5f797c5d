#include "platform/filechooser.h"

#include <QFileDialog>

namespace platform {

namespace {

class SystemFileChooser : public FileChooser
{
public:
    QString saveFileName(QWidget *parent, const QString &caption, const QString &suggested,
                         const QString &filter) override
    {
        // The report dialog asks before it replaces a file, so the chooser need not ask too.
        return QFileDialog::getSaveFileName(parent, caption, suggested, filter, nullptr,
                                            QFileDialog::DontConfirmOverwrite);
    }
};

FileChooser *g_installed = nullptr;

} // namespace

FileChooser &FileChooser::instance()
{
    static SystemFileChooser system;
    return g_installed ? *g_installed : system;
}

void FileChooser::setInstance(FileChooser *chooser)
{
    g_installed = chooser;
}

} // namespace platform
