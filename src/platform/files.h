#pragma once

// Reading and writing whole files, with failures told in French naming the file.

#include "document/outcome.h"

#include <QByteArray>
#include <QString>

namespace qel {

// "ACTION « PATH » : REASON", e.g. "Impossible d'écrire « a.bmp » : Permission non accordée".
QString fileErrorMessage(const QString& action, const QString& path, const QString& reason);

// The failure of a write whose content could not be made.
Outcome writeFailure(const QString& path, const QString& reason);

// Reads the whole file; a file larger than maxBytes is refused before it is read.
Outcome readWholeFile(const QString& path, qint64 maxBytes, QByteArray& bytes);

// Replaces the file at path with bytes through a temporary file in the same folder, so that a
// failure never destroys a file that was already there. A file that exists and is read-only is
// left alone and reported. `action` begins the message of a failure.
Outcome writeFileAtomically(const QString& path, const QByteArray& bytes,
                            const QString& action = QStringLiteral("Impossible d'écrire"));

} // namespace qel
