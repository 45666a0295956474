#pragma once
// Shared set-up for the image, header, program-file and file-name tests: clock profiles, the
// German message texts, programs of known content and a whole-state snapshot to compare.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QList>
#include <QString>
#include <algorithm>
#include <vector>

#include "model/Abbild.h"
#include "model/Marke.h"
#include "model/Texte.h"
#include "model/Zustand.h"
#include "tests/support/ClockProfiles.h"

namespace qv::imagetest {

inline void setGermanTexts() {
  Texts& t = texts();
  t.S_KeineDatenVorh = QString::fromUtf8("Keine Daten vorhanden ! Trotzdem fortfahren ?");
  t.S_WaehlAnde = QString::fromUtf8(
      "Wählen sie eine andere Sommerzeit-/Winterzeitregel oder geben Sie eine Tabelle ein !");
  t.S_habenSomm = QString::fromUtf8(
      "Sie haben eine Sommerzeittabelle eingegeben. Diese ist jedoch nicht aktiviert ! Jetzt aktivieren ?");
  t.S_SzTab = QStringLiteral("SzTab");
  t.S_SpeiVorh = QStringLiteral("Alle Dateinamen belegt: ");
  t.S_KeineDatei = QString::fromUtf8("Keine Datei gewählt !");
  t.S_keinGuelt = QString::fromUtf8("kein gültiger Filename");
  t.S_Datei = QStringLiteral("Datei ");
  t.S_bestUeber = QString::fromUtf8(" besteht bereits! Überschreiben ?");
}

// A fresh state with the profile of clock type 240 (4 channels), 280 or 309, as the start-up
// leaves it; the settings as the golden files were made with.
inline void useClockType(int typ) {
  resetAllState();
  setGermanTexts();
  test::setClockProfile(typ);
  astro().AstroZeitzone = -60;
}

inline TSz weekdayRecord(int minute, int prog, int days, int chan, int state) {
  return TSz{static_cast<uint8_t>(128 + minute / 16), static_cast<uint8_t>((minute % 16) * 16 + prog), 0,
             static_cast<uint8_t>(days), static_cast<uint8_t>(chan), static_cast<uint8_t>(state)};
}

inline TSz datedRecord(int minute, int day, int month, int chan, int state) {
  return TSz{static_cast<uint8_t>(minute / 16), static_cast<uint8_t>((minute % 16) * 16 + month), 0,
             static_cast<uint8_t>(day), static_cast<uint8_t>(chan), static_cast<uint8_t>(state)};
}

// A dated priority time from day/month to day/month.
inline TSz priorityRecord(int day, int month, int endDay, int endMonth, int prio, int chan) {
  return TSz{static_cast<uint8_t>(96 + 2 * month + day / 16), static_cast<uint8_t>((day % 16) * 16 + prio), 0,
             static_cast<uint8_t>(endDay), static_cast<uint8_t>(chan), static_cast<uint8_t>(endMonth * 16)};
}

inline void setRecords(int slot, const std::vector<TSz>& recs) {
  ProgramState& p = program();
  int sz = 0, pz = 0;
  for (size_t i = 0; i < recs.size(); ++i) {
    p.Sz[slot][i] = recs[i];
    (recs[i].w0 >= 96 && recs[i].w0 <= 127 ? pz : sz)++;
  }
  p.AnzSz[slot] = static_cast<int16_t>(sz);
  p.AnzPz[slot] = static_cast<int16_t>(pz);
  p.AnzGesamt[slot] = static_cast<int16_t>(sz + pz);
}

// n records in time order: switching times, then a tenth of priority times.
inline std::vector<TSz> manyRecords(int n, int channels) {
  std::vector<TSz> recs;
  const int pz = n / 10;
  for (int i = 0; i < n - pz; ++i)
    recs.push_back(weekdayRecord(i * 1439 / n, 1 + i % 9, 1 << (i % 7), channels == 16 ? i % 16 : 1 + i % 3, i % 2));
  for (int i = 0; i < pz; ++i) recs.push_back(priorityRecord(1 + i % 28, 1 + i % 12, 28, 12, 1 + i % 9, 1));
  // In time order already, so the encoder's sort leaves the table as it is.
  std::stable_sort(recs.begin(), recs.end(), [](const TSz& a, const TSz& b) {
    auto key = [](const TSz& r) { return (r.w0 & 127) * 1024 + (r.w1 >> 4) * 64 + (r.w5 >> 2); };
    return key(a) < key(b);
  });
  return recs;
}

// The golden program files' contents (tests/data/model/programm*.qvl).
inline void fillGolden240() {
  useClockType(240);
  Uhrenprofil& p = profile();
  DeviceSettings& s = settings();
  ProgramState& g = program();
  p.Kanalzahl = 2, p.Geraetecode = 73;
  s.SwRegel = 4, s.SpracheUhr = 0, s.OptDatum = 1, s.OptFunk = 1, s.OptDauer = 1, s.Schreibschutz = 1;
  g.Programmnummer[0] = 123456;
  s.MessKanal = 2, s.MessPeriode = 15, s.MessImpDauer = 10, s.MessZustand = 1;
  g.AnzSw[0] = 2, g.SwKopf[0] = 30;
  g.SwTab[0][0] = TSwEintrag{35, 211, 51, 154};
  g.SwTab[0][1] = TSwEintrag{35, 195, 51, 250};
  setRecords(0, {TSz{211, 114, 0, 127, 3, 0}, TSz{45, 12, 0, 88, 2, 20}, TSz{110, 18, 0, 31, 1, 128},
                 TSz{152, 97, 0, 31, 1, 1}, TSz{96, 90, 0, 0, 2, 49}});
  g.Verwendung[0] = QStringLiteral("Schule, Halle 2");
  g.Kanalname[0][0] = QString::fromUtf8(" Licht, außen");
}

inline void fillGolden280() {
  useClockType(280);
  ProgramState& g = program();
  AstroState& a = astro();
  std::vector<TSz> recs;
  for (int i = 0; i < 300; ++i) recs.push_back(weekdayRecord(i * 4, 1 + i % 9, 1 << (i % 7), i % 16, i % 2));
  setRecords(0, recs);
  for (auto& kanal : a.AstroTab)
    for (auto& t : kanal) t = TAstroTag{7, 7, 0, 0};
  for (int d = 0; d < 366; ++d)
    a.AstroTab[1][d] = TAstroTag{static_cast<int16_t>(360 + d % 60), static_cast<int16_t>(1100 - d % 50), 1, 0};
  a.AstroAktiv[0] = -1, a.AstroAktiv[2] = -1;
  a.AstroGrenzen[1] = TAstroEinst{300, 1200, 1, 1};
  g.Programmnummer[0] = 0;
  settings().SwRegel = 2;
  g.Verwendung[0] = QString::fromUtf8("012€ü56789") + QStringLiteral("0123456789").repeated(5);
  g.Kanalname[0][0] = QStringLiteral("Kanal eins mit Namen");
  g.Kanalname[2][0] = QStringLiteral("Flur");
}

inline void fillGolden309() {
  useClockType(309);
  ProgramState& g = program();
  AstroState& a = astro();
  std::vector<TSz> recs;
  for (int i = 0; i < 120; ++i) recs.push_back(weekdayRecord(i * 11, 1, 127, 1 + i % 3, (i / 2) % 2));
  setRecords(0, recs);
  g.Sz[0][120] = TSz{7, 8, 0, 9, 10, 11};
  g.Sz[0][121] = TSz{1, 2, 3, 4, 5, 6};
  settings().AstroC1C2 = 1;
  a.AstroKorrAuf = -5, a.AstroKorrUnter = 12, a.AstroLaenge = -7.5f, a.AstroBreite = -32.5f;
  a.AstroZeitzone = -90, a.AstroZusatz = 17;
  a.AstroAktiv[0] = -1, a.AstroAktiv[1] = -1;
  for (int d = 0; d < 366; ++d)
    a.AstroTab[0][d] = TAstroTag{static_cast<int16_t>(400 + d), static_cast<int16_t>(1000 + d), 0, 0};
  g.AnzSw[0] = 1, g.SwKopf[0] = 30 + 64, g.SwProJahr[0] = 1;
  g.SwTab[0][0] = TSwEintrag{35, 211, 51, 154};
  settings().SwRegel = 4;
  g.Kanalname[0][0] = QStringLiteral(" Pumpe");
  g.Kanalname[1][0] = QStringLiteral(" Tor");
  g.Verwendung[0] = QStringLiteral("Garage");
}

// The values of a program file, in stored order (the first n tokens).
inline TAbbild valuesOf(const QByteArray& file, int n) {
  TAbbild out;
  for (const QByteArray& tok : file.simplified().split(' ')) {
    if (static_cast<int>(out.size()) == n) break;
    out.push_back(static_cast<uint8_t>(tok.toInt()));
  }
  return out;
}

inline QList<QByteArray> linesOf(const QByteArray& file) {
  QList<QByteArray> l = file.split('\n');
  if (!l.isEmpty() && l.back().isEmpty()) l.pop_back();
  return l;
}

// Everything a read may change, to check that a refused read changed nothing.
struct Snapshot {
  ProgramState prog = program();
  Uhrenprofil prof = profile();
  DeviceSettings set = settings();
  AstroState astroState = astro();
};

inline void expectSlotEqual(const ProgramState& a, const ProgramState& b, int m) {
  for (int i = 0; i < kRecordsPerSlot; ++i) ASSERT_EQ(a.Sz[m][i], b.Sz[m][i]) << "record " << i;
  EXPECT_EQ(a.AnzSz[m], b.AnzSz[m]);
  EXPECT_EQ(a.AnzPz[m], b.AnzPz[m]);
  EXPECT_EQ(a.AnzGesamt[m], b.AnzGesamt[m]);
  EXPECT_EQ(a.AnzSw[m], b.AnzSw[m]);
  for (int i = 0; i < kSwEntries; ++i) EXPECT_EQ(a.SwTab[m][i], b.SwTab[m][i]) << "entry " << i;
  EXPECT_EQ(a.SwKopf[m], b.SwKopf[m]);
  EXPECT_EQ(a.SwProJahr[m], b.SwProJahr[m]);
  for (int k = 0; k < 8; ++k) EXPECT_EQ(a.Kopf[m][k], b.Kopf[m][k]) << "header byte " << k;
  EXPECT_EQ(a.Programmnummer[m], b.Programmnummer[m]);
  EXPECT_EQ(a.Verwendung[m], b.Verwendung[m]);
  for (int k = 0; k < kChannelNames; ++k) EXPECT_EQ(a.Kanalname[k][m], b.Kanalname[k][m]) << "name " << k;
  EXPECT_EQ(a.Dateiname[m], b.Dateiname[m]);
}

inline void expectAstroEqual(const AstroState& a, const AstroState& b) {
  for (int k = 0; k < kAstroChannels; ++k) {
    for (int d = 0; d < kAstroDays; ++d) ASSERT_EQ(a.AstroTab[k][d], b.AstroTab[k][d]) << k << "/" << d;
    EXPECT_EQ(a.AstroGrenzen[k], b.AstroGrenzen[k]);
  }
  for (int k = 0; k <= kAstroChannels; ++k) EXPECT_EQ(a.AstroAktiv[k], b.AstroAktiv[k]);
  EXPECT_EQ(a.AstroLaenge, b.AstroLaenge);
  EXPECT_EQ(a.AstroBreite, b.AstroBreite);
  EXPECT_EQ(a.AstroZeitzone, b.AstroZeitzone);
  EXPECT_EQ(a.AstroKorrAuf, b.AstroKorrAuf);
  EXPECT_EQ(a.AstroKorrUnter, b.AstroKorrUnter);
  EXPECT_EQ(a.AstroZusatz, b.AstroZusatz);
}

inline void expectProfileAndSettingsEqual(const Snapshot& s) {
  const Uhrenprofil& p = profile();
  EXPECT_EQ(p.Kanalzahl, s.prof.Kanalzahl);
  EXPECT_EQ(p.Geraetecode, s.prof.Geraetecode);
  EXPECT_EQ(p.MaxSz, s.prof.MaxSz);
  EXPECT_EQ(p.Bewft, s.prof.Bewft);
  EXPECT_EQ(p.Geraetefamilie, s.prof.Geraetefamilie);
  EXPECT_EQ(p.UhrentypText, s.prof.UhrentypText);
  const DeviceSettings& d = settings();
  const DeviceSettings& e = s.set;
  EXPECT_EQ(d.SwRegel, e.SwRegel);
  EXPECT_EQ(d.SpracheUhr, e.SpracheUhr);
  EXPECT_EQ(d.AstroC1C2, e.AstroC1C2);
  EXPECT_EQ(d.MessKanal, e.MessKanal);
  EXPECT_EQ(d.MessPeriode, e.MessPeriode);
  EXPECT_EQ(d.MessImpDauer, e.MessImpDauer);
  EXPECT_EQ(d.MessZustand, e.MessZustand);
  EXPECT_EQ(d.MessZeitpunkt, e.MessZeitpunkt);
  EXPECT_EQ(d.Codierbyte, e.Codierbyte);
  EXPECT_EQ(d.Schreibschutz, e.Schreibschutz);
  EXPECT_EQ(d.OptDatum, e.OptDatum);
  EXPECT_EQ(d.OptFunk, e.OptFunk);
  EXPECT_EQ(d.OptNak, e.OptNak);
  EXPECT_EQ(d.OptDauer, e.OptDauer);
}

inline void expectUnchanged(const Snapshot& s) {
  expectSlotEqual(program(), s.prog, 0);
  expectSlotEqual(program(), s.prog, 1);
  expectProfileAndSettingsEqual(s);
  expectAstroEqual(astro(), s.astroState);
}

}  // namespace qv::imagetest
