// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT

// Zefra.html in Debian's Chromium, headless, driven by Playwright over the DevTools protocol:
// the cases every engine runs, read back through the browser's own accessibility tree too;
// then what only Chromium's protocol tells: the page's files, a phone's touch screen, and the
// web app's installability and life offline.
//   node --test chromium_test.js   (ZEFRA_PAGE names the built Zefra.html, beside web-app/)
'use strict';

const assert = require('node:assert/strict');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { after, before, describe, it } = require('node:test');
const { chromium } = require('playwright-core');
const { FIRST_REPLIES, PAGE, ask, describeEngine, dialogOpen, driverTab, serve,
  until, programReady } = require('./cases');

const WEB_APP = PAGE && path.join(path.dirname(PAGE), 'web-app');

const LAUNCH = {
  executablePath: '/usr/bin/chromium',
  args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
    '--disable-background-networking', '--disable-component-update', '--disable-sync'],
};
let browser;

// A tab in a browser context, with what only Chromium's protocol does besides.
async function tabIn(context, url) {
  const page = await context.newPage();
  return {
    ...await driverTab(page, context, url, {
      press: (keys) => page.keyboard.press(keys),
      resize: (width, height) => page.setViewportSize({ width, height }),
    }),
    emulateDark: () => page.emulateMedia({ colorScheme: 'dark' }),
    // What an element shows, if it is shown, read by the driver, which works with the page's
    // scripts off.
    text: async (selector) => ((await page.locator(selector).isVisible())
      ? page.locator(selector).innerText() : ''),
    async accessible(selector) {
      const session = await context.newCDPSession(page);
      const { root } = await session.send('DOM.getDocument');
      const { nodeId } = await session.send('DOM.querySelector', { nodeId: root.nodeId, selector });
      const { nodes: [node] } = await session.send('Accessibility.getPartialAXTree',
        { nodeId, fetchRelatives: false });
      await session.detach();
      return { role: node.role.value, name: node.name.value };
    },
  };
}

// A tab of a new browser context of its own, which keeps nothing once closed.
async function newTab(url, options = {}) {
  return tabIn(await browser.newContext(options), url);
}

// The engine as every case and the start-up benchmark drive it.
const engine = {
  name: 'Chromium',
  async start() {
    browser = await chromium.launch(LAUNCH);
  },
  stop: () => browser?.close(),
  open: (url, { viewport, scale, scripts = true } = {}) =>
    newTab(url, { viewport, deviceScaleFactor: scale, javaScriptEnabled: scripts }),
};
module.exports = engine;
if (require.main === module) describeEngine(engine);

// The width and height a PNG file's header gives.
function pngSize(bytes) {
  assert.equal(bytes.subarray(1, 4).toString('latin1'), 'PNG');
  return [bytes.readUInt32BE(16), bytes.readUInt32BE(20)];
}

function policyOf(html) {
  return html.match(/http-equiv="Content-Security-Policy" content="([^"]*)"/)[1];
}

if (require.main === module) describe('Zefra.html and the web app in Chromium', () => {
  let served;

  before(async () => {
    await engine.start();
    served = await serve(path.dirname(PAGE));
  });

  after(async () => {
    await engine.stop();
    await served?.close();
  });

  it('are small, with the icon inline and a policy that allows no connection elsewhere', () => {
    const html = fs.readFileSync(PAGE, 'utf8');
    assert.ok(html.length <= 128 * 1024, `Zefra.html is ${html.length} bytes`);
    assert.equal(policyOf(html), policyOf(html).replace(/'self'|connect-src|https?:|'unsafe-/, ''));
    assert.match(policyOf(html), /default-src 'none'.*; img-src data:;/);
    // Nothing is loaded from a file or an address, and the tab's icon is the program's.
    const links = [...html.matchAll(/<(?:script|link|img|iframe)[^>]*\b(?:src|href)="([^"]*)"/g)];
    assert.deepEqual(links.map((link) => link[1].slice(0, 22)), ['data:image/png;base64,']);
    assert.deepEqual(pngSize(Buffer.from(links[0][1].slice(22), 'base64')), [32, 32]);

    const files = fs.readdirSync(WEB_APP).sort();
    assert.deepEqual(files, ['NOTICES.txt', 'icon-192.png', 'icon-512.png',
      'icon-maskable-512.png', 'index.html', 'manifest.webmanifest', 'service-worker.js']);
    const total = files.reduce((sum, file) => sum + fs.statSync(path.join(WEB_APP, file)).size, 0);
    assert.ok(total <= 256 * 1024, `the web app is ${total} bytes`);
    const index = policyOf(fs.readFileSync(path.join(WEB_APP, 'index.html'), 'utf8'));
    assert.match(index, /img-src data: 'self'; manifest-src 'self'; worker-src 'self';/);
    assert.doesNotMatch(index, /connect-src|https?:|'unsafe-/);
    const manifest = JSON.parse(fs.readFileSync(path.join(WEB_APP, 'manifest.webmanifest')));
    assert.equal(manifest.name, 'Zefra');
    assert.equal(manifest.display, 'standalone');
    for (const icon of manifest.icons) {
      assert.equal(pngSize(fs.readFileSync(path.join(WEB_APP, icon.src))).join('x'), icon.sizes);
    }
    assert.ok(manifest.icons.some((icon) => icon.purpose === 'maskable'));
  });

  it('takes a finger on a phone\'s touch screen: a tap asks, and OK is a finger\'s size',
    async () => {
      const phone = await newTab(`${served.url}Zefra.html`, { viewport: { width: 360,
        height: 640 }, deviceScaleFactor: 3, hasTouch: true, isMobile: true });
      await until(phone, programReady);
      const { text, ok } = await ask(phone, {
        press: () => phone.page.tap('#Command1'),
        read: () => ({ text: document.getElementById('zefra-dialog-text').textContent,
          ok: document.querySelector('dialog[open] button').getBoundingClientRect().toJSON() }),
        dismiss: () => phone.page.tap('dialog[open] button'),
      });
      assert.equal(text, FIRST_REPLIES[0]);
      assert.ok(ok.width >= 44 && ok.height >= 44, JSON.stringify(ok));
      assert.deepEqual(phone.messages, []);
      await phone.close();

      // With a mouse, OK keeps the size of a desktop's button.
      const desktop = await newTab(`${served.url}Zefra.html`);
      await until(desktop, programReady);
      await desktop.page.click('#Command1');
      await until(desktop, dialogOpen);
      assert.ok((await desktop.page.locator('dialog[open] button').boundingBox()).height < 44);
      await desktop.close();
    });

  it('installs as a web app that keeps working with the network cut', async () => {
    // A profile of its own: a browser context that keeps nothing cannot install an app.
    const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'zefra-profile-'));
    const app = await tabIn(await chromium.launchPersistentContext(profile, LAUNCH),
      `${served.url}web-app/`);
    const session = await app.context.newCDPSession(app.page);
    await until(app, () => navigator.serviceWorker.controller?.state === 'activated');
    assert.deepEqual((await session.send('Page.getInstallabilityErrors')).installabilityErrors,
      []);
    const { errors } = await session.send('Page.getAppManifest');
    assert.deepEqual(errors, []);

    await app.context.setOffline(true);
    const asked = served.asked.length;
    await app.page.reload();
    await until(app, programReady);
    assert.equal((await ask(app)).text, FIRST_REPLIES[0]);
    assert.equal(served.asked.length, asked, 'nothing reached the server');
    assert.deepEqual(app.messages, []);
    await app.close();
    fs.rmSync(profile, { recursive: true });
  });
});
