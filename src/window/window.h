// SPDX-License-Identifier: MIT
// The window model: the one window, its 96 items with their run-time properties, and the bench
// state. Every routine of the program works on a Window; the view only reads it.
#pragma once

#include <array>
#include <stdexcept>
#include <string>
#include <string_view>

#include "bench/state.h"
#include "window/definition.h"

namespace korru {

// Run-time properties of one item, in float twips. Lines use x1..y2, every other kind
// left..height.
struct Item {
    float left = 0, top = 0, width = 0, height = 0;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    bool visible = true;
    std::string caption;
    int value = 0;  // check box: 0 or 1; option button: 1 when selected
};

// The program's one failure: a routine produced a number that is not finite (a division by
// zero, an overflow or an invalid operation), or start-up met a screen it cannot fit.
class RuntimeError : public std::runtime_error {
  public:
    RuntimeError(std::string routine, std::string subject, std::string fault);
    const std::string& routine() const { return routine_; }
    const std::string& subject() const { return subject_; }
    const std::string& fault() const { return fault_; }

  private:
    std::string routine_, subject_, fault_;
};

// "rl(2)" for an array element, "work" for a single item.
std::string item_label(const ItemDef& def);

class Window {
  public:
    Window();  // every item with its design values, as the window is created

    Item main;
    std::array<Item, kItemCount> items;  // in the order of kItems
    BenchState bench;
    bool unloaded = false;  // set by the end button; the view closes the window

    Item& operator[](int id) { return items[static_cast<std::size_t>(id)]; }
    const Item& operator[](int id) const { return items[static_cast<std::size_t>(id)]; }

    // The items by what they are. The table's names stay the keys everywhere outside the C++
    // (the command line, the JSON, the widgets' object names).
    Item& bench_area() { return (*this)[ids::bench_area]; }
    Item& move_panel() { return (*this)[ids::move_panel]; }
    Item& display_panel() { return (*this)[ids::display_panel]; }
    Item& step_panel() { return (*this)[ids::step_panel]; }
    Item& focal_panel() { return (*this)[ids::focal_panel]; }
    Item& end_button() { return (*this)[ids::end_button]; }
    Item& version_label() { return (*this)[ids::version_label]; }
    Item& copyright_label() { return (*this)[ids::copyright_label]; }
    Item& axis() { return (*this)[ids::axis]; }
    Item& lens_line() { return (*this)[ids::lens_line]; }
    Item& lens() { return (*this)[ids::lens]; }
    Item& screen_card() { return (*this)[ids::screen_card]; }
    Item& source() { return (*this)[ids::source]; }
    Item& source_label() { return (*this)[ids::source_label]; }
    Item& real_image() { return (*this)[ids::real_image]; }
    Item& virtual_image() { return (*this)[ids::virtual_image]; }
    Item& image_label() { return (*this)[ids::image_label]; }
    Item& screen_box() { return (*this)[ids::screen_box]; }
    Item& rays_box() { return (*this)[ids::rays_box]; }
    Item& focal_box() { return (*this)[ids::focal_box]; }
    Item& grid_box() { return (*this)[ids::grid_box]; }
    Item& ray(int i) { return element(ids::rays, i); }
    Item& focal_mark(int i) { return element(ids::focal_marks, i); }
    Item& focal_label(int i) { return element(ids::focal_labels, i); }
    Item& focal_option(int i) { return element(ids::focal_options, i); }
    Item& step_option(int i) { return element(ids::step_options, i); }
    Item& grid_above(int i) { return element(ids::grid_above, i); }
    Item& grid_below(int i) { return element(ids::grid_below, i); }
    Item& grid_left(int i) { return element(ids::grid_left, i); }
    Item& grid_right(int i) { return element(ids::grid_right, i); }

    struct ids {
        static constexpr int bench_area = item_id("work"), move_panel = item_id("cont"),
                             display_panel = item_id("vset"), step_panel = item_id("sset"),
                             focal_panel = item_id("fset"), end_button = item_id("owari"),
                             version_label = item_id("ver"), copyright_label = item_id("cr"),
                             axis = item_id("yoko"), lens_line = item_id("tate"),
                             lens = item_id("korru"), screen_card = item_id("scrn"),
                             source = item_id("source"), source_label = item_id("source_t"),
                             real_image = item_id("image1"), virtual_image = item_id("image2"),
                             image_label = item_id("image_t"), screen_box = item_id("sukurin"),
                             rays_box = item_id("kosen"), focal_box = item_id("syoten"),
                             grid_box = item_id("hogan"),
                             // the arrow that has the focus when the window opens
            move_away = item_id("ml");
        static constexpr auto rays = array_ids<4>("rl");
        static constexpr auto focal_marks = array_ids<4>("fl");
        static constexpr auto focal_labels = array_ids<2>("ft");
        static constexpr auto focal_options = array_ids<2>("fmove");
        static constexpr auto step_options = array_ids<2>("smove");
        static constexpr auto grid_above = array_ids<9>("LYU");
        static constexpr auto grid_below = array_ids<9>("LYD");
        static constexpr auto grid_left = array_ids<19>("LXL");
        static constexpr auto grid_right = array_ids<19>("LXR");
    };

    // Raises RuntimeError, naming `routine`, if any number of the window is not finite.
    // Every routine ends with it, so a fault is caught by the routine that made it.
    void verify(std::string_view routine) const;

    // Checks one intermediate result that no item keeps.
    static float checked(float value, std::string_view routine, std::string_view what);

  private:
    template <std::size_t N>
    Item& element(const std::array<int, N>& array, int i) {
        return (*this)[array.at(static_cast<std::size_t>(i))];
    }
};

}  // namespace korru
