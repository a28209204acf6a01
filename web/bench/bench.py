#!/usr/bin/python3
"""The browser edition's figures: what a first visit downloads, how soon the form takes typing
(here, and on a throttled phone-like profile, first and repeat visit), and how long a Gypsy
reading takes to show and its RTF to be ready. Not a test: it prints the figures.

    web/bench/bench.py [SITE_FOLDER]      (default build/web; build it first with make web-build)
"""
import gzip
import os
import statistics
import subprocess
import sys
import tempfile

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

HERE = os.path.dirname(os.path.abspath(__file__))
SITE = sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, "..", "..", "build", "web")
GYPSY = [39, 32, 34, 4, 6, 20, 22, 25, 27, 36, 29, 26, 30, 37, 24, 33, 35, 21, 19, 0, 15]


def first_visit_files():
    """What the page and its service worker fetch on a first visit at 1x: every file but the
    double-size artwork."""
    files = []
    for folder, _, names in os.walk(SITE):
        for name in names:
            path = os.path.join(folder, name)
            if "@2x" not in path:
                files.append(path)
    return files


def serve(compress):
    args = [sys.executable, os.path.join(HERE, "..", "serve.py"), SITE, "--port", "0", "--quiet"]
    process = subprocess.Popen(args + (["--gzip"] if compress else []), stdout=subprocess.PIPE,
                               text=True)
    return process, process.stdout.readline().split(": ", 1)[1].strip()


def browser(profile):
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for arg in ("--headless=new", "--no-sandbox", "--disable-gpu", "--window-size=1366,768",
                "--user-data-dir=" + profile):
        options.add_argument(arg)
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


def form_ready(driver, url):
    """Milliseconds from navigation to the form taking typing."""
    driver.get(url)
    return driver.execute_async_script("""
        const done = arguments[0];
        const look = () => {
          const mark = performance.getEntriesByName("baralune-form-ready")[0];
          if (mark) done(mark.startTime); else setTimeout(look, 10);
        };
        look();""")


def service_worker_ready(driver):
    driver.execute_async_script("""
        const done = arguments[0];
        navigator.serviceWorker.ready.then(() => {
          const wait = () => navigator.serviceWorker.controller ? done() : setTimeout(wait, 20);
          wait();
        });""")


def main():
    files = first_visit_files()
    served = sum(os.path.getsize(f) for f in files)
    packed = sum(len(gzip.compress(open(f, "rb").read(), 9)) for f in files)
    wasm = os.path.getsize(os.path.join(SITE, "baralune.wasm"))
    print(f"first visit (1x): {len(files)} files, {served / 1024:.0f} KiB as served, "
          f"{packed / 1024:.0f} KiB with gzip -9; the wasm {wasm / 1024:.0f} KiB")

    server, url = serve(compress=False)
    with tempfile.TemporaryDirectory() as profile:
        driver = browser(profile)
        try:
            local = [form_ready(driver, url) for _ in range(5)]
            print(f"navigation to the form taking typing, this machine: "
                  f"{statistics.median(local):.0f} ms (median of 5)")
            driver.execute_async_script(
                "import('./engine.js').then(e => e.loadEngine()).then(() => arguments[0]())")
            first = driver.execute_async_script("""
                const [hand, done] = arguments;
                setTimeout(() => import('./result.js').then((result) => {
                  const t = performance.now();
                  result.showReading({ name: "Ana", month: 1, day: 1, year: 1990, spread: 3 }, hand);
                  document.body.getBoundingClientRect();
                  done(performance.now() - t);
                }), 2500);""", GYPSY)
            print(f"the first Gypsy reading after loading: {first:.0f} ms")
            times = driver.execute_async_script("""
                const [hand, done] = arguments;
                Promise.all([import('./engine.js'), import('./result.js')]).then(([engine, result]) => {
                  const details = { name: "Ana", month: 1, day: 1, year: 1990, spread: 3, mode: "own" };
                  const show = [], read = [], save = [];
                  // The browser compiles the engine's busiest code fully after a few readings.
                  for (let i = 0; i < 5; ++i) result.showReading(details, hand.slice());
                  for (let i = 0; i < 21; ++i) {
                    let t = performance.now();
                    result.showReading(details, hand.slice());
                    document.body.getBoundingClientRect();  // its layout done
                    show.push(performance.now() - t);
                    t = performance.now();
                    const { rtf } = engine.readCards(3, "en", hand);
                    read.push(performance.now() - t);
                    t = performance.now();
                    new Blob([rtf], { type: "application/rtf" });
                    save.push(performance.now() - t);
                  }
                  done({ show: show.slice(1), read: read.slice(1), save: save.slice(1) });
                });""", GYPSY)
            median = lambda key: statistics.median(times[key])
            print(f"Deal to the Gypsy reading shown (spread and report): {median('show'):.1f} ms "
                  f"(median of 20), of which the engine's reading, report and RTF "
                  f"{median('read'):.1f} ms; its RTF is then ready to save in "
                  f"{median('save'):.2f} ms")
        finally:
            driver.quit()
            server.terminate()

    server, url = serve(compress=True)
    with tempfile.TemporaryDirectory() as profile:
        driver = browser(profile)
        try:
            driver.execute_cdp_cmd("Network.enable", {})
            driver.execute_cdp_cmd("Network.emulateNetworkConditions", {
                "offline": False, "latency": 150, "downloadThroughput": 1.6e6 / 8,
                "uploadThroughput": 750e3 / 8})
            driver.execute_cdp_cmd("Emulation.setCPUThrottlingRate", {"rate": 4})
            first = form_ready(driver, url)
            service_worker_ready(driver)
            repeat = form_ready(driver, url)
            print(f"mobile profile (4x CPU, 1.6 Mbit/s, 150 ms, gzip): form taking typing "
                  f"{first:.0f} ms on the first visit, {repeat:.0f} ms on a repeat visit")
        finally:
            driver.quit()
            server.terminate()


if __name__ == "__main__":
    main()
