#include "model/Hooks.h"

namespace qv {

WindowHooks& hooks() {
  static WindowHooks h;
  return h;
}

}  // namespace qv
