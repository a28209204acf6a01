// The History: the readings kept in the journal, the newest dealt first, with the desktop's
// columns and buttons; search as you type, open, delete, export as CSV, and the journal file out
// and in.
import { journalFile, kOwnSpread, loadEngine, readJournalFile, spreadTable } from "./engine.js";
import { definitionOf } from "./spreads.js";
import { formatDate, language, tr } from "./i18n.js";
import { addReadings, deleteReadings, fold, journalReadings, sayStoreTrouble } from "./journal.js";
import { showKeptReading } from "./result.js";
import { download, today } from "./download.js";
import { sayFailure } from "./notice.js";
import { onLanguageChange, showView } from "./views.js";

const $ = (id) => document.getElementById(id);
const kChunk = 60;  // rows put in the table at a time (more than a screen holds); more on scrolling
const kMaxFileBytes = 64 * 1024 * 1024;  // the journal file reader's limit

let readings = [];  // every reading kept, the newest dealt first
let matching = [];  // those the search finds
let rendered = 0;
let selected = null;  // the id of the reading selected
let cameFrom = "form-view";

const pad2 = (n) => String(n).padStart(2, "0");

// The moment as the clock that dealt it showed it.
function dealtParts(reading) {
  const local = new Date(reading.dealt + reading.offset * 1000);
  return {
    date: `${local.getUTCFullYear()}-${pad2(local.getUTCMonth() + 1)}-${pad2(local.getUTCDate())}`,
    time: `${pad2(local.getUTCHours())}:${pad2(local.getUTCMinutes())}`,
    seconds: pad2(local.getUTCSeconds()),
    local,
  };
}

// The formats of the page's language, made once: making one costs more than a row.
let formats = null;
function formatsNow() {
  if (!formats || formats.language !== language()) {
    formats = {
      language: language(),
      date: new Intl.DateTimeFormat(language(), { dateStyle: "short", timeZone: "UTC" }),
      dateTime: new Intl.DateTimeFormat(language(), { dateStyle: "short", timeStyle: "short", timeZone: "UTC" }),
    };
  }
  return formats;
}

function shortDate(year, month, day) {
  return formatsNow().date.format(new Date(Date.UTC(year, month - 1, day)));
}

function modeText(mode) {
  return [tr("baralune::HistoryWindow", "Automatic"), tr("baralune::HistoryWindow", "Manual"), tr("baralune::HistoryWindow", "Own cards")][mode] || "";
}

// The spread's name in the list: a reader's spread by its name when dealt.
function spreadName(reading, lang) {
  if (reading.spread === kOwnSpread) return (definitionOf(reading.own) || { name: "" }).name;
  const spread = spreadTable().languages[lang].spreads[reading.spread];
  return spread ? spread.listText : "";
}

function cells(reading) {
  const { local } = dealtParts(reading);
  const dealt = formatsNow().dateTime.format(local);
  const [y, m, d] = (reading.birth || "").split("-").map(Number);
  const valid = reading.birth && new Date(Date.UTC(y, m - 1, d)).getUTCMonth() === m - 1;
  const birth = valid ? shortDate(y, m, d) : reading.birth;
  return [dealt, reading.name, birth, spreadName(reading, language()), modeText(reading.mode)];
}

function row(reading) {
  const tr_ = document.createElement("tr");
  tr_.dataset.id = reading.id;
  tr_.tabIndex = -1;
  tr_.setAttribute("aria-selected", String(reading.id === selected));
  for (const text of cells(reading)) {
    const td = document.createElement("td");
    td.textContent = text;
    tr_.append(td);
  }
  tr_.cells[1].title = reading.name;
  return tr_;
}

function renderMore() {
  const body = $("history-rows");
  const part = matching.slice(rendered, rendered + kChunk);
  body.append(...part.map(row));
  rendered += part.length;
}

function renderList() {
  $("history-rows").replaceChildren();
  rendered = 0;
  renderMore();
  // A screen taller than a chunk of rows gets more at once: it could not scroll to them.
  const list = $("history-list");
  while (rendered < matching.length && list.scrollHeight <= list.clientHeight) renderMore();
  $("history-none").hidden = matching.length > 0;
  updateButtons();
}

function search() {
  const wanted = fold($("history-search").value);
  matching = wanted === "" ? readings : readings.filter((r) => r.fold.includes(wanted));
  if (!matching.some((r) => r.id === selected)) selected = null;
  renderList();
}

function updateButtons() {
  const none = selected === null;
  $("history-open").disabled = none;
  $("history-delete").disabled = none;
  $("history-export").disabled = matching.length === 0;
  $("history-export-journal").disabled = readings.length === 0;
}

function select(id) {
  selected = id;
  for (const r of $("history-rows").rows) r.setAttribute("aria-selected", String(Number(r.dataset.id) === id));
  updateButtons();
}

