// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT

// Zefra.html against a bare page with the same elements and no WebAssembly, in headless
// Chromium: the time from navigation to the ball's black being on the canvas, as the page
// itself sees it. Runs alternate between the two pages; the ratio is of the medians.
//   node web_start_bench.js ZEFRA_HTML [RUNS]
'use strict';

const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { pathToFileURL } = require('node:url');
const { chromium } = require(path.join(__dirname, '../tests/web/node_modules/playwright-core'));

const [zefra, runs = '15'] = process.argv.slice(2);
// The yardstick: the same canvas, question box and button, painted black by a plain script.
const BARE = `<!DOCTYPE html><html lang="en"><head><meta charset="utf-8"><title>Bare</title></head>
<body style="margin:0"><div style="position:relative;width:432px;height:431px">
<canvas width="432" height="431" style="position:absolute"></canvas>
<textarea style="position:absolute;left:88px;top:72px;width:265px;height:49px">What do you want to know? </textarea>
<button style="position:absolute;left:160px;top:320px;width:121px;height:49px">ASK</button></div>
<script>const c = document.querySelector('canvas').getContext('2d');
c.fillStyle = 'black'; c.fillRect(0, 0, 432, 431);</script></body></html>`;

// Watches every frame for the ball's black at a point inside it; notes when it is there.
function watchForTheBall() {
  const check = () => {
    const canvas = document.querySelector('canvas');
    if (canvas && canvas.width > 0) {
      const ratio = canvas.width / 432;
      const [r, g, b, a] = canvas.getContext('2d')
        .getImageData(Math.floor(40 * ratio), Math.floor(216 * ratio), 1, 1).data;
      if (r === 0 && g === 0 && b === 0 && a === 255) {
        window.ballPaintedAt = performance.now();
        return;
      }
    }
    requestAnimationFrame(check);
  };
  requestAnimationFrame(check);
}

async function oneRun(browser, url) {
  const context = await browser.newContext();
  const page = await context.newPage();
  await page.addInitScript(watchForTheBall);
  await page.goto(url);
  const painted = await (await page.waitForFunction(() => window.ballPaintedAt)).jsonValue();
  await context.close();
  return painted;
}

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

(async () => {
  const bare = path.join(fs.mkdtempSync(path.join(os.tmpdir(), 'zefra-bench-')), 'bare.html');
  fs.writeFileSync(bare, BARE);
  const browser = await chromium.launch({
    executablePath: '/usr/bin/chromium',
    args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
      '--disable-component-update', '--disable-sync'],
  });
  const pages = { zefra: pathToFileURL(zefra).href, bare: pathToFileURL(bare).href };
  await oneRun(browser, pages.bare);  // the first start fills the caches for both
  const times = { zefra: [], bare: [] };
  for (let i = 0; i < Number(runs); i++) {
    times.bare.push(await oneRun(browser, pages.bare));
    times.zefra.push(await oneRun(browser, pages.zefra));
  }
  await browser.close();
  const [z, b] = [median(times.zefra), median(times.bare)];
  console.log(`headless Chromium, median of ${runs} runs each, ${fs.statSync(zefra).size} bytes`);
  console.log(`navigation to the ball painted (ms)  Zefra.html ${z.toFixed(1)}  bare page ` +
    `${b.toFixed(1)}  ratio ${(z / b).toFixed(2)}`);
})();
