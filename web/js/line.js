// The serial line of one radio conversation, over a port with the Web Serial
// interface (open, readable, writable, setSignals, close): one reader loop
// fills a buffer, and the C++ port (browser_serial_port.cpp) waits on it with
// the time-outs of the conversation.  Nothing here knows the protocol.
// Loaded before the module's own code (--pre-js), inside createQm314().

class Qm314Line {
  constructor(port) {
    this.port = port;
    this.chunks = [];  // what the reader brought and nobody took yet, oldest first
    this.offset = 0;   // bytes of chunks[0] already taken
    this.count = 0;    // bytes waiting in all
    this.ended = true;  // no reader runs: not yet opened, unplugged, or closed
    this.wake = null;  // ends the wait for input, while one waits
    this.reader = null;
    this.writer = null;
    this.reading = null;
    this.opened = false;
  }

  // 0 opened; 1 the system would not open it (another program or tab holds
  // it, or it was unplugged); 2 this page holds it open already; 3 the browser
  // took back the permission.
  async open() {
    try {
      await this.port.open({baudRate: 9600, dataBits: 8, stopBits: 1, parity: 'none', flowControl: 'none',
                            bufferSize: 1024});
    } catch (e) {
      const name = e && e.name;
      return name === 'InvalidStateError' ? 2 : name === 'NotAllowedError' || name === 'SecurityError' ? 3 : 1;
    }
    this.opened = true;
    try {
      this.reader = this.port.readable.getReader();
      this.writer = this.port.writable.getWriter();
    } catch (e) {
      await this.close();
      return 1;
    }
    // Windows and Linux raise DTR and RTS when they open a port, and many
    // programming cables take their power from them.
    try {
      await this.port.setSignals({dataTerminalReady: true, requestToSend: true});
    } catch (e) {
      // A port without the lines shows itself, if at all, by the radio's silence.
    }
    this.ended = false;
    this.reading = this.readLoop();
    return 0;
  }

  async readLoop() {
    try {
      for (;;) {
        const {value, done} = await this.reader.read();
        if (done) break;
        if (value && value.length > 0) {
          this.chunks.push(value);
          this.count += value.length;
          this.notify();
        }
      }
    } catch (e) {
      // The device was lost; the waits learn it from `ended`.
    }
    this.ended = true;
    this.notify();
  }

  notify() {
    const wake = this.wake;
    this.wake = null;
    if (wake) wake();
  }

  // 1 input waits; 0 none came within `ms` (no limit below 0); -1 the reader stopped.
  waitForInput(ms) {
    if (this.count > 0) return 1;
    if (this.ended) return -1;
    if (ms === 0) return 0;
    return new Promise((resolve) => {
      const timer = ms < 0 ? null : setTimeout(() => {
        this.wake = null;
        resolve(0);
      }, ms);
      this.wake = () => {
        if (timer !== null) clearTimeout(timer);
        resolve(this.count > 0 ? 1 : -1);
      };
    });
  }

  // Moves up to `most` waiting bytes to the module's memory at `address`.
  take(address, most) {
    let taken = 0;
    while (taken < most && this.chunks.length > 0) {
      const chunk = this.chunks[0];
      const n = Math.min(most - taken, chunk.length - this.offset);
      HEAPU8.set(chunk.subarray(this.offset, this.offset + n), address + taken);
      taken += n;
      this.offset += n;
      if (this.offset === chunk.length) {
        this.chunks.shift();
        this.offset = 0;
      }
    }
    this.count -= taken;
    return taken;
  }

  purge() {
    this.chunks = [];
    this.offset = 0;
    this.count = 0;
  }

  // 1 once the port took the bytes; 0 when it failed or `ms` passed first
  // (no limit below 0).
  async write(bytes, ms) {
    if (!this.writer || this.ended) return 0;
    const written = this.writer.write(bytes).then(() => 1, () => 0);
    if (ms < 0) return written;
    let timer = null;
    const late = new Promise((resolve) => {
      timer = setTimeout(() => resolve(0), ms);
    });
    const result = await Promise.race([written, late]);
    clearTimeout(timer);
    return result;
  }

  async close() {
    if (!this.opened) return;
    this.opened = false;
    if (this.reader) {
      try {
        await this.reader.cancel();
      } catch (e) {
        // Already ended by an unplug.
      }
      await this.reading;
      this.reader.releaseLock();
    }
    if (this.writer) {
      // Bytes of a write that timed out must not reach the radio later.
      try {
        await this.writer.abort();
      } catch (e) {
        // Already errored by an unplug.
      }
      this.writer.releaseLock();
    }
    this.reader = null;
    this.writer = null;
    this.ended = true;
    this.purge();
    try {
      await this.port.close();
    } catch (e) {
      // An unplugged port closes itself.
    }
  }
}

// Yields to the event loop without a timer, which a page rounds up to 4 ms
// when one follows another.  Node's setImmediate does that; a page and a
// worker post themselves a message.
const qm314Yield = typeof setImmediate === 'function' ? (next) => setImmediate(next) : (() => {
  let channel = null;
  const queue = [];
  return (next) => {
    if (!channel) {
      channel = new MessageChannel();
      channel.port1.onmessage = () => queue.shift()();
    }
    queue.push(next);
    channel.port2.postMessage(0);
  };
})();

// The protocol's pauses (1 to 20 ms) at their length, never shorter: a timer
// for all but the last 2 ms (node's may come up to a millisecond early, and
// any may come late), then yields until the time.
Module.qm314Pause = (ms) => new Promise((resolve) => {
  const end = performance.now() + ms;
  const step = () => {
    const left = end - performance.now();
    if (left <= 0) resolve();
    else if (left > 3) setTimeout(step, left - 2);
    else qm314Yield(step);
  };
  step();
});
