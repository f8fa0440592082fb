// SPDX-License-Identifier: MIT
// The bench drawing painted on a 2D canvas, snapped as the desktop snaps it: positions become
// whole CSS pixels first, as there, and then device pixels. Level and upright lines and the
// outline of a rectangle are filled device-pixel rectangles, an oval is a bitmap of whole pixels,
// and slanting lines are strokes one pixel wide through pixel centres, which the browser smooths.
// Pictures are stretched as the desktop stretches them, pixel by pixel while they are small and
// smoothly from the model's pixels when they are large, and the model's rasters smoothly, as there;
// text starts at the top left of its box and is clipped to it.
#include "web/bench_canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <type_traits>

#include "bench/labels.h"
#include "bench/svg.h"
#include "web/bitmap.h"
#include "web/fonts.h"
#include "web/language.h"
#include "web/pictures.h"
#include "web/repaint.h"

namespace korru::web {

using emscripten::val;

namespace {

// A slanting line as the canvas strokes it: through the centres of its end pixels, one line
// width across for each pixel of its width.
struct Stroke {
    double x1, y1, x2, y2, width;
};

Stroke stroke_of(const Line& l, double ratio) {
    const auto centre = [ratio](float twips) { return (pixel_of(twips) + 0.5) * ratio; };
    return {centre(l.x1), centre(l.y1), centre(l.x2), centre(l.y2),
            static_cast<double>(device_line_width(ratio) * std::max(l.width, 1))};
}

// A primitive's fields, its text as the reader reads it, as bytes to compare.
class KeyOf {
  public:
    std::string operator()(const FilledRect& r) {
        add('r', r.box, r.colour);
        return std::move(key_);
    }
    std::string operator()(const Line& l) {
        add('l', l.item, l.x1, l.y1, l.x2, l.y2, l.colour, l.width);
        return std::move(key_);
    }
    std::string operator()(const Shape& s) {
        add('s', s.item, s.box, s.kind, s.outline, s.fill);
        return std::move(key_);
    }
    std::string operator()(const Picture& p) {
        add('p', p.item, p.box, p.turned, p.smooth, p.scale, p.outline, p.outline_width);
        text(p.name);
        return std::move(key_);
    }
    // The model's pixels change as the pupil's screen is dragged: painted again each time.
    std::string operator()(const Raster&) { return {}; }
    std::string operator()(const Text& t) {
        add('t', t.item, t.box, t.colour, t.font.points, t.font.bold, t.align, t.pixels,
            t.halo_colour, t.halo);
        text(t.font.face);
        text(translated(t.text));
        return std::move(key_);
    }

  private:
    template <class... T>
    void add(const T&... fields) {
        (bytes(fields), ...);
    }
    void bytes(const Box& b) { add(b.left, b.top, b.width, b.height); }
    template <class T>
    void bytes(const T& v) {
        static_assert(std::is_arithmetic_v<T> || std::is_enum_v<T>);
        key_.append(reinterpret_cast<const char*>(&v), sizeof v);
    }
    void text(std::string_view s) {
        bytes(s.size());
        key_.append(s);
    }
    std::string key_;
};

// Every device pixel a primitive may change.
struct CoverOf {
    double ratio;

