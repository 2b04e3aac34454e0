// Append, Remove and the tagged-records file on small files in a scratch folder.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "atomic_file.h"
#include "listing/merge_file.h"
#include "listing/other_file_check.h"
#include "listing/tagged_file.h"
#include "records/sample_generator.h"
#include "records/working_copy.h"

namespace recbook {
namespace {

namespace fs = std::filesystem;
const quorla::LocalTime kToday{2024, 3, 7};

class MergeFile : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("merge_test_" + std::to_string(::getpid()));
    fs::create_directories(dir_);
  }
  void TearDown() override {
    fs::remove_all(dir_);
  }
  std::string Path(const char* name) const { return (dir_ / name).string(); }
  // A file of n generated records: its bytes, also written to name.
  std::string Make(const char* name, int n, uint64_t seed) {
    const std::string bytes = SampleFile(n, seed, {2020, 1, 2});
    EXPECT_TRUE(quorla::WriteFileAtomically(Path(name), bytes));
    return bytes;
  }
  static std::string Read(const std::string& path) {
    std::string bytes;
    EXPECT_TRUE(quorla::ReadWholeFile(path, bytes));
    return bytes;
  }
  static StationRecord RecordOf(const std::string& file, int k) {
    return RecordFromText<StationRecord>(std::string_view(file).substr(219 * k, 219));
  }
  static std::string Rec(const std::string& file, int k) { return file.substr(219 * k, 219); }
  fs::path dir_;
};

// The header as the merge writes it, worked out from the header's layout.
void ExpectMergedHeader(const std::string& file, const std::string& otherHeader, const char* count) {
  const std::string head = file.substr(0, 219);
  EXPECT_EQ(head.substr(0, 82), otherHeader.substr(0, 82));
  EXPECT_EQ(head[82], 'M');
  EXPECT_EQ(head.substr(83, 103), otherHeader.substr(83, 103));
  EXPECT_EQ(head.substr(186, 6), count);
  EXPECT_EQ(head.substr(192, 8), "07032024");
  EXPECT_EQ(head.substr(200), std::string(19, ' '));
}

TEST_F(MergeFile, AppendTwoToTen) {
  const std::string other = Make("M_OTHER.xms", 10, 1), mine = Make("M_MINE.xms", 5, 2);
  const std::vector<StationRecord> tagged{RecordOf(mine, 4), RecordOf(mine, 2)};
  MergeStaging m;
  ASSERT_TRUE(m.Build(MergeMode::Append, Path("M_OTHER.xms"), FileOrder(10), tagged, kToday));
  EXPECT_EQ(Read(Path("M_OTHER.xms")), other);  // untouched until the commit
  ASSERT_TRUE(m.Commit());
  const std::string out = Read(Path("M_OTHER.xms"));
  ASSERT_EQ(out.size(), 13u * 219);
  ExpectMergedHeader(out, other, "000012");
  EXPECT_EQ(out.substr(219, 10 * 219), other.substr(219, 10 * 219));
  EXPECT_EQ(Rec(out, 11), Rec(mine, 4));
  EXPECT_EQ(Rec(out, 12), Rec(mine, 2));
}

TEST_F(MergeFile, RemoveWithoutMatchesKeepsRecordsInViewerOrder) {
  const std::string other = Make("M_OTHER.xms", 4, 1), mine = Make("M_MINE.xms", 3, 9);
  const std::vector<StationRecord> tagged{RecordOf(mine, 1), RecordOf(mine, 3)};
  const uint32_t order[] = {3, 1, 4, 2};
  MergeStaging m;
  ASSERT_TRUE(m.Build(MergeMode::Remove, Path("M_OTHER.xms"), order, tagged, kToday));
  EXPECT_EQ(m.written(), 4u);
  ASSERT_TRUE(m.Commit());
  const std::string out = Read(Path("M_OTHER.xms"));
  ExpectMergedHeader(out, other, "000004");
  EXPECT_EQ(out.substr(219), Rec(other, 3) + Rec(other, 1) + Rec(other, 4) + Rec(other, 2));
}

TEST_F(MergeFile, AppendTwiceThenRemoveDeletesEveryCopy) {
  const std::string other = Make("M_OTHER.xms", 3, 1), mine = Make("M_MINE.xms", 2, 5);
  const std::vector<StationRecord> tagged{RecordOf(mine, 1)};
  // A record that differs from the tagged one in a single blank stays.
  StationRecord near = tagged[0];
  near.bytes[218] = near.bytes[218] == ' ' ? 'X' : ' ';
  for (int i = 0; i < 2; ++i) {
    MergeStaging m;
    ASSERT_TRUE(m.Build(MergeMode::Append, Path("M_OTHER.xms"), FileOrder(3 + i), tagged, kToday));
    ASSERT_TRUE(m.Commit());
  }
  {
    MergeStaging m;
    const std::vector<StationRecord> nearOne{near};
    ASSERT_TRUE(m.Build(MergeMode::Append, Path("M_OTHER.xms"), FileOrder(5), nearOne, kToday));
    ASSERT_TRUE(m.Commit());
  }
  EXPECT_EQ(Read(Path("M_OTHER.xms")).size(), 7u * 219);
  MergeStaging m;
  ASSERT_TRUE(m.Build(MergeMode::Remove, Path("M_OTHER.xms"), FileOrder(6), tagged, kToday));
  ASSERT_TRUE(m.Commit());
  const std::string out = Read(Path("M_OTHER.xms"));
  EXPECT_EQ(out.substr(186, 6), "000004");
  EXPECT_EQ(out.substr(219), other.substr(219) + std::string(near.bytes, 219));
}

