#include "model/Abbild.h"

#include <QtGlobal>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "model/Cp1252.h"
#include "model/Kopfdaten.h"
#include "model/Sortierung.h"

namespace qv {
namespace {

//                                 type  size  cap  slots table  full0  astro  lastW3 noTime
constexpr AbbildFormat kFormat240{240, 2048, 324, 324, 324, true, false, false, 0};
constexpr AbbildFormat kFormat280{280, 8192, 500, 508, 500, false, false, false, 1535};
constexpr AbbildFormat kFormat309{309, 2048, 120, 122, 122, false, true, true, 1791};

void put(TAbbild& b, int at, const std::array<uint8_t, 3>& t) {
  for (int j = 0; j < 3; ++j) b[at + j] = t[j];
}

uint8_t byteOf(int v) { return static_cast<uint8_t>(v & 255); }

// Bytes 13..18 of the astro type: corrections as 8-bit two's complement, place in whole and half
// degrees with sign bits, time zone in hours and quarters with its sign, and the carried value.
void writeAstroSettings(TAbbild& b, const AstroState& a) {
  const double laenge = std::fabs(a.AstroLaenge);
  const double breite = std::fabs(a.AstroBreite);
  const double zone = std::fabs(a.AstroZeitzone);
  b[13] = byteOf(static_cast<int>(std::lround(a.AstroKorrAuf)));
  b[14] = byteOf(static_cast<int>(std::lround(a.AstroKorrUnter)));
  b[15] = byteOf(static_cast<int>(std::floor(laenge)));
  b[16] = byteOf(static_cast<int>(std::floor(breite)) + (a.AstroBreite <= 0 ? 128 : 0));
  int b17 = static_cast<int>(std::floor(zone / 60)) & 15;
  if (a.AstroZeitzone < 0) b17 |= 16;
  b17 |= (static_cast<int>(std::floor(zone / 15)) % 4) << 5;
  if (a.AstroLaenge <= 0) b17 |= 128;
  b[17] = byteOf(b17);
  // The half degrees from the doubled value, so a value off the half steps cannot spill over.
  int b18 = a.AstroZusatz & 63;
  if (std::lround(2 * laenge) & 1) b18 |= 128;
  if (std::lround(2 * breite) & 1) b18 |= 64;
  b[18] = byteOf(b18);
}

}  // namespace

const AbbildFormat* imageFormat(int uhrentyp) {
  switch (uhrentyp) {
    case 240: return &kFormat240;
    case 280: return &kFormat280;
    case 309: return &kFormat309;
    default: return nullptr;
  }
}

int TauscheNibbles(int x) { return (x & 15) * 16 + ((x >> 4) & 15); }

bool keepsNibbleOrder(const AbbildFormat& f, int address) {
  if (address < 8) return true;
  if (address >= adr::kErsterBelegt && address <= adr::kErsterFrei + 1) return true;
  const int first = adr::slot(1);
  if (address >= first && address < first + 6 * f.slotzahl && (address - first) % 6 == 2) return true;
  return f.astroKopf && address >= 12 && address <= 17;
}

TAbbild toStoredOrder(const AbbildFormat& f, const TAbbild& decoded) {
  TAbbild out = decoded;
  for (int i = 8; i < static_cast<int>(out.size()); ++i)
    if (!keepsNibbleOrder(f, i)) out[i] = byteOf(TauscheNibbles(out[i]));
  return out;
}

TAbbild toDecodedOrder(const AbbildFormat& f, const TAbbild& stored) { return toStoredOrder(f, stored); }

void setChecksum(TAbbild& stored) {
  if (stored.empty()) return;
  int s = 0;
  for (size_t i = 1; i < stored.size(); ++i) s = (s + stored[i]) & 255;
  stored[0] = byteOf(s == 0 ? 0 : 256 - s);
}

bool checksumOk(const TAbbild& stored) {
  int s = 0;
  for (uint8_t v : stored) s = (s + v) & 255;
  return s == 0;
}

std::array<uint8_t, 3> tripleA(int aufgang, int untergang, int zustandAuf, int zustandUnter) {
  return {byteOf((zustandAuf ? 128 : 0) + ((aufgang >> 8) & 7) * 16 + (aufgang & 15)),
          byteOf(((aufgang >> 4) & 15) * 16 + (zustandUnter ? 8 : 0) + ((untergang >> 8) & 7)),
          byteOf((untergang & 15) * 16 + ((untergang >> 4) & 15))};
}

TAstroTag fromTripleA(const uint8_t* t) {
  TAstroTag d;
  d.Aufgang = static_cast<int16_t>(((t[0] >> 4) & 7) << 8 | ((t[1] >> 4) & 15) << 4 | (t[0] & 15));
  d.Untergang = static_cast<int16_t>((t[1] & 7) << 8 | (t[2] & 15) << 4 | (t[2] >> 4));
  d.ZustandAuf = t[0] >> 7;
  d.ZustandUnter = (t[1] >> 3) & 1;
  return d;
}

std::array<uint8_t, 3> tripleB(int aufgang, int untergang) {
  return {byteOf(((aufgang >> 8) & 15) * 16 + (aufgang & 15)),
          byteOf(((aufgang >> 4) & 15) * 16 + ((untergang >> 8) & 15)),
          byteOf((untergang & 15) * 16 + ((untergang >> 4) & 15))};
}

void fromTripleB(const uint8_t* t, TAstroTag& into) {
  into.Aufgang = static_cast<int16_t>((t[0] >> 4) << 8 | (t[1] >> 4) << 4 | (t[0] & 15));
  into.Untergang = static_cast<int16_t>((t[1] & 15) << 8 | (t[2] & 15) << 4 | (t[2] >> 4));
}

std::array<uint8_t, 3> programmnummerBcd(int32_t n) {
  if (n < 0 || n > 999999) return {255, 255, 255};
  auto digit = [n](int power) { return (n / power) % 10; };
  return {byteOf(digit(100000) * 16 + digit(10000)), byteOf(digit(1000) * 16 + digit(100)),
          byteOf(digit(10) * 16 + digit(1))};
}

TAbbild Kodiere_Abbild() {
  const AbbildFormat* f = imageFormat(profile().Uhrentyp);
  if (!f) return {};
  ProgramState& p = program();
  if (p.AnzGesamt[0] != 0) SortiereSz(0, 0);
  Baue_Kopfdaten();

  const Uhrenprofil& pr = profile();
  const DeviceSettings& s = settings();
  const AstroState& a = astro();
  TAbbild b(f->groesse, 0);

  for (int j = 0; j < 8; ++j) b[j] = p.Kopf[0][j];
  for (int j = 8; j <= 18; ++j) b[j] = 255;
  const int schutz = 2 * std::abs(s.Schreibschutz - 1);
  if (f->astroKopf) {
    // Our own reader refuses an astro-type image with the master-card bit.
    Q_ASSERT((pr.Geraetecode & 128) == 0);
    b[adr::kSchreibschutz] = byteOf(245 + schutz + 8 * s.AstroC1C2);
    writeAstroSettings(b, a);
  } else {
    b[adr::kSchreibschutz] = byteOf(252 + schutz);
    if ((pr.Geraetecode & 128) && s.Codierbyte != 0) b[adr::kCodierbyte] = byteOf(s.Codierbyte);
    const auto bcd = programmnummerBcd(p.Programmnummer[0]);
    for (int j = 0; j < 3; ++j) b[adr::kProgrammnummer + j] = bcd[j];
    if (s.MessKanal != 0) {
      b[adr::kMessImpuls] = byteOf((s.MessKanal - 1) * 64 + s.MessPeriode);
      b[adr::kMessImpuls + 1] = byteOf(s.MessZustand * 128 + s.MessZeitpunkt * 64 + s.MessImpDauer);
    }
  }

  const int anzSw = std::clamp<int>(p.AnzSw[0], 0, kSwEntries);
  b[adr::kSwKopf] = anzSw != 0 ? byteOf(p.SwKopf[0]) : 255;
  for (int i = 0; i < kSwEntries; ++i) {
    const int at = adr::kSwTabelle + 4 * i;
    if (i < anzSw) {
      const TSwEintrag& e = p.SwTab[0][i];
      b[at] = e.w0, b[at + 1] = e.w1, b[at + 2] = e.w2, b[at + 3] = e.w3;
    } else {
      for (int j = 0; j < 4; ++j) b[at + j] = 255;
    }
  }

  const int anz = std::clamp<int>(p.AnzGesamt[0], 0, f->kapazitaet);
  const int erstFrei = anz == 0 ? 1 : (anz == f->kapazitaet && f->vollOhneFrei ? 0 : anz + 1);
  b[adr::kErsterBelegt] = 0;
  b[adr::kErsterBelegt + 1] = anz == 0 ? 0 : 1;
  b[adr::kErsterFrei] = byteOf(erstFrei >> 8);
  b[adr::kErsterFrei + 1] = byteOf(erstFrei);

  // Used records chain 1 -> .. -> anz, free slots anz + 1 -> .. -> last. The links go into the
  // image only; the record table keeps w2 = 0 and w3 bit 7 = 0.
  for (int n = 1; n <= f->slotzahl; ++n) {
    const int at = adr::slot(n);
    const TSz r = n <= f->slotsAusTabelle ? p.Sz[0][n - 1] : TSz{};
    int link = n < f->slotzahl ? n + 1 : 0;
    if (anz > 0 && n == anz) link = 0;
    const int w3 = (n == f->slotzahl && f->letzterSlotOhneW3) ? 0 : (r.w3 & 127);
    b[at] = r.w0;
    b[at + 1] = r.w1;
    b[at + 2] = byteOf(link);
    b[at + 3] = byteOf(w3 | (link >= 256 ? 128 : 0));
    b[at + 4] = r.w4;
    b[at + 5] = r.w5;
  }

  if (pr.Uhrentyp == 280) {
    for (int k = 0; k < kAstroChannels; ++k) {
      const bool aktiv = a.AstroAktiv[k + 1] != 0;
      for (int d = 0; d < adr::kAstroTage; ++d) {
        const TAstroTag& t = a.AstroTab[k][d];
        put(b, adr::kAstro280 + 3 * (adr::kAstroTage * k + d),
            aktiv ? tripleA(t.Aufgang, t.Untergang, t.ZustandAuf, t.ZustandUnter)
                  : tripleA(f->keineZeit, f->keineZeit, 0, 0));
      }
      const TAstroEinst& g = a.AstroGrenzen[k];
      put(b, adr::kGrenzen280 + 3 * k, tripleA(g.GrenzeAuf, g.GrenzeUnter, g.ZustandAuf, g.ZustandUnter));
    }
    const QByteArray text = cp1252::encode(p.Verwendung[0]).left(adr::kVerwendungLaenge);
    for (int i = 0; i < text.size(); ++i) b[adr::kVerwendung280 + i] = static_cast<uint8_t>(text[i]);
    const int kanaele = std::clamp<int>(pr.Kanalzahl, 0, 16);
    for (int c = 0; c < kanaele; ++c) {
      const QByteArray name = cp1252::encode(p.Kanalname[c][0]).left(adr::kNamenFeld - 1);
      for (int i = 0; i < name.size(); ++i)
        b[adr::kNamen280 + adr::kNamenFeld * c + i] = static_cast<uint8_t>(name[i]);
    }
  } else if (pr.Uhrentyp == 309) {
    const bool aktiv = a.AstroAktiv[1] != 0;
    for (int d = 0; d < adr::kAstroTage; ++d) {
      const TAstroTag& t = a.AstroTab[0][d];
      put(b, adr::kAstro309 + 3 * d,
          aktiv ? tripleB(t.Aufgang, t.Untergang) : tripleB(f->keineZeit, f->keineZeit));
    }
  }

  TAbbild stored = toStoredOrder(*f, b);
  setChecksum(stored);
  return stored;
}

}  // namespace qv
