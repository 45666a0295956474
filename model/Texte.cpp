#include "model/Texte.h"

namespace qv {

Texts& texts() {
  static Texts t;
  return t;
}

}  // namespace qv
