#pragma once
// An Exchange data file read whole for a command: its bytes as the file holds them and as a true
// file (line endings of a CR+LF file removed), with the messages of a missing or foreign file.
#include <iosfwd>
#include <string>

#include "records/exchange_file.h"

namespace vatool {

struct XmsFileBytes {
  recbook::FileCheck check;
  std::string raw;       // the file's bytes
  std::string records;   // the true file: header and station records, 219 bytes each
};

// False after telling err why the file cannot be used.
bool ReadXmsFile(const std::string& path, XmsFileBytes& file, std::ostream& err);

}  // namespace vatool
