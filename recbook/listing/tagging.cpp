#include "listing/tagging.h"

#include "listing/command_ids.h"

namespace recbook {
namespace {

size_t MarkRows(RecordList& list, std::span<const size_t> rows, bool tag) {
  size_t changed = 0;
  for (size_t row : rows) {
    if (row >= list.size() || list.IsTagged(row) == tag) continue;
    list.SetMark(row, tag ? kTagMark : ' ');
    ++changed;
  }
  return changed;
}

}  // namespace

size_t TagRows(RecordList& list, std::span<const size_t> rows) { return MarkRows(list, rows, true); }
size_t UntagRows(RecordList& list, std::span<const size_t> rows) { return MarkRows(list, rows, false); }

size_t TagAll(RecordList& list) {
  size_t changed = 0;
  for (size_t row = 0; row < list.size(); ++row) {
    if (list.IsTagged(row)) continue;
    list.SetMark(row, kTagMark);
    ++changed;
  }
  return changed;
}

size_t UntagAll(RecordList& list) {
  size_t changed = 0;
  for (size_t row = 0; row < list.size(); ++row) {
    if (!list.IsTagged(row)) continue;
    list.SetMark(row, ' ');
    ++changed;
  }
  return changed;
}

size_t ToggleRows(RecordList& list, std::span<const size_t> rows) {
  size_t changed = 0;
  for (size_t row : rows) {
    if (row >= list.size()) continue;
    list.SetMark(row, list.IsTagged(row) ? ' ' : kTagMark);
    ++changed;
  }
  return changed;
}

size_t DeleteTagged(RecordList& list, EditCounts& counts) {
  const size_t removed = list.EraseTagged();
  counts.changes += static_cast<long>(removed);
  counts.deleted += static_cast<long>(removed);
  return removed;
}

std::string NumberText(long long n) { return (n < 0 ? "" : " ") + std::to_string(n); }

std::array<std::string, 4> StatusParts(const RecordList& list, const ListSelection& selection,
                                       quorla::Language language, std::optional<size_t> errorMarks) {
  const bool en = language == quorla::Language::English;
  const std::string contents = en ? " File contents: " : " Obsah souboru: ";
  std::array<std::string, 4> parts;
  if (list.empty()) {
    parts[0] = contents + "  0  Rec";
    return parts;
  }
  parts[0] = contents + NumberText(static_cast<long long>(list.size())) + "  Rec";
  const bool several = selection.selected > 1;
  const size_t caret = selection.caret < list.size() ? selection.caret : 0;
  if (several)
    parts[1] = (en ? " Selected Rec: " : " Vybrané Rec ") + NumberText(static_cast<long long>(selection.selected));
  else
    parts[1] = " Rec " + NumberText(list.RecordNumber(caret)) + (en ? "  selected" : "  vybrán");
  if (errorMarks)
    parts[2] = (en ? " Rec with Errors: " : " Rec s chybami: ") + NumberText(static_cast<long long>(*errorMarks));
  else
    parts[2] = (en ? " Taged Rec: " : " Označené Rec: ") + NumberText(static_cast<long long>(list.TaggedCount()));
  parts[3] = several ? " " : " ListBox: " + NumberText(static_cast<long long>(caret + 1));
  return parts;
}

std::string InformationLabel(const EditCounts& counts) {
  std::string text;
  if (counts.added != 0) text += "ADD Rec:" + NumberText(counts.added);
  if (counts.added != 0 && counts.deleted != 0) text += ",   ";
  if (counts.deleted != 0) text += "DEL Rec:" + NumberText(counts.deleted);
  return text;
}

const std::array<EditMenuItem, 13> kListEditMenu{{
    {kTagSelected, {"\u00A4  Tag selected records", "\u00A4  Označit vybrané rekordy"}},
    {kTagAll, {"\u00A4  Tag ALL records", "\u00A4  Označit VŠECHNY rekordy"}},
    {kUntagSelected, {"     Untag selected records", "     Zrušit označení vybraných rekordů"}},
    {kUntagAll, {"     Untag ALL records", "     Zrušit označení VŠECH rekordů"}},
    {0, {"", ""}},
    {kSaveTaggedAs, {"Save  taged records  As file ...", "Uložit  označené rekordy  Jako  soubor ..."}},
    {kAppendTagged, {"Append  taged records  To file ...", "Připojit  označené rekordy  K  souboru ..."}},
    {kDeleteTagged, {"Delete  taged records", "Vymazat  označené rekordy"}},
    {0, {"", ""}},
    {kRemoveTagged, {"Remove  taged records  From file ...", "Odstranit  označené rekordy  Ze  souboru ..."}},
    {0, {"", ""}},
    {kRenameEdited, {"Rename  Edited file", "Přejmenovat  Editovaný soubor"}},
    {kDeleteEdited, {"Delete  Edited file", "Vymazat  Editovaný soubor"}},
}};

bool EditMenuItemEnabled(int id, const RecordList& list, bool fixedDrive) {
  if (id >= kUntagSelected && id <= kRemoveTagged) return list.TaggedCount() > 0 && !list.empty();
  if (id == kRenameEdited || id == kDeleteEdited) return fixedDrive;
  return id == kTagSelected || id == kTagAll;
}

}  // namespace recbook
