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

    // Items by name, for the routines that read and write them.
    Item& work() { return (*this)[ids::work]; }
    Item& cont() { return (*this)[ids::cont]; }
    Item& vset() { return (*this)[ids::vset]; }
    Item& sset() { return (*this)[ids::sset]; }
    Item& fset() { return (*this)[ids::fset]; }
    Item& owari() { return (*this)[ids::owari]; }
    Item& ver() { return (*this)[ids::ver]; }
    Item& cr() { return (*this)[ids::cr]; }
    Item& yoko() { return (*this)[ids::yoko]; }
    Item& tate() { return (*this)[ids::tate]; }
    Item& korru() { return (*this)[ids::korru]; }
    Item& scrn() { return (*this)[ids::scrn]; }
    Item& source() { return (*this)[ids::source]; }
    Item& source_t() { return (*this)[ids::source_t]; }
    Item& image1() { return (*this)[ids::image1]; }
    Item& image2() { return (*this)[ids::image2]; }
    Item& image_t() { return (*this)[ids::image_t]; }
    Item& sukurin() { return (*this)[ids::sukurin]; }
    Item& kosen() { return (*this)[ids::kosen]; }
    Item& syoten() { return (*this)[ids::syoten]; }
    Item& hogan() { return (*this)[ids::hogan]; }
    Item& rl(int i) { return (*this)[ids::rl.at(static_cast<std::size_t>(i))]; }
    Item& fl(int i) { return (*this)[ids::fl.at(static_cast<std::size_t>(i))]; }
    Item& ft(int i) { return (*this)[ids::ft.at(static_cast<std::size_t>(i))]; }
    Item& fmove(int i) { return (*this)[ids::fmove.at(static_cast<std::size_t>(i))]; }
    Item& smove(int i) { return (*this)[ids::smove.at(static_cast<std::size_t>(i))]; }
    Item& LYU(int i) { return (*this)[ids::LYU.at(static_cast<std::size_t>(i))]; }
    Item& LYD(int i) { return (*this)[ids::LYD.at(static_cast<std::size_t>(i))]; }
    Item& LXL(int i) { return (*this)[ids::LXL.at(static_cast<std::size_t>(i))]; }
    Item& LXR(int i) { return (*this)[ids::LXR.at(static_cast<std::size_t>(i))]; }

    struct ids {
        static constexpr int work = item_id("work"), cont = item_id("cont"), vset = item_id("vset"),
                             sset = item_id("sset"), fset = item_id("fset"),
                             owari = item_id("owari"), ver = item_id("ver"), cr = item_id("cr"),
                             yoko = item_id("yoko"), tate = item_id("tate"),
                             korru = item_id("korru"), scrn = item_id("scrn"),
                             source = item_id("source"), source_t = item_id("source_t"),
                             image1 = item_id("image1"), image2 = item_id("image2"),
                             image_t = item_id("image_t"), sukurin = item_id("sukurin"),
                             kosen = item_id("kosen"), syoten = item_id("syoten"),
                             hogan = item_id("hogan");
        static constexpr auto rl = array_ids<4>("rl");
        static constexpr auto fl = array_ids<4>("fl");
        static constexpr auto ft = array_ids<2>("ft");
        static constexpr auto fmove = array_ids<2>("fmove");
        static constexpr auto smove = array_ids<2>("smove");
        static constexpr auto LYU = array_ids<9>("LYU");
        static constexpr auto LYD = array_ids<9>("LYD");
        static constexpr auto LXL = array_ids<19>("LXL");
        static constexpr auto LXR = array_ids<19>("LXR");
    };

    // Raises RuntimeError, naming `routine`, if any number of the window is not finite.
    // Every routine ends with it, so a fault is caught by the routine that made it.
    void verify(std::string_view routine) const;

    // Checks one intermediate result that no item keeps.
    static float checked(float value, std::string_view routine, std::string_view what);
};

}  // namespace korru
