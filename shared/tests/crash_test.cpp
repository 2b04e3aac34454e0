// The safe save killed at every point: a helper process writes a new content over a target and
// is killed with SIGKILL at its k-th file call, for k = 1, 2, ... until it finishes, over many
// seeds. After each kill the target is byte for byte the old content or the whole new one, never
// a mixture; the next run removes the staging file the killed one left.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "atomic_file.h"
#include "crash_content.h"

namespace fs = std::filesystem;

namespace {

// Runs the helper; true when it was killed, false when it ended by itself (with exit code 0).
bool RunKilledAt(const std::string& target, unsigned seed, long k) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    const std::string s = std::to_string(seed), n = std::to_string(k);
    ::execl(CRASH_WRITER, CRASH_WRITER, target.c_str(), s.c_str(), n.c_str(), static_cast<char*>(nullptr));
    ::_exit(127);
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  if (WIFSIGNALED(status)) return WTERMSIG(status) == SIGKILL;
  EXPECT_EQ(WEXITSTATUS(status), 0) << "seed " << seed << " k " << k;
  return false;
}

int StagingFiles(const std::string& dir) {
  int n = 0;
  for (const auto& e : fs::directory_iterator(dir)) n += e.path().filename().string().rfind(".quorla-save-", 0) == 0;
  return n;
}

}  // namespace

TEST(CrashTest, KilledSavesLeaveOldOrNewAndTheNextRunCleansUp) {
  char pattern[] = "/tmp/crash_test.XXXXXX";
  ASSERT_NE(::mkdtemp(pattern), nullptr);
  const std::string dir = std::string(pattern) + "/", target = dir + "target.xms";
  ASSERT_FALSE(RunKilledAt(target, 1, 0));
  int kills = 0, leftBehind = 0;
  for (unsigned seed = 2; seed <= 30; ++seed) {
    const std::string old = ContentOf(seed - 1), fresh = ContentOf(seed);
    for (long k = 1;; ++k) {
      if (!RunKilledAt(target, seed, k)) break;
      ++kills;
      std::string now;
      ASSERT_TRUE(quorla::ReadWholeFile(target, now));
      ASSERT_TRUE(now == old || now == fresh) << "seed " << seed << " killed at call " << k << ": a mixture";
      leftBehind += StagingFiles(dir) > 0;
      if (now == fresh) break;  // killed after the rename: the next seed starts from here
    }
    std::string done;
    ASSERT_TRUE(quorla::ReadWholeFile(target, done));
    if (done != fresh) {
      ASSERT_FALSE(RunKilledAt(target, seed, 0));
      ASSERT_TRUE(quorla::ReadWholeFile(target, done));
    }
    EXPECT_EQ(done, fresh) << "seed " << seed;
    EXPECT_EQ(StagingFiles(dir), 0) << "seed " << seed << ": the next run left a staging file behind";
  }
  EXPECT_GE(kills, 100);
  EXPECT_GT(leftBehind, 0) << "no kill ever left a staging file: the clean-up was not put to the test";
  fs::remove_all(dir);
}
