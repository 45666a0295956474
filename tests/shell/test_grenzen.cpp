// The start-up files given an endless input: each reader stops at its bound and changes nothing.
#include <gtest/gtest.h>

#include <QFile>

#include "model/Texte.h"
#include "model/Zustand.h"
#include "shell/Einstellungsdatei.h"
#include "shell/Markendatei.h"
#include "shell/Sprache.h"
#include "tests/support/EndlessFifo.h"
#include "tests/support/StartDir.h"

using namespace qv;

TEST(Grenzen, StartUpFilesReadingEndlessZerosAreRefused) {
  test::StartDir dir;
  test::EndlessFifo einstellungen(dir.file(QString::fromLatin1(kEinstellungsdatei)));
  test::EndlessFifo marke(dir.file(QString::fromLatin1(kMarkendatei)));
  test::EndlessFifo sprache(dir.file(QString::fromLatin1(kSprachdatei)));
  ASSERT_TRUE(einstellungen.ok() && marke.ok() && sprache.ok());

  EXPECT_EQ(readSettingsFile().status, SettingsReadStatus::Unreadable);
  EXPECT_EQ(readBrandFile(), std::nullopt);

  Setze_TexteDeutsch();
  const QString monday = texts().S_Montag;
  QString error;
  EXPECT_FALSE(Lies_Sprachdatei(QString::fromLatin1(kSprachdatei), &error));
  EXPECT_FALSE(error.isEmpty());
  EXPECT_EQ(texts().S_Montag, monday);
}
