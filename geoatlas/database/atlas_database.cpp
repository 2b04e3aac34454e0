#include "atlas_database.h"


#include "atlas_messages.h"
#include "input_file.h"

namespace quorla::geoatlas {
namespace {

InputStatus ReadWhole(const std::string& path, std::vector<uint8_t>& bytes) {
  std::string text;
  const InputStatus status = ReadInputFile(path, kMaxWorldFileBytes, text);
  bytes.assign(text.begin(), text.end());
  return status;
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
    if (const InputStatus status = ReadWhole(*files[n].first, *files[n].second); status != InputStatus::Ok) {
      failure.text = status == InputStatus::Missing ? FileNotFoundText(names[n]) : UnreadableFileText(names[n], status);
      return false;
    }
  }
  return LoadDatabaseBytes(i, p, t, db, failure);
}

}  // namespace quorla::geoatlas
