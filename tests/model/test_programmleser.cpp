// Reading program files and "card.dat": round trips on every clock type, the worked values of
// the decoders, and every refusal, which must leave the slot and the settings as they were.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>

#include "model/Hooks.h"
#include "model/Programmdatei.h"
#include "model/Programmleser.h"
#include "tests/model/ImageFixtures.h"
#include "tests/support/ScriptedEnvironment.h"
#include "tests/support/StartDir.h"

using namespace qv;
using namespace qv::imagetest;

namespace {

QByteArray readFile(const QString& path) {
  QFile f(path);
  f.open(QIODevice::ReadOnly);
  return f.readAll();
}

int numberLines(int typ) { return typ == 280 ? 2658 : 366; }

QString writeProgram(test::StartDir& dir, test::ScriptedEnvironment& env, const QString& name) {
  program().Dateiname[0] = dir.file(name);
  if (program().AnzGesamt[0] == 0) env.answer(Answer::Ok);
  EXPECT_EQ(SchreibeProgrammDatei(), 1);
  return dir.file(name);
}

// The file with its image replaced (in stored order); the text lines stay.
QByteArray withImage(const QByteArray& file, int typ, const TAbbild& stored) {
  const QList<QByteArray> old = linesOf(file);
  const QList<QByteArray> fresh = linesOf(Schreibe_Zeilen(stored, {}, {}));
  QByteArray out;
  for (int i = 0; i < numberLines(typ); ++i) out += fresh[i] + '\n';
  for (int i = numberLines(typ); i < old.size(); ++i) out += old[i] + '\n';
  return out;
}

// The file with a change made to its decoded image; the checksum is made right again.
template <typename F>
QByteArray changed(const QByteArray& file, int typ, F change) {
  const AbbildFormat& f = *imageFormat(typ);
  TAbbild d = toDecodedOrder(f, valuesOf(file, f.groesse));
  change(d);
  TAbbild stored = toStoredOrder(f, d);
  setChecksum(stored);
  return withImage(file, typ, stored);
}

// A full or empty program with everything a file carries, in a state a read gives back exactly.
void fillRoundTrip(int typ, bool full) {
  useClockType(typ);
  ProgramState& p = program();
  DeviceSettings& s = settings();
  AstroState& a = astro();
  const int kanaele = profile().Kanalzahl;
  // The astro channels the image holds read back as no-time days when they have no times.
  const int astroKanaele = typ == 280 ? 4 : typ == 309 ? 1 : 0;
  for (int k = 0; k < astroKanaele; ++k)
    for (int d = 0; d < adr::kAstroTage; ++d) a.AstroTab[k][d] = TAstroTag{profile().KeineZeit, profile().KeineZeit, 0, 0};
  if (typ != 309) s.MessPeriode = s.MessImpDauer = 1;
  if (typ == 309) a.AstroAktiv[0] = a.AstroAktiv[1] = -1;  // always, as a read gives it
  s.Codierbyte = typ == 309 ? 0 : 255;
  for (int k = 0; k < kanaele; ++k) p.Kanalname[k][0] = QStringLiteral(" Kanal %1").arg(k + 1);
  if (!full) return;

  setRecords(0, manyRecords(imageFormat(typ)->kapazitaet, kanaele));
  // Dated switching times in the day's last sixteen minutes have the highest dated first byte.
  p.Sz[0][0] = datedRecord(23 * 60 + 44, 31, 12, 1, 1);
  p.Sz[0][1] = datedRecord(23 * 60 + 59, 1, 1, 1, 0);
  p.AnzSw[0] = 3, p.SwKopf[0] = 27 + 64, p.SwProJahr[0] = 1;
  p.SwTab[0][0] = TSwEintrag{35, 211, 51, 154};
  p.SwTab[0][1] = TSwEintrag{35, 195, 51, 250};
  p.SwTab[0][2] = TSwEintrag{36, 3, 50, 10};
  s.SwRegel = 4;
  s.Schreibschutz = 1, s.OptDatum = 1, s.OptNak = 1, s.OptDauer = 1;
  p.Verwendung[0] = QStringLiteral("Halle, Nord");
  p.Kanalname[0][0] = QString::fromUtf8(" Licht, außen");
  if (typ != 309) {
    p.Programmnummer[0] = 654321;
    s.MessKanal = 2, s.MessPeriode = 30, s.MessImpDauer = 5, s.MessZustand = 1, s.MessZeitpunkt = 1;
  }
  if (typ == 280) {
    a.AstroAktiv[0] = a.AstroAktiv[2] = a.AstroAktiv[4] = -1;
    for (int d = 0; d < 366; ++d) {
      a.AstroTab[1][d] = TAstroTag{static_cast<int16_t>(300 + d), static_cast<int16_t>(1000 + d), static_cast<int16_t>(d % 2), 1};
      a.AstroTab[3][d] = TAstroTag{1535, static_cast<int16_t>(1200 - d), 0, static_cast<int16_t>(d % 3 == 0)};
    }
    a.AstroGrenzen[1] = TAstroEinst{100, 1300, 1, 0};
  }
  if (typ == 309) {
    s.AstroC1C2 = 1;
    a.AstroKorrAuf = -5, a.AstroKorrUnter = 7, a.AstroLaenge = 9.5f, a.AstroBreite = 48;
    a.AstroZeitzone = 60, a.AstroZusatz = 33;
    a.AstroAktiv[0] = a.AstroAktiv[1] = -1;
    for (int d = 0; d < 366; ++d)
      a.AstroTab[0][d] = TAstroTag{static_cast<int16_t>(400 + d), static_cast<int16_t>(3000 + d), 0, 0};
  }
}

// A program that differs from the files the refusal tests read, in both slots.
void fillOtherProgram(int typ) {
  useClockType(typ);
  setRecords(0, {weekdayRecord(100, 1, 3, 1, 1), weekdayRecord(200, 2, 4, 1, 0)});
  setRecords(1, {weekdayRecord(300, 1, 3, 1, 1)});
  program().AnzSw[0] = 1, program().SwKopf[0] = 12;
  program().SwTab[0][0] = TSwEintrag{35, 211, 51, 154};
  program().Kopf[0][6] = 9;
  program().Verwendung[0] = QStringLiteral("alt");
  program().Kanalname[0][0] = QStringLiteral(" alt");
  program().Dateiname[0] = QStringLiteral("alt.qvl");
  program().Programmnummer[0] = 42;
  settings().MessKanal = 1, settings().MessPeriode = 7;
  settings().Codierbyte = 3;
  astro().AstroAktiv[1] = -1;
  astro().AstroTab[0][5] = TAstroTag{1, 2, 1, 0};
  astro().AstroKorrAuf = 3;
}

struct Files {
  test::StartDir dir;
  test::ScriptedEnvironment env;
};

}  // namespace

