#include "correction/correction_pass.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "atomic_file.h"
#include "point_altitude.h"
#include "records/temp_names.h"
#include "terrain_settings.h"

namespace recbook {
namespace {

constexpr size_t kBlockRecords = 4096;

bool WriteAll(int fd, const char* data, size_t size) {
  while (size > 0) {
    const ssize_t n = ::write(fd, data, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    data += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

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

// Writes the header and the corrected station records of source to a new file at path.
CorrectionResult WriteCorrected(const WorkingCopy& source, const std::string& path,
                                const CorrectionSettings& settings, const CorrectionProgress& progress) {
  CorrectionResult result;
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  if (fd < 0) return result;
  const TerrainScope terrain(settings);
  std::vector<char> block;
  block.reserve(kBlockRecords * kRecordSize);
  bool written = true;
  const bool read = source.ForEachRecord(0, [&](uint64_t k, std::string_view bytes) {
    block.insert(block.end(), bytes.begin(), bytes.end());
    if (k > 0) {
      StationRecord* r = reinterpret_cast<StationRecord*>(block.data() + block.size() - kRecordSize);
      result.repairs += static_cast<uint64_t>(CorrectRecord(*r, settings.options, terrain.lookup()));
      result.records = k;
      if (progress) progress(k, result.repairs);
    }
    if (block.size() == kBlockRecords * kRecordSize) {
      written = WriteAll(fd, block.data(), block.size());
      block.clear();
    }
    return written;
  });
  written = written && WriteAll(fd, block.data(), block.size());
  result.ok = (::close(fd) == 0) && read && written;
  if (!result.ok) ::unlink(path.c_str());
  return result;
}

}  // namespace

CorrectionResult CorrectWorkingCopy(WorkingCopy& copy, const CorrectionSettings& settings,
                                    const CorrectionProgress& progress) {
  const std::string staging = ChooseTempName(TempKind::Staging);
  if (staging.empty() || !copy.IsOpen()) return {};
  CorrectionResult result = WriteCorrected(copy, staging, settings, progress);
  if (result.ok) result.ok = copy.MakeFrom(staging);
  ::unlink(staging.c_str());
  return result;
}

CorrectionResult CorrectToFile(const WorkingCopy& source, const std::string& target,
                               const CorrectionSettings& settings, const CorrectionProgress& progress) {
  const std::string staging = ChooseTempName(TempKind::Staging);
  if (staging.empty() || !source.IsOpen()) return {};
  CorrectionResult result = WriteCorrected(source, staging, settings, progress);
  if (result.ok) result.ok = quorla::ReplaceFileAtomically(staging, target);
  ::unlink(staging.c_str());
  return result;
}

}  // namespace recbook
