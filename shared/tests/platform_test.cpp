#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "atomic_file.h"
#include "ini_file.h"
#include "platform_paths.h"
#include "settings_store.h"

namespace fs = std::filesystem;
using namespace quorla;

namespace {

class TempFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("quorla-test-" + std::to_string(::getpid()) + "-" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override {
    fs::permissions(dir_, fs::perms::all);
    fs::remove_all(dir_);
  }
  std::string Path(const std::string& name) const { return (dir_ / name).string(); }
  fs::path dir_;
};

std::string Slurp(const std::string& path) {
  std::string s;
  EXPECT_TRUE(ReadWholeFile(path, s));
  return s;
}

}  // namespace

TEST(IniFile, SectionsAndKeysIgnoreCaseAndLaterKeysWin) {
  const IniFile ini = IniFile::Parse("junk\n[ORBIS]\r\nORBIS_DataFileDir = /data/atlas \r\n; note\nkey=1\nKEY=2\n[other]\nx=y\n");
  EXPECT_EQ(ini.Get("orbis", "orbis_datafiledir").value_or("-"), "/data/atlas");
  EXPECT_EQ(ini.Get("ORBIS", "key").value_or("-"), "2");
  EXPECT_FALSE(ini.Get("ORBIS", "x").has_value());
  EXPECT_FALSE(ini.Get("missing", "key").has_value());
}

TEST_F(TempFolder, ProfileStringsRoundTripAndDefault) {
  const std::string ini = Path("ATLASCFG.INI");
  EXPECT_EQ(GetProfileString(ini, "ORBIS", "ORBIS_DataFileDir", "none"), "none");
  ASSERT_TRUE(WriteProfileString(ini, "ORBIS", "ORBIS_DataFileDir", "/a/b/"));
  ASSERT_TRUE(WriteProfileString(ini, "Other", "k", "v"));
  ASSERT_TRUE(WriteProfileString(ini, "orbis", "ORBIS_DataFileDir", "/c/"));
  EXPECT_EQ(GetProfileString(ini, "ORBIS", "ORBIS_DataFileDir", "none"), "/c/");
  EXPECT_EQ(GetProfileString(ini, "Other", "k", ""), "v");
}

TEST_F(TempFolder, SettingsStoreUsesOverrideFolderAndKeepsKeysApart) {
  ::setenv("QUORLA_CONFIG_HOME", Path("cfg").c_str(), 1);
  SettingsStore store;
  ::unsetenv("QUORLA_CONFIG_HOME");
  EXPECT_EQ(store.file(), Path("cfg") + "/registry.ini");
  EXPECT_FALSE(store.QueryText(kQuorlaKey, "archXMS").has_value());
  ASSERT_TRUE(store.CreateOrOpenKey(kMirandexKey));
  ASSERT_TRUE(store.SetText(kQuorlaKey, "archXMS", "/home/u/xms/"));
  ASSERT_TRUE(store.SetText(kMirandexKey, "JazUlo", " 0, 2"));
  EXPECT_EQ(store.QueryText(kQuorlaKey, "archXMS").value_or("-"), "/home/u/xms/");
  EXPECT_EQ(store.QueryText(kMirandexKey, "JazUlo").value_or("-"), " 0, 2");  // leading blank kept
  EXPECT_FALSE(store.QueryText(kMirandexKey, "archXMS").has_value());
}

TEST_F(TempFolder, AtomicReplaceWritesWholeFileAndKeepsPermissions) {
  const std::string target = Path("target.xms"), source = Path("source.tmp");
  std::ofstream(target) << "old";
  ::chmod(target.c_str(), 0640);
  std::string big(3 << 20, 'x');
  std::ofstream(source, std::ios::binary) << big;
  const int in = ::open(source.c_str(), O_RDONLY);
  ASSERT_TRUE(ReplaceFileAtomically(in, target));
  ::close(in);
  EXPECT_EQ(Slurp(target), big);
  struct stat st {};
  ::stat(target.c_str(), &st);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 2) << "no staging file left";
}

TEST_F(TempFolder, FailedReplaceLeavesTargetIntact) {
  const std::string target = Path("ro/target.xms");
  fs::create_directories(Path("ro"));
  std::ofstream(target) << "precious";
  if (::geteuid() != 0) {  // root may write anywhere
    fs::permissions(Path("ro"), fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_FALSE(WriteFileAtomically(target, "new"));
    EXPECT_EQ(Slurp(target), "precious");
  }
  EXPECT_FALSE(WriteFileAtomically(Path("no-such-folder/x"), "new"));
}

TEST_F(TempFolder, PrivateTempFolderIsOwnedAndClosed) {
  ::setenv("TMPDIR", dir_.c_str(), 1);
  const std::string t = PrivateTempDirectory();
  ASSERT_EQ(t, Path("quorla-" + std::to_string(::getuid())) + "/");
  struct stat st {};
  ASSERT_EQ(::stat(t.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0700u);
  // A folder of that name owned by somebody else is refused.
  if (::geteuid() == 0) {
    ASSERT_EQ(::chown(t.c_str(), 65534, 65534), 0);
    EXPECT_EQ(PrivateTempDirectory(), "");
  }
  // So is a link planted in its place.
  fs::remove_all(t);
  fs::create_directories(Path("elsewhere"));
  fs::create_directory_symlink(Path("elsewhere"), t.substr(0, t.size() - 1));
  EXPECT_EQ(PrivateTempDirectory(), "");
  ::unsetenv("TMPDIR");
}

TEST_F(TempFolder, DriveKindOfLocalFilesIsNotCdRom) {
  std::ofstream(Path("f")) << "x";
  EXPECT_NE(KindOfDrive(Path("f")), DriveKind::CdRom);
  EXPECT_EQ(KindOfDrive(Path("f")), KindOfDrive(Path("not-yet-written/deeper/file.xms")));
}

// A folder of the private name that others could write into is refused, not repaired: what they
// may have put into it is never used.
TEST_F(TempFolder, PrivateTempFolderOpenToOthersIsRefused) {
  ::setenv("TMPDIR", dir_.c_str(), 1);
  const std::string t = Path("quorla-" + std::to_string(::getuid()));
  fs::create_directories(t);
  ::chmod(t.c_str(), 0777);
  std::string folder;
  EXPECT_EQ(PrivateTempFolder(folder), TempFolderStatus::NotPrivate);
  EXPECT_EQ(PrivateTempDirectory(), "");
  struct stat st {};
  ASSERT_EQ(::stat(t.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0777u) << "left for its owner to look at, not silently adopted";
  ::unsetenv("TMPDIR");
}
