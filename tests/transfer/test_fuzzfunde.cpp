// Inputs the fuzz targets found a fault with, kept under tests/data/transfer/fuzz/: each must now
// give its reader's ordinary answer (the sanitizer build checks that nothing undefined happens).
#include <gtest/gtest.h>

#include <limits>

#include "tests/support/StartDir.h"
#include "transfer/IRZugriff.h"

using namespace qv;

TEST(Fuzzfunde, InfraredAnswerCodes) {
  const struct {
    const char* datei;
    std::optional<int> code;
  } faelle[] = {
      // A code beyond int stands at the end of the range: no code the transfer knows.
      {"irtrans_code_zu_gross.msg", std::numeric_limits<int>::max()},
  };
  for (const auto& f : faelle)
    EXPECT_EQ(IR_Antwortcode(test::testData(QStringLiteral("transfer/fuzz/") + f.datei)), f.code) << f.datei;
  EXPECT_EQ(IR_Antwortcode("-99999999999"), std::numeric_limits<int>::min());
  EXPECT_EQ(IR_Antwortcode(" 3 \r\n"), 3);
  EXPECT_EQ(IR_Antwortcode("x"), std::nullopt);
}
