#include "platform/files.h"

#include "platform/systemerror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qel {

namespace {

Outcome failure(const QString& action, const QString& path, int error) {
    return Outcome::failed(fileErrorMessage(action, path, systemErrorText(error)));
}

} // namespace

QString fileErrorMessage(const QString& action, const QString& path, const QString& reason) {
    return QStringLiteral("%1 « %2 » : %3").arg(action, QDir::toNativeSeparators(path), reason);
}

Outcome writeFailure(const QString& path, const QString& reason) {
    return Outcome::failed(fileErrorMessage(QStringLiteral("Impossible d'écrire"), path, reason));
}

Outcome readWholeFile(const QString& path, qint64 maxBytes, QByteArray& bytes) {
    bytes.clear();
    return readFileInPieces(path, maxBytes, 1, [&bytes](int, QByteArrayView piece) {
        bytes.append(piece.data(), piece.size());
    });
}

Outcome readFileInPieces(const QString& path, qint64 maxBytes, int passes,
                         const std::function<void(int, QByteArrayView)>& take) {
    constexpr qint64 kPiece = 1 << 20;
    const QString action = QStringLiteral("Impossible d'ouvrir");
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly)) return failure(action, path, errno ? errno : ENOENT);
    if (file.size() > maxBytes)
        return Outcome::failed(
            fileErrorMessage(action, path, QStringLiteral("fichier trop volumineux")));
    QByteArray piece(kPiece, Qt::Uninitialized);
    for (int pass = 0; pass < passes; ++pass) {
        if (pass > 0 && !file.seek(0))
            return failure(QStringLiteral("Impossible de lire"), path, EIO);
        qint64 total = 0;
        for (;;) {
            errno = 0;
            const qint64 n = file.read(piece.data(), kPiece);
            if (n < 0)
                return failure(QStringLiteral("Impossible de lire"), path, errno ? errno : EIO);
            if (n == 0) break;
            total += n;
            // A file that grows while it is read is refused as well.
            if (total > maxBytes)
                return Outcome::failed(
                    fileErrorMessage(action, path, QStringLiteral("fichier trop volumineux")));
            take(pass, QByteArrayView(piece.constData(), n));
        }
    }
    return Outcome::done();
}

