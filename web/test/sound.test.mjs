// The walk heard: ticks paced by the page's clock (the audio clock of a device without output
// stands still), one tone for each kind of end a frame brings, nothing while switched off.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { setTimeout as pause } from 'node:timers/promises';

import { WalkSound } from '../src/sound.js';

test('ticks keep pace with the steps, ends sound once a kind, and off is silent', async () => {
  const stoppedClock = { currentTime: 0, resume() {} };
  const sound = new WalkSound(() => stoppedClock);
  const heard = [];
  sound.tone = (at, frequency) => heard.push(frequency);
  const steps = { stepsTaken: 3, journeys: [] };

  sound.heard(steps);
  assert.deepEqual(heard, [], 'off until switched on');
  sound.switchOn(true);
  sound.heard(steps);
  sound.heard(steps);
  assert.equal(heard.length, 1, 'frames close together tick once');
  await pause(80);
  sound.heard(steps);
  assert.equal(heard.length, 2, 'a later frame ticks again, though the audio clock stood still');

  heard.length = 0;
  sound.heard({ stepsTaken: 40, journeys: [{ end: 'home' }, { end: 'top' }, { end: 'home' }] });
  assert.equal(heard.length, 2);
  assert.equal(new Set(heard).size, 2, 'home and the boundary sound apart');
  sound.switchOn(false);
  sound.heard(steps);
  assert.equal(heard.length, 2);
});
