#pragma once
// The values the antenna editor offers for each of the three fields of a code, by pattern family.
#include <string>
#include <string_view>
#include <vector>

namespace radpattern {

struct FieldChoices {
  std::vector<std::string> values;
  bool enabled = true;
};

struct CodeFieldLists {
  FieldChoices first;  // three digits, zero-padded
  FieldChoices type;   // two letters
  FieldChoices last;   // two digits
};

// The lists for a code of the given type (positions 4-5).
CodeFieldLists FieldListsForType(std::string_view type);

}  // namespace radpattern
