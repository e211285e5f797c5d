#pragma once

#include <QString>

namespace platform {

// Opens a document of the program's (the user guide) in the desktop's program for its kind,
// so tests can record what would have been opened.
class DocumentOpener
{
public:
    virtual ~DocumentOpener() = default;
    // False when the desktop has nothing to open the file with.
    virtual bool openFile(const QString &path) = 0;

    static DocumentOpener &instance();
    static void setInstance(DocumentOpener *opener); // nullptr restores the desktop's
};

} // namespace platform
