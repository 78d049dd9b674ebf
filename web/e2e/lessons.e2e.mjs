// Lessons in the page, in Debian's headless Chromium: a lesson opened from the file picker with
// its instructions and steps, a bad file refused, one the page carries opened from its menu, a
// lesson that asks the class to guess first, and, where the desktop build's program is named,
// the same journeys as its headless run.
//   QUIRLWEG_PROGRAM=build/app/quirlweg QUIRLWEG_SITE=build-web/web/site node --test web/e2e/
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { mkdtempSync, readdirSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { test } from 'node:test';

import { choose, open, set, shot, shots } from './tab.mjs';

test('a lesson opens from the file picker with its instructions, a bad file is refused', async () => {
  const lessons = resolve(process.env.QUIRLWEG_LESSONS ?? 'lessons');
  const tab = await open();
  const said = [];
  tab.on('dialog', (dialog) => said.push(dialog.message()));
  const picker = await tab.$('#experimentFile');
  await picker.uploadFile(join(lessons, 'erste-heimkehr-2d.quirlweg'));
  await tab.waitForFunction(() => document.getElementById('instructions').open);
  const opened = await tab.evaluate(() => ({
    text: document.querySelector('#instructions pre').textContent,
    size: document.getElementById('size').value, seed: document.getElementById('seed').value,
    again: !document.getElementById('showInstructions').hidden }));
  assert.match(opened.text, /Heimkehr|Hause/);
  assert.equal(opened.size, '10');
  assert.equal(opened.seed, '2024');
  assert.ok(opened.again, '"Anleitung …" stays at hand');
  await tab.click('#closeInstructions');

  // Its steps one at a time; the last one's setting takes the page to R = 20, and the answer
  // typed is saved with the lesson.
  assert.equal(await tab.$eval('#stepHeading', (e) => e.textContent), 'Schritt 1 von 4');
  await tab.type('#stepAnswer', '2 und 40');
  for (let i = 0; i < 3; ++i) await tab.click('#stepNext');
  const last = await tab.evaluate(() => ({
    heading: document.getElementById('stepHeading').textContent,
    size: document.getElementById('size').value,
    next: document.getElementById('stepNext').disabled,
    saved: JSON.parse(quirlweg.core.experimentJson(quirlweg.walk, 0, false, false, ...quirlweg.files.lesson)) }));
  assert.equal(last.heading, 'Schritt 4 von 4');
  assert.equal(last.size, '20');
  assert.ok(last.next, '"Weiter" ends at the last step');
  assert.equal(last.saved.steps.length, 4);
  assert.equal(last.saved.steps[0].answer, '2 und 40');
  await shot(tab, 'lesson-steps');

  const bad = join(shots, 'kaputt.quirlweg');
  writeFileSync(bad, '{"format": "quirlweg-experiment", "version": 1, "setting": {"radius": 99}}');
  await picker.uploadFile(bad);
  await tab.waitForFunction(() => true);
  await new Promise((done) => setTimeout(done, 300));
  assert.equal(said.length, 1, said.join(' | '));
  assert.match(said[0], /kaputt\.quirlweg/);

  // The lessons the page carries, from the lattice's menu (key U): Pólya's opens in 3-D.
  await tab.keyboard.press('u');
  await tab.waitForFunction(() => document.getElementById('lessons').open);
  const offered = await tab.$$eval('#lessonList button', (list) => list.map((b) => b.textContent));
  assert.deepEqual(offered.slice(0, 3), ['Der Ruin des Spielers', 'Die erste Heimkehr in der Ebene',
                                         'Pólyas Frage']);
  assert.equal(offered.length, 6);
  await tab.click('#lessonList button:nth-child(3)');
  await tab.waitForFunction(() => document.getElementById('instructions').open);
  assert.equal(await tab.$eval('input[name=dimension]:checked', (e) => e.value), '3');
  await tab.close();
});

test('a lesson that asks for a guess hides the exact values until shown, and saves whole', async () => {
  const lesson = join(shots, 'schaetzen.quirlweg');
  writeFileSync(lesson, JSON.stringify({
    format: 'quirlweg-experiment', version: 1, seed: 7,
    setting: { dimension: 1, radius: 5, rightProbability: 0.5, start: [-2, 0], homeAbsorbs: false },
    description: { de: 'Schätzt zuerst.', en: 'Guess first.' },
    prediction: { first: true, guess: { row: 'right', value: 0.25 } } }));
  const tab = await open();
  await (await tab.$('#experimentFile')).uploadFile(lesson);
  await tab.waitForFunction(() => document.getElementById('instructions').open);
  await tab.click('#closeInstructions');
  await tab.click('#evaluation');
  await choose(tab, 'mode', 2);
  await tab.click('#start');
  // Long enough for the exact values to arrive, were they not hidden.
  await new Promise((done) => setTimeout(done, 500));
  const hidden = await tab.evaluate(() => ({
    exact: [...document.querySelectorAll('#evaluationRows tr:not([hidden]) td:last-child')].map((c) => c.textContent),
    tip: document.querySelector('[data-control="Text1(1)"]').title,
    guess: document.getElementById('guessValue').value,
    saved: quirlweg.core.experimentJson(quirlweg.walk, 0, false, false, ...quirlweg.files.lesson) }));
  assert.ok(hidden.exact.length > 0 && hidden.exact.every((t) => t === '?'), hidden.exact.join(' | '));
  assert.match(hidden.tip, /exakt: \?$/);
  assert.equal(hidden.guess, '25');
  const saved = JSON.parse(hidden.saved);
  assert.deepEqual(saved.prediction, { first: true, guess: { row: 'right', value: 0.25 } });
  assert.equal(saved.description.de, 'Schätzt zuerst.');
  await shot(tab, 'guess-first-hidden');

  await tab.click('#revealExact');
  // From three of ten places to the right side's one: 30 %.
  const right = () => tab.evaluate(() =>
    document.querySelector('#evaluationRows tr:nth-child(4) td:last-child').textContent);
  await tab.waitForFunction(() => !document.querySelector('#evaluationRows tr:nth-child(4) td:last-child')
    .textContent.includes('?'), { timeout: 5000 }).catch(() => {});
  assert.match(await right(), /30[.,]00\s*%$/);
  await shot(tab, 'guess-first-shown');
  assert.deepEqual(tab.errors, []);
  await tab.close();
});

test('"Bericht …" prints a lesson\'s worksheet and then the series on A4', async () => {
  const lessons = resolve(process.env.QUIRLWEG_LESSONS ?? 'lessons');
  const tab = await open();
  await (await tab.$('#experimentFile')).uploadFile(join(lessons, 'erste-heimkehr-2d.quirlweg'));
  await tab.waitForFunction(() => document.getElementById('instructions').open);
  await tab.click('#closeInstructions');
  await tab.type('#stepAnswer', '60 %');
  await tab.evaluate(() => {
    const tempo = document.getElementById('tempo');
    tempo.value = tempo.max;
    tempo.dispatchEvent(new Event('input'));
  });
  await choose(tab, 'mode', 2);
  await tab.click('#start');
  await tab.click('#evaluation');
  // The browser's print dialog is the user's; the test looks at what it would print.
  await tab.evaluate(() => { window.print = () => { globalThis.printed = true; }; });
  await tab.click('#printReport');
  const report = await tab.evaluate(() => ({
    printed: globalThis.printed,
    sheets: [...document.querySelectorAll('#report .sheet h1')].map((h) => h.textContent),
    steps: document.querySelectorAll('#report .step').length,
    answers: [...document.querySelectorAll('#report .step p')].map((p) => p.textContent)
      .filter((t) => t.startsWith('Antwort der Klasse')),
    lines: document.querySelectorAll('#report .answer-line').length,
    facts: [...document.querySelectorAll('#report .sheet:last-child > p')].map((p) => p.textContent),
    rows: document.querySelectorAll('#report table tbody tr:not([hidden])').length,
    pictures: [...document.querySelectorAll('#report img')].map((i) => i.src.length),
    copied: quirlweg.report.tableText().split('\n') }));
  assert.ok(report.printed);
  assert.deepEqual(report.sheets, ['Quirlweg – Arbeitsblatt', 'Quirlweg – Bericht einer Serie']);
  assert.equal(report.steps, 4);
  assert.deepEqual(report.answers, ['Antwort der Klasse: 60 %']);
  assert.ok(report.lines >= 3, 'the unanswered questions have lines to write on');
  assert.ok(report.facts.includes('Startwert: 2024 · Reisen: 20'), report.facts.join(' | '));
  assert.ok(report.facts.some((t) => t.startsWith('Dimension 2, Gitter −10 … 10, Start (0 | 0)')),
            report.facts.join(' | '));
  assert.ok(report.rows >= 7, `${report.rows} rows`);
  assert.equal(report.pictures.length, 3);
  // "Tabelle kopieren": the header and the rows this setting shows, five cells each.
  assert.equal(report.copied.length, report.rows + 2, report.copied.join(' | '));
  assert.ok(report.copied.slice(0, -1).every((line) => line.split('\t').length === 5));
  assert.ok(report.pictures.every((bytes) => bytes > 1000), 'charts and lattice are drawn');
  // "Diagramme als SVG …": the charts' own drawing as one picture, its measured line a point a
  // journey.
  const svg = await tab.evaluate(() => {
    const file = new DOMParser().parseFromString(quirlweg.report.chartsSvg(), 'image/svg+xml');
    return { broken: file.querySelector('parsererror') !== null,
             texts: [...file.querySelectorAll('text')].map((t) => t.textContent),
             lines: [...file.querySelectorAll('polyline')].map((p) => p.getAttribute('points').split(' ').length) };
  });
  assert.ok(!svg.broken);
  assert.ok(svg.texts.includes('Anteil „zu Hause“') && svg.texts.some((t) => t.startsWith('Weglängen (')),
            svg.texts.join(' | '));
  assert.ok(svg.lines.includes(20), svg.lines.join(' '));
  await tab.emulateMediaType('print');
  const pdf = await tab.pdf({ format: 'A4', printBackground: true });
  writeFileSync(join(shots, 'report.pdf'), pdf);
  const pages = (Buffer.from(pdf).toString('latin1').match(/\/Type\s*\/Page\b/g) ?? []).length;
  assert.equal(pages, 2, 'the worksheet on one page, the series on the next');
  assert.deepEqual(tab.errors, []);
  await tab.close();
});

// An experiment file walked the same number of journeys gives the same CSV in the page as in
// the desktop program's headless run, byte for byte but for the date: the lessons, and a walk
// in space without home and one on a line with p(rechts) = 0.3 from off the centre, in German
// (decimal comma) and English.
test('"Daten speichern …" downloads the journeys the desktop\'s headless run writes',
     { skip: !process.env.QUIRLWEG_PROGRAM && 'QUIRLWEG_PROGRAM names no desktop build' }, async () => {
  const lessons = resolve(process.env.QUIRLWEG_LESSONS ?? 'lessons');
  const folder = mkdtempSync(join(tmpdir(), 'quirlweg-csv-'));
  const own = (name, setting) => {
    const path = join(folder, `${name}.quirlweg`);
    writeFileSync(path, JSON.stringify({ format: 'quirlweg-experiment', version: 1, seed: 31337, setting }));
    return path;
  };
  const journeys = 200;
  const cases = [
    { file: join(lessons, 'spielerruin-1d.quirlweg'), lang: 'de' },
    { file: join(lessons, 'erste-heimkehr-2d.quirlweg'), lang: 'de' },
    { file: join(lessons, 'polya-3d.quirlweg'), lang: 'en' },
    { file: own('raum-ohne-heim', { dimension: 3, radius: 4, rightProbability: 0.5, start: [1, -2],
                                    homeAbsorbs: false }), lang: 'de' },
    { file: own('linie-schief', { dimension: 1, radius: 6, rightProbability: 0.3, start: [2, 0],
                                  homeAbsorbs: true }), lang: 'en' },
  ];
  const withoutDate = (csv) => csv.split('\r\n').filter((line, i) => i !== 1).join('\r\n');
  try {
    for (const { file, lang } of cases) {
      const locale = lang === 'de' ? 'de-DE' : 'en-US';
      const desktop = join(folder, 'desktop.csv');
      const run = spawnSync(process.env.QUIRLWEG_PROGRAM, ['--lang', lang, '--experiment', file,
                                                           '--journeys', String(journeys), '--csv', desktop],
                            { env: { ...process.env, LANG: `${locale.replace('-', '_')}.UTF-8`, LC_ALL: '' } });
      assert.equal(run.status, 0, String(run.stderr));

      // The browser's language decides its decimal separator, as the system's does the program's.
      const tab = await open({ lang, before: (t) => t.evaluateOnNewDocument((language) => {
        Object.defineProperty(navigator, 'language', { get: () => language });
      }, locale) });
      const downloads = mkdtempSync(join(folder, 'downloads-'));
      const session = await tab.target().createCDPSession();
      await session.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: downloads });
      await (await tab.$('#experimentFile')).uploadFile(file);
      const seed = String(JSON.parse(readFileSync(file, 'utf8')).seed);
      await tab.waitForFunction((s) => document.getElementById('seed').value === s, {}, seed);
      if (await tab.$eval('#instructions', (d) => d.open)) await tab.click('#closeInstructions');
      // "20 Reisen" at the fastest tempo, clicked until the journeys are walked.
      await choose(tab, 'mode', 2);
      await set(tab, 'tempo', await tab.$eval('#tempo', (t) => t.max));
      for (let walked = 0; walked < journeys; walked += 20) await tab.click('#start');
      await tab.click('#evaluation');
      await tab.waitForFunction(() => quirlweg.exact.values !== null);
      await tab.click('#saveData');
      const name = await waitForFile(downloads);
      assert.equal(name, lang === 'de' ? 'quirlweg-reisen.csv' : 'quirlweg-trips.csv');
      const page = readFileSync(join(downloads, name), 'latin1');
      const expected = readFileSync(desktop, 'latin1');
      assert.equal(withoutDate(page), withoutDate(expected), file);
      assert.equal(page.split('\r\n')[1].length, expected.split('\r\n')[1].length, 'the date\'s form');
      assert.deepEqual(tab.errors, []);
      await tab.close();
    }
  } finally {
    rmSync(folder, { recursive: true, force: true });
  }
});

// The one file a download leaves in `folder`, once the browser has finished it.
async function waitForFile(folder) {
  for (let tries = 0; tries < 100; ++tries) {
    const done = readdirSync(folder).filter((f) => !f.endsWith('.crdownload'));
    if (done.length) return done[0];
    await new Promise((later) => setTimeout(later, 50));
  }
  throw new Error(`no download in ${folder}`);
}
