// The switching-time entry logic: record bytes per device family, the kind and range checks, the
// OK procedure over a stand-in form (duplicates, conflicts, capacity, change and copy runs), the
// channel controls per clock type and the frame of the stored record.
#include <gtest/gtest.h>

#include "entry/Eingabeautomatik.h"
#include "entry/Schaltzeiteingabe.h"
#include "model/Satz.h"
#include "model/Texte.h"
#include "tests/support/ScriptedEnvironment.h"
#include "tests/views/ViewFixtures.h"

namespace qv {
namespace {

using test::datumSz;
using test::wochenSz;

std::array<int, 6> bytes(const TSz& r) { return {r.w0, r.w1, r.w2, r.w3, r.w4, r.w5}; }

SzFelder wochentag(int std, int min, int tage, int kanal, int zustand, int impuls = 0, int prog = 0) {
  SzFelder f;
  f.stunde = std;
  f.minute = min;
  f.wochentage = tage;
  f.kanalfeld = kanal;
  f.zustand = zustand;
  f.impuls = impuls;
  f.programm = prog;
  return f;
}

SzFelder datum(int std, int min, int tag, int monat, int kanal, int zustand, int impuls = 0, int einmal = 0) {
  SzFelder f = wochentag(std, min, 0, kanal, zustand, impuls);
  f.tagText = QString::number(tag) + QStringLiteral(". ");
  f.monatText = QStringLiteral("x");
  f.monatIndex = monat - 1;
  f.einmal = einmal;
  return f;
}

TEST(Schaltzeiteingabe, RecordBytesPerFamily) {
  const struct {
    const char* name;
    SzFelder f;
    int familie, kanalzahl;
    std::array<int, 6> erwartet;
    int art, kanal;
  } faelle[] = {
      {"08:30 Monday ch 1 on", wochentag(8, 30, 1, 1, 1), 0, 4, {159, 224, 0, 1, 1, 1}, 0, 1},
      {"23:59 31 Dec 1x ch 1+3 off 5 s", datum(23, 59, 31, 12, 5, 0, 5, 1), 0, 4, {89, 252, 0, 95, 5, 20}, 1, 5},
      {"pulse 12:07 daily P3", wochentag(12, 7, 127, 8, 1, 30, 3), 0, 4, {173, 115, 0, 127, 8, 121}, 0, 8},
      {"16 channels, channel 1", wochentag(0, 0, 64, 0, 0), 0, 16, {128, 0, 0, 64, 0, 0}, 0, 0},
      {"astro type channel 2", wochentag(6, 15, 31, 2, 1), 0, 2, {151, 112, 0, 31, 2, 1}, 0, 2},
      {"family 1 weekday channel 6 P3", wochentag(8, 30, 1, 5, 1, 0, 3), 1, 16, {159, 235, 0, 1, 1, 1}, 3, 6},
      {"family 1 dated channel 3 pulse", datum(23, 59, 31, 12, 4, 0, 5, 1), 1, 4, {89, 252, 0, 95, 0, 22}, 4, 3},
      {"family 1 dated channel 5", datum(1, 0, 2, 3, 4, 1), 1, 16, {3, 195, 0, 34, 1, 0}, 4, 5},
      {"family 1 weekday channel 4", wochentag(8, 30, 1, 8, 1), 1, 4, {159, 224, 0, 1, 1, 3}, 3, 4},
  };
  for (const auto& c : faelle) {
    profile().Geraetefamilie = static_cast<int16_t>(c.familie);
    profile().Uhrentyp = c.kanalzahl == 16 ? 280 : 240;
    const TSz r = Packe_Sz(c.f, Eingabeart_aus(c.f), c.familie, c.kanalzahl);
    EXPECT_EQ(bytes(r), c.erwartet) << c.name;
    EXPECT_EQ(Sz_Art(r), c.art) << c.name;
    EXPECT_EQ(Sz_Kanal(r), c.kanal) << c.name;
  }
  profile().Geraetefamilie = 0;
}

TEST(Schaltzeiteingabe, KindAndRangeChecks) {
  SzFelder nurTag = wochentag(1, 0, 0, 1, 1);
  nurTag.tagText = QStringLiteral("5. ");
  EXPECT_EQ(Eingabeart_aus(nurTag), 0);
  nurTag.wochentage = 3;
  EXPECT_EQ(Eingabeart_aus(nurTag), 1);
  SzFelder beides = datum(1, 0, 5, 5, 1, 1);
  beides.wochentage = 127;
  EXPECT_EQ(Eingabeart_aus(beides), 2);

  const struct {
    SzFelder f;
    int familie;
    SzFeld erwartet;
  } faelle[] = {
      {wochentag(23, 59, 1, 1, 1, 59, 9), 0, SzFeld::Keines}, {wochentag(24, 0, 1, 1, 1), 0, SzFeld::Stunde},
      {wochentag(99, 0, 1, 1, 1), 0, SzFeld::Stunde},         {wochentag(0, 60, 1, 1, 1), 0, SzFeld::Minute},
      {wochentag(0, 0, 1, 1, 1, 60), 0, SzFeld::Impuls},      {wochentag(0, 0, 1, 1, 1, 0, 8), 1, SzFeld::Programm},
      {wochentag(0, 0, 1, 1, 1, 0, -1), 0, SzFeld::Programm}, {datum(0, 0, 32, 1, 1, 1), 0, SzFeld::Tag},
      {datum(0, 0, 0, 1, 1, 1), 0, SzFeld::Tag},              {datum(0, 0, 3, 0, 1, 1), 0, SzFeld::Monat},
      {datum(0, 0, 3, 12, 1, 1), 1, SzFeld::Keines},
  };
  for (const auto& c : faelle) EXPECT_EQ(Ungueltiges_Feld(c.f, Eingabeart_aus(c.f), c.familie), c.erwartet);
}

// The form as far as OK sees it: fields to read, and what OK asked it to do.
struct Formular final : SzFormular {
  SzFelder felder;
  bool fokusfeldOk = true;
  SzFeld fokus = SzFeld::Keines;
  int alt = -1, bestaetigt = 0, automatik = 0, weiter = 0, geschlossen = 0, ansicht = 0;
  std::vector<std::pair<int, int>> geladen;

