#include "atlas_database.h"

#include <fstream>
#include <iterator>

#include "atlas_messages.h"

namespace quorla::geoatlas {
namespace {

constexpr std::streamoff kMaxFileBytes = 256ll << 20;

bool ReadWhole(const std::string& path, std::vector<uint8_t>& bytes) {
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in) return false;
  const std::streamoff size = in.tellg();
  if (size < 0 || size > kMaxFileBytes) return false;
  bytes.resize(static_cast<size_t>(size));
  in.seekg(0);
  return static_cast<bool>(in.read(reinterpret_cast<char*>(bytes.data()), size)) || size == 0;
}

bool Check(FileStatus status, const char* name, LoadFailure& failure) {
  if (status == FileStatus::Ok) return true;
  failure.text = status == FileStatus::WrongVersion ? WrongVersionText() : DamagedFileText(name);
  return false;
}

}  // namespace

bool LoadDatabaseBytes(std::span<const uint8_t> index, std::span<const uint8_t> points,
                       std::span<const uint8_t> table, Database& db, LoadFailure& failure) {
  db = {};
  if (!Check(ReadLineIndex(index, db.index), kIndexFileName, failure) ||
      !Check(ReadPointFile(points, db.points), kPointFileName, failure) ||
      !Check(ReadCountryTable(table, db.table), kTableFileName, failure))
    return false;
  for (const IndexRecord& r : db.index) {
    const size_t k = static_cast<size_t>(r.number - kFirstLineNumber);
    if (k >= db.points.blocks.size()) continue;  // reported by GEOLIW when the line is wanted
    if (db.lines.size() <= k) db.lines.resize(k + 1, nullptr);
    if (!db.lines[k]) db.lines[k] = db.points.Find(r.pointOffset, r.number);
  }
  for (const Area& a : db.table.areas)
    for (const auto& ring : a.rings)
      for (int32_t ref : ring) {
        const size_t k = static_cast<size_t>(ref < 0 ? -static_cast<int64_t>(ref) : ref) - 1;
        if (k >= db.lines.size() || !db.lines[k]) {
          failure.text = LineNotFoundText(kFirstLineNumber + static_cast<int32_t>(k));
          return false;
        }
      }
  return true;
}

bool LoadDatabase(const std::string& indexPath, const std::string& pointPath, const std::string& tablePath,
                  Database& db, LoadFailure& failure) {
  std::vector<uint8_t> i, p, t;
  const std::pair<const std::string*, std::vector<uint8_t>*> files[] = {{&indexPath, &i}, {&pointPath, &p}, {&tablePath, &t}};
  const char* names[] = {kIndexFileName, kPointFileName, kTableFileName};
  for (int n = 0; n < 3; ++n) {
    if (!ReadWhole(*files[n].first, *files[n].second)) {
      failure.text = DamagedFileText(names[n]);
      return false;
    }
  }
  return LoadDatabaseBytes(i, p, t, db, failure);
}

}  // namespace quorla::geoatlas
