// What a finger and an eye find on the page as it is laid out now: whether each control shown
// takes a tap at its centre and just inside its four edges, whether any text is smaller than a
// pupil reads or cut, and which controls answered a tap.

// What takes a tap: buttons, choosers, sliders and boxes to type in, and an option's or a check
// box's label, which takes the tap for the box inside it.
export const controlSelector =
  'button, select, input:not([readonly]):not([type=file]):not([type=radio]):not([type=checkbox]),' +
  'label.option, label.check, label:has(> input[type=checkbox])';

// In the page: the faults of the layout as it stands; figures (boxes and the table's cells)
// must be `leastFigure` CSS pixels high, every other text `leastText`.
export function layoutFaults({ leastText, leastFigure, controlSelector }) {
  const controls = [...document.querySelectorAll(controlSelector)].filter((c) =>
    c.checkVisibility({ visibilityProperty: true }) && c.getClientRects().length > 0);
  const nameOf = (c) => c.id || c.dataset.control || c.textContent.trim() || c.outerHTML.slice(0, 40);
  const owner = (e) => e?.closest(controlSelector);
  const faults = [];
  for (const c of controls) {
    c.scrollIntoView({ block: 'center', inline: 'nearest' });
    const r = c.getBoundingClientRect();
    const inset = (size) => Math.min(2, size / 4);
    const points = [[r.left + r.width / 2, r.top + r.height / 2],
                    [r.left + inset(r.width), r.top + r.height / 2],
                    [r.right - inset(r.width), r.top + r.height / 2],
                    [r.left + r.width / 2, r.top + inset(r.height)],
                    [r.left + r.width / 2, r.bottom - inset(r.height)]];
    for (const [x, y] of points) {
      const hit = document.elementFromPoint(x, y);
      if (owner(hit) !== c) {
        faults.push(`${nameOf(c)} at ${Math.round(x)},${Math.round(y)}: ${hit ? nameOf(owner(hit) ?? hit) : 'nothing'}`);
      }
    }
  }
  window.scrollTo(0, 0);
  document.getElementById('evaluationPanel').scrollTop = 0;
  const figures = '.figure, #evaluationRows td';
  for (const e of document.querySelectorAll('body *')) {
    const text = [...e.childNodes].some((n) => n.nodeType === Node.TEXT_NODE && n.textContent.trim()) ||
                 (e.matches('input:not([type=range]):not([type=checkbox]):not([type=radio]), select') && e.value);
    if (!text || !e.checkVisibility({ visibilityProperty: true }) || e.closest('.report, .announcements')) continue;
    const size = parseFloat(getComputedStyle(e).fontSize);
    const least = e.matches(figures) ? leastFigure : leastText;
    if (size < least - 0.05) faults.push(`${nameOf(e)}: ${size.toFixed(1)} px`);
    // A text beyond its box is cut or runs into its neighbour.
    if (!e.closest('#window')) continue;
    if (e.matches('input, select')) {
      if (e.scrollWidth > e.clientWidth + 1) faults.push(`${nameOf(e)} cut: ${e.scrollWidth} px in ${e.clientWidth}`);
      continue;
    }
    const range = document.createRange();
    range.selectNodeContents(e);
    const [t, b] = [range.getBoundingClientRect(), e.getBoundingClientRect()];
    // A line's box reaches beyond its letters above and below, by about a fifth of its size.
    const spare = size / 5;
    if (t.left < b.left - 1 || t.right > b.right + 1 || t.top < b.top - spare || t.bottom > b.bottom + spare) {
      faults.push(`${nameOf(e)} cut: text ${[t.left, t.top, t.right, t.bottom].map(Math.round)} ` +
                  `in ${[b.left, b.top, b.right, b.bottom].map(Math.round)}`);
    }
  }
  const table = document.querySelector('#evaluationPanel .table');
  if (table.checkVisibility() && table.scrollWidth > table.clientWidth) {
    faults.push(`table cut: ${table.scrollWidth} px in ${table.clientWidth}`);
  }
  return faults;
}

// In the page: from now on, every click, input and change is noted by the control it reached.
export function noteReactions(controlSelector) {
  globalThis.reactions = [];
  for (const type of ['click', 'input', 'change']) {
    document.addEventListener(type, (event) => {
      const at = event.target.closest?.(controlSelector);
      globalThis.reactions.push(at ? at.id || at.dataset.control || at.textContent.trim() : event.target.tagName);
    }, true);
  }
}

// In the page: the centre and the points just inside the edges of the control named so.
export function tapPoints(selector) {
  const c = document.querySelector(selector);
  c.scrollIntoView({ block: 'center' });
  const r = c.getBoundingClientRect();
  const inset = (size) => Math.min(3, size / 4);
  return [[r.left + r.width / 2, r.top + r.height / 2], [r.left + inset(r.width), r.top + r.height / 2],
          [r.right - inset(r.width), r.top + r.height / 2], [r.left + r.width / 2, r.top + inset(r.height)],
          [r.left + r.width / 2, r.bottom - inset(r.height)]];
}
