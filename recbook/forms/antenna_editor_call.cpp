#include "forms/antenna_editor_call.h"

#include <algorithm>
#include <cstring>

#include "forms/block_field.h"
#include "forms/box_numbers.h"
#include "forms/library_calls.h"
#include "forms/station_kind.h"
#include "records/record_text.h"

namespace recbook {
namespace {

// The editor's first page for the box it was opened from.
uint8_t PageOf(Item item) {
  switch (item) {
    case Item::k9A: return 1;
    case Item::k9XV: return 2;
    case Item::k9B: return 3;
    default: return 0;  // [9XH]
  }
}

// A code field holds 7 characters without a terminator, NUL-filled when shorter.
void WriteCode(char (&field)[7], const std::string& text) {
  std::memset(field, 0, sizeof field);
  std::memcpy(field, text.data(), std::min(text.size(), sizeof field));
}

}  // namespace

std::optional<BoxWrites> CallAntennaEditor(const InfoRequest& request, LibraryCalls& calls, uint32_t parent) {
  const auto box = [](Item item) { return RecordBoxOf(item).id; };
  AntennaEditParams block{};
  WriteCode(block.hcode, request.Text(Item::k9XH));
  WriteCode(block.vcode, request.Text(Item::k9XV));
  block.aziMax = static_cast<float>(LenientNumber(request.Text(Item::k9A)));
  block.eleMax = static_cast<float>(LenientNumber(request.Text(Item::k9B)));
  block.parent = parent;
  block.language = LanguageByte(request.language);
  WriteBlockField(block.caption, request.caption);
  block.mode = StationKindOf(request.texts);
  block.page = PageOf(request.item);
  block.newMethod = 0;
  if (calls.AntennaEditor(block) != 1) return std::nullopt;
  const float azimuth = block.aziMax, elevation = block.eleMax;  // packed members read by value
  return BoxWrites{{box(Item::k9XH), BlockFieldText(block.hcode)},
                   {box(Item::k9XV), BlockFieldText(block.vcode)},
                   {box(Item::k9A), OneDecimalBoxText(azimuth)},
                   {box(Item::k9B), ElevationBoxText(elevation)}};
}

}  // namespace recbook
