// Each rule the page shares with the desktop program is written once, in C++, and the page
// asks the core for it: its modules hold none of the core's numbers, lists or texts. A rule
// written again in JavaScript fails here before the two editions drift apart, as the pacing
// after a stall and the charts' share axis once did.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { test } from 'node:test';

import { germanTexts } from '../tools/texts.mjs';
import { pageModules } from './page_text.mjs';

const corePath = process.env.QUIRLWEG_CORE ??
    new URL('../../build-web/web/quirlweg_core.js', import.meta.url).pathname;
const core = await createRequire(import.meta.url)(corePath)();
const translation = process.env.QUIRLWEG_TRANSLATION ??
    new URL('../../resources/translations/quirlweg_en.ts', import.meta.url);
const german = new Set(germanTexts(readFileSync(translation, 'utf8')));

const escaped = (text) => text.replace(/[.*+?^${}()|[\]\\]/g, '\\$&');
const literal = (n) => new RegExp(`(?<![\\w.])${escaped(String(n))}(?![\\w.])`);
const tempo = core.tempoSteps();
const ranges = core.settingRanges();
const refresh = core.evaluationRefreshMilliseconds;
const extent = core.windowExtent(core.designScreenWidth, core.designScreenHeight);
// The radii at which the lattice points' pen changes.
const pointSteps = [];
for (let r = 1; r < 100; ++r) {
  if (core.latticeStyle(r, false).pointWidth !== core.latticeStyle(r - 1, false).pointWidth) pointSteps.push(r);
}
// Black and white are any drawing's; the lattice's other colours are its own, in both looks,
// and so are the heat scale's.
const styleColours = [...Object.values(core.latticeStyle(0, false)),
                      ...Object.values(core.latticeStyle(0, true)),
                      ...core.heatLegend(640, 2, false).colours]
  .filter((v) => typeof v === 'string' && !/^#(?:0{6}|f{6})$/i.test(v));

// What each rule would leave in a module's code, comments and strings aside.
const rules = [
  ['the design screen', [core.designScreenWidth, core.designScreenHeight].map(literal)],
  ['twips per inch', [literal(core.twipsPerInch)]],
  ['the window\'s extent', [extent.width, extent.height].map(literal)],
  // Three steps of the scale in a row are a copy of it; its larger steps alone are too.
  ['the tempo scale', [
    ...tempo.slice(0, -2).map((_, i) => new RegExp(tempo.slice(i, i + 3).join('\\s*,\\s*'))),
    ...tempo.filter((steps) => steps >= 200).map(literal)]],
  // A row named by its number, or a list of the dimensions that show it.
  ['the rows\' ids', [/\brows?\s*\[\s*\d+\s*\]/, /\b(?:r|row|side)\s*(?:[=!]==?|[<>]=?)\s*\d/,
                      /\b\w*(?:Row|Side)\s*=\s*\d/, /(?<![\w\])?.])\[\s*[1-3](?:\s*,\s*[1-3])*\s*\]/]],
  ['the value texts', [/\.toFixed\(/, /\.toPrecision\(/]],
  ['the lattice sizes', [literal(ranges.largestRadius)]],
  ['the evaluation\'s refresh', [new RegExp(`(?:[<>]=?|=)\\s*${refresh}\\s*[;)]`)]],
  ['the charts\' round numbers', [/Math\.log10\(/]],
  ['the lattice\'s margins', [core.latticeMarginX, core.latticeMarginY].map(literal)],
  ['the lattice points\' pens', pointSteps.map((r) => new RegExp(`[<>]=?\\s*${r}(?![\\w.])`))],
  ['the lattice\'s colours', styleColours.map((c) => new RegExp(`0x${c.slice(1)}\\b`, 'i'))],
];

// A CSS colour written out, as 0xRRGGBB: #rgb, #rrggbb or rgb(r, g, b).
function colourOf(text) {
  const hex = text.trim().match(/^#([0-9a-f]{3}|[0-9a-f]{6})$/i);
  if (hex) {
    const digits = hex[1].length === 3 ? [...hex[1]].map((d) => d + d).join('') : hex[1];
    return parseInt(digits, 16);
  }
  const rgb = text.replace(/\s/g, '').match(/^rgb\((\d+),(\d+),(\d+)\)$/i);
  return rgb ? (Number(rgb[1]) << 16) | (Number(rgb[2]) << 8) | Number(rgb[3]) : null;
}
const coreColours = new Set(styleColours.map(colourOf));
// Texts of the controls that the core gives the page.
const coreTexts = new Set([',', '.'].map((separator) => core.probabilityAtStart(separator)));

// Texts are the program's too, from its translation file, each through tr(): a German text
// kept in a module by hand could be one the program lacks or no longer has.
test('no module of the page writes a rule or a text of the core again', () => {
  const found = [];
  for (const { name, code, strings } of pageModules()) {
    for (const [rule, patterns] of rules) {
      for (const pattern of patterns) {
        const match = code.match(pattern);
        if (match) found.push(`${name}: ${rule} (${match[0].trim()})`);
      }
    }
    for (const s of strings) {
      if (german.has(s.value) && !/\btr\(\s*$/.test(s.before)) found.push(`${name}: "${s.value}"`);
      if (coreColours.has(colourOf(s.value))) found.push(`${name}: the lattice's colour ${s.value}`);
      if (coreTexts.has(s.value)) found.push(`${name}: the core's text "${s.value}"`);
    }
  }
  assert.deepEqual(found, []);
});

// The page's bars reach as far as the core's setting: a range written into the page would stay
// behind when the core's changes.
test('the page\'s bars take their ranges from the core', () => {
  const page = readFileSync(new URL('../page/index.html', import.meta.url), 'utf8');
  const bars = page.match(/<input[^>]*type="range"[^>]*>/g) ?? [];
  assert.ok(bars.length >= 3);
  assert.deepEqual(bars.filter((bar) => /\s(?:min|max)=/.test(bar)), []);
});
