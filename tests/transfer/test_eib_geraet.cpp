// Device access over the simulated bus: the address parser, verified writes, busy reads, the
// device check, the mailbox, the program transfer round trip, the application backup and
// download, the decoders and the error texts.
#include <gtest/gtest.h>

#include <deque>

#include "model/Marke.h"
#include "model/Sortierung.h"
#include "model/Texte.h"
#include "tests/transfer/EibFixtures.h"
#include "transfer/EibApplikation.h"
#include "transfer/EibFehler.h"
#include "transfer/EibGeraet.h"
#include "transfer/EibProgramm.h"

using namespace qv;
using namespace qv::test;

namespace {

QByteArray b(std::initializer_list<int> v) {
  QByteArray a;
  for (int x : v) a.append(static_cast<char>(x));
  return a;
}

}  // namespace

TEST(EibGeraet, PhysicalAddressTexts) {
  struct Fall {
    const char* text;
    int wert;  // -1 refused
  };
  for (const Fall& f : {Fall{"1.1.1", 0x1101}, Fall{"15.12.255", 0xFCFF}, Fall{"1 2.1.5", 0xC105}, Fall{"0.0.1", 1},
                        Fall{"1.13.1", -1}, Fall{"16.0.1", -1}, Fall{"1.1.0", -1}, Fall{"1.1.256", -1},
                        Fall{"1.1.1.1", -1}, Fall{"1,1,1", -1}, Fall{"1.1", -1}, Fall{"99999999.1.1", -1},
                        Fall{"-1.1.1", -1}}) {
    const std::optional<uint16_t> a = Phys_Adresse_Wert(QString::fromUtf8(f.text));
    EXPECT_EQ(a ? int(*a) : -1, f.wert) << f.text;
  }
  EibStand t;
  EXPECT_EQ(Phys_Adresse(QStringLiteral("1.1")), 0);
  ASSERT_EQ(t.env.messages.size(), 1u);
  EXPECT_EQ(t.env.messages[0].text, QStringLiteral("no valid physical Adress"));
  EXPECT_EQ(Phys_Adresse_Text(0xF105), QStringLiteral("15.1.5"));
}

TEST(EibGeraet, VerifiedWriteAndBusyRead) {
  EibStand t;
  SimSchaltuhr& u = t.uhr(0x1105);
  ASSERT_EQ(t.s.Bus_Oeffnen(0, 9600), 0);
  ASSERT_EQ(Baue_Verbindung(t.s, 0x1105), 0);
  EXPECT_EQ(Schreibe_Speicher_Pruefen(t.s, 0x1105, 0x120, 2, b({7, 8})), 0);
  EXPECT_EQ(u.speicher[0x121], 8);
  u.schreibtNicht = true;
  EXPECT_EQ(Schreibe_Speicher_Pruefen(t.s, 0x1105, 0x130, 1, b({9})), 112);
  EXPECT_EQ(u.memoryWrites, 4);
  EXPECT_EQ(t.log().count(QStringLiteral("Breche Verbindung ab ")), 3);
  // A mailbox that stays busy through fifteen reads.
  u.speicher[206] = 2;
  QByteArray d;
  EXPECT_EQ(Lese_Speicher_Warten(t.s, 0x1105, 206, 9, d), 106);
  // A device that goes silent: the last try's failure, not an empty success.
  u.speicher[206] = 0;
  u.stumm = true;
  d = "unchanged";
  EXPECT_EQ(Lese_Speicher_Warten(t.s, 0x1105, 206, 9, d), 106);
  EXPECT_EQ(d, QByteArray("unchanged"));
}

