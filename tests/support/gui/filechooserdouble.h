#pragma once

#include "platform/filechooser.h"

#include <QList>
#include <QQueue>
#include <QString>
#include <QStringList>

namespace testing {

// A file chooser that never shows: it records every call and answers with the queued
// paths, or as Cancel (an empty path) when none is queued. Installed for its lifetime.
class ScriptedFileChooser : public platform::FileChooser
{
public:
    struct Call
    {
        QString caption;
        QString suggested; // the folder, for an open or a folder choice
        QString filter;
        QWidget *parent = nullptr;
        bool save = false;
        bool folder = false; // a folder was asked for
    };

    ScriptedFileChooser() { platform::FileChooser::setInstance(this); }
    ~ScriptedFileChooser() override { platform::FileChooser::setInstance(nullptr); }
    ScriptedFileChooser(const ScriptedFileChooser &) = delete;
    ScriptedFileChooser &operator=(const ScriptedFileChooser &) = delete;

    QString openFileName(QWidget *parent, const QString &caption, const QString &folder, const QString &filter) override
    {
        return answer({caption, folder, filter, parent, false});
    }

    QString saveFileName(QWidget *parent, const QString &caption, const QString &suggested,
                         const QString &filter) override
    {
        return answer({caption, suggested, filter, parent, true});
    }

    QString existingFolder(QWidget *parent, const QString &caption, const QString &folder) override
    {
        return answer({caption, folder, QString(), parent, false, true});
    }

    void enqueue(const QString &path) { answers.enqueue(path); }
    const QList<Call> &calls() const { return m_calls; }

    QQueue<QString> answers;
    QStringList captions;
    QStringList filters;

private:
    QString answer(const Call &call)
    {
        m_calls.append(call);
        captions << call.caption;
        filters << call.filter;
        return answers.isEmpty() ? QString() : answers.dequeue();
    }

    QList<Call> m_calls;
};

} // namespace testing
