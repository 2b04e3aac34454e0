#pragma once
// The Info dialog of [4C]: the position of boxes 20 and 21, " C&onversion" through the datum
// conversion dialog and "from &Map" through the map viewer. A confirmed conversion or a Transfer
// from the map is the new position of the boxes, whichever button then closes the dialog (the form
// waits for the dialog, so this is the same as writing the boxes at once).
#include <cstdint>
#include <string>

#include "forms/info_request.h"
#include "host.h"
#include "settings_store.h"

namespace recbook {

class CoordinatesDialogView {
 public:
  virtual ~CoordinatesDialogView() = default;
  // The position in the display form of the boxes.
  virtual void ShowPosition(const std::string& longitude, const std::string& latitude) = 0;
  // The dialog's window handle, the owner of the windows it opens.
  virtual uint32_t WindowHandle() const = 0;
  virtual void Close() = 0;
};

class CoordinatesDialogPresenter {
 public:
  // request: the Info request of [4C] with the libraries' windows; settings: where the terrain
  // directory "DtmHcm" is checked and kept.
  CoordinatesDialogPresenter(quorla::Host& host, const InfoRequest& request, CoordinatesDialogView& view,
                             LibraryCalls& calls, quorla::SettingsStore& settings);

  std::string Title() const;
  void Start();
  // The position is checked first ("Uncorrect value of Geo.coordinates  !!  " and no call).
  void Conversion();
  // The terrain directory is checked first (" DTM directory Error" and no call); after a
  // Transfer the dialog closes.
  void FromMap();
  // The boxes' new texts: empty until a conversion or a Transfer changed the position.
  const BoxWrites& writes() const { return writes_; }

 private:
  std::string CompactPosition() const;
  template <class Block>
  Block StationBlock() const;
  // Takes a returned "longitude,latitude"; false when it is not a valid position.
  bool TakePosition(const std::string& compact);
  std::string Text(const quorla::BiText& t) const { return std::string(t(request_.language)); }

  quorla::Host& host_;
  const InfoRequest request_;
  CoordinatesDialogView& view_;
  LibraryCalls& calls_;
  quorla::SettingsStore& settings_;
  std::string longitude_, latitude_;
  BoxWrites writes_;
};

}  // namespace recbook
