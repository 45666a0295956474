// A bad line between the program and the time switch: the real serial driver against the
// simulated coupler behind a pseudo-terminal, with lost acknowledgements, repeated and late
// answer frames (some held back until a later exchange), lost answers with a copy of an earlier
// one in their place, a late acknowledgement with a lost frame after it, a slow clock, a coupler
// that falls silent or gives a frame up, and messages nobody asked for. Every transfer ends with
// the clock (or slot 0) equal to the program, or with an error: never done with a difference.
#include <gtest/gtest.h>

#include "model/Programmdatei.h"
#include "model/Programmleser.h"
#include "tests/support/ClockProfiles.h"
#include "tests/transfer/EibFixtures.h"
#include "transfer/EibFehler.h"
#include "transfer/EibGeraet.h"
#include "transfer/EibProgramm.h"
#include "transfer/EibSeriell.h"
#include "transfer/Wartezeiten.h"

using namespace qv;
using namespace qv::test;

namespace {

constexpr uint16_t kUhr = 0x1109;

// One fault per kind, by the number of the host frame or of the answer counted from the start
// of each transfer; -1 = none. Then what the row expects.
struct Stoerung {
  const char* name;
  int quittung = -1;  // our frame whose E5h is lost
  int doppelt = -1;   // answer frame that comes twice with one frame-count bit
  int spaet = -1;     // answer frame that comes 1.25 receive times late
  int langsamMs = 0;  // the clock carries a request out this long after it came (at full pauses)
  int spaetNach = 0;  // the late answer held instead, until the n-th answered frame after it,
  bool statt = false; // and then in place of that frame's own answer, which is lost
  int stummAb = -1;   // our frame from which the coupler neither acknowledges nor carries out
  int streu = -1;     // our frame after which a confirmation comes that nobody asked for
  bool fremde = false;     // other senders and codes before every answer
  int aufgegeben = -1;     // answer from which the coupler gives a frame up and starts anew
  bool nurLesen = false;   // the write before the read runs on a clean line
  int wiederholMs = 100;   // the driver sends an unacknowledged frame again after this long
  // The clock's first answer to mailbox request kopieVon that is not busy (requests counted from
  // 0 in each transfer) comes again as a fresh frame in place of the answer to the first read of
  // request kopieStatt, which is lost, and of as many reads after it as kopieLesungen says;
  // marked as a repetition when wiederholung is set.
  int kopieVon = -1;
  int kopieStatt = -1;
  int kopieLesungen = 1;
  bool wiederholung = false;
  // Mailbox request whose frame is lost on the line, after the E5h of the frame before it came
  // late and stood for its own.
  int verloren = -1;
  bool endlos = false;     // the clock's record chain links back to its first record
  int code = 0;            // both transfers fail with this code's message; 0: both end equal
  int leseCode = 0;        // the read alone fails with this code's message
  int schreibNeustarts = 0;  // the write started again from its beginning, out of step
  int leseNeustarts = 0;     // the same for the read
  int zeitueberschreitungen = -1;  // answers awaited in vain, per transfer; -1: not counted
};

// Rows count mailbox requests as a write sends them, one per exchange. A read sends each request
// of the rule and the table twice, its answer checked against the second's: there a row's request
// n below 22 is the first send of that exchange, and the records come after 44 sends.
int alsLesen(int n) { return n < 0 ? -1 : n < 22 ? 2 * n : n + 22; }

void stoere(PtyStand& t, const Stoerung& f, bool lesen) {
  const auto ab = [](int basis, int n) { return n < 0 ? -1 : basis + n; };
  const auto anfrage = [lesen](int n) { return lesen ? alsLesen(n) : n; };
  t.pty.verschluckteQuittung = ab(t.pty.hostRahmen, f.quittung);
  t.pty.wiederholteAntwort = ab(t.pty.antworten, f.doppelt);
  t.pty.spaeteAntwort = ab(t.pty.antworten, f.spaet);
  t.pty.verspaetungMs = t.s.timing.empfangMs * 5 / 4;
  t.pty.spaeteAntwortNach = f.spaetNach;
  t.pty.spaeteStattAntwort = f.statt;
  t.pty.stummAb = ab(t.pty.hostRahmen, f.stummAb);
  t.pty.streuBestaetigung = ab(t.pty.hostRahmen, f.streu);
  t.pty.aufgegebeneAntwort = ab(t.pty.antworten, f.aufgegeben);
  // The clock is slow against the pauses, which the test shortens.
  t.s.timing.pausenFaktor = f.langsamMs > 0 ? 0.2 : 0.05;
  const int langsam = static_cast<int>(f.langsamMs * t.s.timing.pausenFaktor);
  t.pty.mit([&](KopplerKern& k) {
    SimSchaltuhr& u = *static_cast<SimSchaltuhr*>(k.geraet(kUhr));
    u.nimmtNachMs = langsam;
    u.kopieVon = ab(u.anfragen, anfrage(f.kopieVon));
    u.kopieStatt = ab(u.anfragen, anfrage(f.kopieStatt));
    u.kopieLesungen = f.kopieLesungen;
    u.kopieAlsWiederholung = f.wiederholung;
    t.pty.verloreneAnfrage = ab(u.anfragen, anfrage(f.verloren));
    u.ketteEndlos = f.endlos;
    k.fremdeNachrichten = f.fremde;
  });
}

// The clock's records and changeover table against slot 0 (records as the clock keeps them).
void erwarteUhrGleichProgramm(PtyStand& t, const char* name) {
  const ProgramState& p = program();
  t.pty.mit([&](KopplerKern& k) {
    const SimSchaltuhr& u = *static_cast<SimSchaltuhr*>(k.geraet(kUhr));
    ASSERT_EQ(u.saetze.size(), size_t(p.AnzGesamt[0])) << name;
    for (int i = 0; i < p.AnzGesamt[0]; ++i) {
      const TSz& z = p.Sz[0][i];
      const SimSchaltuhr::Satz erwartet{uint8_t(z.w0), uint8_t(z.w1), 0, uint8_t(z.w3 & 127), uint8_t(z.w4), uint8_t(z.w5)};
      EXPECT_EQ(u.saetze[i], erwartet) << name << " record " << i;
    }
    EXPECT_EQ(u.swKopf, p.SwKopf[0]) << name;
    for (int i = 0; i < kSwEntries; ++i) {
      const TSwEintrag e = i < p.AnzSw[0] ? p.SwTab[0][i] : TSwEintrag{255, 255, 255, 255};
      EXPECT_EQ(u.sw[i], (std::array<uint8_t, 4>{uint8_t(e.w0), uint8_t(e.w1), uint8_t(e.w2), uint8_t(e.w3)}))
          << name << " entry " << i;
    }
  });
}

// The log lines of one transfer that equal zeile.
int zeilen(const QStringList& log, qsizetype ab, const QString& zeile) {
  return static_cast<int>(std::count(log.begin() + std::min(ab, log.size()), log.end(), zeile));
}

}  // namespace

