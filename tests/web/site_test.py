#!/usr/bin/python3
"""The browser build's site, served on localhost and driven in a browser
engine: its windows against their tables, the hand-off entry against the
Linux build's bytes, the compass pixels, the pictures, the failures, the
launcher, offline use and updates, phones and axe.

    site_test.py SITE EXPECTED AXE [--engine chromium|webkit|firefox] [unittest arguments]

The engine is headless Chromium (the default), WebKitGTK's MiniBrowser or
headless Firefox ESR; the label lines, digits and pixels checked are the
same in all three.

SITE is the built site (build-web/site); EXPECTED is the Linux build's
web_expected, which prints the tables and the hand-off bytes it writes; AXE
is axe-core's axe.min.js.
"""

import contextlib
import functools
import glob
import http.server
import inspect
import json
import math
import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import threading
import time
import unittest
import urllib.parse
import urllib.request

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools"))
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from siteserver import SiteHandler  # noqa: E402
import marionette  # noqa: E402

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.actions import interaction
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.actions.pointer_input import PointerInput

SITE = None
EXPECTED = None
AXE = None
BROWSER = None
SERVER = None
ROOT = None   # the site as served: a copy, so that a test may take a file away
WAIT = 60     # seconds a page gets to come up or to handle a click

PAGES = {"Korvel": "korvel.html", "Drevik": "drevik.html", "START": "index.html"}


