#pragma once
// The program's text files are Windows-1252 ("ANSI") with CR LF line ends.
#include <QByteArray>
#include <QString>

namespace qv::cp1252 {

QString decode(const QByteArray& bytes);
// Characters without a Windows-1252 code become '?'.
QByteArray encode(const QString& text);
// One character's code, or -1 when it has none.
int codeOf(QChar c);
// A character a text box may take for a file: one with a code, and no control character.
bool storable(QChar c);
// The text as a file gives it back: what has no code reads as '?'.
QString stored(const QString& text);
QChar charOf(unsigned char code);

}  // namespace qv::cp1252
