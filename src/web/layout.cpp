// SPDX-License-Identifier: MIT
// The page's screen, its plan and layout for a viewport, and the page's boxes.
#include "web/layout.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

#include "commands/startup.h"

namespace korru::web {

namespace {

PixelBox box_of(const Item& it) {
    return pixel_box(it.left, it.top, it.width, it.height);
}

// The display panel's check boxes from the top down, and where their rows begin: just below
// the panel's caption.
constexpr int kCheckRowsTop = 12;
constexpr int kCheckRows[] = {Window::ids::screen_box, Window::ids::grid_box, Window::ids::rays_box,
                              Window::ids::focal_box};
// Below the last row, room for the panel's frame.
constexpr int kCheckRowsBelow = 3;
// Below a panel's legend: where a control grown to a finger's target may begin.
constexpr int kBelowLegend = kCheckRowsTop + 2;

int check_row(int id) {
    for (int row = 0; row < 4; ++row) {
        if (kCheckRows[row] == id) return row;
    }
    return -1;
}

bool in_panel(int id) {
    const std::string_view holder = kItems[static_cast<std::size_t>(id)].container;
    return holder != "main" && holder != "work";
}

// A control grown to a target about its middle, below its panel's legend.
PixelBox grown(PixelBox b, int target) {
    if (b.width < target) {
        b.left -= (target - b.width + 1) / 2;
        b.width = target;
    }
    if (b.height < target) {
        b.top = std::max(kBelowLegend, b.top - (target - b.height + 1) / 2);
        b.height = target;
    }
    return b;
}

// Between a control grown to a target and one pushed below it.
constexpr int kTargetGap = 4;

// A control grown to a target, and a panel's control then lying over one above it (a whole
// row above it on the desktop) moved down below that one, a little apart: ↑, ← →, ↓ in three
// rows. Controls that stay apart stay where they are.
PixelBox target_box(const Window& w, int id, int target) {
    if (!in_panel(id)) return grown(box_of(w[id]), target);
    const std::string_view panel = kItems[static_cast<std::size_t>(id)].container;
    // The panel's controls from the top down, each where it stands once grown and moved.
    std::vector<std::pair<PixelBox, PixelBox>> placed;  // on the desktop, grown
    std::vector<int> order;
    for (int c = 0; c < static_cast<int>(kItemCount); ++c) {
        if (kItems[static_cast<std::size_t>(c)].container == panel) order.push_back(c);
    }
    std::stable_sort(order.begin(), order.end(),
                     [&w](int a, int b) { return box_of(w[a]).top < box_of(w[b]).top; });
    for (int c : order) {
        const PixelBox desk = box_of(w[c]);
        PixelBox b = grown(desk, target);
        for (const auto& [above_desk, above] : placed) {
            const bool row_above = above_desk.top + above_desk.height <= desk.top;
            const bool across = b.left < above.left + above.width && above.left < b.left + b.width;
            if (row_above && across && b.top < above.top + above.height) {
                b.top = above.top + above.height + kTargetGap;
            }
        }
        if (c == id) return b;
        placed.emplace_back(desk, b);
    }
    return box_of(w[id]);
}

// Screens up to this many times the viewport's width are tried: far more than any needs.
constexpr int kMaxScreenFactor = 16;

// The client area's size in pixels, on the screen it was started up on.
PixelBox client_size(const Window& w) {
    return client_area(w, 0);
}

// The header (the title and the version lines) and the bench, as the client area has them: from
// its top-left corner to the bench's bottom-right one, and the margin right of the bench.
struct BenchPart {
    int width = 0, height = 0;
};
BenchPart bench_part(const Window& w) {
    const PixelBox bench = page_box(w, Window::ids::bench_area);
    return {bench.left + bench.width + bench.left, bench.top + bench.height};
}

// The panels on a phone: in rows right-aligned under the bench, each at one CSS pixel to a
// pixel, in the window's order. Either each panel on its own, or the step and focal-length
// panels one above the other as on the desktop; whichever is the lower at that width.
constexpr double kPanelMargin = 4;
// The desktop stands the focal-length panel this far below the step panel.
constexpr int kStackedGap = 16;

struct PanelRows {
    std::array<CssBox, 5> boxes{};  // kPanelRow's, from the rows' top-left corner
    double height = 0;
};

PanelRows panel_rows(const Window& w, double width, int target) {
    std::array<PixelBox, 5> size{};
    for (std::size_t i = 0; i < kPanelRow.size(); ++i) size[i] = page_box(w, kPanelRow[i], target);
    // The units of a row: indices of kPanelRow, one panel or two stacked; with a finger's taller
    // panels, the end button under the two stacked too.
    using Unit = std::vector<std::size_t>;
    std::vector<std::vector<Unit>> flows{{{0}, {1}, {2, 3}, {4}}, {{0}, {1}, {2}, {3}, {4}}};
    if (target > kTargetPixels) flows.push_back({{0}, {1}, {2, 3, 4}});
    std::optional<PanelRows> best;
    for (const auto& flow : flows) {
        PanelRows out;
        const double room = width - 2 * kPanelMargin;
        std::vector<std::vector<const Unit*>> rows{{}};
        std::vector<double> row_width{0};
        const auto unit_width = [&](const Unit& u) {
            double most = 0;
            for (std::size_t i : u) most = std::max(most, static_cast<double>(size[i].width));
            return most;
        };
        const auto unit_height = [&](const Unit& u) {
            double sum = 0;
            for (std::size_t i : u) sum += size[i].height;
            return sum + kStackedGap * static_cast<double>(u.size() - 1);
        };
        for (const Unit& u : flow) {
            const double grown =
                row_width.back() + (rows.back().empty() ? 0 : kPageGap) + unit_width(u);
            if (!rows.back().empty() && grown > room) {
                rows.emplace_back();
                row_width.push_back(0);
            }
            row_width.back() += (rows.back().empty() ? 0 : kPageGap) + unit_width(u);
            rows.back().push_back(&u);
        }
        double top = 0;
        for (std::size_t r = 0; r < rows.size(); ++r) {
            double tallest = 0;
            for (const Unit* u : rows[r]) tallest = std::max(tallest, unit_height(*u));
            double x = width - kPanelMargin - row_width[r];
            for (const Unit* u : rows[r]) {
                // The end button at the foot of its row, as on the desktop.
                double y = u->front() == 4 ? top + tallest - size[4].height : top;
                for (std::size_t i : *u) {
                    out.boxes[i] = {x, y, static_cast<double>(size[i].width),
                                    static_cast<double>(size[i].height)};
                    y += size[i].height + kStackedGap;
                }
                x += unit_width(*u) + kPageGap;
            }
            top += tallest + (r + 1 < rows.size() ? kPageGap : 0);
        }
        out.height = top;
        if (!best || out.height < best->height) best = out;
    }
    return *best;
}

// The most a compact plan enlarges the bench: its picture and lines are painted for the scale.
// The least it draws it at, however little room a viewport leaves.
constexpr double kCompactLargest = 1.25, kLeastCompactScale = 0.05;
// How far the notebook opened below the bar may draw the window smaller, at most.
constexpr double kNotebookShrinks = 0.6;

// A phone's viewport, either way up: the page scrolls down to its open notebook.
bool phone(int vw, int vh) {
    return std::min(vw, vh) < kPhoneSide;
}

// A compact window's version and copyright lines: beside the title where the room is as wide
// as the desktop's lines, else under the panels' rows at its left.
bool footer_needed(const Window& w, double width) {
    const PixelBox line = box_in_client(w, Window::ids::copyright_label);
    return line.left + line.width > width;
}

int footer_height(const Window& w) {
    return page_box(w, Window::ids::version_label).height +
           page_box(w, Window::ids::copyright_label).height;
}

// A compact window's room for its header and bench: what the panels' rows and the version lines
// leave.
double bench_room_height(const Window& w, double width, double height, int target) {
    const double footer = footer_needed(w, width) ? footer_height(w) + kPageGap : 0;
    return height - panel_rows(w, width, target).height - footer - 2 * kPageGap;
}

}  // namespace

PixelBox page_box(const Window& w, int id, int target) {
    PixelBox box = box_of(w[id]);
    const int row_height = std::max(kTargetPixels, target);
    if (const int row = check_row(id); row >= 0) {
        // The caption's line in the middle of its row; the row is the target.
        box.top = kCheckRowsTop + row * row_height;
        box.height = row_height;
    } else if (id == Window::ids::display_panel) {
        box.height = std::max(box.height, kCheckRowsTop + 4 * row_height + kCheckRowsBelow);
    } else if (target && (in_panel(id) || id == Window::ids::end_button)) {
        box = target_box(w, id, target);
    } else if (target && kItems[static_cast<std::size_t>(id)].kind == Kind::panel) {
        for (int child = 0; child < static_cast<int>(kItemCount); ++child) {
            if (kItems[static_cast<std::size_t>(child)].container != kItems[std::size_t(id)].name) {
                continue;
            }
            const PixelBox c = page_box(w, child, target);
            box.height = std::max(box.height, c.top + c.height + kCheckRowsBelow);
        }
    }
    return box;
}

PixelBox box_in_client(const Window& w, int id, int target) {
    PixelBox box = page_box(w, id, target);
    const std::string_view container = kItems[static_cast<std::size_t>(id)].container;
    if (container != "main") {
        const PixelBox holder = page_box(w, item_id(container), target);
        box.left += holder.left;
        box.top += holder.top;
    }
    return box;
}

bool controls_inside(const Window& w) {
    const PixelBox client = client_area(w, 0);
    for (int id = 0; id < static_cast<int>(kItemCount); ++id) {
        const ItemDef& def = kItems[static_cast<std::size_t>(id)];
        if (def.container == "work" || def.kind == Kind::label) continue;
        const PixelBox b = box_in_client(w, id);
        if (b.left < 0 || b.top < 0 || b.left + b.width > client.width ||
            b.top + b.height > client.height) {
            return false;
        }
    }
    return true;
}

PageScreen page_screen(int viewport_width, int viewport_height) {
    const PageScreen viewport{viewport_width, viewport_height, 1};
    if (viewport_width < kSmallestFittedViewport || viewport_height < kSmallestFittedViewport) {
        return viewport;
    }
    for (int width = viewport_width; width <= kMaxScreenFactor * viewport_width; ++width) {
        const int height = static_cast<int>(
            std::lround(static_cast<double>(width) * viewport_height / viewport_width));
        Window w;
        try {
            start_up(w, ScreenSize::from_pixels(width, height));
        } catch (const RuntimeError&) {
            continue;  // a screen start-up refuses: a larger one may do
        }
        if (controls_inside(w)) {
            return {width, height, static_cast<double>(viewport_width) / width};
        }
    }
    return viewport;
}

PagePlan page_plan(int vw, int vh, bool finger) {
    if (vw < kSmallestFittedViewport || vh < kSmallestFittedViewport) {
        return {{vw, vh, 1}, LessonSide::below, false};
    }
    // The window at one CSS pixel to a pixel with every control inside it, as large as the room
    // beside or below the bar allows; none for a finger, the desktop's controls too small for one.
    const WindowMeasure whole{
        [](const Window& w, const CssBox& room) {
            const PixelBox c = client_size(w);
            return c.width <= room.width && c.height <= room.height;
        },
        [](const Window& w) { return controls_inside(w) ? client_size(w).width : -1.0; }};
    if (!finger) {
        if (const auto plan = plan_lesson(vw, vh, kPageLessonRoom, true, whole)) {
            return {{plan->screen.width, plan->screen.height, 1}, plan->side, false};
        }
    }
    // A phone, or a finger: the bench as large as the room the panels' rows leave it.
    const int target = finger ? kFingerPixels : kTargetPixels;
    const WindowMeasure bench{
        [target](const Window& w, const CssBox& room) {
            const BenchPart b = bench_part(w);
            return b.width <= room.width &&
                   b.height <= bench_room_height(w, room.width, room.height, target);
        },
        [](const Window& w) {
            return static_cast<double>(page_box(w, Window::ids::bench_area).width);
        }};
    if (const auto plan = plan_lesson(vw, vh, kPageLessonRoom, false, bench)) {
        return {{plan->screen.width, plan->screen.height, 1}, plan->side, true, target};
    }
    return {page_screen(vw, vh), LessonSide::below, false};
}

// Below the window, the notebook stands in a column at the right on a viewport wider than tall
// that has room for one beside the bar, under the bar elsewhere.
bool notebook_at_right(const PagePlan& plan, int vw, int vh, bool notebook) {
    return plan.side == LessonSide::below && notebook && vw >= vh &&
           vw - 3.0 * kPageGap - kNotebookColumn >= kNotebookColumn;
}

double bar_width(const PagePlan& plan, int vw, int vh, bool notebook, double words) {
    if (plan.side == LessonSide::beside) {
        return notebook ? kNotebookColumn
                        : std::max<double>(kBarColumn, std::min(kBarColumn * words, vw / 3.0));
    }
    if (notebook_at_right(plan, vw, vh, notebook)) return vw - 3.0 * kPageGap - kNotebookColumn;
    return vw - 2.0 * kPageGap;
}

PageLayout page_layout(const Window& w, const PagePlan& plan, int vw, int vh, double bar_height,
                       bool notebook, double words) {
    const double gap = kPageGap, outer = plan.compact ? 0 : gap;
    PageLayout out;
    out.compact = plan.compact;
    out.target = plan.target;
    const double bar_w = bar_width(plan, vw, vh, notebook, words);
    // The room the window has, and the lesson's parts around it.
    CssBox room;
    const bool beside = plan.side == LessonSide::beside;
    const bool notebook_right = notebook_at_right(plan, vw, vh, notebook);
    const bool notebook_below = !beside && !notebook_right && notebook;
    if (beside) {
        room = {outer, outer, vw - outer - 2 * gap - bar_w, vh - 2 * outer};
    } else if (notebook_right) {
        room = {outer, outer, bar_w, vh - outer - 2 * gap - bar_height};
    } else {
        room = {outer, outer, vw - 2 * outer, vh - outer - 2 * gap - bar_height};
    }
    room.width = std::max(room.width, 1.0);
    room.height = std::max(room.height, 1.0);

    // The window's scale in a room: never larger than itself (a compact bench a little larger,
    // where that spans the room: the screens it starts up on come in steps). Drawn smaller, its
    // panels keep their size under the bench: their band is as high as ever.
    const PixelBox c = client_size(w);
    const BenchPart b = bench_part(w);
    const double band = c.height - b.height;
    int row_left = c.width;
    for (int id : kPanelRow) row_left = std::min(row_left, box_in_client(w, id).left);
    // Whether the panels keep their size at a scale: they fit the window's width.
    const auto panels_kept = [&](double k) { return c.width * k >= c.width - row_left; };
    const auto scale_in = [&](double height) {
        if (!plan.compact) {
            const double k = std::min({1.0, room.width / c.width, (height - band) / b.height});
            if (panels_kept(k)) return k;
            return std::max(kLeastCompactScale,
                            std::min({1.0, room.width / c.width, height / c.height}));
        }
        return std::max(
            kLeastCompactScale,
            std::min({kCompactLargest, room.width / b.width,
                      bench_room_height(w, room.width, height, plan.target) / b.height}));
    };
    double k = scale_in(room.height);
    if (notebook_below) {
        // The notebook below the bar gets a third of the viewport's height or its least, the
        // window the rest, but the window keeps at least most of its size: the page scrolls.
        const double wanted = std::max(vh / 3.0, std::min<double>(kNotebookLeast, vh - 2 * gap));
        k = std::min(k, std::max(scale_in(room.height - wanted - gap), kNotebookShrinks * k));
    }

    if (!plan.compact) {
        // The panels at their size at the window's right under the bench where they fit its
        // width, else the whole window drawn at one scale.
        const bool kept = panels_kept(k);
        out.scale = k;
        out.panel_scale = kept ? 1 : k;
        const double height = kept ? b.height * k + band : c.height * k;
        out.client = {room.left + (room.width - c.width * k) / 2, room.top, c.width * k, height};
        // Beside the bar, the window stands in the middle of the viewport's height.
        if (beside) out.client.top += (room.height - height) / 2;
        if (kept) {
            out.panel_shift_x = c.width * (k - 1);
            out.panel_shift_y = b.height * (k - 1);
        }
    } else {
        const PanelRows rows = panel_rows(w, room.width, plan.target);
        out.scale = k;
        out.panel_scale = 1;
        out.offset = (room.width - b.width * k) / 2;
        const double panels_top = b.height * k + gap;
        for (std::size_t i = 0; i < rows.boxes.size(); ++i) {
            out.panels[i] = rows.boxes[i];
            out.panels[i].top += panels_top;
        }
        const double bottom = panels_top + rows.height + gap;
        const PixelBox line = box_in_client(w, Window::ids::copyright_label);
        if (!footer_needed(w, room.width)) {
            // The title and the bench in the middle of the room, as far as the lines beside the
            // title allow.
            out.offset =
                std::max(0.0, std::min(out.offset, room.width - (line.left + line.width) * k));
        }
        if (footer_needed(w, room.width)) {
            out.footer = bottom;
            out.client = {room.left, room.top, room.width, bottom + footer_height(w) + gap};
        } else {
            out.client = {room.left, room.top, room.width, bottom};
        }
    }

    // The notebook under the bar down to the viewport's foot, and never shorter than its least
    // (or the viewport, where that is less): below the foot then, the page scrolled to it.
    const auto under = [&](double left, double top) {
        const double room = vh - gap - top;
        const double least = phone(vw, vh) && room < kNotebookLeast
                                 ? std::min<double>(kNotebookRoomy, vh - 2 * gap)
                                 : 0;
        return CssBox{left, top, bar_w, std::max({0.0, least, room})};
    };
    if (beside) {
        out.bar = {out.client.right() + gap, std::max(gap, out.client.top), bar_w, bar_height};
        if (notebook) out.notebook = under(out.bar.left, out.bar.bottom() + gap);
    } else {
        out.bar = {gap, out.client.bottom() + gap, bar_w, bar_height};
        if (notebook_right) {
            out.notebook = {vw - gap - kNotebookColumn, gap, kNotebookColumn, vh - 2 * gap};
        } else if (notebook) {
            out.notebook = under(gap, out.bar.bottom() + gap);
        }
    }
    return out;
}

Placed place_item(const Window& w, const PageLayout& layout, int id) {
    if (!layout.compact) {
        const PixelBox at = box_in_client(w, id), box = page_box(w, id);
        const bool panel =
            in_panel(id) || std::find(kPanelRow.begin(), kPanelRow.end(), id) != kPanelRow.end();
        if (panel && layout.panel_scale != layout.scale) {
            return {at.left + layout.panel_shift_x, at.top + layout.panel_shift_y,
                    layout.panel_scale, box};
        }
        return {at.left * layout.scale, at.top * layout.scale, layout.scale, box};
    }
    const PixelBox box = page_box(w, id, layout.target);
    const auto panel = std::find(kPanelRow.begin(), kPanelRow.end(), id);
    if (panel != kPanelRow.end()) {
        const CssBox& at = layout.panels[static_cast<std::size_t>(panel - kPanelRow.begin())];
        return {at.left, at.top, layout.panel_scale, box};
    }
    if ((id == Window::ids::version_label || id == Window::ids::copyright_label) &&
        layout.footer > 0) {
        const double below =
            id == Window::ids::copyright_label ? page_box(w, Window::ids::version_label).height : 0;
        return {kPageGap, layout.footer + below, layout.panel_scale, box};
    }
    if (in_panel(id)) {
        const Placed holder =
            place_item(w, layout, item_id(kItems[static_cast<std::size_t>(id)].container));
        return {holder.left + box.left * holder.scale, holder.top + box.top * holder.scale,
                holder.scale, box};
    }
    // A label no wider than the window: a phone's title would run past its edge.
    PixelBox clipped = box;
    const double room = (layout.client.width - layout.offset) / layout.scale - box.left;
    clipped.width = std::min(box.width, static_cast<int>(std::max(0.0, room)));
    return {layout.offset + box.left * layout.scale, box.top * layout.scale, layout.scale, clipped};
}

}  // namespace korru::web
