#pragma once
// The files the memory-key transfer exchanges with its helper program and the adapter: the
// request "quorvel.msg", the answer "card.msg", the image "card.dat" and the log lines of
// "rsproto.txt". Lines end with CR LF.
#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace qv {

// A whole number as it is printed to a text file: a blank for the sign (or "-"), the digits,
// a trailing blank (" 4 ").
QString Druckzahl(int wert);

struct Anfrage {
  QString richtung;  // "s" write the key, "l" read it
  int Lpt = 0, Delay = 0, Delay2 = 0, Sprache = 0;
  QString datei;     // line 6: the program file (serial) or the exchange copy (parallel)
};
QByteArray Schreibe_Anfrage(const Anfrage& a);
// Line 6 is taken whole, so a name with commas or blanks stays as it was written.
std::optional<Anfrage> Lies_Anfrage(const QByteArray& bytes);

// "card.msg": code and address; empty when the file holds no two whole numbers or the code lies
// outside the 16-bit range. Lines may end with CR LF, LF or CR.
struct Kartenantwort {
  int code = 0;
  long long adresse = 0;
};
std::optional<Kartenantwort> Lies_Kartenantwort(const QByteArray& bytes);
// The message of an answer code, "" for the codes that need none.
QString Kartenantwort_Text(const Kartenantwort& a, int lpt);

// "card.dat": bytes 0..3 on one line, 20 lines of 5, then lines of 6.
QByteArray Schreibe_Kartendatei(const std::vector<uint8_t>& abbild);

// One log line: every byte as " " and upper-case hex without leading zero.
QByteArray Protokollzeile(const QByteArray& bytes);

// The characters after the last "\" or "/".
QString DateinameOhnePfad(const QString& pfad);

}  // namespace qv
