#include <algorithm>
#include <cmath>
#include <numbers>

#include "byte_order.h"
#include "world_files.h"

namespace quorla::geoatlas {
namespace {

constexpr float kLimit = static_cast<float>(std::numbers::pi) + 1e-4f;

bool ValidWindow(const Window& w) {
  const float v[] = {w.west, w.south, w.east, w.north};
  for (float x : v)
    if (!std::isfinite(x) || std::fabs(x) > kLimit) return false;
  return w.west <= w.east && w.south <= w.north;
}

Window GetWindow(const uint8_t* p) { return {GetF32(p), GetF32(p + 4), GetF32(p + 8), GetF32(p + 12)}; }

// Walks the 32-bit words of the country table with bounds checks.
class WordReader {
 public:
  explicit WordReader(std::span<const uint8_t> data) : data_(data) {}
  bool Next(uint32_t& v) {
    if (pos_ + 4 > data_.size()) return false;
    v = GetU32(data_.data() + pos_);
    pos_ += 4;
    return true;
  }
  bool NextWindow(Window& w) {
    if (pos_ + 16 > data_.size()) return false;
    w = GetWindow(data_.data() + pos_);
    pos_ += 16;
    return true;
  }
  size_t Remaining() const { return (data_.size() - pos_) / 4; }

 private:
  std::span<const uint8_t> data_;
  size_t pos_ = 0;
};

bool ReadArea(WordReader& in, size_t areaCount, Area& a) {
  uint32_t head = 0, inner = 0, rings = 0;
  if (!in.Next(head) || !in.NextWindow(a.window) || !in.Next(inner) || !in.Next(rings)) return false;
  a.code = {static_cast<char>(head & 0xff), static_cast<char>((head >> 8) & 0xff), static_cast<char>((head >> 16) & 0xff)};
  a.inner = (head >> 24) & 1;
  a.inner1 = static_cast<int32_t>(inner & 0xffff) - 1;
  a.inner2 = static_cast<int32_t>(inner >> 16) - 1;
  if (!ValidWindow(a.window) || a.inner1 >= static_cast<int32_t>(areaCount) ||
      a.inner2 >= static_cast<int32_t>(areaCount) || rings == 0 || rings > in.Remaining())
    return false;
  a.rings.resize(rings);
  for (auto& ring : a.rings) {
    uint32_t n = 0;
    if (!in.Next(n) || n == 0 || n > in.Remaining()) return false;
    ring.resize(n);
    for (auto& ref : ring) {
      uint32_t v = 0;
      in.Next(v);
      ref = static_cast<int32_t>(v);
      if (ref == 0 || ref > kMaxLines || ref < -kMaxLines) return false;
    }
  }
  return true;
}

}  // namespace

std::array<int32_t, 4> FirstWindowOf(const Window& w) {
  auto q = [](float v) { return static_cast<int32_t>(std::lround(static_cast<double>(v) * 1e7)); };
  return {q(w.west), q(w.south), q(w.east), q(w.north)};
}

bool IsOneCountryType(char type) {
  return std::find(std::begin(kTypeOneCountry), std::end(kTypeOneCountry), type) != std::end(kTypeOneCountry);
}

const LineBlock* PointFile::Find(uint32_t offset, int32_t number) const {
  auto it = std::lower_bound(blocks.begin(), blocks.end(), offset,
                             [](const LineBlock& b, uint32_t o) { return b.offset < o; });
  if (it == blocks.end() || it->offset != offset || it->number != number) return nullptr;
  return &*it;
}

FileStatus ReadLineIndex(std::span<const uint8_t> bytes, std::vector<IndexRecord>& records) {
  records.clear();
  for (size_t pos = 0; pos + kIndexRecordSize <= bytes.size(); pos += kIndexRecordSize) {
    const uint8_t* p = bytes.data() + pos;
    IndexRecord r;
    r.number = GetI32(p + 4);
    if (r.number < kFirstLineNumber) return records.empty() ? FileStatus::Damaged : FileStatus::Ok;
    r.code = {static_cast<char>(p[0]), static_cast<char>(p[1]), static_cast<char>(p[2])};
    r.type = static_cast<char>(p[3]);
    r.pointCount = GetU16(p + 8);
    r.pointOffset = GetU32(p + 10);
    r.entry = static_cast<char>(p[14]);
    for (int i = 0; i < 4; ++i) r.firstWindow[i] = GetI32(p + 15 + 4 * i);
    r.window = GetWindow(p + 31);
    if (!ValidWindow(r.window) || r.firstWindow != FirstWindowOf(r.window)) return FileStatus::Damaged;
    records.push_back(r);
  }
  // Every index the converter writes ends with its end record; without it the file was cut.
  return FileStatus::Truncated;
}

FileStatus ReadPointFile(std::span<const uint8_t> bytes, PointFile& file) {
  file = {};
  if (bytes.size() < 8) return FileStatus::Truncated;
  if (GetI32(bytes.data()) != kPointFileFormat) return FileStatus::WrongVersion;
  const uint32_t lines = GetU32(bytes.data() + 4);
  size_t pos = 8;
  for (uint32_t i = 0; i < lines; ++i) {
    if (pos + 8 > bytes.size()) return FileStatus::Truncated;
    LineBlock b;
    b.number = GetI32(bytes.data() + pos);
    b.count = GetU32(bytes.data() + pos + 4);
    b.offset = static_cast<uint32_t>(pos);
    b.firstPoint = static_cast<uint32_t>(file.points.size() / 2);
    if (b.count == 0 || b.count > static_cast<uint32_t>(kMaxPointsPerLine)) return FileStatus::Damaged;
    pos += 8;
    if (pos + 8ull * b.count > bytes.size()) return FileStatus::Truncated;
    for (uint32_t k = 0; k < 2 * b.count; ++k, pos += 4) {
      const float v = GetF32(bytes.data() + pos);
      if (!std::isfinite(v) || std::fabs(v) > kLimit) return FileStatus::Damaged;
      file.points.push_back(v);
    }
    file.blocks.push_back(b);
  }
  return pos == bytes.size() ? FileStatus::Ok : FileStatus::Damaged;
}

FileStatus ReadCountryTable(std::span<const uint8_t> bytes, CountryTable& table) {
  table = {};
  if (bytes.size() < kTableBlockSize) return FileStatus::Truncated;
  if (GetU16(bytes.data()) != kTableFormat) return FileStatus::WrongVersion;
  const size_t n1 = GetU16(bytes.data() + 2), n2 = GetU16(bytes.data() + 4);
  if (n2 < 2 || kTableBlockSize * (n2 - 1) < 4 * n1) return FileStatus::Damaged;
  if (bytes.size() < kTableBlockSize * n2) return FileStatus::Truncated;
  WordReader in(bytes.subspan(kTableBlockSize, 4 * n1));
  uint32_t areas = 0, fixed = 0;
  if (!in.Next(areas) || !in.Next(fixed) || fixed > in.Remaining() || areas > in.Remaining()) return FileStatus::Damaged;
  for (uint32_t i = 0; i < fixed; ++i) {
    uint32_t v = 0;
    in.Next(v);
    table.fixedList.push_back(static_cast<int32_t>(v));
  }
  table.areas.resize(areas);
  for (Area& a : table.areas)
    if (!ReadArea(in, areas, a)) return FileStatus::Damaged;
  return FileStatus::Ok;
}

}  // namespace quorla::geoatlas
