// The channel grid: 16 rows of Channel, Tones and Scan (BCLO travels hidden
// with its row), the current cell, rows selected by their numbers, and the
// pick list that opens over a cell.  It behaves as the desktop's grid does:
// the same keys move and open, a choice is written when the list is left or
// Enter is pressed, and what a choice does to its row, which list opens with
// which item, what typing picks and each step's name come from the core.

const shownColumns = ['channel', 'tones', 'scan'];
const firstRow = 1;
const lastRow = 16;
const enterKey = 13;

export class ChannelGrid {
  constructor({m, texts, doc, boxes, status}) {
    this.m = m;
    this.texts = texts;
    this.doc = doc;
    this.boxes = boxes;
    this.status = status;
    this.table = document.getElementById('grid');
    this.listFrame = document.getElementById('cell-list');
    this.box = document.getElementById('cell-box');
    this.options = document.getElementById('cell-options');
    this.row = firstRow;
    this.col = 'channel';
    this.selected = [];
    this.anchor = firstRow;
    this.dragging = false;
    this.editor = null;  // {row, col, list, choice, loaded, userChose, typed}
    this.cellHint = '';
    this.onRowsChanged = () => {};
  }

  build() {
    const headers = this.texts.form.headers;  // CH, Channel, Tones, BCLO, Scan
    document.getElementById('grid-label').textContent = this.texts.form.channelLabel;
    const head = document.createElement('thead');
    const headRow = document.createElement('tr');
    headRow.setAttribute('aria-rowindex', '1');
    const corner = document.createElement('th');
    corner.textContent = headers[0];
    corner.className = 'corner';
    corner.setAttribute('scope', 'col');
    headRow.append(corner);
    for (const key of shownColumns) {
      const th = document.createElement('th');
      th.setAttribute('scope', 'col');
      th.textContent = headers[['', 'channel', 'tones', 'bclo', 'scan'].indexOf(key)];
      th.dataset.col = key;
      headRow.append(th);
    }
    head.append(headRow);
    const body = document.createElement('tbody');
    for (let row = firstRow; row <= lastRow; ++row) {
      const tr = document.createElement('tr');
      tr.setAttribute('aria-rowindex', String(row + 1));
      tr.dataset.row = String(row);
      const label = document.createElement('th');
      label.setAttribute('scope', 'row');
      label.textContent = String(row);
      tr.append(label);
      for (const key of shownColumns) {
        const td = document.createElement('td');
        td.id = `cell-${row}-${key}`;
        td.dataset.row = String(row);
        td.dataset.col = key;
        tr.append(td);
      }
      body.append(tr);
    }
    this.table.append(head, body);
    this.wire();
  }

  // Writes every cell's text from the document's form.
  render() {
    const channels = this.doc.form.channels;
    for (const channel of channels) {
      for (const key of shownColumns) {
        const td = document.getElementById(`cell-${channel.row}-${key}`);
        const text = channel[key];
        if (td.textContent !== text) td.textContent = text;
        const tip = this.m.tooltip(key, text);
        if (tip) td.title = tip;
        else td.removeAttribute('title');
      }
    }
    this.showCurrent();
  }

  text(row, col) {
    return this.doc.form.channels[row - 1][col];
  }

  cell(row = this.row, col = this.col) {
    return document.getElementById(`cell-${row}-${col}`);
  }

  showCurrent() {
    for (const td of this.table.querySelectorAll('td.current')) td.classList.remove('current');
    const td = this.cell();
    td.classList.add('current');
    this.table.setAttribute('aria-activedescendant', td.id);
    for (const tr of this.table.querySelectorAll('tbody tr')) {
      const selected = this.selected.includes(Number(tr.dataset.row));
      tr.classList.toggle('selected', selected);
      tr.setAttribute('aria-selected', String(selected));
    }
  }

