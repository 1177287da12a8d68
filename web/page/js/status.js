// The status bar: what the pointer is over (a box, the grid, elsewhere on
// the form), a command's prompt while it is pointed at, and the grid's word
// about a cell whose list does not open; "Ready" when nothing else is said.

export class StatusBar {
  constructor(texts) {
    this.texts = texts;
    this.element = document.getElementById('status');
    this.hinted = texts.ready;  // what the bar says when no prompt covers it
    this.prompting = false;
    this.show(texts.ready);
  }

  get text() {
    return this.element.textContent;
  }

  show(text) {
    if (this.element.textContent !== text) this.element.textContent = text;
  }

  hint(text) {
    this.hinted = text;
    if (!this.prompting) this.show(text);
  }

  prompt(text) {
    this.prompting = true;
    this.show(text);
  }

  endPrompt() {
    if (!this.prompting) return;
    this.prompting = false;
    this.show(this.hinted);
  }

  // Hints follow the pointer over the form, as the desktop's status bar does:
  // each time it enters a box (the cells' pick lists included), the grid or
  // the rest of the form; moving within one leaves the bar as it is.
  followPointer(form, grid) {
    let region = '';
    form.addEventListener('mouseover', (event) => {
      const target = event.target;
      const now = target.closest('select, #cell-list') ? 'box' : grid.contains(target) ? 'grid' : 'form';
      if (now === region) return;
      region = now;
      this.hint(now === 'box' ? this.texts.hints.comboBox : now === 'grid' ? this.texts.hints.grid
                                                                          : this.texts.hints.elsewhere);
    });
    form.addEventListener('mouseleave', () => {
      region = '';
    });
  }
}
