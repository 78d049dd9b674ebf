#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QTimer>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "app/class_run.h"
#include "app/headless.h"
#include "app/language.h"
#include "classboard/class_board.h"
#include "display/focus_ring.h"
#include "display/picture_area_accessible.h"
#include "evaluation/evaluation.h"
#include "experiment/experiment_file.h"
#include "experiment/file_access.h"
#include "export/experiment_files.h"
#include "export/series_keeper.h"
#include "files/safe_file.h"
#include "window/contrast_choice.h"
#include "window/counted_journeys.h"
#include "window/experiment_actions.h"
#include "window/journey_announcements.h"
#include "window/simulation.h"
#include "window/trace_style_choice.h"

namespace {

QString Translated(const char* text) {
  return QCoreApplication::translate("CommandLine", text);
}

// `--name` as the last argument, or `--name=` with nothing after it.
bool LacksValue(const QStringList& arguments, const QString& name) {
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString& a = arguments[i];
    if (a == QLatin1String("--")) return false;
    const bool bare = a == QLatin1String("--") + name || a == QLatin1Char('-') + name;
    if (bare && i + 1 == arguments.size()) return true;
    if (a == QLatin1String("--") + name + QLatin1Char('=')) return true;
  }
  return false;
}

// The language the command line asks for, or the system's; nothing for an unknown --lang.
std::optional<quirlweg::Language> RequestedLanguage(const QCommandLineOption& lang) {
  QCommandLineParser peek;
  peek.addOption(lang);
  peek.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
  peek.parse(QCoreApplication::arguments());  // unknown options are answered below
  std::optional<QString> flag;
  if (peek.isSet(lang)) flag = peek.value(lang);
  if (!flag && LacksValue(QCoreApplication::arguments(), QStringLiteral("lang"))) flag = QString();
  const auto language = quirlweg::ChooseLanguage(flag, QLocale::system().language());
  if (!language) {
    // Refused in the system's language, since the asked-for one is unknown.
    quirlweg::InstallTranslation(
        *QCoreApplication::instance(),
        *quirlweg::ChooseLanguage(std::nullopt, QLocale::system().language()));
    // Status 2, as usual for a usage error.
    const QString problem =
        flag->isEmpty()
            ? Translated(QT_TRANSLATE_NOOP("CommandLine",
                                           "quirlweg: --lang braucht eine Sprache, de oder en."))
            : Translated(
                  QT_TRANSLATE_NOOP("CommandLine",
                                    "quirlweg: Unbekannte Sprache „%1“, erlaubt sind de und en."))
                  .arg(*flag);
    std::fprintf(stderr, "%s\n", qPrintable(quirlweg::PrintablePath(problem)));
  }
  return language;
}

// What the command line asks for.
struct StartRequest {
  quirlweg::Language language = quirlweg::Language::German;
  QString experimentFile;                         // to open in the window
  std::optional<quirlweg::HeadlessRun> headless;  // a run without a window instead
  std::optional<quirlweg::ClassRun> classRun;     // the class server instead
};

// A usage error: told on stderr, status 2. Control characters of a file name are shown as
// escapes, so that a name cannot rewrite the terminal.
[[noreturn]] void Refuse(const QString& message) {
  std::fprintf(stderr, "quirlweg: %s\n", qPrintable(quirlweg::PrintablePath(message)));
  std::exit(2);
}

std::int64_t JourneysOf(const QString& text) {
  bool number = false;
  const qlonglong journeys = text.toLongLong(&number);
  if (!number || journeys < 1 || journeys > quirlweg::kMostHeadlessJourneys) {
    Refuse(Translated(QT_TRANSLATE_NOOP("CommandLine",
                                        "--journeys braucht eine ganze Zahl von 1 bis %1, nicht "
                                        "„%2“."))
               .arg(quirlweg::kMostHeadlessJourneys)
               .arg(text));
  }
  return journeys;
}

// Outputs that could only fail or destroy something are refused before anything is walked: two
// outputs on one file, an output over the experiment it was walked from, a report not named
// as a PDF, and a target that is no regular file (a pipe, a device, a folder).
void CheckOutputs(const quirlweg::HeadlessRun& run, const QString& experimentFile) {
  using quirlweg::LocalPath;
  const QString& csv = run.csvPath;
  const QString& report = run.reportPath;
  if (!csv.isEmpty() && !report.isEmpty() &&
      quirlweg::SameFile(LocalPath(csv), LocalPath(report))) {
    Refuse(Translated(
               QT_TRANSLATE_NOOP("CommandLine", "--csv und --report nennen dieselbe Datei „%1“."))
               .arg(csv));
  }
  for (const QString& out : {csv, report}) {
    if (out.isEmpty()) continue;
    if (quirlweg::SameFile(LocalPath(out), LocalPath(experimentFile))) {
      Refuse(Translated(QT_TRANSLATE_NOOP("CommandLine",
                                          "„%1“ ist die Versuchsdatei selbst; sie wird nicht "
                                          "überschrieben."))
                 .arg(out));
    }
    if (const auto kind = quirlweg::NotARegularFile(LocalPath(out))) {
      Refuse(QStringLiteral("„%1“: %2")
                 .arg(out, quirlweg::FileProblemText(*kind, quirlweg::FileAccess::Writing)));
    }
  }
  if (!report.isEmpty() && QFileInfo(report).suffix().toLower() != QLatin1String("pdf")) {
    Refuse(Translated(QT_TRANSLATE_NOOP("CommandLine",
                                        "--report schreibt ein PDF: der Name muss auf .pdf enden, "
                                        "nicht „%1“."))
               .arg(report));
  }
}

