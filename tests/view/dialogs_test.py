#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# The notebook's questions as a teacher meets them, on an X server of the test's own without a
# window manager and (where installed) with openbox: a row recorded (R), the notebook opened (N)
# in the lesson's band of korru's window, then "すべて消す…" and, a row chosen, "行を消す…" each
# ask; each question is read off the screen as the server holds it (GetImage of the root): the
# window's background around words in ink, and answered "no". Buttons and the table are found on the accessibility bus and clicked.
# xwd is no judge: each toolkit window has a colormap of its own, and xwd, reading a screen of
# several colormaps region by region, reads a window inside the overlap of two others as one
# colour, whatever the screen shows.
#   dialogs_test.py KORRU [none | MANAGER]   (without the second, both ways, a process each)
import os
import shutil
import socket
import struct
import subprocess
import sys

from xsession import fail, geometry, session, start, stop_started, wait_for, xdotool

korru = sys.argv[1]


class Screen:
    """The screen's pixels, by the core protocol's GetImage of the root window."""

    def __init__(self, number):
        self.sock = socket.socket(socket.AF_UNIX)
        self.sock.connect("/tmp/.X11-unix/X%d" % number)
        self.sock.sendall(struct.pack("<BxHHHHxx", ord("l"), 11, 0, 0, 0))
        head = self.read(8)
        body = self.read(struct.unpack("<H", head[6:8])[0] * 4)
        if head[0] != 1:
            fail("the X server :%d refused a client: %r" % (number, body[:head[1]]))
        vendor, formats = struct.unpack("<H", body[16:18])[0], body[21]
        at = 32 + (vendor + 3) // 4 * 4 + 8 * formats
        self.root = struct.unpack("<I", body[at:at + 4])[0]

    def read(self, size):
        data = b""
        while len(data) < size:
            data += self.sock.recv(size - len(data)) or fail("the X server went away")
        return data

    def pixels(self, x, y, width, height):
        self.sock.sendall(struct.pack("<BBHIhhHHI", 73, 2, 5, self.root, x, y, width, height,
                                      0xFFFFFFFF))
        while (head := self.read(32))[0] > 1:  # an event every client hears (MappingNotify)
            pass
        if head[0] != 1:
            fail("GetImage of %dx%d+%d+%d failed (error %d)" % (width, height, x, y, head[1]))
        data = self.read(struct.unpack("<I", head[4:8])[0] * 4)
        return [v & 0xFFFFFF for v in struct.unpack("<%dI" % (width * height), data)]


def dark(rgb):
    return ((rgb >> 16) & 255) + ((rgb >> 8) & 255) + (rgb & 255) < 3 * 96


def run(number, manager):
    number, scratch = session(number, 1366, 768)
    if manager:
        start([manager])
        wait_for(manager, lambda: "_NET_SUPPORTING_WM_CHECK" in subprocess.run(
            ["xprop", "-root"], capture_output=True, text=True).stdout)
    p = start([korru])
    screen = Screen(number)

    def windows():
        return {w: xdotool("getwindowname", w).strip() for w in
                xdotool("search", "--all", "--onlyvisible", "--pid", str(p.pid), "--name", "")
                .split()}

    def titled(title):
        return wait_for(title, lambda: next((w for w, t in windows().items() if t == title), 0))

    window = titled("Tavensu")
    subprocess.run(["xdotool", "windowfocus", "--sync", window, "key", "r", "n"], check=True)

    import pyatspi  # once the session's bus is known

    def named(name, role):
        def find():
            stack = [a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "korru"]
            while stack:
                node = stack.pop()
                if node.name == name and node.getRoleName() == role and \
                        node.getState().contains(pyatspi.STATE_SHOWING):
                    return node
                stack.extend(node)
        return wait_for("%s %r on the accessibility bus" % (role, name), find, 0.2)

    def click(node):
        e = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        subprocess.run(["xdotool", "mousemove", str(e.x + e.width // 2),
                        str(e.y + e.height // 2), "click", "1"], check=True)

    # korru's one window, all of it on the screen; its background, around the notebook's title.
    lx, ly, lw, lh = geometry(window)
    if lx < 0 or ly < 0 or lx + lw > 1366 or ly + lh > 768:
        fail("korru's window (%dx%d+%d+%d) runs off the screen" % (lw, lh, lx, ly))
    title = named("測定ノート — 1 行", "label").queryComponent().getExtents(
        pyatspi.DESKTOP_COORDS)
    seen = screen.pixels(title.x, title.y, title.width, title.height)
    background = max(set(seen), key=seen.count)

    def read_question(what, ask):
        before = set(windows())
        ask()
        box = wait_for(what, lambda: next((w for w in windows() if w not in before), None))
        bx, by, bw, bh = geometry(box)

        def painted():
            pixels = screen.pixels(bx, by, bw, bh)
            return pixels if len(set(pixels)) > 1 and sum(map(dark, pixels)) >= 80 else None

        pixels = wait_for("%s painted (%dx%d+%d+%d)" % (what, bw, bh, bx, by), painted, 0.2)
        ground = max(set(pixels), key=pixels.count)
        if ground != background:
            fail("%s lies on #%06x, the window on #%06x" % (what, ground, background))
        subprocess.run(["xdotool", "windowfocus", "--sync", box, "key", "Escape"], check=True)
        wait_for("%s answered" % what, lambda: box not in windows())
        print("%s: %s painted, %d colours, %d pixels of ink"
              % (manager or "no window manager", what, len(set(pixels)), sum(map(dark, pixels))))

    read_question("the question to clear the rows", lambda: click(named("すべて消す…", "push button")))
    table = named("測定の表", "table").queryTable()
    click(table.getAccessibleAt(0, 1))
    read_question("the question to take a row out", lambda: click(named("行を消す…", "push button")))
    named("測定ノート — 1 行", "label")  # answered "no": the row stays


if len(sys.argv) == 2:
    ways = ["none"] + (["openbox"] if shutil.which("openbox") else [])
    for way in ways:  # the accessibility bus of one session a process
        if subprocess.run([sys.executable, __file__, korru, way]).returncode != 0:
            sys.exit(1)
    if len(ways) == 1:
        print("openbox is not installed: read without a window manager only")
    sys.exit(0)
try:
    run(400 + (os.getpid() + 100) % 500, None if sys.argv[2] == "none" else sys.argv[2])
finally:
    stop_started()
    if "DBUS_SESSION_BUS_PID" in os.environ:
        subprocess.run(["kill", os.environ["DBUS_SESSION_BUS_PID"]], check=False)
