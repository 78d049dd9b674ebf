// The page in Debian's headless Chromium, opened from disk as a teacher would: every run mode,
// a paced run stopped, the statistics of many journeys against the exact values, touch sizes
// and screen-reader names, screenshots, and the figures of speed and size printed.
//   QUIRLWEG_SITE=build-web/web/site node --test web/e2e/
// QUIRLWEG_CHROMIUM (default /usr/bin/chromium), QUIRLWEG_SHOTS (where the screenshots go),
// QUIRLWEG_WALKBENCH (the desktop build's walkbench, for its figure beside the page's).
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { readdirSync, statSync } from 'node:fs';
import { join } from 'node:path';
import { test } from 'node:test';
import { pathToFileURL } from 'node:url';

import {
  choose, countFrames, journeysCounted, newTab, open, page, serveSite, set, shot, site,
} from './tab.mjs';
import { controlSelector, layoutFaults, noteReactions, tapPoints } from './reach.mjs';

const sizes = [[1024, 768], [1180, 820]];

test('opens from disk, paints, and asks for nothing beyond its own files', async () => {
  const tab = await open();
  const paint = await tab.evaluate(() =>
    performance.getEntriesByType('paint').find((p) => p.name === 'first-contentful-paint')?.startTime);
  const bytes = readdirSync(site).reduce((sum, f) => sum + statSync(join(site, f)).size, 0);
  console.log(`first paint from disk: ${paint?.toFixed(0)} ms; whole download: ` +
              `${(bytes / 1e6).toFixed(2)} MB in ${readdirSync(site).length} files`);
  assert.deepEqual(tab.foreign, []);
  assert.deepEqual(tab.errors, []);
  await tab.close();
});

test('Start in each mode takes a step, a journey and twenty journeys', async () => {
  const tab = await open();
  await choose(tab, 'mode', 0);
  await tab.click('#start');
  assert.match(await tab.$eval('#steps', (e) => e.textContent), /Schritte:\s+1\s*$/);
  await choose(tab, 'mode', 1);
  await tab.click('#start');
  assert.equal(await journeysCounted(tab), 1);
  // A screen reader hears the journey's end, and then the twenty together, not one by one.
  const said = (pattern) => tab.waitForFunction((p) => new RegExp(p).test(
    document.getElementById('announcements').textContent), { timeout: 5000 }, pattern);
  await said('^Reise 1: (zu Hause|am Rand, (oben|rechts|unten|links)), nach \\d+ Schritt(en)?$');
  await choose(tab, 'mode', 2);
  await tab.click('#start');
  assert.equal(await journeysCounted(tab), 21);
  await said('^Reisen 2–21: \\d+ zu Hause, \\d+ am Rand$');
  assert.deepEqual(tab.errors, []);
  await tab.close();
});

test('a paced run takes one frame a step and stops on Start', async () => {
  const tab = await open();
  await set(tab, 'size', 50);
  await tab.click('#homeAbsorbs');
  await countFrames(tab);
  for (const [index, tempo] of [[5, 50], [6, 100]]) {
    await set(tab, 'tempo', index);
    await tab.evaluate(() => { globalThis.frameSteps = []; });
    await tab.click('#start');
    await new Promise((done) => setTimeout(done, 1500));
    await tab.click('#start');
    const { going, frames } = await tab.evaluate(() => ({
      going: globalThis.quirlweg.paced.running, frames: globalThis.frameSteps }));
    assert.equal(going, false);
    const stepping = frames.filter(([, steps]) => steps > 0);
    const steps = stepping.reduce((sum, [, n]) => sum + n, 0);
    const seconds = (stepping.at(-1)[0] - stepping[0][0]) / 1000;
    const single = stepping.filter(([, n]) => n === 1).length;
    console.log(`paced at ${tempo} steps/s: ${(steps / seconds).toFixed(1)} steps/s, ` +
                `${single} of ${stepping.length} frames with one step`);
    if (tempo <= 60) assert.ok(single >= 0.9 * stepping.length);
    await tab.evaluate(() => { globalThis.frameSteps = []; });
    await new Promise((done) => setTimeout(done, 200));
    assert.deepEqual(await tab.evaluate(() => globalThis.frameSteps.filter(([, n]) => n > 0)), []);
  }
  await tab.close();
});

