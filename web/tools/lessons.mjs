// Writes the ready-made lessons into the page: `node lessons.mjs lessons.js LESSON...`. A page
// opened from disk may fetch no file beside it, so the lessons come as a script, each file's
// text as it stands, for the page to read with the same C++ as any other experiment file.
import { readFileSync, writeFileSync } from 'node:fs';
import { basename } from 'node:path';

const [out, ...files] = process.argv.slice(2);
const lessons = files.map((f) => ({ name: basename(f), text: readFileSync(f, 'utf8') }));
writeFileSync(out, `globalThis.quirlwegLessons = ${JSON.stringify(lessons)};\n`);
