#include "views/Befehle.h"

#include <algorithm>
#include <functional>
#include <vector>

#include "model/Ansicht.h"
#include "model/Automatikeinstellung.h"
#include "model/Dateinamen.h"
#include "model/Environment.h"
#include "model/Feiertage.h"
#include "model/Hooks.h"
#include "model/Marke.h"
#include "model/Programmdatei.h"
#include "model/Programmwechsel.h"
#include "model/Satz.h"
#include "model/Sortierung.h"
#include "model/Texte.h"
#include "model/Zustand.h"
#include "views/Anzeigeliste.h"
#include "views/Kopfanzeige.h"
#include "views/Meldungstexte.h"
#include "views/Rahmenzustand.h"
#include "views/Zellaenderung.h"

namespace qv {
namespace {

const QString kDateifilter = QStringLiteral("*.qvl (*.qvl);;*.* (*)");
const QString kVorlagenfilter = QStringLiteral("*.qvl (*.qvl)");

QString ohneKuerzel(const QString& menuetext) {
  QString s = menuetext;
  s.remove(u'&');
  while (s.endsWith(u'.')) s.chop(1);
  return s.trimmed();
}

void fuelle(int slot) { callHook(hooks().Fuelle_Grid, slot); }

int speichernMitDialog(bool leerMelden) {
  const int r = Speichern_mit_Dialog(ohneKuerzel(texts().S_mnuSpeiUnter), leerMelden);
  if (r == 1) fuelle(program().AktSpeicher);
  return r;
}

int speichernBekannt() {
  const int r = SchreibeProgrammDatei();
  fuelle(program().AktSpeicher);
  return r;
}

}  // namespace

// ---- the save question ---------------------------------------------------------------------

bool Programm_hat_Inhalt() {
  const ProgramState& p = program();
  if (p.AnzGesamt[0] >= 1 || p.AnzSw[0] >= 1 || astro().AstroAktiv[0] != 0 || p.HatDateiname == 1) return true;
  // A new program starts with the usage text "unbekannt".
  const QString verwendung = p.Verwendung[0].trimmed();
  if (!verwendung.isEmpty() && verwendung != texts().S_unbekannt) return true;
  for (int k = 0; k < kChannelNames; ++k)
    if (!p.Kanalname[k][0].trimmed().isEmpty()) return true;
  return false;
}

bool Speicherfrage_noetig(Anlass a) {
  if (program().Geaendert != 1) return false;
  if (a == Anlass::Neu || a == Anlass::Beenden) return Programm_hat_Inhalt();
  return true;
}

QString Speicherfrage_Text(Anlass a) {
  const bool zweiBlanks = a == Anlass::Schliessen || a == Anlass::Beenden;
  return texts().S_AendeSpei + program().Dateiname[0] + (zweiBlanks ? QStringLiteral("  ?") : QStringLiteral(" ?"));
}

bool Speicherfrage(Anlass a) {
  if (!Speicherfrage_noetig(a)) return true;
  switch (askSave(Speicherfrage_Text(a))) {
    case Answer::Yes:
      return Speichern() == 1;
    case Answer::No:
      return true;
    default:
      return false;
  }
}

// ---- saving --------------------------------------------------------------------------------

int Speichern() { return program().HatDateiname != 0 ? speichernBekannt() : speichernMitDialog(false); }

int Speichern_unter() { return speichernMitDialog(false); }

int Speichern_Knopf() { return program().HatDateiname != 0 ? speichernBekannt() : speichernMitDialog(true); }

// ---- opening -------------------------------------------------------------------------------

QString Lesefehler_Text(LeseErgebnis r, int speicher) {
  const Texts& t = texts();
  switch (r) {
    case LeseErgebnis::Geladen:
    case LeseErgebnis::Gemeldet:
      return {};
    case LeseErgebnis::Ungueltig:
      return t.S_KeineGueltDatei;
    case LeseErgebnis::Fehlt:
      return t.S_DateiNicht;
    case LeseErgebnis::Familienkonflikt:
      return t.S_FormEIB;
    case LeseErgebnis::ZuGross:
      return t.S_KeineGueltDatei + u'\n' + Meldung(Meldungstext::DateiZuGross);
    default:
      break;
  }
  if (speicher == 1) return {};
  switch (r) {
    case LeseErgebnis::Typ309:
      return t.S_DateiFuer + u' ' + brand().S_Typ[20];
    case LeseErgebnis::Typ240:
      return t.S_DateiFuer + u' ' + brand().S_Modellkurz;
    default:
      // An 8 KB image or a master card: nothing usable was loaded.
      return t.S_KeineGueltDatei;
  }
}

bool Lade_Programm(const QString& datei) {
  const StateSnapshot vorher;
  program().Dateiname[0] = datei;
  const LeseErgebnis r = LeseProgrammDatei(datei, 0, 0);
  if (r != LeseErgebnis::Geladen) {
    vorher.restore();
    const QString text = Lesefehler_Text(r, 0);
    if (!text.isEmpty()) refuse(text);
    return false;
  }
  ProgramState& p = program();
  p.HatDateiname = 1;
  p.Geaendert = 0;
  startAstroPlaceOfReadProgram();
  // The switching times show a whole group of channels, also when the astro view showed one
  // astro channel.
  Kanalgruppe_ausrichten();
  Zeige_Ansicht(0, 0);
  Melde_Programmwechsel();
  return true;
}

bool Oeffnen() {
  if (!Speicherfrage(Anlass::Oeffnen)) return false;
  const QString datei = env().openFileName(ohneKuerzel(texts().S_mnuOeffnen), kDateifilter, QString());
  if (datei.isEmpty()) return false;
  return Lade_Programm(datei);
}

bool Lade_Vorlage(const QString& datei) {
  const StateSnapshot vorher;
  program().Dateiname[1] = datei;
  const LeseErgebnis r = LeseProgrammDatei(datei, 0, 1);
  if (r != LeseErgebnis::Geladen) {
    vorher.restore();
    const QString text = Lesefehler_Text(r, 1);
    if (!text.isEmpty()) refuse(text);
    return false;
  }
  frameState().vorlageOffen = true;
  Zeige_Ansicht(0, 1);
  return true;
}

bool Vorlage_oeffnen() {
  const QString datei = env().openFileName(ohneKuerzel(texts().S_mnuVorlOeffnen), kVorlagenfilter, QString());
  if (datei.isEmpty()) return false;
  return Lade_Vorlage(datei);
}

void Vorlage_leeren() {
  program().clearSlot(1);
  frameState().vorlageOffen = false;
}

void Vorlage_schliessen() {
  program().AktSpeicher = 0;
  Vorlage_leeren();
  fuelle(0);
}

// ---- memory key, new, exit -----------------------------------------------------------------

bool Export_pruefen() {
  ProgramState& p = program();
  const Texts& t = texts();
  if (p.AnzSw[0] == 0 && p.AnzGesamt[0] == 0 && astro().AstroAktiv[0] == 0) {
    if (env().message(t.S_KeineDatenVorh, Buttons::OkCancel, Icon::None) != Answer::Ok) return false;
    p.LeerBestaetigt = 1;
    const int r = SchreibeProgrammDatei();
    // Later saves ask their own empty-program question again, whatever the write gave.
    p.LeerBestaetigt = 0;
    if (r == 0) return false;
  }
  if (astro().AstroAktiv[1] == 0 && profile().Uhrentyp == 309 &&
      env().message(t.S_KeineAstr, Buttons::OkCancel, Icon::None) != Answer::Ok)
    return false;
  if (p.Geaendert == 1) {
    if (env().message(t.S_NurGesp, Buttons::OkCancel, Icon::None) != Answer::Ok) return false;
    if (Datei_sichern() == 0) return false;
  }
  return true;
}

bool Lesen_vorbereiten() {
  if (!Speicherfrage(Anlass::Lesen)) return false;
  // The changed flag stays: a read that fails leaves the program and its changes as they were.
  program().ImportAktiv = 1;
  return true;
}

namespace {

// Before the holiday table is dropped: a change the file cannot take is named with its reason,
// and the user decides whether to go on without it; the session is never held by it.
bool Feiertage_vor_Ende(Anlass a) {
  QString fehler;
  if (Sichere_Feiertage(&fehler)) return true;
  const Meldungstext frage = a == Anlass::Neu ? Meldungstext::OhneFeiertageNeu : Meldungstext::OhneFeiertageBeenden;
  return env().message(fehler + QStringLiteral("\n\n") + Meldung(frage), Buttons::YesNo, Icon::Exclamation) ==
         Answer::Yes;
}

}  // namespace

bool Neu_vorbereiten() {
  // The start-up window reads the holiday file anew.
  if (!Speicherfrage(Anlass::Neu) || !Feiertage_vor_Ende(Anlass::Neu)) return false;
  program().Geaendert = 0;
  // A template of the old clock type must not refuse files of the new one.
  Vorlage_leeren();
  return true;
}

bool Beenden_vorbereiten(Anlass a) { return Speicherfrage(a) && Feiertage_vor_Ende(a); }

// ---- views ---------------------------------------------------------------------------------

void Zeige_Ansicht(int ansicht, int speicher) {
  ViewState& v = viewState();
  if (ansicht == 3) {
    Astrokanal_begrenzen();
    v.AktAnsicht = 3;
    fuelle(0);
    return;
  }
  v.AktAnsicht = static_cast<int16_t>(std::clamp(ansicht, 0, 2));
  program().AktSpeicher = static_cast<int16_t>(speicher == 1 ? 1 : 0);
  fuelle(program().AktSpeicher);
}

// ---- delete, change, copy ------------------------------------------------------------------

int Loesche_Datensaetze(const Zeilenbereich& z, int ansicht) {
  ProgramState& p = program();
  ViewState& v = viewState();
  if (z.leer()) return 0;
  const int erster = ansicht == 0 ? 0 : p.AnzSz[0];
  const int ende = ansicht == 0 ? p.AnzSz[0] : p.AnzGesamt[0];
  std::vector<int> indizes;
  for (int r = z.von; r <= z.bis && r - 1 < kAnzeigeEintraege; ++r) {
    const int idx = v.ZeileZuSz[r - 1];
    if (idx >= erster && idx < ende) indizes.push_back(idx);
  }
  // Highest first, so the last record moved over a deleted one is never one still to go.
  std::sort(indizes.begin(), indizes.end(), std::greater<int>());
  indizes.erase(std::unique(indizes.begin(), indizes.end()), indizes.end());
  for (const int idx : indizes) {
    const int letzter = p.AnzGesamt[0] - 1;
    if (idx != letzter) p.Sz[0][idx] = p.Sz[0][letzter];
    Loesche_Sz(letzter, 0);
    --p.AnzGesamt[0];
  }
  const int n = static_cast<int>(indizes.size());
  if (ansicht == 0) p.AnzSz[0] = static_cast<int16_t>(p.AnzSz[0] - n);
  else p.AnzPz[0] = static_cast<int16_t>(p.AnzPz[0] - n);

  // The display list closes up behind the deleted rows until the next fill rebuilds it.
  const int weg = z.anzahl();
  for (int e = z.bis; e < v.AnzAnzeige && e < kAnzeigeEintraege; ++e) {
    v.Anzeigeliste[e - weg] = v.Anzeigeliste[e];
    v.ZeileZuSz[e - weg] = v.ZeileZuSz[e];
  }
  const int neu = std::max(0, v.AnzAnzeige - weg);
  for (int e = neu; e < v.AnzAnzeige && e < kAnzeigeEintraege; ++e) Loesche_Anzeigezeile(e);
  v.AnzAnzeige = static_cast<int16_t>(neu);
  SortiereSz(1, 0);
  return n;
}

int Loesche_SoWiZeilen(const Zeilenbereich& z) {
  ProgramState& p = program();
  const int alt = std::clamp<int>(p.AnzSw[0], 0, kSwEntries);
  const int von = std::max(z.von, 1);
  const int bis = std::min(z.bis, alt);
  if (bis < von) return 0;
  const int n = bis - von + 1;
  for (int e = bis; e < alt; ++e) p.SwTab[0][e - n] = p.SwTab[0][e];
  // Freed entries are empty, so no rule reads a deleted changeover any more.
  for (int e = alt - n; e < alt; ++e) p.SwTab[0][e] = TSwEintrag{255, 255, 255, 255};
  p.AnzSw[0] = static_cast<int16_t>(alt - n);
  return n;
}

Loeschausgang Loeschen(const GridSelection& auswahl) {
  ViewState& v = viewState();
  ProgramState& p = program();
  if (v.AktAnsicht == 3) {
    Astrozeiten_bearbeiten(auswahl, 0);
    return Loeschausgang::Astro;
  }
  if (offeneEingabeformen() > 0) return Loeschausgang::Nichts;
  if (p.AktSpeicher != 0 || v.AktAnsicht < 0 || v.AktAnsicht > 2 || !Ganze_Datenzeilen(auswahl, v.AnzGridZeilen))
    return Loeschausgang::Nichts;
  const Zeilenbereich z = Auswahl_begrenzen(auswahl, v.AnzGridZeilen);
  if (v.AktAnsicht == 2 && z.bis < p.AnzSw[0]) {
    env().message(texts().S_LoescNur, Buttons::Ok, Icon::Information);
    return Loeschausgang::Abgelehnt;
  }
  if (env().message(texts().S_DatenWirk, Buttons::OkCancel, Icon::None) != Answer::Ok) return Loeschausgang::Abgebrochen;
  if (v.AktAnsicht == 2) Loesche_SoWiZeilen(z);
  else Loesche_Datensaetze(z, v.AktAnsicht);
  fuelle(0);
  p.Geaendert = 1;
  return Loeschausgang::Geloescht;
}

void Astrozeiten_bearbeiten(const GridSelection& auswahl, int option) {
  ViewState& v = viewState();
  if (v.AktAnsicht != 3 || v.GridDlgOffen != -1) return;
  const Zeilenbereich z = Auswahl_begrenzen(auswahl, v.AnzGridZeilen);
  if (z.leer()) return;
  if (option >= 0) v.GridDlgOption = static_cast<int16_t>(option);
  Aendere_Astrozeiten(z.von, z.bis, auswahl.startCol, auswahl.endCol);
}

bool Auswahl_uebernehmen(const GridSelection& auswahl, int modus) {
  ViewState& v = viewState();
  const int slot = program().AktSpeicher;
  if ((modus == 1 && slot != 0) || (modus == 2 && slot != 1)) return false;
  if (offeneEingabeformen() > 0) return false;
  if (!Ganze_Datenzeilen(auswahl, v.AnzGridZeilen)) return false;
  const Zeilenbereich z = Auswahl_begrenzen(auswahl, v.AnzGridZeilen);
  v.SelVon = static_cast<int16_t>(z.von - 1);
  v.SelBis = static_cast<int16_t>(z.bis - 1);
  v.EingabeModus = static_cast<int16_t>(modus);
  // A change is made by hand: the automation would propose a next entry.
  if (modus == 1) inputAutomation().AutoAktiv = 0;
  return true;
}

}  // namespace qv
