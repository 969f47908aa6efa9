"""Firefox for the site tests, driven as selenium drives any browser.

Debian has no geckodriver, the program that gives Firefox the W3C WebDriver
HTTP interface. Firefox itself speaks Marionette (started with --marionette),
whose commands are the WebDriver commands by another name, one JSON message
at a time over a local socket; `start()` runs Firefox headless with a
profile of its own and serves the WebDriver HTTP interface on 127.0.0.1 by
passing each request on as its Marionette command. Selenium's Remote driver
then drives it as it drives Chromium and WebKit.
"""

import http.server
import json
import os
import re
import socket
import subprocess
import tempfile
import threading
import time

# The WebDriver requests the site tests make, as Marionette commands: the
# method, the path after /session/ID, the command, and which parts of the
# path name its parameters.
ROUTES = [
    ("POST", r"/url", "WebDriver:Navigate", ()),
    ("GET", r"/url", "WebDriver:GetCurrentURL", ()),
    ("POST", r"/execute/sync", "WebDriver:ExecuteScript", ()),
    ("POST", r"/execute/async", "WebDriver:ExecuteAsyncScript", ()),
    ("POST", r"/element", "WebDriver:FindElement", ()),
    ("POST", r"/elements", "WebDriver:FindElements", ()),
    ("GET", r"/element/active", "WebDriver:GetActiveElement", ()),
    ("POST", r"/element/([^/]+)/element", "WebDriver:FindElement", ("element",)),
    ("POST", r"/element/([^/]+)/elements", "WebDriver:FindElements", ("element",)),
    ("POST", r"/element/([^/]+)/click", "WebDriver:ElementClick", ("id",)),
    ("POST", r"/element/([^/]+)/value", "WebDriver:ElementSendKeys", ("id",)),
    ("POST", r"/element/([^/]+)/clear", "WebDriver:ElementClear", ("id",)),
    ("GET", r"/element/([^/]+)/attribute/([^/]+)", "WebDriver:GetElementAttribute", ("id", "name")),
    ("GET", r"/element/([^/]+)/property/([^/]+)", "WebDriver:GetElementProperty", ("id", "name")),
    ("GET", r"/element/([^/]+)/rect", "WebDriver:GetElementRect", ("id",)),
    ("GET", r"/element/([^/]+)/displayed", "WebDriver:IsElementDisplayed", ("id",)),
    ("GET", r"/element/([^/]+)/screenshot", "WebDriver:TakeScreenshot", ("id",)),
    ("POST", r"/actions", "WebDriver:PerformActions", ()),
    ("DELETE", r"/actions", "WebDriver:ReleaseActions", ()),
    ("GET", r"/window", "WebDriver:GetWindowHandle", ()),
    ("GET", r"/window/handles", "WebDriver:GetWindowHandles", ()),
    ("POST", r"/window", "WebDriver:SwitchToWindow", ()),
    ("DELETE", r"/window", "WebDriver:CloseWindow", ()),
    ("GET", r"/window/rect", "WebDriver:GetWindowRect", ()),
    ("POST", r"/window/rect", "WebDriver:SetWindowRect", ()),
    ("POST", r"/frame", "WebDriver:SwitchToFrame", ()),
    ("POST", r"/frame/parent", "WebDriver:SwitchToParentFrame", ()),
    ("POST", r"/timeouts", "WebDriver:SetTimeouts", ()),
    ("GET", r"/screenshot", "WebDriver:TakeScreenshot", ()),
    ("GET", r"/title", "WebDriver:GetTitle", ()),
]

# Firefox at rest: nothing of its own fetched from outside this machine,
# and a window opened by a page's click not held back.
PREFERENCES = {
    "browser.shell.checkDefaultBrowser": False,
    "browser.startup.homepage_override.mstone": "ignore",
    "datareporting.policy.dataSubmissionEnabled": False,
    "toolkit.telemetry.reportingpolicy.firstRun": False,
    "app.update.disabledForTesting": True,
    "network.captive-portal-service.enabled": False,
    "network.connectivity-service.enabled": False,
    "dom.disable_open_during_load": False,
}


