// The Edit menu: Undo and Redo by the history's named steps, and whole
// channel rows on the clipboard as the desktop's tab-separated text, both
// ways.  Ctrl+C, Ctrl+X and Ctrl+V go through the browser's clipboard events
// (no permission needed); the menu's items through the clipboard API.  Every
// command first writes an open pick list's choice.

export class EditCommands {
  constructor({m, texts, doc, grid, boxes}) {
    this.m = m;
    this.texts = texts;
    this.doc = doc;
    this.grid = grid;
    this.boxes = boxes;
    grid.onDeleteRows = () => this.deleteRows();
  }

  get hasRows() {
    return this.grid.selected.length > 0;
  }

  undo() {
    this.grid.commit();
    this.doc.undo();
  }

  redo() {
    this.grid.commit();
    this.doc.redo();
  }

  rowsText() {
    return this.m.copyRows(this.doc.form, this.grid.selected);
  }

  async copy() {
    this.grid.commit();
    if (!this.hasRows) return;
    await this.toClipboard(this.rowsText());
  }

  async cut() {
    this.grid.commit();
    if (!this.hasRows || this.doc.locked) return;
    if (await this.toClipboard(this.rowsText())) this.emptyRows('cut');
  }

  deleteRows() {
    this.grid.commit();
    if (this.hasRows && !this.doc.locked) this.emptyRows('delete');
  }

  emptyRows(kind) {
    this.doc.push(this.m.emptyRows(this.doc.form, this.grid.selected, kind));
  }

  async paste() {
    this.grid.commit();
    if (this.doc.locked) return;
    let text;
    try {
      text = await navigator.clipboard.readText();
    } catch (error) {
      await this.boxes.show(`${error.message || error}`, {icon: 'error'});
      return;
    }
    await this.pasteText(text);
  }

  // Writes the rows from the first selected row, or else the current row,
  // down; a refused paste changes nothing and says why.
  async pasteText(text) {
    const first = this.hasRows ? this.grid.selected[0] : this.grid.row;
    let pasted;
    try {
      pasted = this.m.pasteRows(this.doc.form, text, first);
    } catch (refusal) {
      await this.boxes.show(refusal.message, {icon: 'error'});
      return;
    }
    this.doc.push(pasted);
    // The rows pasted stay selected, ready to be looked at or taken back.
    this.grid.selectRows(pasted.rows);
  }

  selectAll() {
    this.grid.commit();
    this.grid.selectAll();
  }

  async toClipboard(text) {
    try {
      await navigator.clipboard.writeText(text);
      return true;
    } catch (error) {
      await this.boxes.show(`${error.message || error}`, {icon: 'error'});
      return false;
    }
  }

  // Ctrl+C, Ctrl+X and Ctrl+V where the form has the focus: rows, or nothing
  // at all (a key on a cell never touches the clipboard).
  wireClipboardEvents(form) {
    const ours = (event) => !document.querySelector('dialog[open]') && form.contains(document.activeElement) &&
      !(document.activeElement && document.activeElement.matches('input, select'));
    document.addEventListener('copy', (event) => {
      if (!ours(event)) return;
      event.preventDefault();
      this.grid.commit();
      if (this.hasRows) event.clipboardData.setData('text/plain', this.rowsText());
    });
    document.addEventListener('cut', (event) => {
      if (!ours(event)) return;
      event.preventDefault();
      this.grid.commit();
      if (!this.hasRows || this.doc.locked) return;
      event.clipboardData.setData('text/plain', this.rowsText());
      this.emptyRows('cut');
    });
    document.addEventListener('paste', (event) => {
      if (!ours(event)) return;
      event.preventDefault();
      this.grid.commit();
      if (this.doc.locked) return;
      this.pasteText(event.clipboardData.getData('text/plain'));
    });
  }
}
