// SPDX-License-Identifier: MIT
// The lesson's session beneath both faces: a notebook kept by two windows at once loses no row,
// a store that will not keep it is said and tried again, a damaged one keeps what can be read;
// what may be recorded; the scene to copy is the state, not the history, and replays to it.
#include "lesson/session.h"

#include <gtest/gtest.h>

#include "lesson/lesson_bar.h"
#include "lesson/shortest_scene.h"
#include "support.h"
#include "window/scene_json.h"

namespace korru {
namespace {

std::string as_written(std::string_view text) {
    return std::string(text);
}

// A store in memory, which a test fills, refuses or damages.
class MemoryStore : public Store {
  public:
    std::optional<std::string> text;
    bool full = false, refused = false, unreadable = false;
    std::vector<std::string> set_aside_texts;

    StoreRead read() override {
        if (unreadable) return {StoreRead::State::unreadable, {}, "denied"};
        if (!text) return {};
        return {StoreRead::State::text, *text, {}};
    }
    StoreWrite write(const std::string& t) override {
        if (full) return {StoreWrite::Outcome::full, {}};
        if (refused) return {StoreWrite::Outcome::refused, "denied"};
        text = t;
        return {};
    }
    std::optional<std::string> set_aside() override {
        set_aside_texts.push_back(text.value_or(""));
        text.reset();
        return "aside-" + std::to_string(set_aside_texts.size());
    }
    std::string where() const override { return "memory"; }
};

// A window's measurement after `moves` clicks of "→" from start-up: every one a different row.
Measurement row_after(int moves) {
    Window w = test::started();
    test::clicks(w, Click::mr, moves);
    return measure(w);
}

TEST(KeptNotebook, TwoWindowsRecordingInTurnsKeepEveryRowAndClearWhatTheyShow) {
    MemoryStore store;
    NotebookKeeper a(&store, as_written), b(&store, as_written);
    a.load();
    for (int i = 0; i < 3; ++i) a.add(row_after(i));
    b.load();
    EXPECT_EQ(b.notebook().rows().size(), 3u);
    b.add(row_after(10));
    b.add(row_after(11));
    a.add(row_after(20));  // after B's rows, without being told of them
    EXPECT_EQ(read_stored(*store.text).notebook.rows().size(), 6u);
    EXPECT_EQ(a.notebook().rows().size(), 6u);
    b.refresh();
    EXPECT_EQ(b.notebook().rows(), a.notebook().rows());

    // One row taken out by A is gone for B too; A clears what it shows, and B's row recorded
    // since, which A had not seen, stays.
    const RowId second = a.notebook().ids()[1];
    a.remove(second);
    b.refresh();
    EXPECT_EQ(b.notebook().rows().size(), 5u);
    EXPECT_FALSE(b.notebook().has(second));
    b.add(row_after(30));
    a.clear();
    b.refresh();
    ASSERT_EQ(b.notebook().rows().size(), 1u);
    EXPECT_EQ(b.notebook().rows()[0], row_after(30));
    EXPECT_FALSE(a.waiting());
}

TEST(KeptNotebook, AFullOrRefusedStoreIsSaidAtEveryRecordAndTriedAgainUntilItKeeps) {
    MemoryStore store;
    NotebookKeeper k(&store, as_written);
    k.load();
    k.add(row_after(0));
    store.full = true;
    for (int i = 1; i <= 3; ++i) {
        const auto said = k.add(row_after(i));
        ASSERT_TRUE(said);
        EXPECT_TRUE(said->lasting);
        EXPECT_NE(said->text.find("memory がいっぱい"), std::string::npos) << said->text;
        EXPECT_EQ(k.unkept(), static_cast<std::size_t>(i));
        EXPECT_EQ(k.notebook().rows().size(), static_cast<std::size_t>(i + 1));
    }
    EXPECT_EQ(read_stored(*store.text).notebook.rows().size(), 1u);  // as it was
    store.full = false;
    store.refused = true;
    EXPECT_NE(k.add(row_after(4))->text.find("(denied)"), std::string::npos);
    store.refused = false;
    const auto again = k.add(row_after(5));
    ASSERT_TRUE(again);
    EXPECT_FALSE(again->lasting);
    EXPECT_EQ(k.unkept(), 0u);
    EXPECT_EQ(read_stored(*store.text).notebook.rows().size(), 6u);

    store.unreadable = true;
    EXPECT_NE(k.add(row_after(6))->text.find("読めません (denied)"), std::string::npos);
    EXPECT_EQ(k.notebook().rows().size(), 7u);
}

TEST(KeptNotebook, ADamagedStoreIsSetAsideAndEveryRowThatCanBeReadGoesOn) {
    Notebook fifteen;
    for (int i = 0; i < 15; ++i) fifteen.add(static_cast<RowId>(i + 1), row_after(i));
    const std::string cut = fifteen.stored() + "00000000000000ff real 418000";
    MemoryStore store;
    store.text = cut;
    NotebookKeeper k(&store, as_written);
    const auto said = k.load();
    ASSERT_TRUE(said);
    EXPECT_NE(said->text.find("aside-1"), std::string::npos);
    EXPECT_NE(said->text.find("15 行"), std::string::npos);
    EXPECT_EQ(store.set_aside_texts, std::vector<std::string>{cut});
    EXPECT_EQ(k.notebook().rows(), fifteen.rows());
    EXPECT_EQ(*store.text, fifteen.stored());

    // An empty store is an empty notebook, said nothing of.
    MemoryStore empty;
    empty.text = "";
    NotebookKeeper e(&empty, as_written);
    EXPECT_FALSE(e.load());
    EXPECT_TRUE(e.notebook().rows().empty());
    EXPECT_TRUE(empty.set_aside_texts.empty());
}

class ALesson : public testing::Test {
  protected:
    Window w;
    MemoryStore store;
    Session s{w, as_written, &store};

