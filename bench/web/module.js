// The browser module's size (qm314.js and qm314.wasm, plain and gzipped) and
// the time from createQm314() to a ready module in a fresh node process.
// Run: node bench/web/module.js [RUNS] after building build-web/.
'use strict';

const fs = require('node:fs');
const path = require('node:path');
const zlib = require('node:zlib');
const {execFileSync} = require('node:child_process');

const folder = path.join(process.env.QM314_WEB_BUILD || path.join(__dirname, '..', '..', 'build-web'), 'web');
const runs = Number(process.argv[2]) || 10;
const kib = (bytes) => `${(bytes / 1024).toFixed(1)} KiB`;

let plain = 0;
let gzipped = 0;
for (const name of ['qm314.js', 'qm314.wasm']) {
  const bytes = fs.readFileSync(path.join(folder, name));
  const packed = zlib.gzipSync(bytes, {level: 9}).length;
  plain += bytes.length;
  gzipped += packed;
  console.log(`${name.padEnd(11)} ${kib(bytes.length).padStart(10)}   gzipped ${kib(packed).padStart(9)}`);
}
console.log(`${'together'.padEnd(11)} ${kib(plain).padStart(10)}   gzipped ${kib(gzipped).padStart(9)}`);

// A fresh process each time: the compile of the .wasm is part of the wait.
const probe = `const start = performance.now();
require(${JSON.stringify(path.join(folder, 'qm314.js'))})().then((m) => {
  const ready = performance.now() - start;
  m.show(m.newImage());
  console.log(ready, performance.now() - start);
});`;
const times = [];
for (let i = 0; i < runs; i++) {
  times.push(execFileSync(process.execPath, ['-e', probe], {encoding: 'utf8'}).trim().split(' ').map(Number));
}
const median = (values) => values.slice().sort((a, b) => a - b)[values.length >> 1];
console.log(`createQm314() to ready in node: median ${median(times.map((t) => t[0])).toFixed(1)} ms, ` +
            `best ${Math.min(...times.map((t) => t[0])).toFixed(1)} ms over ${runs} runs; ` +
            `first show() done at ${median(times.map((t) => t[1])).toFixed(1)} ms`);
