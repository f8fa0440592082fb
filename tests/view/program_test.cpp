// SPDX-License-Identifier: MIT
// The program as a whole: a run-time error of the model is shown in a message box and ends the
// run with a non-zero status; korru without a display or with an argument says so in one line,
// answers --help and --version without one, exports the kept notebook as CSV without one, and
// starts as usual where it cannot read a scene or its kept notebook; korru-snapshot draws the
// window and the bench, and refuses bad calls without writing anything.
#include "view/program.h"

#include <sys/stat.h>

#include <QAction>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QPainter>
#include <QProcess>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTimer>

#include "support.h"

namespace korru {
namespace {

// Notes the text of the first modal message box and closes it; ends the event loop when none
// has come by the deadline, so a box that never comes fails the test instead of hanging it.
class MessageBoxWatch {
  public:
    MessageBoxWatch() : deadline_(test::kPatience) {
        QObject::connect(&poll_, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                text = box->text().toStdString();
                box->close();
            } else if (deadline_.hasExpired()) {
                QApplication::exit(99);
            }
        });
        poll_.start(10);
    }
    std::string text;

  private:
    QTimer poll_;
    QDeadlineTimer deadline_;
};

template <class F>
std::string error_of(F&& f) {
    try {
        f();
    } catch (const RuntimeError& e) {
        return e.what();
    }
    return "no error";
}

// A source forged onto the lens, with no step to move it by, makes the next arrow click divide
// by zero in the scene update. The click goes to the real "←" of the running program.
TEST(RunTimeError, OnAClickIsShownInAMessageBoxAndEndsTheRunWithAFailure) {
    Window model;
    std::string expected;
    QTimer::singleShot(0, [&] {
        model.bench.sdist = 0;
        model.bench.step = 0;
        model.bench.slift = model.bench.unit;
        expected = error_of([copy = model]() mutable { click(copy, Click::ml); });
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->objectName() == "main" && top->isVisible()) {
                QTest::mouseClick(top->findChild<QWidget*>("ml"), Qt::LeftButton);
            }
        }
    });
    MessageBoxWatch watch;
    EXPECT_EQ(view::run_program(model, ScreenSize::from_pixels(1024, 768)), 1);
    EXPECT_EQ(expected.rfind("run-time error in update_bench", 0), 0u) << expected;
    EXPECT_EQ(watch.text, expected);
}

TEST(RunTimeError, AtStartUpIsShownInAMessageBoxAndEndsTheRunWithAFailure) {
    const ScreenSize tiny{900, 600};
    const std::string expected = error_of([&] {
        Window w;
        start_up(w, tiny);
    });
    ASSERT_EQ(expected.rfind("run-time error in start-up", 0), 0u) << expected;
    MessageBoxWatch watch;
    Window model;
    EXPECT_EQ(view::run_program(model, tiny), 1);
    EXPECT_EQ(watch.text, expected);
}

struct Finished {
    int status = -1;  // -1: crashed
    QByteArray out;
    QString err;
};

// Runs a program of the build. Qt's note on a missing runtime directory is kept off stderr, which
// then holds only the program's own words.
Finished run(const QString& program, const QStringList& args, const QStringList& unset = {},
             const QString& platform = {}, const QStringList& set = {},
             const QString& output = {}) {
    static const QTemporaryDir runtime;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString& name : unset) env.remove(name);
    for (const QString& pair : set) env.insert(pair.section('=', 0, 0), pair.section('=', 1));
    env.insert("XDG_RUNTIME_DIR", runtime.path());
    if (!platform.isEmpty()) env.insert("QT_QPA_PLATFORM", platform);
    QProcess p;
    p.setProcessEnvironment(env);
    if (!output.isEmpty()) p.setStandardOutputFile(output);
    p.start(program, args);
    EXPECT_TRUE(p.waitForFinished(test::kPatience)) << program.toStdString() << " did not finish";
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            QString::fromUtf8(p.readAllStandardError())};
}

const QString kKorru = QStringLiteral(KORRU_EXE), kSnapshot = QStringLiteral(KORRU_SNAPSHOT);

