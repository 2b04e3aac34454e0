#include "json_output.h"

namespace vatool {
namespace {

std::string Dumped(const nlohmann::ordered_json& value) {
  return value.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

}  // namespace

std::string JsonMembers(const nlohmann::ordered_json& object) {
  std::string out;
  for (const auto& [key, value] : object.items()) {
    if (!out.empty()) out += ", ";
    out += Dumped(key) + ": " + Dumped(value);
  }
  return out;
}

std::string JsonLine(const nlohmann::ordered_json& object) { return '{' + JsonMembers(object) + '}'; }

}  // namespace vatool
