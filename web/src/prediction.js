// The class predicts before it sees, as on the desktop: "Erst schätzen" hides every exact value
// and curve until "Exakt zeigen", and the class's guess for one row is typed beside it. The
// core keeps both, hides the values in what it gives and reads the typed guess.
export class Prediction {
  // `names`: the rows' names by the core's index; `changed()` redraws what shows exact values.
  constructor(document, core, tr, names, walk, changed) {
    this.tr = tr;
    this.core = core;
    this.walk = walk;
    this.changed = changed;
    const byId = (id) => document.getElementById(id);
    this.document = document;
    this.first = byId('predictFirst');
    this.reveal = byId('revealExact');
    this.row = byId('guessRow');
    this.value = byId('guessValue');
    this.unit = byId('guessUnit');
    names.forEach((name, r) => this.row.add(new Option(name, String(r))));
    this.first.addEventListener('change', () => {
      core.setPredictFirst(walk, this.first.checked);
      changed();
    });
    this.reveal.addEventListener('click', () => {
      core.revealExact(walk);
      changed();
    });
    // Another row takes another unit: what was typed for the last one is no guess for it.
    this.row.addEventListener('change', () => {
      this.value.value = '';
      this.takeGuess();
    });
    this.value.addEventListener('change', () => this.takeGuess());
  }

  takeGuess() {
    const taken = this.core.setGuessText(this.walk, Number(this.row.value), this.value.value);
    this.value.setAttribute('aria-invalid', String(!taken));
    this.changed();
  }

  // Follows the core after a file was opened; `shown(r)`: whether the setting has row r.
  refresh(shown, separator) {
    this.first.checked = this.core.predictFirst(this.walk);
    this.reveal.disabled = !this.core.exactHidden(this.walk);
    for (const option of this.row.options) option.hidden = !shown(Number(option.value));
    const guessed = this.core.guessRow(this.walk);
    if (guessed >= 0) this.row.value = String(guessed);
    this.unit.textContent = this.core.isShare(Number(this.row.value)) ? this.tr(' %') : this.tr(' Schritte');
    if (this.document.activeElement !== this.value && this.value.getAttribute('aria-invalid') !== 'true') {
      this.value.value = this.core.guessText(this.walk, separator);
    }
  }
}