class ProgrammdateiRundreise : public ::testing::TestWithParam<std::tuple<int, bool>> {};

TEST_P(ProgrammdateiRundreise, ReadingBackGivesTheSameProgramAndTheSameBytes) {
  const auto [typ, full] = GetParam();
  Files f;
  fillRoundTrip(typ, full);
  const QString name = writeProgram(f.dir, f.env, "a.qvl");
  const Snapshot written;
  const QByteArray bytes = f.dir.read("a.qvl");
  EXPECT_EQ(static_cast<int>(written.prog.AnzGesamt[0]), full ? imageFormat(typ)->kapazitaet : 0);

  useClockType(typ);
  ASSERT_EQ(LeseProgrammDatei(name, 0, 0), LeseErgebnis::Geladen);
  const ProgramState& p = program();
  const ProgramState& w = written.prog;
  EXPECT_EQ(p.AnzSz[0], w.AnzSz[0]);
  EXPECT_EQ(p.AnzPz[0], w.AnzPz[0]);
  EXPECT_EQ(p.AnzGesamt[0], w.AnzGesamt[0]);
  for (int i = 0; i < w.AnzGesamt[0]; ++i) ASSERT_EQ(p.Sz[0][i], w.Sz[0][i]) << i;
  EXPECT_EQ(p.AnzSw[0], w.AnzSw[0]);
  for (int i = 0; i < w.AnzSw[0]; ++i) EXPECT_EQ(p.SwTab[0][i], w.SwTab[0][i]);
  EXPECT_EQ(p.SwKopf[0], w.SwKopf[0]);
  EXPECT_EQ(p.SwProJahr[0], w.SwProJahr[0]);
  EXPECT_EQ(p.Kopf[0][0], static_cast<uint8_t>(bytes.left(bytes.indexOf('\r')).trimmed().toInt()));  // the checksum
  for (int k = 1; k < 8; ++k) EXPECT_EQ(p.Kopf[0][k], w.Kopf[0][k]);
  EXPECT_EQ(p.Programmnummer[0], w.Programmnummer[0]);
  EXPECT_EQ(p.Verwendung[0], w.Verwendung[0]);
  for (int k = 0; k < profile().Kanalzahl; ++k) EXPECT_EQ(p.Kanalname[k][0], w.Kanalname[k][0]);
  expectProfileAndSettingsEqual(written);
  EXPECT_EQ(profile().MaxSz, written.prof.MaxSz);
  expectAstroEqual(astro(), written.astroState);

  writeProgram(f.dir, f.env, "b.qvl");
  EXPECT_EQ(f.dir.read("b.qvl"), bytes);
}

