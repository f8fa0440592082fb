#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# Puts the page together from the shell, the program's runtime script and its WebAssembly, in
# two forms:
# - one file (--page): the WebAssembly inside it, deflated, as base64 text, which the page's
#   script decodes, inflates and compiles itself, so that a page opened from a USB stick needs
#   nothing else;
# - a folder for a web server (--folder): index.html, korru.wasm (compiled as it arrives), a
#   web app manifest with the icon, and a service worker that keeps them for use offline and
#   takes a new build on the next visit online.
# The page's icon is made here from assets/icon.xpm, so that the browser decodes no picture of
# ours at start.
# Usage: assemble.py SHELL SCRIPT WASM ICON_XPM [--page FILE] [--folder DIR]
import argparse
import base64
import hashlib
import json
import os
import re
import shutil
import struct
import sys
import zlib

NAME = "Tavensu"
BACKGROUND = "#d4d4d4"  # the page's own background, behind the window
THEME = "#efefef"       # the window's


def fail(why):
    sys.exit("assemble.py: " + why)


def read_xpm(path):
    """The XPM's pixels as rows of (r, g, b, a)."""
    with open(path, encoding="utf-8") as f:
        strings = re.findall(r'"([^"]*)"', f.read())
    if not strings:
        fail("%s holds no XPM" % path)
    width, height, colours, per = (int(n) for n in strings[0].split()[:4])
    table = {}
    for line in strings[1:1 + colours]:
        key, rest = line[:per], line[per:].split()
        value = rest[rest.index("c") + 1]
        table[key] = (0, 0, 0, 0) if value.lower() == "none" else \
            tuple(int(value[i:i + 2], 16) for i in (1, 3, 5)) + (255,)
    rows = strings[1 + colours:1 + colours + height]
    if len(rows) != height or any(len(r) != width * per for r in rows):
        fail("%s: its rows are not %dx%d" % (path, width, height))
    return [[table[r[x * per:(x + 1) * per]] for x in range(width)] for r in rows]


def png(pixels, scale=1):
    """A PNG of the pixels, each a block of scale x scale."""
    rows = b"".join(b"\0" + b"".join(bytes(p) * scale for p in row)
                    for row in pixels for _ in range(scale))
    width, height = len(pixels[0]) * scale, len(pixels) * scale

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + \
            struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)
    return (b"\x89PNG\r\n\x1a\n" +
            chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b""))


def put(text, mark, value):
    if text.count(mark) != 1:
        fail("the shell has not one %s" % mark)
    return text.replace(mark, value)


def script_element(code):
    # A script element would end at the first "</script" inside it.
    if "</script" in code.lower():
        fail("the text to put in a script element holds \"</script\"")
    return "<script>\n" + code + "\n</script>"


def ascii_only(html):
    """The page with every character past ASCII written as an escape in its own language: in a
    script as JavaScript's \\u, in a style sheet as CSS's backslash, elsewhere as a character
    reference. A browser decodes a page of ASCII bytes several times faster than one with a
    character past them: some 10 ms of the start on a slow machine."""
    def js(m):
        units = m.group().encode("utf-16-be")
        return "".join("\\u%02x%02x" % (units[i], units[i + 1]) for i in range(0, len(units), 2))

    def css(m):
        return "".join("\\%x " % ord(c) for c in m.group())

    def ref(m):
        return "".join("&#x%x;" % ord(c) for c in m.group())

    wide = re.compile(r"[^\x00-\x7f]+")
    out, at = [], 0
    for m in re.finditer(r"(<(script|style)\b[^>]*>)(.*?)(</\2)", html, re.S | re.I):
        out.append(wide.sub(ref, html[at:m.start()]))
        out.append(m.group(1) + wide.sub(js if m.group(2).lower() == "script" else css, m.group(3))
                   + m.group(4))
        at = m.end()
    out.append(wide.sub(ref, html[at:]))
    return "".join(out)


