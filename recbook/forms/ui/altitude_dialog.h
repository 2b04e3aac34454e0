#pragma once
// The altitude window (Info of [4Z]): its help lines and the terrain altitude at the form's
// position.
#include <QLabel>

#include "forms/ui/info_dialog_frame.h"

namespace recbook {
class LibraryCalls;
class RecordFormPresenter;
}  // namespace recbook

namespace recbook::ui {

class AltitudeDialog : public InfoDialogFrame {
 public:
  AltitudeDialog(const RecordFormPresenter& form, LibraryCalls& calls, QWidget* parent);
  QLabel* altitude() const { return altitude_; }

 private:
  QLabel* altitude_;
};

}  // namespace recbook::ui