    std::vector<Rect> box(const Box& b) const { return {device_box(px_rect(b), ratio)}; }
    std::vector<Rect> operator()(const FilledRect& r) const { return box(r.box); }
    std::vector<Rect> operator()(const Line& l) const {
        if (const auto whole = whole_device_pixels(l, ratio)) return {*whole};
        const Stroke s = stroke_of(l, ratio);
        return stroke_pieces(s.x1, s.y1, s.x2, s.y2, s.width);
    }
    std::vector<Rect> operator()(const Shape& s) const { return box(s.box); }
    std::vector<Rect> operator()(const Picture& p) const { return box(p.box); }
    std::vector<Rect> operator()(const Raster& r) const { return box(r.box); }
    // Clipped to its box, and its halo to the box grown by the halo.
    std::vector<Rect> operator()(const Text& t) const {
        Rect r = device_box(px_rect(t.box), ratio);
        const int grow = static_cast<int>(std::ceil(t.halo * ratio)) + 1;
        return {{r.left - grow, r.top - grow, r.width + 2 * grow, r.height + 2 * grow}};
    }
};

// What the browser smooths, and smooths differently where a clip cuts it: painted again whole.
bool smoothed(const Primitive& p) {
    if (const auto* line = std::get_if<Line>(&p)) return !whole_pixels(*line);
    if (const auto* text = std::get_if<Text>(&p)) return text->halo > 0;
    return std::holds_alternative<Raster>(p);
}

// Rectangles as the outline of a path, for a clip that keeps whole device pixels.
std::string path_of(const std::vector<Rect>& rects) {
    std::string path;
    path.reserve(rects.size() * 24);
    char piece[64];
    for (const Rect& r : rects) {
        std::snprintf(piece, sizeof piece, "M%d %dh%dv%dh%dz", r.left, r.top, r.width, r.height,
                      -r.width);
        path += piece;
    }
    return path;
}

}  // namespace

struct BenchCanvas::Painter {
    BenchCanvas& canvas;
    val& c;
    double ratio;
    std::string fill{}, stroke{};
    // When the canvas is painted in parts: what the primitive being painted covers (a slanting
    // line's pieces), and where the canvas is painted again, outside which a piece is left as
    // it is (nothing where it is painted whole).
    const std::vector<Rect>* cover = nullptr;
    const std::vector<Rect>* again = nullptr;

    int thickness() const { return device_line_width(ratio); }

    void fill_style(Rgb rgb) {
        std::string colour = css_colour(rgb);
        if (colour == fill) return;
        c.set("fillStyle", colour);
        fill = std::move(colour);
    }
    void stroke_style(Rgb rgb) {
        std::string colour = css_colour(rgb);
        if (colour == stroke) return;
        c.set("strokeStyle", colour);
        stroke = std::move(colour);
    }
    void fill_rect(const Rect& r) { c.call<void>("fillRect", r.left, r.top, r.width, r.height); }

    void operator()(const FilledRect& r) {
        fill_style(r.colour);
        fill_rect(device_box(px_rect(r.box), ratio));
    }

    void operator()(const Line& l) {
        if (const auto whole = whole_device_pixels(l, ratio)) {
            fill_style(l.colour);
            fill_rect(*whole);
            return;
        }
        const Stroke s = stroke_of(l, ratio);
        stroke_style(l.colour);
        c.set("lineWidth", s.width);
        if (!cover) {
            c.call<void>("beginPath");
            c.call<void>("moveTo", s.x1, s.y1);
            c.call<void>("lineTo", s.x2, s.y2);
            c.call<void>("stroke");
            return;
        }
        // Piece by piece, each clipped to its own rectangle, so that a piece painted again
        // alone is smoothed as it was.
        std::vector<int> pieces;
        for (const Rect& r : *cover) {
            if (again && !meets({r}, *again)) continue;
            pieces.insert(pieces.end(), {r.left, r.top, r.width, r.height});
        }
        if (pieces.empty()) return;
        static const val stroke = val::global("korruStroke");
        stroke(c, s.x1, s.y1, s.x2, s.y2,
               val(emscripten::typed_memory_view(pieces.size(), pieces.data())));
    }

    // Fill, and a one-pixel outline on the box's outermost pixels.
    void operator()(const Shape& s) {
        const Rect css = px_rect(s.box);
        if (css.width <= 0 || css.height <= 0) return;
        const Rect box = device_box(css, ratio);
        const int t = thickness();
        if (s.kind == ShapeKind::oval) {
            // Whole pixels, as the desktop draws it, from a bitmap made when the oval changes.
            Oval& o = canvas.oval_;
            if (o.width != box.width || o.height != box.height || o.thickness != t ||
                o.outline != s.outline || o.fill != s.fill) {
                o = {box.width, box.height,
                     t,         s.outline,
                     s.fill,    canvas_of(oval(box.width, box.height, t, s.outline, s.fill))};
            }
            c.call<void>("drawImage", o.canvas, box.left, box.top);
            return;
        }
        fill_style(s.fill);
        fill_rect(box);
        fill_style(s.outline);
        for (const Rect& edge : outline_device_pixels(box, ratio)) fill_rect(edge);
    }

