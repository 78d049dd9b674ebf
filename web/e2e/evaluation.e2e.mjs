// The evaluation's pages beyond the series, served as a school's server would, so that the
// core works in workers: the start-point map read under the pointer, the exit places beside the
// hit counters, and Pólya's Versuchsreihe run and cancelled.
//   QUIRLWEG_SITE=build-web/web/site node --test web/e2e/evaluation.e2e.mjs
import assert from 'node:assert/strict';
import { test } from 'node:test';

import { choose, newTab, serveSite, set, shot } from './tab.mjs';

const exactHome = (tab) => tab.$eval('#evaluationRows tr:first-child td:last-child', (e) => e.textContent);

test('the start map, the exit places and a Pólya sweep agree with the exact values', async () => {
  const server = await serveSite();
  const tab = await newTab();
  try {
    await tab.setViewport({ width: 1280, height: 800 });
    await tab.goto(`${server.address}?lang=de`, { waitUntil: 'load' });
    await tab.waitForFunction(() => globalThis.quirlweg !== undefined);
    assert.ok(await tab.evaluate(() => globalThis.quirlweg.tasks.workers.length > 0), 'workers');

    // On a line with p = 70 % and the start two to the right, the map's cell under the pointer
    // tells the exact chance the table gives for that start: not its mirror image.
    await choose(tab, 'dimension', 1);
    await set(tab, 'probability', 70);
    for (let i = 0; i < 2; ++i) await tab.click('#home1');
    await tab.click('#evaluation');
    await tab.waitForFunction(() => /\d/.test(document.querySelector('#evaluationRows tr td:last-child').textContent));
    const exact = await exactHome(tab);
    await tab.click('#tabStartMap');
    await tab.waitForFunction(() => globalThis.quirlweg.pages.startMap.map !== null);
    const at = await tab.evaluate(() => {
      const { shownGrid: grid, map } = globalThis.quirlweg.pages.startMap;
      const box = document.getElementById('startMap').getBoundingClientRect();
      return { x: box.left + grid.left + (2 + map.radius - 1 + 0.5) * grid.cell, y: box.top + grid.top + grid.cell / 2 };
    });
    await tab.mouse.move(at.x, at.y);
    const note = await tab.$eval('#mapPointed', (e) => e.textContent);
    assert.ok(note.startsWith('Start x = 2, y = 0: zu Hause ') && note.includes(exact), `${note} / ${exact}`);

    // In the plane, each side's exits add up to its hit counter, and its exact cells to its row.
    // Beside the evaluation the window shows its settings in place of the statistics on demand.
    await tab.click('#settingsSwitch');
    await choose(tab, 'dimension', 2);
    await choose(tab, 'mode', 2);
    for (let i = 0; i < 10; ++i) await tab.click('#start');
    await tab.click('#tabExitPlaces');
    await tab.waitForFunction(() => globalThis.quirlweg.pages.exitPlaces.places !== null);
    const sides = await tab.evaluate(() => {
      const { core, walk } = globalThis.quirlweg;
      const view = core.exitPlacesView(walk, globalThis.quirlweg.pages.exitPlaces.places);
      const rows = [...document.querySelectorAll('#evaluationRows tr')].slice(2, 6);
      return view.sides.map((cells, s) => ({
        counted: Math.round(cells.reduce((sum, c) => sum + c.measured, 0) * view.counted),
        hits: Number(document.getElementById(`hit${s}`).textContent),
        exact: cells.reduce((sum, c) => sum + c.exact, 0),
        row: rows[s].lastElementChild.textContent,
      }));
    });
    for (const side of sides) {
      assert.equal(side.counted, side.hits);
      // The row may carry the mark of a value outside the range before it.
      const sum = await tab.evaluate((v) => globalThis.quirlweg.core.rowValueText(2, v, globalThis.quirlweg.separator), side.exact);
      assert.ok(side.row.endsWith(` ${sum}`) || side.row === sum, `${side.row} / ${sum}`);
    }
    await shot(tab, 'evaluation-exit-places-de-1280x800');

    // Pólya's sweep: every dimension's curve, 3-D at R = 50 ending near a third; most exact
    // values inside their ranges. Then a second one cancelled leaves no table.
    await tab.click('#tabSweep');
    await tab.select('#sweepChoice', '3');
    await tab.$eval('#sweepPerPoint', (e) => { e.value = '100'; });
    await tab.evaluate(() => {
      globalThis.longTasks = [];
      new PerformanceObserver((list) => {
        for (const entry of list.getEntries()) globalThis.longTasks.push(Math.round(entry.duration));
      }).observe({ type: 'longtask' });
    });
    await tab.click('#sweepStart');
    await tab.waitForFunction(() => !globalThis.quirlweg.pages.sweep.running, { timeout: 60000 });
    const { rows, longTasks } = await tab.evaluate(() => ({
      rows: globalThis.quirlweg.pages.sweep.table.rows, longTasks: globalThis.longTasks }));
    console.log(`Pólya sweep, 147 points x 100 journeys: main-thread tasks over 50 ms: ${JSON.stringify(longTasks)}`);
    assert.deepEqual([1, 2, 3].map((d) => rows.filter((r) => r.curve === d).length), [49, 49, 49]);
    assert.ok(Math.abs(rows.at(-1).exact - 33.69) < 0.01, String(rows.at(-1).exact));
    const inside = rows.filter((r) => r.low <= r.exact && r.exact <= r.high).length;
    assert.ok(inside >= 0.8 * rows.length, `${inside} of ${rows.length}`);
    // Saved as the desktop saves it: a header with the dimension first, a line a point.
    const csv = await tab.evaluate(() => {
      const { sweep } = globalThis.quirlweg.pages;
      const words = Object.fromEntries(['dimension', 'parameter', 'journeys', 'measured', 'low', 'high', 'exact']
        .map((w) => [w, w]));
      return new TextDecoder('utf-8', { ignoreBOM: true }).decode(globalThis.quirlweg.core.sweepCsv(...sweep.measured, words, ','));
    });
    const lines = csv.split('\r\n');
    assert.equal(lines[0], '\ufeffdimension;parameter;journeys;measured;low;high;exact');
    assert.equal(lines.length, 149);  // and the last line's end
    assert.match(lines[148 - 1], /^3;50;100;/);
    await shot(tab, 'evaluation-sweep-de-1280x800');
    await tab.click('#sweepStart');
    await tab.click('#sweepStart');
    await tab.waitForFunction(() => !globalThis.quirlweg.pages.sweep.running, { timeout: 60000 });
    assert.equal(await tab.$eval('#sweepStatus', (e) => e.textContent), 'Abgebrochen.');
    assert.equal(await tab.evaluate(() => globalThis.quirlweg.pages.sweep.table), null);
  } finally {
    await tab.close();
    server.close();
  }
});
