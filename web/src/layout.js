// Places every control where the desktop program places it, from the desktop program's own
// layout tables in the core: twips and points, scaled so that the window fits its part of the
// page. The classic layout fills a screen; the lesson arrangement, made for the evaluation
// beside the window and for the back row, fills an area of any shape.

// CSS's own units: 96 pixels and 72 points to an inch.
const cssPixelsPerInch = 96;
const pointsPerInch = 72;

export const pointsToPixels = (points) => (points * cssPixelsPerInch) / pointsPerInch;

// The least sizes a pupil still reads (CSS pixels): texts, and figures in boxes and tables.
export const leastText = 12;
export const leastFigure = 14;

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

// The classic layout, as large as fits `width` x `height`: its rows for a screen that many
// times the design screen, and the window's size on the page.
export function classicLayout(core, width, height) {
  const size = designSize(core);
  const scale = scaleFor(size, width, height);
  const arrangement = core.arrangeControls(core.designScreenWidth * scale,
                                           core.designScreenHeight * scale);
  return { arrangement, lesson: false, pixelsPerTwip: 1 / twipsPerPixel(core),
           width: size.width * scale, height: size.height * scale };
}

// The lesson arrangement filling an area of `width` x `height` CSS pixels: as high as the area,
// as wide as its even scale makes it.
export function lessonLayout(core, width, height) {
  const twips = twipsPerPixel(core);
  const arrangement = core.arrangeForLesson(width * twips, height * twips);
  return { arrangement, lesson: true, pixelsPerTwip: 1 / twips,
           width: core.lessonSizes().width * arrangement.scale, height };
}

// Touch takes a slider on at least this height (CSS pixels), centred on its row where the
// neighbours leave room: sliders draw no box of their own, so the taller element looks the same.
const leastTouchHeight = 44;

// The rows a slider's touch band may take: between the boxes above and below it that share
// some of its width, within its frame.
function freeRows(slider, others, frameHeight) {
  let upper = 0;
  let lower = frameHeight;
  for (const other of others) {
    const besides = other.left >= slider.left + slider.width || other.left + other.width <= slider.left;
    if (other === slider || besides) continue;
    if (other.top + other.height <= slider.top) upper = Math.max(upper, other.top + other.height);
    else if (other.top >= slider.top + slider.height) lower = Math.min(lower, other.top);
  }
  return { upper: Math.min(upper, slider.top), lower: Math.max(lower, slider.top + slider.height) };
}

// Each slider's band: 44 px where the rows around it are free, as much as they leave else, so
// that a tap on a neighbour never moves the slider.
function widenSliders(placed, rootHeight) {
  for (const [parent, boxes] of placed) {
    const frame = boxes.find((b) => b.element === parent);
    for (const slider of boxes) {
      if (slider.element.type !== 'range' || slider.height >= leastTouchHeight) continue;
      const { upper, lower } = freeRows(slider, boxes.filter((b) => b.element !== parent),
                                        frame ? frame.height : rootHeight);
      const height = Math.min(leastTouchHeight, lower - upper);
      const top = Math.min(Math.max(slider.top + (slider.height - height) / 2, upper), lower - height);
      Object.assign(slider.element.style, { top: `${top}px`, height: `${height}px` });
    }
  }
}

// Where two controls' boxes overlap (the desktop's option boxes reach under their neighbours),
// the earlier gives up the shared part along the axis they overlap least, so that a tap
// reaches the control drawn there.
const takesTaps = (element) => element.matches('button, label.option, label.check');

function trimOverlaps(boxes) {
  const tapped = boxes.filter((b) => takesTaps(b.element));
  tapped.forEach((box, i) => {
    for (const later of tapped.slice(i + 1)) {
      const dx = Math.min(box.left + box.width, later.left + later.width) - Math.max(box.left, later.left);
      const dy = Math.min(box.top + box.height, later.top + later.height) - Math.max(box.top, later.top);
      if (dx <= 0 || dy <= 0) continue;
      const [start, size] = dx < dy ? ['left', 'width'] : ['top', 'height'];
      if (later[start] > box[start]) {
        box[size] = later[start] - box[start];
      } else {
        box[size] -= later[start] + later[size] - box[start];
        box[start] = later[start] + later[size];
      }
      box.element.style[start] = `${box[start]}px`;
      box.element.style[size] = `${box[size]}px`;
    }
  });
}

// Every element named data-control="…" (the desktop control's name) or data-line="…" gets its
// row of the layout; an element the layout has no row for is not shown. No text is smaller
// than a pupil reads, whatever the scale, and no figure in a box.
export function placeAll(root, layout, touch = false) {
  const { arrangement: a, pixelsPerTwip } = layout;
  const pixels = (twips) => twips * pixelsPerTwip;
  root.style.width = `${layout.width}px`;
  root.style.height = `${layout.height}px`;
  const controls = new Map(a.controls.map((c) => [c.name, c]));
  // The boxes placed in each container, in that container's pixels; a frame is among its
  // parent's and its own, where it gives its children's room.
  const placed = new Map();
  const note = (parent, box) => placed.set(parent, [...(placed.get(parent) ?? []), box]);
  for (const element of root.querySelectorAll('[data-control]')) {
    const c = controls.get(element.dataset.control);
    element.classList.toggle('unplaced', !c);
    if (!c) continue;
    const box = { element, left: pixels(c.left), top: pixels(c.top), width: pixels(c.width),
                  height: pixels(c.height) };
    for (const edge of ['left', 'top', 'width', 'height']) element.style[edge] = `${box[edge]}px`;
    if (c.fontSize !== null) {
      const least = element.classList.contains('figure') ? leastFigure : leastText;
      element.style.fontSize = `${Math.max(least, pointsToPixels(c.fontSize))}px`;
    }
    note(element.parentElement, box);
    if (element.matches('fieldset')) note(element, box);
  }
  for (const boxes of placed.values()) trimOverlaps(boxes);
  if (touch) widenSliders(placed, layout.height);
  const lines = new Map(a.lines.map((l) => [l.name, l]));
  for (const element of root.querySelectorAll('[data-line]')) {
    const l = lines.get(element.dataset.line);
    Object.assign(element.style, {
      left: `${pixels(l.x1)}px`,
      top: `${pixels(l.y1)}px`,
      width: `${pixels(l.x2 - l.x1)}px`,
      height: '1px',
    });
  }
}
