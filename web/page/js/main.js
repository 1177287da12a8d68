// The page: the core loaded, the form built, the document of the last visit
// back, and the commands wired to the menus, the toolbar and the keys.

import {itemLabel, loadCore} from './core.js';
import {WorkingDocument, loadDocument} from './document.js';
import {MessageBoxes} from './boxes.js';
import {StatusBar} from './status.js';
import {ChannelGrid} from './grid.js';
import {SettingsPanel} from './panel.js';
import {Menus} from './menus.js';
import {EditCommands} from './edit.js';
import {FileCommands} from './files.js';
import {RadioCommands} from './radio.js';
import {ReportPrinter} from './print.js';

async function main() {
  // The browser's storage opens while the core compiles.
  const kept = loadDocument();
  kept.catch(() => {});
  const {m, texts, lists} = await loadCore();
  const doc = new WorkingDocument(m, texts);
  const boxes = new MessageBoxes(texts);
  const status = new StatusBar(texts);
  const grid = new ChannelGrid({m, texts, doc, boxes, status});
  const panel = new SettingsPanel({m, texts, lists, doc});
  const edit = new EditCommands({m, texts, doc, grid, boxes});
  const files = new FileCommands({m, texts, doc, grid, boxes, chooser: (filters) => chooseExportForm(texts, filters)});
  const printer = new ReportPrinter({m, doc, grid});
  let menus = null;
  const radio = new RadioCommands({
    m, texts, doc, grid, boxes, files,
    onRunning: () => menus && menus.refresh(),
  });

  const c = texts.commands;
  const unlocked = () => !doc.locked;
  const commands = {
    new: {text: c.new, run: () => files.newDocument(), enabled: unlocked},
    open: {text: c.open, run: () => files.open(), enabled: unlocked},
    save: {text: c.save, run: () => files.save()},
    saveAs: {text: c.saveAs, run: () => files.saveAs()},
    importChannels: {text: c.importChannels, run: () => files.importChannels(), enabled: unlocked},
    exportChannels: {text: c.exportChannels, run: () => files.exportChannels()},
    print: {text: c.print, run: () => printer.print()},
    undo: {
      text: c.undo, run: () => edit.undo(), enabled: () => unlocked() && doc.index > 0,
      label: () => withStep(c.undo.item, doc.undoName),
    },
    redo: {
      text: c.redo, run: () => edit.redo(), enabled: () => unlocked() && doc.index < doc.steps.length,
      label: () => withStep(c.redo.item, doc.redoName), extraKeys: ['Ctrl+Shift+Z'],
    },
    cut: {text: c.cut, run: () => edit.cut(), enabled: () => unlocked() && edit.hasRows, byClipboardEvent: true},
    copy: {text: c.copy, run: () => edit.copy(), enabled: () => edit.hasRows, byClipboardEvent: true},
    paste: {text: c.paste, run: () => edit.paste(), enabled: unlocked, byClipboardEvent: true},
    delete: {text: c.delete, run: () => edit.deleteRows(), enabled: () => unlocked() && edit.hasRows},
    selectAll: {text: c.selectAll, run: () => edit.selectAll()},
    read: {text: c.read, run: () => radio.read(), enabled: () => !radio.running},
    write: {text: c.write, run: () => radio.writeToRadio(), enabled: () => !radio.running},
    verify: {
      text: c.verify, run: () => radio.setVerify(!radio.verify), checked: () => radio.verify,
    },
    chooseCable: {text: c.chooseCable, run: () => radio.chooseCable(), enabled: () => !radio.running},
    help: {text: c.help, run: () => window.open('help.html', 'qm314-help')},
    about: {text: c.about, run: () => boxes.show(`${texts.aboutLine}\n${texts.aboutDetails}`, {caption: texts.aboutCaption})},
  };
  menus = new Menus({texts, status, commands});

  grid.build();
  panel.build();
  menus.build([
    {title: texts.menus.file, items: ['new', 'open', 'save', 'saveAs', '-', 'importChannels', 'exportChannels', '-', 'print']},
    // Opening the menu writes the open list's choice, so Undo names the step it takes.
    {title: texts.menus.edit, items: ['undo', 'redo', '-', 'cut', 'copy', 'paste', 'delete', '-', 'selectAll'],
     onOpen: () => grid.commit()},
    {title: texts.menus.program, items: ['read', '-', 'write', '-', 'verify']},
    {title: texts.menus.port, items: () => radio.portItems()},
    {title: texts.menus.help, items: ['help', '-', 'about']},
  ], ['new', 'open', 'save', '-', 'read', 'write', '-', 'print', 'about']);
  grid.onRowsChanged = () => menus.refresh();
  edit.wireClipboardEvents(document.getElementById('form'));
  files.wireDrops(document);
  status.followPointer(document.getElementById('form'), document.getElementById('grid-frame'));

  const showTitle = () => {
    document.title = m.formatText(texts.documentTitle, `${doc.title}${doc.modified ? '*' : ''}`, texts.frameCaption);
  };
  doc.onChange((what) => {
    if (what === 'storage') {
      status.hint(doc.storageFailure.message || String(doc.storageFailure));
      return;
    }
    if (what === 'lock') {
      panel.setLocked(doc.locked);
      grid.table.classList.toggle('locked', doc.locked);
      grid.table.setAttribute('aria-disabled', String(doc.locked));
      if (doc.locked) grid.cancel();
    } else {
      // Another document, or another step: an open list's choice is of no use now.
      if (what === 'document') {
        grid.cancel();
        grid.selectRows([]);
      }
      grid.render();
      panel.render();
      showTitle();
    }
    menus.refresh();
  });

  // Leaving with unsaved edits, or in the middle of a transfer, asks first.
  window.addEventListener('beforeunload', (event) => {
    if (doc.modified || radio.running) {
      event.preventDefault();
      event.returnValue = '';
    }
  });

  const [restored] = await Promise.all([doc.restore(kept), radio.start()]);
  if (!restored) doc.newDocument();
  const notice = document.getElementById('notice');
  if (!radio.available) {
    notice.textContent = radio.unavailableText;
    notice.hidden = false;
  }
  grid.table.focus();
  menus.refresh();

  // The manifest lets the installed app open .int and CSV files; the first
  // one it was given opens once the document of the last visit is back.
  if ('launchQueue' in window) {
    window.launchQueue.setConsumer(({files: launched}) => {
      if (launched && launched.length) files.openHandle(launched[0]);
    });
  }
  if ('serviceWorker' in navigator) {
    navigator.serviceWorker.register('sw.js').catch((error) => status.hint(error.message || String(error)));
  }
  performance.mark('qm314-ready');
  setTimeout(() => radio.prepareWorker());
  document.documentElement.dataset.ready = 'true';
  // For the tests and the measurements: the page's parts, as a user reaches them.
  window.qm314Page = {m, texts, doc, grid, radio, menus, boxes, files};
}

