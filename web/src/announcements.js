// Tells a screen reader how each journey ended, as the desktop program does: the core says
// when and of which journeys, at a pace a listener can follow; this words it into a polite
// live region.
export class Announcements {
  constructor(document, core, tr, walk) {
    this.core = core;
    this.tr = tr;
    this.walk = walk;
    this.region = document.getElementById('announcements');
    this.sides = { top: tr('oben'), right: tr('rechts'), bottom: tr('unten'), left: tr('links'),
                   z: tr('an einer z-Fläche') };
    document.defaultView.setInterval(() => this.follow(), 250);
  }

  follow() {
    const said = this.core.nextAnnouncement(this.walk, performance.now());
    if (said) this.region.textContent = this.text(said);
  }

  text({ first, last, home, boundary, side, length }) {
    if (last > first) return this.tr('Reisen %1–%2: %3 zu Hause, %4 am Rand', first, last, home, boundary);
    const steps = length === 1 ? this.tr('nach 1 Schritt') : this.tr('nach %1 Schritten', length);
    if (side === null) return this.tr('Reise %1: zu Hause, %2', last, steps);
    return this.tr('Reise %1: am Rand, %2, %3', last, this.sides[side], steps);
  }
}