// The headless run's options, checked before any window is made; its experiment is read here,
// so that a bad file costs no more than reading it.
quirlweg::HeadlessRun HeadlessRunOf(const QCommandLineParser& parser, const QString& file) {
  quirlweg::HeadlessRun run;
  if (!parser.isSet(QStringLiteral("journeys"))) {
    Refuse(Translated(QT_TRANSLATE_NOOP("CommandLine", "--experiment braucht --journeys N.")));
  }
  run.journeys = JourneysOf(parser.value(QStringLiteral("journeys")));
  run.csvPath = parser.value(QStringLiteral("csv"));
  run.reportPath = parser.value(QStringLiteral("report"));
  CheckOutputs(run, file);
  const quirlweg::ExperimentReading reading = quirlweg::ReadExperimentFile(file);
  if (!reading.experiment) Refuse(reading.problem);
  run.experiment = *reading.experiment;
  return run;
}

// `--class` with its options; the experiment file, where named, gives the class's setting.
quirlweg::ClassRun ClassRunOf(const QCommandLineParser& parser) {
  for (const char* name : {"journeys", "csv", "report"}) {
    if (parser.isSet(QLatin1String(name))) {
      Refuse(Translated(QT_TRANSLATE_NOOP("CommandLine", "--%1 gilt nicht mit --class."))
                 .arg(QLatin1String(name)));
    }
  }
  if (!parser.positionalArguments().isEmpty()) {
    Refuse(Translated(
        QT_TRANSLATE_NOOP("CommandLine", "--class nimmt seinen Versuch mit --experiment DATEI.")));
  }
  quirlweg::ClassRun run;
  if (parser.isSet(QStringLiteral("port"))) {
    bool number = false;
    const QString text = parser.value(QStringLiteral("port"));
    const uint port = text.toUInt(&number);
    if (!number || port < 1 || port > 65535) {
      Refuse(Translated(QT_TRANSLATE_NOOP("CommandLine",
                                          "--port braucht eine ganze Zahl von 1 bis 65535, "
                                          "nicht „%1“."))
                 .arg(text));
    }
    run.port = static_cast<quint16>(port);
  }
  run.namesAllowed = !parser.isSet(QStringLiteral("no-names"));
  run.recordPath = parser.value(QStringLiteral("record"));
  run.siteFolder = parser.value(QStringLiteral("site"));
  if (parser.isSet(QStringLiteral("experiment"))) {
    const quirlweg::ExperimentReading reading =
        quirlweg::ReadExperimentFile(parser.value(QStringLiteral("experiment")));
    if (!reading.experiment) Refuse(reading.problem);
    run.setting = reading.experiment->setting;
  }
  return run;
}

