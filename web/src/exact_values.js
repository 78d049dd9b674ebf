// The exact values of the current setting in the boxes' tooltips, as the desktop program shows
// them: the core names the row each box adds, keeps the values and words them. They are
// computed in one of the page's workers where it has them (served from a web server), so that
// the page never freezes for a large lattice; opened from disk, on the page's thread.

export class ExactValues {
  // `tasks`: the page's workers; `known()` is called once the values of a new setting are
  // computed.
  constructor(document, core, tr, separator, tasks, known) {
    this.document = document;
    this.core = core;
    this.tr = tr;
    this.separator = separator;
    this.tasks = tasks;
    this.known = known;
    this.boxes = core.exactInBoxes();
    this.values = null;
    this.rows = [];
    this.asked = null;  // the setting a worker computes now
    this.next = null;   // the walk to ask for once it is done
  }

  // The walk's statistics, or {error}, computed once the page has drawn.
  request(walk) {
    this.values = null;
    this.walk = walk;
    this.show();
    if (this.tasks.workers.length > 0) {
      // One at a time: a setting passed over while dragging is never computed.
      if (this.asked) this.next = walk;
      else this.ask(walk);
      return;
    }
    clearTimeout(this.pending);
    this.pending = setTimeout(() => this.computed(null, walk.exactStatistics()), 30);
  }

  ask(walk) {
    const setting = this.core.exactSetting(walk);
    this.asked = setting;
    this.tasks.run('journeyStatistics', [setting], { urgent: true })
      .then((values) => this.computed(setting, values));
  }

  // `setting`: what the worker computed, null for values the walk computed itself.
  computed(setting, values) {
    if (setting) {
      this.asked = null;
      const taken = this.core.takeExactStatistics(this.walk, setting, values);
      if (this.next) {
        this.ask(this.next);
        this.next = null;
      }
      if (!taken) return;  // the setting changed meanwhile
    }
    this.values = values.error ? { error: values.error } : values;
    this.rows = this.core.exactRowValues(this.walk);
    this.show();
    this.known();
  }

  text(row) {
    if (this.walk && this.core.exactHidden(this.walk)) return '?';
    if (this.values === null) return '\u2026';
    const value = this.values.error ? null : this.rows[row];
    return value === null ? '\u2013' : this.core.rowValueText(row, value, this.separator);
  }

  show() {
    for (const { control, row } of this.boxes) {
      const box = this.document.querySelector(`[data-control="${control}"]`);
      box.title = `${this.tr(box.dataset.tip)}\n${this.tr('exakt: %1', this.text(row))}`;
    }
  }
}
