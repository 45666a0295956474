// Printing and text export of the lists and the device data sheet.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>

#include "model/Hooks.h"
#include "model/Zustand.h"
#include "shell/Geraeteeinstellungen.h"
#include "tests/support/ScriptedEnvironment.h"
#include "tests/support/StartDir.h"
#include "tests/views/ViewFixtures.h"
#include "views/Drucken.h"

using namespace qv;
using namespace qv::test;

namespace {

// A printer that keeps its pages as text, each line marked with its emphases. Its page is
// kHoehe twips high; a job sizes its lines so that the announced lines fit below the vertical
// position it starts at (72 lines from the top when nothing is announced), and a line past the
// bottom goes onto a new page by itself, as a real printer's does.
class Seitendrucker final : public Zeilendrucker {
 public:
  static constexpr double kHoehe = 15840;
  explicit Seitendrucker(QVector<QStringList>* seiten) : seiten_(seiten) {}
  bool istDatei() const override { return false; }
  void setzeY(int twips) override { y_ = twips; }
  void zeilenJeSeite(int zeilen) override { zeilen_ = zeilen; }
  void spaltenJeZeile(int spalten) override { spalten_ = spalten; }
  void hervorhebung(bool a, bool b) override { a_ = a, b_ = b; }
  void drucke(const Druckzeile& felder) override {
    if (!offen_) {
      seiten_->append(QStringList{});
      offen_ = true;
      teilung_ = zeilen_ > 0 ? (kHoehe - y_) / zeilen_ : kHoehe / 72;
    }
    for (const Druckzeile& z : Zeilen_setzen(felder)) {
      if (y_ + teilung_ > kHoehe + 0.01) seiten_->append(QStringList{}), y_ = 0;
      const QString text = Zeile_als_Text(z);
      // A line wider than announced runs off the page.
      seiten_->last() << QString::fromLatin1(a_ ? "A" : "-") + (b_ ? "B" : "-") + u'|' + text +
                             (text.size() > std::max(112, spalten_) ? QStringLiteral(" >>") : QString());
      y_ += teilung_;
    }
  }
  void neueSeite() override { seiten_->append(QStringList{}), y_ = 0; }
  bool ende(QString*) override { return true; }

 private:
  QVector<QStringList>* seiten_;
  bool offen_ = false, a_ = false, b_ = false;
  int zeilen_ = 0, spalten_ = 0;
  double y_ = 0, teilung_ = 0;
};

// Slot 0 of a 240 type with n weekday switching times.
void programmMit(int n) {
  frisch();
  waehleUhrentyp(240);
  waehleSprache(1);
  ProgramState& p = program();
  for (int i = 0; i < n; ++i) p.Sz[0][i] = wochenSz(i * 10, 127, 1, i % 2);
  p.AnzSz[0] = p.AnzGesamt[0] = static_cast<int16_t>(n);
  p.Dateiname[0] = QStringLiteral("prog1.qvl");
  p.Verwendung[0] = QStringLiteral("Flur");
}

struct Druckprobe {
  QVector<QStringList> seiten;
  Druckprobe() {
    printState() = PrintState{};
    printState().neuerDruckauftrag = [this] { return std::make_unique<Seitendrucker>(&seiten); };
  }
  ~Druckprobe() { printState() = PrintState{}; }
};

}  // namespace

TEST(Drucken, TextFileNames) {
  const struct {
    const char* name;
    const char* txt;
  } faelle[] = {{"prog1.qvl", "prog1.txt"}, {"prog1", "prog1.txt"}, {"/home/u/a.b/prog", "/home/u/a.b/prog.txt"},
                {"ab", "ab.txt"},           {"PLAN1.q", "PLAN1.txt"}, {"", ""}};
  for (const auto& f : faelle) EXPECT_EQ(Textdateiname(QString::fromUtf8(f.name)).toStdString(), f.txt) << f.name;
}

