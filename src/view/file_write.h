// SPDX-License-Identifier: MIT
// Every file the program writes — the kept notebook, a CSV, a picture — whole or not at all: into
// a save file, every byte known to be on the disk before it takes the file's place, and the
// folder synced after, so that the new name lasts a power cut. A full disk or a size limit is
// told apart from any other refusal, each said in the window's words.
#pragma once

#include <QByteArray>
#include <QString>

namespace korru::view {

struct FileWrite {
    enum class Outcome { written, full, refused };
    Outcome outcome = Outcome::written;
    QString why;    // in the window's words, where it was not written
    int error = 0;  // the system's error number, where it gave one

    bool written() const { return outcome == Outcome::written; }
};

// Why a file could not be written (or read), from the system's error number, in the window's
// words: the common reasons said plainly, any other (or none known: 0) with the system's own
// words inside, `system` where there is no number.
QString file_error_reason(int error, bool writing, const QString& system = {});

// Writes `bytes` to `file`, replacing it only once all of them are on the disk; anything but
// written leaves the file as it was.
FileWrite write_whole(const QByteArray& bytes, const QString& file);

// Writes `bytes` where a command line asks: a plain file as write_whole does, while a pipe, a
// terminal, a device or an open descriptor (/dev/fd/N, /dev/stdout) is written in place and never
// replaced; a folder, or a file that may not be written, is refused with the system's reason.
FileWrite write_where_asked(const QByteArray& bytes, const QString& file);

// Writes `bytes` to an open descriptor (standard output), every one of them.
FileWrite write_to(int fd, const QByteArray& bytes);

// A message box's words on a file not written: where, why, and what to do about it.
QString not_written_text(const QString& file, const FileWrite& failed);

}  // namespace korru::view
