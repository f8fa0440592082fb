// SPDX-License-Identifier: MIT
// The notebook kept across runs: a small text file in the program's data folder, written whole
// after every change through a save file, so that a run cut short while writing loses nothing
// kept before. A file that is not a notebook is set aside under a new name, never overwritten.
#pragma once

#include <QString>

#include "lesson/notebook.h"

namespace korru::view {

struct KeptNotebook {
    Notebook notebook;     // empty where there was none to read
    QString message;       // one line on a file set aside or not read; empty when all is well
    bool keepable = true;  // false: the file could be neither read nor set aside, and is left
                           // as it is, so this run keeps nothing there
};

// notebook.txt in the program's data folder (under XDG_DATA_HOME on Linux).
QString kept_notebook_file();

KeptNotebook read_kept_notebook(const QString& file);

// Writes the notebook to `file`, making its folder where needed. On failure returns false, says
// why in `error`, and leaves the file as it was.
bool keep_notebook(const Notebook& notebook, const QString& file, QString& error);

}  // namespace korru::view