INSTANTIATE_TEST_SUITE_P(AlleTypen, ProgrammdateiRundreise,
                         ::testing::Combine(::testing::Values(240, 280, 309), ::testing::Bool()));

TEST(ProgrammdateiLesen, GoldenFilesDecodeToTheirPrograms) {
  Files f;
  fillGolden240();
  const Snapshot expected;
  useClockType(240);
  ASSERT_EQ(LeseProgrammDatei(QStringLiteral(QV_TEST_DATA "/model/programm240.qvl"), 0, 0), LeseErgebnis::Geladen);
  EXPECT_EQ(profile().Kanalzahl, 2);
  EXPECT_EQ(profile().Geraetecode, 73);
  EXPECT_EQ(profile().Bewft, 1);
  EXPECT_EQ(program().AnzSz[0], 3);
  EXPECT_EQ(program().AnzPz[0], 2);
  EXPECT_EQ(program().Programmnummer[0], 123456);
  EXPECT_EQ(program().AnzSw[0], 2);
  EXPECT_EQ(program().SwKopf[0], 30);
  EXPECT_EQ(settings().SwRegel, 4);
  EXPECT_EQ(settings().Schreibschutz, 1);
  EXPECT_EQ(settings().MessKanal, 2);
  EXPECT_EQ(settings().MessPeriode, 15);
  EXPECT_EQ(settings().MessImpDauer, 10);
  EXPECT_EQ(settings().MessZustand, 1);
  EXPECT_EQ(settings().Codierbyte, 255);
  EXPECT_EQ(program().Verwendung[0], expected.prog.Verwendung[0]);
  EXPECT_EQ(program().Kanalname[0][0], QString::fromUtf8(" Licht, außen"));
  EXPECT_EQ(program().Kanalname[1][0], QStringLiteral(" C2 :"));  // the line written for no name
  EXPECT_EQ(program().Kopf[0][6], 31);

  useClockType(309);
  ASSERT_EQ(LeseProgrammDatei(QStringLiteral(QV_TEST_DATA "/model/programm309.qvl"), 0, 0), LeseErgebnis::Geladen);
  EXPECT_EQ(astro().AstroKorrAuf, -5);
  EXPECT_EQ(astro().AstroKorrUnter, 12);
  EXPECT_EQ(astro().AstroLaenge, -7.5f);
  EXPECT_EQ(astro().AstroBreite, -32.5f);
  EXPECT_EQ(astro().AstroZeitzone, -90);
  EXPECT_EQ(astro().AstroZusatz, 17);
  EXPECT_EQ(settings().AstroC1C2, 1);
  EXPECT_EQ(program().SwProJahr[0], 1);
  EXPECT_EQ(profile().MaxSz, 120);
  EXPECT_EQ(astro().AstroTab[0][365].Untergang, 1365);
}

