// The header panel's texts and rules: save line, program number, channel captions and paging,
// stored names, usage box and write protection.
#include <gtest/gtest.h>

#include "model/Ansicht.h"
#include "model/Marke.h"
#include "model/Zustand.h"
#include "shell/Marken.h"
#include "shell/Sprache.h"
#include "tests/views/ViewFixtures.h"
#include "views/Kopfanzeige.h"
#include "views/Rahmenzustand.h"

using namespace qv;

namespace {

void frischKopf(int uhrentyp = 240) {
  test::frisch();
  resetFrameState();
  Setze_TexteDeutsch();
  test::waehleUhrentyp(uhrentyp);
}

// Header bytes 4..7 for a moment, as the writer stores them.
void stempel(uint8_t kopf[8], int tag, int monat, int jahr, int stunde, int minute) {
  const int t = stunde * 60 + minute;
  kopf[4] = static_cast<uint8_t>(t / 16);
  kopf[5] = static_cast<uint8_t>((t % 16) * 16 + monat);
  kopf[6] = static_cast<uint8_t>(tag);
  kopf[7] = static_cast<uint8_t>(jahr - 1872);
}

}  // namespace

TEST(KopfSpeicherzeile, UnsavedSavedAndMasterCard) {
  frischKopf();
  uint8_t kopf[8]{};
  EXPECT_EQ(Speicherzeit_Text(kopf, 0), QStringLiteral("Datei ungespeichert "));
  stempel(kopf, 5, 3, 2003, 14, 30);
  EXPECT_EQ(Speicherzeit_Text(kopf, 0), QStringLiteral("Datei vom : 5.3.2003 14:30"));
  stempel(kopf, 31, 12, 2024, 0, 5);
  EXPECT_EQ(Speicherzeit_Text(kopf, 0), QStringLiteral("Datei vom : 31.12.2024 0:05"));
  // Master card: the two code bytes with their nibbles exchanged and the coding byte, no zeros.
  kopf[1] = 128 + 72;
  kopf[3] = 0x05;
  kopf[4] = 0x12;
  EXPECT_EQ(Speicherzeit_Text(kopf, 0x0A), QStringLiteral(" Mastercard 21 50 A"));
}

TEST(KopfProgrammnummer, TypingClearingAndZeros) {
  auto e = Pruefe_Programmnummer_Text(QStringLiteral("42"), kKeineProgrammnummer);
  EXPECT_EQ(e.nummer, 42);
  EXPECT_TRUE(e.geaendert);
  EXPECT_EQ(e.text, QStringLiteral("000042"));

  e = Pruefe_Programmnummer_Text(QStringLiteral("000042"), 42);
  EXPECT_FALSE(e.geaendert);

  // An empty box removes a set number and keeps its text; without a number nothing happens.
  e = Pruefe_Programmnummer_Text(QString(), 42);
  EXPECT_EQ(e.nummer, kKeineProgrammnummer);
  EXPECT_TRUE(e.geaendert);
  EXPECT_EQ(e.text, QString());
  e = Pruefe_Programmnummer_Text(QStringLiteral("  "), kKeineProgrammnummer);
  EXPECT_FALSE(e.geaendert);
  EXPECT_EQ(e.text, QStringLiteral("  "));

  e = Pruefe_Programmnummer_Text(QStringLiteral("000000"), kKeineProgrammnummer);
  EXPECT_EQ(e.nummer, 0);
  EXPECT_TRUE(e.geaendert);
  EXPECT_EQ(e.text, QStringLiteral("000000"));
  EXPECT_EQ(Programmnummer_Text(kKeineProgrammnummer), QString());
  EXPECT_EQ(Programmnummer_Text(7), QStringLiteral("000007"));
  // Six digits are the whole range: the highest number shows and is taken as typed.
  EXPECT_EQ(Programmnummer_Text(999999), QStringLiteral("999999"));
  EXPECT_EQ(Programmnummer_Text(1000000), QString());
  e = Pruefe_Programmnummer_Text(QStringLiteral("999999"), 42);
  EXPECT_EQ(e.nummer, 999999);
  EXPECT_EQ(e.text, QStringLiteral("999999"));

  // On the program: the number of the slot given, the changed flag of the own program.
  frischKopf();
  EXPECT_EQ(Pruefe_Programmnummer(QStringLiteral("12 3"), 1), QStringLiteral("000123"));
  EXPECT_EQ(program().Programmnummer[1], 123);
  EXPECT_EQ(program().Programmnummer[0], kKeineProgrammnummer);
  EXPECT_EQ(program().Geaendert, 1);
}

