// Baralune in the browser: the main form, and the way from it to a reading and back.
import { engineReady, kOwnSpread, loadEngine, spreadTable, drawCards } from "./engine.js";
import { initialLanguage, language, monthListName, setLanguage, tr } from "./i18n.js";
import { openPicker, openTray, cardsTexts } from "./cards.js";
import { showReading, resultTexts } from "./result.js";
import { sayFailure, showNotice, hideNotice } from "./notice.js";
import { backToForm, languageChanged, showView } from "./views.js";
import { keeping, setKeeping } from "./journal.js";
import { openHistory, historyTexts } from "./history.js";
import { ownSpreads, shapeOf } from "./spreads.js";
import { deleteSpread, initSpreadActions, spreadActionTexts } from "./spread_actions.js";

const $ = (id) => document.getElementById(id);
const kMaxName = 32767;  // the longest name the desktop's field takes

// The reader's spreads as the list shows them, after the four.
let listed = [];

// The spread the list has selected: {spread, own (its spread file)}, spread -1 for none.
function selectedSpread() {
  const index = $("spread").selectedIndex - 1;
  const four = spreadTable().spreads.length;
  if (index < four) return { spread: index, own: undefined, kept: null };
  const kept = listed[index - four];
  return { spread: kOwnSpread, own: kept.text, kept };
}

// What the form holds, as the reading needs it.
function entries() {
  const { spread, own } = selectedSpread();
  return {
    name: $("name").value,
    month: $("month").selectedIndex + 1,
    day: $("day").selectedIndex + 1,
    year: 1900 + $("year").selectedIndex,
    spread,
    own,
    mode: (document.querySelector('input[name="mode"]:checked') || {}).value || "",
  };
}

function say(message, focus) {
  const line = $("form-message");
  line.textContent = message;
  line.hidden = false;
  if (focus) focus.focus();
}

// The main window's checks, in its order and with its messages.
function validEntries(details) {
  if (details.name.trim() === "" || details.name.length > kMaxName) {
    say(tr("baralune::frmMain", "Please Enter Your Name"), $("name"));
    return false;
  }
  if (details.spread < 0) {
    say(tr("baralune::frmMain", "Please Select Spread"), $("spread"));
    return false;
  }
  if (!details.mode) {
    say(tr("baralune::frmMain", "Please Select Analyze Mode"), document.querySelector('input[name="mode"]'));
    return false;
  }
  $("form-message").hidden = true;
  return true;
}

// Deal waits for the engine where it is still arriving, and says so.
async function engine() {
  if (engineReady()) return;
  showNotice(tr("WebPage", "Baralune is getting ready. The reading follows in a moment."), "status");
  await loadEngine();
  hideNotice();
}

async function deal(event) {
  event.preventDefault();
  const details = entries();
  if (!validEntries(details)) return;
  try {
    await engine();
    if (details.mode === "auto") {
      showReading(details, drawCards(details.spread, shapeOf(details).count));
    } else if (details.mode === "manual") {
      openTray(details);
    } else {
      openPicker(details);
    }
  } catch (error) {
    sayFailure(error);
  }
}

function fillList(list, items, selected) {
  list.replaceChildren(...items.map((text) => new Option(text)));
  list.selectedIndex = selected;
}

