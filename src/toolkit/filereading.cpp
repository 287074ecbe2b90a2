// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/filereading.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <algorithm>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tandem {

namespace {

// The share of the machine's memory one file may take, as a divisor.
constexpr qint64 kMemoryShare = 16;
// The most a pane takes whatever the memory: Scintilla counts positions in int.
constexpr qint64 kMostFileBytes = qint64(512) * 1024 * 1024;
// Used where the machine's memory cannot be asked.
constexpr qint64 kAssumedMemory = qint64(4) * 1024 * 1024 * 1024;
// Bytes read at a time, so a file growing while it is read never overshoots the limit much.
constexpr qint64 kReadChunk = qint64(1) << 20;

QString SizeText(qint64 bytes) {
    return QLocale::c().formattedDataSize(bytes, 0, QLocale::DataSizeTraditionalFormat);
}

QString TooLarge(qint64 limit) {
    return QStringLiteral("it is larger than %1, the most this program reads").arg(SizeText(limit));
}

// Why a path that exists is not a regular file.
QString KindReason(const QFileInfo& info) {
    if (info.isDir())
        return QStringLiteral("it is a folder");
    return QStringLiteral("it is not a regular file (a named pipe, a device or a socket)");
}

qint64 MachineMemory() {
#ifdef Q_OS_UNIX
    const long pages = sysconf(_SC_PHYS_PAGES);
    const long pageSize = sysconf(_SC_PAGESIZE);
    if (pages > 0 && pageSize > 0)
        return qint64(pages) * qint64(pageSize);
#endif
    return kAssumedMemory;
}

#ifdef Q_OS_UNIX
// Opening without waiting: a named pipe with no writer would block a plain open.
FileRead ReadDescriptor(const QString& path, qint64 limit) {
    FileRead result;
    const QByteArray name = QFile::encodeName(path);
    const int descriptor = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) {
        result.reason = QString::fromLocal8Bit(std::strerror(errno));
        return result;
    }
    struct stat status {};
    if (fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(descriptor);
        result.reason = KindReason(QFileInfo(path));
        return result;
    }
    if (status.st_size > limit) {
        ::close(descriptor);
        result.reason = TooLarge(limit);
        return result;
    }
    QFile file;
    if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        result.reason = file.errorString();
        return result;
    }
    result.bytes.reserve(qsizetype(status.st_size));
    for (;;) {
        const QByteArray chunk = file.read(std::min(kReadChunk, limit + 1 - result.bytes.size()));
        if (chunk.isEmpty())
            break;
        result.bytes += chunk;
        if (result.bytes.size() > limit) {
            result.bytes.clear();
            result.reason = TooLarge(limit);
            return result;
        }
    }
    if (file.error() != QFileDevice::NoError) {
        result.bytes.clear();
        result.reason = file.errorString();
        return result;
    }
    result.read = true;
    return result;
}
#else
FileRead ReadDescriptor(const QString& path, qint64 limit) {
    FileRead result;
    QFile file(path);
    if (file.size() > limit) {
        result.reason = TooLarge(limit);
        return result;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        result.reason = file.errorString();
        return result;
    }
    result.bytes = file.read(limit + 1);
    if (result.bytes.size() > limit) {
        result.bytes.clear();
        result.reason = TooLarge(limit);
        return result;
    }
    result.read = file.error() == QFileDevice::NoError;
    if (!result.read)
        result.reason = file.errorString();
    return result;
}
#endif

} // namespace

qint64 FileSizeLimit() {
    return std::min(MachineMemory() / kMemoryShare, kMostFileBytes);
}

FileStamp StampOf(const QByteArray& bytes, const QDateTime& modified) {
    return FileStamp{bytes.size(), modified,
                     QCryptographicHash::hash(bytes, QCryptographicHash::Sha256)};
}

FileRead ReadRegularFile(const QString& path, qint64 limit) {
    const QFileInfo info(path);
    FileRead result;
    if (!info.exists()) {
        result.reason = QStringLiteral("it does not exist");
        return result;
    }
    // Checked before opening too, where no open can wait on a pipe or a device.
    if (!info.isFile()) {
        result.reason = KindReason(info);
        return result;
    }
    if (info.size() > limit) {
        result.reason = TooLarge(limit);
        return result;
    }
    const QDateTime modified = info.lastModified();
    result = ReadDescriptor(path, limit);
    if (result.read)
        result.stamp = StampOf(result.bytes, modified);
    return result;
}

FileStamp CurrentStamp(const QString& path) {
    const FileRead now = ReadRegularFile(path);
    return now.read ? now.stamp : FileStamp{};
}

} // namespace tandem
