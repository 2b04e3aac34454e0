// Lines appended a batch at a time (built on two cores) against lines appended one by one.
#include <gtest/gtest.h>

#include <string>

#include "listing/record_list.h"
#include "records/sample_generator.h"

namespace recbook {
namespace {

// The lines of a list as it shows them, each with its record number.
std::vector<std::pair<std::string, uint32_t>> Lines(const RecordList& list) {
  std::vector<std::pair<std::string, uint32_t>> lines;
  for (size_t row = 0; row < list.size(); ++row) lines.emplace_back(list.Line(row), list.RecordNumber(row));
  return lines;
}

TEST(RecordList, BatchAppendMatchesAppendingOneByOne) {
  // Around the batch size at which a second core is used, odd counts for an uneven split, and a
  // list that already has lines and a free slot from an erased one.
  const struct {
    size_t before, count;
  } cases[] = {{0, 1}, {0, 1023}, {0, 1024}, {0, 1025}, {0, 4097}, {3, 2001}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.before) + " + " + std::to_string(c.count));
    SampleGenerator gen(c.count);
    RecordList single, batch;
    for (uint32_t k = 1; k <= c.before; ++k) {
      const StationRecord r = gen.Next();
      single.Append(r, k);
      batch.Append(r, k);
    }
    if (c.before > 0) {
      single.Erase(0);
      batch.Erase(0);
    }
    std::string texts;
    const uint32_t firstK = static_cast<uint32_t>(c.before) + 1;
    for (uint32_t i = 0; i < c.count; ++i) {
      const StationRecord r = gen.Next();
      single.Append(r, firstK + i);
      texts.append(r.text());
    }
    batch.AppendRecords(texts, firstK);
    ASSERT_EQ(batch.size(), single.size());
    EXPECT_EQ(Lines(batch), Lines(single));
    // Sorting reads the lines through their slots: a wrong slot shows as a different order.
    single.Sort(302);
    batch.Sort(302);
    EXPECT_EQ(batch.RecordNumbers(), single.RecordNumbers());
  }
}

// Rows followed through a sort land where their lines went, over several orders and with a free
// slot in the line array; a row past the end stays past the end.
TEST(RecordList, FollowedRowsMoveWithTheirLines) {
  SampleGenerator gen(200);
  RecordList list;
  for (uint32_t k = 1; k <= 200; ++k) list.Append(gen.Next(), k);
  list.Erase(17);
  for (const int order : {305, 301, 315, 300, 309}) {
    SCOPED_TRACE(order);
    std::vector<size_t> follow{0, 5, 42, list.size() - 1, list.size() + 3};
    std::vector<uint32_t> records;
    for (size_t i = 0; i + 1 < follow.size(); ++i) records.push_back(list.RecordNumber(follow[i]));
    list.Sort(order, follow);
    for (size_t i = 0; i < records.size(); ++i) {
      ASSERT_LT(follow[i], list.size());
      EXPECT_EQ(list.RecordNumber(follow[i]), records[i]) << i;
    }
    EXPECT_EQ(follow.back(), list.size());
  }
}

}  // namespace
}  // namespace recbook
