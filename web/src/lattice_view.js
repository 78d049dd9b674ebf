// The lattice view: the lattice and the traces on a canvas at the screen's own resolution,
// the walker picture and the end marker placed over it. Where things go and with which pens
// and colours, the core says; this module strokes and fills.
import { LatticeGeometry } from './geometry.js';

export class LatticeView {
  // `heatOf(spacing)`: the walk's traces as heat for points `spacing` pixels apart.
  constructor(core, canvas, walker, marker, heatOf) {
    this.core = core;
    this.canvas = canvas;
    this.walker = walker;
    this.marker = marker;
    this.heatOf = heatOf;
    this.context = canvas.getContext('2d');
    this.lattice = null;
    this.ratio = 1;
    this.look = { heat: false, highContrast: false, legendCaption: '', commaGroups: false };
  }

  // Heat traces or the classic ones, classic colours or high contrast: drawn afresh.
  setLook(look, marks) {
    Object.assign(this.look, look);
    if (!this.lattice) return;
    this.drawLattice(this.lattice);
    this.drawMarks(marks);
  }

  // A new size or pixel ratio: the canvas is drawn afresh from the whole trace picture.
  resize(width, height, ratio, lattice, marks) {
    this.canvas.style.width = `${width}px`;
    this.canvas.style.height = `${height}px`;
    this.canvas.width = Math.max(1, Math.round(width * ratio));
    this.canvas.height = Math.max(1, Math.round(height * ratio));
    this.ratio = ratio;
    this.cssWidth = width;
    this.cssHeight = height;
    this.drawLattice(lattice);
    this.drawMarks(marks);
  }

  drawLattice(lattice) {
    this.lattice = lattice;
    this.heatShown = false;
    const r = lattice.radius;
    this.style = this.core.latticeStyle(r, this.look.highContrast);
    this.geometry = new LatticeGeometry(this.core, r, this.canvas.width, this.canvas.height);
    this.cssGeometry = new LatticeGeometry(this.core, r, this.cssWidth, this.cssHeight);
    const s = this.style;
    const c = this.context;
    c.fillStyle = s.back;
    c.fillRect(0, 0, this.canvas.width, this.canvas.height);
    const corners = [[-r, -r], [r, -r], [r, r], [-r, r]];
    // Each side stroked alone: their round ends overlap at the corners as they always did.
    for (let i = 0; i < 4; ++i) {
      this.lines([[corners[i], corners[(i + 1) % 4]]], s.boundaryWidth, s.boundary);
    }
    // The points go over the boundary square, the boundary points included.
    const dots = [];
    for (let x = -r; x <= r; ++x) for (let y = -r; y <= r; ++y) dots.push([x, y]);
    this.dots(dots, s.pointWidth, s.point);
    // The home circle always sits on the origin, wherever the start point is; heat traces
    // go under it.
    if (lattice.homeCircle && !this.look.heat) this.homeCircle();
  }

  homeCircle() {
    const s = this.style;
    this.circle(s.homeRingWidth, s.homeRing);
    this.circle(s.homeCircleWidth, s.homeCircle);
  }

  // Marks as the core sends them: five numbers each, from x, from y, to x, to y, pen width.
  // One path a pen width: an opaque trace looks the same stroked at once, and a canvas
  // strokes one long path much faster than thousands of short ones.
  drawMarks(marks) {
    if (this.look.heat) {
      // Any new visit may change the scale's top and with it every colour.
      if (marks.length > 0 || !this.heatShown) this.drawHeat();
      return;
    }
    const lines = new Map();
    const dots = new Map();
    const add = (groups, width, item) => {
      if (!groups.has(width)) groups.set(width, []);
      groups.get(width).push(item);
    };
    for (let i = 0; i < marks.length; i += 5) {
      const from = [marks[i], marks[i + 1]];
      const to = [marks[i + 2], marks[i + 3]];
      if (from[0] === to[0] && from[1] === to[1]) add(dots, marks[i + 4], from);
      else add(lines, marks[i + 4], [from, to]);
    }
    for (const [width, segments] of lines) this.lines(segments, width, this.style.trace);
    for (const [width, points] of dots) this.dots(points, width, this.style.trace);
  }

  // The whole picture with heat traces, in the desktop program's order: the bare lattice, the
  // walked edges least visited first, the points at their ends, the home circle, the legend.
  drawHeat() {
    this.drawLattice(this.lattice);
    const heat = this.heatOf(this.cssGeometry.unit);
    for (const pen of heat.pens) this.strokeLines(pen.segments, pen.width, pen.colour);
    const s = this.style;
    this.fillDots(heat.ringedPoints, s.pointWidth + 2, s.back);
    this.fillDots(heat.walkedPoints, s.pointWidth, s.point);
    if (this.lattice.homeCircle) this.homeCircle();
    this.legend(heat.top);
    this.heatShown = true;
  }

