// Headless Chromium for the module's browser tests and measurements: the
// module's build folder served on 127.0.0.1 (Web Serial and workers need a
// secure context), and navigator.serial replaced before any page script runs
// by a double whose port carries its bytes to qm314-sim through node
// (sim_socket.js).
'use strict';

const fs = require('node:fs');
const http = require('node:http');
const os = require('node:os');
const path = require('node:path');
const puppeteer = require('puppeteer-core');
const {webBuild, simPath} = require('./helpers.js');
const {attachSimSocket, newSession} = require('./sim_socket.js');

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
  attachSimSocket(server);
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

// In the page: navigator.serial whose one port forwards to node through a
// WebSocket on the page's own server (sim_socket.js): one socket per open,
// bytes as binary messages, the port's other operations as JSON.
function serialDouble() {
  const port = {
    readable: null,
    writable: null,
    socket: null,
    async open(options) {
      const socket = new WebSocket(`ws://${location.host}/qm314-sim?session=${window.qm314SimSession}`);
      socket.binaryType = 'arraybuffer';
      await new Promise((resolve, reject) => {
        socket.onopen = resolve;
        socket.onerror = () => reject(new DOMException('Failed to open serial port.', 'NetworkError'));
      });
      const replies = [];
      const expect = (op) => new Promise((resolve) => replies.push({op, resolve}));
      let source = null;
      let failed = null;
      socket.onmessage = ({data}) => {
        if (typeof data !== 'string') {
          if (source) source.enqueue(new Uint8Array(data));
          return;
        }
        const message = JSON.parse(data);
        if (message.op === 'lost') {
          if (source) source.error(new DOMException('The device has been lost.', 'NetworkError'));
          source = null;
        } else if (message.op === 'writeFailed') {
          failed = failed || message.refusal;
        } else {
          const waiting = replies.findIndex((reply) => reply.op === message.op);
          if (waiting >= 0) replies.splice(waiting, 1)[0].resolve(message);
        }
      };
      socket.send(JSON.stringify({op: 'open', options}));
      const opened = await expect('opened');
      if (opened.refusal) {
        socket.close();
        throw new DOMException(opened.refusal.message, opened.refusal.name);
      }
      this.socket = socket;
      this.expect = expect;
      this.readable = new ReadableStream({
        start: (controller) => {
          source = controller;
        },
        cancel: () => {
          source = null;
        },
      });
      // A port's write resolves once the system has taken the bytes, long
      // before they are on the line.  A line that failed refuses the next write.
      this.writable = new WritableStream({
        write(chunk) {
          if (failed) throw new DOMException(failed.message, failed.name);
          socket.send(new Uint8Array(chunk));
        },
      });
    },
    async setSignals(signals) {
      if (!this.socket) throw new DOMException('The port is closed.', 'InvalidStateError');
      this.socket.send(JSON.stringify({op: 'signals', signals}));
    },
    async close() {
      if (!this.socket) throw new DOMException('The port is already closed.', 'InvalidStateError');
      const socket = this.socket;
      socket.send(JSON.stringify({op: 'close'}));
      const closed = await this.expect('closed');
      socket.close();
      this.socket = null;
      this.readable = null;
      this.writable = null;
      if (closed.refusal) throw new DOMException(closed.refusal.message, closed.refusal.name);
    },
    getInfo: () => ({}),
  };
  Object.defineProperty(Navigator.prototype, 'serial', {
    configurable: true,
    get: () => ({requestPort: async () => port, getPorts: async () => [port], addEventListener() {}}),
  });
}

// The node end of a page's port: a session of sim_socket.js, whose state
// (the SimPorts started, whether an open is refused as by a port another
// program holds) the test reads and sets.
async function bridge(page, simArgs) {
  const {id, state} = newSession(simArgs);
  await page.evaluateOnNewDocument((session) => {
    window.qm314SimSession = session;
  }, id);
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
