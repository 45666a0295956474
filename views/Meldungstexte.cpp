#include "views/Meldungstexte.h"

#include <array>
#include <cerrno>

#include "model/AtomicFile.h"
#include "model/Texte.h"
#include "model/Zustand.h"

namespace qv {
namespace {

struct Uebersetzung {
  const char* deutsch;
  const char* englisch;
  const char* franzoesisch;
};

// In the order of Meldungstext.
constexpr std::array<Uebersetzung, 6> kTexte{{
    {"Der Drucker kann nicht benutzt werden.", "The printer cannot be used.",
     "L'imprimante ne peut pas \xc3\xaatre utilis\xc3\xa9" "e."},
    {"Die Datei %1 kann nicht geschrieben werden.%2", "The file %1 cannot be written.%2",
     "Impossible d'\xc3\xa9" "crire le fichier %1.%2"},
    {"Die Hilfedatei %1 ist nicht vorhanden.", "The help file %1 was not found.",
     "Le fichier d'aide %1 est introuvable."},
    {"Datei zu gro\xc3\x9f !", "File too large !", "Fichier trop volumineux !"},
    {"Ohne die Feiertage zu speichern beenden ?", "End without saving the holidays ?",
     "Quitter sans enregistrer les jours f\xc3\xa9ri\xc3\xa9s ?"},
    {"Ohne die Feiertage zu speichern neu beginnen ?", "Start anew without saving the holidays ?",
     "Recommencer sans enregistrer les jours f\xc3\xa9ri\xc3\xa9s ?"},
}};

}  // namespace

QString Meldung(Meldungstext m) {
  const Uebersetzung& u = kTexte[static_cast<size_t>(m)];
  switch (settings().Sprache) {
    case 1: return QString::fromUtf8(u.deutsch);
    case 3: return QString::fromUtf8(u.franzoesisch);
    default: return QString::fromUtf8(u.englisch);
  }
}

QString Datei_nicht_schreibbar(const QString& datei, const QString& grund) {
  return Meldung(Meldungstext::DateiNichtSchreibbar).arg(datei, grund.isEmpty() ? QString() : u' ' + grund);
}

QString Dateifehler_Text(const QString& grund) {
  if (grund == tooLargeReason()) return Meldung(Meldungstext::DateiZuGross);
  // Only a file that is not there is "not there"; one that is refused says why.
  if (grund.isEmpty() || grund == qt_error_string(ENOENT)) return texts().S_DateiNicht;
  return grund;
}

}  // namespace qv
