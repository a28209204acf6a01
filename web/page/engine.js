// The reading engine, compiled to WebAssembly: loaded once, then called synchronously.
import BaraluneEngine from "./baralune.js";
import catalogue from "./catalogue.js";

let module = null;
let loading = null;

// Resolves once the engine is ready; fails when it cannot be loaded.
export function loadEngine() {
  if (!loading) {
    loading = BaraluneEngine().then((m) => {
      module = m;
      // A small reading once the page is idle: the browser compiles the engine's code on first
      // use, which would otherwise fall on the reader's first Deal.
      const warm = () => {
        try {
          readCards(0, "en", [0, 1, 2]);
        } catch (error) {
          console.error(error);
        }
      };
      if (window.requestIdleCallback) requestIdleCallback(warm, { timeout: 2000 }); else setTimeout(warm, 200);
      return m;
    });
  }
  return loading;
}

export function engineReady() {
  return module !== null;
}

// The spreads' places, row captions and each language's names (see web/binding.cpp), written
// at build time: the form needs them before the engine has arrived.
export function spreadTable() {
  return catalogue;
}

function lastError() {
  return module.UTF8ToString(module.ccall("baralune_error", "number", [], []));
}

// The number the engine gives a reader's own spread: its definition travels beside it.
export const kOwnSpread = catalogue.spreads.length;
// The longest spread file Baralune reads.
export const kMaxSpreadFileBytes = 1024 * 1024;

// Distinct cards for every position of `spread` (of `count` positions for a reader's own),
// drawn with the browser's cryptographic generator.
export function drawCards(spread, count) {
  const list = spread === kOwnSpread
    ? module.ccall("baralune_draw_count", "string", ["number"], [count])
    : module.ccall("baralune_draw", "string", ["number"], [spread]);
  if (!list) throw new Error("the cards could not be drawn: " + lastError());
  return list.split(",").map(Number);
}

// The reading of `cards`: its report as paragraphs of runs and pictures, and as RTF bytes. A
// reader's own spread comes as its spread file (`own`), which the engine checks first.
export function readCards(spread, language, cards, own) {
  let ok;
  if (spread === kOwnSpread) {
    handOver(new TextEncoder().encode(typeof own === "string" ? own : ""));
    ok = module.ccall("baralune_read_own", "number", ["string", "string"], [language, cards.join(",")]);
  } else {
    ok = module.ccall("baralune_read", "number", ["number", "string", "string"],
      [spread, language, cards.join(",")]);
  }
  if (!ok) throw new Error("the reading could not be made: " + lastError());
  const report = JSON.parse(module.UTF8ToString(module.ccall("baralune_report_json", "number", [], [])));
  const at = module.ccall("baralune_rtf_data", "number", [], []);
  const size = module.ccall("baralune_rtf_size", "number", [], []);
  const rtf = module.HEAPU8.slice(at, at + size);
  return { report, rtf };
}

// Writes `bytes` where the engine's next call reads them.
function handOver(bytes) {
  const at = module.ccall("baralune_buffer", "number", ["number"], [bytes.length]);
  module.HEAPU8.set(bytes, at);
}

// The journal file of `readings` (in their order), as the desktop writes it; readings the
// file could not carry back are left out and counted.
export function journalFile(readings) {
  const encoder = new TextEncoder();
  const parts = [module.UTF8ToString(module.ccall("baralune_journal_header", "number", [], []))];
  let leftOut = 0;
  for (const r of readings) {
    // The name, the date of birth, a reader's spread (or nothing) and the notes, separated by
    // zero bytes; the notes last, as the only text that may hold one.
    const own = r.spread === kOwnSpread ? String(r.own) : "";
    const fields = [r.name, r.birth, own, typeof r.notes === "string" ? r.notes : ""].map((t) => encoder.encode(t));
    const texts = new Uint8Array(fields.reduce((n, f) => n + f.length + 1, -1));
    let at = 0;
    for (const part of fields) {
      texts.set(part, at);
      at += part.length + 1;
    }
    handOver(texts);
    const line = module.UTF8ToString(module.ccall("baralune_journal_line", "number",
      ["number", "number", "number", "number", "string", "string"],
      [r.dealt, r.offset, r.spread, r.mode, r.language, r.cards.join(",")]));
    if (line) parts.push(line); else ++leftOut;
  }
  return { text: parts.join(""), leftOut };
}

// The readings of a journal file's bytes: {refusal ("" or why), readings, skipped (a count for
// each reason a line was not taken)}.
export function readJournalFile(bytes) {
  handOver(bytes);
  return JSON.parse(module.UTF8ToString(module.ccall("baralune_journal_read", "number", [], [])));
}

// The spread of a .baralune-spread file's bytes as the engine writes it again (`file`), or why
// the file was refused, said in `language` (`refusal`).
export function readSpreadFile(bytes, language) {
  handOver(bytes);
  return JSON.parse(module.UTF8ToString(module.ccall("baralune_spread_read", "number", ["string"], [language])));
}
