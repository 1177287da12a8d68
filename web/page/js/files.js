// New, Open, Save, Save As, Import Channels and Export Channels, and files
// dropped on the page.  Where the browser has the File System Access API the
// page opens and saves real files (Save writes to the same file again, through
// the browser's own safe replacement); elsewhere it opens through the file
// chooser and saves as a download named after the document.  The questions
// and refusals are the core's, asked where the desktop asks them.

const maxTextFileSize = 1 << 20;  // channel rows are a few kilobytes

const hasFileAccess = () => typeof window.showOpenFilePicker === 'function' &&
  typeof window.showSaveFilePicker === 'function';

export class FileCommands {
  constructor({m, texts, doc, grid, boxes, chooser}) {
    this.m = m;
    this.texts = texts;
    this.doc = doc;
    this.grid = grid;
    this.boxes = boxes;
    this.chooser = chooser;  // asks which CSV form to export
  }

  get intType() {
    return {description: this.texts.fileFilter, accept: {'application/octet-stream': [this.texts.fileExtension]}};
  }

  csvType(description) {
    return {description, accept: {'text/csv': [this.texts.csvExtension]}};
  }

  fail(text) {
    return this.boxes.show(text, {icon: 'error'});
  }

  // Asks whether to save a document with unsaved edits; false when the user
  // cancelled (or the save failed), so the command goes no further.
  async saveModified() {
    this.grid.commit();
    if (!this.doc.modified) return true;
    const answer = await this.boxes.show(this.m.formatText(this.texts.saveChanges, this.doc.title),
                                         {buttons: 'yesNoCancel', icon: 'question'});
    if (answer === 'no') return true;
    if (answer !== 'yes') return false;
    return this.save();
  }

  async newDocument() {
    if (this.doc.locked || !(await this.saveModified())) return;
    this.doc.newDocument();
  }

  async open() {
    if (this.doc.locked || !(await this.saveModified())) return;
    const chosen = await this.pick([this.intType, this.csvType(this.texts.gridCsvFilter)],
                                   `${this.texts.fileExtension},${this.texts.csvExtension}`);
    if (chosen) await this.openFile(chosen.file, chosen.handle, false);
  }

  // A file opened by the chooser or dropped: channel data becomes the
  // document; a channel plan in CSV is offered as an import into it.
  async openFile(file, handle, askToSave) {
    if (this.doc.locked) return false;
    let bytes;
    try {
      bytes = new Uint8Array(await file.arrayBuffer());
    } catch (error) {
      await this.fail(this.m.cannotOpenText(file.name, error.message || String(error)));
      return false;
    }
    if (this.m.isChannelCsv && this.m.isChannelCsv(new TextDecoder().decode(bytes.subarray(0, 1024)))) {
      const answer = await this.boxes.show(this.m.formatText(this.texts.importInstead, file.name),
                                           {buttons: 'yesNo', icon: 'question'});
      return answer === 'yes' ? this.importFile(file) : false;
    }
    if (askToSave && !(await this.saveModified())) return false;
    let opened;
    try {
      opened = this.m.openDocument(bytes, file.name);
    } catch (refusal) {
      await this.fail(refusal.message);
      return false;
    }
    // Bytes of another kind would open as channels nobody set: asked first,
    // and then they have no file, so Save never writes over them.
    if (!opened.channelData) {
      const question = this.m.formatText(this.texts.openAnyway, this.m.notChannelDataText(file.name));
      if (await this.boxes.show(question, {buttons: 'yesNo', icon: 'warning'}) !== 'yes') return false;
    }
    this.doc.replace({
      image: bytes.subarray(0, 1024), form: opened.form,
      name: opened.channelData ? file.name : '', handle: opened.channelData ? handle : null,
    });
    return true;
  }

  // A file the installed app was started with from the system's file
  // manager, opened as Open would open it.
  async openHandle(handle) {
    let file;
    try {
      file = await handle.getFile();
    } catch (error) {
      await this.fail(this.m.cannotOpenText(handle.name, error.message || String(error)));
      return false;
    }
    return this.openFile(file, handle, true);
  }

  async save() {
    this.grid.commit();
    if (this.doc.handle && hasFileAccess()) return this.writeDocument(this.doc.handle);
    // Without a file to write to again, Save is Save As: the chooser, or a
    // download named after the document.
    return this.saveAs();
  }

  async saveAs() {
    this.grid.commit();
    const suggested = this.doc.name || `${this.texts.newDocumentName}${this.texts.fileExtension}`;
    if (!hasFileAccess()) {
      const saved = this.download(this.doc.bytes(), suggested, 'application/octet-stream');
      if (saved) this.doc.markSaved(suggested, null);
      return saved;
    }
    let handle;
    try {
      handle = await window.showSaveFilePicker({suggestedName: suggested, types: [this.intType]});
    } catch (error) {
      if (error.name !== 'AbortError') await this.fail(this.m.cannotSaveText(suggested, error.message));
      return false;
    }
    return this.writeDocument(handle);
  }

  async writeDocument(handle) {
    const bytes = this.doc.bytes();
    if (!(await this.writeFile(handle, bytes))) return false;
    this.doc.markSaved(handle.name, handle);
    return true;
  }

