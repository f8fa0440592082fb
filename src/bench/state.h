// SPDX-License-Identifier: MIT
// The bench state: the seven numbers that describe the whole optical set-up.
// All lengths are single-precision twips in the bench's own coordinates (origin top-left of the
// bench, x to the right, y downward).
#pragma once

namespace korru {

struct BenchState {
    float lensx = 0;  // x of the lens centre
    float axisy = 0;  // y of the optical axis
    float flen = 0;   // focal length: 4 or 6 units
    float sdist = 0;  // source distance left of the lens, unit/2 .. 20 units
    float slift = 0;  // height of the source's lower edge above the axis, -6 .. 2 units
    float unit = 0;   // grid unit, a twentieth of the bench height
    float step = 0;   // one arrow click: unit/4 or unit/2
};

}  // namespace korru