def page(shell, script, policy, head, wasm_part):
    out = put(shell, "@KORRU_POLICY@", policy)
    out = put(out, "@KORRU_HEAD@", head)
    out = put(out, "@KORRU_WASM@", wasm_part)
    return ascii_only(put(out, "@KORRU_SCRIPT@", script_element(script)))


def write(path, data):
    mode = "wb" if isinstance(data, bytes) else "w"
    with open(path + ".part", mode, **({} if mode == "wb" else {"encoding": "utf-8"})) as f:
        f.write(data)
    os.replace(path + ".part", path)


# The WebAssembly, deflated, as base64 in a comment just before the page's script: a browser
# parses a comment faster than the same text in a script element (Chromium parsed a page with
# it 6 ms later than without it, against 25 with it in a script element). The page's script
# decodes it (the browser's own base64 decoder where it has one), inflates it (the browser's own
# DecompressionStream where it has one, else inflate.js) and compiles it while the runtime's
# script is read, as it is inflated where the browser inflates it. The bytes go to the inflater
# as a stream of their own, not through a Blob, which the browser would hand to its other
# process and back. The runtime instantiates it with its imports. A failure is the runtime's
# abort, said on the page.
ONE_FILE_WASM = """<!--%s--><script>
%s
  Module.instantiateWasm = (function () {
    // A page whose comment was taken out (by a tool that strips comments) fails to compile: the
    // start failed is said, as for any damaged page.
    var mark = document.currentScript.previousSibling, packed;
    var text = mark && mark.nodeType === Node.COMMENT_NODE ? mark.data : "";
    if (Uint8Array.fromBase64) {
      packed = Uint8Array.fromBase64(text);
    } else {
      var bytes = atob(text);
      packed = new Uint8Array(bytes.length);
      for (var i = 0; i < bytes.length; ++i) packed[i] = bytes.charCodeAt(i);
    }
    var compiled;
    if (typeof DecompressionStream === "function") {
      // Every browser with DecompressionStream compiles a stream.
      compiled = WebAssembly.compileStreaming(new Response(new ReadableStream({
        start: function (c) { c.enqueue(packed); c.close(); }
      }).pipeThrough(new DecompressionStream("deflate")),
        {headers: {"Content-Type": "application/wasm"}}));
    } else {
      compiled = Promise.resolve().then(function () {
        return WebAssembly.compile(korruInflate(packed));
      });
    }
    return function (imports, receive) {
      compiled.then(function (module) {
        return WebAssembly.instantiate(module, imports).then(function (instance) {
          receive(instance, module);
        });
      }).catch(function (e) {
        console.error("korru: the WebAssembly would not start:", e);
        Module.onAbort(e);
      });
      return {};
    };
  })();
</script>"""

# The folder's page asks for this build's korru.wasm by its version, so that a page never runs
# with another build's WebAssembly, and has the service worker keep both once the page is shown.
FOLDER_WASM = """<script>
  Module.locateFile = function (file) { return file + "?v=%s"; };
  if ("serviceWorker" in navigator) {
    addEventListener("load", function () {
      navigator.serviceWorker.register("service-worker.js").catch(function (e) {
        console.warn("korru: no copy kept for use offline:", e);
      });
    });
  }
</script>"""

