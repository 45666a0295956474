// Faults on the key adapter's line, alone and combined, through the real port code on a
// pseudo-terminal: late, lost, repeated and split answers in the write, the read and the write's
// check, on both key sizes. Every run ends with the key or "card.dat" equal to the image byte for
// byte, or with a failure and nothing written; never with success and a difference.
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <map>
#include <set>

#include "model/AtomicFile.h"
#include "model/Texte.h"
#include "tests/support/KeyAdapterSim.h"
#include "tests/transfer/TransferFixtures.h"
#include "transfer/Austauschdateien.h"
#include "transfer/Schnittstelle.h"
#include "transfer/SeriellerZugriff.h"

namespace qv::test {
namespace {

using Ziel = std::tuple<Rahmenart, int, int, Stoerung>;  // frame kind, block address, try, fault

// The waits here: 150 ms for an answer, 120 ms of quiet after a fault.
const Stoerung spaet{.spaetMs = 200};        // comes while the line is drained
const Stoerung sehrSpaet{.spaetMs = 330};    // comes after the drain, during the retry
const Stoerung verloren{Stoerung::Schweigen};
const Stoerung doppelt{.doppeltMs = 0};
const Stoerung spaeterDoppelt{.doppeltMs = 30};
const Stoerung geteilt{.teile = 3, .teilPauseMs = 15};
const Stoerung ohneAntwort{Stoerung::AntwortWeg};
const Stoerung langsam{.spaetMs = 70};       // slow, yet within the answer time
const Stoerung spaetHaelt{.spaetMs = 200, .haelt = true};  // late, and the retry waits behind it
const Stoerung andereSeite{Stoerung::AndereSeite};          // whole, but for another page's block

struct Fall {
  const char* name;
  char richtung;
  // The write's check reads block 0 as the first read frame on a 2 KB key, the second on 8 KB
  // (after the probe); a read's first block-0 frame of the block loop is the fourth on 2 KB
  // (after the key-type check) and the fifth on 8 KB.
  std::vector<Ziel> klein, gross;
  bool gelingt;
  QString Texts::* meldung = nullptr;  // shown by the transfer itself when it fails
  int baud = 0;                         // a paced line, where two answers come apart
};

struct Ausgangslage : TransferTest {
  explicit Ausgangslage(int groesse) : TransferTest(groesse == 8192 ? 280 : 240), sim(groesse), abbild(Pruefabbild(groesse)) {
    settings().Lpt = 4;
    Wartezeiten& w = wartezeiten();
    w.antwortMs = 150;
    w.ruheMs = 40;
    w.ruheNachFehlerMs = 120;
    dir.write(QStringLiteral("prog.qvl"), Programmtext(abbild));
    dir.write(QStringLiteral("card.dat"), "old");
  }
  void anfrage(char richtung) {
    writeFileAtomically(QStringLiteral("quorvel.msg"),
                        Schreibe_Anfrage({QString(QChar(richtung)), 4, 8, 400, 1, QStringLiteral("prog.qvl")}));
  }
  int lauf(char richtung) {
    anfrage(richtung);
    SerialLink link;
    QString fehler;
    if (!link.open(sim.device(), 9600, &fehler)) ADD_FAILURE() << fehler.toStdString();
    return SeriellerZugriff(link, nullptr);
  }
  KeyAdapterSim sim;
  std::vector<uint8_t> abbild;
};

TEST(SeriellStoerungen, NoCombinationEndsInSuccessWithADifference) {
  const auto S = Rahmenart::Schreiben;
  const auto L = Rahmenart::Lesen;
  const Fall faelle[] = {
      // Write.
      {"late answer, then the next frame lost", 's', {{S, 80, 0, spaet}, {S, 96, 0, verloren}}, {}, true},
      {"very late answer, then the next frame lost", 's', {{S, 80, 0, sehrSpaet}, {S, 96, 0, verloren}}, {}, true},
      {"answer repeated at once, then the next frame lost", 's', {{S, 80, 0, doppelt}, {S, 96, 0, verloren}}, {}, true},
      {"answer repeated a little later", 's', {{S, 80, 0, spaeterDoppelt}}, {}, true},
      {"split answer, then a late one", 's', {{S, 80, 0, geteilt}, {S, 96, 0, spaet}}, {}, true},
      {"answer lost, then the next repeated at once", 's', {{S, 80, 0, ohneAntwort}, {S, 96, 0, doppelt}}, {}, true},
      {"late answer to the retry of a lost frame", 's', {{S, 80, 0, verloren}, {S, 80, 1, spaet}, {S, 96, 0, doppelt}}, {}, true},
      {"last block late and repeated before the check", 's', {{S, -16, 0, spaet}, {S, -16, 1, doppelt}}, {}, true},
      {"check answered twice at once", 's', {{L, 0, 0, doppelt}}, {{L, 0, 1, doppelt}}, true},
      {"check answered in pieces", 's', {{L, 0, 0, geteilt}}, {{L, 0, 1, geteilt}}, true},
      {"check answered late", 's', {{L, 0, 0, spaet}}, {{L, 0, 1, spaet}}, false},
      {"one block lost three times", 's', {{S, 96, 0, verloren}, {S, 96, 1, verloren}, {S, 96, 2, verloren}}, {}, false,
       &Texts::S_KeineAntwAdapter},
      // Read.
      {"read: late answer", 'l', {{L, 80, 0, spaet}}, {}, true},
      {"read: late answer with the retry behind it", 'l', {{L, 80, 0, spaetHaelt}}, {}, true, nullptr, 57600},
      {"late answer with the retry behind it, then the next frame lost", 's', {{S, 80, 0, spaetHaelt}, {S, 96, 0, verloren}},
       {}, true, nullptr, 57600},
      {"read: very late answer, then the next frame lost", 'l', {{L, 80, 0, sehrSpaet}, {L, 96, 0, verloren}}, {}, true},
      {"read: answer repeated at once, then the next frame lost", 'l', {{L, 80, 0, doppelt}, {L, 96, 0, verloren}}, {}, true},
      {"read: answer repeated later while the next is slow", 'l', {{L, 80, 0, spaeterDoppelt}, {L, 96, 0, langsam}}, {}, true},
      {"read: split answers, then a late one", 'l', {{L, 80, 0, geteilt}, {L, 96, 0, geteilt}, {L, 112, 0, spaet}}, {}, true},
      {"read: answer lost, then a late one", 'l', {{L, 80, 0, ohneAntwort}, {L, 96, 0, spaet}}, {}, true},
      {"read: late answer in a later page", 'l', {{L, 1040, 0, spaet}, {L, 1056, 0, doppelt}}, {}, true},
      {"read: a whole answer for the same block of the next page", 'l', {{L, 80, 0, andereSeite}}, {}, true},
      {"read: no key at the first send of the key-type check", 'l', {{L, 0, 0, {Stoerung::KeinChip}}},
       {{L, 0, 1, {Stoerung::KeinChip}}}, true},
      {"read: key-type check late at its last send", 'l', {{L, 0, 2, spaet}}, {{L, 0, 3, spaet}}, false},
      {"read: key-type check silent at all three sends", 'l', {{L, 0, 0, verloren}, {L, 0, 1, verloren}, {L, 0, 2, verloren}},
       {{L, 0, 1, verloren}, {L, 0, 2, verloren}, {L, 0, 3, verloren}}, false},
      {"read: block 0 late after the key-type check", 'l', {{L, 0, 3, spaet}}, {{L, 0, 4, spaet}}, true},
      {"read: one block lost three times", 'l', {{L, 96, 0, verloren}, {L, 96, 1, verloren}, {L, 96, 2, verloren}}, {},
       false, &Texts::S_KeineAntwAdapter},
  };
  for (const int groesse : {2048, 8192}) {
    for (const Fall& f : faelle) {
      SCOPED_TRACE(std::string(f.name) + (groesse == 8192 ? " (8 KB)" : " (2 KB)"));
      Ausgangslage t(groesse);
      if (f.richtung == 'l') t.sim.setSpeicher(t.abbild);
      t.sim.setBaud(f.baud);
      for (const auto& [art, adr, versuch, st] : groesse == 8192 && !f.gross.empty() ? f.gross : f.klein)
        t.sim.plane(art, adr < 0 ? groesse + adr : adr, versuch, st);
      const int r = t.lauf(f.richtung);
      const QByteArray karte = t.dir.read(QStringLiteral("card.dat"));
      if (r == 0) {
        EXPECT_TRUE(t.env.messages.empty()) << t.texte().join(u'|').toStdString();
        if (f.richtung == 's') EXPECT_EQ(t.sim.speicher(), t.abbild);
        else EXPECT_EQ(werte(karte, groesse), t.abbild);
      } else if (f.richtung == 'l') {
        EXPECT_EQ(karte, "old");
      }
      EXPECT_EQ(r == 0, f.gelingt);
      EXPECT_EQ(t.texte(), f.meldung ? QStringList{texts().*f.meldung} : QStringList());
    }
  }
}

// An 8 KB adapter on a line where no time passes: it answers each frame at once, and the script
// moves answers: an entry {n, bytes} reaches the line right after the n-th frame (from 0), before
// that frame's own answer. Its outcome does not hang on the machine's speed.
struct Skriptadapter final : ByteLink {
  explicit Skriptadapter(std::vector<uint8_t> k) : key(std::move(k)) {}
  std::vector<uint8_t> key;
  std::deque<QByteArray> leitung;
  std::multimap<int, QByteArray> spaeter;
  std::set<int> stumm;           // frames answered only as the script says
  bool jedesDoppelt = false;     // every answer comes again after the next frame
  std::vector<QByteArray> rahmen;
  bool write(const QByteArray& r) override {
    const int n = int(rahmen.size());
    rahmen.push_back(r);
    for (auto [a, e] = spaeter.equal_range(n); a != e; ++a) leitung.push_back(a->second);
    if (stumm.count(n)) return true;
    leitung.push_back(antwort(r));
    if (jedesDoppelt) spaeter.emplace(n + 1, antwort(r));
    return true;
  }
  void purge() override { leitung.clear(); }
  bool readSome(QByteArray& buf, int) override {
    if (leitung.empty()) return false;
    buf += leitung.front();
    leitung.pop_front();
    return true;
  }
  QByteArray antwort(const QByteArray& r) const {
    const int adr = uint8_t(r[2]) * 256 + uint8_t(r[3]);
    QByteArray a = QByteArray(1, char(18)) + r.mid(1, 2);
    for (int k = 0; k < 16; ++k) a += char(key[size_t(adr + k)]);
    return a;
  }
  int gesendet(int adr) const { return int(std::count(rahmen.begin(), rahmen.end(), Leserahmen(adr, 8192))); }
};

TEST(SeriellStoerungen, AnAnswerTakenForAnotherFramesIsReadAgainOnceTheLineIsQuiet) {
  // 8 KB read: frame 0 is the probe, 1..3 the key-type check, 4 + b block b. Block 5 answers
  // nothing, the retry gets the first try's late answer, and its own follows block 6's frame,
  // where the echo of one page cannot tell it from block 6's.
  Ausgangslage t(8192);
  Skriptadapter a(t.abbild);
  a.stumm = {9, 10};
  a.spaeter = {{10, a.antwort(Leserahmen(80, 8192))}, {11, a.antwort(Leserahmen(80, 8192))}};
  t.anfrage('l');
  EXPECT_EQ(SeriellerZugriff(a, nullptr), 0);
  EXPECT_EQ(werte(t.dir.read(QStringLiteral("card.dat")), 8192), t.abbild);
  EXPECT_EQ(a.gesendet(96), 2);  // block 6 again, once its own answer showed up late
  EXPECT_EQ(a.gesendet(112), 1);
  EXPECT_TRUE(t.env.messages.empty());

  // Block 5 gets, instead of its own answer, a whole one for a block of another page: the line
  // was last quiet before block 0, so every block from there is read again.
  Ausgangslage v(8192);
  Skriptadapter c(v.abbild);
  c.stumm = {9};
  c.spaeter = {{9, c.antwort(Leserahmen(1040, 8192))}};
  v.anfrage('l');
  EXPECT_EQ(SeriellerZugriff(c, nullptr), 0);
  EXPECT_EQ(werte(v.dir.read(QStringLiteral("card.dat")), 8192), v.abbild);
  EXPECT_EQ(c.gesendet(16), 2);
  EXPECT_EQ(c.gesendet(80), 2);
  EXPECT_EQ(c.gesendet(96), 1);

  // An adapter that answers every frame twice is given up after going back three times.
  Ausgangslage u(8192);
  Skriptadapter b(u.abbild);
  b.jedesDoppelt = true;
  u.anfrage('l');
  EXPECT_EQ(SeriellerZugriff(b, nullptr), 1);
  EXPECT_EQ(u.texte(), QStringList{texts().S_unbeMeld});
  EXPECT_EQ(u.dir.read(QStringLiteral("card.dat")), "old");
}

TEST(SeriellStoerungen, AProgramFileThatDoesNotSumToZeroNeverReachesTheKey) {
  Ausgangslage t(2048);
  std::vector<uint8_t> falsch = t.abbild;
  falsch[100] = uint8_t(falsch[100] + 1);
  t.dir.write(QStringLiteral("prog.qvl"), Programmtext(falsch));
  EXPECT_EQ(t.lauf('s'), 1);
  EXPECT_EQ(t.texte(), QStringList{texts().S_KeineGueltDatei});
  EXPECT_EQ(t.sim.rahmen(), 0);
  // The same file with its sum right goes through.
  t.env.messages.clear();
  t.dir.write(QStringLiteral("prog.qvl"), Programmtext(t.abbild));
  EXPECT_EQ(t.lauf('s'), 0);
  EXPECT_EQ(t.sim.speicher(), t.abbild);
}

}  // namespace
}  // namespace qv::test
