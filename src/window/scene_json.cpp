// SPDX-License-Identifier: MIT
// JSON writer for the scene dump. Numbers are written in their shortest exact form, so reading
// one back gives the same float.
#include "window/scene_json.h"

#include <charconv>
#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <version>

namespace korru {

namespace {

// A decimal number: digits x 10^exponent, the digits at most nine places long.
struct Decimal {
    std::uint64_t digits = 0;
    int exponent = 0;
};

bool reads_back(Decimal d, float magnitude) {
    char text[40];
    std::snprintf(text, sizeof text, "%" PRIu64 "e%d", d.digits, d.exponent);
    return std::strtof(text, nullptr) == magnitude;
}

std::uint64_t power_of_ten(int n) {
    std::uint64_t p = 1;
    while (n-- > 0) p *= 10;
    return p;
}

// The decimal of `places` significant digits that reads back as `magnitude`, if there is one;
// among several, the nearest. printf rounds correctly, so its nearest decimal is the answer
// unless the float sits just above a power of two, where the gap below is half the gap above
// and only the decimal next above may read back.
bool decimal_of(float magnitude, int places, Decimal& found) {
    char text[40];
    std::snprintf(text, sizeof text, "%.*e", places - 1, static_cast<double>(magnitude));
    Decimal nearest;
    const char* c = text;
    for (; *c != 'e'; ++c) {
        if (*c != '.') nearest.digits = nearest.digits * 10 + static_cast<unsigned>(*c - '0');
    }
    nearest.exponent = std::atoi(c + 1) - (places - 1);
    if (reads_back(nearest, magnitude)) {
        found = nearest;
        return true;
    }
    Decimal above{nearest.digits + 1, nearest.exponent};
    if (above.digits == power_of_ten(places))
        above = {power_of_ten(places - 1), above.exponent + 1};
    Decimal below{nearest.digits - 1, nearest.exponent};
    if (nearest.digits == power_of_ten(places - 1)) {
        below = {power_of_ten(places) - 1, nearest.exponent - 1};
    }
    for (const Decimal& d : {above, below}) {
        if (reads_back(d, magnitude)) {
            found = d;
            return true;
        }
    }
    return false;
}

}  // namespace

std::string shortest_text(float v) {
    if (std::isnan(v)) return std::signbit(v) ? "-nan" : "nan";
    std::string out = std::signbit(v) ? "-" : "";
    const float magnitude = std::fabs(v);
    if (std::isinf(magnitude)) return out + "inf";
    if (magnitude == 0) return out + "0";

    // Nine significant digits always read back; find the fewest that do.
    Decimal d;
    int low = 1, high = 9;
    while (low < high) {
        const int mid = (low + high) / 2;
        if (decimal_of(magnitude, mid, d)) {
            high = mid;
        } else {
            low = mid + 1;
        }
    }
    decimal_of(magnitude, low, d);
    while (d.digits % 10 == 0) {
        d.digits /= 10;
        ++d.exponent;
    }

    // Plain or scientific notation, whichever is shorter; plain on a tie.
    const std::string digits = std::to_string(d.digits);
    const int n = static_cast<int>(digits.size());
    const int point = n + d.exponent;  // digits before the decimal point
    std::string plain;
    if (d.exponent >= 0) {
        // A whole number: the float is exactly one, and its exact digits are as short as the
        // shortest digits padded with zeros, and nearer.
        char whole[48];
        std::snprintf(whole, sizeof whole, "%.0f", static_cast<double>(magnitude));
        plain = whole;
    } else if (point > 0) {
        plain = digits.substr(0, static_cast<std::size_t>(point)) + "." +
                digits.substr(static_cast<std::size_t>(point));
    } else {
        plain = "0." + std::string(static_cast<std::size_t>(-point), '0') + digits;
    }
    std::string scientific = digits.substr(0, 1);
    if (n > 1) scientific += "." + digits.substr(1);
    const int x = point - 1;
    char exponent[16];
    std::snprintf(exponent, sizeof exponent, "e%c%02d", x < 0 ? '-' : '+', x < 0 ? -x : x);
    scientific += exponent;
    return out + (plain.size() <= scientific.size() ? plain : scientific);
}

namespace {

std::string_view kind_name(Kind k) {
    switch (k) {
        case Kind::window:
            return "window";
        case Kind::panel:
            return "panel";
        case Kind::button:
            return "button";
        case Kind::checkbox:
            return "checkbox";
        case Kind::option:
            return "option";
        case Kind::label:
            return "label";
        case Kind::bench:
            return "bench";
        case Kind::picture:
            return "picture";
        case Kind::line:
            return "line";
        case Kind::shape:
            return "shape";
    }
    return "?";
}

class Writer {
  public:
    std::string out;

