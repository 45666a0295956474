// The start-up window's logic: brand check, load, language buttons and OK over the globals.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <array>
#include <cstdio>

#include "entry/Eingabeautomatik.h"
#include "model/Ansicht.h"
#include "model/Feiertage.h"
#include "model/Marke.h"
#include "model/Texte.h"
#include "model/Zustand.h"
#include "shell/Marken.h"
#include "shell/Sprache.h"
#include "shell/Startbild.h"
#include "tests/support/ScriptedEnvironment.h"
#include "tests/support/StartDir.h"

using namespace qv;

namespace {

const QByteArray kExampleIni = test::testData("shell/quorvel_beispiel.ini");

// The example settings with another first line (the channel count).
QByteArray exampleIniWithChannels(int kanalzahl) {
  QByteArray out = kExampleIni;
  out.replace("KANALZAHL=4\r\n", "KANALZAHL=" + QByteArray::number(kanalzahl) + "\r\n");
  return out;
}

// A settings file naming a clock type, the rest as in the example.
QByteArray iniFor(int kanalzahl, int bewft, int uhrentyp, int busprog, int evu) {
  QList<QByteArray> lines = kExampleIni.split('\n');
  lines[0] = "KANALZAHL=" + QByteArray::number(kanalzahl) + '\r';
  lines[1] = "BEWFT=" + QByteArray::number(bewft) + '\r';
  lines[3] = "UHRENTYP=" + QByteArray::number(uhrentyp) + '\r';
  lines[11] = "BUSPROG=" + QByteArray::number(busprog) + '\r';
  lines[17] = "EVU=" + QByteArray::number(evu) + '\r';
  return lines.join('\n');
}

// The user text file of a language, as Schreib_Sprachdatei writes it.
QByteArray textFileOf(void (*language)()) {
  const Texts saved = texts();
  language();
  const QByteArray bytes = sprachdateiBytes(texts());
  texts() = saved;
  return bytes;
}

class StartbildTest : public ::testing::Test {
 protected:
  void SetUp() override {
    resetAllState();
    resetViewState();
    resetHolidayTable();
    inputAutomation() = InputAutomation{};
    startState() = StartState{};
    dir.write("quorvel.sys", "KOL\r\n");
  }

  // The start-up load as the window runs it after the brand check.
  StartWindowContent load() {
    EXPECT_TRUE(checkBrand());
    return loadStartWindow();
  }

  test::StartDir dir;
  test::ScriptedEnvironment env;
};

}  // namespace

TEST_F(StartbildTest, BrandCodesInTheirThreeFormsOnly) {
  dir.write("quorvel.sys", "Kol123,second\r\n");
  EXPECT_TRUE(checkBrand());
  EXPECT_EQ(brand().S_Hersteller, "marlun");
  EXPECT_TRUE(env.messages.empty());

  for (const QByteArray& bad : {QByteArray("kOL\r\n"), QByteArray(), QByteArray("\r\n"),
                                QByteArray("Ko\r\n")}) {
    resetAllState();
    env.messages.clear();
    dir.write("quorvel.sys", bad);
    EXPECT_FALSE(checkBrand()) << bad.toStdString();
    ASSERT_EQ(env.messages.size(), 1u);
    EXPECT_EQ(env.messages[0].text, "unknown manufacturer");
    EXPECT_EQ(env.messages[0].buttons, Buttons::Ok);
    EXPECT_EQ(env.messages[0].icon, Icon::None);
    EXPECT_TRUE(brand().S_Titel.isEmpty());
  }
}

