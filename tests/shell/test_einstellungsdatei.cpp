// The settings file: written by position, read back from fixed-width fields.
#include <gtest/gtest.h>

#include <QDir>

#include "model/Zustand.h"
#include "shell/Einstellungsdatei.h"
#include "tests/support/StartDir.h"

using namespace qv;

namespace {

// The globals of the example file: a 4-channel "S" type, port 1, delay factor 5, 60 lines, German.
void setExampleGlobals() {
  resetAllState();
  Uhrenprofil& p = profile();
  p.Kanalzahl = 4;
  p.Bewft = 1;
  p.Uhrentyp = 240;
  p.Busprog = 0;
  p.Evu = 0;
  DeviceSettings& s = settings();
  s.Lpt = 1;
  s.Delay = 20;
  s.Zeilen = 60;
  s.MaxDelay = 20;
  s.SwRegel = 1;
  s.SpracheUhr = 1;
  s.Sprache = 1;
  s.AstroC1C2 = 0;
  s.MessKanal = 0;
  s.MessPeriode = 15;
  s.MessImpDauer = 1;
  s.MessZustand = 0;
  s.MessZeitpunkt = 0;
}

QByteArray exampleWith(int line, const QByteArray& text) {
  QList<QByteArray> lines = test::testData("shell/quorvel_beispiel.ini").split('\n');
  lines[line - 1] = text + '\r';
  return lines.join('\n');
}

}  // namespace

// The device settings of the example file, which are also the defaults.
void expectExampleDeviceSettings() {
  const DeviceSettings& s = settings();
  EXPECT_EQ(s.Lpt, 1);
  EXPECT_EQ(s.Delay, 20);
  EXPECT_EQ(s.Delay2, 1000);
  EXPECT_EQ(s.Zeilen, 60);
  EXPECT_EQ(s.MaxDelay, 20);
  EXPECT_EQ(s.SwRegel, 1);
  EXPECT_EQ(s.SpracheUhr, 1);
  EXPECT_EQ(s.Sprache, 1);
  EXPECT_EQ(s.AstroC1C2, 0);
  EXPECT_EQ(s.MessKanal, 0);
  EXPECT_EQ(s.MessPeriode, 15);
  EXPECT_EQ(s.MessImpDauer, 1);
  EXPECT_EQ(s.MessZustand, 0);
  EXPECT_EQ(s.MessZeitpunkt, 0);
}

TEST(Einstellungsdatei, TheExampleIsWrittenByteForByte) {
  setExampleGlobals();
  test::StartDir dir;
  QString error;
  ASSERT_TRUE(writeSettingsFile(settingsFromGlobals(), &error)) << error.toStdString();
  EXPECT_EQ(dir.read("quorvel.ini"), test::testData("shell/quorvel_beispiel.ini"));
  // The shipped file is the same example.
  dir.copyShipped("quorvel.ini");
  EXPECT_EQ(dir.read("quorvel.ini"), test::testData("shell/quorvel_beispiel.ini"));
}

TEST(Einstellungsdatei, TheDialogWritesItsOwnValuesUnderTheSameKeys) {
  SettingsFileValues v = [] { setExampleGlobals(); return settingsFromGlobals(); }();
  v.DelayFaktor = 12;
  v.AstroC1C2.reset();  // no astro choice on this type
  v.MessKanal = 2;
  v.MessPeriode = 60;
  v.Busprog = -1;
  v.Kanalzahl = 16;
  const QByteArray bytes = settingsFileBytes(v);
  EXPECT_TRUE(bytes.startsWith("KANALZAHL=16\r\n"));
  EXPECT_TRUE(bytes.contains("\r\nDELAY=0012\r\n"));
  EXPECT_TRUE(bytes.contains("\r\nASTROC1C2=00\r\n"));
  EXPECT_TRUE(bytes.contains("\r\nBUSPROG=-1\r\n"));
  EXPECT_TRUE(bytes.contains("\r\nMESSKANAL=2\r\n"));
  EXPECT_TRUE(bytes.contains("\r\nMESSPERIODE=060\r\n"));
  EXPECT_EQ(bytes.count("\r\n"), 18);
}

