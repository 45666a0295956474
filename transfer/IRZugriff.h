#pragma once
// The infrared transfer through the helper program "zelnix.exe": the request "2zelnix.msg", the
// answer "irtrans.msg", the program in "exchg.dat", the attempts with their gauge, and the rules
// of the time and date boxes.
#include <QByteArray>
#include <QChar>
#include <QString>
#include <functional>
#include <optional>

namespace qv {

// The port the infrared head sits on: 1 = COM 1, 2 = COM 2.
int& IR_ComPort();

// The key filter of the boxes: digits pass, the separator unless the text already ends with it.
bool IR_Taste_erlaubt(QChar c, const QString& text, QChar trenner);

struct Uhrzeit {
  int Stunde = 0, Minute = 0, Sekunde = 0;
  QString text;  // hh:mm:ss
};
struct Datum {
  int Tag = 1, Monat = 1, Jahr = 0;  // Jahr two digits, 0..79
  QString text;                       // tt.mm.jj
};
Uhrzeit Normalisiere_Uhrzeit(const QString& eingabe);
Datum Normalisiere_Datum(const QString& eingabe);

enum class IRModus { Lesen = 0, Schreiben = 1, Stellen = 2 };
// The ten lines; zeitmodus, zeit and datum count only for setting the clock.
QByteArray Schreibe_IRAnfrage(IRModus modus, int irCom, const QString& zeitmodus, const Uhrzeit& zeit,
                              const Datum& datum);

// Writes the request "2zelnix.msg"; false (reported, the old file kept) when it cannot.
bool IR_Anfrage_schreiben(IRModus modus, int irCom, const QString& zeitmodus, const Uhrzeit& zeit,
                          const Datum& datum);

// Saves the program and copies its file to "exchg.dat"; false when nothing was saved.
bool IR_Austausch_vorbereiten();
// Copies the program's file, as it was saved or opened, to "exchg.dat"; false (reported) when it
// cannot be copied.
bool IR_Austausch_kopieren();

// The code "irtrans.msg" holds: its first value (up to a blank, a comma or a line end), rounded
// to a whole number; empty when the file holds no value yet.
std::optional<int> IR_Antwortcode(const QByteArray& roh);
// One OK: attempts until an answer decides or the gauge has passed 50. The gauge (0..100) is
// reported through anzeige. The user has been told the outcome; true on success.
bool IR_Uebertragung(IRModus modus, const std::function<void(int)>& anzeige);

}  // namespace qv
