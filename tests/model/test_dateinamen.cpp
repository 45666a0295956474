// File names: extension test, ASCII test, existence test, the first free default name and the
// Save flow with its dialog, questions and refusals.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "model/Dateinamen.h"
#include "tests/model/ImageFixtures.h"
#include "tests/support/ScriptedEnvironment.h"
#include "tests/support/StartDir.h"

using namespace qv;
using namespace qv::imagetest;

TEST(DateinamenEndung, ExtensionPositionOnAnyLengthAndNeverInAFolder) {
  EXPECT_EQ(Endung_Pos("a.qvl"), 4);
  EXPECT_EQ(Endung_Pos("prog.tx"), 3);
  EXPECT_EQ(Endung_Pos("abc."), 1);
  EXPECT_EQ(Endung_Pos("abcde"), 0);
  EXPECT_EQ(Endung_Pos("x.abcd"), 0);  // "." five from the end
  EXPECT_EQ(Endung_Pos("a.b.c.de"), 3);
  EXPECT_EQ(Endung_Pos(""), 0);
  EXPECT_EQ(Endung_Pos("a"), 0);
  EXPECT_EQ(Endung_Pos(".a"), 2);
  EXPECT_EQ(Endung_Pos("/tmp/a.b/c"), 0);
  EXPECT_EQ(Endung_Pos("/tmp/my.d/prog"), 0);
  EXPECT_EQ(Endung_Pos("C:\\a.b\\c"), 0);
  EXPECT_EQ(Endung_Pos("/tmp/a.b/c.qvl"), 4);
}

TEST(DateinamenAscii, OnlySevenBitCharacters) {
  EXPECT_TRUE(NurAsciiZeichen(""));
  EXPECT_TRUE(NurAsciiZeichen("/tmp/prog 1.qvl"));
  EXPECT_FALSE(NurAsciiZeichen(QString::fromUtf8("é")));
  EXPECT_FALSE(NurAsciiZeichen(QString::fromUtf8("/home/jörg/a.qvl")));
}

TEST(DateinamenExistenz, FileMissingFolderAndUnreadable) {
  test::StartDir dir;
  test::ScriptedEnvironment env;
  dir.write("a.qvl", "x");
  EXPECT_EQ(Datei_existiert("a.qvl"), 1);
  EXPECT_EQ(Datei_existiert("b.qvl"), 0);
  EXPECT_TRUE(env.messages.empty());
  QDir().mkdir("ordner");
  EXPECT_EQ(Datei_existiert("ordner/b.qvl"), 0);
  EXPECT_TRUE(env.messages.empty());
  // Not found is only a missing file: a folder, or a folder that is not there, is reported.
  const std::pair<const char*, const char*> fehler[] = {
      {"ordner", "ordner: Is a directory"},
      {"nirgends/b.qvl", "nirgends/b.qvl: Path not found"},
      {"a.qvl/b.qvl", "a.qvl/b.qvl: Path not found"},
  };
  for (const auto& [name, text] : fehler) {
    env.messages.clear();
    EXPECT_EQ(Datei_existiert(name), std::nullopt) << name;
    ASSERT_EQ(env.messages.size(), 1u) << name;
    EXPECT_EQ(env.messages[0].icon, Icon::Critical);
    EXPECT_EQ(env.messages[0].text, QString::fromLatin1(text));
  }
}

TEST(DateinamenFrei, FirstFreeDefaultName) {
  test::StartDir dir;
  test::ScriptedEnvironment env;
  setGermanTexts();
  EXPECT_EQ(Freier_Dateiname(), QStringLiteral("SzTab1.qvl"));
  for (int n : {1, 2, 3, 5}) dir.write(QStringLiteral("SzTab%1.qvl").arg(n), "");
  EXPECT_EQ(Freier_Dateiname(), QStringLiteral("SzTab4.qvl"));
  for (int n = 1; n <= 998; ++n) dir.write(QStringLiteral("SzTab%1.qvl").arg(n), "");
  EXPECT_EQ(Freier_Dateiname(), QString());
  ASSERT_EQ(env.messages.size(), 1u);
  EXPECT_EQ(env.messages[0].text, texts().S_SpeiVorh + QStringLiteral("SzTabxxx.qvl"));
  EXPECT_EQ(env.messages[0].icon, Icon::Critical);
}

class DateinamenSichern : public ::testing::Test {
 protected:
  void SetUp() override {
    useClockType(240);
    setRecords(0, {weekdayRecord(600, 1, 127, 1, 1)});
    program().Dateiname[0] = QStringLiteral("SzTab1.qvl");
    program().Geaendert = 1;
  }
  test::StartDir dir;
  test::ScriptedEnvironment env;
};

TEST_F(DateinamenSichern, WithANameItWritesAtOnce) {
  program().HatDateiname = 1;
  EXPECT_EQ(Datei_sichern(), 1);
  EXPECT_TRUE(env.fileDialogCaptions.isEmpty());
  EXPECT_TRUE(QFile::exists("SzTab1.qvl"));
  EXPECT_EQ(program().Geaendert, 0);

  settings().SwRegel = 4;  // the writer refuses: its result comes back
  EXPECT_EQ(Datei_sichern(), 0);
}

