#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# The page in a real browser (headless Chromium through Selenium), held against the native
# snapshot tool: the same clicks on the page's own controls give the same JSON, the canvas
# shows the desktop's bench, and a resize, the end button, a run-time error and an offline
# file:// start behave as a pupil and a teacher expect.
# Run: page_test.py [TestClass ...]; KORRU_PAGE and KORRU_SNAPSHOT name the page and the tool.
import base64
import io
import json
import os
import shutil
import subprocess
import sys
import tempfile
import time
import unittest

from PIL import Image
from selenium import webdriver
from selenium.common.exceptions import JavascriptException
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.common.action_chains import ActionChains

PAGE = os.environ["KORRU_PAGE"]
SNAPSHOT = os.environ["KORRU_SNAPSHOT"]


def px(twips):
    """Twips to the nearest whole pixel, as the desktop and the page round."""
    return int((twips / 15 + 0.5) // 1)


def px_rect(item):
    left, top = px(item["left"]), px(item["top"])
    return (left, top, px(item["left"] + item["width"]) - left, px(item["top"] + item["height"]) - top)


def native(screen, clicks, *outputs):
    """korru-snapshot for a screen (w, h) and clicks: (exit status, stdout, stderr)."""
    args = [SNAPSHOT, "--screen", "%dx%d" % screen, *outputs, *clicks]
    run = subprocess.run(args, capture_output=True, timeout=60)
    return run.returncode, run.stdout, run.stderr.decode()


class Browser:
    """One headless Chromium with a fresh profile and the page loaded."""

    def __init__(self, window=(1024, 768), ratio=1, offline=False):
        self.profile = tempfile.mkdtemp(prefix="korru-chromium-")
        o = webdriver.ChromeOptions()
        for arg in ["--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run",
                    "--disable-background-networking", "--disable-component-update",
                    "--disable-sync", "--hide-scrollbars", "--force-color-profile=srgb",
                    "--user-data-dir=" + self.profile, "--window-size=%d,%d" % window,
                    "--force-device-scale-factor=%g" % ratio]:
            o.add_argument(arg)
        o.set_capability("goog:loggingPrefs", {"performance": "ALL", "browser": "ALL"})
        self.driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=o)
        if offline:
            self.driver.set_network_conditions(offline=True, latency=0, download_throughput=0,
                                               upload_throughput=0)

    def load(self):
        self.driver.get("file://" + os.path.abspath(PAGE))
        self.wait_for("return !!(window.korru || !document.getElementById('ended').hidden)")
        return self

    def js(self, script, *args):
        return self.driver.execute_script(script, *args)

    def wait_for(self, script, timeout=10):
        end = time.monotonic() + timeout
        while not self.js(script):
            if time.monotonic() > end:
                raise AssertionError("the page never came to: " + script)
            time.sleep(0.02)

    def viewport(self):
        return tuple(self.js("const r = document.documentElement;"
                             "return [r.clientWidth, r.clientHeight]"))

    def item(self, name):
        return self.driver.find_element(By.CSS_SELECTOR, '[data-item="%s"]' % name)

    def snapshot(self):
        return self.js("return korru.snapshot()")

    def quit(self):
        self.driver.quit()
        shutil.rmtree(self.profile, ignore_errors=True)


class PageTest(unittest.TestCase):
    window, ratio = (1024, 768), 1

    def setUp(self):
        self.b = Browser(self.window, self.ratio).load()
        self.addCleanup(self.b.quit)

    def assertSameAsNative(self, clicks, where=""):
        status, out, err = native(self.b.viewport(), clicks, "--json", "-")
        self.assertEqual(status, 0, err)
        page = self.b.snapshot()
        if page != out.decode():
            ours, theirs = json.loads(page), json.loads(out)
            diff = [k for k in theirs["items"] if ours["items"].get(k) != theirs["items"][k]]
            self.fail("%s: the page's JSON differs from korru-snapshot's: state %s / %s, items %s"
                      % (where, ours["state"], theirs["state"], diff[:8]))
        return json.loads(page)


