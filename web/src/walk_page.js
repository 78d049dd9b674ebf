// Shows a frame of the core on the page: the lattice view, the position and step displays,
// the count and hit boxes and the protocol.

export class WalkPage {
  constructor(document, view, tr) {
    this.document = document;
    this.view = view;
    this.tr = tr;
  }

  byId(id) {
    return this.document.getElementById(id);
  }

  // `quiet`: the restart notices are not shown, for a series walked again.
  show(frame, { quiet = false } = {}) {
    if (frame.lattice) this.view.drawLattice(frame.lattice);
    this.view.drawMarks(frame.marks);
    this.view.place(frame.walker, frame.marker);
    this.byId('coordinates').textContent = frame.coordinates;
    this.byId('steps').textContent = frame.steps === null ? '' : this.tr('Schritte: ') + frame.steps;
    for (let i = 0; i < frame.countBoxes.length; ++i) {
      const box = this.byId(`count${i}`);
      // A box being typed in keeps what the user types.
      if (this.document.activeElement !== box) box.value = frame.countBoxes[i];
    }
    frame.hits.forEach((hit, i) => { this.byId(`hit${i}`).textContent = hit; });
    if (frame.protocol !== null) this.byId('protocol').value = shownProtocol(frame.protocol);
    for (let i = 0; !quiet && i < frame.restartNotices; ++i) {
      this.document.defaultView.alert(this.tr('Achtung: Ab n=1000 wird die Liste neu begonnen'));
    }
  }
}

// The protocol keeps CR LF line ends; the box shows one line break for each.
export function shownProtocol(text) {
  return text.replace(/\r\n?/g, '\n');
}
