#pragma once
// An endless input the test makes itself, in place of a device node: a FIFO that a thread fills
// with zero bytes for every reader that opens it, until the object goes. Readers see a file that
// never ends, as they would at a device, without the test touching one.
#include <QByteArray>
#include <QString>
#include <atomic>
#include <thread>

namespace qv::test {

class EndlessFifo {
 public:
  explicit EndlessFifo(const QString& path);
  ~EndlessFifo();
  EndlessFifo(const EndlessFifo&) = delete;
  EndlessFifo& operator=(const EndlessFifo&) = delete;
  bool ok() const { return ok_; }

 private:
  void fill();
  QByteArray path_;
  bool ok_ = false;
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

}  // namespace qv::test
