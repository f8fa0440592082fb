// SPDX-License-Identifier: MIT
// Reading, setting aside and writing the kept notebook.
#include "view/kept_notebook.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "view/language.h"
#include "view/worksheet.h"

namespace korru::view {

namespace {

constexpr const char* kNotRead = QT_TRANSLATE_NOOP(
    "korru", "保存された測定ノート %1 が読めません (%2)。今回は測定ノートを保存しません。");
constexpr const char* kNotSetAside = QT_TRANSLATE_NOOP(
    "korru",
    "保存された測定ノート %1 は読めず、別の名前にもできません。今回は測定ノートを保存しません。");
constexpr const char* kSetAside = QT_TRANSLATE_NOOP(
    "korru", "保存された測定ノート %1 は読めないため、%2 として残し、新しい測定ノートを始めます。");

// Far more than any class records (a row is about 60 bytes); a bigger file is no notebook.
constexpr qint64 kLargestKept = 16 * 1024 * 1024;

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

QString shown(const QString& file) {
    return QDir::toNativeSeparators(file);
}

}  // namespace

QString kept_notebook_file() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("notebook.txt"));
}

KeptNotebook read_kept_notebook(const QString& file) {
    KeptNotebook kept;
    QFile in(file);
    if (!in.exists()) return kept;
    if (in.size() <= kLargestKept) {  // a larger one is no notebook: set aside
        if (!in.open(QIODevice::ReadOnly)) {
            kept.keepable = false;
            kept.message = translated(kNotRead).arg(shown(file), in.errorString());
            return kept;
        }
        const QByteArray text = in.readAll();
        in.close();
        auto read = read_stored(std::string_view(text.data(), text.size()));
        if (!read.damaged) {
            kept.notebook = std::move(read.notebook);
            return kept;
        }
    }
    const QString aside = aside_name(file);
    if (!QFile::rename(file, aside)) {
        kept.keepable = false;
        kept.message = translated(kNotSetAside).arg(shown(file));
        return kept;
    }
    kept.message = translated(kSetAside).arg(shown(file), shown(aside));
    return kept;
}

bool keep_notebook(const Notebook& notebook, const QString& file, QString& error) {
    QDir().mkpath(QFileInfo(file).absolutePath());  // where it fails, the save file says why
    return save_bytes(QByteArray::fromStdString(notebook.stored()), file, error);
}

}  // namespace korru::view
