// The co-ordinate entry-box rules: normalisation, caret and selection, focus selection and the
// stored properties text. Expected texts and carets are worked out by hand from the display form
// "DDD H MM SS" (positions 0-2, 4, 6-7, 9-10) and "DD H MM SS" (0-1, 3, 5-6, 8-9).
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "entry/geo_box_properties.h"
#include "entry/geo_entry_box.h"

namespace terrainmap {
namespace {

using quorla::GeoKind;
constexpr GeoKind kLon = GeoKind::Longitude;
constexpr GeoKind kLat = GeoKind::Latitude;

constexpr GeoBoxProperties kDefault{};
constexpr GeoBoxProperties kOneStep{0, 1, 0, 1};  // both skips off: the caret moves one position

struct NormCase {
  GeoKind kind;
  bool tenths;
  const char* text;  // the box's text after the user's change
  int caret;         // just past the typed character
  GeoBoxProperties properties;
  const char* expected;
  int selectionStart, selectionEnd;
};

const NormCase kNormCases[] = {
    // Padding: missing digits read as zeros.
    {kLon, false, "", 0, kDefault, "000 E 00 00", 0, 0},
    {kLon, false, "1", 1, kDefault, "100 E 00 00", 1, 1},
    {kLat, false, "", 0, kDefault, "00 N 00 00", 0, 0},
    {kLon, true, "", 0, kDefault, "000 E 00 00.0", 0, 0},
    {kLat, true, "4", 1, kDefault, "40 N 00 00.0", 1, 1},
    // Anything but digits and the kind's hemisphere letters is dropped.
    {kLon, false, "0a1-5", 5, kDefault, "015 E 00 00", 6, 6},
    {kLon, false, "015N", 4, kDefault, "015 E 00 00", 6, 6},
    {kLat, false, "49e", 3, kDefault, "49 N 00 00", 5, 5},
    // Digits beyond the last slot are cut off.
    {kLon, false, "015 E 30 123", 12, kDefault, "015 E 30 12", 10, 10},

    // Hemisphere letters, upper or lower case, only after the degree digits.
    {kLon, false, "015w", 4, kDefault, "015 W 00 00", 6, 6},
    {kLon, false, "015 E 00 w00", 10, kDefault, "015 W 00 00", 9, 9},  // typed w wins over E
    {kLon, false, "015 W 00 00", 11, kDefault, "015 W 00 00", 10, 10},
    {kLon, false, "01w5", 3, kDefault, "015 E 00 00", 2, 2},  // before the third degree digit
    {kLat, false, "49s", 3, kDefault, "49 S 00 00", 5, 5},
    {kLat, false, "s49", 1, kDefault, "49 N 00 00", 0, 0},

    // Refused tens digits: just typed -> 0, caret on it.
    {kLon, false, "015 E 700 00", 7, kDefault, "015 E 00 00", 6, 6},
    {kLon, false, "015 E 30 600", 10, kDefault, "015 E 30 00", 9, 9},
    {kLat, false, "49 N 800 00", 6, kDefault, "49 N 00 00", 5, 5},
    {kLat, false, "49 N 00 900", 9, kDefault, "49 N 00 00", 8, 8},
    {kLon, true, "015 E 30 90.5", 10, kDefault, "015 E 30 00.5", 9, 9},
    // ... not the one just typed -> dropped, the digits behind it move up.
    {kLon, false, "015 E 7300", 10, kDefault, "015 E 30 00", 6, 6},
    {kLat, false, "49 N 15 93", 7, kDefault, "49 N 15 30", 8, 8},
    // A tens digit of 5 is kept.
    {kLon, false, "015 E 59 59", 11, kDefault, "015 E 59 59", 10, 10},

    // Degrees out of range: zeros, the whole text selected.
    {kLon, false, "181", 3, kDefault, "000 E 00 00", 0, 11},
    {kLon, false, "999 W 59 59", 3, kDefault, "000 W 59 59", 0, 11},
    {kLon, false, "18001", 5, kDefault, "000 E 01 00", 0, 11},     // the limit with minutes
    {kLon, false, "1800001", 7, kDefault, "000 E 00 01", 0, 11},   // ... with seconds
    {kLon, true, "18000001", 8, kDefault, "000 E 00 00.1", 0, 13}, // ... with tenths
    {kLon, false, "180", 3, kDefault, "180 E 00 00", 6, 6},        // the limit itself is fine
    {kLat, false, "95", 2, kDefault, "00 N 00 00", 0, 10},
    {kLat, false, "9001", 4, kDefault, "00 N 01 00", 0, 10},
    {kLat, true, "9000005", 7, kDefault, "00 N 00 00.5", 0, 12},
    {kLat, false, "90 S", 2, kDefault, "90 S 00 00", 5, 5},
    // A refused tens digit is replaced before the range test: 180 E 70 stays 180.
    {kLon, false, "180 E 700 00", 7, kDefault, "180 E 00 00", 6, 6},
    {kLon, false, "190 E 700 00", 7, kDefault, "000 E 00 00", 0, 11},

    // Caret over the fixed characters.
    {kLon, false, "015", 3, kDefault, "015 E 00 00", 6, 6},  // jumps over " E "
    {kLon, false, "015", 3, kOneStep, "015 E 00 00", 4, 4},  // one position
    {kLon, false, "015 E 3", 7, kDefault, "015 E 30 00", 7, 7},
    {kLon, false, "015 E 30", 8, kDefault, "015 E 30 00", 9, 9},  // over the blank
    {kLon, false, "015 E 30 1", 10, kDefault, "015 E 30 10", 10, 10},
    {kLon, false, "015 E 30 12", 11, kDefault, "015 E 30 12", 10, 10},  // never past 10
    {kLon, false, "015 E 30 00", 2, kDefault, "015 E 30 00", 2, 2},
    {kLon, false, "015", 99, kDefault, "015 E 00 00", 6, 6},  // caret clamped to the text
    {kLon, false, "015", -5, kDefault, "015 E 00 00", 0, 0},
    {kLon, true, "015 E 30 12", 11, kDefault, "015 E 30 12.0", 12, 12},  // over "."
    {kLon, true, "015 E 30 125", 12, kDefault, "015 E 30 12.5", 12, 12},  // never past 12
    {kLat, false, "49", 2, kDefault, "49 N 00 00", 5, 5},
    {kLat, false, "49", 2, kOneStep, "49 N 00 00", 3, 3},
    {kLat, false, "49", 2, GeoBoxProperties{0, 0, 0, 1}, "49 N 00 00", 3, 3},  // latSkip only
    {kLon, false, "015", 3, GeoBoxProperties{0, 0, 0, 1}, "015 E 00 00", 6, 6},
    {kLat, false, "49 N 15", 7, kDefault, "49 N 15 00", 8, 8},
    {kLat, false, "49 N 15 30", 10, kDefault, "49 N 15 30", 9, 9},  // never past 9
    {kLat, true, "49 N 15 30", 10, kDefault, "49 N 15 30.0", 11, 11},
    {kLat, true, "49 N 15 307", 11, kDefault, "49 N 15 30.7", 11, 11},
};

TEST(GeoEntryBox, NormalisesTextAndPlacesCaret) {
  for (size_t i = 0; i < std::size(kNormCases); ++i) {
    const NormCase& c = kNormCases[i];
    SCOPED_TRACE(testing::Message() << "case " << i << ": \"" << c.text << "\" caret " << c.caret);
    const BoxEdit e = NormaliseGeoBox(c.kind, c.tenths, c.text, c.caret, c.properties);
    EXPECT_EQ(e.text, c.expected);
    EXPECT_EQ(e.selectionStart, c.selectionStart);
    EXPECT_EQ(e.selectionEnd, c.selectionEnd);
  }
}

// A box as the dialog drives it: focus selects, a typed character replaces the selection.
struct Box {
  GeoKind kind;
  GeoBoxProperties properties;
  std::string text;
  int start, end;

