#pragma once

#include "platform/clipboard.h"
#include "platform/locale.h"
#include "platform/messagebox.h"
#include "platform/printer.h"
#include "platform/settingsstore.h"

#include <QList>
#include <QMap>
#include <QQueue>
#include <QStringList>
#include <functional>
#include <utility>

namespace testing {

// Message boxes that never show: every box is recorded, answers come from a queue.
// A box with only OK answers OK without needing a queued answer (it takes a queued OK
// if one is at the front). A question with nothing queued answers No (Cancel where the
// box has Cancel) and sets unexpectedQuestion(), so a test sees a box it did not plan for.
class ScriptedMessageBoxes : public platform::MessageBoxes
{
public:
    platform::MsgResult show(const platform::MessageBoxCall &call) override;

    void enqueue(platform::MsgResult answer) { m_answers.enqueue(answer); }
    int pendingAnswers() const { return int(m_answers.size()); }
    // Called for every box before it answers (a test can look at the windows then).
    void setOnShow(std::function<void(const platform::MessageBoxCall &)> onShow) { m_onShow = std::move(onShow); }

    const QList<platform::MessageBoxCall> &calls() const { return m_calls; }
    QList<platform::MessageBoxCall> takeCalls();
    platform::MessageBoxCall lastCall() const; // a default call when there was none
    QStringList texts() const;

    // A question came with no answer queued.
    bool unexpectedQuestion() const { return m_unexpectedQuestion; }
    // A queued answer was not one of the box's buttons.
    bool answerMismatch() const { return m_answerMismatch; }
    void clear();

private:
    QQueue<platform::MsgResult> m_answers;
    QList<platform::MessageBoxCall> m_calls;
    std::function<void(const platform::MessageBoxCall &)> m_onShow;
    bool m_unexpectedQuestion = false;
    bool m_answerMismatch = false;
};

class FakeClipboard : public platform::Clipboard
{
public:
    void setText(const QString &text) override
    {
        m_text = text;
        ++m_setCount;
    }
    QString text() const override { return m_text; }
    int setCount() const { return m_setCount; }

private:
    QString m_text;
    int m_setCount = 0;
};

class MemorySettingsStore : public platform::SettingsStore
{
public:
    QString getSetting(const QString &appName, const QString &section, const QString &key,
                       const QString &defaultValue) const override;
    void saveSetting(const QString &appName, const QString &section, const QString &key, const QString &value) override;

    bool contains(const QString &appName, const QString &section, const QString &key) const;
    // All values, keyed "app/section/key".
    const QMap<QString, QString> &values() const { return m_values; }
    int saveCount() const { return m_saveCount; }
    void clear() { m_values.clear(); }
    // While set, every write fails as the real store's does (error 75) and stores nothing.
    void setFailWrites(bool fail) { m_failWrites = fail; }
    int failedWrites() const { return m_failedWrites; }

    static QString fullKey(const QString &appName, const QString &section, const QString &key);

private:
    QMap<QString, QString> m_values;
    int m_saveCount = 0;
    bool m_failWrites = false;
    int m_failedWrites = 0;
};

class RecordingPrinter : public platform::Printer
{
public:
    bool showPrintDialog(const QString &title, QWidget *parent) override;
    void printLine(const QString &line) override { m_current.append(line); }
    void endDoc() override;
    void killDoc() override;

    void setDialogAnswer(bool print) { m_dialogAnswer = print; }
    const QStringList &dialogTitles() const { return m_dialogTitles; }
    const QList<QWidget *> &dialogParents() const { return m_dialogParents; }
    // The lines of every document sent, in order.
    const QList<QStringList> &documents() const { return m_documents; }
    const QStringList &currentLines() const { return m_current; }
    int killedCount() const { return m_killed; }

private:
    bool m_dialogAnswer = true;
    QStringList m_dialogTitles;
    QList<QWidget *> m_dialogParents;
    QList<QStringList> m_documents;
    QStringList m_current;
    int m_killed = 0;
};

// Installs all four doubles and United States English for the life of the object,
// and puts back what was there before.
class PlatformDoubles
{
public:
    PlatformDoubles();
    ~PlatformDoubles();
    PlatformDoubles(const PlatformDoubles &) = delete;
    PlatformDoubles &operator=(const PlatformDoubles &) = delete;

    ScriptedMessageBoxes boxes;
    FakeClipboard clipboard;
    MemorySettingsStore settings;
    RecordingPrinter printer;

private:
    platform::MessageBoxes *m_previousBoxes;
    platform::Clipboard *m_previousClipboard;
    platform::SettingsStore *m_previousSettings;
    platform::Printer *m_previousPrinter;
    bool m_localeWasFixed;
    QLocale m_previousLocale;
};

} // namespace testing
