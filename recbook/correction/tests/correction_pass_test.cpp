// The pass over a working copy: file order across block boundaries, the header kept, progress and
// count, the target replaced, and O6 through a terrain directory.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "atomic_file.h"
#include "correction/correction_pass.h"
#include "records/item_table.h"
#include "records/record_text.h"
#include "terrain_settings.h"
#include "terrain_tile.h"

namespace recbook {
namespace {

namespace fs = std::filesystem;

const std::string kHeader = FixWidth("01lower-case header stays", kRecordSize);

class CorrectionPass : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("correction_pass_" + std::to_string(::getpid()));
    fs::create_directories(dir_);
  }
  void TearDown() override {
    copy_.Remove();
    fs::remove_all(dir_);
  }
  std::string Path(const std::string& name) const { return (dir_ / name).string(); }

  // Station k: a fixed station whose only defects are a blank [8B2] (one repair) and a [13X]
  // with leading blanks; the number k stands in [13X] and [4A].
  static StationRecord Station(uint64_t k) {
    StationRecord r = RecordFromText<StationRecord>("");
    SetItem(r, Item::k6A, "FX");
    SetItem(r, Item::k10Z, "0");
    SetItem(r, Item::k4A, "site " + std::to_string(k));
    SetItem(r, Item::k4C, "016E360049N1200");
    SetItem(r, Item::k4D, "    0");
    SetItem(r, Item::k9XH, "000ND00");
    SetItem(r, Item::k9XV, "000ND00");
    SetItem(r, Item::k13X, "   " + std::to_string(k));
    return r;
  }

  void OpenFile(const std::vector<StationRecord>& records, const std::string& name = "in.xms") {
    std::string bytes = kHeader;
    for (const StationRecord& r : records) bytes.append(r.bytes, kRecordSize);
    ASSERT_TRUE(quorla::WriteFileAtomically(Path(name), bytes));
    ASSERT_TRUE(copy_.MakeFrom(Path(name)));
  }

  std::string Contents(const std::string& path) {
    std::string bytes;
    EXPECT_TRUE(quorla::ReadWholeFile(path, bytes));
    return bytes;
  }

  fs::path dir_;
  WorkingCopy copy_;
};

TEST_F(CorrectionPass, EveryRecordInFileOrderHeaderKept) {
  constexpr uint64_t kCount = 5000;  // more than one block of records
  std::vector<StationRecord> records;
  for (uint64_t k = 1; k <= kCount; ++k) records.push_back(Station(k));
  OpenFile(records);
  std::vector<std::pair<uint64_t, uint64_t>> calls;
  const CorrectionResult result = CorrectWorkingCopy(copy_, {}, [&](uint64_t done, uint64_t repairs) {
    calls.emplace_back(done, repairs);
  });
  ASSERT_TRUE(result.ok);
  EXPECT_EQ(result.records, kCount);
  EXPECT_EQ(result.repairs, kCount);
  ASSERT_EQ(calls.size(), kCount);
  for (uint64_t i = 0; i < kCount; ++i) ASSERT_EQ(calls[i], std::make_pair(i + 1, i + 1));

  ASSERT_TRUE(copy_.IsOpen());
  ASSERT_EQ(copy_.StoredRecords(), kCount + 1);
  char bytes[kRecordSize];
  ASSERT_TRUE(copy_.ReadRecord(0, bytes));
  EXPECT_EQ(std::string(bytes, kRecordSize), kHeader);
  for (uint64_t k = 1; k <= kCount; ++k) {
    StationRecord expected = Station(k);
    SetItem(expected, Item::k8B2, "E");
    SetItem(expected, Item::k4A, "SITE " + std::to_string(k));
    SetItem(expected, Item::k13X, std::to_string(k));
    ASSERT_TRUE(copy_.ReadRecord(k, bytes));
    ASSERT_EQ(std::string(bytes, kRecordSize), expected.text()) << "record " << k;
  }
}

