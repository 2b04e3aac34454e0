// Any bytes as an Exchange data file: the check, the loader every reader goes through, the CR+LF
// conversion and the export.
#include <string>

#include "records/exchange_file.h"
#include "records/exchange_loader.h"
#include "testing/fuzz_scratch.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = quorla::fuzz::WriteInput("M_FUZZ.xms", data, size);
  const recbook::FileCheck c = recbook::CheckExchangeFile(path);
  if (c.kind == recbook::FileKind::True && c.records < 0) __builtin_trap();
  // What the loader accepts is whole records, the header first, as many as the check counted.
  std::string trueBytes;
  if (recbook::LoadExchangeFile(path, trueBytes) == recbook::LoadStatus::Ok &&
      (trueBytes.size() < 219 || trueBytes.size() % 219 != 0 ||
       trueBytes.size() / 219 != static_cast<size_t>(c.records) + 1))
    __builtin_trap();
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::string converted = recbook::WithoutLineEndings(bytes);
  if (recbook::CrLfExport(converted).size() != converted.size() / 219 * 221) __builtin_trap();
  return 0;
}
