// SPDX-License-Identifier: MIT
// Every primitive lands on the pixels the canvas gives it: level and upright lines are filled
// rectangles of whole pixels, slanting lines and outlines are one-pixel strokes through pixel
// centres, text starts at the top left of its box and is clipped to it. The model's rasters are
// embedded as PNG files.
#include "bench/svg.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <string>

#include "bench/pictures.h"
#include "bench/png.h"
#include "window/number_text.h"

namespace korru {

namespace {

void add(std::string& out, std::initializer_list<std::string_view> parts) {
    for (std::string_view part : parts) out += part;
}

// Text for an attribute value or an element's content.
std::string escaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&apos;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

// Whole and half pixels as they are, anything else to three decimals.
std::string number(double n) {
    return decimal_text(n, 3);
}

void box(std::string& out, double x, double y, double w, double h) {
    add(out, {"x=\"", number(x), "\" y=\"", number(y), "\" width=\"", number(w), "\" height=\"",
              number(h), "\""});
}

// A smooth picture's pixels to one of the SVG's, sharp where it is zoomed or printed.
constexpr int kSvgPictureRatio = 2;

// The text's halo: its letters stroked wide beneath their fill.
std::string halo(const Text& t) {
    if (t.halo <= 0) return {};
    return " stroke=\"" + css_colour(t.halo_colour) + "\" stroke-width=\"" +
           std::to_string(2 * t.halo) + "\" stroke-linejoin=\"round\" paint-order=\"stroke\"";
}

struct Writer {
    const SvgLook& look;
    std::string& out;
    int clips = 0;

    void filled(const PixelBox& r, Rgb colour) {
        out += "<rect ";
        box(out, r.left, r.top, r.width, r.height);
        add(out, {" fill=\"", css_colour(colour), "\"/>\n"});
    }

    void operator()(const FilledRect& r) { filled(pixel_box(r.box), r.colour); }

    void operator()(const Line& l) {
        if (const auto whole = whole_pixels(l)) {
            filled(*whole, l.colour);
            return;
        }
        const int ax = pixel_of(l.x1), ay = pixel_of(l.y1), bx = pixel_of(l.x2),
                  by = pixel_of(l.y2);
        add(out,
            {"<line x1=\"", number(ax + 0.5), "\" y1=\"", number(ay + 0.5), "\" x2=\"",
             number(bx + 0.5), "\" y2=\"", number(by + 0.5), "\" stroke=\"", css_colour(l.colour),
             "\" stroke-width=\"", std::to_string(std::max(l.width, 1)), "\"/>\n"});
    }

    void operator()(const Shape& s) {
        const PixelBox r = pixel_box(s.box);
        if (r.width <= 0 || r.height <= 0) return;
        if (r.width < 2 || r.height < 2) {
            filled(r, s.outline);  // a box one pixel across is all outline
            return;
        }
        if (s.kind == ShapeKind::oval) {
            add(out, {"<ellipse cx=\"", number(r.left + r.width / 2.0), "\" cy=\"",
                      number(r.top + r.height / 2.0), "\" rx=\"", number((r.width - 1) / 2.0),
                      "\" ry=\"", number((r.height - 1) / 2.0), "\""});
        } else {
            out += "<rect ";
            box(out, r.left + 0.5, r.top + 0.5, r.width - 1, r.height - 1);
        }
        add(out, {" fill=\"", css_colour(s.fill), "\" stroke=\"", css_colour(s.outline),
                  "\" stroke-width=\"1\"/>\n"});
    }

    void operator()(const Picture& pic) {
        const PixelBox r = pixel_box(pic.box);
        if (r.width <= 0 || r.height <= 0) return;
        out += "<image ";
        box(out, r.left, r.top, r.width, r.height);
        if (pic.smooth || pic.outline_width > 0) {
            // Stretched here, at the print ratio, as the painters stretch it.
            const Rgba pixels = smooth_picture(pic, r.width * kSvgPictureRatio,
                                               r.height * kSvgPictureRatio, kSvgPictureRatio);
            add(out,
                {" preserveAspectRatio=\"none\" xlink:href=\"", png_data_url(pixels), "\"/>\n"});
            return;
        }
        add(out, {" preserveAspectRatio=\"none\" image-rendering=\"optimizeSpeed\""
                  " style=\"image-rendering:pixelated\" xlink:href=\"",
                  escaped(look.picture(pic.name, pic.turned)), "\"/>\n"});
    }

    // Smoothly stretched, as the painters stretch it.
    void operator()(const Raster& r) {
        const PixelBox b = pixel_box(r.box);
        if (!r.pixels || r.pixels->width <= 0 || r.pixels->height <= 0 || b.width <= 0 ||
            b.height <= 0) {
            return;
        }
        out += "<image ";
        box(out, b.left, b.top, b.width, b.height);
        add(out,
            {" preserveAspectRatio=\"none\" xlink:href=\"", png_data_url(*r.pixels), "\"/>\n"});
    }

    void operator()(const Text& t) {
        const PixelBox r = pixel_box(t.box);
        if (r.width <= 0 || r.height <= 0) return;
        SvgLook::Face face = look.face(t);
        if (t.pixels > 0 && face.pixels > 0) {
            face.ascent *= t.pixels / face.pixels;
            face.pixels = t.pixels;
        }
        const std::string id = "text" + std::to_string(++clips);
        add(out, {"<clipPath id=\"", id, "\"><rect "});
        // The halo may reach its width beyond the box.
        const int h = std::max(t.halo, 0);
        box(out, r.left - h, r.top - h, r.width + 2 * h, r.height + 2 * h);
        add(out, {"/></clipPath>\n<text x=\"",
                  number(t.align == Align::centre  ? r.left + r.width / 2.0
                         : t.align == Align::right ? r.left + r.width
                                                   : r.left),
                  "\" y=\"",
                  number(r.top + face.ascent),
                  t.align == Align::centre  ? "\" text-anchor=\"middle"
                  : t.align == Align::right ? "\" text-anchor=\"end"
                                            : "",
                  "\" clip-path=\"url(#",
                  id,
                  ")\"",
                  halo(t),
                  " fill=\"",
                  css_colour(t.colour),
                  "\" font-family=\"",
                  escaped(face.family),
                  "\" font-size=\"",
                  number(face.pixels),
                  "\"",
                  face.bold ? " font-weight=\"bold\"" : "",
                  " xml:space=\"preserve\">",
                  escaped(look.words(t.text)),
                  "</text>\n"});
    }
};

}  // namespace

std::string css_colour(Rgb rgb) {
    char text[8];
    std::snprintf(text, sizeof text, "#%06x", static_cast<unsigned>(rgb & 0xFFFFFF));
    return text;
}

std::string drawing_svg(const Drawing& drawing, int width, int height, const SvgLook& look,
                        std::string_view title, std::string_view description) {
    std::string out;
    const std::string w = std::to_string(width), h = std::to_string(height);
    add(out,
        {"<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n"
         "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\""
         " version=\"1.1\" width=\"",
         w, "\" height=\"", h, "\" viewBox=\"0 0 ", w, " ", h, "\">\n<title>", escaped(title),
         "</title>\n<desc>", escaped(description), "</desc>\n"});
    Writer writer{look, out};
    for (const Primitive& p : drawing) std::visit(writer, p);
    out += "</svg>\n";
    return out;
}

}  // namespace korru
