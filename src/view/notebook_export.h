// SPDX-License-Identifier: MIT
// `korru --export-notebook FILE`: the kept notebook as the CSV its window saves, written without
// a window, so that a teacher can collect the notebooks of a room's machines. It only reads the
// kept file: a damaged one gives the rows that can be read, and is left as it is.
#pragma once

#include <QString>
#include <ostream>

namespace korru::view {

// Writes the CSV where `file` says ("-": standard output), as write_where_asked does; a line on
// `err`, in the user's language, for a notebook read only in part, or for what failed. Returns
// the exit status: 0 written, 1 not read or not written. Needs a QCoreApplication, for the
// catalogue of the user's language.
int export_notebook(const QString& file, std::ostream& err);

}  // namespace korru::view
