// Runs the program on the page: keys go to the program one at a time, and
// after each the rows that changed are put in place. Below the screen, the
// keys the program takes now, and a card with the last result in large type
// that screen readers read out.
'use strict';

(function () {
  const ROWS = 25;
  const COLUMNS = 80;
  const SHIFT = 1;
  const CTRL = 2;
  const ALT = 4;
  const META = 8;

  const terminal = document.getElementById('terminal');
  const screen = document.getElementById('screen');
  const cursor = document.getElementById('cursor');
  const ended = document.getElementById('ended');
  const restart = document.getElementById('restart');
  const mute = document.getElementById('mute');
  const keypad = document.getElementById('keypad');
  const keyGroups = [...keypad.querySelectorAll('.keys')];
  const pasteButton = document.getElementById('paste');
  const main = document.querySelector('main');
  const message = document.getElementById('message');
  const result = document.getElementById('result');
  const suits = document.getElementById('suits');
  const values = document.getElementById('values');
  // Pasted text goes through the stack: far more than a hand record holds.
  const PASTE_LIMIT = 100000;
  const ROW_HEIGHT = 1.15;  // in ems, as page.css has it
  const SIDE_KEYPAD = 210;  // the keys' column beside the screen, with the gap

  // The page's HTML holds the title screen, painted before the program has
  // loaded; the program's frames then replace the rows.
  const rows = [...screen.children];
  while (rows.length < ROWS) {
    const element = document.createElement('div');
    element.className = 'row';
    screen.appendChild(element);
    rows.push(element);
    showRow(element, [[7, 0, COLUMNS, ' '.repeat(COLUMNS)]]);
  }

  // A row's runs, [foreground, background, cells, text] and a suit's name,
  // put in place over the spans it has: a new screen changes text and
  // classes and makes few elements, which costs a slow phone far less than
  // the browser parsing every row's HTML anew.
  function showRow(row, runs) {
    const spans = row.children;
    runs.forEach(([foreground, background, cells, text, label], i) => {
      let span = spans[i];
      if (!span) {
        span = document.createElement('span');
        span.append('');
        row.appendChild(span);
      }
      const className = 'f' + foreground + ' b' + background;
      if (span.className !== className) span.className = className;
      const width = cells + 'ch';
      if (span.style.width !== width) span.style.width = width;
      if (span.firstChild.data !== text) span.firstChild.data = text;
      if (label) {
        if (span.getAttribute('aria-label') !== label) {
          span.setAttribute('role', 'img');
          span.setAttribute('aria-label', label);
        }
      } else if (span.hasAttribute('role')) {
        span.removeAttribute('role');
        span.removeAttribute('aria-label');
      }
    });
    while (spans.length > runs.length) row.lastChild.remove();
  }

  // Width of 80 cells per pixel of font size, measured once in the font the
  // browser picked.
  let widthPerPixel = 0;
  function cellsWidthPerPixel() {
    if (widthPerPixel) return widthPerPixel;
    const probe = document.createElement('span');
    probe.style.fontSize = '100px';
    probe.style.position = 'absolute';
    probe.style.visibility = 'hidden';
    probe.textContent = '\u2500'.repeat(COLUMNS);
    terminal.appendChild(probe);
    widthPerPixel = probe.getBoundingClientRect().width / 100;
    probe.remove();
    return widthPerPixel;
  }

  // The font size at which 80 cells fill the window's width. On a phone held
  // sideways that screen would be taller than the window: then the screen
  // fits the height and the keys stand beside it, if that leaves the screen
  // nearly as large.
  function fit() {
    const perPixel = cellsWidthPerPixel();
    const width = document.documentElement.clientWidth - 16;
    const height = window.innerHeight - 16;
    const byWidth = Math.min(width, 1400) / perPixel;
    const byHeight = height / (ROWS * ROW_HEIGHT);
    const beside = Math.min(byHeight, (width - SIDE_KEYPAD) / perPixel);
    const side = width > height && byHeight < byWidth && beside >= 0.9 * byHeight;
    main.classList.toggle('side', side);
    const size = Math.max(4, side ? beside : byWidth);
    document.documentElement.style.setProperty('--cell-font', size.toFixed(2) + 'px');
  }

  // One line of the result card: what is shown, hidden from screen readers,
  // and the sentence they say instead.
  function cardLine(shown, spoken) {
    const line = document.createElement('li');
    const visible = document.createElement('span');
    visible.setAttribute('aria-hidden', 'true');
    visible.append(...shown);
    const said = document.createElement('span');
    said.className = 'sr';
    said.textContent = spoken;
    line.append(visible, said);
    return line;
  }

  function span(className, text) {
    const element = document.createElement('span');
    element.className = className;
    element.textContent = text;
    return element;
  }

  function showCard(card) {
    suits.replaceChildren(...card.suits.map((suit, i) => cardLine(
      [span(i === 1 || i === 2 ? 'symbol red' : 'symbol', suit.symbol), suit.cards], suit.spoken)));
    values.replaceChildren(...card.values.map((value) => cardLine(
      [span('value-name', value.name), span('value', value.shown),
       value.opens ? span('opens', 'opens') : span('no', 'no')], value.spoken)));
    result.hidden = false;
  }

  function showMode(mode) {
    for (const group of keyGroups) group.hidden = !group.dataset.modes.split(' ').includes(mode);
  }

  // The beep through Web Audio. Browsers allow sound only after a user
  // gesture, so the audio context made with the program waits, suspended,
  // for the first key or touch. Making it takes a slow phone tens of
  // milliseconds: done at the first beep, it held up the keys typed next.
  // Beeps that come together sound as one, as a new beep cuts the last one off.
  function makeBeeper(wave) {
    let context = null;
    let decoded = null;
    let playing = null;
    return {
      prepare() {
        if (context) return;
        const AudioContext = window.AudioContext || window.webkitAudioContext;
        if (!AudioContext) return;
        context = new AudioContext();
        decoded = context.decodeAudioData(wave.slice().buffer).catch(() => null);
      },
      // Some browsers start a context only during a gesture: each key is one.
      wake() {
        if (context && context.state === 'suspended') context.resume();
      },
      play() {
        if (mute.checked) return;
        this.prepare();
        if (!context) return;
        if (context.state === 'suspended') context.resume();
        decoded.then((buffer) => {
          if (!buffer) return;
          if (playing) playing.stop();  // a new beep cuts the last one off
          playing = context.createBufferSource();
          playing.buffer = buffer;
          playing.connect(context.destination);
          playing.start();
        });
      },
    };
  }

  function modifiersOf(event) {
    return (event.shiftKey ? SHIFT : 0) | (event.ctrlKey ? CTRL : 0) |
           (event.altKey ? ALT : 0) | (event.metaKey ? META : 0);
  }

  // Keys pressed before the program has loaded wait for it, so none is lost.
  // Until then a key counts as the program's if the program could take it.
  const NAMED_KEYS = /^(Enter|Escape|Backspace|Home|End|PageUp|PageDown|Insert|Delete|Arrow(Up|Down|Left|Right)|F([1-9]|1[0-2]))$/;
  let program = null;
  const waiting = [];
  const loading = {
    press(key, modifiers) {
      const altGr = (modifiers & (CTRL | ALT)) === (CTRL | ALT);
      const shortcut = (modifiers & META) || ((modifiers & (CTRL | ALT)) && !altGr);
      if (shortcut || !([...key].length === 1 || NAMED_KEYS.test(key))) return false;
      waiting.push(() => program.press(key, modifiers));
      return true;
    },
    paste(text) { waiting.push(() => program.paste(text)); },
  };

  // Tab stays the browser's, so keyboard users reach Mute and leave the
  // page; a focused control keeps the keys it acts on. Every other key goes
  // to the program, and focus goes back to the screen.
  function controlUses(target, key) {
    if (key === 'Tab') return true;
    if (target instanceof HTMLButtonElement) return key === 'Enter' || key === ' ';
    if (target instanceof HTMLInputElement) return key === ' ';
    return false;
  }

  document.addEventListener('keydown', (event) => {
    if (event.isComposing || event.defaultPrevented) return;
    if (controlUses(event.target, event.key)) return;
    if ((program || loading).press(event.key, modifiersOf(event))) {
      event.preventDefault();
      if (document.activeElement !== terminal && ended.hidden) terminal.focus();
    }
  });
  document.addEventListener('paste', (event) => {
    const text = event.clipboardData ? event.clipboardData.getData('text/plain') : '';
    if (!text) return;
    event.preventDefault();
    (program || loading).paste(text);
  });
  keypad.addEventListener('mousedown', (event) => event.preventDefault());  // keep focus
  keypad.addEventListener('click', (event) => {
    const button = event.target.closest('button[data-key]');
    if (button) (program || loading).press(button.dataset.key, 0);
  });
  // Phones have no paste key: the button reads the clipboard where the
  // browser allows it.
  if (navigator.clipboard && navigator.clipboard.readText) {
    pasteButton.hidden = false;
    pasteButton.addEventListener('click', () => {
      navigator.clipboard.readText().then((text) => (program || loading).paste(text),
                                          () => terminal.focus());
    });
  }
  mute.addEventListener('change', () => terminal.focus());
  window.addEventListener('resize', fit);
  fit();
  terminal.focus();

  function run(module) {
    const wavePointer = module._bidgauge_beep_data();
    const wave = module.HEAPU8.slice(wavePointer, wavePointer + module._bidgauge_beep_size());
    const beeper = makeBeeper(wave);
    beeper.prepare();
    let session = 0;
    let title = '';

    function render() {
      const pointer = module._bidgauge_session_frame(session);
      const frame = JSON.parse(module.UTF8ToString(pointer));
      module._free(pointer);
      for (const [row, runs] of frame.rows) showRow(rows[row - 1], runs);
      if (frame.title !== title) document.title = title = frame.title;
      const shown = frame.cursor;
      cursor.hidden = !shown.visible || !frame.running;
      cursor.className = 'f' + shown.color;
      cursor.style.setProperty('--row', shown.row);
      cursor.style.setProperty('--column', shown.column);
      if (frame.card) showCard(frame.card);
      if (message.textContent !== frame.message) message.textContent = frame.message;
      showMode(frame.mode);
      // After the screen is painted: the first beep makes the audio context,
      // which can take a while.
      if (frame.beeps > 0) requestAnimationFrame(() => setTimeout(() => beeper.play(), 0));
      if (!frame.running) {
        ended.hidden = false;
        restart.focus();
      }
    }

    function start() {
      if (session) module._bidgauge_session_close(session);
      session = module._bidgauge_session_open();
      ended.hidden = true;
      render();
      terminal.focus();
    }

    restart.addEventListener('click', start);
    start();
    program = {
      press(key, modifiers) {
        beeper.wake();
        const taken = module.ccall('bidgauge_session_press', 'number',
                                   ['number', 'string', 'number'], [session, key, modifiers]);
        if (taken) render();
        return taken;
      },
      // Typed key by key, as a terminal types a paste.
      paste(text) {
        beeper.wake();
        const typed = module.ccall('bidgauge_session_paste', 'number', ['number', 'string'],
                                   [session, text.slice(0, PASTE_LIMIT)]);
        if (typed) render();
        if (ended.hidden) terminal.focus();
      },
    };
    for (const waited of waiting.splice(0)) waited();
  }

  // Loaded after the page is shown: a classic script, which runs from disk too.
  const script = document.createElement('script');
  script.src = 'bidgauge-page.js';
  script.onload = () => createBidgaugePage().then(run);
  document.body.appendChild(script);

  // Installable and offline where the browser allows a service worker (https
  // or localhost); a page opened from disk needs neither.
  if (location.protocol === 'https:' || location.protocol === 'http:') {
    const manifest = document.createElement('link');
    manifest.rel = 'manifest';
    manifest.href = 'manifest.webmanifest';
    document.head.appendChild(manifest);
    if ('serviceWorker' in navigator && window.isSecureContext) {
      navigator.serviceWorker.register('sw.js').catch(() => {});
    }
  }
})();
