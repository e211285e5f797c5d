#include "platformdoubles.h"

#include "core/runtimeerror.h"

#include <QDebug>
#include <utility>

namespace testing {

using platform::MessageBoxCall;
using platform::MsgButtons;
using platform::MsgResult;

namespace {

bool isButtonOf(MsgResult answer, MsgButtons buttons)
{
    switch (buttons) {
    case MsgButtons::OK:
        return answer == MsgResult::OK;
    case MsgButtons::OKCancel:
        return answer == MsgResult::OK || answer == MsgResult::Cancel;
    case MsgButtons::YesNo:
        return answer == MsgResult::Yes || answer == MsgResult::No;
    case MsgButtons::YesNoCancel:
        return answer == MsgResult::Yes || answer == MsgResult::No || answer == MsgResult::Cancel;
    }
    return false;
}

} // namespace

// ---- ScriptedMessageBoxes ------------------------------------------------

MsgResult ScriptedMessageBoxes::show(const MessageBoxCall &call)
{
    m_calls.append(call);
    if (m_onShow)
        m_onShow(call);

    if (call.buttons == MsgButtons::OK) {
        if (!m_answers.isEmpty() && m_answers.head() == MsgResult::OK)
            m_answers.dequeue();
        return MsgResult::OK;
    }
    if (m_answers.isEmpty()) {
        m_unexpectedQuestion = true;
        qWarning().noquote() << "ScriptedMessageBoxes: no answer queued for" << call.text;
        return call.buttons == MsgButtons::YesNo ? MsgResult::No : MsgResult::Cancel;
    }
    const MsgResult answer = m_answers.dequeue();
    if (!isButtonOf(answer, call.buttons)) {
        m_answerMismatch = true;
        qWarning().noquote() << "ScriptedMessageBoxes: queued answer is not a button of" << call.text;
    }
    return answer;
}

QList<MessageBoxCall> ScriptedMessageBoxes::takeCalls()
{
    return std::exchange(m_calls, QList<MessageBoxCall>());
}

MessageBoxCall ScriptedMessageBoxes::lastCall() const
{
    return m_calls.isEmpty() ? MessageBoxCall() : m_calls.last();
}

QStringList ScriptedMessageBoxes::texts() const
{
    QStringList result;
    for (const MessageBoxCall &call : m_calls)
        result.append(call.text);
    return result;
}

void ScriptedMessageBoxes::clear()
{
    m_answers.clear();
    m_calls.clear();
    m_unexpectedQuestion = false;
    m_answerMismatch = false;
}

// ---- MemorySettingsStore -------------------------------------------------

QString MemorySettingsStore::fullKey(const QString &appName, const QString &section, const QString &key)
{
    return appName + QLatin1Char('/') + section + QLatin1Char('/') + key;
}

QString MemorySettingsStore::getSetting(const QString &appName, const QString &section, const QString &key,
                                        const QString &defaultValue) const
{
    return m_values.value(fullKey(appName, section, key), defaultValue);
}

void MemorySettingsStore::saveSetting(const QString &appName, const QString &section, const QString &key,
                                      const QString &value)
{
    if (m_failWrites) {
        ++m_failedWrites;
        throw RuntimeError(RuntimeError::PathFileAccessError);
    }
    m_values.insert(fullKey(appName, section, key), value);
    ++m_saveCount;
}

bool MemorySettingsStore::contains(const QString &appName, const QString &section, const QString &key) const
{
    return m_values.contains(fullKey(appName, section, key));
}

// ---- RecordingPrinter ----------------------------------------------------

bool RecordingPrinter::showPrintDialog(const QString &title, QWidget *parent)
{
    m_dialogTitles.append(title);
    m_dialogParents.append(parent);
    return m_dialogAnswer;
}

void RecordingPrinter::endDoc()
{
    m_documents.append(std::exchange(m_current, QStringList()));
}

void RecordingPrinter::killDoc()
{
    m_current.clear();
    ++m_killed;
}

// ---- PlatformDoubles -----------------------------------------------------

PlatformDoubles::PlatformDoubles()
    : m_previousBoxes(&platform::MessageBoxes::instance()), m_previousClipboard(&platform::Clipboard::instance()),
      m_previousSettings(&platform::SettingsStore::instance()), m_previousPrinter(&platform::Printer::instance()),
      m_localeWasFixed(platform::LocaleServices::isLocaleFixed()), m_previousLocale(platform::LocaleServices::locale())
{
    platform::MessageBoxes::setInstance(&boxes);
    platform::Clipboard::setInstance(&clipboard);
    platform::SettingsStore::setInstance(&settings);
    platform::Printer::setInstance(&printer);
    platform::LocaleServices::setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
}

PlatformDoubles::~PlatformDoubles()
{
    platform::MessageBoxes::setInstance(m_previousBoxes);
    platform::Clipboard::setInstance(m_previousClipboard);
    platform::SettingsStore::setInstance(m_previousSettings);
    platform::Printer::setInstance(m_previousPrinter);
    if (m_localeWasFixed)
        platform::LocaleServices::setLocale(m_previousLocale);
    else
        platform::LocaleServices::resetLocale();
}

} // namespace testing
