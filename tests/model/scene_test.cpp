// SPDX-License-Identifier: MIT
// The scene update: image case, placement and size of the image, label and screen, the rays'
// meeting points, the focal marks, and the run-time error on a forged state.
#include "bench/scene.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support.h"

namespace korru {
namespace {

// A bench with a unit of 261 twips, the source put where a test wants it.
class Scene : public testing::Test {
  protected:
    Window w = test::started_12000();
    const float u = 261, lensx = 5220, axisy = 2610;

    void put(float s_units, float f_units, float lift_units = 0) {
        w.bench.sdist = s_units * u;
        w.bench.flen = f_units * u;
        w.bench.slift = lift_units * u;
        update_bench(w);
    }
    // Tolerance for numbers of the size of x.
    static float tol(float x) { return 1e-5f * std::max(1.0f, std::fabs(x)); }
};

TEST_F(Scene, StartStateFormsTheRealImageOfTheWorkedExample) {
    const Item& im = w.real_image();
    EXPECT_TRUE(im.visible);
    EXPECT_FALSE(w.virtual_image().visible);
    EXPECT_EQ(im.top, axisy);
    EXPECT_NEAR(im.height, 2 * u / 3, tol(u));
    EXPECT_NEAR(im.width, u / 12, tol(u));
    EXPECT_NEAR(im.left, lensx + 16 * u / 3 - u / 24, tol(lensx));
    EXPECT_EQ(w.screen_card().top, axisy);
    EXPECT_NEAR(w.screen_card().left, lensx + 16 * u / 3 - u, tol(lensx));
    EXPECT_TRUE(w.image_label().visible);
    EXPECT_EQ(w.image_label().caption, "像");
    EXPECT_EQ(w.image_label().top, axisy + 120);
    EXPECT_NEAR(w.image_label().left, lensx + 16 * u / 3 + u / 24 + 20, tol(lensx));
    // The source and its label.
    EXPECT_EQ(w.source().top, axisy - 2 * u);
    EXPECT_EQ(w.source().left, lensx - 16 * u - u / 8);
    EXPECT_EQ(w.source_label().top, axisy - 2 * u + 120);
    EXPECT_EQ(w.source_label().left, w.source().left - 360);
}

TEST_F(Scene, SourceOnTheFocalPointFormsNoImageAndLeavesTheScreen) {
    const float screen_left = w.screen_card().left;
    put(4, 4);
    EXPECT_FALSE(w.real_image().visible);
    EXPECT_FALSE(w.virtual_image().visible);
    EXPECT_FALSE(w.image_label().visible);
    EXPECT_EQ(w.screen_card().left, screen_left);
    // The parallel rays still start at the source's height: nothing is left behind.
    put(4, 4, 1.5f);
    EXPECT_EQ(w.ray(1).y1, w.source().top);
    EXPECT_EQ(w.ray(2).y1, w.source().top);
    EXPECT_EQ(w.ray(2).x1, lensx);
    EXPECT_EQ(w.ray(1).x1, lensx - 20 * u);
}

TEST_F(Scene, ImageFarOffTheBenchIsPlacedAllTheSame) {
    put(6.25f, 6);  // m = 24
    EXPECT_TRUE(w.real_image().visible);
    EXPECT_NEAR(w.real_image().height, 48 * u, tol(48 * u));
    EXPECT_NEAR(w.real_image().left + w.real_image().width / 2, lensx + 150 * u, tol(150 * u));
}

TEST_F(Scene, VirtualImageIsMagnifiedUprightAndLabelled) {
    for (float f : {4.0f, 6.0f}) {
        put(f - 0.25f, f, 1);
        const Item& im = w.virtual_image();
        EXPECT_TRUE(im.visible);
        EXPECT_FALSE(w.real_image().visible);
        const float magnification = f / 0.25f;
        EXPECT_NEAR(im.height, magnification * 2 * u, tol(magnification * 2 * u));
        // Same side of the axis: the top is the image of the source's top.
        EXPECT_NEAR(im.top, axisy - magnification * 3 * u, tol(magnification * 3 * u));
        EXPECT_EQ(w.image_label().caption, "虚像");
        EXPECT_EQ(w.image_label().top, im.top + 360);
        EXPECT_EQ(w.image_label().left, im.width + im.left + 20);
    }
}

TEST_F(Scene, NearestSourceGivesASmallVirtualImageCloseToTheLens) {
    put(0.5f, 4);
    EXPECT_NEAR(w.virtual_image().height, 2 * u * 8 / 7, tol(u));
    EXPECT_NEAR(w.virtual_image().left + w.virtual_image().width / 2, lensx - 4 * u / 7,
                tol(lensx));
}

TEST_F(Scene, RaisedSourceIsImagedBelowTheAxisAndLoweredAbove) {
    put(16, 4, 2);
    const float m = 4.0f / 12.0f;
    EXPECT_NEAR(w.real_image().top, axisy + 2 * u * m, tol(axisy));
    put(16, 4, -3);
    EXPECT_NEAR(w.real_image().top, axisy - 3 * u * m, tol(axisy));
}

// The rays' meeting points, for the real and the virtual case, over positions and lenses.
float y_at(const Item& ray, float x) {
    return ray.y1 + (ray.y2 - ray.y1) * ((x - ray.x1) / (ray.x2 - ray.x1));
}

TEST_F(Scene, RaysMeetAtTheImage) {
    for (float f : {4.0f, 6.0f}) {
        for (float s : {0.5f, 2.25f, 3.75f, 5.5f, 7.0f, 12.0f, 20.0f}) {
            for (float lift : {-6.0f, -1.25f, 0.0f, 2.0f}) {
                if (s == f) continue;
                put(s, f, lift);
                SCOPED_TRACE(testing::Message() << "s=" << s << " f=" << f << " lift=" << lift);
                const bool real = s > f;
                const Item& im = real ? w.real_image() : w.virtual_image();
                const float x = im.left + im.width / 2;
                const float flame = real ? im.top + im.height : im.top;  // image of the top
                const float base = real ? im.top : im.top + im.height;   // image of the foot
                const float t = 1e-4f * (std::fabs(flame) + std::fabs(base) + lensx);
                EXPECT_NEAR(y_at(w.ray(0), x), flame, t);
                EXPECT_NEAR(y_at(w.ray(2), x), flame, t);
                EXPECT_NEAR(y_at(w.ray(3), x), base, t);
                // The parallel ray stays at the height of the source's top up to the lens.
                EXPECT_EQ(w.ray(1).y1, w.source().top);
                EXPECT_EQ(w.ray(1).y2, w.source().top);
                EXPECT_EQ(w.ray(1).x2, lensx);
                EXPECT_EQ(w.ray(1).x1, real ? lensx - 20 * u : lensx - s * u);
                // Through the far focal point.
                EXPECT_NEAR(y_at(w.ray(2), lensx + f * u), axisy, 1e-4f * lensx);
            }
        }
    }
}

TEST_F(Scene, FarthestSourceStartsTheParallelRayOnItsCentreLine) {
    put(20, 4, 0);
    EXPECT_EQ(w.ray(1).x1, w.source().left + w.source().width / 2);
    EXPECT_EQ(w.ray(3).y1, axisy);  // lower edge on the axis
    EXPECT_EQ(w.ray(3).y2, axisy);
}

TEST_F(Scene, FocalMarksAreFixedSizeCrossesAtTheFocalPoints) {
    for (float f : {4 * u, 6 * u}) {
        place_focal_marks(w, f);
        for (int i = 0; i < 4; ++i) {
            const Item& l = w.focal_mark(i);
            const float centre = i < 2 ? lensx - f : lensx + f;
            EXPECT_EQ((l.x1 + l.x2) / 2, centre);
            EXPECT_EQ(std::fabs(l.x2 - l.x1), 120);
            EXPECT_EQ(l.y1, axisy - 60);  // (x1, y1) is the upper end
            EXPECT_EQ(l.y2, axisy + 60);
        }
        EXPECT_NE(w.focal_mark(0).x1, w.focal_mark(1).x1);  // the two strokes cross
        EXPECT_EQ(w.focal_label(0).left, lensx - f - 80);
        EXPECT_EQ(w.focal_label(1).left, lensx + f - 80);
        EXPECT_EQ(w.focal_label(0).top, axisy + 80);
        EXPECT_EQ(w.focal_label(1).top, axisy + 80);
    }
    w.focal_mark(2).visible = true;
    place_focal_marks(w, 4 * u);
    EXPECT_TRUE(w.focal_mark(2).visible);
    EXPECT_FALSE(w.focal_mark(1).visible);
}

TEST_F(Scene, ForgedStateRaisesTheRunTimeErrorNamingRoutineAndItem) {
    w.bench.sdist = 0;  // out of reach of any click
    w.bench.slift = u;
    try {
        update_bench(w);
        FAIL() << "no error";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.routine(), "update_bench");
        EXPECT_EQ(e.subject(), "rl(3).Y1");
        EXPECT_NE(std::string(e.what()).find("infinite"), std::string::npos) << e.what();
    }
}

TEST_F(Scene, ForgedZeroUnitFailsTheFocalLengthChoice) {
    w.bench.unit = 0;
    try {
        click(w, Click::fmove_long);
        FAIL() << "no error";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.routine(), "fmove_click");
        EXPECT_EQ(e.subject(), "korru.Left");
        EXPECT_NE(std::string(e.what()).find("invalid operation"), std::string::npos);
    }
}

TEST_F(Scene, ForgedOverflowIsCaught) {
    w.bench.slift = 3e38f;
    EXPECT_THROW(update_bench(w), RuntimeError);
}

}  // namespace
}  // namespace korru
