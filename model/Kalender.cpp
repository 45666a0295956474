#include "model/Kalender.h"

#include "model/Satz.h"
#include "model/Texte.h"

namespace qv {
namespace {

bool leap(int jahr) { return jahr % 4 == 0; }

int floorDiv(int a, int b) { return a / b - ((a % b != 0 && (a < 0) != (b < 0)) ? 1 : 0); }
int floorMod(int a, int b) { return a - floorDiv(a, b) * b; }

// Day number of the last day of months 1..11 in a common year.
constexpr int kMonthEnd[12] = {31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334, 365};

int dayNumber(int tag, int monat, int jahr) { return Tage_bis_Monatsende(monat - 1, jahr) + tag; }

// Day number of the last Sunday strictly before the given date.
int sundayBefore(int tag, int monat, int jahr) { return dayNumber(tag, monat, jahr) - Wochentag(tag, monat, jahr); }

bool inWindow(int x, int b, int e) {
  // A window that runs over the turn of the year (southern tables) covers both ends.
  if (b <= e) return b <= x && x <= e;
  return x >= b || x <= e;
}

bool inTableWindow(int x, int jahr) {
  const ProgramState& p = program();
  const int n = p.AnzSw[0] < 0 ? 0 : (p.AnzSw[0] > kSwEntries ? kSwEntries : p.AnzSw[0]);
  for (int nr = 0; nr < n; ++nr) {
    const TSwEintrag& e = p.SwTab[0][nr];
    if (e.w0 >= 240 || SoWi_Jahr(nr, 0) != jahr) continue;
    const int b = dayNumber(SoWi_Tag_Vor(e), SoWi_Monat_Vor(e), jahr);
    const int end = dayNumber(SoWi_Tag_Zurueck(e), SoWi_Monat_Zurueck(e), jahr);
    if (inWindow(x, b, end)) return true;
  }
  return false;
}

}  // namespace

int Tage_im_Jahr(int jahr) { return leap(jahr) ? 366 : 365; }

std::optional<int> Tage_im_Monat(int monat, int jahr) {
  switch (monat) {
    case 1: case 3: case 5: case 7: case 8: case 10: case 12: return 31;
    case 4: case 6: case 9: case 11: return 30;
    case 2: return leap(jahr) ? 29 : 28;
    default: return std::nullopt;
  }
}

std::optional<int> Monatslaenge(int monat, int jahr) { return Tage_im_Monat(monat, jahr); }

int Tage_bis_Monatsende(int monat, int jahr) {
  if (monat < 1 || monat > 11) return 0;
  return kMonthEnd[monat - 1] + ((monat >= 2 && leap(jahr)) ? 1 : 0);
}

int Monat_aus_Jahrestag(int jahrestag, int jahr) {
  for (int m = 1; m <= 11; ++m)
    if (Tage_bis_Monatsende(m, jahr) + 1 > jahrestag) return m;
  return 12;
}

int Tag_aus_Jahrestag(int jahrestag, int jahr) {
  return jahrestag - Tage_bis_Monatsende(Monat_aus_Jahrestag(jahrestag, jahr) - 1, jahr);
}

int Vergleiche_Datum(int tag1, int monat1, int jahr1, int tag2, int monat2, int jahr2) {
  if (jahr1 != jahr2) return jahr1 < jahr2 ? 1 : -1;
  if (monat1 != monat2) return monat1 < monat2 ? 1 : -1;
  if (tag1 != tag2) return tag1 < tag2 ? 1 : -1;
  return 0;
}

int Wochentag(int tag, int monat, int jahr) {
  // Days since 1 January 1993 (a Friday) by whole years of 365.25 days, floored; the floored
  // remainder keeps the result in 1..7 also before 1993.
  const int yearDays = floorDiv((jahr - 1993) * 1461, 4);
  return floorMod(yearDays + 3 + Tage_bis_Monatsende(monat - 1, jahr) + tag, 7) + 1;
}

QString Wochentag_Name(int nr) {
  const Texts& t = texts();
  switch (nr) {
    case 1: return t.S_Montag;
    case 2: return t.S_Dienstag;
    case 3: return t.S_Mittwoch;
    case 4: return t.S_Donnerstag;
    case 5: return t.S_Freitag;
    case 6: return t.S_Samstag;
    case 7: return t.S_Sonntag;
    default: return QString();
  }
}

int Rechne_Ostern(int jahr) {
  // Gauss's rule with M = 24, N = 5 (1900..2099).
  const int a = floorMod(jahr, 19), b = floorMod(jahr, 4), c = floorMod(jahr, 7);
  const int d = (19 * a + 24) % 30;
  const int e = (2 * b + 4 * c + 6 * d + 5) % 7;
  int ostern = Tage_bis_Monatsende(2, jahr) + 22 + d + e;
  if ((d == 29 && e == 6) || (d == 28 && e == 6 && a > 10)) ostern -= 7;
  return ostern;
}

int Ist_Sommerzeit(int tag, int monat, int jahr) {
  const int x = dayNumber(tag, monat, jahr);
  switch (settings().SwRegel) {
    case 1: return inWindow(x, sundayBefore(1, 4, jahr), sundayBefore(1, 11, jahr)) ? 1 : 0;
    case 2: return inWindow(x, sundayBefore(1, 4, jahr), sundayBefore(29, 10, jahr)) ? 1 : 0;
    case 3: return inWindow(x, sundayBefore(15, 4, jahr), sundayBefore(1, 11, jahr)) ? 1 : 0;
    case 4: return inTableWindow(x, jahr) ? 1 : 0;
    default: return 0;
  }
}

int SoWi_Jahr(int nr, int speicher) {
  const ProgramState& p = program();
  const int s = (speicher == 1) ? 1 : 0;
  const int perYear = p.SwProJahr[s] == 1 ? 2 : 1;
  return p.SwKopf[s] % 64 + 1996 + floorDiv(nr, perYear);
}

int SoWi_Tag_Vor(const TSwEintrag& e) { return (e.w0 & 1) * 16 + (e.w1 >> 4); }
int SoWi_Monat_Vor(const TSwEintrag& e) { return e.w1 & 15; }
int SoWi_Tag_Zurueck(const TSwEintrag& e) { return (e.w2 & 1) * 16 + (e.w3 >> 4); }
int SoWi_Monat_Zurueck(const TSwEintrag& e) { return e.w3 & 15; }

int Pz_Jahresbezug(int jahr, const TSz& rec) {
  if (Pz_Datumsart(rec) != 3) return 1;
  const int code = Pz_Jahrcode(rec);
  if (code == 0) return 1;
  const int begin = dayNumber(Pz_Beginn_Tag(rec, jahr), Pz_Beginn_Monat(rec, jahr), jahr);
  const int end = dayNumber(Pz_Ende_Tag(rec, jahr), Pz_Ende_Monat(rec, jahr), jahr);
  if (code == jahr - 1936) return begin <= end ? 2 : 3;
  if (code == jahr - 1937 && begin > end) return 4;
  return 0;
}

int32_t Minuten_seit_Wochen_Sz(int wochentag, const TSz& rec) {
  int32_t n = 7;
  for (int k = 0; k <= 6; ++k) {
    const int d = floorMod(wochentag + k - 1, 7) + 1;
    if (Wochentag_gesetzt(d, rec) == 1) n = 6 - k;
  }
  return n * 1440 + 1440 - Sz_Minuten(rec);
}

int32_t Minuten_seit_Datum_Sz(int tag, int monat, int jahr, const TSz& rec) {
  const int n = Tage_im_Jahr(jahr);
  const int x = dayNumber(tag, monat, jahr);
  const int r = dayNumber(Sz_Tag(rec), Sz_Monat(rec), jahr);
  return int32_t{floorMod(x + n - 1 - r, n)} * 1440 + 1440 - Sz_Minuten(rec);
}

}  // namespace qv
