// The faulty demo register: the check finds every injected fault and no other record, the faults
// are spread over the error letters, and the automatic correction repairs those it should.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "correction/record_correction.h"
#include "records/sample_generator.h"
#include "rules/error_letters.h"
#include "rules/record_check.h"

namespace recbook {
namespace {

constexpr int kRecords = 4000;

struct Faulty {
  int index;
  StationRecord clean, faulty;
};

std::vector<Faulty> Compare(uint64_t seed, double percent) {
  SampleGenerator clean(seed), faulty(seed, percent);
  std::vector<Faulty> out;
  for (int i = 0; i < kRecords; ++i) {
    const StationRecord c = clean.Next(), f = faulty.Next();
    if (c.text() != f.text()) out.push_back({i, c, f});
  }
  return out;
}

TEST(SampleFaults, ShareOfRecordsChangedFollowsThePercentage) {
  constexpr struct { uint64_t seed; double percent; int lo, hi; } kCases[] = {
      {1, 0, 0, 0}, {1, 3, 80, 160}, {7, 3, 80, 160}, {1, 25, 850, 1150}, {3, 100, kRecords, kRecords}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.percent);
    const int n = static_cast<int>(Compare(c.seed, c.percent).size());
    EXPECT_GE(n, c.lo);
    EXPECT_LE(n, c.hi);
  }
}

TEST(SampleFaults, SameSeedSameFaultsAndTheCleanRecordsStay) {
  const std::string a = SampleFile(500, 9, {2026, 12, 7}, 10), clean = SampleFile(500, 9, {2026, 12, 7});
  EXPECT_EQ(a, SampleFile(500, 9, {2026, 12, 7}, 10));
  EXPECT_NE(a, SampleFile(500, 10, {2026, 12, 7}, 10));
  ASSERT_EQ(a.size(), clean.size());
  EXPECT_EQ(a.substr(0, 219), clean.substr(0, 219));  // the header has no fault
}

TEST(SampleFaults, CheckFindsEachFaultAndCorrectionRepairsTheCorrectableOnes) {
  SampleGenerator plain(5);
  for (int i = 0; i < kRecords; ++i) ASSERT_TRUE(CheckRecord(plain.Next(), ErrorSearchMode::AllErrors).ok()) << i;

  std::set<char> letters;
  std::map<std::string, int> leftAfterCorrection;
  const auto faulty = Compare(5, 20);
  ASSERT_GT(faulty.size(), 600u);
  for (const Faulty& f : faulty) {
    SCOPED_TRACE(f.index);
    const CheckResult found = CheckRecord(f.faulty, ErrorSearchMode::AllErrors);
    ASSERT_FALSE(found.ok()) << f.faulty.text();
    letters.insert(ErrorLetter(found.mark));
    StationRecord corrected = f.faulty;
    CorrectRecord(corrected, CorrectionOptions{}, {});  // upper-casing and a fixed radius are not counted
    const CheckResult after = CheckRecord(corrected, ErrorSearchMode::AllErrors);
    if (!after.ok()) ++leftAfterCorrection[std::string(after.mark)];
  }
  // r radius, E reference antenna, p polarisation, t bandwidth, a antenna code, f band, h height.
  EXPECT_EQ(letters, (std::set<char>{'r', 'E', 'p', 't', 'a', 'f', 'h'}));
  // Only the out-of-band transmit frequency is left for the user.
  ASSERT_EQ(leftAfterCorrection.size(), 1u);
  EXPECT_EQ(leftAfterCorrection.begin()->first, "11,012");
}

}  // namespace
}  // namespace recbook
