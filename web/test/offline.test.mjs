// The site served over http from localhost, as a static host would serve it:
// a valid manifest with the icons, a service worker that keeps the site, so a
// reload with the network off still runs the program, and no console error.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { chromium } from 'playwright-core';
import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import path from 'node:path';
import { expectTerminalScreen, fakeAudio, siteDir, typed } from './support.mjs';

const types = {
  '.html': 'text/html', '.js': 'text/javascript', '.mjs': 'text/javascript', '.css': 'text/css',
  '.json': 'application/json', '.webmanifest': 'application/manifest+json', '.png': 'image/png',
};

let server;
let origin;
let browser;

before(async () => {
  server = createServer(async (request, response) => {
    const file = new URL(request.url, 'http://localhost').pathname.replace(/\/$/, '/index.html');
    try {
      const body = await readFile(path.join(siteDir, path.normalize(file)));
      response.writeHead(200, { 'Content-Type': types[path.extname(file)] ?? 'application/octet-stream' })
        .end(body);
    } catch {
      response.writeHead(404).end();
    }
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  origin = `http://127.0.0.1:${server.address().port}/`;
  browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args: ['--no-sandbox'] });
});
after(async () => {
  await browser.close();
  server.close();
});

// Width and height from a PNG's header.
function pngSize(bytes) {
  assert.equal(bytes.subarray(1, 4).toString(), 'PNG');
  return [bytes.readUInt32BE(16), bytes.readUInt32BE(20)];
}

test('installable, and after going offline a reload still runs the program', { timeout: 60_000 },
     async () => {
  const context = await browser.newContext();
  const page = await context.newPage();
  const problems = [];
  page.on('console', (entry) => { if (entry.type() === 'error') problems.push(entry.text()); });
  page.on('pageerror', (error) => problems.push(error.message));
  page.on('response', (response) => {
    if (response.status() >= 400) problems.push(`${response.status()} ${response.url()}`);
  });
  await page.addInitScript(fakeAudio);
  await page.goto(origin);
  await page.waitForFunction(() => document.title !== 'bidgauge');

  const devtools = await context.newCDPSession(page);
  const manifest = await devtools.send('Page.getAppManifest');
  assert.deepEqual(manifest.errors, []);
  const parsed = JSON.parse(manifest.data);
  assert.equal(parsed.name, 'bidgauge');
  assert.equal(parsed.display, 'standalone');
  assert.match(parsed.theme_color, /^#/);
  const sizes = [];
  for (const icon of parsed.icons) {
    const response = await page.request.get(new URL(icon.src, manifest.url).href);
    const [width, height] = pngSize(await response.body());
    assert.equal(`${width}x${height}`, icon.sizes);
    sizes.push(icon.sizes);
  }
  assert.deepEqual(sizes, ['192x192', '512x512']);

  // ready gives the active worker, which may still be activating.
  const state = await page.evaluate(async () => {
    const worker = (await navigator.serviceWorker.ready).active;
    while (worker.state === 'activating') {
      await new Promise((changed) => worker.addEventListener('statechange', changed, { once: true }));
    }
    return worker.state;
  });
  assert.equal(state, 'activated');
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null);

  await context.setOffline(true);
  await page.reload();
  await page.waitForFunction(() => document.title !== 'bidgauge');
  await expectTerminalScreen(page, []);
  const keys = [...typed('KQ7543 QT2 A J98'), 'Enter'];
  for (const key of keys) await page.keyboard.press(key);
  await expectTerminalScreen(page, keys);
  assert.equal(await page.$$eval('#values li', (lines) => lines.length), 4);
  assert.deepEqual(problems, []);
  await context.close();
});

test('opened from disk, the page asks for no manifest and no service worker', async () => {
  const page = await browser.newPage();
  await page.goto(new URL('index.html', `file://${siteDir}/`).href);
  await page.waitForFunction(() => document.title !== 'bidgauge');
  assert.equal(await page.$('link[rel="manifest"]'), null);
  assert.equal(await page.evaluate(() => navigator.serviceWorker?.controller ?? null), null);
  await page.close();
});
