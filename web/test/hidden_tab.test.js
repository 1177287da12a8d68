// The radio worker in headless Chromium, the page behind another tab as when
// the user looks elsewhere during a read: the page's own timers are throttled
// to about one a second there, yet the conversation keeps its pace, brings
// the radio's bytes and writes them back; a refusal of the port crosses from
// the page to the worker with its kind.
'use strict';

const test = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const {root, loadModule, scratchFolder, stopChildren} = require('./helpers.js');
const {serve, launch, conversationPageIn, hide} = require('./chromium.js');

test.after(stopChildren);

const channelsFile = path.join(root, 'fuzz', 'corpus', 'file_roundtrip', 'seed-channels');
// The pacing floor of a read: its pauses and every byte's time at 9600 baud.
const readFloorSeconds = 7.55;

test('in a hidden tab the worker reads and writes the radio at its pace', async (t) => {
  const m = await loadModule();
  const folder = scratchFolder(t);
  const memory = path.join(folder, 'radio.int');
  const {server, url} = await serve();
  const browser = await launch();
  t.after(async () => {
    await browser.close();
    server.close();
  });
  const {page, sim} = await conversationPageIn(browser, url, ['--image', channelsFile, '--save', memory]);
  await hide(browser, url);
  assert.equal(await page.evaluate(() => document.visibilityState), 'hidden');
  const pageTimers = await page.evaluate(async () => {
    const start = performance.now();
    for (let i = 0; i < 10; i++) await new Promise((resolve) => setTimeout(resolve, 1));
    return performance.now() - start;
  });
  assert.ok(pageTimers > 1000, `ten 1 ms timers of the hidden page took ${pageTimers} ms: not throttled`);

  const started = performance.now();
  const read = await page.evaluate(async () => {
    const result = await window.conversations.readRadio(await navigator.serial.requestPort(), {});
    return {...result, bytes: Array.from(result.bytes)};
  });
  const seconds = (performance.now() - started) / 1000;
  assert.equal(read.outcome, 'completed');
  assert.deepEqual(Buffer.from(read.bytes), fs.readFileSync(channelsFile).subarray(0, 1024));
  assert.ok(seconds < 2 * readFloorSeconds, `the read took ${seconds} s; its floor is ${readFloorSeconds} s`);

  const plan = m.encode(m.newImage(), {channels: [{row: 1, channel: '04', tones: 'D156I', bclo: 'Off', scan: 'Add'}]});
  const written = await page.evaluate(async (bytes) => {
    const positions = [];
    const result = await window.conversations.writeRadio(await navigator.serial.requestPort(), bytes,
                                                         {progress: (position) => positions.push(position)});
    return {outcome: result.outcome, blocksWritten: result.blocksWritten, last: positions.at(-1)};
  }, Array.from(plan));
  assert.deepEqual(written, {outcome: 'completed', blocksWritten: 123, last: 123});
  await sim.ports[0].stop();
  assert.deepEqual(fs.readFileSync(memory).subarray(0, 0x3D8), Buffer.from(plan).subarray(0, 0x3D8));
  assert.equal(sim.ports[0].isOpen, false);

  sim.refuseOpen = true;
  const refused = await page.evaluate(async () => window.conversations.readRadio(await navigator.serial.requestPort()));
  assert.equal(refused.outcome, 'failed');
  assert.match(refused.message, /^Could not Open the Port,/);
  assert.match(refused.details, /another program or another browser tab holds it/);
});
