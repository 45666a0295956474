#pragma once
// A file-size limit as a quota or `ulimit -f` sets it, for the lifetime of the object: every write
// past the limit fails, in every file of the process, and SIGXFSZ is ignored as the program ignores
// it. Lowering one's own soft limit needs no privileges; both are restored afterwards.
#include <sys/resource.h>

#include <csignal>

namespace qv::test {

class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes);
  ~FileSizeLimit();
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;
  bool ok() const { return ok_; }

 private:
  rlimit before_{};
  struct sigaction handler_ {};
  bool ok_ = false;
};

}  // namespace qv::test