    void SetUp() override {
        s.start(ScreenSize::from_pixels(1024, 768));
        s.load_notebook();
    }
};

TEST_F(ALesson, RecordsOnlyWhatDoesNotGiveTheAnswerAwayAndNotTheSameRowTwice) {
    EXPECT_EQ(s.record().notice->text, "1 行目を記録しました: 実像、b = 5.33 マス。");
    EXPECT_EQ(s.record().notice->text, "1 行目と同じなので、記録しませんでした。");
    s.predict(true);
    for (Click c : {Click::mr, Click::mu}) {
        s.make(c);
        const Outcome refused = s.record();
        EXPECT_FALSE(refused.rows);
        EXPECT_EQ(refused.notice->text, "記録するのは、答えを見てからにしてください。");
        s.show_answer();
        EXPECT_TRUE(s.record().rows);
    }
    EXPECT_EQ(s.notebook().rows().size(), 3u);
    EXPECT_NE(s.notebook_csv().find("実像,15.75,"), std::string::npos);

    // While the answer is hidden, the bench's SVG says nothing of the image, as its words.
    const SvgLook look{as_written, [](const Text&) { return SvgLook::Face{}; },
                       [](std::string_view, bool) -> const std::string& {
                           static const std::string none;
                           return none;
                       }};
    s.make(Click::mr);
    EXPECT_EQ(s.bench_svg(look).find("像はレンズ"), std::string::npos);
    EXPECT_EQ(s.words().find("像はレンズ"), std::string::npos);
    s.show_answer();
    EXPECT_NE(s.bench_svg(look).find("像はレンズの右"), std::string::npos);
}

TEST_F(ALesson, TheSceneCopiedIsTheStateNotTheHistoryAndReplaysToIt) {
    // A finger's drag back and forth, toggles shown twice, options changed their minds.
    for (Click c : {Click::kosen, Click::hogan, Click::hogan, Click::fmove_long, Click::smove_small,
                    Click::fmove_short, Click::syoten}) {
        s.make(c);
    }
    for (int i = 0; i < 300; ++i) s.make(i % 3 == 2 ? Click::ml : Click::mr);
    for (int i = 0; i < 300; ++i) s.make(i % 2 ? Click::md : Click::ml);
    s.make(Click::mu);
    s.predict(true);
    const SceneCopy copy = s.scene_to_copy();
    ASSERT_TRUE(copy.scene);
    EXPECT_LE(copy.scene->size(), 200u) << *copy.scene;
    EXPECT_NE(copy.scene->find("predict"), std::string::npos);

    // Opened on this screen: the same window as the steps made, and the answer hidden until
    // asked for. On another, the candle where the steps put it.
    for (const ScreenSize screen : {s.screen(), ScreenSize::from_pixels(1366, 768)}) {
        Window there, made;
        Session other(there, as_written), same(made, as_written);
        other.start(screen);
        other.open("https://school.example/korru.html#" + *copy.scene);
        same.start(screen, s.steps());
        EXPECT_TRUE(other.answer_hidden());
        EXPECT_EQ(describe_scene(there, as_written), describe_scene(made, as_written));
        if (screen.width == s.screen().width) {
            EXPECT_TRUE(scene_json(there, screen) == scene_json(made, screen));
        }
    }
    // A text not understood changes nothing and says which part.
    const std::string before = scene_json(w, s.screen());
    EXPECT_NE(s.open("kosen.nosuch").notice->text.find("nosuch"), std::string::npos);
    EXPECT_EQ(scene_json(w, s.screen()), before);
}

// A pupil's drag back and forth in front of the focal point, with the grid shown and hidden:
// the link says where the candle stands, in a few words.
TEST_F(ALesson, ADragBackAndForthIsCopiedAsWhereTheCandleStands) {
    for (int sweep = 0; sweep < 10; ++sweep) {
        for (int i = 0; i < 30; ++i) s.make(sweep % 2 ? Click::ml : Click::mr);
        s.make(Click::hogan);
        s.make(sweep % 3 ? Click::mu : Click::md);
    }
    const SceneCopy copy = s.scene_to_copy();
    EXPECT_LE(copy.scene->size(), 20u) << *copy.scene;
    Window there;
    Session other(there, as_written);
    other.start(s.screen());
    other.open(*copy.scene);
    EXPECT_TRUE(scene_json(there, s.screen()) == scene_json(w, s.screen()));
}

// Where the candle's floats come only by the way it went, no shorter form gives them and the
// steps stand as made; a shorter form is only ever one that replays to the same window.
TEST(ShortestScene, IsOfferedOnlyWhereItReplaysToTheSameWindow) {
    const ScreenSize screen{12000, 9000};  // a unit of 261 twips: steps of 65.25 and 130.5
    std::vector<Step> steps;
    for (int i = 0; i < 200; ++i) {
        steps.emplace_back(i % 5 == 0 ? Click::smove_small : Click::smove_large);
        steps.emplace_back(i % 3 == 0 ? Click::ml : Click::mr);
        steps.emplace_back(i % 7 == 0 ? Click::mu : Click::md);
    }
    const std::vector<Step> shorter = shortest_steps(steps, screen);
    EXPECT_LT(scene_text(shorter).size(), scene_text(steps).size());
    Window a, b;
    Session(a, as_written).start(screen, steps);
    Session(b, as_written).start(screen, shorter);
    EXPECT_EQ(scene_json(a, screen), scene_json(b, screen));
    EXPECT_TRUE(shortest_steps({}, screen).empty());
}

TEST_F(ALesson, ANewScreenKeepsTheMarkWhereItStoodOnTheBench) {
    s.predict(true);
    s.put_mark({w.bench.lensx + 3 * w.bench.unit, w.bench.axisy + 2 * w.bench.unit});
    s.show_answer();
    const std::string before = s.words();
    s.replay(ScreenSize::from_pixels(1920, 1080));
    EXPECT_TRUE(s.prediction().answer_shown());
    EXPECT_EQ(s.words(), before);
}

}  // namespace
}  // namespace korru

