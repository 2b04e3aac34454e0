#pragma once
// The record form ("  Contents of selected record  ") without its widgets: the boxes of one
// station record, the input rules while the user types, the new-record state and text 6, and the
// check before a save or "Find error". Where a checked record is stored (the working copy, the
// list) is the owner's business: it asks CheckedRecord() and tells Stored(). Qt-free: the page is a
// RecordFormView, messages go through the Host.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "bilingual_texts.h"
#include "entry/geo_box_properties.h"
#include "forms/info_request.h"
#include "forms/input_rules.h"
#include "forms/record_box_texts.h"
#include "forms/record_form_view.h"
#include "host.h"
#include "rules/record_check.h"

namespace recbook {

struct FormSetup {
  quorla::Language language = quorla::Language::English;
  std::string caption;  // the title prefix of message boxes
  terrainmap::GeoBoxProperties geo;  // the user's co-ordinate entry-box properties
  LibraryCalls* libraries = nullptr;  // for the Info dialogs that open the other libraries' windows
  bool readOnly = false;  // the file viewer's form: it shows records, typing and Info dialogs change nothing
};

class RecordFormPresenter {
 public:
  RecordFormPresenter(quorla::Host& host, RecordFormView& view, FormSetup setup);

  // Called after every change the user makes in a box (the form becomes changed).
  void SetOnChange(std::function<void()> onChange) { onChange_ = std::move(onChange); }

  // The user's entry-box properties changed: typing into and focusing the co-ordinate boxes
  // follow them from now on.
  void SetGeoBoxProperties(const terrainmap::GeoBoxProperties& p) {
    setup_.geo = p;
    view_.UseGeoBoxProperties(p);
  }
  const terrainmap::GeoBoxProperties& geoBoxProperties() const { return setup_.geo; }

  // Shows a stored record: "Rec No. =" and its number, unchanged.
  void Load(const StationRecord& record, uint32_t number);
  // The new-record defaults as record number ("New Rec No. ="), [1A] focused with its text selected.
  void LoadNew(uint32_t number);
  // The defaults into the boxes, keeping the record's number and state ("Clear record data").
  void LoadDefaults();

  // The user changed a box: text and caret after the change. Returns the text and selection the
  // box shows after its input rule.
  RuledText Typed(int box, std::string_view text, int caret);

  // The record of the boxes after CheckRecord with the user (message boxes, waivable questions).
  // nullopt when a check failed: the focus is on the marked box with its characters selected.
  std::optional<StationRecord> CheckedRecord(ErrorSearchMode mode);
  // The record was stored as number: the form leaves the new-record state and is unchanged.
  void Stored(uint32_t number);
  // " Find error" during an error search: the interactive check, and "No errors  or  no next
  // errors  !!  " when it passes.
  void FindError(ErrorSearchMode mode);

  void ShowFirstButton(const std::string& text) { view_.ShowFirstButton(text); }

  // The focus went into a box: button 9 takes the caption of its dialog, or hides for a box
  // without one.
  void Focused(int box);
  // Button 9: the request for the dialog of the box with the focus; nullopt when it has none.
  std::optional<InfoRequest> Info() const;
  // A dialog's "&OK": the boxes show their new texts; the form is changed when one of them differs.
  void Apply(const BoxWrites& writes);

  // The record the boxes hold now, built as a save builds it.
  StationRecord Record() const;
  const RecordBoxTexts& texts() const { return texts_; }
  const FormSetup& setup() const { return setup_; }
  bool changed() const { return changed_; }
  bool isNew() const { return isNew_; }
  uint32_t number() const { return number_; }

 private:
  void ShowAll();
  void ShowNumber();
  void SetChanged(bool changed);
  void FocusMark(std::string_view mark);

  quorla::Host& host_;
  RecordFormView& view_;
  FormSetup setup_;
  std::function<void()> onChange_;
  RecordBoxTexts texts_{};
  uint32_t number_ = 0;
  int focused_ = kFirstBox;
  bool isNew_ = false;
  bool changed_ = false;
};

}  // namespace recbook
