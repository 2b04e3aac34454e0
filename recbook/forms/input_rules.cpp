#include "forms/input_rules.h"

#include <algorithm>
#include <cctype>
#include <initializer_list>

namespace recbook {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

RuledText Caret(std::string text, size_t caret) {
  const int at = static_cast<int>(std::min(caret, text.size()));
  return {std::move(text), at, at};
}

// Keeps the characters that keep(out, c) accepts, in order; the caret stays behind the characters
// that were kept before it.
template <class Keep>
RuledText Filter(std::string_view text, int caret, Keep keep) {
  std::string out;
  size_t newCaret = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (static_cast<int>(i) == caret) newCaret = out.size();
    const char c = Upper(text[i]);
    if (keep(out, c)) out += c;
  }
  if (caret >= static_cast<int>(text.size())) newCaret = out.size();
  return Caret(std::move(out), newCaret);
}

RuledText Number(const InputRule& rule, std::string_view text, int caret) {
  bool point = false;
  int before = 0, after = 0;
  return Filter(text, caret, [&](const std::string& out, char c) {
    if (c == '-') return rule.minus && out.empty();
    if (c == '.') return rule.decimals > 0 && !point && (point = true);
    if (!IsDigit(c)) return false;
    int& count = point ? after : before;
    if (count >= (point ? rule.decimals : rule.length)) return false;
    ++count;
    return true;
  });
}

// Digits with separators between their groups ("DD-MM-YYYY", "HH:MM"): a separator goes in as
// soon as a digit follows its group, so that a separator deleted by the user does not come back
// before more digits are typed. cuts: the digit counts after which a separator stands.
RuledText Separated(std::string_view text, int caret, size_t digitsKept, char separator,
                    std::initializer_list<size_t> cuts) {
  std::string digits;
  size_t digitsBeforeCaret = 0;
  for (size_t i = 0; i < text.size() && digits.size() < digitsKept; ++i) {
    if (!IsDigit(text[i])) continue;
    digits += text[i];
    if (static_cast<int>(i) < caret) digitsBeforeCaret = digits.size();
  }
  std::string out;
  size_t newCaret = digitsBeforeCaret;
  for (size_t i = 0; i < digits.size(); ++i) {
    if (std::find(cuts.begin(), cuts.end(), i) != cuts.end()) {
      out += separator;
      if (digitsBeforeCaret > i) ++newCaret;
    }
    out += digits[i];
  }
  return Caret(std::move(out), newCaret);
}

// The character just typed (before the caret), else the first one.
char TypedCharacter(std::string_view text, int caret) {
  const size_t at = caret > 0 && static_cast<size_t>(caret) <= text.size() ? static_cast<size_t>(caret) - 1 : 0;
  return Upper(text[at]);
}

// Position 5 of an antenna code by the type letter in position 4.
bool FifthFits(char type, char c) {
  switch (type) {
    case 'C':
    case 'E': return c == 'A' || c == 'B' || c == 'C';
    case 'D': return c == 'E';
    case 'K':
    case 'L': return c == 'A';
    case 'N': return c == 'D';
    case 'V':
    case 'W': return c >= 'A' && c <= 'I';
    default: return false;
  }
}

RuledText AntennaCode(std::string_view text, int caret) {
  constexpr std::string_view kOmni = "000ND00";
  RuledText r = Filter(text, caret, [](const std::string& out, char c) {
    const size_t position = out.size();
    if (position >= 7) return false;
    if (position < 3 || position > 4) return IsDigit(c);
    if (position == 3) return std::string_view("CDEKLNVW").find(c) != std::string_view::npos;
    return FifthFits(out[3], c);
  });
  if (r.text.empty()) return {std::string(kOmni), 0, 7};
  if (r.text.size() == 4 && r.text[3] == 'N') return Caret(std::string(kOmni), 7);
  if (r.text.size() >= 5) {
    r.text.resize(7, '0');
    // A pattern of type N exists only as 000ND00.
    if (r.text[3] == 'N' && r.text.substr(0, 3) != "000") r.text.resize(3);
  }
  return Caret(std::move(r.text), static_cast<size_t>(r.selectionStart));
}

}  // namespace

RuledText ApplyInputRule(const InputRule& rule, std::string_view text, int caret) {
  caret = std::clamp(caret, 0, static_cast<int>(text.size()));
  const auto upTo = [&](auto accepted) {
    return Filter(text, caret, [&](const std::string& out, char c) { return out.size() < rule.length && accepted(c); });
  };
  switch (rule.kind) {
    case RuleKind::Number: return Number(rule, text, caret);
    case RuleKind::Date: return Separated(text, caret, 8, '-', {2, 4});
    case RuleKind::Time: return Separated(text, caret, 4, ':', {2});
    case RuleKind::Letters: return upTo([](char c) { return c >= 'A' && c <= 'Z'; });
    case RuleKind::Upper: return upTo([](char) { return true; });
    case RuleKind::Text:
    case RuleKind::EmailText:
      return upTo([&](char c) {
        return IsDigit(c) || (c >= 'A' && c <= 'Z') || std::string_view(" =()*+-./").find(c) != std::string_view::npos ||
               (c == '@' && rule.kind == RuleKind::EmailText);
      });
    case RuleKind::ChannelOccupation:
      if (text.empty()) return {};
      return Caret(text == "0" || text == "1" ? std::string(text) : "1", 1);
    case RuleKind::ReferenceAntenna: {
      if (text.empty()) return {};
      const char c = TypedCharacter(text, caret);
      return Caret(std::string(1, c == 'I' ? 'I' : 'E'), 1);
    }
    case RuleKind::ContentsCode: {
      if (text.empty()) return {};
      const char c = TypedCharacter(text, caret);
      return std::string_view("NOMDA").find(c) == std::string_view::npos ? RuledText{} : Caret(std::string(1, c), 1);
    }
    case RuleKind::AntennaCode: return AntennaCode(text, caret);
    case RuleKind::Geo:
    case RuleKind::Fixed: break;
  }
  return Caret(std::string(text), static_cast<size_t>(caret));
}

}  // namespace recbook
