'use strict';
// The live panel: each open window drawn from the images the bench sends of what changed, the
// mouse sent back as FS2004 feels it, the module's sounds played with Web Audio.

const $ = (id) => document.getElementById(id);
const page = {
  layout: null,
  canvases: new Map(), // window number -> canvas
  frames: Promise.resolve(), // the frames, applied one after another
  mouse: Promise.resolve(), // the mouse's requests, sent one after another
  pressed: null, // the canvas under a held button
  audio: null,
  waves: new Map(), // wave id -> Promise<AudioBuffer>
  voices: new Map(), // the module's buffer number -> {source, loop}
  muted: false,
  soundsStarted: 0,
  refused: false, // the server had no place for this page's stream
};
const cursors = {
  normal: 'default', up: 'n-resize', down: 's-resize', left: 'w-resize', right: 'e-resize',
  hand: 'pointer', crosshair: 'crosshair', grab: 'grab',
};
const buttons = ['left', 'middle', 'right'];

async function post(path, body) {
  const reply = await fetch(path, {
    method: 'POST', headers: {'Content-Type': 'application/json'}, body: JSON.stringify(body),
  });
  const answer = await reply.json();
  $('answer').textContent = reply.ok ? '' : answer.error;
  return answer;
}

// A request or a frame that failed is shown, and the next ones still go.
function showError(error) {
  $('answer').textContent = String(error);
}

// ---- Windows -------------------------------------------------------------------------------

function buildScreen(layout) {
  page.layout = layout;
  const screen = $('screen');
  screen.replaceChildren();
  page.canvases.clear();
  screen.style.width = `${layout.screen[0]}px`;
  screen.style.height = `${layout.screen[1]}px`;
  for (const window of layout.windows) {
    const canvas = document.createElement('canvas');
    canvas.width = window.width;
    canvas.height = window.height;
    const [x, y, width, height] = window.at;
    Object.assign(canvas.style, {left: `${x}px`, top: `${y}px`, width: `${width}px`, height: `${height}px`});
    canvas.dataset.window = window.number;
    canvas.hidden = !window.open;
    listenToMouse(canvas, window.number);
    screen.append(canvas);
    page.canvases.set(window.number, canvas);
  }
  fitScreen();
  $('window-list').replaceChildren(...layout.windows.map(windowItem));
  $('reports').replaceChildren(...layout.reports.map((text) => listItem(text)));
  $('night').checked = layout.night;
}

function listItem(text) {
  const item = document.createElement('li');
  item.textContent = text;
  return item;
}

function windowItem(window) {
  const box = document.createElement('input');
  box.type = 'checkbox';
  box.dataset.window = window.number;
  box.disabled = window.ident === null;
  box.addEventListener('change', () => post('/api/window', {ident: window.ident, action: box.checked ? 'open' : 'close'}));
  const label = document.createElement('label');
  label.append(box, ` ${window.title || `Window ${window.number}`}`);
  const item = document.createElement('li');
  item.append(label);
  return item;
}

function fitScreen() {
  if (!page.layout) return;
  const box = $('screen-box');
  const [width, height] = page.layout.screen;
  const scale = Math.min(box.clientWidth / width, box.clientHeight / height);
  $('screen').style.transform = `scale(${scale})`;
}

async function decodeTile(tile) {
  const bytes = Uint8Array.from(atob(tile.png), (c) => c.charCodeAt(0));
  return createImageBitmap(new Blob([bytes], {type: 'image/png'}));
}

async function applyFrame(message) {
  if (message.layout) buildScreen(message.layout);
  for (const [number, canvas] of page.canvases) canvas.hidden = !message.open.includes(number);
  for (const box of $('window-list').querySelectorAll('input')) {
    box.checked = message.open.includes(Number(box.dataset.window));
  }
  // A tile's transparent pixels are those the window keeps: drawn over it, they leave it as it is.
  const images = await Promise.all(message.tiles.map(decodeTile));
  message.tiles.forEach((tile, i) => {
    page.canvases.get(tile.window)?.getContext('2d').drawImage(images[i], tile.x, tile.y);
  });
  message.sounds.forEach(play);
  message.stops.forEach(stop);
  logKeys(message.keys);
  $('units').textContent = message.units;
  const flight = message.flight;
  $('pause').textContent = flight.paused ? 'Resume' : 'Pause';
  $('status').textContent = `frame ${message.frame} · flight ${flight.time.toFixed(1)} s` +
      ` · ×${flight.rate}${flight.paused ? ' · paused' : ''}`;
  document.body.dataset.frame = message.frame;
}

// A key event the module sends again and again (a radio set that is off silences its ident
// every frame) counts up on its line instead of filling the log.
function logKeys(keys) {
  const log = $('log');
  for (const key of keys) {
    const text = `${key.name || '(unknown)'} ${key.event} ${key.value}`;
    const recent = [...log.children].slice(-6).find((item) => item.dataset.text === text);
    if (recent) {
      recent.dataset.count = Number(recent.dataset.count) + 1;
      recent.textContent = `${text} ×${recent.dataset.count}`;
      continue;
    }
    const item = listItem(text);
    item.dataset.text = text;
    item.dataset.count = 1;
    log.append(item);
  }
  while (log.children.length > 200) log.firstChild.remove();
  if (keys.length) log.scrollTop = log.scrollHeight;
}

