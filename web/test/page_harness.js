// The built page (build-web/site) in headless Chromium, served by the page's
// own server, with doubles installed before it loads: Web Serial's port over
// qm314-sim (chromium.js) and the File System Access choosers over files kept
// in node, so Save, Open and Export run the page's own code to the bytes.
'use strict';

const path = require('node:path');
const {webBuild} = require('./helpers.js');
const {bridge, serialDouble} = require('./chromium.js');
const {startServer} = require('../serve.js');
const {attachSimSocket} = require('./sim_socket.js');

const siteFolder = path.join(webBuild, 'site');

// The site on a free port, its server also the double's end (sim_socket.js).
async function startSite() {
  const site = await startServer({root: siteFolder, port: 0});
  for (const server of site.servers) attachSimSocket(server);
  return site;
}

// In the page: showOpenFilePicker and showSaveFilePicker whose handles read
// and write files node keeps; node's answer to a chooser is the file's name,
// or null for Cancel.
function fileDouble() {
  const handle = (name) => ({
    kind: 'file',
    name,
    queryPermission: async () => 'granted',
    requestPermission: async () => 'granted',
    getFile: async () => new File([new Uint8Array(await window.qm314FileRead(name))], name),
    createWritable: async () => {
      const parts = [];
      return {
        write: async (data) => parts.push(...new Uint8Array(data instanceof Blob ? await data.arrayBuffer() : data)),
        close: async () => window.qm314FileWritten(name, parts),
        abort: async () => {},
      };
    },
  });
  const aborted = () => new DOMException('The user aborted a request.', 'AbortError');
  window.showOpenFilePicker = async (options) => {
    const name = await window.qm314PickOpen(options);
    if (!name) throw aborted();
    return [handle(name)];
  };
  window.showSaveFilePicker = async (options) => {
    const name = await window.qm314PickSave(options);
    if (!name) throw aborted();
    return handle(name);
  };
}

// A page of the site with both doubles: {page, sim, files, answers, errors,
// foreign}: errors are the page's uncaught errors and what its
// Content-Security-Policy refused, foreign the requests to any other site.  files
// maps names to Buffers; answers.open and answers.save are the names the next
// choosers give (shifted off as they are asked).  More scripts to run before
// the page's own may follow.
async function openPage(browser, url, simArgs = [], ...before) {
  const page = await browser.newPage();
  await page.setViewport({width: 1000, height: 700});
  const errors = [];
  page.on('pageerror', (error) => errors.push(error.message));
  // What the page asked of any other site, and what its Content-Security-Policy refused.
  const foreign = [];
  const host = new URL(url).host;
  page.on('request', (request) => {
    const asked = new URL(request.url());
    if (asked.host !== host && asked.protocol !== 'data:' && asked.protocol !== 'blob:') foreign.push(request.url());
  });
  await page.exposeFunction('qm314Refused', (what) => errors.push(`Content-Security-Policy refused ${what}`));
  await page.evaluateOnNewDocument(() => document.addEventListener('securitypolicyviolation',
    (event) => window.qm314Refused(`${event.violatedDirective}: ${event.blockedURI}`)));
  const sim = await bridge(page, simArgs);
  const files = new Map();
  const answers = {open: [], save: [], asked: []};
  await page.exposeFunction('qm314FileRead', (name) => Array.from(files.get(name) || []));
  await page.exposeFunction('qm314FileWritten', (name, bytes) => files.set(name, Buffer.from(bytes)));
  await page.exposeFunction('qm314PickOpen', (options) => {
    answers.asked.push({open: options});
    return answers.open.shift() || null;
  });
  await page.exposeFunction('qm314PickSave', (options) => {
    answers.asked.push({save: options});
    return answers.save.shift() || null;
  });
  await page.evaluateOnNewDocument(serialDouble);
  await page.evaluateOnNewDocument(fileDouble);
  for (const script of before) await page.evaluateOnNewDocument(script);
  await page.goto(url);
  await ready(page);
  return {page, sim, files, answers, errors, foreign};
}

async function ready(page) {
  await page.waitForFunction(() => document.documentElement.dataset.ready, {timeout: 30000});
  const state = await page.evaluate(() => document.documentElement.dataset.ready);
  if (state !== 'true') throw new Error(`the page did not start: ${await page.$eval('#status', (s) => s.textContent)}`);
}

// "Control+Z" pressed as a user does.
async function press(page, combo) {
  const keys = combo.split('+');
  const key = keys.pop();
  for (const modifier of keys) await page.keyboard.down(modifier);
  await page.keyboard.press(key);
  for (const modifier of keys.reverse()) await page.keyboard.up(modifier);
}

// The message box on top: its caption, text, details and buttons.
async function box(page, timeout = 60000) {
  await page.waitForSelector('dialog.box[open]', {timeout});
  return page.$eval('dialog.box[open]', (dialog) => ({
    caption: dialog.querySelector('.caption').textContent,
    text: dialog.querySelector('.box-text') ? dialog.querySelector('.box-text').textContent : '',
    details: dialog.querySelector('.box-details') ? dialog.querySelector('.box-details').textContent : '',
    buttons: [...dialog.querySelectorAll('.box-buttons button:not(.details-toggle)')].map((b) => b.textContent),
  }));
}

// Answers the box on top with the button of that text, and waits until that
// box is gone (another may follow at once).
async function answer(page, button) {
  const clicked = await page.evaluate((text) => {
    const dialog = document.querySelector('dialog.box[open]');
    const target = [...dialog.querySelectorAll('button')].find((b) => b.textContent === text);
    if (!target) return false;
    dialog.dataset.answered = 'true';
    target.click();
    return true;
  }, button);
  if (!clicked) throw new Error(`the box has no button "${button}"`);
  await page.waitForFunction(() => !document.querySelector('dialog.box[data-answered]'));
}

// A command by its menu: the menu's title and the item's words, as a user clicks them.
async function menu(page, title, item) {
  await page.evaluate((menuTitle) => {
    const button = [...document.querySelectorAll('#menubar .menu-title')].find((b) => b.textContent === menuTitle);
    button.dispatchEvent(new MouseEvent('mousedown', {bubbles: true}));
  }, title);
  const target = await page.waitForFunction((words) => [...document.querySelectorAll('.menu:not([hidden]) [role^="menuitem"]')]
    .find((entry) => entry.querySelector('.menu-label').textContent.startsWith(words)), {}, item);
  await target.click();
}

// The transfer dialog's Start, and the wait until the transfer has ended.
async function runTransfer(page, timeout = 60000) {
  await page.waitForSelector('#transfer[open]');
  await page.click('#transfer .start');
  await page.waitForFunction(() => !document.querySelector('#transfer[open]') || document.querySelector('dialog.box[open]'),
                             {timeout});
}

const form = (page) => page.evaluate(() => window.qm314Page.doc.form);
const title = (page) => page.title();

module.exports = {siteFolder, startSite, openPage, ready, press, box, answer, menu, runTransfer, form, title};
