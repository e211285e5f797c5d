#pragma once

#include <QString>

class QWidget;

namespace platform {

// The system's file chooser, so tests can script the answer.
class FileChooser
{
public:
    virtual ~FileChooser() = default;
    // The file the user chose to save to, starting from `suggested`; empty when cancelled.
    virtual QString saveFileName(QWidget *parent, const QString &caption, const QString &suggested,
                                 const QString &filter) = 0;

    static FileChooser &instance();
    static void setInstance(FileChooser *chooser); // nullptr restores the system chooser
};

} // namespace platform
