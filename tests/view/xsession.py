# SPDX-License-Identifier: MIT
# What the process tests under an X server share: starting programs that are stopped at the end,
# waiting on a condition with a generous deadline, and xdotool's answers.
import os
import select
import subprocess
import sys
import tempfile
import time

DEADLINE = 60  # seconds for anything to happen
started = []


def fail(message):
    print("FAIL:", message)
    sys.exit(1)


def start(args, **kwargs):
    started.append(subprocess.Popen(args, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                    **kwargs))
    return started[-1]


def stop_started():
    """Every program started, stopped: asked first, then killed after the deadline."""
    for q in reversed(started):
        q.terminate()
        try:
            q.wait(DEADLINE)
        except subprocess.TimeoutExpired:
            q.kill()


def wait_for(what, ready, pause=0.05):
    """Returns ready()'s first true value, polled until the deadline; fails naming `what`."""
    end = time.monotonic() + DEADLINE
    while not (value := ready()):
        if time.monotonic() > end:
            fail("waited %d s for %s" % (DEADLINE, what))
        time.sleep(pause)
    return value


def xdotool(*args):
    return subprocess.run(["xdotool", *args], capture_output=True, text=True).stdout


def geometry(wid):
    values = dict(v.split("=") for v in xdotool("getwindowgeometry", "--shell", wid).split())
    return [int(values[k]) for k in ("X", "Y", "WIDTH", "HEIGHT")]


def session(number, width, height):
    """An X server of the test's own, `width` x `height`, with a session bus and the accessibility
    bus, korru's settings and files in a scratch folder: its number (from `number`, past any
    server's lock) and that folder."""
    scratch = tempfile.mkdtemp()
    while os.path.exists("/tmp/.X%d-lock" % number):  # another test's server, maybe going
        number += 1
    # The server writes its number to the pipe once it takes clients: ours, not one going away.
    # It does not reset when its last client leaves (xprop, dbus-launch): a client connecting
    # meanwhile would be dropped.
    ready, told = os.pipe()
    start(["Xvfb", ":%d" % number, "-screen", "0", "%dx%dx24" % (width, height), "-nolisten",
           "tcp", "-noreset", "-displayfd", str(told)], pass_fds=(told,))
    os.close(told)
    if not select.select([ready], [], [], DEADLINE)[0] or not os.read(ready, 16).strip():
        fail("the X server :%d did not start" % number)
    os.environ.update(DISPLAY=":%d" % number, XDG_RUNTIME_DIR=scratch, XDG_DATA_HOME=scratch,
                      XDG_CONFIG_HOME=scratch, LANG="C", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    for name in ("QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "LC_ALL", "LANGUAGE"):
        os.environ.pop(name, None)
    for line in subprocess.run(["dbus-launch", "--sh-syntax"], capture_output=True, text=True,
                               check=True).stdout.splitlines():
        if line.startswith("DBUS_SESSION_BUS_"):
            name, value = line.rstrip(";").split("=", 1)
            os.environ[name] = value.strip("'")
    start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
    return number, scratch
