// SPDX-License-Identifier: MIT
// A lesson in the window, through its session: a scene or the page's link opened from the menu
// is the snapshot tool's, and the scene copied brings the window back; a prediction hides the
// image until the answer, in the window as in the snapshot tool's pictures; the notebook records,
// writes CSV where the lens law holds, plots its rows and keeps them (the file: notebook_store).
#include <QAction>
#include <QClipboard>
#include <QDeadlineTimer>
#include <QFile>
#include <QHeaderView>
#include <QInputDialog>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMessageBox>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QSvgRenderer>
#include <QTableView>
#include <QTimer>

#include "lesson/captions.h"
#include "lesson/flow.h"
#include "lesson/scene_text.h"
#include "support.h"
#include "view/bench_painter.h"
#include "view/lesson_bar_view.h"
#include "view/main_window.h"
#include "view/notebook_window.h"
#include "view/notice.h"

namespace korru {
namespace {

using test::pixel_of;

QByteArray output_of(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    EXPECT_TRUE(p.waitForFinished(test::kPatience)) << program.toStdString();
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    return p.readAllStandardOutput();
}

std::string as_written(std::string_view text) {
    return std::string(text);
}

// Answers the next modal dialog with `answer` once it shows, or gives up at the deadline so that
// a dialog that never comes fails the test instead of hanging it.
template <class Answer>
void when_asked(Answer answer) {
    auto* poll = new QTimer;
    const QDeadlineTimer deadline(test::kPatience);
    QObject::connect(poll, &QTimer::timeout, [poll, deadline, answer] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            answer(dialog);
        } else if (!deadline.hasExpired()) {
            return;
        }
        poll->deleteLater();
    });
    poll->start(10);
}

class Lesson : public test::ViewTest {
  protected:
    using ViewTest::ViewTest;

    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(QApplication::focusWidget(), k, modifiers);
    }
    QAction* menu_item(std::string_view caption) {
        for (QAction* a : bench->actions()) {
            if (a->text() == view::translated(caption)) return a;
        }
        ADD_FAILURE() << "no menu item " << caption;
        return nullptr;
    }
    // "場面を開く…" from the bench's menu, `text` pasted into its dialog.
    void open_from_menu(const QString& text) {
        when_asked([text](QWidget* dialog) {
            auto* asking = qobject_cast<QInputDialog*>(dialog);
            ASSERT_NE(asking, nullptr);
            asking->setTextValue(text);
            asking->accept();
        });
        menu_item(kCaptions.open_scene)->trigger();
        view->activateWindow();  // as a window manager does when the dialog goes
        EXPECT_TRUE(QTest::qWaitForWindowActive(view.get(), test::kPatience));
    }
    QString told() const { return bench->accessibleDescription(); }
    QString notice() const {
        const auto* n = view->findChild<view::Notice*>();
        return n && n->isVisible() ? n->text() : QString();
    }
    // Whether the middle of the real image shows on a picture of the bench.
    bool image_shown(const QImage& bench_picture) const {
        const Item& image = model[Window::ids::real_image];
        return test::rgb_at(bench_picture, {pixel_of(image.left + image.width / 2),
                                            pixel_of(image.top + image.height / 2)}) != 0x404040u;
    }
    bool image_shown() { return image_shown(view->bench_picture()); }
    // A point of the bench in the widget's pixels.
    QPoint at(BenchPoint p) const {
        return bench->contentsRect().topLeft() + QPoint(pixel_of(p.x), pixel_of(p.y));
    }
    QRect bench_surface() const { return bench->contentsRect().translated(bench->pos()); }

    QWidget* bench = widget("work");
};

