#pragma once
// A small JSON reader for the converter's input (TopoJSON): the whole text into a value tree.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quorla::geoatlas {

struct JsonValue {
  enum class Kind { Null, Bool, Number, String, Array, Object };
  Kind kind = Kind::Null;
  double number = 0;  // also the Bool as 0/1
  std::string text;
  std::vector<JsonValue> items;     // Array elements, or Object member values
  std::vector<std::string> keys;    // Object member names, parallel to items

  // The member named key, or nullptr (also when this is no object).
  const JsonValue* Member(std::string_view key) const;
};

// Parses text; false with a message naming the byte position when it is not valid JSON.
bool ParseJson(std::string_view text, JsonValue& value, std::string& error);

}  // namespace quorla::geoatlas
