// SPDX-License-Identifier: MIT
// Every text a lesson shows or says, as written, for the catalogues of other languages.
#pragma once

#include <algorithm>
#include <string_view>
#include <vector>

#include "lesson/captions.h"
#include "lesson/experiment_words.h"
#include "lesson/flow.h"
#include "lesson/languages.h"
#include "lesson/lesson_bar.h"
#include "lesson/notebook.h"
#include "lesson/notebook_keeper.h"
#include "lesson/plot.h"
#include "lesson/prediction.h"
#include "lesson/scene_text.h"
#include "lesson/session.h"

namespace korru {

inline std::vector<std::string_view> lesson_texts() {
    std::vector<std::string_view> texts;
    for (const auto& part :
         {scene_texts(), prediction_texts(), notebook_texts(), plot_texts(), keeper_texts(),
          session_texts(), caption_texts(), lesson_bar_texts(), experiment_texts(), flow_texts()}) {
        for (std::string_view text : part) {
            if (std::find(texts.begin(), texts.end(), text) == texts.end()) texts.push_back(text);
        }
    }
    return texts;
}

// The window's texts and the lesson's, each once.
inline std::vector<std::string_view> all_texts() {
    std::vector<std::string_view> texts = translatable_texts();
    for (std::string_view text : lesson_texts()) {
        if (std::find(texts.begin(), texts.end(), text) == texts.end()) texts.push_back(text);
    }
    return texts;
}

}  // namespace korru