TEST(Drucken, ColumnsAndPrintZones) {
  const QString t55(55, u'x');
  EXPECT_EQ(Zeilen_setzen({{5, t55}, {60, "Seite 1"}}).size(), 1);
  const auto zwei = Zeilen_setzen({{5, t55 + u'x'}, {60, "Seite 1"}});
  ASSERT_EQ(zwei.size(), 2);
  EXPECT_EQ(Zeile_als_Text(zwei[1]), QString(59, u' ') + QStringLiteral("Seite 1"));
  EXPECT_EQ(Zeile_als_Text(Zeilen_setzen({{1, "Verwendung"}, {0, "x"}})[0]), QStringLiteral("Verwendung    x"));
  // A text that ends at a zone's start goes on at the next zone.
  EXPECT_EQ(Zeile_als_Text(Zeilen_setzen({{1, QString(14, u'v')}, {0, "x"}})[0]), QString(14, u'v') + QString(14, u' ') + u'x');
  EXPECT_EQ(Zeilen_setzen({}).size(), 1);
}

TEST(Drucken, PagesOfThirtyRowsWithTheirHeaders) {
  ScriptedEnvironment env;
  programmMit(65);
  settings().Zeilen = 30;
  Druckprobe probe;
  printState().DruckSz = 1;
  Drucke_Listen();
  ASSERT_EQ(probe.seiten.size(), 3);
  const int zeilen[3] = {37, 37, 12};
  for (int s = 0; s < 3; ++s) {
    const QStringList& seite = probe.seiten[s];
    ASSERT_EQ(seite.size(), zeilen[s]) << s;
    EXPECT_TRUE(seite[0].startsWith(QStringLiteral("AB|    Schaltzeiten von prog1.qvl, ungefiltert"))) << seite[0].toStdString();
    EXPECT_TRUE(seite[0].endsWith(QStringLiteral("Seite %1").arg(s + 1)));
    EXPECT_EQ(seite[1], QStringLiteral("A-|    Verwendung     Flur"));
    EXPECT_EQ(seite[2], QStringLiteral("A-|"));
    EXPECT_EQ(seite[3], QStringLiteral("A-|    C1: , C2 :  , C3 : , C4 : "));
    EXPECT_TRUE(seite[5].startsWith(QStringLiteral("A-|    Nr.")));
    EXPECT_TRUE(seite[7].startsWith(QStringLiteral("--|    ")));
  }
  EXPECT_TRUE(probe.seiten[2].last().startsWith(QStringLiteral("--|     65")));
  EXPECT_EQ(printState().DruckSz, 0);
  EXPECT_TRUE(env.messages.empty());

  // Lines per page outside the dialog's range print 65 rows a page.
  settings().Zeilen = 0;
  probe.seiten.clear();
  printState().DruckSz = 1;
  Drucke_Listen();
  ASSERT_EQ(probe.seiten.size(), 1);
  EXPECT_EQ(probe.seiten[0].size(), 72);
}