namespace korru {
namespace {

std::vector<LessonAction> actions(const LessonBar& bar) {
    std::vector<LessonAction> out;
    for (const BarButton& b : bar.buttons) out.push_back(b.action);
    return out;
}

// The bar says the mode and offers its way on: predict; mark and answer or leave; next or leave;
// record only where it gives nothing away.
TEST_F(ALesson, TheBarShowsTheModeAndTheNextStepByATap) {
    using A = LessonAction;
    EXPECT_EQ(actions(lesson_bar(s, as_written)),
              (std::vector{A::predict, A::record, A::open_notebook, A::experiment}));
    s.predict(true);
    LessonBar bar = lesson_bar(s, as_written);
    EXPECT_EQ(actions(bar),
              (std::vector{A::show_answer, A::leave, A::record, A::open_notebook, A::experiment}));
    EXPECT_FALSE(bar.buttons[2].enabled);
    EXPECT_TRUE(bar.buttons[1].pressed);
    s.put_mark({w.bench.lensx + 5 * w.bench.unit, w.bench.axisy + w.bench.unit});
    s.show_answer();
    bar = lesson_bar(s, as_written);
    EXPECT_EQ(actions(bar),
              (std::vector{A::next, A::leave, A::record, A::open_notebook, A::experiment}));
    EXPECT_NE(bar.status.find("離れていました"), std::string::npos) << bar.status;
    EXPECT_TRUE(bar.buttons[2].enabled);
    s.next_prediction();
    EXPECT_TRUE(s.answer_hidden());
    EXPECT_FALSE(s.prediction().mark());
    s.predict(false);
    EXPECT_EQ(actions(lesson_bar(s, as_written)).front(), A::predict);

    // Before the experiment the screen and the covers do nothing, from a key or a menu alike;
    // the answer is offered only while it is hidden.
    EXPECT_FALSE(s.availability(A::screen_r).enabled);
    EXPECT_FALSE(s.availability(A::show_answer).enabled);
    EXPECT_EQ(s.availability(A::experiment).checked, false);
    s.act(A::screen_r);
    s.act(A::cover_upper);
    EXPECT_EQ(scene_text(s.steps()), "predict*2");

    // The experiment's buttons, each one step of the session.
    s.act(A::experiment);
    EXPECT_EQ(s.availability(A::cover_upper).checked, false);
    bar = lesson_bar(s, as_written);
    EXPECT_EQ(actions(bar),
              (std::vector{A::predict, A::record, A::open_notebook, A::experiment, A::screen_l,
                           A::screen_r, A::cover_upper, A::cover_lower}));
    EXPECT_TRUE(bar.buttons[3].pressed);
    s.act(A::screen_l);
    s.act(A::cover_lower);
    EXPECT_EQ(s.experiment().quarters, Experiment::kFirst - 1);
    EXPECT_TRUE(lesson_bar(s, as_written).buttons.back().pressed);
    EXPECT_EQ(scene_text(s.steps()), "predict*2.experiment.screen_l.cover_lower");
}

}  // namespace
}  // namespace korru

