// The menu bar and the toolbar, built from the core's command texts: each item
// has the desktop's words, mnemonic, key and status-bar prompt, and is grey
// while it has nothing to act on.  The keys work where the browser leaves them
// to the page; those it keeps in a tab (Ctrl+N, Ctrl+W) are shown only in the
// installed app's window, which gets them.

import {itemKey, itemLabel, itemMnemonic, labelNodes, promptParts} from './core.js';
import {toolIcon} from './icons.js';

// Keys the browser keeps for its tabs and windows.
const browserKeys = new Set(['Ctrl+N', 'Ctrl+W']);

export function inAppWindow() {
  return ['standalone', 'window-controls-overlay', 'minimal-ui'].some((mode) =>
    matchMedia(`(display-mode: ${mode})`).matches);
}

// "Ctrl+Shift+Z" -> the keydown that gives it.
function keyMatches(keyText, event) {
  if (!keyText) return false;
  const parts = keyText.split('+');
  const key = parts.pop();
  const ctrl = parts.includes('Ctrl');
  const shift = parts.includes('Shift');
  if ((event.ctrlKey || event.metaKey) !== ctrl || event.shiftKey !== shift || event.altKey) return false;
  return event.key.toLowerCase() === key.toLowerCase() || (key === 'Del' && event.key === 'Delete');
}

// aria-keyshortcuts' spelling of a key text.
function ariaKeys(keyText) {
  return keyText.replace('Ctrl', 'Control').replace('Del', 'Delete');
}

export class Menus {
  // commands: {key: {text: {item, prompt}, run(), enabled?(), checked?(), label?()}}
  constructor({texts, status, commands}) {
    this.texts = texts;
    this.status = status;
    this.commands = commands;
    this.bar = document.getElementById('menubar');
    this.toolbar = document.getElementById('toolbar');
    this.menus = [];  // {title, button, list, items: () => [key|'-'|{...}]}
    this.openMenu = null;
    this.returnFocus = null;
    this.app = inAppWindow();
  }

  shownKey(text) {
    const key = itemKey(text.item);
    return browserKeys.has(key) && !this.app ? '' : key;
  }

  // menus: [{title, items: [...] or () => [...], onOpen}]
  build(menus, toolbarKeys) {
    this.bar.setAttribute('aria-label', this.texts.frameCaption);
    menus.forEach((menu, index) => {
      const button = document.createElement('button');
      button.type = 'button';
      button.className = 'menu-title';
      button.setAttribute('role', 'menuitem');
      button.setAttribute('aria-haspopup', 'menu');
      button.setAttribute('aria-expanded', 'false');
      button.tabIndex = index === 0 ? 0 : -1;
      button.append(labelNodes(menu.title));
      button.id = `menu-${index}`;
      const list = document.createElement('div');
      list.className = 'menu';
      list.setAttribute('role', 'menu');
      list.setAttribute('aria-labelledby', button.id);
      list.hidden = true;
      const wrapper = document.createElement('div');
      wrapper.className = 'menu-wrapper';
      wrapper.setAttribute('role', 'none');
      wrapper.append(button, list);
      this.bar.append(wrapper);
      const entry = {...menu, button, list, mnemonic: itemMnemonic(menu.title)};
      this.menus.push(entry);
      button.addEventListener('mousedown', (event) => {
        event.preventDefault();
        if (this.openMenu === entry) this.close();
        else this.open(entry, false);
      });
      button.addEventListener('mouseenter', () => {
        if (this.openMenu && this.openMenu !== entry) this.open(entry, false);
      });
      button.addEventListener('keydown', (event) => this.onTitleKey(event, entry));
      list.addEventListener('keydown', (event) => this.onMenuKey(event, entry));
    });
    document.addEventListener('mousedown', (event) => {
      if (this.openMenu && !this.bar.contains(event.target)) this.close(false);
    });

    this.toolbar.setAttribute('aria-label', this.texts.frameCaption);
    let first = true;
    for (const key of toolbarKeys) {
      if (key === '-') {
        const separator = document.createElement('span');
        separator.className = 'separator';
        separator.setAttribute('role', 'separator');
        this.toolbar.append(separator);
        continue;
      }
      const command = this.commands[key];
      const button = document.createElement('button');
      button.type = 'button';
      button.className = 'tool';
      button.dataset.command = key;
      button.setAttribute('aria-label', itemLabel(command.text.item));
      button.title = promptParts(command.text.prompt).tip;
      button.tabIndex = first ? 0 : -1;
      first = false;
      button.append(toolIcon(key));
      button.addEventListener('click', () => this.run(key));
      this.hoverPrompt(button, command);
      this.toolbar.append(button);
    }
    this.toolbar.addEventListener('keydown', (event) => this.onToolbarKey(event));
    document.addEventListener('keydown', (event) => this.onShortcut(event));
    this.refresh();
  }

