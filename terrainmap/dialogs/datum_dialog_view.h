#pragma once
// What the conversion dialog is asked to show: the input label, the two entry boxes, the two
// read-only result boxes and the status bar.
#include <string>
#include <string_view>

namespace terrainmap {

class DatumDialogView {
 public:
  virtual ~DatumDialogView() = default;
  // " Lon, Lat  =" or, while the planar system is chosen, "Ylat, Xlon =".
  virtual void SetInputLabel(std::string_view text) = 0;
  // Puts texts into the two entry boxes without the boxes reacting to it; planar: the boxes hold
  // Y and X in metres (digits) instead of a longitude and a latitude.
  virtual void SetInputs(const std::string& first, const std::string& second, bool planar) = 0;
  virtual void SetResults(const std::string& lon, const std::string& lat) = 0;
  virtual void SetStatus(const std::string& text) = 0;
  // Ends the dialog's run; result 0 cancelled, 1 "&OK", 2 "&Find geo.coord. in map".
  virtual void Close(int result) = 0;
};

}  // namespace terrainmap