TEST(ProgrammdateiLesen, NamesAreWholeLinesAndKeepTheirLeadingBlank) {
  Files f;
  fillRoundTrip(240, false);
  program().Kanalname[0][0] = QStringLiteral("Tor");
  program().Kanalname[1][0] = QStringLiteral("a, b, \"c\"");
  program().Verwendung[0] = QStringLiteral("  Halle, Nord");
  const QString name = writeProgram(f.dir, f.env, "a.qvl");
  useClockType(240);
  ASSERT_EQ(LeseProgrammDatei(name, 0, 0), LeseErgebnis::Geladen);
  EXPECT_EQ(program().Kanalname[0][0], QStringLiteral(" Tor"));
  EXPECT_EQ(program().Kanalname[1][0], QStringLiteral(" a, b, \"c\""));
  EXPECT_EQ(program().Kanalname[2][0], QStringLiteral(" Kanal 3"));
  EXPECT_EQ(program().Verwendung[0], QStringLiteral("Halle, Nord"));
}

TEST(ProgrammdateiLesen, SurplusValuesAndTheKeyImageWithoutTexts) {
  Files f;
  fillRoundTrip(240, true);
  const QByteArray file = f.dir.read(QFileInfo(writeProgram(f.dir, f.env, "a.qvl")).fileName());
  QList<QByteArray> lines = linesOf(file);
  lines[365] = lines[365].chopped(1) + " 7  8 \r";
  QByteArray surplus;
  for (const QByteArray& l : lines) surplus += l + '\n';
  f.dir.write("b.qvl", surplus);
  useClockType(240);
  ASSERT_EQ(LeseProgrammDatei(f.dir.file("b.qvl"), 0, 0), LeseErgebnis::Geladen);
  EXPECT_EQ(program().Verwendung[0], QStringLiteral("Halle, Nord"));
  EXPECT_EQ(program().AnzGesamt[0], 324);

  // "card.dat": the values only, on lines of any length.
  f.dir.write("card.dat", file.left(file.indexOf("Halle")));
  useClockType(240);
  program().Verwendung[0] = QStringLiteral("bleibt");
  ASSERT_EQ(LeseProgrammDatei(f.dir.file("card.dat"), 1, 0), LeseErgebnis::Geladen);
  EXPECT_EQ(program().AnzGesamt[0], 324);
  EXPECT_EQ(program().Verwendung[0], QStringLiteral("bleibt"));
  QByteArray oneLine = file.left(file.indexOf("Halle"));
  oneLine.replace("\r\n", ",");
  f.dir.write("card.dat", oneLine);
  ASSERT_EQ(LeseProgrammDatei(f.dir.file("card.dat"), 1, 0), LeseErgebnis::Geladen);
}

TEST(ProgrammdateiLesen, ChainCapacitySkippedSlotsAndAnEmptyTable) {
  Files f;
  fillRoundTrip(240, false);
  setRecords(0, {weekdayRecord(100, 1, 3, 1, 1), weekdayRecord(200, 1, 3, 1, 1), weekdayRecord(300, 1, 3, 1, 1)});
  const QByteArray file = f.dir.read(QFileInfo(writeProgram(f.dir, f.env, "a.qvl")).fileName());

  // First used slot 200, which links to slot 1: a slot above 150 means the large capacity.
  f.dir.write("b.qvl", changed(file, 240, [](TAbbild& d) {
    for (int j = 0; j < 6; ++j) d[adr::slot(200) + j] = d[adr::slot(1) + j];
    d[adr::slot(200) + 2] = 2;
    d[101] = 200;
  }));
  fillOtherProgram(240);
  profile().MaxSz = 150;
  ASSERT_EQ(LeseProgrammDatei(f.dir.file("b.qvl"), 0, 0), LeseErgebnis::Geladen);
  EXPECT_EQ(profile().MaxSz, 324);
  EXPECT_EQ(program().AnzGesamt[0], 3);  // 200 -> 2 -> 3
  EXPECT_EQ(program().AnzSw[0], 0);  // byte 19 = 255
  EXPECT_EQ(program().SwKopf[0], 0);

  // A slot whose first byte is no valid record is passed over.
  f.dir.write("c.qvl", changed(file, 240, [](TAbbild& d) { d[adr::slot(2)] = 92; }));
  ASSERT_EQ(LeseProgrammDatei(f.dir.file("c.qvl"), 0, 0), LeseErgebnis::Geladen);
  EXPECT_EQ(program().AnzGesamt[0], 2);
  EXPECT_EQ(program().Sz[0][1], weekdayRecord(300, 1, 3, 1, 1));
}

