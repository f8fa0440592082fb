// SPDX-License-Identifier: MIT
// The kept notebook's file: read, written, set aside, held, watched.
#include "view/file_store.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <thread>

#include "lesson/notebook.h"
#include "view/file_write.h"
#include "view/language.h"

namespace korru::view {

namespace {

// How long the file is left to settle before a change is told.
constexpr int kSettleMs = 50;
// How long a change waits for another window's to be made, and after how long a lock file left
// by a window that ended without taking it away is taken over (one whose process is gone, at
// once).
constexpr int kHoldWaitMs = 20000;
constexpr int kStaleLockMs = 30000;
// A failed write is tried again after this, then after twice as long each time, up to a minute.
constexpr int kFirstAgainMs = 2000;
constexpr int kLastAgainMs = 64000;

constexpr const char* kBusy =
    QT_TRANSLATE_NOOP("korru", "別のウィンドウが測定ノートを保存し続けています");
constexpr const char* kNotAFile = QT_TRANSLATE_NOOP("korru", "普通のファイルではありません");
constexpr const char* kDiskOf = QT_TRANSLATE_NOOP("korru", "%1 のあるディスク");

// A name beside `file` that nothing has yet: notebook-unreadable-20260301-101500.txt.
QString aside_name(const QString& file) {
    const QFileInfo info(file);
    const QString stem = info.completeBaseName() + QStringLiteral("-unreadable-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString name = info.dir().filePath(stem + QStringLiteral(".txt"));
    for (int n = 2; QFileInfo::exists(name); ++n) {
        name = info.dir().filePath(stem + QLatin1Char('-') + QString::number(n) +
                                   QStringLiteral(".txt"));
    }
    return name;
}

std::string native(const QString& file) {
    return QDir::toNativeSeparators(file).toStdString();
}

}  // namespace

QString kept_notebook_file() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("notebook.txt"));
}

FileStore::FileStore(const QString& file, QObject* parent)
    : QObject(parent), file_(QFileInfo(file).absoluteFilePath()) {
    settle_.setSingleShot(true);
    settle_.setInterval(kSettleMs);
    connect(&settle_, &QTimer::timeout, this, &FileStore::settled);
    again_.setSingleShot(true);
    again_ms_ = kFirstAgainMs;
    connect(&again_, &QTimer::timeout, this, &FileStore::changed);
    const auto changing = [this] {
        watch();
        settle_.start();
    };
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, changing);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, changing);
    watch();
}

// The file where it is, and the nearest folder on its way that is: the save file replaces the
// file (a new one, no longer watched), and the folder may be made only by a later write.
void FileStore::watch() {
    QStringList paths;
    if (QFileInfo::exists(file_)) paths << file_;
    for (QString folder = QFileInfo(file_).absolutePath();;) {
        if (QFileInfo(folder).isDir()) {
            paths << folder;
            break;
        }
        const QString up = QFileInfo(folder).absolutePath();
        if (up == folder) break;
        folder = up;
    }
    const QStringList watched = watcher_.files() + watcher_.directories();
    for (const QString& gone : watched) {
        if (!paths.contains(gone)) watcher_.removePath(gone);
    }
    for (const QString& path : paths) {
        if (!watched.contains(path)) watcher_.addPath(path);
    }
}

FileStore::Identity FileStore::identity_of(const struct stat& st) {
    return {static_cast<long long>(st.st_dev),
            static_cast<long long>(st.st_ino),
            static_cast<long long>(st.st_size),
            st.st_mtim.tv_sec,
            st.st_mtim.tv_nsec,
            st.st_ctim.tv_sec,
            st.st_ctim.tv_nsec};
}

FileStore::Identity FileStore::identity() const {
    struct stat st {};
    if (::stat(QFile::encodeName(file_).constData(), &st) != 0) return {};
    return identity_of(st);
}

void FileStore::settled() {
    watch();
    const Identity now = identity();
    if (now == known_) return;
    known_ = now;
    Q_EMIT changed();
}

