// SPDX-License-Identifier: MIT
// The window's layout: fitting to the screen, the panel row and the captions.
//
// Every number is single precision except the trial width, which becomes double once it has
// been reduced. Properties set in an earlier step are read back from their items.
#include "window/layout.h"

#include <algorithm>
#include <cstdio>

namespace korru {

namespace {

// The numbers as a stream writes a float by default, which is printf's "%g"; printf keeps the
// streams out of the browser build, where they would be a large part of the page.
std::string screen_text(ScreenSize s) {
    char text[96];
    std::snprintf(text, sizeof text, "screen %g x %g twips", static_cast<double>(s.width),
                  static_cast<double>(s.height));
    return text;
}

// Sizes the window and the bench from a trial width until the window is no higher than the
// limit; each pass that fails takes nine tenths of the trial width.
void fit_window(Window& w, ScreenSize screen) {
    Item& form = w.main;
    Item& work = w.bench_area();
    // The limit comes from a 4:3 screen of the same width; a wide screen also caps it at its
    // own height less room for the title bar, so the window never stands above the screen.
    const float from_width = static_cast<float>(static_cast<double>(screen.width * 3 / 4) * 0.9);
    const float limit = std::min(from_width, screen.height - 240.0f);

    const float first_trial = screen.width;
    double trial = first_trial;
    for (int pass = 0;; ++pass) {
        if (pass == kMaxFittingPasses) {
            throw RuntimeError("start-up", screen_text(screen), "too small to fit the window on");
        }
        if (pass == 0) {
            form.left = first_trial / 20;
            form.width = first_trial * 9 / 10;
        } else {
            form.left = static_cast<float>(trial / 20);
            form.width = static_cast<float>(trial * 9 / 10);
        }
        work.left = 120;
        work.width = form.width - 360;
        work.height = work.width / 2;
        work.top = 600;
        form.height = work.height + work.top + w.move_panel().height + 800;
        if (limit >= form.height) break;
        trial = trial * 0.9;
    }
    if (!(work.width > 0 && work.height > 0)) {
        throw RuntimeError("start-up", screen_text(screen), "too small to fit the window on");
    }
    form.top = screen.height / 2 - form.height / 2 - 120;
}

// From the right: owari, then sset with fset under it, then vset, then cont.
void place_panels(Window& w) {
    const Item& work = w.bench_area();
    Item& owari = w.end_button();
    Item& sset = w.step_panel();
    owari.left = w.main.width - owari.width - 240;
    owari.top = work.height + work.top + 1200;
    sset.left = owari.left - sset.width - 120;
    sset.top = work.height + work.top + 120;
    w.focal_panel().left = sset.left;
    w.focal_panel().top = sset.height + sset.top + 240;
    w.display_panel().left = sset.left - w.display_panel().width - 120;
    w.display_panel().top = sset.top;
    w.move_panel().left = w.display_panel().left - w.move_panel().width - 120;
    w.move_panel().top = sset.top;
}

}  // namespace

void lay_out_window(Window& w, ScreenSize screen, const VersionInfo& version) {
    fit_window(w, screen);
    place_panels(w);
    w.version_label().caption = "ver." + std::to_string(version.major) + "." +
                                std::to_string(version.minor) + "." +
                                std::to_string(version.revision);
    w.copyright_label().caption = version.legal_copyright;
    w.verify("start-up");
}

}  // namespace korru
