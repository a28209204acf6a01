// Every spread the page deals: the four of the engine's table and the reader's own, imported
// from .baralune-spread files and kept in the browser's storage as the engine wrote them out.
// The page reads a kept spread for its list and layout; the engine checks it again whenever it
// deals or reads one.
import { kOwnSpread, spreadTable } from "./engine.js";
import { language } from "./i18n.js";

const kStored = "baralune.spreads";
const kRowCaptionHeight = 270;  // twips, as the engine's table gives the Gypsy spread's
const kMaxNameLength = 60;  // characters

const parsed = new Map();  // spread file text -> its definition, or null

const isInt = (n) => Number.isInteger(n);
const isText = (t) => typeof t === "string";

// The definition a kept spread file holds (name, description, positions, row_captions), or
// null when it is not one the page can lay out.
export function definitionOf(text) {
  if (!isText(text)) return null;
  if (parsed.has(text)) return parsed.get(text);
  let d = null;
  try {
    d = JSON.parse(text);
  } catch (e) {
    d = null;
  }
  const sound = d !== null && typeof d === "object" && isText(d.name) &&
    Array.isArray(d.description) && d.description.every(isText) &&
    Array.isArray(d.positions) && d.positions.length >= 1 && d.positions.length <= 21 &&
    d.positions.every((p) => p && isText(p.text) && isInt(p.left) && isInt(p.top)) &&
    (d.row_captions === undefined || (Array.isArray(d.row_captions) &&
      d.row_captions.every((c) => c && isText(c.text) && isInt(c.left) && isInt(c.top) && isInt(c.width))));
  parsed.set(text, sound ? d : null);
  return sound ? d : null;
}

// The spread files kept, as stored (one the page cannot read stays kept, unlisted).
function keptTexts() {
  let raw = null;
  try {
    raw = localStorage.getItem(kStored);
  } catch (e) {
    console.warn("The reader's spreads cannot be read from this browser's storage:", e);
    return [];
  }
  if (raw === null) return [];
  try {
    const list = JSON.parse(raw);
    if (Array.isArray(list)) return list;
  } catch (e) {
    // Set aside below.
  }
  // Damaged: kept whole beside the list before anything is written over it.
  try {
    if (localStorage.getItem(kStored + ".damaged") === null) localStorage.setItem(kStored + ".damaged", raw);
  } catch (e) {
    console.error(e);
  }
  console.error("The reader's spreads kept in this browser were damaged; they were set aside as " + kStored + ".damaged");
  return [];
}

// Replaces the spreads kept; throws (the storage full or switched off) with nothing changed.
function keep(texts) {
  localStorage.setItem(kStored, JSON.stringify(texts));
}

// The reader's spreads the page can list, in the order imported: {text, definition, at}.
export function ownSpreads() {
  const list = [];
  keptTexts().forEach((text, at) => {
    const definition = definitionOf(text);
    if (definition) list.push({ text, definition, at });
  });
  return list;
}

export function addOwnSpread(text) {
  keep([...keptTexts(), text]);
}

export function removeOwnSpread(spread) {
  const texts = keptTexts();
  if (texts[spread.at] !== spread.text) return;
  texts.splice(spread.at, 1);
  keep(texts);
}

// Whether a spread is called `name` already, the four in either language included.
export function nameTaken(name) {
  for (const names of Object.values(spreadTable().languages)) {
    if (names.spreads.some((s) => s.listText === name || s.reportName === name)) return true;
  }
  return ownSpreads().some((s) => s.definition.name === name);
}

// `name`, or the first of "name (2)", "name (3)"... no spread has, within the length allowed.
export function freeName(name) {
  if (!nameTaken(name)) return name;
  for (let n = 2; ; ++n) {
    const tail = ` (${n})`;
    const base = [...name];
    while (base.length + tail.length > kMaxNameLength) base.pop();
    if (!nameTaken(base.join("") + tail)) return base.join("") + tail;
  }
}

// What the page shows of the spread of `details` ({spread, own}) in its language: {count,
// places ([left, top] in twips), captions, reportName, listText, description, positions}.
export function shapeOf(details) {
  const table = spreadTable();
  if (details.spread !== kOwnSpread) {
    const layout = table.spreads[details.spread];
    const names = table.languages[language()].spreads[details.spread];
    return {
      count: layout.cards,
      places: layout.places,
      captions: layout.places.length === 21 ? table.rowCaptions : [],
      reportName: names.reportName,
      listText: names.listText,
      description: names.description,
      positions: names.positions,
      own: false,
    };
  }
  const d = definitionOf(details.own);
  if (!d) throw new Error("the spread of this reading cannot be read");
  return {
    count: d.positions.length,
    places: d.positions.map((p) => [p.left, p.top]),
    captions: (d.row_captions || []).map((c) => ({ ...c, height: kRowCaptionHeight })),
    reportName: d.name,
    listText: d.name,
    description: d.description.join("\n"),
    positions: d.positions.map((p) => p.text),
    own: true,
  };
}
