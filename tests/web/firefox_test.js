// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT

// Zefra.html in Debian's Firefox ESR, headless, driven by Puppeteer over WebDriver BiDi: the
// cases every engine runs.
//   node --test firefox_test.js   (ZEFRA_PAGE names the built Zefra.html)
'use strict';

const puppeteer = require('puppeteer-core');
const { describeEngine, driverTab } = require('./cases');

let browser;

// 'Shift+Tab' as its keys held down in turn, the last pressed, then all let go. Puppeteer
// names the space bar by its character.
async function press(keyboard, keys) {
  const [key, ...held] = keys.split('+').reverse();
  for (const modifier of held.reverse()) await keyboard.down(modifier);
  await keyboard.press(key === 'Space' ? ' ' : key);
  for (const modifier of held.reverse()) await keyboard.up(modifier);
}

// The engine as every case and the start-up benchmark drive it.
const engine = {
  name: 'Firefox',
  cannot: {
    accessibility: 'WebDriver BiDi has no reading of the accessibility tree; the names are ' +
      'checked as the page tells them',
    dark: 'Puppeteer switches the theme only over the DevTools protocol, which Firefox lacks',
  },
  async start() {
    browser = await puppeteer.launch({
      browser: 'firefox',
      executablePath: '/usr/bin/firefox-esr',
      headless: true,
    });
  },
  stop: () => browser?.close(),
  async open(url, { viewport = { width: 1280, height: 720 }, scale = 1 } = {}) {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    return driverTab(page, context, url, {
      press: (keys) => press(page.keyboard, keys),
      resize: (width, height) => page.setViewport({ width, height, deviceScaleFactor: scale }),
      beforeLoad: () => page.setViewport({ ...viewport, deviceScaleFactor: scale }),
    });
  },
};
module.exports = engine;
if (require.main === module) describeEngine(engine);
