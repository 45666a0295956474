#pragma once
// A simulated bus: the local coupler with its memory, bus devices with memory and mask version,
// and time switches with their mailbox firmware. The same coupler core serves the in-process
// driver (SimulierterKoppler) and, behind a pseudo-terminal speaking FT1.2, the real serial
// driver (Ft12Koppler). Every knob scripts one fault.
#include <QByteArray>
#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "tests/support/PtyPair.h"
#include "transfer/EibTreiber.h"

namespace qv::test {

class SimGeraet {
 public:
  explicit SimGeraet(uint16_t adresse);
  virtual ~SimGeraet() = default;
  // The answers (APDUs) to one APDU from the bus.
  std::vector<QByteArray> verarbeite(const QByteArray& apdu);
  // The answers of the last call go on the bus marked as repetitions.
  bool alsWiederholung() const { return alsWiederholung_; }

  uint16_t adresse;
  std::array<uint8_t, 2> maske{0x00, 0x12};
  std::array<uint8_t, 0x200> speicher{};
  bool stumm = false;          // answers nothing
  bool schreibtNicht = false;  // memory ignores writes
  bool fremderDienst = false;  // answers memory reads with another service
  int memoryWrites = 0;

 protected:
  virtual void geschrieben(uint16_t, int) {}
  virtual void wirdGelesen(uint16_t, int) {}
  // The answer to a memory read, as it leaves; the device may put another in its place.
  virtual void antwortet(uint16_t, int, QByteArray&) {}
  bool alsWiederholung_ = false;

 private:
  uint8_t folge_ = 0;
};

class SimSchaltuhr : public SimGeraet {
 public:
  explicit SimSchaltuhr(uint16_t adresse);
  using Satz = std::array<uint8_t, 6>;
  std::vector<Satz> saetze;
  uint8_t swKopf = 255;
  std::array<std::array<uint8_t, 4>, 20> sw{};
  uint8_t regel = 0;
  std::vector<QByteArray> befehle;  // every mailbox command taken: command byte, then its data

  int beschaeftigt = 1;     // reads that find the mailbox busy after each request
  int nichtBereit = 0;      // read requests answered "not ready"
  int nimmtNicht = 0;       // write requests left in the mailbox instead of taken
  bool ketteEndlos = false; // the last record links back to the first
  int kaputterSatz = -1;    // the record at this chain position answers with an invalid first byte
  int nimmtNachMs = 0;      // a slow clock: a request is carried out this long after it came
  // A copy of an earlier answer in place of a lost one, as when the clock took a read twice: the
  // first answer of request kopieVon that is not busy (requests counted from 0 as they come) comes
  // again in place of the answer to the first read of request kopieStatt, which is lost; marked as
  // a repetition when kopieAlsWiederholung is set. -1 = none.
  // kopieLesungen: as many reads of request kopieStatt in a row, from its first on, get the copy
  // (each its answer lost).
  int kopieVon = -1;
  int kopieStatt = -1;
  int kopieLesungen = 1;
  bool kopieAlsWiederholung = false;
  int anfragen = 0;  // mailbox requests that came so far

 protected:
  void geschrieben(uint16_t adresse, int anzahl) override;
  void wirdGelesen(uint16_t adresse, int anzahl) override;
  void antwortet(uint16_t adresse, int anzahl, QByteArray& apdu) override;

 private:
  void fuehreAus();
  int lesungen_ = 0;  // reads of the mailbox since the last request
  std::optional<QByteArray> kopie_;
  bool offen_ = false;
  int warte_ = 0;
  std::chrono::steady_clock::time_point gekommen_{};
  size_t zeiger_ = 0;
};

class KopplerKern {
 public:
  KopplerKern();
  // One message (without its count byte) from the host; the coupler's messages in return.
  std::vector<QByteArray> verarbeite(const QByteArray& nachricht);
  template <typename T = SimGeraet>
  T& neu(uint16_t adresse) {
    geraete.push_back(std::make_unique<T>(adresse));
    return static_cast<T&>(*geraete.back());
  }
  SimGeraet* geraet(uint16_t adresse);

  std::array<uint8_t, 0x200> lokal{};  // the local coupler's memory; &H116 address-table length
  std::vector<std::unique_ptr<SimGeraet>> geraete;
  std::vector<QByteArray> empfangen;   // every message from the host
  int layer = 0;
  int verbindung = -1;                  // device of the transport connection
  bool keineBestaetigung = false;       // local reads are not confirmed
  // Before each answer: the same from another sender, a short confirmation, and a message of
  // another code from the device itself, long enough for an answer and carrying other data.
  bool fremdeNachrichten = false;
};

class SimulierterKoppler final : public EibTreiber {
 public:
  KopplerKern kern;
  int16_t openFehler = 0, resetAstFehler = 0, resetBcuFehler = 0;
  bool sendNieFertig = false;
  int verzoegerung = 1;  // empty receive polls before each message
  std::deque<QByteArray> eingeschoben;  // messages (with count byte) delivered before any reply
  // Messages (with count byte) lying in the driver's queue: each poll takes one at once, and a
  // send leaves them where this stand-in otherwise drops what came before it.
  std::deque<QByteArray> liegen;

