// SPDX-License-Identifier: MIT
// Numbers as people read them: fixed-point, trailing zeros and a minus zero dropped.
#pragma once

#include <cstdio>
#include <string>

namespace korru {

// `value` to at most `places` decimals: 16, 2.5, 5.33 (places 2).
inline std::string decimal_text(double value, int places) {
    char digits[64];
    std::snprintf(digits, sizeof digits, "%.*f", places, value);
    std::string s = digits;
    if (s.find('.') != std::string::npos) {
        while (s.back() == '0') s.pop_back();
        if (s.back() == '.') s.pop_back();
    }
    return s == "-0" ? "0" : s;
}

}  // namespace korru
