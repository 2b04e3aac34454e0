// The safe save under faults and on outputs that are not plain files.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "atomic_file.h"
#include "io_faults.h"
#include "owned_files.h"

namespace fs = std::filesystem;
using namespace quorla;

namespace {

class Folder : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/atomic_file_test.XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    dir_ = std::string(pattern) + "/";
  }
  void TearDown() override {
    ArmIoFault(0);
    fs::remove_all(dir_);
  }
  std::string Put(const std::string& name, const std::string& bytes) {
    std::ofstream(dir_ + name, std::ios::binary) << bytes;
    return dir_ + name;
  }
  static std::string Get(const std::string& path) {
    std::string b;
    ReadWholeFile(path, b);
    return b;
  }
  // Entries of the folder other than the given names.
  int Leftovers(std::initializer_list<std::string> known) const {
    int n = 0;
    for (const auto& e : fs::directory_iterator(dir_))
      if (std::find(known.begin(), known.end(), e.path().filename().string()) == known.end()) ++n;
    return n;
  }
  std::string dir_;
};

// Writes content in several pieces, as the savers do.
bool WriteInPieces(const std::string& target, const std::string& content) {
  AtomicFileWriter out(target);
  for (size_t at = 0; at < content.size(); at += 1000)
    if (!out.Write(std::string_view(content).substr(at, 1000))) return false;
  return out.Commit();
}

}  // namespace

// Fault injection at every write, sync, close and rename of a save, one after another, until a
// save meets no fault: a failed save leaves the target byte for byte and nothing beside it.
TEST_F(Folder, EveryFailingCallLeavesTheTargetAndNoStagingFile) {
  const std::string old(5000, 'o'), fresh(4321, 'n');
  const std::string target = Put("target.xms", old);
  long n = 1;
  for (; n < 1000; ++n) {
    ArmIoFault(n);
    const bool saved = WriteInPieces(target, fresh);
    const bool met = IoFaultMet();
    ArmIoFault(0);
    if (!met) {
      EXPECT_TRUE(saved);
      break;
    }
    EXPECT_FALSE(saved) << "fault at call " << n << " reported as success";
    EXPECT_EQ(Get(target), old) << "fault at call " << n;
    EXPECT_EQ(Leftovers({"target.xms"}), 0) << "fault at call " << n;
  }
  EXPECT_GE(n, 8) << "five writes, a sync, a close and a rename were each made to fail";
  EXPECT_EQ(Get(target), fresh);
  EXPECT_EQ(Leftovers({"target.xms"}), 0);
}

// Outputs that are not regular files: each is written straight through and stays what it was; a
// link is followed and stays a link.
TEST_F(Folder, DevicesFifosStandardOutputAndLinks) {
  // A FIFO: with a reader waiting, the content arrives and the FIFO stays a FIFO.
  const std::string fifo = dir_ + "fifo";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  ASSERT_TRUE(WriteFileAtomically(fifo, "through the fifo"));
  char got[64] = {};
  EXPECT_EQ(::read(reader, got, sizeof got), 16);
  EXPECT_STREQ(got, "through the fifo");
  ::close(reader);
  struct stat st {};
  ASSERT_EQ(::lstat(fifo.c_str(), &st), 0);
  EXPECT_TRUE(S_ISFIFO(st.st_mode));

  // A character device (a null device of our own where the system lets us make one).
  const std::string null = dir_ + "null";
  if (::mknod(null.c_str(), S_IFCHR | 0666, ::makedev(1, 3)) == 0) {
    EXPECT_TRUE(WriteFileAtomically(null, "gone"));
    ASSERT_EQ(::lstat(null.c_str(), &st), 0);
    EXPECT_TRUE(S_ISCHR(st.st_mode)) << "the device node was replaced";
  }

  // Standard output.
  const std::string captured = dir_ + "stdout";
  const int saved = ::dup(STDOUT_FILENO);
  const int file = ::open(captured.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  ::dup2(file, STDOUT_FILENO);
  const bool written = WriteFileAtomically("-", "to standard output");
  ::dup2(saved, STDOUT_FILENO);
  ::close(saved);
  ::close(file);
  EXPECT_TRUE(written);
  EXPECT_EQ(Get(captured), "to standard output");
  EXPECT_FALSE(fs::exists(dir_ + "-"));

  // Links, to a file (relative) and to a name not yet written (dangling), through a second link.
  const std::string real = Put("real.xms", "old");
  ASSERT_EQ(::symlink("real.xms", (dir_ + "link").c_str()), 0);
  ASSERT_EQ(::symlink((dir_ + "link").c_str(), (dir_ + "link2").c_str()), 0);
  ASSERT_EQ(::symlink("later.xms", (dir_ + "dangling").c_str()), 0);
  ASSERT_TRUE(WriteFileAtomically(dir_ + "link2", "new"));
  ASSERT_TRUE(WriteFileAtomically(dir_ + "dangling", "made"));
  EXPECT_EQ(Get(real), "new");
  EXPECT_EQ(Get(dir_ + "later.xms"), "made");
  for (const char* name : {"link", "link2", "dangling"}) {
    ASSERT_EQ(::lstat((dir_ + name).c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode)) << name;
  }
  // A folder is refused, and left as it was.
  fs::create_directory(dir_ + "folder");
  EXPECT_FALSE(WriteFileAtomically(dir_ + "folder", "x"));
  EXPECT_TRUE(fs::is_directory(dir_ + "folder"));
}

// Staging files left by writers that ended are removed by the next writer in that folder; one
// whose writer still lives is left alone.
TEST_F(Folder, StaleStagingFilesAreReclaimedLiveOnesKept) {
  Put(".quorla-save-000000000001", std::string(100000, 's'));
  const int live = CreateOwnedFile(dir_ + ".quorla-save-000000000002");
  ASSERT_GE(live, 0);
  ASSERT_TRUE(WriteFileAtomically(dir_ + "target", "x"));
  EXPECT_FALSE(fs::exists(dir_ + ".quorla-save-000000000001"));
  EXPECT_TRUE(fs::exists(dir_ + ".quorla-save-000000000002"));
  ::close(live);
}