TEST_F(StartbildTest, BrandFileFoundWhateverItsCaseAndRefusedWhenMissing) {
  QFile::remove(dir.file("quorvel.sys"));
  EXPECT_FALSE(checkBrand());
  EXPECT_EQ(env.messages.size(), 1u);
  dir.write("QUORVEL.SYS", "WEX\r\n");
  EXPECT_TRUE(checkBrand());
  EXPECT_EQ(brand().Markengruppe, 6);

  // A start directory whose path is not valid UTF-8: no start, one message naming the folder,
  // although the brand file is there.
  const QByteArray ordner = QFile::encodeName(dir.path()) + "/M\xfcnchen";
  ASSERT_EQ(::mkdir(ordner.constData(), 0700), 0);
  ASSERT_EQ(::chdir(ordner.constData()), 0);
  FILE* marke = std::fopen("quorvel.sys", "wb");
  ASSERT_NE(marke, nullptr);
  std::fputs("KOL\r\n", marke);
  std::fclose(marke);
  resetAllState();
  env.messages.clear();
  EXPECT_FALSE(checkBrand());
  ASSERT_EQ(env.messages.size(), 1u);
  EXPECT_TRUE(env.messages[0].text.contains(QFile::decodeName(ordner))) << env.messages[0].text.toStdString();
  EXPECT_EQ(env.messages[0].icon, Icon::Critical);
  EXPECT_TRUE(brand().S_Titel.isEmpty());
  ASSERT_EQ(::unlink("quorvel.sys"), 0);
  ASSERT_TRUE(QDir::setCurrent(dir.path()));
  EXPECT_EQ(::rmdir(ordner.constData()), 0);
}

TEST_F(StartbildTest, LoadResetsTheProgramAndOffersTheClockTypes) {
  dir.write("quorvel.ini", iniFor(1, 0, 240, 0, 0));
  // What the previous program left must not survive the load.
  program().AnzGesamt[0] = 12;
  program().AnzSz[0] = 10;
  program().AnzPz[0] = 2;
  program().AnzSw[0] = 3;
  program().Kopf[0][6] = 9;
  program().Programmnummer[0] = 42;
  program().HatDateiname = 1;
  settings().Schreibschutz = 1;
  astro().AstroAktiv[2] = -1;
  astro().AstroBreite = 50.5f;
  viewState().filter.FilterAn = -1;
  viewState().MinZeilen = 3;
  viewState().KeinRefresh = true;

  const StartWindowContent c = load();
  EXPECT_TRUE(env.messages.empty());
  EXPECT_EQ(c.Uhrentypen.size(), 15);
  EXPECT_EQ(c.Uhrentypen.first(), "MX 210      ");
  EXPECT_FALSE(c.Uhrentypen.contains(notOfferedName()));
  EXPECT_EQ(c.Vorauswahl, 0);
  EXPECT_EQ(startState().Programmverzeichnis, QDir::currentPath());

  const ProgramState& p = program();
  EXPECT_EQ(p.AnzGesamt[0] + p.AnzSz[0] + p.AnzPz[0] + p.AnzSw[0], 0);
  EXPECT_EQ(p.Kopf[0][6], 0);
  EXPECT_EQ(p.Programmnummer[0], kKeineProgrammnummer);
  EXPECT_EQ(p.HatDateiname, 0);
  EXPECT_EQ(settings().Schreibschutz, 0);
  EXPECT_EQ(settings().OptDatum, 1);
  EXPECT_EQ(settings().OptNak, 1);
  EXPECT_EQ(settings().Sprache, 1);  // the reader's default without a file
  EXPECT_EQ(astro().AstroAktiv[2], 0);
  EXPECT_EQ(astro().AstroBreite, 0.0f);
  EXPECT_EQ(astro().AstroZeitzone, -60.0f);
  const InputAutomation& a = inputAutomation();
  EXPECT_EQ((std::array{a.IncMin, a.IncZustand, a.SwRegelVon, a.SwRegelBis, a.SwWtagVon, a.SwWtagBis}),
            (std::array<int16_t, 6>{1, 1, 4, 4, 6, 6}));
  EXPECT_EQ(viewState().filter.FilterAn, 0);
  EXPECT_EQ(viewState().filter.FilterProgBis, 10);
  EXPECT_EQ(viewState().MinZeilen, 27);
  EXPECT_FALSE(viewState().KeinRefresh);
  EXPECT_EQ(viewState().GridDlgOffen, -1);
  EXPECT_EQ(profile().FtJahre, 1);

  // And OK with the first type reaches the frame with a valid profile.
  EXPECT_TRUE(acceptStartWindow(c.Uhrentypen[c.Vorauswahl]));
  EXPECT_EQ(profile().MaxSz, 324);
  EXPECT_EQ(profile().SpeicherGroesse, 2048);
  EXPECT_EQ(profile().Kanalzahl, 1);
  EXPECT_EQ(texts().S_unbekannt, "unbekannt");
}

