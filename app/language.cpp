#include "app/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
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

namespace {

// The application owns the translator, so it lives as long as the texts that use it.
QTranslator* Install(QCoreApplication& app, const QString& file, const QString& folder = {}) {
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(file, folder)) return nullptr;
  translator->setParent(&app);
  QCoreApplication::installTranslator(translator.get());
  return translator.release();
}

}  // namespace

QTranslator* InstallTranslation(QCoreApplication& app, Language language) {
  // Qt's own texts (dialogs, edit menus, --help) in the same language as the program's.
  const QString qtTexts =
      language == Language::English ? QStringLiteral("qt_en") : QStringLiteral("qt_de");
  Install(app, qtTexts, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  if (language != Language::English) return nullptr;
  return Install(app, QStringLiteral(":/i18n/quirlweg_en.qm"));
}

}  // namespace quirlweg
