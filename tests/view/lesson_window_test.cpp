// SPDX-License-Identifier: MIT
// The lesson in korru's window, used with a mouse or a finger alone: its bar predicts, answers,
// predicts again and leaves, and shows the mode; its band stands clear of the bench and the
// controls on a class's screens; a row is taken out after asking; the plot is saved at print
// size; the toolkit's dialogs speak the window's language.
#include <QAccessible>
#include <QAction>
#include <QDeadlineTimer>
#include <QFile>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTableView>
#include <QTimer>

#include "lesson/captions.h"
#include "support.h"
#include "view/notebook_window.h"
#include "view/notice.h"
#include "view/placement.h"
#include "view/twips.h"
#include "view/worksheet.h"

namespace korru {
namespace {

using test::pixel_of;

// Answers the next question with `answer` once it shows, noting its words; gives up at the
// deadline, so that a question that never comes fails the test instead of hanging it.
void when_asked(QMessageBox::StandardButton answer, QString* asked) {
    auto* poll = new QTimer;
    const QDeadlineTimer deadline(test::kPatience);
    QObject::connect(poll, &QTimer::timeout, [poll, deadline, answer, asked] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            *asked = box->text();
            box->button(answer)->click();
        } else if (!deadline.hasExpired()) {
            return;
        }
        poll->deleteLater();
    });
    poll->start(10);
}

class LessonWindow : public test::DataFolder, public test::ViewTest {
  protected:
    LessonWindow(int w_px = 1024, int h_px = 768)
        : ViewTest(w_px, h_px, view::kept_notebook_file()) {}

    // "測定ノートを開く" from the bench's menu.
    view::NotebookWindow* open_lesson() {
        for (QAction* a : widget("work")->actions()) {
            if (a->text() == view::translated(kCaptions.open_notebook)) a->trigger();
        }
        return view->notebook_window();
    }
    void click(std::string_view caption) {
        for (auto* b : view->notebook_window()->findChildren<QPushButton*>()) {
            if (b->isVisible() && b->text() == view::translated(caption)) {
                return QTest::mouseClick(b, Qt::LeftButton);
            }
        }
        ADD_FAILURE() << "no button " << caption;
    }
    // The prediction's and the notebook's buttons as shown, pressed down (*), not to be pressed
    // (-), each at least 24 pixels square.
    QStringList bar() const {
        QStringList shown;
        for (const char* name :
             {"bar_predict", "bar_answer", "bar_next", "bar_leave", "bar_record", "bar_notebook"}) {
            const auto* b = view->notebook_window()->findChild<QPushButton*>(name);
            if (!b || !b->isVisible()) continue;
            EXPECT_GE(std::min(b->width(), b->height()), 24) << name;
            shown << b->text() + (b->isChecked() ? "*" : "") + (b->isEnabled() ? "" : "-");
        }
        return shown;
    }
    QString status() const {
        return view->notebook_window()->findChild<QLabel*>("bar_status")->text();
    }
};