TEST(Korru, WithoutADisplaySaysSoInOneLineAndFails) {
    const Finished r = run(kKorru, {}, {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.startsWith("korru: no display")) << r.err.toStdString();
    EXPECT_EQ(r.err.count('\n'), 1);
}

// A display that is set but answers no one, or a platform that cannot be used: one line naming
// it and status 1 at once, where the toolkit alone would abort.
TEST(Korru, WithADisplayItCannotUseSaysWhichInOneLineAndFails) {
    for (const QString& set :
         {QStringLiteral("DISPLAY=:987"), QStringLiteral("QT_QPA_PLATFORM=nosuch")}) {
        QElapsedTimer clock;
        clock.start();
        const Finished r =
            run(kKorru, {}, {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}, {}, {set});
        EXPECT_LT(clock.elapsed(), 15000) << set.toStdString();  // at once: no toolkit timeout
        EXPECT_EQ(r.status, 1) << set.toStdString();
        EXPECT_TRUE(r.err.startsWith("korru: cannot show the window on ")) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains("'" + set.section('=', 1) + "'")) << r.err.toStdString();
        EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
    }
}

// The toolkit's own options are taken; anything left over is refused before a window opens.
TEST(Korru, RefusesACommandLineInOneLine) {
    const std::pair<QStringList, QString> calls[] = {
        {{"--nosuch"}, "korru: unknown option 'nosuch'"},
        {{"-platform", "offscreen", "x"}, "korru: unexpected argument 'x'"},
        {{"--scene"}, "korru: missing value after '--scene'"}};
    for (const auto& [args, said] : calls) {
        const Finished r = run(kKorru, args, {}, "offscreen");
        EXPECT_EQ(r.status, 2);
        EXPECT_TRUE(r.err.startsWith(said)) << r.err.toStdString();
        EXPECT_EQ(r.err.count('\n'), 1);
    }
}

// --help and --version answer on standard output and end at once, needing no display; the
// version is the snapshot tool's.
TEST(Korru, AnswersHelpAndVersionWithoutADisplay) {
    const QStringList no_display{"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"};
    const Finished help = run(kKorru, {"--help"}, no_display);
    EXPECT_EQ(help.status, 0) << help.err.toStdString();
    EXPECT_TRUE(help.out.startsWith("Usage: korru [options]\n")) << help.out.toStdString();
    EXPECT_TRUE(help.out.contains("--scene <TEXT>")) << help.out.toStdString();
    EXPECT_TRUE(help.out.contains("--export-notebook <FILE>")) << help.out.toStdString();
    const Finished version = run(kKorru, {"--version"}, no_display);
    EXPECT_EQ(version.status, 0) << version.err.toStdString();
    const Finished tool = run(kSnapshot, {"--version"});
    EXPECT_EQ(tool.status, 0);
    EXPECT_TRUE(version.out.startsWith("korru 1.")) << version.out.toStdString();
    EXPECT_EQ("korru-snapshot" + version.out.mid(5), tool.out);
    EXPECT_TRUE(help.err.isEmpty() && version.err.isEmpty()) << version.err.toStdString();
}

// --help in the system's language, each of the window's nine: its first line, the usage, in the
// language's words, and every option still named as typed.
class Help : public testing::TestWithParam<std::pair<const char*, const char*>> {};

