#pragma once
// Every file the program writes goes through here: the bytes are written to a temporary file
// beside the target and renamed into place only when every write, the sync and the close were
// confirmed, so a failed write (a full disk, a quota, a file-size limit) leaves the old file as it
// was and says why. Every file it reads comes in here too: only a regular file (or a link to one)
// is opened, so a pipe or device never blocks or feeds it, and in bounded pieces.
#include <QByteArray>
#include <QString>

namespace qv {

// What a reader takes in at the most: a program file or device image holds a few dozen KB, the
// settings, text, brand, holiday and place files a few hundred lines.
constexpr qint64 kMaxProgramFileBytes = 256 * 1024;
constexpr qint64 kMaxTextFileBytes = 4 * 1024 * 1024;

// True on success; on failure *error (when given) holds the reason and the target is untouched.
// Only a regular file is replaced; a link is followed to its target and stays a link. A name that
// is, or leads to, a device, FIFO, socket or directory is refused, and so is a file the user may
// not write: one without any write bit (for root too) or one this user lacks the right to write.
// Any name the file system holds can be written: the temporary file has a short name of its own.
bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// The temporary file of a write is this prefix and six letters or digits, in the target's folder.
inline constexpr char kTempPrefix[] = ".qv";

// The file a write to path goes into: the name itself, or through links their last target. Empty
// (with *error) when that is there but no regular file: renaming over a device, FIFO, socket or
// directory would replace it (a run as root is allowed to), and opening a FIFO would block.
QString regularTarget(const QString& path, QString* error = nullptr);

// Appends to a file by writing it anew (old contents, copied in pieces, then bytes), with the same
// guarantee; a file of any length takes the append. Only a plain file (or none) is appended to.
bool appendFileAtomically(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// Reads a file whole; false (and *error) when it cannot be read, is no regular file (nor leads to
// one) or holds more than maxBytes.
bool readWholeFile(const QString& path, QByteArray* bytes, QString* error = nullptr,
                   qint64 maxBytes = kMaxTextFileBytes);

// Reads at most count bytes from the start of a file, with readWholeFile's checks; count 0 only
// tells whether the file can be opened for reading.
bool readFileStart(const QString& path, qint64 count, QByteArray* bytes, QString* error = nullptr);

// The reason readWholeFile gives for an input longer than its bound.
QString tooLargeReason();

// Failures that root and a full disk cause but a test cannot make on demand: the next atomic
// write fails at the given step (Commit: after the temporary file was written whole), then
// writes work again.
enum class WriteFault { None, Open, Write, Commit };
void injectWriteFault(WriteFault fault);

}  // namespace qv