  hoverPrompt(element, command) {
    element.addEventListener('mouseenter', () => this.status.prompt(promptParts(command.text.prompt).status));
    element.addEventListener('mouseleave', () => this.status.endPrompt());
    element.addEventListener('focus', () => this.status.prompt(promptParts(command.text.prompt).status));
    element.addEventListener('blur', () => this.status.endPrompt());
  }

  enabled(key) {
    const command = this.commands[key];
    return !command.enabled || command.enabled();
  }

  run(key) {
    if (!this.enabled(key)) return;
    this.commands[key].run();
  }

  // Brings every item's grey state, check mark and words up to date.
  refresh() {
    for (const button of this.toolbar.querySelectorAll('button.tool')) {
      const on = this.enabled(button.dataset.command);
      button.disabled = !on;
    }
    if (this.openMenu) this.fill(this.openMenu);
  }

  items(entry) {
    return typeof entry.items === 'function' ? entry.items() : entry.items;
  }

  // The menu's items, each a menuitem (or menuitemcheckbox or menuitemradio).
  fill(entry) {
    const focusedIndex = [...entry.list.children].indexOf(document.activeElement);
    entry.list.replaceChildren();
    for (const key of this.items(entry)) {
      if (key === '-') {
        const separator = document.createElement('div');
        separator.className = 'menu-separator';
        separator.setAttribute('role', 'separator');
        entry.list.append(separator);
        continue;
      }
      const command = typeof key === 'string' ? this.commands[key] : key;
      const item = document.createElement('div');
      const checked = command.checked ? command.checked() : undefined;
      item.setAttribute('role', checked === undefined ? 'menuitem' : command.radio ? 'menuitemradio' : 'menuitemcheckbox');
      if (checked !== undefined) item.setAttribute('aria-checked', String(checked));
      item.className = 'menu-item';
      item.tabIndex = -1;
      const on = !command.enabled || command.enabled();
      if (!on) item.setAttribute('aria-disabled', 'true');
      const words = command.label ? command.label() : command.text.item;
      const label = document.createElement('span');
      label.className = 'menu-label';
      label.append(labelNodes(words));
      const shortcut = document.createElement('span');
      shortcut.className = 'menu-key';
      const keyText = this.shownKey(command.text);
      shortcut.textContent = keyText;
      if (keyText) item.setAttribute('aria-keyshortcuts', ariaKeys(keyText));
      item.append(label, shortcut);
      item.dataset.mnemonic = itemMnemonic(words);
      item.addEventListener('click', () => {
        if (!on) return;
        this.close();
        command.run();
      });
      item.addEventListener('mouseenter', () => item.focus());
      this.hoverPrompt(item, command);
      entry.list.append(item);
    }
    const items = entry.list.children;
    if (focusedIndex >= 0 && items[focusedIndex]) items[focusedIndex].focus();
  }

  open(entry, focusFirst) {
    if (this.openMenu && this.openMenu !== entry) this.close(false);
    if (!this.openMenu) {
      const active = document.activeElement;
      this.returnFocus = active && !this.bar.contains(active) ? active : null;
    }
    if (entry.onOpen) entry.onOpen();
    this.openMenu = entry;
    this.fill(entry);
    entry.list.hidden = false;
    entry.button.setAttribute('aria-expanded', 'true');
    entry.button.classList.add('open');
    const first = this.menuItems(entry)[0];
    if (focusFirst && first) first.focus();
    else entry.button.focus();
  }

