// The exact values of the current setting in the boxes' tooltips, as the desktop program shows
// them; the core keeps them for the evaluation.

// What each box's tooltip adds, by box: the counts and shares, the mean, the four sides.
const boxValues = {
  count0: (e) => ['percent', e.home],
  count1: (e) => ['percent', e.home],
  count2: (e) => ['percent', e.top + e.right + e.bottom + e.left + e.zFace],
  count3: (e) => ['percent', e.top + e.right + e.bottom + e.left + e.zFace],
  count4: (e) => ['length', e.meanLength],
  hit0: (e) => ['percent', e.top],
  hit1: (e) => ['percent', e.right],
  hit2: (e) => ['percent', e.bottom],
  hit3: (e) => ['percent', e.left],
};

// Two decimals with the locale's separator; shares in per cent.
export function valueText(kind, value, separator) {
  const shown = (kind === 'percent' ? value * 100 : value).toFixed(2).replace('.', separator);
  return kind === 'percent' ? `${shown} %` : shown;
}

export class ExactValues {
  // `known()` is called once the values of a new setting are computed.
  constructor(document, tr, separator, known) {
    this.document = document;
    this.tr = tr;
    this.separator = separator;
    this.known = known;
    this.values = null;
  }

  // `compute()` gives the statistics or {error}; it runs once the page has drawn, since a large
  // lattice takes a moment.
  request(compute) {
    this.values = null;
    this.show();
    clearTimeout(this.pending);
    this.pending = setTimeout(() => {
      const values = compute();
      this.values = values.error ? { error: values.error } : values;
      this.show();
      this.known();
    }, 30);
  }

  show() {
    for (const [id, valueOf] of Object.entries(boxValues)) {
      const box = this.document.getElementById(id);
      let text = '\u2026';
      if (this.values?.error) text = '\u2013';
      else if (this.values) text = valueText(...valueOf(this.values), this.separator);
      box.title = `${this.tr(box.dataset.tip)}\n${this.tr('exakt: %1', text)}`;
    }
  }
}