class Marionette:
    """One Firefox and its Marionette connection: one command at a time."""

    def __init__(self, executable):
        self.profile = tempfile.mkdtemp(prefix="firefox-")
        with socket.socket() as probe:
            probe.bind(("127.0.0.1", 0))
            port = probe.getsockname()[1]
        with open(os.path.join(self.profile, "user.js"), "w") as file:
            for name, value in {**PREFERENCES, "marionette.port": port}.items():
                file.write("user_pref(%s, %s);\n" % (json.dumps(name), json.dumps(value)))
        self.log = open(os.path.join(self.profile, "firefox.log"), "wb")
        self.process = subprocess.Popen(
            [executable, "--marionette", "--headless", "--no-remote", "--profile", self.profile],
            stdin=subprocess.DEVNULL, stdout=self.log, stderr=subprocess.STDOUT,
            env={**os.environ, "MOZ_HEADLESS": "1"})
        self.lock = threading.Lock()
        self.sent = 0
        deadline = time.monotonic() + 60
        while True:
            if self.process.poll() is not None:
                raise RuntimeError("Firefox ended at its start; see " + self.log.name)
            try:
                self.connection = socket.create_connection(("127.0.0.1", port), timeout=1)
                break
            except OSError:
                if time.monotonic() > deadline:
                    raise RuntimeError("Firefox's Marionette did not answer on port %d" % port)
                time.sleep(0.2)
        self.connection.settimeout(None)
        self.receive()  # its greeting

    def receive(self):
        length = b""
        while not length.endswith(b":"):
            byte = self.connection.recv(1)
            if not byte:
                raise RuntimeError("Firefox closed its Marionette connection")
            length += byte
        data = b""
        while len(data) < int(length[:-1]):
            part = self.connection.recv(int(length[:-1]) - len(data))
            if not part:
                raise RuntimeError("Firefox closed its Marionette connection")
            data += part
        return json.loads(data)

    def command(self, name, parameters):
        """The command's result, or (None, error) with WebDriver's error."""
        with self.lock:
            self.sent += 1
            data = json.dumps([0, self.sent, name, parameters]).encode()
            self.connection.sendall(str(len(data)).encode() + b":" + data)
            while True:
                answer = self.receive()
                if answer[0] == 1 and answer[1] == self.sent:
                    return answer[3], answer[2]

    def end(self):
        try:
            self.command("Marionette:Quit", {})
        except (OSError, RuntimeError):
            pass
        try:
            self.process.wait(timeout=20)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()
        self.log.close()
        subprocess.run(["rm", "-rf", self.profile], check=False)


def start(executable="/usr/bin/firefox-esr"):
    """Serves WebDriver for a new Firefox; gives its address and a function
    that ends both."""
    browser = Marionette(executable)

    class Relay(http.server.BaseHTTPRequestHandler):
        protocol_version = "HTTP/1.1"

        def log_message(self, format, *arguments):
            pass

        def answer(self, status, value):
            body = json.dumps({"value": value}).encode()
            self.send_response(status)
            self.send_header("Content-Type", "application/json; charset=utf-8")
            self.send_header("Content-Length", str(len(body)))
            self.end_headers()
            self.wfile.write(body)

        def handle_any(self, method):
            length = int(self.headers.get("Content-Length") or 0)
            parameters = json.loads(self.rfile.read(length) or b"{}") if length else {}
            path = self.path.split("?")[0]
            if method == "POST" and path == "/session":
                result, error = browser.command("WebDriver:NewSession", {"capabilities": {
                    "alwaysMatch": {"acceptInsecureCerts": True, "pageLoadStrategy": "normal"}}})
            elif method == "DELETE" and re.fullmatch(r"/session/[^/]+", path):
                result, error = None, None
            else:
                found = re.fullmatch(r"/session/[^/]+(/.*)", path)
                route = found and next(((command, names, match) for verb, pattern, command, names
                                        in ROUTES if verb == method
                                        for match in [re.fullmatch(pattern, found.group(1))]
                                        if match), None)
                if not route:
                    self.answer(404, {"error": "unknown command", "message": method + " " + path,
                                      "stacktrace": ""})
                    return
                command, names, match = route
                parameters.update(zip(names, match.groups()))
                result, error = browser.command(command, parameters)
            if error:
                self.answer(404 if error.get("error") == "no such element" else 500, error)
                return
            # Marionette gives some results as {"value": ...}, WebDriver all.
            if isinstance(result, dict) and list(result) == ["value"]:
                result = result["value"]
            self.answer(200, result)

        def do_GET(self):
            self.handle_any("GET")

        def do_POST(self):
            self.handle_any("POST")

        def do_DELETE(self):
            self.handle_any("DELETE")

    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Relay)
    threading.Thread(target=server.serve_forever, daemon=True).start()

    def end():
        server.shutdown()
        server.server_close()
        browser.end()

    return "http://127.0.0.1:%d" % server.server_address[1], end
