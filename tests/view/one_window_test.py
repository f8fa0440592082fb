#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# korru as a class meets it, on an X server of the test's own at 1366x768 and at 1920x1080: one
# window, the lesson's actions on the accessibility bus from the start; a click on the lesson
# bar records, and then the keys R and P still work; the notebook opens beside the bench and
# covers neither it nor a control, Escape puts it away; and `korru --bench-only` shows the
# bench's window alone, pixel for pixel as the snapshot tool draws it for that screen. Every
# wait is for something to happen, up to a deadline a loaded machine meets.
#   one_window_test.py KORRU KORRU_SNAPSHOT [WxH]   (without the third, both screens, a process each)
import os
import subprocess
import sys

from xsession import DEADLINE, fail, geometry, session, start, stop_started, wait_for, xdotool

korru, snapshot = sys.argv[1], sys.argv[2]


def windows(p):
    """The shown top-level windows of the process `p`."""
    return xdotool("search", "--all", "--onlyvisible", "--pid", str(p.pid), "--name", "").split()


def overlap(a, b):
    return a.x < b.x + b.width and b.x < a.x + a.width and a.y < b.y + b.height and \
        b.y < a.y + a.height


def run(number, width, height):
    number, scratch = session(number, width, height)
    p = start([korru])
    wid = wait_for("korru's window", lambda: windows(p) and windows(p)[0])

    import pyatspi  # once the session's bus is known

    def find(name, role):
        stack = [a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "korru"]
        while stack:
            node = stack.pop()
            if node.name.startswith(name) and node.getRoleName() == role and \
                    node.getState().contains(pyatspi.STATE_SHOWING):
                return node
            stack.extend(node)
        return None

    def named(name, role):
        return wait_for("%s %r on the accessibility bus" % (role, name),
                        lambda: find(name, role), 0.2)

    def extents(node):
        return node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)

    def click(node):
        e = extents(node)
        subprocess.run(["xdotool", "mousemove", str(e.x + e.width // 2),
                        str(e.y + e.height // 2), "click", "1"], check=True)

    def keys(*names):
        subprocess.run(["xdotool", "windowfocus", "--sync", wid], check=True)
        for name in names:
            subprocess.run(["xdotool", "key", name], check=True)

    def one_window(when):
        shown = windows(p)
        if len(shown) != 1:
            fail("%s korru shows %d windows" % (when, len(shown)))

    bench_at_start = named("光学台", "frame").description
    # The lesson's actions from the start, in the one window.
    for action in ("予想する", "記録する", "測定ノート"):
        named(action, "push button")
    one_window("at the start")
    wx, wy, ww, wh = geometry(wid)
    if wx < 0 or wy < 0 or wx + ww > width or wy + wh > height:
        fail("the window (%dx%d+%d+%d) runs off the screen" % (ww, wh, wx, wy))

    # A click on the bar's button records; the candle a step nearer (pressed by the screen
    # reader's action, which leaves the keyboard where it is), R records again and P asks for a
    # prediction, the keyboard still on the bar's button.
    click(named("記録する", "push button"))
    named("1 行目を記録しました", "alert")
    named("光源をレンズに近づける", "push button").queryAction().doAction(0)
    wait_for("the candle a step nearer", lambda: not find("光学台", "frame").description
             .startswith(bench_at_start))
    keys("r")
    named("2 行目を記録しました", "alert")
    keys("p")
    named("答えを見る", "push button")
    click(named("予想をやめる", "check box"))
    wait_for("the prediction left", lambda: not find("答えを見る", "push button"))

    # The notebook in the band, clear of the bench and of every control of the bench's window.
    click(named("測定ノート", "push button"))
    table = named("測定の表", "table")
    named("測定ノート — 2 行", "label")
    one_window("with the notebook open")
    bench = named("光学台", "frame")
    kept = [bench] + [named(n, r) for n, r in (("光源をレンズから遠ざける", "push button"),
                                               ("方眼表示", "check box"),
                                               ("おわり", "push button"))]
    notebook = [table, named("閉じる", "push button"), named("グラフを保存…", "push button")]
    for part in notebook:
        e = extents(part)
        if e.x < wx or e.y < wy or e.x + e.width > wx + ww or e.y + e.height > wy + wh:
            fail("the notebook's %r lies outside the window" % part.name)
        for k in kept:
            if overlap(e, extents(k)):
                fail("the notebook's %r covers %r" % (part.name, k.name))
    keys("Escape")
    wait_for("the notebook put away", lambda: not find("測定の表", "table"))
    print("%dx%d: one window, the bar from the start, R and P after a click on it, the notebook "
          "clear of the bench" % (width, height))
    p.terminate()
    p.wait(DEADLINE)

    # The bench's window alone, as the snapshot tool draws it for this screen.
    from PIL import Image, ImageChops, ImageGrab
    drawn = os.path.join(scratch, "snapshot.png")
    subprocess.run([snapshot, "--screen", "%dx%d" % (width, height), "--png", drawn], check=True,
                   env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))
    expected = Image.open(drawn).convert("RGB")
    q = start([korru, "--bench-only"])
    alone = wait_for("korru --bench-only's window", lambda: windows(q) and windows(q)[0])

    def same():
        ax, ay, aw, ah = geometry(alone)
        if (aw, ah) != expected.size:
            return None
        shown = ImageGrab.grab(bbox=(ax, ay, ax + aw, ay + ah), xdisplay=":%d" % number)
        return ImageChops.difference(shown.convert("RGB"), expected).getbbox() is None

    wait_for("korru --bench-only to show the snapshot tool's picture (%dx%d)" % expected.size,
             same, 0.2)
    if len(windows(q)) != 1:
        fail("korru --bench-only shows %d windows" % len(windows(q)))
    print("%dx%d: --bench-only is the snapshot tool's picture, pixel for pixel" % (width, height))


if len(sys.argv) == 3:
    for size in ("1366x768", "1920x1080"):  # the accessibility bus of one session a process
        if subprocess.run([sys.executable, __file__, korru, snapshot, size]).returncode != 0:
            sys.exit(1)
    sys.exit(0)
try:
    w, h = (int(v) for v in sys.argv[3].split("x"))
    run(400 + (os.getpid() + 300) % 500, w, h)
finally:
    stop_started()
    if "DBUS_SESSION_BUS_PID" in os.environ:
        subprocess.run(["kill", os.environ["DBUS_SESSION_BUS_PID"]], check=False)
