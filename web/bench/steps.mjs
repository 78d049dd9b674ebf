// Steps per second of the browser edition's core under node, as the page drives it: "20 Reisen"
// clicks, each taking a frame afterwards.
//   node web/bench/steps.mjs [build-web/web/quirlweg_core.js] [radius] [dimension] [clicks]
import { createRequire } from 'node:module';
import { resolve } from 'node:path';

const [corePath = 'build-web/web/quirlweg_core.js', radius = '50', dimension = '2', clicks = '200'] =
    process.argv.slice(2);
const core = await createRequire(import.meta.url)(resolve(corePath))();

const walk = new core.Walk(12345);
walk.setLatticeSize(Number(radius));
walk.setDimension(Number(dimension));
walk.setHomeAbsorbs(false);
walk.setMode(2);
walk.load();
walk.changeLatticeSize();
walk.takeFrame();

let steps = 0;
const started = performance.now();
for (let i = 0; i < Number(clicks); ++i) {
  walk.start();
  steps += walk.takeFrame().stepsTaken;
}
const seconds = (performance.now() - started) / 1000;
console.log(`${steps} steps in ${seconds.toFixed(2)} s: ${(steps / seconds / 1e6).toFixed(1)} million steps/s`);

const exactStarted = performance.now();
const exact = walk.exactStatistics();
console.log(`exact statistics (distribution ${exact.distribution}): ` +
            `${((performance.now() - exactStarted) / 1000).toFixed(2)} s`);
walk.delete();
