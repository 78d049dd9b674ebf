// The evaluation's two charts, drawn on canvases at the screen's pixel ratio: the measured
// share after each journey against the exact value and its band, and the journey lengths
// against the exact distribution. Everything drawn comes from the core's figures, the axes'
// ranges and ticks too. The same code draws a chart once more into another context, such as
// the SVG file "Diagramme als SVG …" saves.
import { canvasSurface, font, pictureFontSize } from './picture_canvas.js';

const colours = {
  band: 'rgba(255, 200, 120, 0.55)',
  exact: 'rgb(200, 90, 0)',
  guess: 'rgb(0, 130, 60)',
  measured: 'rgb(0, 70, 160)',
  bars: 'rgba(120, 160, 220, 0.63)',
  axis: '#000',
  grid: '#d8d8d8',
};

// The plot area in CSS pixels within a canvas of `width` x `height`, with room for the title,
// axis texts and the legend's lines.
function plotArea(width, height, fontSize, legendLines) {
  return { left: fontSize * 3.6, top: fontSize * 1.8, right: width - fontSize * 2,
           bottom: height - fontSize * (3 + 1.4 * legendLines) };
}

// The legend's entries on lines of at most `width`, each entry whole: [[entry, left], …] a line.
function legendLines(g, legend, fontSize, width) {
  const lines = [[]];
  let left = 0;
  for (const entry of legend) {
    const entryWidth = fontSize * 2.6 + g.measureText(entry[0]).width;
    if (left > 0 && left + entryWidth > width) {
      lines.push([]);
      left = 0;
    }
    lines.at(-1).push([entry, left]);
    left += entryWidth;
  }
  return lines;
}

export class Chart {
  constructor(canvas) {
    this.canvas = canvas;
  }

  // `figures` as the subclass's paint() takes them; kept, so that drawInto() draws the same.
  draw(...figures) {
    this.figures = figures;
    this.paint(...figures);
  }

  // The chart as drawn last, once more into `g` of `width` x `height` pixels: a context that
  // records it as SVG, say. False before the first draw().
  drawInto(g, width, height) {
    if (!this.figures) return false;
    this.into = { g, width, height };
    try {
      this.paint(...this.figures);
    } finally {
      this.into = null;
    }
    return true;
  }

  // Where paint() draws: the context drawInto() gives, else the canvas's, fresh and scaled to
  // CSS pixels; none while the canvas is not shown.
  surface() {
    return this.into ?? canvasSurface(this.canvas);
  }

  begin() {
    const surface = this.surface();
    if (!surface) return null;
    const { g, width, height } = surface;
    this.fontSize = pictureFontSize(width);
    g.font = `${this.fontSize}px ${font}`;
    this.width = width;
    this.height = height;
    return g;
  }

  // The core's axes with their ticks and numbers, the titles, the legend.
  frame(g, { title, xTitle, yTitle, axes, legend }) {
    // The legend below the axis title, on as many lines as it takes at the texts' size.
    const lines = legendLines(g, legend, this.fontSize, this.width - this.fontSize * 3.6);
    this.area = plotArea(this.width, this.height, this.fontSize, lines.length);
    const a = this.area;
    const { x: xAxis, y: yAxis } = axes;
    // A logarithmic axis places its values by their logarithm.
    const along = xAxis.logarithmic ? Math.log : (v) => v;
    this.x = (v) => a.left + ((a.right - a.left) * (along(v) - along(xAxis.low))) /
                             (along(xAxis.high) - along(xAxis.low));
    this.y = (v) => a.bottom - ((a.bottom - a.top) * (v - yAxis.low)) / (yAxis.high - yAxis.low);
    g.lineWidth = 1;
    g.textBaseline = 'middle';
    g.textAlign = 'right';
    for (const { value, text } of yAxis.ticks) {
      g.strokeStyle = colours.grid;
      g.beginPath();
      g.moveTo(a.left, Math.round(this.y(value)) + 0.5);
      g.lineTo(a.right, Math.round(this.y(value)) + 0.5);
      g.stroke();
      g.fillStyle = colours.axis;
      g.fillText(text, a.left - 4, this.y(value));
    }
    g.textAlign = 'center';
    g.textBaseline = 'top';
    for (const { value, text } of xAxis.ticks) g.fillText(text, this.x(value), a.bottom + 3);
    g.strokeStyle = colours.axis;
    g.strokeRect(a.left + 0.5, a.top + 0.5, a.right - a.left, a.bottom - a.top);
    g.fillText(xTitle, (a.left + a.right) / 2, a.bottom + this.fontSize * 1.3);
    g.font = `bold ${this.fontSize}px ${font}`;
    g.fillText(title, this.width / 2, 2);
    g.font = `${this.fontSize}px ${font}`;
    g.save();
    g.translate(2, (a.top + a.bottom) / 2);
    g.rotate(-Math.PI / 2);
    g.fillText(yTitle, 0, 0);
    g.restore();
    g.textAlign = 'left';
    lines.forEach((line, i) => {
      const top = this.height - this.fontSize * 1.4 * (lines.length - i);
      for (const [[name, colour], left] of line) {
        g.fillStyle = colour;
        g.fillRect(a.left + left, top + this.fontSize * 0.3, this.fontSize * 1.4, this.fontSize * 0.5);
        g.fillStyle = colours.axis;
        g.fillText(name, a.left + left + this.fontSize * 1.8, top);
      }
    });
  }

