// The node end of the page's Web Serial double: a WebSocket on the page's
// own server (so the page's Content-Security-Policy lets it connect) that
// carries the port's bytes to and from a SimPort over qm314-sim.  A socket
// message costs a fraction of a millisecond where a call through the
// DevTools protocol costs several, so a transfer through the double keeps
// close to the radio's own pace.  Each page names its session, which holds
// the simulator's arguments and the port's state across opens.
'use strict';

const crypto = require('node:crypto');
const {SimPort} = require('./sim_port.js');
const {simPath} = require('./helpers.js');

const path = '/qm314-sim';
const sessions = new Map();  // id -> {simArgs, ports, refuseOpen, sim}
let sessionCount = 0;

// A session for one page: its state is what bridge() gives the test.
function newSession(simArgs) {
  const id = `s${++sessionCount}`;
  const state = {ports: [], refuseOpen: false, sim: null, simArgs};
  sessions.set(id, state);
  return {id, state};
}

// One WebSocket connection: RFC 6455 frames, unfragmented from the server,
// reassembled from the browser.
class Socket {
  constructor(stream, onText, onBinary, onClose) {
    this.stream = stream;
    this.buffer = Buffer.alloc(0);
    this.fragments = [];
    this.closed = false;
    stream.setNoDelay(true);
    stream.on('data', (data) => {
      this.buffer = Buffer.concat([this.buffer, data]);
      this.parse(onText, onBinary);
    });
    const end = () => {
      if (this.closed) return;
      this.closed = true;
      onClose();
    };
    stream.on('close', end);
    stream.on('error', end);
  }

  parse(onText, onBinary) {
    for (;;) {
      if (this.buffer.length < 2) return;
      const fin = (this.buffer[0] & 0x80) !== 0;
      const opcode = this.buffer[0] & 0x0F;
      let length = this.buffer[1] & 0x7F;
      let at = 2;
      if (length === 126) {
        if (this.buffer.length < 4) return;
        length = this.buffer.readUInt16BE(2);
        at = 4;
      } else if (length === 127) {
        if (this.buffer.length < 10) return;
        length = Number(this.buffer.readBigUInt64BE(2));
        at = 10;
      }
      const masked = (this.buffer[1] & 0x80) !== 0;
      const mask = masked ? this.buffer.subarray(at, at + 4) : null;
      if (masked) at += 4;
      if (this.buffer.length < at + length) return;
      const payload = Buffer.from(this.buffer.subarray(at, at + length));
      if (mask) for (let i = 0; i < payload.length; i++) payload[i] ^= mask[i % 4];
      this.buffer = this.buffer.subarray(at + length);
      if (opcode === 0x8) {
        this.stream.end();
        return;
      }
      if (opcode === 0x9) {
        this.frame(0xA, payload);
        continue;
      }
      if (opcode === 0xA) continue;
      this.fragments.push(payload);
      if (opcode !== 0) this.kind = opcode;
      if (!fin) continue;
      const message = Buffer.concat(this.fragments);
      this.fragments = [];
      if (this.kind === 0x1) onText(JSON.parse(message.toString('utf8')));
      else onBinary(message);
    }
  }

  frame(opcode, payload) {
    if (this.closed) return;
    const head = payload.length < 126 ? Buffer.from([0x80 | opcode, payload.length])
      : payload.length < 65536 ? Buffer.from([0x80 | opcode, 126, payload.length >> 8, payload.length & 0xFF])
        : (() => {
          const big = Buffer.alloc(10);
          big[0] = 0x80 | opcode;
          big[1] = 127;
          big.writeBigUInt64BE(BigInt(payload.length), 2);
          return big;
        })();
    this.stream.write(Buffer.concat([head, payload]));
  }

  send(message) {
    this.frame(0x1, Buffer.from(JSON.stringify(message)));
  }

  sendBytes(bytes) {
    this.frame(0x2, Buffer.from(bytes));
  }
}

const refusal = (e) => ({name: e.name || 'NetworkError', message: String(e.message || e)});

// One open of the page's port: the session's SimPort opened, its bytes both ways.
function serve(socket, state) {
  let reader = null;
  let writer = null;
  const release = () => {
    if (reader) reader.releaseLock();
    if (writer) writer.releaseLock();
    reader = null;
    writer = null;
  };
  return {
    async text(message) {
      switch (message.op) {
        case 'open': {
          if (!state.sim) {
            state.sim = new SimPort(simPath, state.simArgs);
            state.ports.push(state.sim);
          }
          const sim = state.sim;
          sim.heldElsewhere = state.refuseOpen;
          try {
            await sim.open(message.options);
          } catch (e) {
            socket.send({op: 'opened', refusal: refusal(e)});
            return;
          }
          reader = sim.readable.getReader();
          writer = sim.writable.getWriter();
          socket.send({op: 'opened'});
          const own = reader;
          (async () => {
            try {
              for (;;) {
                const {value, done} = await own.read();
                if (done) return;
                socket.sendBytes(value);
              }
            } catch (e) {
              if (reader === own) socket.send({op: 'lost', refusal: refusal(e)});
            }
          })();
          return;
        }
        case 'signals':
          if (state.sim && state.sim.isOpen) await state.sim.setSignals(message.signals);
          return;
        case 'close':
          try {
            if (reader) await reader.cancel();
            release();
            await state.sim.close();
            socket.send({op: 'closed'});
          } catch (e) {
            socket.send({op: 'closed', refusal: refusal(e)});
          }
          return;
        default:
          return;
      }
    },
    binary(bytes) {
      if (!writer) return;
      writer.write(new Uint8Array(bytes)).catch((e) => socket.send({op: 'writeFailed', refusal: refusal(e)}));
    },
    // The page went away with the port open: close it as the browser would.
    async gone() {
      if (!reader) return;
      try {
        await reader.cancel();
        release();
        await state.sim.close();
      } catch (e) {
        // Already lost.
      }
    },
  };
}

// Lets server take the double's sockets.
function attachSimSocket(server) {
  server.on('upgrade', (request, stream) => {
    const url = new URL(request.url, 'http://localhost');
    const state = sessions.get(url.searchParams.get('session'));
    const key = request.headers['sec-websocket-key'];
    if (url.pathname !== path || !state || !key) {
      stream.end('HTTP/1.1 404 Not Found\r\n\r\n');
      return;
    }
    const accept = crypto.createHash('sha1').update(`${key}258EAFA5-E914-47DA-95CA-C5AB0DC85B11`).digest('base64');
    stream.write('HTTP/1.1 101 Switching Protocols\r\nUpgrade: websocket\r\nConnection: Upgrade\r\n' +
                 `Sec-WebSocket-Accept: ${accept}\r\n\r\n`);
    let line = null;
    const socket = new Socket(stream, (message) => line.text(message), (bytes) => line.binary(bytes), () => line.gone());
    line = serve(socket, state);
  });
}

module.exports = {attachSimSocket, newSession, path};
