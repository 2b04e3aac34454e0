#include <gtest/gtest.h>

#include "json_output.h"
#include "latin1_text.h"

namespace vatool {
namespace {

// Every byte value of a record, controls and the upper half included, comes back from a JSON
// parser as the Latin-1 character it stands for.
TEST(JsonOutput, AllRecordBytesRoundTrip) {
  std::string bytes;
  for (int b = 0; b < 256; ++b) bytes += static_cast<char>(b);
  const std::string line = JsonLine({{"record", 7}, {"message", recbook::Latin1ToUtf8(bytes)}});
  EXPECT_EQ(line.find('\n'), std::string::npos);
  const auto back = nlohmann::json::parse(line);
  EXPECT_EQ(back["record"], 7);
  std::u32string codes;
  const std::string text = back["message"].get<std::string>();
  for (size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    codes += c < 0x80 ? char32_t{c} : char32_t(((c & 0x1F) << 6) | (static_cast<unsigned char>(text[++i]) & 0x3F));
  }
  ASSERT_EQ(codes.size(), 256u);
  for (char32_t b = 0; b < 256; ++b) EXPECT_EQ(codes[b], b);
}

TEST(JsonOutput, LayoutAndBytesThatAreNoUtf8) {
  EXPECT_EQ(JsonLine({{"repairs", 3}}), R"({"repairs": 3})");
  EXPECT_EQ(JsonMembers({{"records", 6}, {"mark", "18,20"}}), R"("records": 6, "mark": "18,20")");
  // A stray Latin-1 byte still gives a valid document, with U+FFFD in its place.
  const auto back = nlohmann::json::parse(JsonLine({{"message", "caf\xE9"}}));
  EXPECT_EQ(back["message"], "caf\xEF\xBF\xBD");
}

}  // namespace
}  // namespace vatool
