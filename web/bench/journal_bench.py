#!/usr/bin/python3
"""The browser journal's figures with 10,000 readings kept: how long the History takes to open
(from the click to its list shown) and a search keystroke to answer (the list redrawn). Not a
test: it prints the figures.

    web/bench/journal_bench.py [SITE_FOLDER]      (default build/web)
"""
import statistics
import tempfile

from bench import browser, serve

COUNT = 10_000


def main():
    server, url = serve(compress=False)
    with tempfile.TemporaryDirectory() as profile:
        driver = browser(profile)
        try:
            driver.get(url)
            driver.execute_async_script("""
                const [count, done] = arguments;
                import('./journal.js').then((j) => {
                  const names = ["José Pérez", "Ana María", "Zoë", "Ölaf", "Kim", "Íñigo"];
                  const readings = [];
                  for (let i = 0; i < count; ++i) {
                    const spread = i % 4, size = [3, 9, 7, 21][spread];
                    readings.push({ dealt: 1.7e12 + i * 60000, offset: 3600,
                      name: `${names[i % names.length]} ${i}`, birth: "1990-02-31", spread,
                      mode: i % 3, cards: Array.from({ length: size }, (_, c) => (i + c) % 40),
                      language: i % 2 ? "es" : "en" });
                  }
                  return j.addReadings(readings);
                }).then(() => import('./engine.js')).then((e) => e.loadEngine()).then(() => done());""",
                COUNT)
            opens, keys = [], []
            for _ in range(7):
                opens.append(driver.execute_async_script("""
                    const done = arguments[0];
                    document.getElementById('history-close').click();
                    const t = performance.now();
                    document.getElementById('history-from-form').click();
                    const wait = () => document.querySelector('#history-rows tr')
                      ? requestAnimationFrame(() => done(performance.now() - t)) : setTimeout(wait, 1);
                    wait();"""))
                keys.append(driver.execute_async_script("""
                    const done = arguments[0];
                    const field = document.getElementById('history-search');
                    const times = [];
                    const typed = ["j", "jo", "jos", "jose", "jos", "jo", "j", ""];
                    const next = (i) => {
                      if (i === typed.length) return done(times);
                      const t = performance.now();
                      field.value = typed[i];
                      field.dispatchEvent(new Event('input'));
                      document.body.getBoundingClientRect();  // its layout done
                      requestAnimationFrame(() => { times.push(performance.now() - t); next(i + 1); });
                    };
                    next(0);"""))
            opens = opens[1:]
            keys = [k for run in keys[1:] for k in run]
            print(f"{COUNT} readings kept: the History open and listing them in "
                  f"{statistics.median(opens):.0f} ms (median of {len(opens)}, "
                  f"longest {max(opens):.0f} ms); a search keystroke answered in "
                  f"{statistics.median(keys):.1f} ms (median of {len(keys)}, "
                  f"longest {max(keys):.1f} ms)")
        finally:
            driver.quit()
            server.terminate()


main()
