#include "platform/files.h"

#include "platform/systemerror.h"

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

Outcome failure(const QString& action, const QString& path, int error) {
    return Outcome::failed(fileErrorMessage(action, path, systemErrorText(error)));
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

QString fileErrorMessage(const QString& action, const QString& path, const QString& reason) {
    return QStringLiteral("%1 « %2 » : %3").arg(action, QDir::toNativeSeparators(path), reason);
}

Outcome writeFailure(const QString& path, const QString& reason) {
    return Outcome::failed(fileErrorMessage(QStringLiteral("Impossible d'écrire"), path, reason));
}

Outcome readWholeFile(const QString& path, qint64 maxBytes, QByteArray& bytes) {
    const QString action = QStringLiteral("Impossible d'ouvrir");
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly)) return failure(action, path, errno ? errno : ENOENT);
    if (file.size() > maxBytes)
        return Outcome::failed(
            fileErrorMessage(action, path, QStringLiteral("fichier trop volumineux")));
    errno = 0;
    bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return failure(QStringLiteral("Impossible de lire"), path, errno ? errno : EIO);
    return Outcome::done();
}

Outcome writeFileAtomically(const QString& path, const QByteArray& bytes, const QString& action,
                            Durability durability) {
    return writeFileAtomically(
        path, [&](const ByteSink& sink, QString&) { return sink(bytes.constData(), bytes.size()); },
        action, durability);
}

Outcome writeFileAtomically(const QString& path,
                            const std::function<bool(const ByteSink&, QString& failure)>& produce,
                            const QString& action, Durability durability) {
    auto failure = [&](int error) { return qel::failure(action, path, error); };
    if (path.isEmpty()) return failure(ENOENT);
    const QByteArray target = QFile::encodeName(path);
    struct stat existing {};
    const bool exists = ::stat(target.constData(), &existing) == 0;
    if (exists) {
        if (S_ISDIR(existing.st_mode)) return failure(EISDIR);
        // A read-only file stays read-only, even for a user the system would let replace it.
        const bool writable = ::geteuid() == 0
                                  ? (existing.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0
                                  : ::access(target.constData(), W_OK) == 0;
        if (!writable) return failure(EACCES);
    }

    // The temporary file lives beside the target so that the rename cannot cross file systems.
    QByteArray temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = target + ".tmp" + QByteArray::number(qint64(::getpid())) + "-" +
               QByteArray::number(attempt);
        fd = ::open(temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) return failure(errno);
    }
    if (fd < 0) return failure(EEXIST);
    if (exists) ::fchmod(fd, existing.st_mode & 07777);

    int error = 0;
    QString unmade;
    const ByteSink sink = [&](const char* data, qint64 size) {
        if (!error && !writeAll(fd, data, size)) error = errno ? errno : EIO;
        return error == 0;
    };
    const bool made = produce(sink, unmade);
    if (made && !error && durability == Durability::Synced && ::fsync(fd) != 0)
        error = errno ? errno : EIO;
    if (::close(fd) != 0 && !error) error = errno;
    if (made && !error && ::rename(temp.constData(), target.constData()) != 0) error = errno;
    if (!made || error) {
        ::unlink(temp.constData());
        return made ? failure(error) : writeFailure(path, unmade);
    }
    if (durability == Durability::Cached) return Outcome::done();
    // Make the rename itself durable.
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int dir = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return Outcome::done();
}

} // namespace qel
