#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# Timing of the web page in headless Chromium (not a test):
# - how soon after navigation the bench is first painted, beside a page of one word loaded in
#   turn with it in the same browser (first contentful paint, medians; the ratio is the figure);
# - a click to the painted bench, "<-" and "->" by turns with everything shown, at 1920x1080 and
#   at the large screens where a click once stalled (2560x1440 at a pixel ratio of 2, 1920x1080
#   at 3);
# - a pointer move to the painted bench while the candle is dragged, on a 1366x1024 bench at a
#   pixel ratio of 2 with everything shown: the frame's work, from the pointer's move to the
#   painted pixels; and the same while the pupil's screen is dragged in the experiment, a
#   quarter square each way, the light on it computed again at every step;
# - the notebook with 2,000 and 10,000 kept rows, at 1920x1080: opening its sheet, and a record
#   with the sheet closed and open, each to its table laid out and its plot painted (the work of
#   the key's handler and of the frame that paints the plot, not the wait for that frame).
#   `--against PAGE` times another build of the page in the same run, beside this one.
# Usage: benchmarks/web_bench.py [PAGE] [--loads N] [--clicks N] [--moves N] [--rows N,N]
#        [--records N] [--against PAGE] [--only notebook] [--lang ja|en-US] [--gpu]
# (PAGE: build-web/korru.html; the browser's language chooses the page's, Japanese by default)
# Needs Debian's chromium, chromium-driver and python3-selenium; run with /usr/bin/python3.
import argparse
import os
import shutil
import statistics
import tempfile

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

here = os.path.dirname(os.path.abspath(__file__))
ap = argparse.ArgumentParser()
ap.add_argument("page", nargs="?", default=os.path.join(here, "..", "build-web", "korru.html"))
ap.add_argument("--loads", type=int, default=20)
ap.add_argument("--clicks", type=int, default=400)
ap.add_argument("--moves", type=int, default=400)
ap.add_argument("--rows", default="2000,10000", help="kept rows the notebook is timed with")
ap.add_argument("--records", type=int, default=20, help="records timed at each size")
ap.add_argument("--against", help="another build of the page, timed beside this one")
ap.add_argument("--only", choices=["notebook"], help="time the notebook alone")
ap.add_argument("--lang", default="ja")
ap.add_argument("--gpu", action="store_true",
                help="paint through the browser's GPU path (SwiftShader here) instead of none")
a = ap.parse_args()
url = "file://" + os.path.abspath(a.page)
scratch = tempfile.mkdtemp(prefix="korru-bench-")
word = os.path.join(scratch, "word.html")
with open(word, "w", encoding="utf-8") as f:
    f.write('<!DOCTYPE html>\n<html lang="ja"><head><meta charset="utf-8"><title>word</title>'
            "</head><body><p>word</p></body></html>\n")


def browser():
    o = webdriver.ChromeOptions()
    gpu = ["--use-angle=swiftshader", "--enable-unsafe-swiftshader"] if a.gpu else ["--disable-gpu"]
    for arg in gpu + ["--headless=new", "--no-sandbox", "--no-first-run",
                      "--disable-background-networking", "--disable-component-update",
                      "--disable-sync", "--user-data-dir=" + os.path.join(scratch, "profile"),
                      "--window-size=1024,768", "--lang=" + a.lang]:
        o.add_argument(arg)
    o.add_experimental_option("prefs", {"intl.accept_languages": a.lang})
    d = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=o)
    d.set_script_timeout(600)  # a software GPU is slow to read back from
    return d


def first_paint(d, address):
    d.get("about:blank")
    d.get(address)
    d.execute_async_script("""
        const done = arguments[arguments.length - 1];
        (function poll() {
          performance.getEntriesByName('first-contentful-paint').length ? done()
                                                                         : setTimeout(poll, 5);
        })();""")
    return d.execute_script(
        "return performance.getEntriesByName('first-contentful-paint')[0].startTime")


def open_page(d, width, height, ratio):
    d.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                      {"width": width, "height": height, "deviceScaleFactor": ratio,
                       "mobile": False})
    d.get(url)
    d.execute_async_script("""
        const done = arguments[arguments.length - 1];
        (function poll() { window.korru ? done() : setTimeout(poll, 5); })();""")
    # Everything shown: the screen is shown from the start.
    d.execute_script("""for (const name of ['kosen', 'syoten', 'hogan'])
                          document.querySelector(`[data-item="${name}"]`).click();""")