TEST(Einstellungsdatei, TheExampleReadsBackIntoTheGlobals) {
  resetAllState();
  const SettingsReadResult r = readSettings(test::testData("shell/quorvel_beispiel.ini"));
  EXPECT_EQ(r.status, SettingsReadStatus::Complete);
  EXPECT_EQ(r.linesRead, 18);
  EXPECT_TRUE(r.message.isEmpty());
  const Uhrenprofil& p = profile();
  EXPECT_EQ(p.Kanalzahl, 4);
  EXPECT_EQ(p.Bewft, 1);
  EXPECT_EQ(p.Uhrentyp, 240);
  EXPECT_EQ(p.Busprog, 0);
  EXPECT_EQ(p.Evu, 0);
  expectExampleDeviceSettings();

  // A file with LF line ends reads the same.
  resetAllState();
  QByteArray lf = test::testData("shell/quorvel_beispiel.ini");
  lf.replace("\r\n", "\n");
  EXPECT_EQ(readSettings(lf).status, SettingsReadStatus::Complete);
  EXPECT_EQ(settings().Zeilen, 60);
  EXPECT_EQ(profile().Uhrentyp, 240);
}

TEST(Einstellungsdatei, ValuesComeFromTheLastCharactersOfTheirLines) {
  resetAllState();
  readSettings(exampleWith(1, "KANALZAHL=16"));
  EXPECT_EQ(profile().Kanalzahl, 6);
  readSettings(exampleWith(12, "BUSPROG=-1"));
  EXPECT_EQ(profile().Busprog, 1);
  readSettings(exampleWith(5, "DELAY=0012"));
  EXPECT_EQ(settings().Delay, 48);
  EXPECT_EQ(settings().Delay2, 2400);
  readSettings(exampleWith(14, "MESSPERIODE=060"));
  EXPECT_EQ(settings().MessPeriode, 60);
  readSettings(exampleWith(14, "MESSPERIODE=012"));
  EXPECT_EQ(settings().MessPeriode, 12);
  readSettings(exampleWith(4, "UHRENTYP="));
  EXPECT_EQ(profile().Uhrentyp, 0);
  // The key is never read: any text before the field will do.
  readSettings(exampleWith(6, "whatever 90"));
  EXPECT_EQ(settings().Zeilen, 90);
  // A line is one value: text after a comma is not taken, and does not shift the later lines.
  readSettings(exampleWith(6, "ZEILEN=080,  LPT=3"));
  EXPECT_EQ(settings().Zeilen, 80);
  EXPECT_EQ(settings().Lpt, 1);
  EXPECT_EQ(settings().SwRegel, 1);
}

TEST(Einstellungsdatei, ValuesOutsideTheirRangesFallBackToTheDefaults) {
  resetAllState();
  QByteArray bytes = test::testData("shell/quorvel_beispiel.ini");
  const std::pair<const char*, const char*> lines[] = {
      {"LPT=1", "LPT=9"},           {"ZEILEN=060", "ZEILEN=0000"},   {"SWREGEL=1", "SWREGEL=7"},
      {"SPRACHE(Uhr)=1", "SPRACHE(Uhr)=5"}, {"SPRACHE=1", "SPRACHE=0"}, {"ASTROC1C2=000", "ASTROC1C2=002"},
      {"MESSKANAL=0", "MESSKANAL=8"}, {"MESSPERIODE=015", "MESSPERIODE=07"}, {"MESSIMPDAUER=01", "MESSIMPDAUER=00"},
      {"MESSZUSTAND=0", "MESSZUSTAND=3"}, {"MESSZEITPUNKT=0", "MESSZEITPUNKT=x"}, {"DELAY=005", "DELAY=0030"},
      {"BEWFT=1", "BEWFT=7"},
  };
  for (const auto& [from, to] : lines) bytes.replace(QByteArray(from) + "\r\n", QByteArray(to) + "\r\n");
  ASSERT_EQ(readSettings(bytes).status, SettingsReadStatus::Complete);
  // Every refused value is back at the example's (the defaults); "x" is no number and reads as 0.
  expectExampleDeviceSettings();
  EXPECT_EQ(profile().Bewft, 7);  // profile values stay as read

  // The page length keeps both ends of its range and gives the default just beyond them.
  const std::pair<const char*, int16_t> zeilen[] = {
      {"ZEILEN=029", 60}, {"ZEILEN=030", 30}, {"ZEILEN=120", 120}, {"ZEILEN=121", 60}};
  for (const auto& [zeile, soll] : zeilen) {
    resetAllState();
    ASSERT_EQ(readSettings(exampleWith(6, zeile)).status, SettingsReadStatus::Complete) << zeile;
    EXPECT_EQ(settings().Zeilen, soll) << zeile;
  }

  // Delay2 must stay a 16-bit value: a maximum factor above 163 is not kept.
  resetAllState();
  readSettings(exampleWith(7, "MAXDELAY=00999"));
  EXPECT_EQ(settings().MaxDelay, 20);
  readSettings(exampleWith(7, "MAXDELAY=00163"));
  EXPECT_EQ(settings().MaxDelay, 163);
  readSettings(exampleWith(7, "MAXDELAY=0003"));
  EXPECT_EQ(settings().MaxDelay, 3);
  EXPECT_EQ(settings().Delay, 12);  // factor 5 above the maximum 3 becomes 3
}

