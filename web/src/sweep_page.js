// "Versuchsreihe": journeys through the core, without drawing, at every point of a sweep over
// one parameter of the current setting, in workers on every core, against the exact curve.
// The page stays responsive; Abbrechen stops the sweep once the chunks under way are done
// (milliseconds each) and leaves no table. The page's own walk is not touched.

import { download } from './download.js';
import { SweepChart } from './sweep_chart.js';
import { caption } from './texts.js';

// A seed for the sweep: a whole number below 2^53, as JavaScript numbers hold it.
function newSeed(window) {
  const [high, low] = window.crypto.getRandomValues(new Uint32Array(2));
  return (high & 0x1fffff) * 2 ** 32 + low;
}

export class SweepPage {
  constructor(document, core, tr, tasks, separator, setting) {
    this.document = document;
    this.core = core;
    this.tr = tr;
    this.tasks = tasks;
    this.separator = separator;
    this.setting = setting;  // () => the walk's setting now
    const byId = (id) => document.getElementById(id);
    this.choice = byId('sweepChoice');
    [tr('Gittergröße R (2 bis 50)'), tr('Wahrscheinlichkeit nach rechts (1D)'), tr('Start x'),
     tr('R in allen drei Dimensionen (Pólya)')].forEach((name, i) => this.choice.add(new Option(name, String(i))));
    this.quantityNames = [tr('Anteil zu Hause'), tr('mittlere Weglänge')];
    this.quantity = byId('sweepQuantity');
    this.quantityNames.forEach((name, i) => this.quantity.add(new Option(name, String(i))));
    this.perPoint = byId('sweepPerPoint');
    this.button = byId('sweepStart');
    this.progress = byId('sweepProgress');
    this.status = byId('sweepStatus');
    this.chart = new SweepChart(byId('sweepChart'));
    this.saveButton = byId('sweepSave');
    this.saveButton.addEventListener('click', () => this.save());
    this.run = 0;
    this.button.addEventListener('click', () => (this.running ? this.cancel() : this.start()));
    this.quantity.addEventListener('change', () => {
      // The table holds one quantity: another needs a new sweep.
      if (this.table && this.table.quantity !== Number(this.quantity.value)) {
        this.status.textContent = tr('Für die andere Messgröße die Versuchsreihe neu starten.');
      }
    });
  }

  perPointChosen() {
    const { min, max, defaultValue } = this.perPoint;
    const n = Math.round(Number(this.perPoint.value));
    const chosen = Number.isFinite(n) ? Math.min(Number(max), Math.max(Number(min), n)) : Number(defaultValue);
    this.perPoint.value = String(chosen);
    return chosen;
  }

  async start() {
    const run = ++this.run;
    const choice = Number(this.choice.value);
    const quantity = Number(this.quantity.value);
    const perPoint = this.perPointChosen();
    const points = this.core.sweepPoints(this.setting(), choice);
    const chunks = this.core.sweepChunks(points.length, perPoint);
    const seed = newSeed(this.document.defaultView);
    this.table = null;
    this.saveButton.disabled = true;
    this.draw();
    this.running = true;
    this.cancelled = false;
    this.showButton(this.tr('Abbre&chen'));
    this.progress.value = 0;
    this.status.textContent = this.tr('%1 Punkte, %2 Reisen je Punkt auf %3 Kernen …',
                                      String(points.length), String(perPoint), String(this.tasks.cores));
    const begun = performance.now();
    const measuring = this.measure(run, points, chunks, seed, perPoint * points.length);
    try {
      const [values, sums] = await Promise.all([
        Promise.all(points.map((p) => this.tasks.run('sweepExact', [p]))), measuring]);
      if (run !== this.run) return;
      this.measured = [choice, quantity, points, sums, values];
      this.table = { quantity, choice, ...this.core.sweepTable(...this.measured, this.separator) };
      this.saveButton.disabled = false;
      this.progress.value = this.progress.max;
      const tenths = Math.round((performance.now() - begun) / 100);
      const seconds = this.core.localeForm(tenths / 10, this.separator);
      this.status.textContent = this.tr('%1 Punkte, %2 Reisen in %3 s.', String(points.length),
                                        String(perPoint * points.length), seconds);
      this.draw();
    } catch {
      await measuring.catch(() => {});
      if (run !== this.run) return;
      this.table = null;
      this.progress.value = 0;
      this.status.textContent = this.tr('Abgebrochen.');
    } finally {
      if (run === this.run) {
        this.running = false;
        this.button.disabled = false;
        this.showButton(this.tr('&Versuchsreihe starten'));
      }
    }
  }

  // Every chunk walked, a few for each core at a time, summed by point: three numbers a point.
  measure(run, points, chunks, seed, total) {
    const sums = new Float64Array(points.length * 3);
    const inFlightMost = 4 * this.tasks.cores;
    let next = 0;
    let inFlight = 0;
    let done = 0;
    return new Promise((finish, fail) => {
      const issue = () => {
        if (this.cancelled || run !== this.run) {
          if (inFlight === 0) fail(new Error('cancelled'));
          return;
        }
        if (next >= chunks.length && inFlight === 0) finish(sums);
        for (; inFlight < inFlightMost && next < chunks.length; next += 3) {
          const [point, index, journeys] = chunks.subarray(next, next + 3);
          ++inFlight;
          this.tasks.run('measureSweepChunk', [points[point], point, index, journeys, seed]).then(([n, home, steps]) => {
            sums[3 * point] += n;
            sums[3 * point + 1] += home;
            sums[3 * point + 2] += steps;
            done += journeys;
            --inFlight;
            if (run === this.run) this.progress.value = Math.floor((this.progress.max * done) / total);
            issue();
          }, fail);
        }
      };
      issue();
    });
  }

  // The finished table as CSV, as the desktop saves it.
  save() {
    const quantity = this.quantityNames[this.table.quantity];
    const words = {
      dimension: this.tr('Dimension'),
      parameter: this.parameterNames()[this.table.choice],
      journeys: this.tr('Reisen'),
      measured: this.tr('%1 gemessen', quantity),
      low: this.tr('95-%-Bereich von'),
      high: this.tr('95-%-Bereich bis'),
      exact: this.tr('%1 exakt', quantity),
    };
    const bytes = this.core.sweepCsv(...this.measured, words, this.separator);
    download(this.document, new Blob([bytes], { type: 'text/csv' }), this.tr('quirlweg-versuchsreihe.csv'));
  }

  parameterNames() {
    return [this.tr('Gittergröße R'), this.tr('Wahrscheinlichkeit nach rechts'), this.tr('Start x'),
            this.tr('Gittergröße R')];
  }

  cancel() {
    // The chunks under way are done first, so that no second sweep shares the cores with them.
    this.cancelled = true;
    this.button.disabled = true;
    this.status.textContent = this.tr('Wird abgebrochen …');
    this.tasks.drop('sweepExact');
  }

  showButton(text) {
    this.button.textContent = caption(text);
    this.button.accessKey = text.match(/&(.)/)?.[1]?.toLowerCase() ?? '';
  }

  draw() {
    const t = this.table;
    const quantity = t ? this.quantityNames[t.quantity] : '';
    const parameter = t ? this.parameterNames()[t.choice] : '';
    this.chart.draw(t, {
      title: t ? this.tr('%1 über %2', quantity, parameter) : '',
      xTitle: parameter,
      yTitle: t?.quantity === 0 ? this.tr('%1 (%)', quantity) : quantity,
    }, (curve) => (curve === 0 ? this.tr('gemessen') : this.tr('%1D', String(curve))));
  }
}
