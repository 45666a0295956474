// The brand file "quorvel.sys" in the start directory.
#include "fuzz/FuzzSupport.h"
#include "shell/Markendatei.h"

QV_FUZZ_SETUP()

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  qv::fuzz::writeInput(qv::kMarkendatei, data, size);
  qv::readBrandFile();
  return 0;
}
