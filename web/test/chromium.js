// Headless Chromium for the module's browser tests and measurements: the
// module's build folder served on 127.0.0.1 (Web Serial and workers need a
// secure context), and navigator.serial replaced before any page script runs
// by a double whose port carries its bytes to qm314-sim through node.
'use strict';

const fs = require('node:fs');
const http = require('node:http');
const os = require('node:os');
const path = require('node:path');
const puppeteer = require('puppeteer-core');
const {webBuild, simPath} = require('./helpers.js');
const {SimPort} = require('./sim_port.js');

const chromiumPath = process.env.QM314_CHROMIUM || '/usr/bin/chromium';

// The page the tests drive: the page's half of the radio worker, and nothing else.
const conversationPage = `<!doctype html><meta charset="utf-8"><title>conversation</title>
<script type="module">
import {RadioConversations} from './radio_conversations.js';
window.conversations = new RadioConversations();
window.ready = true;
</script>`;

const types = {'.js': 'text/javascript', '.wasm': 'application/wasm', '.html': 'text/html'};

// Serves the module's files, and `extra` ({name: text}) beside them.
function serve(extra = {}) {
  const folder = path.join(webBuild, 'web');
  const files = {'conversation.html': conversationPage, ...extra};
  const server = http.createServer((request, response) => {
    const name = decodeURIComponent(new URL(request.url, 'http://x').pathname.slice(1));
    const body = name in files ? files[name] : fs.existsSync(path.join(folder, name)) && !name.includes('..') ?
      fs.readFileSync(path.join(folder, name)) : null;
    if (body === null) {
      response.writeHead(404);
      response.end();
      return;
    }
    response.writeHead(200, {'content-type': types[path.extname(name)] || 'application/octet-stream',
                             'cache-control': 'no-store'});
    response.end(body);
  });
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () =>
    resolve({server, url: `http://127.0.0.1:${server.address().port}/`})));
}

// Chromium as CI runs it, root included, with the browser's own throttling of
// hidden tabs left on (puppeteer's defaults would turn it off).  A call into a
// page may take up to protocolTimeout ms.
async function launch(protocolTimeout = 180000) {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'qm314-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: chromiumPath,
    protocolTimeout,
    ignoreDefaultArgs: true,
    pipe: true,
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
           '--disable-background-networking', '--disable-component-update', '--disable-sync',
           `--user-data-dir=${profile}`, '--remote-debugging-pipe', 'about:blank'],
  });
  // Chromium may still write its profile as it goes; the folder goes afterwards.
  browser.on('disconnected', () => setTimeout(() => fs.rmSync(profile, {recursive: true, force: true, maxRetries: 5}), 500));
  return browser;
}

// In the page: navigator.serial whose one port forwards to node.
function serialDouble() {
  const port = {
    readable: null,
    writable: null,
    async open(options) {
      const refusal = await window.qm314SimOpen(options);
      if (refusal) throw new DOMException(refusal.message, refusal.name);
      this.readable = new ReadableStream({
        async pull(controller) {
          const bytes = await window.qm314SimRead();
          if (bytes === null) controller.error(new DOMException('The device has been lost.', 'NetworkError'));
          else if (bytes.length > 0) controller.enqueue(new Uint8Array(bytes));
        },
        cancel: () => window.qm314SimCancel(),
      });
      // A port's write resolves once the system has taken the bytes, long
      // before they are on the line; waiting for node's word on each would
      // add a round trip to every block.  The bytes go in order, and a line
      // that failed refuses the next write.
      let failed = null;
      this.writable = new WritableStream({
        write(chunk) {
          if (failed) throw new DOMException(failed.message, failed.name);
          window.qm314SimWrite(Array.from(chunk)).then((refusal) => {
            if (refusal && !failed) failed = refusal;
          });
        },
      });
    },
    async setSignals(signals) {
      await window.qm314SimSignals(signals);
    },
    async close() {
      const refusal = await window.qm314SimClose();
      if (refusal) throw new DOMException(refusal.message, refusal.name);
      this.readable = null;
      this.writable = null;
    },
    getInfo: () => ({}),
  };
  Object.defineProperty(Navigator.prototype, 'serial', {
    configurable: true,
    get: () => ({requestPort: async () => port, getPorts: async () => [port], addEventListener() {}}),
  });
}

// The node end of the page's port: a SimPort, read by long polls from the page.
async function bridge(page, simArgs) {
  let sim = null;
  let reader = null;
  let writer = null;
  let queue = [];
  let waiter = null;
  let ended = false;
  const wake = () => {
    const resolve = waiter;
    waiter = null;
    if (resolve) resolve();
  };
  const refusal = (e) => ({name: e.name || 'NetworkError', message: String(e.message || e)});
  // refuseOpen: the port is held by another program.
  const state = {ports: [], refuseOpen: false};
  await page.exposeFunction('qm314SimOpen', async (options) => {
    if (!sim) {
      sim = new SimPort(simPath, simArgs);
      state.ports.push(sim);
    }
    sim.heldElsewhere = state.refuseOpen;
    try {
      await sim.open(options);
    } catch (e) {
      return refusal(e);
    }
    reader = sim.readable.getReader();
    writer = sim.writable.getWriter();
    queue = [];
    ended = false;
    (async () => {
      try {
        for (;;) {
          const {value, done} = await reader.read();
          if (done) break;
          queue.push(...value);
          wake();
        }
      } catch (e) {
        // Lost: the page's next read learns it.
      }
      ended = true;
      wake();
    })();
    return null;
  });
  await page.exposeFunction('qm314SimRead', async () => {
    while (queue.length === 0 && !ended) await new Promise((resolve) => (waiter = resolve));
    if (queue.length === 0) return null;
    const bytes = queue;
    queue = [];
    return bytes;
  });
  await page.exposeFunction('qm314SimCancel', async () => {
    ended = true;
    wake();
  });
  await page.exposeFunction('qm314SimWrite', async (bytes) => {
    try {
      await writer.write(new Uint8Array(bytes));
      return null;
    } catch (e) {
      return refusal(e);
    }
  });
  await page.exposeFunction('qm314SimSignals', async (signals) => sim.setSignals(signals));
  await page.exposeFunction('qm314SimClose', async () => {
    try {
      await reader.cancel();
      reader.releaseLock();
      writer.releaseLock();
      await sim.close();
      return null;
    } catch (e) {
      return refusal(e);
    }
  });
  return state;
}

// A page with the double and the radio worker, ready; simArgs go to qm314-sim.
async function conversationPageIn(browser, url, simArgs = []) {
  const page = await browser.newPage();
  const sim = await bridge(page, simArgs);
  await page.evaluateOnNewDocument(serialDouble);
  await page.goto(`${url}conversation.html`);
  await page.waitForFunction(() => window.ready === true);
  return {page, sim};
}

// Another tab in front, so `page` is hidden as a tab behind others is.
async function hide(browser, url) {
  const front = await browser.newPage();
  await front.goto(`${url}missing-page`);
  await front.bringToFront();
  return front;
}

module.exports = {serve, launch, conversationPageIn, hide, bridge, serialDouble};
