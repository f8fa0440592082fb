#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# The page in the engines beside Chromium, held against the native snapshot tool as page_test.py
# holds it there: WebKit (every iPad's browser), Debian's MiniBrowser through WebKitWebDriver on
# a private Xvfb, and Firefox ESR through firefox.mjs. Mouse clicks on the page's own controls
# give the tool's JSON, the canvas shows its bench, a resize replays the clicks, "おわり" ends the
# program, dragging the candle gives the arrow clicks, and the notebook is read at start; in
# WebKit, the hosted folder opens with no network after one visit. One browser serves an
# engine's tests.
# Run: engines_test.py [InWebKit | InFirefox ...]; KORRU_PAGE and KORRU_SNAPSHOT as for
# page_test.py, whose checks these reuse.
import atexit
import base64
import ctypes
import glob
import json
import os
import select
import shutil
import signal
import socket
import subprocess
import sys
import tempfile
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
import page_test  # noqa: E402
from page_test import image_case, native, png_image  # noqa: E402
from selenium import webdriver  # noqa: E402
from selenium.webdriver.common.action_chains import ActionBuilder  # noqa: E402
from selenium.webdriver.common.by import By  # noqa: E402
from selenium.webdriver.common.utils import free_port  # noqa: E402
from selenium.webdriver.webkitgtk.options import Options  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
DEADLINE = 60  # seconds for anything a loaded machine may be slow at

# Every process these tests start dies with them: each one started here when this process dies,
# and what they started in turn (a browser's own processes, which may have left their parents)
# when the tests end, however they end; then their temporary folders go.
libc = ctypes.CDLL(None, use_errno=True)
PR_SET_PDEATHSIG, PR_SET_CHILD_SUBREAPER = 1, 36
libc.prctl(PR_SET_CHILD_SUBREAPER, 1)
TEMPORARY = []


def dies_with_us(sig):
    return lambda: libc.prctl(PR_SET_PDEATHSIG, sig)


@atexit.register
def end_what_we_started():
    parents = {}
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open("/proc/%s/stat" % pid) as f:
                parents[int(pid)] = int(f.read().rsplit(")", 1)[1].split()[1])
        except (OSError, IndexError):
            pass
    ours = {os.getpid()}
    while more := {p for p, parent in parents.items() if parent in ours} - ours:
        ours |= more
    for pid in ours - {os.getpid()}:
        try:
            os.kill(pid, signal.SIGKILL)
        except ProcessLookupError:
            pass
    try:
        while True:
            os.wait()
    except ChildProcessError:
        pass
    for folder in TEMPORARY:
        shutil.rmtree(folder, ignore_errors=True)


def terminated(signum, _):
    end_what_we_started()
    os._exit(128 + signum)


signal.signal(signal.SIGTERM, terminated)


def wait_until(condition, what):
    end = time.monotonic() + DEADLINE
    while not condition():
        if time.monotonic() > end:
            raise AssertionError("never came to pass: " + what)
        time.sleep(0.05)


class Browser:
    """What the tests ask of an engine. Each engine below gives js(script, *args), a function
    body with `arguments` as WebDriver's Execute Script runs it, and goto(url), resize(width,
    height), click(item name), drag(points in CSS pixels of the viewport) and quit()."""

    def load(self):
        self.goto("file://" + os.path.abspath(page_test.PAGE))
        self.wait_for("return !!(window.korru || !document.getElementById('ended').hidden)")

    def wait_for(self, script):
        wait_until(lambda: self.js(script), script)

    def snapshot(self):
        return self.js("return korru.snapshot()")

    def viewport(self):
        """The screen the page started its window on, in pixels: the one the page chose for
        the viewport, with the lesson's bar beside or below the window."""
        screen = json.loads(self.snapshot())["screen"]
        return screen["width"] // 15, screen["height"] // 15

    screen = viewport

    def window_inside(self):
        """Whether the window and the lesson's bar stand inside the viewport, side by side."""
        return self.js("""
            const r = document.documentElement, inside = e => {
              const b = e.getBoundingClientRect();
              return b.left >= 0 && b.top >= 0 && b.right <= r.clientWidth + 0.5 &&
                     b.bottom <= r.clientHeight + 0.5; };
            const c = document.getElementById('client').getBoundingClientRect();
            const l = document.getElementById('lesson').getBoundingClientRect();
            const apart = l.left >= c.right || l.top >= c.bottom;
            return inside(document.getElementById('client')) &&
                   inside(document.getElementById('lesson')) && apart;""")

    def client(self):
        return tuple(self.js("const r = document.documentElement;"
                             "return [r.clientWidth, r.clientHeight]"))

    def on_bench(self, twips_x, twips_y):
        """A point of the bench, in twips, as a point of the viewport in CSS pixels."""
        x, y = self.js("""const c = document.querySelector('canvas');
            const r = c.getBoundingClientRect(), s = getComputedStyle(c);
            return [r.left + c.clientLeft + parseFloat(s.paddingLeft),
                    r.top + c.clientTop + parseFloat(s.paddingTop)];""")
        return x + twips_x / 15, y + twips_y / 15


