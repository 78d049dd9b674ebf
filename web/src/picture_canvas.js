// The evaluation's pictures on their canvases: sized to the canvas's box at the screen's pixel
// ratio and drawn in CSS pixels, in the page's font at a size the back row reads.
import { leastText } from './layout.js';

export const font = '"Liberation Sans", "DejaVu Sans", sans-serif';

// A fresh context of the canvas, scaled to CSS pixels, with its size; none while the canvas is
// not shown.
export function canvasSurface(canvas) {
  const { clientWidth: width, clientHeight: height } = canvas;
  if (width === 0 || height === 0) return null;
  const ratio = canvas.ownerDocument.defaultView.devicePixelRatio || 1;
  canvas.width = Math.round(width * ratio);
  canvas.height = Math.round(height * ratio);
  const g = canvas.getContext('2d');
  g.setTransform(ratio, 0, 0, ratio, 0, 0);
  g.clearRect(0, 0, width, height);
  return { g, width, height };
}

// The texts' size in a picture `width` CSS pixels wide: growing with it, never below what the
// back row reads.
export const pictureFontSize = (width) => Math.max(leastText, Math.min(14, width / 32));

// `paint(g, width, height, fontSize)` on the canvas drawn afresh; nothing while it is not shown.
export function drawCanvas(canvas, paint) {
  const surface = canvasSurface(canvas);
  if (!surface) return;
  const { g, width, height } = surface;
  const fontSize = pictureFontSize(width);
  g.font = `${fontSize}px ${font}`;
  paint(g, width, height, fontSize);
}
