// The page words everything as the desktop program does: each German text it shows has the
// desktop program's English translation, so a text changed there shows up here.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { test } from 'node:test';

import { englishTexts } from '../tools/english.mjs';
import { german } from '../src/texts.js';

const translation = process.env.QUIRLWEG_TRANSLATION ??
    new URL('../../resources/translations/quirlweg_en.ts', import.meta.url);
const english = englishTexts(readFileSync(translation, 'utf8'));
const page = readFileSync(new URL('../page/index.html', import.meta.url), 'utf8');

test('every text of the page has its English translation', () => {
  const missing = german.filter((text) => !(text in english));
  assert.deepEqual(missing, []);
});

test('every text the page markup names is one of the page texts', () => {
  const unescape = (text) => text.replace(/&amp;/g, '&').replace(/&lt;/g, '<').replace(/&gt;/g, '>');
  const named = [...page.matchAll(/data-(?:text|tip|label)="([^"]*)"/g)].map((m) => unescape(m[1]));
  const missing = named.filter((text) => !german.includes(text));
  assert.deepEqual(missing, []);
});
