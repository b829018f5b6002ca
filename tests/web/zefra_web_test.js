// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT

// Zefra.html in Debian's Chromium, headless, driven by Playwright: opened from disk and served
// over HTTP, read back from the page, its pixels and the browser's own accessibility tree.
//   node --test zefra_web_test.js   (ZEFRA_PAGE names the built Zefra.html)
'use strict';

const assert = require('node:assert/strict');
const fs = require('node:fs');
const http = require('node:http');
const { after, before, describe, it } = require('node:test');
const { pathToFileURL } = require('node:url');
const { chromium } = require('playwright-core');

const PAGE = process.env.ZEFRA_PAGE;
const INITIAL = 'What do you want to know? \n';
const PROMPT = 'Enter in a question, please.';
// The first replies of every fresh start, on every platform: indices 24, 4, 27, 25, 3, 29, 27,
// 6, 18 and 9 of the answer table.
const FIRST_REPLIES = ["It's a secret.", 'Maybe', "I'm absolutely sure.",
  "I'll tell you if you give me a cookie.", "It's possible", 'Stop staring',
  "I'm absolutely sure.", 'Nope', 'I believe so.', 'Ask again.'];
const FIRST_ECHO = 22;  // the 22nd reply of a fresh start repeats the question

let browser;
let server;
let served;

async function open(url, options = {}) {
  const context = await browser.newContext(options);
  const page = await context.newPage();
  const requests = [];
  page.on('request', (request) => requests.push(request.url()));
  const errors = [];
  page.on('pageerror', (error) => errors.push(error.message));
  page.on('console', (message) => message.type() === 'error' && errors.push(message.text()));
  await page.goto(url);
  await page.locator('#Command1').waitFor();
  return { page, requests, errors, close: () => context.close() };
}

// Presses ASK as the user chooses, and returns what the dialog said and what the box held
// meanwhile; dismisses the dialog with the given key.
async function ask(page, press = () => page.click('#Command1'), dismiss = 'Enter') {
  await press();
  const dialog = page.locator('dialog[open]');
  await dialog.waitFor();
  const shown = await page.evaluate(() => ({
    title: document.getElementById('zefra-dialog-title').textContent,
    text: document.getElementById('zefra-dialog-text').textContent,
    focus: document.activeElement.textContent,
    question: document.getElementById('Text1').value,
  }));
  await page.keyboard.press(dismiss);
  // Gone from the page only once the program has gone on past it.
  await page.locator('dialog').waitFor({ state: 'detached' });
  return shown;
}

function pixel(page, x, y) {
  return page.evaluate(([px, py]) => {
    const canvas = document.querySelector('#Form1 canvas');
    const ratio = canvas.width / canvas.offsetWidth;
    const data = canvas.getContext('2d').getImageData(Math.floor(px * ratio),
      Math.floor(py * ratio), 1, 1).data;
    return `rgb(${data[0]}, ${data[1]}, ${data[2]})`;
  }, [x, y]);
}

