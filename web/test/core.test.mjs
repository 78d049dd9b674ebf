// The page's calls into the real core module (WebAssembly, under node).
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { test } from 'node:test';

const corePath = process.env.QUIRLWEG_CORE ??
    new URL('../../build-web/web/quirlweg_core.js', import.meta.url).pathname;
const core = await createRequire(import.meta.url)(corePath)();

// Paced runs reach the walk in batches of steps; the batches must add up to whole journeys.
test('a run taken in batches reports each step and journey once and ends with the last', () => {
  for (const [mode, journeys] of [[1, 1], [2, 20]]) {
    const walk = new core.Walk(11);
    walk.setMode(mode);
    walk.load();
    walk.takeFrame();
    assert.equal(walk.beginRun(), true);
    let steps = 0;
    const ended = [];
    let going = true;
    while (going) {
      going = walk.continueRun(7);
      const frame = walk.takeFrame();
      steps += frame.stepsTaken;
      ended.push(...frame.journeys);
      assert.ok(frame.stepsTaken <= 7);
    }
    assert.equal(ended.length, journeys);
    assert.equal(ended.reduce((sum, j) => sum + j.length, 0), steps);
    walk.delete();
  }
});

// The core throws for a setting no walk can have; the page must get a value, not a crash.
test('exact statistics come back as values, an impossible setting as an error', () => {
  const setting = { dimension: 2, radius: 5, rightProbability: 0.5, startX: 1, startY: -2,
                    homeAbsorbs: true };
  const exact = core.journeyStatistics(setting);
  const ends = exact.home + exact.top + exact.right + exact.bottom + exact.left + exact.zFace;
  assert.ok(Math.abs(ends - 1) < 1e-12);
  assert.deepEqual(core.journeyStatistics({ ...setting, radius: 60 }), { error: 'invalid-setting' });
  assert.deepEqual(core.journeyStatistics({ ...setting, startX: 5 }), { error: 'invalid-setting' });
});

// The page places its controls by the desktop program's control names in the core's layout
// tables, the classic and the lesson one: a name misspelt or given twice would leave a control
// where the browser puts it.
test('the page names every row of the layout tables once, and nothing else', () => {
  const page = readFileSync(new URL('../page/index.html', import.meta.url), 'utf8');
  const named = (attribute) =>
    [...page.matchAll(new RegExp(`data-${attribute}="([^"]*)"`, 'g'))].map((m) => m[1]).sort();
  const tables = [core.arrangeControls(core.designScreenWidth, core.designScreenHeight),
                  core.arrangeForLesson(core.designScreenWidth, core.designScreenHeight)];
  const rows = (part) => [...new Set(tables.flatMap((t) => t[part].map((row) => row.name)))].sort();
  assert.deepEqual(named('control'), rows('controls'));
  assert.deepEqual(named('line'), rows('lines'));
});
