// The infrared transfer: the rules of the time and date boxes, the request file, and the
// attempts against stand-in helper programs.
#include <gtest/gtest.h>

#include <QFile>

#include "model/Texte.h"
#include "tests/transfer/TransferFixtures.h"
#include "tests/transfer/Unveraendert.h"
#include "transfer/IRZugriff.h"

namespace qv::test {
namespace {

TEST(IRFelder, TypedTimesAndDatesAreNormalised) {
  const std::pair<const char*, const char*> zeiten[] = {
      {"123", "12:30:00"}, {"9", "09:00:00"}, {"12:30:45", "12:30:45"}, {"25:70", "23:07:00"}, {"7:5", "07:50:00"}};
  for (const auto& [ein, aus] : zeiten) EXPECT_EQ(Normalisiere_Uhrzeit(QString::fromLatin1(ein)).text, QString::fromLatin1(aus)) << ein;
  const std::pair<const char*, const char*> daten[] = {{"31.2.03", "28.02.03"}, {"31.2.04", "29.02.04"},
                                                       {"1.1.85", "01.01.79"},  {"1.2.3", "01.02.30"},
                                                       {"241203", "24.12.03"},  {"1.2.2003", "01.02.20"}};
  for (const auto& [ein, aus] : daten) EXPECT_EQ(Normalisiere_Datum(QString::fromLatin1(ein)).text, QString::fromLatin1(aus)) << ein;
  EXPECT_TRUE(IR_Taste_erlaubt(u'7', QStringLiteral("1."), u'.'));
  EXPECT_FALSE(IR_Taste_erlaubt(u'.', QStringLiteral("1."), u'.'));
  EXPECT_TRUE(IR_Taste_erlaubt(u':', QStringLiteral("12"), u':'));
  EXPECT_FALSE(IR_Taste_erlaubt(u'a', QStringLiteral("12"), u':'));
}

TEST(IRAnfrage, RequestFilesMatchTheGoldenBytes) {
  EXPECT_EQ(Schreibe_IRAnfrage(IRModus::Lesen, 1, QStringLiteral("UZ0"), {}, {}),
            testData(QStringLiteral("transfer/2zelnix_lesen.msg")));
  EXPECT_EQ(Schreibe_IRAnfrage(IRModus::Schreiben, 2, QStringLiteral("UZ0"), {}, {}),
            testData(QStringLiteral("transfer/2zelnix_schreiben.msg")));
  EXPECT_EQ(Schreibe_IRAnfrage(IRModus::Stellen, 1, QStringLiteral("UZ2"), Normalisiere_Uhrzeit(QStringLiteral("13:05:09")),
                               Normalisiere_Datum(QStringLiteral("24.12.03"))),
            testData(QStringLiteral("transfer/2zelnix_stellen.msg")));
}

struct IR : TransferTest {
  // The stand-in answers the codes in turn, one per start (the last one from then on); an empty
  // list: it ends without an answer.
  void helfer(const QStringList& codes, bool mitAbbild = false) {
    QByteArray s = "#!/bin/sh\nn=$(cat starts 2>/dev/null || echo 0); n=$((n+1)); echo $n > starts\n";
    if (mitAbbild) s += "cp prog1.qvl exchg.dat\n";
    for (int i = 0; i < codes.size(); ++i)
      s += (i + 1 < codes.size() ? "if [ $n -eq " + QByteArray::number(i + 1) + " ]; then echo " : "if true; then echo ") +
           codes[i].toLatin1() + " > irtrans.tmp; mv irtrans.tmp irtrans.msg; exit 0; fi\n";
    dir.write(QStringLiteral("zelnix.exe"), s);
    QFile::setPermissions(dir.file(QStringLiteral("zelnix.exe")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  }
  int starts() const { return dir.read(QStringLiteral("starts")).trimmed().toInt(); }
  std::vector<int> stand;
  std::function<void(int)> anzeige = [this](int v) { stand.push_back(v); };
};

TEST(IRUebertragung, RetriesUntilAnAnswerDecidesAndTheGaugeStaysInRange) {
  {
    IR t;
    t.helfer({QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("0")});
    EXPECT_TRUE(IR_Uebertragung(IRModus::Stellen, t.anzeige));
    EXPECT_EQ(t.starts(), 3);
    EXPECT_EQ(t.texte(), QStringList({texts().S_UeberErfo}));
  }
  {
    IR t;
    t.helfer({QStringLiteral("1")});
    EXPECT_FALSE(IR_Uebertragung(IRModus::Stellen, t.anzeige));
    EXPECT_EQ(t.texte(), QStringList({texts().S_UeberFehl}));
    EXPECT_LE(*std::max_element(t.stand.begin(), t.stand.end()), 100);
    EXPECT_GT(t.starts(), 1);
  }
  {
    // Unknown codes also end once the gauge has passed 50.
    IR t;
    t.helfer({QStringLiteral("9")});
    EXPECT_FALSE(IR_Uebertragung(IRModus::Stellen, t.anzeige));
    EXPECT_EQ(t.texte(), QStringList({texts().S_keineRueck}));
  }
}

TEST(IRUebertragung, TheAnswerIsReadAsAWholeNumberRoundedToTheNearest) {
  const struct {
    const char* antwort;
    QString Texts::* meldung;
  } faelle[] = {
      {"0.4", &Texts::S_UeberErfo}, {"0.5", &Texts::S_UeberErfo},  {"0.6", &Texts::S_UeberFehl},
      {"0.9", &Texts::S_UeberFehl}, {"1.5", &Texts::S_keineRueck}, {"2.5", &Texts::S_keineRueck},
      // A file of 64 MiB: its first value is the answer, whatever follows.
      {"0 | cat - /dev/zero | head -c 67108864", &Texts::S_UeberErfo},
      // The first value ends at a blank, a comma or a line end: what follows never joins it.
      // (The stand-in echoes an empty line to its output and prints the file with printf.)
      {"; printf '0\\n5\\n'", &Texts::S_UeberErfo}, {"1 0", &Texts::S_UeberFehl},
      {"; printf '1\\r0\\r'", &Texts::S_UeberFehl}, {"0,1", &Texts::S_UeberErfo},
      {"; printf '1\\t0'", &Texts::S_UeberFehl},
      // A sign and an exponent belong to the value.
      {"+1", &Texts::S_UeberFehl}, {"+0", &Texts::S_UeberErfo}, {"-0", &Texts::S_UeberErfo},
      {"1E0", &Texts::S_UeberFehl}, {"5E-1", &Texts::S_UeberErfo},
      // Blanks, empty lines and a byte-order mark before the value hold none.
      {"; printf '\\r\\n\\n  0\\r\\n'", &Texts::S_UeberErfo}, {"; printf '\\357\\273\\2771'", &Texts::S_UeberFehl},
      // No value: a word, a lone sign or a leading comma is no answer yet.
      {"; printf '+'", &Texts::S_keineRueck}, {"; printf ',0'", &Texts::S_keineRueck},
  };
  for (const auto& f : faelle) {
    IR t;
    t.helfer({QString::fromLatin1(f.antwort)});
    EXPECT_EQ(IR_Uebertragung(IRModus::Stellen, t.anzeige), f.meldung == &Texts::S_UeberErfo) << f.antwort;
    EXPECT_EQ(t.texte(), QStringList({texts().*f.meldung})) << f.antwort;
  }
}

TEST(IRUebertragung, AHelperThatEndsWithoutAnswerOrIsMissingEndsTheTransfer) {
  {
    IR t;
    t.helfer({});
    EXPECT_FALSE(IR_Uebertragung(IRModus::Stellen, t.anzeige));
    EXPECT_EQ(t.texte(), QStringList({texts().S_keineRueck}));
  }
  {
    IR t;
    EXPECT_FALSE(IR_Uebertragung(IRModus::Stellen, t.anzeige));
    EXPECT_EQ(t.texte(), QStringList({QStringLiteral("zelnix.exe: ") + texts().S_DateiNicht}));
  }
}

TEST(IRUebertragung, AReadLoadsExchgDatAndACorruptOneIsNoSuccess) {
  {
    IR t;
    speichereProgramm();
    t.helfer({QStringLiteral("0")}, true);
    program().Geaendert = 0;
    EXPECT_TRUE(IR_Uebertragung(IRModus::Lesen, t.anzeige));
    EXPECT_EQ(program().AnzSz[0], 3);
    EXPECT_EQ(program().Geaendert, 1);
    EXPECT_EQ(program().Dateiname[0], QStringLiteral("SzTab1.qvl"));
  }
  {
    IR t;
    speichereProgramm();
    program().HatDateiname = 1;
    program().Geaendert = 1;
    t.dir.write(QStringLiteral("prog1.qvl"), "1 2 3\r\n");
    t.helfer({QStringLiteral("0")}, true);
    const ProgramState vorher = program();
    EXPECT_FALSE(IR_Uebertragung(IRModus::Lesen, t.anzeige));
    EXPECT_EQ(t.texte(), QStringList({texts().S_KeineGueltDatei}));
    // The refused image changes nothing: the program keeps its records, name and changes.
    erwarteUnveraendert(vorher);
  }
}

}  // namespace
}  // namespace qv::test
