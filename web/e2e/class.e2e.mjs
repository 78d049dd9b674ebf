// A pupil's device in a class, in Debian's headless Chromium on a tablet's screen: the page
// served by `quirlweg --class` joins with the class code and a first name, walks, and every
// journey reaches the server's pool once, across a reload too. Runs where the desktop build's
// program is named:
//   QUIRLWEG_PROGRAM=build/app/quirlweg QUIRLWEG_SITE=build-web/web/site node --test web/e2e/
import assert from 'node:assert/strict';
import { spawn } from 'node:child_process';
import { mkdirSync, mkdtempSync, rmSync } from 'node:fs';
import { createServer } from 'node:net';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { after, before, test } from 'node:test';

import puppeteer from 'puppeteer-core';

const program = process.env.QUIRLWEG_PROGRAM;
const site = resolve(process.env.QUIRLWEG_SITE ?? 'build-web/web/site');
const shots = process.env.QUIRLWEG_SHOTS ?? join(site, '..', 'shots');

let browser;
let server;
let folder;

const freePort = () => new Promise((done) => {
  const probe = createServer().listen(0, '127.0.0.1', () => {
    const { port } = probe.address();
    probe.close(() => done(port));
  });
});

// The class server on a free port, and what it printed: the class code and the board's token.
async function startClass() {
  const port = await freePort();
  folder = mkdtempSync(join(tmpdir(), 'quirlweg-class-'));
  const child = spawn(program, ['--class', '--port', String(port), '--site', site,
                                '--record', join(folder, 'klasse.jsonl'), '--lang', 'en']);
  let printed = '';
  await new Promise((started, failed) => {
    child.stdout.on('data', (chunk) => {
      printed += chunk;
      if (/#board=[0-9a-f]{32}/.test(printed)) started();
    });
    child.on('exit', () => failed(new Error(`quirlweg --class ended: ${printed}`)));
  });
  return { child, port, code: printed.match(/\?class=([A-Z0-9]+)/)[1],
           board: printed.match(/#board=([0-9a-f]{32})/)[1] };
}

before(async () => {
  if (!program) return;
  mkdirSync(shots, { recursive: true });
  browser = await puppeteer.launch({
    executablePath: process.env.QUIRLWEG_CHROMIUM ?? '/usr/bin/chromium',
    headless: true,
    args: ['--no-sandbox', '--headless=new'],
  });
  server = await startClass();
});
after(() => {
  browser?.close();
  server?.child.kill();
  if (folder) rmSync(folder, { recursive: true, force: true });
});

// The board's figures, asked over the class's socket with the board's token.
const boardFigures = (tab) => tab.evaluate((token) => new Promise((done) => {
  const socket = new WebSocket(`ws://${location.host}/class`);
  socket.onopen = () => {
    socket.send(JSON.stringify({ type: 'board', token }));
    socket.send(JSON.stringify({ type: 'status' }));
  };
  socket.onmessage = (event) => {
    const message = JSON.parse(event.data);
    if (message.type === 'status' && message.asked) {
      socket.close();
      done(message);
    }
  };
}), server.board);

const onBoard = (tab, journeys) => tab.waitForFunction(
  (n) => document.getElementById('classState').textContent.includes(`${n} Reisen`),
  { timeout: 10000, polling: 100 },
  journeys);

// "20 Reisen" as fast as it goes.
async function twentyAtOnce(tab) {
  await tab.tap('input[name=mode][value="2"]');
  await tab.evaluate(() => {
    const tempo = document.getElementById('tempo');
    tempo.value = tempo.max;
    tempo.dispatchEvent(new Event('input'));
  });
}

test('a device joins, walks, and each journey is pooled once across a reload', { skip: !program }, async () => {
  const tab = await browser.newPage();
  try {
    await tab.setViewport({ width: 1180, height: 820, deviceScaleFactor: 2, hasTouch: true });
    const errors = [];
    tab.on('pageerror', (error) => errors.push(error.message));
    // Leaving with journeys walked asks first.
    tab.on('dialog', (dialog) => dialog.accept());
    await tab.goto(`http://127.0.0.1:${server.port}/?class=${server.code.toLowerCase()}&lang=de`);
    await tab.waitForSelector('#classBar:not([hidden])');
    await tab.type('#className', 'Zoë');
    await tab.tap('#classJoin');
    await onBoard(tab, 0);
    assert.ok(await tab.$eval('#size', (e) => e.disabled), 'the setting is locked');
    await twentyAtOnce(tab);
    for (let i = 0; i < 3; ++i) await tab.tap('#start');
    await onBoard(tab, 60);
    await tab.screenshot({ path: join(shots, 'class-device-1180x820.png') });

    // Back after a reload: the page walks its series again from the seed, the server says
    // what it holds, and nothing is sent twice.
    await tab.reload();
    await onBoard(tab, 60);
    await twentyAtOnce(tab);
    await tab.tap('#start');
    await onBoard(tab, 80);
    const figures = await boardFigures(tab);
    assert.equal(figures.pooled, 80);
    assert.deepEqual(figures.devices.map((d) => [d.name, d.journeys]), [['Zoë', 80]]);
    assert.deepEqual(figures.refused, {});
    assert.deepEqual(errors, []);
  } finally {
    await tab.close();
  }
});

test('the board in the browser shows the class and pauses it', { skip: !program }, async () => {
  const device = await browser.newPage();
  let board;
  try {
    await device.goto(`http://127.0.0.1:${server.port}/?class=${server.code}&lang=de`);
    await device.waitForSelector('#classBar:not([hidden])');
    await device.click('#classJoin');
    await onBoard(device, 0);
    board = await browser.newPage();
    await board.setViewport({ width: 1920, height: 1080 });
    board.on('dialog', (dialog) => dialog.accept());
    await board.goto(`http://127.0.0.1:${server.port}/?lang=de#board=${server.board}`);
    await board.waitForFunction(() => document.getElementById('boardDevices').rows.length === 2,
                                { timeout: 10000 });
    assert.equal(await board.$eval('#boardCode', (e) => e.textContent), `Klassencode: ${server.code}`);
    assert.match(await board.$eval('#boardFigures', (e) => e.textContent), /2 Geräte, 80 Reisen im Pool/);
    // The devices join by the server's address and its QR code, and the class's picture shows
    // the class's pooled share (a red square) against the band.
    assert.match(await board.$eval('#boardAddress', (e) => e.textContent),
                 new RegExp(`:${server.port}/\\?class=${server.code}$`));
    const pixels = (id, kind) => board.$eval(id, (canvas, kind) => {
      const { data } = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height);
      let count = 0;
      for (let i = 0; i < data.length; i += 4) {
        const [r, g, b] = [data[i], data[i + 1], data[i + 2]];
        if (kind === 'dark' ? r < 100 && g < 100 && b < 100 : r > 180 && g < 40 && b < 40) ++count;
      }
      return count;
    }, kind);
    assert.ok(await pixels('#boardQr', 'dark') > 200, 'the QR code is drawn');
    assert.ok(await pixels('#boardPicture', 'red') > 50, 'the class\'s share is drawn');
    await board.screenshot({ path: join(shots, 'class-board-1920x1080.png') });
    await board.setViewport({ width: 1024, height: 768 });
    await board.screenshot({ path: join(shots, 'class-board-1024x768.png') });

    // The teacher pauses: the device cannot start, until the teacher goes on.
    await board.click('#boardPause');
    await device.bringToFront();
    await device.waitForFunction(() => document.getElementById('start').disabled,
                                 { timeout: 5000, polling: 100 });
    await board.bringToFront();
    await board.waitForFunction(() => / – Pause$/.test(document.getElementById('boardFigures').textContent),
                                { timeout: 5000 });
    await board.click('#boardPause');
    await device.bringToFront();
    await device.waitForFunction(() => !document.getElementById('start').disabled,
                                 { timeout: 5000, polling: 100 });
  } finally {
    await device.close();
    await board?.close();
  }
});
