#pragma once
// The conversion dialog without its widgets: a position typed in one of the fifteen geodetic
// systems (or as planar Gauss-Krueger Y, X) shown in WGS-84 after every edit, with the shift in
// the status bar; "&OK" and "&Find geo.coord. in map" hand the WGS-84 position back.
#include <string>

#include "bilingual_texts.h"
#include "dialogs/datum_dialog_view.h"

namespace terrainmap {

enum class DatumButtons { OkCancel = 0, FindCancel = 1, All = 2 };

struct DatumDialogStart {
  quorla::Language language = quorla::Language::English;
  std::string caption;
  int kind = 0;            // 0 marker, 1 transmitter, 2 receiver (others: marker)
  std::string coords;      // compact position "DDDHMMSS,DDHMMSS"
  DatumButtons buttons = DatumButtons::OkCancel;
  int systemIndex = 0;     // the list entry chosen last time
};

class DatumDialogPresenter {
 public:
  DatumDialogPresenter(DatumDialogView& view, DatumDialogStart start);

  std::string Title() const;
  bool ShowsOk() const { return start_.buttons != DatumButtons::FindCancel; }
  bool ShowsFind() const { return start_.buttons != DatumButtons::OkCancel; }
  int systemIndex() const { return index_; }

  // Fills the boxes from the position (a part that is not a valid co-ordinate becomes the neutral
  // "000 E 00 00" / "00 N 00 00"), chooses the stored system and shows the results.
  void Open();
  // The list changed: into the planar system the geographic texts are kept and the boxes show the
  // position in Gauss-Krueger form; out of it the kept texts come back.
  void SystemChosen(int index);
  // A box was edited and has normalised itself: its texts are the new input.
  void InputsEdited(const std::string& first, const std::string& second);

  void Ok() { Finish(1); }
  void Find() { Finish(2); }
  void Cancel() { view_.Close(0); }

  // After Ok or Find: the WGS-84 position, blanks removed ("015E0000,50N0000").
  const std::string& resultCoords() const { return resultCoords_; }

 private:
  void Recompute();
  void Finish(int result);

  DatumDialogView& view_;
  DatumDialogStart start_;
  int index_ = 0;
  std::string first_, second_;              // the entry boxes
  std::string keptFirst_, keptSecond_;      // the geographic texts while planar input is shown
  std::string resultLon_, resultLat_;       // the result boxes
  std::string resultCoords_;
};

}  // namespace terrainmap