// Reads the command line. Help, version and unknown options are answered here, in the chosen
// language, and end the program; so does a language other than de or en, and a headless run
// with bad input. Runs before the window's application exists, so that --help, --version and
// the checks need no display.
StartRequest ParseCommandLine(int argc, char* argv[]) {
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
  const auto option = [&parser](const char* name, const char* description, const char* value) {
    parser.addOption(
        QCommandLineOption(QLatin1String(name), Translated(description), Translated(value)));
  };
  option("experiment",
         QT_TRANSLATE_NOOP("CommandLine",
                           "Führt den Versuch aus DATEI ohne Fenster aus (mit --journeys)."),
         QT_TRANSLATE_NOOP("CommandLine", "DATEI"));
  option("journeys", QT_TRANSLATE_NOOP("CommandLine", "So viele Reisen gehen."), "N");
  option("csv", QT_TRANSLATE_NOOP("CommandLine", "Die Reisen als CSV nach AUS schreiben."),
         QT_TRANSLATE_NOOP("CommandLine", "AUS"));
  option("report", QT_TRANSLATE_NOOP("CommandLine", "Den Bericht als PDF nach AUS schreiben."),
         QT_TRANSLATE_NOOP("CommandLine", "AUS"));
  parser.addOption(QCommandLineOption(
      QStringLiteral("class"),
      Translated(QT_TRANSLATE_NOOP("CommandLine",
                                   "Startet einen Klassenversuch ohne Fenster: die Geräte der "
                                   "Klasse gehen, die Tafel sammelt ihre Reisen."))));
  option("port", QT_TRANSLATE_NOOP("CommandLine", "Der Port des Klassenversuchs."), "N");
  option("record",
         QT_TRANSLATE_NOOP("CommandLine",
                           "Das Protokoll des Klassenversuchs, aus dem ein Neustart fortsetzt."),
         QT_TRANSLATE_NOOP("CommandLine", "DATEI"));
  option("site",
         QT_TRANSLATE_NOOP("CommandLine", "Der Ordner mit den Dateien der Browser-Ausgabe."),
         QT_TRANSLATE_NOOP("CommandLine", "ORDNER"));
  parser.addOption(QCommandLineOption(
      QStringLiteral("no-names"),
      Translated(QT_TRANSLATE_NOOP("CommandLine",
                                   "Geräte treten ohne Vornamen bei und heißen „Gerät N“."))));
  const QString file = Translated(QT_TRANSLATE_NOOP("CommandLine", "versuch.quirlweg"));
  parser.addPositionalArgument(
      file,
      Translated(QT_TRANSLATE_NOOP("CommandLine", "Ein Versuch, der im Fenster geöffnet wird.")),
      QLatin1Char('[') + file + QLatin1Char(']'));
  // Help and version end the program with status 0, a wrong option with 2 like every other
  // usage error.
  if (!parser.parse(QCoreApplication::arguments())) Refuse(parser.errorText());
  if (parser.isSet(QStringLiteral("help"))) parser.showHelp(0);
  if (parser.isSet(QStringLiteral("version"))) parser.showVersion();

  StartRequest request;
  request.language = *language;
  const QStringList files = parser.positionalArguments();
  if (files.size() > 1) {
    Refuse(Translated(QT_TRANSLATE_NOOP("CommandLine", "Nur ein Versuch lässt sich öffnen.")));
  }
  if (parser.isSet(QStringLiteral("class"))) {
    request.classRun = ClassRunOf(parser);
    return request;
  }
  for (const char* name : {"port", "record", "site", "no-names"}) {
    if (parser.isSet(QLatin1String(name))) {
      Refuse(Translated(QT_TRANSLATE_NOOP("CommandLine", "--%1 gilt nur mit --class."))
                 .arg(QLatin1String(name)));
    }
  }
  if (parser.isSet(QStringLiteral("experiment"))) {
    if (!files.isEmpty()) {
      Refuse(Translated(QT_TRANSLATE_NOOP("CommandLine",
                                          "--experiment und eine Versuchsdatei schließen sich "
                                          "aus.")));
    }
    request.headless = HeadlessRunOf(parser, parser.value(QStringLiteral("experiment")));
  } else {
    for (const char* name : {"journeys", "csv", "report"}) {
      if (parser.isSet(QLatin1String(name))) {
        Refuse(Translated(QT_TRANSLATE_NOOP("CommandLine", "--%1 gilt nur mit --experiment."))
                   .arg(QLatin1String(name)));
      }
    }
    if (!files.isEmpty()) request.experimentFile = files.front();
  }
  return request;
}

}  // namespace

int main(int argc, char* argv[]) {
  // A file grown past the process's size limit fails to write, as a full disk does, instead of
  // ending the program without a word.
  std::signal(SIGXFSZ, SIG_IGN);
  const StartRequest request = ParseCommandLine(argc, argv);
  if (request.classRun) {
    // The class server needs no display, nor the window's application.
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quirlweg"));
    quirlweg::InstallTranslation(app, request.language);
    return quirlweg::RunClass(*request.classRun);
  }
  // Without a window to show, no display is needed either.
  if (request.headless) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QCoreApplication::setApplicationVersion(QStringLiteral(QUIRLWEG_VERSION));
  QGuiApplication::setDesktopFileName(QStringLiteral("de.quirlweg.Quirlweg"));
  const quirlweg::Language language = request.language;
  quirlweg::InstallTranslation(app, language);
  if (request.headless) {
    quirlweg::HeadlessRun run = *request.headless;
    run.english = language == quirlweg::Language::English;
    return quirlweg::RunHeadless(run);
  }
  quirlweg::InstallPictureAreaAccessibility();
  new quirlweg::FocusRing(app);

  quirlweg::Simulation window;
  new quirlweg::Evaluation(window);  // children of the window
  new quirlweg::TraceStyleChoice(window);
  new quirlweg::ContrastChoice(window);
  new quirlweg::CountedJourneys(window);
  new quirlweg::JourneyAnnouncements(window);
  const auto* actions = new quirlweg::ExperimentActions(window);
  auto* files =
      new quirlweg::ExperimentFiles(window, *actions, language == quirlweg::Language::English);
  auto* keeper = new quirlweg::SeriesKeeper(window, *files, quirlweg::SeriesKeeper::DefaultPath());
  QObject::connect(files, &quirlweg::ExperimentFiles::ClassPoolOpened, &window,
                   [&window](const quirlweg::Experiment& experiment, const QString& path) {
                     quirlweg::ShowSavedClass(experiment, path, &window);
                   });
  window.showMaximized();
  // Once the window manager has put the window up: the layout it then gets redraws the
  // lattice, which would wipe the traces of a series walked again. A file named on the
  // command line is what the user asked for; the series kept from last time stays kept.
  QTimer::singleShot(300, files, [files, keeper, &window, path = request.experimentFile] {
    if (path.isEmpty()) {
      keeper->OfferKeptSeries(&window);
    } else {
      files->OpenFile(path, &window);
    }
  });
  return QApplication::exec();
}
