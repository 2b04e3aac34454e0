#pragma once
// The sixteen orders of the Sort menu (ids 300 to 315): menu text, status text (status bar part 4)
// and the short text of the file viewer's sort menu.
#include <array>
#include <string_view>

#include "bilingual_texts.h"

namespace recbook {

inline constexpr int kFirstOrder = 300;
inline constexpr int kLastOrder = 315;
inline constexpr int kOriginalOrder = 300;

struct SortOrder {
  int id;
  quorla::BiText menu;
  quorla::BiText status;
  quorla::BiText viewerText;  // the file viewer's sort label and menu
};

extern const std::array<SortOrder, 16> kSortOrders;

constexpr bool IsSortOrder(int id) { return id >= kFirstOrder && id <= kLastOrder; }
// The row of an order id; the original order for an id outside 300 to 315.
const SortOrder& SortOrderOf(int id);

// The ids in the order of the file viewer's sort menu.
extern const std::array<int, 16> kViewerSortMenu;

// Check marks of the Sort menu: true only for the current order.
constexpr bool SortMenuChecked(int id, int current) { return id == current; }

}  // namespace recbook