    void number(float v) {
#if defined(__cpp_lib_to_chars)
        char buf[32];
        const auto r = std::to_chars(buf, buf + sizeof buf, v);
        out.append(buf, r.ptr);
#else
        out += shortest_text(v);
#endif
    }
    void string(std::string_view s) {
        out += '"';
        for (unsigned char c : s) {
            if (c == '"' || c == '\\') {
                out += '\\';
                out += static_cast<char>(c);
            } else if (c < 0x20) {
                static const char hex[] = "0123456789abcdef";
                out += "\\u00";
                out += hex[c >> 4];
                out += hex[c & 15];
            } else {
                out += static_cast<char>(c);
            }
        }
        out += '"';
    }
    void key(std::string_view k) {
        if (!first_) out += ',';
        first_ = false;
        string(k);
        out += ':';
    }
    void open() {
        out += '{';
        first_ = true;
    }
    void close() {
        out += '}';
        first_ = false;
    }
    void field(std::string_view k, float v) {
        key(k);
        number(v);
    }

  private:
    bool first_ = true;
};

bool has_visible(Kind k) {
    return k == Kind::label || k == Kind::picture || k == Kind::line || k == Kind::shape;
}

bool has_caption(Kind k) {
    return k == Kind::window || k == Kind::panel || k == Kind::button || k == Kind::checkbox ||
           k == Kind::option || k == Kind::label;
}

void item(Writer& j, const ItemDef& def, const Item& it) {
    j.key(def.kind == Kind::window ? std::string(def.name) : item_label(def));
    j.open();
    j.key("kind");
    j.string(kind_name(def.kind));
    if (def.kind == Kind::line) {
        j.field("x1", it.x1);
        j.field("y1", it.y1);
        j.field("x2", it.x2);
        j.field("y2", it.y2);
    } else {
        j.field("left", it.left);
        j.field("top", it.top);
        j.field("width", it.width);
        j.field("height", it.height);
    }
    if (has_visible(def.kind)) {
        j.key("visible");
        j.out += it.visible ? "true" : "false";
    }
    if (has_caption(def.kind)) {
        j.key("caption");
        j.string(it.caption);
    }
    if (def.kind == Kind::checkbox) {
        j.key("value");
        j.out += it.value == 1 ? "1" : "0";
    } else if (def.kind == Kind::option) {
        j.key("value");
        j.out += it.value == 1 ? "true" : "false";
    }
    j.close();
}

}  // namespace

std::string scene_json(const Window& w, ScreenSize screen) {
    Writer j;
    j.open();
    j.key("screen");
    j.open();
    j.field("width", screen.width);
    j.field("height", screen.height);
    j.close();
    j.key("state");
    j.open();
    const BenchState& b = w.bench;
    j.field("lensx", b.lensx);
    j.field("axisy", b.axisy);
    j.field("flen", b.flen);
    j.field("sdist", b.sdist);
    j.field("slift", b.slift);
    j.field("unit", b.unit);
    j.field("step", b.step);
    j.close();
    j.key("items");
    j.open();
    item(j, kMainDef, w.main);
    for (std::size_t i = 0; i < kItemCount; ++i) item(j, kItems[i], w.items[i]);
    j.close();
    j.close();
    j.out += '\n';
    return j.out;
}

}  // namespace korru
