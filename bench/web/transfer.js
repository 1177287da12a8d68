// A full read and a full write of the browser module against qm314-sim
// (through the Web Serial double of the tests), next to the same transfers by
// qm314-cli, each as a ratio to the protocol's pacing floor, with the
// module's processor time as a share of its wall time.  The best round is the
// figure; the others show what a busy machine adds.
// Run: node bench/web/transfer.js [ROUNDS] after building build/ and build-web/.
'use strict';

const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const {simPath, loadModule, cliAsync, ptySim} = require('../../web/test/helpers.js');
const {SimPort} = require('../../web/test/sim_port.js');
const {floors} = require('./floors.js');

const report = (who, what, ms, cpuMs) =>
  console.log(`${who.padEnd(7)} ${what.padEnd(6)} ${ms.toFixed(0).padStart(6)} ms   floor ${floors[what].toFixed(0)} ms   ` +
              `${(ms / floors[what]).toFixed(3)} x floor${cpuMs === undefined ? '' :
                `   CPU ${cpuMs.toFixed(0)} ms = ${(100 * cpuMs / ms).toFixed(1)} % of wall`}`);

async function timed(run) {
  const cpu = process.cpuUsage();
  const start = performance.now();
  const result = await run();
  const used = process.cpuUsage(cpu);
  return {ms: performance.now() - start, cpuMs: (used.user + used.system) / 1000, result};
}

(async () => {
  const rounds = Number(process.argv[2]) || 3;
  const m = await loadModule();
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'qm314-bench-'));
  const file = path.join(folder, 'radio.int');
  fs.writeFileSync(file, m.newImage());
  const port = new SimPort(simPath);
  const native = await ptySim([]);
  const best = {};
  const keep = (key, value) => {
    if (!best[key] || value.ms < best[key].ms) best[key] = value;
  };
  for (let round = 1; round <= rounds; round++) {
    console.log(`round ${round}`);
    const read = await timed(() => m.readRadio(port, {}));
    const write = await timed(() => m.writeRadio(port, read.result.bytes, {}));
    const cliRead = await timed(() => cliAsync(['read', native.device, '-o', file]));
    const cliWrite = await timed(() => cliAsync(['write', native.device, file]));
    for (const [key, run, ok] of [['module read', read, read.result.outcome === 'completed'],
                                  ['module write', write, write.result.outcome === 'completed'],
                                  ['cli read', cliRead, cliRead.result.status === 0],
                                  ['cli write', cliWrite, cliWrite.result.status === 0]]) {
      if (!ok) throw new Error(`${key} failed`);
      const [who, what] = key.split(' ');
      report(who, what, run.ms, who === 'module' ? run.cpuMs : undefined);
      keep(key, run);
    }
  }
  console.log(`best of ${rounds}`);
  for (const [key, run] of Object.entries(best)) {
    const [who, what] = key.split(' ');
    report(who, what, run.ms, who === 'module' ? run.cpuMs : undefined);
  }
  await Promise.all([port.stop(), native.stop()]);
  fs.rmSync(folder, {recursive: true, force: true});
})();
