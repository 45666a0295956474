#include "entry/Prioritaetssatz.h"

#include <algorithm>

#include "model/Kalender.h"
#include "model/Vergleich.h"

namespace qv {
namespace {

uint8_t byte(int v) { return static_cast<uint8_t>(v & 0xFF); }

bool vorHeute(const Kalendertag& k, const QDate& heute) {
  return Vergleiche_Datum(k.tag, k.monat, k.jahr, heute.day(), heute.month(), heute.year()) == 1;
}

Kalendertag ausJahrestag(int d, int jahr) {
  // A day number before 1 January lies in the previous year's calendar.
  if (d < 1) {
    --jahr;
    d += Tage_im_Jahr(jahr);
  } else if (d > Tage_im_Jahr(jahr)) {
    d -= Tage_im_Jahr(jahr);
    ++jahr;
  }
  return {Tag_aus_Jahrestag(d, jahr), Monat_aus_Jahrestag(d, jahr), jahr};
}

Kalendertag osterdatum(int abstand, int jahr) { return ausJahrestag(Rechne_Ostern(jahr) + abstand, jahr); }

bool datumGueltig(const TFeiertag& ft) { return ft.Tag >= 1 && ft.Tag <= 31 && ft.Monat >= 1 && ft.Monat <= 12; }

}  // namespace

TSz Pz_Zeitraum_Satz(const PzEingabe& e, int familie) {
  TSz r;
  r.w0 = byte(96 + 2 * e.vonMonat + (e.vonTag / 16) % 2);
  r.w1 = byte(16 * (e.vonTag % 16) + e.prio);
  r.w3 = byte(e.bisTag + (e.einmal != 0 ? 64 : 0));
  if (familie == 1) {
    r.w4 = byte(e.zustand);
    r.w5 = byte(16 * e.bisMonat + ((e.kanal - 1) & 15));
  } else {
    r.w4 = byte(16 * (e.jahrcode % 16) + (e.kanal & 15));
    r.w5 = byte(16 * e.bisMonat + 2 * ((e.jahrcode / 16) % 8) + e.zustand);
  }
  return r;
}

TSz Pz_Oster_Satz(int wert, int prio, int kanal, int zustand) {
  TSz r;
  r.w0 = 96;
  r.w1 = byte(16 * (wert / 16) + prio);
  r.w4 = byte(kanal);
  r.w5 = byte(16 * (wert % 16) + zustand);
  return r;
}

Kalendertag Wochentag_relativ(int tag, int monat, int w, int jahr) {
  const int wd = Wochentag(tag, monat, jahr);
  int d = Tage_bis_Monatsende(monat - 1, jahr) + tag;
  if (w < 0) d -= ((wd + 6 + w) % 7) + 1;
  else d += ((w + 6 - wd) % 7) + 1;
  return ausJahrestag(d, jahr);
}

Feiertagssaetze Feiertag_Saetze(const TFeiertag& ft, const QDate& heute, int bewft, int ftJahre, int listJahrcode,
                                int listEinmal) {
  Feiertagssaetze s;
  const int jahr = heute.year();
  const int letztesJahr = kPzJahrcodeBasis + kPzJahrcodeMax;
  switch (ft.Art) {
    case 0:
      if (datumGueltig(ft)) s.tage.push_back({ft.Tag, ft.Monat, listJahrcode, listEinmal});
      break;
    case 1: {
      if (!datumGueltig(ft)) break;
      int y = jahr;
      Kalendertag k = Wochentag_relativ(ft.Tag, ft.Monat, ft.Wochentag, y);
      while (vorHeute(k, heute)) k = Wochentag_relativ(ft.Tag, ft.Monat, ft.Wochentag, ++y);
      if (bewft != 1) {
        s.tage.push_back({k.tag, k.monat, 0, 1});
        break;
      }
      // One record per year from the first date not past through this year + FtJahre - 1, and
      // never beyond the last year a record can carry.
      const int bis = std::max(y, jahr + ftJahre - 1);
      for (; y <= bis; k = Wochentag_relativ(ft.Tag, ft.Monat, ft.Wochentag, ++y)) {
        if (k.jahr > letztesJahr) break;
        s.tage.push_back({k.tag, k.monat, k.jahr - kPzJahrcodeBasis, 1});
      }
      break;
    }
    case 2: {
      const int wert = ft.Tag + kFtOsterwertNull;
      if (wert < 0 || wert > 255) break;
      if (bewft != 0) {
        s.osterwert = wert;
        break;
      }
      int y = jahr;
      Kalendertag k = osterdatum(ft.Tag, y);
      while (vorHeute(k, heute)) k = osterdatum(ft.Tag, ++y);
      s.tage.push_back({k.tag, k.monat, 0, 1});
      break;
    }
    default:
      break;
  }
  return s;
}

PzKonflikt Suche_Pz_Konflikt(const TSz& neu, int ausgenommen) {
  const ProgramState& p = program();
  const int n = std::clamp<int>(p.AnzGesamt[0], 0, kRecordsPerSlot);
  for (int i = 0; i < n; ++i) {
    const int r = Vergleiche_Sz(p.Sz[0][i], neu);
    if ((r == 1 || r == 2) && i != ausgenommen) return {r, i};
  }
  return {};
}

}  // namespace qv
