// The serial road of the key transfer, end to end: the real port code on a pseudo-terminal with
// the simulated adapter, from the menu's entry point to the key's memory, "card.dat" and slot 0.
#include <gtest/gtest.h>

#include "model/AtomicFile.h"
#include "model/Texte.h"
#include "tests/support/KeyAdapterSim.h"
#include "tests/transfer/TransferFixtures.h"
#include "tests/transfer/Unveraendert.h"
#include "transfer/Austauschdateien.h"
#include "transfer/Kartenzugriff.h"
#include "transfer/Schnittstelle.h"
#include "transfer/SeriellerZugriff.h"

namespace qv::test {
namespace {

struct Strecke : TransferTest {
  explicit Strecke(int typ) : TransferTest(typ), sim(typ == 280 ? 8192 : 2048) {
    qputenv("QUORVEL_COM1", sim.device().toLocal8Bit());
    settings().Lpt = 4;
    speichereProgramm();
  }
  ~Strecke() { qunsetenv("QUORVEL_COM1"); }
  std::vector<uint8_t> programmabbild() const { return werte(dir.read(QStringLiteral("prog1.qvl")), sim.speicher().size() == 8192 ? 8192 : 2048); }
  void lies() {
    program().ImportAktiv = 1;
    KartenZugriff(QStringLiteral("l"));
  }
  KeyAdapterSim sim;
};

TEST(SeriellerZugriff, FramesCarryTheBlockAddressAsTheKeySizeWants) {
  EXPECT_EQ(Schreibrahmen(1024, 2048, QByteArray(16, 7)).left(3), QByteArray("\x12\xA8\x00", 3));
  EXPECT_EQ(Schreibrahmen(1024, 2048, QByteArray(16, 7)).size(), 19);
  EXPECT_EQ(Leserahmen(8176, 8192), QByteArray("\x04\xA1\x1F\xF0\x10", 5));
  EXPECT_EQ(Leserahmen(0, 2048), QByteArray("\x03\xA1\x00\x10", 4));
  EXPECT_EQ(Protokollzeile(Leserahmen(0, 2048)), QByteArray(" 3 A1 0 10\r\n"));
}

TEST(SeriellerZugriff, WriteThenReadGivesTheSameImageForBothKeySizes) {
  for (int typ : {240, 280}) {
    SCOPED_TRACE(typ);
    Strecke t(typ);
    const int groesse = typ == 280 ? 8192 : 2048;
    KartenZugriff(QStringLiteral("s"));
    EXPECT_TRUE(t.env.messages.empty()) << t.texte().join(u'|').toStdString();
    EXPECT_EQ(t.sim.speicher(), t.programmabbild());
    EXPECT_EQ(program().Geaendert, 0);

    t.lies();
    EXPECT_TRUE(t.env.messages.empty()) << t.texte().join(u'|').toStdString();
    const QByteArray karte = t.dir.read(QStringLiteral("card.dat"));
    EXPECT_EQ(karte.count("\r\n"), groesse == 8192 ? 1369 : 345);
    // One line of four values, twenty of five, then lines of six.
    std::vector<qsizetype> form, soll(1, 4);
    for (const QByteArray& zeile : karte.split('\n'))
      if (!zeile.isEmpty()) form.push_back(zeile.simplified().split(' ').size());
    soll.resize(21, 5);
    soll.resize((groesse - 104) / 6 + 21, 6);
    EXPECT_EQ(form, soll);
    EXPECT_EQ(werte(karte, groesse), t.programmabbild());
    EXPECT_EQ(program().AnzSz[0], 3);
    EXPECT_EQ(program().Geaendert, 1);
    EXPECT_EQ(program().Verwendung[0], texts().S_unbekannt);
    EXPECT_EQ(program().Dateiname[0], QStringLiteral("SzTab1.qvl"));
    EXPECT_EQ(program().ImportAktiv, 0);
    // The log holds two lines per try of the last block loop.
    EXPECT_EQ(t.dir.read(QStringLiteral("rsproto.txt")).count("\r\n"), 2 * groesse / 16);
  }
}

TEST(SeriellerZugriff, EveryScriptedFaultGivesItsMessageAndFailure) {
  // The texts are looked up when a row runs, once its fixture has loaded them.
  using X = Texts;
  struct Fall {
    const char* name;
    const char* richtung;
    std::vector<Stoerung> plan;
    QString Texts::* meldung;  // the transfer's own message; none: only the access's failure
    int kennung = -1;          // the format identifier the key holds in image byte 1
  };
  const Stoerung schweigt{Stoerung::Schweigen};
  const Fall faelle[] = {
      {"no key stops at once", "s", {{Stoerung::KeinChip}}, &X::S_KeinChipAdapter2},
      {"silent key three times", "s", {{Stoerung::ChipStumm}, {Stoerung::ChipStumm}, {Stoerung::ChipStumm}}, &X::S_ChipAntwNicht},
      {"line errors", "s", {{Stoerung::Leitungsfehler}, {Stoerung::Leitungsfehler}, {Stoerung::Leitungsfehler}}, &X::S_UebertrFehlCOM},
      {"foreign answers", "s", {{Stoerung::Fremd}, {Stoerung::Fremd}, {Stoerung::Fremd}}, &X::S_unbeMeld},
      {"no answer", "s", {schweigt, schweigt, schweigt}, &X::S_KeineAntwAdapter},
      // Read: the key-type check takes the first three frames, then block 0.
      {"read: short data answers", "l", {{}, {}, {}, {Stoerung::Kurz}, {Stoerung::Kurz}, {Stoerung::Kurz}}, &X::S_unbeMeld},
      {"read: no answer", "l", {{}, {}, {}, schweigt, schweigt, schweigt}, &X::S_KeineAntwAdapter},
      {"read: no key", "l", {{}, {}, {}, {Stoerung::KeinChip}}, &X::S_KeinChipAdapter2},
      // The key-type check goes on through silence and a passing "no key"; its third send decides:
      // silence there ends the read with no message of its own, an answer lets the block loop tell.
      {"read: silent from the start", "l", {schweigt, schweigt, schweigt, schweigt, schweigt, schweigt}, nullptr},
      {"read: no key during the type check, then silence", "l", {{Stoerung::KeinChip}, {Stoerung::KeinChip}, schweigt, schweigt, schweigt, schweigt}, nullptr},
      {"read: an 8 KB key in a 2 KB clock", "l", {}, &X::S_benoeAnde, 74},
      {"read: the type check answered at its third send, then silence", "l", {schweigt, schweigt, {}, schweigt, schweigt, schweigt}, &X::S_KeineAntwAdapter},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    Strecke t(240);
    t.dir.write(QStringLiteral("card.dat"), "old");
    t.sim.plane(f.plan);
    if (f.kennung >= 0) {
      std::vector<uint8_t> schluessel = t.sim.speicher();
      schluessel[1] = uint8_t(f.kennung);
      t.sim.setSpeicher(schluessel);
    }
    const ProgramState vorher = program();
    if (QString::fromLatin1(f.richtung) == u'l') t.lies();
    else KartenZugriff(QStringLiteral("s"));
    const Texts& x = texts();
    EXPECT_EQ(t.texte(), f.meldung ? QStringList({x.*f.meldung, x.S_ZugrNichtErfo}) : QStringList({x.S_ZugrNichtErfo}));
    EXPECT_EQ(program().ImportAktiv, 0);
    // A read removes what an earlier read left, so a failed one never loads it; a write keeps it.
    if (QString::fromLatin1(f.richtung) == u'l') {
      EXPECT_FALSE(QFile::exists(QStringLiteral("card.dat")));
      erwarteUnveraendert(vorher);
    } else {
      EXPECT_EQ(t.dir.read(QStringLiteral("card.dat")), "old");
    }
  }
}

TEST(SeriellerZugriff, LostTriesThatRecoverStillSucceedAndSplitAnswersCountAsOne) {
  Strecke t(240);
  t.sim.plane({{Stoerung::Schweigen}, {Stoerung::ChipStumm}, {.teile = 2, .teilPauseMs = 30}});
  KartenZugriff(QStringLiteral("s"));
  EXPECT_TRUE(t.env.messages.empty()) << t.texte().join(u'|').toStdString();
  EXPECT_EQ(t.sim.speicher(), t.programmabbild());
  // A data answer in three pieces 30 ms apart is one answer.
  t.sim.plane({{}, {}, {}, {.teile = 3, .teilPauseMs = 30}, {.teile = 3, .teilPauseMs = 30}});
  t.lies();
  EXPECT_TRUE(t.env.messages.empty()) << t.texte().join(u'|').toStdString();
  EXPECT_EQ(program().AnzSz[0], 3);
}

TEST(SeriellerZugriff, AnAnswerLateForItsTryIsNeverTakenForTheNextBlock) {
  Strecke t(240);
  KartenZugriff(QStringLiteral("s"));
  // Block 0 answers after the time-out; its late answer must be dropped, not read as block 16.
  // Block 0 was read once by the write's check and three times by the key-type check before.
  t.sim.plane(Rahmenart::Lesen, 0, 4, {.spaetMs = 450});
  t.lies();
  EXPECT_TRUE(t.env.messages.empty()) << t.texte().join(u'|').toStdString();
  EXPECT_EQ(werte(t.dir.read(QStringLiteral("card.dat")), 2048), t.programmabbild());
}

TEST(SeriellerZugriff, KeysAndAdaptersOfTheWrongKindAreRefused) {
  {
    Strecke t(280);
    t.sim.setAlt(true);
    KartenZugriff(QStringLiteral("s"));
    EXPECT_EQ(t.texte(), QStringList({texts().S_SchaBenoe, texts().S_ZugrNichtErfo}));
    EXPECT_EQ(t.sim.rahmen(), 1);
  }
  // A key of any 2 KB format read on a clock type that wants 8 KB.
  for (const uint8_t kennung : {72, 73, 80}) {
    SCOPED_TRACE(kennung);
    Strecke t(280);
    std::vector<uint8_t> klein(8192, 0);
    klein[1] = kennung;
    t.sim.setSpeicher(klein);
    t.lies();
    EXPECT_EQ(t.texte(), QStringList({texts().S_benoeAnde, texts().S_ZugrNichtErfo}));
  }
  {
    // A program file that is no image never reaches the key.
    Strecke t(240);
    t.dir.write(QStringLiteral("prog1.qvl"), " 300 1 2\r\n");
    KartenZugriff(QStringLiteral("s"));
    EXPECT_EQ(t.texte(), QStringList({texts().S_KeineGueltDatei, texts().S_ZugrNichtErfo}));
    EXPECT_EQ(t.sim.rahmen(), 0);
  }
}

TEST(SeriellerZugriff, AMissingPortIsReportedAtOnce) {
  TransferTest t;
  settings().Lpt = 4;
  qputenv("QUORVEL_COM1", "/dev/quorvel-no-such-port");
  speichereProgramm();
  KartenZugriff(QStringLiteral("s"));
  qunsetenv("QUORVEL_COM1");
  ASSERT_EQ(t.env.messages.size(), 2u);
  EXPECT_TRUE(t.env.messages[0].text.startsWith(QStringLiteral("error in serial communication :")));
}

}  // namespace
}  // namespace qv::test

