#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "app/language.h"
#include "display/picture_area_accessible.h"
#include "evaluation/evaluation.h"
#include "window/simulation.h"
#include "window/trace_style_choice.h"

namespace {

QString Translated(const char* text) {
  return QCoreApplication::translate("CommandLine", text);
}

// The language the command line asks for, or the system's; nothing for an unknown --lang.
std::optional<quirlweg::Language> RequestedLanguage(const QCommandLineOption& lang) {
  QCommandLineParser peek;
  peek.addOption(lang);
  peek.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
  peek.parse(QCoreApplication::arguments());  // unknown options are answered below
  std::optional<QString> flag;
  if (peek.isSet(lang)) flag = peek.value(lang);
  const auto language = quirlweg::ChooseLanguage(flag, QLocale::system().language());
  if (!language) {
    // Refused in the system's language, since the asked-for one is unknown.
    quirlweg::InstallTranslation(
        *QCoreApplication::instance(),
        *quirlweg::ChooseLanguage(std::nullopt, QLocale::system().language()));
    // Status 2, as usual for a usage error.
    std::fprintf(
        stderr, "%s\n",
        qPrintable(Translated(QT_TRANSLATE_NOOP(
                                  "CommandLine",
                                  "quirlweg: Unbekannte Sprache „%1“, erlaubt sind de und en."))
                       .arg(*flag)));
  }
  return language;
}

// Reads the command line. Help, version and unknown options are answered here, in the chosen
// language, and end the program; so does a language other than de or en. Runs before the
// window's application exists, so that --help and --version need no display.
quirlweg::Language ParseCommandLine(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("quirlweg"));
  QCoreApplication::setApplicationVersion(QStringLiteral(QUIRLWEG_VERSION));
  const QCommandLineOption unnamedLang(QStringLiteral("lang"), QString(), QStringLiteral("de|en"));
  const auto language = RequestedLanguage(unnamedLang);
  if (!language) std::exit(2);
  quirlweg::InstallTranslation(app, *language);

  QCommandLineParser parser;
  parser.setApplicationDescription(Translated(QT_TRANSLATE_NOOP(
      "CommandLine", "Quirlweg zeigt Irrfahrten auf einem quadratischen oder kubischen Gitter.")));
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addOption(QCommandLineOption(
      QStringLiteral("lang"),
      Translated(QT_TRANSLATE_NOOP("CommandLine", "Sprache der Texte: de oder en.")),
      QStringLiteral("de|en")));
  // Qt prints help, version and unknown options itself and ends the program.
  parser.process(app);
  return *language;
}

}  // namespace

int main(int argc, char* argv[]) {
  const quirlweg::Language language = ParseCommandLine(argc, argv);
  QApplication app(argc, argv);
  QGuiApplication::setDesktopFileName(QStringLiteral("de.quirlweg.Quirlweg"));
  quirlweg::InstallTranslation(app, language);
  quirlweg::InstallPictureAreaAccessibility();

  quirlweg::Simulation window;
  new quirlweg::Evaluation(window);  // a child of the window
  new quirlweg::TraceStyleChoice(window);
  window.showMaximized();
  return QApplication::exec();
}
