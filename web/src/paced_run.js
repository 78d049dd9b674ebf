// A run taken step by step at a set tempo. Steps fall due by the clock from the run's start,
// so frame jitter does not change the rate; each animation frame takes the steps due since
// the last one, inside WebAssembly, and then draws once.

export const tempoSteps = [1, 2, 5, 10, 20, 50, 100, 200, 500, 1000, 0];
export const fastestTempo = 0;

// Steps due `elapsed` milliseconds after the run's origin, of which `taken` are taken: step k
// falls due k / tempo seconds after it, the first at once.
export function stepsDue(elapsed, tempo, taken) {
  return Math.max(0, Math.floor((elapsed * tempo) / 1000) + 1 - taken);
}

export class PacedRun {
  // `steps(n)` takes at most n steps and is false once the run is over; `frame()` draws.
  constructor(steps, frame, finished) {
    this.stepsOf = steps;
    this.frame = frame;
    this.finished = finished;
    this.running = false;
  }

  start(tempo) {
    this.running = true;
    this.setTempo(tempo);
    this.schedule();
  }

  // Takes effect at once: the steps due are counted afresh from now.
  setTempo(tempo) {
    this.tempo = tempo;
    this.origin = performance.now();
    this.taken = 0;
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
    let due = stepsDue(performance.now() - this.origin, this.tempo, this.taken);
    // After a stall (a hidden page, a notice held open) the backlog is dropped.
    if (due > Math.max(this.tempo, 1)) {
      this.setTempo(this.tempo);
      due = 1;
    }
    this.taken += due;
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
