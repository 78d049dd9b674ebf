// Writes the desktop program's texts for the page: `node texts.mjs quirlweg_en.ts texts.js`.
// The German sources are every text the program has, the English their translations; the page
// words nothing else, so both editions word alike.
import { readFileSync, writeFileSync } from 'node:fs';
import { fileURLToPath } from 'node:url';

const entities = { amp: '&', apos: "'", quot: '"', lt: '<', gt: '>' };

function decode(text) {
  return text
    .replace(/&#x([0-9a-f]+);/gi, (_, code) => String.fromCodePoint(parseInt(code, 16)))
    .replace(/&(amp|apos|quot|lt|gt);/g, (_, name) => entities[name]);
}

const message = /<message>[\s\S]*?<source>([\s\S]*?)<\/source>[\s\S]*?<translation(?: type="([^"]*)")?>([\s\S]*?)<\/translation>/g;

// Every message of a Qt .ts file: its German source, the translation's state and text.
function messages(tsText) {
  return [...tsText.matchAll(message)].map(([, source, type, translation]) =>
    ({ source: decode(source), type, translation: decode(translation) }));
}

// The German texts the program has: those lupdate found in its sources, finished or not.
export function germanTexts(tsText) {
  const gone = new Set(['vanished', 'obsolete']);
  return [...new Set(messages(tsText).filter((m) => !gone.has(m.type)).map((m) => m.source))];
}

// German source text -> English translation, for every finished message.
export function englishTexts(tsText) {
  const texts = {};
  for (const { source, type, translation } of messages(tsText)) {
    if (type || translation === '') continue;
    texts[source] ??= translation;
  }
  return texts;
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
  const [input, output] = process.argv.slice(2);
  const ts = readFileSync(input, 'utf8');
  const texts = { german: germanTexts(ts), english: englishTexts(ts) };
  writeFileSync(output, `globalThis.quirlwegTexts = ${JSON.stringify(texts, null, 1)};\n`);
}
