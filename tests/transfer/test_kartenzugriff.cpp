// The memory-key transfer on the parallel road: the request file, the helper program (a stand-in
// script), its answer codes and the read of "card.dat" into slot 0.
#include <gtest/gtest.h>

#include <QFile>

#include "model/Texte.h"
#include "tests/transfer/TransferFixtures.h"
#include "tests/transfer/Unveraendert.h"
#include "transfer/Austauschdateien.h"
#include "transfer/Kartenzugriff.h"

namespace qv::test {
namespace {

struct Parallel : TransferTest {
  Parallel() : nutzer(env) {
    settings().Lpt = 1;
    settings().Delay = 8;
    settings().Delay2 = 400;
    speichereProgramm();
  }
  // The stand-in writes "card.msg" (and for a read the image it was given) after a short while.
  void helfer(const QByteArray& antwort, bool mitAbbild = false) {
    QByteArray skript = "#!/bin/sh\nsleep 0.1\n";
    if (mitAbbild) skript += "cp prog1.qvl card.dat\n";
    skript += "printf '" + antwort + "' > card.tmp && mv card.tmp card.msg\n";
    dir.write(QStringLiteral("kelvor.exe"), skript);
    QFile::setPermissions(dir.file(QStringLiteral("kelvor.exe")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  }
  WartenderNutzer nutzer;
};

TEST(Austauschdateien, RequestFilesMatchTheGoldenBytes) {
  Anfrage p{QStringLiteral("s"), 1, 8, 400, 1, QStringLiteral("Datei ")};
  EXPECT_EQ(Schreibe_Anfrage(p), testData(QStringLiteral("transfer/quorvel_parallel_s.msg")));
  Anfrage s{QStringLiteral("l"), 4, 8, 400, 2, QStringLiteral("prog1.qvl")};
  EXPECT_EQ(Schreibe_Anfrage(s), testData(QStringLiteral("transfer/quorvel_seriell_l.msg")));
  const auto zurueck = Lies_Anfrage("s\r\n 4 \r\n 8 \r\n 400 \r\n 1 \r\n/tmp/a, b.qvl\r\n");
  ASSERT_TRUE(zurueck);
  EXPECT_EQ(zurueck->datei, QStringLiteral("/tmp/a, b.qvl"));
  EXPECT_EQ(DateinameOhnePfad(QStringLiteral("C:\\x\\prog1.qvl")), QStringLiteral("prog1.qvl"));
  EXPECT_EQ(Druckzahl(-3), QStringLiteral("-3 "));
}

TEST(Austauschdateien, EveryAnswerCodeGivesItsText) {
  TransferTest t;
  const Texts& x = texts();
  const struct {
    const char* datei;
    QString text;
  } faelle[] = {
      {"1,0", x.S_KeinProgLPT + "2" + x.S_VerzNied},
      {"2,0", QString::fromUtf8("Kein Quorvel im Programmieradapter oder Verzögerungsfaktor zu niedrig !")},
      {"4,99", x.S_FehlBeimSetz + "99" + x.S_evtlVerz},
      {"5\r\n70000", x.S_FehlBeimSetz + "70000" + x.S_evtlVerz},
      {"6,17", QString::fromUtf8("Fehler beim Schreiben in Adresse 17evtl. Verzögerungsfaktor erhöhen !")},
      {"7,0", x.S_FehlBeimSend + "," + x.S_evtlVerz},
      {"3,0", {}}, {"0,0", {}}, {"8,5", {}}, {"32767,0", {}}, {"-32768,0", {}},
      // Lines ended by CR alone, as the other readers take them.
      {"6\r17\r", x.S_FehlBeimSchr + "17" + x.S_evtlVerz},
      {"2\r0", x.S_KeinChipAdapter + x.S_VerzNied},
  };
  for (const auto& f : faelle) {
    const auto a = Lies_Kartenantwort(f.datei);
    ASSERT_TRUE(a) << f.datei;
    EXPECT_EQ(Kartenantwort_Text(*a, 2), f.text) << f.datei;
  }
  // A code beyond the 16-bit range is no answer the helper gives.
  for (const char* kaputt : {"", "6", "x,1", "6,y", "32768,0", "99999999,0", "-32769,0", "6\r"})
    EXPECT_FALSE(Lies_Kartenantwort(kaputt)) << kaputt;
}

TEST(Kartenzugriff, AnAnswerCodeBeyondTheRangeFailsTheReadAndLoadsNothing) {
  for (const char* code : {"32768", "99999999"}) {
    SCOPED_TRACE(code);
    Parallel t;
    t.helfer(QByteArray(code) + ",0", true);
    program().Dateiname[0] = QStringLiteral("eigen.qvl");
    program().HatDateiname = 1;
    program().Geaendert = 1;
    const ProgramState vorher = program();
    program().ImportAktiv = 1;
    KartenZugriff(QStringLiteral("l"));
    EXPECT_EQ(t.texte(), QStringList({texts().S_ZugrBeendet, texts().S_ZugrNichtErfo}));
    erwarteUnveraendert(vorher);
  }
}

TEST(Kartenzugriff, WriteCopiesToTheExchangeNameAndReportsTheHelpersCode) {
  Parallel t;
  t.helfer("6,17");
  program().Geaendert = 0;
  KartenZugriff(QStringLiteral("s"));
  EXPECT_EQ(t.dir.read(QStringLiteral("Datei ")), t.dir.read(QStringLiteral("prog1.qvl")));
  EXPECT_EQ(t.dir.read(QStringLiteral("quorvel.msg")), testData(QStringLiteral("transfer/quorvel_parallel_s.msg")));
  EXPECT_EQ(t.texte(), QStringList({texts().S_ZugrBeendet, QString::fromUtf8("Fehler beim Schreiben in Adresse 17evtl. Verzögerungsfaktor erhöhen !")}));
  EXPECT_EQ(program().AnzSz[0], 3);
  EXPECT_EQ(program().Dateiname[0], QStringLiteral("prog1.qvl"));
  EXPECT_EQ(program().Geaendert, 0);
}

TEST(Kartenzugriff, AReadLoadsTheKeyIntoSlotZeroAsAnUnsavedProgram) {
  Parallel t;
  t.helfer("3,0", true);
  program().Kanalname[1][0] = QStringLiteral("Licht");
  program().ImportAktiv = 1;
  program().Geaendert = 0;
  KartenZugriff(QStringLiteral("l"));
  EXPECT_EQ(t.texte(), QStringList({texts().S_ZugrBeendet}));
  const ProgramState& p = program();
  EXPECT_EQ(p.AnzSz[0], 3);
  EXPECT_EQ(p.Geaendert, 1);
  EXPECT_EQ(p.AktSpeicher, 0);
  EXPECT_EQ(p.ImportAktiv, 0);
  EXPECT_EQ(p.Verwendung[0], QStringLiteral("unbekannt"));
  EXPECT_EQ(p.Dateiname[0], QStringLiteral("SzTab1.qvl"));
  EXPECT_EQ(p.Kanalname[1][0], QStringLiteral("Licht"));
}

TEST(Kartenzugriff, FailedReadsNeverLoadAnOldImage) {
  const struct {
    const char* name;
    QByteArray antwort;  // empty: the helper leaves no answer
    bool helfer;
  } faelle[] = {{"code 2", "2,0", true}, {"no answer file", "", true}, {"no helper program", "", false}};
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.name);
    Parallel t;
    if (f.helfer && !f.antwort.isEmpty()) t.helfer(f.antwort);
    if (f.helfer && f.antwort.isEmpty()) {
      t.dir.write(QStringLiteral("kelvor.exe"), "#!/bin/sh\ntouch card.msg\n");
      QFile::setPermissions(t.dir.file(QStringLiteral("kelvor.exe")), QFile::ReadOwner | QFile::ExeOwner);
    }
    QFile::copy(t.dir.file(QStringLiteral("prog1.qvl")), t.dir.file(QStringLiteral("card.dat")));
    program().HatDateiname = 1;
    program().Geaendert = 1;
    const ProgramState vorher = program();
    program().ImportAktiv = 1;
    KartenZugriff(QStringLiteral("l"));
    erwarteUnveraendert(vorher);
    EXPECT_EQ(program().ImportAktiv, 0);
    EXPECT_FALSE(QFile::exists(QStringLiteral("card.dat")));
    ASSERT_FALSE(t.env.messages.empty());
    if (!f.helfer) EXPECT_EQ(t.env.messages.front().text, QStringLiteral("kelvor.exe: ") + texts().S_DateiNicht);
    else EXPECT_EQ(t.env.messages.back().text, f.antwort.isEmpty() ? texts().S_ZugrNichtErfo : texts().S_KeinChipAdapter + texts().S_VerzNied);
  }
}

}  // namespace
}  // namespace qv::test
