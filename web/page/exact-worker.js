// Computes for the page away from its thread, with the same core as the page: each message a
// call of the core ({id, name, args}) and its answer. A large lattice's exact statistics take a
// few tenths of a second, a start map or a sweep longer: the page would freeze for them.
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
  const result = (await core)[data.name](...data.args);
  self.postMessage({ id: data.id, result }, buffersIn(result));
});
