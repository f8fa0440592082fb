// SPDX-License-Identifier: MIT
// Files written whole. The bytes go to the save file's descriptor directly, so that the reason
// of a failed write is the system's own (the toolkit's buffered write reports a short write as
// no error, and a failed flush at commit as success).
#include "view/file_write.h"

#include <unistd.h>

#include <QDir>
#include <QSaveFile>
#include <cerrno>

#include "view/language.h"

namespace korru::view {

namespace {

constexpr const char* kFull =
    QT_TRANSLATE_NOOP("korru", "空き容量が足りないか、ファイルの大きさの上限を超えます");
constexpr const char* kDenied = QT_TRANSLATE_NOOP("korru", "書き込みが許されていません");
constexpr const char* kReadOnly = QT_TRANSLATE_NOOP("korru", "読み取り専用の場所です");
constexpr const char* kNoFolder = QT_TRANSLATE_NOOP("korru", "そのフォルダーがありません");
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
            return {FileWrite::Outcome::full, translated(kFull)};
        case EACCES:
        case EPERM:
            return {FileWrite::Outcome::refused, translated(kDenied)};
        case EROFS:
            return {FileWrite::Outcome::refused, translated(kReadOnly)};
        case ENOENT:
        case ENOTDIR:
            return {FileWrite::Outcome::refused, translated(kNoFolder)};
        default:
            return {FileWrite::Outcome::refused, qt_error_string(error)};
    }
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

FileWrite write_whole(const QByteArray& bytes, const QString& file) {
    QSaveFile out(file);
    errno = 0;
    if (!out.open(QIODevice::WriteOnly)) {
        const int error = errno;
        return error ? failed(error) : FileWrite{FileWrite::Outcome::refused, out.errorString()};
    }
    if (const int error = write_all(out.handle(), bytes.constData(), bytes.size())) {
        out.cancelWriting();
        return failed(error);
    }
    if (!out.commit()) return {FileWrite::Outcome::refused, out.errorString()};
    return {};
}

QString not_written_text(const QString& file, const FileWrite& w) {
    return translated(kNotSaved).arg(QDir::toNativeSeparators(file), w.why) + QLatin1Char(' ') +
           translated(w.outcome == FileWrite::Outcome::full ? kMakeRoom : kElsewhere);
}

}  // namespace korru::view
