// Places every control where the desktop program places it, from the desktop program's own
// layout table in the core: twips (15 to a CSS pixel at scale 1) and points, scaled so that
// the whole window fits the page.

const twipsPerPixel = 15;
// The design screen the table was drawn for; the core stretches it by the screen's size.
const designScreen = { width: 12288, height: 9216 };

// The window's extent at scale 1: the frames' right edge and the evaluation button's lower
// edge, with the lattice view's margins beside them.
export function designSize(arrange) {
  const a = arrange(designScreen.width, designScreen.height);
  const row = (name) => a.controls.find((c) => c.name === name);
  const view = row('picAusgabe');
  const frame = row('Frame1');
  const button = row('cmdAuswertung');
  return {
    width: (frame.left + frame.width + view.left) / twipsPerPixel,
    height: (button.top + button.height + view.top) / twipsPerPixel,
  };
}

export function scaleFor(size, width, height) {
  return Math.min(width / size.width, height / size.height);
}

// CSS pixels of a twips value, and of a point size.
const px = (twips) => `${twips / twipsPerPixel}px`;
const fontPx = (points) => `${(points * 4) / 3}px`;

// Touch takes a slider on at least this height (CSS pixels), centred on its row: sliders
// draw no box of their own, so the taller element looks the same.
const leastTouchHeight = 44;

// Every element named data-control="…" (the desktop control's name) or data-line="…" gets its
// row of the table for a screen `scale` times the design screen: the same factor on both axes,
// so that the page keeps the window's proportions.
export function placeAll(root, size, scale, arrange, touch = false) {
  const a = arrange(designScreen.width * scale, designScreen.height * scale);
  root.style.width = `${size.width * scale}px`;
  root.style.height = `${size.height * scale}px`;
  const controls = new Map(a.controls.map((c) => [c.name, c]));
  for (const element of root.querySelectorAll('[data-control]')) {
    const c = controls.get(element.dataset.control);
    Object.assign(element.style, {
      left: px(c.left),
      top: px(c.top),
      width: px(c.width),
      height: px(c.height),
    });
    if (c.fontSize !== null) element.style.fontSize = fontPx(c.fontSize);
    const height = c.height / twipsPerPixel;
    if (touch && element.type === 'range' && height < leastTouchHeight) {
      element.style.top = `${c.top / twipsPerPixel - (leastTouchHeight - height) / 2}px`;
      element.style.height = `${leastTouchHeight}px`;
    }
  }
  const lines = new Map(a.lines.map((l) => [l.name, l]));
  for (const element of root.querySelectorAll('[data-line]')) {
    const l = lines.get(element.dataset.line);
    Object.assign(element.style, {
      left: px(l.x1),
      top: px(l.y1),
      width: px(l.x2 - l.x1),
      height: '1px',
    });
  }
}
