// The bus window's search without the window: addresses in area 15, the tries shared by the
// whole search, and the clocks of other makers passed over.
#include <gtest/gtest.h>

#include "tests/transfer/EibFixtures.h"
#include "tests/transfer/TransferFixtures.h"
#include "transfer/EibBuszugriff.h"

using namespace qv;
using namespace qv::test;

TEST(EibSuche, AreaFifteenAndOtherMakers) {
  EibStand t;
  Buszugriff z(&t.koppler);
  z.sitzung().timing = t.s.timing;
  t.koppler.kern.neu<SimSchaltuhr>(0xF003);
  t.koppler.kern.neu<SimSchaltuhr>(0xF004).speicher[0x106] = 0x07;  // a device type not the brand's
  EXPECT_EQ(z.Suche(15, 0, 1, 5), QStringList{QStringLiteral("15.0.3")});
  EXPECT_TRUE(t.env.messages.empty());
}

TEST(EibSuche, TriesAreCountedOverTheWholeSearch) {
  EibStand t;
  Buszugriff z(&t.koppler);
  z.sitzung().timing = t.s.timing;
  for (int tln = 1; tln <= 4; ++tln) t.koppler.kern.neu<SimSchaltuhr>(static_cast<uint16_t>(0x1100 + tln)).fremderDienst = true;
  // The message points to the log: by then the file holds the search so far.
  QString logBeiMeldung;
  {
    BlickenderNutzer nutzer(t.env, [&](const QString&) { logBeiMeldung = cp1252::decode(t.dir.read(QStringLiteral("protocol.txt"))); });
    EXPECT_TRUE(z.Suche(1, 1, 1, 4).isEmpty());
  }
  EXPECT_TRUE(logBeiMeldung.contains(QStringLiteral("Prüfe Teilnehmer 1.1.4")));
  const QStringList log = t.log();
  EXPECT_EQ(log.count(QStringLiteral("Prüfe Teilnehmer 1.1.1")), 3);
  for (const char* tln : {"1.1.2", "1.1.3", "1.1.4"})
    EXPECT_EQ(log.count(QStringLiteral("Prüfe Teilnehmer ") + QLatin1String(tln)), 1) << tln;
  ASSERT_EQ(t.env.messages.size(), 1u);
  EXPECT_EQ(t.env.messages[0].text, QStringLiteral("Antwort von falschem Tln"));
}

TEST(EibSuche, FieldCheck) {
  struct Fall {
    const char* text;
    int grenze;
    const char* ersatz;
    const char* bleibt;
    bool beep;
  };
  for (const Fall& f : {Fall{"300", 255, "255", "255", true}, Fall{"16", 15, "0", "0", true},
                        Fall{"abc", 15, "0", "0", false}, Fall{"007", 255, "0", "7", false},
                        Fall{"-5", 255, "255", "0", true}, Fall{"12x", 15, "0", "12", false},
                        // The limit itself is kept.
                        Fall{"15", 15, "0", "15", false}, Fall{"255", 255, "0", "255", false}}) {
    const Feldwert w = Pruefe_Bereichsfeld(QString::fromLatin1(f.text), f.grenze, QString::fromLatin1(f.ersatz));
    EXPECT_EQ(w.text, QString::fromLatin1(f.bleibt)) << f.text;
    EXPECT_EQ(w.beep, f.beep) << f.text;
  }
}
