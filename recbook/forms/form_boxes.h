#pragma once
// The edit boxes of the record form (ids 11 to 39, the numbers that error marks name) and of the
// header form (ids 11 to 20): each box's item, label and input rule.
#include <array>
#include <cstddef>

#include "bilingual_texts.h"
#include "forms/input_rules.h"
#include "records/item_table.h"

namespace recbook {

inline constexpr int kFirstBox = 11;
inline constexpr size_t kRecordBoxCount = 29;  // 11 to 39; [4C] has two, 20 and 21
inline constexpr int kLongitudeBox = 20;
inline constexpr int kLatitudeBox = 21;

struct RecordBox {
  int id;
  Item item;
  quorla::BiText label;
  InputRule rule;
};
extern const std::array<RecordBox, kRecordBoxCount> kRecordBoxes;

// The box of an id (11 to 39), nullptr for any other.
const RecordBox* RecordBoxOf(int id);
// The box showing an item ([4C]: the longitude box).
const RecordBox& RecordBoxOf(Item item);

inline constexpr size_t kHeaderBoxCount = 10;  // 11 to 20
inline constexpr int kHeaderCountBox = 19;

struct HeaderBox {
  int id;
  HeaderItem item;
  quorla::BiText label;
  quorla::BiText note;  // the text beside or below the box, may be empty
  InputRule rule;
};
extern const std::array<HeaderBox, kHeaderBoxCount> kHeaderBoxes;

}  // namespace recbook
