#include "terrain/tile_generator.h"

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <string_view>
#include <system_error>
#include <vector>

#include "atomic_file.h"
#include "terrain_tile.h"

namespace terrainmap {
namespace {

// Value noise on an integer lattice: a hash of the lattice point gives a value in [-1, 1], and the
// smooth step blends the four corners.
double LatticeValue(int64_t ix, int64_t iy) {
  uint64_t h = static_cast<uint64_t>(ix) * 0x9E3779B97F4A7C15ull ^ static_cast<uint64_t>(iy) * 0xC2B2AE3D27D4EB4Full;
  h ^= h >> 29;
  h *= 0xBF58476D1CE4E5B9ull;
  h ^= h >> 32;
  return static_cast<double>(h & 0xFFFFFF) / 0x7FFFFF - 1.0;
}

double ValueNoise(double x, double y) {
  const double fx = std::floor(x), fy = std::floor(y);
  const auto ix = static_cast<int64_t>(fx), iy = static_cast<int64_t>(fy);
  const double u = x - fx, v = y - fy;
  const double su = u * u * (3 - 2 * u), sv = v * v * (3 - 2 * v);
  const double a = LatticeValue(ix, iy), b = LatticeValue(ix + 1, iy);
  const double c = LatticeValue(ix, iy + 1), d = LatticeValue(ix + 1, iy + 1);
  return a + su * (b - a) + sv * (c - a) + su * sv * (a - b - c + d);
}

std::string TileFileName(int ilon, int ilat) {
  return quorla::TileName(ilon, ilat) + (ilat < 50 ? ".33E" : ".63E");
}

bool WriteTile(const std::filesystem::path& file, int ilon, int ilat) {
  const int columns = quorla::BlockColumns(ilat);
  const int n = quorla::BlockIntervals(ilat);
  // 144 records, then (below 50N) 1024 zero bytes.
  std::vector<unsigned char> bytes(static_cast<size_t>(quorla::RequiredTileLength(ilat)), 0);
  size_t at = 0;
  for (int by = 0; by < 12; ++by) {
    for (int bx = 0; bx < 12; ++bx) {
      for (int r = 0; r < quorla::kBlockRows; ++r) {
        const double lat = ilat + by / 12.0 + r / 1200.0;
        for (int c = 0; c < columns; ++c) {
          const double lon = ilon + bx / 12.0 + c / (12.0 * n);
          const auto v = static_cast<uint16_t>(static_cast<int16_t>(SyntheticHeight(lon, lat)));
          bytes[at++] = static_cast<unsigned char>(v & 0xFF);
          bytes[at++] = static_cast<unsigned char>(v >> 8);
        }
      }
    }
  }
  // Written beside the old tile and renamed over it: a full disk or a killed run leaves the old
  // tile whole, never half a tile the lookups would read as terrain. The tiles are made again at
  // will, so the rename alone is enough.
  quorla::AtomicFileWriter out(file.string(), quorla::AtomicFileWriter::Durability::Renamed);
  return out.Write(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size())) && out.Commit();
}

}  // namespace

int SyntheticHeight(double lon, double lat) {
  // A few octaves of noise (wavelengths from 0.8 degrees down to 1.5 km) over a gentle trend;
  // below 0 the noise is sea (height 0) with a shallow floor in the lowest basins.
  double h = 0, amplitude = 700, scale = 1.25;
  for (int octave = 0; octave < 6; ++octave) {
    h += amplitude * ValueNoise(lon * scale + 17.3 * octave, lat * scale * 1.4 - 5.1 * octave);
    amplitude *= 0.48;
    scale *= 2.3;
  }
  h += 250 + 150 * std::sin(lon * 0.35) * std::cos(lat * 0.5);
  if (h < 0) return h < -150 ? -static_cast<int>((-h - 150) / 10) : 0;
  return static_cast<int>(std::lround(h));
}

GenerateStatus GenerateTerrainTiles(const std::string& dir, const TerrainArea& a) {
  if (dir.empty() || a.west >= a.east || a.south >= a.north || a.west < -180 || a.east > 180 || a.south < 0 ||
      a.north > 90 || (a.east - a.west) * (a.north - a.south) > kMaxGeneratedTiles)
    return GenerateStatus::BadArea;
  namespace fs = std::filesystem;
  for (int ilon = a.west; ilon < a.east; ++ilon) {
    const fs::path column = fs::path(dir) / quorla::TileColumnName(ilon);
    std::error_code ec;
    fs::create_directories(column, ec);
    if (ec) return GenerateStatus::WriteFailed;
    for (int ilat = a.south; ilat < a.north; ++ilat)
      if (!WriteTile(column / TileFileName(ilon, ilat), ilon, ilat)) return GenerateStatus::WriteFailed;
  }
  return GenerateStatus::Ok;
}

}  // namespace terrainmap
