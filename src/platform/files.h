#pragma once

// Reading and writing whole files, with failures told in French naming the file.

#include "document/outcome.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <functional>

namespace qel {

// "ACTION « PATH » : REASON", e.g. "Impossible d'écrire « a.bmp » : Permission non accordée".
QString fileErrorMessage(const QString& action, const QString& path, const QString& reason);

// The failure of a write whose content could not be made.
Outcome writeFailure(const QString& path, const QString& reason);

// Reads the whole file; a file larger than maxBytes is refused before it is read.
Outcome readWholeFile(const QString& path, qint64 maxBytes, QByteArray& bytes);

// Reads the file from start to end `passes` times, handing each piece to `take` with the number
// of the pass (from 0): a large file is then never held whole. A file larger than maxBytes is
// refused before it is read.
Outcome readFileInPieces(const QString& path, qint64 maxBytes, int passes,
                         const std::function<void(int pass, QByteArrayView piece)>& take);

// Takes the next piece of a file being written; answers false once writing has failed.
using ByteSink = std::function<bool(QByteArrayView)>;
// Hands the whole content to the sink, piece by piece; answers false when it cannot.
using ByteProducer = std::function<bool(const ByteSink&)>;

// Whether a replaced file reaches the disk before it is given its name (a drawing), or is left to
// the system's own writing (a picture of a drawing, which can be made again: the wait for the
// disk can be longer than making the picture).
enum class Durability { Synced, Cached };

// Replaces the file at path with bytes so that, whenever the process stops, the folder holds the
// previous file or the complete new one and nothing else: the content is written into an unnamed
// file in the target's folder, synced, then given its name (a new file is linked straight under
// it; an existing one is replaced by a rename from a hidden name, with signals held) and the
// folder is synced. A file that exists and is read-only is left alone and reported; a replaced
// file keeps its permissions. `action` begins the message of a failure.
Outcome writeFileAtomically(const QString& path, const QByteArray& bytes,
                            const QString& action = QStringLiteral("Impossible d'écrire"),
                            Durability durability = Durability::Synced);
// The same for a content produced piece by piece, which then never exists whole in memory.
Outcome writeFileAtomically(const QString& path, const ByteProducer& produce,
                            const QString& action = QStringLiteral("Impossible d'écrire"),
                            Durability durability = Durability::Synced);

// The way taken where the file system has no unnamed files: a hidden named temporary file,
// renamed into place. One that a killed writer leaves is removed by the next save of the same
// target.
Outcome writeThroughNamedTemporary(const QString& path, const QByteArray& bytes);

} // namespace qel