class Handler(SiteHandler):
    """Serves the site as tools/run-web does, and keeps what was asked; the
    connection breaks off halfway through each file named in `cut`."""
    requests = []
    cut = set()

    def do_GET(self):
        Handler.requests.append(self.path)
        if self.path in Handler.cut:
            with open(self.translate_path(self.path), "rb") as file:
                data = file.read()
            self.send_response(200)
            self.send_header("Content-Type", self.guess_type(self.path))
            self.send_header("Content-Length", str(len(data)))
            self.end_headers()
            self.wfile.write(data[:len(data) // 2])
            self.close_connection = True
            return
        super().do_GET()


def setUpModule():
    global BROWSER, SERVER, ROOT
    ROOT = tempfile.mkdtemp(prefix="site-")
    shutil.copytree(SITE, ROOT, dirs_exist_ok=True)
    with open(os.path.join(ROOT, "phone.html"), "w") as file:
        file.write(PHONE_FRAME)
    start_server()
    BROWSER = ENGINES[ENGINE]()
    BROWSER.set_script_timeout(WAIT)
    BROWSER.set_window_size(1024, 768)


def chromium():
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for argument in ("--headless=new", "--no-sandbox", "--disable-gpu",
                     "--user-data-dir=" + os.path.join(ROOT, ".profile"),
                     "--window-size=1024,768", "--force-device-scale-factor=1",
                     "--disable-dev-shm-usage"):
        options.add_argument(argument)
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


def webkit():
    """WebKitGTK's MiniBrowser, which has no headless mode: on a display of
    its own (Xvfb) where there is none."""
    if not os.environ.get("DISPLAY"):
        read, write = os.pipe()
        DISPLAY_SERVER.append(subprocess.Popen(
            ["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
            pass_fds=[write], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        os.close(write)
        with os.fdopen(read) as answer:
            os.environ["DISPLAY"] = ":" + answer.readline().strip()
    # Its web processes' sandbox needs namespaces a CI root may not give;
    # the pages it shows are this test's own.
    os.environ["WEBKIT_DISABLE_SANDBOX_THIS_IS_DANGEROUS"] = "1"
    options = webdriver.WebKitGTKOptions()
    options.binary_location = glob.glob("/usr/lib/*/webkit2gtk-4.1/MiniBrowser")[0]
    options.add_argument("--automation")
    # The driver named by its path: Debian 13's selenium (4.2x) looks for a
    # bare name in no PATH, and takes it through a Service; Debian 12's (4.8)
    # takes it as an argument of its own.
    driver = "/usr/bin/WebKitWebDriver"
    if "service" in inspect.signature(webdriver.WebKitGTK).parameters:
        from selenium.webdriver.webkitgtk.service import Service as WebKitService
        return webdriver.WebKitGTK(options=options, service=WebKitService(executable_path=driver))
    return webdriver.WebKitGTK(executable_path=driver, options=options)


def firefox():
    """Debian's Firefox ESR, headless, through Marionette (see marionette.py)."""
    address, end = marionette.start()
    ENDS.append(end)
    return webdriver.Remote(command_executor=address, options=webdriver.FirefoxOptions())


ENGINES = {"chromium": chromium, "webkit": webkit, "firefox": firefox}
ENGINE = "chromium"
DISPLAY_SERVER = []  # the Xvfb started for an engine that needs a display
ENDS = []  # what ends what drives an engine


def tearDownModule():
    if BROWSER:
        BROWSER.quit()
    if SERVER:
        stop_server()
    for end in ENDS:
        end()
    for display in DISPLAY_SERVER:
        display.terminate()
        display.wait()
    shutil.rmtree(ROOT, ignore_errors=True)


def chromium_only(why):
    """Skips a test in the other engines: `why` says what only Chromium has."""
    def decorate(test):
        @functools.wraps(test)
        def run_or_skip(self, *arguments):
            if ENGINE != "chromium":
                self.skipTest(why)
            return test(self, *arguments)
        return run_or_skip
    return decorate


@functools.lru_cache(maxsize=None)
def tables():
    return json.loads(subprocess.run([EXPECTED, "tables"], check=True, capture_output=True,
                                     text=True).stdout)


def linux_hand_off(texts):
    with tempfile.TemporaryDirectory() as directory:
        return subprocess.run([EXPECTED, "handoff", *texts], cwd=directory, check=True,
                              capture_output=True).stdout


def pixels(twips):
    return int(twips / 15 + 0.5)


def wait_for(condition, what):
    deadline = time.monotonic() + WAIT
    while time.monotonic() < deadline:
        value = condition()
        if value:
            return value
        time.sleep(0.05)
    raise AssertionError("waited in vain for " + what)


def run(script, *arguments):
    return BROWSER.execute_script(script, *arguments)


def url(page):
    return "http://127.0.0.1:%d/%s" % (SERVER.server_address[1], page)


def idle():
    wait_for(lambda: run("return typeof Dish !== 'undefined' && Dish.idle()"),
             "the page to handle its clicks")


# A page of the given size within the page, for an engine that cannot be
# told to show a page as a phone does.
PHONE_FRAME = """<!DOCTYPE html><meta charset="utf-8"><title>A phone</title>
<style>body { margin: 0 } iframe { border: 0; display: block }</style><iframe></iframe>
<script>
const asked = new URLSearchParams(location.search);
const frame = document.querySelector("iframe");
frame.width = asked.get("width");
frame.height = asked.get("height");
frame.src = asked.get("page");
</script>
"""
FRAME = None  # (width, height) of the frame a page opens in, as on a phone


def open_page(build, hand_off=None, folder=""):
    """Opens the build's page (in `folder` of the site) in the one tab left,
    with the hand-off entry set to `hand_off` (None: no entry), and waits
    until it has started."""
    for handle in BROWSER.window_handles[1:]:
        BROWSER.switch_to.window(handle)
        BROWSER.close()
    BROWSER.switch_to.window(BROWSER.window_handles[0])
    BROWSER.get(url("windows.css"))  # the site's origin, to set its storage first
    run("localStorage.clear(); if (arguments[0] !== null) localStorage.setItem('rlin1.txt', arguments[0]);",
        hand_off)
    if FRAME:
        BROWSER.get(url("phone.html?") + urllib.parse.urlencode(
            {"page": folder + PAGES[build], "width": FRAME[0], "height": FRAME[1]}))
        BROWSER.switch_to.frame(BROWSER.find_element(By.TAG_NAME, "iframe"))
    else:
        BROWSER.get(url(folder + PAGES[build]))
    idle()
    stored_for_offline()


@contextlib.contextmanager
def phone(width, height, ratio):
    """Pages open as a phone `width` x `height` CSS pixels shows them:
    Chromium emulates the phone, at `ratio` display pixels to a CSS pixel,
    with touch; the other engines, which cannot be told to, show each page
    in a frame of that size, at the display's own ratio."""
    global FRAME
    if ENGINE != "chromium":
        FRAME = (width, height)
        try:
            yield
        finally:
            FRAME = None
            BROWSER.switch_to.default_content()
        return
    BROWSER.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
        "width": width, "height": height, "deviceScaleFactor": ratio, "mobile": True})
    BROWSER.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": True})
    try:
        yield
    finally:
        BROWSER.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": False})
        BROWSER.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})


def stored_for_offline():
    """Waits until the site's service worker has stored the site, so that
    nothing is fetched for it behind a test's back."""
    BROWSER.execute_async_script(
        "navigator.serviceWorker.ready.then(() => arguments[arguments.length - 1](true))")


def forget_site():
    """The browser forgets the site's worker and its stores, so that the next
    visit is a first one: every file from the server."""
    BROWSER.get(url("windows.css"))
    BROWSER.execute_async_script("""
        const done = arguments[arguments.length - 1];
        (async () => {
            for (const registration of await navigator.serviceWorker.getRegistrations())
                await registration.unregister();
            for (const name of await caches.keys())
                await caches.delete(name);
        })().then(() => done(true), (failure) => done(String(failure)));""")
    BROWSER.get("about:blank")


class Server(http.server.ThreadingHTTPServer):
    """A connection the browser drops (it gives up the rest of an update
    once one file of it has broken off) is no fault of the server's."""
    def handle_error(self, request, client_address):
        if not isinstance(sys.exc_info()[1], ConnectionError):
            super().handle_error(request, client_address)


def start_server(port=0):
    global SERVER
    SERVER = Server(("127.0.0.1", port), functools.partial(Handler, directory=ROOT))
    threading.Thread(target=SERVER.serve_forever, daemon=True).start()


def stop_server():
    SERVER.shutdown()
    SERVER.server_close()


def control(window, name):
    return BROWSER.find_element(By.CSS_SELECTOR, '#%s [data-name="%s"]' % (window, name))


def click(window, name):
    """Clicks the control, its window first brought to the front as a click
    on it does."""
    run("document.getElementById(arguments[0]).dispatchEvent(new PointerEvent('pointerdown'))",
        window)
    control(window, name).click()
    idle()


def set_text(window, name, text):
    run("arguments[0].value = arguments[1]", control(window, name), text)


def stored():
    text = run("return localStorage.getItem('rlin1.txt')")
    return None if text is None else bytes(ord(c) for c in text)


def messages():
    return run("return [...document.querySelectorAll('.messagebox .message')].map(m => m.textContent)")


def close_message():
    BROWSER.find_element(By.CSS_SELECTOR, ".messagebox .ok").send_keys(Keys.ENTER)


def focused():
    return run("return document.activeElement && document.activeElement.dataset.name || null")


def surface(window, probes):
    """The colours of the window's compass surface at (x, y, radius) probes:
    for each, the set of colours within `radius` pixels."""
    return run("""
        const canvas = document.querySelector('#' + arguments[0] + ' .surface');
        const data = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height);
        return arguments[1].map(([x, y, r]) => {
            const seen = new Set();
            for (let j = y - r; j <= y + r; ++j)
                for (let i = x - r; i <= x + r; ++i) {
                    const at = 4 * (j * canvas.width + i);
                    seen.add(data.data[at + 3] ? data.data.slice(at, at + 3).join(',') : 'none');
                }
            return [...seen];
        });""", window, probes)


def bitmap_pixel(path, x, y):
    """The colour of pixel (x, y) from the top of a Windows bitmap: 24-bit,
    or 8-bit with its rows run-length encoded, as the picture maker writes."""
    with open(path, "rb") as file:
        data = file.read()
    offset, = struct.unpack_from("<I", data, 10)
    width, height, _, bits, compression = struct.unpack_from("<iiHHI", data, 18)
    row = y if height < 0 else abs(height) - 1 - y
    if bits == 24:
        stride = (width * 3 + 3) // 4 * 4
        b, g, r = data[offset + row * stride + 3 * x:offset + row * stride + 3 * x + 3]
        return "%d,%d,%d" % (r, g, b)
    assert (bits, compression) == (8, 1)
    header, = struct.unpack_from("<I", data, 14)
    palette = 14 + header
    at, here = offset, 0
    while here < row:  # skip to the row's first code
        count, code = data[at], data[at + 1]
        at += 2
        if count == 0 and code == 0:
            here += 1
        elif count == 0 and code > 2:
            at += code + code % 2
    i = 0
    while True:
        count, code = data[at], data[at + 1]
        at += 2
        if count:
            if x < i + count:
                index = code
                break
            i += count
        else:
            assert code > 2, "pixel %d is beyond its row's codes" % x
            if x < i + code:
                index = data[at + x - i]
                break
            i += code
            at += code + code % 2
    b, g, r = data[palette + 4 * index:palette + 4 * index + 3]
    return "%d,%d,%d" % (r, g, b)


class Windows(unittest.TestCase):
    def check_window(self, build, table):
        name = table["name"]
        shape = run("""
            const root = document.getElementById(arguments[0]);
            if (!root) return null;
            root.hidden = false;
            const client = root.querySelector('.client').getBoundingClientRect();
            const controls = {};
            for (const made of root.querySelectorAll('[data-name]')) {
                const style = getComputedStyle(made);
                const parent = made.parentElement.closest('[data-name]');
                controls[made.dataset.name] = {
                    count: root.querySelectorAll('[data-name="' + made.dataset.name + '"]').length,
                    tag: made.tagName, className: made.className,
                    place: [made.offsetLeft, made.offsetTop, made.offsetWidth, made.offsetHeight],
                    text: made.tagName === 'INPUT' ? made.value
                        : made.classList.contains('label') ? made.dataset.caption : made.textContent,
                    lines: [...made.querySelectorAll('.labelline')].map(line => line.textContent),
                    family: style.fontFamily, size: style.fontSize, weight: style.fontWeight,
                    inside: parent ? parent.dataset.name : '',
                    accessibleName: made.getAttribute('aria-label') || '',
                };
            }
            return {caption: root.querySelector('.title .caption').textContent,
                    client: [client.left + scrollX, client.top + scrollY, client.width, client.height],
                    controls: controls};""", name)
        self.assertIsNotNone(shape, name)
        self.assertEqual(shape["caption"], table["caption"])
        self.assertEqual(shape["client"][2:], [pixels(table["width"]), pixels(table["height"])])
        if table["position"]:
            self.assertEqual(shape["client"][:2], [pixels(v) for v in table["position"]])
        self.assertEqual(len(shape["controls"]), len(table["controls"]))
        tags = {"button": ("BUTTON", "button"), "textbox": ("INPUT", "textbox"),
                "label": ("DIV", "label"), "line": ("DIV", "line"),
                "picturebox": ("DIV", "picturebox")}
        for want in table["controls"]:
            with self.subTest(window=name, control=want["name"]):
                got = shape["controls"][want["name"]]
                self.assertEqual(got["count"], 1)
                self.assertEqual((got["tag"], got["className"]), tags[want["kind"]])
                left, top, width, height = want["place"]
                if want["kind"] == "line":
                    # The box over both end pixels.
                    x1, y1, x2, y2 = (pixels(v) for v in want["place"])
                    place = [min(x1, x2), min(y1, y2), abs(x2 - x1) + 1, abs(y2 - y1) + 1]
                else:
                    place = [pixels(left), pixels(top), pixels(width), pixels(height)]
                if want["kind"] in ("button", "textbox", "label"):
                    self.assertEqual(got["text"], want["text"])
                self.assertEqual(got["place"], place)
                self.assertEqual(got["inside"], want["inside"])
                # A screen reader names a text box by the labels beside it.
                self.assertEqual(got["accessibleName"], want["accessibleName"])
                font = want["font"]
                self.assertEqual(got["family"].strip('"'), font["name"])
                self.assertEqual(got["size"], "%gpx" % (font["points"] * 96 / 72))
                self.assertEqual(got["weight"], "700" if font["bold"] else "400")
                if want["kind"] == "label":
                    lines = [row["lines"] for row in tables()["lines"] if
                             (row["build"], row["window"], row["label"]) == (build, name, want["name"])]
                    self.assertEqual(len(lines), 1)
                    self.assertEqual(got["lines"], lines[0] or [""])

    def check_tab_order(self, table):
        focusable = [c for c in table["controls"] if c["kind"] in ("button", "textbox", "picturebox")]
        order = [c["name"] for c in sorted(focusable, key=lambda c: c["tabIndex"])]
        first = control(table["name"], order[0])
        run("arguments[0].focus()", first)
        seen = [focused()]
        for _ in order:
            ActionChains(BROWSER).send_keys(Keys.TAB).perform()
            seen.append(focused())
        self.assertEqual(seen, order + order[:1], table["name"])
        ActionChains(BROWSER).key_down(Keys.SHIFT).key_down(Keys.TAB).key_up(Keys.TAB) \
            .key_up(Keys.SHIFT).perform()
        self.assertEqual(focused(), order[-1], table["name"])

    def test_every_window_shows_its_table(self):
        for build, windows in tables()["builds"].items():
            with self.subTest(build=build):
                open_page(build, hand_off="180,40\r\n")
                self.assertEqual(messages(), [])
                # The faces this build's windows name, and only those, from the site.
                faces = run("return [...document.fonts].filter(f => f.status === 'loaded')"
                            ".map(f => f.family.replace(/\"/g, '') + ' ' + f.weight)")
                self.assertEqual(sorted(faces), sorted({
                    "%s %s" % (c["font"]["name"], "bold" if c["font"]["bold"] else "normal")
                    for table in windows for c in table["controls"]} | {"MS Sans Serif normal"}))
                for table in windows:
                    self.check_window(build, table)
                for table in windows:
                    run("document.getElementById(arguments[0]).hidden = false", table["name"])
                    self.check_tab_order(table)

    def test_the_first_control_has_the_focus_and_enter_presses_a_button(self):
        open_page("Korvel")
        self.assertEqual(focused(), "Text1")
        control("TV", "NAPR").send_keys(Keys.ENTER)
        idle()
        self.assertTrue(control("LIN1", "START").is_displayed())
        self.assertEqual(focused(), "START")
        # EXIT brings the main window back to the front, its focus where it was.
        control("LIN1", "CMDEXIT").send_keys(" ")
        idle()
        self.assertEqual(focused(), "NAPR")
        self.assertGreater(*run("return ['TV', 'LIN1'].map(id => +document.getElementById(id).style.zIndex)"))

    def test_a_touch_presses_a_button_and_the_page_zooms(self):
        open_page("Korvel")
        viewport = run("return document.querySelector('meta[name=viewport]').content")
        self.assertNotIn("user-scalable", viewport)
        self.assertNotIn("maximum-scale", viewport)
        set_text("TV", "Text5", "36")
        touch = ActionBuilder(BROWSER, mouse=PointerInput(interaction.POINTER_TOUCH, "finger"))
        touch.pointer_action.move_to(control("TV", "Gprog")).pointer_down().pointer_up()
        touch.perform()
        idle()
        self.assertNotEqual(control("TV", "Text8").get_attribute("value"), "")

    def test_a_window_moves_by_its_title_bar_and_closing_the_main_window_ends_the_program(self):
        open_page("Korvel")
        window = BROWSER.find_element(By.ID, "TV")
        before = window.location
        bar = window.find_element(By.CSS_SELECTOR, ".title .caption")
        ActionChains(BROWSER).click_and_hold(bar).move_by_offset(60, 40).release().perform()
        self.assertEqual((window.location["x"], window.location["y"]),
                         (before["x"] + 60, before["y"] + 40))
        window.find_element(By.CSS_SELECTOR, ".title .close").click()
        idle()
        self.assertEqual(run("return document.querySelector('.ended').textContent"),
                         "Korvel has ended.")
        self.assertEqual(run("return [...document.querySelectorAll('.window')].filter(w => !w.hidden).length"), 0)


class HandOff(unittest.TestCase):
    # Site longitude, its minutes, latitude, its minutes, satellite longitude,
    # its minutes, as typed.
    CASES = [
        ("35", "27.69", "32", "48.5", "36", "0"),
        ("35", "27.69", "32", "48.5", "35", "27.69"),  # due south
        ("-43", "10", "-22", "54", "-61", "0"),         # south of the equator
        ("37", "37", "55", "45", "13", "0"),
        ("1,5", " 2.5e1", "&H10", "-0", "-180", "59.99"),  # how the boxes read odd texts
    ]

    def test_start_writes_the_linux_builds_bytes_and_shows_both_results(self):
        open_page("Korvel")
        for texts in self.CASES:
            with self.subTest(texts=texts):
                for box, text in zip(("Text1", "Text2", "Text3", "Text4", "Text5", "Text6"), texts):
                    set_text("TV", box, text)
                click("TV", "Gprog")
                self.assertEqual(messages(), [])
                want = linux_hand_off(texts)
                self.assertEqual(stored(), want)
                alfa, beta = want.decode("ascii").rstrip("\r\n").split(",")
                # The boxes show a blank where a minus sign would be.
                shown = [n if n.startswith("-") else " " + n for n in (alfa, beta)]
                self.assertEqual(control("TV", "Text8").get_attribute("value"), shown[0])
                self.assertEqual(control("TV", "Text7").get_attribute("value"), shown[1])

    def test_typed_input_and_the_other_build_reading_it(self):
        open_page("Korvel")
        for box, text in (("Text5", "36"), ("Text6", "0")):
            control("TV", box).send_keys(text)
        click("TV", "Gprog")
        want = linux_hand_off(("35", "27.69", "32", "48.5", "36", "0"))
        self.assertEqual(stored(), want)
        # The Russian page of the same site reads what the English one wrote.
        BROWSER.get(url("drevik.html"))
        idle()
        self.assertEqual(stored(), want)
        click("TV", "NAPR")
        click("LIN1", "START")
        self.assertEqual(messages(), [])
        self.assertIn("0,255,255", surface("LIN1", [[201, 107, 2]])[0])  # the direction


class Compass(unittest.TestCase):
    # Azimuth 180 with no displacement, the axes and dot as the desktop builds
    # draw them at 96 dpi: (x, y, where to look around, colour, whether it is
    # there).
    PROBES = [
        ("the east-west axis, 5 pixels wide", 150, 108, "0,0,255", True),
        ("beside it", 150, 112, "0,0,255", False),
        ("the direction, 8 pixels wide", 204, 40, "0,255,255", True),
        ("beside it", 208, 40, "0,255,255", False),
        ("inside the 20-pixel centre dot, off the line", 208, 107, "0,0,255", True),
        ("outside the centre dot", 213, 100, "0,0,255", False),
        ("the arc runs counterclockwise: left of the centre", 182, 88, "0,0,255", True),
        ("not right of it", 220, 88, "0,0,255", False),
    ]

    def draw(self, hand_off, displacement):
        open_page("Korvel", hand_off=hand_off)
        click("TV", "NAPR")
        set_text("LIN1", "POZIA", displacement)
        click("LIN1", "START")

    def canvas(self):
        return run("return document.querySelector('#LIN1 .surface').toDataURL()")

    def test_the_drawing_lands_where_the_desktop_builds_draw_it(self):
        # At 100 %, and at 200 %, where every place and pen width doubles
        # (in Chromium, which can be told to show a page at 200 %).
        for scale in (1, 2) if ENGINE == "chromium" else (1,):
            with self.subTest(scale=scale):
                if ENGINE == "chromium":
                    BROWSER.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
                        "width": 1024, "height": 768, "deviceScaleFactor": scale,
                        "mobile": False})
                try:
                    self.draw("180,40\r\n", "0")
                    self.assertEqual(run("return document.querySelector('#LIN1 .surface').width"),
                                     334 * scale)
                    self.assertEqual(messages(), [])
                    seen = surface("LIN1", [[x * scale, y * scale, scale]
                                            for _, x, y, _, _ in self.PROBES])
                    for (what, _, _, colour, there), colours in zip(self.PROBES, seen):
                        self.assertEqual(colour in colours, there, what)
                    column = [surface("LIN1", [[150 * scale, y, 0]])[0][0]
                              for y in range(98 * scale, 118 * scale)]
                    self.assertEqual(column.count("0,0,255"), 5 * scale, "the axis's width")
                    # "alfa= 180" in black, 300 twips left of and 200 below the
                    # far end.
                    text = surface("LIN1", [[205 * scale, 26 * scale, 24 * scale]])[0]
                    self.assertIn("0,0,0", text)
                finally:
                    if ENGINE == "chromium":
                        BROWSER.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})

    # Azimuths from a site south of the equator, at the default displacement
    # and at none, where the Windows build draws them: a pixel of the
    # direction line's far half, directions (degrees counterclockwise from 3
    # o'clock) on and off the arc's circle, and where the label's letters
    # reach (none: below the window).
    NORTHERN = [
        ("west of north", "320.414253315555,47.2860513888373\r\n", "-20",
         (262, 142), (45, 160), (310,), (270, 172)),
        ("west of north, no displacement", "320.414253315555,47.2860513888373\r\n", "0",
         (246, 161), (45, 160), (290,), (248, 198)),
        ("east of north", "78.8297716035589,19.8653244976245\r\n", "-20",
         (142, 144), (250,), (45, 160), (98, 174)),
        ("due north: no arc", "0,55.0395971549551\r\n", "0",
         (201, 177), (), (45, 160, 250, 290), None),
        ("half a degree: an arc shorter than a pixel", "0.5,55\r\n", "0",
         (201, 177), (), (45, 160, 250, 290), None),
    ]

    def test_azimuths_from_south_of_the_equator(self):
        def on_circle(degrees):
            a = degrees * 3.14159 / 180
            return [round((3020 + 400 * math.cos(a)) / 15), round((1608 - 400 * math.sin(a)) / 15), 1]

        for what, hand_off, displacement, line, on_arc, off_arc, label in self.NORTHERN:
            with self.subTest(what):
                self.draw(hand_off, displacement)
                self.assertEqual(messages(), [])
                self.assertIn("0,255,255", surface("LIN1", [[*line, 1]])[0], "the line")
                for degrees in on_arc + off_arc:
                    self.assertEqual("0,0,255" in surface("LIN1", [on_circle(degrees)])[0],
                                     degrees in on_arc, f"the arc at {degrees} degrees")
                if label:
                    self.assertIn("0,0,0", surface("LIN1", [[label[0] + 15, label[1] + 6, 6]])[0],
                                  "the label")

    def test_a_start_pressed_inside_the_yield_runs_there(self):
        # The dots at the ends of the axes take the colour the pen has: black
        # after a whole run, red after the crosses, the point where a run
        # yields.
        north_dot = [201, 4, 0]  # the top of its ring
        self.draw("217.344292538128,44.8168481749088\r\n", "-20")
        self.assertNotIn("255,0,0", surface("LIN1", [north_dot])[0])
        run("for (const i of [1, 2]) arguments[0].click()", control("LIN1", "START"))
        idle()
        self.assertEqual(messages(), [])
        self.assertIn("255,0,0", surface("LIN1", [north_dot])[0])
        click("LIN1", "START")
        self.assertNotIn("255,0,0", surface("LIN1", [north_dot])[0])

    def test_cleared_and_drawn_again_for_another_direction(self):
        self.draw("180,40\r\n", "0")
        south = self.canvas()
        run("localStorage.setItem('rlin1.txt', '90,40\\r\\n')")
        click("LIN1", "START")
        self.assertNotEqual(self.canvas(), south)
        self.assertNotIn("0,255,255", surface("LIN1", [[204, 40, 1]])[0])


