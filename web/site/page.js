// Runs the program on the page: keys go to the program one at a time, and
// after each the rows that changed are put in place.
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

  const rows = [];
  for (let row = 0; row < ROWS; ++row) {
    const element = document.createElement('div');
    element.className = 'row';
    element.textContent = ' '.repeat(COLUMNS);
    screen.appendChild(element);
    rows.push(element);
  }

  // Font size at which 80 cells fill the window's width, measured once in
  // the font the browser picked.
  function fitToWidth() {
    const probe = document.createElement('span');
    probe.style.fontSize = '100px';
    probe.style.position = 'absolute';
    probe.style.visibility = 'hidden';
    probe.textContent = '\u2500'.repeat(COLUMNS);
    terminal.appendChild(probe);
    const widthPerPixel = probe.getBoundingClientRect().width / 100;
    probe.remove();
    const available = Math.min(document.documentElement.clientWidth - 16, 1400);
    const size = Math.max(4, available / widthPerPixel);
    document.documentElement.style.setProperty('--cell-font', size.toFixed(2) + 'px');
  }

  // The beep through Web Audio. Browsers allow sound only after a user
  // gesture; the program beeps only in answer to a key or a touch, so the
  // audio context is made at the first beep. Beeps that come together sound
  // as one, as a new beep cuts the last one off.
  function makeBeeper(wave) {
    let context = null;
    let decoded = null;
    let playing = null;
    return {
      // Some browsers start a context only during a gesture: each key is one.
      wake() {
        if (context && context.state === 'suspended') context.resume();
      },
      play() {
        if (mute.checked) return;
        if (!context) {
          const AudioContext = window.AudioContext || window.webkitAudioContext;
          if (!AudioContext) return;
          context = new AudioContext();
          decoded = context.decodeAudioData(wave.slice().buffer).catch(() => null);
        }
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

  createBidgaugePage().then((program) => {
    const wavePointer = program._bidgauge_beep_data();
    const wave = program.HEAPU8.slice(wavePointer, wavePointer + program._bidgauge_beep_size());
    const beeper = makeBeeper(wave);
    let session = 0;
    let title = '';

    function render() {
      const pointer = program._bidgauge_session_frame(session);
      const frame = JSON.parse(program.UTF8ToString(pointer));
      program._free(pointer);
      for (const [row, html] of frame.rows) rows[row - 1].innerHTML = html;
      if (frame.title !== title) document.title = title = frame.title;
      const shown = frame.cursor;
      cursor.hidden = !shown.visible || !frame.running;
      cursor.className = 'f' + shown.color;
      cursor.style.setProperty('--row', shown.row);
      cursor.style.setProperty('--column', shown.column);
      // After the screen is painted: the first beep makes the audio context,
      // which can take a while.
      if (frame.beeps > 0) requestAnimationFrame(() => setTimeout(() => beeper.play(), 0));
      if (!frame.running) {
        ended.hidden = false;
        restart.focus();
      }
    }

    function start() {
      if (session) program._bidgauge_session_close(session);
      session = program._bidgauge_session_open();
      ended.hidden = true;
      render();
      terminal.focus();
    }

    function press(key, modifiers) {
      beeper.wake();
      const taken = program.ccall('bidgauge_session_press', 'number',
                                  ['number', 'string', 'number'], [session, key, modifiers]);
      if (taken) render();
      return taken;
    }

    document.addEventListener('keydown', (event) => {
      if (event.isComposing || event.defaultPrevented) return;
      // The mute switch and the restart button keep their own keys.
      if (event.target !== terminal && event.target !== document.body) return;
      if (press(event.key, modifiersOf(event))) event.preventDefault();
    });
    keypad.addEventListener('mousedown', (event) => event.preventDefault());  // keep focus
    keypad.addEventListener('click', (event) => {
      const button = event.target.closest('button');
      if (button) press(button.dataset.key, 0);
    });
    restart.addEventListener('click', start);
    mute.addEventListener('change', () => terminal.focus());
    window.addEventListener('resize', fitToWidth);

    fitToWidth();
    start();
  });
})();
