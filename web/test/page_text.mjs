// The page's modules as a test reads them: their code without comments, and their string
// literals, each with the code before it.
import { readdirSync, readFileSync } from 'node:fs';

const token = /('(?:[^'\\\n]|\\.)*'|"(?:[^"\\\n]|\\.)*"|`(?:[^`\\]|\\.)*`)|\/\/[^\n]*|\/\*[\s\S]*?\*\//g;

// A quoted literal's value; template literals are taken as written.
function valueOf(literal) {
  const inner = literal.slice(1, -1);
  if (literal[0] === '`') return inner;
  return JSON.parse(`"${inner.replace(/\\'/g, "'").replace(/(^|[^\\])"/g, '$1\\"')}"`);
}

export function readModule(text) {
  const strings = [];
  const code = text.replace(token, (whole, literal, offset) => {
    if (!literal) return ' ';
    strings.push({ value: valueOf(literal), before: text.slice(Math.max(0, offset - 40), offset) });
    return "''";
  });
  return { code, strings };
}

// Every module of web/src by file name.
export function pageModules() {
  const folder = new URL('../src/', import.meta.url);
  return readdirSync(folder).filter((f) => f.endsWith('.js')).sort()
    .map((name) => ({ name, ...readModule(readFileSync(new URL(name, folder), 'utf8')) }));
}