TEST(EibStoerungen, WriteAndReadUnderEachFaultEndEqualOrFail) {
  const Stoerung faelle[] = {
      {"clean"},
      {"lost E5h of the first mailbox write", 7},
      {"lost E5h in the records", 110},
      {"repeated first answer", -1, 0},
      {"repeated answer in the records", -1, 67},
      {"late first answer", -1, -1, 0},
      {"late answer in the records", -1, -1, 72},
      {"slow clock, repeated answer", -1, 12, -1, 250},
      {"slow clock, late answer", -1, -1, 12, 250},
      {"all at once", 30, 20, 40, 250},
      // An answer later than the receive time and the line's quiet after it comes with the answer
      // to a later mailbox read and is taken for it; a second answer, or a record that repeats
      // the link before it, shows the exchange out of step, and the transfer starts again. A read
      // gives 4 answers for the rule and each table entry (two sends, each first busy), 88 in
      // all, then 2 a record: answer 91 is the first record's after the first.
      {.name = "late changeover answer held to the next entry's read", .spaet = 5, .spaetNach = 2, .schreibNeustarts = 1,
       .leseNeustarts = 1},
      {.name = "late record answer held to the next record's read", .spaet = 91, .spaetNach = 2, .nurLesen = true,
       .leseNeustarts = 1},
      {.name = "late record answer in place of the next record's", .spaet = 91, .spaetNach = 2, .statt = true,
       .nurLesen = true, .leseNeustarts = 1},
      {.name = "late answer held to the last record's write", .spaet = 99, .spaetNach = 3, .schreibNeustarts = 1,
       .leseNeustarts = 1},
      // As on the real line, the driver gives the frame up well before the send time ends.
      {.name = "coupler stops acknowledging", .stummAb = 2, .wiederholMs = 60, .code = 107},
      {.name = "stray confirmation before the address-table read", .streu = 0},
      {.name = "other senders and codes before every answer", .fremde = true},
      {.name = "a coupler frame given up and its link started again", .aufgegeben = 20, .zeitueberschreitungen = 1},
      // An answer lost while a copy of an earlier one comes as a fresh frame: the counts of
      // answers balance. Requests of a write: 0 the table header, 1..20 its entries, 21 the
      // clear, 22.. the records; of a read: 0 the rule, 1..21 the table, 22.. the records (the
      // first send of each, see alsLesen).
      {.name = "copy of an earlier changeover answer in place of a lost one", .kopieVon = 1, .kopieStatt = 3},
      {.name = "copy of a changeover entry read for an empty position", .nurLesen = true, .kopieVon = 4, .kopieStatt = 6},
      {.name = "copy of an earlier record answer in place of a lost one", .kopieVon = 24, .kopieStatt = 26,
       .leseNeustarts = 1},
      {.name = "slow clock, copy of an earlier record answer in place of a lost one", .langsamMs = 400, .kopieVon = 24,
       .kopieStatt = 26, .leseNeustarts = 1},
      {.name = "copy of an earlier record answer marked as a repetition", .kopieVon = 24, .kopieStatt = 26,
       .wiederholung = true, .zeitueberschreitungen = 1},
      {.name = "second answer to the last changeover read in place of the first record's", .nurLesen = true,
       .kopieVon = 21, .kopieStatt = 22, .leseNeustarts = 1},
      {.name = "a chain out of step in every pass", .endlos = true, .leseCode = 104, .leseNeustarts = 3},
      // Two answers lost in a row, each replaced by the same copy: two reads of the mailbox agree.
      {.name = "two copies in a row of a changeover entry read for an empty position", .nurLesen = true,
       .kopieVon = 4, .kopieStatt = 6, .kopieLesungen = 2},
      {.name = "two copies in a row of the changeover entry read before", .nurLesen = true, .kopieVon = 2,
       .kopieStatt = 3, .kopieLesungen = 2},
      // The driver sends a frame again when its E5h is late; the late E5h then stands for the
      // next frame, which is lost. The coupler takes the frame after it for a repetition: the
      // answer awaited times out, the connection is built anew, and the mailbox still holds the
      // answer to the request before.
      {.name = "late E5h, then a changeover entry's request frame lost", .wiederholMs = 300, .verloren = 2,
       .zeitueberschreitungen = 1},
      {.name = "late E5h, then the request frame of the second changeover entry's read lost", .nurLesen = true,
       .wiederholMs = 300, .verloren = 3},
  };
  for (const Stoerung& f : faelle) {
    SCOPED_TRACE(f.name);
    PtyStand t(f.wiederholMs, 400);
    profile().MaxSz = 324;
    t.pty.mit([](KopplerKern& k) { k.neu<SimSchaltuhr>(kUhr).regel = 4; });
    zehnSaetze();
    const ProgramState vorher = program();
    const Texts& x = texts();
    const QString zeitueberschreitung = x.S_Timeout + x.S_erwaAntw;
    const auto tabellenlaenge = [&] { return t.pty.mit([](KopplerKern& k) { return int(k.lokal[0x116]); }); };

    const auto verloren = [&] { return t.pty.verloreneRahmen.exchange(0); };
    stoere(t, f.nurLesen ? Stoerung{"clean"} : f, false);
    EXPECT_EQ(Bus_Programm_Uebertragen(t.s, kUhr, 1), f.code ? 1 : 0);
    EXPECT_EQ(verloren(), f.verloren >= 0 && !f.nurLesen ? 1 : 0);
    if (f.code == 0) erwarteUhrGleichProgramm(t, f.name);
    const QStringList geschrieben = t.log();
    EXPECT_EQ(zeilen(geschrieben, 0, x.S_KeineGueltDaten), f.nurLesen ? 0 : f.schreibNeustarts);
    if (f.zeitueberschreitungen >= 0) {
      EXPECT_EQ(zeilen(geschrieben, 0, zeitueberschreitung), f.zeitueberschreitungen);
    }
    // The coupler's address table is as it was, whatever came on the line.
    EXPECT_EQ(tabellenlaenge(), 5);

    program().clearSlot(0);
    stoere(t, f, true);
    const int leseCode = f.code ? f.code : f.leseCode;
    EXPECT_EQ(Bus_Programm_Uebertragen(t.s, kUhr, 0), leseCode ? 1 : 0);
    EXPECT_EQ(verloren(), f.verloren >= 0 ? 1 : 0);
    const QStringList gelesen = t.log();
    EXPECT_EQ(zeilen(gelesen, geschrieben.size(), x.S_KeineGueltDaten), f.leseNeustarts);
    if (f.zeitueberschreitungen >= 0) {
      EXPECT_EQ(zeilen(gelesen, geschrieben.size(), zeitueberschreitung), f.zeitueberschreitungen);
    }
    EXPECT_EQ(tabellenlaenge(), 5);
    if (leseCode != 0) {
      const QString meldung = Busfehler_Text(leseCode, 1, {});
      ASSERT_EQ(t.env.messages.size(), f.code ? 2u : 1u);
      for (const auto& m : t.env.messages) EXPECT_EQ(m.text, meldung);
      continue;
    }
    SortiereSz(1, 0);
    const ProgramState& p = program();
    EXPECT_EQ(p.AnzGesamt[0], vorher.AnzGesamt[0]);
    EXPECT_EQ(p.AnzSz[0], vorher.AnzSz[0]);
    for (int i = 0; i < std::min(p.AnzGesamt[0], vorher.AnzGesamt[0]); ++i) EXPECT_EQ(p.Sz[0][i], vorher.Sz[0][i]) << " record " << i;
    EXPECT_EQ(p.AnzSw[0], vorher.AnzSw[0]);
    for (int i = 0; i < kSwEntries; ++i) EXPECT_EQ(p.SwTab[0][i], vorher.SwTab[0][i]) << " entry " << i;
    EXPECT_EQ(p.SwKopf[0], vorher.SwKopf[0]);
    EXPECT_TRUE(t.env.messages.empty()) << t.env.messages[0].text.toStdString();
  }
}

