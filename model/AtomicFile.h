#pragma once
// Every file the program writes goes through here: the bytes are written to a temporary file
// beside the target and renamed into place, so a failed write leaves the old file as it was.
#include <QByteArray>
#include <QString>

namespace qv {

// True on success; on failure *error (when given) holds the reason and the target is untouched.
bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// Appends to a file by rewriting it whole (old contents + bytes), with the same guarantee.
bool appendFileAtomically(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// Reads a file whole; false (and *error) when it cannot be read.
bool readWholeFile(const QString& path, QByteArray* bytes, QString* error = nullptr);

}  // namespace qv
