// The settings file "quorvel.ini" read back into the profile and the device settings.
#include "fuzz/FuzzSupport.h"
#include "model/Zustand.h"
#include "shell/Einstellungsdatei.h"

QV_FUZZ_SETUP()

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  qv::resetAllState();
  qv::readSettings(qv::fuzz::bytesOf(data, size));
  qv::settingsFileBytes(qv::settingsFromGlobals());
  return 0;
}
