#pragma once
// Button 9 "Info" of the record form: which dialog the box with the focus has, what the dialog is
// given (the form's boxes as they are when the button is pressed) and what its "&OK" writes back.
#include <optional>
#include <string>
#include <vector>

#include "bilingual_texts.h"
#include "forms/record_box_texts.h"
#include "rules/code_tables.h"

namespace recbook {

class LibraryCalls;

// One box's new text from a dialog's "&OK".
struct BoxWrite {
  int box;
  std::string text;
  bool operator==(const BoxWrite&) const = default;
};
// Empty: the dialog was cancelled, or it writes nothing.
using BoxWrites = std::vector<BoxWrite>;

struct InfoRequest {
  InfoDialog dialog;
  Item item;
  int box;  // the box with the focus
  quorla::Language language;
  std::string caption;  // the title prefix of message boxes
  RecordBoxTexts texts;
  // The map library's and the antenna editor's windows; nullptr where the form has none (the
  // dialogs that need them then open nothing).
  LibraryCalls* libraries = nullptr;
  // The text of an item's box ([4C]: the longitude box).
  const std::string& Text(Item which) const { return BoxText(texts, RecordBoxOf(which).id); }
};

// The request for the box's dialog, nullopt for a box without one ([2C], [13Z], [2W], [2Z]).
std::optional<InfoRequest> InfoRequestFor(int box, quorla::Language language, std::string caption,
                                          const RecordBoxTexts& texts);

}  // namespace recbook
