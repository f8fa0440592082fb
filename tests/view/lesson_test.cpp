// SPDX-License-Identifier: MIT
// A lesson in the window: a scene started is the snapshot tool's scene, and the scene copied
// from the bench's menu brings back the window's state, drags included; a prediction hides the
// image until the answer and says how far the mark was; the notebook records each case, writes
// CSV a spreadsheet reads, plots the rows and keeps them across a restart. (A kept file that is
// no notebook is set aside: program_test.cpp, through the program.)
#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSvgRenderer>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

#include "lesson/scene_text.h"
#include "support.h"
#include "view/kept_notebook.h"
#include "view/notebook_window.h"
#include "view/notice.h"
#include "view/snapshot.h"

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

class Lesson : public test::ViewTest {
  protected:
    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(QApplication::focusWidget(), k, modifiers);
    }
    QAction* menu_item(const QString& text) {
        for (QAction* a : bench->actions()) {
            if (a->text() == text) return a;
        }
        ADD_FAILURE() << "no menu item " << text.toStdString();
        return nullptr;
    }
    QString told() const { return bench->accessibleDescription(); }
    QString notice() const {
        const auto* n = view->findChild<view::Notice*>();
        return n && n->isVisible() ? n->text() : QString();
    }
    // Whether the middle of the real image shows on the bench as the window paints it.
    bool image_shown() {
        const Item& image = model[Window::ids::real_image];
        const QImage bench_picture = view->bench_picture();
        return test::rgb_at(bench_picture, {pixel_of(image.left + image.width / 2),
                                            pixel_of(image.top + image.height / 2)}) != 0x404040u;
    }
    // A point of the bench in the widget's pixels.
    QPoint at(BenchPoint p) const {
        return bench->contentsRect().topLeft() + QPoint(pixel_of(p.x), pixel_of(p.y));
    }

    QWidget* bench = widget("work");
};

std::vector<Click> only_clicks(const std::vector<Step>& steps) {
    std::vector<Click> out;
    for (const Step& s : steps) out.push_back(std::get<Click>(s));
    return out;
}

TEST_F(Lesson, AStartedSceneIsTheSnapshotToolsAndACopiedSceneBringsTheWindowBack) {
    const std::string scene = "kosen.smove(0).mr*9.md*2.fmove(0).hogan";
    view->play(only_clicks(read_scene(scene).steps));
    const QByteArray json =
        QByteArray::fromStdString(scene_json(model, ScreenSize::from_pixels(1024, 768)));
    const QString tool = QStringLiteral(KORRU_SNAPSHOT);
    EXPECT_EQ(output_of(tool, {"--json", "-", "--scene", QString::fromStdString(scene)}), json);

    // Then a button, a key and a drag of the candle; the scene copied replays to the same state.
    QTest::mouseClick(widget("syoten"), Qt::LeftButton);
    key(Qt::Key_Up);
    const Item& candle = model.source();
    const QPoint from = at({candle.left + candle.width / 2, candle.top + candle.height / 2});
    QTest::mousePress(bench, Qt::LeftButton, {}, from);
    for (int i = 1; i <= 60; ++i) QTest::mouseMove(bench, from + QPoint(-i, i / 3));
    QTest::mouseRelease(bench, Qt::LeftButton, {}, from + QPoint(-60, 20));
    QGuiApplication::clipboard()->clear();
    menu_item("場面をコピー")->trigger();
    const std::string copied = QGuiApplication::clipboard()->text().toStdString();
    EXPECT_EQ(copied, scene_text({view->clicks().begin(), view->clicks().end()}));
    EXPECT_GT(view->clicks().size(), 18u) << copied;
    EXPECT_TRUE(notice().contains(QString::fromStdString(copied).left(40))) << copied;
    Window replayed = test::started();
    for (Click c : only_clicks(read_scene(copied).steps)) click(replayed, c);
    test::expect_same(model, replayed);
}

