// Which part of the page shows: the form, the tray, the picker or the reading.
import { hideNotice } from "./notice.js";

const languageListeners = [];

export function showView(id) {
  for (const view of document.querySelectorAll(".view")) view.hidden = view.id !== id;
  window.scrollTo(0, 0);
}

// Back to the form, its entries as they were.
export function backToForm() {
  hideNotice();
  showView("form-view");
  document.getElementById("deal").focus();
}

export function onLanguageChange(listener) {
  languageListeners.push(listener);
}

export function languageChanged() {
  for (const listener of languageListeners) listener();
}
