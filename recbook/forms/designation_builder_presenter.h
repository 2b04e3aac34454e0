#pragma once
// The Info dialog of [7A]: the designation of emission built in an edit box from six lists
// (bandwidth, modulation, signal, information, details, multiplex). The lists follow the edit box;
// choosing a line puts its code at its place. "&OK" writes the edit box into [7A].
#include <string>

#include "forms/info_request.h"
#include "forms/input_rules.h"
#include "rules/code_pickers.h"

namespace recbook {

class DesignationBuilderView {
 public:
  virtual ~DesignationBuilderView() = default;
  virtual void ShowDesignation(const std::string& text) = 0;
  // Each list's selected line; nullopt: none (a bandwidth that maps to no channel spacing).
  virtual void SelectLines(const DesignationSelection& lines) = 0;
};

class DesignationBuilderPresenter {
 public:
  DesignationBuilderPresenter(const InfoRequest& request, DesignationBuilderView& view);

  // Shows [7A] in the edit box and each list on its part.
  void Open();
  // The edit box after a change by the user: upper case, only digits, "K" and "M" in the
  // bandwidth part, nine characters at most.
  RuledText Typed(std::string_view text, int caret);
  void Choose(DesignationPart part, size_t line);
  BoxWrites Ok() const { return {{request_.box, designation_}}; }

 private:
  const InfoRequest request_;
  DesignationBuilderView& view_;
  std::string designation_;
};

}  // namespace recbook
