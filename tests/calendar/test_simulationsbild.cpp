// What the simulation window draws and shows: the day graphic's display list, the year strip's
// cells, scales and captions, the strip hit test, the caption text and the day steps.
#include <gtest/gtest.h>

#include <algorithm>

#include "calendar/Programmsimulation.h"
#include "calendar/Simulationsbild.h"
#include "model/Kalender.h"
#include "model/Zustand.h"
#include "shell/Sprache.h"
#include "tests/support/ScriptedEnvironment.h"

using namespace qv;
using Art = Zeichenschritt::Art;
using Rolle = Zeichenschritt::Rolle;

namespace {

class SimBild : public ::testing::Test {
 protected:
  void SetUp() override {
    resetAllState();
    Setze_TexteDeutsch();
    settings().Sprache = 1;
    profile().Uhrentyp = 240;
    profile().Kanalzahl = 4;
    profile().MaxSz = 324;
  }
  test::ScriptedEnvironment env;
};

Tagesmodell tagAus(std::initializer_list<TAbschnitt> abschnitte) {
  Tagesmodell m;
  for (const TAbschnitt& a : abschnitte) m.Abschnitt[m.AnzAbschnitte++] = a;
  return m;
}

// The steps of the state line: everything not on the ruler.
Zeichenliste zustandslinie(const Tagesbild& b) {
  Zeichenliste out;
  for (const Zeichenschritt& s : b.schritte)
    if (s.von.y() != kLineal || s.bis.y() != kLineal) out.push_back(s);
  // The ruler's ticks leave y = 50 too; they are the only steps that reach below 48.
  std::erase_if(out, [](const Zeichenschritt& s) { return std::max(s.von.y(), s.bis.y()) > 48; });
  return out;
}

int anzahl(const Zeichenliste& l, Art art) {
  return static_cast<int>(std::count_if(l.begin(), l.end(), [art](const Zeichenschritt& s) { return s.art == art; }));
}

}  // namespace

TEST_F(SimBild, HourLabelsAndStartFollowTheScrollBar) {
  struct Fall { int wert, start; const char* erste; const char* letzte; };
  for (const Fall& f : {Fall{1, 0, "0:00", "11:00"}, Fall{4, 0, "0:00", "11:00"}, Fall{5, 60, "1:00", "12:00"},
                        Fall{29, 420, "7:00", "18:00"}, Fall{49, 720, "12:00", "23:00"}}) {
    EXPECT_EQ(Startminute(f.wert), f.start) << f.wert;
    const auto texte = Stundenbeschriftung(f.wert);
    EXPECT_EQ(texte[0], QString::fromLatin1(f.erste));
    EXPECT_EQ(texte[11], QString::fromLatin1(f.letzte));
  }
}

TEST_F(SimBild, RulerHasQuarterHourStepsAndHourTicks) {
  const Tagesbild b = male_SZGrafik(tagAus({{0, 1440}}), 720, 0, Startfarben());
  int rechts = 0, runter4 = 0, runter2 = 0, hoch = 0;
  for (const Zeichenschritt& s : b.schritte) {
    if (s.von.y() != kLineal) continue;
    if (s.bis.y() == kLineal && s.bis.x() - s.von.x() == 15) ++rechts;
    if (s.bis.y() == kLineal + 4) ++runter4;
    if (s.bis.y() == kLineal + 2) ++runter2;
    if (s.bis.y() == kLineal - 4) ++hoch;
  }
  EXPECT_EQ(rechts, 96);
  EXPECT_EQ(runter4, 48);
  EXPECT_EQ(runter2, 48);
  EXPECT_EQ(hoch, 24);
  EXPECT_EQ(b.schritte.front().von, QPoint(-720, kLineal));  // drawn from 0:00 of the day
}

TEST_F(SimBild, StateLineLevelsAndSpikes) {
  const QRgb rot = qRgb(255, 0, 0), schwarz = qRgb(0, 0, 0);
  struct Fall {
    const char* name;
    Tagesmodell tag;
    Zeichenliste erwartet;
  };
  const Fall faelle[] = {
      {"off all day", tagAus({{0, 1440}}), {{Art::Linie, {0, 40}, {1440, 40}, Rolle::Vordergrund}}},
      {"on all day", tagAus({{1, 1440}}), {{Art::Linie, {0, 20}, {1440, 20}, Rolle::Vordergrund}}},
      {"on at 6:00",
       tagAus({{0, 360}, {1, 1080}}),
       {{Art::Linie, {0, 40}, {360, 40}, Rolle::Vordergrund},
        {Art::Linie, {360, 40}, {360, 20}, Rolle::Fest, schwarz},
        {Art::Linie, {360, 20}, {1440, 20}, Rolle::Vordergrund}}},
      {"on pulse over off",
       tagAus({{0, 600}, {3, 840}}),
       {{Art::Linie, {0, 40}, {600, 40}, Rolle::Vordergrund},
        {Art::Linie, {600, 40}, {600, 20}, Rolle::Fest, rot},
        {Art::Linie, {600, 20}, {600, 40}, Rolle::Fest, rot},
        {Art::Linie, {600, 40}, {1440, 40}, Rolle::Vordergrund}}},
      {"on pulse over on",
       tagAus({{1, 600}, {3, 840}}),
       {{Art::Linie, {0, 20}, {600, 20}, Rolle::Vordergrund}, {Art::Linie, {600, 20}, {1440, 20}, Rolle::Vordergrund}}},
  };
  for (const Fall& f : faelle) EXPECT_EQ(zustandslinie(male_SZGrafik(f.tag, 0, 0, Startfarben())), f.erwartet) << f.name;
}

