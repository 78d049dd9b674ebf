// The browser edition of Quirlweg: the desktop program's window on a page, its walk and exact
// statistics the same C++ core compiled to WebAssembly.
import { Announcements } from './announcements.js';
import { PageArrangement } from './arrangement.js';
import { ClassBoardPage } from './class_board.js';
import { ClassMode } from './class_mode.js';
import { CoreTasks } from './core_tasks.js';
import { Evaluation } from './evaluation.js';
import { EvaluationPages } from './evaluation_pages.js';
import { ExactValues } from './exact_values.js';
import { Ending } from './ending.js';
import { ExperimentFiles } from './experiment_files.js';
import { LatticeMenu } from './lattice_menu.js';
import { LatticeView } from './lattice_view.js';
import { LessonSteps } from './lesson_steps.js';
import { KeptSeries } from './kept_series.js';
import { PacedRun } from './paced_run.js';
import { Prediction } from './prediction.js';
import { PageReport } from './report.js';
import { WalkSound } from './sound.js';
import { caption, chooseLanguage, decimalSeparator, groupSeparator, translator } from './texts.js';
import { WalkPage } from './walk_page.js';

// A tempo as the desktop program words it; the core says which wording a tempo takes.
function tempoText(core, tr, stepsPerSecond) {
  const texts = {
    fastest: () => tr('max'),
    oneStep: () => tr('1 Schritt/s'),
    steps: () => tr('%1 Schritte/s', String(stepsPerSecond)),
  };
  return texts[core.tempoWording(stepsPerSecond)]();
}

function putTexts(document, tr, language) {
  document.documentElement.lang = language;
  for (const e of document.querySelectorAll('[data-text]')) {
    const text = tr(e.dataset.text);
    e.textContent = caption(text);
    // The desktop program's access key: Alt and the marked letter.
    const key = text.match(/&(.)/)?.[1];
    const control = e.closest('button, label');
    if (key && control) control.accessKey = key.toLowerCase();
  }
  for (const e of document.querySelectorAll('[data-tip]')) e.title = tr(e.dataset.tip);
  for (const e of document.querySelectorAll('[data-label]')) {
    e.setAttribute('aria-label', tr(e.dataset.label));
  }
}

class Quirlweg {
  constructor(core, document) {
    const window = document.defaultView;
    this.document = document;
    this.core = core;
    this.language = chooseLanguage(window.location.search, window.navigator.language);
    this.tr = translator(this.language, globalThis.quirlwegTexts);
    this.separator = decimalSeparator(window.navigator.language);
    putTexts(document, this.tr, this.language);
    this.view = new LatticeView(core, this.byId('lattice'), this.byId('walker'), this.byId('marker'),
                                (spacing) => core.heatPicture(this.walk, spacing));
    this.view.setLook({ legendCaption: this.tr('Besuche'),
                        commaGroups: groupSeparator(window.navigator.language) === ',' });
    this.sound = new WalkSound(() => (window.AudioContext ? new window.AudioContext() : null));
    this.page = new WalkPage(document, this.view, this.tr);
    this.tasks = new CoreTasks(window, core);
    this.exact = new ExactValues(document, core, this.tr, this.separator, this.tasks,
                                 () => this.refreshEvaluation());
    this.evaluation = new Evaluation(document, core, this.tr, this.separator);
    this.arrangement = new PageArrangement(document, core, () => this.refreshEvaluation());
    this.tempoSteps = core.tempoSteps();
    this.paced = new PacedRun(new core.StepPacing(), (n) => this.walk.continueRun(n),
                              () => this.draw(), () => this.showRunGoing(false));

    this.walk = new core.Walk(core.seedFromClock());
    this.walk.setDecimalSeparator(this.separator);
    this.walk.setProtocolHeader(this.tr('   Nr.  Länge   Endpunkt'));
    this.takeSettingRanges();
    this.byId('left').value = this.tr('p(links)=') + core.probabilityAtStart(this.separator);
    this.byId('right').value = this.tr('p(rechts)=') + core.probabilityAtStart(this.separator);
    // The tempo control starts at its fastest position, the scale's last.
    const tempo = this.byId('tempo');
    tempo.max = String(this.tempoSteps.length - 1);
    tempo.value = tempo.max;
    this.byId('tempoText').textContent = tempoText(core, this.tr, this.tempo());
    this.arrange();
    this.walk.load();
    // Read before the kept series puts the set-up's link in the address.
    const opened = window.location.hash;
    this.kept = new KeptSeries(window, core, this.walk);
    this.pages = new EvaluationPages(document, core, this.tr, this.separator, this.evaluation.names,
                                     this.walk, this.tasks,
                                     () => this.showEvaluation(this.evaluation.open, false));
    this.ending = new Ending(window, this.kept, () => this.paced.running && this.paced.stop());
    this.prediction = new Prediction(document, core, this.tr, this.evaluation.names, this.walk, () => {
      this.refreshEvaluation();
      this.exact.show();
    });
    this.steps = new LessonSteps(document, core, this.tr, this.language, this);
    this.files = new ExperimentFiles(document, core, this.tr, this.language, this);
    this.report = new PageReport(document, core, this.tr, this.separator, this);
    this.announcements = new Announcements(document, core, this.tr, this.walk);
    this.menu = new LatticeMenu(document, this.byId('view'), this.tr, this.latticeMenuEntries());
    this.restore(this.kept.toRestore());
    this.draw();
    this.connect(window);
    this.requestExact();
    this.kept.writeSetup();
    this.joinClass(window);
    this.openBoard(window, opened);
  }

