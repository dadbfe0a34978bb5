// Measures the web page in headless Chromium (Debian's /usr/bin/chromium):
// the time from navigation to the title screen, from a key event to the
// updated screen, and the site's size, each against its target.
//
// Usage: make web web/node_modules && node bench/measure_web.mjs [--runs N] [--throttle R]
//   --runs N      page loads to take the median of (default 20)
//   --throttle R  slows Chromium's CPU R times (DevTools' CPU throttling), as a
//                 slow phone would run the page; the targets are then those
//                 for a phone at 4x: title painted, key median and key worst
//
// Times are read inside the page: performance.now() counts from navigation
// start, and a key's time from its event's timeStamp. "shown" is when the
// rows are in the DOM, "painted" the next animation frame after that. The
// page's HTML holds the title screen; "program running" is when the program
// has drawn its first frame, and keys typed before then wait for it.
// Exit status: 0 when every target is met, 1 when one is missed.
import { readdirSync, statSync, readFileSync } from 'node:fs';
import { gzipSync } from 'node:zlib';
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import { chromium } from '../web/node_modules/playwright-core/index.mjs';

const site = fileURLToPath(new URL('../build-web/site/', import.meta.url));
function option(name, fallback) {
  const at = process.argv.indexOf(name);
  return at > 0 ? Number(process.argv[at + 1]) : fallback;
}
const runs = option('--runs', 20);
const throttle = option('--throttle', 1);
const targets = throttle > 1 ? { titleMs: 400, keyMs: 16, keyWorstMs: 33, siteBytes: 400 * 1024 }
                             : { titleMs: 300, keyMs: 16, keyWorstMs: Infinity, siteBytes: 400 * 1024 };

// Installed before the page's own scripts: records when the title screen
// first appears and how long each key takes to reach the screen.
function instrument() {
  window.measured = { title: null, titlePainted: null, ready: null, keys: [] };
  let pendingKey = null;  // a blank typed changes only the cursor's place: attributes count
  window.addEventListener('keydown', (event) => { pendingKey = event.timeStamp; }, true);
  new MutationObserver(() => {
    const now = performance.now();
    const screen = document.getElementById('screen');
    if (window.measured.title === null && screen?.textContent.includes('OPENING BID EVALUATOR')) {
      window.measured.title = now;
      requestAnimationFrame(() => { window.measured.titlePainted = performance.now(); });
    }
    if (window.measured.ready === null && document.title !== 'bidgauge') window.measured.ready = now;
    if (pendingKey !== null) {
      const start = pendingKey;
      pendingKey = null;
      const entry = { shown: now - start, painted: null };
      window.measured.keys.push(entry);
      requestAnimationFrame(() => { entry.painted = performance.now() - start; });
    }
  }).observe(document, { subtree: true, childList: true, characterData: true, attributes: true });
}

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const max = (values) => Math.max(...values);
const ms = (value) => value.toFixed(1).padStart(6) + ' ms';

const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args: ['--no-sandbox'] });
const url = pathToFileURL(path.join(site, 'index.html')).href;

// Each load in a fresh context, as a first visit: no cache, no compiled code kept.
async function openPage() {
  const context = await browser.newContext({ viewport: { width: 1024, height: 800 } });
  const opened = await context.newPage();
  await opened.addInitScript(instrument);
  if (throttle > 1) {
    const devtools = await context.newCDPSession(opened);
    await devtools.send('Emulation.setCPUThrottlingRate', { rate: throttle });
  }
  return opened;
}

const loads = [];
let page = null;
for (let run = 0; run < runs; ++run) {
  if (page) await page.context().close();
  page = await openPage();
  await page.goto(url);
  await page.waitForFunction(() => window.measured.titlePainted !== null && window.measured.ready !== null);
  loads.push(await page.evaluate(() => window.measured));
}

// A hand typed and evaluated, an error bar, the help pages and back.
const keys = [...'KQ7543 QT2 A J98'.replace(/ /g, '_')].map((ch) => (ch === '_' ? 'Space' : ch));
keys.push('Enter', 'A', 'A', 'Backspace', 'H', 'M', 'M', 'M', 'B', 'Q');
for (const key of keys) await page.keyboard.press(key);
await page.waitForFunction((count) => window.measured.keys.length === count &&
                                      window.measured.keys.every((key) => key.painted !== null),
                           keys.length);
const keyTimes = await page.evaluate(() => window.measured.keys);
console.log('ms to screen per key: ' +
            keyTimes.map((key, i) => `${keys[i]} ${key.shown.toFixed(1)}`).join(', '));
await browser.close();

const files = readdirSync(site).filter((name) => statSync(path.join(site, name)).isFile());
const siteBytes = files.reduce((sum, name) => sum + statSync(path.join(site, name)).size, 0);
const gzipBytes = files.reduce((sum, name) =>
  sum + gzipSync(readFileSync(path.join(site, name))).length, 0);

const titleShown = loads.map((load) => load.title);
const titlePainted = loads.map((load) => load.titlePainted);
const ready = loads.map((load) => load.ready);
const keyShown = keyTimes.map((key) => key.shown);
const keyPainted = keyTimes.map((key) => key.painted);
const enter = keyTimes[keys.indexOf('Enter')];

console.log(`Chromium ${browser.version()}, ${runs} loads, ${keys.length} keys` +
            (throttle > 1 ? `, CPU throttled ${throttle}x` : ''));
console.log(`navigation to title screen shown:   median ${ms(median(titleShown))}, max ${ms(max(titleShown))}`);
console.log(`navigation to title screen painted: median ${ms(median(titlePainted))}, max ${ms(max(titlePainted))}  (target < ${targets.titleMs} ms)`);
console.log(`navigation to program running:       median ${ms(median(ready))}, max ${ms(max(ready))}  (keys typed before wait for it)`);
console.log(`key event to screen updated:        median ${ms(median(keyShown))}, max ${ms(max(keyShown))}  (target < ${targets.keyMs} ms` +
            (targets.keyWorstMs < Infinity ? `, max < ${targets.keyWorstMs} ms)` : ')'));
console.log(`key event to next frame:            median ${ms(median(keyPainted))}, max ${ms(max(keyPainted))}  (target < ${targets.keyMs} ms to update)`);
console.log(`Enter evaluating a hand:            shown ${ms(enter.shown)}, next frame ${ms(enter.painted)}`);
for (const name of files) console.log(`  ${name.padEnd(20)} ${statSync(path.join(site, name)).size} bytes`);
console.log(`site: ${siteBytes} bytes (${(siteBytes / 1024).toFixed(1)} KiB; gzip ${gzipBytes} bytes)  (target < ${targets.siteBytes} bytes)`);

// Judged on medians: the machine may be busy with other work now and then.
const met = median(titlePainted) < targets.titleMs && median(keyShown) < targets.keyMs &&
            max(keyShown) < targets.keyWorstMs && siteBytes < targets.siteBytes;
console.log(met ? 'all targets met' : 'a target was missed');
process.exit(met ? 0 : 1);
