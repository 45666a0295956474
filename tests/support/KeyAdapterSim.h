#pragma once
// A simulated key adapter with a memory key on the master side of a pseudo-terminal pair: it
// answers the block protocol's write and read frames from its own thread, and follows a plan of
// scripted faults, one entry per frame received. Its output can be paced at a baud rate.
#include <QByteArray>
#include <atomic>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

#include "tests/support/PtyPair.h"

namespace qv::test {

struct Stoerung {
  enum Art { Keine, KeinChip, ChipStumm, Leitungsfehler, Schweigen, Geteilt, Kurz, Fremd };
  Art art = Keine;
  int pauseMs = 0;  // Geteilt: pause between the pieces; any: delay before the answer
  int teile = 2;    // Geteilt: number of pieces
};

class KeyAdapterSim {
 public:
  explicit KeyAdapterSim(int groesse);  // memory key of 2048 or 8192 bytes
  ~KeyAdapterSim();

  QString device() const { return pty_.slavePath(); }
  void plane(const std::vector<Stoerung>& s);
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
  void lauf();
  void antworte(const QByteArray& rahmen);
  void sende(const QByteArray& bytes);

  PtyPair pty_;
  mutable std::mutex mutex_;
  std::vector<uint8_t> speicher_;
  std::deque<Stoerung> plan_;
  std::atomic<bool> alt_{false};
  std::atomic<int> baud_{0};
  std::atomic<int> schreibMs_{0};
  std::atomic<int> rahmen_{0};
  std::atomic<bool> ende_{false};
  std::thread thread_;
};

}  // namespace qv::test