  SzFelder Felder() const override { return felder; }
  bool Pruefe_Fokusfeld() override { return fokusfeldOk; }
  void Fokus_auf(SzFeld f) override { fokus = f; }
  void Zeige_AltSz(int index) override { alt = index; }
  void Bestaetige() override { ++bestaetigt; }
  void Zeige_Sz_in_Feldern(int nr, int speicher) override {
    geladen.emplace_back(nr, speicher);
    const TSz& r = program().Sz[speicher][nr];
    felder.stunde = Sz_Minuten(r) / 60;
    felder.minute = Sz_Minuten(r) % 60;
    felder.wochentage = Sz_Wochentage(r);
    felder.zustand = Sz_Schaltwert(r);
  }
  void Automatik_Schritt() override { ++automatik; }
  void Ansicht_Schaltzeiten() override { ++ansicht; }
  void Alleok_weiter() override { ++weiter; }
  void Schliessen() override {
    ++geschlossen;
    szFormState().AlleOk = 0;
    viewState().EingabeModus = 0;
  }
};

class Annahme : public ::testing::Test {
 protected:
  void SetUp() override {
    test::frisch();
    test::waehleSprache(1);
    test::waehleUhrentyp(240);
    szFormState() = SzFormState{};
    inputAutomation().AutoAktiv = 0;
  }
  // The rows of the display list lead to the records of the slot in order.
  void auswahl(int modus, int von, int bis, int speicher) {
    ViewState& v = viewState();
    v.EingabeModus = szFormState().Modus = static_cast<int16_t>(modus);
    v.AnzAnzeige = program().AnzGesamt[speicher];
    for (int z = 0; z < v.AnzAnzeige; ++z) v.ZeileZuSz[z] = static_cast<int16_t>(z);
    v.SelVon = static_cast<int16_t>(von);
    v.SelBis = static_cast<int16_t>(bis);
    ASSERT_TRUE(Merke_Auswahl(szFormState(), speicher));
    szFormState().AktZeile = static_cast<int16_t>(von);
  }
  const QString& letzte() const { return env.messages.back().text; }

