#pragma once
// Pages 0 and 2 of the editor: the twelve type options, the three field lists of a code, the
// labels that explain the fields, and the memory of the type switch.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "bilingual_texts.h"
#include "code_field_lists.h"

namespace radpattern {

inline constexpr int kTypeOptionCount = 12;
// The options' letters after "H_" or "V_", top to bottom.
inline constexpr std::array<std::string_view, kTypeOptionCount> kTypeOptionNames{
    "ND", "EA", "EB", "EC", "DE", "LA", "CA", "CB", "CC", "KA", "V", "W"};

// The option that shows a code's type.
int TypeOptionOf(std::string_view code);

struct CodePageContent {
  int option = 0;
  CodeFieldLists lists;
  std::string first, type, last;  // the current values, selected in the lists
  std::string firstLabel, typeLabel, lastLabel;
};

CodePageContent DescribeCode(std::string_view code, quorla::Language language);

// Builds the code for a chosen type option. Choosing ND remembers the first and last field of the
// code shown; leaving ND takes them back (60 and "00" when none). The first field is clamped into
// the new type's range.
class TypeSwitch {
 public:
  std::string Choose(std::string_view current, int option);

 private:
  std::optional<int> first_;
  std::optional<std::string> last_;
};

}  // namespace radpattern
