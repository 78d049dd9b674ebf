// Where the window, the evaluation and its charts go on the page. A landscape page shows the
// classic layout; the evaluation opened beside it puts the window into the lesson arrangement,
// as the desktop program does with its main window. A portrait page (a tablet held upright, a
// phone) always shows the lesson arrangement, the evaluation below it where there is room and
// else as a sheet over it.
import { classicLayout, leastFigure, leastText, lessonLayout, placeAll, pointsToPixels } from './layout.js';

// The teacher's board takes this share of the page's width at the right, no less than its
// table needs.
const boardShare = 0.42;
const boardLeast = 340;
// Charts smaller than this on either side are not worth reading.
const leastChartEdge = 220;

// Which layout the window takes and where the evaluation goes on a page of `width` x `height`;
// `panelNeed` is the height the evaluation's panel takes at the page's full width.
export function planPage(core, { width, height, evaluationOpen, panelNeed = 0 }) {
  const portrait = height > width;
  const fitted = () => (portrait ? lessonLayout(core, width, height) : classicLayout(core, width, height));
  if (!evaluationOpen) return { layout: fitted(), evaluation: null };
  const sizes = core.lessonSizes();
  if (!portrait) {
    // The desktop program's main window beside its evaluation: the lesson arrangement at the
    // screen's lesson scale, as high as the screen.
    const mainWidth = Math.ceil(sizes.width * core.lessonScale(width, height));
    if (width - mainWidth >= sizes.narrowestEvaluation) {
      return { layout: lessonLayout(core, mainWidth, height),
               evaluation: { mode: 'beside', left: mainWidth, top: 0, width: width - mainWidth, height } };
    }
  } else {
    // Below the window, which stays no smaller than its texts and figures are read at, and no
    // taller than its width allows.
    const least = Math.max(leastText / pointsToPixels(sizes.textPoints),
                           leastFigure / pointsToPixels(sizes.figurePoints));
    const leastHeight = sizes.height * least;
    const room = height - leastHeight;
    if (width >= sizes.width * least && room >= sizes.narrowestEvaluation) {
      const tallest = Math.min((sizes.height * width) / sizes.width, height - sizes.narrowestEvaluation);
      const windowHeight = Math.round(Math.max(leastHeight, Math.min(height - panelNeed, tallest)));
      return { layout: lessonLayout(core, width, windowHeight),
               evaluation: { mode: 'below', left: 0, top: windowHeight, width, height: height - windowHeight } };
    }
  }
  // Too small a page for both: the evaluation goes over the window.
  return { layout: fitted(), evaluation: { mode: 'sheet', left: 0, top: 0, width, height } };
}

// Where the charts go: beside the window above an evaluation below it, or below a window beside
// the evaluation, where that leaves room enough; else in the evaluation's column below its last
// row of controls.
function chartsBox({ layout, evaluation }, width, height) {
  const free = {
    below: { left: layout.width, top: 0, width: width - layout.width, height: layout.height },
    beside: { left: 0, top: layout.height, width: layout.width, height: height - layout.height },
  }[evaluation.mode];
  return free && free.width >= leastChartEdge && free.height >= leastChartEdge ? free : null;
}

export class PageArrangement {
  // `chartsResized` redraws the charts at their new size.
  constructor(document, core, chartsResized) {
    this.document = document;
    this.core = core;
    this.chartsResized = chartsResized;
    this.panel = document.getElementById('evaluationPanel');
    this.charts = document.getElementById('evaluationCharts');
    this.lesson = false;
    this.plan = null;
    // Rows shown or hidden in the panel move its last row: the charts below it follow.
    const watch = new document.defaultView.ResizeObserver(() => this.placeCharts());
    for (const row of this.panel.querySelectorAll(':scope > *, .page > *')) watch.observe(row);
  }

  byId(id) {
    return this.document.getElementById(id);
  }

