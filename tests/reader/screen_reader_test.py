#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# What a screen reader hears from korru, on the real accessibility bus (AT-SPI, which Orca
# reads): every control by a name in words with its role, the lesson bar's actions among them from
# the start, and the bench's description, announced each time a press changes the scene. Runs korru under its own X server and D-Bus session.
# Every wait is for something to happen, up to a deadline long enough for a loaded machine and
# a sanitizer build.
#   screen_reader_test.py KORRU
import os
import subprocess
import sys
import tempfile
import time

korru = sys.argv[1]
scratch = tempfile.mkdtemp()
number = 400 + os.getpid() % 500
display = ":%d" % number
started = []
DEADLINE = 60  # seconds for anything to happen


def start(args, **kwargs):
    p = subprocess.Popen(args, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, **kwargs)
    started.append(p)
    return p


def fail(message):
    print("FAIL:", message)
    sys.exit(1)


def wait_for(what, ready, step=lambda: time.sleep(0.05)):
    """Returns ready()'s first true value, polled until the deadline; fails naming `what`."""
    end = time.monotonic() + DEADLINE
    while True:
        value = ready()
        if value:
            return value
        if time.monotonic() > end:
            fail("waited %d s for %s" % (DEADLINE, what))
        step()


def accessibility_bus_ready():
    """Whether the accessibility bus answers with its address, as korru will ask for it."""
    reply = subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus",
                            "/org/a11y/bus", "org.a11y.Bus.GetAddress"],
                           capture_output=True, text=True).stdout
    return 'string "unix:' in reply


try:
    x = start(["Xvfb", display, "-screen", "0", "1024x768x24", "-nolisten", "tcp"])
    os.environ.update(DISPLAY=display, XDG_RUNTIME_DIR=scratch, LANG="C", LC_ALL="C")
    os.environ.pop("QT_QPA_PLATFORM", None)
    os.environ.pop("WAYLAND_DISPLAY", None)
    wait_for("the X server %s ready" % display,
             lambda: x.poll() is not None or os.path.exists("/tmp/.X11-unix/X%d" % number))
    if x.poll() is not None:
        fail("the X server %s did not start" % display)
    session = subprocess.run(["dbus-launch", "--sh-syntax"], capture_output=True, text=True,
                             check=True).stdout
    for line in session.splitlines():
        if "=" in line and line.startswith("DBUS_SESSION_BUS_"):
            name, value = line.rstrip(";").split("=", 1)
            os.environ[name] = value.strip("'")
    start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
    wait_for("the accessibility bus", accessibility_bus_ready)
    start([korru], env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))

    import pyatspi  # after the session's address is known
    from gi.repository import GLib

    def pump(seconds):
        end = time.time() + seconds
        context = GLib.MainContext.default()
        while time.time() < end:
            context.iteration(False)
            time.sleep(0.01)

    def korru_on_the_bus():
        desktop = pyatspi.Registry.getDesktop(0)
        apps = [desktop.getChildAtIndex(i) for i in range(desktop.childCount)]
        app = next((a for a in apps if a is not None and a.name == "korru"), None)
        return app if app is not None and app.childCount else None

    app = wait_for("korru on the accessibility bus", korru_on_the_bus)

    nodes = []

    def walk(node):
        nodes.append(node)
        for i in range(node.childCount):
            walk(node.getChildAtIndex(i))

    walk(app)
    by_name = {n.name: n for n in nodes}
    expected = {
        "光源をレンズから遠ざける": "push button",
        "光源をレンズに近づける": "push button",
        "光源を上へ動かす": "push button",
        "光源を下へ動かす": "push button",
        "長い": "radio button",
        "短い": "radio button",
        "多い": "radio button",
        "少ない": "radio button",
        "方眼表示": "check box",
        "おわり": "push button",
        "光学台": "frame",
        "予想する": "push button",
        "記録する": "push button",
        "測定ノート": "push button",
    }
    for name, role in expected.items():
        if name not in by_name:
            fail("no control named %r; heard: %r" % (name, [n.name for n in nodes]))
        if by_name[name].getRoleName() != role:
            fail("%r is a %s, not a %s" % (name, by_name[name].getRoleName(), role))
    bench = by_name["光学台"]
    if not bench.description.startswith("実像ができています。"):
        fail("the bench at start says %r" % bench.description)

    heard = []
    chosen = []
    pyatspi.Registry.registerEventListener(
        lambda e: heard.append(e.source.description),
        "object:property-change:accessible-description")
    pyatspi.Registry.registerEventListener(
        lambda e: chosen.append(e.source.name) if e.detail1 else None,
        "object:state-changed:checked")

    def events():
        GLib.MainContext.default().iteration(False)
        time.sleep(0.01)

    # korru learns of the listeners in its own time. Until it tells that the large step is
    # chosen, the two steps are chosen in turn, the large one last; a step changes nothing on
    # the bench, so nothing is announced (an announcement that came late would show in the
    # count at the end).
    def large_step_told():
        for name in ("少ない", "多い"):
            by_name[name].queryAction().doAction(0)
        for _ in range(100):
            events()
        return "多い" in chosen

    wait_for("korru to tell that 多い is chosen", large_step_told, events)
    if heard:
        fail("a press that changes nothing was announced: %r" % heard)
    # 16 squares to 3, through the focal point: each press (the button's animated click) moves
    # the candle half a square, and is announced before the next.
    closer = by_name["光源をレンズに近づける"].queryAction()
    for n in range(1, 27):
        closer.doAction(0)
        wait_for("the announcement of press %d of 26 (%d heard before it)" % (n, len(heard)),
                 lambda: len(heard) >= n, events)
    if not heard[-1].startswith("虚像が見えます。") or "像はレンズの左 12 マス" not in heard[-1]:
        fail("the last announcement was %r" % heard[-1])
    pump(0.5)  # time for an announcement too many to arrive
    if len(heard) != 26:
        fail("26 changes were announced %d times" % len(heard))
    print("heard %d announcements; the last: %s" % (len(heard), heard[-1]))
finally:
    for p in reversed(started):
        p.terminate()
    for p in started:
        try:
            p.wait(5)
        except subprocess.TimeoutExpired:
            p.kill()
    if "DBUS_SESSION_BUS_PID" in os.environ:
        subprocess.run(["kill", os.environ["DBUS_SESSION_BUS_PID"]], check=False)