TEST_F(StartbildTest, AShortOrMissingSettingsFileEndsTheLoadBeforeTheList) {
  QList<QByteArray> lines = kExampleIni.split('\n');
  for (const bool kurz : {true, false}) {
    SCOPED_TRACE(kurz ? "short" : "missing");
    env.messages.clear();
    if (kurz) dir.write("quorvel.ini", lines.mid(0, 5).join('\n'));
    else QFile::remove(dir.file("quorvel.ini"));
    program().AnzGesamt[0] = 7;
    const StartWindowContent c = load();
    ASSERT_EQ(env.messages.size(), kurz ? 1u : 0u);
    if (kurz) {
      EXPECT_EQ(env.messages[0].icon, Icon::Critical);
    }
    EXPECT_TRUE(c.Uhrentypen.isEmpty());
    EXPECT_EQ(c.Vorauswahl, -1);
    EXPECT_FALSE(c.DemoSichtbar);
    EXPECT_EQ(program().AnzGesamt[0], 7);  // the steps after the read did not run
  }
}

TEST_F(StartbildTest, PreselectionFollowsTheStoredClockType) {
  struct Case {
    QByteArray ini;
    QString expected;
  };
  const Case cases[] = {
      {iniFor(16, 1, 280, -1, 0), "MX 280 S EIB"},  // reads back as 6 channels and bus 1
      {iniFor(3, 1, 240, 0, 0), "MX 230 S"},
      {iniFor(2, 0, 309, 0, 0), "KV 310"},
      {iniFor(4, 0, 240, -1, 0), "MX 240 EIB "},
      {iniFor(4, 1, 240, 0, 1), "MX 460-4"},
      {iniFor(1, 0, 240, 0, 1), "MX 210      "},  // S_Typ06 is not offered: the first entry
      {iniFor(4, 0, 250, 0, 0), "MX 210      "},  // no such type
  };
  for (const Case& k : cases) {
    resetAllState();
    dir.write("quorvel.ini", k.ini);
    const StartWindowContent c = load();
    ASSERT_GE(c.Vorauswahl, 0);
    EXPECT_EQ(c.Uhrentypen[c.Vorauswahl], k.expected) << k.ini.left(30).toStdString();
  }
  EXPECT_TRUE(env.messages.empty());
}

TEST_F(StartbildTest, DemoButtonRules) {
  // The maker's brand in German shows it only when the introduction program is there.
  dir.write("quorvel.ini", kExampleIni);
  EXPECT_FALSE(load().DemoSichtbar);
  dir.write("mx240.EXE", "MZ");
  EXPECT_TRUE(load().DemoSichtbar);
  EXPECT_EQ(chooseEnglish(), std::optional<bool>(false));
  EXPECT_EQ(settings().Sprache, 2);
  EXPECT_EQ(chooseFrench(), std::optional<bool>(false));
  EXPECT_EQ(chooseGerman(), std::optional<bool>(true));
  EXPECT_EQ(settings().Sprache, 1);

  // Brand 10 shares the maker's group but not its brand word: hidden at load, shown by German.
  dir.write("quorvel.sys", "kev\r\n");
  EXPECT_FALSE(load().DemoSichtbar);
  EXPECT_EQ(chooseEnglish(), std::nullopt);
  EXPECT_EQ(chooseGerman(), std::optional<bool>(true));

  // Another group never has it.
  dir.write("quorvel.sys", "DAV\r\n");
  EXPECT_FALSE(load().DemoSichtbar);
  EXPECT_EQ(chooseGerman(), std::optional<bool>(false));
}