  // Moves the current cell, writing an open list's choice into the cell it
  // leaves first.  A move ends a selection of rows, as a click on a cell does.
  moveTo(row, col) {
    if (row === this.row && col === this.col) return;
    this.commit();
    this.row = row;
    this.col = col;
    // A prompt about the cell left no longer applies.
    if (this.cellHint) {
      if (this.status.text === this.cellHint) this.status.hint(this.texts.hints.grid);
      this.cellHint = '';
    }
    this.selectRows([]);
    this.showCurrent();
    this.cell().scrollIntoView({block: 'nearest', inline: 'nearest'});
  }

  // The cell a key moves to, or null when the key is no move (Tab past the last cell).
  target(key, ctrl, shift) {
    const at = shownColumns.indexOf(this.col);
    const width = shownColumns.length;
    let row = this.row;
    let index = at;
    switch (key) {
      case 'ArrowUp': row = Math.max(firstRow, row - 1); break;
      case 'ArrowDown': row = Math.min(lastRow, row + 1); break;
      case 'ArrowLeft': index = Math.max(0, at - 1); break;
      case 'ArrowRight': index = Math.min(width - 1, at + 1); break;
      case 'Home': index = 0; if (ctrl) row = firstRow; break;
      case 'End': index = width - 1; if (ctrl) row = lastRow; break;
      case 'PageUp': row = firstRow; break;
      case 'PageDown': row = lastRow; break;
      case 'Tab': {
        const cell = (row - firstRow) * width + at + (shift ? -1 : 1);
        if (cell < 0 || cell >= (lastRow - firstRow + 1) * width) return null;
        row = firstRow + Math.floor(cell / width);
        index = cell % width;
        break;
      }
      default: return null;
    }
    return {row, col: shownColumns[index]};
  }

  // ---- the pick list over the current cell ----

  get editing() {
    return this.editor !== null;
  }

  // Opens the current cell's list; key is a typed character's code, 13 for
  // Enter, 0 for the mouse or F2.
  async begin(key) {
    if (this.doc.locked) return;
    if (this.editor && this.editor.row === this.row && this.editor.col === this.col) {
      this.expand(true);
      this.box.focus();
      return;
    }
    const refusal = this.m.cellRefusal(this.doc.form, this.row, this.col);
    if (refusal) {
      this.cellHint = refusal;
      this.status.hint(refusal);
      return;
    }
    // The list acts on its cell, not on rows selected before.
    this.selectRows([]);
    const list = this.m.cellList(this.col, this.text(this.row, this.col));
    this.editor = {row: this.row, col: this.col, list, choice: list.loaded, loaded: list.loaded, userChose: false, typed: ''};
    const typed = key > 32 && key !== 127 && this.type(String.fromCharCode(key));
    if (!typed && key !== enterKey) {
      const message = this.m.keyMessage(this.col, key);
      if (message) {
        const editor = this.editor;
        await this.boxes.show(message, {icon: 'warning'});
        // The box may have outlived the list (a command closed it meanwhile).
        if (this.editor !== editor) return;
      }
    }
    this.showList();
  }

  showList() {
    const {list, choice} = this.editor;
    this.options.replaceChildren();
    list.lines.forEach((line, index) => {
      const li = document.createElement('li');
      li.id = `cell-option-${index}`;
      li.setAttribute('role', 'option');
      li.textContent = line;
      li.dataset.index = String(index);
      this.options.append(li);
    });
    const td = this.cell(this.editor.row, this.editor.col);
    const frame = this.listFrame.parentElement.getBoundingClientRect();
    const rect = td.getBoundingClientRect();
    this.listFrame.style.left = `${rect.left - frame.left}px`;
    this.listFrame.style.top = `${rect.top - frame.top}px`;
    this.listFrame.style.minWidth = `${rect.width}px`;
    this.box.style.width = `${rect.width}px`;
    this.box.style.height = `${rect.height}px`;
    this.box.setAttribute('aria-label', this.texts.form.headers[['', 'channel', 'tones', 'bclo', 'scan'].indexOf(this.editor.col)]);
    this.listFrame.hidden = false;
    this.expand(true);
    this.pick(choice, false);
    this.box.focus();
  }

  expand(open) {
    this.options.hidden = !open;
    this.box.setAttribute('aria-expanded', String(open));
  }

