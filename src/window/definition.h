// SPDX-License-Identifier: MIT
// The window definition: every item of the one window, as data.
// Rows are grouped by container and, within a container, listed in stacking order (the first row
// on top). Geometry is the design geometry in twips; start-up replaces most of it.
//
// The item names are the keys of the command line, the JSON and the widgets; the C++ reaches
// the items through Window's accessors named in brackets.
//   main             the window                                  (Window::main)
//   title ver cr     title, version and copyright labels         (version_label, copyright_label)
//   cont             panel "光源の移動": moving the light source  (move_panel)
//   ml mr mu md      arrows: away from / towards the lens, up, down (ids::move_away for ml)
//   sset smove(i)    panel and options of the step: 0 large, 1 small (step_panel, step_option)
//   fset fmove(i)    panel and options of the focal length: 0 long, 1 short
//                                                                (focal_panel, focal_option)
//   vset             panel "表示設定": what the bench shows        (display_panel)
//   sukurin kosen    check boxes: screen, rays                   (screen_box, rays_box)
//   syoten hogan     check boxes: focal points, grid             (focal_box, grid_box)
//   owari            the end button                              (end_button)
//   work             the bench area, a dark drawing surface      (bench_area)
//   yoko tate        the optical axis and the lens line          (axis, lens_line)
//   korru            the lens outline, an oval                   (lens)
//   scrn             the screen card a real image falls on       (screen_card)
//   source source_t  the candle and its label "光源"              (source, source_label)
//   image1 image2    the real (turned) and the virtual image     (real_image, virtual_image)
//   image_t          the image's label "像" or "虚像"             (image_label)
//   rl(0..3)         the principal rays                          (ray)
//   fl(0..3) ft(i)   the focal-point crosses and their labels    (focal_mark, focal_label)
//   LYU LYD (0..8)   grid lines above and below the axis         (grid_above, grid_below)
//   LXL LXR (0..18)  grid lines left and right of the lens       (grid_left, grid_right)
#pragma once

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string_view>

