// The saved application of a bus clock ("appl.old"); values it gives must write again.
#include "fuzz/FuzzSupport.h"
#include "transfer/EibApplikation.h"

QV_FUZZ_SETUP()

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (const auto werte = qv::Lies_Applikationsdatei(qv::fuzz::bytesOf(data, size)))
    qv::Applikationsdatei_Text(*werte);
  return 0;
}