  // Shows item `index` of the open list as its choice.
  pick(index, byUser = true) {
    const editor = this.editor;
    if (!editor) return;
    editor.choice = Math.max(0, Math.min(editor.list.items.length - 1, index));
    if (byUser) editor.userChose = true;
    this.box.textContent = editor.list.items[editor.choice];
    for (const li of this.options.querySelectorAll('[aria-selected="true"]')) li.setAttribute('aria-selected', 'false');
    const li = this.options.children[editor.choice];
    if (li) {
      li.setAttribute('aria-selected', 'true');
      this.box.setAttribute('aria-activedescendant', li.id);
      if (!this.options.hidden) li.scrollIntoView({block: 'nearest'});
    }
  }

  // A typed character narrows the choice; false when it picks no item.
  type(character) {
    const editor = this.editor;
    const typed = this.m.typeOnList(editor.col, editor.typed, character);
    if (typed.item < 0) return false;
    editor.typed = typed.typed;
    this.pick(typed.item + (editor.list.ownText ? 1 : 0));
    return true;
  }

  takeBack() {
    const editor = this.editor;
    if (!editor.typed) return;
    const back = this.m.takeBackTyped(editor.col, editor.typed);
    editor.typed = back.typed;
    if (back.item >= 0) this.pick(back.item + (editor.list.ownText ? 1 : 0));
  }

  // Writes the open list's choice into its cell, by the rows' rules, as one
  // step; a list nobody chose in leaves the cell as it was.
  commit() {
    const editor = this.editor;
    if (!editor) return;
    this.close();
    if (!editor.userChose && editor.choice === editor.loaded) return;
    this.doc.push(this.m.commitCell(this.doc.form, editor.row, editor.col, editor.list.items[editor.choice]));
  }

  // Closes the list unwritten.
  cancel() {
    if (this.editor) this.close();
  }

  close() {
    const hadFocus = this.listFrame.contains(document.activeElement);
    this.editor = null;
    this.listFrame.hidden = true;
    this.options.replaceChildren();
    this.box.removeAttribute('aria-activedescendant');
    if (hadFocus) this.table.focus();
  }

  // Delete on a cell: a Channel clears its row, Tones becomes "Off".
  clearCell(row = this.row, col = this.col) {
    this.doc.push(this.m.clearCell(this.doc.form, row, col));
  }

  // ---- rows ----

  selectRows(rows) {
    const sorted = [...new Set(rows)].sort((a, b) => a - b);
    if (sorted.length && this.editor) this.commit();
    const changed = sorted.join() !== this.selected.join();
    this.selected = sorted;
    if (sorted.length) this.anchor = sorted[0];
    if (changed) {
      this.showCurrent();
      this.onRowsChanged();
    }
  }

  selectByLabel(row, {shift = false, ctrl = false} = {}) {
    if (row === 0) {
      this.selectRows(range(firstRow, lastRow));
      return;
    }
    const anchor = this.anchor;
    if (shift) {
      this.selectRows(range(Math.min(anchor, row), Math.max(anchor, row)));
      this.anchor = anchor;
    } else if (ctrl) {
      const rows = this.selected.includes(row) ? this.selected.filter((r) => r !== row) : [...this.selected, row];
      this.selectRows(rows);
      this.anchor = row;
    } else {
      this.selectRows([row]);
    }
  }

  selectAll() {
    this.selectRows(range(firstRow, lastRow));
  }

  // ---- events ----

  wire() {
    this.table.addEventListener('keydown', (event) => this.onGridKey(event));
    this.box.addEventListener('keydown', (event) => this.onListKey(event));
    this.table.addEventListener('mousedown', (event) => this.onMouseDown(event));
    this.table.addEventListener('dblclick', (event) => {
      const td = event.target.closest('td');
      if (td && !this.doc.locked) this.begin(0);
    });
    this.table.addEventListener('mouseover', (event) => {
      if (!this.dragging) return;
      const tr = event.target.closest('tbody tr');
      if (tr) this.selectByLabel(Number(tr.dataset.row), {shift: true});
    });
    document.addEventListener('mouseup', () => {
      this.dragging = false;
    });
    this.options.addEventListener('mousedown', (event) => event.preventDefault());
    this.options.addEventListener('click', (event) => {
      const li = event.target.closest('li');
      if (!li || !this.editor) return;
      this.pick(Number(li.dataset.index));
      this.commit();
    });
    this.box.addEventListener('mousedown', (event) => {
      event.preventDefault();
      this.expand(this.options.hidden);
      this.box.focus();
    });
    // Focus gone elsewhere leaves the list's box over its cell, closed; the
    // next commit writes its choice, as the desktop's does.
    this.listFrame.addEventListener('focusout', (event) => {
      if (!this.listFrame.contains(event.relatedTarget)) this.expand(false);
    });
  }

