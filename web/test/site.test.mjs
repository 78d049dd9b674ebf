// The built site holds every file the service worker keeps for use without a network, and the
// service worker keeps every file of the site: a file left out breaks the page offline.
import assert from 'node:assert/strict';
import { readdirSync, readFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { test } from 'node:test';

const core = process.env.QUIRLWEG_CORE;

test('the service worker keeps exactly the files of the site', { skip: !core }, () => {
  const site = join(dirname(core), 'site');
  const worker = readFileSync(join(site, 'service-worker.js'), 'utf8');
  const list = worker.match(/const siteFiles = \[([^\]]*)\]/)[1];
  const kept = [...list.matchAll(/'([^']+)'/g)].map((m) => m[1]).filter((f) => f !== './');
  const files = readdirSync(site).filter((f) => f !== 'service-worker.js');
  assert.deepEqual([...kept].sort(), [...files].sort());
});
