// A run taken step by step at a set tempo. The core's pacing, the desktop program's own, counts
// the steps due by the clock from the run's start, so frame jitter does not change the rate,
// and drops a stall's backlog; each animation frame takes the steps due, inside WebAssembly,
// and then draws once.

export class PacedRun {
  // `pacing` is the core's StepPacing; `steps(n)` takes at most n steps and is false once the
  // run is over; `frame()` draws.
  constructor(pacing, steps, frame, finished) {
    this.pacing = pacing;
    this.stepsOf = steps;
    this.frame = frame;
    this.finished = finished;
    this.running = false;
  }

  start(tempo) {
    this.running = true;
    this.pacing.start(tempo, performance.now());
    this.schedule();
  }

  // Takes effect at once; the fastest position goes on at the scale's fastest pace.
  setTempo(tempo) {
    this.pacing.setTempo(tempo, performance.now());
  }

  stop() {
    if (!this.running) return;
    this.running = false;
    cancelAnimationFrame(this.request);
    this.frame();
    this.finished();
  }

  schedule() {
    this.request = requestAnimationFrame(() => this.tick());
  }

  tick() {
    if (!this.running) return;
    const due = this.pacing.takeDue(performance.now());
    const more = due === 0 || this.stepsOf(due);
    this.frame();
    if (more) {
      this.schedule();
    } else {
      this.running = false;
      this.finished();
    }
  }
}
