// Brand rows, the brand set-up and the brand file.
#include <gtest/gtest.h>

#include <QColor>
#include <QSet>
#include <set>

#include "model/Marke.h"
#include "model/Zustand.h"
#include "shell/Marken.h"
#include "shell/Markendatei.h"
#include "tests/support/StartDir.h"

using namespace qv;

namespace {

std::set<int> offeredSlots() {
  std::set<int> out;
  for (int slot = 1; slot <= kClockTypeSlots; ++slot)
    if (brand().S_Typ[slot] != notOfferedName()) out.insert(slot);
  return out;
}

QColor fromBgr(uint32_t v) { return QColor(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF); }

const QString kEntfaellt = QString::fromUtf8("entfällt");

}  // namespace

TEST(Marken, MakersOwnBrandKeepsItsNamesLayoutAndColours) {
  resetAllState();
  Setze_Markentexte(1);
  const Brand& b = brand();
  EXPECT_EQ(b.S_Titel, "Quorvel 2.1");
  EXPECT_EQ(b.S_Hersteller, "marlun");
  EXPECT_EQ(b.Markengruppe, 1);
  EXPECT_EQ(b.S_Startbild, "quorvel.bmp");
  EXPECT_EQ(b.S_Infobild, "quorvel.bmp");
  EXPECT_EQ(b.S_Modellkurz, "MX240");
  EXPECT_EQ(b.S_Typ[1], "MX 210      ");
  EXPECT_EQ(b.S_Typ[1].size(), 12);
  EXPECT_EQ(b.S_Typ[2], "MX 220       ");
  EXPECT_EQ(b.S_Typ[2].size(), 13);
  EXPECT_EQ(b.S_Typ[3], kEntfaellt);
  EXPECT_EQ(b.S_Typ[4], "MX 240  ");
  EXPECT_EQ(b.S_Typ[5], "MX 240 EIB ");
  for (int slot = 6; slot <= 9; ++slot) EXPECT_EQ(b.S_Typ[slot], kEntfaellt);
  const char* named[] = {"MX 210 S", "MX 220 S", "MX 230 S", "MX 240 S", "MX 240 S EIB", "MX 280 S EIB",
                         "MX 460-1", "MX 460-2", "MX 460-3", "MX 460-4", "KV 310"};
  for (int slot = 10; slot <= 20; ++slot) EXPECT_EQ(b.S_Typ[slot], named[slot - 10]) << slot;

  const int16_t start[12] = {240, 240, 1040, 240, 1840, 240, 2640, 240, 240, 1080, 5200, 6360};
  const int16_t info[16] = {4320, 6350, 240, 240, 240, 480, 240, 1800, 240, 720, 240, 960, 240, 1200, 140, 6240};
  for (int k = 0; k < 12; ++k) EXPECT_EQ(b.PosStartbild[k], start[k]) << k;
  for (int k = 0; k < 16; ++k) EXPECT_EQ(b.PosInfo[k], info[k]) << k;
  EXPECT_EQ(fromBgr(b.FarbeInfo[0]), QColor(224, 192, 224));
  EXPECT_EQ(fromBgr(b.FarbeInfo[1]), QColor(128, 128, 255));
}

TEST(Marken, EveryBrandOffersItsSlotsUnderItsOwnWords) {
  const std::set<int> offered[kBrandCount] = {
      {1, 2, 4, 5, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20},
      {5, 14}, {5, 14, 15}, {14}, {14}, {14, 15}, {14}, {14, 15}, {14, 15}, {14}, {14, 15}, {14}};
  const int groups[kBrandCount] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 1, 2, 3};
  const char* codes[kBrandCount] = {"KOL", "DAV", "NIP", "RUF", "TAZ", "WEX",
                                    "QUB", "SOB", "YOX", "KEV", "YAK", "ZIN"};
  Setze_Markentexte(1);
  const QString authorLine = brand().S_InfoZeile[5];
  const auto kennung = [] { return std::vector<int16_t>(brand().EibKennung, brand().EibKennung + 6); };
  const auto sharedKennung = kennung();
  const std::vector<int16_t> makerLayout(brand().PosStartbild, brand().PosStartbild + 12);

  for (int marke = 1; marke <= kBrandCount; ++marke) {
    SCOPED_TRACE(marke);
    resetAllState();
    Setze_Markentexte(marke);
    const Brand& b = brand();
    EXPECT_EQ(QString::fromLatin1(brandRow(marke)->code), codes[marke - 1]);
    EXPECT_EQ(b.Markengruppe, groups[marke - 1]);
    EXPECT_EQ(offeredSlots(), offered[marke - 1]);
    QSet<QString> names;
    for (int slot : offered[marke - 1]) names.insert(b.S_Typ[slot]);
    EXPECT_EQ(names.size(), static_cast<qsizetype>(offered[marke - 1].size())) << "names repeat";
    EXPECT_FALSE(names.contains(QString()));

    EXPECT_EQ(b.S_Titel == "Quorvel 2.1", marke != 5);
    if (marke >= 7) {
      EXPECT_EQ(b.S_Modellkurz, kEntfaellt);
    } else {
      EXPECT_FALSE(b.S_Modellkurz.isEmpty() || b.S_Modellkurz == kEntfaellt);
    }
    EXPECT_EQ(b.S_Hersteller == "marlun", marke == 1);
    EXPECT_FALSE(b.S_Startbild.isEmpty());
    EXPECT_FALSE(b.S_Infobild.isEmpty());
    for (int k = 1; k <= 4; ++k) EXPECT_FALSE(b.S_InfoZeile[k].isEmpty()) << k;
    EXPECT_EQ(b.S_InfoZeile[5], authorLine);
    EXPECT_TRUE(b.S_InfoVon.isEmpty());
    if (marke >= 6) {
      // The maker's start-up layout with the OK button at Left 4000.
      for (int k = 0; k < 12; ++k) EXPECT_EQ(b.PosStartbild[k], k == 10 ? 4000 : makerLayout[k]) << k;
    }
    // Three device types: one first byte, second bytes counting up; brand 5 has a set of its own.
    EXPECT_EQ(b.EibKennung[0], b.EibKennung[2]);
    EXPECT_EQ(b.EibKennung[2], b.EibKennung[4]);
    EXPECT_EQ(b.EibKennung[3], b.EibKennung[1] + 1);
    EXPECT_EQ(b.EibKennung[5], b.EibKennung[3] + 1);
    EXPECT_EQ(kennung() == sharedKennung, marke != 5);
  }
}

