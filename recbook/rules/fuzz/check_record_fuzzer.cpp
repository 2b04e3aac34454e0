// Any 219 bytes as a station record through CheckRecord in every mode, silent and interactive.
// Invariants: modes 0 and 2 agree; a record that passes mode 2 passes mode 1; answering No to
// every question gives the silent mark; a mark has five or six characters and a message.
#include <cstdint>
#include <cstring>

#include "error_letters.h"
#include "quiet_host.h"
#include "record_check.h"

namespace {

// Answers every message box with No (or OK) and records how many it saw.
class NoHost : public quorla::QuietHost {
 public:
  int messages = 0;
  quorla::Answer Message(std::string_view text, std::string_view title, quorla::Buttons b, quorla::Icon i) override {
    ++messages;
    return QuietHost::Message(text, title, b, i);
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  recbook::StationRecord r;
  std::memset(r.bytes, ' ', recbook::kRecordSize);
  std::memcpy(r.bytes, data, size < recbook::kRecordSize ? size : recbook::kRecordSize);

  const auto none = recbook::CheckRecord(r, recbook::ErrorSearchMode::None);
  const auto calc = recbook::CheckRecord(r, recbook::ErrorSearchMode::CalcErrors);
  const auto all = recbook::CheckRecord(r, recbook::ErrorSearchMode::AllErrors);
  if (none.mark != all.mark || none.check != all.check) __builtin_trap();
  if (all.ok() && !calc.ok()) __builtin_trap();
  for (const auto& c : {none, calc, all}) {
    if (!c.ok() && c.mark.size() != 5 && c.mark.size() != 6) __builtin_trap();
    if (!c.ok() && recbook::CheckMessage(c.check, r, quorla::Language::Czech).empty()) __builtin_trap();
    if (c.ok() != (recbook::ErrorLetter(c.mark) == ' ')) __builtin_trap();
  }
  for (auto mode : {recbook::ErrorSearchMode::None, recbook::ErrorSearchMode::CalcErrors,
                    recbook::ErrorSearchMode::AllErrors}) {
    NoHost host;
    const auto asked = recbook::CheckRecord(r, mode, {host, quorla::Language::English, "Ed"});
    const auto silent = recbook::CheckRecord(r, mode);
    if (asked.mark != silent.mark || host.messages != (silent.ok() ? 0 : 1)) __builtin_trap();
  }
  return 0;
}
