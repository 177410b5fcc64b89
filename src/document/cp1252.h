#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace qel {

// Drawings are Windows-1252 text. The five byte values the code page leaves undefined are read
// as the matching C1 control characters, so every byte survives a read and a write unchanged.
QString fromCp1252(QByteArrayView bytes);
// A character the code page cannot hold is written as "?".
QByteArray toCp1252(const QString& text);

} // namespace qel
