// Any bytes as an Exchange data file: the check, the CR+LF conversion and the export.
#include <string>

#include "records/exchange_file.h"
#include "testing/fuzz_scratch.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = quorla::fuzz::WriteInput("M_FUZZ.xms", data, size);
  const recbook::FileCheck c = recbook::CheckExchangeFile(path);
  if (c.kind == recbook::FileKind::True && c.records < 0) __builtin_trap();
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::string converted = recbook::WithoutLineEndings(bytes);
  if (recbook::CrLfExport(converted).size() != converted.size() / 219 * 221) __builtin_trap();
  return 0;
}