  int16_t EIB_Open(int16_t port, int16_t baud, int16_t p3, int16_t p4, int16_t p5) override;
  int16_t EIB_ResetAst() override;
  int16_t EIB_ResetBcu() override;
  int16_t EIB_SetLayer(int16_t layer) override;
  int16_t EIB_Send(const QByteArray& telegramm) override;
  int16_t EIB_SendStatus(int16_t& a, int16_t& b, int16_t& fertig) override;
  int16_t EIB_Receive(EibPuffer& puffer, int16_t& laenge) override;
  int16_t EIB_Close() override;
  bool offen() const { return offen_; }
  int geoeffnet = 0;

 private:
  bool offen_ = false;
  int warte_ = 0;
  std::deque<QByteArray> ausgang_;
};

// The coupler core behind a pseudo-terminal: the program opens slavePath() with the serial
// driver; a thread answers FT1.2 frames on the master side. Like a coupler it sends one frame at
// a time, sends it again unchanged (same frame-count bit) until the host's E5h comes, gives up
// after four sends and then resets the link; a host frame that repeats the last frame-count bit
// is acknowledged and not carried out again.
class Ft12Koppler {
 public:
  Ft12Koppler();
  ~Ft12Koppler();
  QString slavePath() const { return pty_.slavePath(); }
  // Runs f on the core while the thread is held.
  template <typename F>
  auto mit(F f) {
    std::lock_guard<std::mutex> l(m_);
    return f(kern_);
  }
  // One message (without its count byte) to the host, as if from the bus.
  void sende(const QByteArray& nachricht);
  // The control bytes of every frame from the host, repeats included.
  std::vector<uint8_t> steuerbytes();

  std::atomic<bool> keineQuittung{false};  // frames from the host are not acknowledged
  std::atomic<int> kaputteRahmen{0};       // the next n sends to the host carry a wrong sum
  std::atomic<int> falscheRahmen{0};       // sends with a wrong sum that reached the host
  // Counters: frames taken from the host (repeats not counted) and data messages to it.
  std::atomic<int> hostRahmen{0};
  std::atomic<int> antworten{0};
  // Faults by counter value, -1 = none: the E5h of that host frame is lost (the frame is carried
  // out); the host's E5h for that data message is lost, so it comes twice with one frame-count
  // bit; that data message comes verspaetungMs late.
  std::atomic<int> verschluckteQuittung{-1};
  std::atomic<int> wiederholteAntwort{-1};
  std::atomic<int> spaeteAntwort{-1};
  std::atomic<int> verspaetungMs{2500};
  // n > 0: the late data message is held instead, until the n-th host frame after it that the
  // device answers, and leaves just before that frame's own answer, or in its place (which is
  // then lost) when spaeteStattAntwort is set.
  std::atomic<int> spaeteAntwortNach{0};
  std::atomic<bool> spaeteStattAntwort{false};
  // Mailbox request n of the (first) clock on the bus, counted as it counts them, -1 = none: from
  // the moment request n - 1 has come, each E5h comes late, after the driver has sent the frame
  // again, and the late one goes out as the next frame comes, standing for that frame's own; the
  // frame carrying request n is lost on the line (neither acknowledged nor carried out), so the
  // late E5h of the frame before it is the only one it gets. Once.
  std::atomic<int> verloreneAnfrage{-1};
  std::atomic<int> verloreneRahmen{0};  // frames lost so far
  // From this host frame on the coupler neither acknowledges nor carries out anything.
  std::atomic<int> stummAb{-1};
  // After this host frame the coupler sends a confirmation of a local read nobody asked for
  // (the address-table length 7).
  std::atomic<int> streuBestaetigung{-1};
  // From this data message on, the first frame the coupler sends with frame-count bit 0 goes out
  // broken four times; the coupler gives it up and starts its link again.
  std::atomic<int> aufgegebeneAntwort{-1};
  // A paced line: the bytes cross it both ways at this rate (eleven bits a byte, as 8E1); 0 = at
  // once.
  std::atomic<int> baud{0};

 private:
  using Zeit = std::chrono::steady_clock::time_point;
  struct Ausgehend {
    QByteArray nachricht;
    Zeit faellig;
    bool doppelt = false;
    int nummer = -1;  // of a data message
  };
  void lauf();
  void nimm(const QByteArray& stueck, uint8_t steuer);
  void sendeRahmen();
  void leitung(const QByteArray& bytes);  // to the host, paced
  PtyPair pty_;
  KopplerKern kern_;
  std::mutex m_;
  std::atomic<bool> ende_{false};
  std::deque<Ausgehend> ausgang_;  // under m_
  std::vector<uint8_t> steuer_;    // under m_
  std::optional<Ausgehend> gehalten_;  // under m_: the late data message held back,
  int gehaltenNoch_ = 0;               // until this many more answered host frames
  // The thread's own: the frame on its way to the host and the frame-count bits.
  QByteArray imFlug_;
  bool doppelt_ = false;
  bool spaeteQuittung_ = false;  // an E5h held back, for the next frame from the host
  int sendungen_ = 0;
  Zeit gesendet_{};
  bool fcb_ = true;
  bool zuruecksetzen_ = false;
  std::optional<bool> hostFcb_;
  std::thread t_;
};

}  // namespace qv::test
