// The module against qm314-cli on the same inputs: the files of the fuzz
// corpora and a few hundred made-up images, through show --json, the encode of
// that JSON, both exports and the import of what was exported; and the CSV of
// the corpora into a new document.  Every text and every byte must be the
// command line's.
'use strict';

const test = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const {root, cli, loadModule, scratchFolder, random} = require('./helpers.js');

const corpus = (name) => {
  const folder = path.join(root, 'fuzz', 'corpus', name);
  return fs.readdirSync(folder).sort().map((file) => ({name: file, bytes: fs.readFileSync(path.join(folder, file))}));
};

// Packed BCD, least significant byte first, as the image stores numbers.
const bcd = (value, bytes) => {
  const out = [];
  for (let i = 0; i < bytes; i++) {
    const pair = Math.floor(value / 100 ** i) % 100;
    out.push(((Math.floor(pair / 10)) << 4) | (pair % 10));
  }
  return out;
};

// Images a radio could hold, and images of any bytes: channel records 1-16
// with the radio's frequencies, tones in hertz or DCS codes or noise, and any
// flags; the settings bytes anything.
function madeUpImages(newImage, count) {
  const next = random(314);
  const byte = () => Math.floor(next() * 256);
  const pick = (list) => list[Math.floor(next() * list.length)];
  const frequencies = [44600625, 44601875, 44603125, 44604375, 44605625, 44606875, 44608125, 44609375];
  const images = [];
  for (let n = 0; n < count; n++) {
    const image = new Uint8Array(newImage);
    if (n % 4 === 3) {
      for (let i = 0; i < image.length; i++) image[i] = byte();
    } else {
      for (let block = 1; block <= 16; block++) {
        const at = block * 16;
        const kind = next();
        if (kind < 0.25) continue;
        const frequency = kind < 0.9 ? pick(frequencies) : Math.floor(next() * 1e8);
        image.set(bcd(frequency, 4), at);
        image.set(bcd(next() < 0.8 ? frequency : pick(frequencies), 4), at + 4);
        for (const tone of [at + 8, at + 10]) {
          const toneKind = next();
          if (toneKind < 0.3) image.set([0xFF, 0xFF], tone);
          else if (toneKind < 0.6) image.set(bcd(pick([670, 693, 885, 1000, 1318, 2035, 2503, 250]), 2), tone);
          else if (toneKind < 0.85) image.set([bcd(pick([23, 25, 71, 156, 754]), 2)[0], pick([0x80, 0xC0, 0x81, 0xC7])], tone);
          else image.set([byte(), byte()], tone);
        }
        image[at + 12] = byte();
      }
      for (const offset of [0x3C0, 0x3C1, 0x3C2, 0x3C3, 0x3D2, 0x3D6]) if (next() < 0.5) image[offset] = byte();
    }
    images.push({name: `made-up-${n}.int`, bytes: image});
  }
  return images;
}

test('every image: show, the report, the encode of what show gives, both exports and their imports are the ' +
     'command line\'s',
     async (t) => {
  const m = await loadModule();
  const folder = scratchFolder(t);
  const images = [...corpus('file_roundtrip'), ...madeUpImages(m.newImage(), 200)];
  const blank = path.join(folder, 'blank.int');
  fs.writeFileSync(blank, m.newImage());
  let compared = 0;
  for (const {name, bytes} of images) {
    const file = path.join(folder, name);
    fs.writeFileSync(file, bytes);
    const shown = cli(['show', file, '--json']);
    if (shown.status !== 0) {
      // A short file: the same refusal, in the command line's words.
      assert.throws(() => m.show(bytes, file), {message: shown.stderr.replace(/^qm314-cli show: /, '').trim()});
      continue;
    }
    const json = m.show(bytes, file);
    assert.equal(json, shown.stdout, `${name}: show`);
    assert.equal(m.reportText(bytes, file), cli(['show', file]).stdout, `${name}: the report`);

    const saved = path.join(folder, 'saved.int');
    // Save encodes whatever the form holds; the command line asks --force for a file unlike channel data.
    assert.equal(cli(['set', file, '-o', saved, '--force']).status, 0);
    assert.deepEqual(Buffer.from(m.encode(bytes, json)), fs.readFileSync(saved), `${name}: encode of the shown JSON`);

    for (const format of ['grid-csv', 'radio-csv']) {
      const exported = cli(['export', file, '--format', format]);
      assert.equal(m.exportCsv(bytes, format), exported.stdout, `${name}: export ${format}`);
      const csv = path.join(folder, `${format}.csv`);
      fs.writeFileSync(csv, exported.stdout);
      const imported = path.join(folder, 'imported.int');
      fs.rmSync(imported, {force: true});
      const run = cli(['import', csv, blank, '-o', imported]);
      if (run.status === 0) {
        assert.deepEqual(Buffer.from(m.importCsv(fs.readFileSync(blank), exported.stdout, csv)),
                         fs.readFileSync(imported), `${name}: import of the ${format} export`);
      } else {
        assert.throws(() => m.importCsv(fs.readFileSync(blank), exported.stdout, csv),
                      {message: run.stderr.replace(/^qm314-cli import: /, '').trim()}, `${name}: ${format} refused`);
      }
    }
    compared += 1;
  }
  assert.ok(compared >= 200, `only ${compared} images could be compared`);
});

