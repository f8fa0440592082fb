// SPDX-License-Identifier: MIT
// Where the desktop keeps the notebook: a text file in the program's data folder, read whole,
// written whole (write_whole), set aside beside itself where it cannot be read, and watched, so
// that a second window of the same user hears of the first one's rows. How it is kept and merged
// is the lesson's (NotebookKeeper).
#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

#include "lesson/store.h"

namespace korru::view {

// notebook.txt in the program's data folder (under XDG_DATA_HOME on Linux).
QString kept_notebook_file();

class FileStore : public QObject, public Store {
    Q_OBJECT

  public:
    explicit FileStore(const QString& file, QObject* parent = nullptr);

    StoreRead read() override;
    StoreWrite write(const std::string& text) override;
    std::optional<std::string> set_aside() override;
    std::string where() const override;

  Q_SIGNALS:
    // The file has changed, by this program or another; told once for a burst of changes.
    void changed();

  private:
    void watch();

    QString file_;
    QFileSystemWatcher watcher_;
    QTimer settle_;  // a save file is made, written and renamed: one change, not three
};

}  // namespace korru::view
