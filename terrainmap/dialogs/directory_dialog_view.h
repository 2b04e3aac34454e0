#pragma once
// What the directory settings dialog is asked to show: the two edit boxes.
#include <string>

namespace terrainmap {

class DirectoryDialogView {
 public:
  virtual ~DirectoryDialogView() = default;
  virtual void SetTerrainText(const std::string& dir) = 0;
  virtual void SetBorderText(const std::string& dir) = 0;
  virtual void Close(int result) = 0;  // 1 after "&OK", 0 otherwise
};

}  // namespace terrainmap