// Every page holds its header and Zeilen rows at every setting, also when the title is so long that
// the page label takes a line of its own.
TEST(Drucken, EveryPageStartsWithItsHeader) {
  const struct {
    int zeilen;
    int seiten;
    const char* datei;
  } faelle[] = {{30, 5, "prog1.qvl"},
                {60, 3, "prog1.qvl"},
                {65, 2, "prog1.qvl"},
                {120, 2, "prog1.qvl"},
                {65, 2, "/home/installateur/Schaltprogramme/prog1.qvl"},
                {120, 2, "/home/installateur/Schaltprogramme/prog1.qvl"}};
  for (const auto& f : faelle) {
    ScriptedEnvironment env;
    programmMit(130);
    program().Dateiname[0] = QString::fromUtf8(f.datei);
    settings().Zeilen = static_cast<int16_t>(f.zeilen);
    const bool langerTitel = Listentitel(0, 0, false).size() > 55;
    const int kopf = langerTitel ? 8 : 7;
    Druckprobe probe;
    printState().DruckSz = 1;
    Drucke_Listen();
    ASSERT_EQ(probe.seiten.size(), f.seiten) << f.zeilen << f.datei;
    int zeile = 0;
    for (int s = 0; s < f.seiten; ++s) {
      const QStringList& seite = probe.seiten[s];
      const int reihen = std::min(f.zeilen, 130 - s * f.zeilen);
      ASSERT_EQ(seite.size(), kopf + reihen) << f.zeilen << " page " << s;
      EXPECT_TRUE(seite[0].startsWith(QStringLiteral("AB|    Schaltzeiten von "))) << seite[0].toStdString();
      EXPECT_TRUE(seite[kopf - 7].endsWith(QStringLiteral("Seite %1").arg(s + 1))) << f.zeilen << " page " << s;
      for (int r = kopf; r < seite.size(); ++r) {
        ++zeile;
        EXPECT_TRUE(seite[r].startsWith(QStringLiteral("--|    %1").arg(zeile, 3))) << seite[r].toStdString();
      }
    }
    EXPECT_EQ(zeile, 130);
  }
}

// Every row of every list takes one line on every clock type and in every language (the French
// state "Marche", the header "impulsion", a holiday's long name): each page holds its seven
// header lines, the column headers on one of them, then one line per row, each starting with its
// row number and no wider than the printer was told.
TEST(Drucken, EveryRowTakesOneLineInEveryLanguage) {
  const QRegularExpression reihe(QStringLiteral("^--\\|    [ \\d]{0,2}\\d+ "));
  for (int typ : {240, 280, 309}) {
    for (int sprache : {1, 2, 3}) {
      frisch();
      ScriptedEnvironment env;
      env.setNow(QDateTime(QDate(2024, 6, 1), QTime(12, 0)));
      waehleSprache(sprache);
      ladeBeispiel(typ);
      program().Dateiname[0] = QStringLiteral("prog1.qvl");
      holidayTable().Feiertage = {{QStringLiteral("Ostermontag der katholischen, evangelischen und altkatholischen Gemeinden im Landkreis"), 2, 0, 1, 0}};
      holidayTable().AnzFt = 1;
      ProgramState& p = program();
      p.Sz[0][p.AnzGesamt[0]++] = osterPz(1, 3, 1);
      ++p.AnzPz[0];
      settings().Zeilen = 120;
      Druckprobe probe;
      PrintState& s = printState();
      s.DruckSz = s.DruckPz = s.DruckSw = s.DruckAstro = 1;
      Drucke_Listen();
      ASSERT_GE(probe.seiten.size(), 2) << typ << '/' << sprache;
      for (const QStringList& seite : probe.seiten) {
        ASSERT_GT(seite.size(), 7) << typ << '/' << sprache;
        EXPECT_EQ(seite[4], QStringLiteral("A-|")) << typ << '/' << sprache << ' ' << seite[0].toStdString();
        EXPECT_EQ(seite[6], QStringLiteral("A-|")) << typ << '/' << sprache << ' ' << seite[5].toStdString();
        for (int z = 7; z < seite.size(); ++z)
          EXPECT_TRUE(reihe.match(seite[z]).hasMatch()) << typ << '/' << sprache << ' ' << seite[z].toStdString();
        for (const QString& zeile : seite) EXPECT_FALSE(zeile.endsWith(QStringLiteral(" >>"))) << zeile.toStdString();
      }
      EXPECT_EQ(probe.seiten[1].filter(QStringLiteral("katholischen")).size(), 1);
    }
  }
}

