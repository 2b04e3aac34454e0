#pragma once
// Tagging list lines, the counts of added and deleted records, and the texts of the status bar,
// the information label and the list page's Edit menu.
#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>

#include "bilingual_texts.h"
#include "listing/record_list.h"

namespace recbook {

// Tag commands of the Edit menu over the selected rows. Each returns the number of lines changed;
// the list keeps the tagged count.
size_t TagRows(RecordList& list, std::span<const size_t> rows);    // 201
size_t UntagRows(RecordList& list, std::span<const size_t> rows);  // 203
size_t TagAll(RecordList& list);                                   // 202
size_t UntagAll(RecordList& list);                                 // 204
// A click in the tag column: every selected line flips between blank and the tag mark.
size_t ToggleRows(RecordList& list, std::span<const size_t> rows);

// Edits since the file was loaded: the change counter of saving, records added from the form and
// records deleted from the list.
struct EditCounts {
  long changes = 0;
  long added = 0;
  long deleted = 0;
};

// 207: removes every tagged line (its record stays in the working copy, unlisted); each one adds
// 1 to the change counter and to the deleted count. Returns the number removed.
size_t DeleteTagged(RecordList& list, EditCounts& counts);

// A number as the status texts write it: a leading blank before a number that is not negative.
std::string NumberText(long long n);

// What the status bar shows besides the list: the selection, and the error search when it runs.
struct ListSelection {
  size_t selected = 0;  // number of selected lines
  size_t caret = 0;     // row of the caret line
};

// Status bar parts 0 to 3. errorMarks is set during the error search (the lines marked there).
std::array<std::string, 4> StatusParts(const RecordList& list, const ListSelection& selection,
                                       quorla::Language language, std::optional<size_t> errorMarks = std::nullopt);

// The information label: "ADD Rec:" and "DEL Rec:" with their counts, empty when both are 0.
std::string InformationLabel(const EditCounts& counts);

// The list page's Edit menu: id 0 is a separator.
struct EditMenuItem {
  int id;
  quorla::BiText text;
};
extern const std::array<EditMenuItem, 13> kListEditMenu;

// Items 203 to 208 need tagged lines (and a list); 209 and 210 the fixed-drive flag.
bool EditMenuItemEnabled(int id, const RecordList& list, bool fixedDrive);

}  // namespace recbook
