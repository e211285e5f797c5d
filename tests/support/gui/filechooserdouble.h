#pragma once

#include "platform/filechooser.h"

#include <QList>
#include <QQueue>
#include <QString>

namespace testing {

// A file chooser that never shows: it records every call and answers with the queued
// paths, or as Cancel (an empty path) when none is queued. Installed for its lifetime.
class ScriptedFileChooser : public platform::FileChooser
{
public:
    struct Call
    {
        QString caption;
        QString suggested;
        QString filter;
        QWidget *parent = nullptr;
    };

    ScriptedFileChooser() { platform::FileChooser::setInstance(this); }
    ~ScriptedFileChooser() override { platform::FileChooser::setInstance(nullptr); }
    ScriptedFileChooser(const ScriptedFileChooser &) = delete;
    ScriptedFileChooser &operator=(const ScriptedFileChooser &) = delete;

    QString saveFileName(QWidget *parent, const QString &caption, const QString &suggested,
                         const QString &filter) override
    {
        m_calls.append({caption, suggested, filter, parent});
        return m_answers.isEmpty() ? QString() : m_answers.dequeue();
    }

    void enqueue(const QString &path) { m_answers.enqueue(path); }
    const QList<Call> &calls() const { return m_calls; }

private:
    QQueue<QString> m_answers;
    QList<Call> m_calls;
};

} // namespace testing
