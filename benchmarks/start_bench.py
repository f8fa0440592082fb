#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# How soon the page shows its bench (a report, not a test), in headless Chromium at 1366x768:
# the page's first contentful paint, which is its bench since the page shows nothing before the
# program has started, against two pages loaded in turn with it in the same browser: a static
# copy of the same page once started (its elements and styles as the program left them, no
# script, the bench a dark box) and a page of one word. Each is loaded warm (the tab's renderer
# reused, as a reload) and cold (a new tab with a renderer of its own, as a first open); the
# figures are medians and the ratios to the static copy are the result. With the hosted folder
# (scripts/web.sh --folder), the same for it, served from a local web server with its static
# copy and its word page beside it, its service worker installed as after a first visit.
# `--against PAGE` loads another build of the one file in turn with these, for a before and after.
# Usage: benchmarks/start_bench.py [PAGE] [--folder DIR] [--against PAGE] [--loads N] [--size WxH]
# (PAGE: build-web/korru.html; DIR: build-web/folder when it is there)
# Needs Debian's chromium, chromium-driver and python3-selenium; run with /usr/bin/python3.
import argparse
import functools
import http.server
import os
import shutil
import statistics
import tempfile
import threading

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

here = os.path.dirname(os.path.abspath(__file__))
web = os.path.join(here, "..", "build-web")
ap = argparse.ArgumentParser()
ap.add_argument("page", nargs="?", default=os.path.join(web, "korru.html"))
ap.add_argument("--folder", default=os.path.join(web, "folder"))
ap.add_argument("--against", help="another build of the one file, loaded in turn with this")
ap.add_argument("--loads", type=int, default=15)
ap.add_argument("--size", default="1366x768")
a = ap.parse_args()
width, height = (int(n) for n in a.size.split("x"))
scratch = tempfile.mkdtemp(prefix="korru-start-")

WORD = ('<!DOCTYPE html>\n<html lang="ja"><head><meta charset="utf-8"><title>word</title>'
        "</head><body><p>word</p></body></html>\n")

# Before the page's own script: the moment the program has finished starting (it then sets
# window.korru), so that a paint before it, which would not be the bench, is noticed.
STARTED = """
    let korru;
    Object.defineProperty(window, 'korru', {
      configurable: true, get: () => korru,
      set: v => { performance.mark('korru-started'); korru = v; } });"""

# The page as the program left it, as static HTML: no script and no comment, the canvas a dark
# box of the same size and border.
STATIC_COPY = """
    for (const s of document.querySelectorAll('script')) s.remove();
    // The one file's WebAssembly is a comment: no part of the page a static copy shows.
    const notes = document.createNodeIterator(document, NodeFilter.SHOW_COMMENT), gone = [];
    for (let n; (n = notes.nextNode());) gone.push(n);
    for (const n of gone) n.remove();
    for (const c of document.querySelectorAll('canvas')) {
      const box = document.createElement('div'), style = getComputedStyle(c);
      box.style.cssText = c.style.cssText;
      for (const p of ['position', 'left', 'top', 'width', 'height', 'border-width',
                       'border-style', 'border-color', 'box-sizing', 'display'])
        box.style.setProperty(p, style.getPropertyValue(p));
      box.style.background = '#202020';
      c.replaceWith(box);
    }
    return '<!DOCTYPE html>\\n' + document.documentElement.outerHTML;"""


class Server:
    """A folder served over HTTP on this machine, WebAssembly with its own type, as a school's
    web server serves it."""

    def __init__(self, root):
        handler = functools.partial(Quiet, directory=root)
        self.httpd = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        self.url = "http://127.0.0.1:%d/" % self.httpd.server_address[1]
        threading.Thread(target=self.httpd.serve_forever, daemon=True).start()

    def stop(self):
        self.httpd.shutdown()


class Quiet(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".wasm": "application/wasm", ".webmanifest": "application/manifest+json"}

    def log_message(self, *args):
        pass


def browser():
    o = webdriver.ChromeOptions()
    for arg in ["--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run",
                "--disable-background-networking", "--disable-component-update", "--disable-sync",
                "--user-data-dir=" + os.path.join(scratch, "profile"),
                "--window-size=%d,%d" % (width, height), "--lang=ja"]:
        o.add_argument(arg)
    o.add_experimental_option("prefs", {"intl.accept_languages": "ja"})
    d = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=o)
    d.set_script_timeout(120)
    return d


