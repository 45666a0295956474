#pragma once
// Number parsing the way the program's text files were always read:
// leading blanks skipped, the longest numeric prefix taken, anything else is 0.
#include <QString>
#include <cstdint>
#include <optional>

namespace qv {

// Val(): blanks, tabs and line feeds inside the number are skipped; "&H" and "&O"
// prefixes read hexadecimal and octal; "12abc" gives 12, "abc" gives 0.
double Val(const QString& text);

// CInt(): round half to even into a 16-bit integer; empty when out of range.
std::optional<int16_t> CInt(double value);

// Whole-number reading of a stored field: the value must be an integer inside [lo, hi].
std::optional<int> parseIntIn(const QString& text, int lo, int hi);

}  // namespace qv
