// Accessibility: axe-core finds nothing serious or critical on the form (light
// and dark), the transfer dialog, a message box and the manual; every control
// a user can reach has a name, the commands the desktop's.
'use strict';

const test = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const {stopChildren} = require('./helpers.js');
const {launch} = require('./chromium.js');
const {startSite, openPage, press, box, answer, menu} = require('./page_harness.js');

test.after(stopChildren);

const axeSource = fs.readFileSync(require.resolve('axe-core/axe.min.js'), 'utf8');

// The serious and critical findings, each with its rule and where.
async function findings(page) {
  const found = await page.evaluate(async () => {
    const results = await window.axe.run(document, {resultTypes: ['violations']});
    return results.violations.filter((v) => v.impact === 'serious' || v.impact === 'critical')
      .map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`);
  });
  return found;
}

// Roles a user operates, which must carry a name.
const operated = new Set(['button', 'combobox', 'menuitem', 'menuitemcheckbox', 'menuitemradio', 'textbox', 'listbox',
                          'checkbox', 'radio', 'grid', 'toolbar', 'menubar', 'dialog', 'alertdialog', 'progressbar']);

async function unnamed(page) {
  const snapshot = await page.accessibility.snapshot({interestingOnly: false});
  const missing = [];
  const walk = (node) => {
    if (operated.has(node.role) && !(node.name || '').trim()) missing.push(node.role);
    for (const child of node.children || []) walk(child);
  };
  walk(snapshot);
  return missing;
}

test('axe finds nothing serious on the form, the transfer dialog and a box; every control has a name', async (t) => {
  const server = await startSite();
  const browser = await launch();
  t.after(async () => {
    await browser.close();
    await server.close();
  });
  const {page} = await openPage(browser, server.url);
  await page.evaluate(axeSource);

  assert.deepEqual(await findings(page), []);
  assert.deepEqual(await unnamed(page), []);
  const toolbar = await page.$$eval('#toolbar button', (buttons) => buttons.map((b) => b.getAttribute('aria-label')));
  assert.deepEqual(toolbar, ['New', 'Open...', 'Save', 'Read From Radio', 'Write To Radio', 'Print...', 'About QM-314...']);

  await page.emulateMediaFeatures([{name: 'prefers-color-scheme', value: 'dark'}]);
  assert.deepEqual(await findings(page), []);
  await page.emulateMediaFeatures([{name: 'prefers-color-scheme', value: 'light'}]);

  // A menu open: its items named as the desktop's, with the keys a tab
  // leaves to the page (Ctrl+N is the browser's there).
  await page.evaluate(() => document.querySelector('#menubar .menu-title').dispatchEvent(new MouseEvent('mousedown', {bubbles: true})));
  const items = await page.$$eval('.menu:not([hidden]) [role="menuitem"]', (list) => list.map((item) => item.textContent));
  assert.deepEqual(items, ['New', 'Open...Ctrl+O', 'SaveCtrl+S', 'Save As...', 'Import Channels...',
                           'Export Channels...', 'Print...Ctrl+P']);
  assert.deepEqual(await findings(page), []);
  await press(page, 'Escape');

  await menu(page, 'Program', 'Read From Radio');
  await page.waitForSelector('#transfer[open]');
  assert.deepEqual(await findings(page), []);
  assert.deepEqual(await unnamed(page), []);
  await press(page, 'Escape');
  await page.waitForFunction(() => !document.querySelector('#transfer[open]'));

  // A letter on a Channel cell: the desktop's "Please input Number".
  await page.focus('#grid');
  await press(page, 'x');
  const message = await box(page);
  assert.equal(message.text, 'Please input Number');
  assert.deepEqual(await findings(page), []);
  assert.deepEqual(await unnamed(page), []);
  await answer(page, 'OK');

  // The manual Help › Contents opens, light and dark.
  const help = await browser.newPage();
  await help.goto(`${server.url}help.html`);
  await help.evaluate(axeSource);
  assert.equal(await help.title(), 'QM-314 Programming Software Help');
  assert.deepEqual(await findings(help), []);
  await help.emulateMediaFeatures([{name: 'prefers-color-scheme', value: 'dark'}]);
  assert.deepEqual(await findings(help), []);
});
