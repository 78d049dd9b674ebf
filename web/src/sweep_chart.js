// The Versuchsreihe's chart: for each curve (one, or one a dimension in Pólya's sweep) the
// exact values as a line, the measured ones as points with their 95 % range as a bar.

import { Chart } from './charts.js';

// Okabe and Ito's colours, apart for every common colour-vision deficiency: one a curve.
const curveColours = ['rgb(0, 114, 178)', 'rgb(0, 114, 178)', 'rgb(213, 94, 0)', 'rgb(0, 158, 115)'];

export class SweepChart extends Chart {
  // `table`: the core's {rows, axes}; `curveName(curve)` its legend entry.
  draw(table, texts, curveName) {
    const g = this.begin();
    if (!g || !table) return;
    const curves = [...new Set(table.rows.map((r) => r.curve))];
    const legend = curves.map((c) => [curveName(c), curveColours[c]]);
    this.frame(g, { ...texts, axes: table.axes, legend });
    this.clip(g);
    for (const curve of curves) {
      const rows = table.rows.filter((r) => r.curve === curve);
      const colour = curveColours[curve];
      this.line(g, rows.map((r) => [r.parameter, r.exact]), colour, 2);
      g.fillStyle = colour;
      for (const r of rows) {
        this.line(g, [[r.parameter, r.low], [r.parameter, r.high]], colour, 1);
        g.beginPath();
        g.arc(this.x(r.parameter), this.y(r.measured), 3, 0, 2 * Math.PI);
        g.fill();
      }
    }
    g.restore();
  }
}
