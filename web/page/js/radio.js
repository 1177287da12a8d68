// Read From Radio, Write To Radio and Verify After Write: the cable the user
// let the page use, the progress dialog (status text, a bar of 123 steps,
// Start and Cancel), and the core's conversation in the radio worker, whose
// message boxes the page shows with their buttons.  Only a completed read
// replaces the document; a write that stopped says how far it got, and a
// verified one what the radio holds.

import {RadioConversations} from '../radio_conversations.js';
import {loadSetting, saveSetting} from './store.js';

export class RadioCommands {
  constructor({m, texts, doc, grid, boxes, files, onRunning}) {
    this.m = m;
    this.texts = texts;
    this.doc = doc;
    this.grid = grid;
    this.boxes = boxes;
    this.files = files;
    this.onRunning = onRunning;
    this.serial = navigator.serial || null;
    this.ports = [];     // the ports the browser lets this page use
    this.port = null;    // the one chosen for the next transfer
    this.write = false;  // the direction Start will take
    this.state = 'closed';  // closed, ready, running
    this.cancelRequested = false;
    this.verify = loadSetting('verifyAfterWrite', false);
    this.conversations = null;
    this.dialog = null;
  }

  get available() {
    return Boolean(this.serial);
  }

  // Why this browser cannot talk to a radio, or '' when it can.
  get unavailableText() {
    if (this.serial) return '';
    return window.isSecureContext ? this.texts.page.noWebSerial : this.texts.page.notSecureContext;
  }

  get running() {
    return this.state === 'running';
  }

  async start() {
    this.buildDialog();
    if (!this.serial) return;
    this.serial.addEventListener('connect', () => this.refreshPorts());
    this.serial.addEventListener('disconnect', () => this.refreshPorts());
    await this.refreshPorts();
  }

  // The worker compiles its own copy of the module while the user looks at
  // the form: started once the form is up, it does not hold the form back.
  prepareWorker() {
    if (this.serial && !this.conversations) {
      this.conversations = new RadioConversations(new URL('../radio_worker.js', import.meta.url));
    }
  }

  async refreshPorts() {
    try {
      this.ports = await this.serial.getPorts();
    } catch (e) {
      this.ports = [];
    }
    if (!this.ports.includes(this.port)) this.port = this.ports[0] || null;
  }

  // The Port menu: each cable the page may use, then the browser's chooser.
  portItems() {
    const prompt = this.texts.page.cablePrompt;
    const items = this.ports.map((port, index) => {
      const info = port.getInfo ? port.getInfo() : {};
      return {
        text: {item: this.m.cableName(index + 1, info.usbVendorId, info.usbProductId), prompt},
        radio: true,
        checked: () => this.port === port,
        enabled: () => !this.running,
        run: () => {
          this.port = port;
        },
      };
    });
    return items.length ? [...items, '-', 'chooseCable'] : ['chooseCable'];
  }

  // The browser's own chooser; null when the user chose none.
  async chooseCable() {
    if (!this.serial) {
      await this.boxes.show(this.unavailableText, {icon: 'information'});
      return null;
    }
    try {
      const port = await this.serial.requestPort();
      await this.refreshPorts();
      if (!this.ports.includes(port)) this.ports.push(port);
      this.port = port;
      return port;
    } catch (error) {
      if (error.name !== 'NotFoundError') await this.boxes.show(error.message || String(error), {icon: 'error'});
      return null;
    }
  }

  setVerify(on) {
    this.verify = on;
    saveSetting('verifyAfterWrite', on);
  }

  // ---- the commands ----

  async read() {
    if (this.running) return;
    this.grid.commit();
    if (!this.serial) {
      await this.boxes.show(this.unavailableText, {icon: 'information'});
      return;
    }
    // What the radio holds replaces the document, as a new one would.
    if (this.state === 'closed' && !(await this.files.saveModified())) return;
    this.openDialog(false);
  }

  async writeToRadio() {
    if (this.running) return;
    this.grid.commit();
    if (!this.serial) {
      await this.boxes.show(this.unavailableText, {icon: 'information'});
      return;
    }
    this.openDialog(true);
  }

  // The dialog opens Ready; a command given while it is Ready changes the
  // direction and the title together, so the title names what Start does.
  openDialog(write) {
    this.write = write;
    this.setCaption(write ? this.texts.transfer.writing : this.texts.transfer.reading);
    if (this.state === 'ready') return;
    this.state = 'ready';
    this.cancelRequested = false;
    this.bar.value = 0;
    this.statusText.textContent = this.texts.transfer.notStartYet;
    this.startButton.disabled = false;
    this.dialog.show();
    this.place();
    this.startButton.focus();
  }

  setCaption(text) {
    this.caption.textContent = text;
  }

  cancel() {
    if (this.state === 'ready') {
      this.closeDialog();
      return;
    }
    // The conversation ends at its next cancel test, after the current block,
    // with the port closed; the dialog goes then.
    if (this.state === 'running') this.cancelRequested = true;
  }

  closeDialog() {
    const hadFocus = this.dialog.contains(document.activeElement);
    this.state = 'closed';
    this.dialog.close();
    if (hadFocus) this.grid.table.focus();
  }

