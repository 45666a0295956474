#include "model/Marke.h"

namespace qv {

Brand& brand() {
  static Brand b;
  return b;
}

}  // namespace qv
