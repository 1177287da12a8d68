// Files, rows on the clipboard and the printed report in the page, each held
// against what qm314-cli makes of the same file.
'use strict';

const test = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const {root, cli, scratchFolder, stopChildren} = require('./helpers.js');
const {launch} = require('./chromium.js');
const {startSite, openPage, press, box, answer, menu, form, title} = require('./page_harness.js');

test.after(stopChildren);

const sample = path.join(root, 'docs', 'sample-channels.csv');

// In the page, before it loads: the launch queue of an app started with files,
// whose consumer the test calls.
function launchQueueDouble() {
  Object.defineProperty(window, 'launchQueue', {
    value: {setConsumer: (consumer) => (window.qm314Launch = consumer)},
  });
}

async function session(t, ...before) {
  const server = await startSite();
  const browser = await launch();
  t.after(async () => {
    await browser.close();
    await server.close();
  });
  await browser.defaultBrowserContext().overridePermissions(server.url, ['clipboard-read', 'clipboard-write', 'clipboard-sanitized-write']);
  return openPage(browser, server.url, [], ...before);
}

test('open, import, export and print: the command line\'s texts and bytes', async (t) => {
  const folder = scratchFolder(t);
  const plan = path.join(folder, 'groupA.int');
  assert.equal(cli(['new', plan]).status, 0);
  assert.equal(cli(['import', sample, plan]).status, 0);
  const {page, files, answers} = await session(t, launchQueueDouble);

  files.set('groupA.int', fs.readFileSync(plan));
  answers.open.push('groupA.int');
  await press(page, 'Control+o');
  await page.waitForFunction(() => document.title.startsWith('groupA.int - '));
  assert.deepEqual(await form(page), JSON.parse(cli(['show', plan, '--json']).stdout));

  // A file dropped on the page opens as Open opens it.
  await page.evaluate((bytes) => {
    const dropped = new DataTransfer();
    dropped.items.add(new File([new Uint8Array(bytes)], 'dropped.int'));
    document.querySelector('#grid').dispatchEvent(new DragEvent('drop', {dataTransfer: dropped, bubbles: true, cancelable: true}));
  }, Array.from(fs.readFileSync(plan)));
  await page.waitForFunction(() => document.title.startsWith('dropped.int - '));
  assert.deepEqual(await form(page), JSON.parse(cli(['show', plan, '--json']).stdout));

  // Print: the report's lines are qm314-cli show's.
  await page.evaluate(() => {
    window.print = () => (window.printed = true);
  });
  await press(page, 'Control+p');
  assert.equal(await page.evaluate(() => window.printed), true);
  const report = await page.$$eval('#report .report-line', (lines) =>
    lines.map((line) => [...line.children].map((cell) => cell.textContent).filter(Boolean).join(' ')));
  const shown = cli(['show', plan]).stdout.trim().split('\n').map((line) => line.trim().split(/ {2,}/).join(' '));
  assert.deepEqual(report, shown);

  // The installed app started with a file: it opens, and Save writes to it again.
  files.set('launched.int', fs.readFileSync(plan));
  answers.open.push('launched.int');
  await page.evaluate(async () => {
    const [handle] = await window.showOpenFilePicker();
    window.qm314Launch({files: [handle]});
  });
  await page.waitForFunction(() => document.title.startsWith('launched.int - '));
  await page.focus('#grid');
  await press(page, 'Delete');
  await press(page, 'Control+s');
  await page.waitForFunction(() => !document.title.includes('*'));
  assert.equal(answers.asked.filter((asked) => asked.save).length, 0);
  const launched = path.join(folder, 'launched.int');
  fs.writeFileSync(launched, files.get('launched.int'));
  assert.equal(JSON.parse(cli(['show', launched, '--json']).stdout).channels[0].channel, '');

  // A file too short is refused and changes nothing; bytes of another kind
  // open only when the user says so, and then have no file to save over.
  files.set('short.int', Buffer.alloc(100));
  answers.open.push('short.int');
  await menu(page, 'File', 'Open...');
  assert.match((await box(page)).text, /^Cannot open "short.int": it holds 100 bytes, but a channel data file holds 1024/);
  await answer(page, 'OK');
  files.set('photo.int', Buffer.alloc(1024, 0x55));
  answers.open.push('photo.int');
  await menu(page, 'File', 'Open...');
  const question = await box(page);
  assert.equal(question.text, '"photo.int" does not look like QM-314 channel data. Open it anyway?');
  assert.deepEqual(question.buttons, ['Yes', 'No']);
  await answer(page, 'Yes');
  await page.waitForFunction(() => document.title.startsWith('Write Data - '));

  // Import Channels, then Export Channels as the common radio CSV.
  files.set('plan.csv', fs.readFileSync(sample));
  answers.open.push('plan.csv');
  await menu(page, 'File', 'Import Channels...');
  await page.waitForFunction(() => window.qm314Page.doc.undoName === 'Import Channels');
  const imported = path.join(folder, 'imported.int');
  fs.writeFileSync(imported, Buffer.alloc(1024, 0x55));
  // The page imports into what it opened anyway; the command line asks --force for that.
  assert.equal(cli(['import', sample, imported, '--force']).status, 0);
  const bytes = await page.evaluate(() => Array.from(window.qm314Page.doc.bytes()));
  assert.deepEqual(Buffer.from(bytes), fs.readFileSync(imported));
  answers.save.push('out.csv');
  await menu(page, 'File', 'Export Channels...');
  await page.waitForSelector('.export-forms');
  await page.click('.export-forms label:nth-of-type(2) input');
  await press(page, 'Enter');
  for (let waited = 0; !files.has('out.csv') && waited < 5000; waited += 50) await new Promise((resolve) => setTimeout(resolve, 50));
  assert.equal(files.get('out.csv').toString(), cli(['export', imported, '--format', 'radio-csv']).stdout);
  assert.equal(answers.asked.at(-1).save.suggestedName, 'Write Data.csv');

  // A refused import names the file, the line and the text, and changes nothing.
  files.set('repeater.csv', Buffer.from('Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,Mode,TStep,Skip,Comment\n' +
                                        '1,,446.006250,-,0.600000,,88.5,88.5,023,NN,NFM,12.50,,\n'));
  answers.open.push('repeater.csv');
  const before = await form(page);
  await menu(page, 'File', 'Import Channels...');
  const refused = await box(page);
  assert.match(refused.text, /^repeater\.csv, line 2, row 1, column Duplex: "-" would send on another frequency than it receives.* The channels are unchanged\.$/);
  await answer(page, 'OK');
  assert.deepEqual(await form(page), before);
});