void FileStore::wrote(bool kept) {
    if (kept) {
        again_.stop();
        again_ms_ = kFirstAgainMs;
        return;
    }
    if (again_.isActive()) return;
    again_.start(again_ms_);
    again_ms_ = std::min(again_ms_ * 2, kLastAgainMs);
}

StoreHold FileStore::hold() {
    QDir().mkpath(QFileInfo(file_).absolutePath());
    lock_ = std::make_unique<QLockFile>(file_ + QStringLiteral(".lock"));
    lock_->setStaleLockTime(kStaleLockMs);
    // Asked for again every few milliseconds, not after ever longer sleeps as the toolkit's
    // wait does, so that windows recording at once take turns rather than starve one another.
    const QDeadlineTimer deadline(kHoldWaitMs);
    for (int pause_ms = 1;; pause_ms = std::min(pause_ms * 2, 16)) {
        if (lock_->tryLock(0)) return {};
        if (lock_->error() != QLockFile::LockFailedError) {
            lock_.reset();
            return {};  // no lock can be made there, nor a notebook: the write says why
        }
        if (deadline.hasExpired()) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(pause_ms));
    }
    lock_.reset();
    wrote(false);
    return {StoreHold::State::busy, translated(kBusy).toStdString()};
}

void FileStore::release() {
    lock_.reset();
}

// Opened without waiting, so that a named pipe in the file's place blocks nothing, and read only
// where it is a plain file.
StoreRead FileStore::read() {
    const auto unreadable = [](int error, const QString& why = {}) {
        return StoreRead{StoreRead::State::unreadable,
                         {},
                         (why.isEmpty() ? file_error_reason(error, false) : why).toStdString()};
    };
    const int fd = ::open(QFile::encodeName(file_).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        if (error == ENOENT || error == ENOTDIR) {
            known_ = {};
            return {};
        }
        return unreadable(error);
    }
    struct stat st {};
    int error = ::fstat(fd, &st) != 0 ? errno : 0;
    std::string text;
    if (error == 0 && S_ISDIR(st.st_mode)) error = EISDIR;
    if (error == 0 && !S_ISREG(st.st_mode)) {
        ::close(fd);
        return unreadable(0, translated(kNotAFile));
    }
    if (error == 0) {
        known_ = identity_of(st);
        // As far as the largest notebook read: a larger one reads as cut short.
        text.resize(
            std::min<std::size_t>(static_cast<std::size_t>(st.st_size) + 1, kLargestStored));
        std::size_t got = 0;
        while (got < text.size()) {
            const ssize_t n = ::read(fd, text.data() + got, text.size() - got);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) {
                error = errno;
                break;
            }
            if (n == 0) break;
            got += static_cast<std::size_t>(n);
            // A file that grew while read: on, as far as the largest.
            if (got == text.size() && text.size() < kLargestStored) {
                text.resize(std::min(text.size() * 2, kLargestStored));
            }
        }
        text.resize(got);
    }
    ::close(fd);
    if (error != 0) return unreadable(error);
    return {StoreRead::State::text, std::move(text), {}};
}

StoreWrite FileStore::write(const std::string& text) {
    QDir().mkpath(QFileInfo(file_).absolutePath());  // where it fails, the write says why
    const FileWrite w = write_whole(QByteArray::fromStdString(text), file_);
    watch();
    wrote(w.written());
    switch (w.outcome) {
        case FileWrite::Outcome::written:
            known_ = identity();
            return {};
        case FileWrite::Outcome::full:
            // A full disk is said as the disk; a size limit as the file.
            return {StoreWrite::Outcome::full,
                    w.error == ENOSPC || w.error == EDQUOT
                        ? translated(kDiskOf).arg(QString::fromStdString(where())).toStdString()
                        : std::string()};
        case FileWrite::Outcome::refused:
            break;
    }
    return {StoreWrite::Outcome::refused, w.why.toStdString()};
}

std::optional<std::string> FileStore::set_aside() {
    const QString aside = aside_name(file_);
    if (!QFile::rename(file_, aside)) return std::nullopt;
    return native(aside);
}

std::string FileStore::where() const {
    return native(file_);
}

}  // namespace korru::view
