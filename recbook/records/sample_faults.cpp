#include "sample_faults.h"

#include <cctype>

namespace recbook {
namespace {

constexpr SampleFaultInfo kFaults[] = {
    {SampleFault::kRadiusMissing, true},          // the fixed station's blank radius becomes 0
    {SampleFault::kLowerCaseRefAntenna, true},    // upper case
    {SampleFault::kLowerCasePolarisation, true},  // upper case
    {SampleFault::kBareBandwidth, true},          // O8: "11F3E" becomes "11K0F3E"
    {SampleFault::kIncompleteAntennaCode, true},  // O9: "30EA10" becomes "030EA10"
    {SampleFault::kFrequencyOutOfBand, false},    // left to the user at the record form
    {SampleFault::kClassAgainstRadius, true},     // O4: radius 0 makes the class FX
    {SampleFault::kMobileAntennaHeight, true},    // O7 (O3 for whole-country entries): 3 m
};

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

}  // namespace

std::span<const SampleFaultInfo> SampleFaults() { return kFaults; }

bool ApplySampleFault(SampleFault fault, StationKind kind, StationValues& v) {
  switch (fault) {
    case SampleFault::kRadiusMissing:
      if (kind != StationKind::Fixed) return false;
      v.radius.clear();
      return true;
    case SampleFault::kLowerCaseRefAntenna:
      v.referenceAntenna = Lower(v.referenceAntenna);
      return true;
    case SampleFault::kLowerCasePolarisation:
      v.polarisation = Lower(v.polarisation);
      return true;
    case SampleFault::kBareBandwidth: {
      // "11K0F3E" written as "11F3E": the digits before the unit letter, then the class.
      const size_t unit = v.emission.find_first_of("KM");
      if (unit == std::string::npos || v.emission.size() < 5) return false;
      v.emission = v.emission.substr(0, unit) + v.emission.substr(4);
      return true;
    }
    case SampleFault::kIncompleteAntennaCode:
      if (v.patternH.size() != 7 || v.patternH[0] != '0' || v.patternH == "000ND00") return false;
      v.patternH = v.patternH.substr(1);
      return true;
    case SampleFault::kFrequencyOutOfBand:
      if (v.txFrequency.empty()) return false;
      v.txFrequency = "100.00000";
      return true;
    case SampleFault::kClassAgainstRadius:
      if (kind != StationKind::Mobile) return false;
      v.radius = "0";
      return true;
    case SampleFault::kMobileAntennaHeight:
      if (kind == StationKind::Fixed) return false;
      v.antennaHeight = "10";
      return true;
  }
  return false;
}

}  // namespace recbook
