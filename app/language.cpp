#include "app/language.h"

#include <QCoreApplication>
#include <QTranslator>
#include <memory>

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

QTranslator* InstallTranslation(QCoreApplication& app, Language language) {
  if (language != Language::English) return nullptr;
  // The application owns the translator, so it lives as long as the texts that use it.
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(QStringLiteral(":/i18n/quirlweg_en.qm"))) return nullptr;
  translator->setParent(&app);
  QCoreApplication::installTranslator(translator.get());
  return translator.release();
}

}  // namespace quirlweg
