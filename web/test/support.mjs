// Paths and helpers shared by the tests: where the built site and the native
// programs are, and the terminal program's screen for a key sequence.
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
