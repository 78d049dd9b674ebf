// A device of a class: the page opened with ?class=CODE joins the teacher's class server,
// walks the class's setting from the seed the server gives it and reports every journey as it
// ends; the server walks each again before it counts it. The core builds the messages and
// names the controls to lock; this module opens the socket and words the server's answers.

const tokenKey = (code) => `quirlweg.class.${code}`;
// Seconds to wait before trying again after the connection was lost, growing to the last.
const retrySeconds = [0.5, 1, 2, 4];
// After "too many messages" the page waits this long before it reports again.
const calmSeconds = 1;

// What the page says for the server's refusals, by their ids; others pass without a word,
// since the page puts them right itself (a report sent again after a lost connection).
const refusalTexts = {
  wrongCode: (tr) => tr('Der Klassencode stimmt nicht.'),
  badName: (tr) => tr('Ein Vorname hat höchstens 16 Buchstaben und nur Buchstaben.'),
  unknownDevice: (tr) => tr('Die Tafel kennt dieses Gerät nicht mehr – bitte neu beitreten.'),
  forged: (tr) => tr('Eine Reise passte nicht zum Startwert und zählt nicht.'),
  tooFast: (tr) => tr('Zu viele Nachrichten – einen Moment warten.'),
  classFull: (tr) => tr('Die Klasse ist voll.'),
  addressFull: (tr) => tr('Von dieser Adresse aus sind schon zu viele Geräte beigetreten.'),
  ended: (tr) => tr('Der Klassenversuch ist beendet.'),
  removed: (tr) => tr('Die Lehrkraft hat dieses Gerät entfernt.'),
  paused: (tr) => tr('Pause: Die Lehrkraft hat den Versuch angehalten.'),
};

export class ClassMode {
  // `page` puts an experiment in place (restore), locks controls (lockForClass) and lays the
  // window out anew (arrange).
  constructor(window, core, tr, walk, page) {
    this.window = window;
    this.core = core;
    this.tr = tr;
    this.walk = walk;
    this.page = page;
    this.document = window.document;
    this.code = '';
    this.round = 0;
    this.verified = 0;
    this.sent = 0;  // journeys sent and not yet answered end here
    this.retries = 0;
    this.over = false;
    this.joined = false;  // welcomed on the connection open now
  }

  byId(id) {
    return this.document.getElementById(id);
  }

  // The bar to join with, the code from the address filled in.
  offer(code) {
    this.byId('classBar').hidden = false;
    this.page.arrange();
    this.byId('classCode').value = code;
    this.byId('classJoin').addEventListener('click', () => this.join());
    const token = this.storage()?.getItem(tokenKey(code));
    if (token) this.join();
  }

  storage() {
    try {
      return this.window.sessionStorage;
    } catch {
      return null;  // storage switched off
    }
  }

  join() {
    // As typed: the server reads small letters and spaces around as well.
    this.code = this.byId('classCode').value.trim();
    this.open();
  }

  open() {
    const { location } = this.window;
    const scheme = location.protocol === 'https:' ? 'wss:' : 'ws:';
    // A join tried again (another code typed) leaves the connection before it behind.
    const before = this.socket;
    const socket = new this.window.WebSocket(`${scheme}//${location.host}${this.core.classSocketPath}`);
    this.socket = socket;
    before?.close();
    const current = (handle) => (event) => {
      if (socket === this.socket) handle(event);
    };
    socket.addEventListener('open', current(() => {
      const token = this.storage()?.getItem(tokenKey(this.code));
      socket.send(token ? this.core.classRejoinMessage(this.code, token)
                        : this.core.classJoinMessage(this.code, this.byId('className').value));
    }));
    socket.addEventListener('message', current((event) => this.received(JSON.parse(event.data))));
    socket.addEventListener('close', current(() => this.lost()));
  }

  lost() {
    this.joined = false;
    this.sent = this.verified;
    if (this.over) return;
    this.say(this.tr('Verbindung unterbrochen – neuer Versuch …'));
    const seconds = retrySeconds[Math.min(this.retries++, retrySeconds.length - 1)];
    this.window.setTimeout(() => this.open(), seconds * 1e3);
  }

  received(message) {
    const handlers = {
      welcome: () => this.welcomed(message),
      round: () => this.welcomed(message),
      ack: () => {
        this.verified = message.verified;
        this.sent = this.verified;
        this.retries = 0;
        this.walked();
      },
      refused: () => this.refused(message),
      paused: () => this.paused(message.paused),
      removed: () => this.finish(refusalTexts.removed(this.tr)),
      ended: () => this.finish(refusalTexts.ended(this.tr)),
    };
    handlers[message.type]?.();
    this.showCount();
  }

  // The class's setting and the device's seed put in place, unless the page walks them
  // already (back after a lost connection or a reload).
  welcomed(message) {
    if (message.token) this.storage()?.setItem(tokenKey(this.code), message.token);
    if (message.device) this.device = message.device;
    if (message.name !== undefined) this.name = message.name;
    this.byId('classJoinForm').hidden = true;
    this.page.arrange();
    if (!this.walksAlready(message)) {
      // The controls take the setting only while they are not locked.
      this.page.lockForClass(false);
      this.page.restore({ setting: message.setting, seed: message.seed, journeys: 0 });
    }
    this.round = message.round;
    this.joined = true;
    this.verified = message.verified;
    this.sent = this.verified;
    this.page.lockForClass(true);
    this.paused(message.paused);
    this.walked();
  }

  // Whether the page's series is already walked from the device's seed in the class's
  // setting: then it goes on, and the server is sent what it lacks of it.
  walksAlready({ setting, seed }) {
    const current = this.core.readExperiment(this.core.setupJson(this.walk));
    return current.seed === seed &&
      Object.keys(setting).every((field) => current.setting[field] === setting[field]);
  }

  refused(message) {
    if (message.verified !== undefined) {
      this.verified = message.verified;
      this.sent = this.verified;
    }
    if (message.reason === 'unknownDevice') {
      this.storage()?.removeItem(tokenKey(this.code));
      this.byId('classJoinForm').hidden = false;
    }
    const text = refusalTexts[message.reason];
    if (text) this.say(text(this.tr));
    if (message.reason === 'tooFast') this.window.setTimeout(() => this.walked(), calmSeconds * 1e3);
    else this.walked();
  }

  paused(paused) {
    this.byId('start').disabled = paused;
    if (paused) this.say(refusalTexts.paused(this.tr));
  }

  finish(text) {
    this.over = true;
    this.storage()?.removeItem(tokenKey(this.code));
    this.page.lockForClass(false);
    this.byId('start').disabled = false;
    this.say(text);
    this.socket?.close();
  }

  // After every frame: journeys the server has not yet got go out, one message at a time.
  walked() {
    if (this.over || !this.joined || this.sent > this.verified) return;
    const message = this.core.classJourneysMessage(this.walk, this.round, this.verified + 1);
    if (!message) return;
    this.sent = this.verified + JSON.parse(message).journeys.length;
    this.socket.send(message);
  }

  showCount() {
    const who = this.name || this.tr('Gerät %1', this.device ?? '');
    this.byId('classState').textContent =
      this.tr('%1: %2 Reisen an der Tafel', who, String(this.verified));
  }

  say(text) {
    this.byId('classNote').textContent = text;
  }
}