TEST_P(Help, SpeaksTheSystemsLanguage) {
    const QTemporaryDir settings;  // no language chosen in the window yet
    const auto [lang, usage] = GetParam();
    const Finished help =
        run(kKorru, {"--help"},
            {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANGUAGE", "LC_ALL", "LC_MESSAGES"},
            {}, {QStringLiteral("LANG=") + lang, "XDG_CONFIG_HOME=" + settings.path()});
    EXPECT_EQ(help.status, 0) << help.err.toStdString();
    const QString out = QString::fromUtf8(help.out);
    EXPECT_TRUE(out.startsWith(QString::fromUtf8(usage) + "\n")) << out.toStdString();
    for (const char* option : {"--scene <TEXT>", "--bench-only", "--export-notebook <FILE>",
                               "-h, --help", "-v, --version"}) {
        EXPECT_TRUE(out.contains(option)) << option << " in " << out.toStdString();
    }
    EXPECT_EQ(out.count('\n'), 9) << out.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Languages, Help,
                         testing::Values(std::pair{"C", "Usage: korru [options]"},
                                         std::pair{"ja_JP.UTF-8", "使い方: korru [オプション]"},
                                         std::pair{"en_GB.UTF-8", "Usage: korru [options]"},
                                         std::pair{"pt_BR.UTF-8", "Uso: korru [opções]"},
                                         std::pair{"zh_CN.UTF-8", "用法：korru [选项]"},
                                         std::pair{"fil_PH.UTF-8", "Paggamit: korru [mga opsiyon]"},
                                         std::pair{"vi_VN.UTF-8", "Cách dùng: korru [tùy chọn]"},
                                         std::pair{"es_MX.UTF-8", "Uso: korru [opciones]"},
                                         std::pair{"ko_KR.UTF-8", "사용법: korru [옵션]"},
                                         std::pair{"ne_NP.UTF-8", "प्रयोग: korru [विकल्पहरू]"}),
                         [](const auto& info) {
                             return std::string(info.param.first).substr(0, 2);
                         });

// A scene not understood and a kept notebook that is not one: the bench starts as usual, the
// window says both (in its notice, and here on standard error, one line each), and the
// notebook is set aside, not lost; a new one begins in its place.
TEST(Korru, StartsAsUsualSayingWhatItCouldNotRead) {
    QTemporaryDir data;
    ASSERT_TRUE(QDir(data.path()).mkpath("korru"));
    const QString kept = data.filePath("korru/notebook.txt");
    QFile corrupt(kept);
    ASSERT_TRUE(corrupt.open(QIODevice::WriteOnly));
    corrupt.write("not a notebook\n");
    corrupt.close();

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_DATA_HOME", data.path());
    env.insert("XDG_RUNTIME_DIR", data.path());
    env.insert("LANG", "C");
    env.remove("LC_ALL");
    QProcess korru;
    korru.setProcessEnvironment(env);
    korru.start(kKorru, {"--scene", "kosen.mr*2.nosuch"});
    QString err;
    QDeadlineTimer deadline(test::kPatience);
    while (err.count('\n') < 2 && korru.state() != QProcess::NotRunning && !deadline.hasExpired()) {
        korru.waitForReadyRead(100);
        err += QString::fromUtf8(korru.readAllStandardError());
    }
    EXPECT_EQ(korru.state(), QProcess::Running) << err.toStdString();
    korru.terminate();
    korru.waitForFinished(test::kPatience);

    const QStringList lines = err.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2) << err.toStdString();
    // The scene's words first, then the notebook's, as the page says them.
    EXPECT_EQ(lines[0], "korru: 場面の「nosuch」が読めないため、はじめの状態から始めます。");
    EXPECT_TRUE(lines[1].startsWith("korru: 保存されていた測定ノート " + kept))
        << err.toStdString();
    const QStringList aside =
        QDir(data.filePath("korru")).entryList({"notebook-unreadable-*.txt"}, QDir::Files);
    ASSERT_EQ(aside.size(), 1);
    EXPECT_TRUE(lines[1].contains(aside[0])) << err.toStdString();
    QFile kept_aside(data.filePath("korru/" + aside[0]));
    ASSERT_TRUE(kept_aside.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept_aside.readAll(), "not a notebook\n");
    QFile begun(kept);
    ASSERT_TRUE(begun.open(QIODevice::ReadOnly));
    const StoredNotebook now = read_stored(begun.readAll().toStdString());
    EXPECT_FALSE(now.damaged);
    EXPECT_TRUE(now.notebook.rows().empty());
}

