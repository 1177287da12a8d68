// The page in headless Chromium: the time from navigation to a usable form
// (the core loaded, the form built, the document back), on a first visit and
// when the service worker serves it (the server up, then stopped); and a full
// read and write through the page's transfer dialog against qm314-sim
// through the Web Serial double, as ratios to the pacing floor.  The double
// carries every exchange with the radio over a WebSocket to node, which a
// cable does not: its round trip is measured too, and the transfers are also
// given net of it.  Medians of the loads and the best transfer are the figures.
// Run: node bench/web/page.js [ROUNDS] after building build/ and build-web/.
'use strict';

const {launch} = require('../../web/test/chromium.js');
const {startSite, openPage} = require('../../web/test/page_harness.js');
const {stopChildren} = require('../../web/test/helpers.js');
const {floors} = require('./floors.js');

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

// Milliseconds from the navigation's start to the page's word that the form is usable.
const readyAt = (page) => page.evaluate(() => new Promise((resolve) => {
  const look = () => {
    const mark = performance.getEntriesByName('qm314-ready')[0];
    if (mark) resolve(mark.startTime);
    else setTimeout(look, 5);
  };
  look();
}));

async function loads(browser, rounds) {
  const first = [];
  const worker = [];
  const offline = [];
  for (let round = 0; round < rounds; round++) {
    const site = await startSite();
    // A context of its own: no cache, no service worker, no stored document.
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    await page.goto(site.url);
    first.push(await readyAt(page));
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
    await page.reload();
    worker.push(await readyAt(page));
    await site.close();
    await page.reload();
    offline.push(await readyAt(page));
    await context.close();
  }
  const line = (what, values) => console.log(`${what.padEnd(34)} median ${median(values).toFixed(0).padStart(5)} ms   ` +
                                             `(${values.map((v) => v.toFixed(0)).join(', ')})`);
  line('first visit to a usable form', first);
  line('from the service worker, server up', worker);
  line('from the service worker, offline', offline);
}

// In the page, before it loads: counts the double's exchanges, each a
// message to node that the radio's answer follows.
function countExchanges() {
  const Socket = window.WebSocket;
  window.qm314Exchanges = 0;
  window.WebSocket = class extends Socket {
    constructor(...args) {
      super(...args);
      let sent = false;
      this.addEventListener('message', ({data}) => {
        if (typeof data !== 'string' && sent) {
          window.qm314Exchanges += 1;
          sent = false;
        }
      });
      const send = this.send.bind(this);
      this.send = (data) => {
        if (typeof data !== 'string') sent = true;
        send(data);
      };
    }
  };
}

// The median round trip of a message between the page and node on the
// double's socket.
const doubleRoundTrip = (page) => page.evaluate(async () => {
  const socket = new WebSocket(`ws://${location.host}/qm314-sim?session=${window.qm314SimSession}`);
  await new Promise((resolve) => {
    socket.onopen = resolve;
  });
  const times = [];
  for (let i = 0; i < 300; i++) {
    const start = performance.now();
    await new Promise((resolve) => {
      socket.onmessage = resolve;
      socket.send(JSON.stringify({op: 'ping'}));
    });
    times.push(performance.now() - start);
  }
  socket.close();
  return times.sort((a, b) => a - b)[times.length >> 1];
});

// A transfer from Start to the dialog's close, timed in the page, with the
// double's exchanges it took.
const transfer = (page, command) => page.evaluate(async (which) => {
  window.qm314Page.menus.run(which);
  await new Promise((resolve) => {
    const look = () => (document.querySelector('#transfer[open]') ? resolve() : setTimeout(look, 5));
    look();
  });
  const dialog = document.querySelector('#transfer');
  const closed = new Promise((resolve) => new MutationObserver((changes, observer) => {
    if (!dialog.open) {
      observer.disconnect();
      resolve(performance.now());
    }
  }).observe(dialog, {attributes: true, attributeFilter: ['open']}));
  const exchanges = window.qm314Exchanges;
  const start = performance.now();
  dialog.querySelector('.start').click();
  return {ms: (await closed) - start, exchanges: window.qm314Exchanges - exchanges};
}, command);

(async () => {
  const rounds = Number(process.argv[2]) || 3;
  const browser = await launch();
  await loads(browser, rounds);
  const site = await startSite();
  const {page: form} = await openPage(browser, site.url, [], countExchanges);
  const best = {};
  for (let round = 1; round <= rounds; round++) {
    const rtt = await doubleRoundTrip(form);
    for (const what of ['read', 'write']) {
      const {ms, exchanges} = await transfer(form, what);
      if (await form.$('dialog.box[open]')) throw new Error(`the ${what} did not complete`);
      const net = ms - exchanges * rtt;
      console.log(`round ${round}: page ${what.padEnd(5)} ${ms.toFixed(0).padStart(6)} ms   ${(ms / floors[what]).toFixed(3)} x floor   ` +
                  `double ${exchanges} exchanges x ${rtt.toFixed(2)} ms   net ${(net / floors[what]).toFixed(3)} x floor`);
      if (!best[what] || ms < best[what].ms) best[what] = {ms, net};
    }
  }
  for (const what of ['read', 'write']) {
    console.log(`best page ${what.padEnd(5)} ${best[what].ms.toFixed(0).padStart(6)} ms   floor ${floors[what].toFixed(0)} ms   ` +
                `${(best[what].ms / floors[what]).toFixed(3)} x floor   net of the double ${(best[what].net / floors[what]).toFixed(3)} x floor`);
  }
  await browser.close();
  await site.close();
  stopChildren();
})();
