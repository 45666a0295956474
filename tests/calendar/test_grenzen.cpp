// The holiday and place files given an endless input: refused as no regular file, nothing changed.
#include <gtest/gtest.h>

#include <QFile>

#include "calendar/Orte.h"
#include "model/Feiertage.h"
#include "model/Texte.h"
#include "model/Zustand.h"
#include "tests/support/EndlessFifo.h"
#include "tests/support/ScriptedEnvironment.h"
#include "tests/support/StartDir.h"

using namespace qv;

TEST(Grenzen, HolidayAndPlaceFilesReadingEndlessZerosAreRefused) {
  test::StartDir dir;
  test::ScriptedEnvironment env;
  resetAllState();
  texts().FtDatei = "deutsch.hdy";
  texts().OrtDatei = "deutsch.ord";
  test::EndlessFifo feiertage(dir.file("deutsch.hdy"));
  test::EndlessFifo orte(dir.file("deutsch.ord"));
  ASSERT_TRUE(feiertage.ok() && orte.ok());

  Lies_Feiertage();
  EXPECT_EQ(holidayTable().AnzFt, 0);
  ASSERT_EQ(env.messages.size(), 1u);
  EXPECT_EQ(env.messages[0].icon, Icon::Critical);
  EXPECT_FALSE(QFile::exists(dir.file("deutsch.hdy.bak")));

  int error = 0;
  EXPECT_FALSE(readPlaceFile(&error).has_value());
  EXPECT_EQ(error, kPlaceAccess);
}