TEST(EibStoerungen, FrameCountBitAndLongestMessage) {
  PtyStand t(100, 400);
  t.pty.mit([](KopplerKern& k) { k.neu<SimSchaltuhr>(kUhr); });
  ASSERT_EQ(t.s.Bus_Oeffnen(1, 9600), 0);
  // Reset, then our frames alternate 73h, 53h from the reset on.
  const std::vector<uint8_t> auf = t.pty.steuerbytes();
  ASSERT_GE(auf.size(), 5u);
  EXPECT_EQ(std::vector<uint8_t>(auf.begin(), auf.begin() + 5), (std::vector<uint8_t>{0x40, 0x73, 0x53, 0x73, 0x53}));

  // A lost E5h: the frame goes again with the same bit and is carried out once; the bit
  // changes only with the next frame.
  const size_t vorher = t.pty.mit([](KopplerKern& k) { return k.empfangen.size(); });
  const uint8_t letztes = t.pty.steuerbytes().back();
  t.pty.verschluckteQuittung = t.pty.hostRahmen.load();
  ASSERT_EQ(t.s.Sende_Lokal(Lokal_Lesen_Telegramm(0x116, 1)), 0);
  ASSERT_EQ(t.s.Sende_Lokal(Lokal_Lesen_Telegramm(0x117, 1)), 0);
  const std::vector<uint8_t> nach = t.pty.steuerbytes();
  const uint8_t neu = letztes == 0x73 ? 0x53 : 0x73;
  EXPECT_EQ(std::vector<uint8_t>(nach.end() - 3, nach.end()), (std::vector<uint8_t>{neu, neu, letztes}));
  EXPECT_EQ(t.pty.mit([](KopplerKern& k) { return k.empfangen.size(); }), vorher + 2);

  // A repeated frame of the coupler is dropped: one answer, then nothing.
  ASSERT_EQ(Baue_Verbindung(t.s, kUhr), 0);
  t.pty.wiederholteAntwort = t.pty.antworten.load();
  ASSERT_EQ(Frage_Speicher(t.s, 0x120, 2), 0);
  uint16_t a = 0;
  QByteArray d;
  EXPECT_EQ(Erwarte_Speicher(t.s, kUhr, a, d), 0);
  EibPuffer p{};
  int16_t n = 0;
  const auto empfange = [&](int ms) {
    return warte_bis([&] { return t.seriell.EIB_Receive(p, n) == 0 && n > 0; }, ms);
  };
  EXPECT_FALSE(empfange(500));

  // The longest message the receive buffer takes: 39 bytes after the count; 40 are dropped.
  t.pty.sende(QByteArray(40, char(0x29)));
  t.pty.sende(QByteArray(39, char(0x27)));
  ASSERT_TRUE(empfange(1000));
  EXPECT_EQ(n, 40);
  EXPECT_EQ(p[0], 39);
  EXPECT_EQ(p[39], 0x27);
  EXPECT_FALSE(empfange(300));
  t.s.Bus_Schliessen();
}