  // Opened with #board=TOKEN, the address a class server prints for the teacher alone, the
  // page shows the class's board beside the window.
  // The token is kept for the tab, since the set-up's link takes the address's place.
  openBoard(window, opened) {
    const key = 'quirlweg.board';
    let storage = null;
    try {
      storage = window.sessionStorage;
    } catch {
      // storage switched off: the address alone brings the board
    }
    const token = opened.match(/^#board=(\w+)$/)?.[1] ?? storage?.getItem(key);
    if (!token) return;
    storage?.setItem(key, token);
    this.board = new ClassBoardPage(window, this.core, this.tr, this.separator, this.walk,
                                    () => this.arrange());
    this.board.open(token);
  }

  // Opened with ?class=CODE, the page is a device of the teacher's class.
  joinClass(window) {
    const code = new URLSearchParams(window.location.search).get('class');
    if (code === null) return;
    this.classMode = new ClassMode(window, this.core, this.tr, this.walk, {
      restore: (experiment) => this.restore(experiment, { forClass: true }),
      lockForClass: (locked) => this.lockForClass(locked),
      arrange: () => this.arrange(),
    });
    this.classMode.offer(code);
  }

  // A device of a class walks the class's setting from its own seed: whatever would change
  // either stays locked, or the server could not walk its journeys again.
  lockForClass(locked) {
    this.classLocked = locked ? new Set(this.core.classLockedControls()) : new Set();
    for (const name of this.core.walkChangers()) {
      const named = this.document.querySelector(`[data-control="${name}"]`);
      (named.control ?? named).disabled = this.classLocked.has(name);
    }
    for (const id of ['seed', 'openExperiment']) this.byId(id).disabled = locked;
  }

  // Puts an experiment the core read in place through the controls' own handlers, then walks
  // its journeys again from its seed, as the desktop program opens a file.
  restore(experiment, { forClass = false } = {}) {
    // A file opened or dropped would leave the class's setting.
    if (!experiment || (this.classLocked?.size && !forClass)) return;
    this.applySetting(experiment.setting);
    this.core.useSeed(this.walk, experiment.seed);
    this.core.walkJourneys(this.walk, experiment.journeys);
    // The restart notices of a series walked again were seen when it was first walked.
    this.page.show(this.walk.takeFrame(), { quiet: true });
    this.showSeed();
    this.refreshEvaluation();
    this.kept.showSetup();
  }

  // A setting of a file or a lesson's step, through the controls' own handlers.
  applySetting(setting) {
    this.document.querySelector(`input[name=dimension][value="${setting.dimension}"]`).checked = true;
    this.dimensionChosen();
    this.byId('size').value = String(setting.radius);
    this.latticeSizeChanged();
    this.byId('probability').value = String(setting.rightPercent);
    this.probabilityChanged();
    if (this.byId('homeAbsorbs').checked !== setting.homeAbsorbs) this.byId('homeAbsorbs').click();
    this.core.moveStartPointTo(this.walk, setting.startX, setting.startY);
    // The start moved without its buttons: the exact values asked for before are another's.
    this.changed();
  }

  showSeed() {
    const seed = this.byId('seed');
    if (this.document.activeElement !== seed) seed.value = String(this.core.seed(this.walk));
  }

  // The run and display choices an experiment file keeps: mode, tempo (steps per second, 0 as
  // fast as possible), whether the protocol is shown and the traces as heat.
  choices() {
    return { tempo: this.tempo(), protocolShown: this.byId('showProtocol').checked,
             heatTraces: this.view.look.heat };
  }

  // The lattice view's menu: how the lattice looks, the sound, the experiment files.
  latticeMenuEntries() {
    const look = (name) => (on) => this.view.setLook({ [name]: on }, this.walk.allMarks());
    const click = (id) => () => this.byId(id).click();
    this.heatEntry = { text: this.tr('Spuren als Wärmebild'), key: 'w', checkable: true, act: look('heat') };
    return [
      this.heatEntry,
      { text: this.tr('Hoher Kontrast'), key: 'k', checkable: true, act: look('highContrast') },
      { text: this.tr('Ton bei Schritten und Reiseenden'), key: 't', checkable: true,
        act: (on) => this.sound.switchOn(on) },
      null,
      { text: this.tr('Versuch speichern …'), keyText: 'Ctrl+S', act: click('saveExperiment') },
      { text: this.tr('Versuch öffnen …'), keyText: 'Ctrl+O', act: click('openExperiment') },
      { text: this.tr('Unterrichtsstunde öffnen …'), key: 'u', act: () => this.files.offerLessons() },
    ];
  }

  // The lesson's request to guess first, and the guess it holds.
  takePrediction({ predictFirst, guessRow, guessValue }) {
    this.core.setPredictFirst(this.walk, predictFirst);
    this.core.setGuess(this.walk, guessRow ?? -1, guessValue ?? 0);
    this.refreshEvaluation();
    this.exact.show();
  }

  takeChoices({ mode, tempo, protocolShown, heatTraces }) {
    if (heatTraces !== this.view.look.heat) this.menu.setChecked(this.heatEntry, heatTraces);
    const option = this.document.querySelector(`input[name=mode][value="${mode}"]`);
    option.checked = true;
    this.walk.setMode(mode);
    const position = this.tempoSteps.indexOf(tempo);
    this.byId('tempo').value = String(position < 0 ? this.tempoSteps.length - 1 : position);
    this.tempoChanged();
    this.byId('showProtocol').checked = protocolShown;
    this.byId('protocol').hidden = !protocolShown;
  }

  // A new series from the seed typed in, as on the desktop (Enter).
  seedTyped() {
    const seed = Number(this.byId('seed').value);
    if (!Number.isSafeInteger(seed) || seed < 0 || seed > this.core.largestSeed) return;
    this.act(() => this.core.useSeed(this.walk, seed));
  }

  byId(id) {
    return this.document.getElementById(id);
  }

  // The bars reach as far as the core's setting does.
  takeSettingRanges() {
    const ranges = this.core.settingRanges();
    Object.assign(this.byId('size'), { min: ranges.smallestRadius, max: ranges.largestRadius });
    Object.assign(this.byId('probability'), { min: 0, max: ranges.mostPercent });
  }

  checked(name) {
    return Number(this.document.querySelector(`input[name=${name}]:checked`).value);
  }

  // The window's layout for the page's size and pixel ratio; the lattice is drawn afresh.
  arrange() {
    this.arrangement.arrange(this.evaluation.open);
    const view = this.byId('view');
    this.view.resize(view.clientWidth, view.clientHeight, this.document.defaultView.devicePixelRatio || 1,
                     this.walk.lattice(), this.walk.allMarks());
    this.draw();
  }

  draw() {
    const frame = this.walk.takeFrame();
    this.page.show(frame);
    this.sound.heard(frame);
    this.classMode?.walked();
    this.showSeed();
    this.refreshEvaluation(this.paced.running);
  }

  // While a run goes on, the evaluation follows it now and then; else at once.
  refreshEvaluation(running = false) {
    const f = this.evaluation.refresh((side, separator, log) => this.core.evaluation(this.walk, side, separator, log),
                                      this.byId('homeAbsorbs').checked, performance.now(), running);
    if (f) this.prediction.refresh((r) => f.rows[r].shown, this.separator);
    if (this.evaluation.open) this.pages.refresh(false, running);
    return f;
  }

  // The series' charts stand apart from the panel and belong to its first page.
  showEvaluation(shown, focus = true) {
    this.byId('evaluationPanel').hidden = !shown;
    this.byId('evaluationCharts').hidden = !shown || this.pages.tabs.page !== 'seriesPage';
    this.arrange();
    if (focus) this.byId(shown ? 'closeEvaluation' : 'evaluation').focus();
  }

  requestExact() {
    this.exact.request(this.walk);
  }

  connect(window) {
    const on = (id, event, handler) => this.byId(id).addEventListener(event, handler);
    window.addEventListener('resize', () => this.arrange());
    on('size', 'input', () => this.latticeSizeChanged());
    on('probability', 'input', () => this.probabilityChanged());
    for (const option of this.document.querySelectorAll('input[name=dimension]')) {
      option.addEventListener('click', () => this.dimensionChosen());
    }
    for (const option of this.document.querySelectorAll('input[name=mode]')) {
      option.addEventListener('change', () => this.walk.setMode(this.checked('mode')));
    }
    on('homeAbsorbs', 'click', () => {
      this.walk.setHomeAbsorbs(this.byId('homeAbsorbs').checked);
      this.walk.switchHomeAbsorption();
      this.changed();
    });
    on('showProtocol', 'click', () => {
      this.byId('protocol').hidden = !this.byId('showProtocol').checked;
    });
    on('start', 'click', () => this.startClicked());
    on('end', 'click', () => this.ending.end());
    for (let i = 0; i < 4; ++i) {
      on(`home${i}`, 'click', () => {
        this.walk.moveStartPoint(i);
        this.changed();
      });
    }
    on('tempo', 'input', () => this.tempoChanged());
    on('clearTraces', 'click', () => this.act(() => this.walk.clearTraces()));
    on('resetCounters', 'click', () => this.act(() => this.walk.resetCounters()));
    on('evaluation', 'click', () => this.showEvaluation(this.byId('evaluationPanel').hidden));
    on('closeEvaluation', 'click', () => this.showEvaluation(false));
    on('settingsSwitch', 'click', () => this.arrangement.switchSettings());
    on('side', 'change', () => this.refreshEvaluation());
    on('logarithmic', 'change', () => this.refreshEvaluation());
    on('seed', 'change', () => this.seedTyped());
    window.addEventListener('keydown', (event) => {
      if (event.key !== 'Escape') return;
      // Esc stops a paced run; with none going it closes the evaluation, as on the desktop.
      if (this.paced.running) this.paced.stop();
      else if (this.evaluation.open) this.showEvaluation(false);
      else return;
      event.preventDefault();
    });
  }

  act(change) {
    change();
    this.draw();
    this.kept.showSetup();
  }

  // A change of the walk's setting: drawn now, its exact values computed anew.
  changed() {
    this.draw();
    this.requestExact();
    this.kept?.showSetup();
  }

  latticeSizeChanged() {
    const r = Number(this.byId('size').value);
    this.byId('range').textContent = `${this.core.strForm(-r)} ...${this.core.strForm(r)}`;
    this.walk.setLatticeSize(r);
    this.walk.changeLatticeSize();
    this.changed();
  }

  probabilityChanged() {
    const percent = Number(this.byId('probability').value);
    this.byId('left').value = this.tr('p(links)=') + this.core.strForm((100 - percent) / 100);
    this.byId('right').value = this.tr('p(rechts)=') + this.core.strForm(percent / 100);
    this.walk.setRightPercent(percent);
    this.requestExact();
  }

  dimensionChosen() {
    const dimension = this.checked('dimension');
    this.walk.setDimension(dimension);
    this.walk.moveStartToOrigin();
    // The probability controls belong to the one-dimensional walk only.
    for (const e of this.document.querySelectorAll('.probability')) e.hidden = dimension !== 1;
    this.changed();
  }

  tempo() {
    return this.tempoSteps[Number(this.byId('tempo').value)];
  }

  tempoChanged() {
    const tempo = this.tempo();
    this.byId('tempoText').textContent = tempoText(this.core, this.tr, tempo);
    // Moved to "max" mid-run, the run goes on paced at the scale's fastest tempo.
    if (this.paced.running) this.paced.setTempo(tempo);
  }

  startClicked() {
    if (this.paced.running) {
      this.paced.stop();
      return;
    }
    if (this.tempo() !== this.core.fastestTempo && this.walk.beginRun()) {
      this.showRunGoing(true);
      this.paced.start(this.tempo());
      return;
    }
    this.walk.start();
    this.draw();
  }

  // While a paced run goes, the start button stops it and whatever would change the walk
  // under it is disabled: the core names those controls, as the desktop program's layout
  // does. A named label stands for the option or box inside it.
  showRunGoing(going) {
    for (const name of this.core.walkChangers()) {
      const named = this.document.querySelector(`[data-control="${name}"]`);
      (named.control ?? named).disabled = going || Boolean(this.classLocked?.has(name));
    }
    if (!going) this.refreshEvaluation();
    this.byId('startPicture').src = going ? 'start-pressed.svg' : 'start.svg';
    this.byId('start').title = going ? this.tr('Hält die laufende Reise an (Esc)')
                                     : this.tr('Startet Schritt, Reise oder 20 Reisen');
  }
}

// Without WebAssembly the core cannot start: the page says so instead of staying grey.
function cannotRun() {
  document.getElementById('cannotRun').hidden = false;
  document.getElementById('window').hidden = true;
}

if (typeof WebAssembly !== 'object' || typeof globalThis.createQuirlwegCore !== 'function') {
  cannotRun();
} else {
  globalThis.createQuirlwegCore().then((core) => {
    globalThis.quirlweg = new Quirlweg(core, document);
  }, cannotRun);
}

// Served from a web server, the page keeps itself for use without a network; opened from
// disk it needs nothing of the kind (and browsers allow no service worker there).
if ('serviceWorker' in navigator && location.protocol.startsWith('http')) {
  navigator.serviceWorker.register('service-worker.js');
}
