#include "model/Programmwechsel.h"

namespace qv {

ProgramEvents& programEvents() {
  static ProgramEvents e;
  return e;
}

}  // namespace qv
