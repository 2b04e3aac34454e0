#include "code_field_lists.h"

#include <cstdio>

#include "antenna_code.h"
#include "antenna_types.h"

namespace radpattern {
namespace {

std::vector<std::string> NumberTexts(int from, int to, int width) {
  std::vector<std::string> texts;
  for (int v = from; v <= to; ++v) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%0*d", width, v);
    texts.emplace_back(buf);
  }
  return texts;
}

}  // namespace

CodeFieldLists FieldListsForType(std::string_view type) {
  const int family = PatternFamily(type);
  CodeFieldLists lists;
  if (family == kOmnidirectionalFamily) {
    lists.first = {{"000"}, false};
    lists.type = {{"ND"}, false};
    lists.last = {{"00"}, false};
    return lists;
  }
  lists.last = {NumberTexts(0, 99, 2), true};
  if (LobeFamily(type) != 0) {
    // Position 1 (beam-width step) and positions 2-3 (lobe half angle) are chosen together.
    lists.first = {NumberTexts(0, 999, 3), true};
    for (char second = kLobeLetterFirst; second <= kLobeLetterLast; ++second)
      lists.type.values.push_back({type[0], second});
    lists.type.enabled = true;
    return lists;
  }
  const AntennaTypeRange& row = *FindAntennaType(type);  // every other family is a row of the table
  lists.first = {NumberTexts(row.firstFrom, row.firstTo, 3), true};
  lists.type = {{std::string(type)}, false};
  return lists;
}

}  // namespace radpattern
