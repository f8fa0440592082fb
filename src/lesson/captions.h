// SPDX-License-Identifier: MIT
// The lesson's words on buttons, menus and sheets, and its keys, for both faces: the desktop's
// menu, notebook window and dialogs, and the page's menu and sheet take them from here.
#pragma once

#include <array>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "commands/commands.h"

namespace korru {

struct LessonCaptions {
    std::string_view copy_picture = "絵をコピー";
    std::string_view save_picture = "絵を保存…";
    std::string_view save_png = "PNG 画像として保存";
    std::string_view save_svg = "SVG 図として保存";
    std::string_view png_files = "PNG 画像 (*.png)";
    std::string_view svg_files = "SVG 図 (*.svg)";
    std::string_view csv_files = "CSV ファイル (*.csv)";
    std::string_view copy_scene = "場面をコピー";
    std::string_view copy_link = "この場面へのリンクをコピー";
    std::string_view open_scene = "場面を開く…";
    std::string_view open_scene_prompt = "場面の文字列か、ページへのリンクを貼り付けてください:";
    std::string_view predict = "像の位置を予想する";
    std::string_view show_answer = "答えを見る";
    std::string_view record = "測定ノートに記録";
    std::string_view open_notebook = "測定ノートを開く";
    std::string_view notebook = "測定ノート";
    std::string_view rows = "%n 行";  // counted: a catalogue has its language's plural forms
    std::string_view export_csv = "CSV で保存…";
    std::string_view copy_table = "表をコピー";
    std::string_view clear = "すべて消す…";
    std::string_view remove_row = "行を消す…";
    std::string_view plot = "グラフ";
    std::string_view distances = "距離 a, b";
    std::string_view reciprocals = "逆数 1/a, 1/b";
    std::string_view save_plot = "グラフを保存…";
    std::string_view save_plot_png = "グラフを PNG で保存";
    std::string_view save_plot_svg = "グラフを SVG で保存";
    std::string_view close = "閉じる";
    std::string_view bench_menu = "光学台";
    // The bench's look for a projector or a large screen: a setting of the bench's menu.
    std::string_view projector_look = "プロジェクター用の表示";
    // The lesson bar's buttons: short, for a narrow bar and a finger.
    std::string_view bar_predict = "予想する";
    std::string_view bar_answer = "答えを見る";
    std::string_view bar_next = "次の予想";
    std::string_view bar_leave = "予想をやめる";
    std::string_view bar_record = "記録する";
    std::string_view bar_notebook = "測定ノート";
    std::string_view lesson_bar = "授業";
    std::string_view bar_experiment = "スクリーンで探す";
    std::string_view bar_screen_l = "◀ スクリーン";
    std::string_view bar_screen_r = "スクリーン ▶";
    std::string_view bar_cover_upper = "上半分をおおう";
    std::string_view bar_cover_lower = "下半分をおおう";
};
inline constexpr LessonCaptions kCaptions{};

// The lesson's actions (their keys, captions and when each can be taken are the lesson's flow's,
// flow.h). "next" asks for a new prediction after an answer; "leave" gives the prediction up; the
// rest are the experiment's: the pupil's own screen, moved towards the lens or away, and a card
// over either half of the lens.
enum class LessonAction {
    predict,
    show_answer,
    record,
    open_notebook,
    next,
    leave,
    experiment,
    screen_l,
    screen_r,
    cover_upper,
    cover_lower,
};

// The arrow keys: alone they make the arrow buttons' clicks; with Shift, while a prediction is
// asked for, they move its mark a quarter square that way.
enum class Arrow { left, right, up, down };
inline constexpr Click arrow_click(Arrow a) {
    constexpr std::array<Click, 4> kClicksOf{Click::ml, Click::mr, Click::mu, Click::md};
    return kClicksOf[static_cast<std::size_t>(a)];
}
inline constexpr std::pair<int, int> mark_nudge(Arrow a) {
    constexpr std::array<std::pair<int, int>, 4> kWays{{{-1, 0}, {1, 0}, {0, -1}, {0, 1}}};
    return kWays[static_cast<std::size_t>(a)];
}

// The texts of this file, for the catalogue.
std::vector<std::string_view> caption_texts();

}  // namespace korru
