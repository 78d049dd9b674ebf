// A picture of the evaluation drawn afresh on its canvas: sized to the canvas's box at the
// screen's pixel ratio, in CSS pixels, with the page's font at a size the back row reads.

const font = '"Liberation Sans", "DejaVu Sans", sans-serif';

// `paint(g, width, height, fontSize)`; nothing while the canvas is not shown.
export function drawCanvas(canvas, paint) {
  const { clientWidth: width, clientHeight: height } = canvas;
  if (width === 0 || height === 0) return;
  const ratio = canvas.ownerDocument.defaultView.devicePixelRatio || 1;
  canvas.width = Math.round(width * ratio);
  canvas.height = Math.round(height * ratio);
  const g = canvas.getContext('2d');
  g.setTransform(ratio, 0, 0, ratio, 0, 0);
  g.clearRect(0, 0, width, height);
  const fontSize = Math.max(12, Math.min(15, width / 30));
  g.font = `${fontSize}px ${font}`;
  paint(g, width, height, fontSize);
}