TEST_F(LessonWindow, ItsBarPredictsShowsTheAnswerPredictsAgainAndLeavesByClicksAlone) {
    ASSERT_TRUE(open_lesson()->isVisible());
    const QStringList observing{"予想する", "記録する", "測定ノート*"};
    EXPECT_EQ(bar(), observing);
    click(kCaptions.bar_predict);
    EXPECT_TRUE(session.answer_hidden());
    EXPECT_EQ(bar(), QStringList({"答えを見る", "予想をやめる*", "記録する-", "測定ノート*"}));
    click(kCaptions.bar_record);  // the answer is hidden: refused
    EXPECT_TRUE(session.notebook().rows().empty());

    // A mark three squares right of the image's tip and four below: five squares off.
    const BenchPoint tip = *image_tip(model);
    const float unit = model.bench.unit;
    QTest::mouseClick(widget("work"), Qt::LeftButton, {},
                      widget("work")->contentsRect().topLeft() +
                          QPoint(pixel_of(tip.x + 3 * unit), pixel_of(tip.y + 4 * unit)));
    click(kCaptions.bar_answer);
    EXPECT_FALSE(session.answer_hidden());
    const QRegularExpressionMatch off =
        QRegularExpression("印は像の先から ([0-9.]+) マス 離れていました").match(status());
    ASSERT_TRUE(off.hasMatch()) << status().toStdString();
    EXPECT_NEAR(off.captured(1).toDouble(), 5.0, 0.05);
    EXPECT_EQ(bar(), QStringList({"次の予想", "予想をやめる*", "記録する", "測定ノート*"}));
    click(kCaptions.bar_record);
    EXPECT_EQ(session.notebook().rows().size(), 1u);

    // Next: a new prediction without a mark, the answer hidden again; then the candle moves.
    click(kCaptions.bar_next);
    QTest::mouseClick(widget("mr"), Qt::LeftButton);
    EXPECT_TRUE(session.answer_hidden());
    EXPECT_FALSE(session.prediction().mark());
    EXPECT_TRUE(status().startsWith("予想: 像の先ができると思う所")) << status().toStdString();
    click(kCaptions.bar_leave);
    EXPECT_FALSE(session.prediction().asked());
    EXPECT_EQ(bar(), observing);
    const QWidget* bench = widget("work");
    EXPECT_EQ(view->bench_picture(), test::window_picture_of(session).copy(
                                         bench->contentsRect().translated(bench->pos())));
}

// A row recorded by its key, the notebook opened or not, on the screens of a class, korru's
// window in the screen's room as it is planned for it (the frame as the model assumes it): the
// notices, the bar and the notebook stand in the band beside or below the bench's window and
// cover neither the bench nor a control; the window is on the screen, with the notebook's
// buttons; the table shows five rows at least, the arrows move in it and Tab leaves it.
struct Screen {
    int width, height;
    bool notebook;
};
void PrintTo(const Screen& s, std::ostream* os) {
    *os << s.width << "x" << s.height << (s.notebook ? " with the notebook" : "");
}

QRect room_of(const Screen& s) {
    return QRect(0, 0, s.width, s.height);
}

LessonPlan plan_for(const Screen& s) {
    const QSize room = room_of(s).size().shrunkBy(view::nominal_frame());
    return *plan_lesson(room.width(), room.height(), view::kDesktopLessonRoom, false,
                        client_measure());
}

class ClassScreens : public test::DataFolder,
                     public test::ViewTest,
                     public testing::WithParamInterface<Screen> {
  protected:
    ClassScreens()
        : ViewTest(plan_for(GetParam()).screen.width, plan_for(GetParam()).screen.height,
                   view::kept_notebook_file(), plan_for(GetParam()).side) {
        view->place_in(room_of(GetParam()));
    }
};

