// The page keeps its working document across a reload, asks before leaving
// with unsaved edits, and loads from its service worker once the server has
// gone, as an installed app opens offline.
'use strict';

const test = require('node:test');
const assert = require('node:assert/strict');
const {stopChildren} = require('./helpers.js');
const {launch} = require('./chromium.js');
const {startSite, openPage, ready, press, form, title} = require('./page_harness.js');

test.after(stopChildren);

test('a reload brings the unsaved document and its history back; offline the service worker serves the page', async (t) => {
  const server = await startSite();
  const browser = await launch();
  // Also after a failure: an open server would keep the test's process, and the stage, waiting.
  t.after(async () => {
    await browser.close();
    await server.close();
  });
  const {page} = await openPage(browser, server.url);
  const asked = [];
  page.on('dialog', async (dialog) => {
    asked.push(dialog.type());
    await dialog.accept();
  });

  await page.focus('#grid');
  await press(page, '3');
  await press(page, 'Enter');
  await page.select('#box-squelch', '7');
  const edited = await form(page);
  assert.equal(edited.channels[0].channel, '03');
  assert.equal(edited.settings.squelch, '7');

  await page.reload();
  await ready(page);
  assert.deepEqual(asked, ['beforeunload']);
  assert.deepEqual(await form(page), edited);
  assert.match(await title(page), /^Write Data\* - /);
  // The history came back too: the steps undo in order.
  await page.focus('#grid');
  await press(page, 'Control+z');
  assert.equal((await form(page)).settings.squelch, '4');
  await press(page, 'Control+z');
  assert.equal((await form(page)).channels[0].channel, '');
  assert.match(await title(page), /^Write Data - /);
  await press(page, 'Control+y');

  // A service worker whose install failed (a file the busy server did not
  // give in time) is tried again at the next load, as a browser does.
  const controlled = () => page.waitForFunction(() => navigator.serviceWorker.controller !== null, {timeout: 15000});
  await controlled().catch(async () => {
    await page.reload();
    await ready(page);
    await controlled();
  });
  await server.close();
  const reply = await page.reload();
  await ready(page);
  assert.equal(reply.fromServiceWorker(), true);
  assert.equal((await form(page)).channels[0].channel, '03');
  // The manual is kept too.
  const help = await browser.newPage();
  const helpReply = await help.goto(`${server.url}help.html`);
  assert.equal(helpReply.status(), 200);
  assert.equal(helpReply.fromServiceWorker(), true);
});
