#include "calendar/Simulation.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "calendar/SimulationSaetze.h"
#include "model/Kalender.h"
#include "model/Satz.h"
#include "model/Sortierung.h"

namespace qv {
namespace {

// Sort keys of the simulation's own sorts.
constexpr int kSortNachMinute = 2;
constexpr int kSortAstroZeit = 8;
constexpr int kSortAstroZuerst = 9;

// Puts the user's sort selectors back whatever the simulation set them to.
class SelectorGuard {
 public:
  SelectorGuard() : saved_(sortSelectors()) {}
  ~SelectorGuard() { sortSelectors() = saved_; }
  SelectorGuard(const SelectorGuard&) = delete;
  SelectorGuard& operator=(const SelectorGuard&) = delete;

 private:
  SortSelectors saved_;
};

bool gueltigesDatum(int tag, int monat, int jahr) {
  if (monat < 1 || monat > 12 || tag < 1) return false;
  const auto n = Tage_im_Monat(monat, jahr);
  return n && tag <= *n;
}

// Builds the segment list the way the day graphic reads it: each new segment runs to 24:00
// until the next one cuts it short.
class Abschnitte {
 public:
  explicit Abschnitte(Tagesmodell& m) : m_(m) {}
  void anhaengen(int code, int cur) {
    if (m_.AnzAbschnitte >= kAbschnitte) return;  // cannot happen: at most two per record
    m_.Abschnitt[m_.AnzAbschnitte - 1].Dauer += static_cast<int16_t>(cur - 1440);
    m_.Abschnitt[m_.AnzAbschnitte] = {static_cast<int16_t>(code - 1), static_cast<int16_t>(1440 - cur)};
    ++m_.AnzAbschnitte;
  }

 private:
  Tagesmodell& m_;
};

void messimpulsTag(Tagesmodell& m) {
  const DeviceSettings& s = settings();
  const int periode = s.MessPeriode;
  // Measuring with the relay on (MessZustand 0) keeps the channel on and interrupts it for each
  // measuring pulse; with the relay off it stays off and switches on for each pulse.
  const bool relaisEin = s.MessZustand == 0;
  m.Abschnitt[0] = {static_cast<int16_t>(relaisEin ? 1 : 0),
                    static_cast<int16_t>(s.MessZeitpunkt != 0 ? periode : 0)};
  m.AnzAbschnitte = 1;
  const int n = periode > 0 ? std::clamp(static_cast<int>(std::nearbyint(1440.0 / periode)), 0, 1440) : 0;
  for (int i = 1; i <= n; ++i) {
    m.Abschnitt[i] = {static_cast<int16_t>(relaisEin ? 2 : 3), static_cast<int16_t>(periode)};
    ++m.AnzAbschnitte;
  }
  if (periode <= 0) {
    m.EinMinuten = relaisEin ? 1440 : 0;
    return;
  }
  const float p = static_cast<float>(periode);
  const float ein = std::floor((1440.0f / p) * (p * 60.0f - static_cast<float>(s.MessImpDauer)) / 60.0f);
  const int32_t minuten = std::clamp(static_cast<int32_t>(ein), 0, 1440);
  m.EinMinuten = relaisEin ? minuten : 1440 - minuten;
}

bool astroFuerKanal(int kanal) {
  const AstroState& a = astro();
  switch (profile().Uhrentyp) {
    case 309:
      return a.AstroAktiv[1] == -1 && (kanal == 1 || (kanal == 2 && settings().AstroC1C2 == 1));
    case 280:
      return kanal >= 1 && kanal <= kAstroChannels && a.AstroAktiv[kanal] == -1;
    default:
      return false;
  }
}

// On-minutes of a day: plain on segments, and pulse segments while the plain state in force is
// on (a pulse lasts seconds; the state around it goes on).
int32_t einMinuten(const Tagesmodell& m) {
  int32_t sum = 0;
  int zustand = 0;
  for (int k = 0; k < m.AnzAbschnitte; ++k) {
    const TAbschnitt& a = m.Abschnitt[k];
    if (a.Zustand == 0 || a.Zustand == 1) zustand = a.Zustand;
    if (zustand == 1) sum += a.Dauer;
  }
  return sum;
}

}  // namespace

SimProgramm SimProgramm::ausSpeicher(int speicher) {
  SimProgramm p;
  if (speicher < 0 || speicher >= kSlots) return p;
  const ProgramState& ps = program();
  const int n = std::clamp<int>(ps.AnzGesamt[speicher], 0, kRecordsPerSlot);
  p.saetze_.reserve(n + 3);
  for (int i = 0; i < n; ++i) p.saetze_.push_back({ps.Sz[speicher][i], false});
  return p;
}

// cacheSlot: 0..2 for the keys kept per record, -1 for a sort whose keys are not kept.
void SimProgramm::sortiere(int cacheSlot) {
  const size_t n = saetze_.size();
  if (n <= 1) return;
  std::vector<int64_t> keys(n);
  for (size_t i = 0; i < n; ++i) {
    Satz& s = saetze_[i];
    if (cacheSlot < 0) {
      keys[i] = SzSortSchluessel(s.rec);
      continue;
    }
    const uint8_t bit = static_cast<uint8_t>(1u << cacheSlot);
    if (!(s.schluesselDa & bit)) {
      s.schluessel[cacheSlot] = SzSortSchluessel(s.rec);
      s.schluesselDa |= bit;
    }
    keys[i] = s.schluessel[cacheSlot];
  }
  std::vector<size_t> order(n);
  std::iota(order.begin(), order.end(), size_t{0});
  std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return keys[a] < keys[b]; });
  std::vector<Satz> sorted;
  sorted.reserve(n + 3);
  for (size_t i : order) sorted.push_back(saetze_[i]);
  saetze_ = std::move(sorted);
}