class Pictures(unittest.TestCase):
    def shown(self):
        return run("return document.querySelector('#RIS123E [data-name=\"Picture1\"]').dataset.picture || null")

    def picture_pixel(self, x, y):
        return run("""
            const canvas = document.querySelector('#RIS123E .picture');
            return [...canvas.getContext('2d').getImageData(arguments[0], arguments[1], 1, 1).data]
                .slice(0, 3).join(',');""", x, y)

    def test_risynok_steps_through_the_pictures_read_beside_the_page(self):
        open_page("Korvel")
        self.assertIsNone(self.shown())  # the box stays empty until the first press
        def reads():  # the page's fetches of each file, the worker's store answering
            return run("""return performance.getEntriesByType('resource')
                .map(e => e.name.split('/').pop()).filter(n => n.endsWith('.BMP'))""")
        for name in ("GDS1ENG.BMP", "1kENG.BMP", "2kENG.BMP", "3kENG.BMP", "GDS1ENG.BMP"):
            with self.subTest(picture=name):
                before = reads()
                click("RIS123E", "RISYNOK")
                self.assertEqual(reads(), before + [name])
                self.assertEqual(messages(), [])
                for x, y in ((100, 150), (300, 50), (580, 390), (10, 300)):
                    self.assertEqual(self.picture_pixel(x, y),
                                     bitmap_pixel(os.path.join(ROOT, name), x, y))

    def test_cmd1_goes_back_to_the_main_window(self):
        open_page("Drevik")
        click("RIS123", "cmd1")
        self.assertFalse(run("return !!document.getElementById('RIS123')"))
        self.assertTrue(control("TV", "Gprog").is_displayed())


