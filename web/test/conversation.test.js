// The module's radio conversations against qm314-sim, through a double of Web
// Serial's port: what the simulated radio holds and what the user is told are
// what qm314-cli gives against the same radio.
'use strict';

const test = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const {root, simPath, loadModule, scratchFolder, cliAsync, ptySim, stopChildren} = require('./helpers.js');
const {SimPort} = require('./sim_port.js');

test.after(stopChildren);

const channelsFile = path.join(root, 'fuzz', 'corpus', 'file_roundtrip', 'seed-channels');

// The page's side: what the conversation said, and answers chosen in advance.
function recorder({answers = ['Cancel'], cancelAt = Infinity} = {}) {
  const seen = {statuses: [], positions: [], asked: []};
  seen.events = {
    status: (text) => seen.statuses.push(text),
    progress: (position) => seen.positions.push(position),
    cancelled: () => seen.positions.length > 0 && seen.positions.at(-1) >= cancelAt,
    ask: async (text, buttons) => {
      seen.asked.push({text, buttons});
      const answer = answers[Math.min(seen.asked.length, answers.length) - 1];
      return buttons.includes(answer) ? answer : buttons[0];
    },
  };
  return seen;
}

// The command line's stderr lines without its name in front.
const lines = (stderr) => stderr.trim().split('\n').map((line) => line.replace(/^qm314-cli: /, ''));

test('a read brings the radio\'s 1024 bytes; a write with verify leaves the radio as qm314-cli write --verify does',
     async (t) => {
  const m = await loadModule();
  const folder = scratchFolder(t);
  const reading = new SimPort(simPath, ['--image', channelsFile]);
  const seen = recorder();
  // Another call into the module while the conversation waits on the port.
  let shownMeanwhile = null;
  const meanwhile = setTimeout(() => (shownMeanwhile = m.show(m.newImage())), 1500);
  const read = await m.readRadio(reading, seen.events);
  clearTimeout(meanwhile);
  await reading.stop();
  assert.equal(read.outcome, 'completed');
  assert.deepEqual(Buffer.from(read.bytes), fs.readFileSync(channelsFile).subarray(0, 1024));
  assert.deepEqual(seen.statuses.slice(0, 3),
                   ['Now are detecting Communication Port,Please wait...', 'Waiting the response from radio....', '1']);
  assert.equal(seen.statuses.at(-1), '123');
  assert.equal(seen.positions.at(-1), 123);
  assert.equal(shownMeanwhile, m.show(m.newImage()));
  assert.equal(reading.isOpen, false);
  assert.deepEqual(reading.signals, [{dataTerminalReady: true, requestToSend: true}]);

  // A document the form changed: its encode is what both write.
  const file = path.join(folder, 'plan.int');
  fs.writeFileSync(file, fs.readFileSync(channelsFile).subarray(0, 1024));
  const nativeMemory = path.join(folder, 'native.int');
  const moduleMemory = path.join(folder, 'module.int');
  const native = await ptySim(['--save', nativeMemory]);
  const writing = new SimPort(simPath, ['--save', moduleMemory]);
  const [cli, written] = await Promise.all([
    cliAsync(['write', native.device, file, '--verify']),
    m.writeRadio(writing, fs.readFileSync(file), {}, {verify: true})]);
  await Promise.all([native.stop(), writing.stop()]);
  assert.equal(cli.status, 0, cli.stderr);
  assert.equal(written.outcome, 'completed');
  assert.equal(written.blocksWritten, 123);
  assert.equal(written.verify, 'same');
  assert.equal(written.report, cli.stdout.trim());
  assert.deepEqual(fs.readFileSync(moduleMemory), fs.readFileSync(nativeMemory));
  assert.equal(writing.opens, 2, 'the write and its read-back each open the port');
  assert.equal(writing.isOpen, false);
});

test('a radio that never answers: fifteen wake-ups, then the communication error with Retry and Cancel', async (t) => {
  const m = await loadModule();
  const unread = path.join(scratchFolder(t), 'unread.int');
  const port = new SimPort(simPath, ['--fault', 'silent']);
  const native = await ptySim(['--fault', 'silent']);
  const seen = recorder({answers: ['Cancel']});
  const started = performance.now();
  const [cli, read] = await Promise.all([cliAsync(['read', native.device, '-o', unread]),
                                         m.readRadio(port, seen.events)]);
  const seconds = (performance.now() - started) / 1000;
  await Promise.all([native.stop(), port.stop()]);
  assert.equal(read.outcome, 'failed');
  assert.deepEqual(lines(cli.stderr), [read.message]);
  assert.deepEqual(seen.asked, [{text: read.message, buttons: ['Retry', 'Cancel']}]);
  assert.equal(seen.statuses.filter((s) => s === 'Waiting the response from radio....').length, 15);
  assert.ok(seconds > 18.6, `fifteen wake-ups of 1.24 s at least took ${seconds} s`);
  assert.equal(port.isOpen, false);
});

