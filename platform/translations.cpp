#include "platform/translations.h"

#include <QCoreApplication>
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
    return {QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es")};
}

QString installTranslations(const QLocale &locale)
{
    removeTranslations();
    auto program = std::make_unique<QTranslator>();
    // QTranslator walks the locale's languages in the user's order of preference (LANGUAGE,
    // then LC_ALL/LC_MESSAGES/LANG), so "de_AT" finds "plumbline_de".
    if (!program->load(locale, QStringLiteral("plumbline"), QStringLiteral("_"), ProgramTranslations))
        return {};
    const QString language = program->language().section(QLatin1Char('_'), 0, 0);
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const QString &catalogue : {QStringLiteral("qtbase"), QStringLiteral("qt")}) {
        auto qt = std::make_unique<QTranslator>();
        if (qt->load(QLocale(language), catalogue, QStringLiteral("_"), qtFolder)) {
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
