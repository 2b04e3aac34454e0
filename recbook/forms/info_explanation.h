#pragma once
// The Info dialogs that only explain an item: [4A], [4D], [9G], [9Y] and the layout of the
// co-ordination reference [13X]. Their "&OK" writes nothing.
#include <optional>
#include <string>
#include <vector>

#include "bilingual_texts.h"
#include "records/item_table.h"

namespace recbook {

struct Explanation {
  std::string title;
  std::vector<std::string> lines;  // single-byte, shown in a fixed-pitch font
};

// nullopt for an item whose dialog is not an explanation.
std::optional<Explanation> ExplanationFor(Item item, quorla::Language language);

}  // namespace recbook
