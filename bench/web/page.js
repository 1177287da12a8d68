// The page in headless Chromium: the time from navigation to a usable form
// (the core loaded, the form built, the document back), on a first visit and
// when the service worker serves it (the server up, then stopped); and a full
// read and write through the page's transfer dialog against qm314-sim
// through the Web Serial double, as ratios to the pacing floor, next to the
// same conversation on the page's main thread (the worker's relay is the
// difference; bench/web/transfer.js gives the module's own pace in node,
// without the double).  Medians of the loads and the best transfer are the
// figures.
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

// The same conversation run by the page's own copy of the module on its main
// thread, through the same double: what the worker's relay costs is the
// difference.
const onMainThread = (page, what) => page.evaluate(async (which) => {
  const {m, doc} = window.qm314Page;
  const port = await navigator.serial.requestPort();
  const start = performance.now();
  const result = which === 'read' ? await m.readRadio(port, {}) : await m.writeRadio(port, doc.bytes(), {});
  return {ms: performance.now() - start, outcome: result.outcome};
}, what);

// A transfer from Start to the dialog's close, timed in the page.
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
  const start = performance.now();
  dialog.querySelector('.start').click();
  return (await closed) - start;
}, command);

(async () => {
  const rounds = Number(process.argv[2]) || 3;
  const browser = await launch();
  await loads(browser, rounds);
  const site = await startSite();
  const {page: form} = await openPage(browser, site.url);
  const best = {};
  const keep = (key, ms) => {
    best[key] = Math.min(best[key] || Infinity, ms);
  };
  const line = (who, what, ms) => `${who.padEnd(19)} ${what.padEnd(5)} ${ms.toFixed(0).padStart(6)} ms   ` +
                                  `floor ${floors[what].toFixed(0)} ms   ${(ms / floors[what]).toFixed(3)} x floor`;
  for (let round = 1; round <= rounds; round++) {
    console.log(`round ${round}`);
    for (const what of ['read', 'write']) {
      const ms = await transfer(form, what);
      if (await form.$('dialog.box[open]')) throw new Error(`the page's ${what} did not complete`);
      console.log(line('page (worker)', what, ms));
      keep(`page (worker) ${what}`, ms);
      const direct = await onMainThread(form, what);
      if (direct.outcome !== 'completed') throw new Error(`the ${what} on the main thread did not complete`);
      console.log(line('page (main thread)', what, direct.ms));
      keep(`page (main thread) ${what}`, direct.ms);
    }
  }
  console.log(`best of ${rounds}`);
  for (const [key, ms] of Object.entries(best)) {
    const what = key.split(' ').pop();
    console.log(line(key.slice(0, -what.length - 1), what, ms));
  }
  await browser.close();
  await site.close();
  stopChildren();
})();
