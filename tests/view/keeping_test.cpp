// SPDX-License-Identifier: MIT
// The notebook's file as classes meet it: eight windows, each a process of its own, recording as
// fast as they can keep every row, each said kept only once the file holds it; a lock left by a
// killed window is taken over; a named pipe in the file's place blocks nothing; a full disk is said
// once for a change, its save files never heard as a change, and tried again after a while; and the
// window does not end with rows not kept without asking.
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLockFile>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <csignal>
#include <iostream>
#include <set>

#include "support.h"

namespace korru {
namespace {

QByteArray contents(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

std::set<RowId> kept_ids(const QString& file) {
    const StoredNotebook n = read_stored(contents(file).toStdString());
    EXPECT_FALSE(n.damaged);
    return {n.notebook.ids().begin(), n.notebook.ids().end()};
}

constexpr int kWindows = 8, kRowsEach = 50;

// One of the racing windows, in a process the race starts: records with no pause, and says on
// standard output each row it was told is kept, and any such row the file did not then hold.
TEST(RacingWindows, OneOfThem) {
    const int rows = qEnvironmentVariableIntValue("KORRU_RACE_ROWS");
    if (rows == 0) GTEST_SKIP() << "run by RacingWindows.EightRecordingAtOnceKeepEveryRow";
    const QString file = qEnvironmentVariable("KORRU_RACE_FILE");
    view::FileStore store(file);
    Window w;
    Session session(w, view::translated_utf8, &store);
    session.start(ScreenSize::from_pixels(1024, 768));
    session.load_notebook();
    // Each window three steps from the next, so that no two record the same row (which a
    // window does not record twice in a row).
    for (int i = 0; i < 3 * qEnvironmentVariableIntValue("KORRU_RACE_WINDOW"); ++i) {
        session.make(Click::mr);
    }
    for (int i = 0; i < rows; ++i) {
        session.make(i % 2 ? Click::mr : Click::ml);
        const Outcome out = session.record();
        if (!out.notice || out.notice->text.find("行目を記録しました") == std::string::npos) {
            std::cout << "not recorded: " << (out.notice ? out.notice->text : "") << std::endl;
            continue;
        }
        if (session.unkept_rows() != 0) {
            std::cout << "unkept: " << out.notice->text << std::endl;
            continue;
        }
        const RowId id = session.notebook().ids().back();
        std::cout << (kept_ids(file).count(id) ? "kept " : "missing ") << id << std::endl;
    }
    // Rows not kept are tried again, as the window does, until they are.
    QObject::connect(&store, &view::FileStore::changed, [&] { session.store_changed(); });
    const QDeadlineTimer deadline(test::kPatience);
    while (session.unkept_rows() != 0 && !deadline.hasExpired()) QTest::qWait(50);
}

TEST(RacingWindows, EightRecordingAtOnceKeepEveryRow) {
    QTemporaryDir data;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    const QString file = data.filePath("korru/notebook.txt");
    env.insert("KORRU_RACE_FILE", file);
    env.insert("KORRU_RACE_ROWS", QString::number(kRowsEach));
    std::vector<std::unique_ptr<QProcess>> windows;
    for (int i = 0; i < kWindows; ++i) {
        windows.push_back(std::make_unique<QProcess>());
        env.insert("KORRU_RACE_WINDOW", QString::number(i));
        windows.back()->setProcessEnvironment(env);
        windows.back()->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        windows.back()->start(QCoreApplication::applicationFilePath(),
                              {"--gtest_filter=RacingWindows.OneOfThem"});
    }
    std::set<RowId> said_kept;
    for (auto& p : windows) {
        ASSERT_TRUE(p->waitForFinished(test::kPatience));
        EXPECT_EQ(p->exitCode(), 0);
        for (const QByteArray& line : p->readAllStandardOutput().split('\n')) {
            if (line.startsWith("missing ") || line.startsWith("unkept: ") ||
                line.startsWith("not recorded: ")) {
                ADD_FAILURE() << line.toStdString();
            }
            if (line.startsWith("kept ")) said_kept.insert(line.mid(5).toULongLong());
        }
    }
    const std::set<RowId> kept = kept_ids(file);
    EXPECT_EQ(kept.size(), static_cast<std::size_t>(kWindows * kRowsEach));
    EXPECT_EQ(said_kept.size(), static_cast<std::size_t>(kWindows * kRowsEach));
    EXPECT_TRUE(std::includes(kept.begin(), kept.end(), said_kept.begin(), said_kept.end()));
    EXPECT_EQ(QDir(data.filePath("korru")).entryList(QDir::Files), QStringList{"notebook.txt"})
        << "a lock or save file was left behind";
}

// A lock left beside the notebook by a window that was killed while it held it: the next record
// takes it over at once and keeps the row.
TEST(AStore, WithALockLeftByAWindowThatWasKilledTakesItOver) {
    QTemporaryDir dir;
    const QString file = dir.filePath("notebook.txt");
    const pid_t child = fork();
    if (child == 0) {
        QLockFile lock(file + ".lock");
        if (lock.tryLock(0)) kill(getpid(), SIGKILL);
        _exit(1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the lock was not taken";
    ASSERT_TRUE(QFileInfo::exists(file + ".lock"));
    view::FileStore store(file);
    Window w;
    Session session(w, view::translated_utf8, &store);
    session.start(ScreenSize::from_pixels(1024, 768));
    session.load_notebook();
    QElapsedTimer took;
    took.start();
    const Outcome recorded = session.record();
    EXPECT_LT(took.elapsed(), 5000);
    EXPECT_EQ(session.unkept_rows(), 0u) << recorded.notice->text;
    EXPECT_EQ(kept_ids(file).size(), 1u);
    EXPECT_FALSE(QFileInfo::exists(file + ".lock"));
}

// A named pipe where the notebook should be: start-up reads nothing from it and waits for no
// writer; the notebook is said unreadable, and the pipe is left a pipe.
TEST(AStore, WithANamedPipeInItsPlaceBlocksNothing) {
    QTemporaryDir dir;
    const QString file = dir.filePath("notebook.txt");
    ASSERT_EQ(mkfifo(QFile::encodeName(file).constData(), 0600), 0);
    view::FileStore store(file);
    Window w;
    Session session(w, view::translated_utf8, &store);
    session.start(ScreenSize::from_pixels(1024, 768));
    QElapsedTimer took;
    took.start();
    const Outcome loaded = session.load_notebook();
    const Outcome recorded = session.record();
    EXPECT_LT(took.elapsed(), 2000);
    ASSERT_TRUE(loaded.notice);
    EXPECT_NE(loaded.notice->text.find("普通のファイルではありません"), std::string::npos)
        << loaded.notice->text;
    EXPECT_EQ(session.unkept_rows(), 1u);
    struct stat st {};
    ASSERT_EQ(stat(QFile::encodeName(file).constData(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
}

// How often a notice was said, by the window's notices and its store's changes heard.
int times_said(const std::string& all, const std::string& words) {
    int n = 0;
    for (std::size_t at = 0; (at = all.find(words, at)) != std::string::npos; ++at) ++n;
    return n;
}

// Under a file-size limit (as a full disk): one record is said once, however long the window
// waits; its save files coming and going are no change of the store; the write is tried again
// after a while, and said no more.
TEST(AFullStore, IsSaidOnceForAChangeAndTriedAgainAfterAWhile) {
    QTemporaryDir dir;
    const QString file = dir.filePath("korru/notebook.txt");
    int pipe_ends[2];
    ASSERT_EQ(pipe(pipe_ends), 0);
    const pid_t child = fork();
    if (child == 0) {
        close(pipe_ends[0]);
        std::signal(SIGXFSZ, SIG_IGN);
        view::FileStore store(file);
        Window w;
        Session session(w, view::translated_utf8, &store);
        session.start(ScreenSize::from_pixels(1024, 768));
        session.load_notebook();
        const rlimit none{0, RLIM_INFINITY};
        setrlimit(RLIMIT_FSIZE, &none);
        std::string said = session.record().notice->text + "\n";
        int heard = 0;
        QObject::connect(&store, &view::FileStore::changed, [&] {
            ++heard;
            const Outcome out = session.store_changed();
            if (out.notice) said += out.notice->text + "\n";
        });
        QTest::qWait(1500);
        said += "heard " + std::to_string(heard) + " by 1.5 s\n";
        QTest::qWait(2500);
        said += "heard " + std::to_string(heard) + " by 4 s\n";
        said += std::to_string(session.unkept_rows()) + " unkept\n";
        [[maybe_unused]] const auto n = write(pipe_ends[1], said.data(), said.size());
        _exit(0);
    }
    close(pipe_ends[1]);
    std::string said;
    char buffer[4096];
    for (ssize_t n; (n = read(pipe_ends[0], buffer, sizeof buffer)) > 0;) said.append(buffer, n);
    close(pipe_ends[0]);
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_EQ(times_said(said, "がいっぱいのため"), 1) << said;
    EXPECT_NE(said.find("heard 0 by 1.5 s"), std::string::npos) << said;
    EXPECT_NE(said.find("heard 1 by 4 s"), std::string::npos) << said;
    EXPECT_NE(said.find("1 unkept"), std::string::npos) << said;
}

// Ending the window with a row not kept (a file stands where the notebook's folder should be)
// asks first: "stay" leaves the window as it was, the end button too; "quit" ends it.
class EndingWithRowsNotKept : public test::DataFolder, public test::ViewTest {
  protected:
    EndingWithRowsNotKept() : ViewTest(1024, 768, data.filePath("korru/notebook.txt")) {}

    // Answers the question, once asked, with the button `answer`; what it said.
    void answer_with(const char* answer) {
        QTimer::singleShot(0, [this, answer] {
            QMessageBox* box = nullptr;
            const QDeadlineTimer deadline(test::kPatience);
            while (!box && !deadline.hasExpired()) {
                box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                if (!box) QTest::qWait(10);
            }
            ASSERT_TRUE(box);
            asked = box->text();
            box->findChild<QPushButton*>(answer)->click();
        });
    }

    QString asked;
};

TEST_F(EndingWithRowsNotKept, AsksAndStaysOrEndsAsAnswered) {
    QFile in_the_way(data.filePath("korru"));
    ASSERT_TRUE(in_the_way.open(QIODevice::WriteOnly));
    in_the_way.close();
    QTest::keyClick(view.get(), Qt::Key_R);
    ASSERT_EQ(session.unkept_rows(), 1u);

    answer_with("stay");
    view->close();
    EXPECT_TRUE(asked.contains("1 行はまだ保存されていません。")) << asked.toStdString();
    EXPECT_TRUE(view->isVisible());
    EXPECT_FALSE(model.unloaded);

    asked.clear();
    answer_with("stay");
    widget<QPushButton>("owari")->click();
    EXPECT_FALSE(asked.isEmpty());
    EXPECT_TRUE(view->isVisible());
    EXPECT_FALSE(model.unloaded);

    answer_with("quit");
    widget<QPushButton>("owari")->click();
    EXPECT_FALSE(view->isVisible());
    EXPECT_TRUE(model.unloaded);
}

}  // namespace
}  // namespace korru
