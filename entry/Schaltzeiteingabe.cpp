#include "entry/Schaltzeiteingabe.h"

#include <algorithm>

#include "entry/Eingabeautomatik.h"
#include "entry/Eingaberegeln.h"
#include "model/Ansicht.h"
#include "model/Environment.h"
#include "model/Hooks.h"
#include "model/Satz.h"
#include "model/Texte.h"
#include "model/Vergleich.h"
#include "views/Zelltexte.h"

namespace qv {

int Eingabeart_aus(const SzFelder& f) {
  if (!f.tagText.isEmpty() && !f.monatText.isEmpty()) return 2;
  return f.wochentage != 0 ? 1 : 0;
}

int KanalNr_aus(const SzFelder& f, int kanalzahl) {
  int nr = 1;
  if (kanalzahl == 16) {
    nr = f.kanalfeld + 1;
  } else {
    for (int k = 0; k < 4; ++k)
      if (f.kanalfeld & (1 << k)) {
        nr = k + 1;
        break;
      }
  }
  return std::clamp(nr, 1, 8);
}

SzFeld Ungueltiges_Feld(const SzFelder& f, int art, int familie) {
  if (f.stunde < 0 || f.stunde > 23) return SzFeld::Stunde;
  if (f.minute < 0 || f.minute > 59) return SzFeld::Minute;
  if (f.impuls < 0 || f.impuls > 59) return SzFeld::Impuls;
  if (art == 2) {
    const int tag = leadingNumber(f.tagText);
    if (tag < 1 || tag > 31) return SzFeld::Tag;
    if (f.monatIndex < 0 || f.monatIndex > 11) return SzFeld::Monat;
  } else if (f.programm < 0 || f.programm > (familie == 1 ? 7 : 9)) {
    return SzFeld::Programm;
  }
  return SzFeld::Keines;
}

TSz Packe_Sz(const SzFelder& f, int art, int familie, int kanalzahl) {
  const int m = f.stunde * 60 + f.minute;
  const int hoch = Bit_Feld(4, 11, m);
  const int tief = m % 16;
  const bool datum = art == 2;
  const int tag = leadingNumber(f.tagText);
  const int monat = f.monatIndex + 1;
  auto b = [](int v) { return static_cast<uint8_t>(v); };
  TSz r;
  r.w0 = b(datum ? hoch : 128 + hoch);
  r.w2 = 0;
  if (familie == 1) {
    const int c = KanalNr_aus(f, kanalzahl) - 1;
    const int bit2 = (c >> 2) & 1;
    r.w1 = b(tief * 16 + (datum ? monat : 8 * bit2 + f.programm));
    r.w3 = b(datum ? 64 * f.einmal + 32 * bit2 + tag : f.wochentage);
    r.w4 = b(f.zustand);
    r.w5 = b(4 * f.impuls + (c & 3));
  } else {
    r.w1 = b(tief * 16 + (datum ? monat : f.programm));
    r.w3 = b(datum ? 64 * f.einmal + tag : f.wochentage);
    r.w4 = b(f.kanalfeld);
    r.w5 = b(4 * f.impuls + f.zustand);
  }
  return r;
}

Konflikt Finde_Konflikt(int slot, const TSz& neu, int ausser) {
  const ProgramState& p = program();
  for (int i = 0; i < p.AnzGesamt[slot] && i < kRecordsPerSlot; ++i) {
    if (i == ausser) continue;
    const int r = Vergleiche_Sz(p.Sz[slot][i], neu);
    if (r >= 1 && r <= 3) return {r, i};
  }
  return {};
}

SzFormState& szFormState() {
  static SzFormState s;
  return s;
}

bool Merke_Auswahl(SzFormState& s, int speicher) {
  const ViewState& v = viewState();
  return s.Auswahl.Merke(v.SelVon, v.SelBis, speicher, Ist_Schaltzeit);
}

namespace {

// Fuege_Schaltzeit_ein has counted the record already.
void zaehle_neuen_Satz(ProgramState&) { callHook(hooks().Zeige_Speicherbelegung, 0); }

bool voll() { return program().AnzGesamt[0] >= std::min<int>(profile().MaxSz, kRecordsPerSlot); }

}  // namespace

void cmdSzok(SzFormState& s, SzFormular& form) {
  ProgramState& p = program();
  ViewState& v = viewState();
  const Texts& t = texts();
  const int modus = s.Modus;
  bool fertig = false;  // the last selected row is done
  bool voll_zu = false;  // a full program closes the form
  // Every pass, refused or not, leaves the main window on the program's switching times; the
  // view is set before the form closes, as the main window redraws when it becomes active.
  auto abschluss = [&] {
    v.AktAnsicht = 0;
    p.AktSpeicher = 0;
    form.Ansicht_Schaltzeiten();
    if (fertig) {
      v.EingabeModus = 0;
      form.Schliessen();
    } else if (voll_zu) {
      form.Schliessen();
    } else if (s.AlleOk == 1) {
      form.Alleok_weiter();
    }
  };
  auto ablehnen = [&](const QString& text) {
    Abweisen(text);
    s.AlleOk = 0;
    abschluss();
  };
  auto speicher_voll = [&] {
    Speicher_voll(t.S_KeinWeit);
    s.AlleOk = 0;
    voll_zu = true;
  };

  // A value typed but not yet confirmed by leaving its field is checked as leaving would.
  if (!form.Pruefe_Fokusfeld()) {
    s.AlleOk = 0;
    abschluss();
    return;
  }
  const SzFelder f = form.Felder();
  const int kanalzahl = profile().Kanalzahl;
  const int familie = profile().Geraetefamilie == 1 ? 1 : 0;
  s.EingabeArt = 0;
  const int art = Eingabeart_aus(f);
  if (art == 0) return ablehnen(t.S_DatumWoch);
  s.EingabeArt = static_cast<int16_t>(art);
  if (kanalzahl == 16 ? f.kanalfeld < 0 || f.kanalfeld > 15 : f.kanalfeld == 0) return ablehnen(t.S_KanaUnvo);
  if (const SzFeld falsch = Ungueltiges_Feld(f, art, familie); falsch != SzFeld::Keines) {
    env().beep();
    form.Fokus_auf(falsch);
    s.AlleOk = 0;
    abschluss();
    return;
  }

  int ziel = p.AnzGesamt[0];
  if (modus == 1) {
    // The record shown, wherever a re-sort has moved it since it was loaded.
    ziel = s.Auswahl.Finde(s.AktZeile);
    if (ziel < 0) {
      // The record is no longer there: the run ends, nothing is stored.
      Laufzeitfehler(9);
      form.Schliessen();
      return;
    }
  } else if (voll()) {
    // A full program takes nothing more, in new and in copy mode.
    speicher_voll();
    if (modus == 0) inputAutomation().AutoAktiv = 0;
    abschluss();
    return;
  }

  const TSz neu = Packe_Sz(f, art, familie, kanalzahl);
  if (const Konflikt k = Finde_Konflikt(0, neu, modus == 1 ? ziel : -1); k.r != 0) {
    if (k.r == 2) {
      Abweisen(t.S_SchaVorh);
    } else if (Ueberschreiben_fragen(k.r == 1 ? t.S_SchaExis : t.S_ImpuExis)) {
      p.Sz[0][k.index] = neu;
      p.Geaendert = 1;
    }
    s.AlleOk = 0;
    abschluss();
    return;
  }

  // A new or copied switching time joins the switching times at once, not behind the priority
  // times, so the lists and a print show it while the form is open.
  if (modus == 1) p.Sz[0][ziel] = neu;
  else ziel = Fuege_Schaltzeit_ein(0, neu);
  p.Geaendert = 1;
  form.Zeige_AltSz(ziel);
  form.Bestaetige();
  s.AltSatz = static_cast<int16_t>(ziel);

  if (modus == 0) {
    zaehle_neuen_Satz(p);
    if (voll()) {
      speicher_voll();
      inputAutomation().AutoAktiv = 0;
    }
    if (inputAutomation().AutoAktiv == 1) form.Automatik_Schritt();
  } else {
    if (modus == 2) {
      zaehle_neuen_Satz(p);
      if (voll()) {
        speicher_voll();
        abschluss();
        return;
      }
    }
    if (s.AktZeile >= s.Auswahl.bis()) {
      fertig = true;
    } else {
      ++s.AktZeile;
      const int nr = s.Auswahl.Finde(s.AktZeile);
      if (nr < 0) {
        fertig = true;
      } else {
        form.Zeige_Sz_in_Feldern(nr, modus == 2 ? 1 : 0);
        if (inputAutomation().AutoAktiv == 1 && form.Automatik_gewaehlt()) form.Automatik_Schritt();
      }
    }
  }
  abschluss();
}

bool Speicher_voll_bei_Neu() {
  if (viewState().EingabeModus != 0 || !voll()) return false;
  Speicher_voll(texts().S_KeinWeit);
  return true;
}

Kanalplan Kanalplan_fuer(int kanalzahl, int evu, int messKanal) {
  Kanalplan k;
  switch (kanalzahl) {
    case 16: k.kanalzahl = 16; k.kombi = true; break;
    case 3: k.kanalzahl = 3; k.sichtbar[0] = k.sichtbar[1] = k.sichtbar[2] = true; break;
    case 2: k.kanalzahl = 2; k.sichtbar[0] = k.sichtbar[1] = true; break;
    case 1:
      k.kanalzahl = 1;
      k.sichtbar[0] = k.angehakt[0] = true;
      k.aktiv[0] = false;
      break;
    default: k.kanalzahl = 4; std::fill(std::begin(k.sichtbar), std::end(k.sichtbar), true); break;
  }
  if (evu == 0) std::fill(std::begin(k.aktiv), std::end(k.aktiv), true);
  if (evu == 1 && messKanal >= 1 && messKanal <= std::min(k.kanalzahl, 4)) k.aktiv[messKanal - 1] = false;
  return k;
}

bool Ist_Schaltzeit(const TSz& rec) {
  const int art = Sz_Art(rec);
  return art == 0 || art == 1 || art == 3 || art == 4;
}

AltSzTexte AltSz_Texte(const TSz& rec) {
  const Texts& t = texts();
  AltSzTexte a;
  const int art = Sz_Art(rec);
  // A family-1 record holds a channel number; the text shows it as its box would.
  const int kanal = art == 3 || art == 4 ? (1 << (Sz_Kanal(rec) - 1)) : Sz_Kanal(rec);
  a.kan = Kanal_Text(kanal) + QLatin1Char(' ') + Zustand_Text(rec) + QLatin1Char(' ') + Einmal_Text(Ist_Einmalig(rec));
  if (art == 1 || art == 4) {
    a.day = Datum_Text(Sz_Tag(rec), Sz_Monat(rec));
    a.prio = QStringLiteral(" ");
  } else {
    a.day = Wochentage_Text(rec);
    if (Sz_Prio(rec) != 0) a.prio = t.S_Prio + QLatin1Char(' ') + QString::number(Sz_Prio(rec));
  }
  a.time = Uhrzeit_Text(Sz_Minuten(rec));
  const int imp = Sz_Impuls(rec);
  if (imp >= 1 && imp <= 59) a.imp = QString::number(imp) + QLatin1Char(' ') + t.S_sec;
  a.impLassen = imp > 59;
  return a;
}

std::optional<int> Schritt_zurueck(int16_t& pos) {
  if (pos < 1) return std::nullopt;
  const ProgramState& p = program();
  pos = static_cast<int16_t>(std::min<int>(pos, kRecordsPerSlot));
  while (pos > 0) {
    --pos;
    if (Ist_Schaltzeit(p.Sz[0][pos])) return pos;
  }
  return std::nullopt;
}

std::optional<int> Schritt_vor(int16_t& pos) {
  const ProgramState& p = program();
  const int letzter = std::min<int>(p.AnzGesamt[0], kRecordsPerSlot) - 1;
  if (pos >= letzter) return std::nullopt;
  while (pos < letzter) {
    ++pos;
    if (Ist_Schaltzeit(p.Sz[0][pos])) return pos;
  }
  return std::nullopt;
}

}  // namespace qv
