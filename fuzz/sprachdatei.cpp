// A user text file ("*.ln1", kept as "speech.txt"); a file that is taken over must write back.
#include "fuzz/FuzzSupport.h"
#include "shell/Sprache.h"

QV_FUZZ_SETUP()

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  qv::Texts t;
  if (qv::leseSprachdatei(qv::fuzz::bytesOf(data, size), &t)) qv::sprachdateiBytes(t);
  return 0;
}