// "&Undo\tCtrl+Z" with its step: "&Undo Channel in row 3", as the desktop names it.
function withStep(item, step) {
  const [words] = item.split('\t');
  return step ? `${words} ${step}` : words;
}

// Export Channels asks for the form first: the browser's save dialog does not
// tell which of its kinds was chosen.  Resolves to the index of the form, or -1.
function chooseExportForm(texts, filters) {
  return new Promise((resolve) => {
    const dialog = document.createElement('dialog');
    dialog.className = 'box';
    dialog.setAttribute('aria-labelledby', 'export-caption');
    const caption = document.createElement('div');
    caption.className = 'caption';
    caption.id = 'export-caption';
    caption.textContent = texts.exportChannelsCaption || itemLabel(texts.commands.exportChannels.item);
    const group = document.createElement('fieldset');
    group.className = 'export-forms';
    const legend = document.createElement('legend');
    legend.textContent = texts.page.exportFormQuestion;
    group.append(legend);
    filters.forEach((filter, index) => {
      const label = document.createElement('label');
      const input = document.createElement('input');
      input.type = 'radio';
      input.name = 'export-form';
      input.value = String(index);
      input.checked = index === 0;
      label.append(input, ` ${filter}`);
      group.append(label);
    });
    const row = document.createElement('div');
    row.className = 'box-buttons';
    const finish = (answer) => {
      dialog.close();
      dialog.remove();
      resolve(answer);
    };
    const ok = document.createElement('button');
    ok.type = 'button';
    ok.textContent = texts.buttons.ok;
    ok.addEventListener('click', () => finish(Number(group.querySelector('input:checked').value)));
    const cancel = document.createElement('button');
    cancel.type = 'button';
    cancel.textContent = texts.buttons.cancel;
    cancel.addEventListener('click', () => finish(-1));
    row.append(ok, cancel);
    dialog.addEventListener('cancel', (event) => {
      event.preventDefault();
      finish(-1);
    });
    dialog.addEventListener('keydown', (event) => {
      event.stopPropagation();
      if (event.key === 'Enter' && event.target.type === 'radio') {
        event.preventDefault();
        ok.click();
      }
    });
    dialog.append(caption, group, row);
    document.body.append(dialog);
    dialog.showModal();
    group.querySelector('input:checked').focus();
  });
}

main().catch((error) => {
  // Nothing of the page works without the core: say why, in the browser's words.
  const status = document.getElementById('status');
  if (status) status.textContent = String(error && error.message ? error.message : error);
  document.documentElement.dataset.ready = 'failed';
  throw error;
});
