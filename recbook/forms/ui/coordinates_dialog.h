#pragma once
// The co-ordinates window (Info of [4C]): the position of boxes 20 and 21, " C&onversion" and
// "from &Map".
#include <QLabel>
#include <memory>

#include "forms/coordinates_dialog_presenter.h"
#include "forms/ui/info_dialog_frame.h"

namespace recbook::ui {

class CoordinatesDialog : public InfoDialogFrame, public CoordinatesDialogView {
 public:
  CoordinatesDialog(quorla::Host& host, const InfoRequest& request, LibraryCalls& calls,
                    quorla::SettingsStore& settings, QWidget* parent);

  void ShowPosition(const std::string& longitude, const std::string& latitude) override;
  uint32_t WindowHandle() const override;
  void Close() override { accept(); }
  // The new position of the boxes, empty when it did not change.
  const BoxWrites& writes() const { return presenter_->writes(); }

  QPushButton* conversionButton() const { return conversion_; }
  QPushButton* mapButton() const { return map_; }
  QLabel* position() const { return position_; }

 private:
  quorla::Language language_;
  QLabel* position_;
  QPushButton* conversion_;
  QPushButton* map_;
  std::unique_ptr<CoordinatesDialogPresenter> presenter_;
};

// Opens the dialog modally (nothing without the libraries' windows); gives the new position.
BoxWrites OpenCoordinates(const InfoRequest& request, QWidget* parent);

}  // namespace recbook::ui
