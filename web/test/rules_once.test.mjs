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
const extent = core.windowExtent(core.designScreenWidth, core.designScreenHeight);

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
  ['the value texts', [/\.toFixed\(/]],
  ['the charts\' round numbers', [/Math\.log10\(/]],
];

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
    }
  }
  assert.deepEqual(found, []);
});