TEST(Einstellungsdatei, AShortFileKeepsWhatWasReadAndSaysSo) {
  resetAllState();
  QList<QByteArray> lines = test::testData("shell/quorvel_beispiel.ini").split('\n');
  lines[2] = "LPT=3\r";
  const QByteArray tenLines = lines.mid(0, 10).join('\n') + '\n';
  const SettingsReadResult r = readSettings(tenLines);
  EXPECT_EQ(r.status, SettingsReadStatus::Short);
  EXPECT_EQ(r.linesRead, 10);
  EXPECT_TRUE(r.message.contains("quorvel.ini"));
  EXPECT_EQ(profile().Uhrentyp, 240);
  EXPECT_EQ(settings().Lpt, 3);
  EXPECT_EQ(settings().Delay, 20);
  EXPECT_EQ(settings().Sprache, 1);
  // Lines 11..18 were not read: their globals keep valid values.
  EXPECT_EQ(settings().MessPeriode, 15);
  EXPECT_EQ(settings().MessImpDauer, 1);

  // Without the delay line the delay keeps its factor.
  resetAllState();
  settings().Delay = 28;
  EXPECT_EQ(readSettings(lines.mid(0, 3).join('\n')).linesRead, 3);
  EXPECT_EQ(settings().Delay, 28);
  EXPECT_EQ(settings().Delay2, 1400);
  EXPECT_EQ(settings().Zeilen, 60);

  resetAllState();
  EXPECT_EQ(readSettings(QByteArray()).status, SettingsReadStatus::Short);
}

TEST(EinstellungsdateiFile, AMissingFileLeavesUsableDefaults) {
  resetAllState();
  test::StartDir dir;
  const SettingsReadResult r = readSettingsFile();
  EXPECT_EQ(r.status, SettingsReadStatus::Missing);
  EXPECT_TRUE(r.message.isEmpty());
  EXPECT_EQ(settings().Zeilen, 60);
  EXPECT_EQ(settings().Lpt, 1);
  EXPECT_EQ(settings().Delay, 20);
  EXPECT_EQ(settings().Sprache, 1);
  EXPECT_EQ(profile().Uhrentyp, 0);
}

TEST(EinstellungsdateiFile, AnUppercaseFileIsReadAndReplacedUnderItsName) {
  resetAllState();
  test::StartDir dir;
  QByteArray bytes = test::testData("shell/quorvel_beispiel.ini");
  bytes.replace("ZEILEN=060", "ZEILEN=090");
  dir.write("QUORVEL.INI", bytes);
  ASSERT_EQ(readSettingsFile().status, SettingsReadStatus::Complete);
  EXPECT_EQ(settings().Zeilen, 90);
  settings().Zeilen = 70;
  ASSERT_TRUE(writeSettingsFile(settingsFromGlobals()));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"QUORVEL.INI"});
  EXPECT_TRUE(dir.read("QUORVEL.INI").contains("\r\nZEILEN=070\r\n"));
}

TEST(EinstellungsdateiFile, AFailedWriteSaysWhyAndLeavesTheFileAlone) {
  resetAllState();
  test::StartDir dir;
  // A folder in the file's place cannot be replaced.
  ASSERT_TRUE(QDir(dir.path()).mkdir("quorvel.ini"));
  QString error;
  EXPECT_FALSE(writeSettingsFile(settingsFromGlobals(), &error));
  EXPECT_FALSE(error.isEmpty());
  EXPECT_TRUE(QFileInfo(dir.file("quorvel.ini")).isDir());
}
