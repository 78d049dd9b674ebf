// The evaluation's pages beyond the series, behind their tabs: the start-point map, the exit
// places and the Versuchsreihe, their heavy work done by the core in workers.

import { EvaluationTabs } from './evaluation_tabs.js';
import { ExitPlacesPage } from './exit_places.js';
import { StartMapPage } from './start_map.js';
import { SweepPage } from './sweep_page.js';

export class EvaluationPages {
  // `names`: the series rows' names by the core's row index; `tasks`: the page's workers;
  // `shown(page)` is told which page is up.
  constructor(document, core, tr, separator, names, walk, tasks, shown) {
    this.core = core;
    this.walk = walk;
    this.lastRefresh = 0;
    const rows = core.seriesRows().map((row) => row.key);
    const homeRow = rows.indexOf('home');
    const meanRow = rows.indexOf('meanLength');
    const texts = {
      rowNames: names,
      homeRow,
      percent: (v) => core.rowValueText(homeRow, v, separator),
      length: (v) => core.rowValueText(meanRow, v, separator),
    };
    this.tasks = tasks;
    this.startMap = new StartMapPage(document, core, tr, this.tasks, texts);
    this.exitPlaces = new ExitPlacesPage(document, core, tr, this.tasks, texts);
    this.sweep = new SweepPage(document, core, tr, this.tasks, separator, () => core.exactSetting(walk));
    this.tabs = new EvaluationTabs(document, (page) => {
      shown(page);
      this.refresh(true);
    });
  }

  // The page shown follows the walk: at once, or now and then while a run goes on.
  refresh(now = false, running = false) {
    const time = performance.now();
    if (running && !now && time - this.lastRefresh < this.core.evaluationRefreshMilliseconds) return;
    this.lastRefresh = time;
    const page = this.tabs.page;
    if (page === 'startMapPage') this.startMap.follow(this.core.exactSetting(this.walk));
    else if (page === 'exitPlacesPage') this.exitPlaces.show(this.walk);
    else if (page === 'sweepPage') this.sweep.draw();
  }
}
