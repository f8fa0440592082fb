// SPDX-License-Identifier: MIT
// Start-up: window fitting, panel row, captions, then the fixed bench and the start state.
//
// Every number is single precision except the trial width, which becomes double once it has
// been reduced, and the lens outline (see shape_lens). Properties set in an earlier step are
// read back from their items.
#include "window/startup.h"

#include <algorithm>
#include <cmath>
#include <sstream>

#include "bench/scene.h"
#include "version.h"

namespace korru {

namespace {

std::string screen_text(ScreenSize s) {
    std::ostringstream os;
    os << "screen " << s.width << " x " << s.height << " twips";
    return os.str();
}

// Sizes the window and the bench from a trial width until the window is no higher than the
// limit; each pass that fails takes nine tenths of the trial width.
void fit_window(Window& w, ScreenSize screen) {
    Item& form = w.main;
    Item& work = w.work();
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
        form.height = work.height + work.top + w.cont().height + 800;
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
    const Item& work = w.work();
    Item& owari = w.owari();
    Item& sset = w.sset();
    owari.left = w.main.width - owari.width - 240;
    owari.top = work.height + work.top + 1200;
    sset.left = owari.left - sset.width - 120;
    sset.top = work.height + work.top + 120;
    w.fset().left = sset.left;
    w.fset().top = sset.height + sset.top + 240;
    w.vset().left = sset.left - w.vset().width - 120;
    w.vset().top = sset.top;
    w.cont().left = w.vset().left - w.cont().width - 120;
    w.cont().top = sset.top;
}

void place_grid(Window& w) {
    const BenchState& b = w.bench;
    const float width = w.work().width, height = w.work().height;
    for (int k = 0; k <= 8; ++k) {
        const float d = static_cast<float>(k + 1) * b.unit;
        for (Item* line : {&w.LYU(k), &w.LYD(k)}) {
            line->x1 = 0;
            line->x2 = width;
        }
        w.LYU(k).y1 = w.LYU(k).y2 = b.axisy - d;
        w.LYD(k).y1 = w.LYD(k).y2 = b.axisy + d;
        w.LYU(k).visible = w.LYD(k).visible = false;
    }
    for (int k = 0; k <= 18; ++k) {
        const float d = static_cast<float>(k + 1) * b.unit;
        for (Item* line : {&w.LXL(k), &w.LXR(k)}) {
            line->y1 = 0;
            line->y2 = height;
        }
        w.LXL(k).x1 = w.LXL(k).x2 = b.lensx - d;
        w.LXR(k).x1 = w.LXR(k).x2 = b.lensx + d;
        w.LXL(k).visible = w.LXR(k).visible = false;
    }
}

void lay_out_window(Window& w, ScreenSize screen, const VersionInfo& version) {
    fit_window(w, screen);
    place_panels(w);
    w.ver().caption = "ver." + std::to_string(version.major) + "." + std::to_string(version.minor) +
                      "." + std::to_string(version.revision);
    w.cr().caption = version.legal_copyright;
}

void set_up_bench(Window& w) {
    BenchState& b = w.bench;
    const Item& work = w.work();
    b.unit = work.height / 20;
    b.flen = b.unit * 4;
    b.axisy = work.height / 2;
    b.lensx = work.width / 2;

    Item& lens = w.korru();
    lens.top = b.axisy - 3 * b.unit;
    lens.height = 6 * b.unit;
    shape_lens(w);

    Item& axis = w.yoko();
    axis.x1 = 0;
    axis.y1 = work.height / 2;
    axis.x2 = work.width;
    axis.y2 = work.height / 2;
    Item& lens_line = w.tate();
    lens_line.x1 = b.lensx;
    lens_line.y1 = 0;
    lens_line.x2 = b.lensx;
    lens_line.y2 = work.height;

    place_focal_marks(w, b.flen);
    for (int i = 0; i < 4; ++i) w.fl(i).visible = false;
    for (int i = 0; i < 2; ++i) w.ft(i).visible = false;
    place_grid(w);
    for (int i = 0; i < 4; ++i) w.rl(i).visible = false;

    w.scrn().width = 2 * b.unit;
    w.scrn().height = 3 * b.unit;
    w.source().height = 2 * b.unit;
    w.source().width = b.unit / 4;
    b.step = b.unit / 4;
    b.sdist = 4 * b.flen;
    b.slift = 0;
    w.verify("start-up");
    update_bench(w);
}

}  // namespace

const VersionInfo& program_version() {
    static const VersionInfo info{KORRU_VERSION_MAJOR, KORRU_VERSION_MINOR, KORRU_VERSION_REVISION,
                                  KORRU_LEGAL_COPYRIGHT};
    return info;
}

void start_up(Window& w, ScreenSize screen, const VersionInfo& version) {
    lay_out_window(w, screen, version);
    w.verify("start-up");
    set_up_bench(w);
}

}  // namespace korru
