// A program file (".qvl") read into either slot on every clock type; whatever is loaded must
// encode again into an image.
#include "fuzz/FuzzSupport.h"
#include "model/Abbild.h"
#include "model/Programmleser.h"

QV_FUZZ_SETUP()

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString path = qv::fuzz::writeInput("programm.qvl", data, size);
  for (int typ : qv::fuzz::kClockTypes) {
    for (int slot : {0, 1}) {
      qv::fuzz::useClockType(typ);
      if (qv::LeseProgrammDatei(path, 0, slot) == qv::LeseErgebnis::Geladen && slot == 0) qv::Kodiere_Abbild();
    }
  }
  return 0;
}