// The page's measured values are the core's; 5 standard errors miss one in a million series.
// Checked once; the other sizes and languages run fewer journeys for their screenshots.
test('20,000 journeys agree with the exact values within 5 standard errors', async () => {
  for (const [width, height] of sizes) {
    for (const lang of ['de', 'en']) {
      const tab = await open({ width, height, lang });
      await choose(tab, 'mode', 2);
      await tab.click('#evaluation');
      await tab.click('#start');
      await tab.waitForFunction(() => document.querySelector('#evaluationRows td:nth-child(5)')
        .textContent !== '\u2026');
      await shot(tab, `i21-${lang}-${width}x${height}-twenty`);
      if (width === 1024 && lang === 'de') {
        await tab.click('#evaluation');
        await shot(tab, `i21-${lang}-${width}x${height}-window`);
        await tab.click('#evaluation');
      }
      const checked = width === 1024 && lang === 'de';
      const clicks = checked ? 1000 : 100;
      await tab.evaluate((clicks) => {
        for (let i = 1; i < clicks; ++i) document.getElementById('start').click();
      }, clicks);
      const f = await tab.evaluate(() => globalThis.quirlweg.core.evaluation(globalThis.quirlweg.walk, 2, ",", false));
      const exact = await tab.evaluate(() => globalThis.quirlweg.exact.values);
      const n = f.journeys;
      assert.equal(n, 20 * clicks);
      if (checked) {
        f.rows.forEach((row, r) => {
          if (row.exact === null) return;
          const se = r === 7 ? exact.sdLength / Math.sqrt(n) : Math.sqrt(row.exact * (1 - row.exact) / n);
          // The measured shares come cut to two decimals of a per cent, as the boxes show them.
          assert.ok(Math.abs(row.measured - row.exact) <= 5 * se + 1e-4, `row ${r}: ${row.measured} ${row.exact}`);
        });
      }
      assert.equal(await tab.$eval('#evaluationRows td', (e) => e.textContent), String(f.rows[0].count));
      await shot(tab, `i21-${lang}-${width}x${height}-after`);
      // During a run: a paced one on a large lattice, home not absorbing, the evaluation open.
      await tab.click('#resetCounters');
      await set(tab, 'size', 20);
      // Beside the evaluation the settings take the statistics' place on demand.
      await tab.click('#settingsSwitch');
      await tab.click('#homeAbsorbs');
      await tab.click('#settingsSwitch');
      await tab.evaluate(() => { for (let i = 0; i < 10; ++i) document.getElementById('start').click(); });
      await set(tab, 'tempo', 9);
      await tab.click('#start');
      await new Promise((done) => setTimeout(done, 700));
      await shot(tab, `i21-${lang}-${width}x${height}-during`);
      await tab.click('#start');
      assert.deepEqual([tab.foreign, tab.errors], [[], []]);
      await tab.close();
    }
  }
});

// The walk's own speed is walkbench's engine mode compiled to WebAssembly and run in the page;
// the page's runs add the displays and the drawing of each frame.
test('the walk in Chromium beside walkbench, and the page runs', async () => {
  const tab = await open();
  const bench = process.env.QUIRLWEG_BENCH ?? join(site, '..', 'quirlweg_bench.js');
  await tab.addScriptTag({ url: pathToFileURL(bench).href });
  const setting = { dimension: 2, radius: 50, home: false, journeys: 2000 };
  const engine = await tab.evaluate(async ({ dimension, radius, home, journeys }) => {
    const module = await globalThis.createQuirlwegBench();
    module.engineRun(dimension, radius, home, journeys / 10);  // warm up
    return module.engineRun(dimension, radius, home, journeys);
  }, setting);
  let line = `the walk in Chromium (engine mode, 2-D, R = 50, home off, ${setting.journeys} journeys): ` +
             `${(engine.steps / engine.seconds / 1e6).toFixed(1)} million steps/s`;
  const walkbench = process.env.QUIRLWEG_WALKBENCH;
  if (walkbench) {
    const out = execFileSync(walkbench, ['--mode', 'engine', '--dimension', '2', '--radius', '50',
                                         '--home', 'off', '--journeys', String(setting.journeys)],
                             { encoding: 'utf8', stdio: ['ignore', 'pipe', 'ignore'] });
    const native = Number(out.match(/steps_per_s=(\d+)/)[1]);
    line += `; walkbench --mode engine, same setting: ${(native / 1e6).toFixed(1)} million steps/s`;
  }
  console.log(line);

  await set(tab, 'size', 50);
  await tab.click('#homeAbsorbs');
  await choose(tab, 'mode', 2);
  await countFrames(tab);
  const page = await tab.evaluate(() => {
    const start = document.getElementById('start');
    start.click();  // the first run brings the traces' memory up to size
    globalThis.frameSteps = [];
    const begun = performance.now();
    for (let i = 0; i < 30; ++i) start.click();
    const seconds = (performance.now() - begun) / 1000;
    return { steps: globalThis.frameSteps.reduce((sum, [, n]) => sum + n, 0), seconds };
  });
  console.log(`the page's "20 Reisen" at max, traces drawn after each click: ` +
              `${(page.steps / page.seconds / 1e6).toFixed(1)} million steps/s`);
  assert.ok(engine.steps > 0 && page.steps > 0);
  await tab.close();
});

