#pragma once
// What the bus window does, without the window: the range fields' check, the search for the
// brand's clocks, and reading, programming and restoring one clock, each with the clock's own
// application saved, replaced for the transfer and put back. One operation at a time.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>

#include "transfer/EibVerbindung.h"

namespace qv {

// A range field after a change: the number it shows, and whether it was out of range (beep).
// Negative numbers are out of range as well.
struct Feldwert {
  QString text;
  bool beep = false;
};
Feldwert Pruefe_Bereichsfeld(const QString& text, int grenze, const QString& ersatz);

class Buszugriff {
 public:
  explicit Buszugriff(EibTreiber* treiber);
  BusSitzung& sitzung() { return s_; }
  bool laeuft() const { return laeuft_; }

  // The window's side: the restore button's visibility and the busy state of its commands.
  std::function<void(bool)> aufWiederherstellen;
  std::function<void(bool)> aufBeschaeftigt;

  // The addresses "a.l.d" of the brand's clocks between von and bis (von <= bis).
  QStringList Suche(int bereich, int linie, int von, int bis);
  // 0 = done; non-zero = refused or failed (the user has been told).
  int Programmieren(const QString& adresse);
  int Lesen(const QString& adresse);
  int Wiederherstellen(const QString& adresse);
  // The window closes: slot 0 sorted and shown.
  void Schliessen();

 private:
  enum class Richtung { Schreiben, Lesen };
  int transfer(const QString& adresse, Richtung r);
  void wiederherstellSichtbar(bool an);

  BusSitzung s_;
  bool laeuft_ = false;
};

}  // namespace qv
