// Files refused for being longer than their reader's bound say so, in the UI language: the request
// file and the program file of the serial road, and the saved bus application "appl.old".
#include <gtest/gtest.h>

#include <cerrno>

#include "model/AtomicFile.h"
#include "model/Texte.h"
#include "tests/support/KeyAdapterSim.h"
#include "tests/transfer/EibFixtures.h"
#include "tests/transfer/TransferFixtures.h"
#include "transfer/EibApplikation.h"
#include "transfer/Kartenzugriff.h"
#include "transfer/SeriellerZugriff.h"
#include "views/Meldungstexte.h"

namespace qv::test {
namespace {

const QString kZuGross = QString::fromUtf8("Datei zu groß !");

struct Seriell : TransferTest {
  Seriell() : sim(2048) {
    qputenv("QUORVEL_COM1", sim.device().toLocal8Bit());
    settings().Lpt = 4;
    speichereProgramm();
  }
  ~Seriell() { qunsetenv("QUORVEL_COM1"); }
  KeyAdapterSim sim;
};

TEST(ZuGross, TheSerialRoadsRequestAndProgramFile) {
  {
    Seriell t;
    t.dir.write(QStringLiteral("quorvel.msg"), "s\r\n" + QByteArray(kMaxTextFileBytes, ' '));
    EXPECT_EQ(SeriellerZugriff(), 1);
    EXPECT_EQ(t.texte(), QStringList({QStringLiteral("error in serial communication :") + kZuGross + QStringLiteral(" quorvel.msg")}));
  }
  {
    Seriell t;
    t.dir.write(QStringLiteral("riesig.qvl"), QByteArray(kMaxProgramFileBytes + 1, '0'));
    program().Dateiname[0] = QStringLiteral("riesig.qvl");
    KartenZugriff(QStringLiteral("s"));
    EXPECT_EQ(t.texte(), QStringList({QStringLiteral("riesig.qvl: ") + kZuGross, texts().S_ZugrNichtErfo}));
    EXPECT_EQ(t.sim.rahmen(), 0);
  }
}

TEST(ZuGross, TheSavedBusApplication) {
  EibStand t;
  settings().Sprache = 1;
  ASSERT_EQ(t.s.Bus_Oeffnen(0, 9600), 0);
  t.dir.write(QStringLiteral("appl.old"), QByteArray(kMaxTextFileBytes + 1, '\n'));
  EXPECT_EQ(Schreibe_Applikation(t.s, 0x1105, QStringLiteral("appl.old")), eibfehler::Gemeldet);
  ASSERT_EQ(t.env.messages.size(), 1u);
  EXPECT_EQ(t.env.messages[0].text, QStringLiteral("appl.old: ") + kZuGross);
}

TEST(ZuGross, TheMessageFollowsTheLanguage) {
  TransferTest t;
  const struct {
    int sprache;
    const char* text;
  } faelle[] = {{1, "Datei zu groß !"}, {2, "File too large !"}, {3, "Fichier trop volumineux !"}, {4, "File too large !"}};
  for (const auto& f : faelle) {
    settings().Sprache = static_cast<int16_t>(f.sprache);
    EXPECT_EQ(Meldung(Meldungstext::DateiZuGross), QString::fromUtf8(f.text)) << f.sprache;
    EXPECT_EQ(Dateifehler_Text(tooLargeReason()), QString::fromUtf8(f.text)) << f.sprache;
  }
  EXPECT_EQ(Dateifehler_Text(qt_error_string(ENOENT)), texts().S_DateiNicht);
  // A file that is there but refused says why, not that it is missing.
  EXPECT_EQ(Dateifehler_Text(QStringLiteral("Not a regular file")), QStringLiteral("Not a regular file"));
}

}  // namespace
}  // namespace qv::test
