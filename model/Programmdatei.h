#pragma once
// The program file (".qvl"): the device image in stored order as decimal values, a fixed number
// of values per line, then the usage text and sixteen channel names, Windows-1252 with CR LF.
#include <QByteArray>
#include <QString>
#include <array>

#include "model/Abbild.h"

namespace qv {

// The file's lines for an image of 2048 or 8192 bytes. Each value is written as a blank, its
// digits and a blank; an empty channel name is written as "C<k> :".
QByteArray Schreibe_Zeilen(const TAbbild& stored, const QString& verwendung,
                           const std::array<QString, 16>& kanalnamen);

// Saves program slot 0 under program().Dateiname[0]: asks before saving an empty program (unless
// LeerBestaetigt), refuses rule 4 without a table, encodes, writes atomically. 1 = written,
// 0 = nothing written (cancelled, refused, or the file could not be written, which is reported).
// The records end in display order in every case but the cancelled question.
int SchreibeProgrammDatei();

}  // namespace qv
