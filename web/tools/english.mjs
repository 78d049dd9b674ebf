// Writes the desktop program's English texts for the page: `node english.mjs quirlweg_en.ts
// english.js`. The page looks its German texts up here, so both editions word alike.
import { readFileSync, writeFileSync } from 'node:fs';
import { fileURLToPath } from 'node:url';

const entities = { amp: '&', apos: "'", quot: '"', lt: '<', gt: '>' };

function decode(text) {
  return text
    .replace(/&#x([0-9a-f]+);/gi, (_, code) => String.fromCodePoint(parseInt(code, 16)))
    .replace(/&(amp|apos|quot|lt|gt);/g, (_, name) => entities[name]);
}

// German source text -> English translation, for every finished message of a Qt .ts file.
export function englishTexts(tsText) {
  const texts = {};
  const message = /<message>[\s\S]*?<source>([\s\S]*?)<\/source>[\s\S]*?<translation( type="[^"]*")?>([\s\S]*?)<\/translation>/g;
  for (const [, source, unfinished, translation] of tsText.matchAll(message)) {
    if (unfinished || translation === '') continue;
    texts[decode(source)] ??= decode(translation);
  }
  return texts;
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
  const [input, output] = process.argv.slice(2);
  const texts = englishTexts(readFileSync(input, 'utf8'));
  writeFileSync(output, `globalThis.quirlwegEnglish = ${JSON.stringify(texts, null, 1)};\n`);
}