// The screens a class uses: tablets either way round, the projector's laptops, a phone. On
// each, with the evaluation closed and open and in every dimension, every control shown takes
// a tap at its centre and just inside its edges, no text is smaller than read from the back
// row (on the phone, than read in the hand: figures too at 12 px) or cut; real taps on the
// controls that sit closest to others reach them alone.
const screens = [
  { width: 1180, height: 820, scale: 2, touch: true },
  { width: 820, height: 1180, scale: 2, touch: true },
  { width: 1366, height: 768 },
  { width: 1024, height: 768 },
  { width: 390, height: 844, scale: 3, touch: true, phone: true },
];

// Taps at the centre and just inside the edges of the control `selector` reach it alone.
async function tapOnly(tab, selector, name) {
  const points = await tab.evaluate(tapPoints, selector);
  await tab.evaluate(() => { globalThis.reactions = []; });
  for (const [x, y] of points) await tab.touchscreen.tap(x, y);
  const reached = await tab.evaluate(() => [...new Set(globalThis.reactions)]);
  assert.deepEqual(reached, [name], `${selector} tapped`);
}

test('on every screen each control takes its taps alone, and every text is read', async () => {
  for (const screen of screens) {
    for (const lang of ['de', 'en']) {
      const tab = await open({ ...screen, lang });
      const least = screen.phone ? { leastText: 12, leastFigure: 12 } : { leastText: 12, leastFigure: 14 };
      const where = `${lang} ${screen.width}x${screen.height}`;
      await choose(tab, 'mode', 2);
      await tab.click('#start');
      await tab.evaluate(noteReactions, controlSelector);
      for (const evaluationOpen of [false, true]) {
        if (evaluationOpen) await tab.click('#evaluation');
        const lesson = await tab.evaluate(() => globalThis.quirlweg.arrangement.lesson);
        for (const dimension of [1, 2, 3]) {
          await tab.evaluate((d) => document.querySelector(`input[name=dimension][value="${d}"]`).click(), dimension);
          for (const settings of lesson ? [false, true] : [false]) {
            if (settings) await tab.evaluate(() => document.getElementById('settingsSwitch').click());
            // The exact values fill the table a moment after a change, and what follows its size
            // (the charts below the table) follows in the next frame.
            await tab.waitForFunction(() => globalThis.quirlweg.exact.values !== null);
            await tab.evaluate(() => new Promise((drawn) => requestAnimationFrame(() => requestAnimationFrame(drawn))));
            const faults = await tab.evaluate(layoutFaults, { ...least, controlSelector });
            assert.deepEqual(faults, [], `${where}, evaluation ${evaluationOpen ? 'open' : 'closed'}, ` +
                                         `${dimension}-D${settings ? ', settings' : ''}`);
            if (settings) await tab.evaluate(() => document.getElementById('settingsSwitch').click());
          }
        }
        // The evaluation's other pages, each with its own controls and texts.
        for (const page of evaluationOpen ? ['tabStartMap', 'tabExitPlaces', 'tabSweep', 'tabSeries'] : []) {
          await tab.evaluate((id) => document.getElementById(id).click(), page);
          await tab.evaluate(() => new Promise((drawn) => requestAnimationFrame(() => requestAnimationFrame(drawn))));
          const faults = await tab.evaluate(layoutFaults, { ...least, controlSelector });
          assert.deepEqual(faults, [], `${where}, evaluation open, ${page}`);
        }
        await shot(tab, `layout-${lang}-${screen.width}x${screen.height}-${evaluationOpen ? 'open' : 'closed'}`);
        const sheet = await tab.evaluate(() => document.documentElement.dataset.evaluation === 'sheet');
        if (!screen.touch || lang !== 'de' || sheet) continue;
        // The option "2" right above the probability bar, the modes above the tempo's.
        await tab.evaluate(() => document.querySelector('input[name=dimension][value="1"]').click());
        if (lesson) await tapOnly(tab, '#settingsSwitch', 'settingsSwitch');
        const probability = await tab.$eval('#probability', (e) => e.value);
        await tapOnly(tab, '[data-control="Option1(1)"]', 'Option1(1)');
        assert.equal(await tab.$eval('input[name=dimension]:checked', (e) => e.value), '2');
        if (lesson) await tapOnly(tab, '#settingsSwitch', 'settingsSwitch');
        const tempo = await tab.$eval('#tempo', (e) => e.value);
        await tapOnly(tab, '[data-control="optModus(1)"]', 'optModus(1)');
        await tapOnly(tab, '[data-control="optModus(2)"]', 'optModus(2)');
        assert.deepEqual([await tab.$eval('#probability', (e) => e.value), await tab.$eval('#tempo', (e) => e.value),
                          await tab.$eval('input[name=mode]:checked', (e) => e.value)], [probability, tempo, '2']);
      }
      assert.deepEqual(tab.errors, []);
      await tab.close();
    }
  }
});