TEST(EibGeraet, OnlyTheAnswerToTheReadSentIsTaken) {
  // Memory answers of 1105 for the mailbox: another address, another count, the one asked for,
  // and answers to earlier reads of it.
  const QByteArray neun = hex("010203040506070809");
  const QByteArray andereAdresse = hex("1439b0110511ff6c424900cd") + neun;
  const QByteArray andereAnzahl = hex("0c39b0110511ff64424100ce" "ff");
  const QByteArray richtig = hex("1439b0110511ff6c424900ce") + neun;
  const auto frueher = [](const char* daten) { return hex("1439b0110511ff6c424900ce") + hex(daten); };
  struct Fall {
    std::deque<QByteArray> vorher;
    int16_t ergebnis;
    std::deque<QByteArray> liegen = {};  // in the driver's queue before the read is sent
  };
  for (const Fall& f : {Fall{{andereAdresse, andereAnzahl, richtig}, 0}, Fall{{andereAdresse, andereAnzahl}, 106},
                        Fall{{richtig}, 0},
                        Fall{{richtig}, 0, {frueher("02ff00000000000000"), frueher("00ffffffffffffffff"),
                                            frueher("0007ff0102030405ff")}}}) {
    EibStand t;
    t.uhr(0x1105).stumm = true;
    ASSERT_EQ(t.s.Bus_Oeffnen(0, 9600), 0);
    ASSERT_EQ(Baue_Verbindung(t.s, 0x1105), 0);
    // All of them go before the read is sent: none is the answer to it.
    t.koppler.liegen = f.liegen;
    ASSERT_EQ(Frage_Speicher(t.s, kBriefkasten, 9), 0);
    t.koppler.eingeschoben = f.vorher;
    uint16_t a = 0;
    QByteArray d;
    EXPECT_EQ(Erwarte_Speicher(t.s, 0x1105, a, d), f.ergebnis) << f.vorher.size();
    if (f.ergebnis == 0) {
      EXPECT_EQ(a, kBriefkasten);
      EXPECT_EQ(d, neun);
    }
  }
}

TEST(EibGeraet, DeviceCheck) {
  struct Fall {
    std::array<uint8_t, 2> maske;
    bool stumm, fremderDienst;
    int16_t ergebnis;
  };
  for (const Fall& f : {Fall{{0, 0x12}, false, false, 0}, Fall{{0, 0x11}, false, false, 0},
                        Fall{{0, 0x20}, false, false, 110}, Fall{{0, 0x12}, true, false, 109},
                        Fall{{0, 0x12}, false, true, 111}}) {
    EibStand t;
    SimSchaltuhr& u = t.uhr(0x1105);
    u.maske = f.maske;
    u.stumm = f.stumm;
    u.fremderDienst = f.fremderDienst;
    ASSERT_EQ(t.s.Bus_Oeffnen(0, 9600), 0);
    const int vorher = t.koppler.geoeffnet;
    QByteArray k;
    EXPECT_EQ(Pruefe_Teilnehmer(t.s, 0x1105, k), f.ergebnis);
    if (f.ergebnis == 0) {
      EXPECT_EQ(k, b({0xE1, 0x24, 0x01}));
      EXPECT_EQ(t.log().back(), QStringLiteral("sende an locale BCU 6 24 0 0 0 0 0"));
    } else {
      EXPECT_TRUE(t.log().contains(QStringLiteral("reset local BCU")));
      EXPECT_EQ(t.koppler.geoeffnet, vorher + 1);
    }
  }
}

TEST(EibGeraet, MailboxRetries) {
  EibStand t;
  SimSchaltuhr& u = t.uhr(0x1105);
  ASSERT_EQ(t.s.Bus_Oeffnen(0, 9600), 0);
  ASSERT_EQ(Baue_Verbindung(t.s, 0x1105), 0);
  u.regel = 2;
  u.nichtBereit = 3;
  QByteArray a;
  EXPECT_EQ(Lese_Satz(t.s, 0x1105, 0x44, QByteArray(5, 0), a), 101);
  EXPECT_EQ(t.log().back(), QStringLiteral(" *** Uhr nicht bereit  (3)"));
  u.nichtBereit = 2;
  EXPECT_EQ(Lese_Satz(t.s, 0x1105, 0x44, QByteArray(5, 0), a), 0);
  EXPECT_EQ(a, b({6, 255, 0, 0, 0, 0, 2}));
  u.nimmtNicht = 1;
  const int geoeffnet = t.koppler.geoeffnet;
  EXPECT_EQ(Schreibe_Satz(t.s, 0x1105, 0xE5, b({0x55})), 0);
  EXPECT_EQ(t.koppler.geoeffnet, geoeffnet);  // retried without reopening
  // A transport connection the coupler has dropped is built again before the mailbox is read.
  t.koppler.kern.verbindung = -1;
  EXPECT_EQ(Lese_Satz(t.s, 0x1105, 0x44, QByteArray(5, 0), a), 0);
}

