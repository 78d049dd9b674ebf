// The evaluation beside the window: the series counted and measured beside the exact values
// with the measurement's 95 % range, the convergence chart and the length histogram. The core
// gives every figure; this only words and draws them.
import { ConvergenceChart, LengthChart } from './charts.js';
import { valueText } from './exact_values.js';

// The table's rows in the core's order; which dimensions show them.
const rows = [
  ['zu Hause', 'percent', [1, 2, 3]],
  ['am Rand', 'percent', [1, 2, 3]],
  ['oben', 'percent', [2, 3]],
  ['rechts', 'percent', [1, 2, 3]],
  ['unten', 'percent', [2, 3]],
  ['links', 'percent', [1, 2, 3]],
  ['Ebene-Rand (z)', 'percent', [3]],
  ['mittlere Weglänge', 'length', [1, 2, 3]],
];
const firstSide = 2;
const meanRow = 7;
// Refreshing while a run goes on: at most this often, as the desktop program polls.
const refreshInterval = 100;

export class Evaluation {
  constructor(document, tr, separator) {
    this.document = document;
    this.tr = tr;
    this.separator = separator;
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
    this.cells = rows.map(([name]) => {
      const row = body.insertRow();
      const head = this.document.createElement('th');
      head.scope = 'row';
      head.textContent = this.tr(name);
      row.append(head);
      return [0, 1, 2, 3].map(() => row.insertCell());
    });
  }

  buildSideChooser() {
    const chooser = this.document.getElementById('side');
    for (let r = firstSide; r < meanRow; ++r) chooser.add(new Option(this.tr(rows[r][0]), String(r)));
  }

  side() {
    return Number(this.document.getElementById('side').value);
  }

  // `figures()` gives the core's evaluation; `dimension` and `homeAbsorbs` the current setting.
  refresh(figures, dimension, homeAbsorbs, now = 0, running = false) {
    if (!this.open || (running && now - this.lastRefresh < refreshInterval)) return;
    this.lastRefresh = now;
    const f = figures(this.side());
    const text = (r, value) => valueText(rows[r][1], value, this.separator);
    f.rows.forEach((row, r) => {
      const [counted, measured, range, exact] = this.cells[r];
      const tableRow = counted.parentElement;
      tableRow.hidden = !rows[r][2].includes(dimension);
      counted.textContent = row.count === null ? '' : String(row.count);
      measured.textContent = row.measured === null ? '' : text(r, row.measured);
      range.textContent = row.low === null || row.high === null ? ''
        : this.tr('%1 – %2').replace('%1', text(r, row.low)).replace('%2', text(r, row.high));
      exact.textContent = row.exact === null ? '\u2026' : text(r, row.exact);
      tableRow.classList.toggle('marked', row.outside);
      tableRow.title = row.outside ? this.tr('Der exakte Wert liegt außerhalb des 95-%-Bereichs.') : '';
    });
    this.document.getElementById('mixNote').hidden = !f.mixesSettings;
    this.document.getElementById('side').disabled = homeAbsorbs;
    const followed = f.rows[f.followed];
    this.convergence.draw(f.convergence, followed.exact, {
      title: this.tr('Anteil „%1“', this.tr(rows[f.followed][0])),
      xTitle: this.tr('Reisen'),
      yTitle: this.tr('Anteil in %'),
      band: this.tr('exakt ± 1,96 Standardfehler'),
      exact: this.tr('exakt'),
      measured: this.tr('gemessen'),
      separator: this.separator,
    });
    this.lengths.draw(f.lengths, {
      title: this.tr('Weglängen (Klassenbreite %1)', String(f.lengths.width)),
      xTitle: this.tr('Länge in Schritten'),
      yTitle: this.tr('Anteil in %'),
      exact: this.tr('exakt'),
      measured: this.tr('gemessen'),
      separator: this.separator,
    });
  }
}