TEST(ProgrammdateiLesen, HeaderFieldsOutsideTheirRanges) {
  Files f;
  fillRoundTrip(240, false);
  const QByteArray file = f.dir.read(QFileInfo(writeProgram(f.dir, f.env, "a.qvl")).fileName());
  f.dir.write("b.qvl", changed(file, 240, [](TAbbild& d) {
    d[13] = 0x12, d[14] = 0x3A, d[15] = 0x56;  // no valid BCD: no number
    d[16] = 61, d[17] = 0xFF;                  // a period above 60: no measuring pulse
  }));
  fillOtherProgram(240);
  ASSERT_EQ(LeseProgrammDatei(f.dir.file("b.qvl"), 0, 0), LeseErgebnis::Geladen);
  EXPECT_EQ(program().Programmnummer[0], kKeineProgrammnummer);
  EXPECT_EQ(settings().MessKanal, 0);
  EXPECT_EQ(settings().MessPeriode, 1);
  EXPECT_EQ(settings().MessImpDauer, 1);

  useClockType(309);
  const QByteArray astroFile = f.dir.read(QFileInfo(writeProgram(f.dir, f.env, "c.qvl")).fileName());
  f.dir.write("d.qvl", changed(astroFile, 309, [](TAbbild& d) {
    d[13] = 130, d[14] = 121;         // -126 and 121 minutes
    d[15] = 200;                      // 200 degrees
    d[16] = 127;                      // 127 degrees north
    d[17] = 15 + 96;                  // 15 hours 3 quarters
    d[18] = 63;
  }));
  fillOtherProgram(309);
  ASSERT_EQ(LeseProgrammDatei(f.dir.file("d.qvl"), 0, 0), LeseErgebnis::Geladen);
  EXPECT_EQ(astro().AstroKorrAuf, -120);
  EXPECT_EQ(astro().AstroKorrUnter, 120);
  EXPECT_EQ(astro().AstroLaenge, 180);
  EXPECT_EQ(astro().AstroBreite, 70);
  EXPECT_EQ(astro().AstroZeitzone, 720);
  EXPECT_EQ(astro().AstroZusatz, 59);
  // The astro channel is in use whatever its times, so saving it again asks nothing.
  EXPECT_EQ(astro().AstroAktiv[1], -1);
  EXPECT_EQ(program().Programmnummer[0], 42);  // the astro type has no program number
  EXPECT_EQ(settings().MessPeriode, 7);
  program().AnzGesamt[0] = program().AnzSw[0] = 0;
  f.env.messages.clear();
  program().Dateiname[0] = f.dir.file("e.qvl");
  EXPECT_EQ(SchreibeProgrammDatei(), 1);
  EXPECT_TRUE(f.env.messages.empty());
}

TEST(ProgrammdateiLesen, AstroLimitsOutOfRangeAreBroughtIntoRange) {
  Files f;
  fillRoundTrip(280, true);
  astro().AstroGrenzen[1] = TAstroEinst{300, 1440, 1, 1};
  astro().AstroGrenzen[2] = TAstroEinst{721, 1439, 0, 1};
  const QString name = writeProgram(f.dir, f.env, "a.qvl");
  useClockType(280);
  ASSERT_EQ(LeseProgrammDatei(name, 0, 0), LeseErgebnis::Geladen);
  EXPECT_EQ(astro().AstroGrenzen[1], (TAstroEinst{300, 1439, 1, 1}));
  EXPECT_EQ(astro().AstroGrenzen[2], (TAstroEinst{0, 1439, 0, 1}));
}

