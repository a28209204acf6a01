// The reader's journal: every reading dealt here, kept in the browser's own storage (IndexedDB)
// with what the desktop keeps, so that it can be listed, shown again and moved in a file. It
// never leaves the device. Where the storage cannot be opened the page says so once and deals
// on without it.
import { tr } from "./i18n.js";
import { showNotice } from "./notice.js";

const kDatabase = "baralune-journal";
const kStore = "readings";
const kSwitch = "baralune.keepJournal";

let opening = null;
let troubleSaid = false;

// Whether readings are kept: on unless the reader switched it off here.
export function keeping() {
  try {
    return localStorage.getItem(kSwitch) !== "off";
  } catch (e) {
    return true;
  }
}

export function setKeeping(on) {
  try {
    localStorage.setItem(kSwitch, on ? "on" : "off");
  } catch (e) {
    // Not remembered: the switch holds for this visit.
  }
}

// The name as searched: accents dropped, case folded ("José" and "JOSE" are "jose").
export function fold(text) {
  return text.normalize("NFD").replace(/\p{M}/gu, "").toUpperCase().toLowerCase();
}

// What tells two readings apart: the same moment, name and cards is the same reading.
export function readingKey(reading) {
  return `${reading.dealt}\u0000${reading.name}\u0000${reading.cards.join(",")}`;
}

function promised(request) {
  return new Promise((resolve, reject) => {
    request.onsuccess = () => resolve(request.result);
    request.onerror = () => reject(request.error);
  });
}

function done(transaction) {
  return new Promise((resolve, reject) => {
    transaction.oncomplete = () => resolve();
    transaction.onabort = () => reject(transaction.error || new Error("the change was undone"));
    transaction.onerror = () => reject(transaction.error);
  });
}

// The store, or a failure saying why it cannot be opened.
export function openJournal() {
  if (!opening) {
    opening = new Promise((resolve, reject) => {
      const request = indexedDB.open(kDatabase, 1);
      request.onupgradeneeded = () => {
        request.result.createObjectStore(kStore, { keyPath: "id", autoIncrement: true });
      };
      request.onblocked = () => reject(new Error("another tab holds an older journal open"));
      promised(request).then(resolve, reject);
    }).then((db) => {
      // Another tab of a newer page may need the store: this one lets it go.
      db.onversionchange = () => db.close();
      return db;
    });
  }
  return opening;
}

function reason(error) {
  return error && error.message ? error.message : String(error);
}

// Says once in the page that the journal cannot be kept, and why.
export function sayStoreTrouble(error) {
  console.warn("The journal cannot be opened:", error);
  if (troubleSaid) return;
  troubleSaid = true;
  showNotice(tr("WebPage", "The journal cannot be kept in this browser (%1). Readings are dealt as before, without it.", reason(error)), "alert");
}

// Keeps a reading just dealt (when the switch is on). Never stops the reading being shown.
export async function record(reading) {
  if (!keeping()) return;
  let db;
  try {
    db = await openJournal();
  } catch (error) {
    sayStoreTrouble(error);
    return;
  }
  try {
    const transaction = db.transaction(kStore, "readwrite");
    transaction.objectStore(kStore).add({ ...reading, fold: fold(reading.name) });
    await done(transaction);
  } catch (error) {
    console.error(error);
    showNotice(tr("Journal", "This reading could not be kept in the journal: %1", reason(error)), "alert");
  }
}

// Every reading kept, the newest first.
export async function allReadings() {
  const db = await openJournal();
  const readings = await promised(db.transaction(kStore).objectStore(kStore).getAll());
  return readings.reverse();
}

export async function deleteReadings(ids) {
  const db = await openJournal();
  const transaction = db.transaction(kStore, "readwrite");
  const store = transaction.objectStore(kStore);
  for (const id of ids) store.delete(id);
  await done(transaction);
}

// Adds, in one transaction, the readings not held yet (the same moment, name and cards), in
// their order; a reading twice in `readings` is added once. Resolves to {added, skipped}.
export async function addReadings(readings) {
  const db = await openJournal();
  const transaction = db.transaction(kStore, "readwrite");
  const store = transaction.objectStore(kStore);
  const counts = { added: 0, skipped: 0 };
  const held = await promised(store.getAll());
  const keys = new Set(held.map(readingKey));
  for (const reading of readings) {
    const key = readingKey(reading);
    if (keys.has(key)) {
      ++counts.skipped;
      continue;
    }
    keys.add(key);
    store.add({ ...reading, fold: fold(reading.name) });
    ++counts.added;
  }
  await done(transaction);
  return counts;
}
