// The evaluation's tabs: one page shown at a time, chosen by a tap, its access key or the arrow
// keys on the tab row, as a tab bar of the desktop program is.

export class EvaluationTabs {
  // `shown(pageId)` is called whenever another page comes up.
  constructor(document, shown) {
    this.tabs = [...document.querySelectorAll('#evaluationPanel [role=tab]')];
    this.document = document;
    this.shown = shown;
    this.tabs.forEach((tab, i) => {
      tab.addEventListener('click', () => this.choose(i));
      tab.addEventListener('keydown', (event) => {
        const step = { ArrowRight: 1, ArrowLeft: -1 }[event.key];
        if (!step) return;
        event.preventDefault();
        const next = (i + step + this.tabs.length) % this.tabs.length;
        this.choose(next);
        this.tabs[next].focus();
      });
    });
    this.select(0);
  }

  get page() {
    return this.tabs[this.chosen].getAttribute('aria-controls');
  }

  choose(index) {
    this.select(index);
    this.shown(this.page);
  }

  select(index) {
    this.chosen = index;
    this.tabs.forEach((tab, i) => {
      const on = i === index;
      tab.setAttribute('aria-selected', String(on));
      tab.tabIndex = on ? 0 : -1;
      this.document.getElementById(tab.getAttribute('aria-controls')).hidden = !on;
    });
  }
}
