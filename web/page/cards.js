// The manual window's tray of face-down cards and the own-cards picker of the 40 faces: each
// one Tab stop, the arrows, Home and End moving along it, Enter or Space picking.
import { drawCards, spreadTable } from "./engine.js";
import { language, tr } from "./i18n.js";
import { backToForm, showView } from "./views.js";
import { showReading } from "./result.js";
import { shapeOf } from "./spreads.js";
import { sayFailure } from "./notice.js";

const $ = (id) => document.getElementById(id);
const kTrayCards = 52;
const kTrayColumns = 13;
const kPauseMilliseconds = 2000;  // the desktop's pause before the reading shows
// The picker's rows in the deck's order of suits (Oros, Copas, Espadas, Bastos) by the first
// card of each suit, and within a suit 1-7, Sota, Caballo, Rey (card offsets 0-7, 9, 8).
const kRowFirstCard = [10, 20, 30, 0];
const kColumnOffset = [0, 1, 2, 3, 4, 5, 6, 7, 9, 8];
const kPickerColumns = 10;
const suitName = (row) => [
  tr("baralune::OwnCardsPicker", "Diamonds (Oros)"),
  tr("baralune::OwnCardsPicker", "Hearts (Copas)"),
  tr("baralune::OwnCardsPicker", "Spades (Espadas)"),
  tr("baralune::OwnCardsPicker", "Clubs (Bastos)"),
][row];

let details = null;
let picks = [];
let dealTimer = 0;

const pad = (card) => String(card).padStart(2, "0");
const cardName = (card) => spreadTable().languages[language()].cardNames[card].replace(/\s+/g, " ").trim();
const positionMeaning = (position) => shapeOf(details).positions[position - 1];
const cardCount = () => shapeOf(details).count;

// One Tab stop over `buttons`: the one at `index` takes it (and the focus, if asked).
function rove(buttons, index, focus) {
  buttons.forEach((button, i) => button.setAttribute("tabindex", i === index ? "0" : "-1"));
  if (focus && buttons[index]) buttons[index].focus();
}

// The button the key leads to from `from` in a grid of `columns`, skipping those `usable`
// refuses; `from` itself when there is none.
function toward(count, columns, from, key, usable, wrapRows) {
  const rows = Math.ceil(count / columns);
  const find = (start, step) => {
    for (let k = start; k >= 0 && k < count; k += step) if (usable(k)) return k;
    return from;
  };
  switch (key) {
    case "ArrowRight": return find(from + 1, 1);
    case "ArrowLeft": return find(from - 1, -1);
    case "Home": return find(0, 1);
    case "End": return find(count - 1, -1);
    case "ArrowUp":
    case "ArrowDown": {
      const step = key === "ArrowDown" ? 1 : -1;
      const column = from % columns;
      for (let row = Math.floor(from / columns) + step; row >= 0 && row < rows; row += step) {
        for (let distance = 0; distance < columns; ++distance) {
          for (const c of [column - distance, column + distance]) {
            const k = row * columns + c;
            if (c >= 0 && c < columns && k < count && usable(k)) return k;
          }
        }
        if (!wrapRows) break;
      }
      return from;
    }
    default: return from;
  }
}

function keyHandler(buttons, columns, usable, wrapRows) {
  return (event) => {
    const from = buttons.indexOf(event.target);
    if (from < 0) return;
    if (["ArrowRight", "ArrowLeft", "ArrowUp", "ArrowDown", "Home", "End"].includes(event.key)) {
      event.preventDefault();
      rove(buttons, toward(buttons.length, columns, from, event.key, usable, wrapRows), true);
    }
  };
}

// ---- Manual: the tray

const trayCards = [];

function buildTray() {
  const tray = $("tray");
  for (let k = 0; k < kTrayCards; ++k) {
    const button = document.createElement("button");
    button.type = "button";
    button.className = "tray-card";
    const back = document.createElement("img");
    back.src = "back_small.png";
    back.srcset = "back_small@2x.png 2x";
    back.alt = "";
    back.width = 43;
    back.height = 58;
    button.append(back);
    button.addEventListener("click", () => pickFromTray(k));
    trayCards.push(button);
  }
  tray.append(...trayCards);
  tray.addEventListener("keydown", keyHandler(trayCards, kTrayColumns, (k) => !trayCards[k].disabled, true));
}

export function openTray(entered) {
  details = entered;
  picks = [];
  if (trayCards.length === 0) buildTray();
  for (const card of trayCards) {
    card.disabled = false;
    card.classList.remove("picked");
  }
  $("tray-wait").hidden = true;
  cardsTexts();
  showView("manual-view");
  rove(trayCards, 0, true);
}

function pickFromTray(index) {
  const card = trayCards[index];
  if (!card || card.disabled || picks.length >= cardCount()) return;
  // The Tab stop, and the focus if it was there, move on before the card goes.
  const hadFocus = document.activeElement === card;
  let next = toward(kTrayCards, kTrayColumns, index, "ArrowRight", (k) => k !== index && !trayCards[k].disabled, true);
  if (next === index) next = toward(kTrayCards, kTrayColumns, index, "ArrowLeft", (k) => k !== index && !trayCards[k].disabled, true);
  picks.push(index);
  card.disabled = true;
  card.classList.add("picked");
  if (next !== index) rove(trayCards, next, hadFocus);
  showTrayPosition();
  if (picks.length < cardCount()) return;
  $("tray-wait").hidden = false;
  $("manual-back").focus();
  dealTimer = setTimeout(() => {
    dealTimer = 0;
    try {
      showReading(details, drawCards(details.spread, cardCount()));
    } catch (error) {
      sayFailure(error);
    }
  }, kPauseMilliseconds);
}