TEST(EibProgramm, WriteThenReadGivesTheSameProgram) {
  EibStand t;
  profile().MaxSz = 324;
  SimSchaltuhr& u = t.uhr(0x1105);
  u.beschaeftigt = 2;
  zehnSaetze();
  const ProgramState vorher = program();
  EXPECT_EQ(Bus_Programm_Uebertragen(t.s, 0x1105, 1), 0);
  ASSERT_EQ(u.saetze.size(), 10u);
  // Header, three entries, seventeen empty ones, the clear, ten records.
  ASSERT_EQ(u.befehle.size(), 21u + 1 + 10);
  EXPECT_EQ(u.befehle[0], b({0xC4, 0, 94, 0, 0, 0}));
  EXPECT_EQ(u.befehle[3], b({0xC4, 3, 34, 0x53, 0x31, 0xAC}));
  EXPECT_EQ(u.befehle[4], b({0xC4, 4, 255, 255, 255, 255}));
  EXPECT_EQ(u.befehle[21], b({0xE5, 0x55}));
  EXPECT_EQ(t.s.messerWert(), 10);

  program().clearSlot(0);
  program().SwTab[0][7] = {1, 2, 3, 4};  // left from an earlier program
  settings().SwRegel = 0;
  EXPECT_EQ(Bus_Programm_Uebertragen(t.s, 0x1105, 0), 0);
  SortiereSz(1, 0);
  const ProgramState& p = program();
  EXPECT_EQ(p.AnzGesamt[0], 10);
  EXPECT_EQ(p.AnzSz[0], vorher.AnzSz[0]);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(p.Sz[0][i], vorher.Sz[0][i]) << i;
  EXPECT_EQ(p.AnzSw[0], 3);
  for (int i = 0; i < kSwEntries; ++i) EXPECT_EQ(p.SwTab[0][i], vorher.SwTab[0][i]) << i;
  EXPECT_EQ(p.SwKopf[0], 94);
  EXPECT_EQ(p.SwProJahr[0], 1);
  EXPECT_EQ(settings().SwRegel, 0);  // the rule is never written; the clock's own is read
  EXPECT_TRUE(t.env.messages.empty());
}

TEST(EibProgramm, ReadEndsAndFaults) {
  struct Fall {
    int saetze;
    bool endlos;
    int kaputt;
    int16_t ergebnis;
    int anzahl;
    QString meldung;
  };
  for (const Fall& f : {Fall{0, false, -1, 0, 0, {}}, Fall{3, false, -1, 0, 3, {}},
                        // The fourth record leads where the first did: the chain is out of
                        // step in every pass, and the third pass fails.
                        Fall{3, true, -1, 1, 3, " *** Keine gültigen Daten erhalten For details see file: 'protocol.txt'"},
                        Fall{8, false, 5, 1, 5, " *** Keine gültigen Daten erhalten For details see file: 'protocol.txt'"}}) {
    EibStand t;
    profile().MaxSz = 120;
    SimSchaltuhr& u = t.uhr(0x1105);
    u.beschaeftigt = 0;
    for (int i = 0; i < f.saetze; ++i) u.saetze.push_back({static_cast<uint8_t>(130 + i), 0, 0, 127, 1, 1});
    u.ketteEndlos = f.endlos;
    u.kaputterSatz = f.kaputt;
    program().SwKopf[0] = 77;
    EXPECT_EQ(Bus_Programm_Uebertragen(t.s, 0x1105, 0), f.ergebnis);
    EXPECT_EQ(program().AnzGesamt[0], std::min(f.anzahl, 120));
    EXPECT_EQ(program().SwKopf[0], 0);
    EXPECT_EQ(t.env.messages.empty() ? QString() : t.env.messages[0].text, f.meldung);
    EXPECT_FALSE(t.koppler.offen());
  }
}