TEST_F(Lesson, APageLinkOpenedFromTheMenuIsTheSnapshotToolsSceneAndACopiedSceneBringsItBack) {
    const QString scene = "kosen.smove(0).mr*9.md*2.fmove(0).hogan";
    QString link = "https://school.example/korru/korru.html#" + scene;
    open_from_menu(link.replace("(", "%28").replace(")", "%29"));
    const QByteArray json =
        QByteArray::fromStdString(scene_json(model, ScreenSize::from_pixels(1024, 768)));
    const QString tool = QStringLiteral(KORRU_SNAPSHOT);
    EXPECT_EQ(output_of(tool, {"--json", "-", "--scene", scene}), json);
    EXPECT_TRUE(told().contains("焦点距離は 6 マス")) << told().toStdString();

    // A link not understood changes nothing, and says which part.
    open_from_menu("korru.html#kosen.nosuch");
    EXPECT_EQ(QByteArray::fromStdString(scene_json(model, ScreenSize::from_pixels(1024, 768))),
              json);
    EXPECT_TRUE(notice().contains("「nosuch」")) << notice().toStdString();

    // Then a button, a key and a drag of the candle back and forth; the scene copied is shorter
    // than the steps made and replays to the same state.
    QTest::mouseClick(widget("syoten"), Qt::LeftButton);
    key(Qt::Key_Up);
    const Item& candle = model.source();
    const QPoint from = at({candle.left + candle.width / 2, candle.top + candle.height / 2});
    QTest::mousePress(bench, Qt::LeftButton, {}, from);
    for (int i = 1; i <= 60; ++i) QTest::mouseMove(bench, from + QPoint(-i, i / 3));
    for (int i = 59; i >= 30; --i) QTest::mouseMove(bench, from + QPoint(-i, 20));
    QTest::mouseRelease(bench, Qt::LeftButton, {}, from + QPoint(-30, 20));
    QGuiApplication::clipboard()->clear();
    menu_item(kCaptions.copy_scene)->trigger();
    const std::string copied = QGuiApplication::clipboard()->text().toStdString();
    EXPECT_LT(copied.size(), scene_text(session.steps()).size()) << copied;
    EXPECT_TRUE(notice().contains(QString::fromStdString(copied).left(40))) << copied;
    Window replayed = test::started();
    for (const Step& s : read_scene(copied).steps) click(replayed, std::get<Click>(s));
    test::expect_same(model, replayed);
}