def japanese_locale():
    """A folder of locales with ja_JP.UTF-8, made once: WebKit takes the page's language from
    the locale, and the snapshot tool's pictures are Japanese."""
    folder = os.path.join(tempfile.gettempdir(), "korru-locales")
    if not os.path.isdir(folder):
        making = tempfile.mkdtemp(prefix="korru-locales-")
        subprocess.run(["localedef", "-i", "ja_JP", "-f", "UTF-8", making + "/ja_JP.UTF-8"],
                       check=True, timeout=DEADLINE)
        try:
            os.rename(making, folder)
        except OSError:  # another run made it first
            shutil.rmtree(making)
    return folder


class WebKitBrowser(Browser):
    """MiniBrowser, the WebKitGTK browser that comes with the engine, on its own Xvfb."""

    def __init__(self, size):
        # Xvfb names the display it took once it is ready for clients.
        read, write = os.pipe()
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write), "-screen", "0", "2880x1800x24", "-nolisten", "tcp"],
            pass_fds=[write], stderr=subprocess.DEVNULL, preexec_fn=dies_with_us(signal.SIGKILL))
        os.close(write)
        with os.fdopen(read) as f:
            display = f.readline().strip()
        if not display:
            raise AssertionError("Xvfb did not start")
        env = dict(os.environ, DISPLAY=":" + display, LOCPATH=japanese_locale(),
                   LC_ALL="ja_JP.UTF-8")
        port = free_port()
        self.server = subprocess.Popen(["WebKitWebDriver", "--port=%d" % port], env=env,
                                       preexec_fn=dies_with_us(signal.SIGKILL))

        def listening():
            with socket.socket() as s:
                return s.connect_ex(("127.0.0.1", port)) == 0

        wait_until(listening, "WebKitWebDriver listening")
        o = Options()
        o.binary_location = os.environ.get("KORRU_MINIBROWSER") or \
            glob.glob("/usr/lib/*/webkit2gtk-4.1/MiniBrowser")[0]
        o.add_argument("--automation")
        self.driver = webdriver.Remote("http://127.0.0.1:%d" % port, options=o)
        self.driver.set_script_timeout(DEADLINE)
        self.resize(*size)

    def js(self, script, *args):
        return self.driver.execute_script(script, *args)

    def goto(self, url):
        self.driver.get(url)

    def resize(self, width, height):
        self.driver.set_window_size(width, height)

    def click(self, name):
        self.press('[data-item="%s"]' % name)

    def press(self, selector):
        self.driver.find_element(By.CSS_SELECTOR, selector).click()

    def key(self, key):
        self.driver.switch_to.active_element.send_keys(key)

    def drag(self, points):
        actions = ActionBuilder(self.driver)
        (x, y), *moves = points
        actions.pointer_action.move_to_location(x, y).pointer_down()
        for x, y in moves:
            actions.pointer_action.move_to_location(x, y)
        actions.pointer_action.pointer_up()
        actions.perform()

    def quit(self):
        try:
            self.driver.quit()
        finally:
            for p in (self.server, self.xvfb):
                p.kill()
                p.wait()