TEST(ProgrammdateiLesen, UsedChangeoverEntriesAfterAGapAreKeptOnTheNextSave) {
  Files f;
  fillRoundTrip(240, true);
  const QByteArray file = f.dir.read(QFileInfo(writeProgram(f.dir, f.env, "a.qvl")).fileName());
  // Entries 1, 2 and 4 used, entry 3 empty.
  f.dir.write("luecke.qvl", changed(file, 240, [](TAbbild& d) {
    const int e3 = adr::kSwTabelle + 8, e4 = adr::kSwTabelle + 12;
    for (int j = 0; j < 4; ++j) d[e4 + j] = d[e3 + j], d[e3 + j] = 255;
  }));
  fillOtherProgram(240);
  ASSERT_EQ(LeseProgrammDatei(f.dir.file("luecke.qvl"), 0, 0), LeseErgebnis::Geladen);
  ASSERT_EQ(program().AnzSw[0], 3);
  EXPECT_EQ(program().SwTab[0][0], (TSwEintrag{35, 211, 51, 154}));
  EXPECT_EQ(program().SwTab[0][1], (TSwEintrag{35, 195, 51, 250}));
  EXPECT_EQ(program().SwTab[0][2], (TSwEintrag{36, 3, 50, 10}));

  writeProgram(f.dir, f.env, "b.qvl");
  fillOtherProgram(240);
  ASSERT_EQ(LeseProgrammDatei(f.dir.file("b.qvl"), 0, 0), LeseErgebnis::Geladen);
  ASSERT_EQ(program().AnzSw[0], 3);
  EXPECT_EQ(program().SwTab[0][2], (TSwEintrag{36, 3, 50, 10}));
  EXPECT_EQ(f.dir.read("b.qvl"), file);  // the same table as before the gap, in the same bytes
}

TEST(ProgrammdateiLesen, QuotedTextsLoseTheirQuotesAndKeepTheirCommas) {
  Files f;
  fillRoundTrip(240, false);
  program().Verwendung[0] = QStringLiteral("\"Halle, Nord\"");
  program().Kanalname[0][0] = QStringLiteral(" \"Licht, Flur\"");
  program().Kanalname[1][0] = QStringLiteral("\"offen");
  const QString name = writeProgram(f.dir, f.env, "a.qvl");
  useClockType(240);
  ASSERT_EQ(LeseProgrammDatei(name, 0, 0), LeseErgebnis::Geladen);
  EXPECT_EQ(program().Verwendung[0], QStringLiteral("Halle, Nord"));
  EXPECT_EQ(program().Kanalname[0][0], QStringLiteral(" Licht, Flur"));
  EXPECT_EQ(program().Kanalname[1][0], QStringLiteral(" offen"));
}

TEST(ProgrammdateiLesen, AReadIntoTheOwnSlotNamesTheTypeAndEnablesSaving) {
  Files f;
  fillRoundTrip(240, true);
  const QString name = writeProgram(f.dir, f.env, "a.qvl");
  useClockType(240);
  brand().Markengruppe = 1;
  brand().S_Typ[4] = QStringLiteral("MX 240");
  brand().S_Typ[19] = QStringLiteral("MX 460-4");
  int enabled = 0;
  hooks().setSaveCommandEnabled = [&](bool on) { enabled += on ? 1 : 100; };
  EXPECT_EQ(LeseProgrammDatei(name, 0, 0), LeseErgebnis::Geladen);
  EXPECT_EQ(profile().UhrentypText, QStringLiteral("MX 460-4"));  // it has a program number
  EXPECT_EQ(enabled, 1);
  EXPECT_EQ(f.env.busyDepth, 0);
  EXPECT_GT(f.env.busyOn, 0);
  hooks().setSaveCommandEnabled = nullptr;
}

TEST(ProgrammdateiVorlage, ATemplateTakesOnlyItsOwnData) {
  Files f;
  fillRoundTrip(280, true);
  const QString name = writeProgram(f.dir, f.env, "vorlage.qvl");
  const Snapshot file;
  fillOtherProgram(280);
  settings().SwRegel = 1;
  const Snapshot before;
  ASSERT_EQ(LeseProgrammDatei(name, 0, 1), LeseErgebnis::Geladen);
  // Slot 1 holds the template ...
  const ProgramState& p = program();
  EXPECT_EQ(p.AnzGesamt[1], 500);
  for (int i = 0; i < 500; ++i) ASSERT_EQ(p.Sz[1][i], file.prog.Sz[0][i]) << i;
  EXPECT_EQ(p.AnzSw[1], 3);
  EXPECT_EQ(p.SwTab[1][2], file.prog.SwTab[0][2]);
  EXPECT_EQ(p.SwProJahr[1], 1);
  EXPECT_EQ(p.Programmnummer[1], 654321);
  EXPECT_EQ(p.Verwendung[1], QStringLiteral("Halle, Nord"));
  EXPECT_EQ(p.Kanalname[15][1], QStringLiteral(" Kanal 16"));
  EXPECT_EQ(p.Kopf[1][0], valuesOf(readFile(name), 1)[0]);  // the file's checksum
  for (int k = 1; k < 8; ++k) EXPECT_EQ(p.Kopf[1][k], file.prog.Kopf[0][k]);
  // ... and the own program, its settings and astro data are as they were.
  expectSlotEqual(program(), before.prog, 0);
  expectProfileAndSettingsEqual(before);
  expectAstroEqual(astro(), before.astroState);
}