TEST_P(ClassScreens, TheLessonStandsInItsBandClearOfTheBenchAndEveryControl) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_R);
    if (GetParam().notebook) QTest::keyClick(QApplication::focusWidget(), Qt::Key_N);
    const view::NotebookWindow* lesson = view->notebook_window();
    ASSERT_EQ(lesson->notebook_shown(), GetParam().notebook);
    ASSERT_FALSE(lesson->isWindow());
    const auto* notice = lesson->findChild<view::Notice*>();
    ASSERT_TRUE(notice->isVisible());
    EXPECT_TRUE(notice->text().startsWith("1 行目を記録しました")) << notice->text().toStdString();
    // Beside on a wide screen, below on a tall one; the window on the screen.
    const QRect bench_window(QPoint(),
                             view::px_rect(model.main).size().shrunkBy(view::nominal_frame()));
    if (GetParam().width > GetParam().height) {
        EXPECT_GT(lesson->x(), bench_window.right());
    } else {
        EXPECT_GT(lesson->y(), bench_window.bottom());
    }
    const QSize whole = view->frameGeometry().size();
    EXPECT_LE(whole.width(), GetParam().width) << "the window is wider than the screen";
    EXPECT_LE(whole.height(), GetParam().height) << "the window is taller than the screen";
    std::vector<const QWidget*> parts{notice, lesson->findChild<QWidget*>("lesson_bar")};
    if (GetParam().notebook) {
        for (const char* name : {"rows", "plot", "save_plot", "close", "csv", "clear"}) {
            const auto* part = lesson->findChild<QWidget*>(name);
            ASSERT_TRUE(part && part->isVisible()) << name;
            EXPECT_TRUE(
                view->rect().contains(QRect(part->mapTo(view.get(), QPoint()), part->size())))
                << name << " out of the window";
            parts.push_back(part);
        }
    }
    for (std::size_t id = 0; id < kItemCount; ++id) {
        if (kItems[id].container != "main" || kItems[id].kind == Kind::label) continue;
        const QRect kept = view::px_rect(model.items[id]);
        for (const QWidget* part : parts) {
            EXPECT_FALSE(QRect(part->mapTo(view.get(), QPoint()), part->size()).intersects(kept))
                << part->objectName().toStdString() << " over "
                << test::name_of(static_cast<int>(id)).toStdString();
        }
    }
    if (!GetParam().notebook) return;
    auto* table = lesson->findChild<QTableView*>("rows");
    EXPECT_GE(table->viewport()->height(), 5 * table->verticalHeader()->defaultSectionSize());
    // The keyboard is in the table, opened by its key; Tab leaves it, Escape puts it away and
    // gives the keyboard back to the control that had it.
    EXPECT_EQ(QApplication::focusWidget(), table);
    const float candle = model.bench.sdist;
    QTest::keyClick(table, Qt::Key_Right);
    QTest::keyClick(table, Qt::Key_Left);
    EXPECT_EQ(model.bench.sdist, candle) << "an arrow in the table moved the candle";
    QTest::keyClick(table, Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), table);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(lesson->notebook_shown());
    EXPECT_EQ(QApplication::focusWidget(), widget("ml"));
}

INSTANTIATE_TEST_SUITE_P(Screens, ClassScreens,
                         testing::Values(Screen{1024, 768, false}, Screen{1024, 768, true},
                                         Screen{1366, 768, false}, Screen{1366, 768, true},
                                         Screen{1920, 1080, false}, Screen{1920, 1080, true},
                                         Screen{3840, 2160, true}, Screen{768, 1024, false},
                                         Screen{768, 1024, true}),
                         [](const auto& info) {
                             return std::to_string(info.param.width) + "x" +
                                    std::to_string(info.param.height) +
                                    (info.param.notebook ? "_notebook" : "");
                         });

// The notebook's table in each language on the narrowest screens it stands beside or below the
// bench on: a real and a virtual image's rows, recorded with the notebook away, in sight with no
// scrolling sideways and no cell cut, each cell heard by a reader.
class TableInLanguage : public test::InLanguageOnScreen,
                        public test::DataFolder,
                        public test::ViewTest {
  protected:
    static Screen screen() { return {GetParam().screen.width(), GetParam().screen.height(), true}; }
    TableInLanguage()
        : ViewTest(plan_for(screen()).screen.width, plan_for(screen()).screen.height,
                   view::kept_notebook_file(), plan_for(screen()).side) {
        view->place_in(room_of(screen()));
    }
};