# Every click kind, every toggle and both options of each pair, by mouse, Space and Enter,
# through the real, no-image and virtual cases (checked on the way).
SEQUENCE = (
    [("kosen", "mouse"), ("syoten", "mouse"), ("hogan", "mouse"), ("sukurin", "mouse"),
     ("sukurin", "space"), ("check", "real"), ("smove(0)", "mouse")]
    + [("mr", "mouse" if i % 2 else "enter") for i in range(24)]
    + [("check", "none"), ("mr", "space"), ("check", "virtual")]
    + [("mu", "mouse"), ("mu", "mouse"), ("md", "enter"), ("md", "enter"), ("md", "enter"),
       ("fmove(0)", "enter")]
    + [("ml", "space")] * 10
    + [("check", "real"), ("smove(1)", "space"), ("fmove(1)", "mouse"), ("kosen", "enter"),
       ("hogan", "space"), ("ml", "mouse"), ("ml", "mouse"), ("ml", "mouse")])


def image_case(snapshot):
    items = snapshot["items"]
    if items["image1"]["visible"]:
        return "real"
    return "virtual" if items["image2"]["visible"] else "none"


class ClicksGiveTheToolsJson(PageTest):
    def run_sequence(self):
        clicks = []
        for name, how in SEQUENCE:
            if name == "check":
                snap = self.assertSameAsNative(clicks, "after %d clicks" % len(clicks))
                self.assertEqual(image_case(snap), how, "after %d clicks" % len(clicks))
                # What the pupil sees in the controls is the model's state.
                for item, props in snap["items"].items():
                    if props["kind"] in ("checkbox", "option"):
                        self.assertEqual(self.b.item(item).is_selected(), props["value"] in (1, True),
                                         item)
                continue
            el = self.b.item(name)
            if how == "mouse":
                el.click()
            else:
                el.send_keys(Keys.SPACE if how == "space" else Keys.ENTER)
            clicks.append(name)
        self.assertGreaterEqual(len(clicks), 50)
        return self.assertSameAsNative(clicks, "at the end")

    def test_a_lesson_of_clicks_by_mouse_and_keyboard(self):
        snap = self.run_sequence()
        # Every item stands where the desktop puts it, relative to the window's client area.
        boxes = self.b.js("""
            const client = document.getElementById('client').getBoundingClientRect();
            const out = {};
            for (const el of document.querySelectorAll('[data-item]')) {
              const box = el.closest('label') || el;
              const r = box.getBoundingClientRect();
              const panel = box.parentElement.closest('[data-item]');
              out[el.dataset.item] = [r.left - client.left, r.top - client.top, r.width, r.height,
                                      panel && panel.dataset.item];
            }
            out.client = [client.left, client.top, client.right, client.bottom];
            return out;""")
        items = snap["items"]
        self.assertEqual(len(boxes) - 1, 21)  # every item that is not painted on the bench
        for name, got in boxes.items():
            if name == "client":
                continue
            *rect, panel = got
            x, y, w, h = px_rect(items[name])
            if panel:
                cx, cy, _, _ = px_rect(items[panel])
                x, y = x + cx, y + cy
            self.assertEqual([round(v) for v in rect], [x, y, w, h], name)
        left, top, right, bottom = boxes["client"]
        vw, vh = self.b.viewport()
        self.assertTrue(0 <= left and 0 <= top and right <= vw and bottom <= vh, boxes["client"])


class ClicksGiveTheToolsJsonOnAWideScreen(ClicksGiveTheToolsJson):
    window = (1920, 1080)


class Keyboard(PageTest):
    def test_tab_follows_the_desktops_order_and_shows_the_focus(self):
        order = ["ml", "mr", "mu", "md", "work", "owari", "smove(0)", "smove(1)", "hogan",
                 "fmove(0)", "fmove(1)", "syoten", "kosen", "sukurin"]
        seen = []
        for i in range(len(order)):
            if i:
                ActionChains(self.b.driver).send_keys(Keys.TAB).perform()
            name, outline = self.b.js("""
                const el = document.activeElement;
                const s = getComputedStyle(el);
                return [el.dataset.item, s.outlineStyle !== 'none' && parseFloat(s.outlineWidth) >= 1];""")
            seen.append(name)
            self.assertTrue(outline, "no focus shown on %s" % name)
        self.assertEqual(seen, order)
        self.assertSameAsNative([])  # moving the focus clicks nothing


