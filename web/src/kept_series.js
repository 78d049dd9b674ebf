// Nothing a class walked is lost in the browser: the series with its setting and seed is kept
// in the browser's storage while it grows and walked again from its seed on the next load,
// and the address carries the setting and seed (#…), so that a link hands a set-up to a class.
// The core writes and checks both as experiment files, as the desktop program does.

const storageKey = 'quirlweg.series';
const addressKey = 'quirlweg.addresses';
const keptAddresses = 3;
const keepInterval = 2000;
const setupPause = 250;

// The setting and seed of an experiment read by the core, to compare two of them.
const setupOf = (experiment) => JSON.stringify([experiment.setting, experiment.seed]);

export class KeptSeries {
  constructor(window, core, walk) {
    this.window = window;
    this.core = core;
    this.walk = walk;
    this.kept = null;
    this.holds = false;
    this.askBeforeLeaving = true;
    window.setInterval(() => this.keepNow(), keepInterval);
    window.addEventListener('pagehide', () => this.keepNow());
    // Leaving asks first while journeys are walked; they are kept all the same.
    window.addEventListener('beforeunload', (event) => {
      this.keepNow();
      if (this.askBeforeLeaving && this.core.seriesLength(this.walk) > 0) event.preventDefault();
    });
  }

  // What to put in place on loading: the series kept last time, unless the address names
  // another set-up, which then starts a new series; null for neither.
  toRestore() {
    const storage = this.storage();
    const stored = this.read(storage?.getItem(storageKey));
    // An address this page wrote lately is no link from elsewhere: reloaded right after a
    // change, the browser may load the one before, and the series is newer.
    const own = this.ownAddresses().includes(this.window.location.hash);
    const hash = own ? '' : this.window.location.hash.slice(1);
    const linked = hash ? this.read(decodeURIComponent(hash)) : null;
    if (stored && (!linked || setupOf(linked) === setupOf(stored))) return stored;
    return linked && { ...linked, journeys: 0 };
  }

  read(text) {
    if (!text) return null;
    const experiment = this.core.readExperiment(text);
    return experiment.problem ? null : experiment;
  }

  // Writes the series if it changed since; a series that cannot be walked again leaves the
  // last one that can. True where the storage holds the series as it is now.
  keepNow() {
    const json = this.core.seriesJson(this.walk);
    if (json === this.kept) return this.holds;
    this.kept = json;
    const storage = this.storage();
    try {
      if (json) storage?.setItem(storageKey, json);
      // Cleared on purpose: nothing to bring back.
      else if (this.core.seriesLength(this.walk) === 0) storage?.removeItem(storageKey);
      this.holds = Boolean(json && storage);
    } catch {
      // Storage full or refused: the series stays on the page.
      this.holds = false;
    }
    return this.holds;
  }

  // The address names the current set-up, ready to be copied and handed out. It is written
  // once the set-up rests a moment: the browser takes a while over each change of address,
  // which would hold up every step of a slider being dragged.
  showSetup() {
    this.window.clearTimeout(this.setupTimer);
    this.setupTimer = this.window.setTimeout(() => this.writeSetup(), setupPause);
  }

  writeSetup() {
    this.window.clearTimeout(this.setupTimer);
    const url = new URL(this.window.location.href);
    url.hash = encodeURIComponent(JSON.stringify(JSON.parse(this.core.setupJson(this.walk))));
    if (url.href !== this.window.location.href) this.window.history.replaceState(null, '', url.href);
    const written = [...this.ownAddresses().filter((a) => a !== url.hash), url.hash].slice(-keptAddresses);
    try {
      this.storage()?.setItem(addressKey, JSON.stringify(written));
    } catch {
      // storage full or refused: the address alone names the set-up
    }
  }

  ownAddresses() {
    try {
      const written = JSON.parse(this.storage()?.getItem(addressKey) ?? '[]');
      return Array.isArray(written) ? written : [];
    } catch {
      return [];
    }
  }

  storage() {
    try {
      return this.window.localStorage;
    } catch {
      return null;  // refused, as in some private windows
    }
  }
}
