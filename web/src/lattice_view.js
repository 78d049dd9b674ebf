// The lattice view: the lattice and the traces on a canvas at the screen's own resolution,
// the walker picture and the end marker placed over it.
import { devicePen, latticeMapping, penCentre, pixelOf, placeOf, pointWidthFor } from './geometry.js';

const colours = {
  back: 'rgb(224, 224, 224)',
  trace: '#000000',
  boundary: '#ffff00',
  point: '#008080',
  homeRing: '#ffffff',
  homeCircle: '#0000ff',
};
const boundaryWidth = 10;
const homeRingWidth = 10;
const homeCircleRadius = 0.5;

export class LatticeView {
  constructor(canvas, walker, marker) {
    this.canvas = canvas;
    this.walker = walker;
    this.marker = marker;
    this.context = canvas.getContext('2d');
    this.lattice = null;
    this.ratio = 1;
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
    const r = lattice.radius;
    this.mapping = latticeMapping(r, this.canvas.width, this.canvas.height);
    this.cssMapping = latticeMapping(r, this.cssWidth, this.cssHeight);
    const c = this.context;
    c.fillStyle = colours.back;
    c.fillRect(0, 0, this.canvas.width, this.canvas.height);
    const corners = [[-r, -r], [r, -r], [r, r], [-r, r]];
    for (let i = 0; i < 4; ++i) {
      this.line(corners[i], corners[(i + 1) % 4], boundaryWidth, colours.boundary);
    }
    // The points go over the boundary square, the boundary points included.
    const dots = [];
    for (let x = -r; x <= r; ++x) for (let y = -r; y <= r; ++y) dots.push([x, y]);
    this.dots(dots, pointWidthFor(r), colours.point);
    // The home circle always sits on the origin, wherever the start point is.
    if (lattice.homeCircle) {
      this.circle(homeRingWidth, colours.homeRing);
      this.circle(1, colours.homeCircle);
    }
  }

  // Marks as the core sends them: five numbers each, from x, from y, to x, to y, pen width.
  // One path a pen width: an opaque trace looks the same stroked at once, and a canvas
  // strokes one long path much faster than thousands of short ones.
  drawMarks(marks) {
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
    for (const [width, segments] of lines) this.lines(segments, width, colours.trace);
    for (const [width, points] of dots) this.dots(points, width, colours.trace);
  }

  // The pictures over the lattice, in lattice units.
  place(walker, marker) {
    this.placeBox(this.walker, walker.visible, walker.left, walker.top, walker.size, walker.size);
    this.placeBox(this.marker, marker.visible, marker.left, marker.top, marker.width, marker.height);
  }

  placeBox(element, visible, left, top, width, height) {
    element.hidden = !visible;
    if (!visible) return;
    const [x1, y1] = placeOf(this.cssMapping, left, top);
    const [x2, y2] = placeOf(this.cssMapping, left + width, top + height);
    element.style.left = `${x1}px`;
    element.style.top = `${y1}px`;
    element.style.width = `${x2 - x1}px`;
    element.style.height = `${y2 - y1}px`;
  }

  // A round-pen line between two lattice points, its edges on pixel edges.
  line(from, to, width, colour) {
    this.lines([[from, to]], width, colour);
  }

  lines(segments, width, colour) {
    const pen = devicePen(width, this.ratio);
    const c = this.context;
    c.strokeStyle = colour;
    c.lineWidth = pen;
    c.lineCap = 'round';
    c.beginPath();
    for (const [from, to] of segments) {
      const [x1, y1] = pixelOf(this.mapping, from[0], from[1]).map((p) => penCentre(p, pen));
      const [x2, y2] = pixelOf(this.mapping, to[0], to[1]).map((p) => penCentre(p, pen));
      c.moveTo(x1, y1);
      c.lineTo(x2, y2);
    }
    c.stroke();
  }

  dots(points, width, colour) {
    const pen = devicePen(width, this.ratio);
    const c = this.context;
    c.fillStyle = colour;
    c.beginPath();
    for (const [x, y] of points) {
      const [px, py] = pixelOf(this.mapping, x, y).map((p) => penCentre(p, pen));
      if (pen <= 2) {
        c.rect(px - pen / 2, py - pen / 2, pen, pen);
      } else {
        c.moveTo(px + pen / 2, py);
        c.arc(px, py, pen / 2, 0, 2 * Math.PI);
      }
    }
    c.fill();
  }

  circle(width, colour) {
    const [px, py] = pixelOf(this.mapping, 0, 0);
    const c = this.context;
    c.strokeStyle = colour;
    c.lineWidth = devicePen(width, this.ratio);
    c.beginPath();
    c.arc(px + 0.5, py + 0.5, homeCircleRadius * this.mapping.factorX, 0, 2 * Math.PI);
    c.stroke();
  }
}
