// SPDX-License-Identifier: MIT
// JSON writer for the scene dump. Numbers are written in their shortest exact form, so reading
// one back gives the same float.
#include "window/scene_json.h"

#include <charconv>

namespace korru {

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
        char buf[32];
        const auto r = std::to_chars(buf, buf + sizeof buf, v);
        out.append(buf, r.ptr);
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
