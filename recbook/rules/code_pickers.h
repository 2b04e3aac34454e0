#pragma once
// The rules of the "Info" dialogs that pick a code, without the windows: which line a picker opens
// on, what "&OK" writes back, which band the frequency dialog selects, and how the designation
// builder splits [7A] and maps a bandwidth to its channel-spacing line.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "code_tables.h"
#include "records/station_record.h"

namespace recbook {

// Picker lines are numbered as shown: 0 is the line for a missing or wrong code, k >= 1 is
// list.lines[k - 1]. For the two option buttons of [10Z] and [8B2], 0 means no button checked.
size_t PickerOpenLine(const CodeList& list, std::string_view itemText);

// The text "&OK" writes into the edit box for the chosen line: the code part of the line as shown
// (the first line gives its leading blanks, which clears the item). nullopt when an option picker
// has no button checked: the item is left as it is.
std::optional<std::string> PickerResult(const CodeList& list, size_t line, Language language);

// The frequency dialog: the band option that the typed entry selects (the sub-band where one
// applies) and the status line.
struct FrequencyChoice {
  std::optional<size_t> band;  // index into FrequencyBands()
  BiText status;               // empty when a band holds the frequency
};
FrequencyChoice FrequencyBandFor(std::string_view entry);

// The designation builder. Each list's selected line for a [7A] text split by position (1-4, 5,
// 6, 7, 8, 9); nullopt only for a bandwidth that maps to no line.
using DesignationSelection = std::array<std::optional<size_t>, kDesignationPartCount>;
DesignationSelection SelectDesignationLines(std::string_view designation);
// The channel-spacing line of a four-character bandwidth code.
std::optional<size_t> BandwidthLine(std::string_view code);
// The edit box after choosing a line of one list: the line's code put at its place, trailing
// blanks removed.
std::string PlaceDesignationPart(std::string_view designation, DesignationPart part, size_t line);
// Typed text as the edit box keeps it: upper case, only digits, "K" and "M" among the first four
// characters, at most the nine characters of [7A].
std::string FilterDesignationTyping(std::string_view typed);

// The viewer's read-only tables: the lines without the first line, the highlighted line of the
// record's code. nullopt for the designation and the reference, which keep their own layouts.
struct ViewerCodeTable {
  BiText title;
  std::span<const CodeLine> lines;
  std::optional<size_t> highlighted;  // index into lines
};
std::optional<ViewerCodeTable> ViewerCodes(ViewerTable table, const StationRecord& record);

}  // namespace recbook
