#pragma once
// What the antenna editor's presenter asks of its window.
#include <string_view>

#include "code_page.h"
#include "graph_state.h"

namespace radpattern {

// The angle boxes: AziMax (page 1), EleMax (page 3), test azimuth and test elevation (page 4).
enum class AngleBox { AziMax, EleMax, TestAzimuth, TestElevation };

class AntennaEditorView {
 public:
  virtual ~AntennaEditorView() = default;
  virtual void ShowPage(EditorPage page) = 0;
  // Page 0 (Hcode) or page 2 (Vcode): the checked option, the three lists and the labels.
  virtual void ShowCode(EditorPage codePage, const CodePageContent& content) = 0;
  // The scale check box and view button of both code pages.
  virtual void SetScale(bool linear, std::string_view caption) = 0;
  virtual void SetViewCaption(EditorPage codePage, std::string_view caption) = 0;
  virtual void SetMethodCaption(std::string_view caption) = 0;
  virtual void SetAngleText(AngleBox box, std::string_view text) = 0;
  virtual void SetReadout(EditorPage page, std::string_view text) = 0;
  // Draws the page's graph again from the presenter's state.
  virtual void Redraw(EditorPage page) = 0;
};

}  // namespace radpattern