namespace korru {

enum class Kind { window, panel, button, checkbox, option, label, bench, picture, line, shape };

enum class ShapeKind { rectangle = 0, oval = 2 };

// 0xRRGGBB; kStandard means the toolkit's standard colour for that kind of item.
using Rgb = std::uint32_t;
inline constexpr Rgb kStandard = 0xFFFFFFFFu;

inline constexpr std::string_view kGothic = "ＭＳ Ｐゴシック";

struct Font {
    std::string_view face;  // empty: the window's default font
    float points = 0;       // 0: the default size
    bool bold = false;
};

struct Look {
    Rgb fore = kStandard;  // text of labels and panel captions, line colour, shape outline
    Rgb back = kStandard;  // shape fill, bench background
    Font font{};
    ShapeKind shape = ShapeKind::rectangle;
    std::string_view picture{};  // a picture item's bitmap, by its name in assets/
    bool turned = false;         // the bitmap given a half turn
};

struct ItemDef {
    std::string_view name;
    int index = -1;  // element index within an item array, -1 for a single item
    Kind kind = Kind::label;
    std::string_view container;
    std::string_view caption{};
    float left = 0, top = 0, width = 0, height = 0;  // twips; lines use x1..y2 instead
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int tab_index = -1;  // -1: the item has no place in the focus order
    Look look{};
    int value = 0;  // check box: 0 or 1; option button: 1 when selected
    // What a screen reader says: the item's name where its caption is no word, and a longer
    // description where the caption alone leaves the effect unsaid.
    std::string_view speech{};
    std::string_view hint{};
};

namespace def {

inline constexpr Rgb kGrid = 0xC0C0C0;
inline constexpr Rgb kTooltip = 0xFFFFE1;
inline constexpr Rgb kPaleYellow = 0xFFFF80;
inline constexpr Rgb kMarkLine = 0xFF80FF;
inline constexpr Rgb kMarkText = 0xFFC0FF;
inline constexpr Rgb kRed = 0xFF0000;
inline constexpr Rgb kBlue = 0x0000FF;
inline constexpr Rgb kGreyText = 0x808080;

constexpr ItemDef line(std::string_view name, int index, float x1, float y1, float x2, float y2,
                       Rgb colour) {
    return {.name = name,
            .index = index,
            .kind = Kind::line,
            .container = "work",
            .x1 = x1,
            .y1 = y1,
            .x2 = x2,
            .y2 = y2,
            .look = {.fore = colour}};
}

// Grid lines start in a small patch, 120 twips apart; start-up spreads them over the bench.
constexpr ItemDef grid(std::string_view name, int k) {
    const float d = 120.0f * static_cast<float>(k);
    if (name == "LYU") return line(name, k, 240, 2160 - d, 2160, 2160 - d, kGrid);
    if (name == "LYD") return line(name, k, 240, 2640 + d, 2160, 2640 + d, kGrid);
    if (name == "LXL") return line(name, k, 2400 - d, 1560, 2400 - d, 3240, kGrid);
    if (name == "LXR") return line(name, k, 3240 + d, 1560, 3240 + d, 3360, kGrid);
    throw std::logic_error("not a grid array");
}

constexpr ItemDef label(std::string_view name, int index, std::string_view caption, float left,
                        float top, float width, float height, int tab, Rgb colour) {
    return {.name = name,
            .index = index,
            .kind = Kind::label,
            .container = "work",
            .caption = caption,
            .left = left,
            .top = top,
            .width = width,
            .height = height,
            .tab_index = tab,
            .look = {.fore = colour}};
}

// Every picture of the bench is the candle, upright or turned.
constexpr ItemDef picture(std::string_view name, float left, float top, bool turned) {
    return {.name = name,
            .kind = Kind::picture,
            .container = "work",
            .left = left,
            .top = top,
            .width = 120,
            .height = 585,
            .look = {.picture = "candle", .turned = turned}};
}

}  // namespace def

// The window itself; its geometry here is the design client area.
inline constexpr ItemDef kMainDef{.name = "main",
                                  .kind = Kind::window,
                                  .container = "",
                                  .caption = "Tavensu",
                                  .width = 8550,
                                  .height = 6585};

inline constexpr std::size_t kItemCount = 96;

// clang-format off
inline constexpr std::array<ItemDef, kItemCount> kItems = [] {
    using namespace def;
    const Font arrow_small{kGothic, 9.0f, true};
    const Font arrow_large{kGothic, 20.25f, true};
    return std::array<ItemDef, kItemCount>{{
        // In the window's client area.
        {.name = "fset", .kind = Kind::panel, .container = "main", .caption = "焦点距離",
         .left = 5400, .top = 5760, .width = 1815, .height = 615, .tab_index = 15},
        {.name = "vset", .kind = Kind::panel, .container = "main", .caption = "表示設定",
         .left = 3720, .top = 4920, .width = 1575, .height = 1455, .tab_index = 13},
        {.name = "sset", .kind = Kind::panel, .container = "main", .caption = "光源の移動量",
         .left = 5400, .top = 4920, .width = 1815, .height = 615, .tab_index = 9},
        {.name = "cont", .kind = Kind::panel, .container = "main", .caption = "光源の移動",
         .left = 960, .top = 4920, .width = 2655, .height = 1455, .tab_index = 0,
         .look = {.fore = kBlue}},
        {.name = "owari", .kind = Kind::button, .container = "main", .caption = "おわり",
         .left = 7440, .top = 6000, .width = 855, .height = 375, .tab_index = 7},
        {.name = "work", .kind = Kind::bench, .container = "main",
         .left = 120, .top = 600, .width = 8280, .height = 4275, .tab_index = 5,
         .look = {.back = 0x404040}, .speech = "光学台"},
        {.name = "cr", .kind = Kind::label, .container = "main",
         .left = 5400, .top = 360, .width = 3015, .height = 255, .tab_index = 10,
         .look = {.fore = kGreyText}},
        {.name = "ver", .kind = Kind::label, .container = "main",
         .left = 5400, .top = 120, .width = 2055, .height = 255, .tab_index = 8,
         .look = {.fore = kGreyText}},
        {.name = "title", .kind = Kind::label, .container = "main", .caption = "Tavensu",
         .left = 240, .top = 120, .width = 6375, .height = 495, .tab_index = 6,
         .look = {.fore = kBlue, .font = {kGothic, 21.75f, false}}},

        // Moving the light source.
        {.name = "md", .kind = Kind::button, .container = "cont", .caption = "↓",
         .left = 1080, .top = 1080, .width = 495, .height = 255, .tab_index = 4,
         .look = {.font = arrow_small}, .speech = "光源を下へ動かす"},
        {.name = "mu", .kind = Kind::button, .container = "cont", .caption = "↑",
         .left = 1080, .top = 240, .width = 495, .height = 255, .tab_index = 3,
         .look = {.font = arrow_small}, .speech = "光源を上へ動かす"},
        {.name = "mr", .kind = Kind::button, .container = "cont", .caption = "→",
         .left = 1440, .top = 600, .width = 735, .height = 375, .tab_index = 2,
         .look = {.font = arrow_large}, .speech = "光源をレンズに近づける"},
        {.name = "ml", .kind = Kind::button, .container = "cont", .caption = "←",
         .left = 480, .top = 600, .width = 735, .height = 375, .tab_index = 1,
         .look = {.font = arrow_large}, .speech = "光源をレンズから遠ざける"},

        // Display settings.
        {.name = "sukurin", .kind = Kind::checkbox, .container = "vset", .caption = "ｽｸﾘｰﾝ表示",
         .left = 240, .top = 240, .width = 1215, .height = 255, .tab_index = 24, .value = 1},
        {.name = "kosen", .kind = Kind::checkbox, .container = "vset", .caption = "光線表示",
         .left = 240, .top = 840, .width = 1095, .height = 255, .tab_index = 23},
        {.name = "syoten", .kind = Kind::checkbox, .container = "vset", .caption = "焦点表示",
         .left = 240, .top = 1080, .width = 1095, .height = 255, .tab_index = 18},
        {.name = "hogan", .kind = Kind::checkbox, .container = "vset", .caption = "方眼表示",
         .left = 240, .top = 480, .width = 1095, .height = 255, .tab_index = 14},

        // Step of one arrow click.
        {.name = "smove", .index = 1, .kind = Kind::option, .container = "sset",
         .caption = "少ない", .left = 840, .top = 240, .width = 855, .height = 255,
         .tab_index = 12, .value = 1, .hint = "1 回に 4 分の 1 マス動かす"},
        {.name = "smove", .index = 0, .kind = Kind::option, .container = "sset",
         .caption = "多い", .left = 120, .top = 240, .width = 735, .height = 255,
         .tab_index = 11, .hint = "1 回に 2 分の 1 マス動かす"},

        // Focal length.
        {.name = "fmove", .index = 1, .kind = Kind::option, .container = "fset",
         .caption = "短い", .left = 960, .top = 240, .width = 735, .height = 255,
         .tab_index = 17, .value = 1, .hint = "焦点距離 4 マス"},
        {.name = "fmove", .index = 0, .kind = Kind::option, .container = "fset",
         .caption = "長い", .left = 120, .top = 240, .width = 735, .height = 255,
         .tab_index = 16, .hint = "焦点距離 6 マス"},

        // The bench.
        line("rl", 3, 8040, 1920, 5880, 1920, kTooltip),
        picture("image2", 960, 240, false),
        label("image_t", -1, "像", 4080, 960, 495, 255, 22, kRed),
        label("source_t", -1, "光源", 5520, 1440, 375, 255, 21, kRed),
        grid("LXL", 18), grid("LXL", 17), grid("LXL", 16), grid("LXL", 15), grid("LXL", 14),
        grid("LXL", 13), grid("LXL", 12), grid("LXL", 11), grid("LXL", 10), grid("LXL", 9),
        line("rl", 2, 6600, 1320, 8040, 3000, kPaleYellow),
        line("rl", 1, 6600, 1320, 5880, 1320, kPaleYellow),
        line("rl", 0, 8040, 2760, 5880, 1320, kTooltip),
        label("ft", 1, "焦点", 5760, 1080, 375, 255, 20, kMarkText),
        label("ft", 0, "焦点", 5040, 1080, 375, 255, 19, kMarkText),
        grid("LYD", 8), grid("LXL", 8), grid("LYU", 8), grid("LYD", 7), grid("LYD", 6),
        grid("LYU", 7), grid("LYU", 6), grid("LXL", 7), grid("LXL", 6),
        line("fl", 3, 6000, 720, 5880, 960, kMarkLine),
        line("fl", 2, 5880, 720, 6000, 960, kMarkLine),
        line("fl", 1, 5280, 720, 5160, 960, kMarkLine),
        line("fl", 0, 5160, 720, 5280, 960, kMarkLine),
        picture("image1", 3840, 840, true),
        picture("source", 5880, 1320, false),
        grid("LXR", 18), grid("LXR", 17), grid("LXR", 16), grid("LXR", 15), grid("LXR", 14),
        grid("LXR", 13), grid("LXR", 12), grid("LXR", 11), grid("LXR", 10), grid("LXR", 9),
        grid("LXR", 8), grid("LXR", 7), grid("LXR", 6), grid("LXR", 5), grid("LXR", 4),
        grid("LXR", 3), grid("LXR", 2), grid("LXR", 1), grid("LXR", 0),
        grid("LXL", 5), grid("LXL", 4), grid("LXL", 3), grid("LXL", 2), grid("LXL", 1),
        grid("LXL", 0),
        grid("LYD", 5), grid("LYD", 4), grid("LYD", 3), grid("LYD", 2), grid("LYD", 1),
        grid("LYD", 0),
        grid("LYU", 5), grid("LYU", 4), grid("LYU", 3), grid("LYU", 2), grid("LYU", 1),
        grid("LYU", 0),
        line("tate", -1, 2760, 480, 2760, 4080, 0xFFFFFF),
        line("yoko", -1, 240, 2400, 5040, 2400, 0xFFFFFF),
        {.name = "korru", .kind = Kind::shape, .container = "work",
         .left = 6360, .top = 960, .width = 495, .height = 1815,
         .look = {.fore = 0x000000, .back = 0xC0FFFF, .shape = ShapeKind::oval}},
        {.name = "scrn", .kind = Kind::shape, .container = "work",
         .left = 3120, .top = 240, .width = 615, .height = 855,
         .look = {.fore = 0xC0C0FF, .back = 0xE0E0E0, .shape = ShapeKind::rectangle}},
    }};
}();
// clang-format on

// Position of an item in kItems; unknown names fail at compile time when used in a constant.
constexpr int item_id(std::string_view name, int index = -1) {
    for (std::size_t i = 0; i < kItems.size(); ++i) {
        if (kItems[i].name == name && kItems[i].index == index) return static_cast<int>(i);
    }
    throw std::out_of_range("no such item");
}

// Positions of the elements 0..N-1 of an item array.
template <std::size_t N>
constexpr std::array<int, N> array_ids(std::string_view name) {
    std::array<int, N> ids{};
    for (std::size_t i = 0; i < N; ++i) ids[i] = item_id(name, static_cast<int>(i));
    return ids;
}

}  // namespace korru
