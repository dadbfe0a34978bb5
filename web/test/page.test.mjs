// The web page in Debian's Chromium, opened from disk: every screen is
// compared with the one the terminal program shows after the same keys.
import { after, before, beforeEach, afterEach, describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { chromium } from 'playwright-core';
import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import { expectTerminalScreen as expectTerminalScreenOf, fakeAudio, pageRows as pageRowsOf, pageUrl,
         siteDir, terminalScreen, typed } from './support.mjs';

let browser;
let page;
let requests;

before(async () => {
  browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args: ['--no-sandbox'] });
});
after(() => browser.close());

beforeEach(async () => {
  page = await browser.newPage({ viewport: { width: 1024, height: 800 } });
  requests = [];
  page.on('request', (request) => requests.push(request.url()));
  await page.addInitScript(fakeAudio);
  await page.goto(pageUrl);
  await page.waitForFunction(() => document.title !== 'bidgauge');
});
afterEach(() => page.close());

async function press(keyNames) {
  for (const name of keyNames) await page.keyboard.press(name);
}

function pageRows() {
  return pageRowsOf(page);
}

function expectTerminalScreen(keyNames) {
  return expectTerminalScreenOf(page, keyNames);
}

describe('the page shows the terminal program\'s screen', () => {
  test('the title screen, with focus on the screen and nothing fetched', async () => {
    await expectTerminalScreen([]);
    assert.equal(await page.evaluate(() => document.activeElement.id), 'terminal');
    assert.ok(requests.every((url) => url.startsWith('file://') || url.startsWith('data:')),
              requests.join('\n'));
  });

  test('an error bar', async () => {
    const keys = typed('KQ7K');
    await press(keys);
    await expectTerminalScreen(keys);
  });

  test('a results panel', async () => {
    const keys = [...typed('KQ7543 QT2 A J98'), 'Enter'];
    await press(keys);
    await expectTerminalScreen(keys);
  });

  test('Backspace across a suit', async () => {
    const keys = [...typed('KQ7 Q'), 'Backspace', 'Backspace', 'Backspace', ...typed('5 AJ')];
    await press(keys);
    await expectTerminalScreen(keys);
  });

  test('a full screen of hands', async () => {
    const keys = [];
    for (const hand of ['KQ7543 QT2 A J98', 'AKT9xx - QJxxx T2', '764 AQJ74 42 A83',
                        'xxxx xxx xxx xxx']) {
      keys.push(...typed(hand), 'Enter');
    }
    await press(keys);
    await expectTerminalScreen(keys);
  });

  test('the help pages forward and back', async () => {
    const steps = [['H'], ['m', 'M', 'Enter'], ['PageDown', 'End', 'F1'], ['B', 'b'], ['Q']];
    const keys = [];
    for (const step of steps) {
      await press(step);
      keys.push(...step);
      await expectTerminalScreen(keys);
    }
  });

  test('the quit question, answered N', async () => {
    await press(['E']);
    await expectTerminalScreen(['E']);
    await press(['n']);
    await expectTerminalScreen(['E', 'n']);
  });

  test('the quit question, answered Y: the last screen stays and the page offers to start again',
       async () => {
    await press(['Escape', 'y']);
    await expectTerminalScreen(['Escape', 'y']);
    assert.equal(await page.isVisible('#restart'), true);
    assert.equal(await page.evaluate(() => document.activeElement.id), 'restart');
    assert.equal(await page.isVisible('#cursor'), false);
    await page.click('#restart');
    await expectTerminalScreen([]);
    assert.equal(await page.isVisible('#restart'), false);
    await press(typed('AK'));
    await expectTerminalScreen(typed('AK'));
  });

  test('the on-screen keypad types the same keys', async () => {
    const clicks = ['K', 'Q', 'x', 'Backspace', '7', ' ', '-', ' ', 'A', 'x', 'x', ' ', 'J', '9',
                    '8', '6', '5', '4', '3', '2', 'Enter'];
    for (const key of clicks) await page.click(`#keypad button[data-key="${key}"]`);
    const keys = clicks.map((key) => (key === ' ' ? 'Space' : key));
    await expectTerminalScreen(keys);
    assert.equal(await page.evaluate(() => document.activeElement.id), 'terminal');
    await page.click('#keypad button[data-key="H"]');
    await expectTerminalScreen([...keys, 'H']);
    await page.keyboard.press('Q');
    await page.click('#keypad button[data-key="E"]');
    await expectTerminalScreen([...keys, 'H', 'Q', 'E']);
  });
});

