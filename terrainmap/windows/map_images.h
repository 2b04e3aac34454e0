#pragma once
// The map window's saved map images: "#mp000.bmp" to "#mp999.bmp" in the private temporary
// folder, the first free name each time, at most three kept (the oldest goes), all deleted when
// the window closes. They hold the map without its marker, so the window can put a marker on it
// or copy it without redrawing.
#include <functional>
#include <string>
#include <vector>

namespace terrainmap {

class MapImages {
 public:
  MapImages() = default;
  MapImages(const MapImages&) = delete;
  MapImages& operator=(const MapImages&) = delete;
  ~MapImages() { DeleteAll(); }

  // Reserves the first free name (created exclusively, mode 0600) and has write fill it; the path,
  // or empty text when no name is free, the folder is refused or write fails.
  std::string Save(const std::function<bool(const std::string& path)>& write);
  // The newest image; empty when none.
  std::string Latest() const { return paths_.empty() ? std::string() : paths_.back(); }
  void DeleteAll();

  static constexpr size_t kKept = 3;

 private:
  std::vector<std::string> paths_;
};

}  // namespace terrainmap
