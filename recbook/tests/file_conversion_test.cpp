// Block-by-block conversion between true and CR+LF files, and its refusals.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <utility>

#include "atomic_file.h"
#include "records/file_conversion.h"

using namespace recbook;
using Durability = quorla::AtomicFileWriter::Durability;

namespace {

std::string Header(const char* count) {
  std::string h(219, ' ');
  h.replace(186, 6, count);
  return h;
}

// Records that straddle the converter's blocks, each with its number in it.
std::string TrueFile(int records) {
  std::string bytes = Header("      ");
  for (int k = 1; k <= records; ++k) {
    std::string r(219, static_cast<char>('A' + k % 26));
    r.replace(0, 7, std::to_string(1000000 + k));
    bytes += r;
  }
  char count[8];
  std::snprintf(count, sizeof count, "%06d", records % 1000000);
  bytes.replace(186, 6, count);
  return bytes;
}

// A conversion through the loader: the converter's result and the reader's status.
std::pair<ConversionResult, LoadStatus> Convert(const std::string& source, FileKind to, const std::string& target,
                                                Durability durability, const std::function<void(uint64_t)>& progress = {}) {
  ExchangeReader reader;
  LoadStatus read = reader.Open(source);
  if (read != LoadStatus::Ok) return {ConversionResult::ReadFailed, read};
  const ConversionResult r = ConvertExchangeFile(reader, to, target, durability, read, progress);
  return {r, read};
}

class Conversion : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/file_conversion_test.XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    dir_ = std::string(pattern) + "/";
  }
  void TearDown() override { std::system(("rm -rf '" + dir_ + "'").c_str()); }
  std::string Put(const std::string& name, const std::string& bytes) {
    EXPECT_TRUE(quorla::WriteFileAtomically(dir_ + name, bytes));
    return dir_ + name;
  }
  static std::string Get(const std::string& path) {
    std::string b;
    quorla::ReadWholeFile(path, b);
    return b;
  }
  std::string dir_;
};

TEST_F(Conversion, RoundTripsOverManyBlocksForEveryLineEnding) {
  const std::string bytes = TrueFile(40000);  // about 2.4 blocks
  const std::string source = Put("big.xms", bytes);
  uint64_t lastProgress = 0;
  ASSERT_EQ(Convert(source, FileKind::CrLf, dir_ + "big.txt", Durability::Flushed,
                    [&](uint64_t done) { lastProgress = done; }).first,
            ConversionResult::Ok);
  EXPECT_EQ(lastProgress, 40001u);
  EXPECT_EQ(Get(dir_ + "big.txt"), CrLfExport(bytes));
  for (const char* ending : {"\r\n", "\n", "\n\r"}) {
    std::string text;
    for (size_t k = 0; k < bytes.size(); k += 219) text += bytes.substr(k, 219) + ending;
    const std::string crlf = Put("lines.txt", text);
    const FileCheck c = CheckExchangeFile(crlf);
    ASSERT_EQ(c.kind, FileKind::CrLf) << ending;
    ASSERT_EQ(Convert(crlf, FileKind::True, dir_ + "back.xms", Durability::Renamed).first, ConversionResult::Ok);
    EXPECT_EQ(Get(dir_ + "back.xms"), bytes);
  }
}

TEST_F(Conversion, RefusalsLeaveTheTargetAsItWas) {
  const std::string target = Put("target.xms", "previous content");
  // A TAB inside a record shortens it once removed: the records no longer make a true file.
  std::string tabbed = CrLfExport(TrueFile(3));
  tabbed[250] = '\t';
  const std::string crlf = Put("tabbed.txt", tabbed);
  EXPECT_EQ(Convert(crlf, FileKind::True, target, Durability::Flushed),
            std::make_pair(ConversionResult::ReadFailed, LoadStatus::NotExchange));
  EXPECT_EQ(Convert(dir_ + "gone.xms", FileKind::CrLf, target, Durability::Flushed).second, LoadStatus::Missing);
  const std::string source = Put("ok.xms", TrueFile(2));
  EXPECT_EQ(Convert(source, FileKind::CrLf, dir_ + "no/such/dir.txt", Durability::Flushed).first,
            ConversionResult::WriteFailed);
  EXPECT_EQ(Get(target), "previous content");
}

}  // namespace
