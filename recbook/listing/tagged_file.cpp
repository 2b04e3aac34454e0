#include "listing/tagged_file.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <numeric>

#include "atomic_file.h"
#include "records/item_table.h"
#include "records/record_text.h"
#include "records/temp_names.h"

namespace recbook {

std::vector<uint32_t> TaggedRecordNumbers(const RecordList& list) {
  std::vector<uint32_t> numbers;
  numbers.reserve(list.TaggedCount());
  for (size_t row = 0; row < list.size(); ++row)
    if (list.IsTagged(row)) numbers.push_back(list.RecordNumber(row));
  return numbers;
}

bool ReadRecords(const WorkingCopy& copy, std::span<const uint32_t> numbers, std::vector<StationRecord>& out) {
  out.assign(numbers.size(), StationRecord{});
  if (numbers.empty()) return true;
  // One pass over the copy in stored order: the positions sorted by record number.
  std::vector<size_t> byNumber(numbers.size());
  std::iota(byNumber.begin(), byNumber.end(), size_t{0});
  std::sort(byNumber.begin(), byNumber.end(), [&](size_t a, size_t b) { return numbers[a] < numbers[b]; });
  size_t next = 0;
  const bool read = copy.ForEachRecord(numbers[byNumber[0]], [&](uint64_t k, std::string_view record) {
    while (next < byNumber.size() && numbers[byNumber[next]] == k) {
      std::copy(record.begin(), record.end(), out[byNumber[next]].bytes);
      ++next;
    }
    return next < byNumber.size();
  });
  return read && next == byNumber.size();
}

HeaderValues HeaderValuesOf(const HeaderRecord& h) {
  auto item = [&](HeaderItem i) { return std::string(ItemText(h, i)); };
  HeaderValues v;
  v.fileNumber = item(HeaderItem::kFileNumber);
  v.description = item(HeaderItem::kDescription);
  v.contentsCode = item(HeaderItem::kContentsCode);
  v.country = item(HeaderItem::kCountry);
  v.person = item(HeaderItem::kPerson);
  v.phone = item(HeaderItem::kPhone);
  v.telefax = item(HeaderItem::kTelefax);
  v.telex = item(HeaderItem::kTelex);
  v.recordCount = item(HeaderItem::kCount);
  v.writingDate = DateToDisplay(ItemText(h, HeaderItem::kWritingDate));
  return v;
}

HeaderValues TaggedFileHeaderValues(const HeaderRecord& edited, size_t count, const quorla::LocalTime& today) {
  HeaderValues v = HeaderValuesOf(edited);
  v.contentsCode.assign(1, 'M');  // (assigning a literal here trips a false -Wrestrict of GCC 12)
  v.recordCount = HeaderCountItem(count);
  v.writingDate = DateToDisplay(DateItem(today));
  return v;
}

std::string HeaderRecordText(const HeaderValues& values) { return FixWidth(BuildHeaderText(values), kRecordSize); }

bool WriteRecordsFile(const std::string& target, std::string_view header, std::span<const StationRecord> records) {
  TempFile staging;
  if (staging.Create(TempKind::Staging) != TempStatus::Ok) return false;
  const std::string head = FixWidth(header, kRecordSize);
  return quorla::WriteAll(staging.fd(), head.data(), kRecordSize) &&
         quorla::WriteAll(staging.fd(), records.data(), records.size() * sizeof(StationRecord)) &&
         ::lseek(staging.fd(), 0, SEEK_SET) == 0 && quorla::ReplaceFileAtomically(staging.fd(), target);
}

}  // namespace recbook
