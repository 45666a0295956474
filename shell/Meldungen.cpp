#include "shell/Meldungen.h"

#include "model/AtomicFile.h"
#include "model/Zustand.h"
#include "shell/Texte.h"

namespace qv {
namespace {

struct Zeile {
  Meldung m;
  const char* deutsch;
  const char* englisch;
  const char* franzoesisch;
};

constexpr Zeile kTabelle[] = {
    {Meldung::DateiZuGross, "Datei zu groß !", "File too large !", "Fichier trop volumineux !"},
};

}  // namespace

QString meldung(Meldung m) {
  for (const Zeile& z : kTabelle) {
    if (z.m != m) continue;
    switch (settings().Sprache) {
      case 1: return QString::fromUtf8(z.deutsch);
      case 3: return QString::fromUtf8(z.franzoesisch);
      default: return QString::fromUtf8(z.englisch);
    }
  }
  return {};
}

QString Dateifehler_Text(const QString& grund) {
  return grund == tooLargeReason() ? meldung(Meldung::DateiZuGross) : texts().S_DateiNicht;
}

}  // namespace qv
