#pragma once
// Recording pages of the record and header forms for presenter tests.
#include <map>
#include <string>

#include "forms/header_form_view.h"
#include "forms/record_form_view.h"

namespace recbook::testing {

struct Focus {
  int box = 0, start = 0, end = 0;
  bool operator==(const Focus&) const = default;
};

class RecordingRecordForm : public RecordFormView {
 public:
  void ShowBoxText(int box, const std::string& text) override { boxes[box] = text; }
  void FocusBox(int box, int start, int end) override { focus = {box, start, end}; }
  void ShowRecordNumber(const std::string& text, bool isNew) override {
    number = text;
    newRecord = isNew;
  }
  void ShowChanged(bool isChanged) override { changed = isChanged; }
  void ShowFirstButton(const std::string& text) override { firstButton = text; }
  void UseGeoBoxProperties(const terrainmap::GeoBoxProperties& p) override { geo = p; }
  void ShowInfoButton(const std::string& caption, std::optional<InfoDialog> dialog) override {
    infoButton = caption;
    infoDialog = dialog;
  }

  std::map<int, std::string> boxes;
  Focus focus;
  std::string number, firstButton, infoButton;
  std::optional<InfoDialog> infoDialog;
  bool newRecord = false, changed = false;
  terrainmap::GeoBoxProperties geo;
};

class RecordingHeaderForm : public HeaderFormView {
 public:
  void ShowBoxText(int box, const std::string& text) override { boxes[box] = text; }
  void FocusBox(int box, int start, int end) override { focus = {box, start, end}; }
  void ShowChanged(bool isChanged) override { changed = isChanged; }
  void ShowStatus(const std::string& text) override { status = text; }

  std::map<int, std::string> boxes;
  Focus focus;
  std::string status;
  bool changed = false;
};

}  // namespace recbook::testing
