// The holiday editor's table and set changes and its texts.
#include <gtest/gtest.h>

#include <vector>

#include "calendar/Feiertagseditor.h"
#include "model/Texte.h"
#include "shell/Sprache.h"

using namespace qv;

namespace {

TFeiertag ft(const char* name, int art, int wtag, int tag, int monat) {
  return {QString::fromUtf8(name), static_cast<int16_t>(art), static_cast<int16_t>(wtag),
          static_cast<int16_t>(tag), static_cast<int16_t>(monat)};
}

HolidayTable tabelle(int holidays) {
  HolidayTable t;
  for (int i = 0; i < holidays; ++i) t.Feiertage.push_back(ft("F", 0, 0, i + 1, 1));
  for (int i = 0; i < holidays; ++i) t.Feiertage[i].Name = QStringLiteral("F%1").arg(i + 1);
  t.AnzFt = static_cast<int16_t>(holidays);
  return t;
}

void setze(HolidayTable& t, int s, const std::vector<int>& codes) {
  t.FtSet[s][0] = static_cast<int16_t>(codes.size());
  for (size_t m = 0; m < codes.size(); ++m) t.FtSet[s][m + 1] = static_cast<int16_t>(codes[m]);
}

std::vector<int> codes(const HolidayTable& t, int s) {
  return std::vector<int>(t.FtSet[s] + 1, t.FtSet[s] + 1 + t.FtSet[s][0]);
}

}  // namespace

TEST(Feiertagseditor, DeletingAHolidayKeepsEveryMemberNamingItsHoliday) {
  HolidayTable t = tabelle(6);
  t.FtSetName = {"A", "B", "C"};
  t.AnzFtSets = 3;
  setze(t, 0, {1, 3, 5});
  setze(t, 1, {2, 6});
  setze(t, 2, {3});
  Feiertag_Loeschen(t, 2);
  EXPECT_EQ(t.AnzFt, 5);
  EXPECT_EQ(t.Feiertage[2].Name, "F4");
  EXPECT_EQ(codes(t, 0), (std::vector<int>{1, 4}));
  EXPECT_EQ(codes(t, 1), (std::vector<int>{2, 5}));
  EXPECT_EQ(codes(t, 2), std::vector<int>{});
  EXPECT_EQ(t.FtSet[0][3], 0);  // the freed place holds no stale code
}

TEST(Feiertagseditor, SetInsertStaysAscendingAndRefusesAFullSet) {
  struct Fall {
    std::vector<int> vorher;
    int code;
    int position;
    std::vector<int> nachher;
  };
  std::vector<int> voll;
  for (int c = 1; c <= kFtSetMaxMembers; ++c) voll.push_back(c * 2);
  const std::vector<Fall> faelle = {
      {{1, 3, 5}, 4, 3, {1, 3, 4, 5}},
      {{1, 3, 5}, 3, 2, {1, 3, 5}},
      {{1, 3, 5}, 9, 4, {1, 3, 5, 9}},
      {{3, 5}, 1, 1, {1, 3, 5}},
      {{}, 7, 1, {7}},
      {voll, 3, 0, voll},   // 59 members: refused, unchanged
      {voll, 4, 2, voll},   // already a member: no change needed
  };
  for (const Fall& f : faelle) {
    HolidayTable t = tabelle(200);
    setze(t, 0, f.vorher);
    EXPECT_EQ(Set_Mitglied_Einfuegen(t, 0, f.code), f.position) << f.code;
    EXPECT_EQ(codes(t, 0), f.nachher) << f.code;
  }
}

TEST(Feiertagseditor, AddingMatchesDefinitionAndNameInOnePass) {
  HolidayTable t = tabelle(0);
  t.Feiertage = {ft("Neujahr", 0, 0, 1, 1), ft("Tag B", 1, -3, 23, 11), ft("Ostern", 2, 0, 0, 0)};
  t.AnzFt = 3;
  // Same definition as Neujahr, same name as Tag B: both end with the new name and definition.
  EXPECT_TRUE(Feiertag_Speichern(t, ft("Tag B", 0, 0, 1, 1)));
  EXPECT_EQ(t.AnzFt, 3);
  EXPECT_EQ(t.Feiertage[0], ft("Tag B", 0, 0, 1, 1));
  EXPECT_EQ(t.Feiertage[1], ft("Tag B", 0, 0, 1, 1));
  // A name differing only in case is a new holiday.
  EXPECT_FALSE(Feiertag_Speichern(t, ft("ostern", 2, 0, 1, 0)));
  EXPECT_EQ(t.AnzFt, 4);
  EXPECT_EQ(t.Feiertage.back(), ft("ostern", 2, 0, 1, 0));
}

TEST(Feiertagseditor, SetsAddAndDeleteWithTheirMembers) {
  HolidayTable t = tabelle(3);
  EXPECT_FALSE(Set_Hinzufuegen(t, QString()));
  EXPECT_TRUE(Set_Hinzufuegen(t, "Bayern"));
  EXPECT_FALSE(Set_Hinzufuegen(t, "Bayern"));
  EXPECT_TRUE(Set_Hinzufuegen(t, "bayern"));
  EXPECT_TRUE(Set_Hinzufuegen(t, "Sachsen"));
  setze(t, 0, {1});
  setze(t, 1, {2});
  setze(t, 2, {1, 3});
  Set_Loeschen(t, 0);
  EXPECT_EQ(t.AnzFtSets, 2);
  EXPECT_EQ(t.FtSetName, (QStringList{"bayern", "Sachsen"}));
  EXPECT_EQ(codes(t, 0), std::vector<int>{2});
  EXPECT_EQ(codes(t, 1), (std::vector<int>{1, 3}));
  EXPECT_EQ(t.FtSet[2][0], 0);
  // A set added now starts empty.
  EXPECT_TRUE(Set_Hinzufuegen(t, "Neu"));
  EXPECT_EQ(codes(t, 2), std::vector<int>{});
  Set_Mitglied_Entfernen(t, 1, 1);
  EXPECT_EQ(codes(t, 1), std::vector<int>{3});
}

TEST(Feiertagseditor, Texts) {
  Setze_TexteDeutsch();
  EXPECT_EQ(Osterdistanz_Text(-82), "82 Tag(e) vor Ostern");
  EXPECT_EQ(Osterdistanz_Text(0), "Ostern");
  EXPECT_EQ(Osterdistanz_Text(173), "173 Tag(e) nach Ostern");
  EXPECT_EQ(Wochentag_Eintrag(0), "Sonntag vor");
  EXPECT_EQ(Wochentag_Eintrag(6), "Montag vor");
  EXPECT_EQ(Wochentag_Eintrag(7), "Montag nach");
  EXPECT_EQ(Wochentag_Eintrag(13), "Sonntag nach");
  for (int p = 0; p < 14; ++p) EXPECT_EQ(Position_aus_Wochentag(Wochentag_aus_Position(p)), p);
  EXPECT_EQ(Feiertag_Definition(ft("", 0, 0, 1, 1)), "1. Januar");
  EXPECT_EQ(Feiertag_Definition(ft("", 1, -3, 23, 11)), "Mittwoch vor 23. November");
  EXPECT_EQ(Feiertag_Definition(ft("", 2, 0, -46, 0)), "46 Tag(e) vor Ostern");
}
