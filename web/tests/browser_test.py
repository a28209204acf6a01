#!/usr/bin/python3
"""The browser edition in Debian's Chromium, headless, driven through chromium-driver.

    browser_test.py SITE_FOLDER BARALUNE_DEAL AXE_MIN_JS [unittest arguments]
"""
import base64
import json
import os
import signal
import subprocess
import sys
import tempfile
import time
import unittest

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.support.ui import Select, WebDriverWait

SITE, DEAL, AXE = sys.argv[1:4]
HERE = os.path.dirname(os.path.abspath(__file__))
# Hands that fire special interpretations (most of them in the Gypsy spread).
HANDS = {
    0: [20, 0, 29],
    1: [29, 27, 15, 26, 5, 36, 20, 0, 30],
    2: [20, 22, 25, 27, 19, 36, 3],
    3: [39, 32, 34, 4, 6, 20, 22, 25, 27, 36, 29, 26, 30, 37, 24, 33, 35, 21, 19, 0, 15],
}
COUNTS = {s: len(h) for s, h in HANDS.items()}
# A reader's spread of five cards in a cross reaching the display's right edge, with a row
# caption, as its file has it; the hand fires a special interpretation.
OWN_SPREAD = {
    "format": "baralune-spread", "version": 1, "name": "Cruz del año",
    "description": ["Five cards for the year ahead.", "Ask once, at the turn of the year."],
    "positions": [{"text": f"Card {n}: {what}.", "left": left, "top": top} for n, (what, left, top) in
                  enumerate((("the heart of the year", 4700, 2000), ("what stands behind", 3500, 2000),
                             ("what lies ahead", 9400, 2000), ("what crowns it", 4700, 400),
                             ("what lies beneath", 4700, 3600)), 1)],
    "row_captions": [{"text": "AÑO", "left": 200, "top": 2500, "width": 1500}],
}
OWN_HAND = [20, 0, 29, 5, 36]
OWN = 4  # the list's first reader's spread, after the four


class Server:
    """serve.py on a free loopback port, logging every path asked for."""

    def __init__(self):
        self.log = tempfile.NamedTemporaryFile(delete=False).name
        self.process = subprocess.Popen(
            [sys.executable, os.path.join(HERE, "..", "serve.py"), SITE, "--port", "0", "--quiet",
             "--log", self.log], stdout=subprocess.PIPE, text=True)
        self.url = self.process.stdout.readline().split(": ", 1)[1].strip()

    def requests(self):
        with open(self.log) as log:
            return log.read().split()

    def forget_requests(self):
        open(self.log, "w").close()

    def stop(self):
        if self.process.poll() is None:
            self.process.send_signal(signal.SIGINT)
            self.process.wait(10)
        self.process.stdout.close()
        os.unlink(self.log)


class BrowserTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.server = Server()
        options = webdriver.ChromeOptions()
        options.binary_location = "/usr/bin/chromium"
        for arg in ("--headless=new", "--no-sandbox", "--disable-gpu", "--lang=en-US",
                    "--window-size=1366,768", "--disable-dev-shm-usage"):
            options.add_argument(arg)
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
        cls.profile = tempfile.TemporaryDirectory()
        options.add_argument("--user-data-dir=" + cls.profile.name)
        options.add_experimental_option("prefs", {"download.default_directory": cls.profile.name})
        cls.driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)

    @classmethod
    def tearDownClass(cls):
        cls.driver.quit()
        cls.server.stop()
        cls.profile.cleanup()

    def setUp(self):
        self.origin = self.server.url.rstrip("/")
        self.size(1366, 768)
        self.open()

    def tearDown(self):
        d = self.driver
        errors = [e["message"] for e in d.get_log("browser") if e["level"] == "SEVERE"]
        self.assertEqual(errors, [], "console errors")
        origin = self.origin
        names = d.execute_script(
            "return performance.getEntriesByType('resource').map(e => e.name)") or []
        self.assertEqual([n for n in names if not n.startswith(origin)], [],
                         "requests to another origin")

    # -- helpers

    def size(self, width, height, mobile=False):
        self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": width, "height": height, "deviceScaleFactor": 1, "mobile": mobile})

    def open(self, language="en"):
        """The page afresh in `language`, as remembered from an earlier visit."""
        d = self.driver
        d.get(self.server.url)
        if d.execute_script("return document.documentElement.lang") != language:
            d.execute_script("localStorage.setItem('baralune.language', arguments[0])", language)
            d.get(self.server.url)
        self.wait_for(lambda: d.execute_script(
            "return import('./engine.js').then(e => e.loadEngine()).then(() => true)"))

    def wait_for(self, condition, timeout=15):
        return WebDriverWait(self.driver, timeout, 0.05).until(lambda _: condition())

    def by_id(self, id):
        return self.driver.find_element(By.ID, id)

    def shown(self, view):
        return self.by_id(view).is_displayed()

    def spread_file(self, spread):
        path = os.path.join(self.profile.name, "Cruz.baralune-spread")
        with open(path, "w", encoding="utf-8") as f:
            f.write(spread if isinstance(spread, str) else json.dumps(spread, ensure_ascii=False, indent=2))
        return path

    def import_spread(self, spread):
        """Imports `spread` (a file's text or its object) through Import Spread…"""
        d = self.driver
        path = self.spread_file(spread)
        d.execute_script("document.getElementById('form-message').hidden = true;"
                         "document.getElementById('spread-file').hidden = false;")
        self.by_id("spread-file").send_keys(path)
        d.execute_script("document.getElementById('spread-file').hidden = true")

    def spread_names(self):
        return [o.text for o in Select(self.by_id("spread")).options]

    def fill_form(self, name, spread, mode):
        field = self.by_id("name")
        field.clear()
        field.send_keys(name)
        Select(self.by_id("spread")).select_by_index(spread + 1)
        self.driver.find_element(By.CSS_SELECTOR, f'input[name="mode"][value="{mode}"]').click()

    def deal(self, spread, mode, hand=None):
        d = self.driver
        self.fill_form("Ana María", spread, mode)
        self.by_id("deal").click()
        if mode == "manual":
            self.wait_for(lambda: self.shown("manual-view"))
            for card in d.find_elements(By.CSS_SELECTOR, ".tray-card")[:COUNTS.get(spread, 5)]:
                card.click()
        elif mode == "own":
            self.wait_for(lambda: self.shown("picker-view"))
            for card in hand:
                d.find_element(By.CSS_SELECTOR, f'.face[data-card="{card}"]').click()
            self.by_id("picker-deal").click()
        self.wait_for(lambda: self.shown("result-view"), 10)

    def downloaded(self, button):
        """The bytes of the file a click on `button` downloads, and its suggested name."""
        d = self.driver
        d.execute_script("""
            window.savedBlob = null;
            const make = URL.createObjectURL.bind(URL);
            URL.createObjectURL = (blob) => { window.savedBlob = blob; return make(blob); };
            const click = HTMLAnchorElement.prototype.click;
            HTMLAnchorElement.prototype.click = function () { window.savedName = this.download; click.call(this); };""")
        self.by_id(button).click()
        data = d.execute_async_script("""
            const done = arguments[0];
            const wait = () => window.savedBlob ? window.savedBlob.arrayBuffer().then((buffer) => {
              const bytes = new Uint8Array(buffer);
              let text = "";
              for (let i = 0; i < bytes.length; i += 32768)
                text += String.fromCharCode(...bytes.subarray(i, i + 32768));
              done(btoa(text));
            }) : setTimeout(wait, 20);
            wait();""")
        return base64.b64decode(data)

    def saved_rtf(self):
        return self.downloaded("save")

    def desktop_rtf(self, spread, language, hand):
        which = ["--spread-file", self.spread_file(OWN_SPREAD)] if spread == OWN else ["--spread", str(spread)]
        return subprocess.run([DEAL, *which, "--language", language, "--cards",
                               ",".join(map(str, hand))], check=True, capture_output=True).stdout

    def shown_cards(self):
        names = self.driver.execute_script(
            "return [...document.querySelectorAll('.card-box img')].map(i => i.alt)")
        return names

    def axe_violations(self):
        d = self.driver
        if not d.execute_script("return typeof axe === 'object'"):
            with open(AXE) as script:
                d.execute_script(script.read())
        found = d.execute_async_script(
            "axe.run(document).then(r => arguments[0](r.violations.map(v => v.id + ': ' + "
            "v.nodes.map(n => n.target.join(' ')).join(', '))))")
        return found

    # -- the journal

    def journal_script(self, body):
        """Runs `body` with the page's journal module as `j`; what it resolves to comes back."""
        return self.driver.execute_async_script(
            "const done = arguments[0]; import('./journal.js').then((j) => " + body +
            ").then(done, (e) => done('failed: ' + e.message));")

    def clear_journal(self):
        self.driver.execute_script("localStorage.removeItem('baralune.keepJournal')")
        self.journal_script("""j.openJournal().then((db) => new Promise((resolve) => {
            const t = db.transaction('readings', 'readwrite');
            t.objectStore('readings').clear();
            t.oncomplete = () => resolve(true); }))""")
        self.open()

    def kept(self):
        return self.journal_script("j.allReadings()")

    def history_rows(self):
        return self.driver.execute_script(
            "return [...document.querySelectorAll('#history-rows tr')].map("
            "r => [...r.cells].map(c => c.textContent))")

    def open_history(self, button="history-from-form"):
        self.by_id(button).click()
        self.wait_for(lambda: self.shown("history-view"))

    def import_journal(self, data, name="journal.jsonl"):
        """Imports `data` through Import Journal…; the History's message about it."""
        d = self.driver
        path = os.path.join(self.profile.name, name)
        with open(path, "wb") as f:
            f.write(data)
        d.execute_script("const m = document.getElementById('history-message'); m.hidden = true;"
                         "document.getElementById('history-file').hidden = false;")
        self.by_id("history-file").send_keys(path)
        d.execute_script("document.getElementById('history-file').hidden = true")
        self.wait_for(lambda: self.by_id("history-message").is_displayed())
        return self.by_id("history-message").text

    def test_journal_records_lists_searches_reopens_exports_and_deletes(self):
        d = self.driver
        self.clear_journal()
        name = '=José "Pepe", hijo'
        self.fill_form(name, 3, "own")
        self.by_id("deal").click()
        self.wait_for(lambda: self.shown("picker-view"))
        for card in HANDS[3]:
            d.find_element(By.CSS_SELECTOR, f'.face[data-card="{card}"]').click()
        self.by_id("picker-deal").click()
        self.wait_for(lambda: self.shown("result-view"))
        first_rtf = self.saved_rtf()
        self.by_id("result-back").click()
        # Recording off: this reading is not kept, and the switch is remembered.
        self.by_id("keep-journal").click()
        d.refresh()
        self.open()
        self.assertFalse(self.by_id("keep-journal").is_selected())
        self.deal(0, "auto")
        self.by_id("result-back").click()
        self.by_id("keep-journal").click()
        self.deal(1, "manual")
        self.wait_for(lambda: len(self.kept()) == 2)
        # A reload keeps the journal; newest first, the desktop's columns.
        d.refresh()
        self.open()
        self.open_history()
        rows = self.history_rows()
        self.assertEqual([r[1:] for r in rows], [
            ["Ana María", "1/1/00", "9 Card Layout", "Manual"],
            [name, "1/1/00", "Gypsy Spread", "Own cards"]])
        # Search as you type, folding case and accents.
        self.by_id("history-search").send_keys("JOSE")
        self.assertEqual([r[1] for r in self.history_rows()], [name])
        self.assertEqual(self.downloaded("history-export").decode("utf-8").split("\r\n")[1].split(",")[1:5],
                         ['"\'=José ""Pepe""', ' hijo"', "1900-01-01", "Gypsy Spread"])
        # Opened, the very reading: the same RTF.
        d.find_element(By.CSS_SELECTOR, "#history-rows tr").click()
        self.by_id("history-open").click()
        self.wait_for(lambda: self.shown("result-view"))
        self.assertEqual(self.saved_rtf(), first_rtf)
        # Delete asks first, Cancel the default.
        self.open_history("history-from-result")
        self.by_id("history-search").send_keys(Keys.CONTROL, "a", Keys.BACKSPACE)
        self.wait_for(lambda: len(self.history_rows()) == 2)
        d.find_elements(By.CSS_SELECTOR, "#history-rows tr")[1].click()
        self.by_id("history-delete").click()
        self.assertTrue(self.by_id("delete-dialog").is_displayed())
        self.assertIn("This cannot be undone.", self.by_id("delete-question").text)
        self.assertEqual(d.switch_to.active_element, self.by_id("delete-no"))
        self.assertEqual(self.axe_violations(), [])
        ActionChains(d).send_keys(Keys.ENTER).perform()
        self.assertEqual(len(self.kept()), 2)
        self.by_id("history-delete").click()
        self.by_id("delete-yes").click()
        self.wait_for(lambda: len(self.history_rows()) == 1)
        self.assertEqual([r["name"] for r in self.kept()], ["Ana María"])

    def journal_file(self, count):
        """A journal file of `count` readings of every spread, way of dealing and language, as
        the desktop writes it."""
        random = __import__("random").Random(23)
        keys = ["three_card", "nine_card", "horseshoe", "gypsy"]
        modes = ["automatic", "manual", "own_cards"]
        names = ["Ana María", "José", "Zoë Ångström", "李小龙", "O'Brien, \"Kit\"", "=SUM(A1)"]
        lines = ['{"format":"baralune-journal","version":1}']
        readings = []
        for i in range(count):
            spread, mode, language = i % 4, (i // 4) % 3, ("en", "es")[(i // 12) % 2]
            dealt = 1_700_000_000_000 + i * 61_123
            offset = (0, 3600, -18000, 19800)[i % 4 if i % 7 else 0]
            local = time.gmtime((dealt + offset * 1000) // 1000)
            stamp = time.strftime("%Y-%m-%dT%H:%M:%S", local) + ".%03d%s%02d:%02d" % (
                dealt % 1000, "-" if offset < 0 else "+", abs(offset) // 3600, abs(offset) % 3600 // 60)
            cards = random.sample(range(40), COUNTS[spread])
            name = f"{names[i % len(names)]} {i}"
            birth = "" if i % 50 == 1 else ("1990-02-31" if i % 50 == 2 else f"19{i % 100:02d}-{i % 12 + 1:02d}-{i % 28 + 1:02d}")
            readings.append((spread, language, cards, name))
            lines.append(json.dumps({"dealt": stamp, "name": name, "birth_date": birth,
                                     "spread": keys[spread], "mode": modes[mode], "cards": cards,
                                     "language": language}, ensure_ascii=False, separators=(",", ":")))
        return ("\n".join(lines) + "\n").encode("utf-8"), readings

    def test_journal_file_round_trip(self):
        """500 readings from a desktop's file come in once, go out byte for byte, and reopen
        with the desktop's RTF; a reading dealt here goes out as the desktop reads it."""
        d = self.driver
        self.clear_journal()
        data, readings = self.journal_file(500)
        self.open_history()
        self.assertEqual(self.import_journal(data), "Readings added to the journal: 500.")
        self.assertEqual(self.import_journal(data), "Readings added to the journal: 0. "
                         "Readings already in the journal, skipped: 500.")
        self.assertEqual(self.downloaded("history-export-journal"), data)
        for index in (3, 15):  # a Gypsy reading in English and one in Spanish
            spread, language, cards, name = readings[index]
            search = self.by_id("history-search")
            search.clear()
            search.send_keys(name)
            rows = d.find_elements(By.CSS_SELECTOR, "#history-rows tr")
            next(r for r in rows if r.find_elements(By.TAG_NAME, "td")[1].text == name).click()
            self.by_id("history-open").click()
            self.wait_for(lambda: self.shown("result-view"))
            self.assertEqual(self.saved_rtf(), self.desktop_rtf(spread, language, cards))
            self.open_history("history-from-result")
        # Browser to file: a reading dealt here is the file's last line.
        self.clear_journal()
        self.deal(2, "auto")
        self.wait_for(lambda: len(self.kept()) == 1)
        self.open_history("history-from-result")
        exported = self.downloaded("history-export-journal").decode("utf-8").splitlines()
        self.assertEqual(exported[0], '{"format":"baralune-journal","version":1}')
        line = json.loads(exported[1])
        kept = self.kept()[0]
        self.assertEqual((line["name"], line["spread"], line["mode"], line["cards"], line["language"]),
                         ("Ana María", "horseshoe", "automatic", kept["cards"], "en"))
        self.assertRegex(line["dealt"], r"^\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d\.\d{3}[+-]\d\d:\d\d$")

    def test_history_lists_by_when_dealt_and_the_file_by_when_kept(self):
        """Readings dealt long ago, imported after one dealt today, are listed below it; the
        journal file keeps the order they were kept in, and comes back the same."""
        self.clear_journal()
        self.deal(2, "auto")
        self.wait_for(lambda: len(self.kept()) == 1)
        self.open_history("history-from-result")
        data, readings = self.journal_file(3)
        header, *lines = data.decode("utf-8").splitlines()
        older = ("\n".join([header, *reversed(lines)]) + "\n").encode("utf-8")
        self.assertEqual(self.import_journal(older), "Readings added to the journal: 3.")
        self.assertEqual([r[1] for r in self.history_rows()],
                         ["Ana María", readings[2][3], readings[1][3], readings[0][3]])
        csv = self.downloaded("history-export").decode("utf-8").split("\r\n")
        self.assertEqual([line.split(",")[1] for line in csv[1:5]],
                         ["Ana María", readings[2][3], readings[1][3], readings[0][3]])
        exported = self.downloaded("history-export-journal")
        self.assertEqual(exported.decode("utf-8").splitlines()[2:], list(reversed(lines)))
        self.clear_journal()
        self.open_history()
        self.import_journal(exported)
        self.assertEqual(self.downloaded("history-export-journal"), exported)

    def test_journal_refuses_hostile_files_and_changes_nothing(self):
        self.clear_journal()
        self.open_history()
        header = b'{"format":"baralune-journal","version":1}\n'
        good = '{"dealt":"2026-03-14T21:05:09.250+01:00","name":"%s","birth_date":"","spread":"three_card","mode":"manual","cards":%s,"language":"es"}\n'
        self.assertEqual(self.import_journal(b"date,name\r\n1,2\r\n"),
                         "Nothing was imported from journal.jsonl: it is not a Baralune journal file")
        self.assertIn("newer Baralune", self.import_journal(b'{"format":"baralune-journal","version":2}\n'))
        self.assertEqual(self.kept(), [])
        bad = header + b"".join(l.encode() for l in (
            good % ("Kept", "[1,2,3]"), good % ("Bad card", "[1,2,40]"), good % ("Twice", "[1,1,3]"),
            good % ("x" * 100_000, "[1,2,3]"), good % ("Bell\\u0007", "[1,2,3]"), "[" * 100_000 + "\n",
            (good % ("Cut", "[4,5,6]"))[:40]))
        self.assertEqual(self.import_journal(bad), "Readings added to the journal: 1. "
                         "Readings in the file that could not be read, skipped: 6.")
        self.assertEqual([r["name"] for r in self.kept()], ["Kept"])

    def raw_journal(self, body, *args):
        """Runs `body` with the journal's database opened behind the page's back as `db` (and
        `args`); what it resolves to comes back."""
        return self.driver.execute_async_script(
            "const args = [...arguments], done = args.pop(), r = indexedDB.open('baralune-journal');"
            "r.onsuccess = () => { const db = r.result; new Promise((ok) => { " + body + " })"
            ".then((v) => { db.close(); done(v); }, (e) => done('failed: ' + e.message)); };", *args)

    def test_damaged_journal_is_set_aside_never_emptied(self):
        plant = ("const t = db.transaction('readings', 'readwrite');"
                 "for (const r of args) t.objectStore('readings').add(r); t.oncomplete = () => ok(true);")
        stored = lambda store, what: self.raw_journal(
            f"const r = db.transaction('{store}').objectStore('{store}').getAll();"
            f"r.onsuccess = () => ok(r.result.map((x) => x.{what}));")
        self.clear_journal()
        good = {"dealt": 1_700_000_000_000, "offset": 3600, "name": "Kept", "birth": "1990-02-03",
                "spread": 0, "mode": 1, "cards": [4, 5, 6], "language": "es", "fold": "kept"}
        self.raw_journal(plant, good, dict(good, cards="x"))
        self.open()
        # Found on opening: what can be read is offered as a journal file, the store is kept
        # whole under a name of its own, and a fresh journal begins and records.
        saved = self.downloaded("history-from-form").decode("utf-8").splitlines()
        self.assertEqual([json.loads(line)["name"] for line in saved[1:]], ["Kept"])
        self.wait_for(lambda: "was damaged" in self.by_id("notice").get_attribute("textContent"))
        aside = [s for s in self.raw_journal("ok([...db.objectStoreNames])") if s.startswith("set aside ")]
        self.assertEqual(stored(aside[-1], "cards"), [[4, 5, 6], "x"])
        self.by_id("history-close").click()
        self.deal(0, "auto")
        self.wait_for(lambda: len(self.kept()) == 1)
        # A record gone bad later is left out of the History and counted, never dropped.
        self.raw_journal(plant, dict(good, spread=9))
        self.open_history("history-from-result")
        self.wait_for(lambda: self.by_id("history-message").is_displayed())
        self.assertTrue(self.by_id("history-message").text.endswith("left out of the list: 1."))
        self.assertEqual(len(self.history_rows()), 1)
        self.assertEqual(stored("readings", "spread"), [self.kept()[0]["spread"], 9])
        self.raw_journal("const t = db.transaction('readings', 'readwrite');"
                         "t.objectStore('readings').clear(); t.oncomplete = () => ok(true);")

    def test_journal_unavailable_is_said_once_and_dealing_goes_on(self):
        d = self.driver
        deny = d.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": """
            Object.defineProperty(window, 'indexedDB', { value: { open() {
              throw new DOMException('storage is switched off', 'SecurityError'); } } });"""})
        try:
            self.open()
            self.deal(0, "auto")
            self.assertIn("The journal cannot be kept in this browser", self.by_id("notice").text)
            self.by_id("result-back").click()
            self.deal(1, "auto")
            self.assertFalse(self.shown("notice"))
            self.open_history("history-from-result")
            self.assertIn("storage is switched off", self.by_id("history-message").text)
        finally:
            d.execute_cdp_cmd("Page.removeScriptToEvaluateOnNewDocument",
                              {"identifier": deny["identifier"]})

    # -- the reader's own spreads

    def test_own_spread_imported_read_in_each_mode_and_deleted(self):
        d = self.driver
        d.execute_script("localStorage.removeItem('baralune.spreads')")
        self.open()
        self.import_spread(OWN_SPREAD)
        self.wait_for(lambda: len(self.spread_names()) == 6)
        self.assertEqual(self.spread_names()[5], "Cruz del año")
        self.assertEqual(Select(self.by_id("spread")).first_selected_option.text, "Cruz del año")
        self.assertEqual(self.by_id("spread-description").text,
                         "Five cards for the year ahead.\nAsk once, at the turn of the year.")
        self.assertEqual(self.axe_violations(), [])
        # Kept through a reload; read in each mode, and the desktop's RTF in each language.
        for language, modes in (("en", ("own", "manual", "auto")), ("es", ("own",))):
            self.open(language)
            for mode in modes:
                with self.subTest(language=language, mode=mode):
                    if mode == "manual":
                        self.fill_form("Ana María", OWN, mode)
                        self.by_id("deal").click()
                        self.wait_for(lambda: self.shown("manual-view"))
                        self.assertEqual(self.by_id("tray-position").text, "Card 1: the heart of the year.")
                        self.by_id("manual-back").click()
                    self.deal(OWN, mode, OWN_HAND)
                    self.assertEqual(len(self.shown_cards()), 5)
                    self.assertEqual(self.by_id("spread-display").find_element(By.CLASS_NAME, "row-caption").text, "AÑO")
                    if mode == "own":
                        self.assertEqual(self.saved_rtf(), self.desktop_rtf(OWN, language, OWN_HAND))
                        self.assertEqual(d.execute_script("return window.savedName"),
                                         "Ana María - Cruz del año - " + time.strftime("%Y-%m-%d") + ".rtf")
                    if language == "es":
                        self.assertEqual(self.axe_violations(), [])
                        # The card at the display's right edge lies inside it.
                        panel = d.find_element(By.CSS_SELECTOR, "#spread-display .panel").rect
                        right = max(b.rect["x"] + b.rect["width"] for b in d.find_elements(By.CSS_SELECTOR, ".card-box"))
                        self.assertLessEqual(right, panel["x"] + panel["width"] + 0.5)
                    self.by_id("result-back").click()
        self.open()
        # Hostile or clashing files change nothing; a clash is offered a new name.
        kept = d.execute_script("return localStorage.getItem('baralune.spreads')")
        overlapping = json.loads(json.dumps(OWN_SPREAD))
        overlapping["positions"][1]["left"] = 4000
        for spread, message in ((overlapping, "cards 1 and 2 overlap"), (dict(OWN_SPREAD, name="x" * 100_000),
                                "the spread's name is too long"), ("[" * 100_000, "the file is not a Baralune spread")):
            self.import_spread(spread)
            self.wait_for(lambda: self.by_id("form-message").is_displayed())
            self.assertEqual(self.by_id("form-message").text,
                             f"Nothing was imported from Cruz.baralune-spread: {message}")
        self.import_spread(OWN_SPREAD)
        self.wait_for(lambda: self.by_id("spread-dialog").is_displayed())
        self.assertEqual(self.by_id("spread-question").text,
                         "A spread named Cruz del año exists already. Import this one as Cruz del año (2)?")
        self.assertEqual(d.switch_to.active_element, self.by_id("spread-no"))
        ActionChains(d).send_keys(Keys.ENTER).perform()
        self.assertEqual(d.execute_script("return localStorage.getItem('baralune.spreads')"), kept)
        self.assertEqual(len(self.spread_names()), 6)
        # Delete asks first, Cancel the default.
        Select(self.by_id("spread")).select_by_index(OWN + 1)
        self.by_id("delete-spread").click()
        self.assertEqual(self.by_id("spread-question").text,
                         "Delete the spread Cruz del año? Readings already dealt with it keep it.")
        ActionChains(d).send_keys(Keys.ENTER).perform()
        self.assertEqual(len(self.spread_names()), 6)
        self.by_id("delete-spread").click()
        self.by_id("spread-yes").click()
        self.assertEqual(len(self.spread_names()), 5)
        self.assertFalse(self.by_id("delete-spread").is_enabled())

    def test_journal_keeps_own_spread_readings_and_carries_them_in_files(self):
        """A desktop journal file with a reading of a reader's spread comes in, lists, reopens
        with the desktop's RTF and goes out byte for byte; one dealt here goes out with its spread."""
        d = self.driver
        self.clear_journal()
        d.execute_script("localStorage.removeItem('baralune.spreads')")
        # The browser has no notes editor, but keeps a reading's notes as they came.
        lines = [{"dealt": "2026-03-13T09:00:00.000+00:00", "name": "Pepe", "birth_date": "", "spread": "three_card",
                  "mode": "manual", "cards": [1, 2, 3], "language": "en", "notes": "Asked \"twice\",\r\nthen\u0000 again."},
                 {"dealt": "2026-03-14T21:05:09.250+01:00", "name": "Lucía", "birth_date": "1990-02-03",
                  "spread": "own", "mode": "own_cards", "cards": OWN_HAND, "language": "es",
                  "own_spread": OWN_SPREAD, "notes": "Un año de cambios. 🌙"}]
        data = ('{"format":"baralune-journal","version":1}\n' + "".join(
            json.dumps(line, ensure_ascii=False, separators=(",", ":")) + "\n" for line in lines)).encode("utf-8")
        self.open_history()
        self.assertEqual(self.import_journal(data), "Readings added to the journal: 2.")
        self.assertEqual(self.history_rows()[0][3], "Cruz del año")
        self.assertEqual(self.downloaded("history-export-journal"), data)
        d.find_element(By.CSS_SELECTOR, "#history-rows tr").click()
        self.by_id("history-open").click()
        self.wait_for(lambda: self.shown("result-view"))
        self.assertEqual(self.saved_rtf(), self.desktop_rtf(OWN, "es", OWN_HAND))
        # Dealt here of an imported spread, then the spread deleted: the reading keeps it.
        self.by_id("result-back").click()
        self.import_spread(OWN_SPREAD)
        self.wait_for(lambda: len(self.spread_names()) == 6)
        self.deal(OWN, "own", OWN_HAND)
        self.wait_for(lambda: len(self.kept()) == 3)
        d.execute_script("localStorage.removeItem('baralune.spreads')")
        self.open()
        self.open_history()
        exported = self.downloaded("history-export-journal").decode("utf-8").splitlines()
        dealt = json.loads(exported[3])
        self.assertEqual((dealt["spread"], dealt["own_spread"], dealt["cards"]), ("own", OWN_SPREAD, OWN_HAND))
        d.find_element(By.CSS_SELECTOR, "#history-rows tr").click()
        self.by_id("history-open").click()
        self.wait_for(lambda: self.shown("result-view"))
        self.assertEqual(self.saved_rtf(), self.desktop_rtf(OWN, "en", OWN_HAND))

    # -- the tests

    def test_every_spread_in_each_language_and_mode(self):
        """Each spread deals in each mode and language; own cards give the desktop's RTF."""
        for language, position in (("en", "Position"), ("es", "Posición")):
            self.open(language)
            for spread in range(4):
                for mode in ("auto", "manual", "own"):
                    with self.subTest(language=language, spread=spread, mode=mode):
                        self.deal(spread, mode, HANDS[spread])
                        cards = self.shown_cards()
                        self.assertEqual(len(cards), COUNTS[spread])
                        self.assertTrue(all(c.startswith(position + " ") for c in cards), cards)
                        self.assertGreater(len(self.driver.find_elements(By.CSS_SELECTOR, "#report p")), 10)
                        if mode == "own":
                            self.assertEqual(self.saved_rtf(),
                                             self.desktop_rtf(spread, language, HANDS[spread]))
                        if mode == "own" and spread == 3:
                            self.assertEqual(self.axe_violations(), [])
                        self.by_id("result-back").click()
                        self.assertEqual(self.by_id("name").get_attribute("value"), "Ana María")

    def test_validation_messages_in_the_page(self):
        d = self.driver
        self.by_id("deal").click()
        self.assertEqual(self.by_id("form-message").text, "Please Enter Your Name")
        self.by_id("name").send_keys("   ")
        self.by_id("deal").click()
        self.assertEqual(self.by_id("form-message").text, "Please Enter Your Name")
        self.by_id("name").send_keys("Ana")
        self.by_id("deal").click()
        self.assertEqual(self.by_id("form-message").text, "Please Select Spread")
        self.assertEqual(d.switch_to.active_element, self.by_id("spread"))
        d.execute_script("document.getElementById('name').value = 'x'.repeat(32768)")
        Select(self.by_id("spread")).select_by_index(1)
        self.by_id("deal").click()
        self.assertEqual(self.by_id("form-message").text, "Please Enter Your Name")
        self.assertEqual(self.axe_violations(), [])
        # The language switch is remembered.
        Select(self.by_id("language")).select_by_value("es")
        d.refresh()
        self.by_id("deal").click()
        self.assertEqual(self.by_id("form-message").text, "Escribe tu nombre, por favor")
        self.assertEqual(self.by_id("personal-caption").text, "Datos personales")

    def test_the_engine_refuses_hands_it_cannot_read(self):
        refused = self.driver.execute_async_script("""
            const good = arguments[0], spread = JSON.parse(good), done = arguments[1];
            import('./engine.js').then((engine) => done([
              [0, "en", [1, 2]], [0, "en", [1, 1, 2]], [0, "en", [1, 2, 40]], [0, "en", [1, 2, -1]],
              [0, "fr", [1, 2, 3]], [4, "en", [1, 2, 3]], [0, "en", ["1x", 2, 3]],
              [4, "en", [1, 2, 3, 4, 5], spread], [4, "en", [1, 2, 3, 4], good], [4, "fr", [1, 2, 3, 4, 5], good],
              [4, "en", [1, 2, 3, 4, 5], good.replace("4700", "4000")], [4, "en", [1, 2, 3, 4, 5], good.slice(0, 99)],
            ].map(([spread, language, cards, own]) => {
              try { engine.readCards(spread, language, cards, own); return "read"; }
              catch (e) { return e.message; }
            })));""", json.dumps(OWN_SPREAD))
        self.assertTrue(all(r.startswith("the reading could not be made") for r in refused), refused)

    def test_a_browser_without_webassembly_is_told_so(self):
        d = self.driver
        hide = d.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument",
                                 {"source": "delete window.WebAssembly;"})
        try:
            d.get(self.server.url)
            self.wait_for(lambda: self.shown("notice"))
            self.assertIn("WebAssembly", self.by_id("notice").text)
            self.assertFalse(self.by_id("deal").is_enabled())
        finally:
            d.execute_cdp_cmd("Page.removeScriptToEvaluateOnNewDocument",
                              {"identifier": hide["identifier"]})

    def test_draw_is_uniform_and_uses_the_cryptographic_generator(self):
        counts = self.driver.execute_async_script("""
            const done = arguments[0];
            Math.random = () => { throw new Error("Math.random used"); };
            import('./engine.js').then((engine) => {
              const counts = Array.from({ length: 21 }, () => new Array(40).fill(0));
              for (let h = 0; h < 10000; ++h) {
                const hand = engine.drawCards(3);
                if (new Set(hand).size !== 21) throw new Error("repeated card " + hand);
                hand.forEach((card, p) => ++counts[p][card]);
              }
              done(counts);
            });""")
        expected = 10000 / 40
        for position, row in enumerate(counts, 1):
            chi_square = sum((n - expected) ** 2 / expected for n in row)
            # 39 degrees of freedom: 95 lies far beyond the 99.99th percentile (about 77).
            self.assertLess(chi_square, 95.0, f"position {position}")

    def test_keyboard_alone_deals(self):
        d = self.driver
        keys = lambda *k: ActionChains(d).send_keys(*k).perform()
        keys("Kim", Keys.TAB, Keys.TAB, Keys.TAB, Keys.TAB)  # name, month, day, year
        keys(Keys.DOWN, Keys.TAB, Keys.TAB, Keys.DOWN, Keys.DOWN, Keys.TAB, Keys.ENTER)  # spread 0, past Import Spread…, own cards
        self.wait_for(lambda: self.shown("picker-view"))
        keys(Keys.ENTER, Keys.RIGHT, Keys.ENTER, Keys.END, Keys.ENTER, Keys.BACKSPACE,
             Keys.HOME, Keys.DOWN, Keys.ENTER, Keys.ENTER)
        self.wait_for(lambda: self.shown("result-view"))
        # Oros 1 and 2, then Copas 1: the first faces of the first two rows.
        self.assertEqual([c.split(": ")[1].split(" (")[0] for c in self.shown_cards()],
                         ["Ace of Diamonds", "Two of Diamonds", "Ace of Hearts"])
        keys(Keys.TAB, Keys.TAB)
        self.assertIn(d.switch_to.active_element.get_attribute("id"), ("result-back", "report"))
        self.by_id("result-back").send_keys(Keys.ENTER)
        self.wait_for(lambda: self.shown("form-view"))
        ActionChains(d).key_down(Keys.SHIFT).send_keys(Keys.TAB).key_up(Keys.SHIFT).perform()
        keys(Keys.UP, Keys.TAB, Keys.ENTER)  # manual
        self.wait_for(lambda: self.shown("manual-view"))
        keys(Keys.END, Keys.ENTER, Keys.HOME, Keys.ENTER, Keys.ENTER)
        self.wait_for(lambda: self.shown("result-view"), 10)
        self.assertEqual(len(self.shown_cards()), 3)

    def test_phone_width_layout(self):
        d = self.driver
        self.size(360, 640, mobile=True)
        self.open()
        check = """
            const width = document.documentElement.clientWidth, bad = [];
            if (document.documentElement.scrollWidth > width) bad.push('page scrolls sideways');
            for (const e of document.querySelectorAll('body *')) {
              const r = e.getBoundingClientRect();
              if (r.width === 0 || getComputedStyle(e).visibility === 'hidden') continue;
              if (r.left < -0.5 || r.right > width + 0.5) bad.push('wider: ' + e.tagName + '#' + e.id + '.' + e.className);
              if (e.matches('button, select, input[type=text], label.mode') && (r.height < 44 || r.width < 44))
                bad.push('small target: ' + e.tagName + '#' + e.id + '.' + e.className + ' ' + r.width + 'x' + r.height);
            }
            const boxes = [...document.querySelectorAll('.card-box')].map(b => b.getBoundingClientRect());
            boxes.forEach((a, i) => boxes.slice(i + 1).forEach(b => {
              if (a.left < b.right - 0.5 && b.left < a.right - 0.5 && a.top < b.bottom - 0.5 && b.top < a.bottom - 0.5)
                bad.push('cards overlap');
            }));
            return bad;"""
        self.assertEqual(d.execute_script(check), [])
        self.fill_form("Ana", 3, "own")
        self.by_id("deal").click()
        self.assertEqual(d.execute_script(check), [])
        self.assertEqual(self.axe_violations(), [])
        d.find_element(By.CSS_SELECTOR, '.face[data-card="7"]').click()
        self.by_id("picker-back").click()  # asks whether to discard the card picked
        self.assertEqual(self.by_id("discard-question").text, "Discard the card picked?")
        self.assertEqual(self.axe_violations(), [])
        self.by_id("discard-yes").click()
        self.fill_form("Ana", 3, "manual")
        self.by_id("deal").click()
        self.assertEqual(d.execute_script(check), [])
        self.assertEqual(self.axe_violations(), [])
        self.by_id("manual-back").click()
        self.deal(3, "auto")
        self.assertEqual(d.execute_script(check), [])
        display = self.by_id("spread-display").rect
        report = self.by_id("report").rect
        self.assertGreaterEqual(report["y"], display["y"] + display["height"])  # report below
        self.assertEqual(self.axe_violations(), [])
        self.size(1366, 768)
        display = self.by_id("spread-display").rect
        report = self.by_id("report").rect
        self.assertGreater(report["x"], display["x"] + display["width"] - 1)  # side by side

    def test_offline_reload_deals_shows_and_saves(self):
        d = self.driver
        self.wait_for(lambda: d.execute_script(
            "return navigator.serviceWorker.controller !== null"), 20)
        # After loading, readings ask the server for nothing; only the browser's own check for
        # a newer page (the service worker's two files) may come after it.
        d.execute_async_script(
            "navigator.serviceWorker.ready.then(r => r.update()).then(() => arguments[0]())")
        self.server.forget_requests()
        for spread in range(4):
            self.deal(spread, "auto")
            self.by_id("result-back").click()
        self.assertEqual([r for r in self.server.requests() if r not in ("/sw.js", "/files.js")], [])
        self.server.stop()
        try:
            d.refresh()
            self.open("es")
            self.deal(3, "own", HANDS[3])
            self.wait_for(lambda: d.execute_script(
                "return [...document.images].every(i => i.complete && i.naturalWidth > 0)"))
            self.assertEqual(self.saved_rtf(), self.desktop_rtf(3, "es", HANDS[3]))
            self.open_history("history-from-result")
            self.assertGreater(len(self.history_rows()), 0)
        finally:
            type(self).server = Server()


if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0]] + sys.argv[4:], verbosity=2)
