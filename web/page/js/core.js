// The C++ core as the page uses it: the module (loaded by qm314.js beside
// this page), the texts it holds for every word the page shows, and helpers
// that take those texts apart as the desktop's menus do.

let core = null;

// Loads the module once; everything else waits for it.
export async function loadCore() {
  if (!core) {
    const m = await (globalThis.qm314Starting || globalThis.createQm314());
    core = {m, texts: m.texts(), lists: m.pickLists()};
  }
  return core;
}

// "&Open...\tCtrl+O" -> "Open...": the words of a menu item.
export function itemLabel(item) {
  const words = item.split('\t')[0];
  return words.replace(/&(.)/g, '$1');
}

// "&Open...\tCtrl+O" -> "O": the letter that picks it in its menu.
export function itemMnemonic(item) {
  const at = item.split('\t')[0].search(/&[^&]/);
  return at < 0 ? '' : item.charAt(at + 1).toUpperCase();
}

// "&Open...\tCtrl+O" -> "Ctrl+O"; "" for none.
export function itemKey(item) {
  const parts = item.split('\t');
  return parts.length > 1 ? parts[1] : '';
}

// "status-bar prompt\ntooltip" -> its two parts.
export function promptParts(prompt) {
  const [status, tip] = prompt.split('\n');
  return {status: status || '', tip: tip === undefined ? status || '' : tip};
}

// Builds a label's content with its mnemonic underlined, as a menu shows it.
export function labelNodes(item) {
  const words = item.split('\t')[0];
  const fragment = document.createDocumentFragment();
  const at = words.search(/&[^&]/);
  if (at < 0) {
    fragment.append(itemLabel(item));
    return fragment;
  }
  const u = document.createElement('u');
  u.textContent = words.charAt(at + 1);
  fragment.append(words.slice(0, at).replace(/&(.)/g, '$1'), u, words.slice(at + 2).replace(/&(.)/g, '$1'));
  return fragment;
}
