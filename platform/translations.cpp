#include "platform/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>
#include <vector>

namespace platform {

namespace {

// The program's translations are compiled into it; Qt's come from the system's Qt.
const QString ProgramTranslations = QStringLiteral(":/i18n");

std::vector<std::unique_ptr<QTranslator>> &installed()
{
    static std::vector<std::unique_ptr<QTranslator>> translators;
    return translators;
}

} // namespace

QStringList translatedLanguages()
{
    // The build compiles in one catalogue per language it has a .ts source for.
    QStringList languages;
    const QStringList catalogues =
        QDir(ProgramTranslations).entryList({QStringLiteral("plumbline_*.qm")}, QDir::Files, QDir::Name);
    for (const QString &catalogue : catalogues)
        languages.append(catalogue.section(QLatin1Char('_'), 1).section(QLatin1Char('.'), 0, 0));
    return languages;
}

QString installTranslations(const QLocale &locale)
{
    removeTranslations();
    // The languages in the user's order of preference (LANGUAGE, then LC_ALL/LC_MESSAGES/LANG):
    // the first the program speaks wins, and English, spoken without a translation, is one of
    // them, so "en:de" stays English and "de_AT" finds German.
    const QStringList spoken = translatedLanguages();
    QString language;
    for (const QString &tag : locale.uiLanguages()) {
        const QString candidate = tag.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        if (candidate == QLatin1String("en") || candidate == QLatin1String("c"))
            return {};
        if (spoken.contains(candidate)) {
            language = candidate;
            break;
        }
    }
    auto program = std::make_unique<QTranslator>();
    if (language.isEmpty() || !program->load(QStringLiteral("plumbline_") + language, ProgramTranslations))
        return {};
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const QString &catalogue : {QStringLiteral("qtbase"), QStringLiteral("qt")}) {
        auto qt = std::make_unique<QTranslator>();
        if (qt->load(catalogue + QLatin1Char('_') + language, qtFolder)) {
            QCoreApplication::installTranslator(qt.get());
            installed().push_back(std::move(qt));
            break;
        }
    }
    QCoreApplication::installTranslator(program.get());
    installed().push_back(std::move(program));
    return language;
}

void removeTranslations()
{
    for (const auto &translator : installed())
        QCoreApplication::removeTranslator(translator.get());
    installed().clear();
}

} // namespace platform