TEST_F(DateinamenSichern, ACancelledDialogKeepsTheName) {
  EXPECT_EQ(Datei_sichern(), 0);
  ASSERT_EQ(env.messages.size(), 1u);
  EXPECT_EQ(env.messages[0].text, texts().S_KeineDatei);
  EXPECT_EQ(env.messages[0].icon, Icon::Critical);
  EXPECT_EQ(env.beeps, 1);
  EXPECT_EQ(program().Dateiname[0], QStringLiteral("SzTab1.qvl"));
  EXPECT_EQ(program().HatDateiname, 0);
}

TEST_F(DateinamenSichern, ANewNameGetsTheExtensionAndCountsAsNamed) {
  env.answerFileDialog("prog");
  EXPECT_EQ(Datei_sichern(), 1);
  EXPECT_TRUE(QFile::exists("prog.qvl"));
  EXPECT_EQ(program().Dateiname[0], QStringLiteral("prog.qvl"));
  EXPECT_EQ(program().HatDateiname, 1);
  EXPECT_TRUE(env.messages.empty());
  // The next save asks nothing.
  EXPECT_EQ(Datei_sichern(), 1);
  EXPECT_EQ(env.fileDialogCaptions.size(), 1);

  program().HatDateiname = 0;
  env.answerFileDialog("x.abcd");
  EXPECT_EQ(Datei_sichern(), 1);
  EXPECT_TRUE(QFile::exists("x.abcd.qvl"));
}

TEST_F(DateinamenSichern, NonAsciiNamesAndExistingFiles) {
  dir.write("alt.qvl", "old");
  env.answerFileDialog(QString::fromUtf8("ä.qvl"));
  env.answerFileDialog("alt.qvl");  // exists: No
  env.answer(Answer::Ok);           // the refusal of the umlaut
  env.answer(Answer::No);
  env.answerFileDialog("alt");      // exists: Yes
  env.answer(Answer::Yes);
  EXPECT_EQ(Datei_sichern(), 1);
  EXPECT_EQ(env.fileDialogCaptions.size(), 3);
  ASSERT_EQ(env.messages.size(), 3u);
  EXPECT_EQ(env.messages[0].text, texts().S_keinGuelt);
  EXPECT_EQ(env.messages[1].text, QString::fromUtf8("Datei alt.qvl besteht bereits! Überschreiben ?"));
  EXPECT_EQ(env.messages[1].buttons, Buttons::YesNo);
  EXPECT_EQ(env.messages[1].icon, Icon::Question);
  EXPECT_EQ(env.beeps, 1);
  EXPECT_NE(dir.read("alt.qvl"), QByteArray("old"));
  EXPECT_EQ(program().HatDateiname, 1);
  EXPECT_FALSE(QFile::exists(QString::fromUtf8("ä.qvl")));
}

TEST_F(DateinamenSichern, NamesWithControlCharactersOrLineBreaksAreRefusedLikeNonAscii) {
  for (const char* name : {"a\nb.qvl", "a\r.qvl", "a\tb.qvl", "\x01" "b.qvl", "a\x7f" "b.qvl"}) {
    SCOPED_TRACE(name);
    env.messages.clear();
    env.answerFileDialog(QString::fromLatin1(name));
    EXPECT_EQ(Datei_sichern(), 0);  // refused, then the dialog cancelled
    ASSERT_EQ(env.messages.size(), 2u);
    EXPECT_EQ(env.messages[0].text, texts().S_keinGuelt);
    EXPECT_FALSE(QFile::exists(QString::fromLatin1(name)));
  }
}

TEST_F(DateinamenSichern, AFolderNameIsReportedAndTheDialogComesAgain) {
  QDir().mkdir("ordner.qvl");
  env.answerFileDialog("ordner.qvl");
  EXPECT_EQ(Datei_sichern(), 0);  // then cancelled
  ASSERT_EQ(env.messages.size(), 2u);
  EXPECT_TRUE(env.messages[0].text.contains("ordner.qvl"));
  EXPECT_EQ(env.messages[1].text, texts().S_KeineDatei);
  EXPECT_EQ(program().HatDateiname, 0);
}

TEST_F(DateinamenSichern, AFifoOrALinkToOneIsReportedAndLeftAsItIs) {
  ASSERT_EQ(::mkfifo("rohr.qvl", 0600), 0);
  ASSERT_TRUE(QFile::link(dir.file("rohr.qvl"), dir.file("verweis.qvl")));
  for (const char* name : {"rohr.qvl", "verweis.qvl"}) {
    SCOPED_TRACE(name);
    env.messages.clear();
    env.answerFileDialog(QString::fromLatin1(name));
    EXPECT_EQ(Datei_sichern(), 0);  // then cancelled
    ASSERT_EQ(env.messages.size(), 2u);
    EXPECT_TRUE(env.messages[0].text.contains(QString::fromLatin1(name)));
    EXPECT_EQ(env.messages[1].text, texts().S_KeineDatei);
    EXPECT_FALSE(QFileInfo("rohr.qvl").isFile());
    EXPECT_TRUE(QFileInfo("verweis.qvl").isSymLink());
  }
  EXPECT_EQ(program().HatDateiname, 0);
}

TEST_F(DateinamenSichern, AWriterRefusalSavesNothing) {
  settings().SwRegel = 4;
  env.answerFileDialog("neu");
  EXPECT_EQ(Datei_sichern(), 0);
  EXPECT_FALSE(QFile::exists("neu.qvl"));
  EXPECT_EQ(program().HatDateiname, 0);
  EXPECT_EQ(program().Geaendert, 1);
}
