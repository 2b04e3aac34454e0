#include "kathrein_setting.h"

#include <filesystem>
#include <system_error>

namespace radpattern {
namespace {
constexpr const char* kValue = "Kathrein";
}

std::string ReadKathreinDirectory(const quorla::SettingsStore& store) {
  const std::optional<std::string> stored = store.QueryText(quorla::kQuorlaKey, kValue);
  if (stored && !stored->empty()) return *stored;
  std::error_code ec;
  const std::filesystem::path current = std::filesystem::current_path(ec);
  return ec ? std::string() : current.string();
}

bool WriteKathreinDirectory(quorla::SettingsStore& store, const std::string& atStart, const std::string& atEnd) {
  if (atStart == atEnd) return true;
  return store.CreateOrOpenKey(quorla::kQuorlaKey) && store.SetText(quorla::kQuorlaKey, kValue, atEnd);
}

}  // namespace radpattern
