#include "world_atlas.h"

#include <numbers>

#include "atlas_messages.h"

namespace quorla::geoatlas {

void WorldAtlas::Fail(const std::string& routine, const std::string& text) {
  usable_ = false;
  lookup_.reset();
  db_.reset();
  ShowAtlasMessage(host_, routine, text, kClassRoutineError);
}

bool WorldAtlas::Ready(const char* routine) {
  if (!usable_) return false;
  if (db_) return true;
  const AtlasSettings settings = ReadAtlasSettings(places_.iniPath);
  if (settings.valueTooLong) ShowAtlasMessage(host_, "GEOGID", "Value of entry name to long", kClassIniInfo);
  xLinesAllowed_ = settings.xLinesAllowed;
  std::string paths[3];
  const char* names[] = {kIndexFileName, kPointFileName, kTableFileName};
  for (int i = 0; i < 3; ++i) {
    paths[i] = FindDataFile(names[i], settings, places_);
    if (paths[i].empty()) {
      Fail("GEOFNM", FileNotFoundText(names[i]));
      return false;
    }
  }
  auto db = std::make_unique<Database>();
  LoadFailure failure;
  if (!LoadDatabase(paths[0], paths[1], paths[2], *db, failure)) {
    Fail(routine, failure.text);
    return false;
  }
  db_ = std::move(db);
  lookup_.emplace(*db_);
  return true;
}

void WorldAtlas::Wdbunit(int32_t unit) {
  if (initialised_) return;
  initialised_ = true;
  if (!usable_) return;
  if (unit == 75 || unit == 76) {
    Fail("WDBUNIT", " 75/76 ARE RESTRICTED UNIT-NUMBERS");
    return;
  }
  unit_ = unit;
  pass_ = LinePass();  // work state reset; the files open when first needed
}

void WorldAtlas::Geoplc(float lon, float lat, char code[3]) {
  Code c{' ', ' ', ' '};
  if (Ready("GEOPLC")) c = lookup_->Find(lon, lat);
  std::copy(c.begin(), c.end(), code);
}

void WorldAtlas::Geodwd(float west, float south, float east, float north, float tolerance, int32_t count,
                        const char* codes) {
  if (!usable_) return;
  PassFault fault;
  if (!pass_.SetWindow(west, south, east, north, tolerance, count, codes, fault)) Fail(fault.routine, fault.text);
}

void WorldAtlas::Geoliw(int32_t unit, float* points, int32_t capacity, int32_t& line, int32_t& npoints, char& type,
                        int32_t& done) {
  npoints = 0;
  done = 1;
  if (!Ready("GEOLIW")) return;
  PassFault fault;
  switch (pass_.Next(*db_, xLinesAllowed_, capacity, line_, fault)) {
    case LinePass::Step::Fault:
      Fail(fault.routine, fault.text);
      return;
    case LinePass::Step::End:
      return;
    case LinePass::Step::Line:
      break;
  }
  const float scale = unit == 2 ? static_cast<float>(180 / std::numbers::pi) : 1.0f;
  for (size_t i = 0; i < line_.points.size(); ++i) points[i] = line_.points[i] * scale;
  line = line_.number;
  type = line_.type;
  npoints = static_cast<int32_t>(line_.points.size() / 2);
  done = 0;
}

std::vector<Code> WorldAtlas::OrderList() const { return lookup_ ? lookup_->OrderList() : std::vector<Code>{}; }

}  // namespace quorla::geoatlas
