#pragma once
// The brand file "quorvel.sys" in the start directory: its first value begins with the code of the
// brand the program runs as.
#include <QString>
#include <optional>

namespace qv {

inline constexpr char kMarkendatei[] = "quorvel.sys";
// Shown (OK only, no icon) before the program ends when there is no valid brand file.
inline constexpr char kUnknownManufacturer[] = "unknown manufacturer";

// The brand 1..12 whose code the first three characters of value are, in one of its three
// accepted forms (KOL, Kol, kol); empty for anything else.
std::optional<int> brandNumberForCode(const QString& value);

// The brand named by the brand file; empty when the file is missing, unreadable, empty or names
// no brand, in which case the program ends with kUnknownManufacturer.
std::optional<int> readBrandFile();

}  // namespace qv
