// The program header block: format id, rule/family/channels, option bits and the save moment.
#include <gtest/gtest.h>

#include "model/Environment.h"
#include "model/Kopfdaten.h"
#include "tests/model/ImageFixtures.h"
#include "tests/support/ScriptedEnvironment.h"

using namespace qv;
using namespace qv::imagetest;

namespace {

// A clock that moves on by a day minus a moment every time it is read.
class TickingClock final : public Environment {
 public:
  TickingClock() { setEnvironment(this); }
  ~TickingClock() override { setEnvironment(nullptr); }
  Answer message(const QString&, Buttons, Icon, const QString&) override { return Answer::No; }
  void beep() override {}
  void setBusy(bool) override {}
  QDateTime now() const override {
    ++reads;
    return QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59)).addSecs(reads == 1 ? 0 : 3600);
  }
  QString openFileName(const QString&, const QString&, const QString&) override { return {}; }
  QString saveFileName(const QString&, const QString&, const QString&) override { return {}; }
  mutable int reads = 0;
};

}  // namespace

TEST(KopfZeit, StampOfAMomentAndOneReadingOfTheClock) {
  const auto s = Kopf_Zeitstempel(QDateTime(QDate(2003, 3, 5), QTime(9, 7)));
  EXPECT_EQ(s, (std::array<uint8_t, 4>{34, 51, 5, 131}));

  useClockType(240);
  TickingClock clock;
  Baue_Kopfdaten();
  EXPECT_EQ(clock.reads, 1);
  const uint8_t* k = program().Kopf[0];
  const int t = k[4] * 16 + k[5] / 16;
  EXPECT_EQ(t, 23 * 60 + 59);
  EXPECT_EQ(k[5] % 16, 12);
  EXPECT_EQ(k[6], 31);
  EXPECT_EQ(k[7] + 1872, 2026);
}

TEST(KopfBcd, DecimalOfPackedBytes) {
  EXPECT_EQ(BCD_zu_Dez(0x59), 59);
  EXPECT_EQ(BCD_zu_Dez(0x00), 0);
  EXPECT_EQ(BCD_zu_Dez(0x5A), 255);
  EXPECT_EQ(BCD_zu_Dez(0xA5), 255);
  EXPECT_EQ(BCD_zu_Dez(0xFF), 255);
}

TEST(KopfFormat, TheFormatIdFollowsTheRecordsAndKeepsTheMasterBit) {
  useClockType(240);
  test::ScriptedEnvironment env;
  profile().Geraetecode = 73;  // an "S" profile
  setRecords(0, {weekdayRecord(600, 1, 127, 1, 1), priorityRecord(1, 7, 31, 8, 2, 1)});
  Baue_Kopfdaten();
  EXPECT_EQ(program().Kopf[0][1], 72);
  EXPECT_EQ(profile().Geraetecode, 72);

  profile().Geraetecode = 72 + 128;
  setRecords(0, {weekdayRecord(600, 1, 127, 1, 1), TSz{96, 90, 0, 0, 2, 49}});  // Easter-relative
  Baue_Kopfdaten();
  EXPECT_EQ(program().Kopf[0][1], 73 + 128);
  EXPECT_EQ(profile().Geraetecode, 73 + 128);
}

TEST(KopfFormat, RuleFamilyAndChannelsByClockType) {
  test::ScriptedEnvironment env;
  useClockType(240);
  settings().SwRegel = 2;
  profile().Geraetefamilie = 1;
  Baue_Kopfdaten();
  EXPECT_EQ(program().Kopf[0][2], 2 * 16 + 8 + 3);
  EXPECT_EQ(program().Kopf[0][0], 0);

  useClockType(280);
  settings().SwRegel = 3;
  Baue_Kopfdaten();
  EXPECT_EQ(program().Kopf[0][1], 74);
  EXPECT_EQ(program().Kopf[0][2], 48);

  useClockType(309);
  Baue_Kopfdaten();
  EXPECT_EQ(program().Kopf[0][2], 16 + 1);

  // A clock type without an image format leaves the block alone.
  useClockType(240);
  profile().Uhrentyp = 123;
  program().Kopf[0][1] = 99;
  Baue_Kopfdaten();
  EXPECT_EQ(program().Kopf[0][1], 99);
  EXPECT_EQ(program().Kopf[0][6], 0);
}

TEST(KopfOptionen, OptionBitsAndTheCodedMasterCard) {
  test::ScriptedEnvironment env;
  useClockType(240);
  settings().SpracheUhr = 0;
  Baue_Kopfdaten();
  EXPECT_EQ(program().Kopf[0][3], 1);

  DeviceSettings& s = settings();
  s.OptDatum = s.SpracheUhr = s.OptFunk = s.OptNak = s.OptDauer = 1;
  Baue_Kopfdaten();
  EXPECT_EQ(program().Kopf[0][3], 63);

  profile().Geraetecode = 72 + 128;
  s.Codierbyte = 0;
  Baue_Kopfdaten();
  EXPECT_EQ(program().Kopf[0][3], 63);
  s.Codierbyte = 5;
  Baue_Kopfdaten();
  EXPECT_EQ(program().Kopf[0][3], 63 + 128);

  useClockType(309);
  settings().SpracheUhr = 0;
  settings().Codierbyte = 5;
  Baue_Kopfdaten();
  EXPECT_EQ(program().Kopf[0][3], 5);
}

TEST(KopfSommerzeit, AsksToSwitchOnTheOwnTableOnlyWhenItHasEntries) {
  useClockType(240);
  test::ScriptedEnvironment env;
  Baue_Kopfdaten();
  EXPECT_TRUE(env.messages.empty());

  program().AnzSw[0] = 1;
  env.answer(Answer::No);
  Baue_Kopfdaten();
  ASSERT_EQ(env.messages.size(), 1u);
  EXPECT_EQ(env.messages[0].text, texts().S_habenSomm);
  EXPECT_EQ(env.messages[0].buttons, Buttons::YesNo);
  EXPECT_EQ(env.messages[0].icon, Icon::Exclamation);
  EXPECT_EQ(settings().SwRegel, 1);

  env.answer(Answer::Yes);
  Baue_Kopfdaten();
  EXPECT_EQ(settings().SwRegel, 4);
  EXPECT_EQ(program().Kopf[0][2] >> 4, 4);

  Baue_Kopfdaten();  // rule 4 already: no question
  EXPECT_EQ(env.messages.size(), 2u);
}
