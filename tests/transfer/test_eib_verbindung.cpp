// The link to the local coupler: message building, opening and closing with the address-table
// length, the waits for confirmation and answer with their faults, and the drivers' guarantees.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "tests/transfer/EibFixtures.h"

using namespace qv;
using namespace qv::test;

TEST(EibNachrichten, BytesAndHexDump) {
  EXPECT_EQ(Lokal_Lesen_Telegramm(0x116, 1), hex("044c010116"));
  EXPECT_EQ(Lokal_Schreiben_Telegramm(0x116, hex("01")), hex("0546010116" "01"));
  EXPECT_EQ(Hex_Text(hex("044c010116"), 1, 0), QStringLiteral(" 4 4C 1 1 16"));
  EXPECT_EQ(Hex_Text(hex("0a0b0c0d"), 2, 1), QStringLiteral(" B C"));
  EXPECT_EQ(String_aus_Wort(0xF001), hex("f001"));
  EXPECT_EQ(Wort_aus_String(hex("f001")), 0xF001);
  EXPECT_EQ(Chr32(33), hex("01"));
  // More than 27 data bytes cannot be counted in the first byte.
  EXPECT_TRUE(Lokal_Schreiben_Telegramm(0x100, QByteArray(28, 0)).isEmpty());
}

TEST(EibVerbindung, OpenAndCloseKeepTheAddressTableLength) {
  struct Fall {
    int laenge;
    QStringList zeilen;
  };
  const QStringList auf{"installiere AST",         "reset AST", "reset local BCU", "wechsle Layer",
                        "lese Adresstable-Länge",  "sende an locale BCU 4 4C 1 1 16",
                        "warte auf Adresstable-Länge", "erwarte Bestätigung"};
  for (const Fall& f : {Fall{0, auf},
                        Fall{5, auf + QStringList{"setze Adresstable-Länge auf 5", "sende an locale BCU 5 46 1 1 16 1",
                                                  "setze Adresstable-Länge auf 5", "sende an locale BCU 5 46 1 1 16 5"}}}) {
    EibStand t;
    t.koppler.kern.lokal[0x116] = static_cast<uint8_t>(f.laenge);
    ASSERT_EQ(t.s.Bus_Oeffnen(0, 9600), 0);
    EXPECT_EQ(t.koppler.kern.lokal[0x116], f.laenge == 0 ? 0 : 1);
    t.s.Bus_Schliessen();
    EXPECT_EQ(t.koppler.kern.lokal[0x116], f.laenge);
    EXPECT_FALSE(t.koppler.offen());
    EXPECT_EQ(t.log(), f.zeilen) << f.laenge;
  }
}

TEST(EibVerbindung, OpeningFaults) {
  struct Fall {
    int16_t open, ast, bcu;
    bool keineBestaetigung;
    int16_t ergebnis;
    QString letzteZeile;
  };
  for (const Fall& f : {Fall{201, 0, 0, false, 1, " *** Fehler bei: installiere AST"},
                        Fall{0, 209, 0, false, 209, " *** Fehler bei: reset AST"},
                        Fall{0, 0, 208, false, 208, " *** Fehler bei: reset local BCU"},
                        Fall{0, 0, 0, true, 105, " *** Fehler bei: warte auf Adresstable-Länge"}}) {
    EibStand t;
    t.koppler.openFehler = f.open;
    t.koppler.resetAstFehler = f.ast;
    t.koppler.resetBcuFehler = f.bcu;
    t.koppler.kern.keineBestaetigung = f.keineBestaetigung;
    EXPECT_EQ(t.s.Bus_Oeffnen(0, 9600), f.ergebnis);
    EXPECT_EQ(t.log().back(), f.letzteZeile);
  }
}

TEST(EibVerbindung, SendThatNeverFinishesTimesOut) {
  EibStand t;
  ASSERT_EQ(t.s.Bus_Oeffnen(0, 9600), 0);
  t.koppler.sendNieFertig = true;
  EXPECT_EQ(t.s.Sende_Lokal(hex("0624000000000000").left(7)), 107);
  EXPECT_EQ(t.log().back(), QStringLiteral(" *** Timeout bei: sende Telegramm 107"));
  EXPECT_EQ(t.s.Sende_Lokal(QByteArray()), eibfehler::Nachricht);
}

