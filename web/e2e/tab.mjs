// The browser and the page for the Chromium tests: Debian's headless Chromium started once a
// file, and the page opened from disk at a window size with every foreign request refused.
// QUIRLWEG_SITE (the built site), QUIRLWEG_CHROMIUM (default /usr/bin/chromium),
// QUIRLWEG_SHOTS (where the screenshots go).
import { mkdirSync } from 'node:fs';
import { readFile } from 'node:fs/promises';
import { createServer } from 'node:http';
import { join, resolve } from 'node:path';
import { after, before } from 'node:test';
import { pathToFileURL } from 'node:url';

import puppeteer from 'puppeteer-core';

export const site = resolve(process.env.QUIRLWEG_SITE ?? 'build-web/web/site');
export const shots = process.env.QUIRLWEG_SHOTS ?? join(site, '..', 'shots');
export const page = pathToFileURL(join(site, 'index.html')).href;
let browser;

before(async () => {
  mkdirSync(shots, { recursive: true });
  browser = await puppeteer.launch({
    executablePath: process.env.QUIRLWEG_CHROMIUM ?? '/usr/bin/chromium',
    headless: true,
    args: ['--no-sandbox', '--headless=new', '--allow-file-access-from-files'],
  });
});
after(() => browser?.close());

// A blank tab of the browser, for a test that opens the page its own way.
export const newTab = () => browser.newPage();

// A page of the site at a window size and pixel ratio, every request that is not a file of the
// disk refused and noted; the restart notice after 1001 journeys is answered with OK. A touch
// screen has a coarse pointer, as a tablet's.
export async function open({ width = 1024, height = 768, scale = 1, lang = 'de', touch = false,
                             before: prepare } = {}) {
  const tab = await browser.newPage();
  await tab.setViewport({ width, height, deviceScaleFactor: scale, hasTouch: touch });
  if (touch) {
    const cdp = await tab.createCDPSession();
    await cdp.send('Emulation.setEmulatedMedia', { features: [{ name: 'pointer', value: 'coarse' }] });
  }
  // Each test starts without the series an earlier one left in the page's storage; a reload
  // within the test keeps it.
  await tab.evaluateOnNewDocument(() => {
    if (sessionStorage.getItem('fresh')) return;
    localStorage.clear();
    sessionStorage.setItem('fresh', '1');
  });
  if (prepare) await prepare(tab);
  tab.foreign = [];
  await tab.setRequestInterception(true);
  tab.on('request', (request) => {
    // The WebAssembly comes inlined, as a data: URL.
    if (/^(file|data):/.test(request.url())) return request.continue();
    tab.foreign.push(request.url().slice(0, 100));
    return request.abort();
  });
  tab.on('dialog', (dialog) => dialog.accept());
  tab.errors = [];
  tab.on('pageerror', (error) => tab.errors.push(error.message));
  await tab.goto(`${page}?lang=${lang}`, { waitUntil: 'load' });
  await tab.waitForFunction(() => globalThis.quirlweg !== undefined);
  return tab;
}

// The page's controls as a user sets them: sliders by value, options and buttons by click.
export const set = (tab, id, value) => tab.evaluate((id, value) => {
  const control = document.getElementById(id);
  control.value = String(value);
  control.dispatchEvent(new Event('input'));
}, id, value);
export const choose = (tab, name, value) => tab.click(`input[name=${name}][value="${value}"]`);
export const journeysCounted = (tab) => tab.evaluate(() =>
  Number(document.getElementById('count0').value) + Number(document.getElementById('count2').value));

// Every frame's steps, counted where the page takes its frames from the core.
export const countFrames = (tab) => tab.evaluate(() => {
  const walk = globalThis.quirlweg.walk;
  const take = walk.takeFrame.bind(walk);
  globalThis.frameSteps = [];
  walk.takeFrame = () => {
    const frame = take();
    globalThis.frameSteps.push([performance.now(), frame.stepsTaken]);
    return frame;
  };
});

export const shot = (tab, name) => tab.screenshot({ path: join(shots, `${name}.png`) });

// The site from a web server on this machine, as a school's would serve it; `changed` is put
// into index.html when set, as a new build would change it.
export async function serveSite() {
  const types = { '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css',
                  '.svg': 'image/svg+xml', '.webmanifest': 'application/manifest+json' };
  const server = createServer(async (request, response) => {
    const path = new URL(request.url, 'http://localhost').pathname;
    const name = path === '/' ? 'index.html' : path.slice(1);
    try {
      let body = await readFile(join(site, name));
      if (name === 'index.html' && server.changed) {
        body = Buffer.from(body.toString().replace('<body>', `<body><p id="changed">${server.changed}</p>`));
      }
      response.writeHead(200, { 'Content-Type': types[name.slice(name.lastIndexOf('.'))] ?? 'application/octet-stream' });
      response.end(body);
    } catch {
      response.writeHead(404).end();
    }
  });
  await new Promise((ready) => server.listen(0, '127.0.0.1', ready));
  server.address = `http://localhost:${server.address().port}/`;
  return server;
}