before(async () => {
  assert.ok(PAGE && fs.existsSync(PAGE), 'ZEFRA_PAGE names the built Zefra.html');
  browser = await chromium.launch({
    executablePath: '/usr/bin/chromium',
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
  const html = fs.readFileSync(PAGE);
  server = http.createServer((request, response) => {
    response.writeHead(200, { 'Content-Type': 'text/html; charset=utf-8' });
    response.end(html);
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  served = `http://127.0.0.1:${server.address().port}/Zefra.html`;
});

after(async () => {
  await browser?.close();
  server?.close();
});

describe('Zefra.html', () => {
  it('is one self-contained file of at most 256 KiB with a policy that allows no connection', () => {
    assert.ok(fs.statSync(PAGE).size <= 256 * 1024, `${fs.statSync(PAGE).size} bytes`);
    const html = fs.readFileSync(PAGE, 'utf8');
    const policy = html.match(/http-equiv="Content-Security-Policy" content="([^"]*)"/)[1];
    assert.match(policy, /default-src 'none'/);
    assert.doesNotMatch(policy, /connect-src|'unsafe-eval'|'unsafe-inline'|https?:/);
    assert.doesNotMatch(html, /<(script|link|img|iframe)[^>]*\b(src|href)=/);
  });

  it('starts with the question and the focus in the box, and answers in order', async () => {
    const { page, requests, errors, close } = await open(served);
    assert.equal(await page.inputValue('#Text1'), INITIAL);
    assert.equal(await page.evaluate(() => document.activeElement.id), 'Text1');
    assert.equal(await page.title(), 'Form1');

    // The initial text is a question: the reply comes while it is still in the box; then the
    // box is emptied and the focus is on ASK.
    const first = await ask(page);
    assert.deepEqual(first, { title: 'Zefra', text: FIRST_REPLIES[0], focus: 'OK',
      question: INITIAL });
    assert.equal(await page.inputValue('#Text1'), '');
    assert.equal(await page.evaluate(() => document.activeElement.id), 'Command1');

    // An empty box brings the prompt and draws nothing.
    assert.equal((await ask(page, undefined, 'Escape')).text, PROMPT);
    const replies = [first.text];
    for (let i = 1; i < FIRST_REPLIES.length; i++) {
      await page.fill('#Text1', `Question ${i}?`);
      replies.push((await ask(page)).text);
    }
    assert.deepEqual(replies, FIRST_REPLIES);

    // A reload is a fresh start.
    await page.reload();
    await page.locator('#Command1').waitFor();
    assert.equal((await ask(page)).text, FIRST_REPLIES[0]);
    assert.deepEqual(requests, [served, served], 'nothing but the page itself, twice');
    assert.deepEqual(errors, []);
    await close();
  });

  it('takes keys as a dialog does: Enter types in the box, Tab moves, Enter and Space press ASK',
    async () => {
      const { page, close } = await open(served);
      await page.keyboard.press('Control+End');
      await page.keyboard.type('Rain?');
      await page.keyboard.press('Enter');
      assert.equal(await page.inputValue('#Text1'), `${INITIAL}Rain?\n`);
      assert.equal(await page.locator('dialog').count(), 0, 'Enter in the box does not ask');
      await page.keyboard.press('Tab');
      assert.equal(await page.evaluate(() => document.activeElement.id), 'Command1');
      const shown = await ask(page, async () => {
        await page.keyboard.press('Enter');
        // While the box is up, the window takes no input: neither clicks nor keys reach it.
        await page.locator('dialog[open]').waitFor();
        await page.mouse.click(220, 344);
        await page.mouse.click(150, 90);
        await page.keyboard.press('Tab');
        await page.keyboard.type('x');
        assert.equal(await page.locator('dialog').count(), 1);
      });
      assert.deepEqual(shown, { title: 'Zefra', text: FIRST_REPLIES[0], focus: 'OK',
        question: `${INITIAL}Rain?\n` });
      assert.equal((await ask(page, () => page.keyboard.press('Space'))).text, PROMPT);
      await page.keyboard.press('Shift+Tab');
      assert.equal(await page.evaluate(() => document.activeElement.id), 'Text1');
      await close();
    });

  it('echoes the question exactly, as text, whatever it holds', async () => {
    const { page, close } = await open(pathToFileURL(PAGE).href);
    for (let i = 1; i < FIRST_ECHO; i++) {
      await page.fill('#Text1', 'Again?');
      await ask(page);
    }
    // A no-break space, a tab, an emoji, markup, line breaks and a lone surrogate.
    const question = 'Will it\u00a0rain\ttoday? \u{1F327}\n<b>Yes</b> &amp; <i>no</i>\n\n\ud800!';
    await page.evaluate((text) => { document.getElementById('Text1').value = text; }, question);
    await page.click('#Command1');
    await page.locator('dialog[open]').waitFor();
    const shown = await page.evaluate(() => {
      const text = document.getElementById('zefra-dialog-text');
      return { units: Array.from(text.textContent, (c) => c.codePointAt(0)),
        elements: text.children.length };
    });
    assert.deepEqual(shown.units, Array.from(question, (c) => c.codePointAt(0)));
    assert.equal(shown.elements, 0, 'markup is shown as text');
    await page.keyboard.press('Enter');
    await page.locator('dialog').waitFor({ state: 'detached' });

    // A megabyte-long echo stays inside the screen, with its OK in reach: the 61st reply.
    for (let i = FIRST_ECHO + 1; i < 61; i++) {
      await page.fill('#Text1', 'Again?');
      await ask(page);
    }
    await page.evaluate(() => {
      document.getElementById('Text1').value = 'Why? '.repeat(1 << 18).slice(0, 1 << 20);
    });
    await page.click('#Command1');
    await page.locator('dialog[open]').waitFor();
    const box = await page.locator('dialog[open]').boundingBox();
    const viewport = page.viewportSize();
    assert.ok(box.x >= 0 && box.y >= 0 && box.x + box.width <= viewport.width &&
      box.y + box.height <= viewport.height, JSON.stringify(box));
    assert.equal(await page.evaluate(() =>
      document.getElementById('zefra-dialog-text').textContent.length), 1 << 20);
    await page.getByRole('button', { name: 'OK' }).click();
    await page.locator('dialog').waitFor({ state: 'detached' });
    assert.equal(await page.inputValue('#Text1'), '');
    await close();
  });

  it('reports a failure of the page on the console and in a dialog, then takes no input',
    async () => {
      const { page, errors, close } = await open(served);
      // The question box can no longer be read, as when the page has lost it.
      await page.evaluate(() => { ZefraPage.questionBox = null; });
      await page.click('#Command1');
      await page.locator('dialog[open]').waitFor();
      assert.equal(await page.textContent('#zefra-dialog-title'), 'Zefra');
      assert.match(await page.textContent('#zefra-dialog-text'),
        /the question box could not be read/);
      assert.ok(await page.evaluate(() => document.getElementById('Form1').inert));
      assert.ok(errors.includes('Zefra: fatal failure: the question box could not be read'),
        errors.join('\n'));
      assert.equal(errors.length, 1, errors.join('\n'));
      await close();
    });

  it('tells assistive technology the same names as the desktop', async () => {
    const { page, close } = await open(served);
    const session = await page.context().newCDPSession(page);
    const tree = async () => (await session.send('Accessibility.getFullAXTree')).nodes
      .filter((node) => !node.ignored)
      .map((node) => ({ role: node.role?.value, name: node.name?.value,
        description: node.description?.value }));
    const nodes = await tree();
    assert.ok(nodes.some((n) => n.role === 'textbox' && n.name === 'Question'));
    assert.ok(nodes.some((n) => n.role === 'button' && n.name === 'ASK'));
    assert.ok(nodes.some((n) => n.role === 'StaticText' && n.name === '8'));
    await page.click('#Command1');
    await page.locator('dialog[open]').waitFor();
    const dialog = (await tree()).find((n) => n.role === 'alertdialog');
    assert.deepEqual(dialog, { role: 'alertdialog', name: 'Zefra',
      description: FIRST_REPLIES[0] });
    await close();
  });

  it('paints the ball sharp at the screen\'s resolution, in the theme\'s colours', async () => {
    const { page, close } = await open(served, { deviceScaleFactor: 2 });
    assert.equal(await page.evaluate(() => document.querySelector('#Form1 canvas').width), 864);
    const face = await page.evaluate(() => {
      const probe = document.createElement('span');
      probe.style.color = 'ButtonFace';
      document.body.append(probe);
      return getComputedStyle(probe).color;
    });
    assert.equal(await pixel(page, 1, 1), face, 'a corner outside the ball');
    assert.equal(await pixel(page, 430, 429), face, 'the corner at the bottom right');
    assert.equal(await pixel(page, 40, 216), 'rgb(0, 0, 0)', 'the ball');
    assert.equal(await pixel(page, 216, 20), 'rgb(0, 0, 0)', 'the ball above the box');
    const field = await pixel(page, 150, 224);
    assert.notEqual(field, 'rgb(0, 0, 0)', 'the inner disc');
    await page.emulateMedia({ colorScheme: 'dark' });
    await page.waitForFunction((light) => {
      const canvas = document.querySelector('#Form1 canvas');
      const data = canvas.getContext('2d').getImageData(300, 448, 1, 1).data;
      return `rgb(${data[0]}, ${data[1]}, ${data[2]})` !== light;
    }, field);
    await close();
  });

  it('fits a phone\'s 360-pixel screen whole, and keeps its size on a wide one', async () => {
    const narrow = await open(served, { viewport: { width: 360, height: 640 } });
    const fit = await narrow.page.evaluate(() => ({
      scroll: document.documentElement.scrollWidth,
      area: document.getElementById('zefra-area').getBoundingClientRect().width,
      button: document.getElementById('Command1').getBoundingClientRect().right,
    }));
    assert.ok(fit.scroll <= 360 && fit.area <= 360 && fit.button <= 360, JSON.stringify(fit));
    await narrow.close();
    const wide = await open(served, { viewport: { width: 1200, height: 800 } });
    const before = await wide.page.locator('#Command1').boundingBox();
    await wide.page.setViewportSize({ width: 500, height: 500 });
    assert.deepEqual(await wide.page.locator('#Command1').boundingBox(), before);
    assert.deepEqual(await wide.page.locator('#Form1').boundingBox(),
      { x: 0, y: 0, width: 432, height: 431 });
    await wide.close();
  });
});
