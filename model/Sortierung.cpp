#include "model/Sortierung.h"

#include <algorithm>
#include <cstdlib>
#include <numeric>
#include <vector>

#include "model/Environment.h"
#include "model/Satz.h"

namespace qv {

SortSelectors& sortSelectors() {
  static SortSelectors s;
  return s;
}

namespace {

enum Field { MIN, PRIO, CHAN, X, DAY, PULSE, STATE, NOTASTRO, NOTSTATE, S, J, B, E, kFieldCount };

// Bits a field gets in the widened keys of value devices, wide enough for its whole range.
constexpr int kWidth[kFieldCount] = {11, 4, 4, 1, 9, 6, 8, 1, 8, 8, 8, 9, 9};

struct Term {
  Field field;
  int shift;  // position of the field in the classic key
};
using Row = std::vector<Term>;

// The display orders, most significant field first.
const Row& switchingRow(const std::optional<int>& art) {
  static const Row rows[10] = {
      {{CHAN, 25}, {PRIO, 21}, {DAY, 12}, {MIN, 1}, {STATE, 0}},  // default
      {{DAY, 21}, {MIN, 10}, {PRIO, 6}, {CHAN, 1}},
      {{MIN, 19}, {DAY, 10}, {PRIO, 6}, {CHAN, 1}},
      {{CHAN, 25}, {PRIO, 21}, {DAY, 12}, {MIN, 1}, {STATE, 0}},
      {{PULSE, 24}, {CHAN, 20}, {DAY, 11}, {MIN, 0}},
      {{X, 29}, {CHAN, 25}, {PRIO, 21}, {DAY, 12}, {MIN, 1}, {STATE, 0}},
      {{STATE, 29}, {CHAN, 25}, {PRIO, 21}, {DAY, 12}, {MIN, 1}, {X, 0}},
      {{PRIO, 26}, {CHAN, 22}, {DAY, 12}, {MIN, 1}, {STATE, 0}},
      {{MIN, 18}, {PRIO, 14}, {PULSE, 8}, {X, 7}, {NOTSTATE, 6}},
      {{NOTASTRO, 29}, {MIN, 17}, {PRIO, 13}, {PULSE, 7}, {X, 6}, {NOTSTATE, 5}},
  };
  const int a = art.value_or(0);
  return rows[(a >= 1 && a <= 9) ? a : 0];
}

const Row& priorityRow(const std::optional<int>& art) {
  static const Row rows[6] = {
      {{PRIO, 26}, {CHAN, 22}, {B, 13}, {J, 7}, {X, 4}, {S, 0}},  // 6 and default
      {{J, 23}, {B, 12}, {PRIO, 8}, {CHAN, 4}, {X, 1}, {S, 0}},
      {{J, 23}, {E, 12}, {PRIO, 8}, {CHAN, 4}, {X, 1}, {S, 0}},
      {{CHAN, 26}, {PRIO, 22}, {B, 13}, {J, 7}, {X, 4}, {S, 0}},
      {{X, 28}, {PRIO, 24}, {CHAN, 20}, {B, 11}, {J, 5}, {S, 0}},
      {{S, 28}, {PRIO, 24}, {CHAN, 22}, {B, 13}, {J, 7}, {X, 0}},
  };
  const int a = art.value_or(0);
  return rows[(a >= 1 && a <= 5) ? a : 0];
}

int lowestSetBit(int value, int bits, int none) {
  for (int k = 0; k < bits; ++k)
    if ((value >> k) & 1) return k;
  return none;
}

int channelIndex(const TSz& rec) {
  const int art = Sz_Art(rec);
  if (art >= 3 && art <= 5) return Sz_Kanal(rec);  // value devices: the channel number orders them
  if (profile().Uhrentyp == 280) return Sz_Kanal(rec);
  const int n = profile().Kanalzahl;
  return std::max(0, lowestSetBit(rec.w4, n, n - 1));
}

struct Fields {
  int v[kFieldCount]{};
  bool priority = false;
};

Fields computeFields(const TSz& rec, int currentYear) {
  Fields f;
  int* v = f.v;
  const bool weekday = (rec.w0 & 128) != 0;
  v[MIN] = Sz_Minuten(rec);
  f.priority = v[MIN] >= 1536;
  v[PRIO] = (!f.priority && !weekday) ? 10 : Sz_Prio(rec);
  v[CHAN] = channelIndex(rec);
  v[X] = Ist_Einmalig(rec);
  v[PULSE] = Sz_Impuls(rec);
  v[STATE] = Sz_Schaltwert(rec);
  v[NOTASTRO] = std::abs(Ist_AstroSz(rec) - 1);
  v[NOTSTATE] = std::abs(v[STATE] - 1);
  if (!f.priority) {
    v[DAY] = weekday ? lowestSetBit(rec.w3, 8, 8) : Sz_Monat(rec) * 32 + Sz_Tag(rec);
  } else {
    v[S] = v[PRIO] == 10 ? Sz_Schaltwert(rec) : 0;
    const bool bound = Pz_Datumsart(rec) == 3;
    const int y = bound ? Pz_Jahrcode(rec) + 1936 : currentYear;
    v[J] = bound ? (Pz_Jahrcode(rec) & 127) : currentYear - 1936;
    v[B] = Pz_Beginn_Monat(rec, y) * 32 + Pz_Beginn_Tag(rec, y);
    v[E] = Pz_Ende_Monat(rec, y) * 32 + Pz_Ende_Tag(rec, y);
  }
  return f;
}

// Family 0: the classic sums, held in 64 bits so that late years cannot overflow. Value
// devices carry values up to 255 in STATE and S, so their fields are packed side by side with
// full widths in the same order instead; the priority offset keeps them behind switching times.
int64_t displayKey(const TSz& rec, int currentYear) {
  if (rec.w0 == 255) return -1;
  const Fields f = computeFields(rec, currentYear);
  const Row& row = f.priority ? priorityRow(sortSelectors().SortArtPz) : switchingRow(sortSelectors().SortArtSz);
  if (profile().Geraetefamilie != 1) {
    int64_t key = f.priority ? (int64_t{1} << 30) : 0;
    for (const Term& t : row) key += int64_t{f.v[t.field]} << t.shift;
    return key;
  }
  int64_t key = 0;
  for (const Term& t : row) {
    const int64_t limit = (int64_t{1} << kWidth[t.field]) - 1;
    key = (key << kWidth[t.field]) | std::clamp<int64_t>(f.v[t.field], 0, limit);
  }
  return f.priority ? key + (int64_t{1} << 40) : key;
}

int64_t timeKey(const TSz& rec) { return (rec.w0 & 127) * 1024 + (rec.w1 >> 4) * 64 + (rec.w5 >> 2); }

}  // namespace

int64_t SzSortSchluessel(const TSz& rec) { return displayKey(rec, env().now().date().year()); }

void SortiereSz(int modus, int speicher) {
  if (speicher != 0 && speicher != 1) return;
  ProgramState& p = program();
  const int n = std::min<int>(p.AnzGesamt[speicher], kRecordsPerSlot);
  if (n <= 1) return;
  BusyCursor busy;
  TSz* records = p.Sz[speicher];
  const int year = env().now().date().year();
  std::vector<int64_t> keys(n);
  for (int i = 0; i < n; ++i) keys[i] = modus == 1 ? displayKey(records[i], year) : timeKey(records[i]);
  std::vector<int> order(n);
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return keys[a] < keys[b]; });
  std::vector<TSz> sorted(n);
  for (int i = 0; i < n; ++i) sorted[i] = records[order[i]];
  std::copy(sorted.begin(), sorted.end(), records);
}

}  // namespace qv
