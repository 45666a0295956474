#pragma once
// The built-in text tables: one row per text global with its German, English and French wording.
// The rows stand in the line order of the user text file, so the table also gives that order.
#include <QString>
#include <vector>

#include "model/Texte.h"

namespace qv {

enum TextLanguage { kDeutsch = 0, kEnglisch = 1, kFranzoesisch = 2 };
inline constexpr int kBuiltInLanguages = 3;

struct TextRow {
  const char* name;
  QString Texts::*member;
  // UTF-8 wording by TextLanguage; nullptr where that language leaves the global as it is.
  const char* text[kBuiltInLanguages];
};

// FtDatei, OrtDatei, then the 419 texts, in file order. The user text file holds S_Feiertage2 a
// second time (see kSprachdateiWiederholung); its row stands at the first place.
inline constexpr int kTextRowCount = 421;
const std::vector<TextRow>& textRows();

// Brand group 5 sells the product as a memory chip: these texts take that wording instead of the
// product word. French has one wording for every brand.
struct ChipRow {
  const char* name;
  QString Texts::*member;
  const char* de;  // nullptr: the German text has no product word
  const char* en;
};
const std::vector<ChipRow>& chipRows();

namespace detail {
// The table is kept in two halves so that neither source file grows too long.
inline constexpr int kTextRowsFirstHalf = 210;
extern const TextRow kTextRows1[kTextRowsFirstHalf];
extern const TextRow kTextRows2[kTextRowCount - kTextRowsFirstHalf];
}  // namespace detail

}  // namespace qv
