// What the grid's mouse does to the views: sort keys from header clicks, the program-number
// jump and its return, and what a double click opens.
#include <gtest/gtest.h>

#include "model/Hooks.h"
#include "model/Sortierung.h"
#include "tests/views/ViewFixtures.h"
#include "views/Gridereignisse.h"
#include "views/Rahmenzustand.h"

using namespace qv;
using namespace qv::test;

namespace {

int fuellungen = 0;

void frischGrid(int uhrentyp) {
  frisch();
  resetFrameState();
  waehleUhrentyp(uhrentyp);
  sortSelectors() = SortSelectors{};
  fuellungen = 0;
  hooks().Fuelle_Grid = [](int) { ++fuellungen; };
}

}  // namespace

TEST(BefehlGridKopf, HeaderColumnsChooseTheSortKey) {
  frischGrid(309);
  EXPECT_TRUE(Spaltenkopf_geklickt(6));  // "Prio." without the pulse column
  EXPECT_EQ(sortSelectors().SortArtSz, 7);
  EXPECT_TRUE(Spaltenkopf_geklickt(3));
  EXPECT_EQ(sortSelectors().SortArtSz, 3);
  EXPECT_FALSE(Spaltenkopf_geklickt(0));
  viewState().AktAnsicht = 1;
  EXPECT_TRUE(Spaltenkopf_geklickt(2));
  EXPECT_EQ(sortSelectors().SortArtPz, 2);
  EXPECT_EQ(fuellungen, 3);
  viewState().AktAnsicht = 2;
  EXPECT_FALSE(Spaltenkopf_geklickt(2));
  frischGrid(240);
  EXPECT_TRUE(Spaltenkopf_geklickt(6));
  EXPECT_EQ(sortSelectors().SortArtSz, 6);
  hooks().Fuelle_Grid = nullptr;
}

TEST(BefehlGridSprung, ProgramNumberJumpAndReturn) {
  frischGrid(240);
  ViewState& v = viewState();
  EXPECT_EQ(Programmspalte(), 7);
  EXPECT_FALSE(Programmsprung(6, QStringLiteral("4")));
  EXPECT_TRUE(Programmsprung(7, QStringLiteral("4")));
  EXPECT_EQ(v.AktAnsicht, 1);
  EXPECT_EQ(v.filter.FilterProgVon, 4);
  EXPECT_EQ(v.filter.FilterProgBis, 4);
  EXPECT_EQ(v.filter.FilterAn, -1);
  EXPECT_TRUE(frameState().ProgSprung);
  EXPECT_TRUE(Sprung_zurueck());
  EXPECT_EQ(v.AktAnsicht, 0);
  EXPECT_EQ(v.filter.FilterProgVon, 0);
  EXPECT_EQ(v.filter.FilterProgBis, 10);
  EXPECT_EQ(v.filter.FilterAn, 0);
  EXPECT_FALSE(Sprung_zurueck());
  EXPECT_EQ(fuellungen, 2);

  // From the priority list back to the switching times; a permanent cell does not jump.
  v.AktAnsicht = 1;
  EXPECT_FALSE(Programmsprung(6, QStringLiteral("Perm.")));
  EXPECT_FALSE(Programmsprung(6, QString()));
  EXPECT_TRUE(Programmsprung(6, QStringLiteral("3")));
  EXPECT_EQ(v.AktAnsicht, 0);
  Sprung_zurueck();
  EXPECT_EQ(v.AktAnsicht, 1);

  // Not for the template, not from the switching list of type 280.
  program().AktSpeicher = 1;
  EXPECT_FALSE(Programmsprung(6, QStringLiteral("3")));
  frischGrid(280);
  EXPECT_EQ(Programmspalte(), -1);
  EXPECT_FALSE(Programmsprung(7, QStringLiteral("3")));
  hooks().Fuelle_Grid = nullptr;
}

TEST(BefehlGridDoppelklick, WhatADoubleClickOpens) {
  frischGrid(240);
  EXPECT_EQ(Doppelklick(QStringLiteral("  3")), Doppelklickaktion::Aendern);
  EXPECT_EQ(Doppelklick(QString()), Doppelklickaktion::NeuSz);
  program().AktSpeicher = 1;
  EXPECT_EQ(Doppelklick(QStringLiteral("  3")), Doppelklickaktion::Kopieren);
  EXPECT_EQ(Doppelklick(QString()), Doppelklickaktion::NeuSz);  // whatever the slot
  viewState().AktAnsicht = 1;
  EXPECT_EQ(Doppelklick(QString()), Doppelklickaktion::NeuPz);
  viewState().AktAnsicht = 2;
  EXPECT_EQ(Doppelklick(QString()), Doppelklickaktion::NeuSw);
  viewState().AktAnsicht = 3;
  EXPECT_EQ(Doppelklick(QStringLiteral("  1")), Doppelklickaktion::Astro);
  hooks().Fuelle_Grid = nullptr;
}
