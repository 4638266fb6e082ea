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
# What the checks read of the page: a window's canvas, a digest of a rectangle of its pixels,
# the colours seen across it, and how many logged key events hold a text.
PAGE = """
const canvas = (w) => document.querySelector(`canvas[data-window='${w}']`);
const pixels = (w, r) => canvas(w).getContext('2d').getImageData(...r).data;
const digest = (w, r) => pixels(w, r).reduce((h, v, i) => i % 4 > 1 ? h : (h * 31 + v) % 1e9, 0);
const colours = (w) => { const c = canvas(w), d = pixels(w, [0, 0, c.width, c.height]), seen = new Set();
  for (let i = 0; i < d.length; i += 997) seen.add(d[i] << 16 | d[i + 1] << 8 | d[i + 2]); return seen.size; };
const sent = (text) => [...document.querySelectorAll('#log li')].filter(li => li.dataset.text
  .includes(text)).reduce((n, li) => n + Number(li.dataset.count), 0);
"""


def start(bench, module, *options):
    """gauge-bench serve on a free port, and headless Chromium; the server, its address, the browser."""
    server = subprocess.Popen([bench, "serve", module, "--port", "0", *options],
                              stdout=subprocess.PIPE, text=True)
    line = server.stdout.readline()
    if "http://" not in line:
        server.kill()
        sys.exit(f"gauge-bench serve did not start: {line!r}")
    options = webdriver.ChromeOptions()
    options.binary_location = CHROMIUM
    for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--window-size=1400,900",
                     "--autoplay-policy=no-user-gesture-required"):
        options.add_argument(argument)
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    try:
        return server, line[line.index("http://"):].split()[0], webdriver.Chrome(
            service=Service(CHROMEDRIVER), options=options)
    except Exception:
        server.terminate()
        raise


class Page:
    def __init__(self, driver, url):
        self.driver = driver
        self.url = url
        driver.get(url)
        self.wait_for("the first frame", lambda: int(self.js("document.body.dataset.frame || 0")))
        self.layout = json.load(urllib.request.urlopen(url + "api/layout"))

    def pause_flight(self):
        """Holds the scripted flight, whose own switch and throttle actions would race the test's."""
        urllib.request.urlopen(urllib.request.Request(
            self.url + "api/flight", b'{"paused": true}', {"Content-Type": "application/json"}))

    def wait_for(self, what, condition, seconds=10):
        WebDriverWait(self.driver, seconds, 0.05).until(lambda _: condition(), what)

    def js(self, expression):
        return self.driver.execute_script(PAGE + "return " + expression)

    def placed(self, window, name):
        """Where a gauge sits in its window's pixels: x, y, width, height."""
        placed = next(w for w in self.layout["windows"] if w["number"] == window)
        return next(g["at"] for g in placed["gauges"] if g["name"] == name)

    def gauge(self, window, name, fx=0.5, fy=0.5):
        """A point of a gauge (fractions of its width and height), in the viewport."""
        x, y, width, height = self.placed(window, name)
        left, top, scale = self.js(
            f"((c, b) => [b.left, b.top, b.width / c.width])(canvas({window}), "
            f"canvas({window}).getBoundingClientRect())")
        return int(left + (x + fx * width) * scale), int(top + (y + fy * height) * scale)

    def pixels(self, window, name):
        """A digest of the pixels of a gauge as the page's canvas shows them."""
        x, y, width, height = self.placed(window, name)
        return self.js(f"digest({window}, {[int(x), int(y), max(1, int(width)), max(1, int(height))]})")

    def pointer(self, *points, hold=0.0, press=True):
        """Moves the mouse through the points, the button held from the first to the last."""
        actions = ActionBuilder(self.driver)
        actions.pointer_action.move_to_location(*points[0])
        if press:
            actions.pointer_action.pointer_down()
        actions.pointer_action.pause(hold)
        for point in points[1:]:
            actions.pointer_action.move_to_location(*point)
            actions.pointer_action.pause(0.1)
        if press:
            actions.pointer_action.pointer_up()
        actions.perform()


def check(page):
    failures = []

    # Generous waits: the test runs beside others on a busy machine, where frames come late.
    def expect(what, condition, seconds=15):
        try:
            page.wait_for(what, condition, seconds)
            print(f"ok: {what}")
        except Exception:
            failures.append(what)
            print(f"FAILED: {what}")

    colours = page.js("colours(0)")
    expect("the main panel is drawn", lambda: colours > 50)

    lever = page.pixels(0, "Battery_Switch")
    page.pointer(page.gauge(0, "Battery_Switch"))
    expect("a click on Battery_Switch flips its lever",
           lambda: page.pixels(0, "Battery_Switch") != lever)
    expect("the battery's key event is logged", lambda: page.js("sent('KEY_TOGGLE_MASTER_BATTERY')"))
    expect("the switch's click reaches Web Audio",
           lambda: int(page.js("document.body.dataset.soundsStarted || 0")) > 0)
    page.pointer(page.gauge(0, "Battery_Switch", 0.5, 0.3), press=False)
    expect("a tooltip appears over the switch", lambda: page.js(
        "((t) => !t.hidden && t.textContent)(document.getElementById('tooltip'))"))

    page.pointer(page.gauge(0, "Radios_Toggle"))
    expect("the radios button opens the radio stack", lambda: not page.js("canvas(1).hidden"))
    # The COM set on (its power switch turned to ON), then its kilohertz knob's right half held.
    page.pointer(page.gauge(1, "Old_COM", 0.08, 0.745))
    time.sleep(0.3)
    before = page.js("sent('COM')")
    page.pointer(page.gauge(1, "Old_COM", 0.84, 0.54), hold=1.0)
    expect("holding a radio knob steps the frequency more than once",
           lambda: page.js("sent('COM')") > before + 1)

    page.pointer(page.gauge(0, "Throttle_Toggle"))
    expect("the throttle button opens its window", lambda: not page.js("canvas(2).hidden"))
    expect("the throttle window is drawn",
           lambda: page.js("pixels(2, [canvas(2).width / 2, canvas(2).height / 2, 1, 1])[3] > 0"))
    lever = page.pixels(2, "Throttle_Quadrant")
    page.pointer(*(page.gauge(2, "Throttle_Quadrant", 0.5, step / 10) for step in range(9, 1, -1)))
    expect("dragging the throttle moves the lever",
           lambda: page.pixels(2, "Throttle_Quadrant") != lever)

    errors = [entry for entry in page.driver.get_log("browser") if entry["level"] == "SEVERE"]
    for error in errors:
        print("page error:", error["message"])
    return failures + (["the page logs no errors"] if errors else [])


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    if not CHROMEDRIVER or not CHROMIUM:
        print("chromium and chromium-driver are not installed: scripts/install-deps.sh installs them")
        sys.exit(77)
    screenshot = sys.argv[sys.argv.index("--screenshot") + 1] if "--screenshot" in sys.argv else None
    # The picture shows the aircraft levelling off, with the radio stack open.
    server, url, driver = start(sys.argv[1], sys.argv[2], *(["--time", "300"] if screenshot else []))
    try:
        page = Page(driver, url)
        if screenshot:
            page.pointer(page.gauge(0, "Radios_Toggle"))
            time.sleep(2)
            driver.save_screenshot(screenshot)
            return 0
        page.pause_flight()
        failures = check(page)
    finally:
        driver.quit()
        server.terminate()
        server.wait(10)
    if failures:
        print("failed:", ", ".join(failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
