#pragma once
// A private scratch folder for the presenter tests, removed at the end of the test, with sample
// registers written into it.
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "atomic_file.h"
#include "records/sample_generator.h"

namespace recbook::testing {

// A private folder removed at the end of the test.
class ScratchFolder {
 public:
  ScratchFolder() {
    char pattern[] = "/tmp/editor_test.XXXXXX";
    if (::mkdtemp(pattern)) path_ = std::string(pattern) + "/";
  }
  ~ScratchFolder() { std::system(("rm -rf '" + path_ + "'").c_str()); }
  const std::string& path() const { return path_; }
  std::string Sample(const std::string& name, long long records, uint64_t seed = 7) const {
    quorla::WriteFileAtomically(path_ + name, SampleFile(records, seed, {2026, 12, 7, 10, 0, 0}));
    return path_ + name;
  }

 private:
  std::string path_;
};

}  // namespace recbook::testing