# What the folder's service worker does: keeps this build's files in a cache of its version
# when installed, and drops other builds' caches once it takes over. A page is asked of the
# server first (past the browser's own cache, which may hold the last build's for a while), so
# that a new build is seen on the next visit online, and taken from the cache with no network;
# every other file (the WebAssembly by its version) comes from the cache.
SERVICE_WORKER = """// The service worker of korru's hosted folder, build %(version)s.
var CACHE = "korru-%(version)s";
var FILES = %(files)s;
self.addEventListener("install", function (event) {
  event.waitUntil(caches.open(CACHE).then(function (cache) {
    return cache.addAll(FILES.map(function (f) { return new Request(f, {cache: "reload"}); }));
  }).then(function () { return self.skipWaiting(); }));
});
self.addEventListener("activate", function (event) {
  event.waitUntil(caches.keys().then(function (names) {
    return Promise.all(names.filter(function (n) {
      return n.indexOf("korru-") === 0 && n !== CACHE;
    }).map(function (n) { return caches.delete(n); }));
  }).then(function () { return self.clients.claim(); }));
});
self.addEventListener("fetch", function (event) {
  var request = event.request;
  if (request.method !== "GET" || new URL(request.url).origin !== location.origin) return;
  if (request.mode === "navigate") {
    event.respondWith(fetch(request.url, {cache: "no-cache", credentials: "same-origin"})
        .then(function (response) {
      if (!response.ok) throw new Error(String(response.status));
      return response;
    }).catch(function () {
      return caches.open(CACHE).then(function (cache) { return cache.match("./"); })
        .then(function (kept) { return kept || Response.error(); });
    }));
    return;
  }
  event.respondWith(caches.open(CACHE).then(function (cache) {
    return cache.match(request).then(function (kept) { return kept || fetch(request); });
  }));
});
"""


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("shell")
    ap.add_argument("script")
    ap.add_argument("wasm")
    ap.add_argument("icon")
    ap.add_argument("--page")
    ap.add_argument("--folder")
    a = ap.parse_args()
    with open(a.shell, encoding="utf-8") as f:
        shell = f.read()
    with open(a.script, encoding="utf-8") as f:
        script = f.read()
    with open(a.wasm, "rb") as f:
        wasm = f.read()
    icon = read_xpm(a.icon)
    small = png(icon)
    common = ('style-src \'unsafe-inline\'; script-src \'unsafe-inline\' \'unsafe-eval\'')

    if a.page:
        head = '<link rel="icon" type="image/png" href="data:image/png;base64,%s">' % \
            base64.b64encode(small).decode()
        with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "inflate.js"),
                  encoding="utf-8") as f:
            inflate = f.read()
        packed = base64.b64encode(zlib.compress(wasm, 9)).decode()
        write(a.page, page(shell, script, "default-src 'none'; %s; img-src data:" % common, head,
                           ONE_FILE_WASM % (packed, inflate)))

    if a.folder:
        version = hashlib.sha256(wasm + script.encode() + shell.encode()).hexdigest()[:16]
        if os.path.isdir(a.folder):
            shutil.rmtree(a.folder)
        os.makedirs(a.folder)
        icons = [(192, "icon-192.png"), (512, "icon-512.png")]
        for size, name in icons:
            write(os.path.join(a.folder, name), png(icon, size // len(icon)))
        write(os.path.join(a.folder, "icon.png"), small)
        manifest = {
            "name": NAME, "short_name": NAME, "start_url": "./", "scope": "./",
            "display": "standalone", "background_color": BACKGROUND, "theme_color": THEME,
            "icons": [{"src": name, "sizes": "%dx%d" % (size, size), "type": "image/png",
                       "purpose": "any"} for size, name in icons]}
        write(os.path.join(a.folder, "manifest.webmanifest"), json.dumps(manifest, indent=2) + "\n")
        head = ('<link rel="icon" type="image/png" href="icon.png">\n'
                '<link rel="apple-touch-icon" href="icon-192.png">\n'
                '<link rel="manifest" href="manifest.webmanifest">\n'
                '<meta name="theme-color" content="%s">' % THEME)
        policy = ("default-src 'self'; %s 'self'; img-src 'self' data:" % common)
        write(os.path.join(a.folder, "index.html"),
              page(shell, script, policy, head, FOLDER_WASM % version))
        write(os.path.join(a.folder, "korru.wasm"), wasm)
        files = ["./", "korru.wasm?v=" + version, "manifest.webmanifest", "icon.png"] + \
            [name for _, name in icons]
        write(os.path.join(a.folder, "service-worker.js"),
              SERVICE_WORKER % {"version": version, "files": json.dumps(files)})


main()
