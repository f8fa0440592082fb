// SPDX-License-Identifier: MIT
// Files written whole. The bytes go to the save file's descriptor directly, so that the reason
// of a failed write is the system's own (the toolkit's buffered write reports a short write as
// no error, and a failed flush at commit as success).
#include "view/file_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>

#include "view/language.h"

namespace korru::view {

namespace {

constexpr const char* kFull =
    QT_TRANSLATE_NOOP("korru", "空き容量が足りないか、ファイルの大きさの上限を超えます");
constexpr const char* kDenied = QT_TRANSLATE_NOOP("korru", "書き込みが許されていません");
constexpr const char* kReadDenied = QT_TRANSLATE_NOOP("korru", "読むことが許されていません");
constexpr const char* kReadOnly = QT_TRANSLATE_NOOP("korru", "読み取り専用の場所です");
constexpr const char* kNoFolder = QT_TRANSLATE_NOOP("korru", "そのフォルダーがありません");
constexpr const char* kFolder = QT_TRANSLATE_NOOP("korru", "ファイルではなくフォルダーです");
constexpr const char* kDisk = QT_TRANSLATE_NOOP("korru", "ディスクが読み書きに失敗しました");
constexpr const char* kLongName = QT_TRANSLATE_NOOP("korru", "名前が長すぎます");
constexpr const char* kBusy = QT_TRANSLATE_NOOP("korru", "開いているファイルが多すぎます");
// Any other reason: the system's own words, which may be English, inside the window's.
constexpr const char* kOther = QT_TRANSLATE_NOOP("korru", "システムが拒みました: %1");
constexpr const char* kNotSaved = QT_TRANSLATE_NOOP("korru", "%1 に保存できませんでした (%2)。");
constexpr const char* kMakeRoom =
    QT_TRANSLATE_NOOP("korru", "空きを作ってから、もう一度保存してください。");
constexpr const char* kElsewhere =
    QT_TRANSLATE_NOOP("korru", "別の場所を選んで、もう一度保存してください。");

FileWrite failed(int error) {
    switch (error) {
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            return {FileWrite::Outcome::full, translated(kFull), error};
        default:
            return {FileWrite::Outcome::refused, file_error_reason(error, true), error};
    }
}

// The new name on the disk too: a rename is the folder's change. A file system that cannot sync
// a folder has nothing more to do.
void sync_folder(const QString& file) {
    const int fd = ::open(QFile::encodeName(QFileInfo(file).absolutePath()).constData(),
                          O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// Every byte to the descriptor; the system's error where one did not go.
int write_all(int fd, const char* data, qsizetype size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, static_cast<size_t>(size));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return errno;
        if (n == 0) return EIO;
        data += n;
        size -= n;
    }
    // On the disk, not only in the system's cache: a file system that allocates late says it is
    // full only now. One that cannot sync this kind of file has nothing to say.
    if (::fsync(fd) != 0 && errno != EINVAL && errno != EROFS) return errno;
    return 0;
}

}  // namespace

QString file_error_reason(int error, bool writing, const QString& system) {
    switch (error) {
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            return translated(kFull);
        case EACCES:
        case EPERM:
            return translated(writing ? kDenied : kReadDenied);
        case EROFS:
            return translated(kReadOnly);
        case ENOENT:
        case ENOTDIR:
            return translated(kNoFolder);
        case EISDIR:
            return translated(kFolder);
        case EIO:
            return translated(kDisk);
        case ENAMETOOLONG:
            return translated(kLongName);
        case EMFILE:
        case ENFILE:
            return translated(kBusy);
        case 0:
            return translated(kOther).arg(system);
        default:
            return translated(kOther).arg(qt_error_string(error));
    }
}

FileWrite write_whole(const QByteArray& bytes, const QString& file) {
    QSaveFile out(file);
    errno = 0;
    if (!out.open(QIODevice::WriteOnly)) {
        const int error = errno;
        return error ? failed(error)
                     : FileWrite{FileWrite::Outcome::refused,
                                 file_error_reason(0, true, out.errorString())};
    }
    if (const int error = write_all(out.handle(), bytes.constData(), bytes.size())) {
        out.cancelWriting();
        return failed(error);
    }
    errno = 0;
    if (!out.commit()) {
        const int error = errno;  // the rename's, where it was the rename that failed
        return error ? failed(error)
                     : FileWrite{FileWrite::Outcome::refused,
                                 file_error_reason(0, true, out.errorString())};
    }
    sync_folder(file);
    return {};
}

FileWrite write_to(int fd, const QByteArray& bytes) {
    const int error = write_all(fd, bytes.constData(), bytes.size());
    return error ? failed(error) : FileWrite{};
}

FileWrite write_where_asked(const QByteArray& bytes, const QString& file) {
    const QByteArray path = QFile::encodeName(file);
    struct stat st {};
    if (::stat(path.constData(), &st) != 0) return write_whole(bytes, file);
    if (S_ISDIR(st.st_mode)) return failed(EISDIR);
    const bool descriptor = file.startsWith(QStringLiteral("/dev/fd/")) ||
                            file.startsWith(QStringLiteral("/proc/self/fd/")) ||
                            file == QStringLiteral("/dev/stdout") ||
                            file == QStringLiteral("/dev/stderr");
    const bool plain = S_ISREG(st.st_mode);
    // A plain file behind a descriptor is the shell's: what it holds so far stays.
    const int fd = ::open(path.constData(), O_WRONLY | O_CLOEXEC | (plain ? O_APPEND : 0));
    if (fd < 0) return failed(errno);
    if (plain && !descriptor) {
        ::close(fd);  // it may be written: it is replaced whole
        return write_whole(bytes, file);
    }
    FileWrite w = write_to(fd, bytes);
    if (::close(fd) != 0 && w.written()) w = failed(errno);
    return w;
}

QString not_written_text(const QString& file, const FileWrite& w) {
    return translated(kNotSaved).arg(QDir::toNativeSeparators(file), w.why) + QLatin1Char(' ') +
           translated(w.outcome == FileWrite::Outcome::full ? kMakeRoom : kElsewhere);
}

}  // namespace korru::view
