// The line at the top of the page that says what the page is waiting for or what failed.
import { tr } from "./i18n.js";

export function showNotice(text, role) {
  const notice = document.getElementById("notice");
  notice.setAttribute("role", role || "alert");
  notice.textContent = text;
  notice.hidden = false;
}

export function hideNotice() {
  document.getElementById("notice").hidden = true;
}

// Any failure is said in the page and logged, never passed over.
export function sayFailure(error) {
  const reason = error && error.message ? error.message : String(error);
  showNotice(tr("WebPage", "Something went wrong: %1", reason), "alert");
  console.error(error);
}
