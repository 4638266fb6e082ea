#!/usr/bin/env python3
"""The live panel in headless Chromium, as a person uses it: the panel drawn, a switch clicked,
a radio knob held, the throttle dragged, a window opened by its button, a tooltip, a click heard
through Web Audio, and no error logged by the page.

usage: browser_test.py GAUGE_BENCH MODULE [--screenshot FILE.png]
Exits 77 (skipped) when Chromium or its driver is not installed."""

import json
import shutil
import subprocess
import sys
import time
import urllib.request

try:
    from selenium import webdriver
    from selenium.webdriver.chrome.service import Service
    from selenium.webdriver.common.actions.action_builder import ActionBuilder
    from selenium.webdriver.support.ui import WebDriverWait
except ImportError:
    print("python3-selenium is not installed: scripts/install-deps.sh installs it")
    sys.exit(77)

CHROMEDRIVER = shutil.which("chromedriver")
CHROMIUM = shutil.which("chromium")


def start_server(bench, module, *options):
    server = subprocess.Popen([bench, "serve", module, "--port", "0", *options],
                              stdout=subprocess.PIPE, text=True)
    line = server.stdout.readline()
    if "http://" not in line:
        server.kill()
        sys.exit(f"gauge-bench serve did not start: {line!r}")
    return server, line[line.index("http://"):].split()[0]


def start_browser():
    options = webdriver.ChromeOptions()
    options.binary_location = CHROMIUM
    for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--window-size=1400,900",
                     "--autoplay-policy=no-user-gesture-required"):
        options.add_argument(argument)
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    return webdriver.Chrome(service=Service(CHROMEDRIVER), options=options)


class Page:
    def __init__(self, driver, url):
        self.driver = driver
        self.url = url
        driver.get(url)
        self.wait_for("the first frame", lambda: self.frame() > 0)
        self.layout = json.load(urllib.request.urlopen(url + "api/layout"))

    def pause_flight(self):
        """Holds the scripted flight, whose own switch and throttle actions would race the test's."""
        urllib.request.urlopen(urllib.request.Request(
            self.url + "api/flight", b'{"paused": true}', {"Content-Type": "application/json"}))

    def wait_for(self, what, condition, seconds=10):
        WebDriverWait(self.driver, seconds, 0.05).until(lambda _: condition(), what)

    def frame(self):
        return int(self.driver.execute_script("return document.body.dataset.frame || 0"))

    def gauge(self, window, name, fx=0.5, fy=0.5):
        """A point of a gauge (fractions of its width and height), in the viewport."""
        placed = next(w for w in self.layout["windows"] if w["number"] == window)
        x, y, width, height = next(g["at"] for g in placed["gauges"] if g["name"] == name)
        box = self.driver.execute_script(
            "const c = document.querySelector(`canvas[data-window='${arguments[0]}']`);"
            "const b = c.getBoundingClientRect(); return [b.left, b.top, b.width / c.width];",
            window)
        return box[0] + (x + fx * width) * box[2], box[1] + (y + fy * height) * box[2]

    def pixels(self, window, name):
        """A digest of the pixels of a gauge as the page's canvas shows them."""
        placed = next(w for w in self.layout["windows"] if w["number"] == window)
        x, y, width, height = next(g["at"] for g in placed["gauges"] if g["name"] == name)
        return self.driver.execute_script(
            "const c = document.querySelector(`canvas[data-window='${arguments[0]}']`);"
            "const d = c.getContext('2d').getImageData(...arguments[1]).data;"
            "let h = 0; for (let i = 0; i < d.length; i += 4) h = (h * 31 + d[i] + d[i + 1]) % 1e9;"
            "return h;", window, [int(x), int(y), max(1, int(width)), max(1, int(height))])

    def keys(self):
        return self.driver.execute_script(
            "return [...document.querySelectorAll('#log li')].map(li => li.textContent)")

    def sent(self, part):
        """How many key events whose line holds the text the page has logged."""
        return self.driver.execute_script(
            "return [...document.querySelectorAll('#log li')].filter(li => li.dataset.text"
            ".includes(arguments[0])).reduce((n, li) => n + Number(li.dataset.count), 0)", part)

    def click(self, point, hold=0.0, button=0):
        actions = ActionBuilder(self.driver)
        actions.pointer_action.move_to_location(*map(int, point))
        actions.pointer_action.pointer_down(button)
        if hold:
            actions.pointer_action.pause(hold)
        actions.pointer_action.pointer_up(button)
        actions.perform()


