// The infrared helper's answer "irtrans.msg": the code it starts with.
#include "fuzz/FuzzSupport.h"
#include "transfer/IRZugriff.h"

QV_FUZZ_SETUP()

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  qv::IR_Antwortcode(qv::fuzz::bytesOf(data, size));
  return 0;
}
