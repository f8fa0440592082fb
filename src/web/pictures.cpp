// SPDX-License-Identifier: MIT
// Pictures from the XPM grids. The turned candle is the upright one given a half turn, so the two
// always match, as on the desktop.
#include "web/pictures.h"

#include <stdexcept>
#include <string>

#include "web/bitmap.h"

namespace korru::web {

using emscripten::val;

val canvas_of(const Bitmap& b) {
    val canvas = val::global("document").call<val>("createElement", val("canvas"));
    canvas.set("width", b.width);
    canvas.set("height", b.height);
    val context = canvas.call<val>("getContext", val("2d"));
    val image = context.call<val>("createImageData", b.width, b.height);
    image["data"].call<void>("set",
                             val(emscripten::typed_memory_view(b.bytes.size(), b.bytes.data())));
    context.call<void>("putImageData", image, 0, 0);
    return canvas;
}

const Bitmap& picture_pixels(std::string_view name, bool turned) {
    const Bitmap& candle = korru::picture_pixels(name);  // throws for a picture there is not
    static const Bitmap half_turned = web::turned(candle);
    return turned ? half_turned : candle;
}

const val& picture(std::string_view name, bool turned) {
    static const val upright = canvas_of(picture_pixels(name, false));
    static const val half_turned = canvas_of(picture_pixels(name, true));
    picture_pixels(name, turned);  // only the pictures there are
    return turned ? half_turned : upright;
}

}  // namespace korru::web