void SimProgramm::sortiereSz(int art) {
  SelectorGuard guard;
  sortSelectors().SortArtSz = art;
  const int slot = art == kSortNachMinute ? 0 : art == kSortAstroZeit ? 1 : art == kSortAstroZuerst ? 2 : -1;
  sortiere(slot);
}

void SimProgramm::sortierePz(int art) {
  SelectorGuard guard;
  sortSelectors().SortArtPz = art;
  sortiere(-1);
}

void SimProgramm::anhaengen(const TSz& rec, bool temporaer) { saetze_.push_back({rec, temporaer}); }

void SimProgramm::entferneTemporaere() {
  std::erase_if(saetze_, [](const Satz& s) { return s.temporaer; });
}

int SimProgramm::anzahlTemporaere() const {
  return static_cast<int>(std::count_if(saetze_.begin(), saetze_.end(), [](const Satz& s) { return s.temporaer; }));
}

TSz astroSchaltzeit(int t, int tag, int monat, int kanalFeld, int zustand) {
  TSz r;
  r.w0 = static_cast<uint8_t>(t / 16);
  r.w1 = static_cast<uint8_t>((t % 16) * 16 + monat);
  r.w3 = static_cast<uint8_t>(tag);
  r.w4 = static_cast<uint8_t>(kanalFeld + 16);
  r.w5 = static_cast<uint8_t>(zustand != 0 ? 1 : 0);
  return r;
}

void Add_AstroSz(SimProgramm& p, int kanal, int tag, int monat, int jahr) {
  const AstroState& a = astro();
  const Uhrenprofil& pr = profile();
  int row = 0, kanalFeld = 0, korrAuf = 0, korrUnter = 0, limitAuf = 1, limitUnter = 1439;
  int zustandAuf = 0, zustandUnter = 1;
  if (pr.Uhrentyp == 309) {
    kanalFeld = kanal;
    korrAuf = static_cast<int>(std::nearbyint(a.AstroKorrAuf));
    korrUnter = static_cast<int>(std::nearbyint(a.AstroKorrUnter));
  } else {
    row = kanal - 1;
    if (row < 0 || row >= kAstroChannels) return;
    kanalFeld = kanal - 1;
    limitAuf = a.AstroGrenzen[row].GrenzeAuf;
    limitUnter = a.AstroGrenzen[row].GrenzeUnter;
    zustandAuf = a.AstroTab[row][0].ZustandAuf;
    zustandUnter = a.AstroTab[row][0].ZustandUnter;
  }
  if (!gueltigesDatum(tag, monat, jahr)) return;
  const int N = Tage_im_Jahr(jahr);
  const int d = Tage_bis_Monatsende(monat - 1, jahr) + tag - 1;
  if (d < 0 || d >= N || d >= kAstroDays) return;
  const int keine = pr.KeineZeit;
  const bool sommer = Ist_Sommerzeit(tag, monat, jahr) == 1;

  const TAstroTag& heute = a.AstroTab[row][d];
  if (heute.Aufgang != keine) {
    int t = heute.Aufgang + (sommer ? 60 : 0) + korrAuf;
    if (t < limitAuf) t = limitAuf;
    if (t >= 0 && t < 1440) p.anhaengen(astroSchaltzeit(t, tag, monat, kanalFeld, zustandAuf), true);
  }
  if (heute.Untergang != keine) {
    int t = heute.Untergang + (sommer ? 60 : 0) + korrUnter;
    if (t > limitUnter) t = limitUnter;
    if (t >= 0 && t < 1440) p.anhaengen(astroSchaltzeit(t, tag, monat, kanalFeld, zustandUnter), true);
  }

  // The last astro switching before the day, found backwards over the table (1 January goes on
  // at 31 December of the same table); offsets and summer time apply, the limits do not.
  int j = 1;
  int schritte = 0;
  int q = (d + N - 1) % N;
  while (schritte < pr.MaxSz + 1 && q != d) {
    const TAstroTag& tagQ = a.AstroTab[row][q];
    const bool auf = tagQ.Aufgang != keine;
    const bool unter = tagQ.Untergang != keine;
    if (!auf && !unter) {
      ++j;
    } else {
      int t, zustand;
      if (auf && (!unter || tagQ.Untergang <= tagQ.Aufgang)) {
        t = tagQ.Aufgang + korrAuf;
        zustand = zustandAuf;
      } else {
        t = tagQ.Untergang + korrUnter;
        zustand = zustandUnter;
      }
      const int tagNr = Tag_aus_Jahrestag(q + 1, jahr);
      const int monatNr = Monat_aus_Jahrestag(q + 1, jahr);
      if (Ist_Sommerzeit(tagNr, monatNr, jahr) == 1) t += 60;
      if (t >= 0 && t < 1440) {
        p.anhaengen(astroSchaltzeit(t, tagNr, monatNr, kanalFeld, zustand), true);
        j = 0;
      } else {
        ++j;
      }
    }
    q = (d + N - j) % N;
    ++schritte;
  }
  p.sortiereSz(kSortAstroZeit);
}

