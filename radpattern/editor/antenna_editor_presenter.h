#pragma once
// The antenna editor's state and commands: the five pages, the code pages' options and lists,
// the angle boxes, clicks and readouts in the graphs, the scale, view and method switches, the
// description and the clipboard. It talks to its window through AntennaEditorView and to the
// user through the Host.
#include <optional>
#include <string>

#include "antenna_editor_view.h"
#include "drawing_surface.h"
#include "editor_entry.h"
#include "graph_state.h"
#include "host.h"
#include "page_layout.h"

namespace radpattern {

class AntennaEditorPresenter {
 public:
  AntennaEditorPresenter(AntennaEditorView& view, quorla::Host& host, const EditorEntry& entry);

  // Fills every page and shows the entry's page.
  void Open();
  std::string Title() const;
  bool TransferEnabled() const { return mode_ != 0; }

  void SelectPage(EditorPage page);
  void ChooseType(EditorPage codePage, int option);
  // A combobox changed: the code made of the three texts (ignored when shorter than 7).
  void ChooseFields(EditorPage codePage, const std::string& first, const std::string& type, const std::string& last);
  void ToggleScale();
  void ToggleView();
  void ToggleMethod();

  // The box's text after typing; the presenter sets what the box shows.
  void AngleTyped(AngleBox box, const std::string& typed);
  void AngleFocusLost(AngleBox box);

  void Click(EditorPage page, const PageLayout& layout, quorla::LogicalPoint p);
  void Hover(EditorPage page, const PageLayout& layout, std::optional<quorla::LogicalPoint> p);

  void ShowDescription();
  void CopyPicture(const quorla::DrawingSurface& surface);

  const GraphState& state() const { return state_; }
  EditorPage page() const { return page_; }
  EditorResult Result() const;

 private:
  void ShowCodes();
  void ShowViewCaptions();
  void ShowAngles();
  std::string& CodeOf(EditorPage codePage);
  float& AngleOf(AngleBox box);
  void RedrawWith(EditorPage page);

  AntennaEditorView& view_;
  quorla::Host& host_;
  GraphState state_;
  EditorPage page_;
  int mode_;
  std::string caption_;
  std::string angleTexts_[4];
  TypeSwitch typeSwitch_[2];  // page 0, page 2
};

}  // namespace radpattern
