// The open document: the image it was opened from (the bytes no text decides
// stay those), the form's texts, its name and file, and the undo history whose
// clean step is the state last saved.  Every change is kept in the browser's
// storage at once, so a reload finds the document as it was.

import {loadDocument, saveDocument} from './store.js';

export {loadDocument};

export class WorkingDocument {
  constructor(m, texts) {
    this.m = m;
    this.texts = texts;
    this.image = null;  // Uint8Array, the bytes opened (or read, or new)
    this.form = null;   // {settings, channels}, as the core describes a document
    this.name = '';     // the file's name; '' for none ("Write Data")
    this.handle = null;  // the file to save to again, where the browser gives one
    this.steps = [];    // {name, before, after}
    this.index = 0;     // how many steps are taken
    this.clean = 0;     // the index that stands as saved; -1 when none does
    this.locked = false;  // a read or a write runs
    this.listeners = [];
    this.storageFailure = null;
  }

  onChange(listener) {
    this.listeners.push(listener);
  }

  changed(what) {
    for (const listener of this.listeners) listener(what);
    this.keep();
  }

  get modified() {
    return this.index !== this.clean;
  }

  // The name the title and the questions give the document.
  get title() {
    return this.name || this.texts.newDocumentName;
  }

  // Replaces the whole document; the history starts afresh, as saved.
  replace({image, form, name = '', handle = null}) {
    this.image = new Uint8Array(image);
    this.form = form;
    this.name = name;
    this.handle = handle;
    this.steps = [];
    this.index = 0;
    this.clean = 0;
    this.changed('document');
  }

  newDocument() {
    const image = this.m.newImage();
    this.replace({image, form: this.m.openDocument(image, '').form});
  }

  // One step of the history: the form after an edit, by its name.  A step
  // that changes nothing is none.
  push({form, step}) {
    if (!form) return false;
    this.steps.length = this.index;
    // Steps taken back beyond the saved state can no longer lead to it.
    if (this.clean > this.index) this.clean = -1;
    this.steps.push({name: step, before: this.form, after: form});
    this.index += 1;
    this.form = form;
    this.changed('form');
    return true;
  }

  get undoName() {
    return this.index > 0 ? this.steps[this.index - 1].name : '';
  }

  get redoName() {
    return this.index < this.steps.length ? this.steps[this.index].name : '';
  }

  undo() {
    if (this.index === 0) return;
    this.index -= 1;
    this.form = this.steps[this.index].before;
    this.changed('form');
  }

  redo() {
    if (this.index >= this.steps.length) return;
    this.form = this.steps[this.index].after;
    this.index += 1;
    this.changed('form');
  }

  // The bytes Save writes: the form encoded into the image it came from.
  bytes() {
    return this.m.encode(this.image, this.form, this.title);
  }

  markSaved(name, handle) {
    this.name = name;
    this.handle = handle;
    this.clean = this.index;
    this.changed('saved');
  }

  setLocked(locked) {
    this.locked = locked;
    for (const listener of this.listeners) listener('lock');
  }

  snapshot() {
    return {
      image: this.image, form: this.form, name: this.name, handle: this.handle,
      steps: this.steps, index: this.index, clean: this.clean,
    };
  }

  keep() {
    saveDocument(this.snapshot()).then(() => {
      this.storageFailure = null;
    }, (error) => {
      // A handle some browser cannot store is not worth the document.
      if (this.handle && error && error.name === 'DataCloneError') {
        saveDocument({...this.snapshot(), handle: null}).catch(() => {});
        return;
      }
      this.storageFailure = error;
      for (const listener of this.listeners) listener('storage');
    });
  }

  // The document the last visit left, if any; false when there was none.
  // `pending` is its load, when the page started that before the core came.
  async restore(pending = loadDocument()) {
    let kept = null;
    try {
      kept = await pending;
    } catch (e) {
      kept = null;
    }
    if (!kept || !kept.image || !kept.form) return false;
    this.image = new Uint8Array(kept.image);
    this.form = kept.form;
    this.name = kept.name || '';
    this.handle = kept.handle || null;
    this.steps = kept.steps || [];
    this.index = Math.min(kept.index || 0, this.steps.length);
    this.clean = kept.clean === undefined ? 0 : kept.clean;
    for (const listener of this.listeners) listener('document');
    return true;
  }
}
