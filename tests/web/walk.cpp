// SPDX-License-Identifier: MIT
// A seeded walk of random clicks over several screens, built natively and for the browser: each
// prints, per screen, a digest of every float of the window after every click, of the JSON dump
// at intervals, and the counts. The two outputs must be the same, line for line.
#include <charconv>
#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <version>

#include "commands/commands.h"
#include "commands/startup.h"
#include "window/scene_json.h"

namespace {

using namespace korru;

// Both builds digest alike: 64-bit multiply-xor over 32-bit words.
struct Digest {
    std::uint64_t h = 0x9E3779B97F4A7C15u;
    void add(std::uint32_t word) { h = (h ^ word) * 0x100000001B3u + (h >> 29); }
    void add(float v) {
        std::uint32_t bits;
        std::memcpy(&bits, &v, sizeof bits);
        add(bits);
    }
    void add(const std::string& s) {
        for (unsigned char c : s) add(static_cast<std::uint32_t>(c));
    }
};

std::uint64_t floats_added = 0;

void add_item(Digest& d, const Item& it) {
    for (float v : {it.left, it.top, it.width, it.height, it.x1, it.y1, it.x2, it.y2}) d.add(v);
    d.add(static_cast<std::uint32_t>(it.visible) | static_cast<std::uint32_t>(it.value) << 1);
    floats_added += 8;
}

void add_window(Digest& d, const Window& w) {
    const BenchState& b = w.bench;
    for (float v : {b.lensx, b.axisy, b.flen, b.sdist, b.slift, b.unit, b.step}) d.add(v);
    floats_added += 7;
    add_item(d, w.main);
    for (const Item& it : w.items) add_item(d, it);
    d.add(w[Window::ids::image_label].caption);
}

// A float as the JSON writes it on this build: to_chars where the library has it, the
// printf route otherwise.
std::string json_text(float v) {
#if defined(__cpp_lib_to_chars)
    char buf[32];
    return std::string(buf, std::to_chars(buf, buf + sizeof buf, v).ptr);
#else
    return shortest_text(v);
#endif
}

}  // namespace

int main() {
    // The same picks on every build: mt19937's output is fixed by the standard, the library's
    // distributions are not. Arrow clicks are likelier, so the limits are reached.
    static_assert(kLessonClicks == 12, "one weight for each click but the end button's");
    constexpr int kWeights[kLessonClicks] = {6, 6, 6, 6, 1, 1, 1, 1, 1, 1, 1, 1};
    Click table[32];
    int n = 0;
    for (std::size_t c = 0; c < kLessonClicks; ++c) {
        for (int k = 0; k < kWeights[c]; ++k) table[n++] = static_cast<Click>(c);
    }
    constexpr int kClicksPerScreen = 175'000, kJsonEvery = 25'000;
    const int screens[][2] = {{640, 480},   {1024, 625},  {1024, 768}, {1366, 768},
                              {1920, 1080}, {2560, 1440}, {3840, 2160}};
    std::mt19937 rng(20261207);
    std::uint64_t clicks = 0;
    for (const auto& s : screens) {
        const ScreenSize screen = ScreenSize::from_pixels(s[0], s[1]);
        Window w;
        Digest floats, json;
        std::uint64_t real = 0, virtual_ = 0, none = 0;
        try {
            start_up(w, screen);
            add_window(floats, w);
            for (int i = 1; i <= kClicksPerScreen; ++i) {
                click(w, table[rng() % n]);
                add_window(floats, w);
                if (w.real_image().visible)
                    ++real;
                else if (w.virtual_image().visible)
                    ++virtual_;
                else
                    ++none;
                if (i % kJsonEvery == 0) json.add(scene_json(w, screen));
            }
        } catch (const RuntimeError& e) {
            std::printf("%dx%d: %s\n", s[0], s[1], e.what());
            continue;
        }
        clicks += kClicksPerScreen;
        std::printf("%dx%d: %d clicks, images real %" PRIu64 " virtual %" PRIu64 " none %" PRIu64
                    ", floats %016" PRIx64 ", json %016" PRIx64 "\n",
                    s[0], s[1], kClicksPerScreen, real, virtual_, none, floats.h, json.h);
    }
    // The JSON's number text over random floats of every kind, as a check of its own.
    Digest texts;
    for (int i = 0; i < 100'000; ++i) {
        const std::uint32_t bits = static_cast<std::uint32_t>(rng());
        float v;
        std::memcpy(&v, &bits, sizeof v);
        if (v == v) texts.add(json_text(v));  // NaN's sign is the library's choice
    }
    std::printf("number texts %016" PRIx64 "\n", texts.h);
    std::printf("%" PRIu64 " clicks, %" PRIu64 " floats\n", clicks, floats_added);
    return 0;
}