// The desktop program's names reach screen readers.
test('every control is named as on the desktop', async () => {
  const tab = await open({ width: 1180, height: 820, scale: 2, touch: true });
  const cdp = await tab.createCDPSession();
  const roles = new Set(['button', 'checkbox', 'radio', 'slider', 'textbox', 'combobox', 'table', 'image']);
  const names = async () => {
    const { nodes } = await cdp.send('Accessibility.getFullAXTree');
    const named = new Map();
    for (const node of nodes) {
      const role = node.role?.value;
      if (!node.ignored && roles.has(role)) named.set(node.name?.value ?? '', role);
    }
    return named;
  };
  const window = await names();
  await tab.click('#evaluation');
  const evaluation = await names();
  assert.equal(window.has('') || evaluation.has(''), false, 'a control without a name');
  for (const [name, role] of [['Start', 'button'], ['Gittergröße', 'slider'], ['Tempo', 'slider'],
    ['Startpunkt nach oben', 'button'], ['Irrfahrt in 3 Dimensionen', 'radio'],
    ['Heimkreis absorbiert', 'checkbox'], ['Reisen, die am Rand endeten', 'textbox'], ['Gitter', 'image']]) {
    assert.equal(window.get(name), role, name);
  }
  for (const [name, role] of [['Gezählte, gemessene und exakte Werte', 'table'],
    ['Auswertung schließen', 'button'], ['Einstellungen', 'button']]) {
    assert.equal(evaluation.get(name), role, name);
  }
  await tab.close();
});

test('served once, it opens offline in either language and takes a new build when online', async () => {
  const server = await serveSite();
  const tab = await newTab();
  try {
    await tab.goto(server.address, { waitUntil: 'load' });
    await tab.evaluate(async () => {
      await navigator.serviceWorker.ready;
      // The first load is not yet controlled; the worker claims the page once it is active.
      if (!navigator.serviceWorker.controller) {
        await new Promise((claimed) => navigator.serviceWorker.addEventListener('controllerchange', claimed));
      }
    });
    await tab.setOfflineMode(true);
    for (const [address, lang] of [['', null], ['index.html?lang=en', 'en'], ['?lang=de', 'de']]) {
      await tab.goto(server.address + address, { waitUntil: 'load' });
      await tab.waitForFunction(() => globalThis.quirlweg !== undefined, { timeout: 10000 });
      if (lang) assert.equal(await tab.evaluate(() => document.documentElement.lang), lang);
    }
    await tab.setOfflineMode(false);
    server.changed = 'new build';
    await tab.goto(`${server.address}?lang=en`, { waitUntil: 'load' });
    assert.equal(await tab.evaluate(() => document.getElementById('changed')?.textContent), 'new build');
  } finally {
    await tab.close();
    server.close();
  }
});

