// The working document kept in the browser's own storage (IndexedDB), so a
// reload or a closed tab brings it back with its undo history until another
// document takes its place.  A file handle is kept too: Save may write to the
// same file again once the browser lets it.

const databaseName = 'qm314';
const storeName = 'state';
const documentKey = 'document';

function open() {
  return new Promise((resolve, reject) => {
    const request = indexedDB.open(databaseName, 1);
    request.onupgradeneeded = () => request.result.createObjectStore(storeName);
    request.onsuccess = () => resolve(request.result);
    request.onerror = () => reject(request.error);
  });
}

let database = null;
function db() {
  if (!database) database = open();
  return database;
}

function run(mode, action) {
  return db().then((base) => new Promise((resolve, reject) => {
    const transaction = base.transaction(storeName, mode);
    const request = action(transaction.objectStore(storeName));
    transaction.oncomplete = () => resolve(request.result);
    transaction.onerror = () => reject(transaction.error);
    transaction.onabort = () => reject(transaction.error);
  }));
}

export function loadDocument() {
  return run('readonly', (store) => store.get(documentKey));
}

// Writes are queued, so an older state never lands after a newer one.
let writing = Promise.resolve();
export function saveDocument(state) {
  const next = writing.then(() => run('readwrite', (store) => store.put(state, documentKey)));
  writing = next.catch(() => {});
  return next;
}

// A setting of the page kept between visits (Verify After Write).
export function loadSetting(key, otherwise) {
  try {
    const value = localStorage.getItem(`qm314.${key}`);
    return value === null ? otherwise : JSON.parse(value);
  } catch (e) {
    return otherwise;
  }
}

export function saveSetting(key, value) {
  try {
    localStorage.setItem(`qm314.${key}`, JSON.stringify(value));
  } catch (e) {
    // A browser that keeps nothing starts with the default next time.
  }
}
