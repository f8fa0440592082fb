// SPDX-License-Identifier: MIT
// Clicks on the real widgets drive the model exactly as click() does when called directly, the
// widgets then show the model's states, and the end button or closing the window ends the run.
#include <QAbstractButton>

#include "support.h"

namespace korru {
namespace {

class Clicking : public test::ViewTest {
  protected:
    // A mouse click on the widget the click lands on, and the same click straight into the
    // reference model; then the two models and the check boxes and options must agree.
    void both(Click c) {
        QTest::mouseClick(widget(click_target(c)), Qt::LeftButton);
        click(reference, c);
        test::expect_same(model, reference);
        for (std::size_t id = 0; id < kItemCount; ++id) {
            if (kItems[id].kind != Kind::checkbox && kItems[id].kind != Kind::option) continue;
            EXPECT_EQ(widget<QAbstractButton>(static_cast<int>(id))->isChecked(),
                      model.items[id].value == 1)
                << item_label(kItems[id]) << " after " << click_name(c);
        }
    }

    Window reference = test::started();
};

class EachClick : public Clicking, public testing::WithParamInterface<Click> {};

// Three in a row: a check box goes on, off and on again; an option is chosen and chosen again;
// an arrow moves the source three steps.
TEST_P(EachClick, DrivesTheModelAsTheHandlerDoes) {
    for (int i = 0; i < 3; ++i) both(GetParam());
}

std::vector<Click> lesson_clicks() {
    std::vector<Click> clicks;
    for (std::size_t i = 0; i < kLessonClicks; ++i) clicks.push_back(kClicks[i].click);
    return clicks;
}

INSTANTIATE_TEST_SUITE_P(Clicks, EachClick, testing::ValuesIn(lesson_clicks()),
                         [](const auto& info) {
                             return test::test_name(std::string(click_name(info.param)));
                         });

// Every control in turn, then the source across the focal point and back; the two option pairs
// do not touch each other.
TEST_F(Clicking, ALessonKeepsViewAndHandlersInStep) {
    for (Click c : {Click::fmove_long, Click::kosen, Click::smove_large, Click::syoten,
                    Click::hogan, Click::mu, Click::md, Click::md, Click::sukurin,
                    Click::fmove_short, Click::smove_small, Click::hogan}) {
        both(c);
    }
    for (int i = 0; i < 30; ++i) both(Click::mr);
    for (int i = 0; i < 10; ++i) both(Click::ml);
}

TEST_F(Clicking, TheEndButtonClosesTheWindow) {
    both(Click::owari);
    EXPECT_TRUE(model.unloaded);
    EXPECT_FALSE(view->isVisible());
}

// Closing by the title bar or the window manager ends the program as the end button does.
TEST_F(Clicking, ClosingTheWindowRunsTheEndButtonsHandler) {
    EXPECT_TRUE(view->close());
    click(reference, Click::owari);
    test::expect_same(model, reference);
}

}  // namespace
}  // namespace korru
