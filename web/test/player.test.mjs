// The page for every player, opened from disk in Debian's Chromium: keys are
// never lost to the page's controls, pasted text is typed, the keypad offers
// what the program takes, screen readers hear each result, and phones fit it.
import { after, before, afterEach, describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { chromium } from 'playwright-core';
import { accessibility, expectTerminalScreen, fakeAudio, pageUrl, terminalScreen,
         typed } from './support.mjs';

let browser;
let page;
let problems;  // console errors and uncaught exceptions

before(async () => {
  browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args: ['--no-sandbox'] });
});
after(() => browser.close());
afterEach(() => page.context().close());

async function open(options = { viewport: { width: 1024, height: 800 } }) {
  const context = await browser.newContext(options);
  await context.grantPermissions(['clipboard-read', 'clipboard-write']);
  page = await context.newPage();
  problems = [];
  page.on('console', (entry) => { if (entry.type() === 'error') problems.push(entry.text()); });
  page.on('pageerror', (error) => problems.push(error.message));
  await page.addInitScript(fakeAudio);
  await page.goto(pageUrl);
  await page.waitForFunction(() => document.title !== 'bidgauge');
}

async function press(keyNames) {
  for (const name of keyNames) await page.keyboard.press(name);
}

const focused = () => page.evaluate(() => document.activeElement?.id ?? '');

// The keypad's keys shown now, by their labels.
const shownKeys = () => page.$$eval('#keypad button', (buttons) =>
  buttons.filter((button) => button.checkVisibility()).map((button) => button.textContent));

const hand = 'KQ7543 QT2 A J98';
const handSentences = [
  'Spades: King, Queen, 7, 5, 4, 3.', 'Hearts: Queen, 10, 2.', 'Diamonds: Ace.',
  'Clubs: Jack, 9, 8.', 'KnR 12.35, opens.', 'Zar 28, opens.', 'Kleinman 11, opens.',
  'Honor Tricks 2.5, opens.',
];

describe('keys and paste', () => {
  test('keys after Tab reach the program, and Mute is still reachable by keyboard', async () => {
    await open();
    assert.equal(await focused(), 'terminal');
    await press(['Tab']);
    assert.equal(await focused(), 'mute');
    await press(typed('KQ7'));
    await expectTerminalScreen(page, typed('KQ7'));
    assert.equal(await focused(), 'terminal');
    await press(['Tab', 'Space']);  // a control keeps the keys it acts on
    assert.equal(await page.isChecked('#mute'), true);
    await press(['Tab', 'Enter']);  // Enter is no key of a checkbox
    await expectTerminalScreen(page, [...typed('KQ7'), 'Enter']);
    await press(['Tab', 'Tab']);  // and on out of the page: no trap
    assert.ok(!['terminal', 'mute'].includes(await focused()));
    assert.match(await page.textContent('#help-line'), /Tab moves on to Mute and out of\s+the page/);
    assert.deepEqual(problems, []);
  });

  test('a pasted hand with a trailing newline is evaluated, as the terminal types it', async () => {
    await open();
    await page.evaluate((text) => navigator.clipboard.writeText(text),
                        `${hand}\r\nAKT9xx - QJxxx T2\n`);
    await press(['Tab', 'Control+V']);  // from Mute too
    // The next prompt discards keys typed ahead, in the terminal too.
    await expectTerminalScreen(page, [...typed(hand), 'Enter']);
    assert.equal(await focused(), 'terminal');
    assert.deepEqual((await accessibility(page, '#card')).texts, handSentences);
  });

  test('a paste stops where the terminal discards keys typed ahead', async () => {
    await open();
    await page.evaluate(() => navigator.clipboard.writeText('KQ7K QT2 A J98\n'));
    await press(['Control+V']);
    await expectTerminalScreen(page, typed('KQ7K'));
  });
});

describe('the keypad offers what the program takes', () => {
  const entryKeys = ['A', 'K', 'Q', 'J', 'T', '9', '8', '7', '6', '5', '4', '3', '2', 'x', '-',
                     'Space', '\u232B', 'Enter', 'Help', 'End', 'Paste'];

  test('help pages forward and back, the quit question answered N and then Y', async () => {
    await open();
    assert.deepEqual(await shownKeys(), entryKeys);
    const keys = [];
    const tap = async (label, key) => {
      await page.getByRole('button', { name: label, exact: true }).click();
      keys.push(key);
      await expectTerminalScreen(page, keys);
    };
    await tap('Help', 'H');
    assert.deepEqual(await shownKeys(), ['More', 'Back', 'Quit']);
    await tap('More', 'M');
    await tap('More', 'M');
    await tap('Back', 'B');
    await tap('Quit', 'Q');
    assert.deepEqual(await shownKeys(), entryKeys);
    await tap('End', 'E');
    assert.deepEqual(await shownKeys(), ['Yes', 'No']);
    await tap('No', 'N');
    assert.deepEqual(await shownKeys(), entryKeys);
    await tap('End', 'E');
    await tap('Yes', 'Y');
    assert.deepEqual(await shownKeys(), []);
    assert.equal(await focused(), 'restart');
  });
});

