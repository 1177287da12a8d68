#!/usr/bin/env node
// Takes the browser edition's screenshots in headless Chromium, through the
// tests' harness (the built page on localhost, qm314-sim behind a Web Serial
// double): docs/web-page.png (the form with a few channels), web-page-dark.png
// (the same in dark colours, a Tones list open), web-transfer.png (a read
// under way) and web-no-serial.png (a browser without Web Serial).
// Usage: node docs/web-screenshots.js   (after building build/ and build-web/)
'use strict';

const fs = require('node:fs');
const path = require('node:path');
const {launch} = require('../web/test/chromium.js');
const {startSite, openPage, press, box, answer, menu} = require('../web/test/page_harness.js');
const {stopChildren} = require('../web/test/helpers.js');

const docs = __dirname;
const viewport = {width: 900, height: 560};

// The sample channels imported into a new document, as the desktop's screenshot shows them.
async function withSample(page, answers, files) {
  files.set('groupA.csv', fs.readFileSync(path.join(docs, 'sample-channels.csv')));
  answers.open.push('groupA.csv');
  await menu(page, 'File', 'Import Channels...');
  await page.waitForFunction(() => window.qm314Page.doc.undoName !== '' || document.querySelector('dialog.box[open]'));
  if (await page.$('dialog.box[open]')) await answer(page, (await box(page)).buttons[0]);
  await page.focus('#grid');
}

// The pointer away from everything, so no tooltip or hover shows.
const restPointer = (page) => page.mouse.move(viewport.width - 5, viewport.height - 40);

(async () => {
  const browser = await launch();
  const site = await startSite();
  try {
    const {page, answers, files} = await openPage(browser, site.url);
    await page.setViewport(viewport);
    await withSample(page, answers, files);
    await restPointer(page);
    await page.screenshot({path: path.join(docs, 'web-page.png')});

    await page.emulateMediaFeatures([{name: 'prefers-color-scheme', value: 'dark'}]);
    await press(page, 'ArrowDown');
    await press(page, 'ArrowRight');
    await press(page, 'F2');
    await page.waitForSelector('#cell-list:not([hidden])');
    await page.screenshot({path: path.join(docs, 'web-page-dark.png')});
    await press(page, 'Escape');
    await page.emulateMediaFeatures([{name: 'prefers-color-scheme', value: 'light'}]);

    // The imported rows are unsaved: the read asks first.
    await menu(page, 'Program', 'Read From Radio');
    await box(page);
    await answer(page, 'No');
    await page.waitForSelector('#transfer[open]');
    await page.click('#transfer .start');
    await page.waitForFunction(() => document.querySelector('#transfer-bar').value >= 50, {timeout: 60000});
    await restPointer(page);
    await page.screenshot({path: path.join(docs, 'web-transfer.png')});
    await page.click('#transfer .cancel');
    await page.waitForFunction(() => !document.querySelector('#transfer[open]'), {timeout: 60000});

    const bare = await openPage(browser, site.url, [], () => {
      delete Navigator.prototype.serial;
    });
    await bare.page.setViewport(viewport);
    await restPointer(bare.page);
    await bare.page.screenshot({path: path.join(docs, 'web-no-serial.png')});
  } finally {
    await browser.close();
    await site.close();
    stopChildren();
  }
  console.log('docs/web-page.png, web-page-dark.png, web-transfer.png and web-no-serial.png taken');
})().catch((error) => {
  console.error(`web-screenshots.js: ${error.message}`);
  process.exit(1);
});
