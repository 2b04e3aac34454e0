#include "line_extraction.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "atlas_messages.h"
#include "line_clip.h"
#include "line_simplify.h"

namespace quorla::geoatlas {
namespace {

constexpr float kPi = static_cast<float>(std::numbers::pi);
constexpr float kArcSecond = 4.8481375e-6f;
constexpr double kSimplifyThreshold = 0.01;

}  // namespace

void LinePass::WholeWorld() {
  west_ = -kPi;
  south_ = -kPi / 2;
  east_ = kPi;
  north_ = kPi / 2;
  tolerance_ = 0;
  filter_.clear();
  fixedList_ = false;
  cursor_ = 0;
  returned_.clear();
}

bool LinePass::SetWindow(float west, float south, float east, float north, float tolerance, int32_t count,
                         const char* codes, PassFault& fault) {
  WholeWorld();
  west_ = west;
  south_ = south;
  east_ = east;
  north_ = north;
  if (std::fabs(east - west) < kArcSecond) {
    west_ = -kPi;
    east_ = kPi;
  }
  tolerance_ = std::fabs(tolerance);
  if (!codes) count = 0;
  for (int32_t i = 0; i < count; ++i) {
    Code c{codes[3 * i], codes[3 * i + 1], codes[3 * i + 2]};
    if (c == Code{' ', ' ', ' '}) c = {'-', '-', '-'};
    if (std::find(filter_.begin(), filter_.end(), c) != filter_.end()) continue;
    if (filter_.size() == kMaxFilterCodes) {
      filter_.clear();
      fault = {"GEODWD", IncreaseParameterText("MXCTYW", kMaxFilterCodes)};
      return false;
    }
    filter_.push_back(c);
  }
  fixedList_ = !filter_.empty() && filter_[0] == Code{'R', '1', '3'};
  return true;
}

bool LinePass::Wanted(const Database& db, const IndexRecord& r) const {
  if (fixedList_) {
    const auto& list = db.table.fixedList;
    if (std::find(list.begin(), list.end(), r.number) == list.end()) return false;
  } else if (!filter_.empty() && std::find(filter_.begin(), filter_.end(), r.code) == filter_.end()) {
    return false;
  }
  const Window& w = r.window;
  return w.east >= west_ && w.west <= east_ && w.north >= south_ && w.south <= north_;
}

LinePass::Step LinePass::Next(const Database& db, bool xLinesAllowed, int32_t capacity, ExtractedLine& line,
                              PassFault& fault) {
  for (; cursor_ < db.index.size();) {
    const IndexRecord& r = db.index[cursor_++];
    if (!Wanted(db, r)) continue;
    if (!IsOneCountryType(r.type)) {
      if (std::find(returned_.begin(), returned_.end(), r.number) != returned_.end()) continue;
      if (returned_.size() == kMaxReturnedLines) {
        fault = {"GEOLIW", IncreaseParameterText("LSTLOK", kMaxReturnedLines)};
        return Step::Fault;
      }
      returned_.push_back(r.number);
    }
    const LineBlock* block = db.points.Find(r.pointOffset, r.number);
    if (!block) {
      fault = {"GEOLIW", LineNotFoundText(r.number)};
      return Step::Fault;
    }
    if (r.type == 'X' && !xLinesAllowed) continue;
    const auto all = db.Points(*block);
    const size_t limit = 2 * static_cast<size_t>(std::max(capacity, 0));
    const size_t keep = std::min(all.size(), limit);
    line.points.assign(all.begin(), all.begin() + static_cast<std::ptrdiff_t>(keep));
    if (tolerance_ > kSimplifyThreshold) {
      if (line.points.size() / 2 > kMaxSimplified) {
        fault = {"GEOLIW", IncreaseParameterText("MAXWRK", kMaxSimplified)};
        return Step::Fault;
      }
      SimplifyLine(line.points, tolerance_);
    }
    const Window& w = r.window;
    const bool inside = w.west >= west_ && w.east <= east_ && w.south >= south_ && w.north <= north_;
    if (!inside) {
      if (!ClipLine(line.points, {west_, south_, east_, north_}, clipped_)) continue;
      line.points.assign(clipped_.begin(),
                         clipped_.begin() + static_cast<std::ptrdiff_t>(std::min(clipped_.size(), limit)));
    }
    if (line.points.empty()) continue;
    line.number = r.number;
    line.type = r.type;
    return Step::Line;
  }
  cursor_ = 0;
  returned_.clear();
  return Step::End;
}

}  // namespace quorla::geoatlas