namespace qv::test {
namespace {

// A line that hands out scripted pieces, one per wait; an empty piece is a wait with nothing.
struct Skriptleitung final : ByteLink {
  std::vector<QByteArray> stuecke;
  size_t naechstes = 0;
  int wartezeitenNachDemErsten = 0;
  bool write(const QByteArray&) override { return true; }
  void purge() override {}
  bool readSome(QByteArray& buf, int) override {
    if (!buf.isEmpty()) ++wartezeitenNachDemErsten;
    if (naechstes >= stuecke.size()) return false;
    buf += stuecke[naechstes++];
    return !buf.isEmpty() && !stuecke[naechstes - 1].isEmpty();
  }
};

TEST(EmpfangeSeriell, AnAnswerEndsWhenItsFirstByteSaysItIsWhole) {
  const QByteArray daten = QByteArray(1, char(18)) + QByteArray(18, char(0xA1));
  const struct {
    const char* name;
    std::vector<QByteArray> stuecke;
    QByteArray antwort;
    int wartezeiten;  // waits after the first piece
  } faelle[] = {
      {"status whole at once", {QByteArray("\x01\x80", 2), "late"}, QByteArray("\x01\x80", 2), 0},
      {"data in three pieces", {daten.left(5), daten.mid(5, 7), daten.mid(12), "late"}, daten, 2},
      {"extra bytes in the same piece stay", {daten + "x"}, daten + "x", 0},
      {"unknown first byte ends on silence", {"\x07\x07", "\x07", {}}, "\x07\x07\x07", 2},
      {"short data answer ends on silence", {daten.left(18), {}}, daten.left(18), 1},
      {"a line that never falls quiet ends at 64 bytes", std::vector<QByteArray>(1000, QByteArray(8, char(7))),
       QByteArray(64, char(7)), 7},
  };
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.name);
    Skriptleitung l;
    l.stuecke = f.stuecke;
    QByteArray a = "nix";
    EXPECT_EQ(Empfange_Seriell(l, a), 0);
    EXPECT_EQ(a, f.antwort);
    EXPECT_EQ(l.wartezeitenNachDemErsten, f.wartezeiten);
  }
  Skriptleitung still;
  QByteArray a = "vorher";
  EXPECT_EQ(Empfange_Seriell(still, a), 1);
  EXPECT_EQ(a, "vorher");
}

}  // namespace
}  // namespace qv::test
