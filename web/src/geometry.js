// Lattice units to canvas pixels: the core maps them as the desktop program's lattice view
// does, margins, pixels and pen placement included.

export class LatticeGeometry {
  constructor(core, radius, width, height) {
    this.core = core;
    this.mapping = core.latticeMapping(radius, width, height);
  }

  // Lattice points as [x, y, x, y, ...] to the centres of a round pen `pen` pixels wide on
  // the pixels the desktop program draws them on, its edges on pixel edges.
  penCentres(points, pen) {
    return this.core.penCentres(this.mapping, points, pen);
  }

  // Where a point lands, fractional, for the pictures placed over the canvas.
  placeOf(x, y) {
    return this.core.placeOf(this.mapping, x, y);
  }

  // Pixels from one lattice point to the next across.
  get unit() {
    return this.mapping.factorX;
  }
}