// A data folder with `text` kept as the notebook, and korru's environment without a display.
class Export : public testing::Test {
  protected:
    Export() {
        QDir().mkpath(data.filePath("korru"));
        unset = {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LC_ALL", "LANGUAGE"};
    }
    void keep(const QByteArray& text) {
        QFile f(kept);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
    QByteArray kept_now() const {
        QFile f(kept);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    Finished korru(const QStringList& args, const QString& lang = "C", const QString& output = {}) {
        return run(kKorru, args, unset, {}, {"XDG_DATA_HOME=" + data.path(), "LANG=" + lang},
                   output);
    }

    QTemporaryDir data;
    const QString kept = data.filePath("korru/notebook.txt");
    QStringList unset;
};

// Two rows: the start, a real image 16 squares from a 4-square lens (b = 16 × 4 / 12), and a
// virtual one 3 squares from it (b = 3 × 4 / (3 − 4)).
Notebook two_rows() {
    Window w = test::started();
    Notebook n;
    n.add(7, measure(w));
    click(w, Click::smove_large);
    test::clicks(w, Click::mr, 26);
    n.add(9, measure(w));
    return n;
}

std::string as_written(std::string_view text) {
    return std::string(text);
}

// The CSV the window saves, on standard output or into a file, in the user's language; a
// notebook cut short gives its readable rows and says so in a line; the kept file is only read.
TEST_F(Export, WritesTheKeptNotebookAsTheWindowsCsvWithoutADisplay) {
    const Notebook n = two_rows();
    keep(QByteArray::fromStdString(n.stored()));
    const Finished out = korru({"--export-notebook", "-"});
    EXPECT_EQ(out.status, 0) << out.err.toStdString();
    EXPECT_TRUE(out.err.isEmpty()) << out.err.toStdString();
    EXPECT_EQ(out.out.toStdString(), n.csv(as_written));
    const QList<QByteArray> lines = out.out.split('\n');
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[1].startsWith("実像,16,2,4,5.33,")) << lines[1].toStdString();
    EXPECT_TRUE(lines[2].startsWith("虚像,3,2,4,-12,")) << lines[2].toStdString();

    const QString file = data.filePath("rows.csv");
    const Finished english = korru({"--export-notebook", file}, "en_GB.UTF-8");
    EXPECT_EQ(english.status, 0) << english.err.toStdString();
    QFile written(file);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QByteArray csv = written.readAll();
    EXPECT_TRUE(csv.contains("Image distance b (squares, negative for a virtual image)"));
    EXPECT_EQ(csv.count('\n'), 3);

    keep(QByteArray::fromStdString(n.stored()) + "0000000000000011 real 4180");
    const Finished cut = korru({"--export-notebook", "-"});
    EXPECT_EQ(cut.status, 0);
    EXPECT_EQ(cut.out.toStdString(), n.csv(as_written));
    EXPECT_EQ(cut.err.count('\n'), 1) << cut.err.toStdString();
    EXPECT_TRUE(cut.err.contains("読めた 2 行を書き出します")) << cut.err.toStdString();
    const Finished cut_english = korru({"--export-notebook", "-"}, "en_GB.UTF-8");
    EXPECT_TRUE(cut_english.err.contains("2 rows")) << cut_english.err.toStdString();
    EXPECT_TRUE(kept_now().endsWith(" real 4180"));
    EXPECT_EQ(QDir(data.filePath("korru")).entryList(QDir::Files), QStringList{"notebook.txt"});
}

bool is(const QString& file, mode_t kind) {
    struct stat st {};
    return stat(QFile::encodeName(file).constData(), &st) == 0 && (st.st_mode & S_IFMT) == kind;
}

// Where the CSV is asked to go: a named pipe's reader gets it and the pipe stays a pipe; a
// device is written, never replaced; a folder, a device that fails and standard output that
// fails each end the export unsuccessfully, in one line in the user's language.
TEST_F(Export, WritesWhereItIsAskedAndSaysWhatFailedInTheUsersWords) {
    const Notebook n = two_rows();
    keep(QByteArray::fromStdString(n.stored()));
    const QString fifo = data.filePath("rows.pipe");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QProcess reader;
    reader.start("cat", {fifo});
    const Finished piped = korru({"--export-notebook", fifo});
    ASSERT_TRUE(reader.waitForFinished(test::kPatience));
    EXPECT_EQ(piped.status, 0) << piped.err.toStdString();
    EXPECT_EQ(reader.readAllStandardOutput().toStdString(), n.csv(as_written));
    EXPECT_TRUE(is(fifo, S_IFIFO));

    EXPECT_EQ(korru({"--export-notebook", "/dev/null"}).status, 0);
    EXPECT_TRUE(is("/dev/null", S_IFCHR));

    struct Failing {
        QStringList args;
        QString lang, output, said;
    };
    for (const Failing& f :
         {Failing{{"--export-notebook", "/dev/full"}, "C", {}, "空き容量が足りないか"},
          Failing{{"--export-notebook", "-"}, "C", "/dev/full", "標準出力 に保存できませんでした"},
          Failing{{"--export-notebook", "-"}, "en_GB.UTF-8", "/dev/full", "standard output"},
          Failing{{"--export-notebook", data.path()}, "C", {}, "ファイルではなくフォルダーです"},
          Failing{{"--export-notebook", data.path()}, "en_GB.UTF-8", {}, "it is a folder"}}) {
        const Finished r = korru(f.args, f.lang, f.output);
        EXPECT_EQ(r.status, 1) << f.args.join(' ').toStdString();
        EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(f.said)) << r.err.toStdString();
    }
    EXPECT_TRUE(is("/dev/full", S_IFCHR));
    EXPECT_TRUE(is(data.path(), S_IFDIR));
}

struct BadCall {
    const char* name;
    QStringList args;  // "DIR": the test's directory
    int status;
};

void PrintTo(const BadCall& call, std::ostream* os) {
    *os << call.args.join(QLatin1Char(' ')).toStdString();
}

// A call refused: its status, one line on standard error from `who`, and nothing written in
// `dir`, which holds only what it held (`held`).
void expect_refused(const Finished& r, int status, const QString& who, const QString& dir,
                    const QStringList& held = {}) {
    EXPECT_EQ(r.status, status);
    EXPECT_TRUE(r.err.startsWith(who + ": ")) << r.err.toStdString();
    EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_EQ(QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), held)
        << "a file was written";
}

