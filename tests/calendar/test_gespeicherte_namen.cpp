// Names go into the Windows-1252 holiday and place files: they are compared and kept as the files
// hold them, so adding a name again updates what is stored instead of adding a second entry.
#include <gtest/gtest.h>

#include "calendar/Feiertagseditor.h"
#include "calendar/Orte.h"
#include "model/Cp1252.h"
#include "model/Texte.h"
#include "model/Zustand.h"
#include "tests/support/ScriptedEnvironment.h"
#include "tests/support/StartDir.h"

namespace qv::test {
namespace {

TEST(Dateitext, WhichCharactersAFileCanHold) {
  const struct {
    char16_t c;
    bool storable;
  } faelle[] = {{u'a', true},      {u' ', true},     {u'\u00e4', true}, {u'\u00df', true}, {u'\u20ac', true},
                {u'\u0160', true}, {u'\u0141', false}, {u'\u015a', false}, {u'\u0081', false}, {u'\t', false},
                {u'\u007f', false}, {0xD83D, false}};
  for (const auto& f : faelle) EXPECT_EQ(cp1252::storable(QChar(f.c)), f.storable) << int(f.c);
  EXPECT_EQ(cp1252::stored(QString::fromUtf8("Łódź")), QString::fromUtf8("?ód?"));
  EXPECT_EQ(cp1252::stored(QString::fromUtf8("Köln €")), QString::fromUtf8("Köln €"));
}

TEST(Dateitext, APlaceAddedAgainUpdatesTheStoredOne) {
  StartDir dir;
  ScriptedEnvironment env;
  resetAllState();
  texts().OrtDatei = QStringLiteral("deutsch.ord");
  const QString lodz = QString::fromUtf8("Łódź");
  ASSERT_TRUE(addPlace([&] { return lodz; }, {320, 37, 44}));
  const auto zweiter = addPlace([&] { return lodz; }, {321, 38, 44});
  ASSERT_TRUE(zweiter);
  ASSERT_EQ(zweiter->places.size(), 1u);
  EXPECT_EQ(zweiter->places[0].name, QString::fromUtf8("?ód?"));
  EXPECT_EQ(zweiter->places[0].codes, (PlaceCodes{321, 38, 44}));
  EXPECT_EQ(readPlaceFile()->size(), 1u);
}

TEST(Dateitext, HolidayAndSetNamesAreKeptAsTheFileHoldsThem) {
  HolidayTable t;
  const QString name = QString::fromUtf8("Święto Niepodległości");
  EXPECT_FALSE(Feiertag_Speichern(t, TFeiertag{name, 0, 0, 11, 11}));
  // The same name again with another date updates the holiday.
  EXPECT_TRUE(Feiertag_Speichern(t, TFeiertag{name, 0, 0, 12, 11}));
  ASSERT_EQ(t.AnzFt, 1);
  EXPECT_EQ(t.Feiertage[0].Name, QString::fromUtf8("?wi?to Niepodleg?o?ci"));
  EXPECT_EQ(t.Feiertage[0].Tag, 12);
  EXPECT_TRUE(Set_Hinzufuegen(t, QString::fromUtf8("Śląsk")));
  EXPECT_FALSE(Set_Hinzufuegen(t, QString::fromUtf8("Śląsk")));
  EXPECT_EQ(t.AnzFtSets, 1);
}

}  // namespace
}  // namespace qv::test
