#include "tests/support/FileSizeLimit.h"

namespace qv::test {

FileSizeLimit::FileSizeLimit(rlim_t bytes) {
  struct sigaction ignore {};
  ignore.sa_handler = SIG_IGN;
  if (::getrlimit(RLIMIT_FSIZE, &before_) != 0 || ::sigaction(SIGXFSZ, &ignore, &handler_) != 0) return;
  rlimit limit = before_;
  limit.rlim_cur = bytes;
  ok_ = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

FileSizeLimit::~FileSizeLimit() {
  ::setrlimit(RLIMIT_FSIZE, &before_);
  ::sigaction(SIGXFSZ, &handler_, nullptr);
}

}  // namespace qv::test