TEST(EibStoerungen, ChangeoverEntriesWithGapsStayThroughSaveAndBusWrite) {
  EibStand t;
  setClockProfile(240);
  SimSchaltuhr& quelle = t.uhr(0x1105);
  SimSchaltuhr& ziel = t.uhr(0x1106);
  quelle.regel = 4;
  quelle.swKopf = 30;
  const std::array<uint8_t, 4> eintraege[3] = {{0x32, 0x53, 0x31, 0xA3}, {0x42, 0x63, 0x31, 0xA4}, {0x22, 0x73, 0x31, 0xA5}};
  quelle.sw[0] = eintraege[0];
  quelle.sw[1] = eintraege[1];
  quelle.sw[4] = eintraege[2];
  quelle.saetze.push_back({130, 16, 0, 127, 1, 1});
  ASSERT_EQ(Bus_Programm_Uebertragen(t.s, 0x1105, 0), 0);
  ProgramState& p = program();
  ASSERT_EQ(p.AnzSw[0], 3);
  for (int i = 0; i < 3; ++i)
    EXPECT_EQ(p.SwTab[0][i], (TSwEintrag{eintraege[i][0], eintraege[i][1], eintraege[i][2], eintraege[i][3]})) << i;

  // Saved and read back: all three entries.
  p.Dateiname[0] = t.dir.file(QStringLiteral("sowi.qvl"));
  ASSERT_EQ(SchreibeProgrammDatei(), 1);
  const ProgramState gelesen = p;
  p.clearSlot(0);
  ASSERT_EQ(LeseProgrammDatei(t.dir.file(QStringLiteral("sowi.qvl")), 1, 0), LeseErgebnis::Geladen);
  ASSERT_EQ(p.AnzSw[0], 3);
  for (int i = 0; i < kSwEntries; ++i) EXPECT_EQ(p.SwTab[0][i], gelesen.SwTab[0][i]) << i;

  // Written to another clock: entries 1 to 3, the rest empty.
  ASSERT_EQ(Bus_Programm_Uebertragen(t.s, 0x1106, 1), 0);
  const std::array<uint8_t, 4> leer{255, 255, 255, 255};
  for (int i = 0; i < kSwEntries; ++i) EXPECT_EQ(ziel.sw[i], i < 3 ? eintraege[i] : leer) << i;
  EXPECT_TRUE(t.env.messages.empty());
}
