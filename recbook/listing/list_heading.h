#pragma once
// The heading over the record list, drawn in the list's fixed-pitch font: each word of the heading
// text (words are separated by two or more blanks) starts over the first character of its column
// in the view's line, or one blank after the word before when that one reaches further. The text
// is UTF-8 with one character per character of the line, so that the window draws it at the
// line's own character positions.
#include <string>
#include <string_view>

#include "bilingual_texts.h"
#include "listing/list_line.h"

namespace recbook {

// The words of a heading text placed over the columns of a view's line. A text without the tag
// sign leaves the tag column blank.
std::string PlacedHeading(std::string_view heading, ListView view);

// The editor's heading for a view.
std::string ListHeading(ListView view, quorla::Language language);
// The file viewer's heading: its line has a single blank in place of the tag column.
std::string ViewerHeading(ListView view, quorla::Language language);

}  // namespace recbook
