#include "platform/imagewriters.h"

#include "document/systemerror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qel {

namespace {

WriteResult failure(const QString& path, int error) {
    return writeFailure(path, systemErrorText(error));
}

bool writeAll(int fd, const char* data, qint64 size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size_t(size));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        data += n;
        size -= n;
    }
    return true;
}

} // namespace

WriteResult writeFailure(const QString& path, const QString& reason) {
    return {false, QStringLiteral("Impossible d'écrire « %1 » : %2")
                       .arg(QDir::toNativeSeparators(path), reason)};
}

WriteResult writeFileAtomically(const QString& path, const QByteArray& bytes) {
    if (path.isEmpty()) return failure(path, ENOENT);
    const QByteArray target = QFile::encodeName(path);
    struct stat existing {};
    const bool exists = ::stat(target.constData(), &existing) == 0;
    if (exists) {
        if (S_ISDIR(existing.st_mode)) return failure(path, EISDIR);
        // A read-only file stays read-only, even for a user the system would let replace it.
        const bool writable = ::geteuid() == 0
                                  ? (existing.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0
                                  : ::access(target.constData(), W_OK) == 0;
        if (!writable) return failure(path, EACCES);
    }

    // The temporary file lives beside the target so that the rename cannot cross file systems.
    QByteArray temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = target + ".tmp" + QByteArray::number(qint64(::getpid())) + "-" +
               QByteArray::number(attempt);
        fd = ::open(temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) return failure(path, errno);
    }
    if (fd < 0) return failure(path, EEXIST);
    if (exists) ::fchmod(fd, existing.st_mode & 07777);

    int error = 0;
    if (!writeAll(fd, bytes.constData(), bytes.size()) || ::fsync(fd) != 0)
        error = errno ? errno : EIO;
    if (::close(fd) != 0 && !error) error = errno;
    if (!error && ::rename(temp.constData(), target.constData()) != 0) error = errno;
    if (error) {
        ::unlink(temp.constData());
        return failure(path, error);
    }
    // Make the rename itself durable.
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int dir = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return {true, {}};
}

} // namespace qel
