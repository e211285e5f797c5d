#pragma once

#include "platform/documentopener.h"

#include <QStringList>

namespace testing {

// A document opener that opens nothing: it records the files asked for and answers as told.
// Installed for its lifetime.
class RecordingDocumentOpener : public platform::DocumentOpener
{
public:
    RecordingDocumentOpener() { platform::DocumentOpener::setInstance(this); }
    ~RecordingDocumentOpener() override { platform::DocumentOpener::setInstance(nullptr); }
    RecordingDocumentOpener(const RecordingDocumentOpener &) = delete;
    RecordingDocumentOpener &operator=(const RecordingDocumentOpener &) = delete;

    bool openFile(const QString &path) override
    {
        opened << path;
        return answer;
    }

    QStringList opened;
    bool answer = true;
};

} // namespace testing
