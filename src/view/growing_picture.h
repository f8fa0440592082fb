// SPDX-License-Identifier: MIT
// A drawing painted on a picture that is kept between paints: where the new drawing is the last
// one with primitives added at its end — the notebook's plot after a row is recorded, its mark
// drawn last — only those are painted, so a record costs the same with ten rows as with ten
// thousand. Anything else, and the picture is painted afresh.
#pragma once

#include <QImage>
#include <QSize>
#include <deque>
#include <string>

#include "bench/drawing.h"

namespace korru::view {

class GrowingPicture {
  public:
    // The picture of `drawing`, whose words are `words`, on `size` device-independent pixels at
    // `ratio` device pixels to one; valid until the next call.
    const QImage& paint(Drawing drawing, std::deque<std::string> words, QSize size, qreal ratio);

  private:
    QImage picture_;
    Drawing drawing_;                // what the picture shows
    std::deque<std::string> words_;  // and its words
};

}  // namespace korru::view
