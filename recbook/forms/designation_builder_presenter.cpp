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
// the caret is where the caret stays. What "&OK" writes must pass [7A]'s own rule too (no comma,
// for one), so the text rule of the box follows.
RuledText DesignationBuilderPresenter::Typed(std::string_view text, int caret) {
  caret = std::clamp(caret, 0, static_cast<int>(text.size()));
  const int at = static_cast<int>(FilterDesignationTyping(text.substr(0, static_cast<size_t>(caret))).size());
  RuledText r = ApplyInputRule(RecordBoxOf(Item::k7A).rule, FilterDesignationTyping(text), at);
  designation_ = r.text;
  view_.SelectLines(SelectDesignationLines(designation_));
  return r;
}

void DesignationBuilderPresenter::Choose(DesignationPart part, size_t line) {
  designation_ = PlaceDesignationPart(designation_, part, line);
  view_.ShowDesignation(designation_);
  view_.SelectLines(SelectDesignationLines(designation_));
}

}  // namespace recbook