TEST(EibVerbindung, AnswerOnlyFromTheDeviceAsked) {
  EibStand t;
  ASSERT_EQ(t.s.Bus_Oeffnen(0, 9600), 0);
  // Another sender, a confirmation and an oversized message come first and are passed over.
  t.koppler.eingeschoben = {hex("0a39b011060000600102"), hex("054b01011605"), QByteArray(41, char(40)),
                            hex("0a39b011050000610343" "12")};
  QByteArray apdu;
  EXPECT_EQ(t.s.Erwarte_Antwort(0x1105, apdu), 0);
  EXPECT_EQ(apdu, hex("0343"));
  EXPECT_EQ(t.log().back(), QStringLiteral("Antwort:  A 39 B0 11 5 0 0 61 3 43 12"));
  // Marked as repetitions (90h: the repeat bit clear): that answer again is dropped, one whose
  // original never came is taken.
  t.koppler.eingeschoben = {hex("0a39901105000061034312"), hex("0a39901105000061034412")};
  EXPECT_EQ(t.s.Erwarte_Antwort(0x1105, apdu), 0);
  EXPECT_EQ(apdu, hex("0344"));
  // Nothing more: the device's silence ends in 106.
  EXPECT_EQ(t.s.Erwarte_Antwort(0x1105, apdu), 106);
  EXPECT_EQ(t.log().back(), QStringLiteral(" *** Timeout bei: erwarte Antwort"));
}

TEST(EibVerbindung, AFloodOfOtherMessagesStillEndsInTheTimeOut) {
  EibStand t;
  ASSERT_EQ(t.s.Bus_Oeffnen(0, 9600), 0);
  t.koppler.verzoegerung = 0;
  t.koppler.eingeschoben.assign(1000000, hex("0a39b011060000600102"));
  QByteArray apdu;
  EXPECT_EQ(t.s.Erwarte_Antwort(0x1105, apdu), 106);
  // The receive timer ended the wait while the flood was still coming.
  EXPECT_EQ(t.s.Erwarte_Antwort(0x1106, apdu), 0);
}

TEST(EibVerbindung, CallsOnAClosedLinkFail) {
  SimulierterKoppler k;
  int16_t a, b, fertig;
  EibPuffer p{};
  int16_t n;
  EXPECT_NE(k.EIB_ResetAst(), 0);
  EXPECT_NE(k.EIB_Send(hex("00")), 0);
  EXPECT_NE(k.EIB_SendStatus(a, b, fertig), 0);
  EXPECT_NE(k.EIB_Receive(p, n), 0);
}

// The bus log goes only into a regular file (behind a link: its target, the link staying). A FIFO
// (read here, so an open would not block), a directory, or either behind a link, is left as it
// is and the operation runs without a log.
TEST(EibVerbindung, TheLogGoesOnlyIntoARegularFile) {
  enum class Ding { Fifo, Verzeichnis, Datei };
  struct Fall {
    Ding ding;
    bool durchLink;
  };
  for (const Fall& f : {Fall{Ding::Fifo, false}, Fall{Ding::Fifo, true}, Fall{Ding::Verzeichnis, false},
                        Fall{Ding::Verzeichnis, true}, Fall{Ding::Datei, true}}) {
    SCOPED_TRACE(static_cast<int>(f.ding) * 2 + f.durchLink);
    EibStand t;
    t.s.Protokoll_schliessen();
    const QString log = t.dir.file(QStringLiteral("protocol.txt"));
    ASSERT_TRUE(QFile::remove(log));
    const QString ding = f.durchLink ? t.dir.file(QStringLiteral("anderswo")) : log;
    if (f.ding == Ding::Fifo) { ASSERT_EQ(::mkfifo(QFile::encodeName(ding).constData(), 0600), 0); }
    if (f.ding == Ding::Verzeichnis) { ASSERT_TRUE(QDir().mkdir(ding)); }
    if (f.ding == Ding::Datei) t.dir.write(QStringLiteral("anderswo"), "alt\r\n");
    if (f.durchLink) { ASSERT_TRUE(QFile::link(ding, log)); }
    const int leser = f.ding == Ding::Fifo ? ::open(QFile::encodeName(ding).constData(), O_RDONLY | O_NONBLOCK) : -1;

    EXPECT_EQ(t.s.Protokoll_neu(), f.ding == Ding::Datei);
    ASSERT_EQ(t.s.Bus_Oeffnen(0, 9600), 0);
    t.s.Bus_Schliessen();
    t.s.Protokoll_schliessen();

    EXPECT_EQ(QFileInfo(log).isSymLink(), f.durchLink);
    if (f.ding == Ding::Verzeichnis) { EXPECT_TRUE(QFileInfo(ding).isDir()); }
    if (f.ding == Ding::Datei) { EXPECT_EQ(t.log().value(0), QStringLiteral("installiere AST")); }
    if (leser >= 0) {
      char b[16];
      EXPECT_LE(::read(leser, b, sizeof b), 0) << "log lines went into the FIFO";
      ::close(leser);
    }
  }
}
