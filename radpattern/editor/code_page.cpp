#include "code_page.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "antenna_code.h"
#include "antenna_types.h"
#include "code_fields.h"
#include "editor_texts.h"

namespace radpattern {
namespace {

// The type text an option builds: V and W start with their A letter.
std::string OptionType(int option) {
  const std::string_view name = kTypeOptionNames[static_cast<size_t>(option)];
  return name.size() == 1 ? std::string(name) + "A" : std::string(name);
}

// The valid first fields of a type, from the table of antenna types; lobe types take 000..999.
std::pair<int, int> FirstFieldRange(std::string_view type) {
  if (const AntennaTypeRange* row = FindAntennaType(type)) return {row->firstFrom, row->firstTo};
  return {0, 999};
}

}  // namespace

int TypeOptionOf(std::string_view code) {
  if (code.size() != kAntennaCodeSize) return 0;
  const std::string_view type = code.substr(3, 2);
  for (int i = 0; i < kTypeOptionCount; ++i) {
    const std::string_view name = kTypeOptionNames[static_cast<size_t>(i)];
    if (name.size() == 2 ? type == name : type[0] == name[0]) return i;
  }
  return 0;
}

CodePageContent DescribeCode(std::string_view code, quorla::Language lang) {
  CodePageContent c;
  c.option = TypeOptionOf(code);
  c.first = std::string(code.substr(0, 3));
  c.type = std::string(code.substr(3, 2));
  c.last = std::string(code.substr(5, 2));
  c.lists = FieldListsForType(c.type);
  const int family = PatternFamily(c.type);
  if (family == 1) {
    c.firstLabel = texts::kOmniLabel(lang);
  } else if (family <= 5) {
    c.firstLabel = std::string(texts::kHalfBeamWidth(lang)) + (c.type == "LA" ? " 1" : "  1") + "°" + "- " +
                   std::to_string(FirstFieldRange(c.type).second) + "°";
    c.lastLabel = texts::kRadiusEnvelope(lang);
  } else if (family == 6) {
    c.firstLabel = texts::kRadiusMinimum(lang);
    c.lastLabel = texts::kRadiusEnvelope(lang);
  } else {
    c.firstLabel = std::string(texts::kStepWidth(lang)) + "\n" + std::string(texts::kLobeAngle(lang));
    c.typeLabel = texts::kEnvelopeSize(lang);
    c.lastLabel = family == 7 ? texts::kRadiusEnvelope(lang) : texts::kWEnvelopes(lang);
  }
  return c;
}

std::string TypeSwitch::Choose(std::string_view current, int option) {
  const std::string type = OptionType(std::clamp(option, 0, kTypeOptionCount - 1));
  const CodeFields fields = SplitCodeFields(current);
  const bool wasOmni = current.substr(3, 2) == "ND";
  if (type == "ND") {
    if (!wasOmni && fields.digits) {
      first_ = fields.x;
      last_ = std::string(current.substr(5, 2));
    }
    return std::string(kOmnidirectionalCode);
  }
  int first = wasOmni ? first_.value_or(60) : fields.x;
  const std::string last = wasOmni ? last_.value_or("00") : std::string(current.substr(5, 2));
  const auto [from, to] = FirstFieldRange(type);
  first = std::clamp(first, from, to);
  char digits[8];
  std::snprintf(digits, sizeof digits, "%03d", first);
  return digits + type + last;
}

}  // namespace radpattern
