// A place file (".ord"); the places it gives must encode again and take a new place.
#include "fuzz/FuzzSupport.h"
#include "calendar/Orte.h"

QV_FUZZ_SETUP()

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  int error = 0;
  auto places = qv::decodePlaceFile(qv::fuzz::bytesOf(data, size), &error);
  if (!places) return 0;
  qv::encodePlaceFile(*places);
  qv::preselectedPlace(*places, qv::PlaceCodes{});
  if (places->size() < qv::kMaxPlaces) qv::storePlace(*places, QStringLiteral("Neu"), qv::PlaceCodes{});
  return 0;
}