TEST_F(Lesson, APredictionHidesTheImageUntilTheAnswerAndSaysHowFarTheMarkWas) {
    const QString scene = told();
    ASSERT_TRUE(image_shown());
    EXPECT_FALSE(menu_item(kCaptions.show_answer)->isEnabled());
    key(Qt::Key_P);
    EXPECT_FALSE(image_shown());
    EXPECT_FALSE(menu_item(kCaptions.predict)->isEnabled());  // P starts one, never ends one
    EXPECT_TRUE(told().startsWith("予想してください。")) << told().toStdString();
    EXPECT_FALSE(told().contains("像はレンズ")) << told().toStdString();
    key(Qt::Key_R);  // a row would give the answer away
    EXPECT_TRUE(session.notebook().rows().empty());
    EXPECT_EQ(notice(), "記録するのは、答えを見てからにしてください。");

    // A click three squares left of the image's tip and four below, then a square to the right
    // by the keys: the mark is two squares across and four down from the tip.
    const BenchPoint tip = *image_tip(model);
    const float unit = model.bench.unit;
    QTest::mouseClick(bench, Qt::LeftButton, {}, at({tip.x - 3 * unit, tip.y + 4 * unit}));
    ASSERT_TRUE(session.prediction().mark());
    for (int i = 0; i < 4; ++i) key(Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_NEAR(session.prediction().mark()->x, tip.x - 2 * unit, kTwipsPerPixel);
    EXPECT_EQ(model.bench.sdist, test::started().bench.sdist) << "Shift+arrow moved the candle";
    key(Qt::Key_A);
    EXPECT_TRUE(image_shown());
    const float off = *squares_off(model, session.prediction());
    EXPECT_NEAR(off, std::sqrt(20.0f), 0.1f);
    EXPECT_TRUE(told().startsWith(scene)) << told().toStdString();
    EXPECT_TRUE(told().endsWith(QString::fromStdString(
        "予想の印は、像の先から " + squares_words(off, as_written) + " 離れていました。")))
        << told().toStdString();

    // The candle moves: the next prediction, its mark gone with the bench it was made for.
    key(Qt::Key_Right);
    EXPECT_FALSE(image_shown());
    EXPECT_TRUE(told().startsWith("予想してください。"));
    EXPECT_FALSE(session.prediction().mark());
    EXPECT_TRUE(notice().startsWith("像の位置が変わったので")) << notice().toStdString();
    key(Qt::Key_P);  // already predicting: said why, and nothing else
    EXPECT_FALSE(image_shown());
    EXPECT_TRUE(notice().startsWith("もう予想しています。")) << notice().toStdString();
    auto* leave = view->notebook_window()->findChild<QPushButton*>("bar_leave");
    ASSERT_TRUE(leave);
    QTest::mouseClick(leave, Qt::LeftButton);
    EXPECT_TRUE(image_shown());
    EXPECT_FALSE(menu_item(kCaptions.show_answer)->isEnabled());
    EXPECT_EQ(view->bench_picture(), test::window_picture_of(session).copy(bench_surface()));
}

// In every mode of the lesson, the bench's menu, the lesson bar and the keys stand as the
// lesson's actions do: enabled or not, ticked or not; a key of an action that cannot be taken
// changes nothing and says why; the keys work where the lesson bar has the focus too.
TEST_F(Lesson, MenuBarAndKeysAgreeWithEveryActionInEveryMode) {
    const auto agree = [&](const char* mode) {
        SCOPED_TRACE(mode);
        view::NotebookWindow* lesson = view->notebook_window();
        for (const LessonActionRow& row : lesson_actions()) {
            const Availability now = session.availability(row.action);
            const QString why = now.enabled ? QString() : view::translated(now.why_not);
            if (row.key != 0) {
                QAction* a = menu_item(row.caption);
                ASSERT_TRUE(a);
                EXPECT_EQ(a->isEnabled(), now.enabled) << row.caption;
                EXPECT_EQ(a->isChecked(), now.checked.value_or(false)) << row.caption;
            }
            const auto* b = lesson->findChild<QPushButton*>(view::bar_button_name(row.action));
            if (lesson->isVisible() && b && b->isVisible()) {
                EXPECT_EQ(b->isEnabled(), now.enabled) << row.bar_caption;
                EXPECT_EQ(b->toolTip(), why) << row.bar_caption;
            }
            if (row.key == 0 || now.enabled || row.action == LessonAction::open_notebook) continue;
            const std::size_t steps = session.steps().size();
            const LessonMode before = session.mode();
            key(static_cast<Qt::Key>(view::lesson_key(row.key)));
            EXPECT_EQ(session.steps().size(), steps) << row.caption;
            EXPECT_EQ(session.mode(), before) << row.caption;
            EXPECT_EQ(notice(), why) << row.caption;
        }
    };
    agree("observing");
    key(Qt::Key_P);
    agree("predicting");
    const BenchPoint tip = *image_tip(model);
    QTest::mouseClick(bench, Qt::LeftButton, {}, at(tip));
    ASSERT_EQ(session.mode(), LessonMode::marked);
    agree("marked");
    key(Qt::Key_A);
    agree("answered");
    key(Qt::Key_E);  // the answer hidden again, the mark kept
    ASSERT_EQ(session.mode(), LessonMode::marked);
    agree("the experiment");
    for (int i = 0; i < Experiment::kFirst - Experiment::kNearest; ++i) key(Qt::Key_Comma);
    ASSERT_EQ(session.experiment().quarters, Experiment::kNearest);
    agree("the screen at its nearest");
    // From a button of the lesson bar, clicked, as from the bench: its keys are korru's.
    auto* record = view->notebook_window()->findChild<QPushButton*>("bar_record");
    record->setFocus();
    QTest::keyClick(record, Qt::Key_A);
    EXPECT_EQ(session.mode(), LessonMode::answered);
}

// The snapshot tool shows a scene that asks for a prediction as the window does: the image
// hidden in the picture, and nothing of it in the drawing or its words.
TEST_F(Lesson, TheSnapshotToolShowsAPredictionAsTheWindowDoes) {
    QTemporaryDir dir;
    const QString png = dir.filePath("w.png");
    const QByteArray svg = output_of(QStringLiteral(KORRU_SNAPSHOT),
                                     {"--scene", "kosen.mr*3.predict", "--png", png, "--svg", "-"});
    QTest::mouseClick(widget("kosen"), Qt::LeftButton);
    for (int i = 0; i < 3; ++i) key(Qt::Key_Right);
    key(Qt::Key_P);
    const QImage shown = view->bench_picture();
    EXPECT_FALSE(image_shown(shown));
    const QImage picture = QImage(png).convertToFormat(shown.format());
    EXPECT_EQ(picture.copy(bench_surface()), shown);
    EXPECT_EQ(svg.toStdString(), session.bench_svg(view::svg_look()));
    EXPECT_TRUE(svg.contains("予想してください")) << svg.left(2000).toStdString();
    EXPECT_FALSE(svg.contains("像はレンズ"));
}

// The notebook's rows kept in a data folder of the test's own.
class LessonNotebook : public test::DataFolder, public Lesson {
  protected:
    LessonNotebook() : Lesson(1024, 768, view::kept_notebook_file()) {}

    QByteArray kept() const {
        QFile f(view::kept_notebook_file());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

// Python's csv module, as a spreadsheet would, reads the rows back.
QJsonArray read_by_python(const QString& csv) {
    return QJsonDocument::fromJson(
               output_of("/usr/bin/python3",
                         {"-c",
                          "import csv, json, sys\n"
                          "with open(sys.argv[1], newline='', encoding='utf-8-sig') as f:\n"
                          "    print(json.dumps(list(csv.reader(f))))",
                          csv}))
        .array();
}

TEST_F(LessonNotebook, RecordsEachCaseWritesCsvWhereTheLensLawHoldsAndKeepsItsRows) {
    key(Qt::Key_R);  // real, at start
    QTest::mouseClick(widget("smove", 0), Qt::LeftButton);
    for (int i = 0; i < 26; ++i) key(Qt::Key_Right);
    key(Qt::Key_R);  // virtual
    key(Qt::Key_Left);
    key(Qt::Key_Left);
    key(Qt::Key_R);  // none: on the focal point
    key(Qt::Key_R);  // the same row again
    EXPECT_EQ(notice(), "3 行目と同じなので、記録しませんでした。");
    ASSERT_EQ(session.notebook().rows().size(), 3u);
    QApplication::processEvents();  // where the notebook asked to be activated, it would be now
    EXPECT_EQ(QApplication::activeWindow(), view.get()) << "the notebook took the keyboard";
    view::NotebookWindow* notebook = view->notebook_window();
    EXPECT_TRUE(notebook->isVisible());
    EXPECT_TRUE(notebook->windowTitle().endsWith("3 行")) << notebook->windowTitle().toStdString();
    const auto* table = notebook->findChild<QTableView*>("rows");
    const QAbstractItemModel* rows = table->model();
    ASSERT_EQ(rows->rowCount(), 3);
    EXPECT_EQ(rows->index(0, 0).data().toString() + rows->index(1, 0).data().toString() +
                  rows->index(2, 0).data().toString(),
              "実像虚像なし");
    // The headings are short, their words in the tooltip; b is signed: 16 squares from a
    // 4-square lens gives 16 × 4 / 12, and 3 squares gives 3 × 4 / (3 − 4) on the candle's side.
    EXPECT_EQ(rows->headerData(4, Qt::Horizontal).toString(), "b");
    EXPECT_EQ(rows->headerData(4, Qt::Horizontal, Qt::ToolTipRole).toString(),
              "像の距離 b (マス、虚像は負)");
    EXPECT_EQ(rows->index(0, 4).data().toString(), "5.33");
    EXPECT_EQ(rows->index(1, 4).data().toString(), "-12");
    ASSERT_FALSE(session.notebook().rows().empty());
    EXPECT_EQ(table->accessibleDescription().toStdString(),
              row_words(session.notebook().rows().back(), as_written));

    // Read back as a spreadsheet reads it, 1/a + 1/b = 1/f to the two decimals shown, for
    // every row with an image.
    const QString csv = data.filePath("rows.csv");
    QString error;
    ASSERT_TRUE(notebook->write_csv(csv, error)) << error.toStdString();
    const QJsonArray read = read_by_python(csv);
    ASSERT_EQ(read.size(), 4);
    EXPECT_EQ(read[0].toArray()[4].toString(), "像の距離 b (マス、虚像は負)");
    for (int r = 1; r <= 2; ++r) {
        const QJsonArray row = read[r].toArray();
        const double a = row[1].toString().toDouble(), f = row[3].toString().toDouble(),
                     b = row[4].toString().toDouble();
        EXPECT_NEAR(1 / a + 1 / b, 1 / f, 0.01 / (b * b)) << r;
    }
    EXPECT_EQ(read[3].toArray()[4].toString(), "");

    // The plot shows the rows, in either view, as a picture and as a drawing titled as the
    // page titles it.
    const QImage distances = notebook->plot_picture();
    notebook->findChild<QWidget*>("reciprocals")->setFocus();
    QTest::keyClick(notebook->findChild<QWidget*>("reciprocals"), Qt::Key_Space);
    EXPECT_EQ(notebook->plot_view(), PlotView::reciprocals);
    EXPECT_NE(notebook->plot_picture(), distances);
    EXPECT_TRUE(QSvgRenderer(notebook->plot_svg()).isValid());
    EXPECT_TRUE(notebook->plot_svg().contains("<title>測定ノート</title>"));

    // A restart finds the rows as they were; clearing asks first.
    const std::string stored = session.notebook().stored();
    EXPECT_EQ(kept().toStdString(), stored);
    view.reset();
    Window again;
    Session restarted(again, view::translated_utf8, store.get());
    restarted.start(session.screen());
    EXPECT_FALSE(restarted.load_notebook().notice);
    view::MainWindow window(restarted);
    EXPECT_EQ(restarted.notebook().stored(), stored);
    for (const auto answer : {QMessageBox::No, QMessageBox::Yes}) {
        when_asked([answer](QWidget* dialog) {
            if (auto* box = qobject_cast<QMessageBox*>(dialog)) box->button(answer)->click();
        });
        QTest::mouseClick(window.notebook_window()->findChild<QPushButton*>("clear"),
                          Qt::LeftButton);
        EXPECT_EQ(restarted.notebook().rows().size(), answer == QMessageBox::No ? 3u : 0u);
    }
    EXPECT_EQ(window.notebook_window()->findChild<QTableView*>("rows")->model()->rowCount(), 0);
    EXPECT_EQ(kept().toStdString(), Notebook().stored());
}

// The plot as the notebook's window shows it after each record, painted only where it grew, is
// the plot painted afresh: when a row adds a mark, and when a row changes its frame (a virtual
// image far down) or its laws (a second focal length). Every cell of the table is shown whole,
// its column widened for a wider one.
TEST_F(LessonNotebook, ThePlotAfterEachRecordIsThePlotPaintedAfreshAndEveryCellWhole) {
    key(Qt::Key_N);
    view::NotebookWindow* notebook = view->notebook_window();
    QWidget* plot = notebook->findChild<QWidget*>("plot");
    auto* table = notebook->findChild<QTableView*>("rows");
    const auto fresh = [&] {
        Drawing drawing;
        std::deque<std::string> words;
        session.draw_plot(notebook->plot_view(), plot->width(), plot->height(), drawing, words);
        QImage image(plot->size(), QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter p(&image);
        view::paint_drawing(p, drawing);
        return image;
    };
    // From 16 squares in steps of half a square; at 4.5 squares b = 36, far up; then the long
    // lens, and b = -18 far down.
    const std::vector<std::pair<Click, int>> moves{
        {Click::smove_large, 1}, {Click::mr, 4}, {Click::mr, 5},         {Click::mr, 2},
        {Click::mr, 4},          {Click::mr, 8}, {Click::fmove_long, 1}, {Click::ml, 6}};
    for (const auto& [c, times] : moves) {
        for (int i = 0; i < times; ++i) click(model, c);  // the model alone: the plot is shown
        view->activateWindow();
        key(Qt::Key_R);
        QApplication::processEvents();
        EXPECT_EQ(plot->grab().toImage().convertToFormat(QImage::Format_RGB32), fresh())
            << session.notebook().rows().size() << " rows";
        // A column on a second line lies under the columns it is set under.
        for (int c = 0; c < table->model()->columnCount(); ++c) {
            int shown = table->columnWidth(c);
            for (const SecondLine& line : kSecondLine) {
                if (!table->isColumnHidden(c) || line.column != static_cast<std::size_t>(c))
                    continue;
                for (auto under = line.first; under <= line.last; ++under) {
                    shown += table->columnWidth(static_cast<int>(under));
                }
            }
            EXPECT_GE(shown, static_cast<QAbstractItemView*>(table)->sizeHintForColumn(c))
                << "column " << c << " of " << session.notebook().rows().size() << " rows";
        }
    }
    EXPECT_EQ(session.notebook().rows().size(), moves.size());
}

}  // namespace
}  // namespace korru