function say(text) {
  const line = $("history-message");
  line.textContent = text;
  line.hidden = text === "";
}

// Reads the journal again; resolves to how many of its readings could not be shown.
async function reload() {
  const kept = await journalReadings();
  readings = kept.readings;
  search();
  return kept.unreadable;
}

// Opens the History from the view showing now.
export async function openHistory() {
  cameFrom = [...document.querySelectorAll(".view")].find((v) => !v.hidden)?.id || "form-view";
  say("");
  historyTexts();
  showView("history-view");
  try {
    const unreadable = await reload();
    // Left in the store as they are: only this page cannot show them.
    if (unreadable > 0) say(tr("WebPage", "Readings in the journal that could not be read, left out of the list: %1.", unreadable));
    $("history-table").hidden = false;
    $("history-search").disabled = false;
  } catch (error) {
    sayStoreTrouble(error);
    readings = [];
    matching = [];
    $("history-table").hidden = true;
    $("history-search").disabled = true;
    say(tr("WebPage", "The journal cannot be kept in this browser (%1). Readings are dealt as before, without it.", error && error.message ? error.message : String(error)));
    updateButtons();
  }
  $("history-search").focus();
  performance.mark("baralune-history-ready");
}

function openSelected() {
  const reading = readings.find((r) => r.id === selected);
  if (!reading) return;
  loadEngine().then(() => showKeptReading(reading)).catch(sayFailure);
}

function deleteQuestion(reading) {
  const { local } = dealtParts(reading);
  const day = new Date(local.getUTCFullYear(), local.getUTCMonth(), local.getUTCDate());
  return tr("baralune::HistoryWindow", "Delete the reading of %1 from %2?").replace("%1", reading.name.replace(/\s+/g, " ").trim())
    .replace("%2", formatDate(day, tr("baralune::HistoryWindow", "d MMMM yyyy"))) + " " + tr("baralune::HistoryWindow", "This cannot be undone.");
}

function askDelete() {
  const reading = readings.find((r) => r.id === selected);
  if (!reading) return;
  $("delete-question").textContent = deleteQuestion(reading);
  $("delete-dialog").showModal();
  $("delete-no").focus();  // Cancel is the default
}

async function confirmDelete() {
  $("delete-dialog").close();
  const index = matching.findIndex((r) => r.id === selected);
  try {
    await deleteReadings([selected]);
  } catch (error) {
    say(tr("baralune::HistoryWindow", "The readings could not be deleted: %1").replace("%1", error.message || String(error)));
    return;
  }
  const next = matching[index + 1] || matching[index - 1];
  selected = next ? next.id : null;
  await reload();
}