class Failures(unittest.TestCase):
    def setUp(self):
        # A file taken away or spoilt before the first visit: what the site's
        # store keeps from earlier visits would answer for it.
        forget_site()

    def tearDown(self):
        for name in os.listdir(ROOT):
            if name.endswith(".away"):
                os.rename(os.path.join(ROOT, name), os.path.join(ROOT, name[:-5]))

    def take_away(self, name):
        os.rename(os.path.join(ROOT, name), os.path.join(ROOT, name + ".away"))

    def test_a_latitude_of_zero_is_a_division_by_zero_and_the_focus_comes_back(self):
        open_page("Korvel", hand_off="180,40\r\n")
        set_text("TV", "Text3", "0")
        set_text("TV", "Text4", "0")
        control("TV", "Gprog").send_keys(Keys.ENTER)
        idle()
        self.assertEqual(messages(), ["Division by zero"])
        # Read out as an alert, its message as its description, OK focused.
        self.assertEqual(run("""
            const box = document.querySelector('.messagebox');
            return [box.getAttribute('role'), box.getAttribute('aria-label'),
                    document.getElementById(box.getAttribute('aria-describedby')).textContent,
                    document.activeElement.textContent];"""),
            ["alertdialog", "Korvel", "Division by zero", "OK"])
        self.assertEqual(stored(), b"180,40\r\n")
        # Nothing else takes a click meanwhile.
        control_hidden = run("return document.elementFromPoint(20, 20).closest('.cover') !== null")
        self.assertTrue(control_hidden)
        close_message()
        self.assertEqual(messages(), [])
        self.assertEqual(focused(), "Gprog")

    def test_no_hand_off_entry(self):
        open_page("Korvel")
        click("TV", "NAPR")
        click("LIN1", "START")
        self.assertEqual(messages(),
                         ["File not found: rlin1.txt in this site's browser storage"])

    def test_storage_that_refuses_the_write_keeps_the_results_on_screen(self):
        open_page("Korvel", hand_off="180,40\r\n")
        run("""Storage.prototype.setItem = function () {
                   throw new DOMException('full', 'QuotaExceededError'); };""")
        set_text("TV", "Text5", "36")
        click("TV", "Gprog")
        self.assertEqual(messages(), ["Cannot write rlin1.txt in this site's browser storage: "
                                      "the browser's storage for this site is full"])
        self.assertEqual(stored(), b"180,40\r\n")
        self.assertNotEqual(control("TV", "Text8").get_attribute("value"), "")

    def test_a_missing_picture(self):
        self.take_away("1kENG.BMP")
        open_page("Korvel")
        click("RIS123E", "RISYNOK")
        click("RIS123E", "RISYNOK")
        self.assertEqual(messages(), ["File not found: " + url("1kENG.BMP")])

    def test_a_missing_picture_in_a_folder_named_in_cyrillic(self):
        os.symlink(".", os.path.join(ROOT, "спутник"))
        try:
            self.take_away("2kENG.BMP")
            open_page("Korvel", folder="спутник/")
            self.assertEqual(messages(), [])
            for _ in range(3):
                click("RIS123E", "RISYNOK")
            self.assertEqual(messages(), ["File not found: " + url("спутник/2kENG.BMP")])
        finally:
            os.remove(os.path.join(ROOT, "спутник"))

    def test_a_file_that_is_no_picture(self):
        with open(os.path.join(ROOT, "2kENG.BMP"), "rb") as file:
            real = file.read()
        self.take_away("2kENG.BMP")
        with open(os.path.join(ROOT, "2kENG.BMP"), "wb") as file:
            file.write(b"GIF89a" + real[6:200])
        try:
            open_page("Korvel")
            for _ in range(3):
                click("RIS123E", "RISYNOK")
            self.assertEqual(messages(),
                             ["Not a readable picture: %s (not a Windows bitmap)" % url("2kENG.BMP")])
        finally:
            os.remove(os.path.join(ROOT, "2kENG.BMP"))

    def test_a_missing_title_picture_is_reported_and_the_program_comes_up(self):
        self.take_away("GDS001.BMP")
        open_page("Drevik")
        self.assertEqual(messages(), ["File not found: " + url("GDS001.BMP")])
        close_message()
        self.assertTrue(control("TV", "Gprog").is_displayed())

    def test_a_missing_build_page(self):
        self.take_away("drevik.html")
        open_page("START")
        click("SDREVIK", "Command1")
        self.assertEqual(messages(),
                         ["Cannot start %s: there is no such page" % url("drevik.html")])
        self.assertEqual(len(BROWSER.window_handles), 1)


