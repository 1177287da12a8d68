// What the module's node tests share: the two builds, the command line run on
// files, and a scratch folder.  QM314_BUILD names the native build (default
// build/), QM314_WEB_BUILD the module's (default build-web/).
'use strict';

const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const {execFileSync, spawnSync} = require('node:child_process');

const root = path.resolve(__dirname, '..', '..');
const nativeBuild = path.resolve(process.env.QM314_BUILD || path.join(root, 'build'));
const webBuild = path.resolve(process.env.QM314_WEB_BUILD || path.join(root, 'build-web'));
const cliPath = path.join(nativeBuild, 'cli', 'qm314-cli');
const simPath = path.join(nativeBuild, 'sim', 'qm314-sim');

let modulePromise = null;
// One module for a test file, as a page keeps one.
function loadModule() {
  if (!modulePromise) modulePromise = require(path.join(webBuild, 'web', 'qm314.js'))();
  return modulePromise;
}

// {status, stdout, stderr} of qm314-cli; files are read and written by the caller.
function cli(args) {
  const run = spawnSync(cliPath, args, {encoding: 'utf8'});
  if (run.error) throw run.error;
  return {status: run.status, stdout: run.stdout, stderr: run.stderr};
}

function scratchFolder(t) {
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'qm314-web-'));
  t.after(() => fs.rmSync(folder, {recursive: true, force: true}));
  return folder;
}

// A pseudo-random sequence with a seed, so a failing image can be made again.
function random(seed) {
  let state = seed >>> 0 || 1;
  return () => {
    state ^= state << 13;
    state ^= state >>> 17;
    state ^= state << 5;
    return (state >>> 0) / 4294967296;
  };
}

module.exports = {root, nativeBuild, webBuild, cliPath, simPath, loadModule, cli, scratchFolder, random, execFileSync};

const {spawn} = require('node:child_process');

// Every simulated radio a test starts, so a failing test leaves none behind
// to keep its file's process alive: each file runs stopChildren after its tests.
const children = new Set();
function track(child) {
  children.add(child);
  child.on('exit', () => children.delete(child));
  return child;
}
function stopChildren() {
  for (const child of children) child.kill('SIGTERM');
}

// qm314-cli run without blocking the event loop, so a conversation of the
// module can run beside it.
function cliAsync(args, env = {}) {
  return new Promise((resolve, reject) => {
    const child = spawn(cliPath, args, {env: {...process.env, ...env}});
    let stdout = '';
    let stderr = '';
    child.stdout.on('data', (data) => (stdout += data));
    child.stderr.on('data', (data) => (stderr += data));
    child.on('error', reject);
    child.on('close', (status) => resolve({status, stdout, stderr}));
  });
}

// qm314-sim on a pseudo-terminal, for the command line: its device and a stop
// that waits until it has saved its memory.
function ptySim(args) {
  return new Promise((resolve, reject) => {
    const child = track(spawn(simPath, args, {stdio: ['ignore', 'pipe', 'inherit']}));
    const exited = new Promise((done) => child.on('exit', done));
    let out = '';
    child.on('error', reject);
    child.stdout.on('data', (data) => {
      out += data;
      const newline = out.indexOf('\n');
      if (newline >= 0 && !child.device) {
        child.device = out.slice(0, newline);
        resolve({device: child.device, stop: () => (child.kill('SIGTERM'), exited)});
      }
    });
  });
}

Object.assign(module.exports, {cliAsync, ptySim, track, stopChildren});
