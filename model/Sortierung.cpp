#include "model/Sortierung.h"

namespace qv {

SortSelectors& sortSelectors() {
  static SortSelectors s;
  return s;
}

}  // namespace qv
