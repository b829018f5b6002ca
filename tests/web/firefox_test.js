// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT

// Zefra.html in Debian's Firefox ESR, headless, driven by Puppeteer over WebDriver BiDi: the
// cases every engine runs.
//   node --test firefox_test.js   (ZEFRA_PAGE names the built Zefra.html; ZEFRA_FIREFOX, where
//   set, another Firefox than Debian's)
'use strict';

const puppeteer = require('puppeteer-core');
const { describeEngine, driverTab, pressKeys, until } = require('./cases');

let browser;

// Puppeteer names the space bar by its character.
function press(keyboard, keys) {
  const named = (key) => (key === 'Space' ? ' ' : key);
  return pressKeys(keys, (key) => keyboard.down(named(key)), (key) => keyboard.up(named(key)));
}

// Puppeteer sends a screen orientation beside each viewport, which ESR 140's WebDriver BiDi
// does not know. The viewport itself is set all the same: that one refusal is let pass once the
// page has the size asked for.
async function setViewport(page, viewport) {
  try {
    await page.setViewport(viewport);
  } catch (error) {
    if (!error.message.includes('setScreenOrientationOverride')) throw error;
    await until({ evaluate: (fn, arg) => page.evaluate(fn, arg) },
      ([width, height]) => innerWidth === width && innerHeight === height,
      [viewport.width, viewport.height], 'the viewport asked for');
  }
}

// The engine as every case and the start-up benchmark drive it.
const engine = {
  name: 'Firefox',
  cannot: {
    accessibility: 'WebDriver BiDi has no reading of the accessibility tree; the names are ' +
      'checked as the page tells them',
    dark: 'Puppeteer switches the theme only over the DevTools protocol, which Firefox lacks',
    layoutShift: 'Firefox ESR reports no layout shifts to the page',
    scripts: 'Firefox ESR\'s WebDriver BiDi has no command to turn a page\'s scripts off ' +
      '(emulation.setScriptingEnabled)',
  },
  async start() {
    browser = await puppeteer.launch({
      browser: 'firefox',
      executablePath: process.env.ZEFRA_FIREFOX ?? '/usr/bin/firefox-esr',
      headless: true,
    });
  },
  stop: () => browser?.close(),
  async open(url, { viewport = { width: 1280, height: 720 }, scale = 1 } = {}) {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    return driverTab(page, context, url, {
      press: (keys) => press(page.keyboard, keys),
      resize: (width, height) => setViewport(page, { width, height, deviceScaleFactor: scale }),
      beforeLoad: () => setViewport(page, { ...viewport, deviceScaleFactor: scale }),
    });
  },
};
module.exports = engine;
if (require.main === module) describeEngine(engine);
