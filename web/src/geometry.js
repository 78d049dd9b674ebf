// Lattice units to canvas pixels as the desktop program's lattice view maps them: the drawing's
// left, top, right and bottom edges carry -1.1 R, -1.06 R, 1.1 R and 1.06 R.

const marginX = 1.1;
const marginY = 1.06;

export function latticeMapping(radius, width, height) {
  return {
    originX: -marginX * radius,
    originY: -marginY * radius,
    factorX: width / (2 * marginX * radius),
    factorY: height / (2 * marginY * radius),
  };
}

// The pixel a lattice point falls on.
export function pixelOf(mapping, x, y) {
  return [
    Math.floor((x - mapping.originX) * mapping.factorX),
    Math.floor((y - mapping.originY) * mapping.factorY),
  ];
}

// Where a point lands in CSS pixels, for the pictures placed over the canvas.
export function placeOf(mapping, x, y) {
  return [(x - mapping.originX) * mapping.factorX, (y - mapping.originY) * mapping.factorY];
}

// The centre line of a round pen `width` pixels wide drawn on pixel `p`: it covers pixels
// p - floor(width / 2) onward, so an even width is centred on a pixel corner and an odd one on
// a pixel centre, and the line's edges fall on pixel edges.
export function penCentre(p, width) {
  return p - Math.floor(width / 2) + width / 2;
}

// A pen width of device-independent pixels in device pixels, at least one.
export function devicePen(width, ratio) {
  return Math.max(1, Math.round(width * ratio));
}

// Lattice points' pen width for a lattice radius.
export function pointWidthFor(radius) {
  if (radius < 5) return 4;
  if (radius < 15) return 3;
  if (radius < 25) return 2;
  return 1;
}