def accessibility_violations():
    """What axe-core finds against WCAG 2.0 to 2.2, levels A and AA, on the
    page as it stands: each rule broken, with the elements that break it."""
    with open(AXE) as file:
        run(file.read())
    found = BROWSER.execute_async_script("""
        const done = arguments[arguments.length - 1];
        axe.run(document, {runOnly: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa']})
            .then((result) => done(result.violations.map((v) =>
                v.id + ': ' + v.nodes.map((n) => n.target.join(' ')).join(', '))),
                  (failure) => done(['axe failed: ' + failure]));""")
    return found


class Phone(unittest.TestCase):
    def test_axe_finds_nothing_on_any_page(self):
        for build in PAGES:
            with self.subTest(page=build):
                open_page(build)
                self.assertEqual(accessibility_violations(), [])
        with self.subTest(state="the compass drawn"):
            open_page("Korvel", hand_off="180,40\r\n")
            click("TV", "NAPR")
            click("LIN1", "START")
            self.assertEqual(accessibility_violations(), [])
            # Read out as a picture, by the texts drawn on it.
            self.assertEqual(run("""
                const drawing = document.querySelector('#LIN1 canvas');
                return [drawing.getAttribute('role'), drawing.getAttribute('aria-label')];"""),
                ["img", "SOUNT NORTH WEST EAST alfa= 180"])
        with self.subTest(state="a message box open"):
            open_page("Korvel")
            set_text("TV", "Text3", "0")
            set_text("TV", "Text4", "0")
            click("TV", "Gprog")
            self.assertEqual(messages(), ["Division by zero"])
            self.assertEqual(accessibility_violations(), [])

    def check_on_screen(self, build, window, upright):
        """The window lies within the screen's width and the page does not
        scroll sideways; a tap at the middle of each of its buttons and boxes,
        once scrolled to, lands on it; its labels break into the lines they
        have on a desktop, and its canvases have a pixel at least for each of
        the display's. On its side the phone shows the window as a desktop
        does: where it is, at its size."""
        shape = run("""
            const root = document.getElementById(arguments[0]);
            const page = document.documentElement;
            const seen = root.getBoundingClientRect();
            const box = [seen.left + scrollX, seen.top + scrollY, seen.right + scrollX];
            const missed = [];
            for (const made of root.querySelectorAll('button[data-name], input[data-name]')) {
                made.scrollIntoView({block: 'center', inline: 'center'});
                const r = made.getBoundingClientRect();
                const hit = document.elementFromPoint(r.left + r.width / 2, r.top + r.height / 2);
                if (hit !== made) missed.push(made.dataset.name);
            }
            const lines = {};
            for (const label of root.querySelectorAll('.label'))
                lines[label.dataset.name] = [...label.querySelectorAll('.labelline')]
                    .map(line => line.textContent);
            return {box: box, screen: page.clientWidth, page: page.scrollWidth, missed: missed, lines: lines,
                    scaled: root.style.transform !== '',
                    place: [root.offsetLeft, root.offsetTop],
                    canvases: [...root.querySelectorAll('canvas')].map(c =>
                        c.width / (c.getBoundingClientRect().width * devicePixelRatio))};""",
            window)
        left, top, right = shape["box"]
        self.assertGreaterEqual(left, 0, window)
        self.assertGreaterEqual(top, 0, window)
        self.assertLessEqual(right, shape["screen"], window)
        self.assertEqual(shape["page"], shape["screen"], "the page scrolls sideways")
        self.assertEqual(shape["missed"], [], window)
        for label, lines in shape["lines"].items():
            want = [row["lines"] for row in tables()["lines"]
                    if (row["build"], row["window"], row["label"]) == (build, window, label)]
            self.assertEqual(lines, want[0] or [""], label)
        for pixels_per_pixel in shape["canvases"]:
            self.assertGreaterEqual(pixels_per_pixel, 1, window)
        if not upright:
            self.assertFalse(shape["scaled"], window)
            table = next(t for t in tables()["builds"][build] if t["name"] == window)
            if table["position"]:
                self.assertEqual(shape["place"][0], pixels(table["position"][0]), window)

    def test_on_a_phone_every_window_is_on_the_screen(self):
        # Upright, as wide as most phones and as the narrowest in use; on its
        # side, where every window fits as it is.
        for width, height, ratio in ((360, 740, 3), (320, 640, 2), (740, 360, 3)):
            upright = width < height
            with phone(width, height, ratio):
                phone_size = "%dx%d" % (width, height)
                with self.subTest(phone=phone_size, page="Korvel"):
                    open_page("Korvel", hand_off="180,40\r\n")
                    self.check_on_screen("Korvel", "TV", upright)
                    click("TV", "NAPR")
                    click("LIN1", "START")
                    self.check_on_screen("Korvel", "LIN1", upright)
                    click("LIN1", "CMDEXIT")
                    click("TV", "RISYNOK")
                    self.check_on_screen("Korvel", "RIS123E", upright)
                    set_text("TV", "Text3", "0")
                    set_text("TV", "Text4", "0")
                    click("TV", "Gprog")
                    self.assertEqual(messages(), ["Division by zero"])
                    box = run("const r = document.querySelector('.messagebox').getBoundingClientRect();"
                              "return [r.left, r.right, document.documentElement.clientWidth];")
                    self.assertGreaterEqual(box[0], 0)
                    self.assertLessEqual(box[1], box[2])
                with self.subTest(phone=phone_size, page="START"):
                    open_page("START")
                    self.check_on_screen("START", "SDREVIK", upright)

    def test_each_page_fetches_no_more_than_its_share_until_it_has_started(self):
        # KiB of files, as a plain static server sends them, uncompressed:
        # everything a page asks for until its program has started, which
        # is more than it needs for its first window.
        # On a first visit, each file is fetched once.
        limits = {"START": 250, "Korvel": 400, "Drevik": 400}
        for build, limit in limits.items():
            with self.subTest(page=build):
                forget_site()
                open_page(build)
                fetched = run("""return performance.getEntriesByType('navigation')
                    .concat(performance.getEntriesByType('resource'))
                    .reduce((sum, entry) => sum + entry.decodedBodySize, 0)""")
                self.assertLessEqual(fetched, limit * 1024)
                names = run("return performance.getEntriesByType('resource').map(e => e.name)")
                self.assertEqual(sorted(set(n for n in names if names.count(n) > 1)), [])

    def test_the_server_sends_files_compressed_at_build_time_unless_changed_since(self):
        def fetch(name):
            request = urllib.request.Request(url(name), headers={"Accept-Encoding": "gzip"})
            with urllib.request.urlopen(request) as response:
                return response.headers.get("Content-Encoding"), response.headers["Content-Type"], \
                    len(response.read())
        encoding, kind, size = fetch("korvel.wasm")
        self.assertEqual((encoding, kind), ("gzip", "application/wasm"))
        self.assertLess(2 * size, os.path.getsize(os.path.join(ROOT, "korvel.wasm")))
        picture = os.path.join(ROOT, "3k.BMP")
        with open(picture, "rb") as file:
            bytes = file.read()
        try:
            with open(picture, "wb") as file:  # written anew: newer than its copy
                file.write(bytes)
            self.assertEqual(fetch("3k.BMP"), (None, "image/bmp", len(bytes)))
        finally:
            os.utime(picture, (0, 0))

    @chromium_only("installability is what Chromium judges (Page.getInstallabilityErrors)")
    def test_every_page_is_installable(self):
        for build in PAGES:
            with self.subTest(page=build):
                open_page(build)
                errors = BROWSER.execute_cdp_cmd("Page.getInstallabilityErrors", {})
                self.assertEqual(errors["installabilityErrors"], [])
                # What a search engine shows under the title.
                self.assertGreater(len(run("return document.querySelector("
                                           "'meta[name=description]').content")), 40)

    def test_after_one_visit_every_page_works_with_the_server_gone(self):
        open_page("START")
        port = SERVER.server_address[1]
        stop_server()
        try:
            BROWSER.get(url("korvel.html"))
            idle()
            texts = ("35", "27.69", "32", "48.5", "36", "0")
            for box, text in zip(("Text1", "Text2", "Text3", "Text4", "Text5", "Text6"), texts):
                set_text("TV", box, text)
            click("TV", "Gprog")
            self.assertEqual(messages(), [])
            self.assertEqual(stored(), linux_hand_off(texts))
            click("TV", "NAPR")
            click("LIN1", "START")
            self.assertIn("0,255,255", surface("LIN1", [[201, 107, 2]])[0])  # the direction
            click("RIS123E", "RISYNOK")
            self.assertEqual(messages(), [])
            self.assertEqual(
                run("return document.querySelector('#RIS123E [data-name=\"Picture1\"]').dataset.picture"),
                "585x396")
            BROWSER.get(url("drevik.html"))
            idle()
            self.assertEqual(messages(), [])
            BROWSER.get(url("index.html"))
            idle()
            launcher = BROWSER.current_window_handle
            click("SDREVIK", "Command2")
            self.assertEqual(messages(), [])
            opened = wait_for(lambda: [h for h in BROWSER.window_handles if h != launcher],
                              "the build's tab")
            BROWSER.switch_to.window(opened[0])
            idle()
            self.assertTrue(BROWSER.find_element(By.ID, "RIS123E").is_displayed())
        finally:
            start_server(port)


