// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT

// Zefra.html in WebKitGTK's MiniBrowser, the engine of Safari and of every browser on an
// iPhone, driven by Selenium over W3C WebDriver (Debian's WebKitWebDriver), on an X server of
// its own: the cases every engine runs. Where the classic protocol falls short:
// - It has no console log, and MiniBrowser's setting that copies console messages to its output
//   does not reach the windows that automation opens. So the page's console and its uncaught
//   errors are noted from inside the page, from the moment the driver has it loaded.
// - MiniBrowser's window is never narrower than its tool bar, so a phone's screen is a frame
//   of that size on a page of its own.
//   node --test webkit_test.js   (ZEFRA_PAGE names the built Zefra.html; needs Xvfb)
'use strict';

const { spawn } = require('node:child_process');
const fs = require('node:fs');
const { Builder, By, Key, Origin } = require('selenium-webdriver');
const { DriverService } = require('selenium-webdriver/remote');
const { describeEngine, pressKeys } = require('./cases');

// In the library folder of the machine's processor, where Debian's WebKitGTK puts it.
const MINIBROWSER = fs.readdirSync('/usr/lib')
  .map((folder) => `/usr/lib/${folder}/webkit2gtk-4.1/MiniBrowser`)
  .find((file) => fs.existsSync(file));
const KEYS = { Enter: Key.ENTER, Escape: Key.ESCAPE, Tab: Key.TAB, Space: Key.SPACE,
  End: Key.END, Shift: Key.SHIFT, Control: Key.CONTROL };

let display;
let webDriver;
let server;

// Notes every console message, uncaught error and refusal by the page's policy, from now on.
function noteMessages() {
  if (window.zefraTestMessages) return;
  const noted = window.zefraTestMessages = [];
  for (const level of ['log', 'info', 'warn', 'error', 'debug']) {
    const original = console[level];
    console[level] = (...args) => {
      noted.push(`${level === 'warn' ? 'warning' : level}: ${args.join(' ')}`);
      original.apply(console, args);
    };
  }
  addEventListener('error', (event) => noted.push(`uncaught: ${event.message}`));
  addEventListener('unhandledrejection', (event) => noted.push(`uncaught: ${event.reason}`));
  document.addEventListener('securitypolicyviolation',
    (event) => noted.push(`error: refused ${event.blockedURI} (${event.violatedDirective})`));
}

async function open(url, { viewport } = {}) {
  const driver = await new Builder().usingServer(server).withCapabilities({
    browserName: 'MiniBrowser',
    'webkitgtk:browserOptions': { binary: MINIBROWSER, args: ['--automation'] },
  }).build();
  const messages = [];
  const inPage = (fn, arg) => driver.executeScript(fn, arg);
  async function enter() {
    if (viewport) await driver.switchTo().frame(0);
    await inPage(noteMessages);
  }
  async function collect() {
    messages.push(...(await inPage(() => window.zefraTestMessages ?? [])));
    await inPage(() => { window.zefraTestMessages = []; });
  }
  if (viewport) {
    await driver.manage().window().setRect({ width: 1280, height: 900 });
    await driver.get(`data:text/html,<body style="margin:0"><iframe src="${encodeURI(url)}" ` +
      `style="border:0;display:block;width:${viewport.width}px;height:${viewport.height}px">`);
  } else {
    await driver.get(url);
  }
  await enter();
  async function keys(combination) {
    let actions = driver.actions();
    await pressKeys(combination, (key) => { actions = actions.keyDown(KEYS[key] ?? key); },
      (key) => { actions = actions.keyUp(KEYS[key] ?? key); });
    await actions.perform();
  }
  return {
    messages,
    evaluate: inPage,
    // WebDriver's scripts run outside the page's security policy.
    addScript: (source) => driver.executeScript(source),
    click: async (selector) => (await driver.findElement(By.css(selector))).click(),
    clickAt: (x, y) => driver.actions().move({ x, y, origin: Origin.VIEWPORT }).click().perform(),
    press: keys,
    type: (text) => driver.actions().sendKeys(text).perform(),
    async resize(width, height) {
      await driver.switchTo().defaultContent();
      await driver.executeScript(([w, h]) => {
        Object.assign(document.querySelector('iframe').style,
          { width: `${w}px`, height: `${h}px` });
      }, [width, height]);
      await enter();
    },
    async reload() {
      await collect();
      await driver.navigate().refresh();
      await enter();
    },
    screenshot: async () => Buffer.from(await driver.takeScreenshot(), 'base64'),
    async close() {
      await collect();
      await driver.quit();
    },
    async accessible(selector) {
      const element = await driver.findElement(By.css(selector));
      return { role: await element.getAriaRole(), name: await element.getAccessibleName() };
    },
  };
}

// The engine as every case and the start-up benchmark drive it.
const engine = {
  name: 'WebKit',
  cannot: {
    scale: 'W3C WebDriver cannot set the screen\'s resolution; the ball is checked at 1x',
    dark: 'W3C WebDriver cannot switch the theme',
    layoutShift: 'WebKitGTK reports no layout shifts to the page',
    loadConsole: 'the console is read from inside the page once it has loaded, not during its ' +
      'load: classic WebDriver has no console log',
    scripts: 'W3C WebDriver cannot turn a page\'s scripts off',
  },
  async start() {
    console.log(`WebKit: ${engine.cannot.loadConsole}`);
    // Xvfb picks a free display and writes its number once it is ready for clients.
    display = spawn('Xvfb', ['-displayfd', '3', '-screen', '0', '1280x1024x24', '-nolisten',
      'tcp'], { stdio: ['ignore', 'ignore', 'ignore', 'pipe'] });
    const displayNumber = await new Promise((resolve, reject) => {
      display.stdio[3].once('data', (data) => resolve(String(data).trim()));
      display.once('exit', () => reject(new Error('Xvfb did not start')));
    });
    // On a free port of 127.0.0.1, and answering, once started.
    webDriver = new DriverService.Builder('/usr/bin/WebKitWebDriver').setLoopback(true)
      .setEnvironment({ ...process.env, DISPLAY: `:${displayNumber}`, GDK_BACKEND: 'x11' })
      .build();
    server = await webDriver.start();
  },
  async stop() {
    webDriver?.kill();
    display?.kill();
  },
  open,
};
module.exports = engine;
if (require.main === module) describeEngine(engine);