def prepare(d):
    """The current tab at the benchmark's viewport, watching for the program's start."""
    d.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                      {"width": width, "height": height, "deviceScaleFactor": 1, "mobile": False})
    d.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": STARTED})


def first_paint(d, address, cold):
    """Milliseconds from navigation to the first contentful paint of the page at `address`."""
    if cold:
        old = d.current_window_handle
        d.switch_to.new_window("tab")
        d.switch_to.window(old)
        d.close()
        d.switch_to.window(d.window_handles[-1])
        prepare(d)
    d.get(address)
    d.execute_async_script("""
        const done = arguments[arguments.length - 1];
        (function poll() {
          performance.getEntriesByName('first-contentful-paint').length ? done()
                                                                         : setTimeout(poll, 5);
        })();""")
    painted, started = d.execute_script("""
        const started = performance.getEntriesByName('korru-started');
        return [performance.getEntriesByName('first-contentful-paint')[0].startTime,
                started.length ? started[0].startTime : null];""")
    if started is not None and painted < started:
        raise SystemExit("%s painted at %.1f ms, before its bench at %.1f ms" % (address, painted,
                                                                                 started))
    return painted


def static_copy(d, address, path):
    d.get(address)
    d.execute_async_script("""
        const done = arguments[arguments.length - 1];
        (function poll() { window.korru ? setTimeout(done, 1500) : setTimeout(poll, 5); })();""")
    with open(path, "w", encoding="utf-8") as f:
        f.write(d.execute_script(STATIC_COPY))


def compare(d, name, pages):
    """Warm and cold first paints of (label, address) pages, loaded in turn."""
    out = []
    for cold in (False, True):
        times = {label: [] for label, _ in pages}
        for i in range(a.loads + 2):
            for label, address in pages:
                t = first_paint(d, address, cold)
                if i >= 2:  # the first loads warm the browser up
                    times[label].append(t)
        out.append((name, "cold" if cold else "warm", {k: statistics.median(v)
                                                       for k, v in times.items()}))
    return out


d = browser()
server = None
results = []
try:
    prepare(d)
    page = "file://" + os.path.abspath(a.page)
    static_copy(d, page, os.path.join(scratch, "static.html"))
    with open(os.path.join(scratch, "word.html"), "w", encoding="utf-8") as f:
        f.write(WORD)
    pages = [("page", page), ("static copy", "file://" + scratch + "/static.html"),
             ("one word", "file://" + scratch + "/word.html")]
    if a.against:
        pages.append(("against", "file://" + os.path.abspath(a.against)))
    results += compare(d, "one file", pages)
    if os.path.isdir(a.folder):
        served = os.path.join(scratch, "served")
        shutil.copytree(a.folder, served)
        server = Server(served)
        static_copy(d, server.url, os.path.join(served, "static.html"))
        with open(os.path.join(served, "word.html"), "w", encoding="utf-8") as f:
            f.write(WORD)
        results += compare(d, "hosted folder", [("page", server.url),
                                                ("static copy", server.url + "static.html"),
                                                ("one word", server.url + "word.html")])
finally:
    d.quit()
    if server:
        server.stop()
    shutil.rmtree(scratch, ignore_errors=True)

print("first contentful paint at %dx%d, medians of %d loads in turn, ms:" % (width, height,
                                                                              a.loads))
print("  %-14s %-5s %7s %12s %9s %10s %10s" % ("", "", "page", "static copy", "one word",
                                                  "/ static", "/ one word"))
for name, mode, m in results:
    for label in ("page", "against"):
        if label in m:
            print("  %-14s %-5s %7.1f %12.1f %9.1f %9.2fx %9.2fx" % (
                name if label == "page" else "  --against", mode, m[label], m["static copy"],
                m["one word"], m[label] / m["static copy"], m[label] / m["one word"]))
for path in [a.page] + ([a.against] if a.against else []):
    print("size of %s: %d bytes (%.0f KB)" % (path, os.path.getsize(path),
                                              os.path.getsize(path) / 1024))