  // The class's guess: dashed and green, apart from the measured blue and the exact orange.
  dashed(g, points) {
    g.save();
    g.setLineDash([6, 4]);
    this.line(g, points, colours.guess, 2.25);
    g.restore();
  }

  line(g, points, colour, width = 1.5) {
    g.strokeStyle = colour;
    g.lineWidth = width;
    g.beginPath();
    points.forEach(([x, y], i) => (i ? g.lineTo(this.x(x), this.y(y)) : g.moveTo(this.x(x), this.y(y))));
    g.stroke();
  }

  clip(g) {
    const a = this.area;
    g.save();
    g.beginPath();
    g.rect(a.left, a.top, a.right - a.left, a.bottom - a.top);
    g.clip();
  }
}

// `curve`: four numbers a point, journeys, share and the band's low and high in per cent
// (NaN without exact values); `exact`: the exact share or null; `guess`: the class's or null;
// `axes`: the core's.
export class ConvergenceChart extends Chart {
  paint(curve, exact, guess, axes, texts) {
    const g = this.begin();
    if (!g) return;
    const points = curve.length / 4;
    const legend = [[texts.band, colours.band], [texts.exact, colours.exact], [texts.measured, colours.measured]];
    const shown = exact === null ? legend.slice(2) : legend;
    if (guess !== null) shown.push([texts.guess, colours.guess]);
    this.frame(g, { ...texts, axes, legend: shown });
    this.clip(g);
    if (exact !== null && points > 0) {
      g.fillStyle = colours.band;
      g.beginPath();
      for (let i = 0; i < curve.length; i += 4) g.lineTo(this.x(curve[i]), this.y(curve[i + 3]));
      for (let i = curve.length - 4; i >= 0; i -= 4) g.lineTo(this.x(curve[i]), this.y(curve[i + 2]));
      g.fill();
    }
    if (exact !== null) this.line(g, [[axes.x.low, exact * 100], [axes.x.high, exact * 100]], colours.exact);
    const measured = [];
    for (let i = 0; i < curve.length; i += 4) measured.push([curve[i], curve[i + 1]]);
    this.line(g, measured, colours.measured);
    if (guess !== null) this.dashed(g, [[axes.x.low, guess * 100], [axes.x.high, guess * 100]]);
    g.restore();
  }
}

// `lengths`: {width, measured, exact} from the core, shares of the journeys in per cent by
// class; `exact` empty where the distribution was not computed; `guess`: the class's mean or
// null; `axes`: the core's.
export class LengthChart extends Chart {
  paint(lengths, guess, axes, texts) {
    const g = this.begin();
    if (!g) return;
    const { width, measured, exact } = lengths;
    const legend = [[texts.measured, colours.bars]];
    if (exact.length) legend.push([texts.exact, colours.exact]);
    if (guess !== null) legend.push([texts.guess, colours.guess]);
    this.frame(g, { ...texts, axes, legend });
    this.clip(g);
    g.fillStyle = colours.bars;
    measured.forEach((share, c) => {
      const left = this.x(c * width);
      g.fillRect(left, this.y(share), this.x((c + 1) * width) - left, this.y(0) - this.y(share));
    });
    if (exact.length) {
      this.line(g, exact.map((share, c) => [(c + 0.5) * width, share]), colours.exact, 2);
    }
    if (guess !== null) this.dashed(g, [[guess, axes.y.low], [guess, axes.y.high]]);
    g.restore();
  }
}
