#include "document/drawingfile.h"

#include "document/cp1252.h"
#include "document/record.h"
#include "document/systemerror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

namespace qel {

namespace {

// Far more than any drawing (a full one is a few megabytes); refuses absurd inputs up front
// instead of exhausting memory.
constexpr qint64 kMaxFileSize = 512LL * 1024 * 1024;

QString systemReason(const QFileDevice& file) {
    switch (file.error()) {
    case QFileDevice::OpenError:
    case QFileDevice::WriteError:
    case QFileDevice::ReadError:
    case QFileDevice::PermissionsError:
    case QFileDevice::RenameError:
    case QFileDevice::ResizeError:
        if (errno != 0) return QString::fromLocal8Bit(std::strerror(errno));
        break;
    default:
        break;
    }
    return file.errorString();
}

} // namespace

QString fileErrorMessage(const QString& action, const QString& path, const QString& reason) {
    return QStringLiteral("%1 « %2 » : %3").arg(action, QDir::toNativeSeparators(path), reason);
}

QStringList splitLines(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n') continue;
        lines.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n') ++i;
        start = i + 1;
    }
    if (start < n) lines.append(text.mid(start));
    return lines;
}

std::optional<QSize> parseHeaderLine(const QString& line) {
    const auto w = parseHex(QStringView(line).left(3));
    const auto h = parseHex(QStringView(line).mid(3, 3));
    if (!w || !h || line.size() < 6 || *w <= 0 || *h <= 0) return std::nullopt;
    return QSize(*w, *h);
}

LoadedDrawing loadDrawingFile(const QString& path) {
    LoadedDrawing out;
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly)) {
        out.result.error =
            fileErrorMessage(QStringLiteral("Impossible d'ouvrir"), path, systemReason(file));
        return out;
    }
    if (file.size() > kMaxFileSize) {
        out.result.error = fileErrorMessage(QStringLiteral("Impossible d'ouvrir"), path,
                                            QStringLiteral("fichier trop volumineux"));
        return out;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        out.result.error =
            fileErrorMessage(QStringLiteral("Impossible de lire"), path, systemReason(file));
        return out;
    }
    out.lines = splitLines(fromCp1252(bytes));
    out.droppedLines = Verifie(out.lines);
    if (!out.lines.isEmpty()) out.pageSize = parseHeaderLine(out.lines.first());
    out.result.ok = true;
    return out;
}

FileResult saveDrawingFile(const QString& path, const QStringList& lines) {
    FileResult out;
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += toCp1252(line);
        bytes += "\r\n";
    }
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        out.error =
            fileErrorMessage(QStringLiteral("Impossible d'enregistrer"), path, systemReason(file));
        file.cancelWriting();
        return out;
    }
    out.ok = true;
    return out;
}

} // namespace qel