TEST(EibProgramm, Decoders) {
  EibStand t;
  settings().SwRegel = 3;
  EXPECT_EQ(Dekodiere_BusRegel(b({6, 255, 0, 0, 0, 0, 5})), 0);
  EXPECT_EQ(settings().SwRegel, 3);
  EXPECT_EQ(Dekodiere_BusRegel(b({6, 0, 0, 0, 0, 0, 1})), 101);
  EXPECT_EQ(Dekodiere_BusRegel(b({7, 255})), 103);
  program().SwKopf[0] = 9;
  EXPECT_EQ(Dekodiere_BusSw(0, b({6, 255, 0, 255, 0, 0, 0})), 0);
  EXPECT_EQ(program().SwKopf[0], 9);
  for (int nr = 1; nr <= 5; ++nr) {
    const int erstes = nr == 3 || nr == 4 ? 255 : 10 * nr;
    EXPECT_EQ(Dekodiere_BusSw(nr, b({6, 255, 0, erstes, 1, 2, 3})), 0);
  }
  // Entries 1, 2 and 5 stand densely at the first three positions, the rest reads empty.
  EXPECT_EQ(program().AnzSw[0], 3);
  EXPECT_EQ(program().SwTab[0][1], (TSwEintrag{20, 1, 2, 3}));
  EXPECT_EQ(program().SwTab[0][2], (TSwEintrag{50, 1, 2, 3}));
  EXPECT_EQ(program().SwTab[0][4], (TSwEintrag{255, 255, 255, 255}));
  EXPECT_EQ(Dekodiere_BusSw(21, b({6, 255, 0, 1, 1, 2, 3})), 104);

  EXPECT_EQ(Dekodiere_BusSz(0, b({7, 255, 96, 1, 0, 200, 3, 4})), 0);
  EXPECT_EQ(program().Sz[0][0], (TSz{96, 1, 0, 72, 3, 4}));
  EXPECT_EQ(program().AnzPz[0], 1);
  EXPECT_EQ(Dekodiere_BusSz(1, b({7, 255, 218, 1, 0, 2, 3, 4})), 104);
  EXPECT_EQ(program().Sz[0][1].w0, 218);
  EXPECT_EQ(program().AnzGesamt[0], 1);
  EXPECT_EQ(Dekodiere_BusSz(2, b({6, 255, 1, 1, 0, 2, 3})), 103);
  EXPECT_EQ(Dekodiere_BusSz(2, b({7, 255, 1})), 103);
  EXPECT_EQ(program().Sz[0][2], TSz{});
  EXPECT_TRUE(Ist_Listenende(b({7, 255, 1, 1, 0, 127, 3, 4})));
  EXPECT_FALSE(Ist_Listenende(b({7, 255, 1, 1, 0, 128, 3, 4})));
  EXPECT_FALSE(Nicht_Alles_FF(b({7, 255, 255, 255, 255, 255, 255, 255})));
}

