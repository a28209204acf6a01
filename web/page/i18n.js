// The page's language: its texts come from the translations at build time (texts.js); the
// report's come with the engine.
import { spanish } from "./texts.js";

const kStored = "baralune.language";
let current = "en";

// The language the page starts in: the one the reader chose here before, else Spanish for a
// browser whose first language is any Spanish (es, es-MX, es-419...), else English.
export function initialLanguage() {
  try {
    const stored = localStorage.getItem(kStored);
    if (stored === "en" || stored === "es") return stored;
  } catch (e) {
    // Storage may be switched off: the browser's languages decide.
  }
  const first = (navigator.languages && navigator.languages[0]) || navigator.language || "en";
  return /^es(-|$)/i.test(first) ? "es" : "en";
}

export function setLanguage(language, remember) {
  current = language === "es" ? "es" : "en";
  document.documentElement.lang = current;
  if (remember) {
    try {
      localStorage.setItem(kStored, current);
    } catch (e) {
      // Not remembered; the page goes on in the language chosen.
    }
  }
}

export function language() {
  return current;
}

// The text `english` of `context` in the page's language, "&" accelerators taken out.
export function tr(context, english, ...args) {
  let text = english;
  if (current === "es") {
    const translated = spanish[context + "\u0004" + english];
    if (translated !== undefined) text = translated;
  }
  text = text.replace(/&(.)/g, "$1");
  return text.replace(/%(\d)/g, (all, n) => (args[n - 1] !== undefined ? String(args[n - 1]) : all));
}

// A month's name as the main window lists it: standalone, first letter upper case.
export function monthListName(month) {
  const name = new Intl.DateTimeFormat(current, { month: "long", timeZone: "UTC" })
    .format(new Date(Date.UTC(2000, month - 1, 1)));
  return name.charAt(0).toLocaleUpperCase(current) + name.slice(1);
}

// A date written by a pattern of the desktop's kind ("d 'de' MMMM 'de' yyyy, HH:mm").
export function formatDate(date, pattern) {
  const month = new Intl.DateTimeFormat(current, { month: "long", day: "numeric" })
    .formatToParts(date).find((p) => p.type === "month").value;
  const pad = (n) => String(n).padStart(2, "0");
  const fields = {
    yyyy: String(date.getFullYear()),
    MMMM: month,
    dd: pad(date.getDate()),
    d: String(date.getDate()),
    HH: pad(date.getHours()),
    mm: pad(date.getMinutes()),
  };
  return pattern.replace(/'([^']*)'|yyyy|MMMM|dd|d|HH|mm/g, (token, quoted) =>
    quoted !== undefined ? quoted : fields[token]);
}
