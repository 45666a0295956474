// The transfer request "quorvel.msg" the serial transfer reads back; a request it takes must
// write again.
#include "fuzz/FuzzSupport.h"
#include "transfer/Austauschdateien.h"

QV_FUZZ_SETUP()

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (const auto anfrage = qv::Lies_Anfrage(qv::fuzz::bytesOf(data, size))) qv::Schreibe_Anfrage(*anfrage);
  return 0;
}