  // In the bottom right corner, below the boundary line, where no trace reaches.
  legend(top) {
    const legend = this.core.heatLegend(this.cssHeight, top, this.look.commaGroups);
    const c = this.context;
    const ratio = this.ratio;
    c.save();
    c.scale(ratio, ratio);
    c.font = `${legend.textPixels}px "Liberation Sans", "DejaVu Sans", sans-serif`;
    const words = [this.look.legendCaption, '1', null, legend.topText];
    const widths = words.map((w) => (w === null ? legend.barWidth : c.measureText(w).width));
    const width = widths.reduce((sum, w) => sum + w, 0) + 3 * legend.gap;
    const height = Math.ceil(legend.textPixels * 1.15) + 2;
    const r = this.lattice.radius;
    const right = this.cssGeometry.placeOf(r, r)[0] + this.style.boundaryWidth / 2;
    const topEdge = this.cssHeight - height - 1;
    let x = right - width;
    c.fillStyle = this.style.back;
    c.fillRect(x, topEdge, width, height);
    c.fillStyle = this.style.trace;
    c.textBaseline = 'middle';
    const middle = topEdge + height / 2;
    words.forEach((word, i) => {
      if (word === null) {
        const bar = c.createLinearGradient(x, 0, x + legend.barWidth, 0);
        legend.colours.forEach((colour, k) => bar.addColorStop(k / (legend.colours.length - 1), colour));
        c.fillStyle = bar;
        c.fillRect(x, middle - legend.barHeight / 2, legend.barWidth, legend.barHeight);
        c.fillStyle = this.style.trace;
      } else {
        c.fillText(word, x, middle);
      }
      x += widths[i] + legend.gap;
    });
    c.restore();
  }

  // The pictures over the lattice, in lattice units.
  place(walker, marker) {
    this.placeBox(this.walker, walker.visible, walker.left, walker.top, walker.size, walker.size);
    this.placeBox(this.marker, marker.visible, marker.left, marker.top, marker.width, marker.height);
  }

  placeBox(element, visible, left, top, width, height) {
    element.hidden = !visible;
    if (!visible) return;
    const [x1, y1] = this.cssGeometry.placeOf(left, top);
    const [x2, y2] = this.cssGeometry.placeOf(left + width, top + height);
    element.style.left = `${x1}px`;
    element.style.top = `${y1}px`;
    element.style.width = `${x2 - x1}px`;
    element.style.height = `${y2 - y1}px`;
  }

  // Round-pen lines between lattice points, their edges on pixel edges.
  lines(segments, width, colour) {
    this.strokeLines(segments.flat(2), width, colour);
  }

  // The same from x1, y1, x2, y2, ... as the core gives them.
  strokeLines(flat, width, colour) {
    const pen = this.core.devicePen(width, this.ratio);
    const c = this.context;
    c.strokeStyle = colour;
    c.lineWidth = pen;
    c.lineCap = 'round';
    c.beginPath();
    const at = this.geometry.penCentres(flat, pen);
    for (let i = 0; i < at.length; i += 4) {
      c.moveTo(at[i], at[i + 1]);
      c.lineTo(at[i + 2], at[i + 3]);
    }
    c.stroke();
  }

  dots(points, width, colour) {
    this.fillDots(points.flat(), width, colour);
  }

  fillDots(flat, width, colour) {
    if (flat.length === 0) return;
    const pen = this.core.devicePen(width, this.ratio);
    const c = this.context;
    c.fillStyle = colour;
    const at = this.geometry.penCentres(flat, pen);
    // A pen of two pixels or less is a square; filled one by one, they cost the browser far
    // less than one path of ten thousand squares.
    if (pen <= 2) {
      for (let i = 0; i < at.length; i += 2) c.fillRect(at[i] - pen / 2, at[i + 1] - pen / 2, pen, pen);
      return;
    }
    c.beginPath();
    for (let i = 0; i < at.length; i += 2) {
      const [px, py] = [at[i], at[i + 1]];
      c.moveTo(px + pen / 2, py);
      c.arc(px, py, pen / 2, 0, 2 * Math.PI);
    }
    c.fill();
  }

  // A circle round the origin, centred on the middle of the origin's pixel.
  circle(width, colour) {
    const [px, py] = this.geometry.penCentres([0, 0], 1);
    const c = this.context;
    c.strokeStyle = colour;
    c.lineWidth = this.core.devicePen(width, this.ratio);
    c.beginPath();
    c.arc(px, py, this.style.homeCircleRadius * this.geometry.unit, 0, 2 * Math.PI);
    c.stroke();
  }
}

