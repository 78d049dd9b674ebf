// What the evaluation hands out, as on the desktop. The report on paper: a lesson's worksheet
// first (its steps, their questions with lines for the answers or the class's answers), then
// the setting, seed, table, both charts, the lattice and the protocol where it is shown;
// "Bericht …" puts it in the page and asks the browser to print it, and every browser's "Save
// as PDF" makes the handout. "Daten speichern …" downloads the series as CSV, "Diagramme als
// SVG …" both charts as one picture, "Bild speichern …" the lattice as PNG, "Tabelle kopieren"
// puts the table on the clipboard with tabs, as a spreadsheet pastes it into cells.

import { download } from './download.js';
import { csvWords, localIsoDate } from './series_csv.js';
import { SvgContext, svgFile } from './svg_context.js';

// "Diagramme als SVG …": both charts one above the other, each as large as in the desktop
// program's file.
const svgChart = { width: 900, height: 550, gap: 20 };

export class PageReport {
  // `program`: the page's window, which has the walk, the lesson's steps and the evaluation.
  constructor(document, core, tr, separator, program) {
    this.document = document;
    this.core = core;
    this.tr = tr;
    this.separator = separator;
    this.program = program;
    this.paper = document.getElementById('report');
    document.getElementById('printReport').addEventListener('click', () => this.print());
    document.getElementById('saveData').addEventListener('click', () => this.saveData());
    document.getElementById('saveCharts').addEventListener('click', () => this.saveCharts());
    document.getElementById('savePicture').addEventListener('click', () => this.savePicture());
    document.getElementById('copyTable').addEventListener('click', () => this.copyTable());
    // Whoever prints the page by the browser's own menu gets the report as well.
    document.defaultView.addEventListener('beforeprint', () => this.build());
  }

  print() {
    this.build();
    this.document.defaultView.print();
  }

  // The core writes the bytes the desktop program writes, from the words of the page's language.
  saveData() {
    const csv = this.core.seriesCsv(this.program.walk, csvWords(this.tr), localIsoDate(new Date()),
                                    this.separator);
    download(this.document, new Blob([csv], { type: 'text/csv' }), this.tr('quirlweg-reisen.csv'));
  }

  // The charts' own drawing, recorded as SVG; the canvas measures the texts.
  chartsSvg() {
    this.program.refreshEvaluation();
    const { convergence, lengths } = this.program.evaluation;
    const measuring = convergence.canvas.getContext('2d');
    const { width, height, gap } = svgChart;
    const drawings = [convergence, lengths].map((chart, i) => {
      const context = new SvgContext(measuring, `chart${i}-`);
      chart.drawInto(context, width, height);
      return { top: i * (height + gap), context };
    });
    return svgFile(width, 2 * height + gap, this.tr('Quirlweg – Diagramme'), drawings);
  }

  saveCharts() {
    download(this.document, new Blob([this.chartsSvg()], { type: 'image/svg+xml' }),
             this.tr('quirlweg-diagramme.svg'));
  }

  savePicture() {
    this.document.getElementById('lattice').toBlob(
      (png) => download(this.document, png, this.tr('quirlweg-gitter.png')), 'image/png');
  }

  // The header and the rows this setting has, a line each.
  tableText() {
    const table = this.document.querySelector('#evaluationPanel .table table');
    return [...table.rows].filter((row) => !row.hidden)
      .map((row) => [...row.cells].map((cell) => cell.textContent).join('\t') + '\n').join('');
  }

  async copyTable() {
    try {
      await this.document.defaultView.navigator.clipboard.writeText(this.tableText());
    } catch {
      // no clipboard for this page (an old browser, or one that asks and was refused)
    }
  }

  add(parent, tag, text = '', className = '') {
    const element = this.document.createElement(tag);
    element.textContent = text;
    if (className) element.className = className;
    parent.append(element);
    return element;
  }

  build() {
    this.paper.replaceChildren();
    const steps = this.program.steps.steps;
    if (steps.length) this.worksheet(steps);
    const sheet = this.add(this.paper, 'section', '', 'sheet');
    this.add(sheet, 'h1', this.tr('Quirlweg – Bericht einer Serie'));
    // To the minute, without the ISO form's "T".
    const date = localIsoDate(new Date()).slice(0, 16).replace('T', ' ');
    this.add(sheet, 'p', this.tr('%1 · Quirlweg %2', date, this.core.programVersion()), 'small');
    const facts = this.core.reportFacts(this.program.walk, this.separator);
    this.add(sheet, 'p', this.settingText(facts));
    this.add(sheet, 'p', this.tr('Startwert: %1 · Reisen: %2', facts.seed, facts.journeys), 'bold');
    const figures = this.program.refreshEvaluation();
    if (figures?.mixesSettings) {
      this.add(sheet, 'p', this.tr('Die Serie mischt Einstellungen – die exakten Werte gelten für die jetzige.'), 'small');
    }
    const guessRow = this.core.guessRow(this.program.walk);
    if (guessRow >= 0) {
      const unit = this.core.isShare(guessRow) ? this.tr(' %') : this.tr(' Schritte');
      const value = this.core.guessText(this.program.walk, this.separator) + unit;
      this.add(sheet, 'p', this.tr('Schätzung der Klasse: %1 %2', this.program.evaluation.names[guessRow], value));
    }
    if (figures?.exactHidden) {
      this.add(sheet, 'p', this.tr('Die exakten Werte sind verborgen: Die Klasse schätzt zuerst.'), 'small');
    }
    sheet.append(this.document.querySelector('#evaluationPanel .table table').cloneNode(true));
    const pictures = this.add(sheet, 'div', '', 'pictures');
    for (const id of ['convergenceChart', 'lengthChart', 'lattice']) {
      const canvas = this.document.getElementById(id);
      const image = this.add(pictures, 'img');
      image.src = canvas.toDataURL('image/png');
      image.alt = canvas.closest('[aria-label]')?.getAttribute('aria-label') ?? '';
    }
    if (!this.document.getElementById('protocol').hidden) {
      this.add(sheet, 'pre', this.document.getElementById('protocol').value, 'protocol mono');
    }
  }

  worksheet(steps) {
    const sheet = this.add(this.paper, 'section', '', 'sheet worksheet');
    this.add(sheet, 'h1', this.tr('Quirlweg – Arbeitsblatt'));
    this.add(sheet, 'p', this.tr('Name: ______________________   Datum: ____________'));
    steps.forEach((step, i) => {
      const block = this.add(sheet, 'div', '', 'step');
      const pick = (german, english) => this.program.steps.pick(german, english);
      this.add(block, 'p', this.tr('%1. %2', i + 1, pick(step.textGerman, step.textEnglish)));
      const question = pick(step.questionGerman, step.questionEnglish);
      if (!question) return;
      this.add(block, 'p', question, 'bold');
      if (step.answer) this.add(block, 'p', this.tr('Antwort der Klasse: %1', step.answer));
      else for (let line = 0; line < 3; ++line) this.add(block, 'div', '', 'answer-line');
    });
  }

  settingText(f) {
    let text = this.tr('Dimension %1, Gitter −%2 … %2, Start (%3 | %4), Heimkreis absorbiert: %5',
                       f.dimension, f.radius, f.startX, f.startUp,
                       f.homeAbsorbs ? this.tr('ja') : this.tr('nein'));
    if (f.rightProbability !== null) text += this.tr(', p(rechts) = %1', f.rightProbability);
    return text;
  }
}