class ExportRefuses : public Export, public testing::WithParamInterface<BadCall> {};

TEST_P(ExportRefuses, InOneLineWritingNothing) {
    keep(QByteArray::fromStdString(two_rows().stored()));
    QStringList args = GetParam().args;
    args.replaceInStrings("DIR", data.path());
    expect_refused(korru(args), GetParam().status, "korru", data.path(), {"korru"});
}

INSTANTIATE_TEST_SUITE_P(
    Calls, ExportRefuses,
    testing::Values(BadCall{"unwritable", {"--export-notebook", "DIR/no/such/rows.csv"}, 1},
                    BadCall{"no_file", {"--export-notebook"}, 2},
                    BadCall{"with_a_scene", {"--export-notebook", "-", "--scene", "mr"}, 2},
                    BadCall{"with_an_argument", {"--export-notebook", "DIR/a.csv", "x"}, 2}),
    [](const auto& info) { return std::string(info.param.name); });

// The bench's window alone, chosen in the bench's menu, is remembered for the next start, which
// then starts the window up on the whole screen without the band; with the band, on a smaller
// screen whose window leaves the band its room, where there is one.
TEST(BenchAlone, IsTheMenusSettingForTheNextStart) {
    Window model;
    Session session(model, view::translated_utf8);
    session.start(ScreenSize::from_pixels(1024, 768));
    view::MainWindow window(session);
    QAction* alone = nullptr;
    for (QAction* a : window.findChild<QWidget*>("work")->actions()) {
        if (a->objectName() == "bench_only") alone = a;
    }
    ASSERT_TRUE(alone && alone->isCheckable());
    EXPECT_FALSE(alone->isChecked());
    alone->trigger();
    EXPECT_TRUE(view::bench_only_kept());
    const view::ProgramScreen whole = view::program_screen(true);
    EXPECT_FALSE(whole.band);
    EXPECT_EQ(whole.screen.width, view::primary_screen().width);
    // A screen too small for the bench's window beside the band's least room (the test's, of
    // 800 x 600) shows the bench's window alone, the lesson in a window of its own.
    const view::ProgramScreen banded = view::program_screen(false);
    if (banded.band) {
        EXPECT_LT(banded.screen.width, whole.screen.width);
    } else {
        EXPECT_EQ(banded.screen.width, whole.screen.width);
        EXPECT_EQ(banded.screen.height, whole.screen.height);
    }
    alone->trigger();
    EXPECT_FALSE(view::bench_only_kept());
}

