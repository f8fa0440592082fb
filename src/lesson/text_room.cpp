// SPDX-License-Identifier: MIT
// The room of a line, code point by code point.
#include "lesson/text_room.h"

namespace korru {

namespace {

bool wide(char32_t c) {
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) ||
           (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
           (c >= 0xFFE0 && c <= 0xFFE6);
}

// Marks that sit on the character before them: Latin's and Devanagari's.
bool combining(char32_t c) {
    return (c >= 0x0300 && c <= 0x036F) || (c >= 0x0900 && c <= 0x0903) ||
           (c >= 0x093A && c <= 0x094F && c != 0x093D) || (c >= 0x0951 && c <= 0x0957) ||
           (c >= 0x0962 && c <= 0x0963) || c == 0x200D || c == 0x200C;
}

}  // namespace

float text_room(std::string_view text, float pixels) {
    float ems = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const int length = byte < 0x80 ? 1 : byte < 0xE0 ? 2 : byte < 0xF0 ? 3 : 4;
        char32_t c = length == 1 ? byte : byte & (0x7F >> length);
        for (int k = 1; k < length && i + k < text.size(); ++k) {
            c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        }
        i += length;
        if (combining(c)) continue;
        ems += wide(c)                                                                   ? 1.0f
               : c < 0x80 && !(c >= 'A' && c <= 'Z') && c != 'm' && c != 'w' && c != '%' ? 0.62f
                                                                                         : 0.8f;
    }
    return ems * pixels;
}

}  // namespace korru
