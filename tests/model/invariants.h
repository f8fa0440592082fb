// SPDX-License-Identifier: MIT
// What must hold of the window after any click on any screen; shared by the randomised tests.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "window/window.h"

namespace korru::test {

inline float y_on(const Item& ray, float x) {
    return ray.y1 + (ray.y2 - ray.y1) * ((x - ray.x1) / (ray.x2 - ray.x1));
}

// Empty when every invariant holds, else the first one broken. `start` is the window right
// after start-up, for the items that must never move.
inline std::string broken_invariant(const Window& w, const Window& start) {
    const BenchState& b = w.bench;
    const float u = b.unit;
    if (!(b.sdist >= u / 2 && b.sdist <= 20 * u)) return "sdist out of range";
    if (!(b.slift >= -6 * u && b.slift <= 2 * u)) return "slift out of range";
    for (std::size_t i = 0; i < kItemCount; ++i) {
        const Item& it = w.items[i];
        for (float v : {it.left, it.top, it.width, it.height, it.x1, it.y1, it.x2, it.y2}) {
            if (!std::isfinite(v)) return item_label(kItems[i]) + " not finite";
        }
    }
    // The items fixed at start-up never move.
    for (int id : {Window::ids::axis, Window::ids::lens_line}) {
        const Item &a = w.items[std::size_t(id)], &z = start.items[std::size_t(id)];
        if (a.x1 != z.x1 || a.y1 != z.y1 || a.x2 != z.x2 || a.y2 != z.y2) return "axis moved";
    }
    for (std::size_t i = 0; i < kItemCount; ++i) {
        const std::string_view n = kItems[i].name;
        if ((n == "LYU" || n == "LYD" || n == "LXL" || n == "LXR") &&
            (w.items[i].x1 != start.items[i].x1 || w.items[i].y1 != start.items[i].y1 ||
             w.items[i].x2 != start.items[i].x2 || w.items[i].y2 != start.items[i].y2))
            return item_label(kItems[i]) + " moved";
    }
    // Options, check boxes and what they control agree.
    const auto value = [&](int id) { return w.items[std::size_t(id)].value; };
    const bool long_lens = value(Window::ids::focal_options[0]) == 1;
    if (value(Window::ids::focal_options[0]) + value(Window::ids::focal_options[1]) != 1)
        return "fmove pair";
    if (value(Window::ids::step_options[0]) + value(Window::ids::step_options[1]) != 1)
        return "smove pair";
    if (b.flen != (long_lens ? u * 6 : u * 4)) return "flen disagrees with fmove";
    if (b.step != (value(Window::ids::step_options[0]) == 1 ? u / 2 : u / 4))
        return "step disagrees";
    const auto group_is = [&](int box, auto ids) {
        for (int id : ids)
            if (w.items[std::size_t(id)].visible != (value(box) == 1)) return false;
        return true;
    };
    if (!group_is(Window::ids::rays_box, Window::ids::rays)) return "rays visibility";
    if (!group_is(Window::ids::focal_box, Window::ids::focal_marks) ||
        !group_is(Window::ids::focal_box, Window::ids::focal_labels))
        return "focal marks visibility";
    if (!group_is(Window::ids::grid_box, Window::ids::grid_right) ||
        !group_is(Window::ids::grid_box, Window::ids::grid_above))
        return "grid visibility";
    if (w.items[std::size_t(Window::ids::screen_card)].visible !=
        (value(Window::ids::screen_box) == 1))
        return "screen visibility";
    // The image case agrees with s - f, and the rays meet at the image.
    const Item& im1 = w.items[std::size_t(Window::ids::real_image)];
    const Item& im2 = w.items[std::size_t(Window::ids::virtual_image)];
    const bool real = b.sdist - b.flen > u / 8, virt = b.flen - b.sdist > u / 8;
    if (im1.visible != real || im2.visible != virt) return "image case disagrees with s - f";
    if (w.items[std::size_t(Window::ids::image_label)].visible != (real || virt)) return "label";
    if (!real && !virt) return {};
    const Item& im = real ? im1 : im2;
    const Item& r0 = w.items[std::size_t(Window::ids::rays[0])];
    const Item& r2 = w.items[std::size_t(Window::ids::rays[2])];
    const Item& r3 = w.items[std::size_t(Window::ids::rays[3])];
    const float x = im.left + im.width / 2;
    const float flame = real ? im.top + im.height : im.top;
    const float foot = real ? im.top : im.top + im.height;
    const float tol = 2e-4f * (std::fabs(flame) + std::fabs(foot) + std::fabs(x) + b.lensx);
    if (std::fabs(y_on(r0, x) - flame) > tol) return "rl(0) misses the image";
    if (std::fabs(y_on(r2, x) - flame) > tol) return "rl(2) misses the image";
    if (std::fabs(y_on(r3, x) - foot) > tol) return "rl(3) misses the image";
    return {};
}

}  // namespace korru::test
