// The evaluation beside the window: the series counted and measured beside the exact values
// with the measurement's 95 % range, the convergence chart and the length histogram. The core
// gives every figure, the table's rows and their value texts; this only words and draws them.
import { ConvergenceChart, LengthChart } from './charts.js';

// The rows' names as the desktop program's evaluation table words them, by the core's ids.
const rowNames = (tr) => ({
  home: tr('zu Hause'),
  boundary: tr('am Rand'),
  top: tr('oben'),
  right: tr('rechts'),
  bottom: tr('unten'),
  left: tr('links'),
  zFace: tr('z-Flächen'),
  meanLength: tr('mittlere Weglänge'),
});

// A sentence a pupil reads for each row, as the desktop program's table gives it.
const rowSentences = (tr) => {
  const side = tr('Wie oft der Wanderer den Rand an dieser Seite erreichte.');
  return {
    home: tr('Wie oft der Wanderer wieder zu Hause ankam, bevor er den Rand erreichte.'),
    boundary: tr('Wie oft der Wanderer den Rand erreichte, an welcher Seite auch immer.'),
    top: side,
    right: side,
    bottom: side,
    left: side,
    zFace: tr('Wie oft der Wanderer den Rand vorn oder hinten erreichte.'),
    meanLength: tr('Wie viele Schritte eine Reise im Durchschnitt dauerte.'),
  };
};

export class Evaluation {
  constructor(document, core, tr, separator) {
    this.document = document;
    this.core = core;
    this.tr = tr;
    this.separator = separator;
    const names = rowNames(tr);
    this.names = core.seriesRows().map((row) => names[row.key]);
    const sentences = rowSentences(tr);
    this.sentences = core.seriesRows().map((row) => sentences[row.key]);
    this.panel = document.getElementById('evaluationPanel');
    this.convergence = new ConvergenceChart(document.getElementById('convergenceChart'));
    this.lengths = new LengthChart(document.getElementById('lengthChart'));
    this.lastRefresh = 0;
    this.buildTable();
    this.buildSideChooser();
  }

  get open() {
    return !this.panel.hidden;
  }

  buildTable() {
    const body = this.document.getElementById('evaluationRows');
    this.cells = this.names.map((name, r) => {
      const row = body.insertRow();
      const head = this.document.createElement('th');
      head.scope = 'row';
      head.textContent = name;
      head.title = this.sentences[r];
      row.append(head);
      return [0, 1, 2, 3].map(() => row.insertCell());
    });
  }

  buildSideChooser() {
    const chooser = this.document.getElementById('side');
    for (const r of this.core.sideRows()) chooser.add(new Option(this.names[r], String(r)));
  }

  side() {
    return Number(this.document.getElementById('side').value);
  }

  // `figures(side, separator, logarithmic)` gives the core's evaluation; `homeAbsorbs` is the current setting's.
  refresh(figures, homeAbsorbs, now = 0, running = false) {
    if (!this.open || (running && now - this.lastRefresh < this.core.evaluationRefreshMilliseconds)) return;
    this.lastRefresh = now;
    const log = this.document.getElementById('logarithmic').checked;
    const f = figures(this.side(), this.separator, log);
    const text = (r, value) => this.core.rowValueText(r, value, this.separator);
    f.rows.forEach((row, r) => {
      const [counted, measured, range, exact] = this.cells[r];
      const tableRow = counted.parentElement;
      tableRow.hidden = !row.shown;
      counted.textContent = row.count === null ? '' : String(row.count);
      measured.textContent = row.measured === null ? '' : text(r, row.measured);
      range.textContent = row.low === null || row.high === null ? ''
        : this.tr('%1 – %2').replace('%1', text(r, row.low)).replace('%2', text(r, row.high));
      const sign = row.outside ? `${this.core.markedSign()} ` : '';
      // A question mark while the class guesses, dots while the values are computed.
      const missing = f.exactHidden ? '?' : '\u2026';
      exact.textContent = row.exact === null ? missing : sign + text(r, row.exact);
      tableRow.classList.toggle('marked', row.outside);
      tableRow.title = row.outside ? this.tr('Der exakte Wert liegt außerhalb des 95-%-Bereichs.') : '';
    });
    this.document.getElementById('mixNote').hidden = !f.mixesSettings;
    // The chooser offers the sides this dimension has, and shows the one the chart follows.
    const chooser = this.document.getElementById('side');
    for (const option of chooser.options) option.hidden = !f.rows[Number(option.value)].shown;
    if (!homeAbsorbs) chooser.value = String(f.followed);
    chooser.disabled = homeAbsorbs;
    const followed = f.rows[f.followed];
    const guessed = (r) => (f.guessRow === r ? f.guessValue : null);
    this.convergence.draw(f.convergence, followed.exact, guessed(f.followed), f.convergenceAxes, {
      title: this.tr('Anteil „%1“', this.names[f.followed]),
      xTitle: this.tr('Reisen'),
      yTitle: this.tr('Anteil in %'),
      band: this.tr('exakt ± 1,96 Standardfehler'),
      exact: this.tr('exakt'),
      measured: this.tr('gemessen'),
      guess: this.tr('Schätzung'),
    });
    const meanGuess = f.guessRow !== null && !this.core.isShare(f.guessRow) ? f.guessValue : null;
    this.lengths.draw(f.lengths, meanGuess, f.lengthAxes, {
      title: this.tr('Weglängen (Klassenbreite %1)', String(f.lengths.width)),
      xTitle: this.tr('Länge in Schritten'),
      yTitle: this.tr('Anteil in %'),
      exact: this.tr('exakt'),
      measured: this.tr('gemessen'),
      guess: this.tr('Schätzung'),
    });
    return f;
  }
}
