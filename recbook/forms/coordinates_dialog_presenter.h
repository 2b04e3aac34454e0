#pragma once
// The Info dialog of [4C]: the position of boxes 20 and 21, " C&onversion" through the datum
// conversion dialog and "from &Map" through the map viewer; what they confirm goes into the two
// boxes at once.
#include <cstdint>
#include <string>

#include "host.h"
#include "settings_store.h"

namespace recbook {

class LibraryCalls;
class RecordFormPresenter;

class CoordinatesDialogView {
 public:
  virtual ~CoordinatesDialogView() = default;
  // The two boxes' texts in their display form.
  virtual void ShowPosition(const std::string& longitude, const std::string& latitude) = 0;
  // The dialog's window handle, the owner of the windows it opens.
  virtual uint32_t WindowHandle() const = 0;
  virtual void Close() = 0;
};

class CoordinatesDialogPresenter {
 public:
  // settings: where the terrain directory "DtmHcm" is checked and kept.
  CoordinatesDialogPresenter(quorla::Host& host, CoordinatesDialogView& view, RecordFormPresenter& form,
                             LibraryCalls& calls, quorla::SettingsStore& settings);

  std::string Title() const;
  void Start();
  // The boxes are checked first ("Uncorrect value of Geo.coordinates  !!  " and no call); a
  // confirmed conversion is written into them.
  void Conversion();
  // The terrain directory is checked first (" DTM directory Error" and no call); a position
  // transferred from the map is written into the boxes and the dialog closes.
  void FromMap();

 private:
  std::string CompactPosition() const;
  // Writes a returned "longitude,latitude" into boxes 20 and 21; false when it is not a position.
  bool WritePosition(const std::string& compact);
  std::string Text(const quorla::BiText& t) const;

  quorla::Host& host_;
  CoordinatesDialogView& view_;
  RecordFormPresenter& form_;
  LibraryCalls& calls_;
  quorla::SettingsStore& settings_;
};

}  // namespace recbook
