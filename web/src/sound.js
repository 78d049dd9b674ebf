// The walk heard, off until the class switches it on: a soft tick for the steps of each frame
// and a tone for each journey's end, high for home and low for the boundary. At a fast tempo
// the ticks of a frame are one tick, and the ends of many journeys one chord, so that what is
// heard keeps pace with what is seen.

const tick = { frequency: 1200, seconds: 0.015, volume: 0.05 };
const ends = { home: { frequency: 880 }, boundary: { frequency: 330 } };
const endTone = { seconds: 0.18, volume: 0.12 };
// Closer ticks than this blur into a buzz.
const leastTickGap = 0.05;

export class WalkSound {
  // `makeContext`: a new AudioContext, asked for only when the sound is switched on (browsers
  // allow one to start only from a click or a key).
  constructor(makeContext) {
    this.makeContext = makeContext;
    this.context = null;
    this.on = false;
    this.lastTick = -Infinity;
  }

  switchOn(on) {
    this.on = on;
    if (!on) return;
    this.context ??= this.makeContext();
    this.context?.resume?.();
  }

  // What a frame of the core walked.
  heard({ stepsTaken, journeys }) {
    if (!this.on || !this.context) return;
    const at = this.context.currentTime;
    if (journeys.length > 0) {
      const kinds = new Set(journeys.map((j) => (j.end === 'home' ? 'home' : 'boundary')));
      for (const kind of kinds) this.tone(at, ends[kind].frequency, endTone.seconds, endTone.volume);
      return;
    }
    // Paced by the page's clock: the audio clock may stand still on a device without output.
    const now = performance.now() / 1e3;
    if (stepsTaken > 0 && now - this.lastTick >= leastTickGap) {
      this.tone(at, tick.frequency, tick.seconds, tick.volume);
      this.lastTick = now;
    }
  }

  // A sine tone that fades out, so that it ends without a click.
  tone(at, frequency, seconds, volume) {
    const c = this.context;
    const oscillator = c.createOscillator();
    const gain = c.createGain();
    oscillator.frequency.value = frequency;
    gain.gain.setValueAtTime(volume, at);
    gain.gain.exponentialRampToValueAtTime(0.001, at + seconds);
    oscillator.connect(gain).connect(c.destination);
    oscillator.start(at);
    oscillator.stop(at + seconds);
  }
}
