// The memory-key helper's answer "card.msg": code and address, and the message each code gives.
#include "fuzz/FuzzSupport.h"
#include "transfer/Austauschdateien.h"

QV_FUZZ_SETUP()

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto antwort = qv::Lies_Kartenantwort(qv::fuzz::bytesOf(data, size));
  if (antwort)
    for (int lpt = 1; lpt <= 6; ++lpt) qv::Kartenantwort_Text(*antwort, lpt);
  return 0;
}
