// Lessons in the page, in Debian's headless Chromium: a lesson opened from the file picker with
// its instructions and steps, a bad file refused, one the page carries opened from its menu, and
// a lesson that asks the class to guess first.
//   QUIRLWEG_SITE=build-web/web/site node --test web/e2e/
import assert from 'node:assert/strict';
import { writeFileSync } from 'node:fs';
import { join, resolve } from 'node:path';
import { test } from 'node:test';

import { choose, open, shot, shots } from './tab.mjs';

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
  await tab.emulateMediaType('print');
  const pdf = await tab.pdf({ format: 'A4', printBackground: true });
  writeFileSync(join(shots, 'report.pdf'), pdf);
  const pages = (Buffer.from(pdf).toString('latin1').match(/\/Type\s*\/Page\b/g) ?? []).length;
  assert.equal(pages, 2, 'the worksheet on one page, the series on the next');
  assert.deepEqual(tab.errors, []);
  await tab.close();
});
