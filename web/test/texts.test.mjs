// The page words everything as the desktop program does: each German text it names, in its
// markup and in its modules' tr() calls, is a text of the desktop program with its English
// translation, so a text changed there shows up here.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { test } from 'node:test';

import { englishTexts, germanTexts } from '../tools/texts.mjs';
import { pageModules } from './page_text.mjs';

const translation = process.env.QUIRLWEG_TRANSLATION ??
    new URL('../../resources/translations/quirlweg_en.ts', import.meta.url);
const ts = readFileSync(translation, 'utf8');
const english = englishTexts(ts);
const german = new Set(germanTexts(ts));
const page = readFileSync(new URL('../page/index.html', import.meta.url), 'utf8');

const unescape = (text) => text.replace(/&amp;/g, '&').replace(/&lt;/g, '<').replace(/&gt;/g, '>');
const markupTexts = [...page.matchAll(/data-(?:text|tip|label)="([^"]*)"/g)].map((m) => unescape(m[1]));
const moduleTexts = pageModules().flatMap((m) =>
  m.strings.filter((s) => /\btr\(\s*$/.test(s.before)).map((s) => s.value));

test('every text of the page has its English translation', () => {
  const missing = [...markupTexts, ...moduleTexts].filter((text) => !(text in english));
  assert.deepEqual(missing, []);
});

test('every text the page markup and modules name is a text of the desktop program', () => {
  const missing = [...markupTexts, ...moduleTexts].filter((text) => !german.has(text));
  assert.deepEqual(missing, []);
  assert.ok(moduleTexts.length > 20, 'the modules\' tr() calls were found');
});