    // The picture stretched by the desktop's rule (nearest_pixels) into one bitmap of its
    // box's device pixels, drawn one to one; clear pixels show what lies beneath.
    void operator()(const Picture& pic) {
        const Rect css = px_rect(pic.box);
        if (css.width <= 0 || css.height <= 0) return;
        const Rect box = device_box(css, ratio);
        if (box.width <= 0 || box.height <= 0) return;
        c.call<void>("drawImage", canvas.stretched(pic, box.width, box.height), box.left, box.top);
    }

    // The model's pixels put on a canvas of their own, then stretched smoothly from there over
    // the device pixels of their box: one to one where the model computed them for this ratio.
    void operator()(const Raster& r) {
        const Rect box = device_box(px_rect(r.box), ratio);
        if (!r.pixels || r.pixels->width <= 0 || r.pixels->height <= 0 || box.width <= 0 ||
            box.height <= 0) {
            return;
        }
        const Rgba& px = *r.pixels;
        // One scratch canvas and one image of its size, kept while a drag paints the screen's
        // light at every step.
        static val scratch = val::global("document").call<val>("createElement", val("canvas"));
        static val context = scratch.call<val>("getContext", val("2d"));
        static val image = val::undefined();
        if (scratch["width"].as<int>() != px.width || scratch["height"].as<int>() != px.height ||
            image.isUndefined()) {
            scratch.set("width", px.width);
            scratch.set("height", px.height);
            image = context.call<val>("createImageData", px.width, px.height);
        }
        image["data"].call<void>(
            "set", val(emscripten::typed_memory_view(px.bytes.size(), px.bytes.data())));
        context.call<void>("putImageData", image, 0, 0);
        if (canvas.in_parts()) {
            // Stretched on a canvas of its own, then drawn one to one: the browser smooths a
            // stretched drawing differently under another clip, as when it is painted again.
            static val box_canvas =
                val::global("document").call<val>("createElement", val("canvas"));
            static val box_context = box_canvas.call<val>("getContext", val("2d"));
            if (box_canvas["width"].as<int>() != box.width ||
                box_canvas["height"].as<int>() != box.height) {
                box_canvas.set("width", box.width);
                box_canvas.set("height", box.height);
            } else {
                box_context.call<void>("clearRect", 0, 0, box.width, box.height);
            }
            box_context.set("imageSmoothingEnabled", true);
            box_context.call<void>("drawImage", scratch, 0, 0, px.width, px.height, 0, 0, box.width,
                                   box.height);
            c.call<void>("drawImage", box_canvas, box.left, box.top);
            return;
        }
        c.set("imageSmoothingEnabled", true);
        c.call<void>("drawImage", scratch, 0, 0, px.width, px.height, box.left, box.top, box.width,
                     box.height);
        c.set("imageSmoothingEnabled", false);
    }

