#include "model/Satz.h"

#include <algorithm>

#include "model/Kalender.h"

namespace qv {
namespace {

bool familyOne() { return profile().Geraetefamilie == 1; }
bool sixteenChannelType() { return profile().Uhrentyp == 280; }

int bit(int wert, int n) { return (wert >> n) & 1; }

bool validSlot(int speicher) { return speicher == 0 || speicher == 1; }

// The records of slot 0 that belong to the program, clamped to the table.
int usedRecords0() {
  const int n = program().AnzGesamt[0];
  return n < 0 ? 0 : (n > kRecordsPerSlot ? kRecordsPerSlot : n);
}

}  // namespace

int Bit_Feld(int von, int bis, int wert) {
  if (von < 0 || bis < von || von > 30) return 0;
  const int width = bis - von + 1;
  // Division rounds toward minus infinity, the remainder keeps the sign of the quotient.
  const int quotient = wert >= 0 ? (wert >> von) : -((-wert + (1 << von) - 1) >> von);
  if (width >= 31) return quotient;
  return quotient % (1 << width);
}

int Sz_Art(const TSz& rec) {
  static constexpr int kKind[2][8] = {{1, 1, 1, 2, 0, 0, 0, 6}, {4, 4, 4, 5, 3, 3, 3, 6}};
  return kKind[familyOne() ? 1 : 0][rec.w0 >> 5];
}

int Sz_Minuten(const TSz& rec) { return (rec.w0 % 128) * 16 + rec.w1 / 16; }
int Sz_Monat(const TSz& rec) { return rec.w1 % 16; }
int Sz_Tag(const TSz& rec) { return rec.w3 % 32; }
int Sz_Wochentage(const TSz& rec) { return bit(rec.w0, 7) ? (rec.w3 & 127) : 0; }
int Sz_Impuls(const TSz& rec) { return rec.w5 / 4; }

int Sz_Prio(const TSz& rec) {
  switch (Sz_Art(rec)) {
    case 0:
    case 2: return rec.w1 & 15;
    case 3: return rec.w1 & 7;
    case 5: {
      const int p = rec.w1 & 15;
      return p == 8 ? 10 : p;
    }
    default: return 0;
  }
}

int Sz_Kanal(const TSz& rec) {
  switch (Sz_Art(rec)) {
    case 0:
    case 1:
    case 2: return rec.w4 & 15;
    case 3: return bit(rec.w1, 3) * 4 + (rec.w5 & 3) + 1;
    case 4: return bit(rec.w3, 5) * 4 + (rec.w5 & 3) + 1;
    case 5: return rec.w5 & 15;
    default: return 0;
  }
}

int Sz_Zustand(const TSz& rec) {
  switch (Sz_Art(rec)) {
    case 0:
    case 1: return rec.w5 & 1;
    case 2: return Sz_Prio(rec) == 10 ? (rec.w5 & 1) : 0;
    default: return 0;
  }
}

int Sz_Schaltwert(const TSz& rec) {
  switch (Sz_Art(rec)) {
    case 0:
    case 1: return rec.w5 & 1;
    case 2: return Sz_Prio(rec) == 10 ? (rec.w5 & 1) : 0;
    case 3:
    case 4: return rec.w4;
    case 5: return Sz_Prio(rec) == 10 ? rec.w4 : 0;
    default: return 0;
  }
}

int Ist_AstroSz(const TSz& rec) {
  const int art = Sz_Art(rec);
  return (art == 0 || art == 1) ? bit(rec.w4, 4) : 0;
}

int Ist_Einmalig(const TSz& rec) {
  switch (Sz_Art(rec)) {
    case 1:
    case 2:
    case 4:
    case 5: return bit(rec.w3, 6);
    default: return 0;
  }
}

int Pz_Jahrcode(const TSz& rec) { return ((rec.w5 >> 1) & 7) * 16 + (rec.w4 >> 4); }

int Pz_Datumsart(const TSz& rec) {
  if (rec.w0 == 96) return 2;
  if (!bit(rec.w3, 6)) return 0;
  return Pz_Jahrcode(rec) != 0 ? 3 : 1;
}

int Pz_Osterwert(const TSz& rec) { return (rec.w1 >> 4) * 16 + (rec.w5 >> 4); }
int Pz_Osterabstand(const TSz& rec) { return Pz_Osterwert(rec) - 82; }

namespace {

// Day number of an Easter-relative record in jahr; below 1 when the offset reaches into the
// previous year (callers get month 1 and that day number then).
int easterDay(const TSz& rec, int jahr) { return Rechne_Ostern(jahr) + Pz_Osterabstand(rec); }

int easterMonth(const TSz& rec, int jahr) { return Monat_aus_Jahrestag(easterDay(rec, jahr), jahr); }

int easterDayOfMonth(const TSz& rec, int jahr) {
  const int d = easterDay(rec, jahr);
  return d - Tage_bis_Monatsende(Monat_aus_Jahrestag(d, jahr) - 1, jahr);
}

}  // namespace

int Pz_Beginn_Monat(const TSz& rec, int jahr) {
  if (Pz_Datumsart(rec) == 2) return easterMonth(rec, jahr);
  return (rec.w0 >> 1) & 15;
}

int Pz_Beginn_Tag(const TSz& rec, int jahr) {
  if (Pz_Datumsart(rec) == 2) return easterDayOfMonth(rec, jahr);
  return bit(rec.w0, 0) * 16 + (rec.w1 >> 4);
}

int Pz_Ende_Monat(const TSz& rec, int jahr) {
  if (Pz_Datumsart(rec) == 2) return easterMonth(rec, jahr);
  return rec.w5 >> 4;
}

int Pz_Ende_Tag(const TSz& rec, int jahr) {
  if (Pz_Datumsart(rec) == 2) return easterDayOfMonth(rec, jahr);
  return rec.w3 & 31;
}

int Kanal_gesetzt(int kanal, const TSz& rec) {
  const int art = Sz_Art(rec);
  // Value devices keep one channel number per record, not a set; a priority time keeps it less one.
  if (art == 5) return Sz_Kanal(rec) + 1 == kanal ? 1 : 0;
  if (art >= 3 && art <= 4) return Sz_Kanal(rec) == kanal ? 1 : 0;
  if (sixteenChannelType()) return Sz_Kanal(rec) == kanal - 1 ? 1 : 0;
  if (kanal < 1 || kanal > 16) return 0;
  return bit(Sz_Kanal(rec), kanal - 1);
}

int Wochentag_gesetzt(int tag, const TSz& rec) {
  if (tag < 1 || tag > 7) return 0;
  return bit(Sz_Wochentage(rec), tag - 1);
}

int Datum_passt(int tag, int monat, const TSz& rec) {
  return (Sz_Tag(rec) == tag && Sz_Monat(rec) == monat) ? 1 : 0;
}

int Maximum(int a, int b) { return a > b ? a : b; }

void Loesche_Sz(int nr, int speicher) {
  if (!validSlot(speicher) || nr < 0 || nr >= kRecordsPerSlot) return;
  program().Sz[speicher][nr] = TSz{};
}

void Loesche_SoWiEintrag(int nr, int speicher) {
  if (!validSlot(speicher) || nr < 0 || nr >= kSwEntries) return;
  program().SwTab[speicher][nr] = TSwEintrag{};
}

int Fuege_Schaltzeit_ein(int speicher, const TSz& rec) {
  if (!validSlot(speicher)) return -1;
  ProgramState& p = program();
  const int sz = std::clamp<int>(p.AnzSz[speicher], 0, kRecordsPerSlot);
  const int gesamt = std::clamp<int>(p.AnzGesamt[speicher], sz, kRecordsPerSlot);
  if (gesamt >= kRecordsPerSlot) return -1;
  // Each list keeps its own run while the slot is unsorted, so every view shows every record.
  for (int i = gesamt; i > sz; --i) p.Sz[speicher][i] = p.Sz[speicher][i - 1];
  p.Sz[speicher][sz] = rec;
  p.AnzSz[speicher] = static_cast<int16_t>(sz + 1);
  p.AnzGesamt[speicher] = static_cast<int16_t>(p.AnzSz[speicher] + p.AnzPz[speicher]);
  return sz;
}

bool Pruefe_Szliste(int speicher) {
  if (!validSlot(speicher)) return false;
  const int n = program().AnzGesamt[speicher];
  return n >= 0 && n <= kRecordsPerSlot;
}

int Kanal_frei(int kanal) {
  // Decided per record, so channel numbers (16-channel type, value devices) are not OR-ed.
  const int n = usedRecords0();
  for (int i = 0; i < n; ++i)
    if (Kanal_gesetzt(kanal, program().Sz[0][i])) return 0;
  return 1;
}

int Hat_Osterbezug() {
  const int n = usedRecords0();
  for (int i = 0; i < n; ++i) {
    const TSz& r = program().Sz[0][i];
    if (Sz_Art(r) == 2 && Pz_Datumsart(r) > 1) return 73;
  }
  return 72;
}

}  // namespace qv
