// SPDX-License-Identifier: MIT
#include "web/notice.h"

#include <utility>

#include "lesson/notebook_keeper.h"

namespace korru::web {

Notice::Notice(emscripten::val line, const char* entry_point)
    : line_(std::move(line)), passing_(entry_point) {}

void Notice::tell(const std::string& text, bool lasting) {
    line_.set("textContent", text);
    line_.set("hidden", false);
    lasting_ = lasting;
    if (lasting) {
        passing_.stop();
    } else {
        passing_.start(kPassingNoticeMilliseconds);
    }
}

void Notice::tell_also(const std::string& text, bool lasting) {
    if (line_["hidden"].isTrue()) {
        tell(text, lasting);
    } else {
        tell(line_["textContent"].as<std::string>() + " " + text, lasting || lasting_);
    }
}

void Notice::pass() {
    if (!lasting_) clear_notice();
}

void Notice::clear_notice() {
    passing_.stop();
    line_.set("hidden", true);
}

void Notice::done() {
    passing_.fired();
    line_.set("hidden", true);
}

}  // namespace korru::web