function connect() {
  const events = new EventSource('/api/events');
  events.addEventListener('frame', (event) => {
    const message = JSON.parse(event.data);
    page.frames = page.frames.then(() => applyFrame(message)).catch(showError);
  });
  // Too far behind to catch up: start again from the whole panel.
  events.addEventListener('layout', () => {
    events.close();
    connect();
  });
  // A refused stream (too many pages open) is not retried by the browser, nor is its answer
  // shown: ask once more to show why, and try again later.
  events.addEventListener('error', async () => {
    if (events.readyState !== EventSource.CLOSED) return;
    const asking = new AbortController();
    const reply = await fetch('/api/events', {signal: asking.signal}).catch(() => null);
    if (reply && !reply.ok) {
      showError((await reply.json()).error);
      page.refused = true;
    }
    asking.abort();
    setTimeout(connect, 5000);
  });
  events.addEventListener('open', () => {
    if (page.refused) showError('');
    page.refused = false;
  });
}

// ---- Mouse ---------------------------------------------------------------------------------

function windowPoint(canvas, event) {
  const box = canvas.getBoundingClientRect();
  const clamp = (value, size) => Math.min(Math.max(value, 0), size - 0.5);
  return {
    x: clamp((event.clientX - box.left) * canvas.width / box.width, canvas.width),
    y: clamp((event.clientY - box.top) * canvas.height / box.height, canvas.height),
  };
}

function sendMouse(number, point, action, button) {
  const body = {window: number, ...point, action, button};
  page.mouse = page.mouse.then(() => post('/api/mouse', body)).catch(showError);
}

let hoverTimer = null;
function hover(canvas, number, event) {
  clearTimeout(hoverTimer);
  const point = windowPoint(canvas, event);
  const at = {left: event.clientX + 14, top: event.clientY + 16};
  hoverTimer = setTimeout(async () => {
    const reply = await fetch(`/api/hover?window=${number}&x=${point.x}&y=${point.y}`);
    if (!reply.ok) return;
    const answer = await reply.json();
    canvas.style.cursor = cursors[answer.cursor] || 'default';
    const tip = $('tooltip');
    tip.hidden = answer.tooltip === null;
    tip.textContent = answer.tooltip ?? '';
    tip.style.left = `${at.left}px`;
    tip.style.top = `${at.top}px`;
  }, 80);
}

function listenToMouse(canvas, number) {
  let button = 'left';
  canvas.addEventListener('contextmenu', (event) => event.preventDefault());
  canvas.addEventListener('pointerdown', (event) => {
    event.preventDefault();
    startAudio();
    canvas.setPointerCapture(event.pointerId);
    page.pressed = canvas;
    button = buttons[event.button] || 'left';
    sendMouse(number, windowPoint(canvas, event), 'press', button);
  });
  canvas.addEventListener('pointermove', (event) => {
    if (page.pressed === canvas) {
      sendMouse(number, windowPoint(canvas, event), 'move', button);
    } else {
      hover(canvas, number, event);
    }
  });
  const release = (event) => {
    if (page.pressed !== canvas) return;
    page.pressed = null;
    sendMouse(number, windowPoint(canvas, event), 'release', button);
  };
  canvas.addEventListener('pointerup', release);
  canvas.addEventListener('pointercancel', release);
  canvas.addEventListener('pointerleave', () => { $('tooltip').hidden = true; });
}

// ---- Sound ---------------------------------------------------------------------------------

function startAudio() {
  page.audio ??= new AudioContext();
  if (!page.muted) page.audio.resume();
}

function waveBuffer(id) {
  if (!page.waves.has(id)) {
    page.waves.set(id, fetch(`/api/wave?id=${id}`)
      .then((reply) => reply.arrayBuffer())
      .then((bytes) => page.audio.decodeAudioData(bytes)));
  }
  return page.waves.get(id);
}

// As DirectSound does: a buffer played while it sounds goes on, only taking the new loop flag.
async function play(cue) {
  if (page.muted || !page.audio) return;
  const sounding = page.voices.get(cue.buffer);
  if (sounding) {
    sounding.loop ||= cue.loop;
    if (sounding.source) sounding.source.loop = sounding.loop;
    return;
  }
  const voice = {source: null, loop: cue.loop};
  page.voices.set(cue.buffer, voice);
  const source = page.audio.createBufferSource();
  source.buffer = await waveBuffer(cue.wave);
  source.loop = voice.loop;
  source.connect(page.audio.destination);
  source.onended = () => page.voices.delete(cue.buffer);
  voice.source = source;
  source.start();
  page.soundsStarted += 1;
  document.body.dataset.soundsStarted = page.soundsStarted;
}

function stop(buffer) {
  page.voices.get(buffer)?.source?.stop();
  page.voices.delete(buffer);
}

// ---- Side panel ----------------------------------------------------------------------------

function listenToControls() {
  $('pause').addEventListener('click', () => post('/api/flight', {paused: $('pause').textContent === 'Pause'}));
  $('rate').addEventListener('change', () => post('/api/flight', {rate: Number($('rate').value)}));
  $('jump').addEventListener('click', () => post('/api/flight', {at: Number($('jump-at').value)}));
  $('night').addEventListener('change', () => post('/api/lighting', {night: $('night').checked}));
  $('mute').addEventListener('click', () => {
    page.muted = !page.muted;
    $('mute').textContent = page.muted ? 'Unmute' : 'Mute';
    if (page.muted) [...page.voices.keys()].forEach(stop);
    else startAudio();
  });
  $('variable-form').addEventListener('submit', (event) => {
    event.preventDefault();
    const text = $('variable-value').value.trim();
    const value = text === '' ? null : Number.isNaN(Number(text)) ? text : Number(text);
    post('/api/variable', {name: $('variable-name').value.trim(), value});
  });
  $('failure-form').addEventListener('submit', (event) => {
    event.preventDefault();
    post('/api/failure', {key: Number($('failure-key').value), active: event.submitter.value === '1'});
  });
  window.addEventListener('resize', fitScreen);
}

listenToControls();
connect();
