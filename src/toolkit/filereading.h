// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a file into a pane safely: only regular files are read, opening never waits on a
// pipe or device, and a file bigger than the program may hold is refused before it is read.
// What was read is stamped, so a later write can tell whether another program changed the file.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace tandem {

// What a file held when it was read: its size, modification time and a hash of its bytes.
struct FileStamp {
    qint64 size = -1; // -1: no file was read
    QDateTime modified;
    QByteArray hash;
    bool operator==(const FileStamp&) const = default;
};

struct FileRead {
    bool read = false;
    QByteArray bytes;
    QString reason; // why it was not read, for the user
    FileStamp stamp;
};

// The largest file a pane takes: a sixteenth of the machine's memory (a pane, the comparison
// and its colours hold several times the file's size), never more than 512 MiB.
qint64 FileSizeLimit();

// Reads the file at path whole, or says why not: not there, not a regular file (a folder, a
// named pipe, a device, a socket), larger than limit, or unreadable. Never reads past limit.
FileRead ReadRegularFile(const QString& path, qint64 limit = FileSizeLimit());

// The stamp of what the file holds now; size -1 when it cannot be read.
FileStamp CurrentStamp(const QString& path);

FileStamp StampOf(const QByteArray& bytes, const QDateTime& modified);

} // namespace tandem