class CanvasShowsTheDesktopsBench(PageTest):
    clicks = ["kosen", "syoten", "hogan", "mu"]  # the candle off the axis, so no ray lies on it

    def canvas(self):
        data = self.b.js("return document.querySelector('canvas').toDataURL('image/png')")
        return Image.open(io.BytesIO(base64.b64decode(data.split(",", 1)[1]))).convert("RGB")

    def test_the_bench_matches_the_snapshot_tools_picture(self):
        for c in self.clicks:
            self.b.item(c).click()
        snap = self.assertSameAsNative(self.clicks)
        items = snap["items"]
        status, png, err = native(self.b.viewport(), self.clicks, "--png", "-")
        self.assertEqual(status, 0, err)
        # The desktop's bench surface lies inside its 2-pixel sunken frame.
        wx, wy, ww, wh = px_rect(items["work"])
        desk = Image.open(io.BytesIO(png)).convert("RGB").crop((wx + 2, wy + 2, wx + ww - 2, wy + wh - 2))
        page = self.canvas()
        self.assertEqual(page.size, desk.size)

        def at(x, y):
            return page.getpixel((x, y)), desk.getpixel((x, y))

        axis_y = px(items["yoko"]["y1"])
        lens = px_rect(items["korru"])
        card = px_rect(items["scrn"])
        source = px_rect(items["source"])
        # Low on the left, between two upright grid lines, where no ray passes.
        grid_y = px(items["LYD(6)"]["y1"])
        grid_x = (px(items["LXL(18)"]["x1"]) + px(items["LXL(17)"]["x1"])) // 2
        expected = {
            "axis": ((grid_x, axis_y), (255, 255, 255)),
            # Left of the lens's centre line and below the axis: the rays come from above.
            "lens fill": ((lens[0] + lens[2] // 4, lens[1] + 3 * lens[3] // 4), (0xC0, 0xFF, 0xFF)),
            # The candle's row 5 is flame red from its third column to its sixth.
            "flame": ((source[0] + 5 * source[2] // 16, source[1] + 11 * source[3] // 78),
                      (255, 0, 0)),
            "screen card": ((card[0] + card[2] // 4, card[1] + 3 * card[3] // 4), (0xE0, 0xE0, 0xE0)),
            "grid line": ((grid_x, grid_y), (0xC0, 0xC0, 0xC0)),
            "beside the grid line": ((grid_x, grid_y + 1), (0x40, 0x40, 0x40)),
        }
        for what, (xy, colour) in expected.items():
            self.assertEqual(at(*xy), (colour, colour), "%s at %s" % (what, xy))

        # Few pixels differ beyond the text and the slanting lines, which each browser smooths.
        mask = Image.new("1", page.size, 0)
        for name, props in items.items():
            if not props.get("visible", True):
                continue
            if props["kind"] == "label" and name not in ("title", "ver", "cr"):
                x, y, w, h = px_rect(props)
                mask.paste(1, (x - 1, y - 1, x + w + 1, y + h + 1))
            if props["kind"] == "line" and props["x1"] != props["x2"] and props["y1"] != props["y2"]:
                for t in range(0, 1001):
                    x = px(props["x1"] + (props["x2"] - props["x1"]) * t / 1000)
                    y = px(props["y1"] + (props["y2"] - props["y1"]) * t / 1000)
                    mask.paste(1, (x - 2, y - 2, x + 3, y + 3))
        differ = sum(1 for x in range(page.width) for y in range(page.height)
                     if not mask.getpixel((x, y)) and page.getpixel((x, y)) != desk.getpixel((x, y)))
        self.assertLess(differ, 0.002 * page.width * page.height, "pixels differing")


class CanvasAtTwiceTheDensity(PageTest):
    ratio = 2

    def test_lines_fall_on_whole_device_pixels(self):
        snap = self.assertSameAsNative([])
        canvas = self.b.js("const c = document.querySelector('canvas');"
                           "return [c.width, c.height, c.clientWidth, c.clientHeight]")
        self.assertEqual(canvas[:2], [2 * canvas[2], 2 * canvas[3]])
        data = self.b.js("return document.querySelector('canvas').toDataURL('image/png')")
        img = Image.open(io.BytesIO(base64.b64decode(data.split(",", 1)[1]))).convert("RGB")
        axis_y, x = 2 * px(snap["items"]["yoko"]["y1"]), 2 * px(snap["items"]["yoko"]["x1"]) + 10
        column = [img.getpixel((x, y)) for y in range(axis_y - 1, axis_y + 3)]
        self.assertEqual(column, [(0x40,) * 3, (255,) * 3, (255,) * 3, (0x40,) * 3])


class ResizeReplaysTheClicks(PageTest):
    def test_a_new_viewport_starts_up_again_with_the_same_clicks(self):
        clicks = ["fmove(0)", "ml", "ml", "mu", "hogan", "kosen"]
        for c in clicks:
            self.b.item(c).click()
        before = self.assertSameAsNative(clicks, "before")
        self.b.driver.set_window_size(1366, 900)
        self.b.wait_for("return JSON.parse(korru.snapshot()).screen.width !== %r"
                        % before["screen"]["width"])
        self.assertSameAsNative(clicks, "after the resize")
        self.b.item("md").click()
        self.assertSameAsNative(clicks + ["md"], "a click after the resize")


class TheEndButton(PageTest):
    def test_ends_the_program_and_stops_the_controls(self):
        self.b.item("ml").click()
        self.b.item("owari").click()
        self.assertTrue(self.b.js("return document.getElementById('client').hidden"))
        notice = self.b.driver.find_element(By.ID, "ended")
        self.assertTrue(notice.is_displayed())
        self.assertIn("おわりました", notice.text)
        self.assertIn("ページを読み込み直して", notice.text)  # how to start again
        self.assertTrue(all(self.b.js("return [...document.querySelectorAll("
                                      "'button[data-item], input[data-item]')].map(e => e.disabled)")))
        ended = self.assertSameAsNative(["ml"])
        # Nothing starts it again: after a resize it is still the window that ended.
        self.b.driver.set_window_size(1280, 900)
        time.sleep(0.5)
        self.assertEqual(json.loads(self.b.snapshot())["screen"], ended["screen"])
        self.assertTrue(notice.is_displayed())
        self.assertFalse(self.b.js("return document.querySelector('dialog').open"))


class RunTimeErrors(unittest.TestCase):
    def setUp(self):
        self.b = Browser()
        self.addCleanup(self.b.quit)

    def emulate(self, w, h):
        self.b.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": w, "height": h, "deviceScaleFactor": 1, "mobile": False})

    def assertShowsTheError(self, screen):
        status, _, err = native(screen, [], "--json", "-")
        self.assertEqual(status, 1)
        message = err.strip().removeprefix("korru-snapshot: ")
        self.b.wait_for("return document.querySelector('dialog').open")
        dialog = self.b.driver.find_element(By.ID, "error")
        self.assertEqual(dialog.find_element(By.ID, "error-text").text, message)
        self.assertEqual(dialog.find_element(By.ID, "error-title").text, "Tavensu")
        self.assertIn(message, self.b.driver.find_element(By.ID, "ended-error").get_attribute("textContent"))
        with self.assertRaises(JavascriptException):
            self.b.snapshot()
        # Its OK closes it; the page stays stopped, saying why.
        dialog.find_element(By.TAG_NAME, "button").click()
        self.assertFalse(self.b.js("return document.querySelector('dialog').open"))
        self.assertTrue(self.b.driver.find_element(By.ID, "ended").is_displayed())

    def test_a_resize_too_small_for_the_window_shows_the_error_and_stops(self):
        self.b.load()
        self.b.item("mr").click()
        self.emulate(300, 200)
        self.assertShowsTheError((300, 200))
        self.assertTrue(self.b.js("return document.querySelector('[data-item=mr]').disabled"))
        self.emulate(1024, 768)
        time.sleep(0.5)
        self.assertTrue(self.b.js("return document.getElementById('client').hidden"))

    def test_a_viewport_too_small_from_the_start_shows_the_error(self):
        self.emulate(282, 600)
        self.b.load()
        self.assertShowsTheError((282, 600))


class OfflineFromAFile(unittest.TestCase):
    def test_the_one_file_works_with_no_network_and_asks_for_nothing(self):
        self.assertLessEqual(os.path.getsize(PAGE), 400 * 1024)
        b = Browser(offline=True)
        self.addCleanup(b.quit)
        b.load()
        b.item("kosen").click()
        self.assertEqual(json.loads(b.snapshot())["items"]["rl(0)"]["visible"], True)
        self.assertEqual(b.js("return document.title"), "Tavensu")
        # The page's icon, made from assets/icon.xpm once the first frame is shown.
        b.wait_for("const icon = document.querySelector('link[rel=icon]');"
                   "return icon && icon.href.startsWith('data:image/png')")
        urls = set()
        for entry in b.driver.get_log("performance"):
            message = json.loads(entry["message"])["message"]
            params = message["params"]
            if message["method"] == "Network.requestWillBeSent" and \
                    params.get("documentURL", "").endswith("/korru.html"):
                urls.add(params["request"]["url"].split(":", 1)[0])
        self.assertEqual(urls, {"file", "data"})  # the page itself, and its script's WebAssembly
        errors = [e for e in b.driver.get_log("browser") if e["level"] == "SEVERE"]
        self.assertEqual(errors, [])


if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0], "-v", *sys.argv[1:]])
