// Places every control where the desktop program places it: the design's twips (15 to a CSS
// pixel at scale 1) and points, scaled so that the whole window fits the page.

const designWidth = 11892 + 360;
const designHeight = 8552 + 440;
const twipsPerPixel = 15;

export function scaleFor(width, height) {
  return Math.min(width / (designWidth / twipsPerPixel), height / (designHeight / twipsPerPixel));
}

// "left,top,width,height,points" as an element's data-place says.
export function placementOf(text, scale) {
  const [left, top, width, height, points] = text.split(',').map(Number);
  const px = (twips) => (twips / twipsPerPixel) * scale;
  return {
    left: px(left),
    top: px(top),
    width: px(width),
    height: px(height),
    fontSize: points > 0 ? (points * 4 / 3) * scale : null,
  };
}

export function placeAll(root, scale) {
  root.style.width = `${(designWidth / twipsPerPixel) * scale}px`;
  root.style.height = `${(designHeight / twipsPerPixel) * scale}px`;
  for (const element of root.querySelectorAll('[data-place]')) {
    const p = placementOf(element.dataset.place, scale);
    Object.assign(element.style, {
      left: `${p.left}px`,
      top: `${p.top}px`,
      width: `${p.width}px`,
      height: `${p.height}px`,
    });
    if (p.fontSize) element.style.fontSize = `${p.fontSize}px`;
  }
}
