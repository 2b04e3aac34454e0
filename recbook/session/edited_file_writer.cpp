#include "session/edited_file_writer.h"

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
  return FixWidth(FixWidth(workingHeader, kHeaderCountOffset) + HeaderCountItem(listCount) + FixWidth(writingDate, 8), kRecordSize);
}

bool WriteEditedFile(const WorkingCopy& copy, std::string_view header, std::span<const uint32_t> listed,
                     const std::string& target) {
  TempFile staging;
  if (staging.Create(TempKind::Staging) != TempStatus::Ok) return false;
  const std::string fixed = FixWidth(header, kRecordSize);
  return quorla::WriteAll(staging.fd(), fixed.data(), fixed.size()) && WriteListed(staging.fd(), copy, listed) &&
         ::lseek(staging.fd(), 0, SEEK_SET) == 0 && quorla::ReplaceFileAtomically(staging.fd(), target);
}

}  // namespace recbook