    void operator()(const Text& t) {
        const Rect box = device_box(px_rect(t.box), ratio);
        if (box.width <= 0 || box.height <= 0) return;
        double x = box.left;
        if (t.align != Align::left) x += t.align == Align::centre ? box.width / 2.0 : box.width;
        const val text(translated(t.text));
        // The halo round the letters clipped to the box grown by its width, the letters to the box.
        const double h = t.halo * ratio;
        for (const bool halo : {true, false}) {
            if (halo && t.halo <= 0) continue;
            c.call<void>("save");
            c.call<void>("beginPath");
            const double grow = halo ? h : 0;
            c.call<void>("rect", box.left - grow, box.top - grow, box.width + 2 * grow,
                         box.height + 2 * grow);
            c.call<void>("clip");
            c.set("font", css_font(text_pixels(t) * ratio, t.font.bold));
            if (t.align != Align::left) {
                c.set("textAlign", t.align == Align::centre ? "center" : "right");
            }
            if (halo) {
                c.set("lineWidth", 2 * h);
                c.set("lineJoin", "round");
                stroke_style(t.halo_colour);
                c.call<void>("strokeText", text, x, box.top);
            } else {
                fill_style(t.colour);
                c.call<void>("fillText", text, x, box.top);
            }
            c.call<void>("restore");
            fill.clear();  // restore brought back the styles saved with the clip
            stroke.clear();
        }
    }
};

const val& BenchCanvas::stretched(const Picture& pic, int width, int height) {
    for (const Stretched& s : pictures_) {
        if (s.width == width && s.height == height && s.turned == pic.turned &&
            s.smooth == pic.smooth && s.outline == pic.outline &&
            s.outline_width == pic.outline_width && s.name == pic.name) {
            return s.canvas;
        }
    }
    Stretched& s = pictures_[next_picture_++ % pictures_.size()];
    s = {std::string(pic.name),
         pic.turned,
         pic.smooth,
         pic.outline,
         pic.outline_width,
         width,
         height,
         canvas_of(drawn_smoothly(pic, ratio_)
                       ? smooth_picture(pic, width, height, ratio_)
                       : web::stretched(picture_pixels(pic.name, pic.turned), width, height))};
    return s.canvas;
}

BenchCanvas::BenchCanvas(val canvas)
    : canvas_(std::move(canvas)), context_(canvas_.call<val>("getContext", val("2d"))) {}

void BenchCanvas::resize(int width, int height, double ratio) {
    const double was = ratio_;
    ratio_ = ratio > 0 ? ratio : 1;
    const Rect backing = device_box(Rect{0, 0, width, height}, ratio_);
    if (backing.width != width_ || backing.height != height_ || ratio_ != was) {
        painted_.clear();  // a new backing store is clear, and a new ratio changes every pixel
    }
    if (backing.width != width_ || backing.height != height_) {
        width_ = backing.width;
        height_ = backing.height;
        canvas_.set("width", width_);
        canvas_.set("height", height_);
    }
}

void BenchCanvas::paint(const Drawing& drawing) {
    // Resizing the backing store resets the context, so its settings are made on every paint.
    context_.set("imageSmoothingEnabled", false);
    context_.set("textBaseline", "top");
    Drawing fitted;
    if (has_labels(drawing)) {
        // Measured at the bench's own size, as the labels' boxes are given.
        const auto width_of = [this](const Text& t) {
            context_.set("font", css_font(text_pixels(t), t.font.bold));
            return static_cast<float>(
                context_.call<val>("measureText", val(translated(t.text)))["width"].as<double>() *
                kTwipsPerPixel);
        };
        fitted = with_labels_fitted(drawing, width_of);
    }
    const Drawing& shown = fitted.empty() ? drawing : fitted;
    Painter painter{*this, context_, ratio_};
    if (!in_parts()) {
        for (const Primitive& p : shown) std::visit(painter, p);
        return;
    }
    std::vector<Painted> now;
    now.reserve(shown.size());
    for (const Primitive& p : shown) {
        now.push_back({std::visit(KeyOf{}, p), std::visit(CoverOf{ratio_}, p), smoothed(p)});
    }
    const auto again = to_repaint(painted_, now, width_, height_);
    if (!again || !again->empty()) {
        // Outside the clip every pixel is painted by the same primitives as before; inside, by
        // all that reach it, in their order.
        if (again) {
            context_.call<void>("save");
            context_.call<void>("clip", val::global("Path2D").new_(val(path_of(*again))));
            painter.again = &*again;
        }
        for (std::size_t i = 0; i < shown.size(); ++i) {
            if (again && !meets(now[i].cover, *again)) continue;
            painter.cover = &now[i].cover;
            std::visit(painter, shown[i]);
        }
        if (again) context_.call<void>("restore");
    }
    painted_ = std::move(now);
}

}  // namespace korru::web
