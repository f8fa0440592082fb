// SPDX-License-Identifier: MIT
// Serving the people in front of the window: the arrow keys move the candle wherever the focus
// is; a screen reader hears every control by name and the scene after every change; the bench
// goes to the clipboard and to files as the snapshot tool draws it; English under English.
#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QMimeData>
#include <QTableView>
#include <QTemporaryDir>

#include "bench/description.h"
#include "lesson/texts.h"
#include "support.h"
#include "view/notebook_window.h"
#include "view/snapshot.h"
#include "view/worksheet.h"

namespace korru {
namespace {

using test::InLanguage;
using test::ViewTest;

// The key as the keyboard sends it, held or not, to whatever has the focus.
void key(Qt::Key k, bool held = false) {
    QTest::simulateEvent(QApplication::focusWidget(), true, k, Qt::NoModifier, {}, held);
}

class ArrowKeys : public ViewTest, public testing::WithParamInterface<const char*> {};

// Wherever the focus is (an option button or a check box, which would take the arrows for moving
// the focus, the bench, a push button), the arrows do what the arrow buttons do, and leave the
// focus and every option and check box as they were.
TEST_P(ArrowKeys, DoWhatTheArrowButtonsDoWhereverTheFocusIs) {
    QWidget* holder = view->findChild<QWidget*>(GetParam());
    holder->setFocus();
    for (Qt::Key k : {Qt::Key_Left, Qt::Key_Left, Qt::Key_Left, Qt::Key_Up, Qt::Key_Right,
                      Qt::Key_Down, Qt::Key_Down}) {
        key(k);
    }
    // A held key repeats: one press and four repeats are five clicks.
    key(Qt::Key_Left);
    for (int i = 0; i < 4; ++i) key(Qt::Key_Left, true);

    Window reference = test::started();
    for (Click c : {Click::ml, Click::ml, Click::ml, Click::mu, Click::mr, Click::md, Click::md})
        click(reference, c);
    test::clicks(reference, Click::ml, 5);
    test::expect_same(model, reference);
    EXPECT_EQ(QApplication::focusWidget(), holder);
}

INSTANTIATE_TEST_SUITE_P(Focus, ArrowKeys, testing::Values("fmove(0)", "hogan", "work", "owari"),
                         [](const auto& info) { return test::test_name(info.param); });

QAccessibleInterface* told(QWidget* w) {
    return QAccessible::queryAccessibleInterface(w);
}

class ScreenReader : public InLanguage, public ViewTest {};
class ScreenReaderScene : public ViewTest {};

// Every control says in words what it is; the arrows say what they do, option buttons are told
// as option buttons and the bench as the optical bench, in the window's language.
TEST_P(ScreenReader, HearsEveryControlByAName) {
    const bool english = GetParam() == QLocale::English;
    for (std::size_t id = 0; id < kItemCount; ++id) {
        const Kind kind = kItems[id].kind;
        if (kind != Kind::button && kind != Kind::checkbox && kind != Kind::option &&
            kind != Kind::bench)
            continue;
        const QString name = told(widget(static_cast<int>(id)))->text(QAccessible::Name);
        EXPECT_TRUE(std::any_of(name.begin(), name.end(), [](QChar c) { return c.isLetter(); }))
            << item_label(kItems[id]) << ": '" << name.toStdString() << "'";
    }
    EXPECT_EQ(told(widget("ml"))->text(QAccessible::Name),
              english ? "Move the candle away from the lens" : "光源をレンズから遠ざける");
    EXPECT_EQ(told(widget("md"))->text(QAccessible::Name),
              english ? "Move the candle down" : "光源を下へ動かす");
    EXPECT_EQ(told(widget("work"))->text(QAccessible::Name), english ? "Optical bench" : "光学台");

    QAccessibleInterface* long_lens = told(widget("fmove", 0));
    EXPECT_EQ(long_lens->role(), QAccessible::RadioButton);
    EXPECT_EQ(long_lens->text(QAccessible::Name), english ? "long" : "長い");
    EXPECT_EQ(long_lens->text(QAccessible::Description),
              english ? "Focal length 6 squares" : "焦点距離 6 マス");
    EXPECT_FALSE(long_lens->state().checked);
    long_lens->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(long_lens->state().checked);
    EXPECT_EQ(model.bench.flen, model.bench.unit * 6);
}

INSTANTIATE_TEST_SUITE_P(Languages, ScreenReader,
                         testing::Values(QLocale::Japanese, QLocale::English),
                         [](const auto& info) {
                             return QLocale::languageToString(info.param).toStdString();
                         });

// The bench describes the scene after every change: the real image at start, then the virtual
// image, then none. (That each change is announced is heard on the real accessibility bus, by
// the screen-reader test.)
TEST_F(ScreenReaderScene, TheBenchTellsTheSceneAfterEveryChange) {
    const auto description = [&] {
        return told(widget("work"))->text(QAccessible::Description).toStdString();
    };
    EXPECT_EQ(description().rfind("実像ができています。", 0), 0u) << description();
    EXPECT_NE(description().find("像はレンズの右 5.33 マス"), std::string::npos) << description();

    QTest::mouseClick(widget("smove", 0), Qt::LeftButton);
    for (int i = 0; i < 26; ++i) QTest::mouseClick(widget("mr"), Qt::LeftButton);
    EXPECT_EQ(description().rfind("虚像が見えます。", 0), 0u) << description();
    EXPECT_NE(description().find("像はレンズの左 12 マス"), std::string::npos) << description();

    QTest::mouseClick(widget("ml"), Qt::LeftButton);
    QTest::mouseClick(widget("ml"), Qt::LeftButton);
    EXPECT_EQ(description().rfind("光源が焦点の上にあり、像はできません。", 0), 0u)
        << description();
}

QImage decoded(const QByteArray& png) {
    QImage image;
    image.loadFromData(png, "PNG");
    return image.convertToFormat(QImage::Format_RGB32);
}

class Worksheet : public ViewTest {
  protected:
    Worksheet() {
        for (Click c : {Click::kosen, Click::syoten, Click::hogan, Click::ml}) {
            QTest::mouseClick(widget(click_target(c)), Qt::LeftButton);
        }
    }
    // The bench's part of the snapshot tool's window picture.
    QImage snapshot_bench() {
        const QImage window = test::window_picture_of(session);
        const QWidget* bench = widget("work");
        return window.copy(bench->contentsRect().translated(bench->pos()))
            .convertToFormat(QImage::Format_RGB32);
    }
};

// Ctrl+C, wherever the focus is, puts the bench on the clipboard as the snapshot tool draws it:
// its window picture's bench as PNG, its vector drawing as SVG.
TEST_F(Worksheet, CtrlCCopiesTheBenchAsPngAndSvg) {
    QGuiApplication::clipboard()->clear();
    widget("kosen")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    const QImage png = decoded(data->data("image/png"));
    EXPECT_FALSE(png.isNull());
    EXPECT_EQ(png, snapshot_bench());
    EXPECT_EQ(data->data("image/svg+xml").toStdString(), session.bench_svg(view::svg_look()));
}

// Saving writes PNG or SVG by the file's name; a file that cannot be written is said so and
// leaves nothing behind. The bench's menu offers copying and saving.
TEST_F(Worksheet, SaveWritesThePictureTheNameAsksFor) {
    QTemporaryDir dir;
    QString error;
    const QImage picture = view->bench_picture();
    const QByteArray drawing = QByteArray::fromStdString(session.bench_svg(view::svg_look()));
    ASSERT_TRUE(view::save_picture(picture, drawing, dir.filePath("lens.png"), error));
    ASSERT_TRUE(view::save_picture(picture, drawing, dir.filePath("lens.SVG"), error));
    QFile png(dir.filePath("lens.png")), svg(dir.filePath("lens.SVG"));
    ASSERT_TRUE(png.open(QIODevice::ReadOnly) && svg.open(QIODevice::ReadOnly));
    EXPECT_EQ(decoded(png.readAll()), snapshot_bench());
    EXPECT_EQ(svg.readAll(), drawing);

    const QString nowhere = dir.filePath("no/such/folder/lens.png");
    EXPECT_FALSE(view::save_picture(picture, drawing, nowhere, error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(QFile::exists(nowhere));

    QStringList menu;
    for (const QAction* a : widget("work")->actions()) {
        menu << a->text() + " " + a->shortcut().toString(QKeySequence::PortableText);
    }
    EXPECT_EQ(menu.mid(0, 2), (QStringList{"絵をコピー Ctrl+C", "絵を保存… Ctrl+S"}));
}

bool japanese(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x3000; });
}

// Under English every text the window shows or says, and every text of a lesson, has its English
// words; none is left in Japanese.
TEST(English, CoversEveryTextOfTheWindow) {
    view::use_language(QLocale::English);
    const std::vector<std::string_view> texts = all_texts();
    for (std::string_view text : texts) {
        const QString english = view::translated(text);
        EXPECT_FALSE(japanese(english)) << std::string(text) << " -> " << english.toStdString();
    }
    view::use_language(QLocale::Japanese);
    EXPECT_EQ(view::translated("焦点距離"), "焦点距離");
}

// The lesson's own words in the windows too: the bench's menu, the notices, the notebook's
// window with a row, its buttons and what a screen reader hears of them.
class EnglishLesson : public InLanguage, public ViewTest {};

TEST_P(EnglishLesson, SaysEveryWordOfALessonInEnglish) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_R);
    view::NotebookWindow* notebook = view->notebook_window();
    QStringList shown;
    for (QWidget* top : {static_cast<QWidget*>(view.get()), static_cast<QWidget*>(notebook)}) {
        shown << top->windowTitle();
        for (const QWidget* w : top->findChildren<QWidget*>()) {
            // The language menu names each language in its own words.
            if (w->objectName() == QLatin1String("languages")) continue;
            shown << w->accessibleName() << w->accessibleDescription();
            for (const QAction* a : w->actions()) shown << a->text();
            if (const auto* b = qobject_cast<const QAbstractButton*>(w)) shown << b->text();
            if (const auto* l = qobject_cast<const QLabel*>(w)) shown << l->text();
            if (const auto* t = qobject_cast<const QTableView*>(w)) {
                const QAbstractItemModel* rows = t->model();
                for (int c = 0; c < rows->columnCount(); ++c) {
                    for (const int role : {Qt::DisplayRole, Qt::ToolTipRole}) {
                        shown << rows->headerData(c, Qt::Horizontal, role).toString();
                    }
                    shown << rows->index(0, c).data().toString();
                }
            }
        }
    }
    const QString all = shown.join(QLatin1Char('\n'));
    EXPECT_TRUE(all.contains(GetParam() == QLocale::English
                                 ? "Row 1 recorded: real image, b = 5.33 squares."
                                 : "1 行目を記録しました: 実像、b = 5.33 マス。"))
        << all.toStdString();
    EXPECT_EQ(japanese(all), GetParam() == QLocale::Japanese) << all.toStdString();
    EXPECT_EQ(notebook->windowTitle(),
              GetParam() == QLocale::English ? "Notebook — 1 row" : "測定ノート — 1 行");
}

INSTANTIATE_TEST_SUITE_P(Languages, EnglishLesson,
                         testing::Values(QLocale::Japanese, QLocale::English),
                         [](const auto& info) {
                             return QLocale::languageToString(info.param).toStdString();
                         });

}  // namespace
}  // namespace korru