  void Focus() {
    const BoxSelection s = FocusSelection(kind, properties, false);
    start = s.start;
    end = std::min<int>(s.end, static_cast<int>(text.size()));
  }
  void Type(char c) {
    text = text.substr(0, start) + c + text.substr(end);
    const BoxEdit e = NormaliseGeoBox(kind, false, text, start + 1, properties);
    text = e.text;
    start = e.selectionStart;
    end = e.selectionEnd;
  }
};

TEST(GeoEntryBox, TypingIntoAFocusedBox) {
  struct Step {
    char typed;
    const char* text;
    int caret;
  };
  struct Case {
    GeoKind kind;
    GeoBoxProperties properties;
    const char* initial;
    std::vector<Step> steps;
  };
  const Case cases[] = {
      // The selection starts at the second degree digit, so 1 5 3 gives 015 and minutes 30.
      {kLon, kDefault, "000 E 00 00", {{'1', "010 E 00 00", 2}, {'5', "015 E 00 00", 6}, {'3', "015 E 30 00", 7}}},
      {kLon, kOneStep, "000 E 00 00", {{'1', "010 E 00 00", 2}, {'5', "015 E 00 00", 4}, {'3', "015 E 30 00", 7}}},
      // From the first digit (lonStart -1), a typed W after the degrees.
      {kLon, GeoBoxProperties{-1, 0, 0, 0}, "000 E 00 00",
       {{'0', "000 E 00 00", 1}, {'1', "010 E 00 00", 2}, {'6', "016 E 00 00", 6}, {'w', "016 W 00 00", 6}}},
      {kLat, kDefault, "00 N 00 00",
       {{'4', "40 N 00 00", 1}, {'9', "49 N 00 00", 5}, {'1', "49 N 10 00", 6}, {'5', "49 N 15 00", 8},
        {'7', "49 N 15 00", 8}, {'3', "49 N 15 30", 9}}},
  };
  for (const Case& c : cases) {
    Box box{c.kind, c.properties, c.initial, 0, 0};
    box.Focus();
    for (const Step& s : c.steps) {
      SCOPED_TRACE(testing::Message() << c.initial << " typed " << s.typed);
      box.Type(s.typed);
      EXPECT_EQ(box.text, s.text);
      EXPECT_EQ(box.start, s.caret);
      EXPECT_EQ(box.end, s.caret);
    }
  }
}

// Whatever is typed, the text stays in the display form with a caret inside it.
TEST(GeoEntryBox, AnyInputKeepsTheDisplayForm) {
  const std::string alphabet = "0123456789EWNSewns .x-";
  uint32_t seed = 12345;
  auto next = [&seed] { return seed = seed * 1664525u + 1013904223u; };
  for (int round = 0; round < 4000; ++round) {
    const GeoKind kind = round % 2 ? kLon : kLat;
    const bool tenths = round % 4 >= 2;
    std::string text;
    for (uint32_t n = next() >> 28; n > 0; --n) text += alphabet[(next() >> 16) % alphabet.size()];
    const int caret = static_cast<int>((next() >> 16) % (text.size() + 3)) - 1;
    const BoxEdit e = NormaliseGeoBox(kind, tenths, text, caret, kDefault);
    SCOPED_TRACE(testing::Message() << "\"" << text << "\" caret " << caret << " -> \"" << e.text << "\"");

    const bool lon = kind == kLon;
    const int d = lon ? 3 : 2;
    ASSERT_EQ(e.text.size(), static_cast<size_t>(d + 8 + (tenths ? 2 : 0)));
    const std::string hemispheres = lon ? "EW" : "NS";
    EXPECT_NE(hemispheres.find(e.text[d + 1]), std::string::npos);
    EXPECT_EQ(e.text[d], ' ');
    EXPECT_EQ(e.text[d + 2], ' ');
    EXPECT_EQ(e.text[d + 5], ' ');
    if (tenths) {
      EXPECT_EQ(e.text[d + 8], '.');
    }
    std::vector<int> digitAt;
    for (int i = 0; i < d; ++i) digitAt.push_back(i);
    for (int i : {3, 4, 6, 7}) digitAt.push_back(d + i);
    if (tenths) digitAt.push_back(d + 9);
    for (int i : digitAt) EXPECT_TRUE(e.text[i] >= '0' && e.text[i] <= '9') << i;
    EXPECT_LT(e.text[d + 3], '6');
    EXPECT_LT(e.text[d + 6], '6');
    const int degrees = std::stoi(e.text.substr(0, d));
    EXPECT_LE(degrees, lon ? 180 : 90);
    EXPECT_LE(0, e.selectionStart);
    EXPECT_LE(e.selectionStart, e.selectionEnd);
    EXPECT_LE(e.selectionEnd, static_cast<int>(e.text.size()));
    // Normalising the result again changes nothing.
    EXPECT_EQ(NormaliseGeoBox(kind, tenths, e.text, e.selectionStart, kDefault).text, e.text);
  }
}

TEST(GeoEntryBox, DisplayFromCompact) {
  struct Case {
    GeoKind kind;
    const char* compact;
    const char* display;
  };
  const Case cases[] = {
      {kLon, "015E3000", "015 E 30 00"},
      {kLon, "015W3000.5", "015 W 30 00.5"},
      {kLat, "49N1500", "49 N 15 00"},
      {kLat, "49S1530.7", "49 S 15 30.7"},
      {kLon, "015E", "015E"},  // too short to split: unchanged
      {kLat, "", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(DisplayFromCompact(c.kind, c.compact), c.display) << c.compact;
}

TEST(GeoBoxProperties, FocusSelection) {
  struct Case {
    GeoKind kind;
    GeoBoxProperties p;
    bool planar;
    BoxSelection expected;
  };
  const Case cases[] = {
      {kLon, kDefault, false, {1, 13}},  // the second degree digit
      {kLon, {-1, 0, 0, 0}, false, {0, 13}},
      {kLon, {1, 0, 0, 0}, false, {2, 13}},
      {kLat, kDefault, false, {0, 12}},
      {kLat, {0, 0, 1, 0}, false, {1, 12}},
      {kLat, {1, 1, 0, 0}, false, {0, 12}},  // longitude properties do not apply
      {kLon, {1, 0, 0, 0}, true, {0, 13}},   // planar co-ordinates
      {kLat, {0, 0, 1, 0}, true, {0, 12}},
  };
  for (const Case& c : cases) EXPECT_EQ(FocusSelection(c.kind, c.p, c.planar), c.expected);
}

TEST(GeoBoxProperties, StoredText) {
  struct Case {
    const char* text;
    GeoBoxProperties p;
  };
  const Case reads[] = {
      {"", {0, 0, 0, 0}},  // a missing value
      {" 0, 0, 0, 0", {0, 0, 0, 0}},
      {"-1, 1, 1, 1", {-1, 1, 1, 1}},
      {" 1, 0, 1, 0", {1, 0, 1, 0}},
      {" 1, 1", {1, 1, 0, 0}},         // cut short
      {" 2, 0, 0, 1", {0, 0, 0, 1}},   // out of range reads as 0
      {"-1,-1, 2, 1", {-1, 0, 0, 1}},
      {"xx,yy,zz,ww", {0, 0, 0, 0}},
  };
  for (const Case& c : reads) EXPECT_EQ(ParseGeoBoxProperties(c.text), c.p) << c.text;
  EXPECT_EQ(FormatGeoBoxProperties({0, 0, 0, 0}), " 0, 0, 0, 0");
  EXPECT_EQ(FormatGeoBoxProperties({-1, 1, 1, 0}), "-1, 1, 1, 0");
  // Every combination survives the round trip in 11 characters.
  for (int lonStart = -1; lonStart <= 1; ++lonStart)
    for (int bits = 0; bits < 8; ++bits) {
      const GeoBoxProperties p{lonStart, bits & 1, (bits >> 1) & 1, (bits >> 2) & 1};
      const std::string text = FormatGeoBoxProperties(p);
      EXPECT_EQ(text.size(), 11u) << text;
      EXPECT_EQ(ParseGeoBoxProperties(text), p) << text;
    }
}

}  // namespace
}  // namespace terrainmap