describe('around the screen', () => {
  test('25 rows of 80 characters that fit a phone held sideways', async () => {
    await page.setViewportSize({ width: 640, height: 360 });
    await page.waitForFunction(() => document.getElementById('terminal').offsetWidth <= 640);
    const layout = await page.evaluate(() => {
      const rows = [...document.querySelectorAll('#screen > .row')];
      const tops = rows.map((row) => row.getBoundingClientRect().top);
      return {
        count: rows.length,
        lengths: [...new Set(rows.map((row) => row.textContent.length))],
        width: document.getElementById('terminal').getBoundingClientRect().width,
        rowHeights: [...new Set(rows.map((row) => row.getBoundingClientRect().height.toFixed(1)))],
        ascending: tops.every((top, i) => i === 0 || top > tops[i - 1]),
      };
    });
    assert.equal(layout.count, 25);
    assert.deepEqual(layout.lengths, [80]);
    assert.ok(layout.width <= 640 && layout.width >= 560, `width ${layout.width}`);
    assert.equal(layout.rowHeights.length, 1, layout.rowHeights.join());
    assert.ok(layout.ascending);
  });

  test('beeps sound only after a key, where the terminal beeps, and not when muted', async () => {
    // The audio context is made, suspended, with the program, so that the
    // first beep does not hold up the keys after it; nothing plays before a beep.
    assert.deepEqual(await page.evaluate(() => window.audio), { contexts: 1, plays: 0 });
    const keys = ['K'];
    await press(keys);
    assert.equal(terminalScreen(keys).beeps, 0);
    await page.waitForTimeout(50);
    assert.deepEqual(await page.evaluate(() => window.audio), { contexts: 1, plays: 0 });
    let beeps = 0;
    for (const key of ['E', 'Z', 'z']) {
      keys.push(key);
      await press([key]);
      const terminalBeeps = terminalScreen(keys).beeps;
      assert.equal(terminalBeeps, beeps + 1, keys.join());
      beeps = terminalBeeps;
      await page.waitForFunction((plays) => window.audio.plays === plays, beeps);
    }
    assert.equal(await page.evaluate(() => window.audio.contexts), 1);
    await page.check('#mute');
    await press(['Z']);
    await page.waitForTimeout(50);
    assert.equal(await page.evaluate(() => window.audio.plays), beeps);
  });

  test('browser shortcuts stay with the browser', async () => {
    const taken = await page.evaluate(() => {
      const event = new KeyboardEvent('keydown', { key: 'r', ctrlKey: true, bubbles: true,
                                                   cancelable: true });
      document.getElementById('terminal').dispatchEvent(event);
      return event.defaultPrevented;
    });
    assert.equal(taken, false);
    await expectTerminalScreen([]);
  });
});

test('a page served over http imports the module', async () => {
  const files = {
    '/bidgauge.mjs': ['text/javascript', () => readFile(path.join(siteDir, 'bidgauge.mjs'))],
    '/': ['text/html', () => '<script type="module">import { evaluate } from "./bidgauge.mjs";' +
                             'document.title = JSON.stringify(evaluate("AKQJ AKQ AKQ AKQ"));</script>'],
  };
  const server = createServer(async (request, response) => {
    const file = files[request.url];
    if (!file) return response.writeHead(404).end();
    response.writeHead(200, { 'Content-Type': file[0] }).end(await file[1]());
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  try {
    const served = await browser.newPage();
    await served.goto(`http://127.0.0.1:${server.address().port}/`);
    await served.waitForFunction(() => document.title.startsWith('{'));
    const { evaluate } = await import(pathToFileURL(path.join(siteDir, 'bidgauge.mjs')).href);
    assert.deepEqual(JSON.parse(await served.title()), evaluate('AKQJ AKQ AKQ AKQ'));
    await served.close();
  } finally {
    server.close();
  }
});