test('rows go to the clipboard as the desktop\'s tab-separated text and come back; a paste past row 16 is refused', async (t) => {
  const {page} = await session(t);
  const clipboard = () => page.evaluate(() => navigator.clipboard.readText());
  await page.focus('#grid');
  // Row 1: Channel 03; row 2: Channel 08 with the code D023I.
  await press(page, '3');
  await press(page, 'Enter');
  await press(page, 'ArrowDown');
  await press(page, '8');
  await press(page, 'Tab');
  await press(page, 'Enter');
  for (const key of ['d', '0', '2', '3', 'i']) await press(page, key);
  await press(page, 'Enter');

  // A key on a cell never touches the clipboard.
  await page.evaluate(() => navigator.clipboard.writeText('untouched'));
  await press(page, 'Control+c');
  assert.equal(await clipboard(), 'untouched');

  const label = (row) => `#grid tbody tr:nth-child(${row}) th`;
  await page.click(label(1));
  await page.keyboard.down('Shift');
  await page.click(label(2));
  await page.keyboard.up('Shift');
  await press(page, 'Control+c');
  assert.equal(await clipboard(), 'CH\tChannel\tTones\tBCLO\tScan\n1\t03\tOff\tOff\tAdd\n2\t08\tD023I\tOff\tAdd\n');

  await page.click(label(16));
  await press(page, 'Control+v');
  const refused = await box(page);
  assert.equal(refused.text, 'The clipboard, line 3: 2 rows pasted from row 16 would end at row 17, past row 16, ' +
                             'the last channel row. The channels are unchanged.');
  await answer(page, 'OK');
  assert.equal((await form(page)).channels[15].channel, '');

  await page.click(label(5));
  await press(page, 'Control+v');
  let now = await form(page);
  assert.deepEqual(now.channels.slice(4, 6).map(({row, ...cells}) => cells), now.channels.slice(0, 2).map(({row, ...cells}) => cells));
  assert.equal(await page.evaluate(() => window.qm314Page.doc.undoName), 'Paste in rows 5 to 6');
  assert.deepEqual(await page.evaluate(() => window.qm314Page.grid.selected), [5, 6]);

  await press(page, 'Control+x');
  now = await form(page);
  assert.equal(now.channels[4].channel, '');
  assert.equal(await page.evaluate(() => window.qm314Page.doc.undoName), 'Cut of rows 5 to 6');
  assert.match(await clipboard(), /^CH\tChannel/);
  assert.match(await title(page), /^Write Data\* /);
});

