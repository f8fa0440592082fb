// SPDX-License-Identifier: MIT
// Where the lesson stands beside the window, for the desktop's screens and the page's viewports
// alike: on every area from a small laptop to a 4K projector, either way up, the window started
// up on the planned screen fits the room the lesson leaves, with every control inside it, and is
// the largest that does; the lesson stands beside it on a wide area and below it on a tall one.
#include "lesson/lesson_plan.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>

#include "commands/startup.h"
#include "support.h"

namespace korru {
namespace {

// The desktop's least room (the view's kDesktopLessonRoom) and the page's (its bar's).
constexpr LessonRoom kDesktop{300, 440}, kPage{200, 112};

struct Area {
    int width, height;
    LessonRoom lesson;
    bool edges;
};

void PrintTo(const Area& a, std::ostream* os) {
    *os << a.width << "x" << a.height << " lesson " << a.lesson.column << "/" << a.lesson.band;
}

class LessonPlanOn : public testing::TestWithParam<Area> {};

TEST_P(LessonPlanOn, TheWindowIsTheLargestThatFitsTheRoomTheLessonLeaves) {
    const Area a = GetParam();
    const auto plan = plan_lesson(a.width, a.height, a.lesson, a.edges, client_measure());
    ASSERT_TRUE(plan);
    const AreaBox room = window_room(plan->side, a.lesson, a.edges, a.width, a.height);
    const Window w = test::started(plan->screen.width, plan->screen.height);
    const PixelBox client = client_area(w, 0);
    EXPECT_LE(client.width, room.width);
    EXPECT_LE(client.height, room.height);
    EXPECT_GE(client_measure().size(w), 0) << "a control outside the client area";
    // The screen is of the room's proportions, and one pixel wider its window would not fit.
    EXPECT_NEAR(static_cast<double>(plan->screen.height) / plan->screen.width,
                room.height / room.width, 0.01);
    const int wider = plan->screen.width + 1;
    const auto larger =
        started_on(wider, static_cast<int>(std::lround(wider * room.height / room.width)));
    ASSERT_TRUE(larger);
    EXPECT_FALSE(client_measure().fits(*larger, room));
    // The lesson keeps at least its least room, the gaps, and the edges where asked for.
    const double edge = a.edges ? kLessonGap : 0;
    if (plan->side == LessonSide::beside) {
        EXPECT_GE(a.width - edge - client.width - 2 * kLessonGap, a.lesson.column);
    } else {
        EXPECT_GE(a.height - edge - client.height - 2 * kLessonGap, a.lesson.band);
    }
    // The other side's largest window is no larger.
    const LessonSide other =
        plan->side == LessonSide::beside ? LessonSide::below : LessonSide::beside;
    const AreaBox other_room = window_room(other, a.lesson, a.edges, a.width, a.height);
    if (const auto s = largest_screen(other_room.width, other_room.height, [&](const Window& o) {
            return client_measure().fits(o, other_room);
        })) {
        EXPECT_LE(client_area(test::started(s->width, s->height), 0).width, client.width);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Areas, LessonPlanOn,
    testing::Values(Area{1016, 741, kDesktop, false}, Area{1358, 741, kDesktop, false},
                    Area{1912, 1053, kDesktop, false}, Area{3832, 2133, kDesktop, false},
                    Area{760, 997, kDesktop, false}, Area{1272, 773, kDesktop, false},
                    Area{1024, 768, kPage, true}, Area{1366, 657, kPage, true},
                    Area{820, 1180, kPage, true}, Area{2560, 1080, kPage, true}),
    [](const testing::TestParamInfo<Area>& i) {
        return std::to_string(i.param.width) + "x" + std::to_string(i.param.height) +
               (i.param.edges ? "_page" : "_desktop");
    });

TEST(LessonPlan, StandsBesideOnAWideAreaAndBelowOnATallOne) {
    const auto side = [](int w, int h, LessonRoom room) {
        return plan_lesson(w, h, room, false, client_measure())->side;
    };
    // The desktop's screens inside a window's frame: laptops, a projector, a 4K screen.
    EXPECT_EQ(side(1358, 741, kDesktop), LessonSide::beside);
    EXPECT_EQ(side(1912, 1053, kDesktop), LessonSide::beside);
    EXPECT_EQ(side(3832, 2133, kDesktop), LessonSide::beside);
    // A screen turned upright.
    EXPECT_EQ(side(760, 997, kDesktop), LessonSide::below);
    EXPECT_EQ(side(1072, 1893, kDesktop), LessonSide::below);
    // No window fits an area smaller than the lesson's room and start-up's least screen.
    EXPECT_FALSE(plan_lesson(280, 200, kDesktop, false, client_measure()));
}

}  // namespace
}  // namespace korru
