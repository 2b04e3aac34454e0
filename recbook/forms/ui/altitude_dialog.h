#pragma once
// The altitude window (Info of [4Z]): its help lines and the terrain altitude at the form's
// position.
#include <QLabel>

#include "forms/info_request.h"
#include "forms/ui/info_dialog_frame.h"

namespace recbook::ui {

class AltitudeDialog : public InfoDialogFrame {
 public:
  AltitudeDialog(const InfoRequest& request, LibraryCalls& calls, QWidget* parent);
  QLabel* altitude() const { return altitude_; }

 private:
  QLabel* altitude_;
};

// Opens the dialog modally (nothing without the libraries' windows); it writes nothing back.
BoxWrites OpenAltitude(const InfoRequest& request, QWidget* parent);

}  // namespace recbook::ui
