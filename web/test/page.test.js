// The page in headless Chromium, driven as a user drives it: keys on the grid,
// the menus, the transfer dialog and the boxes, against qm314-sim through the
// Web Serial double.  What it saves and writes is held against qm314-cli.
'use strict';

const test = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const {root, cli, scratchFolder, stopChildren, cliAsync, ptySim} = require('./helpers.js');
const {launch} = require('./chromium.js');
const {startSite, openPage, press, box, answer, menu, runTransfer, form, title} = require('./page_harness.js');

test.after(stopChildren);

const channelsFile = path.join(root, 'fuzz', 'corpus', 'file_roundtrip', 'seed-channels');
const showJson = (file) => JSON.parse(cli(['show', file, '--json']).stdout);

test('read the radio, edit with keys, undo, save and write: the bytes are the command line\'s', async (t) => {
  const folder = scratchFolder(t);
  const memory = path.join(folder, 'radio-memory.int');
  const server = await startSite();
  const browser = await launch();
  t.after(async () => {
    await browser.close();
    await server.close();
  });
  const {page, sim, files, answers, errors, foreign} = await openPage(browser, server.url, ['--image', channelsFile, '--save', memory]);
  const caption = 'Trevna QM-314 Programming Software';
  assert.equal(await title(page), `Write Data - ${caption}`);

  // Read From Radio, Start with Enter on the focused button.
  await press(page, 'Control+r');
  await page.waitForSelector('#transfer[open]');
  assert.equal(await page.$eval('#transfer .caption', (c) => c.textContent), 'Reading Data Progress');
  assert.equal(await page.$eval('#transfer .transfer-status', (s) => s.textContent), '   Not start yet');
  await press(page, 'Enter');
  await page.waitForFunction(() => !document.querySelector('#transfer[open]'), {timeout: 60000});
  assert.deepEqual(await form(page), showJson(channelsFile));

  // Row 2: Channel 05 by typing, Tones 12 by F2 and two digits; row 3's
  // Channel cleared by Delete, which Ctrl+Z takes back.
  await page.focus('#grid');
  await press(page, 'ArrowDown');
  await press(page, '5');
  await press(page, 'Enter');
  await press(page, 'ArrowRight');
  await press(page, 'F2');
  await press(page, '1');
  await press(page, '2');
  await press(page, 'Enter');
  await press(page, 'ArrowDown');
  await press(page, 'ArrowLeft');
  await press(page, 'Delete');
  assert.equal((await form(page)).channels[2].channel, '');
  await press(page, 'Control+z');
  const edited = await form(page);
  assert.deepEqual(edited.channels[1], {row: 2, channel: '05', tones: '12', bclo: 'QT/DQT', scan: 'Delete'});
  assert.deepEqual(edited.channels[2], showJson(channelsFile).channels[2]);
  assert.equal(await title(page), `Write Data* - ${caption}`);
  // The Edit menu names the steps either way.
  const undoName = () => page.evaluate(() => window.qm314Page.doc.undoName);
  assert.equal(await undoName(), 'Tones in row 2');

  // Save: the chooser offers "Write Data.int"; the bytes are qm314-cli's for the same edits.
  answers.save.push('mine.int');
  await press(page, 'Control+s');
  await page.waitForFunction(() => document.title.startsWith('mine.int - '));
  assert.equal(answers.asked.at(-1).save.suggestedName, 'Write Data.int');
  const readFile = path.join(folder, 'read.int');
  fs.copyFileSync(channelsFile, readFile);
  const edits = path.join(folder, 'edits.csv');
  fs.writeFileSync(edits, 'CH,Channel,Tones,BCLO,Scan\n2,05,12,QT/DQT,Delete\n');
  const expected = path.join(folder, 'expected.int');
  assert.equal(cli(['import', edits, readFile, '-o', expected]).status, 0);
  assert.deepEqual(files.get('mine.int'), fs.readFileSync(expected));

  // Write To Radio with Verify After Write: the simulator holds the bytes.
  await menu(page, 'Program', 'Verify After Write');
  await menu(page, 'Program', 'Write To Radio');
  assert.equal(await page.$eval('#transfer .caption', (c) => c.textContent), 'Writing Data Progress');
  await runTransfer(page);
  const verified = await box(page);
  assert.equal(verified.text, 'Verify After Write: the radio holds every byte written (123 blocks, 0x000-0x3D7).');
  await answer(page, 'OK');
  await sim.ports[0].stop();
  assert.deepEqual(fs.readFileSync(memory).subarray(0, 0x3D8), fs.readFileSync(expected).subarray(0, 0x3D8));
  assert.deepEqual(errors, []);
  assert.deepEqual(foreign, []);
});

test('a radio that stops acknowledging: the desktop\'s messages, and how many blocks it took', async (t) => {
  const folder = scratchFolder(t);
  const plan = path.join(folder, 'plan.int');
  assert.equal(cli(['new', plan]).status, 0);
  // The write's block 40 goes unacknowledged; a read's block 60 comes short.
  const fault = ['--fault', 'no-ack@40', '--fault', 'short:5@60'];
  const native = await ptySim(fault);
  const expected = await cliAsync(['write', native.device, plan]);
  await native.stop();
  const lines = expected.stderr.trim().split('\n').map((line) => line.replace(/^qm314-cli: /, ''));

  const server = await startSite();
  const browser = await launch();
  t.after(async () => {
    await browser.close();
    await server.close();
  });
  const {page} = await openPage(browser, server.url, fault);
  await menu(page, 'Program', 'Write To Radio');
  await runTransfer(page);
  const shown = [];
  for (let i = 0; i < lines.length; i++) {
    const message = await box(page);
    shown.push(message.text);
    assert.equal(message.caption, 'Trevna Electronics Programming Software');
    await answer(page, message.buttons.includes('Cancel') ? 'Cancel' : 'OK');
  }
  assert.deepEqual(shown, lines);
  assert.match(shown.at(-1), /took 40 of the 123 blocks/);
  // The form is the user's again, and the port is closed.
  assert.equal(await page.$eval('#box-tot', (box) => box.disabled), false);

  // With an unsaved edit a read asks first; one that stops leaves the
  // document as it was.
  await page.focus('#grid');
  await press(page, '4');
  await press(page, 'Enter');
  const edited = await form(page);
  await press(page, 'Control+r');
  const question = await box(page);
  assert.equal(question.text, 'Save changes to Write Data?');
  assert.deepEqual(question.buttons, ['Yes', 'No', 'Cancel']);
  await answer(page, 'No');
  await runTransfer(page);
  while (await page.$('dialog.box[open]')) {
    const message = await box(page);
    await answer(page, message.buttons.includes('Cancel') ? 'Cancel' : 'OK');
    await page.waitForFunction(() => !document.querySelector('#transfer[open]') || document.querySelector('dialog.box[open]'));
  }
  assert.deepEqual(await form(page), edited);
  assert.match(await title(page), /^Write Data\* - /);
});
