"""The page in headless Chromium, driven by real clicks and keys: it opens without a fault at a
laptop's, a projector's and a phone's size, and after every click or key (commands, costs, routers,
a link, the check box, the list, extras by their keys, a lesson from the menu stepped by the
clicker's keys), once nothing moves, the demonstration is the same, byte for byte, as the native
core's given the same events at the same times.

    /usr/bin/python3 page_test.py BUILT_PAGE_FOLDER ONE_FILE_PAGE LECTURE_TRANSCRIPT SCREENSHOT_FOLDER

The page in one file opens from disk and works too.
"""
import functools
import http.server
import os
import subprocess
import sys
import threading
import time

from selenium import webdriver
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import Select

PAGE, ONE_FILE, TRANSCRIPT, SHOTS = sys.argv[1:5]
OPTIONS = "scenario=Example 1&seed=42"
STEPS = ["Command4", "lblCost0", "lblCost1:right", "Command4", "btnRouter0", "btnRouter1",
         "cmdBreak2", "Command4", "chkSplit", "Command4", "cmbSims=Three Routers", "Command4",
         "key:CONTROL+g", "key:CONTROL+h", "key:CONTROL+z", "key:CONTROL+SHIFT+z",
         "menu:Lesson: Example 1 converging", "key:PAGE_DOWN", "key:ARROW_RIGHT", "key:PAGE_UP"]
SIZES = {"laptop": (1366, 768), "projector": (3840, 2160), "phone": (844, 390)}

class Quiet(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".wasm": "application/wasm"}

    def log_message(self, *args):
        pass


handler = functools.partial(Quiet, directory=PAGE)
server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
threading.Thread(target=server.serve_forever, daemon=True).start()
address = f"http://127.0.0.1:{server.server_address[1]}/index.html?{OPTIONS.replace(' ', '%20')}"

faults = []


def browser(width, height):
    options = Options()
    for argument in ["--headless=new", "--no-sandbox", "--disable-gpu",
                     f"--window-size={width},{height}"]:
        options.add_argument(argument)
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    return webdriver.Chrome(options=options)


def wait(driver, script, what, seconds=120):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        if driver.execute_script(f"return {script}"):
            return
        time.sleep(0.05)
    raise TimeoutError(what)


def click(driver, step):
    if step.startswith("key:"):
        *held, key = step[4:].split("+")
        chain = ActionChains(driver)
        for modifier in held:
            chain.key_down(getattr(Keys, modifier))
        chain.send_keys(getattr(Keys, key) if len(key) > 1 else key)
        for modifier in held:
            chain.key_up(getattr(Keys, modifier))
        chain.perform()
    elif step.startswith("menu:"):
        # A right click on an empty part of the drawing opens the extras' menu.
        ActionChains(driver).move_to_element_with_offset(
            driver.find_element("id", "drawing"), -600, 250).context_click().perform()
        driver.find_element("xpath", f"//div[@id='menu']/button[span='{step[5:]}']").click()
    elif step.startswith("cmbSims="):
        Select(driver.find_element("id", "cmbSims")).select_by_visible_text(step[8:])
    elif step == "chkSplit":
        driver.find_element("css selector", "#chkSplit input").click()
    elif step.endswith(":right"):
        ActionChains(driver).context_click(driver.find_element("id", step[:-6])).perform()
    else:
        driver.find_element("id", step).click()


os.makedirs(SHOTS, exist_ok=True)
for name, (width, height) in SIZES.items():
    driver = browser(width, height)
    try:
        driver.get(address)
        wait(driver, "window.Hopscape && Hopscape.ready", "the page opening")
        if name == "laptop":
            states = []
            marks = []
            for step in STEPS:
                click(driver, step)
                wait(driver, "Hopscape.sleeping()", f"nothing moving after {step}")
                states.append(driver.execute_script("return Hopscape.state()"))
                marks.append(driver.execute_script("return Hopscape.events.length"))
            # Every click and key reached the core.
            for i, step in enumerate(STEPS):
                events = driver.execute_script("return Hopscape.events")
                start = marks[i - 1] if i > 0 else 0
                if not any(not e.startswith("tick") for e in events[start:marks[i]]):
                    faults.append(f"{step} reached no control and no extra")
            # The same events at the same times through the native core.
            events = driver.execute_script("return Hopscape.events")
            lines = []
            for i, event in enumerate(events):
                lines.append(event)
                lines.extend(["state"] * marks.count(i + 1))
            script = os.path.join(SHOTS, "page-events.txt")
            with open(script, "w", encoding="utf-8") as out:
                out.write("\n".join(lines) + "\n")
            expected = subprocess.run([TRANSCRIPT, "--page", OPTIONS, script], check=True,
                                      capture_output=True, text=True).stdout.split("----\n")[:-1]
            if len(expected) != len(STEPS):
                faults.append(f"{len(expected)} states replayed, not {len(STEPS)}")
            for step, state, core in zip(STEPS, states, expected):
                if state != core:
                    faults.append(f"after {step} the page's demonstration differs from the core's")
            # A link to this moment opens this moment.
            driver.execute_script("return Hopscape.copyLink()")
            link = driver.execute_script("return Hopscape.link")
            driver.get("about:blank")
            driver.get(link)
            wait(driver, "window.Hopscape && Hopscape.ready", "the link opening")
            if driver.execute_script("return Hopscape.state()") != states[-1]:
                faults.append("the link to the last moment opens another")
        driver.save_screenshot(os.path.join(SHOTS, f"page-{name}.png"))
        for entry in driver.get_log("browser"):
            if entry["level"] == "SEVERE":
                faults.append(f"{name}: {entry['message']}")
    finally:
        driver.quit()
server.shutdown()

driver = browser(1366, 768)
try:
    driver.get("file://" + os.path.abspath(ONE_FILE))
    wait(driver, "window.Hopscape && Hopscape.ready", "the page in one file opening from disk")
    before = driver.execute_script("return Hopscape.state()")
    click(driver, "Command4")
    if driver.execute_script("return Hopscape.state()") == before:
        faults.append("the page in one file does nothing on a click")
finally:
    driver.quit()

for fault in faults:
    print("FAILED:", fault)
print(f"page: {len(STEPS)} clicks and keys compared, {len(SIZES)} sizes opened, {len(faults)} faults")
sys.exit(1 if faults else 0)
