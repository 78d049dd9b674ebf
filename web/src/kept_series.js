// Nothing a class walked is lost in the browser: the series with its setting and seed is kept
// in the browser's storage while it grows and walked again from its seed on the next load,
// and the address carries the setting and seed (#…), so that a link hands a set-up to a class.
// The core writes and checks both as experiment files, as the desktop program does.

const storageKey = 'quirlweg.series';
const keepInterval = 2000;

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
    const stored = this.read(this.storage()?.getItem(storageKey));
    const hash = this.window.location.hash.slice(1);
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

  // The address names the current set-up, ready to be copied and handed out.
  showSetup() {
    const url = new URL(this.window.location.href);
    url.hash = encodeURIComponent(JSON.stringify(JSON.parse(this.core.setupJson(this.walk))));
    this.window.history.replaceState(null, '', url.href);
  }

  storage() {
    try {
      return this.window.localStorage;
    } catch {
      return null;  // refused, as in some private windows
    }
  }
}