TEST(ProgrammdateiVorlage, DeviceFamilyOfATemplate) {
  Files f;
  fillRoundTrip(240, false);
  setRecords(0, {weekdayRecord(100, 1, 3, 1, 1)});
  profile().Geraetefamilie = 1;
  const QString name = writeProgram(f.dir, f.env, "familie1.qvl");

  // Slot 0 empty: the template loads and brings its family.
  useClockType(240);
  ASSERT_EQ(LeseProgrammDatei(name, 0, 1), LeseErgebnis::Geladen);
  EXPECT_EQ(profile().Geraetefamilie, 1);
  EXPECT_EQ(program().AnzGesamt[1], 1);

  // Slot 0 holds records of the other family: refused, nothing changes.
  fillOtherProgram(240);
  const Snapshot before;
  EXPECT_EQ(LeseProgrammDatei(name, 0, 1), LeseErgebnis::Familienkonflikt);
  expectUnchanged(before);
  // The same into the own slot while the template holds records.
  EXPECT_EQ(LeseProgrammDatei(name, 0, 0), LeseErgebnis::Familienkonflikt);
  expectUnchanged(before);
}

TEST(ProgrammdateiAblehnung, BrokenFilesChangeNothing) {
  Files f;
  fillRoundTrip(240, true);
  const QByteArray file = f.dir.read(QFileInfo(writeProgram(f.dir, f.env, "gut.qvl")).fileName());
  QList<QByteArray> lines = linesOf(file);
  auto joined = [](const QList<QByteArray>& l) {
    QByteArray out;
    for (const QByteArray& x : l) out += x + '\n';
    return out;
  };
  auto withLine = [&](int nr, const QByteArray& text) {
    QList<QByteArray> l = lines;
    l[nr] = text + '\r';
    return joined(l);
  };
  const int firstValue = valuesOf(file, 1)[0];
  const struct { const char* name; QByteArray content; } faelle[] = {
      {"truncated", file.left(file.indexOf("\n", 2000))},
      {"checksum", withLine(0, " " + QByteArray::number((firstValue + 1) % 256) + " ")},
      {"256", withLine(30, " 256  1  2  3  4  5 ")},
      {"negative", withLine(30, " -1  1  2  3  4  5 ")},
      {"not a number", withLine(30, " 12a  1  2  3  4  5 ")},
      {"fraction", withLine(30, " 1.5  1  2  3  4  5 ")},
      {"no names", joined(lines.mid(0, 368))},
      {"loop", changed(file, 240, [](TAbbild& d) { d[adr::slot(3) + 2] = 2; d[adr::slot(3) + 3] &= 127; })},
      {"link beyond", changed(file, 240, [](TAbbild& d) { d[adr::slot(1) + 2] = 69; d[adr::slot(1) + 3] |= 128; })},
      {"head beyond", changed(file, 240, [](TAbbild& d) { d[100] = 1; d[101] = 69; })},
      {"unknown id", changed(file, 240, [](TAbbild& d) { d[1] = 99; })},
  };
  for (const auto& c : faelle) {
    SCOPED_TRACE(c.name);
    f.dir.write("kaputt.qvl", c.content);
    fillOtherProgram(240);
    const Snapshot before;
    EXPECT_EQ(LeseProgrammDatei(f.dir.file("kaputt.qvl"), 0, 0), LeseErgebnis::Ungueltig);
    expectUnchanged(before);
    EXPECT_EQ(LeseProgrammDatei(f.dir.file("kaputt.qvl"), 0, 1), LeseErgebnis::Ungueltig);
    expectUnchanged(before);
    EXPECT_EQ(f.env.busyDepth, 0);
  }

  fillOtherProgram(240);
  const Snapshot before;
  EXPECT_EQ(LeseProgrammDatei(f.dir.file("fehlt.qvl"), 0, 0), LeseErgebnis::Fehlt);
  expectUnchanged(before);
  EXPECT_EQ(LeseProgrammDatei(f.dir.path(), 0, 0), LeseErgebnis::Gemeldet);  // a folder: reported
  expectUnchanged(before);
  EXPECT_EQ(f.env.messages.back().icon, Icon::Critical);
}

