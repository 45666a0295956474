#include "shell/Markendatei.h"

#include "model/ValueFile.h"
#include "shell/Marken.h"
#include "shell/Startverzeichnis.h"

namespace qv {

std::optional<int> brandNumberForCode(const QString& value) {
  const QString code = value.left(3);
  if (code.size() < 3) return std::nullopt;
  for (int marke = 1; marke <= kBrandCount; ++marke) {
    const QString upper = QString::fromLatin1(brandRow(marke)->code);
    const QString lower = upper.toLower();
    const QString capital = upper.left(1) + lower.mid(1);
    if (code == upper || code == capital || code == lower) return marke;
  }
  return std::nullopt;
}

std::optional<int> readBrandFile() {
  auto reader = ValueReader::open(fileNameIgnoringCase(QString::fromLatin1(kMarkendatei)));
  if (!reader) return std::nullopt;
  const auto first = reader->nextValue();
  if (!first) return std::nullopt;
  return brandNumberForCode(*first);
}

}  // namespace qv
