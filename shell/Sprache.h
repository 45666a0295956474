#pragma once
// The UI language: the three built-in languages fill every text global (texts()) from the text
// table, and a fourth comes from a user text file ("speech.txt", made from a user's "*.ln1").
//
// The user text file: 422 lines of Windows-1252 text with CR LF, one value per line: line 1 the
// holiday file name, line 2 the place file name, then the texts in table order, S_Feiertage2 at
// lines 368 and 378 (the later one wins). A value may be enclosed in double quotes (a doubled quote
// inside stands for one) and is then taken whole; an unquoted value loses its leading and trailing
// blanks, which is why reading puts the blanks of 42 joined texts back when they come unquoted.
#include <QByteArray>
#include <QString>
#include <vector>

#include "model/Texte.h"

namespace qv {

inline constexpr char kSprachdatei[] = "speech.txt";
inline constexpr int kSprachdateiZeilen = 422;
inline constexpr int kSprachdateiWiederholung = 378;  // repeats the global of line 368

inline constexpr char kVersion[] = "Version  2.1 V1.5";
inline constexpr char kHilfedateiDeutsch[] = "Quorve2D.hlp";
inline constexpr char kHilfedateiEnglisch[] = "Quorve2E.hlp";
inline constexpr char kHilfedateiFranzoesisch[] = "Quorve2F.hlp";
inline constexpr char kHilfedateiSprachdatei[] = "Quorve2e.hlp";

void Setze_Version();

// Each sets the version, help file, FtDatei, OrtDatei and every text of its language, with the
// memory-chip wording for brand group 5 (German and English) and the menu texts that carry the
// product title. French leaves S_KopiSoWi and S_JahrPlus1 as they are.
void Setze_TexteDeutsch();
void Setze_TexteEnglisch();
void Setze_TexteFranzoesisch();

// A text global in the language settings().Sprache names, also while texts() does not hold that
// language yet (the start-up window before its OK): for the user text file the text in effect,
// English while there is none.
QString Sprachtext(QString Texts::*member);

// Reads a user text file whole. Only a complete file is taken over (with the help file
// "Quorve2e.hlp" and the version); a missing, unreadable or short file leaves every text as it was
// and returns false with *error holding the program's message, in the language chosen, for the
// user.
bool Lies_Sprachdatei(const QString& datei, QString* error = nullptr);

// Writes the 422 current values in one step; on failure the old file stays and *error says why.
bool Schreib_Sprachdatei(const QString& datei, QString* error = nullptr);

// s without every character equal to zeichen; a zeichen of any other length than one removes
// nothing.
QString Entferne_Zeichen(const QString& s, const QString& zeichen);

// The 422 globals in file order (S_Feiertage2 twice).
const std::vector<QString Texts::*>& sprachdateiZeilen();

// The file's bytes for the given texts. A value is quoted when an unquoted line would not give it
// back as it stands: it holds a comma, starts with a double quote, has an outer blank, or is one
// of the 42 joined texts; every text then reads back unchanged.
QByteArray sprachdateiBytes(const Texts& t);

// Reads a file's bytes into *t when all 422 lines are there (then the blanks are put back);
// otherwise *t is untouched and *error names the file as no valid one.
bool leseSprachdatei(const QByteArray& bytes, Texts* t, QString* error = nullptr,
                     const QString& fileName = QString::fromLatin1(kSprachdatei));

}  // namespace qv
