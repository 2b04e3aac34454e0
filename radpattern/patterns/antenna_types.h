#pragma once
// The one table of antenna code types: which type letters (positions 4-5) exist, the pattern
// family of each, and the valid range of the first field (positions 1-3). The code check, the
// editor's field lists, the record check, the automatic correction and the pattern fitting all
// read it here.
//
//   ND          family 1  only 000ND00 (omnidirectional)
//   EA, DE      family 2  001..065
//   EB          family 3  001..079
//   EC          family 4  001..096
//   LA          family 5  001..120
//   CA CB CC KA family 6  000..100
//   VA..VI      family 7  000..999 (beam-width step and lobe half angle)
//   WA..WI      family 8  000..999
#include <span>
#include <string_view>

namespace radpattern {

struct AntennaTypeRange {
  std::string_view type;  // two letters
  int family;
  int firstFrom, firstTo;  // valid values of the first field
};

inline constexpr int kOmnidirectionalFamily = 1;

inline constexpr AntennaTypeRange kAntennaTypeRanges[] = {
    {"ND", 1, 0, 0},     {"EA", 2, 1, 65},    {"DE", 2, 1, 65},    {"EB", 3, 1, 79},   {"EC", 4, 1, 96},
    {"LA", 5, 1, 120},   {"CA", 6, 0, 100},   {"CB", 6, 0, 100},   {"CC", 6, 0, 100},  {"KA", 6, 0, 100},
};

// The lobe types: a first letter of kLobeKinds (family 7 for V, 8 for W) and a second letter from
// kLobeLetterFirst to kLobeLetterLast; every first field 000..999 is valid.
inline constexpr char kLobeKinds[] = {'V', 'W'};
inline constexpr char kLobeLetterFirst = 'A';
inline constexpr char kLobeLetterLast = 'I';
inline constexpr int kLobeFamilyOfV = 7;

// The row of a two-letter type, nullptr for a lobe type or an unknown one.
constexpr const AntennaTypeRange* FindAntennaType(std::string_view type) {
  for (const AntennaTypeRange& row : kAntennaTypeRanges)
    if (row.type == type) return &row;
  return nullptr;
}

// 7 for V, 8 for W (any second letter), 0 otherwise.
constexpr int LobeFamily(std::string_view type) {
  for (int k = 0; k < 2; ++k)
    if (!type.empty() && type[0] == kLobeKinds[k]) return kLobeFamilyOfV + k;
  return 0;
}

constexpr bool IsLobeType(std::string_view type) {
  return type.size() == 2 && LobeFamily(type) != 0 && type[1] >= kLobeLetterFirst && type[1] <= kLobeLetterLast;
}

}  // namespace radpattern
