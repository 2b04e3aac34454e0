#pragma once
// The editor's menu bar: an empty, always greyed first popup, then File, Edit, Sort, Corrections,
// Utilities and Help at bar positions 1 to 6, each with its command ids and texts in both
// languages. The Edit menu is rebuilt for each page (tagging.h holds the list page's items).
#include <array>
#include <span>
#include <string_view>

#include "bilingual_texts.h"

namespace recbook {

enum class MenuPosition { Blank = 0, File = 1, Edit = 2, Sort = 3, Corrections = 4, Utilities = 5, Help = 6 };
inline constexpr int kMenuCount = 7;

// Command ids of the File menu and of the image buttons (6 = new, 7 = open); 2 is Esc.
enum Command : int {
  kEscape = 2,
  kNewButton = 6,
  kOpenButton = 7,
  kNewFile = 101,
  kOpenFile = 102,
  kSaveFile = 103,
  kSaveFileAs = 104,
  kSaveCrLfAs = 105,
  kExit = 106,
  kToggleTags = 10,  // a press in the list's tag column
  kTagSelected = 201,
  kTagAll = 202,
  kUntagSelected = 203,
  kUntagAll = 204,
  kSaveTaggedAs = 205,
  kAppendTagged = 206,
  kDeleteTagged = 207,
  kRemoveTagged = 208,
  kRenameEdited = 209,
  kDeleteEdited = 210,
  kErrorCodesHelp = 604,
};

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

// Commands whose windows come with the utility work: their items are shown greyed.
bool CommandAvailable(int id);

}  // namespace recbook
