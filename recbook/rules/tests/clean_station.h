#pragma once
// A station record for tests of the checks and of what builds on them: a fixed transmitter and
// receiver that passes every check and needs no repair, with the given items changed.
#include <initializer_list>
#include <string_view>
#include <utility>

#include "records/item_table.h"
#include "records/record_text.h"

namespace recbook::testing {

using Edit = std::pair<Item, std::string_view>;

inline StationRecord Fixed(std::initializer_list<Edit> edits = {}) {
  StationRecord r = RecordFromText<StationRecord>("");
  const Edit base[] = {
      {Item::k1A, "  150.50000M"}, {Item::k1Z, "1"},           {Item::k6A, "FX"},         {Item::k6B, "CP"},
      {Item::k6Z, "A "},           {Item::k10Z, "0"},          {Item::k2C, "01022003"},   {Item::k4A, "PRAHA 1"},
      {Item::k4B, "CZE"},          {Item::k4C, "014E253050N0530"}, {Item::k4D, "    0"}, {Item::k4Z, " 250"},
      {Item::k7A, "16K0F3E"},      {Item::k8B1, "  10.0"},     {Item::k8B2, "E"},         {Item::k9A, " 45.0"},
      {Item::k9B, " -2.5"},        {Item::k9D, "V "},          {Item::k9G, "10.0"},       {Item::k9Y, "  30"},
      {Item::k9XH, "030EA10"},     {Item::k9XV, "000ND00"},    {Item::k1Y, "  160.50000M"}, {Item::k13Y, "B"},
      {Item::k2W, "15032025"},     {Item::k13X, "CZE2500000101 1"},
  };
  for (const Edit& e : base) SetItem(r, e.first, e.second);
  for (const Edit& e : edits) SetItem(r, e.first, e.second);
  return r;
}

}  // namespace recbook::testing
