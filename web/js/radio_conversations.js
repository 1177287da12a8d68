// The page's side of the radio worker (radio_worker.js): readRadio and
// writeRadio with the module's own signatures and results, the conversation
// itself running in the worker.  The page opens, reads, writes and closes the
// port for it: message and stream callbacks keep their pace in a hidden tab,
// where the page's timers would not.

export class RadioConversations {
  // url: where radio_worker.js is served, beside qm314.js and qm314.wasm.
  constructor(url = new URL('radio_worker.js', import.meta.url)) {
    this.worker = new Worker(url);
    this.next = 0;
    this.running = new Map();  // id -> the page's half of a conversation
    this.worker.onmessage = ({data}) => {
      const conversation = this.running.get(data.id);
      if (conversation) conversation.handle(data);
    };
    // A worker that could not load or broke says nothing more: its
    // conversations end here, their ports closed.
    this.worker.onerror = (event) => {
      for (const conversation of [...this.running.values()]) {
        conversation.end({type: 'failed', message: String(event.message || event.type)});
      }
    };
  }

  readRadio(port, events = {}, options = {}) {
    return this.converse(port, events, {direction: 'read', options});
  }

  writeRadio(port, bytes, events = {}, options = {}) {
    return this.converse(port, events, {direction: 'write', bytes: new Uint8Array(bytes), options});
  }

  converse(port, events, call) {
    const id = ++this.next;
    return new Promise((resolve, reject) => {
      const conversation = new RelayedConversation(this.worker, id, port, events, async (ending) => {
        this.running.delete(id);
        await conversation.closePort();
        if (ending.type === 'done') resolve(ending.result);
        else reject(new Error(ending.message));
      });
      this.running.set(id, conversation);
      this.worker.postMessage({type: 'converse', id, ...call});
    });
  }
}

class RelayedConversation {
  constructor(worker, id, port, events, end) {
    this.worker = worker;
    this.id = id;
    this.port = port;
    this.events = events;
    this.end = end;
    this.reader = null;
    this.writer = null;
    this.reading = null;
    this.opened = false;
    this.cancelSent = false;
  }

  post(message, transfer = []) {
    this.worker.postMessage({id: this.id, ...message}, transfer);
  }

  // Every message from the worker is a chance to pass on a Cancel: the
  // worker asks the page nothing else while blocks move.
  checkCancel() {
    if (this.cancelSent || !this.events.cancelled) return;
    let cancelled = false;
    try {
      cancelled = Boolean(this.events.cancelled());
    } catch (e) {
      cancelled = false;
    }
    if (cancelled) {
      this.cancelSent = true;
      this.post({type: 'cancel'});
    }
  }

  async handle(data) {
    this.checkCancel();
    switch (data.type) {
      case 'port':
        this.post({type: 'reply', request: data.request, ...(await this.portRequest(data))});
        break;
      case 'event': {
        const handler = this.events[data.name];
        try {
          if (handler) handler(data.value);
        } catch (e) {
          // A page's handler must not stop the conversation.
        }
        break;
      }
      case 'ask': {
        let answer = null;
        try {
          answer = this.events.ask ? await this.events.ask(data.text, data.buttons, data.details) : null;
        } catch (e) {
          answer = null;
        }
        this.post({type: 'reply', request: data.request, answer});
        break;
      }
      case 'done':
      case 'failed':
        this.end(data);
        break;
      default:
        break;
    }
  }

  async portRequest(data) {
    try {
      switch (data.op) {
        case 'open':
          await this.port.open(data.options);
          this.opened = true;
          this.reader = this.port.readable.getReader();
          this.writer = this.port.writable.getWriter();
          this.reading = this.relayInput();
          return {};
        case 'setSignals':
          await this.port.setSignals(data.signals);
          return {};
        case 'write':
          await this.writer.write(data.bytes);
          return {};
        case 'close':
          await this.closePort();
          return {};
        default:
          return {error: 'NotSupportedError', message: data.op};
      }
    } catch (e) {
      return {error: (e && e.name) || 'NetworkError', message: String(e && e.message ? e.message : e)};
    }
  }

  async relayInput() {
    try {
      for (;;) {
        const {value, done} = await this.reader.read();
        if (done) return;
        if (value && value.length > 0) {
          const bytes = new Uint8Array(value);
          this.post({type: 'data', bytes}, [bytes.buffer]);
        }
      }
    } catch (e) {
      this.post({type: 'lost', error: (e && e.name) || 'NetworkError', message: String(e && e.message ? e.message : e)});
    }
  }

  // Also when the worker ended without closing: the port never stays open.
  async closePort() {
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
      try {
        await this.writer.abort();
      } catch (e) {
        // Already errored by an unplug.
      }
      this.writer.releaseLock();
    }
    this.reader = null;
    this.writer = null;
    await this.port.close();
  }
}
