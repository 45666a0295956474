#pragma once
// File-name services: saving under the current or a newly chosen name, the first free default
// name, the extension test, the existence test and the plain-ASCII test for names.
#include <QString>
#include <optional>

namespace qv {

// Saves program slot 0: at once when it has a name, else through the Save dialog (".qvl"
// appended to a name without extension, non-ASCII names refused, an existing file only after
// the overwrite question). 1 = saved; 0 = nothing saved. A cancelled dialog keeps the old name.
int Datei_sichern();

// The Save dialog part of it, shared with Save as and the frame's save button: titel is the
// dialog's caption; leerMelden reports a cancelled dialog with S_KeineDatei.
int Speichern_mit_Dialog(const QString& titel, bool leerMelden);

// S_SzTab & N & ".qvl" for the first N in 1..998 that names no file in the current directory;
// "" (after a message) when all are taken.
QString Freier_Dateiname();

// Length of the name's extension plus one (1..4) when its file part has a "." among its last
// four characters, else 0. A "." in a folder name is never taken for one.
int Endung_Pos(const QString& name);

// 1 = the file exists and can be opened, 0 = there is no such file; empty after any other
// failure (a folder, a FIFO, device or socket, an unreadable file), which is reported in a
// message box.
std::optional<int> Datei_existiert(const QString& name);

// True when every character is below code 128; true for "".
bool NurAsciiZeichen(const QString& text);

}  // namespace qv
