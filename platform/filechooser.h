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

    static FileChooser &instance();
    static void setInstance(FileChooser *chooser); // nullptr restores the system's
};

} // namespace platform
