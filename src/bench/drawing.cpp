// SPDX-License-Identifier: MIT
// The bench drawing from the window: the background, then the bench items from the last in the
// stacking order to the first, each by its kind and look.
#include "bench/drawing.h"

#include <algorithm>
#include <cstdlib>

namespace korru {

namespace {

// The bench items, lowest first.
constexpr auto kPaintOrder = [] {
    std::array<int, 75> ids{};
    std::size_t n = 0;
    for (int i = static_cast<int>(kItemCount) - 1; i >= 0; --i) {
        if (kItems[static_cast<std::size_t>(i)].container == "work") ids.at(n++) = i;
    }
    if (n != ids.size()) throw std::logic_error("the bench holds 75 items");
    return ids;
}();

Box box_of(const Item& it) {
    return {it.left, it.top, it.width, it.height};
}

}  // namespace

int item_of(const Primitive& p) {
    return std::visit(
        [](const auto& x) {
            if constexpr (requires { x.item; }) {
                return x.item;
            } else {
                return -1;
            }
        },
        p);
}

namespace {

// A level or upright box `one` wide made `width` times as wide, about where it was.
PixelBox widened(PixelBox box, const Line& line, int one) {
    const int width = std::max(line.width, 1), across = one * width,
              before = one * ((width - 1) / 2);
    if (pixel_of(line.y1) == pixel_of(line.y2)) {  // level
        box.top -= before;
        box.height = across;
    }
    if (pixel_of(line.x1) == pixel_of(line.x2)) {  // upright
        box.left -= before;
        box.width = across;
    }
    return box;
}

std::optional<PixelBox> one_pixel(const Line& line) {
    const int ax = pixel_of(line.x1), ay = pixel_of(line.y1);
    const int bx = pixel_of(line.x2), by = pixel_of(line.y2);
    if (ax != bx && ay != by) return std::nullopt;
    return PixelBox{std::min(ax, bx), std::min(ay, by), std::max(std::abs(bx - ax), 1),
                    std::max(std::abs(by - ay), 1)};
}

}  // namespace

std::optional<PixelBox> whole_pixels(const Line& line) {
    const auto whole = one_pixel(line);
    if (!whole) return std::nullopt;
    return widened(*whole, line, 1);
}

std::optional<PixelBox> whole_device_pixels(const Line& line, double ratio) {
    const auto whole = one_pixel(line);
    if (!whole) return std::nullopt;
    return widened(device_box(*whole, ratio), line, device_line_width(ratio));
}

std::array<PixelBox, 4> outline_device_pixels(const PixelBox& b, double ratio) {
    const int across = device_line_width(ratio);
    const int w = std::min(across, b.width), h = std::min(across, b.height);
    return {{{b.left, b.top, b.width, h},
             {b.left, b.top + b.height - h, b.width, h},
             {b.left, b.top, w, b.height},
             {b.left + b.width - w, b.top, w, b.height}}};
}

void draw_bench(const Window& w, Drawing& out) {
    out.clear();
    const Item& area = w[Window::ids::bench_area];
    out.push_back(
        FilledRect{{0, 0, area.width, area.height}, kItems[Window::ids::bench_area].look.back});
    for (int id : kPaintOrder) {
        const Item& it = w[id];
        if (!it.visible) continue;
        const ItemDef& def = kItems[static_cast<std::size_t>(id)];
        switch (def.kind) {
            case Kind::line:
                out.push_back(Line{id, it.x1, it.y1, it.x2, it.y2, def.look.fore});
                break;
            case Kind::shape:
                out.push_back(Shape{id, box_of(it), def.look.shape, def.look.fore, def.look.back});
                break;
            case Kind::picture:
                out.push_back(Picture{id, box_of(it), def.look.picture, def.look.turned, false,
                                      w[Window::ids::source].height});
                break;
            case Kind::label:
                out.push_back(
                    Text{id, box_of(it), it.caption, def.look.fore, def.look.font, Align::left});
                break;
            default:
                throw std::logic_error("not a kind of bench item");
        }
    }
}

Drawing draw_bench(const Window& w) {
    Drawing out;
    out.reserve(kPaintOrder.size() + 1);
    draw_bench(w, out);
    return out;
}

}  // namespace korru