namespace {

// A writer's temporary name beside its target: hidden, and carrying the writer's process id so
// that a later save can tell a leftover of a dead process from a save still running.
QByteArray temporaryName(const QByteArray& name, pid_t pid, int attempt) {
    return "." + name + ".tmp-" + QByteArray::number(qint64(pid)) + "-" +
           QByteArray::number(attempt);
}

// Removes the temporary files that writers of this target killed at the wrong moment left.
void removeLeftovers(int dir, const QByteArray& name) {
    const int scan = ::openat(dir, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (scan < 0) return;
    DIR* listing = ::fdopendir(scan);
    if (!listing) {
        ::close(scan);
        return;
    }
    const QByteArray prefix = "." + name + ".tmp-";
    while (const dirent* entry = ::readdir(listing)) {
        const QByteArray entryName(entry->d_name);
        if (!entryName.startsWith(prefix)) continue;
        const QList<QByteArray> parts = entryName.mid(prefix.size()).split('-');
        bool pidOk = false, attemptOk = false;
        const qint64 pid = parts.size() == 2 ? parts[0].toLongLong(&pidOk) : 0;
        if (parts.size() == 2) parts[1].toInt(&attemptOk);
        if (!pidOk || !attemptOk || pid <= 0) continue;
        if (::kill(pid_t(pid), 0) == 0 || errno != ESRCH) continue; // its writer may still run
        ::unlinkat(dir, entry->d_name, 0);
    }
    ::closedir(listing);
}

// Holds back, in this thread, every signal that can be held while the file is being put into
// place: an interrupt or a terminate request handled here then lands before the temporary name
// exists or after it is gone. Only a kill that cannot be held (or lands on another thread) can
// still fall between the two system calls, and the next save of the same file sweeps that up.
class SignalsHeld {
public:
    SignalsHeld() {
        sigset_t all;
        ::sigfillset(&all);
        ::pthread_sigmask(SIG_BLOCK, &all, &saved_);
    }
    ~SignalsHeld() { ::pthread_sigmask(SIG_SETMASK, &saved_, nullptr); }
    SignalsHeld(const SignalsHeld&) = delete;
    SignalsHeld& operator=(const SignalsHeld&) = delete;

private:
    sigset_t saved_;
};

// Gives the unnamed file `fd` the name `name` in `dir`.
int linkUnnamed(int fd, int dir, const QByteArray& name) {
    const QByteArray proc = "/proc/self/fd/" + QByteArray::number(fd);
    if (::linkat(AT_FDCWD, proc.constData(), dir, name.constData(), AT_SYMLINK_FOLLOW) == 0)
        return 0;
    if (errno == EEXIST) return EEXIST;
    // Without /proc, only a privileged process may link by descriptor.
    if (::linkat(fd, "", dir, name.constData(), AT_EMPTY_PATH) == 0) return 0;
    return errno;
}

// Why the unnamed way cannot be taken: the system or the file system does not offer it.
bool unnamedUnsupported(int error) {
    return error == EOPNOTSUPP || error == EISDIR || error == EINVAL || error == ENOENT ||
           error == EPERM || error == EXDEV || error == ENOSYS;
}

struct Target {
    QByteArray name; // the file name inside its folder
    int dir = -1;
    bool exists = false;
    mode_t mode = 0;
};

enum class Way { Unnamed, Named };

// Answers 0 or an error number; -1 when the unnamed way turned out to be unsupported before
// anything reached the folder.
int writeOnce(const Target& target, const ByteProducer& produce, Way way, Durability durability) {
    const pid_t pid = ::getpid();
    QByteArray temp;
    int fd = -1;
    if (way == Way::Unnamed) {
        fd = ::openat(target.dir, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
        if (fd < 0) return unnamedUnsupported(errno) ? -1 : errno;
    } else {
        for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
            temp = temporaryName(target.name, pid, attempt);
            fd = ::openat(target.dir, temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                          0666);
            if (fd < 0 && errno != EEXIST) return errno;
        }
        if (fd < 0) return EEXIST;
    }
    if (target.exists) ::fchmod(fd, target.mode);

    int error = 0;
    const ByteSink sink = [&](QByteArrayView bytes) {
        const char* data = bytes.data();
        qsizetype size = bytes.size();
        while (size > 0 && !error) {
            const ssize_t n = ::write(fd, data, size_t(size));
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0)
                error = n < 0 ? errno : EIO;
            else {
                data += n;
                size -= n;
            }
        }
        return error == 0;
    };
    if (!produce(sink) && !error) error = EIO;
    if (!error && durability == Durability::Synced && ::fsync(fd) != 0) error = errno;

    if (!error) {
        SignalsHeld held;
        if (way == Way::Unnamed) {
            // A new file is linked straight under its name; an existing one cannot be replaced
            // by a link, so the file gets a temporary name for the moment of the rename.
            int linked = target.exists ? EEXIST : linkUnnamed(fd, target.dir, target.name);
            if (linked == EEXIST) {
                for (int attempt = 0; attempt < 100; ++attempt) {
                    temp = temporaryName(target.name, pid, attempt);
                    linked = linkUnnamed(fd, target.dir, temp);
                    if (linked != EEXIST) break;
                }
                if (!linked && ::renameat(target.dir, temp.constData(), target.dir,
                                          target.name.constData()) != 0) {
                    linked = errno;
                    ::unlinkat(target.dir, temp.constData(), 0);
                }
            }
            if (linked && unnamedUnsupported(linked)) {
                ::close(fd);
                return -1;
            }
            error = linked;
        } else if (::renameat(target.dir, temp.constData(), target.dir, target.name.constData()) !=
                   0) {
            error = errno;
        }
    }
    if (::close(fd) != 0 && !error) error = errno;
    if (error && way == Way::Named) ::unlinkat(target.dir, temp.constData(), 0);
    // Make the new name itself durable.
    if (!error && durability == Durability::Synced) ::fsync(target.dir);
    return error;
}

Outcome writeAtomically(const QString& path, const ByteProducer& produce, const QString& action,
                        bool unnamedAllowed, Durability durability) {
    auto failure = [&](int error) { return qel::failure(action, path, error); };
    if (path.isEmpty()) return failure(ENOENT);
    const QByteArray encoded = QFile::encodeName(path);
    struct stat existing {};
    Target target;
    target.exists = ::stat(encoded.constData(), &existing) == 0;
    if (target.exists) {
        if (S_ISDIR(existing.st_mode)) return failure(EISDIR);
        // A read-only file stays read-only, even for a user the system would let replace it.
        const bool writable = ::geteuid() == 0
                                  ? (existing.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0
                                  : ::access(encoded.constData(), W_OK) == 0;
        if (!writable) return failure(EACCES);
        target.mode = existing.st_mode & 07777;
    }
    const QFileInfo info(path);
    target.name = QFile::encodeName(info.fileName());
    if (target.name.isEmpty()) return failure(EISDIR);
    // The temporary file lives in the target's folder so that the rename cannot cross file
    // systems.
    target.dir = ::open(QFile::encodeName(info.absolutePath()).constData(),
                        O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (target.dir < 0) return failure(errno);
    removeLeftovers(target.dir, target.name);
    int error = unnamedAllowed ? writeOnce(target, produce, Way::Unnamed, durability) : -1;
    if (error == -1) error = writeOnce(target, produce, Way::Named, durability);
    ::close(target.dir);
    return error ? failure(error) : Outcome::done();
}

} // namespace

Outcome writeFileAtomically(const QString& path, const QByteArray& bytes, const QString& action,
                            Durability durability) {
    return writeFileAtomically(
        path, [&](const ByteSink& sink) { return sink(bytes); }, action, durability);
}

Outcome writeFileAtomically(const QString& path, const ByteProducer& produce, const QString& action,
                            Durability durability) {
    return writeAtomically(path, produce, action, true, durability);
}

Outcome writeThroughNamedTemporary(const QString& path, const QByteArray& bytes) {
    return writeAtomically(
        path, [&](const ByteSink& sink) { return sink(bytes); },
        QStringLiteral("Impossible d'écrire"), false, Durability::Synced);
}

} // namespace qel
