// "Ende" in a browser tab. The desktop program's "Ende" ends the program; a page may close only
// a tab it opened itself. So "Ende" stops a run, keeps the series at once, tries to close the
// tab and, where the tab stays open, greys the page with a short note and the way back, rather
// than being a button that does nothing.

export class Ending {
  // `kept`: the page's KeptSeries; `stopRun()` stops a run that goes on.
  constructor(window, kept, stopRun) {
    this.window = window;
    this.kept = kept;
    this.stopRun = stopRun;
    const document = window.document;
    this.dialog = document.getElementById('ended');
    this.keptNote = document.getElementById('endedKept');
    document.getElementById('endedBack').addEventListener('click', () => this.dialog.close());
    // Back at work, leaving asks first again.
    this.dialog.addEventListener('close', () => { this.kept.askBeforeLeaving = true; });
  }

  end() {
    this.stopRun();
    const kept = this.kept.keepNow();
    // Ended on purpose: closing the tab need not ask.
    this.kept.askBeforeLeaving = false;
    this.window.close();
    if (this.window.closed) return;
    this.keptNote.hidden = !kept;
    this.dialog.showModal();
  }
}
