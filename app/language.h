#pragma once

#include <QLocale>
#include <QString>
#include <optional>

class QCoreApplication;
class QTranslator;

namespace quirlweg {

enum class Language { German, English };

// The language of the texts: the --lang value when one was given (std::nullopt for a value
// other than "de" or "en"), else English on an English system and German on any other,
// including the C locale, since the classes using the program speak German.
std::optional<Language> ChooseLanguage(const std::optional<QString>& langFlag,
                                       QLocale::Language systemLanguage);

// Loads Qt's own texts in the chosen language (from Debian's Qt translations) and, when English
// was chosen, the program's English texts, and returns the latter's translator, which `app`
// owns. German is the program's source language and needs none: then, or when the translation
// cannot be loaded, the German texts stay and the answer is null.
QTranslator* InstallTranslation(QCoreApplication& app, Language language);

}  // namespace quirlweg
