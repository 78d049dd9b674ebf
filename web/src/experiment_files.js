// Experiment files on the page, as the desktop program keeps them: opened from a file picker
// or dropped on the page, saved as a download, in the same .quirlweg format read and written
// by the same C++. A refused file changes nothing and is told of in the desktop's words; a
// lesson's instructions are shown on opening and stay at hand ("Anleitung …", F1).

import { download } from './download.js';

// The core's reason for refusing a file, worded as the desktop program words it.
function refusalText(tr, core, r) {
  const texts = {
    notUtf8: () => tr('Die Datei ist kein UTF-8-Text.'),
    empty: () => tr('Die Datei ist leer.'),
    tooDeep: () => tr('Die Datei ist zu tief verschachtelt.'),
    notJson: () => tr('Die Datei ist kein vollständiges JSON (Fehler in %1).',
                      tr('Zeile %1, Zeichen %2', r.line, r.column)),
    notAnExperiment: () => tr('Das ist keine Quirlweg-Versuchsdatei.'),
    unknownVersion: () => tr('Versuchsdateien der Version %1 kennt dieses Programm nicht; es liest Version %2.', r.value, core.experimentVersion),
    missing: () => tr('„%1“ fehlt.', r.field),
    notANumber: () => tr('„%1“ muss eine Zahl sein.', r.field),
    notWhole: () => tr('„%1“ muss eine ganze Zahl sein.', r.field),
    outOfRange: () => tr('„%1“ muss zwischen %2 und %3 liegen, ist aber %4.', r.field, r.low, r.high, r.value),
    notAFlag: () => tr('„%1“ muss true oder false sein.', r.field),
    notAText: () => tr('„%1“ muss ein Text sein.', r.field),
    notAnObject: () => tr('„%1“ muss ein Objekt { … } sein.', r.field),
    notAList: () => tr('„%1“ muss eine Liste [ … ] sein.', r.field),
    notWholePercent: () => tr('„%1“ muss in ganzen Prozent angegeben sein, etwa 0.35.', r.field),
    startNotAPair: () => tr('„%1“ muss zwei Zahlen [x, y] enthalten.', r.field),
    unknownMode: () => tr('„%1“ muss „step“, „journey“ oder „twentyJourneys“ sein.', r.field),
    notATempoStep: () => tr('„%1“ muss eine Stufe der Tempo-Skala sein: %2.', r.field, core.tempoSteps().join(', ')),
    tooLong: () => tr('„%1“ ist länger als %2 Zeichen.', r.field, r.limit),
    tooManyLines: () => tr('„%1“ hat mehr als %2 Zeilen.', r.field, r.limit),
    tooManyJourneys: () => tr('„series“ hat mehr als %1 Reisen.', r.limit),
    tooManySteps: () => tr('„steps“ hat mehr als %1 Schritte.', r.limit),
    tooManyDevices: () => tr('„%1“ hat mehr als %2 Geräte.', r.field, r.limit),
    tooManyPooled: () => tr('„%1“ zählt mehr als %2 Reisen.', r.field, r.limit),
    notAPair: () => tr('„%1“ muss zwei ganze Zahlen enthalten.', r.field),
    seedTwice: () => tr('„%1“ hat denselben Startwert wie ein anderes Gerät.', r.field),
    poolOrderUneven: () => tr('„%1“ passt nicht zu „class.devices“: Gerät %2 hat dort eine andere Zahl von Reisen.', r.field, r.value),
    journeyNotFour: () => tr('„%1“ muss vier Zahlen [Länge, x, y, z] enthalten.', r.field),
    unknownRow: () => tr('„%1“ muss eine Zeile der Tabelle nennen: „home“, „boundary“, „top“, „right“, „bottom“, „left“, „z“ oder „mean“.', r.field),
  };
  return (texts[r.problem] ?? texts.notAnExperiment)();
}

