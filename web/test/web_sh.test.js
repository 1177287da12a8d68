// scripts/web.sh, as a user starts it: it builds the site, prints the
// address, and the page it serves starts in Chromium; Ctrl+C ends it.
'use strict';

const test = require('node:test');
const assert = require('node:assert/strict');
const path = require('node:path');
const {spawn} = require('node:child_process');
const {root} = require('./helpers.js');
const {launch} = require('./chromium.js');
const {ready} = require('./page_harness.js');

test('scripts/web.sh prints the address and serves the page', async (t) => {
  // Port 0: a free one, so a server the user left running does not matter.
  const server = spawn(path.join(root, 'scripts', 'web.sh'), ['--port', '0'], {stdio: ['ignore', 'pipe', 'pipe']});
  const exited = new Promise((resolve) => server.on('exit', (code, signal) => resolve(signal || code)));
  t.after(() => server.kill('SIGINT'));
  let output = '';
  server.stderr.on('data', (data) => (output += data));
  const url = await new Promise((resolve, reject) => {
    server.stdout.on('data', (data) => {
      output += data;
      const found = output.match(/QM-314 in the browser: (http:\/\/localhost:\d+\/)\n/);
      if (found) resolve(found[1]);
    });
    server.on('exit', () => reject(new Error(`scripts/web.sh ended:\n${output}`)));
  });

  const reply = await fetch(url);
  assert.equal(reply.status, 200);
  assert.match(reply.headers.get('content-security-policy'), /^default-src 'none'; script-src 'self' 'wasm-unsafe-eval';/);
  const browser = await launch();
  t.after(() => browser.close());
  const page = await browser.newPage();
  await page.goto(url);
  await ready(page);
  assert.equal(await page.title(), 'Write Data - Trevna QM-314 Programming Software');

  server.kill('SIGINT');
  assert.equal(await exited, 'SIGINT');
});
