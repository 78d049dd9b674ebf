#include "app/language.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTranslator>

namespace quirlweg {
namespace {

struct LanguageCase {
  const char* label;
  std::optional<QString> flag;
  QLocale::Language system;
  std::optional<Language> expected;  // std::nullopt: the value is refused
};

// The flag wins over the system; without it only an English system gives English, the C
// locale (no language at all, as on many classroom servers) stays German.
TEST(ChooseLanguage, FlagThenSystemLanguage) {
  const LanguageCase cases[] = {
      {"no flag, C locale", std::nullopt, QLocale::C, Language::German},
      {"no flag, en_US", std::nullopt, QLocale::English, Language::English},
      {"no flag, de_DE", std::nullopt, QLocale::German, Language::German},
      {"--lang de, en_US", QStringLiteral("de"), QLocale::English, Language::German},
      {"--lang en, C locale", QStringLiteral("en"), QLocale::C, Language::English},
      {"--lang fr", QStringLiteral("fr"), QLocale::German, std::nullopt},
  };
  for (const LanguageCase& c : cases) {
    EXPECT_EQ(ChooseLanguage(c.flag, c.system), c.expected) << c.label;
  }
}

// Qt's own dialogs, edit menus and --help speak the program's language, not English.
TEST(InstallTranslation, QtTextsFollowTheChosenLanguage) {
  const struct {
    Language language;
    const char* context;
    const char* source;
    const char* shown;
  } cases[] = {
      {Language::German, "QFileDialog", "Look in:", "Suchen in:"},
      {Language::German, "QCommandLineParser", "Usage: %1", "Aufruf: %1"},
      {Language::English, "QFileDialog", "Look in:", "Look in:"},
  };
  for (const auto& c : cases) {
    InstallTranslation(*QCoreApplication::instance(), c.language);
    EXPECT_EQ(QCoreApplication::translate(c.context, c.source), QString::fromUtf8(c.shown))
        << c.source;
    for (QTranslator* t : QCoreApplication::instance()->findChildren<QTranslator*>()) {
      QCoreApplication::removeTranslator(t);
      delete t;
    }
  }
}

}  // namespace
}  // namespace quirlweg
