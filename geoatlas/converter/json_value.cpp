#include "json_value.h"

#include <charconv>

namespace quorla::geoatlas {
namespace {

constexpr int kMaxDepth = 64;

class Parser {
 public:
  explicit Parser(std::string_view t) : t_(t) {}

  bool Document(JsonValue& v, std::string& error) {
    const bool ok = Value(v, 0) && (Skip(), pos_ == t_.size());
    if (!ok) error = "invalid JSON at byte " + std::to_string(pos_);
    return ok;
  }

 private:
  void Skip() {
    while (pos_ < t_.size() && (t_[pos_] == ' ' || t_[pos_] == '\n' || t_[pos_] == '\r' || t_[pos_] == '\t')) ++pos_;
  }
  bool Literal(std::string_view word) {
    if (t_.substr(pos_, word.size()) != word) return false;
    pos_ += word.size();
    return true;
  }
  bool Value(JsonValue& v, int depth) {
    Skip();
    if (pos_ >= t_.size() || depth > kMaxDepth) return false;
    const char c = t_[pos_];
    if (c == '{') return Object(v, depth);
    if (c == '[') return Array(v, depth);
    if (c == '"') {
      v.kind = JsonValue::Kind::String;
      return String(v.text);
    }
    if (c == 't' || c == 'f') {
      v.kind = JsonValue::Kind::Bool;
      v.number = c == 't';
      return Literal(c == 't' ? "true" : "false");
    }
    if (c == 'n') return Literal("null");
    v.kind = JsonValue::Kind::Number;
    const auto r = std::from_chars(t_.data() + pos_, t_.data() + t_.size(), v.number);
    if (r.ec != std::errc()) return false;
    pos_ = static_cast<size_t>(r.ptr - t_.data());
    return true;
  }
  bool Array(JsonValue& v, int depth) {
    v.kind = JsonValue::Kind::Array;
    ++pos_;
    Skip();
    if (pos_ < t_.size() && t_[pos_] == ']') return ++pos_, true;
    for (;;) {
      v.items.emplace_back();
      if (!Value(v.items.back(), depth + 1)) return false;
      Skip();
      if (pos_ >= t_.size()) return false;
      if (t_[pos_++] == ']') return true;
      if (t_[pos_ - 1] != ',') return false;
    }
  }
  bool Object(JsonValue& v, int depth) {
    v.kind = JsonValue::Kind::Object;
    ++pos_;
    Skip();
    if (pos_ < t_.size() && t_[pos_] == '}') return ++pos_, true;
    for (;;) {
      Skip();
      v.keys.emplace_back();
      if (pos_ >= t_.size() || t_[pos_] != '"' || !String(v.keys.back())) return false;
      Skip();
      if (pos_ >= t_.size() || t_[pos_++] != ':') return false;
      v.items.emplace_back();
      if (!Value(v.items.back(), depth + 1)) return false;
      Skip();
      if (pos_ >= t_.size()) return false;
      if (t_[pos_++] == '}') return true;
      if (t_[pos_ - 1] != ',') return false;
    }
  }
  // A string with its escapes; \u is kept as UTF-8 (names only serve as keys for codes).
  bool String(std::string& out) {
    ++pos_;
    while (pos_ < t_.size()) {
      const char c = t_[pos_++];
      if (c == '"') return true;
      if (c != '\\') {
        out += c;
        continue;
      }
      if (pos_ >= t_.size()) return false;
      const char e = t_[pos_++];
      switch (e) {
        case 'n': out += '\n'; break;
        case 't': out += '\t'; break;
        case 'r': out += '\r'; break;
        case 'b': out += '\b'; break;
        case 'f': out += '\f'; break;
        case 'u': {
          unsigned cp = 0;
          if (pos_ + 4 > t_.size() || std::from_chars(t_.data() + pos_, t_.data() + pos_ + 4, cp, 16).ptr != t_.data() + pos_ + 4)
            return false;
          pos_ += 4;
          if (cp < 0x80) out += static_cast<char>(cp);
          else if (cp < 0x800) out += {static_cast<char>(0xc0 | (cp >> 6)), static_cast<char>(0x80 | (cp & 0x3f))};
          else out += {static_cast<char>(0xe0 | (cp >> 12)), static_cast<char>(0x80 | ((cp >> 6) & 0x3f)), static_cast<char>(0x80 | (cp & 0x3f))};
          break;
        }
        default: out += e;
      }
    }
    return false;
  }

  std::string_view t_;
  size_t pos_ = 0;
};

}  // namespace

const JsonValue* JsonValue::Member(std::string_view key) const {
  for (size_t i = 0; i < keys.size(); ++i)
    if (keys[i] == key) return &items[i];
  return nullptr;
}

bool ParseJson(std::string_view text, JsonValue& value, std::string& error) {
  value = {};
  return Parser(text).Document(value, error);
}

}  // namespace quorla::geoatlas
