// "Austrittsorte": where on the boundary the journeys of the current setting left the lattice,
// cell by cell with 95 % ranges, beside the exact exit places a worker computes; why a start
// near a side makes that side's count grow faster.

import { drawCanvas } from './picture_canvas.js';

// Colours apart for every common colour-vision deficiency, as the desktop draws them.
const colours = { bar: 'rgb(86, 140, 204)', range: 'rgb(190, 90, 0)', exact: '#000',
                  square: '#efefef', frame: '#a0a0a0' };

// A side's bars grow outward from its edge of the square: its outer corner of cell
// c = -(R - 1), the direction along its cells and the one outward.
const strips = (s) => [
  { origin: [s.left, s.top], along: [1, 0], outward: [0, -1] },
  { origin: [s.right, s.top], along: [0, 1], outward: [1, 0] },
  { origin: [s.left, s.bottom], along: [1, 0], outward: [0, 1] },
  { origin: [s.left, s.top], along: [0, 1], outward: [-1, 0] },
];

export class ExitPlacesPage {
  constructor(document, core, tr, tasks, texts) {
    this.document = document;
    this.core = core;
    this.tr = tr;
    this.tasks = tasks;
    this.texts = texts;
    this.canvas = document.getElementById('exitPlaces');
    this.places = null;
  }

  // The walk's series at its current setting; the exact places are asked for once a setting.
  show(walk) {
    const setting = this.core.exactSetting(walk);
    const key = JSON.stringify(setting);
    if (key !== this.key) {
      this.key = key;
      this.places = null;
      this.tasks.run('exitPlaces', [setting], { urgent: true }).then((places) => {
        if (key !== this.key || places.error) return;
        this.places = places;
        this.show(walk);
      });
    }
    const view = this.core.exitPlacesView(walk, this.places);
    drawCanvas(this.canvas, (g, width, height, fontSize) => this.draw(g, view, width, height, fontSize));
    this.word(view);
  }

  draw(g, view, width, height, fontSize) {
    const room = Math.min(width, height) - 2 * fontSize * 1.3;
    const depth = room * 0.22;  // of a strip, for the largest share
    const side = room - 2 * depth;
    const left = (width - side) / 2;
    const top = (height - side) / 2;
    const square = { left, top, right: left + side, bottom: top + side };
    const cells = 2 * view.radius - 1;
    const cell = side / cells;
    const scale = depth / view.largest;
    g.fillStyle = colours.square;
    g.fillRect(left, top, side, side);
    g.strokeStyle = colours.frame;
    g.lineWidth = 1;
    g.strokeRect(left, top, side, side);
    // Start and home where they lie in the plane: the start as a dot, home as a ring.
    const at = (x, y) => [left + (x + view.radius - 0.5) * cell, top + (y + view.radius - 0.5) * cell];
    const dot = Math.max(3, cell * 0.8);
    g.strokeStyle = colours.exact;
    g.lineWidth = 1.5;
    g.beginPath();
    g.arc(...at(0, 0), dot, 0, 2 * Math.PI);
    g.stroke();
    g.fillStyle = colours.exact;
    g.beginPath();
    g.arc(...at(view.startX, view.startY), dot / 2, 0, 2 * Math.PI);
    g.fill();
    const line = (from, to, colour, lineWidth) => {
      g.strokeStyle = colour;
      g.lineWidth = lineWidth;
      g.beginPath();
      g.moveTo(...from);
      g.lineTo(...to);
      g.stroke();
    };
    strips(square).forEach(({ origin, along, outward }, s) => {
      const point = (a, o) => [origin[0] + along[0] * a + outward[0] * o, origin[1] + along[1] * a + outward[1] * o];
      view.sides[s].forEach((v, c) => {
        const start = c * cell;
        if (view.measured) {
          const [x1, y1] = point(start + cell * 0.15, 0);
          const [x2, y2] = point(start + cell * 0.85, v.measured * scale);
          g.fillStyle = colours.bar;
          g.fillRect(Math.min(x1, x2), Math.min(y1, y2), Math.abs(x2 - x1), Math.abs(y2 - y1));
          line(point(start + cell / 2, Math.min(v.low, 1) * scale),
               point(start + cell / 2, Math.min(v.high * scale, depth + depth / 10)), colours.range, Math.max(1, cell * 0.08));
        }
        if (v.exact !== null) {
          line(point(start, v.exact * scale), point(start + cell, v.exact * scale), colours.exact, 2);
        }
      });
    });
    // The scale: the largest share at the top strip's outer end, on the left.
    g.fillStyle = '#000';
    g.textAlign = 'right';
    g.textBaseline = 'middle';
    g.fillText(this.texts.percent(view.largest), left - 6, top - depth);
    g.setLineDash([3, 4]);
    line([left - 4, top - depth], [square.right, top - depth], colours.frame, 1);
    g.setLineDash([]);
  }

  word(view) {
    const tr = this.tr;
    let counted = view.counted === 1 ? tr('1 Reise der aktuellen Einstellung')
      : tr('%1 Reisen der aktuellen Einstellung', String(view.counted));
    if (view.counted < view.total) {
      counted += tr(' (von %1 der Serie; die anderen liefen unter anderen Einstellungen)', String(view.total));
    }
    this.document.getElementById('exitsCounted').textContent = counted;
    const lines = [];
    if (view.setting.dimension === 3) lines.push(tr('z-Flächen: %1', this.shareWithRange(view, view.zFaces)));
    if (view.setting.homeAbsorbs) lines.push(tr('zu Hause: %1', this.shareWithRange(view, view.home)));
    const others = this.document.getElementById('exitsOthers');
    others.textContent = lines.join('\n');
    others.hidden = lines.length === 0;
    this.document.getElementById('exitsWhy').hidden = view.startX === 0 && view.startY === 0;
  }

  shareWithRange(view, cell) {
    const { tr } = this;
    const percent = this.texts.percent;
    const measured = view.measured
      ? tr('gemessen %1 (%2 – %3)', percent(cell.measured), percent(cell.low), percent(cell.high))
      : tr('gemessen –');
    return tr('%1, exakt %2', measured, cell.exact === null ? '…' : percent(cell.exact));
  }
}
