// SPDX-License-Identifier: MIT
// The kept notebook's file: read, written, set aside, watched.
#include "view/file_store.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <cerrno>

#include "lesson/notebook.h"
#include "view/file_write.h"
#include "view/language.h"

namespace korru::view {

namespace {

// How long the file is left to settle before a change is told.
constexpr int kSettleMs = 50;

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
    connect(&settle_, &QTimer::timeout, this, &FileStore::changed);
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

StoreRead FileStore::read() {
    QFile in(file_);
    if (!in.exists()) return {};
    const auto unreadable = [this, &in] {
        // The toolkit refuses a folder itself, with no number of the system's.
        int error = errno;
        if (error == 0 && QFileInfo(file_).isDir()) error = EISDIR;
        return StoreRead{StoreRead::State::unreadable,
                         {},
                         file_error_reason(error, false, in.errorString()).toStdString()};
    };
    errno = 0;
    if (!in.open(QIODevice::ReadOnly)) return unreadable();
    // A byte more than a notebook can be, so that a larger file reads as damaged.
    errno = 0;
    const QByteArray text = in.read(static_cast<qint64>(kLargestStored) + 1);
    if (in.error() != QFileDevice::NoError) return unreadable();
    return {StoreRead::State::text, text.toStdString(), {}};
}

StoreWrite FileStore::write(const std::string& text) {
    QDir().mkpath(QFileInfo(file_).absolutePath());  // where it fails, the write says why
    const FileWrite w = write_whole(QByteArray::fromStdString(text), file_);
    watch();
    switch (w.outcome) {
        case FileWrite::Outcome::written:
            return {};
        case FileWrite::Outcome::full:
            return {StoreWrite::Outcome::full, w.why.toStdString()};
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
