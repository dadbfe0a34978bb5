// The module's own interface, appended after the generated loader: the
// program is ready before the first call, so both functions answer at once.
const core = await createBidgaugeCore();

function ask(name, text) {
  const pointer = core.ccall(name, 'number', ['string'], [String(text)]);
  try {
    return JSON.parse(core.UTF8ToString(pointer));
  } finally {
    core._free(pointer);
  }
}

/**
 * Evaluates one 13-card hand written as the program's entry line takes it
 * ("KQ7543 QT2 A J98", "-" for a void) or with dots between the suits.
 * @param {string} text
 * @returns {{ok: true, hand: string, knr: number, knr_opens: boolean, zar: number,
 *   zar_opens: boolean, kleinman: number, kleinman_quality: string, kleinman_opens: boolean,
 *   honor_tricks: number, honor_tricks_opens: boolean} |
 *   {ok: false, error: string, position: number}}
 */
export function evaluate(text) {
  return ask('bidgauge_evaluate', text);
}

/**
 * What each of the four methods counted for the hand, as text.
 * @param {string} text
 * @returns {string}
 * @throws {SyntaxError} when the hand cannot be read; `position` holds the
 *   1-based position the message points at (0 for the hand as a whole).
 */
export function explain(text) {
  const answer = ask('bidgauge_explain', text);
  if (answer.ok) return answer.text;
  throw Object.assign(new SyntaxError(answer.error), { position: answer.position });
}
