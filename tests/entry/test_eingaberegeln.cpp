// The rules shared by the entry forms: colours, key filter, leading number, list items, month lengths.
#include <gtest/gtest.h>

#include "entry/Eingaberegeln.h"
#include "model/Texte.h"
#include "shell/Sprache.h"

namespace qv {
namespace {

TEST(Eingaberegeln, ColoursAreWindowsColourReferences) {
  EXPECT_EQ(fromVbColour(0xFF8080), QColor(128, 128, 255));
  EXPECT_EQ(fromVbColour(0xC0C0C0), QColor(192, 192, 192));
  EXPECT_EQ(fromVbColour(0x10FFFF), QColor(255, 255, 16));
  EXPECT_EQ(Haekchenfarbe(true), QColor(128, 128, 255));
}

TEST(Eingaberegeln, OnlyDigitsAndBackspacePass) {
  for (int c = 0; c < 256; ++c) EXPECT_EQ(Nur_Ziffern(c), (c >= '0' && c <= '9') || c == 8) << c;
}

TEST(Eingaberegeln, LeadingNumber) {
  const struct {
    const char* text;
    int value;
  } cases[] = {{"", 0},        {"7", 7},      {"07", 7},    {" 5  sec", 5}, {"12. ", 12},
               {"Januar", 0},  {"  31.", 31}, {"3x4", 3},   {"--", 0},      {"99999999999", 32767},
               {"Programm P8", 0}};
  for (const auto& c : cases) EXPECT_EQ(leadingNumber(QString::fromUtf8(c.text)), c.value) << c.text;
}

TEST(Eingaberegeln, ListItemsAndFieldTexts) {
  Setze_TexteDeutsch();
  EXPECT_EQ(Tagesliste().at(8) + Tagesliste().at(9) + Tagesliste().last(), QStringLiteral(" 9.10.31."));
  EXPECT_EQ(Stundenliste().at(7) + Stundenliste().last(), QStringLiteral(" 723"));
  EXPECT_EQ(Minutenliste().at(5) + Minutenliste().last(), QStringLiteral("0559"));
  EXPECT_EQ(Impulsliste().first() + Impulsliste().at(1) + Impulsliste().last(), QStringLiteral("-- 159"));
  EXPECT_EQ(Prioliste(0).size(), 10);
  EXPECT_EQ(Prioliste(1).size(), 8);
  EXPECT_EQ(Prioliste(0).at(0), QStringLiteral("keine"));
  EXPECT_EQ(Monatsliste().at(2), QStringLiteral("M\u00e4rz"));
  EXPECT_EQ(Kanalliste16().at(15), QStringLiteral("Kanal 16"));
  EXPECT_EQ(Tagestext(0), QStringLiteral("1. "));
  EXPECT_EQ(Tagestext(11), QStringLiteral("12. "));
  EXPECT_EQ(Impulstext(0), QStringLiteral("--"));
  EXPECT_EQ(Impulstext(5), QStringLiteral(" 5  sec"));
}

TEST(Eingaberegeln, LastDayOfMonthWithoutLeapYear) {
  const int expected[] = {30, 28, 30, 29, 30, 29, 30, 30, 29, 30, 29, 30};
  for (int m = 0; m < 12; ++m) EXPECT_EQ(Letzter_Tagindex(m), expected[m]) << m;
  EXPECT_EQ(Letzter_Tagindex(-1), -1);
}

}  // namespace
}  // namespace qv
