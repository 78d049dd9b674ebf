// The exact values of the current setting in the boxes' tooltips, as the desktop program shows
// them: the core names the row each box adds, keeps the values and words them.

export class ExactValues {
  // `known()` is called once the values of a new setting are computed.
  constructor(document, core, tr, separator, known) {
    this.document = document;
    this.core = core;
    this.tr = tr;
    this.separator = separator;
    this.known = known;
    this.boxes = core.exactInBoxes();
    this.values = null;
    this.rows = [];
  }

  // The walk's statistics, or {error}, computed once the page has drawn, since a large lattice
  // takes a moment.
  request(walk) {
    this.values = null;
    this.show();
    clearTimeout(this.pending);
    this.pending = setTimeout(() => {
      const values = walk.exactStatistics();
      this.values = values.error ? { error: values.error } : values;
      this.rows = this.core.exactRowValues(walk);
      this.show();
      this.known();
    }, 30);
  }

  text(row) {
    if (this.values === null) return '\u2026';
    const value = this.values.error ? null : this.rows[row];
    return value === null ? '\u2013' : this.core.rowValueText(row, value, this.separator);
  }

  show() {
    for (const { control, row } of this.boxes) {
      const box = this.document.querySelector(`[data-control="${control}"]`);
      box.title = `${this.tr(box.dataset.tip)}\n${this.tr('exakt: %1', this.text(row))}`;
    }
  }
}
