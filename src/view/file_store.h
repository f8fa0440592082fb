// SPDX-License-Identifier: MIT
// Where the desktop keeps the notebook: a text file in the program's data folder, read whole,
// written whole (write_whole), set aside beside itself where it cannot be read, held against
// every other korru by a lock file beside it while a change is made, and watched, so that a
// second window of the same user hears of the first one's rows. A write that failed is tried
// again on a timer that backs off. How it is kept and merged is the lesson's (NotebookKeeper).
#pragma once

#include <QFileSystemWatcher>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <QTimer>
#include <array>
#include <memory>

#include "lesson/store.h"

struct stat;

namespace korru::view {

// notebook.txt in the program's data folder (under XDG_DATA_HOME on Linux).
QString kept_notebook_file();

class FileStore : public QObject, public Store {
    Q_OBJECT

  public:
    explicit FileStore(const QString& file, QObject* parent = nullptr);

    StoreHold hold() override;
    void release() override;
    StoreRead read() override;
    StoreWrite write(const std::string& text) override;
    std::optional<std::string> set_aside() override;
    std::string where() const override;

  Q_SIGNALS:
    // The file has changed, by another window (a lock or a save file coming and going beside it
    // is no change); or a write that failed is to be tried again. Told once for a burst.
    void changed();

  private:
    // The file as the system knows it (device, inode, size, times): a new one is a change.
    using Identity = std::array<long long, 7>;
    Identity identity() const;
    static Identity identity_of(const struct stat& st);
    void watch();
    void settled();
    void wrote(bool kept);

    QString file_;
    QFileSystemWatcher watcher_;
    QTimer settle_;  // a save file is made, written and renamed: one change, not three
    Identity known_{};
    std::unique_ptr<QLockFile> lock_;
    QTimer again_;  // a write that failed, tried again
    int again_ms_ = 0;
};

}  // namespace korru::view
