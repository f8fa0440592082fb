# SPDX-License-Identifier: MIT
# What the process tests under an X server share: starting programs that are stopped at the end,
# waiting on a condition with a generous deadline, and xdotool's answers.
import subprocess
import sys
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