test('CSV of the corpora and of people: the bytes the command line saves, or its refusal word for word', async (t) => {
  const m = await loadModule();
  const folder = scratchFolder(t);
  const base = path.join(folder, 'base.int');
  fs.writeFileSync(base, m.encode(m.newImage(), {channels: [
    {row: 1, channel: '03', tones: '05', bclo: 'Carrier', scan: 'Add'},
    {row: 2, channel: '08', tones: 'D023I', bclo: 'QT/DQT', scan: 'Delete'}]}));
  const texts = corpus('cli_input').filter(({bytes}) => bytes[0] % 2 === 0)
    .map(({name, bytes}) => ({name, text: bytes.subarray(1).toString('latin1')}));
  texts.push(
    {name: 'older-header', text: 'Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,' +
      'Mode,TStep,Skip,Comment\r\n0,Club,446.006250,,0.000000,TSQL,88.5,94.8,023,NN,NFM,12.50,,"Sunday net, 10:00"\r\n'},
    {name: 'repeater', text: 'Location,Name,Frequency,Duplex,Offset,Tone\n1,Rep,446.006250,-,0.600000,\n'},
    {name: 'leading-zero-lost', text: 'CH,Channel,Tones,BCLO,Scan\n4,2,7,Off,Add\n'},
    {name: 'decimal-comma', text: 'CH,Channel,Tones,BCLO,Scan\n7,02,"88,5",Off,Add\n'},
    {name: 'not-csv', text: '\u00ff\u00fe\u0000garbage'});
  let refused = 0;
  for (const {name, text} of texts) {
    const csv = path.join(folder, `${name}.csv`);
    fs.writeFileSync(csv, Buffer.from(text, 'latin1'));
    const out = path.join(folder, `${name}.int`);
    const run = cli(['import', csv, base, '-o', out]);
    const bytes = fs.readFileSync(base);
    if (run.status === 0) {
      assert.deepEqual(Buffer.from(m.importCsv(bytes, fs.readFileSync(csv, 'utf8'), csv)), fs.readFileSync(out), name);
    } else {
      refused += 1;
      assert.throws(() => m.importCsv(bytes, fs.readFileSync(csv, 'utf8'), csv),
                    {message: run.stderr.replace(/^qm314-cli import: /, '').trim()}, name);
    }
  }
  assert.ok(refused >= 3 && refused < texts.length, 'both accepted and refused files were compared');
});

test('settings and rows changed in the JSON encode as set and import encode them', async (t) => {
  const m = await loadModule();
  const folder = scratchFolder(t);
  const file = path.join(folder, 'plan.int');
  fs.writeFileSync(file, m.newImage());
  const document = JSON.parse(m.show(fs.readFileSync(file)));
  document.settings.tot = '60s';
  document.settings.squelch = '9';
  document.settings.moni = 'Monitor Lock';
  document.channels[2] = {row: 3, channel: '05', tones: 'D754N', bclo: 'QT/DQT', scan: 'Delete'};
  const set = path.join(folder, 'set.int');
  assert.equal(cli(['set', file, 'tot=60s', 'squelch=9', 'moni=Monitor Lock', '-o', set]).status, 0);
  const csv = path.join(folder, 'row.csv');
  fs.writeFileSync(csv, 'CH,Channel,Tones,BCLO,Scan\n3,05,D754N,QT/DQT,Delete\n');
  const both = path.join(folder, 'both.int');
  assert.equal(cli(['import', csv, set, '-o', both]).status, 0);
  assert.deepEqual(Buffer.from(m.encode(fs.readFileSync(file), document)), fs.readFileSync(both));
});

test('a document the form cannot hold is refused with where and why, and nothing is encoded', async () => {
  const m = await loadModule();
  const image = m.newImage();
  assert.throws(() => m.encode(image, {settings: {tot: '7s'}}),
                {message: /^setting tot: "7s" is not one of its items "Off", "30s", "60s", .*"300s"$/});
  assert.throws(() => m.encode(image, {channels: [{row: 2, tones: '88,5'}]}),
                {message: 'channels, row 2, column Tones: "88,5" is not a text the channel grid can hold'});
  assert.throws(() => m.encode(image, {channels: [{row: 2}, {row: 2}]}), {message: 'channels, row 2 is given twice'});
  assert.throws(() => m.encode(image, '{"settings": {"tot": "60s"'), {message: /^the document is not JSON, at byte 27: /});
  assert.throws(() => m.encode(image, {setting: {}}), {message: /has no "setting"/});
  assert.throws(() => m.exportCsv(image, 'xls'),
                {message: 'unknown format "xls"; the formats are grid-csv and radio-csv'});
});

test('the settings boxes list the items qm314-cli set names; cells have the meanings the form shows', async (t) => {
  const m = await loadModule();
  const file = path.join(scratchFolder(t), 'new.int');
  fs.writeFileSync(file, m.newImage());
  const lists = m.pickLists();
  for (const [key, box] of Object.entries(lists.settings)) {
    if (!box.editable) continue;
    const refused = cli(['set', file, `${key}=none`]).stderr;
    const items = refused.slice(refused.indexOf('its items are ') + 'its items are '.length).split('\n')[0];
    assert.equal(items, box.items.map((item) => `"${item}"`).join(', '), key);
  }
  assert.deepEqual(lists.columns.map(({key, header}) => [key, header]),
                   [['channel', 'Channel'], ['tones', 'Tones'], ['bclo', 'BCLO'], ['scan', 'Scan']]);
  assert.deepEqual(lists.columns[0].items, ['', '01', '02', '03', '04', '05', '06', '07', '08']);
  assert.deepEqual(lists.columns[1].items.slice(0, 3), ['Off', '01', '02']);
  assert.ok(lists.columns[1].items.includes('D023I'));
  assert.equal(m.cellMeaning('channel', '03'), '446.03125 MHz');
  assert.equal(m.cellMeaning('tones', '05'), '79.7 Hz');
  assert.equal(m.cellMeaning('tones', 'D023I'), 'DCS 023, inverted');
  assert.equal(m.cellMeaning('scan', 'Add'), '');
});
