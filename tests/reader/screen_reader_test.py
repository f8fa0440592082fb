#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# What a screen reader hears from korru, on the real accessibility bus (AT-SPI, which Orca
# reads): every control by a name in words with its role, and the bench's description, announced
# each time a press changes the scene. Runs korru under its own X server and D-Bus session.
#   screen_reader_test.py KORRU
import os
import subprocess
import sys
import tempfile
import time

korru = sys.argv[1]
scratch = tempfile.mkdtemp()
display = ":%d" % (400 + os.getpid() % 500)
started = []


def start(args, **kwargs):
    p = subprocess.Popen(args, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, **kwargs)
    started.append(p)
    return p


def fail(message):
    print("FAIL:", message)
    sys.exit(1)


try:
    start(["Xvfb", display, "-screen", "0", "1024x768x24", "-nolisten", "tcp"])
    os.environ.update(DISPLAY=display, XDG_RUNTIME_DIR=scratch, LANG="C", LC_ALL="C")
    os.environ.pop("QT_QPA_PLATFORM", None)
    os.environ.pop("WAYLAND_DISPLAY", None)
    time.sleep(1)
    session = subprocess.run(["dbus-launch", "--sh-syntax"], capture_output=True, text=True,
                             check=True).stdout
    for line in session.splitlines():
        if "=" in line and line.startswith("DBUS_SESSION_BUS_"):
            name, value = line.rstrip(";").split("=", 1)
            os.environ[name] = value.strip("'")
    start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
    time.sleep(1)
    start([korru], env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))

    import pyatspi  # after the session's address is known
    from gi.repository import GLib

    def pump(seconds):
        end = time.time() + seconds
        context = GLib.MainContext.default()
        while time.time() < end:
            context.iteration(False)
            time.sleep(0.01)

    app = None
    for _ in range(100):
        desktop = pyatspi.Registry.getDesktop(0)
        apps = [desktop.getChildAtIndex(i) for i in range(desktop.childCount)]
        app = next((a for a in apps if a is not None and a.name == "korru"), None)
        if app is not None and app.childCount:
            break
        time.sleep(0.1)
    if app is None:
        fail("korru never appeared on the accessibility bus")

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
    pyatspi.Registry.registerEventListener(
        lambda e: heard.append(e.source.description),
        "object:property-change:accessible-description")

    # A press is the button's animated click, which takes a tenth of a second.
    def press(name, times=1):
        action = by_name[name].queryAction()
        for _ in range(times):
            action.doAction(0)
            pump(0.15)

    press("多い")  # a large step: nothing on the bench changes, nothing is announced
    pump(0.5)
    if heard:
        fail("a press that changes nothing was announced: %r" % heard)
    press("光源をレンズに近づける", 26)  # 16 squares to 3: through the focal point
    for _ in range(100):
        if heard and heard[-1].startswith("虚像"):
            break
        pump(0.1)
    if not heard:
        fail("no change of the bench's description was announced")
    if not heard[-1].startswith("虚像が見えます。") or "像はレンズの左 12 マス" not in heard[-1]:
        fail("the last announcement was %r" % heard[-1])
    pump(0.5)
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