TEST_F(StartbildTest, OkFillsProfileTextsAndAnEmptyProgram) {
  dir.write("quorvel.ini", kExampleIni);
  dir.write("SzTab1.qvl", "taken");
  const StartWindowContent c = load();
  for (int k = 0; k < kChannelNames; ++k) program().Kanalname[k][0] = QStringLiteral("K%1").arg(k);
  program().Kanalname[0][1] = QStringLiteral("template");
  for (auto& channel : astro().AstroTab)
    for (auto& day : channel) day = {700, 1000, 1, 0};
  astro().AstroAktiv[1] = -1;

  ASSERT_TRUE(acceptStartWindow("MX 220 S"));
  EXPECT_TRUE(env.messages.empty());
  EXPECT_EQ(c.Uhrentypen[c.Vorauswahl], "MX 240 S");
  EXPECT_EQ(profile().UhrentypText, "MX 220 S");
  EXPECT_EQ(profile().Kanalzahl, 2);
  EXPECT_EQ(profile().Geraetecode, 73);
  EXPECT_EQ(profile().FtJahre, 14);
  EXPECT_EQ(texts().S_Montag, "Montag");
  EXPECT_EQ(texts().FtDatei, "deutsch.hdy");
  EXPECT_EQ(texts().S_mnuHilfeZu, "&Hilfe zu Quorvel 2.1");

  const ProgramState& p = program();
  EXPECT_EQ(p.Dateiname[0], "SzTab2.qvl");
  EXPECT_EQ(p.Verwendung[0], "unbekannt");
  EXPECT_EQ(p.Kanalname[0][0], "");
  EXPECT_EQ(p.Kanalname[1][0], "");
  EXPECT_EQ(p.Kanalname[2][0], "K2");
  EXPECT_EQ(p.Kanalname[0][1], "template");

  EXPECT_EQ(dir.read("quorvel.ini"), exampleIniWithChannels(2));

  EXPECT_EQ(astro().AstroAktiv[1], 0);
  for (const auto& channel : astro().AstroTab) {
    EXPECT_EQ(channel[0], (TAstroTag{0, 0, 1, 0}));
    EXPECT_EQ(channel[365], (TAstroTag{0, 0, 1, 0}));
    EXPECT_EQ(channel[366], (TAstroTag{700, 1000, 1, 0}));
  }
}

TEST_F(StartbildTest, OkWritesBackTheSettingsItRead) {
  dir.write("quorvel.ini", kExampleIni);
  const StartWindowContent c = load();
  ASSERT_TRUE(acceptStartWindow(c.Uhrentypen[c.Vorauswahl]));
  EXPECT_EQ(dir.read("quorvel.ini"), kExampleIni);
}

TEST_F(StartbildTest, OkOnTheSixteenChannelTypeClearsAllItsChannelNames) {
  load();
  for (int k = 0; k < kChannelNames; ++k) program().Kanalname[k][0] = QStringLiteral("K");
  ASSERT_TRUE(acceptStartWindow("MX 280 S EIB"));
  EXPECT_EQ(program().Kanalname[15][0], "");
  EXPECT_EQ(program().Kanalname[16][0], "K");
  EXPECT_EQ(profile().SpeicherGroesse, 8192);
}

TEST_F(StartbildTest, OkWithTheUserTextFileAppendsTheTitleOnce) {
  dir.write("quorvel.ini", iniFor(4, 1, 240, 0, 0).replace("SPRACHE=1", "SPRACHE=4"));
  dir.write("Speech.TXT", textFileOf(&Setze_TexteEnglisch));
  for (int round = 0; round < 2; ++round) {  // OK, then "New" and OK again
    const StartWindowContent c = load();
    ASSERT_TRUE(acceptStartWindow(c.Uhrentypen[c.Vorauswahl]));
    EXPECT_EQ(texts().S_mnuHilfeZu, "&Help for Quorvel 2.1");
    EXPECT_EQ(texts().Hilfedatei, "Quorve2e.hlp");
    EXPECT_EQ(texts().S_Montag, "monday");
  }
  EXPECT_TRUE(env.messages.empty());
}

TEST_F(StartbildTest, OkWithoutTheUserTextFileChangesNothing) {
  dir.write("quorvel.ini", QByteArray(kExampleIni).replace("SPRACHE=1", "SPRACHE=4"));
  const StartWindowContent c = load();
  program().Dateiname[0] = QStringLiteral("kept.qvl");
  const Uhrenprofil before = profile();
  EXPECT_FALSE(acceptStartWindow(c.Uhrentypen[c.Vorauswahl]));
  ASSERT_EQ(env.messages.size(), 1u);
  EXPECT_EQ(env.messages[0].icon, Icon::Critical);
  EXPECT_EQ(profile().UhrentypText, before.UhrentypText);
  EXPECT_EQ(profile().MaxSz, before.MaxSz);
  EXPECT_EQ(program().Dateiname[0], "kept.qvl");
  EXPECT_TRUE(texts().S_Montag.isEmpty());
  EXPECT_EQ(dir.read("quorvel.ini"), QByteArray(kExampleIni).replace("SPRACHE=1", "SPRACHE=4"));
}