export class ExperimentFiles {
  // `program`: the page's window, which puts an experiment in place (restore) and knows its
  // run and display choices.
  constructor(document, core, tr, language, program) {
    this.document = document;
    this.core = core;
    this.tr = tr;
    this.language = language;
    this.program = program;
    this.instructions = '';
    this.lesson = ['', ''];
    const byId = (id) => document.getElementById(id);
    this.picker = byId('experimentFile');
    byId('saveExperiment').addEventListener('click', () => this.save());
    byId('openExperiment').addEventListener('click', () => this.picker.click());
    byId('showInstructions').addEventListener('click', () => this.showInstructions());
    byId('closeInstructions').addEventListener('click', () => byId('instructions').close());
    byId('closeLessons').addEventListener('click', () => byId('lessons').close());
    this.picker.addEventListener('change', () => {
      if (this.picker.files.length) this.open(this.picker.files[0]);
      this.picker.value = '';
    });
    const window = document.defaultView;
    window.addEventListener('dragover', (event) => event.preventDefault());
    window.addEventListener('drop', (event) => {
      event.preventDefault();
      const file = event.dataTransfer?.files?.[0];
      if (file) this.open(file);
    });
    window.addEventListener('keydown', (event) => this.key(event));
  }

  // Ctrl+S, Ctrl+O and F1, as on the desktop.
  key(event) {
    const ctrl = event.ctrlKey || event.metaKey;
    if (ctrl && event.key.toLowerCase() === 's') this.save();
    else if (ctrl && event.key.toLowerCase() === 'o') this.picker.click();
    else if (event.key === 'F1' && this.instructions) this.showInstructions();
    else return;
    event.preventDefault();
  }

  async open(file) {
    const refuse = (reason) => this.document.defaultView.alert(
        this.tr('„%1“ lässt sich nicht als Versuch öffnen: %2', file.name, reason));
    if (file.size > this.core.largestExperimentFile) {
      refuse(this.tr('Die Datei ist größer als %1 MB.', this.core.largestExperimentFile / 2 ** 20));
      return;
    }
    this.openText(await file.text(), refuse);
  }

  // A file's text read by the core, or refused in the user's words.
  openText(text, refuse) {
    const experiment = this.core.readExperiment(text);
    if (experiment.problem) {
      refuse(refusalText(this.tr, this.core, experiment));
      return;
    }
    this.program.restore(experiment);
    this.program.takeChoices(experiment);
    this.program.takePrediction(experiment);
    this.program.steps.take(experiment, text);
    // Saved again, the lesson keeps its texts.
    this.lesson = [experiment.descriptionGerman, experiment.descriptionEnglish];
    const own = this.language === 'en' ? experiment.descriptionEnglish : experiment.descriptionGerman;
    const other = this.language === 'en' ? experiment.descriptionGerman : experiment.descriptionEnglish;
    this.instructions = own || other;
    this.document.getElementById('showInstructions').hidden = !this.instructions;
    if (this.instructions) this.showInstructions();
  }

  // The lessons the page carries, each named by its description's first words (up to its
  // first colon or question mark) in the page's language, the whole description as its tip.
  offerLessons() {
    const dialog = this.document.getElementById('lessons');
    const list = this.document.getElementById('lessonList');
    if (!list.childElementCount) {
      for (const { name, text } of globalThis.quirlwegLessons ?? []) {
        const lesson = this.core.readExperiment(text);
        const description = (this.language === 'en' ? lesson.descriptionEnglish : lesson.descriptionGerman) || name;
        const button = this.document.createElement('button');
        button.textContent = description.match(/^[^:?]*\??/)[0];
        button.title = description;
        button.addEventListener('click', () => {
          dialog.close();
          this.openText(text, (reason) => this.document.defaultView.alert(reason));
        });
        list.append(button);
      }
    }
    if (!dialog.open) dialog.showModal();
  }

  showInstructions() {
    const dialog = this.document.getElementById('instructions');
    // As plain text, whatever the file holds.
    dialog.querySelector('pre').textContent = this.instructions;
    if (!dialog.open) dialog.showModal();
  }

  save() {
    const { tempo, protocolShown, heatTraces } = this.program.choices();
    const json = this.core.experimentJson(this.program.walk, tempo, protocolShown, heatTraces,
                                          ...this.lesson);
    download(this.document, new Blob([json], { type: 'application/json' }), this.tr('versuch.quirlweg'));
  }
}