test('a block left without its ACK, a radio unplugged in the middle, and Retry after a wrong confirmation end ' +
     'with the command line\'s words', async (t) => {
  const m = await loadModule();
  const folder = scratchFolder(t);
  const file = path.join(folder, 'new.int');
  fs.writeFileSync(file, m.newImage());
  const run = async (faults, direction, answers = ['Cancel']) => {
    const native = await ptySim(['--fault', ...faults]);
    const port = new SimPort(simPath, ['--fault', ...faults]);
    const seen = recorder({answers});
    const retries = String(answers.filter((answer) => answer === 'Retry').length);
    const [cli, result] = await Promise.all([
      cliAsync(direction === 'write' ? ['write', native.device, file, '--retries', retries]
                                     : ['read', native.device, '-o', path.join(folder, 'unread.int'), '--retries', retries]),
      direction === 'write' ? m.writeRadio(port, fs.readFileSync(file), seen.events) : m.readRadio(port, seen.events)]);
    await Promise.all([native.stop(), port.stop()]);
    assert.equal(port.isOpen, false);
    return {cli: lines(cli.stderr), result, seen};
  };
  const [noAck, unplugged, confirmation] = await Promise.all([
    run(['no-ack@3'], 'write'), run(['unplug@5'], 'read'), run(['wrong-confirm'], 'read', ['Retry', 'Cancel'])]);

  assert.equal(noAck.result.outcome, 'failed');
  assert.equal(noAck.result.blocksWritten, 3);
  assert.deepEqual(noAck.cli, [noAck.result.message, noAck.result.report]);
  assert.equal(noAck.result.message, 'Error had happen,please try again');
  assert.deepEqual(noAck.seen.asked, [{text: noAck.result.message, buttons: ['OK']}]);

  assert.equal(unplugged.result.outcome, 'failed');
  assert.equal(unplugged.result.bytes, undefined, 'a read that stopped brings no image');
  assert.deepEqual(unplugged.cli, [unplugged.result.message]);

  assert.equal(confirmation.result.outcome, 'failed');
  assert.deepEqual(confirmation.cli, [confirmation.result.message, confirmation.result.message]);
  assert.deepEqual(confirmation.seen.asked.map(({buttons}) => buttons), [['Retry', 'Cancel'], ['Retry', 'Cancel']]);
});

test('Cancel ends the write after the block that runs, with the port closed', async (t) => {
  const m = await loadModule();
  const folder = scratchFolder(t);
  const log = path.join(folder, 'radio.log');
  const port = new SimPort(simPath, ['--log', log]);
  const seen = recorder({cancelAt: 5});
  const result = await m.writeRadio(port, m.newImage(), seen.events);
  await port.stop();
  assert.equal(result.outcome, 'cancelled');
  assert.equal(result.message, '');
  assert.equal(result.blocksWritten, 5);
  assert.equal(result.report, 'The write to the radio did not complete: the radio took 5 of the 123 blocks, so its ' +
               'settings are now a mix of old and new. Writing to the radio again completes them.');
  const writes = fs.readFileSync(log, 'utf8').split('\n').filter((line) => line.startsWith('write '));
  assert.deepEqual(writes, ['write 0x000', 'write 0x008', 'write 0x010', 'write 0x018', 'write 0x020']);
  assert.equal(port.isOpen, false);
});

test('a Cancel while a silent radio is awaited ends the wait at once, not at the end of its time-out', async () => {
  const m = await loadModule();
  const port = new SimPort(simPath, ['--fault', 'silent']);
  const seen = recorder();
  const started = performance.now();
  seen.events.cancelled = () => performance.now() - started > 300;
  const result = await m.readRadio(port, seen.events);
  const seconds = (performance.now() - started) / 1000;
  await port.stop();
  assert.equal(result.outcome, 'cancelled');
  // A wake-up waits 1.24 s for its answer; the Cancel ends it within its grace.
  assert.ok(seconds < 0.8, `the read ended ${seconds} s after its start`);
  assert.equal(port.isOpen, false);
});

test('a port another program holds, or this page holds already, gives the desktop\'s message', async (t) => {
  const m = await loadModule();
  const folder = scratchFolder(t);
  const cli = await cliAsync(['read', path.join(folder, 'no-such-device'), '-o', path.join(folder, 'x.int')]);
  const couldNotOpen = lines(cli.stderr)[0];
  assert.match(couldNotOpen, /^Could not Open the Port,/);

  const held = new SimPort(simPath);
  held.heldElsewhere = true;
  const seen = recorder();
  const refused = await m.readRadio(held, seen.events);
  assert.equal(refused.outcome, 'failed');
  assert.equal(refused.message, couldNotOpen);
  assert.match(refused.details, /another program or another browser tab holds it/);
  assert.deepEqual(seen.asked, [{text: couldNotOpen, buttons: ['OK']}]);
  assert.deepEqual(seen.statuses, [], 'nothing was sent');
  held.heldElsewhere = false;

  await held.open({baudRate: 9600});
  const again = await m.writeRadio(held, m.newImage(), {});
  assert.equal(again.message, couldNotOpen);
  assert.match(again.details, /already talking to the radio/);
  assert.equal(again.blocksWritten, 0);
  assert.equal(held.isOpen, true, 'the page\'s own opening is left to the page');
  await held.stop();
});