class Snapshot : public testing::Test {
  protected:
    QTemporaryDir dir;
};

// The picture is the window's client area as the bench's window alone shows it (--bench-only):
// 914 x 613 at 1024 x 768.
TEST_F(Snapshot, PngIsTheWindowAsShown) {
    const QString file = dir.filePath("w.png");
    const Finished r = run(kSnapshot, {"--png", file, "kosen", "mu"}, {"QT_QPA_PLATFORM"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QImage png(file);
    Window model;
    Session session(model, view::translated_utf8);
    session.start(ScreenSize::from_pixels(1024, 768), {Click::kosen, Click::mu});
    view::MainWindow window(session, std::nullopt);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window, test::kPatience));
    EXPECT_EQ(png.size(), QSize(914, 613));
    EXPECT_TRUE(png == window.grab().toImage().convertToFormat(png.format()));
}

// The vector drawing is the bench alone, 13464 x 6732 twips at 1024 x 768.
TEST_F(Snapshot, SvgIsTheBenchAlone) {
    const Finished r = run(kSnapshot, {"--svg", "-", "hogan"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    QSvgRenderer svg(r.out);
    ASSERT_TRUE(svg.isValid());
    ASSERT_EQ(svg.viewBox(), QRect(0, 0, 898, 449));
    QImage image(svg.viewBox().size(), QImage::Format_RGB32);
    QPainter p(&image);
    svg.render(&p);
    p.end();
    Window model = test::started();
    const BenchState& b = model.bench;
    const auto at = [&](double x, double y) {
        return test::rgb_at(image, {test::pixel_of(x), test::pixel_of(y)});
    };
    EXPECT_EQ(at(b.lensx - 10.5 * b.unit, b.axisy), 0xFFFFFFu) << "axis";
    EXPECT_EQ(at(b.lensx + 15.5 * b.unit, model.grid_above(3).y1), 0xC0C0C0u) << "grid";
    EXPECT_EQ(at(b.lensx + 15.5 * b.unit, model.grid_above(3).y1 + b.unit / 2), 0x404040u)
        << "bench";
}

class SnapshotRefuses : public Snapshot, public testing::WithParamInterface<BadCall> {};

TEST_P(SnapshotRefuses, InOneLineWritingNothing) {
    QStringList args = GetParam().args;
    args.replaceInStrings("DIR", dir.path());
    expect_refused(run(kSnapshot, args), GetParam().status, "korru-snapshot", dir.path());
}

INSTANTIATE_TEST_SUITE_P(
    Calls, SnapshotRefuses,
    testing::Values(
        BadCall{"unknown_click", {"--png", "DIR/w.png", "--svg", "DIR/b.svg", "left"}, 2},
        BadCall{"png_twice", {"--png", "DIR/a.png", "--png", "DIR/b.png"}, 2},
        BadCall{"svg_without_file", {"--svg"}, 2},
        BadCall{"two_to_stdout", {"--png", "-", "--svg", "-"}, 2},
        BadCall{"scene_not_understood", {"--png", "DIR/w.png", "--scene", "kosen.mr*0"}, 2},
        BadCall{"screen_too_small", {"--screen", "60x40", "--png", "DIR/w.png", "--json", "-"}, 1},
        BadCall{"unwritable", {"--png", "DIR/no/such/dir/w.png"}, 1}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace korru
