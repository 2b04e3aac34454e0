#include "atlas_convert.h"

#include <filesystem>
#include <ostream>

#include "antimeridian.h"
#include "atlas_builder.h"
#include "atlas_database.h"
#include "atomic_file.h"
#include "border_files.h"
#include "input_file.h"

namespace quorla::geoatlas {
namespace {

bool Write(const std::string& path, const std::vector<uint8_t>& bytes, std::ostream& err) {
  if (WriteFileAtomically(path, {reinterpret_cast<const char*>(bytes.data()), bytes.size()})) return true;
  err << "cannot write " << path << "\n";
  return false;
}

}  // namespace

bool ConvertWorldAtlas(const std::string& from, const std::string& out, std::ostream& log, std::ostream& err) {
  const std::string source = from + "/" + kWorldAtlasFile;
  std::string json, error;
  // The world outlines are a few megabytes; far more is no outline file.
  constexpr size_t kMaxSourceBytes = 256u << 20;
  if (const InputStatus status = ReadInputFile(source, kMaxSourceBytes, json); status != InputStatus::Ok) {
    err << source << ": " << InputStatusText(status).en
        << (status == InputStatus::Missing ? " (install the npm packages with tools/install-deps.sh)\n" : "\n");
    return false;
  }
  Topology topo;
  BuiltAtlas atlas;
  if (!ReadTopology(json, "countries", topo, error)) {
    err << source << ": " << error << "\n";
    return false;
  }
  PlaceAntimeridianPoints(topo);
  if (!BuildAtlas(topo, atlas, error)) {
    err << source << ": " << error << "\n";
    return false;
  }
  std::vector<uint32_t> offsets;
  const std::vector<uint8_t> points = WritePointFile(atlas.lines, offsets);
  for (IndexRecord& r : atlas.index) r.pointOffset = offsets[static_cast<size_t>(r.number - kFirstLineNumber)];
  const std::vector<uint8_t> index = WriteLineIndex(atlas.index);
  std::vector<uint8_t> table;
  if (!WriteCountryTable(atlas.table, table)) {
    err << "the country table does not fit its 16-bit header\n";
    return false;
  }
  std::error_code ec;
  std::filesystem::create_directories(out, ec);
  if (!Write(out + "/" + kIndexFileName, index, err) || !Write(out + "/" + kPointFileName, points, err) ||
      !Write(out + "/" + kTableFileName, table, err))
    return false;
  if (!WriteBorderFiles(atlas.borders, out + "/border", error)) {
    err << error << "\n";
    return false;
  }
  log << atlas.lines.size() << " lines, " << atlas.table.areas.size() << " areas, "
      << index.size() + points.size() + table.size() << " bytes\n";
  return true;
}

}  // namespace quorla::geoatlas
