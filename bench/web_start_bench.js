// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT

// Zefra.html against a bare page with the same elements and no WebAssembly, in each engine the
// browser tests drive (headless Chromium and Firefox ESR, WebKitGTK's MiniBrowser on an X
// server of its own), with the browser tests' own drivers: the time from navigation to the
// ball's first paint, as the engine records the first frame with content in it (the ball is
// an image, a picture or a canvas, and comes before any text in the page), and the time until
// Zefra is ready to answer. Runs alternate between the two pages; the
// ratio is of the medians. For Chromium also where Zefra's time goes.
//   node web_start_bench.js ZEFRA_HTML [RUNS] [ENGINE...]   (chromium, firefox, webkit)
'use strict';

const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { pageCopy } = require('../tests/web/cases');

const [zefra, runs = '15', ...chosen] = process.argv.slice(2);
const ENGINES = chosen.length ? chosen : ['chromium', 'firefox', 'webkit'];
// The yardstick: the same window, its ball painted black by a plain script before the
// question box and the button are parsed.
const BARE = `<!DOCTYPE html><html lang="en"><head><meta charset="utf-8"><title>Bare</title>
</head><body style="margin:0"><div id="Form1" style="position:relative;width:432px;height:431px">
<canvas width="432" height="431" style="position:absolute"></canvas>
<script>const c = document.querySelector('canvas').getContext('2d');
c.fillStyle = 'black'; c.fillRect(0, 0, 432, 431);</script>
<textarea style="position:absolute;left:88px;top:72px;width:265px;height:49px">What do you want to know? </textarea>
<button id="Command1" style="position:absolute;left:160px;top:320px;width:121px;height:49px">ASK</button></div>
</body></html>`;

// Put first into each page's head: notes, from navigation on, when the module's decoding
// starts, its instantiation starts and ends, the fonts are ready, the first frame with
// content is painted, and the window is ready to answer.
function watch() {
  const marks = window.zefraStart = {};
  const note = (name, at = performance.now()) => { if (!(name in marks)) marks[name] = at; };
  for (const [owner, name] of [[Uint8Array, 'fromBase64'], [window, 'atob']]) {
    const original = owner[name];
    if (!original) continue;
    owner[name] = function (...args) {
      note('decode');
      return original.apply(this, args);
    };
  }
  const instantiate = WebAssembly.instantiate;
  WebAssembly.instantiate = function (...args) {
    note('instantiate');
    return instantiate.apply(this, args).then((result) => { note('instantiated'); return result; });
  };
  document.fonts?.ready.then(() => note('fonts'));
  new PerformanceObserver((list) => {
    for (const entry of list.getEntries()) {
      if (entry.name === 'first-contentful-paint') note('painted', entry.startTime);
    }
  }).observe({ type: 'paint', buffered: true });
  // A page whose window is in its markup says when it has taken it over: its window is no
  // longer busy. Others (the bare page, and pages that build the window when they start) are
  // ready once the ask button is there.
  const ready = () => {
    const busy = document.getElementById('Form1')?.getAttribute('aria-busy');
    const inMarkup = document.querySelector('meta[name="application-name"]') !== null;
    if (inMarkup ? busy === 'false' : document.getElementById('Command1')) note('ready');
  };
  new MutationObserver(ready).observe(document, { childList: true, subtree: true, attributes: true });
}

async function oneRun(engine, url) {
  const tab = await engine.open(url);
  let marks;
  for (const deadline = Date.now() + 30000; !(marks = await tab.evaluate(
    () => window.zefraStart?.painted && window.zefraStart?.ready && window.zefraStart));) {
    if (Date.now() > deadline) throw new Error(`${url}: not painted, or never ready`);
    await new Promise((resolve) => setTimeout(resolve, 20));
  }
  await tab.close();
  return marks;
}

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const ms = (value) => `${value.toFixed(1)} ms`;

(async () => {
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'zefra-bench-'));
  const watched = (html, name) => pageCopy(html, folder, name, { head: `(${watch})();` });
  const pages = { zefra: watched(fs.readFileSync(zefra, 'utf8'), 'Zefra.html'),
    bare: watched(BARE, 'bare.html') };
  console.log(`${fs.statSync(zefra).size} bytes; median of ${runs} runs each`);
  for (const name of ENGINES) {
    const engine = require(`../tests/web/${name}_test.js`);
    await engine.start();
    await oneRun(engine, pages.bare);  // the first start fills the caches for both
    const runsOf = { zefra: [], bare: [] };
    for (let i = 0; i < Number(runs); i++) {
      runsOf.bare.push(await oneRun(engine, pages.bare));
      runsOf.zefra.push(await oneRun(engine, pages.zefra));
    }
    await engine.stop();
    const [z, b] = ['zefra', 'bare'].map((page) => median(runsOf[page].map((m) => m.painted)));
    console.log(`${engine.name}: navigation to the ball painted  Zefra.html ${ms(z)}  ` +
      `bare page ${ms(b)}  ratio ${(z / b).toFixed(2)};  Zefra.html ready to answer at ` +
      `${ms(median(runsOf.zefra.map((m) => m.ready)))}`);
    if (name !== 'chromium') continue;
    // Each step's median, from the one before it.
    const steps = [['page and script parsed', 'decode'], ['module decoded, runtime set up', 'instantiate'],
      ['module compiled and instantiated', 'instantiated'],
      ['program started, window taken over', 'ready']];
    let from = () => 0;
    const split = steps.map(([what, mark]) => {
      const since = from;
      from = (m) => m[mark];
      return `${what} +${ms(median(runsOf.zefra.map((m) => m[mark] - since(m))))}`;
    });
    console.log(`  Zefra.html: ${split.join(', ')}; ball painted at ${ms(z)}; fonts ready at ` +
      `${ms(median(runsOf.zefra.map((m) => m.fonts)))}`);
  }
  fs.rmSync(folder, { recursive: true });
})();