TEST(ProgrammdateiAblehnung, ImagesOfOtherClockTypes) {
  Files f;
  fillRoundTrip(240, true);
  const QByteArray file240 = f.dir.read(QFileInfo(writeProgram(f.dir, f.env, "a240.qvl")).fileName());
  fillRoundTrip(309, true);
  const QByteArray file309 = f.dir.read(QFileInfo(writeProgram(f.dir, f.env, "a309.qvl")).fileName());
  fillRoundTrip(280, true);
  const QByteArray file280 = f.dir.read(QFileInfo(writeProgram(f.dir, f.env, "a280.qvl")).fileName());
  f.dir.write("zwei.qvl", " 0 \r\n 74 \r\n");
  f.dir.write("id72.qvl", changed(file280, 280, [](TAbbild& d) { d[1] = 72; }));
  f.dir.write("id80.qvl", changed(file280, 280, [](TAbbild& d) { d[1] = 80; }));
  f.dir.write("id99.qvl", changed(file280, 280, [](TAbbild& d) { d[1] = 99; }));
  f.dir.write("master309.qvl", changed(file309, 309, [](TAbbild& d) { d[1] = 80 + 128; }));
  f.dir.write("fremd309.qvl", changed(file309, 309, [](TAbbild& d) { d[1] = 72 + 128; }));  // a master card of the 240 type

  const struct { int typ; const char* datei; LeseErgebnis ergebnis; } faelle[] = {
      {240, "a280.qvl", LeseErgebnis::Abbild8K},    {240, "zwei.qvl", LeseErgebnis::Abbild8K},
      {309, "zwei.qvl", LeseErgebnis::Abbild8K},    {240, "a309.qvl", LeseErgebnis::Typ309},
      {309, "a240.qvl", LeseErgebnis::Typ240},      {280, "id72.qvl", LeseErgebnis::Typ240},
      {280, "id80.qvl", LeseErgebnis::Typ309},      {280, "id99.qvl", LeseErgebnis::Ungueltig},
      {280, "a240.qvl", LeseErgebnis::Ungueltig},   {309, "master309.qvl", LeseErgebnis::Ungueltig},
      {309, "fremd309.qvl", LeseErgebnis::Ungueltig},
  };
  for (const auto& c : faelle) {
    SCOPED_TRACE(std::string(c.datei) + " on " + std::to_string(c.typ));
    fillOtherProgram(c.typ);
    const Snapshot before;
    EXPECT_EQ(LeseProgrammDatei(f.dir.file(c.datei), 0, 0), c.ergebnis);
    expectUnchanged(before);
  }
}

TEST(ProgrammdateiAblehnung, AMasterCardLoadsNothingAndLeavesTheSlotEmpty) {
  Files f;
  for (int typ : {240, 280}) {
    SCOPED_TRACE(typ);
    fillRoundTrip(typ, true);
    const QByteArray file = f.dir.read(QFileInfo(writeProgram(f.dir, f.env, "m.qvl")).fileName());
    f.dir.write("master.qvl", changed(file, typ, [](TAbbild& d) { d[1] |= 128; }));
    for (int slot : {0, 1}) {
      fillOtherProgram(typ);
      Snapshot before;
      EXPECT_EQ(LeseProgrammDatei(f.dir.file("master.qvl"), 0, slot), LeseErgebnis::Mastercard);
      EXPECT_EQ(program().AnzSz[slot], 0);
      EXPECT_EQ(program().AnzPz[slot], 0);
      EXPECT_EQ(program().AnzSw[slot], 0);
      EXPECT_EQ(program().AnzGesamt[slot], 0);
      before.prog.AnzSz[slot] = before.prog.AnzPz[slot] = before.prog.AnzSw[slot] = before.prog.AnzGesamt[slot] = 0;
      expectUnchanged(before);
    }
  }
}
