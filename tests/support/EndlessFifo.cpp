#include "tests/support/EndlessFifo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <chrono>
#include <csignal>
#include <vector>

namespace qv::test {

EndlessFifo::EndlessFifo(const QString& path) : path_(QFile::encodeName(path)) {
  // A reader that stops at its bound closes the FIFO; the write then fails instead of ending the run.
  std::signal(SIGPIPE, SIG_IGN);
  ok_ = ::mkfifo(path_.constData(), 0600) == 0;
  if (ok_) thread_ = std::thread([this] { fill(); });
}

EndlessFifo::~EndlessFifo() {
  stop_ = true;
  if (thread_.joinable()) thread_.join();
}

void EndlessFifo::fill() {
  const std::vector<char> zeros(64 * 1024, 0);
  while (!stop_) {
    // Without a reader a non-blocking open fails, so the thread can always be stopped.
    const int fd = ::open(path_.constData(), O_WRONLY | O_NONBLOCK);
    if (fd < 0) {
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
      continue;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    while (!stop_ && ::write(fd, zeros.data(), zeros.size()) > 0) {
    }
    ::close(fd);
  }
}

}  // namespace qv::test
