// SPDX-License-Identifier: MIT
// The bench as a drawing: an ordered list of plain primitives in twips of the bench area (origin
// at its top-left corner, y downward), painted first to last, so the last lies on top. Hidden
// items are left out. Every face that shows the bench (the window, its pictures, the page's
// canvas) paints this list as it stands and computes no position of its own.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <variant>
#include <vector>

#include "window/screen.h"
#include "window/window.h"

namespace korru {

struct Box {
    float left = 0, top = 0, width = 0, height = 0;  // twips
};

// The pixels a box covers, rounded as every face rounds.
inline PixelBox pixel_box(const Box& b) {
    return pixel_box(b.left, b.top, b.width, b.height);
}

// The bench's background, filling the whole bench area.
struct FilledRect {
    Box box;
    Rgb colour;
};

struct Line {
    int item;              // the item drawn, in kItems
    float x1, y1, x2, y2;  // twips
    Rgb colour;
    int width = 1;  // pixels across
};

// A rectangle or an oval, filled and outlined.
struct Shape {
    int item;
    Box box;
    ShapeKind kind;
    Rgb outline, fill;
};

// A bitmap stretched over its box; transparent pixels show what lies beneath.
struct Picture {
    int item;
    Box box;
    std::string_view name;  // the picture in assets/: "candle"
    bool turned;            // given a half turn: mirrored left to right and top to bottom
    bool smooth = false;    // stretched smoothly at any size (smooth_picture)
    float scale = 0;        // twips: the upright candle's height on this bench, its scale
    Rgb outline = 0;        // drawn round its shape, where outline_width is not 0
    int outline_width = 0;  // pixels, a margin of the box round the picture
};

// Pixels the model computed: rows top to bottom, 4 bytes a pixel (red, green, blue, alpha), the
// colours not multiplied by alpha, as a PNG, a canvas's ImageData and QImage's RGBA8888 hold them.
struct Rgba {
    int width = 0, height = 0;
    std::vector<std::uint8_t> bytes;
};

// Pixels stretched smoothly over their box, on what lies beneath (the light on the experiment's
// screen). Shared, so that copying a drawing copies no pixels.
struct Raster {
    int item;
    Box box;
    std::shared_ptr<const Rgba> pixels;
};

// Text on a transparent background, from the top of its box, at its left, centred across it or
// at its right, clipped to it; its baseline the font's ascent below the box's top.
enum class Align { left, centre, right };
struct Text {
    int item;
    Box box;
    std::string_view text;  // UTF-8, valid while the window is unchanged
    Rgb colour;
    Font font;  // an empty face: the window's default font
    Align align;
    int pixels = 0;  // the font's pixel size; 0: the font's own
    // A band of this colour round the letters, `halo` pixels wide, where that is not 0: what
    // lies behind the text, whatever lies behind the band.
    Rgb halo_colour = 0;
    int halo = 0;
};

using Primitive = std::variant<FilledRect, Line, Shape, Picture, Raster, Text>;
using Drawing = std::vector<Primitive>;

// The item a primitive draws; -1 for the background and for what belongs to no item.
int item_of(const Primitive& p);

// A level or upright line as the whole pixels it covers, from one end up to the other and at
// least one pixel across, so it is exact at any device pixel ratio; nothing for a slanting line,
// which a face strokes one pixel wide through the centres of its end pixels.
std::optional<PixelBox> whole_pixels(const Line& line);

// The same line in device pixels at `ratio`: along it from its rounded start to its rounded end,
// across it one line width (device_line_width) from where its pixel starts, so that every line
// of a kind is as wide as every other at any ratio; a line several pixels wide as many line
// widths, about that pixel.
std::optional<PixelBox> whole_device_pixels(const Line& line, double ratio);

// The one-pixel outline of a rectangle given in device pixels at `ratio`: top, bottom, left and
// right, each one line width across and inside the box.
std::array<PixelBox, 4> outline_device_pixels(const PixelBox& box, double ratio);

// What the bench shows now.
Drawing draw_bench(const Window& w);

// The same, into `out`, reusing its storage.
void draw_bench(const Window& w, Drawing& out);

}  // namespace korru