TEST_F(SimBild, BackgroundIsTheProgramsLegendColour) {
  Farbtabelle farbe = Startfarben();
  EXPECT_EQ(male_SZGrafik(tagAus({{0, 1440}}), 0, 3, farbe).hintergrund, qRgb(0, 0, 255));
  farbe[3] = qRgb(1, 2, 3);
  EXPECT_EQ(male_SZGrafik(tagAus({{0, 1440}}), 0, 3, farbe).hintergrund, qRgb(1, 2, 3));
  EXPECT_EQ(male_SZGrafik(tagAus({{0, 1440}}), 0, 12, farbe).hintergrund, farbe[0]);  // no such program
  EXPECT_EQ(Startfarben()[10], qRgb(255, 0, 0));
  EXPECT_EQ(Startfarben()[11], qRgb(255, 255, 0));
  EXPECT_EQ(Startfarben()[2], qRgb(0x80, 0x80, 0xFF));
}

TEST_F(SimBild, StripCellsScalesAndCaptions) {
  Jahresprogramm kalender;
  const Jahresstreifen leap = male_PZGrafik(kalender, 2004, 4, 1, Startfarben());
  EXPECT_EQ(anzahl(leap.schritte, Art::Rahmen), 4 * 366);
  EXPECT_EQ(anzahl(male_PZGrafik(kalender, 2003, 4, 1, Startfarben()).schritte, Art::Rahmen), 4 * 365);
  EXPECT_EQ(anzahl(male_PZGrafik(kalender, 2003, 1, 1, Startfarben()).schritte, Art::Rahmen), 365);

  // February's scale: base line of 29 cells and 29 ticks; the 10th, 15th and 29th tick lengths.
  const QPoint feb = Monatsposition(1);
  const int y0 = feb.y() + 20;
  auto strich = [&](int x1, int y1, int x2, int y2) {
    const Zeichenschritt s{Art::Linie, {x1, y1}, {x2, y2}, Rolle::Vordergrund};
    return std::find(leap.schritte.begin(), leap.schritte.end(), s) != leap.schritte.end();
  };
  EXPECT_TRUE(strich(feb.x(), y0, feb.x() + 29 * kZellBreite, y0));
  EXPECT_TRUE(strich(feb.x() + 10 * kZellBreite, y0, feb.x() + 10 * kZellBreite, y0 - 6));
  EXPECT_TRUE(strich(feb.x() + 15 * kZellBreite, y0, feb.x() + 15 * kZellBreite, y0 - 4));
  EXPECT_TRUE(strich(feb.x() + 29 * kZellBreite, y0, feb.x() + 29 * kZellBreite, y0 - 2));
  EXPECT_FALSE(strich(feb.x() + 30 * kZellBreite, y0, feb.x() + 30 * kZellBreite, y0 - 6));
  EXPECT_EQ(leap.monate[1].text, QStringLiteral("Februar"));
  EXPECT_EQ(leap.monate[4].pos, QPoint(kStreifenX + 33 * kZellBreite, kStreifenY + 60 - 20));

  // One channel: only the first caption of each month row, on the left.
  const Jahresstreifen eins = male_PZGrafik(kalender, 2004, 1, 1, Startfarben());
  for (int i = 0; i < 16; ++i) EXPECT_EQ(eins.kanaele[i].sichtbar, i % 4 == 0) << i;
  EXPECT_EQ(eins.kanaele[8].pos, QPoint(kStreifenX - 22, kStreifenY + 120 - 1));
  // The 16-channel group 5..8 alternates left and right.
  const Jahresstreifen gruppe = male_PZGrafik(kalender, 2004, 16, 5, Startfarben());
  EXPECT_EQ(gruppe.kanaele[13].text, QStringLiteral("C6"));
  EXPECT_TRUE(gruppe.kanaele[15].sichtbar);
  EXPECT_EQ(gruppe.kanaele[15].pos, QPoint(kStreifenX + 98 * kZellBreite, kStreifenY + 180 + 30 - 1));
  EXPECT_EQ(gruppe.kanaele[0].text, QStringLiteral("C5"));
}