// Only records 4097 (the first of the second block) and 5000 need a repair; the blocks are written
// back where they belong and the clean first block stays as it was.
TEST_F(CorrectionPass, OnlyChangedBlocksMatter) {
  constexpr uint64_t kCount = 5000;
  std::vector<StationRecord> records;
  for (uint64_t k = 1; k <= kCount; ++k) {
    StationRecord r = Station(k);
    SetItem(r, Item::k4A, "SITE " + std::to_string(k));
    SetItem(r, Item::k13X, std::to_string(k));
    if (k != 4097 && k != kCount) SetItem(r, Item::k8B2, "E");
    records.push_back(r);
  }
  OpenFile(records);
  const CorrectionResult result = CorrectWorkingCopy(copy_, {}, {});
  ASSERT_TRUE(result.ok);
  EXPECT_EQ(result.repairs, 2u);
  char bytes[kRecordSize];
  for (uint64_t k = 1; k <= kCount; ++k) {
    SetItem(records[k - 1], Item::k8B2, "E");
    ASSERT_TRUE(copy_.ReadRecord(k, bytes));
    ASSERT_EQ(std::string(bytes, kRecordSize), records[k - 1].text()) << "record " << k;
  }
}

TEST_F(CorrectionPass, EmptyFileRunsAnEmptyPass) {
  OpenFile({});
  int calls = 0;
  const CorrectionResult result = CorrectWorkingCopy(copy_, {}, [&](uint64_t, uint64_t) { ++calls; });
  EXPECT_TRUE(result.ok);
  EXPECT_EQ(result.records, 0u);
  EXPECT_EQ(result.repairs, 0u);
  EXPECT_EQ(calls, 0);
  EXPECT_EQ(Contents(copy_.path()), kHeader);
}

TEST_F(CorrectionPass, TargetReplacedSourceUnchanged) {
  OpenFile({Station(1), Station(2)});
  const std::string before = Contents(copy_.path());
  ASSERT_TRUE(quorla::WriteFileAtomically(Path("out.xms"), "old content"));
  const CorrectionResult result = CorrectToFile(copy_, Path("out.xms"), {}, {});
  ASSERT_TRUE(result.ok);
  EXPECT_EQ(result.repairs, 2u);
  EXPECT_EQ(Contents(copy_.path()), before);
  const std::string out = Contents(Path("out.xms"));
  ASSERT_EQ(out.size(), 3 * kRecordSize);
  EXPECT_EQ(out.substr(0, kRecordSize), kHeader);
  EXPECT_EQ(out[kRecordSize + Spec(Item::k8B2).offset()], 'E');
}

TEST_F(CorrectionPass, TargetInMissingFolderFails) {
  OpenFile({Station(1)});
  EXPECT_FALSE(CorrectToFile(copy_, Path("no/such/folder/out.xms"), {}, {}).ok);
}

// One tile E016N49 of a constant 250 m: [4Z] 300 differs by 20 % and is replaced with O6.
TEST_F(CorrectionPass, TerrainAltitudeFromTheDirectory) {
  const std::string terrain = Path("topo");
  fs::create_directories(terrain + "/E016");
  std::string tile(static_cast<size_t>(quorla::RequiredTileLength(49)), '\0');
  for (size_t i = 0; i + 1 < tile.size(); i += 2) tile[i] = static_cast<char>(250);  // 250, little-endian
  ASSERT_TRUE(quorla::WriteFileAtomically(terrain + "/E016/E016N49.G3E", tile));
  StationRecord r = Station(1);
  SetItem(r, Item::k8B2, "E");
  SetItem(r, Item::k13X, "1");
  SetItem(r, Item::k4A, "SITE 1");
  SetItem(r, Item::k4Z, "300");
  OpenFile({r});
  quorla::SetTerrainDirectory("/elsewhere");

  CorrectionSettings settings;
  settings.options.Set(CorrectionOption::kTerrainAltitude, false);
  settings.dtmDirectory = terrain;
  EXPECT_EQ(CorrectWorkingCopy(copy_, settings, {}).repairs, 0u);  // O6 off
  settings.options.Set(CorrectionOption::kTerrainAltitude, true);
  settings.dtmDirectory.clear();
  EXPECT_EQ(CorrectWorkingCopy(copy_, settings, {}).repairs, 0u);  // no terrain directory
  settings.dtmDirectory = terrain;
  EXPECT_EQ(CorrectWorkingCopy(copy_, settings, {}).repairs, 1u);
  EXPECT_EQ(quorla::TerrainDirectory(), "/elsewhere");

  char bytes[kRecordSize];
  ASSERT_TRUE(copy_.ReadRecord(1, bytes));
  SetItem(r, Item::k4Z, "250");
  EXPECT_EQ(std::string(bytes, kRecordSize), r.text());
}

}  // namespace
}  // namespace recbook
