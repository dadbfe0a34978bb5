// Paths and helpers shared by the tests: where the built site and the native
// programs are, and the terminal program's screen for a key sequence.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { fileURLToPath, pathToFileURL } from 'node:url';
import path from 'node:path';

const repository = fileURLToPath(new URL('../../', import.meta.url));

export const siteDir = process.env.BIDGAUGE_SITE ?? path.join(repository, 'build-web/site');
export const pageUrl = pathToFileURL(path.join(siteDir, 'index.html')).href;
export const moduleUrl = pathToFileURL(path.join(siteDir, 'bidgauge.mjs')).href;
const nativeDir = process.env.BIDGAUGE_NATIVE_BUILD ?? path.join(repository, 'build');
export const programPath = path.join(nativeDir, 'bidgauge');
const screenDumpPath = path.join(nativeDir, 'tests/web/bidgauge_screen_dump');

// Key names as Playwright presses them, and the PC keys the terminal gives
// for them: a character byte, or a scan code.
const scanCodes = {
  F1: 59, F2: 60, F10: 68, F11: 133, F12: 134, Home: 71, ArrowUp: 72, PageUp: 73,
  ArrowLeft: 75, ArrowRight: 77, End: 79, ArrowDown: 80, PageDown: 81, Insert: 82, Delete: 83,
};
const characterBytes = { Enter: 13, Escape: 27, Backspace: 8, Space: 32 };

function keyToken(name) {
  if (name in characterBytes) return 'c' + characterBytes[name];
  if (name in scanCodes) return 's' + scanCodes[name];
  if (name.length === 1 && name >= ' ' && name <= '~') return 'c' + name.charCodeAt(0);
  throw new Error(`no terminal key for ${name}`);
}

// "KQ7 Q" -> ['K', 'Q', '7', 'Space', 'Q']
export function typed(text) {
  return [...text].map((ch) => (ch === ' ' ? 'Space' : ch));
}

// The screen the terminal program leaves after the keys, run headless now:
// {title, quit, beeps, cursor: {row, column, visible}, rows: [25 strings]}.
export function terminalScreen(keyNames) {
  const output = execFileSync(screenDumpPath, keyNames.map(keyToken), { encoding: 'utf8' });
  return JSON.parse(output);
}

// What Chromium's accessibility tree holds for the element: its role, name
// and properties, the text a screen reader reads in it, piece by piece, and
// the names of the images in it.
export async function accessibility(page, selector) {
  const devtools = await page.context().newCDPSession(page);
  try {
    const { root } = await devtools.send('DOM.getDocument', { depth: 0 });
    const { nodeId } = await devtools.send('DOM.querySelector', { nodeId: root.nodeId, selector });
    const { node } = await devtools.send('DOM.describeNode', { nodeId });
    const { nodes } = await devtools.send('Accessibility.getFullAXTree');
    const byId = new Map(nodes.map((each) => [each.nodeId, each]));
    const element = nodes.find((each) => each.backendDOMNodeId === node.backendNodeId);
    const texts = [];
    const images = [];
    const walk = (each) => {
      if (!each.ignored && each.role?.value === 'StaticText') texts.push(each.name.value);
      if (!each.ignored && each.role?.value === 'image') images.push(each.name.value);
      for (const child of each.childIds ?? []) if (byId.has(child)) walk(byId.get(child));
    };
    walk(element);
    const properties = Object.fromEntries((element.properties ?? []).map((p) => [p.name, p.value.value]));
    return { role: element.role?.value, name: element.name?.value, properties, texts, images };
  } finally {
    await devtools.detach();
  }
}

// A stand-in for Web Audio that counts what the page does with it.
export function fakeAudio() {
  window.audio = { contexts: 0, plays: 0 };
  window.AudioContext = class {
    constructor() { window.audio.contexts++; this.state = 'running'; this.destination = {}; }
    resume() {}
    decodeAudioData() { return Promise.resolve({}); }
    createBufferSource() {
      return { connect() {}, start() { window.audio.plays++; }, stop() {} };
    }
  };
}

export function pageRows(page) {
  return page.$$eval('#screen > *', (rows) => rows.map((row) => row.textContent));
}

function pageCursor(page) {
  return page.$eval('#cursor', (cursor) => ({
    row: Number(cursor.style.getPropertyValue('--row')),
    column: Number(cursor.style.getPropertyValue('--column')),
    visible: !cursor.hidden,
  }));
}

// Each row's cell colours as the terminal program's screen dump gives them,
// two hex digits a cell, read from the spans the page keeps updating in
// place; a span as wide as its text and named if it is a suit, as a new span
// would be.
function pageColours(page) {
  return page.$$eval('#screen > .row', (rows) => rows.map((row) => {
    const suits = { '\u2660': 'Spades', '\u2665': 'Hearts', '\u2666': 'Diamonds', '\u2663': 'Clubs' };
    let hex = '';
    for (const span of row.children) {
      const [, foreground, background] = span.className.match(/^f(\d+) b(\d+)$/);
      const cells = span.textContent.length;
      const named = span.getAttribute('role') === 'img' ? span.getAttribute('aria-label') : undefined;
      if (span.style.width !== `${cells}ch` || named !== suits[span.textContent]) {
        return `span ${span.outerHTML}`;
      }
      hex += (Number(background) * 16 + Number(foreground)).toString(16).padStart(2, '0').repeat(cells);
    }
    return hex;
  }));
}

// The page shows what the terminal program shows after `keyNames`.
export async function expectTerminalScreen(page, keyNames) {
  const terminal = terminalScreen(keyNames);
  assert.deepEqual(await pageRows(page), terminal.rows);
  assert.deepEqual(await pageColours(page), terminal.attrs);
  if (!terminal.quit) assert.deepEqual(await pageCursor(page), terminal.cursor);
  // A document title keeps no run of blanks.
  assert.equal(await page.title(), terminal.title.replace(/\s+/g, ' '));
  return terminal;
}
