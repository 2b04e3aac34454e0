#include "byte_order.h"
#include "world_files.h"

namespace quorla::geoatlas {
namespace {

void PutWindow(std::vector<uint8_t>& out, const Window& w) {
  PutF32(out, w.west);
  PutF32(out, w.south);
  PutF32(out, w.east);
  PutF32(out, w.north);
}

void PutCode(std::vector<uint8_t>& out, const Code& c) {
  for (char ch : c) out.push_back(static_cast<uint8_t>(ch));
}

}  // namespace

std::vector<uint8_t> WriteLineIndex(const std::vector<IndexRecord>& records) {
  std::vector<uint8_t> out;
  out.reserve((records.size() + 1) * kIndexRecordSize);
  auto put = [&out](const IndexRecord& r) {
    PutCode(out, r.code);
    out.push_back(static_cast<uint8_t>(r.type));
    PutI32(out, r.number);
    PutU16(out, r.pointCount);
    PutU32(out, r.pointOffset);
    out.push_back(static_cast<uint8_t>(r.entry));
    for (int32_t v : FirstWindowOf(r.window)) PutI32(out, v);
    PutWindow(out, r.window);
  };
  for (const IndexRecord& r : records) put(r);
  IndexRecord end;  // line number 0 ends the pass
  end.window = {};
  put(end);
  return out;
}

std::vector<uint8_t> WritePointFile(const std::vector<std::pair<int32_t, std::vector<float>>>& lines,
                                    std::vector<uint32_t>& offsets) {
  std::vector<uint8_t> out;
  PutI32(out, kPointFileFormat);
  PutU32(out, static_cast<uint32_t>(lines.size()));
  offsets.clear();
  for (const auto& [number, points] : lines) {
    offsets.push_back(static_cast<uint32_t>(out.size()));
    PutI32(out, number);
    PutU32(out, static_cast<uint32_t>(points.size() / 2));
    for (float v : points) PutF32(out, v);
  }
  return out;
}

bool WriteCountryTable(const CountryTable& table, std::vector<uint8_t>& bytes) {
  std::vector<uint8_t> data;
  PutU32(data, static_cast<uint32_t>(table.areas.size()));
  PutU32(data, static_cast<uint32_t>(table.fixedList.size()));
  for (int32_t n : table.fixedList) PutI32(data, n);
  for (const Area& a : table.areas) {
    PutCode(data, a.code);
    data.push_back(a.inner ? 1 : 0);
    PutWindow(data, a.window);
    PutU16(data, static_cast<uint16_t>(a.inner1 + 1));
    PutU16(data, static_cast<uint16_t>(a.inner2 + 1));
    PutU32(data, static_cast<uint32_t>(a.rings.size()));
    for (const auto& ring : a.rings) {
      PutU32(data, static_cast<uint32_t>(ring.size()));
      for (int32_t ref : ring) PutI32(data, ref);
    }
  }
  const size_t words = data.size() / 4;
  const size_t blocks = 1 + (data.size() + kTableBlockSize - 1) / kTableBlockSize;
  if (words > 0xffff || blocks > 0xffff || table.areas.size() >= 0xffff) return false;
  bytes.clear();
  PutU16(bytes, kTableFormat);
  PutU16(bytes, static_cast<uint16_t>(words));
  PutU16(bytes, static_cast<uint16_t>(blocks));
  bytes.resize(kTableBlockSize, 0);
  bytes.insert(bytes.end(), data.begin(), data.end());
  bytes.resize(kTableBlockSize * blocks, 0);
  return true;
}

}  // namespace quorla::geoatlas
