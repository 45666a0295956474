// A holiday file (".hdy"); a table it gives must encode again, and the holiday names of the
// Easter values must be found in it.
#include "fuzz/FuzzSupport.h"
#include "model/Feiertage.h"

QV_FUZZ_SETUP()

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  QString reason;
  const auto table = qv::decodeHolidayFile(qv::fuzz::bytesOf(data, size), &reason);
  if (!table) return 0;
  qv::encodeHolidayFile(*table);
  qv::holidayTable() = *table;
  for (int wert = 0; wert < 256; wert += 17) qv::Oster_Name(wert);
  qv::resetHolidayTable();
  return 0;
}