  close(restoreFocus = true) {
    const entry = this.openMenu;
    if (!entry) return;
    this.openMenu = null;
    entry.list.hidden = true;
    entry.button.setAttribute('aria-expanded', 'false');
    entry.button.classList.remove('open');
    this.status.endPrompt();
    if (restoreFocus && this.returnFocus && this.returnFocus.isConnected) this.returnFocus.focus();
    this.returnFocus = null;
  }

  menuItems(entry) {
    return [...entry.list.querySelectorAll('[role^="menuitem"]')];
  }

  neighbour(entry, delta) {
    const index = (this.menus.indexOf(entry) + delta + this.menus.length) % this.menus.length;
    return this.menus[index];
  }

  onTitleKey(event, entry) {
    switch (event.key) {
      case 'ArrowRight':
      case 'ArrowLeft': {
        event.preventDefault();
        const next = this.neighbour(entry, event.key === 'ArrowRight' ? 1 : -1);
        for (const menu of this.menus) menu.button.tabIndex = menu === next ? 0 : -1;
        if (this.openMenu) this.open(next, true);
        else next.button.focus();
        break;
      }
      case 'ArrowDown':
      case 'Enter':
      case ' ':
        event.preventDefault();
        this.open(entry, true);
        break;
      case 'Escape':
        if (this.openMenu) {
          event.preventDefault();
          this.close();
        }
        break;
      default:
        break;
    }
  }

  onMenuKey(event, entry) {
    const items = this.menuItems(entry);
    const at = items.indexOf(document.activeElement);
    const focus = (index) => items[(index + items.length) % items.length].focus();
    event.stopPropagation();
    switch (event.key) {
      case 'ArrowDown': event.preventDefault(); focus(at + 1); return;
      case 'ArrowUp': event.preventDefault(); focus(at - 1); return;
      case 'Home': event.preventDefault(); focus(0); return;
      case 'End': event.preventDefault(); focus(items.length - 1); return;
      case 'ArrowRight':
      case 'ArrowLeft':
        event.preventDefault();
        this.open(this.neighbour(entry, event.key === 'ArrowRight' ? 1 : -1), true);
        return;
      case 'Escape':
        event.preventDefault();
        this.close(false);
        entry.button.focus();
        return;
      case 'Tab':
        this.close();
        return;
      case 'Enter':
      case ' ':
        event.preventDefault();
        if (at >= 0) items[at].click();
        return;
      default:
        break;
    }
    if (event.key.length === 1 && !event.ctrlKey && !event.metaKey) {
      const item = items.find((candidate) => candidate.dataset.mnemonic === event.key.toUpperCase());
      if (item) {
        event.preventDefault();
        item.click();
      }
    }
  }

  onToolbarKey(event) {
    if (event.key !== 'ArrowRight' && event.key !== 'ArrowLeft' && event.key !== 'Home' && event.key !== 'End') return;
    const buttons = [...this.toolbar.querySelectorAll('button.tool:not(:disabled)')];
    const at = buttons.indexOf(document.activeElement);
    let next = event.key === 'Home' ? 0 : event.key === 'End' ? buttons.length - 1 :
      at + (event.key === 'ArrowRight' ? 1 : -1);
    next = (next + buttons.length) % buttons.length;
    event.preventDefault();
    for (const button of this.toolbar.querySelectorAll('button.tool')) button.tabIndex = -1;
    buttons[next].tabIndex = 0;
    buttons[next].focus();
  }

  // The commands' keys, wherever the focus is (but in a box or an open menu).
  onShortcut(event) {
    if (event.defaultPrevented || document.querySelector('dialog.box[open]')) return;
    if (event.altKey && !event.ctrlKey && !event.metaKey && event.key.length === 1) {
      const menu = this.menus.find((entry) => entry.mnemonic === event.key.toUpperCase());
      if (menu) {
        event.preventDefault();
        this.open(menu, true);
      }
      return;
    }
    for (const [key, command] of Object.entries(this.commands)) {
      const keys = [itemKey(command.text.item), ...(command.extraKeys || [])];
      if (!keys.some((keyText) => keyText && keyText !== 'Del' && keyMatches(keyText, event))) continue;
      // Rows go to the clipboard through the copy, cut and paste events.
      if (command.byClipboardEvent) return;
      event.preventDefault();
      this.run(key);
      return;
    }
  }
}