def registration(script):
    """Runs `script` (an async function's body) with the page's worker
    registration as `r`, and gives what it returns."""
    return BROWSER.execute_async_script("""
        const done = arguments[arguments.length - 1];
        navigator.serviceWorker.getRegistration()
            .then(async (r) => { %s })
            .then(done, (failure) => done('failed: ' + failure));""" % script)


def stores():
    return sorted(registration("return caches.keys();"))


class Update(unittest.TestCase):
    """A new version of the site, served while a visitor has the old one
    stored, over a connection that breaks off in one of its files."""
    CHANGED = ("sw.js", "windows.css", "1kENG.BMP")

    def setUp(self):
        self.first = {}
        for name in self.CHANGED:
            with open(os.path.join(ROOT, name), "rb") as file:
                self.first[name] = file.read()

    def tearDown(self):
        Handler.cut = set()
        for name, data in self.first.items():
            with open(os.path.join(ROOT, name), "wb") as file:
                file.write(data)
        forget_site()

    def serve_new_version(self):
        """A second version: another store, a style that says so, and
        another first illustration (the second one's)."""
        worker = self.first["sw.js"].decode()
        store = re.search(r'"(dish-[0-9a-f]+) "', worker).group(1)
        with open(os.path.join(ROOT, "sw.js"), "w") as file:
            file.write(worker.replace(store, store + "-2"))
        with open(os.path.join(ROOT, "windows.css"), "ab") as file:
            file.write(b"\n:root { --version: 2; }\n")
        shutil.copyfile(os.path.join(ROOT, "2kENG.BMP"), os.path.join(ROOT, "1kENG.BMP"))
        return store

    def version(self):
        return run("return getComputedStyle(document.documentElement)"
                   ".getPropertyValue('--version').trim() || '1'")

    def first_illustration(self):
        """The first illustration as the page shows it, by a pixel where the
        two versions' differ: 1 or 2."""
        click("RIS123E", "RISYNOK")
        click("RIS123E", "RISYNOK")
        self.assertEqual(messages(), [])
        seen = run("""return [...document.querySelector('#RIS123E .picture').getContext('2d')
                          .getImageData(arguments[0], arguments[1], 1, 1).data].slice(0, 3).join(',')""",
                   *self.probe)
        versions = {bitmap_pixel(os.path.join(SITE, "1kENG.BMP"), *self.probe): "1",
                    bitmap_pixel(os.path.join(SITE, "2kENG.BMP"), *self.probe): "2"}
        return versions.get(seen, "neither: " + seen)

    def works_offline(self):
        port = SERVER.server_address[1]
        stop_server()
        try:
            BROWSER.get(url("korvel.html"))
            idle()
            self.assertEqual(messages(), [])
            set_text("TV", "Text5", "36")
            click("TV", "Gprog")
            self.assertNotEqual(control("TV", "Text8").get_attribute("value"), "")
            return self.version(), self.first_illustration()
        finally:
            start_server(port)

    def test_an_update_cut_off_midway_leaves_the_old_version_working(self):
        self.probe = next((x, y) for x in range(0, 580, 20) for y in range(0, 390, 20)
                          if bitmap_pixel(os.path.join(SITE, "1kENG.BMP"), x, y)
                          != bitmap_pixel(os.path.join(SITE, "2kENG.BMP"), x, y))
        font = "fonts/" + sorted(os.listdir(os.path.join(SITE, "fonts")))[0]
        for cut in ("korvel.wasm", font, "1kENG.BMP"):
            with self.subTest(cut=cut):
                forget_site()
                open_page("Korvel")
                old = stores()
                self.assertEqual(len(old), 1)
                store = self.serve_new_version()
                Handler.cut = {"/" + cut}
                Handler.requests.clear()
                # The page looks for a new version; its file breaks off.
                registration("await r.update();"
                             "while (r.installing) await new Promise(go => setTimeout(go, 50));")
                self.assertIn("/" + cut, Handler.requests)
                self.assertEqual(registration("return !!r.waiting;"), False)
                self.assertEqual(stores(), old)
                self.assertEqual(self.works_offline(), ("1", "1"))

                # A later visit over a good connection takes the new version;
                # the page that is open meanwhile keeps to the old one's files.
                Handler.cut = set()
                BROWSER.get(url("korvel.html"))
                idle()
                wait_for(lambda: any(s.startswith(store + "-2 ") for s in stores()) and
                         registration("return !r.installing && !r.waiting;"), "the new version")
                self.assertEqual((self.version(), self.first_illustration()), ("1", "1"))
                self.assertEqual(self.works_offline(), ("2", "2"))
                wait_for(lambda: len(stores()) == 1, "the old version's store to go")
                self.assertTrue(stores()[0].startswith(store + "-2 "))
                self.tearDown()


