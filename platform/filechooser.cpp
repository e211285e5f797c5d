#include "platform/filechooser.h"

#include <QFileDialog>

namespace platform {

namespace {

class SystemFileChooser : public FileChooser
{
public:
    QString openFileName(QWidget *parent, const QString &caption, const QString &folder, const QString &filter) override
    {
        return QFileDialog::getOpenFileName(parent, caption, folder, filter);
    }

    QString saveFileName(QWidget *parent, const QString &caption, const QString &suggested,
                         const QString &filter) override
    {
        // The dialog asks before replacing an existing file.
        return QFileDialog::getSaveFileName(parent, caption, suggested, filter);
    }

    QString existingFolder(QWidget *parent, const QString &caption, const QString &folder) override
    {
        return QFileDialog::getExistingDirectory(parent, caption, folder);
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
