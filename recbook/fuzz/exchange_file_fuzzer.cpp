// Any bytes as an Exchange data file: the check, the CR+LF conversion and the export.
#include <unistd.h>

#include <cstdio>
#include <string>

#include "records/exchange_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string path = "/tmp/exchange_file_fuzzer." + std::to_string(::getpid());
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return 0;
  std::fwrite(data, 1, size, f);
  std::fclose(f);
  const recbook::FileCheck c = recbook::CheckExchangeFile(path);
  if (c.kind == recbook::FileKind::True && c.records < 0) __builtin_trap();
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::string converted = recbook::WithoutLineEndings(bytes);
  if (recbook::CrLfExport(converted).size() != converted.size() / 219 * 221) __builtin_trap();
  return 0;
}
