// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT

// Zefra.html against a bare page with the same elements and no WebAssembly, in each engine the
// browser tests drive (headless Chromium and Firefox ESR, WebKitGTK's MiniBrowser on an X
// server of its own), with the browser tests' own drivers: the time from navigation to the
// ball's black being on the canvas, as the page itself sees it. Runs alternate between the two
// pages; the ratio is of the medians. For Chromium also where Zefra's time goes.
//   node web_start_bench.js ZEFRA_HTML [RUNS] [ENGINE...]   (chromium, firefox, webkit)
'use strict';

const crypto = require('node:crypto');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { pathToFileURL } = require('node:url');

const [zefra, runs = '15', ...chosen] = process.argv.slice(2);
const ENGINES = chosen.length ? chosen : ['chromium', 'firefox', 'webkit'];
// The yardstick: the same canvas, question box and button, painted black by a plain script.
const BARE = `<!DOCTYPE html><html lang="en"><head><meta charset="utf-8"><title>Bare</title>
</head><body style="margin:0"><div style="position:relative;width:432px;height:431px">
<canvas width="432" height="431" style="position:absolute"></canvas>
<textarea style="position:absolute;left:88px;top:72px;width:265px;height:49px">What do you want to know? </textarea>
<button style="position:absolute;left:160px;top:320px;width:121px;height:49px">ASK</button></div>
<script>const c = document.querySelector('canvas').getContext('2d');
c.fillStyle = 'black'; c.fillRect(0, 0, 432, 431);</script></body></html>`;

// Put first into each page's head: notes, from navigation on, when the module's decoding
// starts, its instantiation starts and ends, the window's elements are in the page, the fonts
// are ready, and the ball's black is on the canvas (checked every frame at a point inside it).
function watch() {
  const marks = window.zefraStart = {};
  const note = (name) => { if (!(name in marks)) marks[name] = performance.now(); };
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
  new MutationObserver(() => document.querySelector('canvas') && note('window'))
    .observe(document, { childList: true, subtree: true });
  document.fonts?.ready.then(() => note('fonts'));
  const check = () => {
    const canvas = document.querySelector('canvas');
    if (canvas && canvas.width > 0) {
      const ratio = canvas.width / 432;
      const [r, g, b, a] = canvas.getContext('2d')
        .getImageData(Math.floor(40 * ratio), Math.floor(216 * ratio), 1, 1).data;
      if (r === 0 && g === 0 && b === 0 && a === 255) return note('painted');
    }
    requestAnimationFrame(check);
  };
  requestAnimationFrame(check);
}

// A copy of a page with the watcher first in its head, and its hash in the page's policy.
function watchedCopy(html, folder, name) {
  const script = `(${watch})();`;
  const hash = `'sha256-${crypto.createHash('sha256').update(script).digest('base64')}'`;
  const copy = html.replace('script-src ', `script-src ${hash} `)
    .replace('<head>', `<head><script>${script}</script>`);
  const file = path.join(folder, name);
  fs.writeFileSync(file, copy);
  return pathToFileURL(file).href;
}

async function oneRun(engine, url) {
  const tab = await engine.open(url);
  let marks;
  for (const deadline = Date.now() + 30000; !(marks = await tab.evaluate(
    () => window.zefraStart?.painted && window.zefraStart));) {
    if (Date.now() > deadline) throw new Error(`${url}: the ball was not painted`);
    await new Promise((resolve) => setTimeout(resolve, 20));
  }
  await tab.close();
  return marks;
}

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const ms = (value) => `${value.toFixed(1)} ms`;

(async () => {
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'zefra-bench-'));
  const pages = { zefra: watchedCopy(fs.readFileSync(zefra, 'utf8'), folder, 'Zefra.html'),
    bare: watchedCopy(BARE, folder, 'bare.html') };
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
      `bare page ${ms(b)}  ratio ${(z / b).toFixed(2)}`);
    if (name !== 'chromium') continue;
    // Each step's median, from the one before it.
    const steps = [['page and script parsed', 'decode'], ['module decoded, runtime set up', 'instantiate'],
      ['module compiled and instantiated', 'instantiated'],
      ['program started, window built', 'window'], ['ball painted', 'painted']];
    let from = () => 0;
    const split = steps.map(([what, mark]) => {
      const since = from;
      from = (m) => m[mark];
      return `${what} +${ms(median(runsOf.zefra.map((m) => m[mark] - since(m))))}`;
    });
    console.log(`  Zefra.html: ${split.join(', ')}; fonts ready at ` +
      `${ms(median(runsOf.zefra.map((m) => m.fonts)))}`);
  }
  fs.rmSync(folder, { recursive: true });
})();
