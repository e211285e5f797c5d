#pragma once

#include "platform/filechooser.h"

#include <QQueue>
#include <QStringList>

namespace testing {

// A file chooser that never shows: it records each request and answers from a queue
// (empty, as Cancel, when nothing is queued). Installed for the life of the object.
class ScriptedFileChooser : public platform::FileChooser
{
public:
    ScriptedFileChooser() { platform::FileChooser::setInstance(this); }
    ~ScriptedFileChooser() override { platform::FileChooser::setInstance(nullptr); }
    ScriptedFileChooser(const ScriptedFileChooser &) = delete;
    ScriptedFileChooser &operator=(const ScriptedFileChooser &) = delete;

    QString openFileName(QWidget *, const QString &caption, const QString &, const QString &filter) override
    {
        captions << caption;
        filters << filter;
        return answers.isEmpty() ? QString() : answers.dequeue();
    }

    QQueue<QString> answers;
    QStringList captions;
    QStringList filters;
};

} // namespace testing