TEST_F(Lesson, APredictionHidesTheImageUntilTheAnswerAndSaysHowFarTheMarkWas) {
    const QString scene = told();
    ASSERT_TRUE(image_shown());
    EXPECT_FALSE(menu_item("答えを見る")->isEnabled());
    key(Qt::Key_P);
    EXPECT_FALSE(image_shown());
    EXPECT_TRUE(told().startsWith("予想してください。")) << told().toStdString();
    EXPECT_FALSE(told().contains("像はレンズ")) << told().toStdString();
    key(Qt::Key_R);  // a row would give the answer away
    EXPECT_TRUE(view->notebook().rows().empty());
    EXPECT_EQ(notice(), "記録するのは、答えを見てからにしてください。");

    // A click three squares left of the image's tip and four below, then a square to the right
    // by the keys: the mark is two squares across and four down from the tip.
    const BenchPoint tip = *image_tip(model);
    const float unit = model.bench.unit;
    QTest::mouseClick(bench, Qt::LeftButton, {}, at({tip.x - 3 * unit, tip.y + 4 * unit}));
    ASSERT_TRUE(view->prediction().mark());
    for (int i = 0; i < 4; ++i) key(Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_NEAR(view->prediction().mark()->x, tip.x - 2 * unit, kTwipsPerPixel);
    EXPECT_EQ(model.bench.sdist, test::started().bench.sdist) << "Shift+arrow moved the candle";
    key(Qt::Key_A);
    EXPECT_TRUE(image_shown());
    const float off = *squares_off(model, view->prediction());
    EXPECT_NEAR(off, std::sqrt(20.0f), 0.1f);
    EXPECT_TRUE(told().startsWith(scene)) << told().toStdString();
    EXPECT_TRUE(told().endsWith(QString::fromStdString(
        "予想の印は、像の先から " + squares_words(off, as_written) + " 離れていました。")))
        << told().toStdString();

    key(Qt::Key_Right);  // the candle moves: the answer is hidden again, the mark stays
    EXPECT_FALSE(image_shown());
    EXPECT_TRUE(told().startsWith("予想してください。"));
    EXPECT_TRUE(view->prediction().mark());
    key(Qt::Key_P);
    EXPECT_TRUE(image_shown());
    Window copy = model;
    EXPECT_EQ(view->bench_picture(),
              view::window_picture(copy).copy(bench->contentsRect().translated(bench->pos())));
}

// The notebook's rows in a data folder of the test's own.
class LessonNotebook : public Lesson {
  protected:
    LessonNotebook() {
        qputenv("XDG_DATA_HOME", data.path().toUtf8());
        EXPECT_EQ(view->keep_notebook_in(view::kept_notebook_file()), "");
    }
    ~LessonNotebook() override { qunsetenv("XDG_DATA_HOME"); }

    QString kept() const {
        QFile f(view::kept_notebook_file());
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }

    QTemporaryDir data;
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

TEST_F(LessonNotebook, RecordsEachCaseWritesCsvAndKeepsItsRowsAcrossARestart) {
    key(Qt::Key_R);  // real, at start
    QTest::mouseClick(widget("smove", 0), Qt::LeftButton);
    for (int i = 0; i < 26; ++i) key(Qt::Key_Right);
    key(Qt::Key_R);  // virtual
    key(Qt::Key_Left);
    key(Qt::Key_Left);
    key(Qt::Key_R);  // none: on the focal point
    const std::vector<Measurement>& rows = view->notebook().rows();
    ASSERT_EQ(rows.size(), 3u);
    QApplication::processEvents();  // where the notebook asked to be activated, it would be now
    EXPECT_EQ(QApplication::activeWindow(), view.get()) << "the notebook took the keyboard";
    view::NotebookWindow* notebook = view->notebook_window();
    EXPECT_TRUE(notebook->isVisible());
    const auto* table = notebook->findChild<QTableWidget*>("rows");
    ASSERT_EQ(table->rowCount(), 3);
    EXPECT_EQ(table->item(0, 0)->text() + table->item(1, 0)->text() + table->item(2, 0)->text(),
              "実像虚像なし");
    const QString last = QString::fromStdString(row_words(rows.back(), as_written));
    EXPECT_EQ(notice(), "記録しました: " + last);
    EXPECT_EQ(table->accessibleDescription(), last);

    const QString csv = data.filePath("rows.csv");
    QString error;
    ASSERT_TRUE(notebook->write_csv(csv, error)) << error.toStdString();
    const QJsonArray read = read_by_python(csv);
    ASSERT_EQ(read.size(), 4);
    QJsonArray expected{QJsonArray::fromStringList([] {
        QStringList h;
        for (const std::string& s : heading_words(as_written)) h << QString::fromStdString(s);
        return h;
    }())};
    for (const Measurement& m : rows) {
        QStringList c;
        for (const std::string& s : cells(m, as_written)) c << QString::fromStdString(s);
        expected.append(QJsonArray::fromStringList(c));
    }
    EXPECT_EQ(read, expected);

    // The plot shows the rows, in either view, as a picture and as a drawing.
    const QImage distances = notebook->plot_picture();
    notebook->findChild<QWidget*>("reciprocals")->setFocus();
    QTest::keyClick(notebook->findChild<QWidget*>("reciprocals"), Qt::Key_Space);
    EXPECT_EQ(notebook->plot_view(), PlotView::reciprocals);
    EXPECT_NE(notebook->plot_picture(), distances);
    EXPECT_TRUE(QSvgRenderer(notebook->plot_svg()).isValid());

    // A restart finds the rows as they were; clearing asks first.
    const std::string stored = view->notebook().stored();
    EXPECT_EQ(kept().toStdString(), stored);
    view.reset();
    Window again = test::started();
    view::MainWindow restarted(again);
    EXPECT_EQ(restarted.keep_notebook_in(view::kept_notebook_file()), "");
    EXPECT_EQ(restarted.notebook().stored(), stored);
    for (const auto answer : {QMessageBox::No, QMessageBox::Yes}) {
        QTimer::singleShot(0, [answer] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                box->button(answer)->click();
            }
        });
        QTest::mouseClick(restarted.notebook_window()->findChild<QPushButton*>("clear"),
                          Qt::LeftButton);
        EXPECT_EQ(restarted.notebook().rows().size(), answer == QMessageBox::No ? 3u : 0u);
    }
    EXPECT_EQ(kept().toStdString(), Notebook().stored());
}

}  // namespace
}  // namespace korru
