#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "antenna_code.h"
#include "msi_file.h"
#include "pattern_fit.h"
#include "pattern_value.h"

using namespace radpattern;

namespace {

float Db(const char* code, float angle) { return PatternValue(code, angle, kPatternDb); }

}  // namespace

TEST(PatternValue, HalfPowerAtTheHalfBeamWidthForEveryTypeWithThatMeaning) {
  // EB uses 0.72 = 0.5 * 1.44, so its half beam width is 3 dB down like the others.
  for (const char* code : {"030EA00", "030EB00", "030EC00", "030DE00"}) {
    SCOPED_TRACE(code);
    EXPECT_NEAR(Db(code, 30), 3.0103f, 0.01f);
    EXPECT_NEAR(Db(code, -30), 3.0103f, 0.01f);
    EXPECT_NEAR(Db(code, 0), 0.0f, 0.01f);
    EXPECT_NEAR(Db(code, 390), Db(code, 30), 0.01f) << "angles fold by whole turns";
  }
  EXPECT_NEAR(Db("030EB00", 180), 13.9794f, 0.01f);
  for (float a : {0.f, 45.f, 180.f, -270.f}) EXPECT_EQ(Db("000ND00", a), 0.0f);
}

TEST(PatternValue, InvalidCodesGiveMinusOne) {
  for (const char* code : {"0A0EA00", "abcdefg"}) {
    SCOPED_TRACE(code);
    EXPECT_EQ(Db(code, 10), -1.0f);
  }
  EXPECT_NE(CheckAntennaCode("030EB00"), 0);
}

TEST(FitPattern, DiagramOfAKnownCodeFitsWithinHalfADecibel) {
  for (const char* code : {"030EA10", "060EB06", "045EC00", "060EA10"}) {
    SCOPED_TRACE(code);
    MeasuredDiagram d{};
    for (int a = 0; a < 360; ++a) d[a] = PatternValue(code, static_cast<float>(a), kPatternRatio);
    const FitResult fit = FitPattern(d);
    float worst = 0;
    for (int a = 0; a < 360; ++a)
      worst = std::max(worst, std::fabs(Db(fit.code.c_str(), static_cast<float>(a - fit.direction)) - Db(code, a)));
    EXPECT_LT(worst, 0.5f) << "fitted " << FitResultText(fit);
  }
}

TEST(ReadMsi, MalformedTextsAreRefusedNotCrashed) {
  const std::string good_head = "NAME x\nFREQUENCY 800\nGAIN 10 dBd\nHORIZONTAL 360\n";
  std::string short_list = good_head;
  for (int a = 0; a < 359; ++a) short_list += std::to_string(a) + " 0.0\n";
  const std::string cases[] = {"", "garbage\n", good_head + "0 abc\n", short_list,
                               good_head + std::string(100000, '9') + "\n", good_head + "5 0\n3 0\n"};
  for (const std::string& text : cases) {
    std::istringstream in(text);
    MsiPattern p;
    const int r = ReadMsi(in, p);
    EXPECT_TRUE(r == 1 || r == 2) << "result " << r << " for text of " << text.size() << " bytes";
  }
}

TEST(ReadMsi, RealFilesGiveTheirExpectedResults) {
  const std::filesystem::path dir = std::filesystem::path(QUORLA_SHARED_DATA) / "msi";
  std::ifstream index(dir / "INDEX.csv");
  if (!index) GTEST_SKIP() << "no real pattern files";
  std::string line;
  std::getline(index, line);
  int files = 0;
  while (std::getline(index, line)) {
    std::vector<std::string> f;
    std::stringstream ss(line);
    for (std::string cell; std::getline(ss, cell, ',');) f.push_back(cell);
    if (f.size() < 6) continue;
    SCOPED_TRACE(f[0]);
    MsiPattern p;
    EXPECT_EQ(ReadMsiFile((dir / f[0]).string(), p), std::stoi(f[5]));
    ++files;
  }
  EXPECT_EQ(files, 15);
}