TEST_F(StartbildTest, OkGoesOnWhenTheSettingsFileCannotBeWritten) {
  load();
  ASSERT_TRUE(QDir(dir.path()).mkdir("quorvel.ini"));
  EXPECT_TRUE(acceptStartWindow("MX 240  "));
  ASSERT_EQ(env.messages.size(), 1u);
  EXPECT_EQ(env.messages[0].icon, Icon::Critical);
  EXPECT_EQ(profile().Kanalzahl, 4);
}

TEST_F(StartbildTest, OkNeedsAClockType) {
  load();
  EXPECT_FALSE(acceptStartWindow(QString()));
  EXPECT_TRUE(texts().S_Montag.isEmpty());
  EXPECT_FALSE(QFile::exists(dir.file("quorvel.ini")));
}

TEST_F(StartbildTest, UserTextButton) {
  load();
  const QString start = QDir::currentPath();
  // Cancel changes nothing.
  EXPECT_FALSE(chooseUserTextFile().taken);
  EXPECT_EQ(env.fileDialogCaptions.size(), 1);
  EXPECT_EQ(settings().Sprache, 1);
  EXPECT_FALSE(QFile::exists(dir.file("speech.txt")));

  // A file one line short: a message, and texts, language and directory as they were.
  QTemporaryDir elsewhere;
  const QString shortFile = elsewhere.filePath("short.ln1");
  {
    QByteArray bytes = textFileOf(&Setze_TexteFranzoesisch);
    bytes.chop(2);
    bytes.truncate(bytes.lastIndexOf('\n') + 1);
    QFile f(shortFile);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
  }
  QDir::setCurrent(elsewhere.path());  // as a dialog that moved the directory would
  env.answerFileDialog(shortFile);
  EXPECT_FALSE(chooseUserTextFile().taken);
  EXPECT_EQ(QDir::currentPath(), start);
  ASSERT_EQ(env.messages.size(), 1u);
  // In the language chosen, though no texts are set before the first OK.
  EXPECT_EQ(env.messages[0].text, QString::fromUtf8("short.ln1: Keine gültige Datei !"));
  EXPECT_EQ(settings().Sprache, 1);
  EXPECT_TRUE(texts().S_Montag.isEmpty());

  // A complete file is taken over and copied to "speech.txt".
  const QString good = elsewhere.filePath("francais.LN1");
  {
    QFile f(good);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(textFileOf(&Setze_TexteFranzoesisch));
  }
  env.answerFileDialog(good);
  const UserTextChoice taken = chooseUserTextFile();
  EXPECT_TRUE(taken.taken);
  EXPECT_EQ(taken.demoSichtbar, std::optional<bool>(false));
  EXPECT_EQ(settings().Sprache, 4);
  EXPECT_EQ(texts().S_Montag, "lundi");
  // The copy holds the texts now in effect.
  EXPECT_EQ(dir.read("speech.txt"), sprachdateiBytes(texts()));

  // A second click while the user texts are in effect does not even ask.
  EXPECT_FALSE(chooseUserTextFile().taken);
  EXPECT_EQ(env.fileDialogCaptions.size(), 3);
}

TEST_F(StartbildTest, UserTextsThatCannotBeKeptAreNotTaken) {
  load();
  ASSERT_TRUE(QDir(dir.path()).mkdir("speech.txt"));
  dir.write("english.ln1", textFileOf(&Setze_TexteEnglisch));
  env.answerFileDialog(dir.file("english.ln1"));
  EXPECT_FALSE(chooseUserTextFile().taken);
  EXPECT_EQ(env.messages.size(), 1u);
  EXPECT_EQ(settings().Sprache, 1);
  EXPECT_TRUE(texts().S_Montag.isEmpty());
  EXPECT_TRUE(texts().Hilfedatei.isEmpty());
}

TEST_F(StartbildTest, IntroductionThatCannotStartIsReported) {
  dir.write("MX240.exe", "not a program");
  EXPECT_FALSE(startIntroduction());
  ASSERT_EQ(env.messages.size(), 1u);
  EXPECT_TRUE(env.messages[0].text.startsWith("Error ")) << env.messages[0].text.toStdString();
  EXPECT_EQ(env.messages[0].buttons, Buttons::Ok);
  EXPECT_EQ(env.messages[0].icon, Icon::None);
}
