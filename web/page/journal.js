// The reader's journal: every reading dealt here, kept in the browser's own storage (IndexedDB)
// with what the desktop keeps, so that it can be listed, shown again and moved in a file. It
// never leaves the device. Where the storage cannot be opened the page says so once and deals
// on without it; a store found damaged is set aside, never emptied (see setAside).
import { journalFile, kOwnSpread, loadEngine, spreadTable } from "./engine.js";
import { definitionOf } from "./spreads.js";
import { download, today } from "./download.js";
import { tr } from "./i18n.js";
import { showNotice } from "./notice.js";

const kDatabase = "baralune-journal";
const kStore = "readings";
const kSwitch = "baralune.keepJournal";
const kSetAside = "set aside ";  // the start of a damaged store's name, kept beside the journal
const kMaxOffset = 18 * 3600;  // the widest offset from UTC a clock shows
const kBlockedWait = 5000;  // ms

let opening = null;
let checked = null;  // the records read when opening, for the listing that asked for the opening
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

// Whether `reading` is one this page can list and show: a record written by something else
// (an older or damaged page, another program at the browser's storage) may not be.
export function readable(reading) {
  if (!reading || typeof reading !== "object") return false;
  const { id, dealt, offset, name, birth, spread, mode, cards, language } = reading;
  // A reading of the reader's own spread carries the spread as it was dealt.
  const own = spread === kOwnSpread ? definitionOf(reading.own) : null;
  const kind = own ? { cards: own.positions.length } : spreadTable().spreads[spread];
  return Number.isInteger(id) && Number.isFinite(dealt) && Number.isInteger(offset) &&
    Math.abs(offset) <= kMaxOffset && typeof name === "string" && typeof birth === "string" &&
    typeof reading.fold === "string" && Number.isInteger(spread) && kind !== undefined &&
    [0, 1, 2].includes(mode) && (language === "en" || language === "es") &&
    (reading.notes === undefined || typeof reading.notes === "string") &&
    Array.isArray(cards) && cards.length === kind.cards && new Set(cards).size === cards.length &&
    cards.every((c) => Number.isInteger(c) && c >= 0 && c < 40);
}

// The journal's shape as this page made it: one store of readings numbered by the browser,
// and any stores set aside beside it.
function knownShape(db) {
  const names = [...db.objectStoreNames];
  if (!names.includes(kStore) || names.some((n) => n !== kStore && !n.startsWith(kSetAside))) return false;
  const store = db.transaction(kStore).objectStore(kStore);
  return store.keyPath === "id" && store.autoIncrement;
}

function openAt(version, upgrade) {
  return new Promise((resolve, reject) => {
    const request = version === undefined ? indexedDB.open(kDatabase) : indexedDB.open(kDatabase, version);
    request.onupgradeneeded = (event) => upgrade(request.result, request.transaction, event.oldVersion);
    // Other tabs let the journal go when asked (and a page kept for Back is dropped): wait for
    // them a while, not for ever.
    request.onblocked = () => setTimeout(() => reject(new Error("another tab holds an older journal open")), kBlockedWait);
    promised(request).then(resolve, reject);
  });
}

// A damaged journal is kept whole under a name of its own and a fresh one begins beside it;
// what could still be read was offered as a journal file first (where the engine could write
// it). Resolves to the database holding the fresh journal.
async function setAside(db, readings) {
  let saved = null;
  let failure = null;
  if (readings.length > 0) {
    try {
      await loadEngine();
      const { text, leftOut } = journalFile(readings);
      saved = { name: tr("JournalFileActions", "Baralune journal %1", today()) + ".jsonl", count: readings.length - leftOut };
      download(text, "application/jsonl", saved.name);
    } catch (error) {
      failure = error;
      console.error("The damaged journal's readings could not be saved to a file:", error);
    }
  }
  const aside = kSetAside + new Date().toISOString();
  const version = db.version + 1;
  db.close();
  // Every store this page does not know goes aside with it, so that the journal opens clean.
  const fresh = await openAt(version, (database, transaction) => {
    for (const name of [...database.objectStoreNames]) {
      if (name.startsWith(kSetAside)) continue;
      transaction.objectStore(name).name = name === kStore ? aside : `${aside} (${name})`;
    }
    database.createObjectStore(kStore, { keyPath: "id", autoIncrement: true });
  });
  console.warn(`The journal was damaged and was set aside, unchanged, as "${aside}".`);
  let text = tr("WebPage", "The journal kept in this browser was damaged. It was set aside, unchanged, and a new journal begins.");
  if (saved) {
    text += " " + tr("WebPage", "Readings that could still be read, %1, were saved as the download %2; Import Journal… in the History brings them back.", saved.count, saved.name);
  } else if (failure) {
    text += " " + tr("WebPage", "Its readings could not be saved to a file: %1", reason(failure));
  }
  showNotice(text, "alert");
  return fresh;
}

// Opens the journal as this page knows it; a journal of a shape it does not know, or holding
// readings it cannot read, is set aside.
async function openChecked() {
  const db = await openAt(undefined, (database, transaction, oldVersion) => {
    if (oldVersion === 0) database.createObjectStore(kStore, { keyPath: "id", autoIncrement: true });
  });
  let records = [];
  const shape = knownShape(db);
  if (shape) records = await promised(db.transaction(kStore).objectStore(kStore).getAll());
  else if ([...db.objectStoreNames].includes(kStore)) {
    try {
      records = await promised(db.transaction(kStore).objectStore(kStore).getAll());
    } catch (error) {
      console.error(error);
    }
  }
  const readings = records.filter(readable);
  if (shape && readings.length === records.length) {
    checked = records;
    return db;
  }
  checked = [];
  return setAside(db, readings);
}

// The store, or a failure saying why it cannot be opened.
export function openJournal() {
  if (!opening) {
    opening = openChecked().then((db) => {
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

// Every reading kept that can be shown, the newest dealt first (of those dealt at the same
// moment, the later kept), and how many could not be. Readings imported from another device
// keep when they were dealt: the order they were added says nothing of it.
export async function journalReadings() {
  // Read once, not twice, when this opens the journal: nothing can have changed in between.
  const first = opening === null;
  const db = await openJournal();
  const records = first && checked ? checked : await promised(db.transaction(kStore).objectStore(kStore).getAll());
  checked = null;
  const readings = records.filter(readable).sort((a, b) => b.dealt - a.dealt || b.id - a.id);
  return { readings, unreadable: records.length - readings.length };
}

export async function allReadings() {
  return (await journalReadings()).readings;
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
  const keys = new Set(held.filter(readable).map(readingKey));
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
