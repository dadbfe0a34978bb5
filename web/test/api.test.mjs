// The JavaScript module, checked against the command-line program.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import path from 'node:path';
import { moduleUrl, programPath, siteDir } from './support.mjs';

const { evaluate, explain } = await import(moduleUrl);

const hands = [
  'KQ7543 QT2 A J98',
  'AKT9xx - QJxxx T2',
  'AKQJ AKQ AKQ AKQ',
  'xxxx xxx xxx xxx',
  '764 AQJ74 42 A83',
  'A - - KQJT98765432',
  'KJ9.QT8.A765.Q32',
];

test('evaluate gives the batch program\'s JSONL values for every hand', () => {
  const rows = execFileSync(programPath, ['--batch', '--format', 'jsonl'],
                            { input: hands.join('\n') + '\n', encoding: 'utf8' })
                   .trim().split('\n').map((line) => JSON.parse(line));
  assert.equal(rows.length, hands.length);
  hands.forEach((hand, i) => {
    // Board, seat and source say where a row came from in a file.
    const { board, seat, source, ...fields } = rows[i];
    assert.deepEqual(evaluate(hand), { ok: true, ...fields }, hand);
  });
});

test('evaluate gives the example hand its four values', () => {
  assert.deepEqual(evaluate('KQ7543 QT2 A J98'), {
    ok: true, hand: 'KQ7543 QT2 A J98', knr: 12.35, knr_opens: true, zar: 28, zar_opens: true,
    kleinman: 11, kleinman_quality: 'ordinary', kleinman_opens: true, honor_tricks: 2.5,
    honor_tricks_opens: true, hcp: 12,
  });
});

test('evaluate reports an unreadable hand with its message and position', () => {
  assert.deepEqual(evaluate('KQ7543 QT2 A J9Z'),
                   { ok: false, error: "unexpected character 'Z' at position 16", position: 16 });
  assert.deepEqual(evaluate('KQ7543 QT2 A J9'),
                   { ok: false, error: 'The hand has only 12 cards', position: 0 });
  assert.equal(evaluate('').ok, false);
  assert.equal(evaluate('♠AKQ "\\ ').ok, false);  // any text at all gives an answer
});

test('explain gives what --explain prints after the panel', () => {
  for (const hand of hands.filter((h) => !h.includes('.'))) {
    const printed = execFileSync(programPath, ['--explain', ...hand.split(' ')], { encoding: 'utf8' });
    const text = explain(hand);
    assert.match(text, /KnR Points: /);
    assert.ok(printed.endsWith(text), hand);
  }
});

test('explain throws a SyntaxError carrying the position for an unreadable hand', () => {
  assert.throws(() => explain('KQ7543 QT2 A J9Z'),
                { name: 'SyntaxError', message: "unexpected character 'Z' at position 16",
                  position: 16 });
});

test('the package describes the module as an ES module', () => {
  const description = JSON.parse(readFileSync(path.join(siteDir, 'package.json'), 'utf8'));
  assert.equal(description.type, 'module');
  assert.equal(description.exports, './bidgauge.mjs');
  assert.equal(description.name, 'bidgauge');
});
