#pragma once

// Whole files written and read back by the tests.

#include <QByteArray>
#include <QFile>
#include <QString>

namespace qel::testing {

// Writes a whole file; false when it cannot be written.
inline bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// A whole file, empty when it cannot be read.
inline QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace qel::testing