TEST(Drucken, AnEmptyListSendsNothingButExportsItsHeading) {
  ScriptedEnvironment env;
  StartDir dir;
  programmMit(0);
  Druckprobe probe;
  printState().DruckPz = 1;
  Drucke_Listen();
  EXPECT_TRUE(probe.seiten.isEmpty());

  printState().DruckInDatei = 1;
  printState().DruckPz = 1;
  Drucke_Listen();
  const QByteArray text = dir.read(QStringLiteral("prog1.txt"));
  EXPECT_TRUE(text.startsWith("Priorit\xe4tszeiten von prog1.qvl, ungefiltert\r\n\r\nVerwendung\tFlur\r\n\r\n"));
  EXPECT_TRUE(text.endsWith("\r\n\r\n\r\n"));
  EXPECT_EQ(text.count("\r\n"), 9);  // title block, header row, two empty lines
}

// The text export appends to a text file of any length.
TEST(Drucken, ExportAppendsToALargeTextFile) {
  ScriptedEnvironment env;
  StartDir dir;
  programmMit(2);
  const QByteArray alt = QByteArray(5 * 1024 * 1024, '.') + "\r\n";
  dir.write(QStringLiteral("prog1.txt"), alt);
  printState() = PrintState{};
  printState().DruckInDatei = 1;
  printState().DruckSz = 1;
  Drucke_Listen();
  EXPECT_TRUE(env.messages.empty());
  const QByteArray neu = dir.read(QStringLiteral("prog1.txt"));
  EXPECT_TRUE(neu.startsWith(alt));
  EXPECT_TRUE(neu.mid(alt.size()).startsWith("Schaltzeiten von prog1.qvl, ungefiltert\r\n"));
  printState() = PrintState{};
}

// Set QV_UPDATE_GOLDEN=1 to write the export files anew (then review them and commit).
class ExportGolden : public ::testing::TestWithParam<int> {};

TEST_P(ExportGolden, EveryListIntoTheTextFile) {
  const int typ = GetParam();
  frisch();
  ScriptedEnvironment env;
  env.setNow(QDateTime(QDate(2024, 6, 1), QTime(12, 0)));
  StartDir dir;
  waehleSprache(1);
  ladeBeispiel(typ);
  program().Kanalname[0][0] = QStringLiteral("Flur");
  program().Verwendung[0] = QStringLiteral("Schule S\u00fcd");
  GeraeteText()[0] = Geraeteeigenschaften_Titel();
  int fuellungen = 0;
  hooks().Fuelle_Grid = [&](int) { ++fuellungen; };
  PrintState& s = printState();
  s = PrintState{};
  s.DruckInDatei = 1;
  s.DruckSz = s.DruckPz = s.DruckSw = s.DruckAstro = s.DruckGeraet = 1;
  const int16_t geaendert = program().Geaendert;
  Drucke_Listen();
  hooks() = WindowHooks{};
  EXPECT_EQ(fuellungen, 1);
  EXPECT_EQ(program().Geaendert, geaendert);
  EXPECT_EQ(s.DruckSz + s.DruckPz + s.DruckSw + s.DruckAstro + s.DruckGeraet, 0);
  const QString txt = Textdateiname(program().Dateiname[0]);
  const QByteArray got = dir.read(txt);
  const QString golden = QStringLiteral(QV_TEST_DATA "/views/export_%1.txt").arg(typ);
  QFile f(golden);
  if (qEnvironmentVariableIntValue("QV_UPDATE_GOLDEN") == 1) {
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(got);
    GTEST_SKIP() << "written " << golden.toStdString();
  }
  ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << golden.toStdString();
  const QByteArray want = f.readAll();
  EXPECT_EQ(got, want);
  // A second run appends behind the first.
  s.DruckSz = 1;
  Drucke_Listen();
  EXPECT_TRUE(dir.read(txt).startsWith(want));
  EXPECT_GT(dir.read(txt).size(), want.size());
  s = PrintState{};
}

INSTANTIATE_TEST_SUITE_P(Uhrentypen, ExportGolden, ::testing::Values(240, 309));

