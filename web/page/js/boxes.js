// Message boxes as the desktop shows them: the program's caption, an icon,
// the text, the details folded away under Show Details..., and the buttons of
// the question (OK, Retry/Cancel, Yes/No, Yes/No/Cancel) with the desktop's
// default.  One box at a time; each resolves to the key of the button chosen,
// and a box closed without a choice (Escape) gives its safe answer.

const safeAnswers = {ok: 'ok', retryCancel: 'cancel', yesNo: 'no', yesNoCancel: 'cancel'};
const buttonSets = {
  ok: ['ok'],
  retryCancel: ['retry', 'cancel'],
  yesNo: ['yes', 'no'],
  yesNoCancel: ['yes', 'no', 'cancel'],
};
const defaults = {ok: 'ok', retryCancel: 'retry', yesNo: 'no', yesNoCancel: 'yes'};

let boxCount = 0;

export class MessageBoxes {
  constructor(texts) {
    this.texts = texts;
    this.queue = Promise.resolve();
    this.open = 0;
  }

  get showing() {
    return this.open > 0;
  }

  // buttons: 'ok' | 'retryCancel' | 'yesNo' | 'yesNoCancel';
  // icon: 'information' | 'warning' | 'error' | 'question'.
  show(text, {buttons = 'ok', icon = 'information', details = '', caption = this.texts.boxCaption} = {}) {
    const shown = this.queue.then(() => this.present(text, buttons, icon, details, caption));
    this.queue = shown.catch(() => {});
    return shown;
  }

  present(text, buttons, icon, details, caption) {
    const id = `box-${++boxCount}`;
    const dialog = document.createElement('dialog');
    dialog.className = 'box';
    dialog.setAttribute('aria-labelledby', `${id}-caption`);
    dialog.setAttribute('aria-describedby', `${id}-text`);
    if (icon === 'error' || icon === 'warning') dialog.setAttribute('role', 'alertdialog');

    const title = document.createElement('div');
    title.className = 'caption';
    title.id = `${id}-caption`;
    title.textContent = caption;

    const body = document.createElement('div');
    body.className = 'box-body';
    const mark = document.createElement('span');
    mark.className = `box-icon ${icon}`;
    mark.setAttribute('aria-hidden', 'true');
    const message = document.createElement('p');
    message.id = `${id}-text`;
    message.className = 'box-text';
    message.textContent = text;
    body.append(mark, message);

    const row = document.createElement('div');
    row.className = 'box-buttons';
    const pre = document.createElement('pre');
    pre.className = 'box-details';
    pre.textContent = details;
    pre.hidden = true;

    let resolveAnswer;
    const answered = new Promise((resolve) => (resolveAnswer = resolve));
    const finish = (answer) => {
      dialog.close();
      dialog.remove();
      this.open -= 1;
      resolveAnswer(answer);
    };
    let focusFirst = null;
    for (const key of buttonSets[buttons]) {
      const button = document.createElement('button');
      button.type = 'button';
      button.textContent = this.texts.buttons[key];
      button.dataset.answer = key;
      button.addEventListener('click', () => finish(key));
      row.append(button);
      if (key === defaults[buttons]) focusFirst = button;
    }
    if (details) {
      const toggle = document.createElement('button');
      toggle.type = 'button';
      toggle.className = 'details-toggle';
      toggle.textContent = this.texts.buttons.showDetails;
      toggle.setAttribute('aria-expanded', 'false');
      toggle.addEventListener('click', () => {
        pre.hidden = !pre.hidden;
        toggle.textContent = pre.hidden ? this.texts.buttons.showDetails : this.texts.buttons.hideDetails;
        toggle.setAttribute('aria-expanded', String(!pre.hidden));
      });
      row.append(toggle);
    }
    dialog.addEventListener('cancel', (event) => {
      event.preventDefault();
      finish(safeAnswers[buttons]);
    });
    // Keys stay inside the box: none reaches the form or the menus behind it.
    dialog.addEventListener('keydown', (event) => event.stopPropagation());
    dialog.append(title, body, row, pre);
    document.body.append(dialog);
    this.open += 1;
    dialog.showModal();
    if (focusFirst) focusFirst.focus();
    return answered;
  }
}
