#pragma once

// Reading and writing whole files, with failures told in French naming the file.

#include "document/outcome.h"

#include <QByteArray>
#include <QString>
#include <functional>

namespace qel {

// "ACTION « PATH » : REASON", e.g. "Impossible d'écrire « a.bmp » : Permission non accordée".
QString fileErrorMessage(const QString& action, const QString& path, const QString& reason);

// The failure of a write whose content could not be made.
Outcome writeFailure(const QString& path, const QString& reason);

// Reads the whole file; a file larger than maxBytes is refused before it is read.
Outcome readWholeFile(const QString& path, qint64 maxBytes, QByteArray& bytes);

// Whether a replaced file is on the disk before it takes the old one's place (a drawing), or
// left to the system's own writing (a picture of a drawing, which can be made again): the wait
// for the disk can be longer than making the picture.
enum class Durability { Synced, Cached };

// Appends bytes to the file being written; answers false once writing failed.
using ByteSink = std::function<bool(const char* data, qint64 size)>;

// Replaces the file at path with bytes through a temporary file in the same folder, so that a
// failure never destroys a file that was already there. A file that exists and is read-only is
// left alone and reported. `action` begins the message of a failure.
Outcome writeFileAtomically(const QString& path, const QByteArray& bytes,
                            const QString& action = QStringLiteral("Impossible d'écrire"),
                            Durability durability = Durability::Synced);
// The same with the content made piece by piece: `produce` hands every piece to the sink and
// answers false when it could not make the content (its reason then in `failure`).
Outcome writeFileAtomically(const QString& path,
                            const std::function<bool(const ByteSink&, QString& failure)>& produce,
                            const QString& action, Durability durability);

} // namespace qel
