#pragma once
// The Info dialog of [1A] and [1Y]: the agreement's frequency bands as option buttons and an entry
// for the frequency in MHz. Typing selects the band that holds the frequency (the sub-band where
// one applies) and says when it is missing or outside every band; choosing a band puts its
// representative frequency into the entry. "&OK" writes the entry into the item's box.
#include <optional>
#include <string>

#include "forms/info_request.h"
#include "forms/input_rules.h"

namespace recbook {

class FrequencyDialogView {
 public:
  virtual ~FrequencyDialogView() = default;
  virtual void ShowEntry(const std::string& text) = 0;
  // Checks the band's option button; nullopt: none checked.
  virtual void SelectBand(std::optional<size_t> band) = 0;
  virtual void ShowStatus(const std::string& text) = 0;
};

// The texts of the dialog in the window's language.
struct FrequencyLayout {
  std::string title, heading, entryLabel;
  std::string rxNote;  // only in the dialog of [1Y]
};

class FrequencyDialogPresenter {
 public:
  // request: the Info request of [1A] or [1Y].
  FrequencyDialogPresenter(const InfoRequest& request, FrequencyDialogView& view);

  // Shows the box's frequency and its band (the window is built from layout() first).
  void Open();
  const FrequencyLayout& layout() const { return layout_; }
  // The entry after a change by the user, filtered as the form's frequency boxes are.
  RuledText Typed(std::string_view text, int caret);
  // The user chose a band's option button.
  void ChooseBand(size_t band);
  BoxWrites Ok() const { return {{request_.box, entry_}}; }

 private:
  void ShowBandOfEntry();

  const InfoRequest request_;
  FrequencyDialogView& view_;
  FrequencyLayout layout_;
  std::string entry_;
};

}  // namespace recbook
