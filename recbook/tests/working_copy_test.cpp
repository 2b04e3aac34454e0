#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "records/temp_names.h"
#include "records/working_copy.h"

using namespace recbook;

namespace {

std::string Header(const char* count) {
  std::string h(219, ' ');
  h.replace(186, 6, count);
  return h;
}

std::string Record(char fill) { return std::string(219, fill); }

class TempFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/working_copy_test.XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    dir_ = std::string(pattern) + "/";
  }
  void TearDown() override { std::system(("rm -rf '" + dir_ + "'").c_str()); }
  std::string Write(const std::string& name, const std::string& bytes) {
    const std::string path = dir_ + name;
    FILE* f = std::fopen(path.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
    return path;
  }
  std::string dir_;
};

}  // namespace

TEST_F(TempFolder, TempNamesSkipLiveOnesReclaimStaleOnesAndNeverShare) {
  TempFile first, second;
  ASSERT_EQ(first.Create(dir_, TempKind::Staging), TempStatus::Ok);
  EXPECT_EQ(first.path(), dir_ + "#tmp01.tmp");
  // Left by a process that ended (no lock on it): reclaimed, of every kind.
  Write("#tmp02.tmp", "stale");
  Write("#scopy07.tmp", "stale");
  ASSERT_EQ(second.Create(dir_, TempKind::Staging), TempStatus::Ok);
  EXPECT_EQ(second.path(), dir_ + "#tmp02.tmp") << "01 is held by a live owner";
  EXPECT_NE(::access((dir_ + "#scopy07.tmp").c_str(), F_OK), 0);
  struct stat st {};
  ASSERT_EQ(::stat(second.path().c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
  EXPECT_EQ(st.st_size, 0) << "a fresh file, never the stale content";
  // A link planted under one of the names is removed, and what it points to is left alone.
  const std::string victim = Write("victim", "keep");
  ASSERT_EQ(::symlink(victim.c_str(), (dir_ + "#wcopy01.tmp").c_str()), 0);
  TempFile copy;
  ASSERT_EQ(copy.Create(dir_, TempKind::WorkingCopy), TempStatus::Ok);
  EXPECT_EQ(copy.path(), dir_ + "#wcopy01.tmp");
  ASSERT_EQ(::lstat(copy.path().c_str(), &st), 0);
  EXPECT_TRUE(S_ISREG(st.st_mode));
  ASSERT_EQ(::stat(victim.c_str(), &st), 0);
  EXPECT_EQ(st.st_size, 4);
  // Every name live: no temporary file at all, never a shared one.
  std::vector<TempFile> held(97);
  for (TempFile& t : held) ASSERT_EQ(t.Create(dir_, TempKind::WorkingCopy), TempStatus::Ok);
  TempFile none;
  EXPECT_EQ(none.Create(dir_, TempKind::WorkingCopy), TempStatus::NoFreeName);
  // A name given up is free again.
  const std::string freed = held[10].path();
  held[10].Remove();
  ASSERT_EQ(none.Create(dir_, TempKind::WorkingCopy), TempStatus::Ok);
  EXPECT_EQ(none.path(), freed);
}

TEST_F(TempFolder, WorkingCopyReadsWritesAndWalksRecords) {
  ::setenv("TMPDIR", dir_.c_str(), 1);
  const std::string source = Write("src.xms", Header("000003") + Record('a') + Record('b') + Record('c'));
  WorkingCopy copy;
  ASSERT_TRUE(copy.MakeFrom(source));
  EXPECT_NE(copy.path(), source);
  EXPECT_EQ(copy.StoredRecords(), 4u);
  char r[kRecordSize];
  ASSERT_TRUE(copy.ReadRecord(2, r));
  EXPECT_EQ(std::string(r, kRecordSize), Record('b'));
  EXPECT_FALSE(copy.ReadRecord(4, r));
  ASSERT_TRUE(copy.WriteRecord(2, "short"));
  ASSERT_TRUE(copy.WriteRecord(4, Record('e')));  // appended behind the last one
  EXPECT_FALSE(copy.WriteRecord(6, Record('g')));  // no gaps
  std::string walked;
  ASSERT_TRUE(copy.ForEachRecord(1, [&](uint64_t k, std::string_view rec) {
    walked += std::to_string(k) + rec[0];
    return true;
  }));
  EXPECT_EQ(walked, "1a2s3c4e");
  ASSERT_TRUE(copy.ReadRecord(2, r));
  EXPECT_EQ(std::string(r, kRecordSize), "short" + std::string(214, ' '));
  // The source is never touched.
  FILE* f = std::fopen(source.c_str(), "rb");
  std::string original(4 * kRecordSize + 1, '\0');
  original.resize(std::fread(original.data(), 1, original.size(), f));
  std::fclose(f);
  EXPECT_EQ(original, Header("000003") + Record('a') + Record('b') + Record('c'));
  const std::string wc = copy.path();
  copy.Remove();
  EXPECT_FALSE(copy.IsOpen());
  EXPECT_NE(::access(wc.c_str(), F_OK), 0);
}

TEST_F(TempFolder, WorkingCopyFromVanishedFileFails) {
  ::setenv("TMPDIR", dir_.c_str(), 1);
  WorkingCopy copy;
  EXPECT_FALSE(copy.MakeFrom(dir_ + "gone.xms"));
  EXPECT_FALSE(copy.IsOpen());
}

TEST_F(TempFolder, WorkingCopyWalksManyBlocks) {
  ::setenv("TMPDIR", dir_.c_str(), 1);
  std::string bytes = Header("010000");
  for (int i = 0; i < 10000; ++i) bytes += Record(static_cast<char>('a' + i % 26));
  WorkingCopy copy;
  ASSERT_TRUE(copy.MakeFrom(Write("big.xms", bytes)));
  uint64_t seen = 0;
  bool ordered = true;
  ASSERT_TRUE(copy.ForEachRecord(0, [&](uint64_t k, std::string_view rec) {
    ordered = ordered && rec == std::string_view(bytes).substr(k * 219, 219);
    ++seen;
    return true;
  }));
  EXPECT_TRUE(ordered);
  EXPECT_EQ(seen, 10001u);
}
