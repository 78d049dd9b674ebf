// A 2-D context that records what is drawn as SVG: the part of CanvasRenderingContext2D the
// charts use, so that the very code that draws a chart on its canvas also writes it into the
// file "Diagramme als SVG …" saves. Text is measured by a real canvas context, so that it
// stands where the canvas puts it; its baseline is worked out here, since SVG viewers differ
// in how they place any other.

const round = (v) => Math.round(v * 100) / 100;
const escaped = (text) => String(text).replace(/&/g, '&amp;').replace(/</g, '&lt;')
  .replace(/>/g, '&gt;').replace(/"/g, '&quot;');

// A CSS colour as SVG 1.1 takes it: rgba() becomes rgb() with an opacity.
function paint(colour, kind) {
  const rgba = colour.replace(/\s/g, '').match(/^rgba\((\d+),(\d+),(\d+),([\d.]+)\)$/i);
  if (!rgba) return `${kind}="${escaped(colour)}"`;
  return `${kind}="rgb(${rgba[1]},${rgba[2]},${rgba[3]})" ${kind}-opacity="${rgba[4]}"`;
}

// "bold 13px Family, …" as SVG's font attributes.
function fontAttributes(font) {
  const [, bold, size, family] = font.match(/^(bold\s+)?([\d.]+)px\s+(.*)$/) ?? [];
  if (!size) return '';
  return `font-size="${round(Number(size))}" font-family="${escaped(family)}"` +
         (bold ? ' font-weight="bold"' : '');
}

const anchors = { left: 'start', start: 'start', center: 'middle', right: 'end', end: 'end' };

export class SvgContext {
  // `measuring`: a canvas's 2-D context, for the texts' widths and baselines; `id`: what makes
  // this context's clip paths' names its own within a file.
  constructor(measuring, id = 'c') {
    this.measuring = measuring;
    this.id = id;
    this.parts = [];
    this.clips = 0;
    this.state = { transform: [1, 0, 0, 1, 0, 0], fillStyle: '#000', strokeStyle: '#000', lineWidth: 1,
                   font: '10px sans-serif', textAlign: 'start', textBaseline: 'alphabetic', dash: [],
                   clip: null };
    this.stack = [];
    this.path = [];
  }

  // The drawing as SVG elements, for an <svg> or a <g> around them.
  get markup() {
    return this.parts.join('\n');
  }

  set fillStyle(v) { this.state.fillStyle = v; }
  get fillStyle() { return this.state.fillStyle; }
  set strokeStyle(v) { this.state.strokeStyle = v; }
  get strokeStyle() { return this.state.strokeStyle; }
  set lineWidth(v) { this.state.lineWidth = v; }
  get lineWidth() { return this.state.lineWidth; }
  set font(v) { this.state.font = v; }
  get font() { return this.state.font; }
  set textAlign(v) { this.state.textAlign = v; }
  get textAlign() { return this.state.textAlign; }
  set textBaseline(v) { this.state.textBaseline = v; }
  get textBaseline() { return this.state.textBaseline; }

  save() {
    this.stack.push({ ...this.state, transform: [...this.state.transform], dash: [...this.state.dash] });
  }

  restore() {
    if (this.stack.length) this.state = this.stack.pop();
  }

  setTransform(a, b, c, d, e, f) {
    this.state.transform = [a, b, c, d, e, f];
  }

  transform(a, b, c, d, e, f) {
    const [ta, tb, tc, td, te, tf] = this.state.transform;
    this.state.transform = [ta * a + tc * b, tb * a + td * b, ta * c + tc * d, tb * c + td * d,
                            ta * e + tc * f + te, tb * e + td * f + tf];
  }

  translate(x, y) {
    this.transform(1, 0, 0, 1, x, y);
  }

  rotate(angle) {
    const cos = Math.cos(angle);
    const sin = Math.sin(angle);
    this.transform(cos, sin, -sin, cos, 0, 0);
  }

  setLineDash(dash) {
    this.state.dash = [...dash];
  }

  // A point of the current user space in the file's.
  point(x, y) {
    const [a, b, c, d, e, f] = this.state.transform;
    return [round(a * x + c * y + e), round(b * x + d * y + f)];
  }

  // How much a length of the user space grows in the file's.
  scale() {
    const [a, b, c, d] = this.state.transform;
    return Math.sqrt(Math.abs(a * d - b * c));
  }

  beginPath() {
    this.path = [];
  }

  moveTo(x, y) {
    this.path.push({ points: [this.point(x, y)], closed: false });
  }

  // As on a canvas, a line with nothing before it only moves there.
  lineTo(x, y) {
    const last = this.path.at(-1);
    if (!last || last.closed) this.moveTo(x, y);
    else last.points.push(this.point(x, y));
  }

  rect(x, y, width, height) {
    this.path.push({ points: [this.point(x, y), this.point(x + width, y),
                              this.point(x + width, y + height), this.point(x, y + height)],
                     closed: true });
  }

  pathData(path = this.path) {
    return path.map(({ points, closed }) =>
      points.map(([x, y], i) => `${i ? 'L' : 'M'}${x} ${y}`).join(' ') + (closed ? ' Z' : '')).join(' ');
  }

  // What every element carries: the clip in force.
  clipped() {
    return this.state.clip ? ` clip-path="url(#${this.state.clip})"` : '';
  }

  strokeAttributes() {
    const dash = this.state.dash.length
      ? ` stroke-dasharray="${this.state.dash.map((v) => round(v * this.scale())).join(' ')}"` : '';
    return `fill="none" ${paint(this.state.strokeStyle, 'stroke')} ` +
           `stroke-width="${round(this.state.lineWidth * this.scale())}"${dash}${this.clipped()}`;
  }

  // One open line of many points stays a polyline; anything else a path.
  stroke() {
    if (this.path.length === 1 && !this.path[0].closed) {
      const points = this.path[0].points.map(([x, y]) => `${x},${y}`).join(' ');
      this.parts.push(`<polyline points="${points}" ${this.strokeAttributes()}/>`);
    } else if (this.path.length) {
      this.parts.push(`<path d="${this.pathData()}" ${this.strokeAttributes()}/>`);
    }
  }

  fill() {
    if (!this.path.length) return;
    const closed = this.path.map((p) => ({ ...p, closed: true }));
    this.parts.push(`<path d="${this.pathData(closed)}" ${paint(this.state.fillStyle, 'fill')}${this.clipped()}/>`);
  }

  fillRect(x, y, width, height) {
    const path = this.path;
    this.beginPath();
    this.rect(x, y, width, height);
    this.fill();
    this.path = path;
  }

  strokeRect(x, y, width, height) {
    const path = this.path;
    this.beginPath();
    this.rect(x, y, width, height);
    this.stroke();
    this.path = path;
  }

  // The clip in force is the current path, within the one before it.
  clip() {
    const id = `${this.id}${++this.clips}`;
    this.parts.push(`<clipPath id="${id}"${this.clipped()}><path d="${this.pathData()}"/></clipPath>`);
    this.state.clip = id;
  }

  measureText(text) {
    this.measuring.font = this.state.font;
    this.measuring.textBaseline = 'alphabetic';
    return this.measuring.measureText(text);
  }

  // How far below `y` the text's alphabetic baseline lies for the baseline asked for.
  baselineShift() {
    const m = this.measuring;
    m.font = this.state.font;
    m.textBaseline = 'alphabetic';
    const alphabetic = m.measureText('Hg').fontBoundingBoxAscent;
    m.textBaseline = this.state.textBaseline;
    const shift = alphabetic - m.measureText('Hg').fontBoundingBoxAscent;
    m.textBaseline = 'alphabetic';
    return Number.isFinite(shift) ? shift : 0;
  }

  fillText(text, x, y) {
    const [a, b, c, d, e, f] = this.state.transform.map(round);
    const transform = a === 1 && b === 0 && c === 0 && d === 1 && e === 0 && f === 0
      ? '' : ` transform="matrix(${a} ${b} ${c} ${d} ${e} ${f})"`;
    const element = `<text x="${round(x)}" y="${round(y + this.baselineShift())}"` +
                    ` text-anchor="${anchors[this.state.textAlign] ?? 'start'}"` +
                    ` ${fontAttributes(this.state.font)} ${paint(this.state.fillStyle, 'fill')}` +
                    `${transform}>${escaped(text)}</text>`;
    // The clip is in the file's space, outside the text's own transform.
    this.parts.push(this.state.clip ? `<g${this.clipped()}>${element}</g>` : element);
  }
}

// One SVG file of `width` x `height` pixels on white, titled, with each drawing moved down by
// its `top`.
export function svgFile(width, height, title, drawings) {
  const groups = drawings.map(({ top, context }) =>
    `<g transform="translate(0 ${round(top)})">\n${context.markup}\n</g>`);
  return '<?xml version="1.0" encoding="UTF-8"?>\n' +
    `<svg xmlns="http://www.w3.org/2000/svg" width="${width}" height="${height}" viewBox="0 0 ${width} ${height}">\n` +
    `<title>${escaped(title)}</title>\n<rect width="${width}" height="${height}" fill="#fff"/>\n` +
    `${groups.join('\n')}\n</svg>\n`;
}
