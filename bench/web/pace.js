// How long the protocol's pauses (1, 2, 15 and 20 ms) last in node and in
// headless Chromium, in the page and in a worker, visible and behind another
// tab; next to them a bare timer chain, which a page rounds up to 4 ms and a
// hidden page to about a second.  Then full reads through the radio worker
// with the page visible and hidden, one in the visible page itself (the
// Web Serial double's own way to node costs the same in both), and one in the
// hidden page itself, cut off after a few blocks.
// Run: node bench/web/pace.js [PAUSES] [HIDDEN_SECONDS] after building build/
// and build-web/; HIDDEN_SECONDS (0) is how long the pages stay hidden before
// the hidden measurements: Chrome throttles a page's timers harder still after
// five minutes behind other tabs.
'use strict';

const path = require('node:path');
const {root, loadModule} = require('../../web/test/helpers.js');
const {serve, launch, conversationPageIn, hide} = require('../../web/test/chromium.js');

const count = Number(process.argv[2]) || 40;
const hiddenSeconds = Number(process.argv[3]) || 0;
const lengths = [1, 2, 15, 20];
const readFloorMs = 7551;

// In any context with a module `m`: each length `count` times, by the
// module's pause and by a bare timer.
const measure = async (m, lengths, count) => {
  const stats = (values) => {
    values.sort((a, b) => a - b);
    const mean = values.reduce((a, b) => a + b, 0) / values.length;
    return {mean, p50: values[values.length >> 1], p95: values[Math.floor(values.length * 0.95)],
            min: values[0], max: values.at(-1)};
  };
  const out = {};
  for (const ms of lengths) {
    for (const [kind, pause] of [['pause', () => m.qm314Pause(ms)],
                                 ['timer', () => new Promise((resolve) => setTimeout(resolve, ms))]]) {
      const took = [];
      for (let i = 0; i < count; i++) {
        const start = performance.now();
        await pause();
        took.push(performance.now() - start);
      }
      out[`${kind} ${ms}`] = stats(took);
    }
  }
  return out;
};

const workerScript = `importScripts('qm314.js');
const measure = ${measure.toString()};
onmessage = async ({data}) => postMessage(await measure(await createQm314(), data.lengths, data.count));`;
const pacePage = `<!doctype html><meta charset="utf-8"><title>pace</title><script src="qm314.js"></script>
<script>
const measure = ${measure.toString()};
window.inPage = async (lengths, count) => measure(await createQm314(), lengths, count);
window.inWorker = (lengths, count) => new Promise((resolve) => {
  const worker = new Worker('pace_worker.js');
  worker.onmessage = ({data}) => { worker.terminate(); resolve(data); };
  worker.postMessage({lengths, count});
});
</script>`;

const print = (where, results) => {
  for (const [key, s] of Object.entries(results)) {
    console.log(`${where.padEnd(24)} ${key.padEnd(9)} mean ${s.mean.toFixed(2).padStart(7)}  p50 ${s.p50.toFixed(2).padStart(7)}` +
                `  p95 ${s.p95.toFixed(2).padStart(7)}  min ${s.min.toFixed(2).padStart(6)}  max ${s.max.toFixed(2).padStart(7)} ms`);
  }
};

(async () => {
  print('node', await measure(await loadModule(), lengths, count));

  const {server, url} = await serve({'pace.html': pacePage, 'pace_worker.js': workerScript});
  const browser = await launch(30 * 60 * 1000);
  try {
    const pace = await browser.newPage();
    await pace.goto(`${url}pace.html`);
    const image = ['--image', path.join(root, 'fuzz', 'corpus', 'file_roundtrip', 'seed-channels')];
    const {page, sim} = await conversationPageIn(browser, url, image);
    const read = async (where) => {
      const start = performance.now();
      const result = await page.evaluate(async () =>
        (await window.conversations.readRadio(await navigator.serial.requestPort(), {})).outcome);
      const ms = performance.now() - start;
      console.log(`read through the worker, ${where}: ${result}, ${ms.toFixed(0)} ms = ` +
                  `${(ms / readFloorMs).toFixed(3)} x floor`);
    };
    await pace.bringToFront();
    print('Chromium page, visible', await pace.evaluate((l, c) => window.inPage(l, c), lengths, count));
    print('Chromium worker, visible', await pace.evaluate((l, c) => window.inWorker(l, c), lengths, count));
    await page.bringToFront();
    await read('page visible');
    // The same read in the visible page's own module: what the relay to the
    // worker adds, apart from the double's own way to node.
    const start = performance.now();
    const inPage = await page.evaluate(async () => {
      await new Promise((resolve) => {
        const script = document.createElement('script');
        script.src = 'qm314.js';
        script.onload = resolve;
        document.head.append(script);
      });
      window.pageModule = await createQm314();
      return (await window.pageModule.readRadio(await navigator.serial.requestPort(), {})).outcome;
    });
    const inPageMs = performance.now() - start;
    console.log(`read in the visible page itself: ${inPage}, ${inPageMs.toFixed(0)} ms = ` +
                `${(inPageMs / readFloorMs).toFixed(3)} x floor`);

    await hide(browser, url);
    await new Promise((resolve) => setTimeout(resolve, hiddenSeconds * 1000));
    console.log(`page and pace page hidden for ${hiddenSeconds} s:`, await page.evaluate(() => document.visibilityState),
                await pace.evaluate(() => document.visibilityState));
    print('Chromium worker, hidden', await pace.evaluate((l, c) => window.inWorker(l, c), lengths, count));
    await read('page hidden');
    // Each throttled timer takes a second, after five minutes a minute: a few do.
    const [pageLengths, throttled] = hiddenSeconds > 0 ? [[1, 15], 1] : [lengths, Math.min(count, 5)];
    print('Chromium page, hidden', await pace.evaluate((l, c) => window.inPage(l, c), pageLengths, throttled));

    // The same read in the hidden page's own module, without the worker.
    const blocks = hiddenSeconds > 0 ? 1 : 4;
    const perBlock = await page.evaluate(async (blocks) => {
      const stamps = [];
      await window.pageModule.readRadio(await navigator.serial.requestPort(), {
        progress: () => stamps.push(performance.now()),
        cancelled: () => stamps.length >= blocks,
      });
      return (stamps.at(-1) - stamps[0]) / (stamps.length - 1);
    }, blocks + 1);
    console.log(`read in the hidden page itself: ${perBlock.toFixed(0)} ms a block (a read has 128; ` +
                `about ${(readFloorMs / 128).toFixed(0)} ms each at the floor), cancelled after ${blocks + 1}`);
    for (const port of sim.ports) await port.stop();
  } finally {
    await browser.close();
    server.close();
  }
})();
