#include "calendar/Feiertagseditor.h"

#include <algorithm>
#include <cstdlib>

#include "model/Cp1252.h"
#include "model/Kalender.h"
#include "model/Texte.h"
#include "model/Vergleich.h"
#include "views/Zelltexte.h"

namespace qv {
namespace {

int anzahl(const HolidayTable& t) {
  return static_cast<int>(std::min<qsizetype>(std::max<int>(t.AnzFt, 0), t.Feiertage.size()));
}

int anzahlSets(const HolidayTable& t) {
  return static_cast<int>(std::clamp<qsizetype>(std::min<qsizetype>(t.AnzFtSets, t.FtSetName.size()), 0, kFtSetRows));
}

bool gleicheDefinition(const TFeiertag& a, const TFeiertag& b) {
  return a.Art == b.Art && a.Wochentag == b.Wochentag && a.Tag == b.Tag && a.Monat == b.Monat;
}

int mitglieder(const HolidayTable& t, int s) { return std::clamp<int>(t.FtSet[s][0], 0, kFtSetMaxMembers); }

}  // namespace

int Wochentag_aus_Position(int p) { return p < 7 ? p - 7 : p - 6; }

int Position_aus_Wochentag(int wochentag) { return wochentag < 0 ? wochentag + 7 : wochentag + 6; }

QString Wochentag_Eintrag(int p) {
  const int w = Wochentag_aus_Position(p);
  const Texts& t = texts();
  return Wochentag_Name(std::abs(w)) + u' ' + (w < 0 ? t.S_vor : t.S_nach);
}

QString Osterdistanz_Text(int d) {
  const Texts& t = texts();
  if (d < 0) return QString::number(-d) + t.S_TagEVor;
  if (d == 0) return t.S_Ostern;
  return QString::number(d) + t.S_TagENach;
}

QString Feiertag_Definition(const TFeiertag& f) {
  switch (f.Art) {
    case 0:
      return Datum_Text(f.Tag, f.Monat);
    case 1:
      return Wochentag_Name(std::abs(f.Wochentag)) + u' ' + (f.Wochentag < 0 ? texts().S_vor : texts().S_nach) +
             u' ' + QString::number(f.Tag) + QStringLiteral(". ") + Monatsname(f.Monat);
    default:
      return Osterdistanz_Text(f.Tag);
  }
}

bool Feiertag_Speichern(HolidayTable& t, const TFeiertag& eingabe) {
  // Names are compared and kept as the holiday file holds them.
  TFeiertag neu = eingabe;
  neu.Name = cp1252::stored(eingabe.Name);
  bool gefunden = false;
  const int n = anzahl(t);
  for (int i = 0; i < n; ++i) {
    TFeiertag& f = t.Feiertage[i];
    if (gleicheDefinition(f, neu)) {
      f.Name = neu.Name;
      gefunden = true;
    }
    if (f.Name == neu.Name) {
      f.Art = neu.Art;
      f.Wochentag = neu.Wochentag;
      f.Tag = neu.Tag;
      f.Monat = neu.Monat;
      gefunden = true;
    }
  }
  if (gefunden) return true;
  t.Feiertage.resize(n);
  t.Feiertage.push_back(neu);
  t.AnzFt = static_cast<int16_t>(n + 1);
  return false;
}

void Feiertag_Loeschen(HolidayTable& t, int k) {
  const int n = anzahl(t);
  if (k < 0 || k >= n) return;
  const int d = k + 1;
  t.Feiertage.resize(n);
  t.Feiertage.erase(t.Feiertage.begin() + k);
  for (int s = 0; s < kFtSetRows; ++s) {
    int16_t* row = t.FtSet[s];
    int behalten = 0;
    for (int m = 1; m <= mitglieder(t, s); ++m) {
      const int c = row[m];
      if (c == d) continue;
      row[++behalten] = static_cast<int16_t>(c > d ? c - 1 : c);
    }
    for (int m = behalten + 1; m <= mitglieder(t, s); ++m) row[m] = 0;
    row[0] = static_cast<int16_t>(behalten);
  }
  t.AnzFt = static_cast<int16_t>(n - 1);
}

int Set_Mitglied_Einfuegen(HolidayTable& t, int s, int c) {
  if (s < 0 || s >= kFtSetRows) return 0;
  int16_t* row = t.FtSet[s];
  const int count = mitglieder(t, s);
  int i = 1;
  while (i <= count && row[i] < c) ++i;
  if (i <= count && row[i] == c) return i;
  if (count >= kFtSetMaxMembers) return 0;
  for (int m = count; m >= i; --m) row[m + 1] = row[m];
  row[i] = static_cast<int16_t>(c);
  row[0] = static_cast<int16_t>(count + 1);
  return i;
}

void Set_Mitglied_Entfernen(HolidayTable& t, int s, int m) {
  if (s < 0 || s >= kFtSetRows) return;
  int16_t* row = t.FtSet[s];
  const int count = mitglieder(t, s);
  if (m < 1 || m > count) return;
  for (int i = m; i < count; ++i) row[i] = row[i + 1];
  row[count] = 0;
  row[0] = static_cast<int16_t>(count - 1);
}

bool Set_Hinzufuegen(HolidayTable& t, const QString& eingabe) {
  const QString name = cp1252::stored(eingabe);
  const int n = anzahlSets(t);
  if (name.isEmpty() || n >= kFtSetRows) return false;
  for (int s = 0; s < n; ++s)
    if (t.FtSetName[s] == name) return false;
  t.FtSetName = t.FtSetName.mid(0, n);
  t.FtSetName.append(name);
  std::fill(std::begin(t.FtSet[n]), std::end(t.FtSet[n]), int16_t{0});
  t.AnzFtSets = static_cast<int16_t>(n + 1);
  return true;
}

void Set_Loeschen(HolidayTable& t, int s) {
  const int n = anzahlSets(t);
  if (s < 0 || s >= n) return;
  t.FtSetName = t.FtSetName.mid(0, n);
  t.FtSetName.removeAt(s);
  for (int r = s; r + 1 < n; ++r) std::copy(std::begin(t.FtSet[r + 1]), std::end(t.FtSet[r + 1]), t.FtSet[r]);
  std::fill(std::begin(t.FtSet[n - 1]), std::end(t.FtSet[n - 1]), int16_t{0});
  t.AnzFtSets = static_cast<int16_t>(n - 1);
}

}  // namespace qv
