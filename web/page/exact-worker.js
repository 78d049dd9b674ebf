// Computes a setting's exact statistics away from the page's thread, with the same core as
// the page: a large lattice takes a few tenths of a second, which the page would freeze for.
/* global createQuirlwegCore */
importScripts('quirlweg_core.js');
const core = createQuirlwegCore();

self.addEventListener('message', async ({ data }) => {
  const values = (await core).journeyStatistics(data.setting);
  const moved = values.lengthDistribution ? [values.lengthDistribution.buffer] : [];
  self.postMessage({ setting: data.setting, values }, moved);
});
