// The input automation: its arithmetic and the steps of both forms over stand-in fields.
#include <gtest/gtest.h>

#include <QStringList>

#include "entry/Eingabeautomatik.h"
#include "model/Automatikeinstellung.h"
#include "shell/Sprache.h"

using namespace qv;

namespace {

// A day list and a month list; the month click moves a too large day back as the forms do.
struct Felder : Datumsfelder {
  int monat = 0, tag = 0;
  QStringList spur;
  int monatPos() const override { return monat; }
  int tagPos() const override { return tag; }
  void waehleMonat(int p) override {
    if (p != monat) spur << QStringLiteral("M%1").arg(p);
    monat = p;
  }
  void waehleTag(int p) override { tag = p; }
  void monatKlick() override {
    if (monat == 1 && tag > 28) tag = 28;
    if ((monat == 3 || monat == 5 || monat == 8 || monat == 10) && tag > 29) tag = 29;
  }
  void tagKlick() override {}
};

struct SzFelder : SzAutomatikFelder {
  bool ein = false;
  int minute = 0, stunde = 0, art = 1, wochentag = 0, prio = 0, prioN = 10;
  Felder d;
  void cmdEinAus_Click() override { ein = !ein; }
  int minutePos() const override { return minute; }
  void waehleMinute(int p) override { minute = p; }
  int stundePos() const override { return stunde; }
  void waehleStunde(int p) override { stunde = p; }
  int eingabeArt() const override { return art; }
  void Wochentage_weiter() override { wochentag = (wochentag + 1) % 7; }
  int prioPos() const override { return prio; }
  int prioAnzahl() const override { return prioN; }
  void waehlePrio(int p) override { prio = p; }
  Datumsfelder& datum() override { return d; }
};

struct PzFelder : PzAutomatikFelder {
  bool ein = false, bindung = false;
  int prio = 0, prioN = 10;
  Felder v, b;
  void cmdEinAus_Click() override { ein = !ein; }
  int prioPos() const override { return prio; }
  int prioAnzahl() const override { return prioN; }
  void waehlePrio(int p) override { prio = p; }
  bool feiertagsbindung() const override { return bindung; }
  Datumsfelder& von() override { return v; }
  Datumsfelder& bis() override { return b; }
};

InputAutomation schritte(int min, int std, int tag = 0) {
  InputAutomation a;
  a.IncMin = static_cast<int16_t>(min);
  a.IncStd = static_cast<int16_t>(std);
  a.IncTag = static_cast<int16_t>(tag);
  return a;
}

TEST(Automatik, TimeStepCarries) {
  struct {
    int m, h, im, ih, em, eh, carry;
  } faelle[] = {{50, 23, 15, 0, 5, 0, 1}, {30, 10, 45, 13, 15, 0, 1}, {0, 0, 1, 0, 1, 0, 0}, {59, 22, 1, 0, 0, 23, 0}};
  for (const auto& f : faelle) {
    const Zeitschritt z = Zeit_weiter(f.m, f.h, f.im, f.ih);
    EXPECT_EQ(z.minute, f.em);
    EXPECT_EQ(z.stunde, f.eh);
    EXPECT_EQ(z.uebertrag, f.carry);
  }
}

TEST(Automatik, DayCarry) {
  struct {
    int monat, tag, plus, jahr, emonat, etag;
  } faelle[] = {
      {11, 30, 1, 2025, 0, 0},    // 31 Dec + 1: 1 January of the same entry
      {1, 27, 1, 2024, 1, 28},    // 28 Feb + 1: 29 Feb when today's year is divisible by 4
      {1, 27, 1, 2025, 2, 0},     // else 1 March
      {0, 0, 364, 2025, 11, 30},  // 1 Jan + 364: 31 Dec
      {0, 0, 364, 2024, 11, 29},  // 30 Dec in a year divisible by 4
  };
  for (const auto& f : faelle) {
    Felder d;
    d.monat = f.monat;
    d.tag = f.tag;
    Tag_Ueberlauf(d.tag + 1 + f.plus, d, f.jahr);
    EXPECT_EQ(d.monat, f.emonat);
    EXPECT_EQ(d.tag, f.etag);
  }
}

TEST(Automatik, SwitchingTimeStep) {
  // 23:50 on Monday plus 15 minutes: 00:05 on Tuesday, Wednesday with the weekday step on.
  SzFelder f;
  f.minute = 50;
  f.stunde = 23;
  InputAutomation a = schritte(15, 0);
  a.IncZustand = 1;
  Automatik_Schritt_Sz(f, a, 2025);
  EXPECT_EQ(f.minute, 5);
  EXPECT_EQ(f.stunde, 0);
  EXPECT_EQ(f.wochentag, 1);
  EXPECT_TRUE(f.ein);
  SzFelder g;
  g.minute = 50;
  g.stunde = 23;
  a.IncWtag = 1;
  Automatik_Schritt_Sz(g, a, 2025);
  EXPECT_EQ(g.wochentag, 2);

  // 10:30 + 45 min + 13 h on 5 March: 00:15 on 6 March.
  SzFelder d;
  d.art = 2;
  d.minute = 30;
  d.stunde = 10;
  d.d.monat = 2;
  d.d.tag = 4;
  Automatik_Schritt_Sz(d, schritte(45, 13), 2025);
  EXPECT_EQ(d.minute, 15);
  EXPECT_EQ(d.stunde, 0);
  EXPECT_EQ(d.d.tag, 5);
  EXPECT_EQ(d.d.monat, 2);

  // Nothing chosen yet takes the date branch; 31 January with the month step: 29 February.
  SzFelder n;
  n.art = 0;
  n.d.tag = 30;
  InputAutomation m = schritte(0, 0);
  m.IncMon = 1;
  Automatik_Schritt_Sz(n, m, 2025);
  EXPECT_EQ(n.d.monat, 1);
  EXPECT_EQ(n.d.tag, 28);

  // The program steps from "keine" to P1 and stays on the last one.
  InputAutomation p = schritte(0, 0);
  p.IncPrio = 1;
  SzFelder k;
  Automatik_Schritt_Sz(k, p, 2025);
  EXPECT_EQ(k.prio, 1);
  k.prio = 9;
  Automatik_Schritt_Sz(k, p, 2025);
  EXPECT_EQ(k.prio, 9);
}

TEST(Automatik, PriorityTimeStep) {
  // 20 to 31 December plus 15 days: 4 to 15 January.
  PzFelder f;
  f.v.monat = 11;
  f.v.tag = 19;
  f.b.monat = 11;
  f.b.tag = 30;
  Automatik_Schritt_Pz(f, schritte(0, 0, 15), 2025);
  EXPECT_EQ(f.v.monat, 0);
  EXPECT_EQ(f.v.tag, 3);
  EXPECT_EQ(f.b.monat, 0);
  EXPECT_EQ(f.b.tag, 14);

  InputAutomation a = schritte(0, 0);
  a.IncPrio = 1;
  a.IncZustand = 1;
  // Programs step up to P9, never onto Permanent.
  PzFelder p;
  p.prio = 8;
  Automatik_Schritt_Pz(p, a, 2025);
  EXPECT_EQ(p.prio, 8);
  p.prio = 7;
  Automatik_Schritt_Pz(p, a, 2025);
  EXPECT_EQ(p.prio, 8);
  // On Permanent the state toggles on family 0 (position 9), never on family 1 (position 7).
  p.prio = 9;
  Automatik_Schritt_Pz(p, a, 2025);
  EXPECT_TRUE(p.ein);
  EXPECT_EQ(p.prio, 9);
  PzFelder f1;
  f1.prioN = 8;
  f1.prio = 7;
  Automatik_Schritt_Pz(f1, a, 2025);
  EXPECT_FALSE(f1.ein);
  EXPECT_EQ(f1.prio, 7);
  // With the holiday binding only the program step runs.
  PzFelder h;
  h.bindung = true;
  h.v.tag = 4;
  Automatik_Schritt_Pz(h, schritte(0, 0, 3), 2025);
  EXPECT_EQ(h.v.tag, 4);

  // The month step moves both months; the to-day is fitted to the new to-month.
  PzFelder m;
  m.v.monat = 0;
  m.b.monat = 2;
  m.b.tag = 30;
  InputAutomation mon = schritte(0, 0);
  mon.IncMon = 1;
  Automatik_Schritt_Pz(m, mon, 2025);
  EXPECT_EQ(m.v.monat, 1);
  EXPECT_EQ(m.b.monat, 3);
  EXPECT_EQ(m.b.tag, 29);
}

TEST(Automatik, DialogValues) {
  EXPECT_EQ(Ziffer_eingeben(50, 9, 59), std::nullopt);
  EXPECT_EQ(Ziffer_eingeben(100, 3, 364), 103);
  EXPECT_EQ(Ziffer_eingeben(37, 2, 59), 32);
  EXPECT_EQ(Ziffer_eingeben(20, 3, 23), std::nullopt);
  Setze_TexteDeutsch();
  EXPECT_EQ(Minutentext(1), QStringLiteral("1 Minute"));
  EXPECT_EQ(Minutentext(15), QStringLiteral("15 Minuten"));
  EXPECT_EQ(Stundentext(0), QStringLiteral("0 Stunden"));
  EXPECT_EQ(Tagetext(10), QStringLiteral("10 Tage (nur Datum) "));
  EXPECT_EQ(Werttext(5), QStringLiteral("Zust.:   5"));
}

// Each value changed in the dialog stays changed when it is active again, after a read brought
// other settings; every other value follows those.
TEST(Automatik, DialogKeepsEachChangedValue) {
  using A = InputAutomation;
  for (int16_t A::*feld : {&A::IncMin, &A::IncStd, &A::IncTag, &A::IncMon, &A::IncWtag, &A::IncPrio, &A::IncZustand,
                           &A::SwRegelVon, &A::SwRegelBis, &A::SwWtagVon, &A::SwWtagBis}) {
    inputAutomation() = A{};
    setInputAutomationStartValues();
    A gezeigt = inputAutomation();
    A jetzt = gezeigt;
    jetzt.*feld = 2;
    inputAutomation().IncStd = 3;  // meanwhile
    const A neu = Nachgefuehrte_Automatik(gezeigt, jetzt);
    EXPECT_EQ(neu.*feld, 2);
    EXPECT_EQ(neu.IncStd, feld == &A::IncStd ? 2 : 3);
    EXPECT_NE(gezeigt.*feld, neu.*feld);  // and still counts as changed at OK
  }
}

}  // namespace
