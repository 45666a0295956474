#include "entry/Prioritaetseingabe.h"

#include <algorithm>

#include "entry/Eingabeautomatik.h"
#include "entry/Eingaberegeln.h"
#include "model/Ansicht.h"
#include "model/Environment.h"
#include "model/Hooks.h"
#include "model/Satz.h"
#include "model/Texte.h"
#include "views/Filterdialog.h"
#include "views/Zelltexte.h"

namespace qv {

PzFormState& pzFormState() {
  static PzFormState s;
  return s;
}

QStringList Pz_Prioliste(int familie) { return Programmliste(familie).mid(1); }

std::vector<int> Pz_Jahrcodes() {
  std::vector<int> c{0};
  for (int code = 1999 - kPzJahrcodeBasis; code <= kPzJahrcodeMax; ++code) c.push_back(code);
  return c;
}

QString Pz_Jahrtext(int code) { return code == 0 ? texts().S_JedesJahr : QString::number(code + kPzJahrcodeBasis); }

PzFelder Pz_Felder(const TSz& r, int jahr, int familie, int prioAnzahl) {
  PzFelder f;
  f.ostern = Pz_Datumsart(r) == 2;
  f.osterabstand = Pz_Osterabstand(r);
  f.vonTag = Pz_Beginn_Tag(r, jahr);
  f.vonMonat = Pz_Beginn_Monat(r, jahr);
  f.bisTag = Pz_Ende_Tag(r, jahr);
  f.bisMonat = Pz_Ende_Monat(r, jahr);
  // Family-1 records carry no year; their word 4 holds the state and word 5 the channel.
  f.jahrcode = familie == 1 ? 0 : Pz_Jahrcode(r);
  const int p = Sz_Prio(r);
  f.permanent = p == 10;
  if (f.permanent) f.prioIndex = prioAnzahl - 1;
  else if (p >= 1 && p <= prioAnzahl - 1) f.prioIndex = p - 1;
  f.einmal = (r.w3 >> 6) & 1;
  f.kanal = familie == 1 ? (r.w5 & 15) + 1 : (r.w4 & 15);
  f.zustand = Sz_Schaltwert(r) == 1 ? 1 : 0;
  return f;
}

AltPzTexte AltPz_Texte(const TSz& r, int jahr) {
  const Texts& t = texts();
  const QString null = QStringLiteral("00") + t.S_Doppelpunkt + QStringLiteral("00 ") + t.S_Uhr;
  const QString vierundzwanzig = QStringLiteral("24") + t.S_Doppelpunkt + QStringLiteral("00 ") + t.S_Uhr;
  AltPzTexte a;
  if (Pz_Datumsart(r) == 2) {
    a.von = Oster_Name(Pz_Osterwert(r));
    a.bis = u' ' + null + QStringLiteral(" - ") + vierundzwanzig;
  } else {
    a.von = Datum_Text(Pz_Beginn_Tag(r, jahr), Pz_Beginn_Monat(r, jahr)) + u' ' + Jahr_Text(Pz_Jahrcode(r)) + u' ' + null;
    a.bis = Datum_Text(Pz_Ende_Tag(r, jahr), Pz_Ende_Monat(r, jahr)) + u' ' + vierundzwanzig;
  }
  a.kan = Kanal_Text(Sz_Kanal(r)) + u' ' + Einmal_Text(Ist_Einmalig(r)) + u' ' + Zustand_Text(r);
  // Sz_Prio reads a family-1 Permanent as 10 as well.
  a.prio = Sz_Prio(r) == 10 ? t.S_Permanent : t.S_Prio + u' ' + QString::number(Sz_Prio(r));
  return a;
}

namespace {
bool istPz(int i) { return Ist_Prioritaetszeit(program().Sz[0][i]); }
}  // namespace

std::optional<int> Pz_blaettern_zurueck(int16_t& altSatz) {
  if (altSatz >= 1) {
    altSatz = std::min<int16_t>(altSatz, kRecordsPerSlot);
    do {
      --altSatz;
      if (istPz(altSatz)) return altSatz;
    } while (altSatz > 0);
  }
  env().beep();
  return std::nullopt;
}

std::optional<int> Pz_blaettern_vor(int16_t& altSatz) {
  const int letzter = std::min<int>(program().AnzGesamt[0], kRecordsPerSlot) - 1;
  if (altSatz < letzter) {
    do {
      ++altSatz;
      if (altSatz >= 0 && istPz(altSatz)) return altSatz;
    } while (altSatz < letzter);
  }
  env().beep();
  return std::nullopt;
}

std::vector<FeiertagEintrag> Pz_Feiertagsliste(int s) {
  const HolidayTable& t = holidayTable();
  const int anzahl = std::min<int>(t.AnzFt, static_cast<int>(t.Feiertage.size()));
  std::vector<FeiertagEintrag> l;
  if (s < 0 || s >= kFtSetRows) {
    for (int i = 0; i < anzahl; ++i) l.push_back({t.Feiertage[i].Name, i, t.Feiertage[i]});
    return l;
  }
  const int mitglieder = std::clamp<int>(t.FtSet[s][0], 0, kFtSetMaxMembers);
  for (int k = 1; k <= mitglieder; ++k) {
    const int i = t.FtSet[s][k] - 1;
    if (i >= 0 && i < anzahl) l.push_back({t.Feiertage[i].Name, i, t.Feiertage[i]});
  }
  return l;
}

int Pz_Feiertag_wiederfinden(const TFeiertag& f) {
  const HolidayTable& t = holidayTable();
  const int anzahl = std::min<int>(t.AnzFt, static_cast<int>(t.Feiertage.size()));
  for (int i = 0; i < anzahl; ++i)
    if (t.Feiertage[i] == f) return i;
  return -1;
}

int Pz_Osterfeiertag(int n) {
  const HolidayTable& t = holidayTable();
  const int anzahl = std::min<int>(t.AnzFt, static_cast<int>(t.Feiertage.size()));
  int gefunden = -1;
  for (int i = 0; i < anzahl; ++i)
    if (t.Feiertage[i].Art == 2 && t.Feiertage[i].Tag == n) gefunden = i;
  return gefunden;
}

int Pz_Osterfeiertag_anlegen(int n) {
  HolidayTable& t = holidayTable();
  // With no holiday at that distance, Oster_Name gives the built name.
  TFeiertag f{Oster_Name(n + kFtOsterwertNull), 2, 0, static_cast<int16_t>(n), 0};
  t.Feiertage.resize(std::max<int>(t.AnzFt, 0));
  t.Feiertage.push_back(f);
  t.AnzFt = static_cast<int16_t>(t.Feiertage.size());
  Schreib_Feiertage();
  return t.AnzFt - 1;
}

bool Pz_Speicher_voll_bei_Neu() {
  if (viewState().EingabeModus != 0 || program().AnzGesamt[0] < profile().MaxSz) return false;
  Speicher_voll(texts().S_KeinWeit);
  return true;
}

bool Ist_Prioritaetszeit(const TSz& rec) {
  const int art = Sz_Art(rec);
  return art == 2 || art == 5;
}

namespace {

std::vector<TSz> saetze(const PzLesung& l, int familie) {
  std::vector<TSz> out;
  if (!l.bindung) {
    out.push_back(Pz_Zeitraum_Satz(l.e, familie));
    return out;
  }
  const HolidayTable& t = holidayTable();
  if (l.feiertag < 0 || l.feiertag >= std::min<int>(t.AnzFt, static_cast<int>(t.Feiertage.size()))) return out;
  const Uhrenprofil& u = profile();
  const QDate heute = env().now().date();
  const Feiertagssaetze s = Feiertag_Saetze(t.Feiertage[l.feiertag], heute, u.Bewft, u.FtJahre, l.e.jahrcode, l.e.einmal);
  if (s.osterwert) out.push_back(Pz_Oster_Satz(*s.osterwert, l.e.prio, l.e.kanal, l.e.zustand));
  for (const PzTag& d : s.tage) {
    PzEingabe e = l.e;
    e.vonTag = e.bisTag = d.tag;
    e.vonMonat = e.bisMonat = d.monat;
    e.jahrcode = d.jahrcode;
    e.einmal = d.einmal;
    out.push_back(Pz_Zeitraum_Satz(e, familie));
  }
  return out;
}

}  // namespace

void Pz_Ok(PzFormular& f) {
  PzFormState& s = pzFormState();
  ViewState& v = viewState();
  ProgramState& p = program();
  const Texts& t = texts();
  const int modus = s.Modus;
  auto laeufeEnden = [&s] {
    s.AlleOk = 0;
    s.AlleFeiertage = 0;
  };
  // Every OK, refused or not, leaves the main window on the program's priority times; the view
  // is set before the form closes, as the main window redraws when it becomes active.
  auto ansicht = [&] {
    v.AktAnsicht = 1;
    p.AktSpeicher = 0;
    f.Ansicht_Prioritaeten();
  };
  // A value typed but not yet confirmed by leaving its field is checked as leaving would.
  if (!f.Pruefe_Fokusfeld()) {
    laeufeEnden();
    ansicht();
    return;
  }
  const PzLesung l = f.lesen();

  bool abgewiesen = false;  // nothing was read: the holiday list stays where it is
  bool geschlossen = false;
  bool fertig = false;
  bool geladen = false;  // the pass loaded the next selected row into the fields
  if (!l.kanalGewaehlt) {
    Abweisen(t.S_KanaUnvo);
    laeufeEnden();
    abgewiesen = true;
  } else if (!l.prioGewaehlt) {
    env().beep();
    laeufeEnden();
    abgewiesen = true;
  } else {
    // The record shown, wherever a re-sort has moved it since it was loaded.
    const int geaendert = modus == 1 ? s.Auswahl.Finde(s.AktZeile) : -1;
    if (modus == 1 && geaendert < 0) {
      // The record is no longer there: the run ends, nothing is stored.
      Laufzeitfehler(9);
      laeufeEnden();
      f.Schliessen();
      return;
    }
    const std::vector<TSz> neu = saetze(l, profile().Geraetefamilie);
    bool stop = false;
    if (neu.empty()) {
      // No holiday chosen (an empty set, or one deleted meanwhile): the list stays as it is.
      env().beep();
      laeufeEnden();
      stop = abgewiesen = true;
    }
    for (size_t k = 0; k < neu.size() && !stop; ++k) {
      const TSz& rec = neu[k];
      // In change mode the first record replaces the row; further years are added.
      const int ersetzt = k == 0 ? geaendert : -1;
      const PzKonflikt c = Suche_Pz_Konflikt(rec, ersetzt);
      if (c.art == 2) {
        Abweisen(t.S_PrioVorh);
        stop = true;
      } else if (c.art == 1) {
        if (Ueberschreiben_fragen(t.S_PrioExis)) {
          p.Sz[0][c.index] = rec;
          p.Geaendert = 1;
        }
        stop = true;
      } else if (ersetzt < 0 && p.AnzGesamt[0] >= std::min<int>(profile().MaxSz, kRecordsPerSlot)) {
        Speicher_voll(t.S_KeinWeit);
        if (modus == 0) inputAutomation().AutoAktiv = 0;
        stop = geschlossen = true;
      }
      if (stop) break;

      f.Setze_Altanzeige(l.e);
      f.Zeige_Okmarke();
      p.Geaendert = 1;
      if (ersetzt >= 0) {
        p.Sz[0][ersetzt] = rec;
        continue;
      }
      p.Sz[0][p.AnzGesamt[0]] = rec;
      ++p.AnzPz[0];
      p.AnzGesamt[0] = static_cast<int16_t>(p.AnzSz[0] + p.AnzPz[0]);
      callHook(hooks().Zeige_Speicherbelegung, 0);
      if (modus == 0) s.AltSatz = static_cast<int16_t>(p.AnzGesamt[0] - 1);
      if (p.AnzGesamt[0] >= profile().MaxSz) {
        Speicher_voll(t.S_KeinWeit);
        if (modus == 0) inputAutomation().AutoAktiv = 0;
        stop = geschlossen = true;
      }
    }
    if (stop) {
      laeufeEnden();
    } else if (modus == 0) {
      if (inputAutomation().AutoAktiv == 1) f.Automatik_Schritt();
    } else if (modus == 1 || modus == 2) {
      const int nr = s.AktZeile >= s.Auswahl.bis() ? -1 : s.Auswahl.Finde(s.AktZeile + 1);
      if (nr < 0) {
        fertig = true;
      } else {
        ++s.AktZeile;
        f.Zeige_Pz_in_Feldern(nr, modus == 1 ? 0 : 1);
        geladen = true;
        if (inputAutomation().AutoAktiv == 1 && f.Automatik_gewaehlt()) f.Automatik_Schritt();
      }
    }
  }

  ansicht();
  if (geschlossen) {
    f.Schliessen();
    return;
  }
  // The holiday list moves on only while it still shows the holiday just stored: a loaded row
  // has put its own holiday or date into the fields, and the date layout shows no holiday.
  if (geladen) {
    s.AlleFeiertage = 0;
  } else if (!abgewiesen) {
    if (f.Naechster_Feiertag()) f.Starte_Alleok();
    else s.AlleFeiertage = 0;
  }
  if (fertig) {
    v.EingabeModus = 0;
    f.Schliessen();
  } else if (s.AlleOk == 1) {
    f.Starte_Alleok();
  }
}

}  // namespace qv
