// SPDX-License-Identifier: MIT
// The kept notebook exported as CSV.
#include "view/notebook_export.h"

#include <unistd.h>

#include "lesson/notebook.h"
#include "view/file_store.h"
#include "view/file_write.h"
#include "view/language.h"

namespace korru::view {

namespace {

constexpr const char* kNotRead = QT_TRANSLATE_NOOP("korru", "測定ノート %1 を読めません (%2)。");
constexpr const char* kPartRead =
    QT_TRANSLATE_NOOP("korru", "測定ノート %1 の一部が読めません。読めた %2 行を書き出します。");
constexpr const char* kStandardOutput = QT_TRANSLATE_NOOP("korru", "標準出力");

}  // namespace

int export_notebook(const QString& file, std::ostream& err) {
    use_system_language();
    FileStore store(kept_notebook_file());
    const StoreRead read = store.read();
    const QString where = QString::fromStdString(store.where());
    if (read.state == StoreRead::State::unreadable) {
        err << "korru: "
            << translated(kNotRead).arg(where, QString::fromStdString(read.why)).toStdString()
            << "\n";
        return 1;
    }
    const StoredNotebook stored = read_stored(read.text);
    if (stored.damaged) {
        err << "korru: "
            << translated(kPartRead)
                   .arg(where, QString::number(stored.notebook.rows().size()))
                   .toStdString()
            << "\n";
    }
    const QByteArray csv = QByteArray::fromStdString(stored.notebook.csv(translated_utf8));
    const bool standard = file == QStringLiteral("-");
    const FileWrite written =
        standard ? write_to(STDOUT_FILENO, csv) : write_where_asked(csv, file);
    if (written.written()) return 0;
    err << "korru: "
        << not_written_text(standard ? translated(kStandardOutput) : file, written).toStdString()
        << "\n";
    return 1;
}

}  // namespace korru::view