TEST_F(MergeFile, FailuresLeaveTheOtherFile) {
  const std::string other = Make("M_OTHER.xms", 3, 1);
  const std::vector<StationRecord> none;
  MergeStaging m;
  EXPECT_FALSE(m.Build(MergeMode::Append, Path("M_MISSING.xms"), FileOrder(1), none, kToday));
  const uint32_t beyond[] = {4};
  EXPECT_FALSE(m.Build(MergeMode::Append, Path("M_OTHER.xms"), beyond, none, kToday));
  // A commit that cannot write beside the other file fails and can be retried.
  ASSERT_TRUE(m.Build(MergeMode::Remove, Path("M_OTHER.xms"), FileOrder(3), none, kToday));
  const fs::path away = dir_.string() + "_away";
  fs::rename(dir_, away);
  EXPECT_FALSE(m.Commit());
  fs::rename(away, dir_);
  EXPECT_EQ(Read(Path("M_OTHER.xms")), other);
  EXPECT_TRUE(m.Commit());
  EXPECT_EQ(Read(Path("M_OTHER.xms")).substr(186, 6), "000003");
}

TEST_F(MergeFile, OtherFileChecks) {
  Make("M_OTHER.xms", 2, 1);
  ASSERT_TRUE(quorla::WriteFileAtomically(Path("short.xms"), std::string(221, ' ')));
  ASSERT_TRUE(quorla::WriteFileAtomically(Path("crlf.txt"), std::string(186, 'x') + "000001" + std::string(27, ' ') + "\r\n" + std::string(219, ' ') + "\r\n"));
  const struct {
    const char* file;
    OtherFileStatus status;
  } cases[] = {{"M_OTHER.xms", OtherFileStatus::Ok}, {"nothing.xms", OtherFileStatus::Missing},
               {"short.xms", OtherFileStatus::NotExchange}, {"crlf.txt", OtherFileStatus::CrLf}};
  for (const auto& c : cases) EXPECT_EQ(CheckOtherFile(Path(c.file), Path("M_MINE.xms")), c.status) << c.file;
  EXPECT_EQ(CheckOtherFile(Path("M_OTHER.xms"), dir_.string() + "/./M_OTHER.xms"), OtherFileStatus::SameAsEdited);
  EXPECT_EQ(OtherFileTitleSuffix(OtherFileStatus::SameAsEdited), " File Error");
}

TEST_F(MergeFile, TaggedRecordsFile) {
  const std::string edited = Make("M_EDIT.xms", 6, 3);
  WorkingCopy copy;
  ASSERT_TRUE(copy.MakeFrom(Path("M_EDIT.xms")));
  RecordList list;
  for (uint32_t k = 1; k <= 6; ++k) list.Append(RecordOf(edited, static_cast<int>(k)), k);
  list.Sort(305);
  const size_t rows[] = {0, 3, 5};
  for (size_t r : rows) list.SetMark(r, kTagMark);
  const std::vector<uint32_t> numbers = TaggedRecordNumbers(list);
  ASSERT_EQ(numbers.size(), 3u);
  EXPECT_EQ(numbers[1], list.RecordNumber(3));
  std::vector<StationRecord> records;
  ASSERT_TRUE(ReadRecords(copy, numbers, records));
  const HeaderRecord header = RecordFromText<HeaderRecord>(edited);
  const std::string head = HeaderRecordText(TaggedFileHeaderValues(header, records.size(), kToday));
  ASSERT_TRUE(WriteRecordsFile(Path("M_TAGGED.xms"), head, records));
  const std::string out = Read(Path("M_TAGGED.xms"));
  ASSERT_EQ(out.size(), 4u * 219);
  EXPECT_EQ(out.substr(0, 82), edited.substr(0, 82));
  EXPECT_EQ(out.substr(82, 1), "M");
  EXPECT_EQ(out.substr(83, 103), edited.substr(83, 103));
  EXPECT_EQ(out.substr(186, 14), "00000307032024");
  EXPECT_EQ(out.substr(200, 19), std::string(19, ' '));
  for (int i = 0; i < 3; ++i) EXPECT_EQ(Rec(out, i + 1), Rec(edited, static_cast<int>(numbers[i])));
  copy.Remove();
}

}  // namespace
}  // namespace recbook
