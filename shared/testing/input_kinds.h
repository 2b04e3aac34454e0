#pragma once
// The kinds of path a reader of outside files can be handed, made in a private folder: one row per
// kind with the status every reader must give. A reader test runs its reader over Cases() and
// checks the status (and its own message); an alarm ends the test if a reader hangs.
#include <string>
#include <vector>

#include "input_file.h"

namespace quorla {

struct InputKindCase {
  std::string kind;      // "missing", "directory", "fifo", "device", "unreadable", "oversize", "empty", ...
  std::string path;
  InputStatus expected;  // Ok for the empty file: whether that is malformed is the reader's to say
};

class InputKindFiles {
 public:
  // maxBytes: the reader's limit; the oversize file is a sparse file one byte longer.
  explicit InputKindFiles(unsigned long long maxBytes, const std::string& extension = "");
  ~InputKindFiles();
  InputKindFiles(const InputKindFiles&) = delete;
  InputKindFiles& operator=(const InputKindFiles&) = delete;

  // The unreadable row is left out when permissions cannot keep this process out (root).
  const std::vector<InputKindCase>& Cases() const { return cases_; }

 private:
  std::string dir_;
  std::vector<InputKindCase> cases_;
};

}  // namespace quorla