  onMouseDown(event) {
    if (this.doc.locked) return;
    const th = event.target.closest('th');
    if (th && event.button === 0) {
      event.preventDefault();
      this.table.focus();
      const tr = th.closest('tr');
      if (tr.parentElement.tagName === 'THEAD') {
        if (th.classList.contains('corner')) this.selectByLabel(0);
        return;
      }
      this.selectByLabel(Number(tr.dataset.row), {shift: event.shiftKey, ctrl: event.ctrlKey || event.metaKey});
      this.dragging = true;
      return;
    }
    const td = event.target.closest('td');
    if (!td) return;
    event.preventDefault();
    this.table.focus();
    this.moveTo(Number(td.dataset.row), td.dataset.col);
    // The right button only moves.
    if (event.button !== 2) this.begin(0);
  }

  onGridKey(event) {
    if (this.doc.locked || event.altKey) return;
    const ctrl = event.ctrlKey || event.metaKey;
    const move = this.target(event.key, ctrl, event.shiftKey);
    if (move) {
      event.preventDefault();
      this.moveTo(move.row, move.col);
      return;
    }
    if (event.key === 'Tab') return;  // past the last cell: on to the settings
    if (ctrl) return;
    switch (event.key) {
      case 'F2':
        event.preventDefault();
        this.begin(0);
        return;
      case 'Enter':
        event.preventDefault();
        this.begin(enterKey);
        return;
      case 'Delete':
        event.preventDefault();
        if (this.selected.length) this.onDeleteRows();
        else this.clearCell();
        return;
      case 'Escape':
        if (this.selected.length) {
          event.preventDefault();
          this.selectRows([]);
        }
        return;
      default:
        break;
    }
    if (event.key.length === 1) {
      event.preventDefault();
      this.begin(event.key.charCodeAt(0));
    }
  }

  onListKey(event) {
    const editor = this.editor;
    if (!editor || event.altKey) return;
    const ctrl = event.ctrlKey || event.metaKey;
    const step = (delta) => {
      event.preventDefault();
      this.pick(editor.choice + delta);
    };
    switch (event.key) {
      case 'Enter':
        event.preventDefault();
        event.stopPropagation();
        // Enter confirms the item the box shows.
        editor.userChose = true;
        this.commit();
        return;
      case 'Escape':
        event.preventDefault();
        event.stopPropagation();
        this.cancel();
        return;
      case 'Tab': {
        const move = this.target('Tab', false, event.shiftKey);
        this.commit();
        if (move) {
          event.preventDefault();
          this.moveTo(move.row, move.col);
        }
        return;
      }
      case 'Delete':
        if (ctrl || (editor.col !== 'channel' && editor.col !== 'tones')) return;
        event.preventDefault();
        this.pick(editor.list.ownText ? 1 : 0);
        this.commit();
        return;
      case 'Backspace':
        event.preventDefault();
        this.takeBack();
        return;
      case 'ArrowUp': step(-1); return;
      case 'ArrowDown': step(1); return;
      case 'PageUp': step(-10); return;
      case 'PageDown': step(10); return;
      case 'Home': step(-editor.list.items.length); return;
      case 'End': step(editor.list.items.length); return;
      default:
        break;
    }
    if (!ctrl && event.key.length === 1 && event.key > ' ') {
      event.preventDefault();
      this.type(event.key);
    }
  }

  onDeleteRows() {}
}

function range(from, to) {
  const rows = [];
  for (let row = from; row <= to; ++row) rows.push(row);
  return rows;
}
