#pragma once
// A pseudo-terminal pair for tests of serial protocols: the program under test opens the slave
// device by its path (the real QSerialPort code), the simulated peer reads and writes the master.
// The slave stays open here as well, so the peer keeps its line while the program closes and
// reopens the port.
#include <QByteArray>
#include <QString>

namespace qv::test {

class PtyPair {
 public:
  PtyPair();  // throws std::runtime_error when no pair can be opened
  ~PtyPair();
  PtyPair(const PtyPair&) = delete;
  PtyPair& operator=(const PtyPair&) = delete;

  // The device the program opens, e.g. "/dev/pts/7".
  QString slavePath() const { return slavePath_; }
  // The peer's side, non-blocking; for a QSocketNotifier or poll().
  int masterFd() const { return master_; }

  // Writes every byte to the line (the peer's output); false when the line is gone.
  bool write(const QByteArray& bytes);
  // What has reached the peer: waits up to timeoutMs for the first byte, then takes what is
  // there. Empty when nothing came.
  QByteArray read(int timeoutMs);
  // Reads exactly n bytes unless timeoutMs passes between two of them.
  QByteArray readExactly(int n, int timeoutMs);

 private:
  int master_ = -1;
  int slave_ = -1;
  QString slavePath_;
};

}  // namespace qv::test
