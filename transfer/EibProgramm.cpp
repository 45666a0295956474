#include "transfer/EibProgramm.h"

#include <algorithm>
#include <bitset>
#include <functional>
#include <optional>

#include "model/Environment.h"
#include "model/Texte.h"
#include "model/Zustand.h"
#include "transfer/EibFehler.h"
#include "transfer/EibGeraet.h"

namespace qv {
namespace {

uint8_t at(const QByteArray& a, int pos) { return static_cast<uint8_t>(a[pos - 1]); }

// Length byte and ready marker; a string shorter than its length byte says is a wrong length.
int16_t pruefeKopf(const QByteArray& antwort, int m) {
  if (antwort.size() < 2 || at(antwort, 1) != m || antwort.size() < m + 1) return 103;
  if (at(antwort, 2) != 255) return 101;
  return 0;
}

// One pass of a transfer ended out of step: an answer taken may have belonged to an earlier
// request, so the clock or slot 0 may differ from what the pass believes.
constexpr int16_t kAusserTakt = -1;

// The result of a mailbox exchange within a pass: out of step when a second answer showed.
int16_t imTakt(const BusSitzung& s, int16_t r) { return s.ausserTakt ? kAusserTakt : r; }

// A transfer in passes: one out of step starts it again from its beginning, the one state the
// clock and slot 0 are known in, once the line has fallen quiet; the third ends it.
int16_t inDurchgaengen(BusSitzung& s, const std::function<int16_t()>& durchgang) {
  for (int k = 1;; ++k) {
    s.ausserTakt = false;
    const int16_t r = durchgang();
    if (r != kAusserTakt) return r;
    s.log(texts().S_KeineGueltDaten);
    if (k == 3) return 104;
    s.nachlaufPruefen();
  }
}

// The next-slot link of a record answer.
int satzLink(const QByteArray& antwort) { return at(antwort, 5) | ((at(antwort, 6) & 128) << 1); }

// Length bytes of the clock's answers: a record, and the rule or a changeover entry.
constexpr int kSatzLaenge = 7;
constexpr int kSoWiLaenge = 6;

// An answer with the length of another command's answer is that request's answer, taken for
// this one: the exchange is out of step, not the clock's answer wrong.
int16_t entschluesselt(const QByteArray& antwort, int andereLaenge, int16_t r) {
  return r == 103 && !antwort.isEmpty() && at(antwort, 1) == andereLaenge ? kAusserTakt : r;
}

// One record of the chain stored at nr. No two records of a chain lead to the same slot: a link
// met before in this read is an earlier record again, an answer taken for a later request.
int16_t nimmSatz(int nr, const QByteArray& antwort, std::bitset<512>& links) {
  if (antwort.size() > kSatzLaenge && at(antwort, 1) == kSatzLaenge && at(antwort, 2) == 255) {
    const int link = satzLink(antwort);
    if (links.test(static_cast<size_t>(link))) return kAusserTakt;
    links.set(static_cast<size_t>(link));
  }
  return entschluesselt(antwort, kSoWiLaenge, Dekodiere_BusSz(nr, antwort));
}

QByteArray bytes(std::initializer_list<int> werte) {
  QByteArray b;
  for (int w : werte) b.append(static_cast<char>(w));
  return b;
}

int16_t schreiben(BusSitzung& s, uint16_t phys) {
  const ProgramState& p = program();
  const Texts& t = texts();
  if (p.AnzSw[0] > 0) {
    s.messerMaximum(21);
    s.logUndStatus(t.S_schrSoWi);
    s.messerWert(1);
    const QByteArray kopf = bytes({0, p.SwKopf[0] & 255, 0, 0, 0});
    if (int16_t r = imTakt(s, Schreibe_Satz(s, phys, uhrbefehl::SoWiSchreiben, kopf, true))) return r;
    for (int i = 0; i < kSwEntries; ++i) {
      BusSitzung::Nachgeben();
      s.logUndStatus(t.S_schrSoWi + QString::number(i + 1));
      s.messerWert(i + 2);
      const TSwEintrag& e = p.SwTab[0][i];
      const QByteArray d = i < p.AnzSw[0] ? bytes({i + 1, e.w0, e.w1, e.w2, e.w3}) : bytes({i + 1, 255, 255, 255, 255});
      if (int16_t r = imTakt(s, Schreibe_Satz(s, phys, uhrbefehl::SoWiSchreiben, d, true))) return r;
    }
  }
  s.messerWert(0);
  s.messerMaximum(8);
  s.messerWert(0);
  s.logUndStatus(t.S_loescScha);
  if (int16_t r = imTakt(s, Schreibe_Satz(s, phys, uhrbefehl::Loeschen, bytes({0x55}), true))) return r;
  for (int k = 1; k <= 8; ++k) {
    // The clock needs these seconds to clear; what the reads give is not looked at.
    s.Pause_s(1);
    uint16_t a = 0;
    QByteArray d;
    if (Frage_Speicher(s, kBriefkasten, 1) == 0) Erwarte_Speicher(s, phys, a, d);
    s.messerWert(k);
  }
  const int anzahl = std::clamp<int>(p.AnzGesamt[0], 0, kRecordsPerSlot);
  if (anzahl > 0) {
    s.messerWert(0);
    s.messerMaximum(anzahl);
    for (int i = 0; i < anzahl; ++i) {
      BusSitzung::Nachgeben();
      s.logUndStatus(t.S_schrScha + QString::number(i + 1));
      s.messerWert(i + 1);
      const TSz& z = p.Sz[0][i];
      const QByteArray d = bytes({z.w0, z.w1, z.w2, z.w3, z.w4, z.w5});
      if (int16_t r = imTakt(s, Schreibe_Satz(s, phys, uhrbefehl::SatzSchreiben, d))) return r;
    }
  }
  // The last exchange has no next message to bring its second answer to light.
  s.nachlaufPruefen();
  if (s.ausserTakt) return kAusserTakt;
  s.messerWert(s.messerMaximum());
  return 0;
}

int16_t lesen(BusSitzung& s, uint16_t phys) {
  ProgramState& p = program();
  const Texts& t = texts();
  p.AnzGesamt[0] = p.AnzSz[0] = p.AnzPz[0] = p.AnzSw[0] = 0;
  // A clock without a table header must not keep the header of the program edited before.
  p.SwKopf[0] = 0;
  p.SwProJahr[0] = 0;
  s.messerWert(0);
  s.messerMaximum(22);
  s.logUndStatus(t.S_leseSoWi);
  s.messerWert(1);
  QByteArray a;
  int16_t r = imTakt(s, Lese_Satz(s, phys, uhrbefehl::RegelLesen, QByteArray(5, 0), a));
  if (r == 0) r = entschluesselt(a, kSatzLaenge, Dekodiere_BusRegel(a));
  if (r != 0) return r;
  for (int i = 0; i <= kSwEntries; ++i) {
    BusSitzung::Nachgeben();
    s.log(t.S_leseSoWi + QString::number(i));
    s.status(t.S_leseSoWi + QString::number(i + 1));
    s.messerWert(i + 2);
    r = imTakt(s, Lese_Satz(s, phys, uhrbefehl::SoWiLesen, bytes({i, 0, 0, 0, 0}), a));
    if (r == 0) r = entschluesselt(a, kSatzLaenge, Dekodiere_BusSw(i, a));
    if (r != 0) return r;
  }
  const int kapazitaet = std::clamp<int>(profile().MaxSz, 1, kRecordsPerSlot);
  s.messerMaximum(kapazitaet);
  s.logUndStatus(t.S_leseScha + QStringLiteral("1"));
  s.messerWert(1);
  // A record answer tells a copy by its link, so each record is asked for once; asking again
  // would move the clock on along its chain.
  if (int16_t e = imTakt(s, Lese_Satz(s, phys, uhrbefehl::ErsterSatz, QByteArray(6, 0), a, false))) return e;
  if (Nicht_Alles_FF(a)) {
    std::bitset<512> links;
    if (int16_t e = nimmSatz(0, a, links)) return e;
    bool ende = Ist_Listenende(a);
    int i = 0;
    while (!ende) {
      // At most the capacity in all: a chain that goes on beyond it is not a valid program.
      if (i + 1 >= kapazitaet) return 104;
      BusSitzung::Nachgeben();
      ++i;
      s.logUndStatus(t.S_leseScha + QString::number(i + 1));
      s.messerWert(i + 1);
      if (int16_t e = imTakt(s, Lese_Satz(s, phys, uhrbefehl::NaechsterSatz, QByteArray(6, 0), a, false))) return e;
      if (int16_t e = nimmSatz(i, a, links)) return e;
      ende = Ist_Listenende(a);
    }
  }
  s.messerWert(kapazitaet);
  return 0;
}

}  // namespace

int16_t Dekodiere_BusRegel(const QByteArray& antwort) {
  if (int16_t r = pruefeKopf(antwort, 6)) return r;
  if (at(antwort, 7) < 5) settings().SwRegel = at(antwort, 7);
  return 0;
}

int16_t Dekodiere_BusSw(int nr, const QByteArray& antwort) {
  if (int16_t r = pruefeKopf(antwort, 6)) return r;
  if (nr < 0 || nr > kSwEntries) return 104;
  ProgramState& p = program();
  if (at(antwort, 4) == 255) {
    // An empty position reads empty, so no entry of the program edited before stays behind.
    if (nr > 0) p.SwTab[0][nr - 1] = {255, 255, 255, 255};
    return 0;
  }
  if (nr == 0) {
    p.SwKopf[0] = at(antwort, 4);
    p.SwProJahr[0] = (at(antwort, 4) >> 6) & 1;
    return 0;
  }
  // The entries present move up over the empty ones in table order, as in the program file:
  // the table, the image and the bus write take only the first AnzSw of them.
  const int frei = std::clamp<int>(p.AnzSw[0], 0, nr - 1);
  p.SwTab[0][nr - 1] = {255, 255, 255, 255};
  p.SwTab[0][frei] = {at(antwort, 4), at(antwort, 5), at(antwort, 6), at(antwort, 7)};
  p.AnzSw[0] = static_cast<int16_t>(frei + 1);
  return 0;
}

int16_t Dekodiere_BusSz(int nr, const QByteArray& antwort) {
  if (int16_t r = pruefeKopf(antwort, 7)) return r;
  if (nr < 0 || nr >= kRecordsPerSlot) return 104;
  ProgramState& p = program();
  TSz& z = p.Sz[0][nr];
  z = {at(antwort, 3), at(antwort, 4), 0, static_cast<uint8_t>(at(antwort, 6) & 127), at(antwort, 7), at(antwort, 8)};
  const int w0 = z.w0;
  if (w0 <= 89 || (w0 >= 128 && w0 <= 217)) ++p.AnzSz[0];
  else if (w0 >= 96 && w0 <= 127) ++p.AnzPz[0];
  else return 104;
  p.AnzGesamt[0] = static_cast<int16_t>(p.AnzSz[0] + p.AnzPz[0]);
  return 0;
}

bool Ist_Listenende(const QByteArray& antwort) {
  return antwort.size() >= 6 && at(antwort, 5) == 0 && (at(antwort, 6) & 128) == 0;
}

bool Nicht_Alles_FF(const QByteArray& antwort) {
  for (int pos = 2; pos <= 8; ++pos)
    if (pos > antwort.size() || at(antwort, pos) != 255) return true;
  return false;
}

int16_t Bus_Programm_Uebertragen(BusSitzung& s, uint16_t phys, int modus) {
  std::optional<BusyCursor> sanduhr(std::in_place);
  int16_t r = s.Bus_Oeffnen(s.EIB_ComPort, 9600);
  if (r != 0) {
    s.logUndStatus(texts().S_FehlerBei + texts().S_instAST + u'(' + QString::number(r) + u')');
  } else {
    r = Baue_Verbindung(s, phys);
    if (r == 0) r = inDurchgaengen(s, [&] { return modus == 1 ? schreiben(s, phys) : lesen(s, phys); });
  }
  if (r == 0) {
    // Closing the link ends the transport connection.
    s.Bus_Schliessen();
    return 0;
  }
  sanduhr.reset();
  Zeige_Busfehler(s, r);
  s.Bus_Schliessen();
  return 1;
}

}  // namespace qv
