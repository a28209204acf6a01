#!/usr/bin/python3
"""Takes the README's pictures of the browser edition in headless Chromium: a Gypsy reading on
a small phone, in Spanish, and one on a desktop-sized window, in English.

    web/tools/screenshots.py SITE_FOLDER OUT_FOLDER
"""
import os
import subprocess
import sys
import tempfile
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import Select, WebDriverWait

SITE, OUT = sys.argv[1], sys.argv[2]
HERE = os.path.dirname(os.path.abspath(__file__))
HAND = [39, 32, 34, 4, 6, 20, 22, 25, 27, 36, 29, 26, 30, 37, 24, 33, 35, 21, 19, 0, 15]


def reading(driver, url, language, name):
    driver.get(url)
    driver.execute_script("localStorage.setItem('baralune.language', arguments[0])", language)
    driver.get(url)
    driver.find_element(By.ID, "name").send_keys(name)
    Select(driver.find_element(By.ID, "spread")).select_by_index(4)
    driver.find_element(By.CSS_SELECTOR, 'input[value="own"]').click()
    driver.find_element(By.ID, "deal").click()
    for card in HAND:
        driver.find_element(By.CSS_SELECTOR, f'.face[data-card="{card}"]').click()
    driver.find_element(By.ID, "picker-deal").click()
    WebDriverWait(driver, 10).until(lambda d: d.find_element(By.ID, "result-view").is_displayed())
    WebDriverWait(driver, 10).until(lambda d: d.execute_script(
        "return [...document.images].every(i => i.complete)"))
    driver.execute_script("document.activeElement.blur(); window.scrollTo(0, 0)")
    time.sleep(0.3)


def main():
    server = subprocess.Popen([sys.executable, os.path.join(HERE, "..", "serve.py"), SITE,
                               "--port", "0", "--quiet"], stdout=subprocess.PIPE, text=True)
    url = server.stdout.readline().split(": ", 1)[1].strip()
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    profile = tempfile.TemporaryDirectory()
    for arg in ("--headless=new", "--no-sandbox", "--disable-gpu", "--hide-scrollbars",
                "--user-data-dir=" + profile.name):
        options.add_argument(arg)
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    try:
        for file, language, name, width, height, scale, mobile in (
                ("web-phone.png", "es", "Lucía", 360, 740, 2, True),
                ("web-desktop.png", "en", "Ana", 1366, 768, 1, False)):
            driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
                "width": width, "height": height, "deviceScaleFactor": scale, "mobile": mobile})
            reading(driver, url, language, name)
            driver.save_screenshot(os.path.join(OUT, file))
    finally:
        driver.quit()
        server.terminate()
        profile.cleanup()


main()
