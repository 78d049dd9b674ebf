// Places every control where the desktop program places it, from the desktop program's own
// layout table in the core: twips and points, scaled so that the whole window fits the page.

// CSS's own units: 96 pixels and 72 points to an inch.
const cssPixelsPerInch = 96;
const pointsPerInch = 72;

const twipsPerPixel = (core) => core.twipsPerInch / cssPixelsPerInch;

// The window's extent at scale 1, as the desktop program sizes its window for the design
// screen.
export function designSize(core) {
  const extent = core.windowExtent(core.designScreenWidth, core.designScreenHeight);
  return { width: extent.width / twipsPerPixel(core), height: extent.height / twipsPerPixel(core) };
}

export function scaleFor(size, width, height) {
  return Math.min(width / size.width, height / size.height);
}

const fontPx = (points) => `${(points * cssPixelsPerInch) / pointsPerInch}px`;

// Touch takes a slider on at least this height (CSS pixels), centred on its row: sliders
// draw no box of their own, so the taller element looks the same.
const leastTouchHeight = 44;

// Every element named data-control="…" (the desktop control's name) or data-line="…" gets its
// row of the table for a screen `scale` times the design screen: the same factor on both axes,
// so that the page keeps the window's proportions.
export function placeAll(root, size, scale, core, touch = false) {
  const a = core.arrangeControls(core.designScreenWidth * scale, core.designScreenHeight * scale);
  const pixels = (twips) => twips / twipsPerPixel(core);
  const px = (twips) => `${pixels(twips)}px`;
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
    const height = pixels(c.height);
    if (touch && element.type === 'range' && height < leastTouchHeight) {
      element.style.top = `${pixels(c.top) - (leastTouchHeight - height) / 2}px`;
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
