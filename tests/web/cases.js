// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT

// The browser test's cases, the same in every engine. Each engine's file gives them a driver
// with start(), stop() and open(url, { viewport, scale, scripts }), whose tab has:
// evaluate(fn, arg) in the page, addScript(source) outside its policy, the user's
// click(selector), clickAt(x, y), press('Shift+Tab') and type(text), resize(w, h), reload(),
// screenshot() as PNG bytes, close(), and messages (everything on the console and every
// uncaught error, as text). Where it can: accessible(selector) -> { role, name } as the engine
// tells assistive technology, emulateDark(), and a page opened with scripts: false. What a
// driver or its engine cannot do, its cannot: { accessibility, scale, dark, scripts,
// layoutShift, loadConsole } says why; the case prints that.
'use strict';

const assert = require('node:assert/strict');
const crypto = require('node:crypto');
const fs = require('node:fs');
const http = require('node:http');
const os = require('node:os');
const path = require('node:path');
const zlib = require('node:zlib');
const { after, afterEach, before, describe, it } = require('node:test');
const { pathToFileURL } = require('node:url');

const PAGE = process.env.ZEFRA_PAGE;
const INITIAL = 'What do you want to know? \n';
const PROMPT = 'Enter in a question, please.';
// The first replies of every fresh start, on every platform.
const FIRST_REPLIES = fs.readFileSync(path.join(__dirname, '../first_replies.txt'), 'utf8')
  .split('\n').filter((line) => line && !line.startsWith('#'))
  .map((line) => line.slice(line.indexOf('\t') + 1));
const FIRST_ECHO = 22;  // the 22nd reply of a fresh start repeats the question
const AXE = require.resolve('axe-core/axe.min.js');

const TYPES = { '.html': 'text/html; charset=utf-8', '.js': 'text/javascript',
  '.png': 'image/png', '.webmanifest': 'application/manifest+json' };

