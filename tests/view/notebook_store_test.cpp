// SPDX-License-Identifier: MIT
// The desktop's files: under a file-size limit (a full disk) a write fails, is said as full and
// leaves the file as it was — notebook, CSV and picture alike; a refused one is said, its rows
// shown as not kept until they are; an empty kept file is an empty notebook, a large one is read
// whole, one not read whole is set aside with its readable rows kept. (Two windows:
// two_windows_test.py.)
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <csignal>
#include <functional>

#include "support.h"
#include "view/notebook_window.h"
#include "view/worksheet.h"

namespace korru {
namespace {

QByteArray contents(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(no file)");
}

void put(const QString& file, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(file).absolutePath());
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

// Runs `run` in a child process whose files may grow to `limit` bytes (SIGXFSZ ignored, as korru
// ignores it, so that a write past it fails with EFBIG); returns what it said.
std::string with_file_size_limit(rlim_t limit, const std::function<std::string()>& run) {
    int pipe_ends[2];
    if (pipe(pipe_ends) != 0) return "(no pipe)";
    const pid_t child = fork();
    if (child == 0) {
        close(pipe_ends[0]);
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit small{limit, RLIM_INFINITY};
        std::string said = setrlimit(RLIMIT_FSIZE, &small) == 0 ? run() : "(no limit)";
        for (std::size_t at = 0; at < said.size();) {
            const ssize_t n = write(pipe_ends[1], said.data() + at, said.size() - at);
            if (n <= 0) break;
            at += static_cast<std::size_t>(n);
        }
        _exit(0);
    }
    close(pipe_ends[1]);
    std::string said;
    char buffer[4096];
    for (ssize_t n; (n = read(pipe_ends[0], buffer, sizeof buffer)) > 0;) said.append(buffer, n);
    close(pipe_ends[0]);
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the child ended otherwise";
    return said;
}

// The rows of a window after 0, 1, 2, … clicks of "→": each one different.
Notebook rows(int count) {
    Notebook n;
    Window w = test::started();
    for (int i = 0; i < count; ++i) {
        n.add(static_cast<RowId>(i + 1), measure(w));
        click(w, Click::mr);
    }
    return n;
}

// What is written, as it was before, and what it says when it cannot be: its words on a full
// disk, in the child that tried.
struct FullDisk {
    const char* name;
    QByteArray before;
    std::string (*write)(const QString& file);
    const char* said;
};

void PrintTo(const FullDisk& f, std::ostream* os) {
    *os << f.name;
}

// Three records over the kept notebook, the limit lifted (room made), and one more.
std::string record_rows(const QString& file) {
    view::FileStore store(file);
    Window w;
    Session session(w, view::translated_utf8, &store);
    session.start(ScreenSize::from_pixels(1024, 768));
    session.load_notebook();
    std::string said;
    for (int i = 0; i < 3; ++i) {
        session.make(Click::ml);
        const Outcome out = session.record();
        said += out.notice->text + (out.notice->lasting ? " (lasting)\n" : "\n");
    }
    said += std::to_string(session.unkept_rows()) + " unkept\n";
    const rlimit room{RLIM_INFINITY, RLIM_INFINITY};
    setrlimit(RLIMIT_FSIZE, &room);
    session.make(Click::ml);
    return said + "then: " + session.record().notice->text;
}

std::string save_csv(const QString& file) {
    QString error;
    const std::string csv = rows(40).csv(view::translated_utf8);
    return view::save_bytes(QByteArray::fromStdString(csv), file, error) ? "written"
                                                                         : error.toStdString();
}

std::string save_png(const QString& file) {
    QImage picture(400, 300, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    for (int x = 0; x < 400; x += 3) picture.setPixel(x, x % 300, 0xFFFF80);
    QString error;
    return view::save_picture(picture, {}, file, error) ? "written" : error.toStdString();
}

class AFullDisk : public testing::TestWithParam<FullDisk> {
  protected:
    QTemporaryDir dir;
};

// Were the file written in place, or the bytes left in a buffer unchecked, it would be cut short
// or emptied, and said to be kept.
TEST_P(AFullDisk, FailsTheWriteSaysSoAndLeavesTheFileAsItWas) {
    const QString file = dir.filePath(QString(GetParam().name) + ".txt");
    put(file, GetParam().before);
    const std::string said = with_file_size_limit(
        static_cast<rlim_t>(GetParam().before.size() + 40), [&] { return GetParam().write(file); });
    EXPECT_NE(said.find(GetParam().said), std::string::npos) << said;
    EXPECT_NE(said.find(QDir::toNativeSeparators(file).toStdString()), std::string::npos) << said;
    if (std::string_view(GetParam().name) == "notebook") {
        // Said at every record, lasting, the rows waiting; kept once there is room.
        std::size_t told = 0;
        for (std::size_t at = 0; (at = said.find("がいっぱいのため", at)) != std::string::npos;
             ++at) {
            ++told;
        }
        EXPECT_EQ(told, 3u) << said;
        EXPECT_NE(said.find("(lasting)\n3 unkept\n"), std::string::npos) << said;
        EXPECT_NE(said.find("then: 5 行目を記録しました: 実像、b = 5.23 マス。 測定ノートを保存"
                            "できました。"),
                  std::string::npos)
            << said;
        const StoredNotebook kept = read_stored(contents(file).toStdString());
        EXPECT_FALSE(kept.damaged);
        EXPECT_EQ(kept.notebook.rows().size(), 5u);
    } else {
        EXPECT_EQ(contents(file), GetParam().before);
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QFileInfo(file).fileName()})
        << "a save file was left behind";
}

INSTANTIATE_TEST_SUITE_P(
    Writes, AFullDisk,
    testing::Values(FullDisk{"notebook", QByteArray::fromStdString(rows(1).stored()), record_rows,
                             " がいっぱいのため、測定ノートを保存できませんでした。"},
                    FullDisk{"csv", "a,b\r\n1,2\r\n", save_csv, "空き容量が足りないか"},
                    FullDisk{"png", "\x89PNG\r\n\x1a\n an earlier picture", save_png,
                             "空き容量が足りないか"}),
    testing::PrintToStringParamName());

// A kept file as found at start: the rows the window begins with, and whether the file is set
// aside.
struct KeptFile {
    const char* name;
    QByteArray text;
    int rows;
    bool set_aside;
};

void PrintTo(const KeptFile& k, std::ostream* os) {
    *os << k.name;
}

class AKeptFile : public test::DataFolder, public testing::TestWithParam<KeptFile> {};

TEST_P(AKeptFile, IsReadWholeOrSetAsideBesideItWithItsReadableRowsKept) {
    const QString file = view::kept_notebook_file();
    put(file, GetParam().text);
    view::FileStore store(file);
    Window w;
    Session session(w, view::translated_utf8, &store);
    session.start(ScreenSize::from_pixels(1024, 768));
    const Outcome loaded = session.load_notebook();
    EXPECT_EQ(session.notebook().rows(), rows(GetParam().rows).rows());
    const QStringList aside =
        QDir(QFileInfo(file).path()).entryList({"notebook-unreadable-*.txt"}, QDir::Files);
    if (!GetParam().set_aside) {
        EXPECT_FALSE(loaded.notice) << loaded.notice->text;
        EXPECT_TRUE(aside.isEmpty());
        EXPECT_EQ(contents(file), GetParam().text);
        session.record();
        EXPECT_EQ(read_stored(contents(file).toStdString()).notebook.rows().size(),
                  static_cast<std::size_t>(GetParam().rows + 1));
        return;
    }
    ASSERT_EQ(aside.size(), 1);
    ASSERT_TRUE(loaded.notice);
    EXPECT_NE(loaded.notice->text.find(aside[0].toStdString()), std::string::npos)
        << loaded.notice->text;
    EXPECT_TRUE(contents(QFileInfo(file).dir().filePath(aside[0])) == GetParam().text);
    const StoredNotebook kept = read_stored(contents(file).toStdString());
    EXPECT_FALSE(kept.damaged);
    EXPECT_EQ(kept.notebook.rows(), rows(GetParam().rows).rows());
}

QByteArray cut_short() {
    const std::string fifteen = rows(15).stored();
    return QByteArray::fromStdString(fifteen + rows(16).stored().substr(fifteen.size(), 30));
}

INSTANTIATE_TEST_SUITE_P(
    Files, AKeptFile,
    testing::Values(KeptFile{"empty", "", 0, false},
                    KeptFile{"three_rows", QByteArray::fromStdString(rows(3).stored()), 3, false},
                    KeptFile{"cut_short", cut_short(), 15, true},
                    KeptFile{"no_notebook", "not a notebook\n", 0, true},
                    // Over 16 MiB, which an editor's blank lines made of two rows: read whole.
                    KeptFile{"over_16_mib",
                             QByteArray::fromStdString(rows(2).stored()) +
                                 QByteArray(static_cast<qsizetype>(16 << 20), '\n'),
                             2, false}),
    testing::PrintToStringParamName());

// A data folder none of whose folders are made yet (a new user's): the first record makes them,
// and from then on the file is watched, a write by another window heard.
TEST(AStore, WhoseFoldersAreNotMadeYetMakesThemAndIsThenWatched) {
    QTemporaryDir dir;
    const QString file = dir.filePath("home/.local/share/korru/notebook.txt");
    view::FileStore store(file);
    Window w;
    Session session(w, view::translated_utf8, &store);
    session.start(ScreenSize::from_pixels(1024, 768));
    EXPECT_FALSE(session.load_notebook().notice);
    session.record();
    EXPECT_EQ(read_stored(contents(file).toStdString()).notebook.rows().size(), 1u);
    QObject::connect(&store, &view::FileStore::changed, [&] { session.store_changed(); });
    put(file, QByteArray::fromStdString(rows(3).stored()));  // another window's rows
    const QDeadlineTimer deadline(test::kPatience);
    while (session.notebook().rows().size() != 3 && !deadline.hasExpired()) QTest::qWait(10);
    EXPECT_EQ(session.notebook().rows(), rows(3).rows());
}

// A store that refuses — a file stands where its folder should be made — is said with where and
// why, and the notebook's window says the rows are not kept; once the way is clear, the next
// record keeps them all.
class ARefusedStore : public test::DataFolder, public test::ViewTest {
  protected:
    ARefusedStore() : ViewTest(1024, 768, data.filePath("korru/notebook.txt")) {}
};

TEST_F(ARefusedStore, IsSaidAndTheRowsNotKeptAreShownUntilTheyAre) {
    put(data.filePath("korru"), "in the way");
    const QString unkept = "2 行はまだ保存されていません。";
    QLabel* said = nullptr;
    for (int i = 0; i < 2; ++i) {
        click(model, Click::mr);
        QTest::keyClick(view.get(), Qt::Key_R);
        said = view->findChild<QLabel*>("notice");
    }
    const QString where = QDir::toNativeSeparators(data.filePath("korru/notebook.txt"));
    EXPECT_TRUE(said->text().contains("測定ノートを " + where +
                                      " に保存できませんでした (そのフォルダーがありません)"))
        << said->text().toStdString();
    const QLabel* shown = view->notebook_window()->findChild<QLabel*>("unkept");
    EXPECT_TRUE(shown->isVisible());
    EXPECT_EQ(shown->text(), unkept);

    QFile::remove(data.filePath("korru"));
    click(model, Click::mr);
    QTest::keyClick(view.get(), Qt::Key_R);
    EXPECT_FALSE(shown->isVisible());
    EXPECT_EQ(read_stored(contents(data.filePath("korru/notebook.txt")).toStdString())
                  .notebook.rows()
                  .size(),
              3u);
}

// A kept notebook that is a folder: neither read nor written, and each said in the window's own
// language with the place, never in the system's English ("Is a directory").
class AFolderInItsPlace : public test::DataFolder, public test::InLanguage, public testing::Test {};

TEST_P(AFolderInItsPlace, IsSaidInTheWindowsWordsWhenReadAndWhenWritten) {
    const QString file = view::kept_notebook_file();
    ASSERT_TRUE(QDir().mkpath(file));
    view::FileStore store(file);
    Window w;
    Session session(w, view::translated_utf8, &store);
    session.start(ScreenSize::from_pixels(1024, 768));
    const Outcome loaded = session.load_notebook();
    ASSERT_TRUE(loaded.notice);
    const std::string read = loaded.notice->text;
    const std::string written = session.record().notice->text;
    const std::string where = QDir::toNativeSeparators(file).toStdString();
    for (const std::string& said : {read, written}) {
        EXPECT_NE(said.find(where), std::string::npos) << said;
        EXPECT_EQ(said.find("directory"), std::string::npos) << said;
    }
    const bool english = GetParam() == QLocale::English;
    EXPECT_NE(read.find(english ? "it is a folder, not a file" : "ファイルではなくフォルダーです"),
              std::string::npos)
        << read;
    EXPECT_NE(
        written.find(english ? "it is a folder, not a file" : "ファイルではなくフォルダーです"),
        std::string::npos)
        << written;
}

INSTANTIATE_TEST_SUITE_P(Languages, AFolderInItsPlace,
                         testing::Values(QLocale::Japanese, QLocale::English),
                         [](const auto& info) {
                             return QLocale::languageToString(info.param).toStdString();
                         });

}  // namespace
}  // namespace korru
