// The clock-type name of a loaded program.
#include <gtest/gtest.h>

#include "model/Marke.h"
#include "model/Uhrentypname.h"
#include "model/Zustand.h"

using namespace qv;

namespace {

void brandWithNames() {
  resetAllState();
  brand().Markengruppe = 1;
  for (int i = 1; i <= 20; ++i) brand().S_Typ[i] = QStringLiteral("Typ%1").arg(i);
  brand().S_Typ[3] = QString::fromUtf8("entfällt");
}

QString nameFor(int kanaele, int code) {
  profile().Kanalzahl = static_cast<int16_t>(kanaele);
  profile().Geraetecode = static_cast<int16_t>(code);
  return Uhrentyp_Name();
}

}  // namespace

TEST(UhrentypName, SlotByChannelsAndDeviceCode) {
  brandWithNames();
  EXPECT_EQ(nameFor(1, 72), "Typ1");
  EXPECT_EQ(nameFor(2, 72), "Typ2");
  EXPECT_EQ(nameFor(3, 72), "");  // not sold by this brand
  EXPECT_EQ(nameFor(1, 73), "Typ10");
  EXPECT_EQ(nameFor(3, 73), "Typ12");
  EXPECT_EQ(nameFor(2, 80), "Typ20");
  EXPECT_EQ(nameFor(1, 200), "Typ1");  // the master-card bit does not count
  EXPECT_EQ(nameFor(1, 74), "");
  EXPECT_EQ(nameFor(16, 74), "");
}

TEST(UhrentypName, FourChannelsNameTheUtilityTypeWithANumberOrAMeasuringChannel) {
  brandWithNames();
  EXPECT_EQ(nameFor(4, 73), "Typ4");
  EXPECT_EQ(nameFor(4, 72), "Typ4");
  program().Programmnummer[0] = 12;
  EXPECT_EQ(nameFor(4, 73), "Typ19");
  EXPECT_EQ(nameFor(4, 72), "Typ19");
  program().Programmnummer[0] = kKeineProgrammnummer;
  settings().MessKanal = 2;
  EXPECT_EQ(nameFor(4, 72), "Typ19");
}

TEST(UhrentypName, BrandGroupsAboveSixHaveNoNames) {
  brandWithNames();
  brand().Markengruppe = 7;
  EXPECT_EQ(nameFor(1, 72), "");
  brand().Markengruppe = 0;
  EXPECT_EQ(nameFor(1, 72), "");
}