TEST(Drucken, ListsComeUnfilteredFromTheOwnProgramAndTheViewReturns) {
  ScriptedEnvironment env;
  programmMit(3);
  program().AktSpeicher = 1;
  program().Dateiname[1] = QStringLiteral("vorlage.qvl");
  viewState().AktAnsicht = 1;
  viewState().filter.FilterAn = -1;
  int gefuellt = -1;
  hooks().Fuelle_Grid = [&](int slot) { gefuellt = slot; };
  Druckprobe probe;
  printState().DruckSz = 1;
  printState().DruckAnsicht = 2;  // the frame's button on the template's priority list
  Drucke_Listen();
  hooks() = WindowHooks{};
  ASSERT_EQ(probe.seiten.size(), 1);  // the shown list is empty
  EXPECT_TRUE(probe.seiten[0][0].contains(QStringLiteral("Schaltzeiten von prog1.qvl, ungefiltert")));
  EXPECT_EQ(gefuellt, 1);
  EXPECT_EQ(viewState().AktAnsicht, 1);
  EXPECT_EQ(viewState().filter.FilterAn, -1);
  EXPECT_EQ(printState().DruckAnsicht, 0);
}

TEST(Drucken, FailuresAreReportedAndTheViewStillReturns) {
  ScriptedEnvironment env;
  StartDir dir;
  programmMit(3);
  viewState().AktAnsicht = 2;
  int fuellungen = 0;
  hooks().Fuelle_Grid = [&](int) { ++fuellungen; };
  // No printer.
  printState() = PrintState{};
  printState().DruckSz = printState().DruckPz = 1;
  Drucke_Listen();
  ASSERT_EQ(env.messages.size(), 1u);
  EXPECT_EQ(env.messages[0].icon, Icon::Critical);
  EXPECT_EQ(env.messages[0].text, Drucker_nicht_bereit());
  // A folder where the text file would go.
  QDir().mkdir(QStringLiteral("prog1.txt"));
  printState().DruckInDatei = 1;
  printState().DruckSz = 1;
  Drucke_Listen();
  ASSERT_EQ(env.messages.size(), 2u);
  EXPECT_EQ(env.messages[1].icon, Icon::Critical);
  // No file name at all.
  program().Dateiname[0].clear();
  printState().DruckSz = 1;
  Drucke_Listen();
  ASSERT_EQ(env.messages.size(), 3u);
  EXPECT_EQ(env.messages[2].text, texts().S_KeineDatei);
  hooks() = WindowHooks{};
  EXPECT_EQ(fuellungen, 3);
  EXPECT_EQ(viewState().AktAnsicht, 2);
  EXPECT_EQ(printState().DruckSz + printState().DruckPz, 0);
  printState() = PrintState{};
}

TEST(Drucken, DataSheetOfAUtilityTypeOnThePrinter) {
  ScriptedEnvironment env;
  programmMit(1);
  waehleProfil(19);
  settings().MessKanal = 0;
  GeraeteText()[0] = Geraeteeigenschaften_Titel();
  Druckprobe probe;
  printState().DruckGeraet = 1;
  Drucke_Listen();
  ASSERT_EQ(probe.seiten.size(), 1);
  const QStringList& s = probe.seiten[0];
  EXPECT_TRUE(s[0].startsWith(QStringLiteral("-B|    Ger\u00e4teeigenschaften von prog1.qvl")));
  EXPECT_TRUE(s[0].endsWith(QStringLiteral("Seite 1")));
  EXPECT_EQ(s[2], QStringLiteral("--|    Programmnummer: "));
  EXPECT_EQ(s[6], QStringLiteral("--|    Messimpuls"));
  EXPECT_EQ(s[7], QStringLiteral("--|         kein Messimpuls"));
  EXPECT_EQ(s[8], QStringLiteral("--|") + QString(9, u' '));  // no channel: the pulse lines are empty
  EXPECT_EQ(s.last(), QStringLiteral("--|"));
  EXPECT_EQ(s[s.size() - 2], QStringLiteral("--|     "));  // no astro channels: a single blank
}
