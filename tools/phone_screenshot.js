// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT

// The page on a phone's screen (360 by 640 CSS pixels at twice the resolution) in Chromium,
// launched as the browser tests launch it, saved as a PNG file.
//   node phone_screenshot.js ZEFRA_HTML OUT.png
'use strict';

const { pathToFileURL } = require('node:url');
const chromium = require('../tests/web/chromium_test.js');
const { programReady } = require('../tests/web/cases.js');

const [page, out] = process.argv.slice(2);

(async () => {
  await chromium.start();
  const tab = await chromium.open(pathToFileURL(page).href,
    { viewport: { width: 360, height: 640 }, scale: 2 });
  // Once the program has taken the window over, as a user sees it then.
  await tab.page.waitForFunction(programReady);
  await tab.page.screenshot({ path: out });
  await tab.close();
  await chromium.stop();
})();
