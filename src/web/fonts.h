// SPDX-License-Identifier: MIT
// The page's fonts. The desktop's Japanese Gothic face is stood in for by the system's Japanese
// UI fonts, IPAPGothic first as on the desktop; no font travels with the page. Sizes are CSS
// pixels, as the desktop sets them in pixels.
#pragma once

#include <string>
#include <string_view>

#include "bench/drawing.h"
#include "window/definition.h"

namespace korru::web {

// What the page asks for, first found first used: the desktop's choices on Linux, then the
// Japanese UI fonts of ChromeOS, Windows, macOS and iPadOS.
inline constexpr std::string_view kFontFamilies =
    "IPAPGothic, IPAexGothic, 'Noto Sans CJK JP', 'Source Han Sans JP', 'VL PGothic', "
    "TakaoPGothic, 'Noto Sans JP', 'Hiragino Sans', 'Hiragino Kaku Gothic ProN', 'Yu Gothic UI', "
    "Meiryo, 'MS PGothic', sans-serif";

// A CSS font shorthand: "bold 27px IPAPGothic, ...", in the faces of the page's language
// (web/language.h: font_families).
std::string css_font(double pixels, bool bold = false);

// The size of an item's font: its own size from the definition, made smaller where its caption
// would not fit the item's box, as the desktop fits it; the default size if it has none.
int font_pixels(const ItemDef& def);

// The size of a text of a drawing: its own where it has one, else its item's (font_pixels), or
// the default size for a text that is no item's (the plot's numbers, a prediction's words).
int text_pixels(const Text& t);

// How far below the top of a line of text, as the canvas sets it (textBaseline "top"), its
// baseline lies, in CSS pixels.
double baseline_below_top(double pixels, bool bold);

}  // namespace korru::web
