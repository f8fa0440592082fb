// SPDX-License-Identifier: MIT
// The window's fonts. The Japanese Gothic face of the window definition is stood in for by a
// proportional Japanese face found on this machine; items without a font of their own use the
// window's default font, the same face at the size of one line of text in a 255-twip row.
#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

#include "bench/drawing.h"
#include "window/definition.h"

namespace korru::view {

// The proportional Japanese Gothic face used for every caption.
const QString& gothic_family();

// The faces captions are shown in, in the order they are tried for a character: the Gothic face
// alone for Japanese and the languages in Latin letters it covers, a face of the language's
// script before it for the others.
QStringList caption_families();

// The window's default font.
QFont window_font();

// The font of an item: its own face and size from the definition, made smaller where its caption
// would not fit the item's box; the window's default font if it has none of its own.
QFont item_font(const ItemDef& def);

// The font of a text of the drawing: its item's, or the window's for a text of no item, at the
// text's own size where it has one.
QFont text_font(const Text& t);

}  // namespace korru::view
