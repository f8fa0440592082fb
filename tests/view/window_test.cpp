// SPDX-License-Identifier: MIT
// The window and its widgets: every item that is a widget exists under its name with its caption,
// state and geometry from the model; the window's frame and title; focus order; fonts.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRawFont>
#include <QStyle>
#include <QStyleOptionButton>

#include "support.h"
#include "view/fonts.h"
#include "view/language.h"

namespace korru {
namespace {

using test::pixel_of;

std::vector<int> widget_items() {
    std::vector<int> ids;
    for (std::size_t i = 0; i < kItemCount; ++i) {
        if (kItems[i].container != "work") ids.push_back(static_cast<int>(i));
    }
    return ids;
}

QString caption_of(const QWidget* w) {
    if (auto* b = qobject_cast<const QAbstractButton*>(w)) return b->text();
    if (auto* g = qobject_cast<const QGroupBox*>(w)) return g->title();
    if (auto* l = qobject_cast<const QLabel*>(w)) return l->text();
    return {};
}

bool is_kind(const QWidget* w, Kind kind) {
    switch (kind) {
        case Kind::panel:
            return qobject_cast<const QGroupBox*>(w);
        case Kind::button:
            return qobject_cast<const QPushButton*>(w);
        case Kind::checkbox:
            return qobject_cast<const QCheckBox*>(w);
        case Kind::option:
            return qobject_cast<const QRadioButton*>(w);
        case Kind::label:
            return qobject_cast<const QLabel*>(w);
        case Kind::bench:
            return qobject_cast<const QFrame*>(w);
        default:
            return false;
    }
}

class WidgetItem : public test::ViewTest, public testing::WithParamInterface<int> {};

TEST_P(WidgetItem, ShowsTheModelsCaptionStateAndGeometry) {
    const ItemDef& def = kItems[static_cast<std::size_t>(GetParam())];
    const Item& it = model[GetParam()];
    const QWidget* w = widget(GetParam());
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(is_kind(w, def.kind));
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->parentWidget()->objectName().toStdString(), def.container);
    EXPECT_EQ(w->geometry(), QRect(QPoint(pixel_of(it.left), pixel_of(it.top)),
                                   QPoint(pixel_of(double(it.left) + it.width) - 1,
                                          pixel_of(double(it.top) + it.height) - 1)));
    if (def.kind != Kind::bench) {
        EXPECT_EQ(caption_of(w).toStdString(), it.caption);
    }
    if (auto* b = qobject_cast<const QAbstractButton*>(w); b && b->isCheckable()) {
        EXPECT_EQ(b->isChecked(), it.value == 1);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryWidget, WidgetItem, testing::ValuesIn(widget_items()),
                         [](const auto& info) {
                             return test::test_name(item_label(kItems[info.param]));
                         });

// The bench's window alone, as korru --bench-only and the snapshot tool show it.
class TheWindow : public test::ViewTest {
  protected:
    TheWindow() : ViewTest(1024, 768, {}, std::nullopt) {}
};

// The model's window is the outer frame: at 1024 x 768 it spans pixels 51..972 across and 56..695
// down (768 + 13824 and 846.5 + 9587 twips); the client area is that less a frame of 4 pixels at
// the sides and bottom and a title bar of 23. It cannot be resized or maximized.
TEST_F(TheWindow, IsTheModelsOuterFrameWithTitleIconAndFixedSize) {
    EXPECT_EQ(view->pos(), QPoint(51, 56));
    EXPECT_EQ(view->size(), QSize(922 - 8, 640 - 27));
    EXPECT_EQ(view->minimumSize(), view->size());
    EXPECT_EQ(view->maximumSize(), view->size());
    EXPECT_FALSE(view->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(view->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(view->windowTitle(), QStringLiteral("Tavensu"));
    EXPECT_EQ(view->windowIcon().availableSizes(), QList<QSize>{QSize(32, 32)});
}

// The focus starts on "←", so Space first moves the source one step left.
TEST_F(TheWindow, SpaceFirstActsAsAClickOnTheLeftArrow) {
    ASSERT_EQ(QApplication::focusWidget(), widget("ml"));
    const float before = model.bench.sdist;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(model.bench.sdist, before + model.bench.step);
}

TEST_F(TheWindow, TabVisitsTheItemsThatTakeFocusInTheOrderOfTheirTabIndex) {
    std::vector<const ItemDef*> takers;
    for (const ItemDef& def : kItems) {
        const Kind k = def.kind;
        if (k == Kind::button || k == Kind::checkbox || k == Kind::option || k == Kind::bench) {
            takers.push_back(&def);
        }
    }
    std::sort(takers.begin(), takers.end(),
              [](const ItemDef* a, const ItemDef* b) { return a->tab_index < b->tab_index; });
    ASSERT_EQ(item_label(*takers[0]), "ml");
    // Once round the whole order, back to the start, and one step back.
    for (std::size_t i = 1; i <= takers.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget()->objectName().toStdString(),
                  item_label(*takers[i % takers.size()]));
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget()->objectName().toStdString(), item_label(*takers.back()));
}

// Every item of the window's client area lies wholly inside it on common screens.
class ClientArea : public test::ViewTest, public testing::WithParamInterface<QSize> {
  protected:
    ClientArea() : ViewTest(GetParam().width(), GetParam().height()) {}
};

TEST_P(ClientArea, HoldsEveryPanelTheEndButtonTheBenchAndTheLabels) {
    const QRect client(QPoint(0, 0), view->size());
    for (const char* name :
         {"cont", "vset", "sset", "fset", "owari", "work", "title", "ver", "cr"}) {
        EXPECT_TRUE(client.contains(widget(name)->geometry())) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(Screens, ClientArea,
                         testing::Values(QSize(1024, 768), QSize(800, 600), QSize(1280, 1024),
                                         QSize(1366, 768), QSize(1920, 1080)),
                         [](const auto& info) {
                             return std::to_string(info.param.width()) + "x" +
                                    std::to_string(info.param.height());
                         });

// The window in each of its languages, on each of the class's screens: a projector's 1024x768
// to a 4K panel, and a laptop and a tablet between.
class Captions : public test::InLanguageOnScreen, public test::ViewTest {
  protected:
    Captions() : ViewTest(GetParam().screen.width(), GetParam().screen.height()) {}
};

// Whether a character has a glyph in one of the faces the font tries, in their order.
bool has_glyph(const QFont& font, char32_t c) {
    for (const QString& family : font.families()) {
        QFont face(font);
        face.setFamilies({family});
        if (QRawFont::fromFont(face).supportsCharacter(c)) return true;
    }
    return false;
}

// No caption shows a missing-glyph box: the font each caption is shown in has a glyph for every
// one of its characters, the bench labels' captions included. The Gothic face is IPAPGothic from
// fonts-ipafont-gothic, after a Noto face for the scripts it lacks.
TEST_P(Captions, EveryCaptionHasItsGlyphsInItsFont) {
    EXPECT_EQ(view::gothic_family(), QStringLiteral("IPAPGothic"));
    EXPECT_EQ(view::window_font().families().back(), QStringLiteral("IPAPGothic"));
    const auto check = [](const QFont& font, const QString& caption, const std::string& item) {
        for (const char32_t c : caption.toUcs4()) {
            EXPECT_TRUE(has_glyph(font, c)) << item << ": U+" << std::hex << unsigned(c);
        }
    };
    for (std::size_t id = 0; id < kItemCount; ++id) {
        const std::string name = item_label(kItems[id]);
        if (const QWidget* w = widget(static_cast<int>(id))) {
            check(w->font(), caption_of(w), name);
        } else if (kItems[id].kind == Kind::label) {
            check(view::item_font(kItems[id]), view::translated(model.items[id].caption), name);
        }
    }
    check(view::item_font(kItems[Window::ids::image_label]), view::translated("虚像"), "image_t");
}

// Captions are not clipped: each fits the room its item gives it.
TEST_P(Captions, EveryCaptionFitsItsBox) {
    for (const int id : widget_items()) {
        const QWidget* w = widget(id);
        const Kind kind = kItems[static_cast<std::size_t>(id)].kind;
        const std::string name = item_label(kItems[static_cast<std::size_t>(id)]);
        const QFontMetrics metrics(w->font());
        const QString caption = caption_of(w);
        QRect room = w->rect().adjusted(0, 0, -10, 0);  // labels; panels, less the caption's indent
        if (kind == Kind::button) room = w->rect().adjusted(2, 2, -2, -2);
        if (kind == Kind::checkbox || kind == Kind::option) {
            QStyleOptionButton option;
            option.initFrom(w);
            option.text = caption;
            room =
                w->style()->subElementRect(kind == Kind::checkbox ? QStyle::SE_CheckBoxContents
                                                                  : QStyle::SE_RadioButtonContents,
                                           &option, w);
        }
        // A button shows its caption's ink; other items need the whole line.
        const QSize needed = kind == Kind::button
                                 ? metrics.tightBoundingRect(caption).size()
                                 : QSize(metrics.horizontalAdvance(caption), metrics.height());
        EXPECT_LE(needed.width(), room.width()) << name;
        EXPECT_LE(needed.height(), kind == Kind::button ? room.height() : w->height()) << name;
    }
}

std::vector<test::LanguageOnScreen> every_language_on_every_screen() {
    std::vector<test::LanguageOnScreen> all;
    for (const QLocale::Language language : test::kEveryLanguage) {
        for (const QSize screen : {QSize(1024, 768), QSize(1280, 800), QSize(1366, 768),
                                   QSize(1920, 1080), QSize(2560, 1440), QSize(3840, 2160)}) {
            all.push_back({language, screen});
        }
    }
    return all;
}

INSTANTIATE_TEST_SUITE_P(Languages, Captions, testing::ValuesIn(every_language_on_every_screen()),
                         [](const auto& info) {
                             return test::language_name(info.param.language) + "_" +
                                    std::to_string(info.param.screen.width()) + "x" +
                                    std::to_string(info.param.screen.height());
                         });

}  // namespace
}  // namespace korru