describe('screen readers', () => {
  test('the result card reads as sentences after a hand, an error and the quit question',
       async () => {
    await open();
    const screen = await accessibility(page, '#terminal');
    assert.equal(screen.role, 'application');
    assert.match(screen.name, /type a hand.*Enter.*H for help, E to end/);
    assert.equal(screen.properties.focused, true);
    assert.deepEqual(screen.images.slice(0, 4), ['Spades', 'Hearts', 'Diamonds', 'Clubs']);

    await press([...typed(hand), 'Enter']);
    let card = await accessibility(page, '#card');
    assert.equal(card.role, 'region');
    assert.equal(card.properties.live, 'polite');
    assert.deepEqual(card.texts, handSentences);

    const keys = [...typed(hand), 'Enter', 'K', 'K'];
    await press(['K', 'K']);
    const bar = terminalScreen(keys).rows.find((row) => row.includes('Duplicate')).trim();
    assert.equal(bar, 'Duplicate King of Spades');
    card = await accessibility(page, '#card');
    assert.deepEqual(card.texts, [`${bar}. Press any key to go on.`, ...handSentences]);

    await press(['Backspace', 'Escape']);
    card = await accessibility(page, '#card');
    assert.deepEqual(card.texts, ['Quit program? Y quits, N stays.', ...handSentences]);
    await press(['n']);
    assert.deepEqual((await accessibility(page, '#card')).texts, handSentences);
    assert.deepEqual(problems, []);
  });
});

describe('phones', () => {
  const phone = { isMobile: true, hasTouch: true, deviceScaleFactor: 3 };

  // Everything that is tapped, with its size.
  const targets = () => page.$$eval('button, #mute-label', (elements) => elements
    .filter((element) => element.checkVisibility())
    .map((element) => {
      const box = element.getBoundingClientRect();
      return { label: element.textContent.trim(), width: box.width, height: box.height };
    }));

  test('held upright at 360x640: a result card in large type and nothing scrolls sideways',
       async () => {
    await open({ ...phone, viewport: { width: 360, height: 640 } });
    for (const key of [...hand, 'Enter']) {
      await page.locator(`#keypad button[data-key="${key}"]`).first().tap();
    }
    await expectTerminalScreen(page, [...typed(hand), 'Enter']);
    const layout = await page.evaluate(() => ({
      cardFont: parseFloat(getComputedStyle(document.querySelector('#suits li')).fontSize),
      valueFont: parseFloat(getComputedStyle(document.querySelector('#values li')).fontSize),
      scrollWidth: document.scrollingElement.scrollWidth,
      clientWidth: document.scrollingElement.clientWidth,
    }));
    assert.ok(layout.cardFont >= 16 && layout.valueFont >= 16, JSON.stringify(layout));
    assert.ok(layout.scrollWidth <= layout.clientWidth, JSON.stringify(layout));
    for (const target of await targets()) {
      assert.ok(target.width >= 44 && target.height >= 44, JSON.stringify(target));
    }
    await page.getByRole('button', { name: 'End', exact: true }).tap();
    await page.getByRole('button', { name: 'Yes', exact: true }).tap();
    const restart = (await targets()).find((target) => target.label === 'Start again');
    assert.ok(restart.width >= 44 && restart.height >= 44, JSON.stringify(restart));
  });

  test('held sideways at 844x390: the screen and the keys fit the window', async () => {
    await open({ ...phone, viewport: { width: 844, height: 390 } });
    const layout = await page.evaluate(() => {
      const box = (element) => element.getBoundingClientRect().toJSON();
      return {
        screen: box(document.getElementById('terminal')),
        keys: [...document.querySelectorAll('#keypad button')]
          .filter((button) => button.checkVisibility()).map(box),
        scrollWidth: document.scrollingElement.scrollWidth,
      };
    });
    assert.ok(layout.screen.bottom <= 390 && layout.screen.width >= 560, JSON.stringify(layout.screen));
    for (const key of layout.keys) {
      assert.ok(key.left >= layout.screen.right && key.right <= 844 && key.bottom <= 390,
                JSON.stringify(key));
    }
    assert.ok(layout.scrollWidth <= 844);
    assert.deepEqual(problems, []);
  });
});
