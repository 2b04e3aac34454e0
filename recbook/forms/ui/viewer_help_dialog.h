#pragma once
// The file viewer's help on item codes: the nine tables as option buttons; "&Show" opens the
// chosen one read-only over the viewer's selected record, "&Cancel" closes the help.
#include "forms/ui/info_dialog_frame.h"
#include "forms/viewer_help.h"

class QButtonGroup;
class QListWidget;

namespace recbook::ui {

class ViewerHelpDialog : public InfoDialogFrame {
 public:
  ViewerHelpDialog(quorla::Language language, std::string caption, const StationRecord& record, QWidget* parent);
  QButtonGroup* choices() const { return choices_; }

 private:
  // Opens the chosen table modally over the help.
  void ShowChosen();

  quorla::Language language_;
  std::string caption_;
  StationRecord record_;
  QButtonGroup* choices_ = nullptr;
};

// A code table read-only: its lines with the record's code highlighted, and "&Cancel".
class ViewerTableDialog : public InfoDialogFrame {
 public:
  ViewerTableDialog(std::string_view caption, quorla::Language language, const ViewerCodeTable& table, QWidget* parent);
  QListWidget* lines() const { return lines_; }

 private:
  QListWidget* lines_ = nullptr;
};

void ShowViewerHelp(quorla::Language language, std::string caption, const StationRecord& record, QWidget* parent);

}  // namespace recbook::ui