class FirefoxBrowser(Browser):
    """Firefox ESR, headless, through firefox.mjs (puppeteer-core over WebDriver BiDi)."""

    def __init__(self, size):
        if not os.path.isdir(os.path.join(HERE, "..", "node_modules", "puppeteer-core")):
            raise AssertionError("puppeteer-core is not installed: scripts/deps.sh --test")
        # Its profile goes in a folder of ours; on an interrupt the driver kills the browser.
        TEMPORARY.append(tempfile.mkdtemp(prefix="korru-firefox-"))
        self.node = subprocess.Popen(["node", os.path.join(HERE, "firefox.mjs")], text=True,
                                     stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                     env=dict(os.environ, TMPDIR=TEMPORARY[-1]),
                                     preexec_fn=dies_with_us(signal.SIGINT))
        self.call()  # the browser's version, once it is up
        self.resize(*size)

    def call(self, *request):
        if request:
            self.node.stdin.write(json.dumps(request) + "\n")
            self.node.stdin.flush()
        if not select.select([self.node.stdout], [], [], DEADLINE)[0]:
            raise AssertionError("Firefox never answered %s" % (request,))
        line = self.node.stdout.readline()
        if not line:
            raise AssertionError("Firefox's driver ended (status %s)" % self.node.wait())
        reply = json.loads(line)
        if "error" in reply:
            raise AssertionError("Firefox: %s: %s" % (request[0], reply["error"]))
        return reply["ok"]

    def js(self, script, *args):
        return self.call("js", [script, list(args)])

    def goto(self, url):
        self.call("goto", url)

    def resize(self, width, height):
        self.call("viewport", [width, height])

    def click(self, name):
        self.press('[data-item="%s"]' % name)

    def press(self, selector):
        self.call("click", selector)

    def key(self, key):
        self.call("key", key)

    def drag(self, points):
        (x, y), *moves = points
        self.call("mouse", [["move", x, y], ["down"]] + [["move", x, y] for x, y in moves] + [["up"]])

    def quit(self):
        self.node.stdin.close()
        try:
            self.node.wait(DEADLINE)
        except subprocess.TimeoutExpired:
            self.node.send_signal(signal.SIGINT)
            self.node.wait()


# Through the real, no-image and virtual cases (checked on the way) and every toggle: with the
# longer focal length and the larger step the candle reaches the focal point in 20 steps.
LESSON = (["kosen", "syoten", "hogan", "sukurin", "sukurin", "real", "smove(0)", "fmove(0)"]
          + ["mr"] * 20 + ["none", "mr", "virtual", "mu", "md", "md", "fmove(1)", "real",
                           "smove(1)", "ml", "kosen", "hogan"])


