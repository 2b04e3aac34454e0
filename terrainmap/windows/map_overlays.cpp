// The overlays of the map: the world map database's lines, the border lines of the "*.000"
// files, roads, town contours and town names.
#include <numbers>

#include "overlays/road_file.h"
#include "overlays/road_set.h"
#include "overlays/town_file.h"
#include "windows/map_layers.h"
#include "windows/map_texts.h"
#include "world_atlas.h"

namespace terrainmap {
namespace {

using quorla::LogicalPoint;
using quorla::MakeRgb;

constexpr double kRad = std::numbers::pi / 180;
constexpr int kWorldLineCapacity = 1050;
// Points farther outside the map than this are not drawn: a line goes on only between visible
// points, so huge coordinates never reach the painter.
constexpr double kVisibleMarginPx = 9000;

// A pen given as colour and the two further arguments of the map's pens: the line style (2
// dashed, any other solid) and the width in pixels.
void SetMapPen(quorla::DrawingSurface& s, quorla::Rgb colour, int style, int width) {
  s.SetPen(colour, style == 2 ? quorla::PenStyle::Dashed : quorla::PenStyle::Solid, width);
}

bool WorldAtlasUsable(const DrawContext& c) { return c.hooks.atlas && c.hooks.atlas->usable(); }

void SetWorldLinePen(const DrawContext& c, char type) {
  const int z = c.request.sizeIndex;
  const bool border = type == 'B';
  if (z >= 16) {
    SetMapPen(c.surface, border ? MakeRgb(180, 60, 30) : MakeRgb(50, 50, 255), 0, 0);
  } else if (!border) {
    SetMapPen(c.surface, quorla::kBlack, -1, 0);
  } else if (z < 12 && !c.request.borderDir.empty()) {
    SetMapPen(c.surface, quorla::kBlack, 2, 0);  // the border files draw the borders themselves
  } else {
    SetMapPen(c.surface, quorla::kBlack, 0, 2);
  }
}

void DrawVisibleRuns(const DrawContext& c, const Polyline& line) {
  const double w = c.frame.widthPx, h = c.frame.heightPx;
  std::vector<LogicalPoint> run;
  auto flush = [&] {
    if (run.size() >= 2) c.surface.Polyline(run);
    run.clear();
  };
  for (const LinePoint& p : line) {
    const double x = c.frame.X(p.lon), y = c.frame.Y(p.lat);
    if (x < -kVisibleMarginPx || x > w + kVisibleMarginPx || y < -kVisibleMarginPx || y > h + kVisibleMarginPx) {
      flush();
      continue;
    }
    run.push_back(c.At(p.lon, p.lat));
  }
  flush();
}

void DrawRoadFile(const DrawContext& c, const std::string& dir, std::string_view name, quorla::Rgb colour,
                  int width) {
  const std::string path = RoadFilePath(dir, name);
  if (path.empty()) return;
  const MapBounds& b = c.frame.bounds;
  std::vector<Polyline> lines;
  if (ReadRoadFile(path, {b.west, b.south, b.east, b.north}, lines) != quorla::InputStatus::Ok) return;
  SetMapPen(c.surface, colour, 0, width);
  for (const Polyline& line : lines) DrawVisibleRuns(c, line);
}

// Town names are single-byte texts; shown as Latin-1, one byte one character.
std::string Latin1ToUtf8(const std::string& text) {
  std::string out;
  for (const unsigned char ch : text) {
    if (ch < 0x80) {
      out += static_cast<char>(ch);
    } else {
      out += static_cast<char>(0xC0 | (ch >> 6));
      out += static_cast<char>(0x80 | (ch & 0x3F));
    }
  }
  return out;
}

void DrawTownNames(const DrawContext& c, const std::string& dir, int count) {
  const std::string path = RoadFilePath(dir, "obcejme.bdt");
  std::vector<TownName> towns;
  if (path.empty() || ReadTownFile(path, static_cast<size_t>(count), towns) != quorla::InputStatus::Ok) return;
  quorla::FontSpec font;
  font.name = "MS Sans Serif";
  font.height = 19;
  c.surface.SetFont(font);
  c.surface.SetTextBackground(MakeRgb(220, 220, 220), true);
  const MapBounds& b = c.frame.bounds;
  for (const TownName& t : towns) {
    if (t.lon < b.west || t.lon > b.east || t.lat < b.south || t.lat > b.north) continue;
    const LogicalPoint at = c.At(t.lon, t.lat);
    c.surface.MoveTo(at.x, at.y);
    c.surface.TextRow(Latin1ToUtf8(t.name));
    ++c.report.townNames;
  }
}

}  // namespace

bool WorldLinesWanted(const MapRequest& r) {
  return r.worldBorders == WorldBorders::Always || r.borderDir.empty() || r.sizeIndex >= 9;
}

void DrawWorldLines(const DrawContext& c) {
  if (!WorldAtlasUsable(c)) return;
  c.Status(map_texts::kOrbisBorders);
  quorla::geoatlas::WorldAtlas& atlas = *c.hooks.atlas;
  const MapBounds& b = c.frame.bounds;
  auto rad = [](double deg) { return static_cast<float>(deg * kRad); };
  atlas.Geodwd(rad(b.west), rad(b.south), rad(b.east), rad(b.north), 0.0f, 0, nullptr);
  std::vector<float> points(2 * kWorldLineCapacity);
  for (;;) {
    int32_t line = 0, count = 0, done = 0;
    char type = ' ';
    atlas.Geoliw(2, points.data(), kWorldLineCapacity, line, count, type, done);
    if (done || c.Stopped()) return;
    std::vector<LogicalPoint> logical;
    logical.reserve(static_cast<size_t>(count));
    for (int32_t i = 0; i < count; ++i) logical.push_back(c.At(points[2 * i], points[2 * i + 1]));
    SetWorldLinePen(c, type);
    c.surface.Polyline(logical);
    ++c.report.worldLines;
  }
}

void DrawBorderFiles(const DrawContext& c, bool worldLinesDrawn) {
  const MapRequest& r = c.request;
  if (r.borderDir.empty()) return;
  if (worldLinesDrawn && r.worldBorders == WorldBorders::AboveSize9 && r.sizeIndex >= 12) return;
  c.Status(map_texts::kHcmBorders);
  SetMapPen(c.surface, quorla::kBlack, 0, r.sizeIndex > 15 && !WorldAtlasUsable(c) ? 1 : 2);
  for (const std::string& name : SelectBorderFiles(ListBorderFiles(r.borderDir))) {
    if (c.Stopped()) return;
    std::vector<Polyline> lines;
    if (ReadBorderLineFile(r.borderDir + "/" + name, lines) != quorla::InputStatus::Ok) continue;
    for (const Polyline& line : lines) DrawVisibleRuns(c, line);
    ++c.report.borderFiles;
  }
}

void DrawRoadsAndTowns(const DrawContext& c) {
  const int z = c.request.sizeIndex;
  const std::string dir = RoadDirectory(c.request.terrainDir);
  if (!c.request.roadsAndTowns || z > 15 || !RoadsAndTownsAvailable(dir)) return;
  if (z < 13) {
    c.Status(map_texts::kRoads);
    DrawRoadFile(c, dir, "dalnice.bd", MakeRgb(255, 0, 70), z < 6 ? 2 : 0);
    DrawRoadFile(c, dir, "hlavni.bd", MakeRgb(250, 0, 255), 0);
    if (z < 6) DrawRoadFile(c, dir, "mistni.bd", MakeRgb(50, 50, 150), 0);
  }
  if (c.Stopped()) return;
  c.Status(map_texts::kTowns);
  const TownLevel level = TownLevelFor(z);
  DrawRoadFile(c, dir, level.contourFile, quorla::kBlack, 0);
  DrawTownNames(c, dir, level.names);
}

}  // namespace terrainmap