  async startTransfer() {
    if (this.state !== 'ready') return;
    this.startButton.disabled = true;
    this.cancelButton.focus();
    const port = this.port || (await this.chooseCable());
    if (!port) {
      // No cable chosen: the dialog stays, ready for another Start.
      this.startButton.disabled = false;
      this.startButton.focus();
      return;
    }
    // An edit made since the dialog opened is written before the form locks.
    this.grid.commit();
    this.prepareWorker();
    this.state = 'running';
    this.doc.setLocked(true);
    this.onRunning(true);
    const write = this.write;
    let result = null;
    try {
      result = write ? await this.conversations.writeRadio(port, this.doc.bytes(), this.events(), {verify: this.verify, fileName: this.doc.title})
                     : await this.conversations.readRadio(port, this.events());
    } catch (error) {
      this.finish();
      await this.boxes.show(error.message || String(error), {icon: 'error'});
      return;
    }
    this.finish();
    if (!write) {
      // Only a read that brought every block replaces what the form shows.
      if (result.outcome === 'completed') {
        const opened = this.m.openDocument(result.bytes, '');
        this.doc.replace({image: result.bytes, form: opened.form});
      }
      return;
    }
    if (result.outcome !== 'completed') {
      await this.boxes.show(result.report, {icon: 'warning'});
      return;
    }
    await this.reportVerify(result);
  }

  finish() {
    this.closeDialog();
    this.doc.setLocked(false);
    this.onRunning(false);
  }

  // The first line says the outcome; the blocks that differ go to the details.
  async reportVerify(result) {
    if (result.verify === 'not-run') return;
    if (result.verify === 'read-failed') {
      await this.boxes.show(result.report, {icon: 'warning'});
      return;
    }
    const lineEnd = result.report.indexOf('\n');
    const text = lineEnd < 0 ? result.report : result.report.slice(0, lineEnd);
    const details = lineEnd < 0 ? '' : result.report.slice(lineEnd + 1);
    await this.boxes.show(text, {icon: result.verify === 'same' ? 'information' : 'error', details});
  }

  events() {
    const buttonKeys = {[this.texts.buttons.ok]: 'ok', [this.texts.buttons.retry]: 'retry',
                        [this.texts.buttons.cancel]: 'cancel'};
    return {
      status: (text) => {
        this.statusText.textContent = text;
      },
      progress: (position) => {
        this.bar.value = position;
      },
      cancelled: () => this.cancelRequested,
      verifying: () => this.setCaption(this.texts.transfer.reading),
      ask: async (text, buttons, details) => {
        const answer = await this.boxes.show(text, {
          buttons: buttons.length > 1 ? 'retryCancel' : 'ok', icon: 'error', details: details || '',
        });
        return buttons.find((button) => buttonKeys[button] === answer) || null;
      },
    };
  }

  // ---- the dialog ----

  buildDialog() {
    const t = this.texts.transfer;
    const dialog = document.createElement('dialog');
    dialog.id = 'transfer';
    dialog.className = 'transfer';
    dialog.setAttribute('aria-labelledby', 'transfer-caption');
    const caption = document.createElement('div');
    caption.className = 'caption';
    caption.id = 'transfer-caption';
    const close = document.createElement('button');
    close.type = 'button';
    close.className = 'close';
    close.tabIndex = -1;
    close.setAttribute('aria-label', t.cancel);
    close.textContent = '\u00d7';
    close.addEventListener('click', () => this.cancel());
    const titleBar = document.createElement('div');
    titleBar.className = 'title-bar';
    titleBar.append(caption, close);

    const start = document.createElement('button');
    start.type = 'button';
    start.className = 'start';
    start.textContent = t.start;
    start.addEventListener('click', () => this.startTransfer());
    const bar = document.createElement('progress');
    bar.max = t.steps;
    bar.value = 0;
    bar.id = 'transfer-bar';
    const label = document.createElement('label');
    label.htmlFor = 'transfer-bar';
    label.className = 'progress-label';
    label.textContent = t.progress;
    const status = document.createElement('div');
    status.className = 'transfer-status';
    status.setAttribute('role', 'status');
    status.textContent = t.notStartYet;
    const cancel = document.createElement('button');
    cancel.type = 'button';
    cancel.className = 'cancel';
    cancel.textContent = t.cancel;
    cancel.addEventListener('click', () => this.cancel());
    // Enter held down on Start repeats on Cancel, which has the focus by
    // then: only a fresh press stops a transfer.
    cancel.addEventListener('keydown', (event) => {
      if (event.repeat && (event.key === 'Enter' || event.key === ' ')) event.preventDefault();
    });
    const body = document.createElement('div');
    body.className = 'transfer-body';
    body.append(start, bar, label, status, cancel);
    dialog.append(titleBar, body);
    dialog.addEventListener('cancel', (event) => {
      event.preventDefault();
      this.cancel();
    });
    dialog.addEventListener('keydown', (event) => {
      if (event.key === 'Escape') {
        event.preventDefault();
        this.cancel();
      }
    });
    document.body.append(dialog);
    this.dialog = dialog;
    this.caption = caption;
    this.startButton = start;
    this.cancelButton = cancel;
    this.bar = bar;
    this.statusText = status;
  }

  // Over the channel grid, as the desktop centres it there.
  place() {
    const grid = this.grid.table.getBoundingClientRect();
    const box = this.dialog.getBoundingClientRect();
    const left = Math.max(8, Math.min(window.innerWidth - box.width - 8, grid.left + (grid.width - box.width) / 2));
    const top = Math.max(8, Math.min(window.innerHeight - box.height - 8, grid.top + (grid.height - box.height) / 2));
    this.dialog.style.left = `${left + window.scrollX}px`;
    this.dialog.style.top = `${top + window.scrollY}px`;
  }
}
