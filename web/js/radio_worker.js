// Runs the module's radio conversations in a dedicated worker.  A hidden tab
// throttles the page's timers to about one a second, which would stretch the
// protocol's pauses until the radio gives up; a worker's timers keep their
// pace.  The page keeps the port (only a page may ask for one) and relays its
// bytes (radio_conversations.js); here the module sees a port with the Web
// Serial interface whose every operation is a message to the page.
/* global createQm314, importScripts */
'use strict';

importScripts('qm314.js');
const qm314 = createQm314();

let requests = 0;
const pending = new Map();  // request number -> resolve
const conversations = new Map();  // id -> {port, cancelled}

// Asks the page to do something with the port; the reply says how it went.
function request(id, op, fields = {}, transfer = []) {
  const number = ++requests;
  return new Promise((resolve) => {
    pending.set(number, resolve);
    postMessage({type: 'port', id, request: number, op, ...fields}, transfer);
  });
}

const refusal = (reply) => new DOMException(reply.message || '', reply.error);

class RelayPort {
  constructor(id) {
    this.id = id;
    this.source = null;
    this.readable = null;
    this.writable = null;
  }

  async open(options) {
    const reply = await request(this.id, 'open', {options});
    if (reply.error) throw refusal(reply);
    this.readable = new ReadableStream({
      start: (controller) => {
        this.source = controller;
      },
      cancel: () => {
        this.source = null;
      },
    });
    // A write resolves once the page has the bytes in order, as a port's
    // does once the system has them: waiting for the page's word on each
    // would add a round trip between the threads to every block.  A write
    // the page could not make refuses the next one.
    let failed = null;
    this.writable = new WritableStream({
      write: (chunk) => {
        if (failed) throw refusal(failed);
        const bytes = new Uint8Array(chunk);
        request(this.id, 'write', {bytes}, [bytes.buffer]).then((written) => {
          if (written.error && !failed) failed = written;
        });
      },
    });
  }

  async setSignals(signals) {
    const reply = await request(this.id, 'setSignals', {signals});
    if (reply.error) throw refusal(reply);
  }

  async close() {
    this.source = null;
    const reply = await request(this.id, 'close');
    if (reply.error) throw refusal(reply);
  }

  // What the page's reader brought, or that it stopped.
  received(bytes) {
    if (this.source) this.source.enqueue(bytes);
  }
  lost(name, message) {
    if (this.source) this.source.error(new DOMException(message, name));
    this.source = null;
  }
}

async function converse({id, direction, bytes, options}) {
  const module = await qm314;
  const port = new RelayPort(id);
  const state = {port, cancelled: false};
  conversations.set(id, state);
  const events = {
    status: (text) => postMessage({type: 'event', id, name: 'status', value: text}),
    progress: (position) => postMessage({type: 'event', id, name: 'progress', value: position}),
    verifying: () => postMessage({type: 'event', id, name: 'verifying'}),
    cancelled: () => state.cancelled,
    ask: (text, buttons, details) => {
      const number = ++requests;
      return new Promise((resolve) => {
        pending.set(number, (reply) => resolve(reply.answer));
        postMessage({type: 'ask', id, request: number, text, buttons, details});
      });
    },
  };
  try {
    const result = direction === 'write' ? await module.writeRadio(port, bytes, events, options)
                                         : await module.readRadio(port, events, options);
    postMessage({type: 'done', id, result});
  } catch (e) {
    postMessage({type: 'failed', id, message: String(e && e.message ? e.message : e)});
  } finally {
    conversations.delete(id);
  }
}

self.onmessage = ({data}) => {
  switch (data.type) {
    case 'converse':
      converse(data);
      break;
    case 'reply': {
      const resolve = pending.get(data.request);
      pending.delete(data.request);
      if (resolve) resolve(data);
      break;
    }
    case 'data': {
      const conversation = conversations.get(data.id);
      if (conversation) conversation.port.received(data.bytes);
      break;
    }
    case 'lost': {
      const conversation = conversations.get(data.id);
      if (conversation) conversation.port.lost(data.error, data.message);
      break;
    }
    case 'cancel': {
      const conversation = conversations.get(data.id);
      if (conversation) conversation.cancelled = true;
      break;
    }
    default:
      break;
  }
};
