#pragma once
// The keys of the sixteen orders and the sort of the list.
//
// A key is a byte string compared byte by byte. SortKeyText gives it literally: the fields of the
// line, the frequencies as their value under "00000.0000", the power as "A" + (P + 10000) or
// "B" + P under "0000.0". For sorting, CompactKey gives the same order in fewer bytes: the
// numeric fields become fixed-width big-endian integers (a "*" fill, which sorts before the
// digits, becomes 0), the text fields stay as they are. A million lines are sorted by building
// each line's compact key once and sorting (key, row) pairs; equal keys keep their previous
// order, so the result is the same as a stable sort.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace recbook {

inline constexpr size_t kMaxCompactKey = 48;

// The literal key of a view-A line for an order.
std::string SortKeyText(std::string_view lineViewA, int order);

// Size of the compact key of an order: a multiple of 8 bytes.
size_t CompactKeySize(int order);
// Writes the compact key of a view-A line (CompactKeySize(order) bytes, zero padded).
void CompactKey(const char* lineViewA, int order, unsigned char* out);

// The lines are view-A lines stored at lines + 151 x slot; rows[r] is the slot of row r. Returns
// the slots in key order.
std::vector<uint32_t> SortSlots(const char* lines, std::span<const uint32_t> rows, int order);

}  // namespace recbook
