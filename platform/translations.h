#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

namespace platform {

// The languages the program speaks besides English, as ISO 639 codes ("de", "es", "fr").
QStringList translatedLanguages();

// Installs the program's translation for the locale's language, and Qt's own beside it so that
// standard buttons and dialogs match. With no translation of the program for that language,
// nothing is installed at all: the program stays entirely in English rather than mixing English
// windows with translated standard buttons. Any translation installed earlier is removed first.
// Returns the language installed ("de"), or an empty string for English.
QString installTranslations(const QLocale &locale = QLocale());

// Removes what installTranslations() installed: the program speaks English again.
void removeTranslations();

} // namespace platform