// The desktop's CSV: a cell a spreadsheet would take for a formula gets an apostrophe; cells
// with a comma, quote or line end are quoted.
function csvField(text) {
  const field = /^[=+\-@\t\r]/.test(text) ? "'" + text : text;
  return /[,"\r\n]/.test(field) ? '"' + field.replace(/"/g, '""') + '"' : field;
}

function isoDealt(reading) {
  const { date, time, seconds } = dealtParts(reading);
  const offset = reading.offset;
  const zone = offset === 0 ? "Z"
    : (offset > 0 ? "+" : "-") + pad2(Math.floor(Math.abs(offset) / 3600)) + ":" + pad2(Math.floor(Math.abs(offset) % 3600 / 60));
  return `${date}T${time}:${seconds}${zone}`;
}

export function csvOf(list, lang) {
  const names = spreadTable().languages[lang];
  const modes = ["automatic", "manual", "own_cards"];
  let out = "date,name,birth_date,spread,mode,cards,notes\r\n";
  for (const r of list) {
    out += [isoDealt(r), r.name, r.birth, spreadName(r, lang), modes[r.mode],
      r.cards.map((c) => names.cardNames[c]).join(" | "), r.notes || ""].map(csvField).join(",") + "\r\n";
  }
  return out;
}

function exportCsv() {
  download(csvOf(matching, language()), "text/csv", `Baralune ${today()}.csv`);
}

async function exportJournal() {
  await loadEngine();
  // In the order they were kept, oldest first: a file imported and exported again is the same.
  const { text } = journalFile(readings.slice().sort((a, b) => a.id - b.id));
  download(text, "application/jsonl", tr("JournalFileActions", "Baralune journal %1", today()) + ".jsonl");
}

function refusalText(result) {
  switch (result.refusal) {
    case "empty": return tr("JournalFileActions", "the file is empty");
    case "not-this-format": return tr("JournalFileActions", "it is not a Baralune journal file");
    case "newer-version": return tr("WebPage", "it was written by a newer Baralune");
    case "too-many-rows": return tr("WebPage", "it holds more readings than Baralune imports at once");
    case "too-large": return tr("JournalFileActions", "it is larger than %1 MB, more than Baralune imports at once", kMaxFileBytes / 1048576);
    default: return result.refusal;
  }
}

// Imports the file chosen: the readings not held yet are added in one transaction.
async function importJournal(file) {
  try {
    // The reader refuses a file this large anyway: it is not read into memory first.
    if (file.size > kMaxFileBytes) {
      say(tr("WebPage", "Nothing was imported from %1: %2", file.name, refusalText({ refusal: "too-large" })));
      return;
    }
    await loadEngine();
    const bytes = new Uint8Array(await file.arrayBuffer());
    const result = readJournalFile(bytes);
    if (result.refusal) {
      say(tr("WebPage", "Nothing was imported from %1: %2", file.name, refusalText(result)));
      return;
    }
    const { added, skipped } = await addReadings(result.readings);
    const refused = result.skipped.reduce((a, b) => a + b, 0);
    let text = tr("WebPage", "Readings added to the journal: %1.", added);
    if (skipped > 0) text += " " + tr("WebPage", "Readings already in the journal, skipped: %1.", skipped);
    if (refused > 0) text += " " + tr("WebPage", "Readings in the file that could not be read, skipped: %1.", refused);
    say(text);
    await reload();
  } catch (error) {
    say(tr("WebPage", "Nothing was imported from %1: %2", file.name, error && error.message ? error.message : String(error)));
    console.error(error);
  }
}

export function historyTexts() {
  $("history-title").textContent = tr("Journal", "&History…").replace(/…$/, "");
  $("history-search-label").textContent = tr("WebPage", "&Search by name:");
  $("history-table").setAttribute("aria-label", tr("baralune::HistoryWindow", "Readings"));
  const heads = [tr("baralune::HistoryWindow", "Date and time"), tr("baralune::HistoryWindow", "Name"), tr("baralune::HistoryWindow", "Date of birth"), tr("baralune::HistoryWindow", "Spread"), tr("baralune::HistoryWindow", "How dealt")];
  [...$("history-head").cells].forEach((cell, i) => { cell.textContent = heads[i]; });
  $("history-none").textContent = tr("baralune::HistoryWindow", "No readings match");
  $("history-open").textContent = tr("baralune::HistoryWindow", "&Open");
  $("history-delete").textContent = tr("baralune::HistoryWindow", "&Delete");
  $("history-export").textContent = tr("baralune::HistoryWindow", "&Export…");
  $("history-export-journal").textContent = tr("baralune::HistoryWindow", "Export &Journal…");
  $("history-import-journal").textContent = tr("baralune::HistoryWindow", "&Import Journal…");
  $("history-close").textContent = tr("baralune::HistoryWindow", "&Close");
  $("delete-yes").textContent = tr("baralune::HistoryWindow", "Delete");
  $("delete-no").textContent = tr("WebPage", "Cancel");
}

onLanguageChange(() => {
  historyTexts();
  if (!$("history-view").hidden) renderList();
});

$("history-search").addEventListener("input", search);
$("history-rows").addEventListener("click", (event) => {
  const target = event.target.closest("tr");
  if (target) select(Number(target.dataset.id));
});
$("history-rows").addEventListener("dblclick", openSelected);
$("history-list").addEventListener("scroll", () => {
  const list = $("history-list");
  if (rendered < matching.length && list.scrollTop + list.clientHeight > list.scrollHeight - 200) renderMore();
});
$("history-list").addEventListener("keydown", (event) => {
  const at = matching.findIndex((r) => r.id === selected);
  if (event.key === "ArrowDown" || event.key === "ArrowUp") {
    event.preventDefault();
    const next = Math.max(0, Math.min(matching.length - 1, at + (event.key === "ArrowDown" ? 1 : -1)));
    while (next >= rendered && rendered < matching.length) renderMore();
    if (matching[next]) {
      select(matching[next].id);
      $("history-rows").rows[next].scrollIntoView({ block: "nearest" });
    }
  } else if (event.key === "Enter") {
    openSelected();
  } else if (event.key === "Delete") {
    askDelete();
  }
});
$("history-open").addEventListener("click", openSelected);
$("history-delete").addEventListener("click", askDelete);
$("delete-yes").addEventListener("click", () => confirmDelete().catch(sayFailure));
$("delete-no").addEventListener("click", () => $("delete-dialog").close());
$("history-export").addEventListener("click", exportCsv);
$("history-export-journal").addEventListener("click", () => exportJournal().catch(sayFailure));
$("history-import-journal").addEventListener("click", () => $("history-file").click());
$("history-file").addEventListener("change", () => {
  const file = $("history-file").files[0];
  $("history-file").value = "";
  if (file) importJournal(file);
});
$("history-close").addEventListener("click", () => {
  showView(cameFrom);
  (cameFrom === "result-view" ? $("history-from-result") : $("history-from-form")).focus();
});
