// Import Spread… and Delete Spread… beside Select Spread: a .baralune-spread file is read by the
// desktop's own reader in the engine, refused with its one message or kept in the browser; a
// spread of the reader's is removed after asking, Cancel the default.
import { kMaxSpreadFileBytes, loadEngine, readSpreadFile } from "./engine.js";
import { language, tr } from "./i18n.js";
import { addOwnSpread, definitionOf, freeName, nameTaken, removeOwnSpread } from "./spreads.js";

const $ = (id) => document.getElementById(id);

let changed = () => {};  // the form's list, shown again with the spread to select
let say = () => {};

// Asks `question` with `yes` and Cancel, Cancel the default; resolves to the answer.
function ask(question, yes) {
  const dialog = $("spread-dialog");
  $("spread-question").textContent = question;
  $("spread-yes").textContent = yes;
  return new Promise((resolve) => {
    const answer = (value) => () => {
      $("spread-yes").onclick = $("spread-no").onclick = dialog.oncancel = null;
      dialog.close();
      resolve(value);
    };
    $("spread-yes").onclick = answer(true);
    $("spread-no").onclick = answer(false);
    dialog.oncancel = answer(false);
    dialog.showModal();
    $("spread-no").focus();
  });
}

function reason(error) {
  return error && error.message ? error.message : String(error);
}

async function importFile(file) {
  const refuse = (why) => {
    console.warn(`Spread not imported from ${file.name}: ${why}`);
    say(tr("baralune::SpreadsWindow", "Nothing was imported from %1: %2", file.name, why));
  };
  try {
    await loadEngine();
    // One byte past the limit tells a file too large.
    const bytes = new Uint8Array(await file.slice(0, kMaxSpreadFileBytes + 1).arrayBuffer());
    const read = readSpreadFile(bytes, language());
    const definition = definitionOf(read.file);
    if (read.refusal || !definition) {
      refuse(read.refusal || "?");
      return;
    }
    let text = read.file;
    if (nameTaken(definition.name)) {
      const free = freeName(definition.name);
      const question = tr("baralune::SpreadsWindow", "A spread named %1 exists already. Import this one as %2?", definition.name, free);
      if (!await ask(question, tr("baralune::SpreadsWindow", "Import"))) return;
      text = JSON.stringify({ ...definition, name: free }, null, 2) + "\n";
    }
    addOwnSpread(text);
    changed(text);
  } catch (error) {
    refuse(reason(error));
  }
}

// Removes `spread` (of ownSpreads()) once the reader agrees.
export async function deleteSpread(spread) {
  const question = tr("baralune::SpreadsWindow", "Delete the spread %1? Readings already dealt with it keep it.", spread.definition.name);
  if (!await ask(question, tr("baralune::SpreadsWindow", "Delete"))) return;
  try {
    removeOwnSpread(spread);
  } catch (error) {
    console.error(error);
    say(tr("baralune::SpreadsWindow", "The spreads could not be kept: %1", reason(error)));
    return;
  }
  changed(null);
}

export function spreadActionTexts() {
  $("import-spread").textContent = tr("WebPage", "Import Spread…");
  $("delete-spread").textContent = tr("WebPage", "Delete Spread…");
  $("spread-no").textContent = tr("WebPage", "Cancel");
}

// `onChange(text)` shows the list again, selecting the spread imported (null after a
// deletion); `onMessage(text)` says a refusal in the form.
export function initSpreadActions(onChange, onMessage) {
  changed = onChange;
  say = onMessage;
  $("import-spread").addEventListener("click", () => $("spread-file").click());
  $("spread-file").addEventListener("change", () => {
    const file = $("spread-file").files[0];
    $("spread-file").value = "";
    if (file) importFile(file);
  });
}
