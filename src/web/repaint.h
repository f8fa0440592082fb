// SPDX-License-Identifier: MIT
// What a canvas shows, primitive by primitive, so that the next paint paints again only where
// something changed. On a large screen at a high pixel ratio the bench's canvas has millions of
// device pixels, and filling them all takes the browser milliseconds; a click moves the candle,
// its image and their rays, a small part of them.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "web/pixels.h"

namespace korru::web {

// One primitive as painted: `key` holds everything that decides its pixels, so that two with the
// same key paint the same pixels (an empty key is never the same as another: it is painted
// again each time); `cover` holds every device pixel it may change. What the browser smooths
// (a slanting line, a halo, pixels stretched smoothly) it smooths differently where a clip cuts
// it, so it is painted in pieces each clipped to one rectangle of its cover, and painted again
// a whole piece at a time (`whole`).
struct Painted {
    std::string key;
    std::vector<Rect> cover;
    bool whole = false;
};

// The pieces of a line stroked from (x1, y1) to (x2, y2), `width` device pixels across and
// smoothed: rectangles one after another along it, that hold every device pixel it may change
// and share none, so that a slanting line covers a strip of the canvas rather than its whole box
// and is painted once at every pixel.
std::vector<Rect> stroke_pieces(double x1, double y1, double x2, double y2, double width);

// Where a canvas of `width` x `height` device pixels that shows `before` must be painted again to
// show `now`: the covers of the primitives that the two do not share in the same order, for
// outside them every pixel is painted by the same primitives in the same order, and every piece
// of another that they meet. Nothing where everything is as it was; nullopt where that is most
// of the canvas, and painting it all is as quick.
std::optional<std::vector<Rect>> to_repaint(const std::vector<Painted>& before,
                                            const std::vector<Painted>& now, int width, int height);

// Whether any of `cover` lies in any of `rects`.
bool meets(const std::vector<Rect>& cover, const std::vector<Rect>& rects);

}  // namespace korru::web
