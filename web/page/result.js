// The reading: the spread display (the cards in the spread's shape) beside the report, both
// from the engine; Save downloads the report's RTF, Print prints them, Back returns to the form.
import { readCards, spreadTable } from "./engine.js";
import { formatDate, language, tr } from "./i18n.js";
import { backToForm, onLanguageChange, showView } from "./views.js";
import { sayFailure, showNotice } from "./notice.js";
import { siteAddress } from "./texts.js";
import { record } from "./journal.js";
import { shapeOf } from "./spreads.js";
import { download, fileDay } from "./download.js";

const $ = (id) => document.getElementById(id);
// The part of the display's panel the cards and captions use, in twips: the spread display
// keeps its proportions at any width.
const kLeft = 1200;
const kWidth = 8600;
const kTitleCentre = 5497;

let shown = null;  // {details, cards, dealt, rtf, language (of a reading shown again)}

const pad = (card) => String(card).padStart(2, "0");
const pct = (twips, whole) => `${(100 * twips / whole).toFixed(3)}%`;
const names = () => spreadTable().languages[language()];

function spreadDisplay(details, cards) {
  const table = spreadTable();
  const shape = shapeOf(details);
  // A reader's spread may use the display's whole width; the four keep their proportions.
  let left = kLeft;
  let width = kWidth;
  if (shape.own) {
    const right = Math.max(kLeft + kWidth, ...shape.places.map(([l]) => l + table.cardWidth),
      ...shape.captions.map((c) => c.left + c.width));
    left = Math.min(kLeft, ...shape.places.map(([l]) => l), ...shape.captions.map((c) => c.left));
    width = right - left;
  }
  const place = (element, l, t, w, h, panelHeight) => {
    element.style.left = pct(l - left, width);
    element.style.top = pct(t, panelHeight);
    element.style.width = pct(w, width);
    if (h !== undefined) element.style.height = pct(h, panelHeight);
    return element;
  };
  const panelHeight = Math.max(...shape.places.map(([, top]) => top + table.cardHeight),
    ...shape.captions.map((c) => c.top + c.height)) + 240;
  const display = $("spread-display");
  display.setAttribute("aria-label", tr("baralune::frmCartomancy", "Spread display"));
  const panel = document.createElement("div");
  panel.className = "panel";
  panel.style.aspectRatio = `${width} / ${panelHeight}`;
  const title = document.createElement("h2");
  title.className = "spread-title";
  title.textContent = shape.reportName;
  if (shape.own) {
    // A name of the reader's may be long: the display's whole width, cut short if need be.
    title.classList.add("own");
    title.title = shape.reportName;
    place(title, left, 0, width, 270, panelHeight);
  } else {
    place(title, kTitleCentre - 2000, 0, 4000, 270, panelHeight);
  }
  panel.append(title);
  for (const row of shape.captions) {
    const caption = document.createElement("span");
    caption.className = "row-caption";
    caption.textContent = shape.own ? row.text : {
      PAST: tr("SpreadDisplay", "PAST"),
      PRESENT: tr("SpreadDisplay", "PRESENT"),
      FUTURE: tr("SpreadDisplay", "FUTURE"),
    }[row.text] || row.text;
    if (shape.own) {
      // Where the reader put it.
      place(caption, row.left, row.top, row.width, row.height, panelHeight);
    } else {
      // Centred over where the desktop puts it, with room for a longer translation.
      place(caption, row.left + row.width / 2 - 1000, row.top, 2000, row.height, panelHeight);
    }
    panel.append(caption);
  }
  shape.places.forEach(([l, top], i) => {
    const box = place(document.createElement("figure"), l, top, table.cardWidth, table.cardHeight, panelHeight);
    box.className = "card-box";
    const face = document.createElement("img");
    face.src = `cards/large/${pad(cards[i])}.png`;
    face.srcset = `cards/large@2x/${pad(cards[i])}.png 2x`;
    face.width = 71;
    face.height = 96;
    face.alt = tr("baralune::frmCartomancy", "Position %1: %2", i + 1, names().cardNames[cards[i]].replace(/\s+/g, " ").trim());
    const number = document.createElement("span");
    number.className = i + 1 >= 10 ? "position wide" : "position";
    number.textContent = String(i + 1);
    number.setAttribute("aria-hidden", "true");
    box.append(face, number);
    panel.append(box);
  });
  const link = document.createElement("p");
  link.className = "caption-bottom";
  link.append(...linkedText(tr("baralune::frmCartomancy", "For Detailed Analysis Visit %1", siteAddress)));
  display.replaceChildren(panel, link);
}

