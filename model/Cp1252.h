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
QChar charOf(unsigned char code);

}  // namespace qv::cp1252