def check(page):
    driver = page.driver
    failures = []

    # Generous waits: the test runs beside others on a busy machine, where frames come late.
    def expect(what, condition, seconds=15):
        try:
            page.wait_for(what, condition, seconds)
            print(f"ok: {what}")
        except Exception:
            failures.append(what)
            print(f"FAILED: {what}")

    colours = driver.execute_script(
        "const c = document.querySelector(\"canvas[data-window='0']\");"
        "const d = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;"
        "const seen = new Set(); for (let i = 0; i < d.length; i += 997) seen.add(d[i] << 16 | d[i + 1] << 8 | d[i + 2]);"
        "return seen.size")
    expect("the main panel is drawn", lambda: colours > 50)

    lever = page.pixels(0, "Battery_Switch")
    page.click(page.gauge(0, "Battery_Switch"))
    expect("a click on Battery_Switch flips its lever",
           lambda: page.pixels(0, "Battery_Switch") != lever)
    expect("the battery's key event is logged",
           lambda: any("KEY_TOGGLE_MASTER_BATTERY" in k for k in page.keys()))
    expect("the switch's click reaches Web Audio",
           lambda: int(driver.execute_script("return document.body.dataset.soundsStarted || 0")) > 0)

    actions = ActionBuilder(driver)
    actions.pointer_action.move_to_location(*map(int, page.gauge(0, "Battery_Switch", 0.5, 0.3)))
    actions.perform()
    expect("a tooltip appears over the switch",
           lambda: driver.execute_script(
               "const t = document.getElementById('tooltip'); return !t.hidden && t.textContent"))

    page.click(page.gauge(0, "Radios_Toggle"))
    expect("the radios button opens the radio stack",
           lambda: driver.execute_script(
               "return !document.querySelector(\"canvas[data-window='1']\").hidden"))

    # The COM set on (its power switch turned to ON), then its kilohertz knob's right half held.
    page.click(page.gauge(1, "Old_COM", 0.08, 0.745))
    time.sleep(0.3)
    before = page.sent("COM")
    page.click(page.gauge(1, "Old_COM", 0.84, 0.54), hold=1.0)
    expect("holding a radio knob steps the frequency more than once",
           lambda: page.sent("COM") > before + 1)

    page.click(page.gauge(0, "Throttle_Toggle"))
    expect("the throttle button opens its window", lambda: driver.execute_script(
        "return !document.querySelector(\"canvas[data-window='2']\").hidden"))
    expect("the throttle window is drawn", lambda: driver.execute_script(
        "const c = document.querySelector(\"canvas[data-window='2']\");"
        "return c.getContext('2d').getImageData(c.width / 2, c.height / 2, 1, 1).data[3] > 0"))
    lever = page.pixels(2, "Throttle_Quadrant")
    actions = ActionBuilder(driver)
    actions.pointer_action.move_to_location(*map(int, page.gauge(2, "Throttle_Quadrant", 0.5, 0.9)))
    actions.pointer_action.pointer_down()
    for step in range(8, 1, -1):
        actions.pointer_action.move_to_location(
            *map(int, page.gauge(2, "Throttle_Quadrant", 0.5, step / 10)))
        actions.pointer_action.pause(0.1)
    actions.pointer_action.pointer_up()
    actions.perform()
    expect("dragging the throttle moves the lever",
           lambda: page.pixels(2, "Throttle_Quadrant") != lever)

    errors = [entry for entry in driver.get_log("browser") if entry["level"] == "SEVERE"]
    for error in errors:
        print("page error:", error["message"])
    if errors:
        failures.append("the page logs no errors")
    return failures


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    if not CHROMEDRIVER or not CHROMIUM:
        print("chromium and chromium-driver are not installed: scripts/install-deps.sh installs them")
        sys.exit(77)
    screenshot = sys.argv[sys.argv.index("--screenshot") + 1] if "--screenshot" in sys.argv else None
    # The picture shows the aircraft levelling off, with the radio stack open.
    server, url = start_server(sys.argv[1], sys.argv[2], *(["--time", "300"] if screenshot else []))
    driver = None
    try:
        driver = start_browser()
        page = Page(driver, url)
        if screenshot:
            page.click(page.gauge(0, "Radios_Toggle"))
            time.sleep(2)
            driver.save_screenshot(screenshot)
            return 0
        page.pause_flight()
        failures = check(page)
    finally:
        if driver:
            driver.quit()
        server.terminate()
        server.wait(10)
    if failures:
        print("failed:", ", ".join(failures))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
