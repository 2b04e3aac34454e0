#pragma once
// What the record form's presenter asks of its page. Box ids are 11 to 39; texts are single-byte
// (Latin-1) as records are.
#include <optional>
#include <string>

#include "entry/geo_box_properties.h"
#include "rules/code_tables.h"

namespace recbook {

class RecordFormView {
 public:
  virtual ~RecordFormView() = default;
  virtual void ShowBoxText(int box, const std::string& text) = 0;
  // Moves the input focus into the box and selects characters start to end.
  virtual void FocusBox(int box, int start, int end) = 0;
  // Text 6: "Rec No. =" and the number, or "New Rec No. =" in its own colour for a new record.
  virtual void ShowRecordNumber(const std::string& text, bool newRecord) = 0;
  // The save button's diskette in its "changed" state.
  virtual void ShowChanged(bool changed) = 0;
  // Button 4: " New Rec", or " Find error" during an error search.
  virtual void ShowFirstButton(const std::string& text) = 0;
  // The co-ordinate boxes 20 and 21 take the user's entry-box properties from now on.
  virtual void UseGeoBoxProperties(const terrainmap::GeoBoxProperties& p) = 0;
  // Button 9 "Info" with the caption of the focused box's dialog, or hidden (no dialog).
  virtual void ShowInfoButton(const std::string& caption, std::optional<InfoDialog> dialog) = 0;
};

// The record form without a page (the command line): the presenter's texts are read directly.
class NoRecordFormPage : public RecordFormView {
 public:
  void ShowBoxText(int, const std::string&) override {}
  void FocusBox(int, int, int) override {}
  void ShowRecordNumber(const std::string&, bool) override {}
  void ShowChanged(bool) override {}
  void ShowFirstButton(const std::string&) override {}
  void UseGeoBoxProperties(const terrainmap::GeoBoxProperties&) override {}
  void ShowInfoButton(const std::string&, std::optional<InfoDialog>) override {}
};

}  // namespace recbook
