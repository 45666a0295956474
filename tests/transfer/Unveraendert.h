#pragma once
// The check after a read that failed or was refused.
#include <gtest/gtest.h>

#include <algorithm>

#include "model/Zustand.h"

namespace qv::test {

// After a failed read: slot 0 as it was before, with its name and flags.
inline void erwarteUnveraendert(const ProgramState& vorher) {
  const ProgramState& p = program();
  EXPECT_EQ(p.AnzSz[0], vorher.AnzSz[0]);
  EXPECT_EQ(p.AnzGesamt[0], vorher.AnzGesamt[0]);
  EXPECT_EQ(p.AnzSw[0], vorher.AnzSw[0]);
  EXPECT_TRUE(std::equal(std::begin(p.Sz[0]), std::end(p.Sz[0]), std::begin(vorher.Sz[0])));
  EXPECT_EQ(p.Dateiname[0], vorher.Dateiname[0]);
  EXPECT_EQ(p.Verwendung[0], vorher.Verwendung[0]);
  EXPECT_EQ(p.HatDateiname, vorher.HatDateiname);
  EXPECT_EQ(p.Geaendert, vorher.Geaendert);
}

}  // namespace qv::test
