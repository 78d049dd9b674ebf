// "Startpunkte": for the current setting, the exact chance to end at home (or on a chosen side
// where home does not absorb) and the mean length from every start of the plane z = 0, as a
// colour map with the current start marked and the values under the pointer or finger in words.
// A worker computes the map when the setting changes; moving the start only moves the mark.

import { drawCanvas } from './picture_canvas.js';

export class StartMapPage {
  constructor(document, core, tr, tasks, texts) {
    this.document = document;
    this.core = core;
    this.tr = tr;
    this.tasks = tasks;
    this.texts = texts;  // {rowNames, percent(v), length(v)}
    this.canvas = document.getElementById('startMap');
    this.quantity = document.getElementById('mapQuantity');
    this.quantity.add(new Option(tr('Anteil'), 'chance'));
    this.quantity.add(new Option(tr('mittlere Weglänge'), 'meanLength'));
    this.target = document.getElementById('mapTarget');
    for (const row of [texts.homeRow, ...core.sideRows()]) this.target.add(new Option(texts.rowNames[row], String(row)));
    this.pointed = document.getElementById('mapPointed');
    this.status = document.getElementById('mapStatus');
    this.map = null;
    // The heat scale's colours from its least to its largest value, for the legend.
    const stops = this.core.mapColours(Float64Array.from({ length: 9 }, (_, i) => i / 8)).rgb;
    this.scale = Array.from({ length: 9 }, (_, i) => `rgb(${stops[3 * i]}, ${stops[3 * i + 1]}, ${stops[3 * i + 2]})`);
    this.quantity.addEventListener('change', () => this.draw());
    this.target.addEventListener('change', () => this.follow(this.setting));
    for (const kind of ['pointermove', 'pointerdown']) {
      this.canvas.addEventListener(kind, (event) => this.point(event));
    }
    this.canvas.addEventListener('pointerleave', () => this.point(null));
    this.point(null);
  }

  // The walk's setting now; a new map where it changes more than the start.
  follow(setting) {
    this.setting = setting;
    const row = this.core.startMapRow(setting, Number(this.target.value));
    this.target.value = String(row);
    this.target.disabled = setting.homeAbsorbs;
    for (const option of this.target.options) {
      option.hidden = this.core.startMapRow(setting, Number(option.value)) !== Number(option.value);
    }
    const key = JSON.stringify({ ...setting, startX: 0, startY: 0, row });
    if (key !== this.key) {
      this.key = key;
      this.map = null;
      this.row = row;
      this.status.textContent = this.tr('Die Karte wird berechnet …');
      this.tasks.run('startMap', [setting, row], { urgent: true }).then((map) => {
        if (key !== this.key || map.error) return;
        this.map = map;
        this.colours = { chance: this.core.mapColours(map.chance),
                         meanLength: this.core.mapColours(map.meanLength) };
        this.status.textContent = '';
        this.draw();
      });
    }
    this.draw();
  }

  // The cells' square and where it lies in the canvas, beside the legend.
  grid(width, height, legend) {
    const { columns, rows } = this.map;
    const cell = Math.max(1, Math.min((width - legend) / columns, height / rows));
    return { cell, left: (width - legend - cell * columns) / 2, top: (height - cell * rows) / 2 };
  }

  draw() {
    drawCanvas(this.canvas, (g, width, height, fontSize) => {
      if (!this.map) return;
      const which = this.quantity.value;
      const { rgb, low, high } = this.colours[which];
      const text = which === 'chance' ? this.texts.percent : this.texts.length;
      const labels = [text(high), text((low + high) / 2), text(low)];
      const legend = 14 + 12 + Math.max(...labels.map((l) => g.measureText(l).width));
      const grid = this.grid(width, height, legend);
      this.shownGrid = grid;
      const { columns, rows, radius } = this.map;
      for (let r = 0; r < rows; ++r) {
        for (let c = 0; c < columns; ++c) {
          const i = 3 * (r * columns + c);
          g.fillStyle = `rgb(${rgb[i]}, ${rgb[i + 1]}, ${rgb[i + 2]})`;
          // A little larger than their share, so that no seams show between cells.
          g.fillRect(grid.left + c * grid.cell, grid.top + r * grid.cell, grid.cell + 0.5, grid.cell + 0.5);
        }
      }
      const { startX, startY } = this.setting;
      if (rows > 1 || startY === 0) {
        // A white frame in a black one: seen on the dark and on the light end of the scale.
        const row = rows === 1 ? 0 : startY + radius - 1;
        const grow = Math.max(2, grid.cell * 0.15);
        const x = grid.left + (startX + radius - 1) * grid.cell - grow;
        const y = grid.top + row * grid.cell - grow;
        for (const [colour, lineWidth] of [['#000', 4], ['#fff', 2]]) {
          g.strokeStyle = colour;
          g.lineWidth = lineWidth;
          g.strokeRect(x, y, grid.cell + 2 * grow, grid.cell + 2 * grow);
        }
      }
      this.drawLegend(g, grid, labels, height, fontSize);
    });
  }

  drawLegend(g, grid, labels, height, fontSize) {
    const left = grid.left + this.map.columns * grid.cell + 6;
    const cells = this.map.rows * grid.cell;
    const barHeight = Math.max(cells - 2 * fontSize, Math.min(height - 2 * fontSize, 8 * fontSize));
    const top = Math.max(fontSize / 2, grid.top + cells / 2 - barHeight / 2);
    const gradient = g.createLinearGradient(0, top + barHeight, 0, top);
    this.scale.forEach((colour, i) => gradient.addColorStop(i / (this.scale.length - 1), colour));
    g.fillStyle = gradient;
    g.fillRect(left, top, 14, barHeight);
    g.strokeStyle = '#000';
    g.lineWidth = 1;
    g.strokeRect(left + 0.5, top + 0.5, 14, barHeight);
    g.fillStyle = '#000';
    g.textBaseline = 'middle';
    labels.forEach((label, i) => g.fillText(label, left + 20, top + (barHeight * i) / 2));
  }

  // The values of the start under the pointer, in words.
  point(event) {
    const grid = this.shownGrid;
    let start = null;
    if (event && this.map && grid) {
      const box = this.canvas.getBoundingClientRect();
      const column = Math.floor((event.clientX - box.left - grid.left) / grid.cell);
      const line = Math.floor((event.clientY - box.top - grid.top) / grid.cell);
      const inside = (value, count) => value >= 0 && value < count;
      if (inside(column, this.map.columns) && inside(line, this.map.rows)) start = { column, line };
    }
    if (!start) {
      this.pointed.textContent = this.tr('Zeigen Sie auf einen Startpunkt, um seine Werte zu lesen.');
      return;
    }
    const i = start.line * this.map.columns + start.column;
    const radius = this.map.radius;
    const y = this.map.rows === 1 ? 0 : start.line - (radius - 1);
    // y as the main window shows it: upward.
    this.pointed.textContent = this.tr('Start x = %1, y = %2: %3 %4, mittlere Weglänge %5',
                                       String(start.column - (radius - 1)), String(-y),
                                       this.texts.rowNames[this.row], this.texts.percent(this.map.chance[i]),
                                       this.texts.length(this.map.meanLength[i]));
  }
}
