// SPDX-License-Identifier: MIT
// One input from outside, tried every way the program reads such input: as a scene text or a
// link, and as a kept notebook (read, merged by a window's keeper, plotted both ways). Whatever
// it is, nothing crashes, what is read is bounded, and what is accepted is written back the same.
// The seeded test and the coverage-guided fuzzer both call it; a broken promise aborts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <string>
#include <string_view>

#include "lesson/notebook_keeper.h"
#include "lesson/plot.h"
#include "lesson/scene_text.h"

namespace korru::fuzz {

inline void require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

// The notebook's store, holding the input.
class InputStore : public Store {
  public:
    explicit InputStore(std::string text) : text_(std::move(text)) {}
    StoreRead read() override { return {StoreRead::State::text, text_, {}}; }
    StoreWrite write(const std::string& text) override {
        text_ = text;
        return {};
    }
    std::optional<std::string> set_aside() override {
        aside_ = std::move(text_);
        text_.clear();
        return "aside";
    }
    std::string where() const override { return "input"; }
    const std::string& text() const { return text_; }

  private:
    std::string text_, aside_;
};

// The most primitives a plot may be made of, whatever its rows: its frame, grid and labels, the
// law's curves and a mark for each row.
inline std::size_t most_plot_primitives(std::size_t rows) {
    return 2000 + 2 * rows;
}

inline void try_input(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto same = [](std::string_view t) { return std::string(t); };

    // As a scene: taken whole, within its bounds, and written back to the same steps.
    const SceneRead scene = read_scene(text);
    require(scene.steps.size() <= kMostSceneClicks, "a scene within its bounds");
    require(scene.part.size() <= 44, "the part named is short");
    if (scene.fault == SceneFault::none) {
        require(read_scene(scene_text(scene.steps)).steps == scene.steps, "a scene read back");
    } else {
        require(scene.steps.empty(), "a scene not understood makes no step");
        require(!scene_fault_text(scene, same).empty(), "a scene not understood is said");
    }

    // As a kept notebook: only rows a bench makes; what is read whole is written back the same.
    const StoredNotebook kept = read_stored(text);
    for (const Measurement& m : kept.notebook.rows()) require(bench_can_make(m), "a bench's row");
    const std::string again = kept.notebook.stored();
    const StoredNotebook back = read_stored(again);
    require(!back.damaged && back.notebook.rows() == kept.notebook.rows() &&
                back.notebook.ids() == kept.notebook.ids(),
            "a notebook read back the same");
    // Exactly as written is what the keeper may add a row's line to, so it must be so.
    require(kept.exact == (!kept.damaged && again == text),
            "an exact notebook, and only one, written back the same");

    // Kept by a window: the readable rows go on, the store then holds them and reads whole.
    InputStore store{std::string(text)};
    NotebookKeeper keeper(&store, same);
    keeper.load();
    require(keeper.notebook().rows() == kept.notebook.rows(), "the keeper's rows");
    require(!read_stored(store.text()).damaged, "the store readable after a load");

    // Plotted both ways: bounded whatever the numbers.
    for (const PlotView view : {PlotView::distances, PlotView::reciprocals}) {
        Drawing d;
        std::deque<std::string> words;
        draw_plot(kept.notebook, view, 480, 360, same, d, words);
        require(d.size() <= most_plot_primitives(kept.notebook.rows().size()), "a bounded plot");
    }
}

}  // namespace korru::fuzz
