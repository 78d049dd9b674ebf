#include "ui/language.h"

#include <QCoreApplication>
#include <QTranslator>

namespace quirlweg {

std::optional<Language> ChooseLanguage(const std::optional<QString>& langFlag,
                                       QLocale::Language systemLanguage) {
  if (langFlag) {
    if (*langFlag == QLatin1String("de")) return Language::German;
    if (*langFlag == QLatin1String("en")) return Language::English;
    return std::nullopt;
  }
  return systemLanguage == QLocale::English ? Language::English : Language::German;
}

void InstallTranslation(QCoreApplication& app, Language language) {
  if (language != Language::English) return;
  // The application owns the translator, so it lives as long as the texts that use it.
  auto* translator = new QTranslator(&app);
  if (translator->load(QStringLiteral(":/i18n/quirlweg_en.qm"))) {
    QCoreApplication::installTranslator(translator);
  } else {
    delete translator;
  }
}

}  // namespace quirlweg
