// The teacher's board of a class in the browser, for a class server without the desktop
// program (a school server): opened with #board=TOKEN, the address the server printed, it
// shows the class code and the class's figures as the server computes them, and sends the
// teacher's commands. A new round takes the setting the page's controls show.

import { drawClassPicture, drawQrCode } from './class_picture.js';
import { caption } from './texts.js';

// The server sends its figures as they change; the board asks as well, now and then.
const askSeconds = 1;

export class ClassBoardPage {
  constructor(window, core, tr, separator, walk, arrange) {
    this.window = window;
    this.core = core;
    this.tr = tr;
    this.separator = separator;
    this.walk = walk;
    this.document = window.document;
    this.paused = false;
    this.joining = {};
    this.byId('boardPanel').hidden = false;
    arrange();
    // Taken at once, so that a second click undoes the first before the figures come back.
    this.byId('boardPause').addEventListener('click', () => {
      this.paused = !this.paused;
      this.send(this.core.classPauseMessage(this.paused));
    });
    this.byId('boardRound').addEventListener('click', () => this.send(this.core.classNewRoundMessage(this.walk)));
    this.byId('boardEnd').addEventListener('click', () => {
      if (this.window.confirm(this.tr('Den Klassenversuch beenden? Die Geräte werden getrennt, und sein Protokoll wird gelöscht.'))) {
        this.send(this.core.classEndMessage());
      }
    });
  }

  byId(id) {
    return this.document.getElementById(id);
  }

  open(token) {
    const { location } = this.window;
    const scheme = location.protocol === 'https:' ? 'wss:' : 'ws:';
    this.socket = new this.window.WebSocket(`${scheme}//${location.host}${this.core.classSocketPath}`);
    this.socket.addEventListener('open', () => {
      this.send(this.core.classBoardMessage(token));
      this.send(this.core.classStatusMessage());
    });
    this.socket.addEventListener('message', (event) => {
      const message = JSON.parse(event.data);
      if (message.type === 'board') this.join(message);
      if (message.type === 'status') this.show(message);
    });
    // The pictures are drawn in the panel's pixels, which change with the window.
    this.window.addEventListener('resize', () => {
      if (this.joining.qr) drawQrCode(this.byId('boardQr'), this.joining.qr);
      if (this.status) drawClassPicture(this.byId('boardPicture'), this.status, this.core, this.tr);
    });
    this.timer = this.window.setInterval(() => this.send(this.core.classStatusMessage()), askSeconds * 1e3);
  }

  send(text) {
    if (this.socket?.readyState === this.window.WebSocket.OPEN) this.socket.send(text);
  }

  // The server's address in the school's network and its QR code, for the devices to join by:
  // the page itself may have been opened under another name (localhost) that no device reaches.
  join(message) {
    this.joining = message;
    if (message.qr) drawQrCode(this.byId('boardQr'), message.qr);
  }

  percent(share) {
    return this.core.classPercent(share, this.separator);
  }

  show(status) {
    this.paused = status.paused;
    this.status = status;
    const { origin } = this.window.location;
    this.byId('boardAddress').textContent = this.joining.address ?? `${origin}/?class=${status.code}`;
    this.byId('boardCode').textContent = this.tr('Klassencode: %1', status.code);
    const devices = status.devices.filter((d) => !d.removed);
    let figures = this.tr('Runde %1: %2 Geräte, %3 Reisen im Pool', status.round, devices.length, status.pooled);
    if (status.share !== undefined) figures += this.tr(', Heimkehr %1', this.percent(status.share));
    if (status.exactHome !== null) {
      figures += this.tr(' (exakt %1', this.percent(status.exactHome));
      if (status.band) figures += this.tr(', erwartet %1 – %2', this.percent(status.band[0]), this.percent(status.band[1]));
      figures += ')';
    }
    if (status.paused) figures += this.tr(' – Pause');
    if (status.ended) figures += this.tr(' – beendet');
    this.byId('boardFigures').textContent = figures;
    drawClassPicture(this.byId('boardPicture'), status, this.core, this.tr);
    this.showDevices(devices);
    this.byId('boardPause').setAttribute('aria-pressed', String(status.paused));
    for (const id of ['boardPause', 'boardRound', 'boardEnd']) this.byId(id).disabled = status.ended;
    if (status.ended) this.window.clearInterval(this.timer);
  }

  showDevices(devices) {
    const rows = this.byId('boardDevices');
    rows.replaceChildren();
    for (const d of devices) {
      const row = rows.insertRow();
      row.classList.toggle('offline', !d.connected);
      row.classList.toggle('strays', Boolean(d.strays));
      const name = d.name || this.tr('Gerät %1', d.device);
      const cells = [name, String(d.journeys), d.share === undefined ? '' : this.percent(d.share)];
      for (const text of cells) row.insertCell().textContent = text;
      const remove = this.document.createElement('button');
      remove.textContent = '✕';
      remove.setAttribute('aria-label', caption(this.tr('Gerät &entfernen')));
      remove.addEventListener('click', () => this.send(this.core.classRemoveMessage(d.device)));
      row.insertCell().append(remove);
    }
  }
}
