// Computes for the page away from its thread, with the same core as the page: a setting's
// exact statistics (a large lattice takes a few tenths of a second, which the page would
// freeze for), and any other call of the core the page hands over ({id, name, args}).
/* global createQuirlwegCore */
importScripts('quirlweg_core.js');
const core = createQuirlwegCore();

// Typed arrays in an answer are handed over rather than copied.
function buffersIn(value, found = []) {
  if (ArrayBuffer.isView(value)) found.push(value.buffer);
  else if (value && typeof value === 'object') for (const v of Object.values(value)) buffersIn(v, found);
  return found;
}

self.addEventListener('message', async ({ data }) => {
  const c = await core;
  if (data.name !== undefined) {
    const result = c[data.name](...data.args);
    self.postMessage({ id: data.id, result }, buffersIn(result));
    return;
  }
  const values = c.journeyStatistics(data.setting);
  self.postMessage({ setting: data.setting, values }, buffersIn(values));
});
