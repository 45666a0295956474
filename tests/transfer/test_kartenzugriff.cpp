// The memory-key transfer on the parallel road: the request file, the helper program (a stand-in
// script), its answer codes and the read of "card.dat" into slot 0.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <optional>

#include "model/Texte.h"
#include "tests/transfer/TransferFixtures.h"
#include "tests/transfer/Unveraendert.h"
#include "transfer/Austauschdateien.h"
#include "transfer/Kartenzugriff.h"
#include "transfer/Programmstart.h"

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

// The search path of a test, restored when it ends.
class Suchpfad {
 public:
  explicit Suchpfad(const QString& pfad) : alt_(qgetenv("PATH")) { qputenv("PATH", QFile::encodeName(pfad)); }
  ~Suchpfad() { qputenv("PATH", alt_); }

 private:
  QByteArray alt_;
};

// How a helper program is started follows what its file holds: one that begins with "MZ" goes to
// the Windows loader (wine, here a stand-in on the search path), whatever its mode; an executable
// file of any other kind is started itself; no file, a folder or a file without an execute bit is
// "Datei nicht vorhanden !". Each row is started for real where it can be.
TEST(Programmstart, TheFileDecidesHowTheHelperIsStarted) {
  const QByteArray skript = "#!/bin/sh\necho selbst > gestartet\n";
  const QByteArray windows("MZ\x90\0\3\0\0\0", 8);
  const struct Fall {
    const char* name;
    std::optional<QByteArray> inhalt;  // none: no file; empty: a folder at the name
    bool ausfuehrbar;
    bool wine;        // the loader is on the search path
    const char* art;  // "wine", "selbst" or the message's head
  } faelle[] = {
      {"Windows program", windows, false, true, "wine"},
      {"Windows program with execute bit", windows, true, true, "wine"},
      {"Windows program of two bytes", QByteArray("MZ"), false, true, "wine"},
      {"Windows program without the loader", windows, true, false, "kelvor.exe (wine): "},
      {"script", skript, true, true, "selbst"},
      {"script without the loader", skript, true, false, "selbst"},
      {"script without execute bit", skript, false, true, "kelvor.exe: "},
      {"a single M", QByteArray("M"), false, true, "kelvor.exe: "},
      {"no file", std::nullopt, false, true, "kelvor.exe: "},
      {"a folder", QByteArray(), true, true, "kelvor.exe: "},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    TransferTest t;
    const QString programm = t.dir.file(QStringLiteral("kelvor.exe"));
    if (f.inhalt && f.inhalt->isEmpty()) {
      ASSERT_TRUE(QDir().mkdir(programm));
    } else if (f.inhalt) {
      t.dir.write(QStringLiteral("kelvor.exe"), *f.inhalt);
      QFile::setPermissions(programm, QFile::ReadOwner | QFile::WriteOwner | (f.ausfuehrbar ? QFile::ExeOwner : QFile::Permissions()));
    }
    // The stand-in loader notes what it was given to run.
    QDir().mkdir(t.dir.file(QStringLiteral("bin")));
    const QString wine = t.dir.file(QStringLiteral("bin/wine"));
    if (f.wine) {
      t.dir.write(QStringLiteral("bin/wine"), "#!/bin/sh\necho \"wine $*\" > gestartet\n");
      QFile::setPermissions(wine, QFile::ReadOwner | QFile::ExeOwner);
    }
    const Suchpfad pfad(t.dir.file(QStringLiteral("bin")));

    const Programmaufruf a = Finde_Programm(QStringLiteral("kelvor.exe"));
    const QString art = QString::fromLatin1(f.art);
    if (art == QLatin1String("wine")) {
      EXPECT_EQ(a.programm, wine);
      EXPECT_EQ(a.argumente, QStringList({programm}));
      EXPECT_TRUE(a.fehler.isEmpty());
    } else if (art == QLatin1String("selbst")) {
      EXPECT_EQ(a.programm, programm);
      EXPECT_TRUE(a.argumente.isEmpty());
      EXPECT_TRUE(a.fehler.isEmpty());
    } else {
      EXPECT_TRUE(a.programm.isEmpty());
      EXPECT_EQ(a.fehler, art + texts().S_DateiNicht);
    }

    QProcess prozess;
    EXPECT_EQ(Starte_Programm(QStringLiteral("kelvor.exe"), prozess), a.fehler.isEmpty());
    if (a.fehler.isEmpty()) {
      EXPECT_TRUE(prozess.waitForFinished(30000));
      EXPECT_EQ(t.dir.read(QStringLiteral("gestartet")).trimmed(),
                art == QLatin1String("wine") ? ("wine " + QFile::encodeName(programm)) : QByteArray("selbst"));
      EXPECT_TRUE(t.env.messages.empty());
    } else {
      EXPECT_FALSE(QFile::exists(t.dir.file(QStringLiteral("gestartet"))));
      EXPECT_EQ(t.texte(), QStringList({a.fehler}));
    }
  }
}

}  // namespace
}  // namespace qv::test
