// SPDX-License-Identifier: MIT
// The window as it is created, and the finiteness check every routine ends with.
#include "window/window.h"

#include <cmath>

namespace korru {

RuntimeError::RuntimeError(std::string routine, std::string subject, std::string fault)
    : std::runtime_error("run-time error in " + routine + ": " + subject + ": " + fault),
      routine_(std::move(routine)),
      subject_(std::move(subject)),
      fault_(std::move(fault)) {}

std::string item_label(const ItemDef& def) {
    std::string s(def.name);
    if (def.index >= 0) s += "(" + std::to_string(def.index) + ")";
    return s;
}

namespace {

Item created(const ItemDef& d) {
    Item it;
    it.left = d.left;
    it.top = d.top;
    it.width = d.width;
    it.height = d.height;
    it.x1 = d.x1;
    it.y1 = d.y1;
    it.x2 = d.x2;
    it.y2 = d.y2;
    it.caption = std::string(d.caption);
    it.value = d.value;
    return it;
}

std::string fault_of(float v) {
    return std::isnan(v) ? "invalid operation (not a number)"
                         : "overflow or division by zero (infinite)";
}

void verify_item(const Item& it, const std::string& name, std::string_view routine) {
    const struct {
        const char* property;
        float value;
    } fields[] = {{"Left", it.left}, {"Top", it.top}, {"Width", it.width}, {"Height", it.height},
                  {"X1", it.x1},     {"Y1", it.y1},   {"X2", it.x2},       {"Y2", it.y2}};
    for (const auto& f : fields) {
        if (!std::isfinite(f.value)) {
            throw RuntimeError(std::string(routine), name + "." + f.property, fault_of(f.value));
        }
    }
}

}  // namespace

Window::Window() : main(created(kMainDef)) {
    for (std::size_t i = 0; i < kItemCount; ++i) items[i] = created(kItems[i]);
}

void Window::verify(std::string_view routine) const {
    const struct {
        const char* name;
        float value;
    } state[] = {{"lensx", bench.lensx}, {"axisy", bench.axisy}, {"flen", bench.flen},
                 {"sdist", bench.sdist}, {"slift", bench.slift}, {"unit", bench.unit},
                 {"step", bench.step}};
    for (const auto& f : state) checked(f.value, routine, f.name);
    verify_item(main, "main", routine);
    for (std::size_t i = 0; i < kItemCount; ++i) {
        // Cheap test first: the label is built only for the faulty item.
        const Item& it = items[i];
        if (std::isfinite(it.left + it.top + it.width + it.height + it.x1 + it.y1 + it.x2 + it.y2))
            continue;
        verify_item(it, item_label(kItems[i]), routine);
    }
}

float Window::checked(float value, std::string_view routine, std::string_view what) {
    if (!std::isfinite(value))
        throw RuntimeError(std::string(routine), std::string(what), fault_of(value));
    return value;
}

}  // namespace korru