def clicks(d):
    # The click runs the model and paints the canvas at once; reading one pixel back makes the
    # browser finish rasterising what was painted.
    return d.execute_script("""
        const item = name => document.querySelector(`[data-item="${name}"]`);
        const context = document.querySelector('canvas').getContext('2d');
        const painted = [];
        for (let i = 0; i < arguments[0]; ++i) {
          const button = item(i % 2 ? 'mr' : 'ml');
          const t0 = performance.now();
          button.click();
          context.getImageData(0, 0, 1, 1);
          painted.push(performance.now() - t0);
        }
        return painted;""", a.clicks)


def drag(d, screen=False):
    # The page coalesces moves to one update a frame; each move here is waited for in its frame.
    # Timed: from the move's arrival to the pixels painted at the end of that frame's update.
    if screen:
        d.execute_script("dispatchEvent(new KeyboardEvent('keydown', {key: 'e', code: 'KeyE'}))")
    d.execute_script("""
        window.moves = [];
        let arrived = 0;
        addEventListener('pointermove', e => { arrived = performance.now(); }, true);
        const context = document.querySelector('canvas').getContext('2d');
        const frame = Module.drag_frame;
        Module.drag_frame = time => {
          frame(time);
          context.getImageData(0, 0, 1, 1);
          moves.push(performance.now() - arrived);
        };""")
    snap = d.execute_script("return JSON.parse(korru.snapshot())")
    left, top = d.execute_script("""
        const c = document.querySelector('canvas'), r = c.getBoundingClientRect();
        return [r.left + c.clientLeft, r.top + c.clientTop];""")
    source, state = snap["items"]["source"], snap["state"]
    if screen:
        # The screen's middle, above the axis; a quarter square a step.
        x = left + (state["lensx"] + snap["lesson"]["screen_x"]) / 15
        y = top + (state["axisy"] - 2 * state["unit"]) / 15
        step = state["unit"] / 4 / 15
    else:
        x = left + (source["left"] + source["width"] / 2) / 15
        y = top + (source["top"] + source["height"] / 2) / 15
        step = state["step"] / 15

    def mouse(kind, px):
        d.execute_cdp_cmd("Input.dispatchMouseEvent", {"type": kind, "x": px, "y": y,
                                                       "button": "left", "buttons": 1,
                                                       "clickCount": 1})

    mouse("mousePressed", x)
    for i in range(a.moves):
        mouse("mouseMoved", x + (step if i % 2 == 0 else 0))
        d.execute_async_script("""
            const done = arguments[arguments.length - 1], want = arguments[0];
            (function poll() { moves.length >= want ? done() : setTimeout(poll, 1); })();""",
                               i + 1)
    mouse("mouseReleased", x)
    return d.execute_script("return moves")


# The notebook's timings in the page: a key's handler and the layout it leaves to the browser,
# then the frame that paints the plot where the page paints it in a frame of its own.
NOTEBOOK_TIMING = """
    window.plotTimes = [];
    const plot = () => document.querySelector('#notebook canvas');
    if (Module.plot_frame) {
      const frame = Module.plot_frame;
      Module.plot_frame = time => {
        const t0 = performance.now();
        frame(time);
        plot().getContext('2d').getImageData(0, 0, 1, 1);
        plotTimes.push(performance.now() - t0);
      };
    }
    window.timedKey = async (letter) => {
      const painted = plotTimes.length;
      const t0 = performance.now();
      dispatchEvent(new KeyboardEvent('keydown', {key: letter, code: 'Key' + letter.toUpperCase(),
                                                  bubbles: true}));
      const sheet = document.getElementById('notebook');
      sheet.getBoundingClientRect();  // the table laid out
      plot().getContext('2d').getImageData(0, 0, 1, 1);
      const handled = performance.now() - t0;
      await new Promise(r => requestAnimationFrame(() => requestAnimationFrame(r)));
      return handled + plotTimes.slice(painted).reduce((a, b) => a + b, 0);
    };"""


def rows_text(d, address, count):
    """A kept notebook of `count` rows, two of the page's own rows by turns under new ids."""
    d.get(address)
    d.execute_script("localStorage.clear()")
    d.get(address)
    wait(d, "return !!document.getElementById('notebook')")
    d.execute_script("dispatchEvent(new KeyboardEvent('keydown', {key: 'r', code: 'KeyR'}))")
    d.execute_script("document.querySelector('[data-item=mr]').click();"
                     "dispatchEvent(new KeyboardEvent('keydown', {key: 'r', code: 'KeyR'}))")
    first, *two = d.execute_script(STORED).split("\n")
    two = [line for line in two if line]
    assert len(two) == 2, two
    return "\n".join([first] + ["%016x%s" % (i + 1, two[i % 2][16:]) for i in range(count)]) + "\n"