// Serves a folder's files on 127.0.0.1, its index.html for the folder itself, and notes every
// path asked for.
async function serve(folder) {
  const asked = [];
  const server = http.createServer((request, response) => {
    const name = decodeURIComponent(new URL(request.url, 'http://x').pathname);
    asked.push(name);
    const file = path.join(folder, name.endsWith('/') ? `${name}index.html` : name);
    if (!file.startsWith(folder) || !fs.existsSync(file) || !fs.statSync(file).isFile()) {
      response.writeHead(404).end();
      return;
    }
    response.writeHead(200, { 'Content-Type': TYPES[path.extname(file)] ?? 'text/plain',
      'Cache-Control': 'no-cache' });
    response.end(fs.readFileSync(file));
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  return { url: `http://127.0.0.1:${server.address().port}/`, asked,
    close: () => new Promise((resolve) => {
      server.closeAllConnections();
      server.close(resolve);
    }) };
}

// Waits until fn(arg), run in the page, gives something true, and gives that back.
async function until(tab, fn, arg, what = String(fn)) {
  for (let tries = 0; tries < 200; tries++) {
    const value = await tab.evaluate(fn, arg);
    if (value) return value;
    await new Promise((resolve) => setTimeout(resolve, 50));
  }
  throw new Error(`timed out waiting for ${what}`);
}

// The window is in the page from its markup on, busy until the program has taken it over.
const windowShown = () => document.getElementById('Command1') !== null;
const programReady = () => document.getElementById('Form1')?.getAttribute('aria-busy') === 'false';
const dialogOpen = () => document.querySelector('dialog[open]') !== null;
const dialogGone = () => document.querySelector('dialog') === null;
const focused = () => document.activeElement.id;
const boxFocused = () => document.activeElement.id === 'Text1';
// The page's layout shift score since it was first painted: 0 unless something painted moved
// by 3 CSS pixels or more between frames; null where the engine does not tell.
function layoutShift() {
  if (!PerformanceObserver.supportedEntryTypes?.includes('layout-shift')) return null;
  const observer = new PerformanceObserver(() => {});
  observer.observe({ type: 'layout-shift', buffered: true });
  const shifts = observer.takeRecords();
  observer.disconnect();
  return shifts.reduce((sum, shift) => sum + shift.value, 0);
}
const questionOf = () => document.getElementById('Text1').value;
function setQuestion(text) { document.getElementById('Text1').value = text; }

// What the dialog says, where the focus is, and what the question box holds meanwhile.
const dialogShown = () => ({
  title: document.getElementById('zefra-dialog-title').textContent,
  text: document.getElementById('zefra-dialog-text').textContent,
  focus: document.activeElement.textContent,
  question: document.getElementById('Text1').value,
});

// Presses ASK as the user chooses (press), reads the dialog in the page while it is up (read),
// and dismisses it (dismiss: a key, or what else the user does); gives back what read gave.
async function ask(tab, { press = () => tab.click('#Command1'), read = dialogShown,
  dismiss = 'Enter' } = {}) {
  await press();
  await until(tab, dialogOpen);
  const shown = await tab.evaluate(read);
  await (typeof dismiss === 'string' ? tab.press(dismiss) : dismiss());
  // Gone from the page only once the program has gone on past it.
  await until(tab, dialogGone);
  return shown;
}

// Presses a combination such as 'Shift+Tab' as a user does: each key held down in turn, then
// all let go, the last first. down(key) and up(key) are the driver's.
async function pressKeys(combination, down, up) {
  const keys = combination.split('+');
  for (const key of keys) await down(key);
  for (const key of keys.reverse()) await up(key);
}

// System colours as the engine paints them, as rgb(...): swatches of them put beside the window
// for one screenshot, read at its resolution. (An engine may paint a system colour otherwise
// than its computed style says.)
async function systemColours(tab, names, ratio = 1) {
  await tab.evaluate((colours) => colours.forEach((css, i) => {
    const swatch = document.createElement('div');
    swatch.className = 'zefra-test-swatch';
    Object.assign(swatch.style, { position: 'fixed', left: `${500 + 20 * i}px`, top: '0',
      width: '10px', height: '10px', background: css });
    document.body.append(swatch);
  }), names);
  const pixel = pixelsOf(await tab.screenshot(), ratio);
  await tab.evaluate(() => document.querySelectorAll('.zefra-test-swatch')
    .forEach((swatch) => swatch.remove()));
  return names.map((name, i) => pixel(505 + 20 * i, 5));
}

async function askAgain(tab, times) {
  for (let i = 0; i < times; i++) {
    await tab.evaluate(setQuestion, 'Again?');
    await ask(tab);
  }
}

// A screenshot's pixels, read at a point in CSS pixels as rgb(...): PNG as the drivers write
// it, 8 bits to a channel, with or without alpha, not interlaced.
function pixelsOf(png, ratio = 1) {
  const width = png.readUInt32BE(16);
  const channels = { 2: 3, 6: 4 }[png[25]];
  assert.ok(png[24] === 8 && channels && png[28] === 0, 'a screenshot in a PNG this can read');
  const chunks = [];
  for (let at = 8; at < png.length; at += png.readUInt32BE(at) + 12) {
    if (png.toString('latin1', at + 4, at + 8) === 'IDAT') {
      chunks.push(png.subarray(at + 8, at + 8 + png.readUInt32BE(at)));
    }
  }
  const data = zlib.inflateSync(Buffer.concat(chunks));
  const stride = width * channels;
  const rows = [];
  for (let y = 0, at = 0; at < data.length; y++, at += stride + 1) {
    // Each row is filtered against the one above it; undone here, as the PNG format defines.
    const row = Buffer.from(data.subarray(at + 1, at + 1 + stride));
    const above = rows[y - 1] ?? Buffer.alloc(stride);
    for (let i = 0; i < stride; i++) {
      const a = i >= channels ? row[i - channels] : 0;
      const b = above[i];
      const c = i >= channels ? above[i - channels] : 0;
      const p = a + b - c;
      const paeth = Math.abs(p - a) <= Math.abs(p - b) && Math.abs(p - a) <= Math.abs(p - c) ? a
        : Math.abs(p - b) <= Math.abs(p - c) ? b : c;
      row[i] += [0, a, b, (a + b) >> 1, paeth][data[at]];
    }
    rows.push(row);
  }
  return (x, y) => {
    const at = Math.floor(x * ratio) * channels;
    const row = rows[Math.floor(y * ratio)];
    return `rgb(${row[at]}, ${row[at + 1]}, ${row[at + 2]})`;
  };
}

// The page's pixels once two screenshots in a row agree: the engine may still be putting the
// focus in the box, or drawing its ring, just after the window is shown.
async function settledScreenshot(tab) {
  let last = await tab.screenshot();
  for (let tries = 0; tries < 20; tries++) {
    await new Promise((resolve) => setTimeout(resolve, 100));
    const next = await tab.screenshot();
    if (next.equals(last)) return next;
    last = next;
  }
  throw new Error('the page kept changing');
}

// A copy of the page in a folder of its own, with a script first in its head (and its hash in
// the page's policy); with hold, the program waits to start until the page calls
// zefraReleaseProgram(). Gives the copy's file URL.
function pageCopy(html, folder, name, { head = '', hold = false } = {}) {
  const hash = (text) => `'sha256-${crypto.createHash('sha256').update(text).digest('base64')}'`;
  let copy = html;
  if (hold) {
    head += 'window.zefraProgramHeld = new Promise((resolve) => { ' +
      'window.zefraReleaseProgram = resolve; });';
    const start = copy.indexOf('<script type="module">') + '<script type="module">'.length;
    const program = copy.slice(start, copy.indexOf('</script>', start));
    const held = `await window.zefraProgramHeld;${program}`;
    copy = copy.replace(hash(program), hash(held)).replace(program, () => held);
  }
  if (head) {
    copy = copy.replace('script-src ', `script-src ${hash(head)} `)
      .replace('<meta charset="utf-8">', `$&<script>${head}</script>`);
  }
  const file = path.join(folder, name);
  fs.writeFileSync(file, copy);
  return pathToFileURL(file).href;
}

// axe-core's report on the page as it is: WCAG 2.2 A and AA, and its best practices.
async function axeViolations(tab) {
  if (!(await tab.evaluate(() => typeof axe !== 'undefined'))) {
    await tab.addScript(fs.readFileSync(AXE, 'utf8'));
  }
  return tab.evaluate(() => axe.run(document, {
    runOnly: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa', 'best-practice'],
  }).then((report) => report.violations.map((v) => `${v.id}: ${v.nodes.length} node(s)`)));
}

// The cases, in one engine, through its driver.
function describeEngine(engine) {
  let served;
  const tabs = new Set();

  // Says, in a line of its own, what the engine leaves out of a case, and why.
  function without(what) {
    assert.ok(engine.cannot?.[what], `${engine.name} says why it cannot do ${what}`);
    console.log(`${engine.name}: not tried: ${engine.cannot[what]}`);
  }

  // A tab with the page, once the program has taken the window over (or, with ready: false,
  // once the window is shown).
  async function open(url, { ready = true, ...options } = {}) {
    const tab = await engine.open(url, options);
    tabs.add(tab);
    await until(tab, ready ? programReady : windowShown);
    return tab;
  }

  // Closes the tab, once the engine has said nothing but the expected while the page was loaded
  // and used, and the page has asked the server for nothing but itself (not even an icon).
  async function close(tab, expected = []) {
    tabs.delete(tab);
    await tab.close();
    assert.deepEqual(tab.messages, expected, 'the console');
    assert.deepEqual(served.asked.filter((name) => name !== '/Zefra.html'), [], 'the requests');
  }

  describe(`Zefra.html in ${engine.name}`, () => {
    before(async () => {
      assert.ok(PAGE && fs.existsSync(PAGE), 'ZEFRA_PAGE names the built Zefra.html');
      await engine.start();
      served = await serve(path.dirname(PAGE));
      served.page = `${served.url}${path.basename(PAGE)}`;
    });

    // A case that failed half-way leaves its tab open.
    afterEach(async () => {
      for (const tab of tabs) await tab.close();
      tabs.clear();
    });

    after(async () => {
      await engine.stop();
      await served?.close();
    });

    it('starts with the question and the focus in the box, and answers in order', async () => {
      const tab = await open(served.page);
      assert.equal(await tab.evaluate(questionOf), INITIAL);
      assert.equal(await tab.evaluate(focused), 'Text1');
      assert.equal(await tab.evaluate(() => document.title), 'Form1');

      // The initial text is a question: the reply comes while it is still in the box; then the
      // box is emptied and the focus is on ASK.
      const first = await ask(tab);
      assert.deepEqual(first, { title: 'Zefra', text: FIRST_REPLIES[0], focus: 'OK',
        question: INITIAL });
      assert.equal(await tab.evaluate(questionOf), '');
      assert.equal(await tab.evaluate(focused), 'Command1');

      // An empty box brings the prompt.
      assert.equal((await ask(tab, { dismiss: 'Escape' })).text, PROMPT);
      const replies = [first.text];
      for (let i = 1; i < FIRST_REPLIES.length; i++) {
        await tab.evaluate(setQuestion, `Question ${i}?`);
        replies.push((await ask(tab)).text);
      }
      assert.deepEqual(replies, FIRST_REPLIES);

      // A reload is a fresh start.
      await tab.reload();
      await until(tab, programReady);
      assert.equal((await ask(tab)).text, FIRST_REPLIES[0]);
      assert.deepEqual(served.asked, ['/Zefra.html', '/Zefra.html']);
      await close(tab);
    });

    it('takes keys as a dialog does: Enter types in the box, Tab moves, Enter and Space press ASK',
      async () => {
        const tab = await open(served.page);
        await tab.press('Control+End');
        await tab.type('Rain?');
        await tab.press('Enter');
        assert.equal(await tab.evaluate(questionOf), `${INITIAL}Rain?\n`);
        assert.ok(await tab.evaluate(dialogGone), 'Enter in the box does not ask');
        await tab.press('Tab');
        assert.equal(await tab.evaluate(focused), 'Command1');
        const shown = await ask(tab, { press: async () => {
          await tab.press('Enter');
          // While the box is up, the window takes no input: neither clicks nor keys reach it.
          await until(tab, dialogOpen);
          await tab.clickAt(220, 344);
          await tab.clickAt(150, 90);
          // Nor the focus, which comes back to OK, as from a screen reader moving it.
          await tab.evaluate(() => document.getElementById('Text1').focus());
          await tab.press('Tab');
          await tab.type('x');
          assert.equal(await tab.evaluate(() => document.querySelectorAll('dialog').length), 1);
        } });
        assert.deepEqual(shown, { title: 'Zefra', text: FIRST_REPLIES[0], focus: 'OK',
          question: `${INITIAL}Rain?\n` });
        assert.equal((await ask(tab, { press: () => tab.press('Space') })).text, PROMPT);
        await tab.press('Shift+Tab');
        assert.equal(await tab.evaluate(focused), 'Text1');
        await close(tab);
      });

    it('echoes the question exactly, as text, whatever it holds', async () => {
      const tab = await open(pathToFileURL(PAGE).href);
      await askAgain(tab, FIRST_ECHO - 1);
      // Byte-order marks first, a no-break space, a tab, an emoji, markup, line breaks and a lone
      // surrogate, then text to a megabyte, which must leave the dialog inside the screen with
      // its OK in reach.
      const odd = '\ufeff\ufffeWill it\u00a0rain\ttoday? \u{1F327}\n' +
        '<b>Yes</b> &amp; <i>no</i>\n\n\ud800!';
      const question = odd + 'Why? '.repeat(1 << 18).slice(0, (1 << 20) - odd.length);
      // The odd characters' code points, and a little of the rest.
      const head = Array.from(question.slice(0, 64), (c) => c.codePointAt(0));
      await tab.evaluate(setQuestion, question);
      // Whether the driver carried the lone surrogate across unchanged.
      assert.deepEqual(await tab.evaluate(() => {
        const sent = document.getElementById('Text1').value;
        return [Array.from(sent.slice(0, 64), (c) => c.codePointAt(0)), sent.length];
      }), [head, 1 << 20]);
      const shown = await ask(tab, { read: () => {
        const text = document.getElementById('zefra-dialog-text').textContent;
        return { head: Array.from(text.slice(0, 64), (c) => c.codePointAt(0)),
          asked: text === document.getElementById('Text1').value, length: text.length,
          elements: document.getElementById('zefra-dialog-text').children.length,
          box: document.querySelector('dialog[open]').getBoundingClientRect().toJSON(),
          screen: { width: innerWidth, height: innerHeight } };
      }, dismiss: () => tab.click('dialog[open] button') });
      assert.deepEqual(shown.head, head);
      assert.ok(shown.asked && shown.length === 1 << 20, 'the whole question, unchanged');
      assert.equal(shown.elements, 0, 'markup is shown as text');
      const { box, screen } = shown;
      assert.ok(box.x >= 0 && box.y >= 0 && box.right <= screen.width &&
        box.bottom <= screen.height, JSON.stringify({ box, screen }));
      assert.equal(await tab.evaluate(questionOf), '');
      await close(tab);
    });

    it('reports a failure of the page on the console and in a dialog, then takes no input',
      async () => {
        const tab = await open(served.page);
        // The question box can no longer be read, as when the page has lost it.
        await tab.evaluate(() => Object.defineProperty(document.getElementById('Text1'), 'value',
          { get() { throw new Error('lost'); } }));
        await tab.click('#Command1');
        await until(tab, dialogOpen);
        assert.deepEqual(await tab.evaluate(() => ({
          title: document.getElementById('zefra-dialog-title').textContent,
          text: document.getElementById('zefra-dialog-text').textContent,
        })), { title: 'Zefra', text: 'Zefra has failed and stopped: the question ' +
          'box could not be read\nReload the page to start it again.' });
        // Dismissed, it leaves the window inert.
        await tab.press('Enter');
        await until(tab, dialogGone);
        assert.equal(await tab.evaluate(() => document.getElementById('Form1').inert), true);
        await close(tab, ['error: Zefra: fatal failure: the question box could not be read']);
      });

    it('tells assistive technology the desktop\'s names; axe-core finds no fault', async () => {
      const tab = await open(served.page);
      // What the page tells of its elements, in every engine...
      const told = (selectors) => selectors.map((selector) => {
        const element = document.querySelector(selector);
        const byId = (attribute) =>
          document.getElementById(element.getAttribute(attribute))?.textContent;
        return { role: element.getAttribute('role') ?? element.localName,
          name: element.getAttribute('aria-label') ?? byId('aria-labelledby') ??
            element.textContent,
          description: byId('aria-describedby') ?? null };
      });
      assert.deepEqual(await tab.evaluate(told, ['#Text1', '#Command1', '#Label1']), [
        { role: 'textarea', name: 'Question', description: null },
        { role: 'button', name: 'ASK', description: null },
        { role: 'span', name: '8', description: null },
      ]);
      // ...and, where the driver can read it, what the engine makes of that.
      if (tab.accessible) {
        assert.deepEqual(await tab.accessible('#Text1'), { role: 'textbox', name: 'Question' });
        assert.deepEqual(await tab.accessible('#Command1'), { role: 'button', name: 'ASK' });
      } else {
        without('accessibility');
      }
      assert.deepEqual(await axeViolations(tab), [], 'the window alone');
      await tab.click('#Command1');
      await until(tab, dialogOpen);
      assert.deepEqual(await axeViolations(tab), [], 'a reply up');
      assert.deepEqual(await tab.evaluate(told, ['dialog[open]']),
        [{ role: 'alertdialog', name: 'Zefra', description: FIRST_REPLIES[0] }]);
      if (tab.accessible) {
        assert.deepEqual(await tab.accessible('dialog[open]'),
          { role: 'alertdialog', name: 'Zefra' });
      }
      await close(tab);
    });

    it('draws the ball at the screen\'s resolution, in the theme\'s colours', async () => {
      const tab = await open(served.page, { scale: 2 });
      const ratio = await tab.evaluate(() => devicePixelRatio);
      if (ratio !== 2) without('scale');
      const look = async () => pixelsOf(await tab.screenshot(), ratio);
      // Once the engine has painted the page: it may not have when the program is ready.
      const pixel = pixelsOf(await settledScreenshot(tab), ratio);
      const [face, field] = await systemColours(tab, ['ButtonFace', 'Field'], ratio);
      assert.equal(pixel(1, 1), face, 'a corner outside the ball');
      assert.equal(pixel(430, 429), face, 'the corner at the bottom right');
      assert.equal(pixel(40, 216), 'rgb(0, 0, 0)', 'the ball');
      assert.equal(pixel(216, 20), 'rgb(0, 0, 0)', 'the ball above the box');
      assert.equal(pixel(150, 224), field, 'the inner disc');
      if (tab.emulateDark) {
        await tab.emulateDark();
        for (let tries = 0; (await look())(150, 224) === field; tries++) {
          assert.ok(tries < 100, 'the inner disc takes the dark theme\'s colour');
          await new Promise((resolve) => setTimeout(resolve, 50));
        }
        const [darkField] = await systemColours(tab, ['Field'], ratio);
        assert.equal((await look())(150, 224), darkField, 'the inner disc in the dark theme');
      } else {
        without('dark');
      }
      await close(tab);
    });

    it('shows the window before the program is ready, and loses nothing done meanwhile',
      async () => {
        const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'zefra-page-'));
        const held = pageCopy(fs.readFileSync(PAGE, 'utf8'), folder, 'Zefra.html', { hold: true });
        try {
          // The program changes no pixel as it takes the window over.
          const tab = await open(held, { ready: false });
          const ids = ['Shape1', 'Text1', 'Command1'];
          await tab.evaluate((marked) => {
            // The caret blinks: it is left out of the comparison.
            document.getElementById('Text1').style.caretColor = 'transparent';
            for (const id of marked) document.getElementById(id).zefraMarked = true;
          }, ids);
          await until(tab, boxFocused);
          const before = await settledScreenshot(tab);
          assert.equal(await tab.evaluate(programReady), false);
          await tab.evaluate(() => zefraReleaseProgram());
          await until(tab, programReady);
          const after = await settledScreenshot(tab);
          const shift = await tab.evaluate(layoutShift);
          if (shift === null) without('layoutShift');
          else assert.equal(shift, 0, 'nothing painted moved');
          assert.ok(after.equals(before), 'the same pixels once it is ready');
          assert.deepEqual(await tab.evaluate((marked) => marked.map((id) =>
            document.getElementById(id).zefraMarked), ids), [true, true, true], 'the same nodes');

          // Typed text stays, and two presses of ASK get one reply, the first, once it is ready.
          await tab.reload();
          // The focus comes into the box with the window, before the program is ready.
          await until(tab, boxFocused);
          await tab.press('Control+End');
          await tab.type('Rain?');
          await tab.click('#Command1');
          await tab.press('Space');
          assert.ok(await tab.evaluate(dialogGone), 'no reply before the program is ready');
          // The question stays as it was pressed until the program has read it.
          await tab.evaluate(() => new MutationObserver(() => {
            window.zefraReadOnlyWhenReady ??= document.getElementById('Text1').readOnly;
          }).observe(document.getElementById('Form1'), { attributeFilter: ['aria-busy'] }));
          const shown = await ask(tab, { press: () => tab.evaluate(() => zefraReleaseProgram()) });
          assert.deepEqual(shown, { title: 'Zefra', text: FIRST_REPLIES[0], focus: 'OK',
            question: `${INITIAL}Rain?` });
          assert.equal(await tab.evaluate(() => window.zefraReadOnlyWhenReady), true);
          // The box takes typing again; a second reply to the early presses would be up now,
          // and be read in place of the next one.
          await tab.click('#Text1');
          await tab.type('Again?');
          assert.deepEqual(await ask(tab), { title: 'Zefra', text: FIRST_REPLIES[1], focus: 'OK',
            question: 'Again?' });
          await close(tab);
        } finally {
          fs.rmSync(folder, { recursive: true, force: true });
        }
      });

    it('says what it needs where scripts or WebAssembly do not run', async () => {
      const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'zefra-page-'));
      const html = fs.readFileSync(PAGE, 'utf8');
      const withoutWebAssembly = pageCopy(html, folder, 'Zefra.html',
        { head: 'delete window.WebAssembly;' });
      // The module held for good: such a browser would never run it.
      const withoutModules = pageCopy(html, folder, 'old.html',
        { head: 'delete HTMLScriptElement.prototype.noModule;', hold: true });
      const needs = 'Zefra needs JavaScript and WebAssembly to answer questions.';
      try {
        const tab = await open(withoutWebAssembly, { ready: false });
        await until(tab, dialogOpen);
        assert.deepEqual(await tab.evaluate(dialogShown), { title: 'Zefra', text: needs,
          focus: 'OK', question: INITIAL });
        await tab.press('Enter');
        await until(tab, () => document.getElementById('Form1').inert);
        tabs.delete(tab);
        await tab.close();
        // The console names the failure, and says nothing else.
        if (engine.cannot?.loadConsole) without('loadConsole');
        else assert.notDeepEqual(tab.messages, [], 'the console');
        assert.ok(tab.messages.every((message) => message.includes('runs no WebAssembly')),
          tab.messages.join('\n'));
        // A browser that would never run the program's module says so below the window.
        const old = await open(withoutModules, { ready: false });
        assert.equal(await old.evaluate(() => document.querySelector('.zefra-needs')?.textContent),
          needs);
        // Nor is its window busy for ever, nor its box kept from typing by a press of ASK.
        await old.click('#Command1');
        assert.deepEqual(await old.evaluate(() => [document.getElementById('Form1')
          .getAttribute('aria-busy'), document.getElementById('Text1').readOnly]), [null, false]);
        await close(old);

        if (engine.cannot?.scripts) {
          without('scripts');
          return;
        }
        const off = await engine.open(pathToFileURL(PAGE).href, { scripts: false });
        tabs.add(off);
        const pixel = pixelsOf(await off.screenshot());
        assert.equal(pixel(40, 216), 'rgb(0, 0, 0)', 'the ball');
        assert.deepEqual(await off.text('noscript'), needs);
        tabs.delete(off);
        await off.close();
      } finally {
        fs.rmSync(folder, { recursive: true, force: true });
      }
    });

    it('fits a phone\'s 360-pixel screen whole, and keeps its size on a wide one', async () => {
      const narrow = await open(served.page, { viewport: { width: 360, height: 640 } });
      const fit = await narrow.evaluate(() => ({
        screen: document.documentElement.clientWidth,
        scroll: document.documentElement.scrollWidth,
        area: document.getElementById('zefra-area').getBoundingClientRect().width,
        button: document.getElementById('Command1').getBoundingClientRect().right,
      }));
      assert.equal(fit.screen, 360);
      assert.ok(fit.scroll <= 360 && fit.area <= 360 && fit.button <= 360, JSON.stringify(fit));
      await close(narrow);
      const wide = await open(served.page, { viewport: { width: 1200, height: 800 } });
      const boxes = () => ['Command1', 'Form1'].map((id) => {
        const { x, y, width, height } = document.getElementById(id).getBoundingClientRect();
        return { x, y, width, height };
      });
      const before = await wide.evaluate(boxes);
      await wide.resize(500, 500);
      assert.deepEqual(await wide.evaluate(boxes), before);
      assert.deepEqual(before[1], { x: 0, y: 0, width: 432, height: 431 });
      await close(wide);
    });
  });
}

// A tab of an engine driven by Playwright or Puppeteer, whose pages share these calls, with
// every console message and uncaught error noted from before it loads. The engine gives how it
// presses keys and resizes, and anything to do before the page loads.
async function driverTab(page, context, url, { press, resize, beforeLoad }) {
  const messages = [];
  page.on('console', (message) => messages.push(`${message.type()}: ${message.text()}`));
  page.on('pageerror', (error) => messages.push(`uncaught: ${error.message}`));
  await beforeLoad?.();
  await page.goto(url);
  return {
    page,
    context,
    messages,
    evaluate: (fn, arg) => page.evaluate(fn, arg),
    // Both drivers evaluate outside the page's security policy.
    addScript: (source) => page.evaluate(source),
    click: (selector) => page.click(selector),
    clickAt: (x, y) => page.mouse.click(x, y),
    press,
    type: (text) => page.keyboard.type(text),
    resize,
    reload: () => page.reload(),
    screenshot: async () => Buffer.from(await page.screenshot()),
    close: () => context.close(),
  };
}

module.exports = { FIRST_REPLIES, PAGE, ask, describeEngine, dialogGone, dialogOpen,
  driverTab, pageCopy, pixelsOf, pressKeys, programReady, serve, until };
