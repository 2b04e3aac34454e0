#pragma once
// The record list's line: 151 characters per station record. Characters 1 to 3 are the tag column
// (character 1 the tag or error mark), then the base part, three segments of 28 characters in the
// order of the current view with 5 blanks between the first and the second, and the record number
// in the last 7 characters.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "bilingual_texts.h"
#include "records/station_record.h"

namespace recbook {

inline constexpr size_t kListLineSize = 151;
inline constexpr char kTagMark = '\xA4';  // character code 164
inline constexpr size_t kBaseOffset = 3;  // 0-based start of the base part
inline constexpr size_t kBaseSize = 52;
inline constexpr size_t kSegmentSize = 28;
inline constexpr size_t kNumberOffset = kListLineSize - 7;

enum class ListView { A, B, C };
enum class Segment { A, B, C };

// View A for orders 300 to 311, view C for 312 to 314, view B for 315.
ListView ViewOfOrder(int order);

// 0-based offset of a segment in a line of that view.
size_t SegmentOffset(ListView view, Segment segment);

// The view-A line of station record k, tag column blank.
std::string BuildListLine(const StationRecord& record, uint32_t k);
// The same into out (kListLineSize bytes), without allocating.
void BuildListLine(const StationRecord& record, uint32_t k, char* out);

// Moves the segments of a line (kListLineSize bytes) from one view's order to another's.
void ConvertLineView(const char* from, ListView fromView, char* to, ListView toView);
std::string ConvertLineView(std::string_view line, ListView fromView, ListView toView);

// The integer value of the last 7 characters, whatever the view; 0 for a shorter text.
uint32_t RecordNumberOf(std::string_view line);

// The label above the list for a view.
std::string ColumnHeading(ListView view, quorla::Language language);

// The file viewer's line: a single blank in place of the tag column.
std::string ViewerLine(std::string_view listLine);
// The words of the file viewer's column heading (list_heading.h places them).
std::string ViewerColumnHeading(ListView view);

}  // namespace recbook