// In the page, before it loads: a browser with neither Web Serial nor the File
// System Access API, as Firefox and Safari are.
function withoutSerialOrFileAccess() {
  delete Navigator.prototype.serial;
  delete window.showOpenFilePicker;
  delete window.showSaveFilePicker;
}

test('without Web Serial the page says which browsers reach a radio, and opens and saves through the chooser and a download', async (t) => {
  const folder = scratchFolder(t);
  const plan = path.join(folder, 'groupB.int');
  assert.equal(cli(['new', plan]).status, 0);
  assert.equal(cli(['import', sample, plan]).status, 0);
  const server = await startSite();
  const browser = await launch();
  t.after(async () => {
    await browser.close();
    await server.close();
  });
  const downloads = path.join(folder, 'downloads');
  const session = await browser.target().createCDPSession();
  await session.send('Browser.setDownloadBehavior', {behavior: 'allow', downloadPath: downloads});
  const {page, errors} = await openPage(browser, server.url, [], withoutSerialOrFileAccess);

  const noSerial = 'Reading and writing a radio needs Chrome or Edge on a desktop computer (Windows, macOS, Linux or ' +
                   'ChromeOS): this browser cannot reach a serial port. Opening, editing, saving, importing, exporting ' +
                   'and printing work here as well.';
  assert.equal(await page.$eval('#notice', (notice) => (notice.hidden ? '' : notice.textContent)), noSerial);
  await page.focus('#grid');
  await press(page, 'Control+r');
  assert.equal((await box(page)).text, noSerial);
  await answer(page, 'OK');
  assert.equal(await page.$('#transfer[open]'), null);

  // Open by the browser's file chooser, change row 1, and save: a download
  // named after the document with qm314-cli's bytes for the same edit.
  const choosing = page.waitForFileChooser();
  // The browser holds the chooser for the test only once the page has taken
  // the request to: a call answered after it says so, and Ctrl+O may follow.
  await page.evaluate(() => true);
  await press(page, 'Control+o');
  const chooser = await choosing;
  await chooser.accept([plan]);
  await page.waitForFunction(() => document.title.startsWith('groupB.int - '));
  await page.focus('#grid');
  await press(page, '7');
  await press(page, 'Enter');
  await press(page, 'Control+s');
  const saved = path.join(downloads, 'groupB.int');
  for (let waited = 0; !fs.existsSync(saved) && waited < 5000; waited += 50) await new Promise((resolve) => setTimeout(resolve, 50));
  const edits = path.join(folder, 'edits.csv');
  fs.writeFileSync(edits, 'CH,Channel,Tones,BCLO,Scan\n1,07,01,Off,Add\n');
  const expected = path.join(folder, 'expected.int');
  assert.equal(cli(['import', edits, plan, '-o', expected]).status, 0);
  assert.deepEqual(fs.readFileSync(saved), fs.readFileSync(expected));
  assert.match(await title(page), /^groupB\.int - /);
  assert.deepEqual(errors, []);
});
