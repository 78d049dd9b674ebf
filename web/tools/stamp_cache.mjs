// Names the service worker's cache after the site's content: `node stamp_cache.mjs SITE`.
// A build that changes any file of the site gets a cache of its own, which replaces the old.
import { createHash } from 'node:crypto';
import { readdirSync, readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';

const site = process.argv[2];
const workerPath = join(site, 'service-worker.js');
const hash = createHash('sha256');
for (const name of readdirSync(site).filter((f) => f !== 'service-worker.js').sort()) {
  hash.update(name).update('\0').update(readFileSync(join(site, name))).update('\0');
}
const worker = readFileSync(workerPath, 'utf8');
const stamped = worker.replace(/const cacheName = '[^']*';/,
                               `const cacheName = 'quirlweg-${hash.digest('hex').slice(0, 16)}';`);
if (stamped === worker) throw new Error(`no cache name in ${workerPath}`);
writeFileSync(workerPath, stamped);
