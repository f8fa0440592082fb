// SPDX-License-Identifier: MIT
// The kept notebook exported as CSV.
#include "view/notebook_export.h"

#include "lesson/notebook.h"
#include "view/file_store.h"
#include "view/file_write.h"
#include "view/language.h"

namespace korru::view {

int export_notebook(const QString& file, std::ostream& out, std::ostream& err) {
    use_system_language();
    FileStore store(kept_notebook_file());
    const StoreRead read = store.read();
    if (read.state == StoreRead::State::unreadable) {
        err << "korru: cannot read the notebook " << store.where() << ": " << read.why << "\n";
        return 1;
    }
    const StoredNotebook stored = read_stored(read.text);
    if (stored.damaged) {
        err << "korru: part of the notebook " << store.where() << " cannot be read; exporting the "
            << stored.notebook.rows().size() << " rows that can\n";
    }
    const std::string csv = stored.notebook.csv(translated_utf8);
    if (file == QStringLiteral("-")) {
        out << csv << std::flush;
        if (out) return 0;
        err << "korru: cannot write the notebook to standard output\n";
        return 1;
    }
    const FileWrite written = write_whole(QByteArray::fromStdString(csv), file);
    if (written.written()) return 0;
    err << "korru: " << not_written_text(file, written).toStdString() << "\n";
    return 1;
}

}  // namespace korru::view