class Launcher(unittest.TestCase):
    def test_each_language_opens_its_build_in_a_new_tab_and_the_launcher_stays(self):
        for button, page, window in (("Command2", "korvel.html", "RIS123E"),
                                     ("Command1", "drevik.html", "RIS123")):
            with self.subTest(page=page):
                open_page("START")
                launcher = BROWSER.current_window_handle
                click("SDREVIK", button)
                self.assertEqual(messages(), [])
                opened = wait_for(lambda: [h for h in BROWSER.window_handles if h != launcher],
                                  "the build's tab")
                self.assertEqual(len(opened), 1)
                BROWSER.switch_to.window(opened[0])
                wait_for(lambda: BROWSER.current_url == url(page), page)
                idle()
                self.assertTrue(BROWSER.find_element(By.ID, window).is_displayed())
                BROWSER.switch_to.window(launcher)
                self.assertTrue(BROWSER.find_element(By.ID, "SDREVIK").is_displayed())

    def test_exit_ends_the_launcher(self):
        open_page("START")
        click("SDREVIK", "Command3")
        self.assertEqual(run("return document.querySelector('.ended').textContent"),
                         "START has ended.")


if __name__ == "__main__":
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    SITE, EXPECTED, AXE = (os.path.abspath(argument) for argument in sys.argv[1:4])
    rest = sys.argv[4:]
    if rest[:1] == ["--engine"] and len(rest) > 1 and rest[1] in ENGINES:
        ENGINE, rest = rest[1], rest[2:]
    unittest.main(argv=sys.argv[:1] + rest, verbosity=2)
