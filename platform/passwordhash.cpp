#include "platform/passwordhash.h"

#include "core/runtimeerror.h"
#include "platform/settingsstore.h"

#include <QByteArray>
#include <QCoreApplication>
#include <algorithm>
#include <sodium.h>

namespace platform::passwordhash {

namespace {

void initialiseOnce()
{
    // sodium_init is safe to call again, but once is enough; it fails only when the
    // system has no source of randomness.
    static const int status = sodium_init();
    if (status < 0)
        throw RuntimeError(RuntimeError::OutOfMemory,
                           QCoreApplication::translate("Password", "The password library cannot start"));
}

} // namespace

QString readSetting()
{
    return platform::SettingsStore::instance().getSetting(SettingApp, SettingSection, SettingKey, NeverConfigured);
}

void writeSetting(const QString &value)
{
    platform::SettingsStore::instance().saveSetting(SettingApp, SettingSection, SettingKey, value);
}

bool isHash(const QString &stored)
{
    return stored.startsWith(QLatin1String("$argon2"));
}

QString hash(const QString &password)
{
    initialiseOnce();
    const QByteArray bytes = password.toUtf8();
    char out[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(out, bytes.constData(), static_cast<unsigned long long>(bytes.size()),
                          crypto_pwhash_OPSLIMIT_INTERACTIVE, crypto_pwhash_MEMLIMIT_INTERACTIVE) != 0)
        throw RuntimeError(RuntimeError::OutOfMemory);
    return QString::fromLatin1(out);
}

bool matches(const QString &stored, const QString &typed)
{
    if (!isHash(stored))
        return stored == typed;
    initialiseOnce();
    const QByteArray hashText = stored.toLatin1();
    if (hashText.size() >= crypto_pwhash_STRBYTES)
        return false;
    char buffer[crypto_pwhash_STRBYTES] = {};
    std::copy(hashText.constBegin(), hashText.constEnd(), buffer);
    const QByteArray bytes = typed.toUtf8();
    return crypto_pwhash_str_verify(buffer, bytes.constData(), static_cast<unsigned long long>(bytes.size())) == 0;
}

} // namespace platform::passwordhash
