#pragma once

#include <QString>

// The password setting never holds the password itself: it holds a salted, slow,
// self-describing Argon2id hash ("$argon2id$..."), or one of the two sentinels.
namespace platform::passwordhash {

// Where the setting lives in the per-user settings store, and its two fixed words.
inline const QString SettingApp = QStringLiteral("PLUMBLINE");
inline const QString SettingSection = QStringLiteral("STARTUP");
inline const QString SettingKey = QStringLiteral("txtPasswordPL35");
inline const QString NeverConfigured = QStringLiteral("larkspur");
inline const QString NoPassword = QStringLiteral("void417");

QString readSetting();                   // NeverConfigured when the key is absent
void writeSetting(const QString &value); // a hash or NoPassword, never a typed text

// Whether a stored value is a hash written by this program.
bool isHash(const QString &stored);

// A fresh hash of the text (a new random salt each time). Raises RuntimeError 7
// when the hashing cannot get its memory.
QString hash(const QString &password);

// Whether the typed text is the password the stored value stands for: a hash is
// checked in constant time; any other value is a password an earlier version kept
// as typed, compared exactly.
bool matches(const QString &stored, const QString &typed);

} // namespace platform::passwordhash