  // The browser writes a copy and puts it in place when it is whole, so a
  // failed save leaves the file that was there.
  async writeFile(handle, data) {
    try {
      if (handle.queryPermission && (await handle.queryPermission({mode: 'readwrite'})) !== 'granted') {
        if ((await handle.requestPermission({mode: 'readwrite'})) !== 'granted') {
          throw new DOMException('the browser was not allowed to write it', 'NotAllowedError');
        }
      }
      const writable = await handle.createWritable();
      try {
        await writable.write(data);
        await writable.close();
      } catch (error) {
        await writable.abort().catch(() => {});
        throw error;
      }
      return true;
    } catch (error) {
      await this.fail(this.m.cannotSaveText(handle.name, error.message || String(error)));
      return false;
    }
  }

  download(data, name, type) {
    const url = URL.createObjectURL(new Blob([data], {type}));
    const link = document.createElement('a');
    link.href = url;
    link.download = name;
    link.hidden = true;
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(url), 60000);
    return true;
  }

  async importChannels() {
    this.grid.commit();
    if (this.doc.locked) return;
    const chosen = await this.pick([this.csvType(this.texts.gridCsvFilter), this.csvType(this.texts.radioCsvFilter)],
                                   this.texts.csvExtension);
    if (chosen) await this.importFile(chosen.file);
  }

  // The rows a CSV file gives, in one step, and a word on what came in.
  async importFile(file) {
    this.grid.commit();
    if (file.size > maxTextFileSize) {
      await this.fail(this.m.cannotOpenText(file.name, this.m.textFileTooLargeText()));
      return false;
    }
    let text;
    try {
      text = await file.text();
    } catch (error) {
      await this.fail(this.m.cannotOpenText(file.name, error.message || String(error)));
      return false;
    }
    let imported;
    try {
      imported = this.m.importChannels(this.doc.form, text, file.name);
    } catch (refusal) {
      await this.fail(refusal.message);
      return false;
    }
    this.doc.push(imported);
    if (imported.summary) await this.boxes.show(imported.summary, {icon: 'information'});
    return true;
  }

  async exportChannels() {
    this.grid.commit();
    const filters = [this.texts.gridCsvFilter, this.texts.radioCsvFilter];
    const form = await this.chooser(filters);
    if (form < 0) return;
    const csv = this.m.exportForm(this.doc.form, form === 1 ? 'radio-csv' : 'grid-csv');
    const base = this.doc.name ? this.doc.name.replace(/\.[^.]*$/, '') : this.texts.newDocumentName;
    const suggested = `${base}${this.texts.csvExtension}`;
    const data = new TextEncoder().encode(csv);
    if (!hasFileAccess()) {
      this.download(data, suggested, 'text/csv');
      return;
    }
    let handle;
    try {
      handle = await window.showSaveFilePicker({suggestedName: suggested, types: [this.csvType(filters[form])]});
    } catch (error) {
      if (error.name !== 'AbortError') await this.fail(this.m.cannotSaveText(suggested, error.message));
      return;
    }
    await this.writeFile(handle, data);
  }

  // One file from the browser's chooser: {file, handle} (handle where the
  // File System Access API gives one), or null when the user cancelled.
  async pick(types, accept) {
    if (hasFileAccess()) {
      try {
        const [handle] = await window.showOpenFilePicker({types, multiple: false});
        return {file: await handle.getFile(), handle};
      } catch (error) {
        if (error.name !== 'AbortError') await this.fail(error.message || String(error));
        return null;
      }
    }
    return new Promise((resolve) => {
      const input = document.createElement('input');
      input.type = 'file';
      input.accept = accept;
      input.hidden = true;
      input.addEventListener('change', () => {
        input.remove();
        resolve(input.files.length ? {file: input.files[0], handle: null} : null);
      });
      input.addEventListener('cancel', () => {
        input.remove();
        resolve(null);
      });
      document.body.append(input);
      input.click();
    });
  }

  // A file dropped anywhere on the page opens as Open would open it.
  wireDrops(target) {
    target.addEventListener('dragover', (event) => {
      if (!event.dataTransfer || ![...event.dataTransfer.types].includes('Files')) return;
      event.preventDefault();
      event.dataTransfer.dropEffect = this.doc.locked ? 'none' : 'copy';
    });
    target.addEventListener('drop', async (event) => {
      if (!event.dataTransfer || ![...event.dataTransfer.types].includes('Files')) return;
      event.preventDefault();
      if (this.doc.locked) return;
      const item = [...event.dataTransfer.items].find((entry) => entry.kind === 'file');
      if (!item) {
        await this.fail(this.texts.page.notAFileDrop);
        return;
      }
      // Asked for at once: the drop's items are gone after the first wait.
      const handlePromise = item.getAsFileSystemHandle ? item.getAsFileSystemHandle().catch(() => null) : null;
      const file = item.getAsFile();
      const handle = handlePromise ? await handlePromise : null;
      await this.openFile(file, handle && handle.kind === 'file' ? handle : null, true);
    });
  }
}