function showTrayPosition() {
  if (!details) return;
  const position = Math.min(picks.length + 1, cardCount());
  $("tray-position").textContent = positionMeaning(position);
}

// ---- My Own Cards: the picker

const faces = [];  // the picker's buttons, row by row
const faceCards = [];  // the card each shows

function buildPicker() {
  const picker = $("picker");
  for (let row = 0; row < kRowFirstCard.length; ++row) {
    const line = document.createElement("div");
    line.className = "picker-row";
    line.setAttribute("role", "group");
    const caption = document.createElement("span");
    caption.className = "suit";
    caption.dataset.row = row;
    line.append(caption);
    for (let column = 0; column < kPickerColumns; ++column) {
      const card = kRowFirstCard[row] + kColumnOffset[column];
      const button = document.createElement("button");
      button.type = "button";
      button.className = "face";
      button.dataset.card = card;
      const face = document.createElement("img");
      face.src = `cards/large/${pad(card)}.png`;
      face.srcset = `cards/large@2x/${pad(card)}.png 2x`;
      face.alt = "";
      face.width = 71;
      face.height = 96;
      const number = document.createElement("span");
      number.className = "picked-number";
      number.setAttribute("aria-hidden", "true");
      button.append(face, number);
      button.addEventListener("click", () => pickFace(card));
      faces.push(button);
      faceCards.push(card);
      line.append(button);
    }
    picker.append(line);
  }
  picker.addEventListener("keydown", keyHandler(faces, kPickerColumns, () => true, false));
  $("picker-view").addEventListener("keydown", (event) => {
    if (event.key === "Escape" && !$("discard").open) {
      event.preventDefault();
      pickerBack();
    } else if (event.key === "Backspace" && !$("discard").open) {
      event.preventDefault();
      undoPick();
    } else if (event.key === "Enter" && allPicked() && !$("discard").open) {
      // Every position filled: Enter deals wherever the focus is.
      event.preventDefault();
      dealOwnCards();
    }
  });
  $("picker-undo").addEventListener("click", undoPick);
  $("picker-back").addEventListener("click", pickerBack);
  $("picker-deal").addEventListener("click", dealOwnCards);
  $("discard-yes").addEventListener("click", () => {
    $("discard").close();
    picks = [];
    backToForm();
  });
  $("discard-no").addEventListener("click", () => $("discard").close());
}

const allPicked = () => details !== null && picks.length >= cardCount();

export function openPicker(entered) {
  details = entered;
  picks = [];
  if (faces.length === 0) buildPicker();
  cardsTexts();
  showView("picker-view");
  rove(faces, 0, true);
}

function pickFace(card) {
  if (picks.includes(card) || allPicked()) return;
  picks.push(card);
  showPicks();
}

function undoPick() {
  if (picks.length === 0) return;
  picks.pop();
  showPicks();
}

function pickerBack() {
  if (picks.length === 0) {
    backToForm();
    return;
  }
  $("discard-question").textContent = picks.length === 1
    ? tr("baralune::OwnCardsPicker", "Discard the card picked?")
    : tr("baralune::OwnCardsPicker", "Discard the %1 cards picked?", picks.length);
  $("discard").showModal();
  $("discard-no").focus();
}

function dealOwnCards() {
  if (!allPicked()) return;
  try {
    showReading(details, picks.slice());
  } catch (error) {
    sayFailure(error);
  }
}

function showPicks() {
  if (!details || faces.length === 0) return;
  faces.forEach((button, i) => {
    const card = faceCards[i];
    const at = picks.indexOf(card);
    button.classList.toggle("picked", at >= 0);
    button.setAttribute("aria-disabled", at >= 0 ? "true" : "false");
    button.querySelector(".picked-number").textContent = at >= 0 ? String(at + 1) : "";
    button.setAttribute("aria-label", at >= 0
      ? tr("baralune::OwnCardsPicker", "%1, picked for position %2", cardName(card), at + 1)
      : cardName(card));
  });
  const count = cardCount();
  const position = Math.min(picks.length + 1, count);
  $("picker-number").textContent = tr("baralune::OwnCardsPicker", "Card %1 of %2", position, count);
  $("picker-meaning").textContent = positionMeaning(position);
  $("picker-deal").disabled = !allPicked();
  $("picker-undo").disabled = picks.length === 0;
}

// Every text of the tray and the picker in the page's language.
export function cardsTexts() {
  $("tray").setAttribute("aria-label", tr("baralune::frmManual", "Card tray"));
  trayCards.forEach((card, k) => card.setAttribute("aria-label", tr("baralune::frmManual", "Face-down card %1", k + 1)));
  $("tray-wait").textContent = tr("baralune::frmManual", "Baralune is generating the Analysis. Please wait...");
  $("manual-back").textContent = tr("baralune::FlowWindow", "&Back");
  $("picker-back").textContent = tr("baralune::FlowWindow", "&Back");
  $("picker-undo").textContent = tr("baralune::OwnCardsPicker", "&Undo Last Pick");
  $("picker-deal").textContent = tr("baralune::OwnCardsPicker", "D&eal");
  $("discard-yes").textContent = tr("WebPage", "Discard");
  $("discard-no").textContent = tr("WebPage", "Cancel");
  for (const caption of document.querySelectorAll("#picker .suit")) {
    const text = suitName(Number(caption.dataset.row));
    caption.textContent = text;
    caption.parentElement.setAttribute("aria-label", text);
  }
  showTrayPosition();
  showPicks();
}

// Leaving the tray before the reading shows cancels it.
export function manualBack() {
  if (dealTimer) clearTimeout(dealTimer);
  dealTimer = 0;
  backToForm();
}

$("manual-back").addEventListener("click", manualBack);