  test::ScriptedEnvironment env;
  Formular form;
  ProgramState& p = program();
};

TEST_F(Annahme, NewEntryJoinsTheSwitchingTimesCountedAndShown) {
  const TSz pz = test::periodePz(5, 1, 9, 20, 4, 1);
  test::setzeSlot(0, {wochenSz(60, 1, 1, 1)}, {pz});
  viewState().AktAnsicht = 1;
  p.AktSpeicher = 1;
  form.felder = wochentag(8, 30, 1, 1, 1);
  cmdSzok(szFormState(), form);
  // Behind the switching times, before the priority time, which moves up by one.
  EXPECT_EQ(bytes(p.Sz[0][1]), (std::array<int, 6>{159, 224, 0, 1, 1, 1}));
  EXPECT_EQ(p.Sz[0][2], pz);
  EXPECT_EQ(p.AnzSz[0], 2);
  EXPECT_EQ(p.AnzGesamt[0], 3);
  EXPECT_EQ(p.Geaendert, 1);
  EXPECT_EQ(form.alt, 1);
  EXPECT_EQ(szFormState().AltSatz, 1);
  EXPECT_EQ(form.bestaetigt, 1);
  EXPECT_EQ(szFormState().EingabeArt, 1);
  EXPECT_TRUE(env.messages.empty());
  EXPECT_EQ(viewState().AktAnsicht, 0);
  EXPECT_EQ(p.AktSpeicher, 0);
  EXPECT_EQ(form.geschlossen, 0);
}

TEST_F(Annahme, RefusalsStoreNothingAndStopTheRun) {
  test::setzeSlot(0, {wochenSz(510, 1, 1, 1)}, {});
  SzFelder nurTag = wochentag(1, 0, 0, 1, 1);
  nurTag.tagText = QStringLiteral("5. ");
  const struct {
    SzFelder f;
    int kanalzahl;
    QString text;
  } faelle[] = {
      {nurTag, 4, texts().S_DatumWoch},
      {wochentag(1, 0, 1, 0, 1), 4, texts().S_KanaUnvo},
      {wochentag(1, 0, 1, -1, 1), 16, texts().S_KanaUnvo},
      {wochentag(8, 30, 1, 1, 1), 4, texts().S_SchaVorh},
  };
  for (const auto& c : faelle) {
    profile().Kanalzahl = static_cast<int16_t>(c.kanalzahl);
    szFormState().AlleOk = 1;
    viewState().AktAnsicht = 2;
    form.felder = c.f;
    const int beeps = env.beeps;
    cmdSzok(szFormState(), form);
    EXPECT_EQ(letzte(), c.text);
    EXPECT_EQ(env.messages.back().icon, Icon::Critical);
    EXPECT_EQ(env.beeps, beeps + 1);
    EXPECT_EQ(p.AnzGesamt[0], 1);
    EXPECT_EQ(szFormState().AlleOk, 0);
    EXPECT_EQ(viewState().AktAnsicht, 0);
  }
  EXPECT_EQ(form.weiter, 0);
  EXPECT_EQ(p.Geaendert, 0);
}

TEST_F(Annahme, OutOfRangeValueGoesBackToItsField) {
  form.felder = wochentag(99, 0, 1, 1, 1);
  cmdSzok(szFormState(), form);
  EXPECT_EQ(form.fokus, SzFeld::Stunde);
  EXPECT_EQ(env.beeps, 1);
  EXPECT_TRUE(env.messages.empty());
  EXPECT_EQ(p.AnzGesamt[0], 0);
  // A field the leave check refuses stops OK before anything is read.
  form.felder = wochentag(1, 0, 1, 1, 1);
  form.fokusfeldOk = false;
  cmdSzok(szFormState(), form);
  EXPECT_EQ(p.AnzGesamt[0], 0);
}

TEST_F(Annahme, ConflictQuestionsOverwriteOnYesOnly) {
  // Another channel is no duplicate; the first conflicting record decides.
  test::setzeSlot(0, {wochenSz(510, 1, 2, 1), wochenSz(510, 1, 1, 0), wochenSz(510, 1, 1, 0, 5)}, {});
  form.felder = wochentag(8, 30, 1, 1, 1);
  env.answer(Answer::No);
  cmdSzok(szFormState(), form);
  EXPECT_EQ(letzte(), texts().S_SchaExis);
  EXPECT_EQ(env.messages.back().buttons, Buttons::YesNo);
  EXPECT_EQ(env.messages.size(), 1u);
  EXPECT_EQ(Sz_Schaltwert(p.Sz[0][1]), 0);
  EXPECT_EQ(p.Geaendert, 0);
  env.answer(Answer::Yes);
  cmdSzok(szFormState(), form);
  EXPECT_EQ(Sz_Schaltwert(p.Sz[0][1]), 1);
  EXPECT_EQ(p.AnzGesamt[0], 3);
  EXPECT_EQ(p.Geaendert, 1);
  // A pulse stored at the same time asks the pulse question.
  test::setzeSlot(0, {wochenSz(510, 1, 1, 1, 5)}, {});
  env.answer(Answer::Yes);
  form.felder = wochentag(8, 30, 1, 1, 1, 7);
  cmdSzok(szFormState(), form);
  EXPECT_EQ(letzte(), texts().S_ImpuExis);
  EXPECT_EQ(Sz_Impuls(p.Sz[0][0]), 7);
  EXPECT_EQ(p.AnzGesamt[0], 1);
}

TEST_F(Annahme, CapacityInNewAndCopyMode) {
  profile().MaxSz = 3;
  test::setzeSlot(0, {wochenSz(1, 1, 1, 1), wochenSz(2, 1, 1, 1)}, {});
  inputAutomation().AutoAktiv = 1;
  form.felder = wochentag(8, 30, 1, 1, 1);
  cmdSzok(szFormState(), form);
  EXPECT_EQ(p.AnzGesamt[0], 3);
  EXPECT_EQ(letzte(), texts().S_KeinWeit);
  EXPECT_EQ(env.beeps, 0);
  EXPECT_EQ(form.geschlossen, 1);
  EXPECT_EQ(inputAutomation().AutoAktiv, 0);
  EXPECT_EQ(form.automatik, 0);
  EXPECT_TRUE(Speicher_voll_bei_Neu());

  // Copying into a full program stores nothing.
  test::setzeSlot(1, {wochenSz(700, 1, 1, 1)}, {});
  auswahl(2, 0, 0, 1);
  form.felder = wochentag(11, 40, 1, 1, 1);
  cmdSzok(szFormState(), form);
  EXPECT_EQ(p.AnzGesamt[0], 3);
  EXPECT_EQ(form.geschlossen, 2);
}

TEST_F(Annahme, ChangeRunWalksTheSnapshotAndEnds) {
  test::setzeSlot(0, {wochenSz(60, 1, 1, 1), wochenSz(120, 2, 1, 1), wochenSz(180, 4, 1, 1)}, {});
  auswahl(1, 0, 1, 0);
  // A redraw of the main window rebuilds the row map: the form keeps its own.
  viewState().ZeileZuSz[1] = 2;
  // A command for another form has set the mode meanwhile: this form stays in change mode.
  viewState().EingabeModus = 0;
  form.Zeige_Sz_in_Feldern(0, 0);
  form.felder.kanalfeld = 1;
  szFormState().AlleOk = 1;
  cmdSzok(szFormState(), form);
  EXPECT_TRUE(env.messages.empty());
  EXPECT_EQ(form.geladen.back(), std::make_pair(1, 0));
  EXPECT_EQ(form.weiter, 1);
  form.felder.zustand = 0;
  cmdSzok(szFormState(), form);
  EXPECT_EQ(Sz_Schaltwert(p.Sz[0][1]), 0);
  EXPECT_EQ(Sz_Schaltwert(p.Sz[0][2]), 1);
  EXPECT_EQ(p.AnzGesamt[0], 3);
  EXPECT_EQ(form.geschlossen, 1);
  EXPECT_EQ(viewState().EingabeModus, 0);
}

TEST_F(Annahme, ChangedRecordThatIsGoneEndsTheRun) {
  test::setzeSlot(0, {wochenSz(60, 1, 1, 1), wochenSz(120, 2, 1, 1)}, {});
  auswahl(1, 1, 1, 0);
  p.AnzSz[0] = p.AnzGesamt[0] = 1;
  form.felder = wochentag(3, 0, 1, 1, 1);
  cmdSzok(szFormState(), form);
  EXPECT_EQ(letzte(), QStringLiteral("Error : 9"));
  EXPECT_EQ(env.messages.back().icon, Icon::None);
  EXPECT_EQ(form.geschlossen, 1);
  EXPECT_EQ(Sz_Minuten(p.Sz[0][1]), 120);
}

TEST_F(Annahme, SelectionThatLeadsToNoSwitchingTimeIsRefused) {
  test::setzeSlot(0, {wochenSz(60, 1, 1, 1)}, {test::periodePz(5, 1, 9, 20, 4, 1)});
  ViewState& v = viewState();
  v.AnzAnzeige = 2;
  v.ZeileZuSz[0] = 0;
  v.ZeileZuSz[1] = 1;
  v.SelVon = 0;
  v.SelBis = 1;
  EXPECT_FALSE(Merke_Auswahl(szFormState(), 0));
  v.SelBis = 2;
  EXPECT_FALSE(Merke_Auswahl(szFormState(), 0));
  v.SelBis = 0;
  EXPECT_TRUE(Merke_Auswahl(szFormState(), 0));
}

TEST(Schaltzeitformular, ChannelPlans) {
  const struct {
    int kanalzahl, evu, mess;
    int zahl;
    std::array<bool, 4> sichtbar, angehakt, aktiv;
    bool kombi;
  } faelle[] = {
      {1, 0, 0, 1, {true, false, false, false}, {true, false, false, false}, {true, true, true, true}, false},
      {1, 1, 0, 1, {true, false, false, false}, {true, false, false, false}, {false, true, true, true}, false},
      {4, 1, 2, 4, {true, true, true, true}, {}, {true, false, true, true}, false},
      {3, 0, 2, 3, {true, true, true, false}, {}, {true, true, true, true}, false},
      {2, 0, 0, 2, {true, true, false, false}, {}, {true, true, true, true}, false},
      {6, 0, 0, 4, {true, true, true, true}, {}, {true, true, true, true}, false},
      {16, 0, 0, 16, {}, {}, {true, true, true, true}, true},
  };
  for (const auto& c : faelle) {
    const Kanalplan k = Kanalplan_fuer(c.kanalzahl, c.evu, c.mess);
    EXPECT_EQ(k.kanalzahl, c.zahl);
    EXPECT_EQ(k.kombi, c.kombi);
    for (int i = 0; i < 4; ++i) {
      EXPECT_EQ(k.sichtbar[i], c.sichtbar[static_cast<size_t>(i)]) << c.kanalzahl << " box " << i;
      EXPECT_EQ(k.angehakt[i], c.angehakt[static_cast<size_t>(i)]) << c.kanalzahl << " box " << i;
      EXPECT_EQ(k.aktiv[i], c.aktiv[static_cast<size_t>(i)]) << c.kanalzahl << " box " << i;
    }
  }
}

TEST(Schaltzeitformular, StoredRecordFrame) {
  test::frisch();
  test::waehleSprache(1);
  test::waehleUhrentyp(240);
  test::setzeSlot(0, {wochenSz(510, 3, 1, 1, 5, 2), datumSz(600, 24, 12, 2, 0, 0, true)},
                  {test::periodePz(5, 1, 9, 20, 4, 1)});
  const AltSzTexte w = AltSz_Texte(program().Sz[0][0]);
  EXPECT_EQ(w.imp, QStringLiteral("5  sec"));
  EXPECT_EQ(w.prio, texts().S_Prio + QStringLiteral(" 2"));
  const AltSzTexte d = AltSz_Texte(program().Sz[0][1]);
  EXPECT_EQ(d.prio, QStringLiteral(" "));
  EXPECT_TRUE(d.imp.isEmpty());
  EXPECT_TRUE(d.kan.endsWith(QStringLiteral("1x")));
}

}  // namespace
}  // namespace qv