namespace korru {
namespace {

// The number after `"key":` in a JSON text, as it reads back.
float json_number(const std::string& json, const std::string& key) {
    const std::size_t at = json.find("\"" + key + "\":");
    return at == std::string::npos ? NAN : std::strtof(json.c_str() + at + key.size() + 3, nullptr);
}

// The experiment's steps are steps like any other: in the scene copied, on another screen, in
// the snapshot's JSON (only where it is used), in what is recorded and in what is said.
TEST_F(ALesson, TheExperimentIsHeldByScenesTheJsonTheNotebookAndTheWords) {
    EXPECT_EQ(s.json().find("\"lesson\""), std::string::npos);
    EXPECT_EQ(s.json(), scene_json(w, s.screen()));
    for (const Step& step : read_scene("experiment.screen_l*19.cover_upper.mr*3").steps)
        s.make(step);
    const std::string json = s.json();
    const ExperimentFacts f = experiment_facts(w, s.experiment());
    EXPECT_NE(json.find("\"lesson\":{\"experiment\":true,"), std::string::npos) << json;
    EXPECT_EQ(json_number(json, "screen_x"), f.screen_x);
    EXPECT_EQ(json_number(json, "blur"), f.blur);
    EXPECT_EQ(json_number(json, "scale"), f.scale);
    EXPECT_EQ(json_number(json, "open"), 0.5f);
    EXPECT_FLOAT_EQ(f.screen_x / w.bench.unit, 5.25f);  // 10 squares, 19 quarters nearer

    // Said: where the screen stands and how the image looks on it, never where it is sharp.
    const std::string words = s.words();
    EXPECT_NE(words.find("スクリーンはレンズの右 5.25 マス"), std::string::npos) << words;
    EXPECT_NE(words.find("上半分がふさがれて"), std::string::npos);
    EXPECT_EQ(words.find("はっきりするのは"), std::string::npos);
    EXPECT_EQ(words.find("像はレンズの右"), std::string::npos);

    // Recorded beside the law's b; the plot shows it, hollow, where it was found.
    s.record();
    EXPECT_NE(s.notebook_csv().find(",5.25\r\n"), std::string::npos) << s.notebook_csv();
    const Notebook kept = read_stored(s.notebook().stored()).notebook;
    ASSERT_FALSE(kept.rows().empty());
    ASSERT_TRUE(kept.rows().back().screen);
    EXPECT_EQ(*kept.rows().back().screen, 5.25f);

    // Copied and opened on another screen: the JSON of the same steps made there.
    const std::string scene = *s.scene_to_copy().scene;
    EXPECT_NE(scene.find("screen_l*19"), std::string::npos) << scene;
    for (const ScreenSize there :
         {ScreenSize::from_pixels(1366, 768), ScreenSize::from_pixels(800, 600)}) {
        Window a, b;
        Session opened(a, as_written), made(b, as_written);
        opened.start(there);
        opened.open(scene);
        made.start(there, s.steps());
        EXPECT_TRUE(opened.json() == made.json());
        EXPECT_EQ(json_number(opened.json(), "screen_x") / a.bench.unit, 5.25f);
    }

    // Predicting where the screen must go: the light and the words give nothing away until the
    // answer, which says where it is sharp.
    s.predict(true);
    const auto light = [&] {
        const Drawing& d = s.bench_drawing();
        return std::any_of(d.begin(), d.end(),
                           [](const Primitive& p) { return std::holds_alternative<Raster>(p); });
    };
    EXPECT_FALSE(light());
    EXPECT_EQ(s.words().find("ぼやけて"), std::string::npos) << s.words();
    s.show_answer();
    EXPECT_TRUE(light());
    EXPECT_NE(s.words().find("はっきりするのは、レンズの右"), std::string::npos) << s.words();
}

}  // namespace
}  // namespace korru