TEST_F(SimBild, CellFillFollowsTheProgramAndItsColour) {
  Jahresprogramm kalender;
  kalender.ProgTag[1][59] = kProgPermanentEin;  // 29 February 2004, channel row 1
  kalender.ProgTag[1][60] = kProgPermanentEin;
  Farbtabelle farbe = Startfarben();
  farbe[kProgPermanentEin] = qRgb(10, 20, 30);
  const Jahresstreifen st = male_PZGrafik(kalender, 2004, 4, 1, farbe);
  int neu = 0;
  for (const Zeichenschritt& s : st.schritte)
    if (s.art == Art::Fuellung && s.farbe == qRgb(10, 20, 30)) {
      ++neu;
      const QRect z(s.von - QPoint(1, 1), s.bis + QPoint(1, 1));
      EXPECT_TRUE(z == Zellrechteck(2, 29, 1) || z == Zellrechteck(3, 1, 1));
    }
  EXPECT_EQ(neu, 2);
}

TEST_F(SimBild, HitTestFindsEveryCellAndNothingElse) {
  for (int jahr : {2003, 2004})
    for (int d = 1; d <= (jahr == 2004 ? 366 : 365); ++d)
      for (int c = 0; c < 4; ++c) {
        const int m = Monat_aus_Jahrestag(d, jahr), t = Tag_aus_Jahrestag(d, jahr);
        const QRect z = Zellrechteck(m, t, c);
        EXPECT_EQ(Treffer_im_Streifen(z.left() + 3, z.top() + 4, jahr, 4), (Treffer{m, t, c}));
        EXPECT_EQ(Treffer_im_Streifen(z.left(), z.top(), jahr, 4), (Treffer{m, t, c}));
      }
  struct Fall { const char* name; int x, y, jahr, kanalzahl; };
  for (const Fall& f : {Fall{"31 April", Zellrechteck(4, 30, 0).left() + kZellBreite + 2, 115, 2004, 4},
                        Fall{"29 February 2003", Zellrechteck(2, 28, 0).left() + kZellBreite + 2, 52, 2003, 4},
                        Fall{"gap row 4", 60, kStreifenY + 4 * kZeilenabstand + 2, 2004, 4},
                        Fall{"gap row 5", 60, kStreifenY + 5 * kZeilenabstand + 2, 2004, 4},
                        Fall{"row beyond the channels", 60, kStreifenY + 2 * kZeilenabstand + 2, 2004, 2},
                        Fall{"left of the strip", kStreifenX - 1, 52, 2004, 4},
                        Fall{"above the strip", 60, kStreifenY - 1, 2004, 4},
                        Fall{"between blocks", kStreifenX + 32 * kZellBreite + 1, 52, 2004, 4},
                        Fall{"right of the strip", kStreifenX + 98 * kZellBreite + 1, 52, 2004, 4},
                        Fall{"below the strip", 60, kStreifenY + 22 * kZeilenabstand + 1, 2004, 4}})
    EXPECT_FALSE(Treffer_im_Streifen(f.x, f.y, f.jahr, f.kanalzahl)) << f.name;
}

TEST_F(SimBild, CaptionTexts) {
  EXPECT_EQ(Tageszeile(1, 1, 1, 2004, 0, 0), QStringLiteral("C1, Donnerstag 1. Januar 2004, P 0  Betriebsstunden: 0 h 00 Min"));
  EXPECT_EQ(Tageszeile(3, 29, 2, 2004, 10, 1440), QStringLiteral("C3, Sonntag 29. Februar 2004, P On  Betriebsstunden: 24 h 00 Min"));
  EXPECT_EQ(Tageszeile(1, 31, 12, 2005, 11, 75), QStringLiteral("C1, Samstag 31. Dezember 2005, P Off  Betriebsstunden: 1 h 15 Min"));
  EXPECT_FALSE(Tageszeile(1, 1, 1, 2004, 12, 0));
}

TEST_F(SimBild, DayNavigationStaysInTheYear) {
  Programmsimulation sim(1);
  struct Fall { int jahr, tag, monat; bool vor; bool geht; int neuTag, neuMonat; };
  for (const Fall& f : {Fall{2004, 1, 3, false, true, 29, 2}, Fall{2003, 1, 3, false, true, 28, 2},
                        Fall{2004, 1, 1, false, false, 1, 1}, Fall{2004, 31, 12, true, false, 31, 12},
                        Fall{2004, 31, 1, true, true, 1, 2}, Fall{2003, 28, 2, true, true, 1, 3},
                        Fall{2004, 30, 12, true, true, 31, 12}, Fall{2003, 30, 12, true, true, 31, 12}}) {
    sim.Jahr_waehlen(f.jahr);
    sim.SimTag = static_cast<int16_t>(f.tag);
    sim.SimMonat = static_cast<int16_t>(f.monat);
    EXPECT_EQ(f.vor ? sim.Folgetag() : sim.Vortag(), f.geht) << f.tag << '.' << f.monat << '.' << f.jahr;
    EXPECT_EQ(sim.SimTag, f.neuTag);
    EXPECT_EQ(sim.SimMonat, f.neuMonat);
  }
}
