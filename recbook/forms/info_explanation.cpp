#include "forms/info_explanation.h"

#include <span>

#include "rules/code_tables.h"

namespace recbook {
namespace {

struct ExplainedItem {
  Item item;
  BiText title;
  std::span<const BiText> (*lines)();
};
const ExplainedItem kExplained[] = {
    {Item::k4A, {"  [4A]  Name of station", "  [4A]  Nazev stanice"}, NameHelp},
    {Item::k4D, {"  [4D]  Radius of service area", "  [4D]  Polomer obsluhovaneho uzemi"}, RadiusHelp},
    {Item::k9G, {"  [9G]  Gain of Rx antenna", "  [9G]  Zisk prijimaci anteny"}, GainHelp},
    {Item::k9Y, {"  [9Y]  Height of antenna", "  [9Y]  Vyska anteny"}, AntennaHeightHelp},
};

}  // namespace

std::optional<Explanation> ExplanationFor(Item item, quorla::Language language) {
  if (item == Item::k13X) {
    const ReferenceTexts& r = ReferenceLayout();
    Explanation e{std::string(r.title(language)), {std::string(r.layout(language)), ""}};
    for (const BiText& line : r.explanation) e.lines.emplace_back(line(language));
    return e;
  }
  for (const ExplainedItem& x : kExplained) {
    if (x.item != item) continue;
    Explanation e{std::string(x.title(language)), {}};
    for (const BiText& line : x.lines()) e.lines.emplace_back(line(language));
    return e;
  }
  return std::nullopt;
}

}  // namespace recbook
