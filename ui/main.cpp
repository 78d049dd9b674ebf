#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>
#include <cstdlib>

#include "display/picture_area_accessible.h"
#include "ui/language.h"
#include "ui/simulation.h"

namespace {

// Reads the command line. Help, version and unknown options are answered here and end the
// program; so does a language other than de or en. Runs before the window's application
// exists, so that --help and --version need no display.
quirlweg::Language ParseCommandLine(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("quirlweg"));
  QCoreApplication::setApplicationVersion(QStringLiteral(QUIRLWEG_VERSION));

  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("Quirlweg zeigt Irrfahrten auf einem quadratischen oder kubischen Gitter."));
  parser.addHelpOption();
  parser.addVersionOption();
  const QCommandLineOption langOption(QStringLiteral("lang"),
                                      QStringLiteral("Sprache der Texte: de oder en."),
                                      QStringLiteral("de|en"));
  parser.addOption(langOption);

  // Qt prints help, version and unknown options itself and ends the program.
  parser.process(app);

  std::optional<QString> langFlag;
  if (parser.isSet(langOption)) langFlag = parser.value(langOption);
  const auto language = quirlweg::ChooseLanguage(langFlag, QLocale::system().language());
  if (!language) {
    // Status 2, as usual for a usage error.
    std::fprintf(stderr, "quirlweg: Unbekannte Sprache „%s“, erlaubt sind de und en.\n",
                 qPrintable(*langFlag));
    std::exit(2);
  }
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
  window.showMaximized();
  return QApplication::exec();
}