class EngineTest:
    """The tests, for a TestCase that names its engine's Browser; a window of `size`, where the
    page needs no scaling."""
    size = (1024, 768)

    @classmethod
    def setUpClass(cls):
        cls.b = cls.browser(cls.size)
        cls.addClassCleanup(cls.b.quit)

    def setUp(self):
        self.b.resize(*self.size)
        self.b.load()

    def assertSameAsNative(self, clicks, where=""):
        # A driver may answer before the page has handled the input it sent.
        status, out, err = native(self.b.viewport(), clicks, "--json", "-")
        self.assertEqual(status, 0, err)
        try:
            wait_until(lambda: self.b.snapshot() == out.decode(), "the tool's JSON")
        except AssertionError:
            pass  # the check below says how it differs
        return super().assertSameAsNative(clicks, where)

    def test_a_lesson_of_clicks_gives_the_tools_json(self):
        clicks = []
        for name in LESSON:
            if name not in ("real", "none", "virtual"):
                self.b.click(name)
                clicks.append(name)
                continue
            where = "after %d clicks" % len(clicks)
            snap = self.assertSameAsNative(clicks, where)
            self.assertEqual(image_case(snap), name, where)
            # What the pupil sees in the controls is the model's state.
            checked = self.b.js("return [...document.querySelectorAll('input[data-item]')]"
                                ".map(e => [e.dataset.item, e.checked])")
            self.assertEqual(dict(checked), {n: p["value"] in (1, True) for n, p in
                                             snap["items"].items()
                                             if p["kind"] in ("checkbox", "option")}, where)
        self.assertSameAsNative(clicks, "at the end")

    def test_the_canvas_shows_the_desktops_bench(self):
        for c in self.clicks:
            self.b.click(c)
        items = self.assertSameAsNative(self.clicks)["items"]
        data = self.b.js("return document.querySelector('canvas').toDataURL('image/png')")
        page = png_image(base64.b64decode(data.split(",", 1)[1]))
        self.assertLooksLikeTheDesktopsBench(page, self.clicks, items)

    def test_a_walk_of_clicks_paints_as_a_new_page(self):
        # A bench of some 3 million pixels, which is painted in parts.
        self.b.resize(2560, 1600)
        self.b.load()
        page_test.assertPaintedAsANewPage(self, self.b, self.b.goto, seed=26, checks=2,
                                          within=self.walk_within)
        self.b.load()
        page_test.assertPaintedAsANewPage(self, self.b, self.b.goto, seed=9, checks=2,
                                          within=self.walk_within, experiment=True)

    def test_a_resize_replays_the_clicks(self):
        clicks = ["fmove(0)", "ml", "ml", "mu", "hogan", "kosen"]
        for c in clicks:
            self.b.click(c)
        before = self.assertSameAsNative(clicks, "before")
        self.assertTrue(self.b.window_inside())
        self.b.resize(1366, 900)
        self.b.wait_for("return JSON.parse(korru.snapshot()).screen.width !== %r"
                        % before["screen"]["width"])
        self.assertTrue(self.b.window_inside())
        self.assertSameAsNative(clicks, "after the resize")
        self.b.click("md")
        self.assertSameAsNative(clicks + ["md"], "a click after the resize")

    def test_the_end_button_ends_the_program(self):
        self.b.click("ml")
        self.b.click("owari")
        self.b.wait_for("const e = document.getElementById('ended');"
                        "return !e.hidden && e.getClientRects().length > 0")
        self.assertIn("おわりました", self.b.js("return document.getElementById('ended').textContent"))
        disabled = self.b.js("return [...document.querySelectorAll("
                             "'button[data-item], input[data-item]')].map(e => e.disabled)")
        self.assertTrue(disabled and all(disabled), disabled)
        self.assertSameAsNative(["ml"])

    def test_the_notebook_is_read_at_start(self):
        # Once the first frame is shown, with no key pressed: in WebKit, which has no idle
        # callbacks, too.
        self.b.wait_for("return !!document.getElementById('notebook')")

    def test_dragging_the_candle_gives_the_arrow_clicks(self):
        snap = json.loads(self.b.snapshot())
        candle, step = snap["items"]["source"], snap["state"]["step"]
        x, y = self.b.on_bench(candle["left"] + candle["width"] / 2,
                               candle["top"] + candle["height"] / 2)
        right, up = 3 * step / 15, 2 * step / 15
        # Across the bench first, then up, in a few moves as a hand makes them.
        self.b.drag([(round(x + dx), round(y - dy)) for dx, dy in
                     [(0, 0), (right / 2, 0), (right, 0), (right, up / 2), (right, up)]])
        self.assertSameAsNative(["mr"] * 3 + ["mu"] * 2, "after the drag")

    def test_the_lesson_bar_the_notebook_beside_the_bench_and_the_experiment(self):
        # Predict, then the answer, then a record, each a button of the bar.
        steps = ["predict"]
        for action in ("predict", "show_answer", "record", "open_notebook"):
            self.b.press(page_test.bar(action))
        self.b.wait_for("return !document.getElementById('notebook').hidden && "
                        "document.querySelectorAll('#notebook .body [role=row]').length === 1")
        # Beside the bench, never over it: the element at each point of the bench is the bench.
        self.assertEqual(page_test.bench_covered(self.b), [])
        self.assertTrue(self.b.window_inside())
        # Escape closes it.
        self.b.key("\ue00c")
        self.b.wait_for("return document.getElementById('notebook').hidden")
        # The experiment by the bar's buttons and by keys: the snapshot tool's steps.
        self.b.press(page_test.bar("leave"))
        steps.append("predict")
        for action in ("experiment", "screen_l", "screen_l", "cover_lower", "screen_r"):
            self.b.press(page_test.bar(action))
            steps.append(action)
        self.b.key(",")
        steps.append("screen_l")
        snap = self.assertSameAsNative(steps, "the experiment")
        self.assertEqual(snap["lesson"]["open"], 0.5)


class InWebKit(EngineTest, page_test.BenchPictures):
    # WebKit smooths the first pixel of a line that starts at the canvas's edge a few levels
    # apart under another clip.
    walk_within = 8
    browser = WebKitBrowser

    def test_the_hosted_folder_opens_offline_after_one_visit(self):
        # As on an iPad: visited once, then opened with no network; a new build taken online.
        page_test.hosted_folder_offline(self, self.b.goto, self.b.js, self.b.wait_for)


class InFirefox(EngineTest, page_test.BenchPictures):
    walk_within = 1
    browser = FirefoxBrowser


if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0], "-v", *sys.argv[1:]])
