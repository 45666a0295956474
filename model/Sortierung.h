#pragma once
// Sorting a program slot: display order by the user's chosen selectors, or time order for the image.
#include <cstdint>
#include <optional>

#include "model/Zustand.h"

namespace qv {

struct SortSelectors {
  std::optional<int> SortArtSz;  // 1..9, empty until the first header click
  std::optional<int> SortArtPz;  // 1..6
};
SortSelectors& sortSelectors();

// Modus 1: display order (SzSortSchluessel); any other: time order. Stable.
void SortiereSz(int modus, int speicher);
int64_t SzSortSchluessel(const TSz& rec);

}  // namespace qv