void Kill_AstroSz(SimProgramm& p) {
  if (p.saetze().empty()) return;
  p.sortiereSz(kSortAstroZuerst);
  p.entferneTemporaere();
}

Tagesmodell Rechne_SzGrafik(SimProgramm& p, int kanal, int tag, int monat, int jahr, int prog) {
  Tagesmodell m;
  m.Abschnitt[0] = {0, 1440};
  m.AnzAbschnitte = 1;

  const DeviceSettings& s = settings();
  if (profile().Evu == 1 && kanal == s.MessKanal && s.MessPeriode != 0) {
    messimpulsTag(m);
    return m;
  }
  if (!gueltigesDatum(tag, monat, jahr)) return m;

  bool mitAstro = false;
  if (prog >= 0 && prog <= 4 && astroFuerKanal(kanal)) {
    Add_AstroSz(p, kanal, tag, monat, jahr);
    mitAstro = true;
  }
  p.sortiereSz(kSortNachMinute);
  const int wt = Wochentag(tag, monat, jahr);

  if (prog == kProgPermanentEin) {
    m.Abschnitt[0] = {1, 1440};
  } else if (prog >= 0 && prog <= 9) {
    m.Abschnitt[1] = {0, 0};
    Abschnitte seg(m);
    int32_t best = 600000;
    int init = 0, cur = 0;
    int S = 0;  // state change pending: 1 to off, 2 to on
    int P = 0;  // pulse pending: 3 off pulse, 4 on pulse
    bool E = false;
    for (const SimProgramm::Satz& satz : p.saetze()) {
      const TSz& rec = satz.rec;
      const int art = Sz_Art(rec);
      const bool woche = art == 0 || art == 3;
      if (!woche && art != 1 && art != 4) continue;
      const int minute = Sz_Minuten(rec);
      if (minute > 1439) continue;
      if (minute > cur && E) {
        if (S != 0) seg.anhaengen(S, cur);
        if (P != 0) seg.anhaengen(P, cur);
        S = P = 0;
        E = false;
      }
      if (!simKanalGesetzt(kanal, rec)) continue;
      const bool impuls = Sz_Impuls(rec) != 0;
      bool feuert = false;
      if (woche) {
        if (Sz_Prio(rec) != prog) continue;
        if (!impuls) {
          const int32_t seit = Minuten_seit_Wochen_Sz(wt, rec);
          if (best > seit) {
            best = seit;
            init = simZustand(rec);
          }
        }
        feuert = Wochentag_gesetzt(wt, rec) == 1;
      } else {
        if (!impuls) {
          const int32_t seit = Minuten_seit_Datum_Sz(tag, monat, jahr, rec);
          if (best >= seit) {
            best = seit;
            init = simZustand(rec);
          }
        }
        feuert = Datum_passt(tag, monat, rec) > 0;
      }
      if (feuert) {
        E = true;
        if (impuls) P = simZustand(rec) > 0 ? 4 : 3;
        else S = simZustand(rec) > 0 ? 2 : 1;
        cur = minute;
      }
    }
    m.Abschnitt[0].Zustand = static_cast<int16_t>(init);
    // At the day's last event the pulse comes first and the new state runs to 24:00.
    if (E) {
      if (P != 0) seg.anhaengen(P, cur);
      if (S != 0) seg.anhaengen(S, cur);
    }
  }
  // Programs 11 (permanent off) and any unknown number leave the day off.

  if (mitAstro) Kill_AstroSz(p);
  m.EinMinuten = einMinuten(m);
  return m;
}

Tagesmodell Rechne_SzGrafik(int kanal, int tag, int monat, int jahr, int prog) {
  SimProgramm p = SimProgramm::ausSpeicher(0);
  return Rechne_SzGrafik(p, kanal, tag, monat, jahr, prog);
}

}  // namespace qv
