#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>

#include "ui/language.h"
#include "ui/simulation.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("quirlweg"));
  QCoreApplication::setApplicationVersion(QStringLiteral(QUIRLWEG_VERSION));
  QGuiApplication::setDesktopFileName(QStringLiteral("de.quirlweg.Quirlweg"));

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
    return 2;
  }
  quirlweg::InstallTranslation(app, *language);

  quirlweg::Simulation window;
  window.showMaximized();
  return QApplication::exec();
}
