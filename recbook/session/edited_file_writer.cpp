#include "session/edited_file_writer.h"

#include <fcntl.h>
#include <unistd.h>

#include <vector>

#include "atomic_file.h"
#include "records/record_builder.h"
#include "records/record_text.h"
#include "records/temp_names.h"

namespace recbook {

namespace {

constexpr size_t kBlockRecords = 4096;

// Appends the listed records, reading runs of consecutive record numbers as one block.
bool WriteListed(int fd, const WorkingCopy& copy, std::span<const uint32_t> listed) {
  std::vector<char> block(kBlockRecords * kRecordSize);
  for (size_t i = 0; i < listed.size();) {
    size_t run = 1;
    while (i + run < listed.size() && run < kBlockRecords && listed[i + run] == listed[i] + run) ++run;
    if (!copy.ReadRecords(listed[i], run, block.data()) || !quorla::WriteAll(fd, block.data(), run * kRecordSize))
      return false;
    i += run;
  }
  return true;
}

}  // namespace

std::string SavedHeader(std::string_view workingHeader, uint64_t listCount, std::string_view writingDate) {
  return FixWidth(FixWidth(workingHeader, 186) + HeaderCountItem(listCount) + FixWidth(writingDate, 8), kRecordSize);
}

bool WriteEditedFile(const WorkingCopy& copy, std::string_view header, std::span<const uint32_t> listed,
                     const std::string& target) {
  const std::string staging = ChooseTempName(TempKind::Staging);
  if (staging.empty()) return false;
  const int fd = ::open(staging.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  const std::string fixed = FixWidth(header, kRecordSize);
  bool ok = quorla::WriteAll(fd, fixed.data(), fixed.size()) && WriteListed(fd, copy, listed);
  ok = ::close(fd) == 0 && ok;
  ok = ok && quorla::ReplaceFileAtomically(staging, target);
  ::unlink(staging.c_str());
  return ok;
}

}  // namespace recbook
