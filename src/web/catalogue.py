#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# Writes the page's catalogues from the desktop's: each message of the context "korru" in
# translations/korru_<code>.ts that has a translation. One list of the texts as written, every
# catalogue's translations in its order ("" where a catalogue has none, shown as written). The
# English stays plain, read at once; every other language is packed with deflate (zlib's format,
# which the browser's DecompressionStream reads) and unpacked only when it is chosen, so the page
# grows by a packed catalogue each and starts no slower.
# A counted text (Qt's numerus="yes", "%n 行") keeps its plural forms in one translation, a unit
# separator between them; the page picks the form its language's rule asks for (plural_form).
# Usage: catalogue.py HEADER TS... A catalogue the page cannot read fails the build, naming why.
import os
import sys
import xml.etree.ElementTree as ET
import zlib

FORM_BETWEEN = "\x1f"  # between a counted text's plural forms


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
    found = {}
    contexts = [c for c in root.findall("context") if c.findtext("name") == "korru"]
    if not contexts:
        sys.exit("catalogue.py: %s has no context \"korru\"" % ts_path)
    for context in contexts:
        for message in context.findall("message"):
            source, translation = message.find("source"), message.find("translation")
            if source is None or translation is None:
                sys.exit("catalogue.py: %s: a message without its source or translation" % ts_path)
            # Like lrelease: what was dropped from the sources is left out, an unfinished but
            # written translation is used, and an empty one shows the text as written.
            if translation.get("type") in ("vanished", "obsolete"):
                continue
            if message.get("numerus") == "yes":
                forms = [f.text or "" for f in translation.findall("numerusform")]
                if any(FORM_BETWEEN in f for f in forms):
                    sys.exit("catalogue.py: %s: a plural form with the separator: %s"
                             % (ts_path, source.text))
                if not forms or not all(forms):
                    continue
                translation.text = FORM_BETWEEN.join(forms)
            elif not translation.text:
                continue
            if "\0" in translation.text:
                sys.exit("catalogue.py: %s: a translation with a NUL: %s" % (ts_path, source.text))
            found[source.text or ""] = translation.text
    return found


def code_of(ts_path):
    name = os.path.basename(ts_path)
    if not (name.startswith("korru_") and name.endswith(".ts")):
        sys.exit("catalogue.py: %s is not named korru_<code>.ts" % ts_path)
    return name[len("korru_"):-len(".ts")]


def main():
    if len(sys.argv) < 3:
        sys.exit("usage: catalogue.py HEADER TS...")
    header, paths = sys.argv[1], sorted(sys.argv[2:])
    catalogues = {code_of(p): pairs(p) for p in paths}
    if "en" not in catalogues:
        sys.exit("catalogue.py: no English catalogue (korru_en.ts)")
    sources = []
    for code in ["en"] + sorted(c for c in catalogues if c != "en"):
        sources += [s for s in catalogues[code] if s not in sources]
    lines = ["// Made by src/web/catalogue.py from translations/korru_*.ts; not to be edited.",
             "#pragma once", "", "#include <cstddef>", "#include <string_view>", "",
             "namespace korru::web {", "",
             "// Between the plural forms of a counted text's translation.",
             "inline constexpr char kFormBetween = '\\x1f';", "",
             "// Every text some catalogue translates, as written.",
             "inline constexpr std::string_view kSources[] = {"]
    lines += ["    %s," % literal(s) for s in sources]
    lines += ["};", "", "// The English of each text, \"\" where it has none.",
              "inline constexpr std::string_view kEnglish[] = {"]
    lines += ["    %s," % literal(catalogues["en"].get(s, "")) for s in sources]
    lines += ["};", "",
              "// A language's translations in the order of kSources, each ended by a NUL,",
              "// deflated.",
              "struct PackedCatalogue {",
              "    std::string_view code;",
              "    const unsigned char* bytes;",
              "    std::size_t size;",
              "};", ""]
    packed = []
    for code in sorted(c for c in catalogues if c != "en"):
        text = "".join(catalogues[code].get(s, "") + "\0" for s in sources)
        data = zlib.compress(text.encode("utf-8"), 9)
        name = "kPacked_" + code
        packed.append((code, name))
        lines.append("inline constexpr unsigned char %s[] = {" % name)
        for i in range(0, len(data), 16):
            lines.append("    " + ", ".join("0x%02x" % b for b in data[i:i + 16]) + ",")
        lines.append("};")
    lines += ["", "inline constexpr PackedCatalogue kPacked[] = {"]
    lines += ["    {%s, %s, sizeof %s}," % (literal(code), name, name) for code, name in packed]
    lines += ["};", "", "}  // namespace korru::web", ""]
    with open(header + ".part", "w", encoding="utf-8") as out:
        out.write("\n".join(lines))
    os.replace(header + ".part", header)


if __name__ == "__main__":
    main()
