#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# Two korru windows of one user, under an X server of the test's own, record in turns (A, from the
# page's link to a scene, 3 rows by the R key; B 2; A 1): each shows the other's rows without a
# restart (the title of its lesson's window counts them: each shows the bench's window alone, its
# lesson in a window of its own), and `korru --export-notebook -` gives all six. Every wait is for something to happen, up to a deadline a loaded machine meets.
#   two_windows_test.py KORRU
import csv
import io
import os
import re
import subprocess
import sys
import tempfile
import time

korru = sys.argv[1]
scratch = tempfile.mkdtemp()
number = 400 + (os.getpid() + 250) % 500
display = ":%d" % number
started = []
DEADLINE = 60  # seconds for anything to happen


def start(args, **kwargs):
    p = subprocess.Popen(args, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, **kwargs)
    started.append(p)
    return p


def fail(message):
    print("FAIL:", message)
    for p in started[1:]:
        if p.poll() is not None:
            print("a korru ended with", p.returncode, p.stderr.read().decode(errors="replace"))
    sys.exit(1)


def wait_for(what, ready):
    """Returns ready()'s first true value, polled until the deadline; fails naming `what`."""
    end = time.monotonic() + DEADLINE
    while True:
        value = ready()
        if value:
            return value
        if time.monotonic() > end:
            fail("waited %d s for %s" % (DEADLINE, what))
        time.sleep(0.05)


def xdotool(*args):
    return subprocess.run(["xdotool", *args], capture_output=True, text=True).stdout


def windows(p):
    """The shown windows of the process `p`, by their titles."""
    found = {}
    for wid in xdotool("search", "--all", "--onlyvisible", "--pid", str(p.pid), "--name", "").split():
        found[xdotool("getwindowname", wid).strip()] = wid
    return found


def main_window(p):
    return wait_for("korru's window", lambda: windows(p).get("Tavensu"))


def notebook_rows(p):
    """The rows the notebook's window of `p` says it shows; None while it is not shown."""
    for title in windows(p):
        counted = re.fullmatch(r"測定ノート — (\d+) 行", title)
        if counted:
            return int(counted.group(1))
    return None


def keys(p, *names):
    """Keys typed into the window of `p`, which has the keyboard."""
    wid = main_window(p)
    subprocess.run(["xdotool", "windowfocus", "--sync", wid], check=True)
    for name in names:
        subprocess.run(["xdotool", "key", name], check=True)


def shows(p, rows, who):
    wait_for("%s's notebook to show %d rows (it shows %s)" % (who, rows, notebook_rows(p)),
             lambda: notebook_rows(p) == rows)


try:
    # -noreset: a korru connecting just as the last xdotool leaves is not dropped by a reset.
    x = start(["Xvfb", display, "-screen", "0", "1024x768x24", "-nolisten", "tcp", "-noreset"])
    os.environ["DISPLAY"] = display  # for xdotool
    env = dict(os.environ, XDG_RUNTIME_DIR=scratch, XDG_DATA_HOME=scratch, LANG="C")
    for name in ("QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "LC_ALL", "LANGUAGE"):
        env.pop(name, None)
    wait_for("the X server %s ready" % display,
             lambda: x.poll() is not None or os.path.exists("/tmp/.X11-unix/X%d" % number))
    if x.poll() is not None:
        fail("the X server %s did not start" % display)

    # A from the page's link to the rays shown and the candle four steps nearer (15 squares from
    # the lens); B as it starts (16 squares).
    a = start([korru, "--bench-only", "--scene",
               "https://school.example/korru/korru.html#kosen.mr%2A4"], env=env)
    b = start([korru, "--bench-only"], env=env)
    main_window(b)

    keys(a, "r", "Right", "r", "Right", "r")
    shows(a, 3, "A")
    keys(b, "r", "Right", "r")
    shows(b, 5, "B")  # A's three, which B had not recorded, and its own two
    shows(a, 5, "A")
    keys(a, "Right", "r")
    shows(a, 6, "A")
    shows(b, 6, "B")

    # The six rows in the order they were kept; a quarter square a step, and from the lens law
    # (f = 4) b = a f / (a - f): 15 squares give 60 / 11.
    exported = subprocess.run([korru, "--export-notebook", "-"], capture_output=True,
                              env=dict(env, DISPLAY=""))
    if exported.returncode != 0 or exported.stderr:
        fail("the export ended with %d: %s" % (exported.returncode, exported.stderr.decode()))
    rows = list(csv.reader(io.StringIO(exported.stdout.decode("utf-8-sig"), newline="")))
    distances = [row[1] for row in rows[1:]]
    if distances != ["15", "14.75", "14.5", "16", "15.75", "14.25"]:
        fail("the candle distances exported are %s" % distances)
    if rows[1][4] != "5.45":
        fail("the first row's image distance is %s, not 60 / 11" % rows[1][4])
    print("two windows kept all six rows and each showed the other's")
finally:
    for p in reversed(started):
        p.terminate()
        try:
            p.wait(timeout=DEADLINE)
        except subprocess.TimeoutExpired:
            p.kill()
