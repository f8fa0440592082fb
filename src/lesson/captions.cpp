// SPDX-License-Identifier: MIT
// The lesson's captions, listed for the catalogue.
#include "lesson/captions.h"

namespace korru {

std::vector<std::string_view> caption_texts() {
    const LessonCaptions& c = kCaptions;
    return {
        c.copy_picture,      c.save_picture,   c.save_png,     c.save_svg,     c.png_files,
        c.svg_files,         c.csv_files,      c.copy_scene,   c.copy_link,    c.open_scene,
        c.open_scene_prompt, c.predict,        c.show_answer,  c.record,       c.open_notebook,
        c.notebook,          c.rows,           c.export_csv,   c.copy_table,   c.clear,
        c.remove_row,        c.plot,           c.distances,    c.reciprocals,  c.save_plot,
        c.save_plot_png,     c.save_plot_svg,  c.close,        c.bench_menu,   c.bar_predict,
        c.bar_answer,        c.bar_next,       c.bar_leave,    c.bar_record,   c.bar_notebook,
        c.lesson_bar,        c.bar_experiment, c.bar_screen_l, c.bar_screen_r, c.bar_cover_upper,
        c.bar_cover_lower,   c.projector_look};
}

}  // namespace korru