TEST(KopfKanaele, CaptionsVisibleBoxesAndPaging) {
  frischKopf(240);
  EXPECT_EQ(Kanalbeschriftung(0), QStringLiteral("C1:"));
  EXPECT_EQ(Kanalbeschriftung(1), QStringLiteral("C2 : "));
  EXPECT_EQ(Kanalbeschriftung(2), QStringLiteral("C3 :"));
  EXPECT_EQ(Kanalbeschriftung(3), QStringLiteral("C4 :"));
  EXPECT_EQ(Sichtbare_Kanalfelder(), 4);
  EXPECT_FALSE(Blaettern_sichtbar());
  profile().Kanalzahl = 2;
  EXPECT_EQ(Sichtbare_Kanalfelder(), 2);

  frischKopf(280);
  EXPECT_TRUE(Blaettern_sichtbar());
  EXPECT_EQ(Sichtbare_Kanalfelder(), 4);
  viewState().AktAnsicht = 3;
  EXPECT_EQ(Sichtbare_Kanalfelder(), 1);

  // Group paging: the ends stay, a caption number of 4 counts as group 5.
  EXPECT_EQ(Blaettere_Kanaele(1, false, false), 1);
  EXPECT_EQ(Blaettere_Kanaele(1, true, false), 5);
  EXPECT_EQ(Blaettere_Kanaele(13, true, false), 13);
  EXPECT_EQ(Blaettere_Kanaele(13, false, false), 9);
  EXPECT_EQ(Blaettere_Kanaele(4, true, false), 9);
  EXPECT_EQ(Blaettere_Kanaele(4, false, false), 1);
  // Astro paging stops at 1 and 4; a channel beyond 4 has no astro table and counts as 1.
  EXPECT_EQ(Blaettere_Kanaele(1, false, true), 1);
  EXPECT_EQ(Blaettere_Kanaele(3, true, true), 4);
  EXPECT_EQ(Blaettere_Kanaele(4, true, true), 4);
  EXPECT_EQ(Blaettere_Kanaele(9, true, true), 2);
  EXPECT_EQ(Blaettere_Kanaele(13, false, true), 1);
}

TEST(KopfKanaele, AstroChannelNeverBeyondFourAndCaptionsStayDistinct) {
  frischKopf(280);
  Blaettere(true);
  Blaettere(true);
  EXPECT_EQ(viewState().firstChannelShown, 9);
  EXPECT_EQ(Kanalbeschriftung(0), QStringLiteral("C9:"));
  EXPECT_EQ(Kanalbeschriftung(3), QStringLiteral("C12:"));
  Astrokanal_begrenzen();
  EXPECT_EQ(viewState().firstChannelShown, 1);

  viewState().AktAnsicht = 3;
  Blaettere(true);
  Blaettere(true);
  EXPECT_EQ(Kanalbeschriftung(0), QStringLiteral("C3:"));
  // Back in a list view the four boxes name four different channels.
  viewState().AktAnsicht = 0;
  EXPECT_EQ(Kanalbeschriftung(1), QStringLiteral("C4:"));
  EXPECT_EQ(Kanalbeschriftung(2), QStringLiteral("C5:"));
  EXPECT_EQ(Kanal_von_Feld(3), 6);
  Blaettere(true);
  EXPECT_EQ(viewState().firstChannelShown, 5);

  Kanaele_zuruecksetzen();
  EXPECT_EQ(Kanalbeschriftung(0), QStringLiteral("C1:"));
  EXPECT_EQ(Kanalbeschriftung(1), QStringLiteral("C2:"));
}

TEST(KopfFelder, NamesUsageAndWriteProtectSetTheChangedFlagOnlyOnARealEdit) {
  frischKopf(280);
  Blaettere(true);  // C5..C8
  program().Kanalname[4][0] = QStringLiteral(" Pumpe");
  EXPECT_FALSE(Speichere_Kanalname(0, QStringLiteral(" Pumpe"), 0));
  EXPECT_EQ(program().Geaendert, 0);
  EXPECT_TRUE(Speichere_Kanalname(1, QStringLiteral("Licht"), 0));
  EXPECT_EQ(program().Kanalname[5][0], QStringLiteral("Licht"));
  EXPECT_EQ(program().Geaendert, 1);

  program().Geaendert = 0;
  EXPECT_TRUE(Speichere_Verwendung(QStringLiteral("Halle 2"), 1));
  EXPECT_EQ(program().Verwendung[1], QStringLiteral("Halle 2"));
  EXPECT_FALSE(Speichere_Verwendung(QStringLiteral("Halle 2"), 1));

  program().Geaendert = 0;
  EXPECT_FALSE(Speichere_Schreibschutz(1));
  EXPECT_EQ(program().Geaendert, 0);
  EXPECT_TRUE(Speichere_Schreibschutz(2));
  EXPECT_EQ(settings().Schreibschutz, 1);
  EXPECT_EQ(program().Geaendert, 1);

  EXPECT_TRUE(Schreibschutz_sichtbar());  // 280 has movable holidays
  frischKopf(240);
  EXPECT_FALSE(Schreibschutz_sichtbar());
  frischKopf(309);
  EXPECT_TRUE(Schreibschutz_sichtbar());

  EXPECT_FALSE(Zeichen_erlaubt_Text(u','));
  EXPECT_TRUE(Zeichen_erlaubt_Text(u';'));
  EXPECT_TRUE(Zeichen_erlaubt_Nummer(u'7'));
  EXPECT_TRUE(Zeichen_erlaubt_Nummer(u' '));
  EXPECT_TRUE(Zeichen_erlaubt_Nummer(QChar(8)));
  EXPECT_FALSE(Zeichen_erlaubt_Nummer(u'a'));
}

TEST(KopfBelegung, UsageBoxTextAndTitle) {
  frischKopf(240);
  Setze_Markentexte(1);
  ProgramState& p = program();
  p.AnzSz[0] = 12;
  p.AnzPz[0] = 3;
  p.AnzGesamt[0] = 15;
  p.AnzSw[0] = 2;
  p.Dateiname[0] = QStringLiteral("plan.qvl");
  EXPECT_EQ(Belegung_Text(0), QString::fromUtf8("12 Schaltzeiten, 3 Prioritätszeiten, belegter Speicher: 15 von 324, "
                                                "SoWi-Tabelle  2 von 20"));
  EXPECT_EQ(Belegung_Titel(0), brand().S_Titel + QStringLiteral(" plan.qvl"));
}
