#pragma once
// A simulated key adapter with a memory key on the master side of a pseudo-terminal pair: it
// answers the block protocol's write and read frames from its own thread and follows scripted
// faults, either one entry per frame received or for a chosen block and try. Answers can leave
// late while the adapter goes on taking frames, so a late answer lands in a later exchange as it
// would on a real line. Its output can be paced at a baud rate.
#include <QByteArray>
#include <atomic>
#include <chrono>
#include <deque>
#include <map>
#include <mutex>
#include <thread>
#include <tuple>
#include <vector>

#include "tests/support/PtyPair.h"

namespace qv::test {

struct Stoerung {
  // Schweigen: the frame is lost on the line, the key never sees it. AntwortWeg: the adapter
  // does the work and its answer is lost. Kurz: one byte short. Fremd: bytes of no answer.
  // AndereSeite: a read is answered, whole and well formed, for the same place one 256-byte page
  // further on, as a late answer from there would come.
  enum Art { Keine, KeinChip, ChipStumm, Leitungsfehler, Schweigen, AntwortWeg, Kurz, Fremd, AndereSeite };
  Art art = Keine;
  int spaetMs = 0;      // the answer leaves this much later; the adapter takes frames meanwhile
  int teile = 1;        // the answer in this many pieces,
  int teilPauseMs = 0;  // this far apart
  int doppeltMs = -1;   // the answer once more, this long after the first; 0: in one go with it
  bool haelt = false;   // the adapter takes the next frame only when this answer has left
};

enum class Rahmenart { Schreiben, Lesen };

// A stored image of groesse bytes whose 16-byte blocks all differ, so that a block put in the
// wrong place shows; its bytes sum to 0 modulo 256, as a program file's do.
std::vector<uint8_t> Pruefabbild(int groesse);
// The image as a program file holds it: whole numbers, 16 to a line.
QByteArray Programmtext(const std::vector<uint8_t>& abbild);

class KeyAdapterSim {
 public:
  explicit KeyAdapterSim(int groesse);  // memory key of 2048 or 8192 bytes
  ~KeyAdapterSim();

  QString device() const { return pty_.slavePath(); }
  // One fault per frame received, in order; a frame with a fault chosen by block takes that one.
  void plane(const std::vector<Stoerung>& s);
  // The fault for the versuch-th frame (from 0) that writes or reads the block at adr.
  void plane(Rahmenart art, int adr, int versuch, const Stoerung& s);
  // Old adapters know only 2 KB keys and answer every 8 KB frame with 2, A1.
  void setAlt(bool alt) { alt_ = alt; }
  // 0: as fast as the pseudo-terminal takes it; else the line's rate (10 bits a byte) in both
  // directions: a frame is answered no sooner than its last byte would have arrived, and the
  // answer's bytes leave no faster than the line carries them.
  void setBaud(int baud) { baud_ = baud; }
  // The time the key takes to store one block before the status answer.
  void setSchreibdauerMs(int ms) { schreibMs_ = ms; }

  std::vector<uint8_t> speicher() const;
  void setSpeicher(const std::vector<uint8_t>& s);
  int rahmen() const { return rahmen_; }

 private:
  using Zeit = std::chrono::steady_clock::time_point;
  void lauf();
  void antworte(const QByteArray& rahmen, Zeit ankunft);
  void sendeFaellige();
  void sende(const QByteArray& bytes);

  PtyPair pty_;
  mutable std::mutex mutex_;
  std::vector<uint8_t> speicher_;
  std::deque<Stoerung> plan_;
  std::map<std::tuple<Rahmenart, int, int>, Stoerung> gezielt_;
  std::map<std::pair<Rahmenart, int>, int> gezaehlt_;
  // Answers waiting for their time; only the adapter's thread touches it.
  std::multimap<Zeit, QByteArray> ausgang_;
  std::atomic<bool> alt_{false};
  std::atomic<int> baud_{0};
  std::atomic<int> schreibMs_{0};
  std::atomic<int> rahmen_{0};
  std::atomic<bool> ende_{false};
  std::thread thread_;
};

}  // namespace qv::test
