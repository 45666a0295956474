#pragma once
// A FIFO that nobody writes, made by the test in place of a file: opening it for reading would
// wait forever. A watcher opens it for writing whenever a reader holds it open, which frees a
// reader that blocked in it and records that one did. With make false it only watches the name,
// for a FIFO a stand-in helper program makes there.
#include <QByteArray>
#include <QString>
#include <atomic>
#include <thread>

namespace qv::test {

class IdleFifo {
 public:
  explicit IdleFifo(const QString& path, bool make = true);
  ~IdleFifo();
  IdleFifo(const IdleFifo&) = delete;
  IdleFifo& operator=(const IdleFifo&) = delete;
  bool ok() const { return ok_; }
  // True once a reader has opened the FIFO.
  bool opened() const { return opened_; }

 private:
  QByteArray path_;
  bool ok_ = false;
  std::atomic<bool> stop_{false};
  std::atomic<bool> opened_{false};
  std::thread thread_;
};

}  // namespace qv::test
