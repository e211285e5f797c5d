#pragma once

#include <QString>

class QWidget;

namespace platform {

// The system's file chooser, so tests can script the file the user picks.
class FileChooser
{
public:
    virtual ~FileChooser() = default;
    // The file picked to open; empty when the user cancelled.
    virtual QString openFileName(QWidget *parent, const QString &caption, const QString &folder,
                                 const QString &filter) = 0;
    // The path to write, or an empty text when the user cancelled. `suggested` is the
    // proposed file name or path, `filter` the usual "Kind (*.ext)" list. An existing file
    // comes back only after the user agreed to replace it.
    virtual QString saveFileName(QWidget *parent, const QString &caption, const QString &suggested,
                                 const QString &filter) = 0;
    // An existing folder the user picked, starting in `folder`; empty when the user cancelled.
    virtual QString existingFolder(QWidget *parent, const QString &caption, const QString &folder) = 0;

    static FileChooser &instance();
    static void setInstance(FileChooser *chooser); // nullptr restores the system's
};

} // namespace platform