// The desktop's rule for web addresses in a report: http://, https:// or www. at the start of
// a word, up to a space, a quote, an angle bracket or a picture, less closing punctuation.
function webAddresses(text) {
  const found = [];
  const isWordChar = (c) => /[0-9A-Za-z_\-./:]/.test(c) || c.codePointAt(0) > 0x7f;
  const endsAddress = (c) => c.codePointAt(0) <= 32 || c === "\x7f" || c === "\xa0" || c === '"' ||
    c === "<" || c === ">" || c === "\ufffc" || c === "\u2028" || c === "\u2029";
  let i = 0;
  while (i < text.length) {
    const prefix = (i === 0 || !isWordChar(text[i - 1]))
      ? ["http://", "https://", "www."].find((p) => text.slice(i, i + p.length).toLowerCase() === p)
      : undefined;
    if (!prefix) {
      ++i;
      continue;
    }
    let end = i + prefix.length;
    while (end < text.length && !endsAddress(text[end])) ++end;
    while (end > i + prefix.length && ".,;:!?')]}".includes(text[end - 1])) --end;
    if (end > i + prefix.length) found.push([i, end]);
    i = Math.max(end, i + 1);
  }
  return found;
}

// Text with its web addresses as links that open http and https addresses only, in a new tab.
function linkedText(text) {
  const nodes = [];
  let at = 0;
  for (const [start, end] of webAddresses(text)) {
    const address = text.slice(start, end);
    let url = null;
    try {
      url = new URL(/^https?:\/\//i.test(address) ? address : "http://" + address);
    } catch (e) {
      url = null;
    }
    if (!url || !/^https?:$/.test(url.protocol) || !url.hostname) continue;
    if (start > at) nodes.push(document.createTextNode(text.slice(at, start)));
    const link = document.createElement("a");
    link.href = url.href;
    link.target = "_blank";
    link.rel = "noopener";
    link.textContent = address;
    nodes.push(link);
    at = end;
  }
  if (at < text.length) nodes.push(document.createTextNode(text.slice(at)));
  return nodes;
}

function reportView(report) {
  const article = $("report");
  article.setAttribute("aria-label", tr("baralune::MDI", "Report"));
  const paragraphs = report.map((paragraph) => {
    const p = document.createElement("p");
    p.style.textAlign = paragraph.align;
    for (const run of paragraph.runs) {
      if (run.card !== undefined) {
        const picture = document.createElement("img");
        picture.className = "report-picture";
        if (run.card >= 0) {
          picture.src = `cards/small/${pad(run.card)}.png`;
          picture.srcset = `cards/small@2x/${pad(run.card)}.png 2x`;
          picture.alt = names().cardNames[run.card].replace(/\s+/g, " ").trim();
        } else {
          picture.alt = "";
        }
        picture.width = Math.round(run.width / 15);
        picture.height = Math.round(run.height / 15);
        p.append(picture);
        continue;
      }
      const span = document.createElement("span");
      span.style.color = run.color;
      if (run.bold) span.style.fontWeight = "bold";
      if (run.underline) span.style.textDecoration = "underline";
      span.append(...linkedText(run.text));
      p.append(span);
    }
    if (paragraph.runs.length === 0) p.append(document.createElement("br"));
    return p;
  });
  article.replaceChildren(...paragraphs);
  article.scrollTop = 0;
}

function whose(details, dealt) {
  const born = new Date(details.year, details.month - 1, details.day);
  const valid = born.getMonth() === details.month - 1;
  const birth = !details.year ? "" : valid
    ? formatDate(born, tr("baralune::MDI", "d MMMM yyyy"))
    : `${details.year}-${String(details.month).padStart(2, "0")}-${String(details.day).padStart(2, "0")}`;
  return tr("baralune::MDI", "%1, born %2 — dealt %3", details.name.replace(/\s+/g, " ").trim(), birth,
    formatDate(dealt, tr("baralune::MDI", "d MMMM yyyy, HH:mm")));
}

function render(language) {
  const { report, rtf } = readCards(shown.details.spread, language, shown.cards, shown.details.own);
  shown.rtf = rtf;
  $("whose").textContent = whose(shown.details, shown.dealt);
  spreadDisplay(shown.details, shown.cards);
  reportView(report);
  resultTexts();
  showView("result-view");
  $("whose").focus();
}

const kModes = { auto: 0, manual: 1, own: 2 };
const pad2 = (n) => String(n).padStart(2, "0");

// Shows the reading of `cards` for what the form held, in the page's language, and keeps it in
// the journal.
export function showReading(details, cards) {
  shown = { details, cards, dealt: new Date(), rtf: null, language: null };
  render(language());
  record({
    dealt: shown.dealt.getTime(),
    offset: -shown.dealt.getTimezoneOffset() * 60,
    name: details.name,
    birth: `${details.year}-${pad2(details.month)}-${pad2(details.day)}`,
    spread: details.spread,
    ...(details.own !== undefined ? { own: details.own } : {}),
    mode: kModes[details.mode],
    cards: cards.slice(),
    language: language(),
  });
}

// Shows a reading from the journal as it was first shown: in its own language.
export function showKeptReading(kept) {
  const [year, month, day] = (kept.birth || "0-0-0").split("-").map(Number);
  const details = { name: kept.name, year, month, day, spread: kept.spread, own: kept.own, mode: "" };
  shown = { details, cards: kept.cards.slice(), dealt: new Date(kept.dealt), rtf: null, language: kept.language };
  render(kept.language);
}

// The file name the desktop suggests: the name without what a file system would refuse, the
// spread and the day.
function suggestedFileName() {
  let name = "";
  for (const c of shown.details.name.replace(/\s+/g, " ").trim()) {
    if (c >= " " && !'/\\:*?"<>|'.includes(c)) name += c;
  }
  name = name.trim();
  if (name === "" || name.startsWith(".")) name = "Baralune" + name;
  // A reader's spread may be named with anything; its name too stays one file name.
  const spread = shapeOf(shown.details).listText.replace(/[/\\:*?"<>|]/g, " ").replace(/\s+/g, " ").trim();
  return `${name} - ${spread} - ${fileDay(shown.dealt)}.rtf`;
}

function save() {
  const fileName = suggestedFileName();
  try {
    download(shown.rtf, "application/rtf", fileName);
  } catch (error) {
    showNotice(tr("baralune::MDI", "The report could not be saved to %1: %2", fileName, error.message || String(error)), "alert");
    console.error(error);
  }
}

function print() {
  try {
    window.print();
  } catch (error) {
    showNotice(tr("baralune::MDI", "The reading could not be printed: %1", error.message || String(error)), "alert");
    console.error(error);
  }
}

// Every text of the result in the page's language.
export function resultTexts() {
  $("result-back").textContent = tr("baralune::MDI", "&Back");
  $("save").textContent = tr("baralune::MDI", "&Save");
  $("print").textContent = tr("baralune::MDI", "&Print…");
}

// The reading shown is written again in the language chosen.
onLanguageChange(() => {
  if (shown && !$("result-view").hidden) {
    try {
      render(shown.language || language());
    } catch (error) {
      sayFailure(error);
    }
  }
});

$("result-back").addEventListener("click", backToForm);
$("save").addEventListener("click", save);
$("print").addEventListener("click", print);