  // Lays the page out for its size, the evaluation open or not.
  arrange(evaluationOpen) {
    const window = this.document.defaultView;
    let width = window.innerWidth;
    // The teacher's board stands at the right, beside the evaluation when that is open.
    const board = this.byId('boardPanel');
    if (!board.hidden) {
      const boardWidth = Math.max(boardLeast, Math.round(width * boardShare));
      Object.assign(board.style, { width: `${boardWidth}px`, right: '0px' });
      width -= boardWidth;
    }
    // A device of a class keeps its bar below the window.
    const bar = this.byId('classBar');
    const height = window.innerHeight - (bar.hidden ? 0 : bar.offsetHeight);
    this.scaleTexts(width, height);
    const root = this.document.documentElement.dataset;
    const was = root.evaluation;
    root.evaluation = 'closed';
    const panelNeed = evaluationOpen ? this.panelHeightAt(width) : 0;
    const plan = planPage(this.core, { width, height, evaluationOpen, panelNeed });
    this.plan = { ...plan, width, height };
    this.lesson = plan.layout.lesson;
    root.evaluation = plan.evaluation?.mode ?? 'closed';
    // A sheet opens at its top; closed, it leaves the page where the window is.
    if (root.evaluation !== was) window.scrollTo(0, 0);
    if (plan.evaluation) this.placePanel(plan.evaluation);
    placeAll(this.byId('window'), plan.layout, window.matchMedia('(pointer: coarse)').matches);
    this.showFrames();
    // A lesson's steps sit over the lattice's lower left corner, which in the lesson
    // arrangement lies above the frames.
    const view = this.byId('view').getBoundingClientRect();
    this.byId('lessonSteps').style.bottom = this.lesson ? `${window.innerHeight - view.bottom}px` : '';
  }

  // The evaluation's texts at the sizes the desktop program gives them beside its window: the
  // screen's lesson scale, never smaller than at the screen the arrangement was drawn for.
  scaleTexts(width, height) {
    const sizes = this.core.lessonSizes();
    const scale = Math.max(1, this.core.lessonScale(width, height));
    this.panel.style.setProperty('--text', `${pointsToPixels(sizes.textPoints) * scale}px`);
    this.panel.style.setProperty('--table', `${pointsToPixels(sizes.tablePoints) * scale}px`);
  }

  // The panel's height with all its rows at `width`, the charts elsewhere.
  panelHeightAt(width) {
    const style = this.panel.style;
    const was = this.panel.hidden;
    Object.assign(style, { width: `${width}px`, height: 'auto', top: '0px', bottom: 'auto' });
    this.panel.hidden = false;
    const need = this.panel.offsetHeight;
    this.panel.hidden = was;
    return need;
  }

  placePanel(evaluation) {
    const style = this.panel.style;
    Object.assign(style, { left: `${evaluation.left}px`, top: `${evaluation.top}px`,
                           width: `${evaluation.width}px`, height: '', bottom: '' });
    if (evaluation.mode !== 'sheet') style.height = `${evaluation.height}px`;
    // A phone's sheet has the table's figures at the least size read, so that every column fits.
    if (evaluation.mode === 'sheet') style.setProperty('--table', `${leastText}px`);
    this.placeCharts();
  }

  placeCharts() {
    const plan = this.plan;
    if (!plan?.evaluation || this.panel.hidden) return;
    this.panel.style.setProperty('--charts-room', '0px');
    const box = chartsBox(plan, plan.width, plan.height) ?? this.boxInPanel(plan.evaluation);
    this.charts.classList.toggle('column', box.height > box.width);
    const resized = ['width', 'height'].some((edge) => this.charts.style[edge] !== `${box[edge]}px`);
    for (const [edge, value] of Object.entries(box)) this.charts.style[edge] = `${value}px`;
    if (resized) this.chartsResized();
  }

  // Below the panel's last row of controls, which the charts would cover otherwise; on a sheet
  // the panel makes room for them there, two charts one above the other.
  boxInPanel(evaluation) {
    const files = this.panel.querySelector('.files');
    if (evaluation.mode === 'sheet') {
      const room = 2 * Math.round(Math.min(evaluation.width, evaluation.height / 2) * 0.8);
      this.panel.style.setProperty('--charts-room', `${room}px`);
      const top = files.offsetTop + files.offsetHeight;
      return { left: evaluation.left, top, width: evaluation.width, height: room };
    }
    const top = files.getBoundingClientRect().bottom;
    const bottom = this.byId('closeEvaluation').getBoundingClientRect().top;
    return { left: evaluation.left, top, width: evaluation.width, height: bottom - top };
  }

  // The lesson arrangement shows the settings in place of the statistics on demand; the classic
  // layout shows both, without the switch.
  showFrames() {
    const settingsShown = this.byId('settingsSwitch').getAttribute('aria-pressed') === 'true';
    this.document.querySelector('[data-control=Frame1]').hidden = this.lesson && !settingsShown;
    this.document.querySelector('[data-control=frmStatistik]').hidden = this.lesson && settingsShown;
  }

  switchSettings() {
    const button = this.byId('settingsSwitch');
    button.setAttribute('aria-pressed', String(button.getAttribute('aria-pressed') !== 'true'));
    this.showFrames();
  }
}
