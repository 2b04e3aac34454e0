#include "forms/designation_builder_presenter.h"

#include <algorithm>

namespace recbook {

DesignationBuilderPresenter::DesignationBuilderPresenter(const InfoRequest& request, DesignationBuilderView& view)
    : request_(request), view_(view), designation_(request.Text(Item::k7A)) {}

void DesignationBuilderPresenter::Open() {
  view_.ShowDesignation(designation_);
  view_.SelectLines(SelectDesignationLines(designation_));
}

// The filter keeps or drops each character by what it kept before, so the filtered text before
// the caret is where the caret stays.
RuledText DesignationBuilderPresenter::Typed(std::string_view text, int caret) {
  caret = std::clamp(caret, 0, static_cast<int>(text.size()));
  designation_ = FilterDesignationTyping(text);
  const int at = static_cast<int>(FilterDesignationTyping(text.substr(0, static_cast<size_t>(caret))).size());
  view_.SelectLines(SelectDesignationLines(designation_));
  return {designation_, at, at};
}

void DesignationBuilderPresenter::Choose(DesignationPart part, size_t line) {
  designation_ = PlaceDesignationPart(designation_, part, line);
  view_.ShowDesignation(designation_);
  view_.SelectLines(SelectDesignationLines(designation_));
}

}  // namespace recbook