TEST_P(TableInLanguage, ShowsEveryCellOfItsRowsWithinItsWidth) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_R);  // a real image
    for (int i = 0; i < 200 && measure(model).image != ImageCase::virtual_image; ++i) {
        click(model, Click::mr);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_R);  // a virtual image
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_N);
    auto* table = view->notebook_window()->findChild<QTableView*>("rows");
    ASSERT_TRUE(table->isVisible());
    EXPECT_EQ(table->horizontalScrollBar()->maximum(), 0) << "the table scrolls sideways";
    for (int c = 0; c < table->model()->columnCount(); ++c) {
        if (table->isColumnHidden(c)) continue;
        EXPECT_GE(table->columnWidth(c),
                  static_cast<QAbstractItemView*>(table)->sizeHintForColumn(c))
            << "column " << c << " cut";
    }
    ASSERT_EQ(session.notebook().rows().size(), 2u);
    QAccessibleTableInterface* reader =
        QAccessible::queryAccessibleInterface(table)->tableInterface();
    ASSERT_TRUE(reader);
    for (int row = 0; row < 2; ++row) {
        QString heard;
        for (int c = 0; c < reader->columnCount(); ++c) {
            heard += reader->cellAt(row, c)->text(QAccessible::Name) + ' ';
        }
        for (const std::string& cell : cells(
                 session.notebook().rows()[static_cast<std::size_t>(row)], view::translated_utf8)) {
            EXPECT_TRUE(heard.contains(QString::fromStdString(cell))) << cell << " in row " << row;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, TableInLanguage, testing::ValuesIn([] {
                             std::vector<test::LanguageOnScreen> all;
                             for (const QLocale::Language language : test::kEveryLanguage) {
                                 all.push_back({language, QSize(1366, 768)});
                                 all.push_back({language, QSize(768, 1024)});
                             }
                             return all;
                         }()),
                         [](const auto& info) {
                             return test::language_name(info.param.language) + "_" +
                                    std::to_string(info.param.screen.width());
                         });

// The lesson window's place worked out by hand: the bench's window 900 x 600 at (50, 20), its
// bench 60..939 x 60..459, its controls 450..939 x 480..609; the lesson window 300 x 200, its band
// 80. With room to the right, and only below: beside. With none: the screen's bottom-left, the
// band under the bench and left of the controls, covering 240 x 20 of the bench, the least of any
// place whose band is clear. And where the least cover would lay the band on a control (a bench
// 0..899 x 60..459, a button 10..49 x 600..619, a panel 600..999 x 470..639): at (0, 340), the one
// place whose band is clear, covering 300 x 120 rather than 6,800 square pixels at (0, 440).
struct Room {
    const char* name;
    QRect screen;
    QPoint expected;
    QRect main = QRect(50, 20, 900, 600);
    std::vector<QRect> kept = {QRect(60, 60, 880, 400), QRect(450, 480, 490, 130)};
};
void PrintTo(const Room& r, std::ostream* os) {
    *os << r.name;
}

class Placement : public testing::TestWithParam<Room> {};

TEST_P(Placement, IsBesideWhereThereIsRoomAndItsBandClearWhereThereIsNone) {
    const view::LessonSpot spot = view::place_lesson_window(
        {QSize(300, 200), 80, GetParam().main, GetParam().kept, GetParam().screen});
    EXPECT_EQ(spot.frame, QRect(GetParam().expected, QSize(300, 200)));
}

INSTANTIATE_TEST_SUITE_P(Screens, Placement,
                         testing::Values(Room{"right", QRect(0, 0, 1300, 700), QPoint(950, 20)},
                                         Room{"below", QRect(0, 0, 1000, 900), QPoint(50, 620)},
                                         Room{"none", QRect(0, 0, 1000, 640), QPoint(0, 440)},
                                         Room{"band_first",
                                              QRect(0, 0, 1000, 640),
                                              QPoint(0, 340),
                                              QRect(0, 20, 1000, 520),
                                              {QRect(0, 60, 900, 400), QRect(10, 600, 40, 20),
                                               QRect(600, 470, 400, 170)}}),
                         [](const auto& info) { return std::string(info.param.name); });

// Three rows, the second chosen and taken out after asking ("no" keeps it): gone from the table
// and the kept file; the Delete key asks the same. The plot saved meanwhile: 1600 pixels wide in
// the file whatever its size on the screen, the SVG 800 x 600.
TEST_F(LessonWindow, ARowChosenIsTakenOutAfterAskingAndThePlotIsSavedAtPrintSize) {
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_R);
        QTest::mouseClick(widget("mr"), Qt::LeftButton);  // a quarter square nearer
    }
    view::NotebookWindow* lesson = open_lesson();
    auto* table = lesson->findChild<QTableView*>("rows");
    const auto choose = [table](int row) {
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                          table->visualRect(table->model()->index(row, 1)).center());
    };
    auto* remove = lesson->findChild<QPushButton*>("remove");
    // With no row chosen, the newest is the one taken out, as in the page.
    QString asked;
    when_asked(QMessageBox::No, &asked);
    QTest::mouseClick(remove, Qt::LeftButton);
    EXPECT_EQ(asked, "3 行目を消しますか?");
    choose(1);
    when_asked(QMessageBox::No, &asked);
    QTest::mouseClick(remove, Qt::LeftButton);
    EXPECT_EQ(asked, "2 行目を消しますか?");
    EXPECT_EQ(session.notebook().rows().size(), 3u);
    when_asked(QMessageBox::Yes, &asked);
    QTest::mouseClick(remove, Qt::LeftButton);
    const auto column_a = [table] {
        QStringList a;
        for (int r = 0; r < table->model()->rowCount(); ++r) {
            a << table->model()->index(r, 1).data().toString();
        }
        return a;
    };
    EXPECT_EQ(column_a(), QStringList({"16", "15.5"}));
    QFile kept(view::kept_notebook_file());
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    const Notebook stored = read_stored(kept.readAll().toStdString()).notebook;
    ASSERT_EQ(stored.rows().size(), 2u);
    EXPECT_FLOAT_EQ(stored.rows()[1].candle_distance, 15.5f);
    choose(0);
    when_asked(QMessageBox::Yes, &asked);
    QTest::keyClick(table, Qt::Key_Delete);
    EXPECT_EQ(asked, "1 行目を消しますか?");
    EXPECT_EQ(column_a(), QStringList({"15.5"}));
    EXPECT_TRUE(lesson->windowTitle().endsWith("— 1 行")) << lesson->windowTitle().toStdString();

    lesson->resize(420, 500);
    const QString png = data.filePath("plot.png"), svg = data.filePath("plot.svg");
    QString error;
    for (const QString& file : {png, svg}) {
        ASSERT_TRUE(view::save_picture(lesson->plot_picture(), lesson->plot_svg(), file, error))
            << error.toStdString();
    }
    EXPECT_EQ(QImage(png).size(), QSize(1600, 1200));
    QFile drawing(svg);
    ASSERT_TRUE(drawing.open(QIODevice::ReadOnly));
    const QByteArray head = drawing.read(400);
    EXPECT_TRUE(head.contains("width=\"800\" height=\"600\"")) << head.toStdString();
}

// The toolkit's own words in its dialogs: Japanese under Japanese, English under English.
class ToolkitWords : public test::InLanguage, public testing::Test {};

TEST_P(ToolkitWords, AreTheWindowsLanguage) {
    QMessageBox box(QMessageBox::Question, "korru", "?", QMessageBox::Yes | QMessageBox::Cancel);
    const bool japanese = GetParam() == QLocale::Japanese;
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), japanese ? "キャンセル" : "Cancel");
    EXPECT_EQ(box.button(QMessageBox::Yes)->text(), japanese ? "はい(&Y)" : "&Yes");
}

INSTANTIATE_TEST_SUITE_P(Languages, ToolkitWords,
                         testing::Values(QLocale::Japanese, QLocale::English),
                         [](const auto& info) {
                             return QLocale::languageToString(info.param).toStdString();
                         });

}  // namespace
}  // namespace korru
