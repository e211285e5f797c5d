#pragma once

#include <QString>

class QWidget;

namespace platform {

// The file chooser of a Save As command, so tests can script the chosen path.
class FileChooser
{
public:
    virtual ~FileChooser() = default;
    // The path to write, or an empty text when the user cancelled. `suggested` is the
    // proposed file name or path, `filter` the usual "Kind (*.ext)" list.
    virtual QString saveFileName(QWidget *parent, const QString &caption, const QString &suggested,
                                 const QString &filter) = 0;

    static FileChooser &instance();
    static void setInstance(FileChooser *chooser); // nullptr restores the desktop's chooser
};

} // namespace platform