TEST(EibApplikation, BackupAndRestoreLeaveTheAreaAsItWas) {
  EibStand t;
  SimSchaltuhr& u = t.uhr(0x1105);
  const auto original = u.speicher;
  ASSERT_EQ(t.s.Bus_Oeffnen(0, 9600), 0);
  EXPECT_EQ(Lese_Applikation(t.s, 0x1105), 0);
  const QByteArray datei = t.dir.read(QStringLiteral("appl.old"));
  EXPECT_EQ(datei, testData(QStringLiteral("transfer/appl.old")));
  // A transfer application with its own device type, then the saved one back.
  QByteArray remote;
  for (int i = 0; i < 241; ++i) remote += QByteArray::number(i == 0 ? 7 : i == 1 ? 100 : i == 2 ? 79 : i) + "\r\n";
  t.dir.write(QStringLiteral("remote.s19"), remote);
  EXPECT_EQ(Schreibe_Applikation(t.s, 0x1105, QStringLiteral("remote.s19")), 0);
  EXPECT_EQ(u.speicher[0x104], 0xE1);  // the brand's manufacturer whatever the file says
  EXPECT_EQ(u.speicher[0x105], 100);
  EXPECT_EQ(u.speicher[0x1F5], 0);
  EXPECT_EQ(u.speicher[0x10D], 0xFF);
  EXPECT_EQ(u.speicher[0x117], original[0x117]);
  EXPECT_EQ(t.s.messerWert(), 35);
  // The backup written as "Appl.old" by an older run is the same file.
  t.dir.write(QStringLiteral("Appl.old"), datei);
  QFile::remove(t.dir.file(QStringLiteral("appl.old")));
  EXPECT_EQ(Schreibe_Applikation(t.s, 0x1105, QStringLiteral("appl.old")), 0);
  u.speicher[0x10D] = original[0x10D];
  for (int a = 0x104; a <= 0x1FE; ++a) EXPECT_EQ(u.speicher[a], original[a]) << a;
  EXPECT_TRUE(t.env.messages.empty());
}

TEST(EibApplikation, Refusals) {
  EibStand t;
  SimSchaltuhr& u = t.uhr(0x1105);
  ASSERT_EQ(t.s.Bus_Oeffnen(0, 9600), 0);
  t.dir.write(QStringLiteral("appl.old"), "old\r\n");
  u.speicher[0x105] = 0x30;  // right manufacturer, foreign device type
  EXPECT_EQ(Lese_Applikation(t.s, 0x1105), 113);
  EXPECT_EQ(t.dir.read(QStringLiteral("appl.old")), QByteArray("old\r\n"));
  const size_t vorher = t.koppler.kern.empfangen.size();
  EXPECT_EQ(Schreibe_Applikation(t.s, 0x1105, QStringLiteral("appl.old")), eibfehler::Gemeldet);
  EXPECT_EQ(Schreibe_Applikation(t.s, 0x1105, QStringLiteral("remote.s19")), eibfehler::Gemeldet);
  EXPECT_EQ(t.koppler.kern.empfangen.size(), vorher);
  ASSERT_EQ(t.env.messages.size(), 2u);
  EXPECT_EQ(t.env.messages[0].text, QStringLiteral("appl.old: Keine gültige Datei !"));
  EXPECT_EQ(t.env.messages[1].text, QStringLiteral("remote.s19: Datei nicht vorhanden !"));
  EXPECT_FALSE(Lies_Applikationsdatei(QByteArray("1\r\n256\r\n")));
}

TEST(EibFehler, Texts) {
  EibStand t;
  const QString rest = QStringLiteral(" For details see file: 'protocol.txt'");
  EXPECT_EQ(Busfehler_Text(107, 1, {}), QStringLiteral("kein Buszugriff möglich über COM 2"));
  EXPECT_EQ(Busfehler_Text(1, 0, {}), QStringLiteral("unbekanter Fehler: 1") + rest);
  EXPECT_EQ(Busfehler_Text(108, 0, {}), QStringLiteral("Baue Verbindung auf zu: "));
  EXPECT_EQ(Busfehler_Text(106, 0, {}), QStringLiteral("keine Verbindung zum Teilnehmer ") + rest);
  EXPECT_EQ(Busfehler_Text(0, 0, QStringLiteral("disk full")), QStringLiteral("unbekanter Fehler: disk full"));
  EXPECT_EQ(Busfehler_Text(113, 0, {}), QStringLiteral("Falsche Geräteeigenschaften"));
}
