#include "tests/support/IdleFifo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <chrono>

namespace qv::test {

IdleFifo::IdleFifo(const QString& path, bool make) : path_(QFile::encodeName(path)) {
  ok_ = !make || ::mkfifo(path_.constData(), 0600) == 0;
  if (!ok_) return;
  thread_ = std::thread([this] {
    while (!stop_) {
      // A non-blocking open for writing succeeds only while a reader has the FIFO open; closing it
      // again gives that reader the end of the file.
      const int fd = ::open(path_.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
      if (fd >= 0) {
        opened_ = true;
        ::close(fd);
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
  });
}

IdleFifo::~IdleFifo() {
  stop_ = true;
  if (thread_.joinable()) thread_.join();
}

}  // namespace qv::test
