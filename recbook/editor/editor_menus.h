#pragma once
// The editor's menu bar: an empty, always greyed first popup, then File, Edit, Sort, Corrections,
// Utilities and Help at bar positions 1 to 6, each with its command ids and texts in both
// languages. The Edit menu is rebuilt for each page (tagging.h holds the list page's items).
#include <array>
#include <span>
#include <string_view>

#include "bilingual_texts.h"
#include "listing/command_ids.h"

namespace recbook {

enum class MenuPosition { Blank = 0, File = 1, Edit = 2, Sort = 3, Corrections = 4, Utilities = 5, Help = 6 };
inline constexpr int kMenuCount = 7;

// One menu item; id 0 is a separator.
struct MenuItem {
  int id;
  quorla::BiText text;
};

struct MenuDefinition {
  MenuPosition position;
  quorla::BiText title;
  std::span<const MenuItem> items;  // empty for Edit (built per page) and the blank popup
};

// The seven popups of the bar in bar order.
const std::array<MenuDefinition, kMenuCount>& MenuBar();

// The Sort menu's ids in menu order; 0 is the separator after 313.
extern const std::array<int, 17> kSortMenuSequence;

}  // namespace recbook
