#include <gtest/gtest.h>

#include <random>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "records/exchange_file.h"
#include "records/sample_generator.h"

namespace fs = std::filesystem;
using namespace recbook;

namespace {

std::string Header(const std::string& count) {
  std::string h(219, ' ');
  h.replace(186, 6, count);
  return h;
}

std::string Write(const std::string& name, const std::string& bytes) {
  const fs::path p = fs::temp_directory_path() / ("xms-check-" + std::to_string(::getpid()) + "-" + name);
  std::ofstream(p, std::ios::binary) << bytes;
  return p.string();
}

}  // namespace

TEST(CheckExchangeFile, KindsCountsAndPitches) {
  const std::string rec(219, 'r');
  const struct {
    const char* name;
    std::string bytes;
    const char* result;
    int pitch;
  } cases[] = {
      {"empty", "", "-2", 219},
      {"one-byte", "x", "-2", 219},
      {"221-bytes", std::string(221, ' '), "-2", 219},
      {"218-bytes", Header("000000").substr(0, 218), "-2", 219},
      {"header-only", Header("000000"), " 0", 219},  // a new file saved with no records
      {"header-only-lf", Header("000000") + "\n", "-3", 220},
      {"header-only-crlf", Header("000000") + "\r\n", "-3", 221},
      {"header-and-one-byte", Header("000000") + "x", "-2", 219},
      {"222-bytes", Header("000000") + "abc", " 0", 219},
      {"letters-in-count", Header("00a003") + rec, "-2", 219},
      {"blanks-in-count", Header("     3") + rec, " 1", 219},  // a true file ignores the count
      {"partial-record", Header("000004") + rec + rec + rec + rec + std::string(100, 'p'), " 4", 219},
      {"crlf-3", Header("000003") + "\r\n" + rec + "\r\n" + rec + "\r\n" + rec + "\r\n", "-3", 221},
      {"crlf-wrong-count", Header("000004") + "\r\n" + rec + "\r\n" + rec + "\r\n" + rec + "\r\n", "-2", 221},
      {"lf-only", Header("000001") + "\n" + rec + "\n", "-3", 220},
      {"cr-only", Header("000001") + "\r" + rec + "\r", "-3", 220},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = Write(c.name, c.bytes);
    const FileCheck check = CheckExchangeFile(path);
    EXPECT_EQ(CheckResultText(check), c.result);
    if (check.kind == FileKind::CrLf || check.kind == FileKind::True) {
      EXPECT_EQ(check.pitch, c.pitch);
    }
    fs::remove(path);
  }
  EXPECT_EQ(CheckResultText(CheckExchangeFile("/no/such/file.xms")), "-1");
  EXPECT_EQ(CheckResultText(CheckExchangeFile(fs::temp_directory_path().string())), "-1");
}

TEST(ExchangeConversion, CrLfRoundTripKeepsEveryByteButNul) {
  std::string file = SampleFile(25, 7, {2026, 12, 7});
  file[219 * 3 + 10] = '\0';
  const std::string crlf = CrLfExport(file + "tail");  // the partial record is not exported
  ASSERT_EQ(crlf.size(), 26u * 221u);
  EXPECT_EQ(crlf.substr(219, 2), "\r\n");
  EXPECT_EQ(crlf[221 * 3 + 10], ' ');
  std::string expected = file;
  expected[219 * 3 + 10] = ' ';
  EXPECT_EQ(WithoutLineEndings(crlf), expected);
  EXPECT_EQ(WithoutLineEndings("a\tb\r\nc"), "abc");
}

TEST(ExchangeFile, LineEndingsGoWhereverTheyStandAlsoInPlace) {
  // Texts of every length around the 16-byte steps, with CR, LF and TAB at random places.
  std::mt19937 random(7);
  const char alphabet[] = {'a', ' ', '\r', '\n', '\t', '\0', 'Z', '\xB0'};
  for (int length = 0; length < 100; ++length) {
    for (int density = 0; density < 3; ++density) {
      std::string text(static_cast<size_t>(length), 'x');
      std::string expected;
      for (char& c : text) {
        c = random() % (1 + density * 8) == 0 ? alphabet[random() % 8] : 'x';
        if (c != '\r' && c != '\n' && c != '\t') expected += c;
      }
      EXPECT_EQ(WithoutLineEndings(text), expected) << "length " << length;
      std::string inPlace = text;
      inPlace.resize(RemoveLineEndings(inPlace, inPlace.data()));
      EXPECT_EQ(inPlace, expected) << "in place, length " << length;
    }
  }
}

TEST(SampleGenerator, SameSeedSameFileAndHeaderCountsRecords) {
  const std::string a = SampleFile(200, 42, {2026, 12, 7});
  EXPECT_EQ(a, SampleFile(200, 42, {2026, 12, 7}));
  EXPECT_NE(a, SampleFile(200, 43, {2026, 12, 7}));
  ASSERT_EQ(a.size(), 201u * 219u);
  EXPECT_EQ(a.substr(186, 14), "00020007122026");
  const std::string path = Write("sample", a);
  EXPECT_EQ(CheckResultText(CheckExchangeFile(path)), " 200");
  fs::remove(path);
  // Both kinds of station appear: fixed (radius 0) and mobile (omnidirectional).
  size_t fixed = 0, mobile = 0;
  for (size_t k = 1; k <= 200; ++k) {
    const std::string_view cls(a.data() + 219 * k + 13, 2);
    fixed += cls[0] == 'F';
    mobile += cls[0] == 'M';
  }
  EXPECT_GT(fixed, 50u);
  EXPECT_GT(mobile, 50u);
}
