#pragma once
// The Info dialog of [7A]: the designation's edit box above its six lists, over a
// DesignationBuilderPresenter.
#include <array>

#include "forms/designation_builder_presenter.h"
#include "forms/ui/info_dialog_frame.h"

class QLineEdit;
class QListWidget;

namespace recbook::ui {

class DesignationDialog : public InfoDialogFrame, public DesignationBuilderView {
 public:
  DesignationDialog(const InfoRequest& request, QWidget* parent);

  void ShowDesignation(const std::string& text) override;
  void SelectLines(const DesignationSelection& lines) override;
  // The file viewer's variant: the record's designation shown, nothing to change, no "&OK".
  void ReadOnly();

  DesignationBuilderPresenter& presenter() { return presenter_; }
  QLineEdit* designation() const { return edit_; }
  QListWidget* list(DesignationPart part) const { return lists_[static_cast<size_t>(part)]; }

 private:
  DesignationBuilderPresenter presenter_;
  QLineEdit* edit_ = nullptr;
  std::array<QListWidget*, kDesignationPartCount> lists_{};
};

BoxWrites OpenDesignationBuilder(const InfoRequest& request, QWidget* parent);

}  // namespace recbook::ui
