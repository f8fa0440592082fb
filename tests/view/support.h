// SPDX-License-Identifier: MIT
// Shared set-up for the view tests, beside the model tests' own: the window showing a started
// lesson's session, maybe keeping its notebook in a data folder of the test's own, its widgets
// found by name, and pixels.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLocale>
#include <QSize>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "lesson/session.h"
#include "model/support.h"
#include "view/file_store.h"
#include "view/language.h"
#include "view/main_window.h"
#include "view/snapshot.h"
#include "window/scene_json.h"

// Qt's sizes, pictures and bytes in test output, without their raw bytes.
inline void PrintTo(const QSize& s, std::ostream* os) {
    *os << s.width() << "x" << s.height();
}
inline void PrintTo(const QImage& image, std::ostream* os) {
    *os << "a " << image.width() << "x" << image.height() << " picture";
}
inline void PrintTo(const QByteArray& bytes, std::ostream* os) {
    *os << bytes.size() << " bytes";
}

namespace korru::test {

// How long a test waits for a window or a program before it gives up, in milliseconds: long
// enough for a loaded machine and a sanitizer build. Waits end as soon as what they wait for
// happens.
inline constexpr int kPatience = 60000;

// Whole pixels of a twip coordinate, worked out here rather than taken from the view.
inline int pixel_of(double twips) {
    return static_cast<int>(std::floor(twips / kTwipsPerPixel + 0.5));
}

inline QRgb rgb_at(const QImage& image, QPoint p) {
    return image.pixel(p) & 0xFFFFFFu;
}

inline QString name_of(int id) {
    return QString::fromStdString(item_label(kItems[static_cast<std::size_t>(id)]));
}

// "fmove(0)" as a test name: "fmove_0_".
inline std::string test_name(std::string s) {
    for (char& c : s) {
        if (c == '(' || c == ')') c = '_';
    }
    return s;
}

// Every property of every item, the bench state and the end of the run agree.
inline void expect_same(const Window& a, const Window& b) {
    EXPECT_EQ(scene_json(a, {}), scene_json(b, {}));
    EXPECT_EQ(a.unloaded, b.unloaded);
}

// Runs a test in a language of the window, set before the window is made: a base class to put
// first, for tests parameterised by the language.
class InLanguage : public testing::WithParamInterface<QLocale::Language> {
  protected:
    InLanguage() { view::use_language(GetParam()); }
    ~InLanguage() { view::use_language(QLocale::Japanese); }
};

// Every language of the window, Japanese first, for tests over all of them.
inline const std::vector<QLocale::Language> kEveryLanguage{
    QLocale::Japanese,   QLocale::English, QLocale::Portuguese, QLocale::Chinese, QLocale::Filipino,
    QLocale::Vietnamese, QLocale::Spanish, QLocale::Korean,     QLocale::Nepali};

inline std::string language_name(QLocale::Language language) {
    return QLocale::languageToString(language).toStdString();
}

// A language on one of the class's screens: a window made in it, on it.
struct LanguageOnScreen {
    QLocale::Language language;
    QSize screen;
};

inline void PrintTo(const LanguageOnScreen& p, std::ostream* out) {
    *out << language_name(p.language) << " on " << p.screen.width() << "x" << p.screen.height();
}

class InLanguageOnScreen : public testing::WithParamInterface<LanguageOnScreen> {
  protected:
    InLanguageOnScreen() { view::use_language(GetParam().language); }
    ~InLanguageOnScreen() { view::use_language(QLocale::Japanese); }
};

// The snapshot tool's window picture of a session's steps (a prediction's mark is no step).
inline QImage window_picture_of(const Session& s) {
    Window copy;
    Session again(copy, view::translated_utf8);
    again.start(s.screen(), s.steps());
    return view::window_picture(again);
}

// A data folder of the test's own, the user's (XDG_DATA_HOME) while it lasts: a base to put
// before the window's.
class DataFolder {
  protected:
    DataFolder() { qputenv("XDG_DATA_HOME", data.path().toUtf8()); }
    ~DataFolder() { qunsetenv("XDG_DATA_HOME"); }

    QTemporaryDir data;
};

// The window showing a started session, shown and active, as the user meets it; with a file
// named, the notebook is kept there.
class ViewTest : public testing::Test {
  protected:
    // The bench's window started up on a screen of w_px x h_px, the lesson's band on its `band`
    // side (none: the bench's window alone).
    explicit ViewTest(int w_px = 1024, int h_px = 768, const QString& kept = {},
                      std::optional<LessonSide> band = LessonSide::beside)
        : store(kept.isEmpty() ? nullptr : std::make_unique<view::FileStore>(kept)),
          session(model, view::translated_utf8, store.get()) {
        session.start(ScreenSize::from_pixels(w_px, h_px));
        session.load_notebook();
        view = std::make_unique<view::MainWindow>(session, band);
        view->show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(view.get(), test::kPatience));
    }

    template <class T = QWidget>
    T* widget(int id) const {
        return view->findChild<T*>(name_of(id));
    }
    template <class T = QWidget>
    T* widget(std::string_view name, int index = -1) const {
        return widget<T>(item_id(name, index));
    }

    Window model;
    std::unique_ptr<view::FileStore> store;
    Session session;
    std::unique_ptr<view::MainWindow> view;
};

}  // namespace korru::test
