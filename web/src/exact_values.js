// The exact values of the current setting: in the boxes' tooltips, as the desktop program shows
// them, and in the evaluation dialog.

const rows = [
  ['exakt zu Hause', (e) => e.home, 'percent'],
  ['exakt oben', (e) => e.top, 'percent'],
  ['exakt rechts', (e) => e.right, 'percent'],
  ['exakt unten', (e) => e.bottom, 'percent'],
  ['exakt links', (e) => e.left, 'percent'],
  ['exakt Ebene-Rand (z)', (e) => e.zFace, 'percent', 3],
  ['exakt mittlere Weglänge', (e) => e.meanLength, 'length'],
  ['exakt Standardabweichung der Weglänge', (e) => e.sdLength, 'length'],
];

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
  constructor(document, tr, separator) {
    this.document = document;
    this.tr = tr;
    this.separator = separator;
    this.values = null;
    this.dimension = 2;
  }

  // `compute()` gives the statistics or {error}; it runs once the page has drawn, since a large
  // lattice takes a moment.
  request(compute, dimension) {
    this.values = null;
    this.dimension = dimension;
    this.show();
    clearTimeout(this.pending);
    this.pending = setTimeout(() => {
      const values = compute();
      this.values = values.error ? { error: values.error } : values;
      this.show();
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
    this.fillDialog();
  }

  fillDialog() {
    const body = this.document.getElementById('exactRows');
    body.replaceChildren();
    const row = (label, value) => {
      const tr = body.insertRow();
      tr.insertCell().textContent = label;
      const cell = tr.insertCell();
      cell.className = 'value';
      cell.textContent = value;
    };
    if (!this.values || this.values.error) {
      row(this.tr('exakte Werte noch nicht berechnet'), '');
      return;
    }
    for (const [label, valueOf, kind, onlyIn] of rows) {
      if (onlyIn && onlyIn !== this.dimension) continue;
      row(this.tr(label), valueText(kind, valueOf(this.values), this.separator));
    }
  }
}
