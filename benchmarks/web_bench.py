#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# Timing of the web page in headless Chromium (not a test): how soon after navigation the bench
# is first painted, and how long a click takes to the painted bench at a 1920x1080 viewport.
# Usage: benchmarks/web_bench.py [PAGE] [--loads N] [--clicks N] [--lang ja|en-US]
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
ap.add_argument("--clicks", type=int, default=1000)
ap.add_argument("--lang", default="ja")
a = ap.parse_args()
url = "file://" + os.path.abspath(a.page)


def browser():
    profile = tempfile.mkdtemp(prefix="korru-bench-")
    o = webdriver.ChromeOptions()
    for arg in ["--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run",
                "--disable-background-networking", "--disable-component-update", "--disable-sync",
                "--user-data-dir=" + profile, "--window-size=1024,768", "--lang=" + a.lang]:
        o.add_argument(arg)
    o.add_experimental_option("prefs", {"intl.accept_languages": a.lang})
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=o), profile


def wait_for_page(d, painted=False):
    d.execute_async_script("""
        const done = arguments[arguments.length - 1], painted = arguments[0];
        const ready = () => window.korru &&
            (!painted || performance.getEntriesByName('first-contentful-paint').length);
        (function poll() { ready() ? done() : setTimeout(poll, 5); })();""", painted)


d, profile = browser()
try:
    # First paint: the first contentful paint is the window with its bench, which the program
    # draws all at once when its runtime is ready; the page shows nothing contentful before.
    firsts, ready = [], []
    for _ in range(a.loads):
        d.get("about:blank")
        d.get(url)
        wait_for_page(d, painted=True)
        fcp, dcl = d.execute_script("""
            const paint = performance.getEntriesByName('first-contentful-paint')[0];
            const nav = performance.getEntriesByType('navigation')[0];
            return [paint ? paint.startTime : null, nav.domContentLoadedEventEnd];""")
        if fcp is None:
            raise SystemExit("the browser reported no first contentful paint")
        firsts.append(fcp)
        ready.append(dcl)

    # A click to the painted bench, with everything shown, at a 1920x1080 viewport: the click
    # runs the model and paints the canvas at once; reading one pixel back makes the browser
    # finish rasterising what was painted.
    d.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                      {"width": 1920, "height": 1080, "deviceScaleFactor": 1, "mobile": False})
    d.get(url)
    wait_for_page(d)
    viewport = d.execute_script("return [innerWidth, innerHeight]")
    times = d.execute_script("""
        const item = name => document.querySelector(`[data-item="${name}"]`);
        for (const name of ['kosen', 'syoten', 'hogan']) item(name).click();
        const context = document.querySelector('canvas').getContext('2d');
        const handled = [], painted = [];
        for (let i = 0; i < arguments[0]; ++i) {
          const button = item(i % 2 ? 'mr' : 'ml');
          const t0 = performance.now();
          button.click();
          const t1 = performance.now();
          context.getImageData(0, 0, 1, 1);
          const t2 = performance.now();
          handled.push(t1 - t0);
          painted.push(t2 - t0);
        }
        return [handled, painted];""", a.clicks)
finally:
    d.quit()
    shutil.rmtree(profile, ignore_errors=True)


def ms(values):
    return "median %.2f ms, 90th percentile %.2f ms, max %.2f ms" % (
        statistics.median(values), statistics.quantiles(values, n=10)[-1], max(values))


print("page: %s, %d bytes (%.0f KB), in %s" % (a.page, os.path.getsize(a.page),
                                              os.path.getsize(a.page) / 1024, a.lang))
print("first bench painted after navigation, %d loads: %s" % (a.loads, ms(firsts)))
print("DOMContentLoaded after navigation, %d loads: %s" % (a.loads, ms(ready)))
print("a click to the painted bench at %dx%d, %d clicks: %s" % (*viewport, a.clicks, ms(times[1])))
print("  of which the click's handler and paint calls: %s" % ms(times[0]))
