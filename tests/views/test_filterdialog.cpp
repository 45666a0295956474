// The filter dialog's list positions and the filter record: what a stored record selects and what
// OK stores, for both device families and the 16-channel type.
#include <gtest/gtest.h>

#include "shell/Sprache.h"
#include "views/Filterdialog.h"

using namespace qv;

TEST(FilterdialogListen, ItemsOfTheListsInGerman) {
  resetAllState();
  Setze_TexteDeutsch();
  const QStringList p0 = Programmliste(0);
  ASSERT_EQ(p0.size(), 11);
  EXPECT_EQ(p0.first(), "keine");
  EXPECT_EQ(p0.at(9), "Programm P9");
  EXPECT_EQ(p0.last(), "Permanent");
  const QStringList p1 = Programmliste(1);
  ASSERT_EQ(p1.size(), 9);
  EXPECT_EQ(p1.at(7), "Programm P7");
  EXPECT_EQ(p1.at(8), "Permanent");

  EXPECT_EQ(Vonmonatsliste().size(), 13);
  EXPECT_EQ(Vonmonatsliste().first(), "nur Wochenprogramm");
  EXPECT_EQ(Bismonatsliste(3), (QStringList{"März", "April", "Mai", "Juni", "Juli", "August", "September",
                                            "Oktober", "November", "Dezember"}));
  EXPECT_TRUE(Bismonatsliste(0).isEmpty());

  const QStringList k = Kanalliste(16);
  ASSERT_EQ(k.size(), 17);
  EXPECT_EQ(k.first(), "alle");
  EXPECT_EQ(k.at(5), "Kanal 5");
  EXPECT_EQ(k.last(), "Kanal 16");
}

TEST(FilterdialogStellung, PermanentWeeklyOnlyAndChannelList) {
  // Family 1 stores its Permanent item as 8 (from) and 10 (to); 8 or more reopens on Permanent.
  FilterdialogStellung s;
  s.vonProg = 3;
  s.bisProg = 5;  // P3, P4, P5, P6, P7, Permanent
  FilterSettings f = Filterdialog_Ergebnis(s, 1, 240);
  EXPECT_EQ(f.FilterProgVon, 3);
  EXPECT_EQ(f.FilterProgBis, 10);
  s = Filterdialog_Stellung(f, 1, 4);
  EXPECT_EQ(s.vonProg, 3);
  EXPECT_EQ(s.bisProg, 5);
  f.FilterProgBis = 8;
  EXPECT_EQ(Filterdialog_Stellung(f, 1, 4).bisProg, 5);
  s.vonProg = 8;
  s.bisProg = 0;
  f = Filterdialog_Ergebnis(s, 1, 240);
  EXPECT_EQ(f.FilterProgVon, 8);
  EXPECT_EQ(f.FilterProgBis, 10);
  // Family 0 keeps 8 and 9 as programs.
  s.vonProg = 8;
  s.bisProg = 1;
  EXPECT_EQ(Filterdialog_Ergebnis(s, 0, 240).FilterProgBis, 9);

  // "nur Wochenprogramm": the to-list is empty, nothing selected.
  s = FilterdialogStellung{};
  s.vonMonat = 0;
  s.bisMonat = -1;
  f = Filterdialog_Ergebnis(s, 0, 240);
  EXPECT_EQ(f.FilterMonVon, 0);
  EXPECT_EQ(f.FilterMonBis, -1);
  EXPECT_EQ(Filterdialog_Stellung(f, 0, 4).bisMonat, -1);

  // The 16-channel list: item 5 is channel number 4, "alle" 255; 16 and above name no channel.
  s.kanalItem = 5;
  EXPECT_EQ(Filterdialog_Ergebnis(s, 0, 280).FilterKanal, 4);
  s.kanalItem = 0;
  EXPECT_EQ(Filterdialog_Ergebnis(s, 0, 280).FilterKanal, 255);
  EXPECT_EQ(Kanal_Item(4, 16), 5);
  EXPECT_EQ(Kanal_Item(15, 16), 16);
  EXPECT_EQ(Kanal_Item(16, 16), 0);
  EXPECT_EQ(Kanal_Item(255, 16), 0);
  EXPECT_EQ(Kanal_Item(-1, 16), 0);
}

TEST(FilterdialogStellung, ValuesNoItemShowsSelectTheNearestItem) {
  FilterSettings f;
  f.FilterMonVon = 14;
  f.FilterMonBis = 2;
  f.FilterProgVon = 5;
  f.FilterProgBis = 3;  // below the from-program
  f.FilterEinAus = 7;
  f.FilterImpuls = -2;
  f.FilterWert = 300;
  const FilterdialogStellung s = Filterdialog_Stellung(f, 0, 4);
  EXPECT_EQ(s.vonMonat, 12);
  EXPECT_EQ(s.bisMonat, 0);
  EXPECT_EQ(s.vonProg, 5);
  EXPECT_EQ(s.bisProg, 0);
  EXPECT_EQ(s.einAus, 2);
  EXPECT_EQ(s.impuls, 0);
  EXPECT_EQ(s.wert, 255);
}
