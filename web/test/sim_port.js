// A double of Web Serial's SerialPort (open, readable, writable, setSignals,
// close) whose line is a qm314-sim --stdio child: what the module writes goes
// to the simulated radio, what the radio answers comes back through readable.
// It refuses as Chrome refuses: a second open while open, a port another
// program holds, a line that is gone.
'use strict';

const {spawn} = require('node:child_process');
const {track} = require('./helpers.js');

class SimPort {
  // args: more qm314-sim options (--image, --save, --fault, --log ...).
  constructor(simPath, args = []) {
    this.child = track(spawn(simPath, ['--stdio', ...args], {stdio: ['pipe', 'pipe', 'inherit']}));
    this.exited = new Promise((resolve) => this.child.on('exit', (code) => resolve(code)));
    this.child.stdin.on('error', () => {});  // a radio that pulled the cable closed its end
    this.isOpen = false;
    this.opens = 0;
    this.lost = false;
    this.heldElsewhere = false;  // as when another program has the device open
    this.source = null;  // the open readable's controller
    this.readable = null;
    this.writable = null;
    this.signals = [];
    this.child.stdout.on('data', (data) => {
      // A port that is not open hears nothing.
      if (this.source) this.source.enqueue(new Uint8Array(data));
    });
    this.child.stdout.on('end', () => {
      this.lost = true;
      if (this.source) this.source.error(new DOMException('The device has been lost.', 'NetworkError'));
      this.source = null;
    });
  }

  async open(options) {
    if (this.isOpen) throw new DOMException('The port is already open.', 'InvalidStateError');
    if (this.heldElsewhere || this.lost) throw new DOMException('Failed to open serial port.', 'NetworkError');
    if (!options || options.baudRate !== 9600) throw new TypeError('the radio talks at 9600 baud');
    this.options = options;
    this.isOpen = true;
    this.opens += 1;
    this.readable = new ReadableStream({
      start: (controller) => {
        this.source = controller;
      },
      cancel: () => {
        this.source = null;
      },
    });
    const stdin = this.child.stdin;
    this.writable = new WritableStream({
      write: (chunk) => new Promise((resolve, reject) => {
        if (this.lost || stdin.destroyed) {
          reject(new DOMException('The device has been lost.', 'NetworkError'));
          return;
        }
        stdin.write(Buffer.from(chunk), (error) => (error ? reject(error) : resolve()));
      }),
    });
  }

  async setSignals(signals) {
    if (!this.isOpen) throw new DOMException('The port is closed.', 'InvalidStateError');
    this.signals.push(signals);
  }

  async close() {
    if (!this.isOpen) throw new DOMException('The port is already closed.', 'InvalidStateError');
    if (this.readable.locked || this.writable.locked) throw new TypeError('Cannot cancel a locked stream');
    if (this.source) {
      try {
        this.source.close();
      } catch (e) {
        // Already errored by an unplug.
      }
    }
    this.source = null;
    this.readable = null;
    this.writable = null;
    this.isOpen = false;
  }

  // Ends the simulated radio; resolves when it has saved its memory.
  async stop() {
    if (this.child.exitCode === null && this.child.signalCode === null) this.child.kill('SIGTERM');
    return this.exited;
  }
}

module.exports = {SimPort};
