#include "correction/correction_pass.h"

#include <unistd.h>

#include <cstring>
#include <vector>

#include "atomic_file.h"
#include "point_altitude.h"
#include "records/temp_names.h"
#include "terrain_settings.h"

namespace recbook {
namespace {

constexpr size_t kBlockRecords = 4096;

// The terrain lookup reads the directory of the settings for the time of one pass; the directory
// the rest of the program uses (the map viewer's) is put back afterwards.
class TerrainScope {
 public:
  explicit TerrainScope(const CorrectionSettings& s) {
    if (s.dtmDirectory.empty() || !s.options.Has(CorrectionOption::kTerrainAltitude)) return;
    previous_ = quorla::TerrainDirectory();
    quorla::SetTerrainDirectory(s.dtmDirectory);
    active_ = true;
    lookup_ = [](double lon, double lat) { return quorla::PointAltitude(lon, lat); };
  }
  ~TerrainScope() {
    if (active_) quorla::SetTerrainDirectory(previous_);
  }
  TerrainScope(const TerrainScope&) = delete;
  TerrainScope& operator=(const TerrainScope&) = delete;
  const TerrainLookup& lookup() const { return lookup_; }

 private:
  bool active_ = false;
  std::string previous_;
  TerrainLookup lookup_;
};

// Corrects station records 1 to n of source a block at a time and hands each block to
// store(first record, bytes, whether any byte changed); stops when store fails.
template <class Store>
CorrectionResult CorrectBlocks(const WorkingCopy& source, const CorrectionSettings& settings,
                               const CorrectionProgress& progress, Store store) {
  CorrectionResult result;
  const TerrainScope terrain(settings);
  std::vector<char> block;
  block.reserve(kBlockRecords * kRecordSize);
  uint64_t first = 1;
  bool changed = false, stored = true;
  const bool read = source.ForEachRecord(1, [&](uint64_t k, std::string_view bytes) {
    block.insert(block.end(), bytes.begin(), bytes.end());
    StationRecord* r = reinterpret_cast<StationRecord*>(block.data() + block.size() - kRecordSize);
    result.repairs += static_cast<uint64_t>(CorrectRecord(*r, settings.options, terrain.lookup()));
    changed = changed || std::memcmp(r->bytes, bytes.data(), kRecordSize) != 0;
    result.records = k;
    if (progress) progress(k, result.repairs);
    if (block.size() == kBlockRecords * kRecordSize) {
      stored = store(first, block, changed);
      block.clear();
      first = k + 1;
      changed = false;
    }
    return stored;
  });
  stored = stored && (block.empty() || store(first, block, changed));
  result.ok = read && stored;
  return result;
}

}  // namespace

CorrectionResult CorrectWorkingCopy(WorkingCopy& copy, const CorrectionSettings& settings,
                                    const CorrectionProgress& progress) {
  if (!copy.IsOpen()) return {};
  // Blocks go back to their place in the copy; a block in which nothing changed is not written.
  return CorrectBlocks(copy, settings, progress, [&copy](uint64_t first, const std::vector<char>& block, bool changed) {
    return !changed || copy.WriteRecords(first, block.size() / kRecordSize, block.data());
  });
}

CorrectionResult CorrectToFile(const WorkingCopy& source, const std::string& target,
                               const CorrectionSettings& settings, const CorrectionProgress& progress) {
  char header[kRecordSize];
  TempFile staging;
  if (staging.Create(TempKind::Staging) != TempStatus::Ok || !source.ReadRecord(0, header)) return {};
  const int fd = staging.fd();
  CorrectionResult result;
  if (quorla::WriteAll(fd, header, kRecordSize))
    result = CorrectBlocks(source, settings, progress, [fd](uint64_t, const std::vector<char>& block, bool) {
      return quorla::WriteAll(fd, block.data(), block.size());
    });
  result.ok = result.ok && ::lseek(fd, 0, SEEK_SET) == 0 && quorla::ReplaceFileAtomically(fd, target);
  return result;
}

}  // namespace recbook
