#include "shell/Texttabelle.h"

#include <iterator>

namespace qv {

const std::vector<TextRow>& textRows() {
  static const std::vector<TextRow> rows = [] {
    std::vector<TextRow> all(std::begin(detail::kTextRows1), std::end(detail::kTextRows1));
    all.insert(all.end(), std::begin(detail::kTextRows2), std::end(detail::kTextRows2));
    return all;
  }();
  return rows;
}

#define C(n, de, en) {#n, &Texts::n, de, en}

const std::vector<ChipRow>& chipRows() {
  static const std::vector<ChipRow> rows = {
      C(S_ZugrNichtErfo, "Zugriff auf Speicherchip nicht erfolgreich", "Access to memory chip not successful"),
      C(S_ZugrBeendet, "Zugriff auf Speicherchip beendet", "Access to memory chip finished"),
      C(S_ZugrChip, "Zugriff auf Speicherchip", "Access to memory chip"),
      C(S_KeinChipAdapter, "Kein Speicherchip im Programmieradapter", "No memory chip in programming adapter"),
      C(S_mnuChipProg, "Speicherchip &programmieren", "&Program memory chip"),
      C(S_mnuChipLesen, "Speicherchip &lesen", "&Read memory chip"),
      C(S_leseChip, "lese Speicherchip", "reading memory chip"),
      C(S_schreibeChip, "schreibe in Speicherchip :", "writing to memory chip :"),
      C(S_KeinChipAdapter2, "Kein Speicherchip im Programmieradapter", "No memory chip in programming adapter"),
      C(S_ChipAntwNicht, "Speicherchip antwortet nicht", "No answer from memory chip"),
      C(S_KeineAstr, nullptr, "No astro times present! Export to memory chip anyway ?"),
  };
  return rows;
}

#undef C

}  // namespace qv