TEST(Marken, ASecondBrandLeavesNothingOfTheFirst) {
  resetAllState();
  Setze_Markentexte(1);
  Setze_Markentexte(4);
  EXPECT_EQ(brand().S_Typ[1], kEntfaellt);
  EXPECT_EQ(brand().S_Typ[20], kEntfaellt);
  EXPECT_EQ(offeredSlots(), std::set<int>{14});
  EXPECT_NE(brand().S_Hersteller, "marlun");
  EXPECT_NE(brand().S_Modellkurz, "MX240");

  Setze_Markentexte(5);
  const QString title5 = brand().S_Titel;
  Setze_Markentexte(10);
  EXPECT_NE(brand().S_Titel, title5);
  EXPECT_EQ(brand().Markengruppe, 1);
  EXPECT_NE(brand().S_Hersteller, "marlun");
}

TEST(Marken, NumbersOutsideTheBrandsChangeNothing) {
  resetAllState();
  Setze_Markentexte(3);
  const Brand before = brand();
  for (int marke : {0, 13, -1, 100}) Setze_Markentexte(marke);
  EXPECT_EQ(brand().S_Titel, before.S_Titel);
  EXPECT_EQ(brand().S_Hersteller, before.S_Hersteller);
  EXPECT_EQ(brand().Markengruppe, before.Markengruppe);
  for (int slot = 1; slot <= kClockTypeSlots; ++slot) EXPECT_EQ(brand().S_Typ[slot], before.S_Typ[slot]);
}

TEST(MarkenCode, EachCodeInItsThreeFormsAndNoOther) {
  const char* codes[kBrandCount] = {"KOL", "DAV", "NIP", "RUF", "TAZ", "WEX",
                                    "QUB", "SOB", "YOX", "KEV", "YAK", "ZIN"};
  for (int marke = 1; marke <= kBrandCount; ++marke) {
    const QString upper = codes[marke - 1];
    EXPECT_EQ(brandNumberForCode(upper), marke);
    EXPECT_EQ(brandNumberForCode(upper.toLower()), marke);
    EXPECT_EQ(brandNumberForCode(upper.left(1) + upper.mid(1).toLower()), marke);
  }
  EXPECT_EQ(brandNumberForCode("Kolxyz 2.1"), 1);
  for (const char* bad : {"kOL", "KoL", "kOl", "KO", "", " KOL", "ABC"})
    EXPECT_EQ(brandNumberForCode(bad), std::nullopt) << bad;
}

TEST(MarkenDatei, FirstValueOfTheFileNamesTheBrand) {
  test::StartDir dir;
  EXPECT_EQ(readBrandFile(), std::nullopt);  // no file

  dir.copyShipped("quorvel.sys");
  EXPECT_EQ(readBrandFile(), 1);

  dir.write("quorvel.sys", "Taz,KOL\r\n");
  EXPECT_EQ(readBrandFile(), 5);
  dir.write("quorvel.sys", "\"zin 1\"\r\n");
  EXPECT_EQ(readBrandFile(), 12);
  dir.write("quorvel.sys", "kOL\r\n");
  EXPECT_EQ(readBrandFile(), std::nullopt);
  dir.write("quorvel.sys", "");
  EXPECT_EQ(readBrandFile(), std::nullopt);
  dir.write("quorvel.sys", "\r\n\r\n");
  EXPECT_EQ(readBrandFile(), std::nullopt);
}

TEST(MarkenDatei, NameIsFoundWhateverItsLetterCase) {
  test::StartDir dir;
  dir.write("QUORVEL.SYS", "wex\r\n");
  EXPECT_EQ(readBrandFile(), 6);
}