# The notebook as kept in the browser's storage: the whole, and the rows after it where they
# follow it (this page writes a record there; earlier ones wrote the whole each time).
STORED = """
    const whole = localStorage.getItem('korru.notebook') || '';
    const more = localStorage.getItem('korru.notebook.more');
    return more && more.startsWith('korru notebook more ' + whole.length + ' ')
        ? whole + more.slice(more.indexOf('\\n') + 1) : whole;"""

# The rows of the notebook's table, in this page and in earlier ones, which had an HTML table.
SHEET_ROWS = "document.querySelectorAll('#notebook tbody tr, #notebook .body [role=row]').length"


def wait(d, script):
    d.set_script_timeout(600)
    d.execute_async_script("""
        const done = arguments[arguments.length - 1], test = new Function(arguments[0]);
        (function poll() { test() ? done() : setTimeout(poll, 5); })();""", script)


def notebook(d, address, text, count, sheet_open):
    """Opening the sheet, and records, with `count` rows kept."""
    d.get(address)
    d.execute_script("localStorage.clear(); localStorage.setItem('korru.notebook', arguments[0])",
                     text)
    d.get(address)
    wait(d, "return %s === %d" % (SHEET_ROWS, count))
    d.execute_script(NOTEBOOK_TIMING)
    opened = d.execute_async_script("timedKey('n').then(arguments[arguments.length - 1])") \
        if sheet_open else None
    times = []
    for i in range(a.records):
        if i:
            d.execute_script("document.querySelector(arguments[0]).click()",
                             '[data-item="%s"]' % ("mr" if i % 2 else "ml"))
        times.append(d.execute_async_script("timedKey('r').then(arguments[arguments.length - 1])"))
    rows = d.execute_script("return " + SHEET_ROWS)
    assert rows == count + a.records, "%d rows, not %d" % (rows, count + a.records)
    return opened, times


def ms(values):
    p99 = statistics.quantiles(values, n=100, method="inclusive")[-1]
    return "median %.2f ms, 99th percentile %.2f ms, max %.2f ms" % (
        statistics.median(values), p99, max(values))


def notebooks(d):
    pages = [("this page", url)] + ([("--against", "file://" + os.path.abspath(a.against))]
                                    if a.against else [])
    d.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                      {"width": 1920, "height": 1080, "deviceScaleFactor": 1, "mobile": False})
    out = []
    for count in [int(n) for n in a.rows.split(",")]:
        text = rows_text(d, url, count)
        for sheet_open in (False, True):
            for name, address in pages:  # side by side, at each size
                opened, times = notebook(d, address, text, count, sheet_open)
                out.append((name, count, sheet_open, opened, times))
    return out


d = browser()
try:
    kept = notebooks(d)
    if a.only != "notebook":
        # First paint: the first contentful paint is the window with its bench, which the
        # program draws all at once when its runtime is ready; the page shows nothing
        # contentful before.
        firsts, words = [], []
        for i in range(a.loads + 2):
            f, w = first_paint(d, url), first_paint(d, "file://" + word)
            if i >= 2:  # the first loads warm the browser up
                firsts.append(f)
                words.append(w)
        at = {}
        for width, height, ratio in [(1920, 1080, 1), (2560, 1440, 2), (1920, 1080, 3)]:
            open_page(d, width, height, ratio)
            at[width, height, ratio] = clicks(d)
        open_page(d, 1366, 1024, 2)
        moves = drag(d)
        open_page(d, 1366, 1024, 2)
        screen_moves = drag(d, screen=True)
finally:
    d.quit()
    shutil.rmtree(scratch, ignore_errors=True)

print("page: %s, %d bytes (%.0f KB), in %s" % (a.page, os.path.getsize(a.page),
                                              os.path.getsize(a.page) / 1024, a.lang))
if a.only != "notebook":
    print("first bench painted after navigation, %d loads: %s" % (a.loads, ms(firsts)))
    print("a page of one word, loaded in turn:          %s" % ms(words))
    print("  ratio of the medians: %.2f" % (statistics.median(firsts) / statistics.median(words)))
    for (width, height, ratio), times in at.items():
        print("%d clicks to the painted bench at %dx%d, ratio %g: %s" % (a.clicks, width, height,
                                                                         ratio, ms(times)))
    print("%d pointer moves of a drag to the painted bench, 1366x1024 at ratio 2: %s" % (
        len(moves), ms(moves)))
    print("  the pupil's screen dragged instead:                            %s" % ms(screen_moves))
for name, count, sheet_open, opened, times in kept:
    if opened is not None:
        print("%s, %d rows kept: the sheet opened in %.1f ms" % (name, count, opened))
    print("%s, %d rows kept: %d records, the sheet %s: %s" % (
        name, count, len(times), "open" if sheet_open else "closed", ms(times)))
