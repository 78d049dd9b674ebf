// The lattice view's menu, as the desktop program's context menu of the lattice: heat traces
// (W), high contrast (K), the sound of the walk and the experiment files. Opened by the right
// mouse button, a long press or the menu key; the letters work wherever the focus is but in a
// text box.

const longPressMilliseconds = 600;
// A finger that moves less than this is still held still.
const stillPixels = 10;

export class LatticeMenu {
  // `entries`: [{ text, key, checkable, act(checked) }] or null for a line between entries.
  constructor(document, view, tr, entries) {
    this.document = document;
    this.menu = document.createElement('div');
    this.menu.className = 'lattice-menu sans';
    this.menu.setAttribute('role', 'menu');
    this.menu.setAttribute('aria-label', tr('Gitter'));
    this.menu.hidden = true;
    this.items = entries.map((entry) => (entry ? this.item(entry) : this.line()));
    document.body.append(this.menu);
    this.entries = entries.filter(Boolean);
    view.addEventListener('contextmenu', (event) => {
      event.preventDefault();
      this.open(event.clientX, event.clientY);
    });
    this.openOnLongPress(view);
    const window = document.defaultView;
    window.addEventListener('keydown', (event) => this.key(event));
    window.addEventListener('pointerdown', (event) => {
      if (!this.menu.hidden && !this.menu.contains(event.target)) this.close();
    }, true);
  }

  // Not every touch browser turns a long press into a context menu event (Safari on an iPad
  // does not): a finger held still for half a second opens the menu too.
  openOnLongPress(view) {
    let timer = null;
    let start = null;
    const cancel = () => clearTimeout(timer);
    view.addEventListener('pointerdown', (event) => {
      if (event.pointerType !== 'touch') return;
      cancel();
      start = [event.clientX, event.clientY];
      timer = setTimeout(() => this.open(...start), longPressMilliseconds);
    });
    view.addEventListener('pointermove', (event) => {
      if (start && Math.hypot(event.clientX - start[0], event.clientY - start[1]) > stillPixels) cancel();
    });
    for (const end of ['pointerup', 'pointercancel']) view.addEventListener(end, cancel);
  }

  line() {
    const line = this.document.createElement('hr');
    line.setAttribute('role', 'separator');
    this.menu.append(line);
    return null;
  }

  item(entry) {
    const button = this.document.createElement('button');
    button.setAttribute('role', entry.checkable ? 'menuitemcheckbox' : 'menuitem');
    if (entry.checkable) button.setAttribute('aria-checked', 'false');
    const text = this.document.createElement('span');
    text.textContent = entry.text;
    const key = this.document.createElement('kbd');
    key.textContent = entry.keyText ?? entry.key?.toUpperCase() ?? '';
    button.append(text, key);
    button.addEventListener('click', () => {
      this.close();
      this.choose(entry);
    });
    entry.button = button;
    this.menu.append(button);
    return button;
  }

  choose(entry) {
    if (!entry.checkable) {
      entry.act();
      return;
    }
    this.setChecked(entry, entry.button.getAttribute('aria-checked') !== 'true');
  }

  // Ticks an entry as a file or the page asks, and acts on it.
  setChecked(entry, checked) {
    entry.button.setAttribute('aria-checked', String(checked));
    entry.act(checked);
  }

  checked(entry) {
    return entry.button.getAttribute('aria-checked') === 'true';
  }

  open(x, y) {
    this.menu.hidden = false;
    const window = this.document.defaultView;
    const box = this.menu.getBoundingClientRect();
    this.menu.style.left = `${Math.max(0, Math.min(x, window.innerWidth - box.width))}px`;
    this.menu.style.top = `${Math.max(0, Math.min(y, window.innerHeight - box.height))}px`;
    this.menu.querySelector('button').focus();
  }

  close() {
    this.menu.hidden = true;
  }

  key(event) {
    if (!this.menu.hidden) {
      this.moveFocus(event);
      return;
    }
    const typing = event.target.closest?.('input:not([type=checkbox]):not([type=radio]):not([type=range]), textarea, select');
    if (typing || event.ctrlKey || event.metaKey || event.altKey) return;
    const entry = this.entries.find((e) => e.key && e.key === event.key.toLowerCase());
    if (!entry) return;
    event.preventDefault();
    this.choose(entry);
  }

  // Up and down through the entries, Esc closes the menu.
  moveFocus(event) {
    const buttons = this.items.filter(Boolean);
    const at = buttons.indexOf(this.document.activeElement);
    if (event.key === 'Escape') {
      this.close();
    } else if (event.key === 'ArrowDown' || event.key === 'ArrowUp') {
      const step = event.key === 'ArrowDown' ? 1 : -1;
      buttons[(at + step + buttons.length) % buttons.length].focus();
    } else {
      return;
    }
    event.preventDefault();
    event.stopImmediatePropagation();
  }
}
