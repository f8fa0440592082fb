// SPDX-License-Identifier: MIT
// The room a line of text needs before any face has measured it: what the plot lays out with, so
// that its numbers and words never lie over one another at any size. The estimate is generous for
// every script the catalogues use (a face's test measures each text with its real fonts against
// it): a wide character (kana, han, hangul, full-width forms) an em, a capital or a character of
// another script 0.8 em, any other Latin character 0.62 em, a combining mark nothing.
#pragma once

#include <string_view>

namespace korru {

// Pixels across for `text` (UTF-8) set at `pixels` per em.
float text_room(std::string_view text, float pixels);

}  // namespace korru