// Every text of the form in the page's language; what was entered stays.
function formTexts() {
  // Each text written out whole: the build finds the page's texts by their tr() calls.
  $("personal-caption").textContent = tr("baralune::frmMain", "Personal Details");
  $("name-label").textContent = tr("baralune::frmMain", "Name");
  $("birth-label").textContent = tr("baralune::frmMain", "Date of Birth");
  $("spread-caption").textContent = tr("baralune::frmMain", "Spread Selection");
  $("select-spread-label").textContent = tr("baralune::frmMain", "Select Spread");
  $("mode-label").textContent = tr("baralune::frmMain", "Analyze Mode");
  $("mode-auto").textContent = tr("baralune::frmMain", "Automatic");
  $("mode-manual").textContent = tr("baralune::frmMain", "Manual");
  $("mode-own").textContent = tr("frmMain", "My Own Cards");
  $("deal").textContent = tr("baralune::frmMain", "Deal The Spanish &Cards");
  $("month").setAttribute("aria-label", tr("baralune::frmMain", "Month of birth"));
  $("day").setAttribute("aria-label", tr("baralune::frmMain", "Day of birth"));
  $("year").setAttribute("aria-label", tr("baralune::frmMain", "Year of birth"));
  $("language-label").textContent = tr("Language", "&Language");
  $("keep-journal-label").textContent = tr("Journal", "&Keep a Journal");
  $("history-from-form").textContent = tr("Journal", "&History…");
  $("history-from-result").textContent = tr("Journal", "&History…");
  const month = $("month").selectedIndex;
  fillList($("month"), Array.from({ length: 12 }, (_, m) => monthListName(m + 1)), Math.max(month, 0));
  if ($("day").options.length === 0) {
    fillList($("day"), Array.from({ length: 31 }, (_, d) => String(d + 1)), 0);
    fillList($("year"), Array.from({ length: 151 }, (_, y) => String(1900 + y)), 0);
  }
  showSpreads();
}

// The spread list, the four and then the reader's, and the text beside it; `select` is the
// spread file of one to select.
function showSpreads(select) {
  const list = $("spread");
  const selected = list.selectedIndex;
  const table = spreadTable();
  listed = ownSpreads();
  const names = table.languages[language()].spreads.map((s) => s.listText);
  const chosen = typeof select === "string" ? names.length + 1 + listed.findIndex((s) => s.text === select) : selected;
  fillList(list, ["", ...names, ...listed.map((s) => s.definition.name)], Math.max(select === null ? 0 : chosen, 0));
  list.options[0].textContent = "";
  showDescription();
}

function showDescription() {
  const chosen = selectedSpread();
  $("delete-spread").disabled = chosen.kept === null;
  $("spread-description").textContent = chosen.spread >= 0
    ? shapeOf(chosen).description
    : tr("baralune::frmMain", "Welcome to Baralune or La Baraja Española! Know more about your future with the Spanish playing cards predicting your fortune! Just enter your name and date of birth, make the spread selection and get an instant reading!");
}

function applyLanguage(code, remember) {
  setLanguage(code, remember);
  $("language").value = language();
  if (!$("form-message").hidden) $("form-message").hidden = true;
  formTexts();
  cardsTexts();
  resultTexts();
  historyTexts();
  spreadActionTexts();
  languageChanged();
}

function start() {
  window.addEventListener("error", (event) => sayFailure(event.error || event.message));
  window.addEventListener("unhandledrejection", (event) => sayFailure(event.reason));
  applyLanguage(initialLanguage(), false);
  $("language").addEventListener("change", () => applyLanguage($("language").value, true));
  $("spread").addEventListener("change", showDescription);
  initSpreadActions((select) => {
    $("form-message").hidden = true;
    showSpreads(select);
  }, (text) => say(text, $("import-spread")));
  $("delete-spread").addEventListener("click", () => {
    const { kept } = selectedSpread();
    if (kept) deleteSpread(kept).catch(sayFailure);
  });
  $("deal-form").addEventListener("submit", deal);
  $("keep-journal").checked = keeping();
  $("keep-journal").addEventListener("change", () => setKeeping($("keep-journal").checked));
  const history = () => openHistory().catch(sayFailure);
  $("history-from-form").addEventListener("click", history);
  $("history-from-result").addEventListener("click", history);
  $("name").focus();
  // The form is there and takes typing (the benchmark measures up to here).
  performance.mark("baralune-form-ready");
  if (typeof WebAssembly !== "object") {
    showNotice(tr("WebPage", "This browser cannot run Baralune: it has no WebAssembly. Please use a current browser."), "alert");
    $("deal").disabled = true;
    return;
  }
  loadEngine().catch(sayFailure);
  if ("serviceWorker" in navigator) {
    const density = window.devicePixelRatio >= 1.5 ? "?density=2" : "";
    navigator.serviceWorker.register("sw.js" + density).catch(() => {
      // Without it the page works as long as the network does.
    });
  }
}

start();
