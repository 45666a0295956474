// The key-transfer image "card.dat": the values only, read without texts on every clock type;
// whatever is loaded must encode again into an image.
#include "fuzz/FuzzSupport.h"
#include "model/Abbild.h"
#include "model/Programmleser.h"

QV_FUZZ_SETUP()

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString path = qv::fuzz::writeInput("card.dat", data, size);
  for (int typ : qv::fuzz::kClockTypes) {
    qv::fuzz::useClockType(typ);
    if (qv::LeseProgrammDatei(path, 1, 0) == qv::LeseErgebnis::Geladen) qv::Kodiere_Abbild();
  }
  return 0;
}
