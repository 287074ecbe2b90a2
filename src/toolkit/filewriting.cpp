// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/filewriting.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tandem {

namespace {

struct Ownership {
    bool known = false;
    bool severalLinks = false;
#ifdef Q_OS_UNIX
    uid_t owner = 0;
    gid_t group = 0;
#endif
};

Ownership OwnershipOf(const QString& path) {
    Ownership result;
#ifdef Q_OS_UNIX
    struct stat status {};
    const QByteArray name = QFile::encodeName(QFileInfo(path).canonicalFilePath());
    if (name.isEmpty() || stat(name.constData(), &status) != 0)
        return result;
    result.known = true;
    result.severalLinks = status.st_nlink > 1;
    result.owner = status.st_uid;
    result.group = status.st_gid;
#else
    Q_UNUSED(path);
#endif
    return result;
}

// The new file belongs to whoever saved it; give it back to the old file's owner and group
// where the process may (a group it is a member of, any owner as the superuser).
void RestoreOwnership(const QString& path, const Ownership& old) {
#ifdef Q_OS_UNIX
    if (!old.known)
        return;
    const QByteArray name = QFile::encodeName(path);
    // Not allowed to give the owner back: the group alone, which its members may set.
    if (chown(name.constData(), old.owner, old.group) != 0 &&
        chown(name.constData(), uid_t(-1), old.group) != 0)
        return;
#else
    Q_UNUSED(path);
    Q_UNUSED(old);
#endif
}

bool WriteInPlace(const QString& path, const std::string& bytes, QString* reason) {
    QFile file(path);
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                         file.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size()) &&
                         file.flush();
    if (!written && reason)
        *reason = file.errorString();
    return written;
}

} // namespace

bool WriteFileBytes(const QString& path, const std::string& bytes, QString* reason) {
    const Ownership old = OwnershipOf(path);
    if (old.severalLinks)
        return WriteInPlace(path, bytes, reason);
    QSaveFile file(path);
    // No new file can be made in a folder the user may not write to: write the file itself.
    file.setDirectWriteFallback(true);
    const bool written = file.open(QIODevice::WriteOnly) &&
                         file.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size()) &&
                         file.commit();
    if (!written) {
        if (reason)
            *reason = file.errorString();
        return false;
    }
    RestoreOwnership(QFileInfo(path).canonicalFilePath(), old);
    return true;
}

} // namespace tandem
