#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# Writes the page's English table from the desktop's catalogue: each message of the context
# "korru" in translations/korru_en.ts that has a translation, as a pair of C++ string literals.
# Usage: catalogue.py TS HEADER. A catalogue the page cannot read fails the build, naming why.
import os
import sys
import xml.etree.ElementTree as ET


def literal(text):
    """A C++ string literal of the text's UTF-8, with what cannot stand in one escaped."""
    out = []
    for ch in text:
        if ch in '"\\':
            out.append("\\" + ch)
        elif ch == "\n":
            out.append("\\n")
        elif ord(ch) < 0x20 or ord(ch) == 0x7F:
            out.append("\\%03o" % ord(ch))  # three octal digits: no following digit is taken in
        else:
            out.append(ch)
    return '"' + "".join(out) + '"'


def pairs(ts_path):
    try:
        root = ET.parse(ts_path).getroot()  # the parser unescapes &amp;, &apos;, &#...; and the like
    except (OSError, ET.ParseError) as e:
        sys.exit("catalogue.py: cannot read %s: %s" % (ts_path, e))
    found = []
    contexts = [c for c in root.findall("context") if c.findtext("name") == "korru"]
    if not contexts:
        sys.exit("catalogue.py: %s has no context \"korru\"" % ts_path)
    for context in contexts:
        for message in context.findall("message"):
            source, translation = message.find("source"), message.find("translation")
            if source is None or translation is None:
                sys.exit("catalogue.py: %s: a message without its source or translation" % ts_path)
            if message.get("numerus") == "yes":
                sys.exit("catalogue.py: %s: plural forms are not read by the page: %s"
                         % (ts_path, source.text))
            # Like lrelease: what was dropped from the sources is left out, an unfinished but
            # written translation is used, and an empty one shows the text as written.
            if translation.get("type") in ("vanished", "obsolete") or not translation.text:
                continue
            found.append((source.text or "", translation.text))
    return found


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: catalogue.py TS HEADER")
    ts_path, header = sys.argv[1:]
    lines = ["// Made by src/web/catalogue.py from %s; not to be edited." % ts_path.split("/")[-1],
             "#pragma once", "", "#include <string_view>", "#include <utility>", "",
             "namespace korru::web {", "",
             "inline constexpr std::pair<std::string_view, std::string_view> kEnglish[] = {"]
    lines += ["    {%s, %s}," % (literal(s), literal(t)) for s, t in pairs(ts_path)]
    lines += ["};", "", "}  // namespace korru::web", ""]
    with open(header + ".part", "w", encoding="utf-8") as out:
        out.write("\n".join(lines))
    os.replace(header + ".part", header)


if __name__ == "__main__":
    main()