test('without WebAssembly the page says so in both languages', async () => {
  const tab = await newTab();
  const errors = [];
  tab.on('pageerror', (error) => errors.push(error.message));
  await tab.evaluateOnNewDocument(() => { delete globalThis.WebAssembly; });
  await tab.goto(page, { waitUntil: 'load' });
  const shown = await tab.evaluate(() => {
    const notice = document.getElementById('cannotRun');
    return { notice: !notice.hidden && notice.offsetHeight > 0, text: notice.innerText,
             window: document.getElementById('window').hidden };
  });
  await tab.close();
  assert.ok(shown.notice && shown.window, JSON.stringify(shown));
  assert.match(shown.text, /WebAssembly/);
  assert.match(shown.text, /Browser/);
  assert.deepEqual(errors, []);
});

test('a reload brings the series back from its seed, and a link hands on setting and seed', async () => {
  const tab = await open();
  await set(tab, 'size', 9);
  await choose(tab, 'mode', 2);
  for (let i = 0; i < 3; ++i) await tab.click('#start');
  const boxes = () => tab.evaluate(() => ({
    counts: [0, 1, 2, 3, 4].map((i) => document.getElementById(`count${i}`).value),
    seed: document.getElementById('seed').value,
    size: document.getElementById('size').value,
  }));
  const walked = await boxes();
  assert.notEqual(walked.counts[0], '0');
  // Kept every two seconds and when the page is left.
  await tab.reload({ waitUntil: 'load' });
  await tab.waitForFunction(() => globalThis.quirlweg !== undefined);
  assert.deepEqual(await boxes(), walked);
  // "Ende" where the browser keeps the tab open (as it does for a tab the page did not open):
  // the page says it has ended, leaving no longer asks, and the series is back all the same.
  await tab.click('#start');
  const more = await boxes();
  const asked = [];
  tab.on('dialog', (dialog) => asked.push(dialog.type()));
  await tab.evaluate(() => { window.close = () => {}; });
  await tab.click('#end');
  assert.ok(await tab.$eval('#ended', (d) => d.open && !document.getElementById('endedKept').hidden));
  await tab.reload({ waitUntil: 'load' });
  await tab.waitForFunction(() => globalThis.quirlweg !== undefined);
  assert.deepEqual(await boxes(), more);
  assert.deepEqual(asked, []);
  const link = await tab.evaluate(() => location.href);
  await tab.close();

  // The link opened elsewhere: the same setting and seed, a new series of its own.
  const other = await open();
  await other.goto(link.replace(/\?[^#]*/, '?lang=en'), { waitUntil: 'load' });
  await other.waitForFunction(() => globalThis.quirlweg !== undefined);
  const opened = await other.evaluate(() => ({
    seed: document.getElementById('seed').value, size: document.getElementById('size').value,
    home: document.getElementById('count0').value }));
  await other.close();
  assert.equal(opened.size, '9');
  assert.equal(opened.home, '0');
  assert.equal(opened.seed, walked.seed);
});

test('served, the exact values of a large lattice are computed without freezing the page', async () => {
  const server = await serveSite();
  const tab = await newTab();
  try {
    await tab.setViewport({ width: 1024, height: 768 });
    await tab.goto(`${server.address}?lang=de`, { waitUntil: 'load' });
    await tab.waitForFunction(() => globalThis.quirlweg !== undefined);
    await tab.evaluate(() => {
      globalThis.longTasks = [];
      new PerformanceObserver((list) => {
        for (const entry of list.getEntries()) globalThis.longTasks.push(Math.round(entry.duration));
      }).observe({ type: 'longtask' });
    });
    await choose(tab, 'dimension', 3);
    for (const r of [20, 30, 40, 50]) await set(tab, 'size', r);
    // Known once the box's tooltip gives a number where it said "…".
    await tab.waitForFunction(() => /exakt: \d/.test(document.getElementById('count0').title),
                              { timeout: 20000 });
    const { longTasks, home, inWorker } = await tab.evaluate(() => ({
      longTasks: globalThis.longTasks, home: document.getElementById('count0').title,
      inWorker: globalThis.quirlweg.tasks.workers.length > 0 }));
    // A figure to read, not a limit: a busy machine stretches every task.
    console.log(`3-D, R dragged to 50, served: main-thread tasks over 50 ms: ${JSON.stringify(longTasks)}`);
    assert.match(home, /exakt: 33[.,]69 %/);  // home in 3-D at R = 50
    assert.ok(inWorker, 'the worker computed them');
    // "20 Reisen" at the fastest tempo walks its journeys at once and draws them.
    await choose(tab, 'mode', 2);
    for (const evaluation of ['closed', 'open']) {
      if (evaluation === 'open') await tab.click('#evaluation');
      await tab.evaluate(() => { globalThis.longTasks = []; });
      await tab.click('#start');
      await tab.evaluate(() => new Promise((drawn) => setTimeout(() => requestAnimationFrame(drawn), 500)));
      const started = await tab.evaluate(() => globalThis.longTasks);
      console.log(`3-D, R = 50, "20 Reisen" at max started, evaluation ${evaluation}: ` +
                  `main-thread tasks over 50 ms: ${JSON.stringify(started)}`);
    }
    assert.equal(await journeysCounted(tab), 40);
  } finally {
    await tab.close();
    server.close();
  }
});

// The lattice canvas's pixels of one colour, in its upper half (the heat legend sits below).
const pixelsOf = (tab, colour) => tab.evaluate((colour) => {
  const canvas = document.getElementById('lattice');
  const { data } = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height / 2);
  const [r, g, b] = [1, 3, 5].map((i) => parseInt(colour.slice(i, i + 2), 16));
  let n = 0;
  for (let i = 0; i < data.length; i += 4) if (data[i] === r && data[i + 1] === g && data[i + 2] === b) ++n;
  return n;
}, colour);

test('the lattice menu and its keys draw heat traces and high contrast, kept in the file', async () => {
  const tab = await open();
  await choose(tab, 'mode', 2);
  await tab.click('#start');
  const { ground, high, once } = await tab.evaluate(() => ({
    ground: quirlweg.core.latticeStyle(5, false).back, high: quirlweg.core.latticeStyle(5, true).back,
    once: quirlweg.core.heatLegend(640, 2, false).colours[0] }));
  assert.equal(await pixelsOf(tab, once), 0);
  await tab.keyboard.press('w');
  assert.ok(await pixelsOf(tab, once) > 0, 'edges walked once are drawn in the scale\'s first colour');
  await tab.click('#view', { button: 'right' });
  const entries = await tab.$$eval('.lattice-menu [role=menuitemcheckbox]', (items) =>
    items.map((i) => [i.textContent, i.getAttribute('aria-checked')]));
  assert.deepEqual(entries, [['Spuren als WärmebildW', 'true'], ['Hoher KontrastK', 'false'],
                             ['Ton bei Schritten und ReiseendenT', 'false']]);
  await shot(tab, 'lattice-menu');
  const groundBefore = await pixelsOf(tab, ground);
  await tab.click('.lattice-menu [role=menuitemcheckbox]:nth-of-type(2)');
  assert.equal(await tab.$eval('.lattice-menu', (m) => m.hidden), true);
  assert.equal(await pixelsOf(tab, ground), 0);
  assert.ok(await pixelsOf(tab, high) >= groundBefore, 'the ground turns white');
  const saved = await tab.evaluate(() => {
    const { tempo, protocolShown, heatTraces } = quirlweg.choices();
    return JSON.parse(quirlweg.core.experimentJson(quirlweg.walk, tempo, protocolShown, heatTraces, '', ''));
  });
  assert.equal(saved.display.heatTraces, true);
  // Typed into a box, the letters are the box's.
  await tab.click('#evaluation');
  await tab.click('#seed');
  await tab.keyboard.press('w');
  assert.ok(await pixelsOf(tab, once) > 0, 'still heat');
  await tab.keyboard.press('Escape');
  assert.deepEqual(tab.errors, []);
  await tab.close();
});
