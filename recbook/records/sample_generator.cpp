#include "sample_generator.h"

#include <cstdio>
#include <iterator>

#include "record_builder.h"
#include "record_text.h"

namespace recbook {
namespace {

struct Country {
  const char* code;
  int lonMin, lonMax, latMin, latMax;  // whole degrees
  const char* towns[4];
};
constexpr Country kCountries[] = {
    {"CZE", 12, 18, 48, 50, {"PRAHA", "BRNO", "OSTRAVA", "PLZEN"}},
    {"D  ", 6, 14, 47, 54, {"BERLIN", "MUENCHEN", "HAMBURG", "DRESDEN"}},
    {"AUT", 10, 16, 46, 48, {"WIEN", "GRAZ", "LINZ", "SALZBURG"}},
    {"SVK", 17, 22, 48, 49, {"BRATISLAVA", "KOSICE", "ZILINA", "NITRA"}},
    {"POL", 15, 23, 50, 54, {"WARSZAWA", "KRAKOW", "WROCLAW", "GDANSK"}},
    {"HNG", 16, 22, 46, 48, {"BUDAPEST", "DEBRECEN", "SZEGED", "GYOR"}},
};
struct Band {
  double lo, hi, spacing;  // MHz
  const char* emission;
};
constexpr Band kBands[] = {
    {68.0, 74.8, 0.0125, "11K0F3E"}, {75.2, 87.5, 0.0125, "11K0F3E"}, {146.0, 149.9, 0.0125, "11K0F3E"}, {150.05, 174.0, 0.0125, "11K0F3E"},
    {406.1, 430.0, 0.0125, "11K0F3E"}, {440.0, 470.0, 0.025, "16K0F3E"},
};
constexpr const char* kPatterns[] = {"000ND00", "030EA10", "060EB06", "030EB00", "045EC00"};

std::string Decimal(double v, int decimals) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
  return buf;
}

uint64_t SplitMix(uint64_t& state) {
  uint64_t z = (state += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

std::string Coordinate(int degrees, int minutes, int seconds, char hemisphere, int degreeDigits) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%0*d %c %02d %02d", degreeDigits, degrees, hemisphere, minutes, seconds);
  return buf;
}

}  // namespace

uint64_t SampleGenerator::Draw() { return SplitMix(state_); }

// Two draws per record whatever the outcome, so record k's fault depends on the seed and k only.
// The fault is the first of the table, from a drawn start, that the station can carry.
void SampleGenerator::MaybeAddFault(StationKind kind, StationValues& v) {
  const uint64_t share = SplitMix(faultState_) % 1000000;
  const auto faults = SampleFaults();
  const size_t start = SplitMix(faultState_) % faults.size();
  if (static_cast<double>(share) >= faultPercent_ * 10000) return;
  for (size_t i = 0; i < faults.size(); ++i)
    if (ApplySampleFault(faults[(start + i) % faults.size()].fault, kind, v)) return;
}

int SampleGenerator::Uniform(int lo, int hi) {
  return lo + static_cast<int>(Draw() % static_cast<uint64_t>(hi - lo + 1));
}

StationRecord SampleGenerator::Next() {
  ++serial_;
  const Country& c = kCountries[Uniform(0, 5)];
  const Band& b = kBands[Uniform(0, static_cast<int>(std::size(kBands)) - 1)];
  const int channels = static_cast<int>((b.hi - b.lo) / b.spacing);
  const double tx = b.lo + b.spacing * Uniform(1, channels - 1);
  const int kind = Uniform(0, 99);  // 0-49 fixed, 50-89 mobile, 90-99 whole country
  const int role = Uniform(0, 9);   // 0-5 transmitter and receiver, 6-7 transmit only, 8-9 receive only

  StationValues v;
  v.txFrequency = role >= 8 ? "" : Decimal(tx, 5);
  // The duplex partner lies 40 channels away, above or below, inside the band.
  const double duplex = tx + 40 * b.spacing < b.hi ? tx + 40 * b.spacing : tx - 40 * b.spacing;
  v.rxFrequency = role == 6 || role == 7 ? "" : Decimal(role >= 8 ? tx : duplex, 5);
  v.frequencyCategory = std::to_string(Uniform(1, 5));
  v.natureOfService = "CP";
  v.categoryOfUse = "A";
  v.channelOccupation = Uniform(0, 3) == 0 ? "1" : "0";
  char date[16];
  // Draws in sequence (argument order is unspecified), so a seed gives the same file everywhere.
  const int day = Uniform(1, 28), month = Uniform(1, 12), year = Uniform(1995, 2026);
  std::snprintf(date, sizeof date, "%02d-%02d-%04d", day, month, year);
  v.dateInUse = date;
  v.country = c.code;
  v.emission = b.emission;
  v.referenceAntenna = "E";
  v.status = std::string(1, "ABCDHMPRWYZ"[Uniform(0, 10)]);
  const int requestDay = Uniform(1, 28), requestMonth = Uniform(1, 12);
  std::snprintf(date, sizeof date, "%02d-%02d-2025", requestDay, requestMonth);
  v.requestDate = date;
  char ref[32];
  const int year2 = Uniform(0, 26), order = Uniform(1, 9);
  std::snprintf(ref, sizeof ref, "%.3s%02d%06ld%02d11", c.code, year2, serial_ % 1000000, order);
  v.reference = ref;
  if (kind < 90) {
    v.name = c.towns[Uniform(0, 3)] + std::string(" ") + std::to_string(serial_ % 1000);
    const int lonD = Uniform(c.lonMin, c.lonMax - 1), lonM = Uniform(0, 59), lonS = Uniform(0, 59);
    const int latD = Uniform(c.latMin, c.latMax - 1), latM = Uniform(0, 59), latS = Uniform(0, 59);
    v.longitude = Coordinate(lonD, lonM, lonS, 'E', 3);
    v.latitude = Coordinate(latD, latM, latS, 'N', 2);
  } else {
    v.name = "INTR";
  }
  if (kind < 50) {  // fixed station: a site, a directional antenna
    v.stationClass = "FX";
    v.radius = "0";
    v.altitude = std::to_string(Uniform(150, 1500));
    v.azimuth = std::to_string(Uniform(0, 359));
    v.elevation = Decimal(Uniform(-30, 30) / 10.0, 1);
    v.polarisation = Uniform(0, 1) ? "V" : "H";
    v.antennaHeight = std::to_string(Uniform(10, 120));
    v.patternH = kPatterns[Uniform(1, 4)];
    v.patternV = kPatterns[Uniform(0, 1)];
  } else {  // mobile or whole country: omnidirectional, 3 m, vertical
    v.stationClass = "ML";
    v.radius = kind < 90 ? std::to_string(Uniform(5, 60)) : "";
    v.polarisation = "V";
    v.antennaHeight = "3";
    v.patternH = v.patternV = "000ND00";
  }
  if (role < 8) v.power = Decimal(Uniform(-100, 200) / 10.0, 1);
  if (role < 6 || role >= 8) v.gain = Decimal(Uniform(0, 150) / 10.0, 1);
  MaybeAddFault(kind < 50 ? StationKind::Fixed : kind < 90 ? StationKind::Mobile : StationKind::WholeCountry, v);
  return BuildStationRecord(v);
}

std::string SampleFile(long long records, uint64_t seed, const quorla::LocalTime& today, double faultPercent) {
  HeaderValues h;
  h.fileNumber = "1";
  h.description = "Sample register of land mobile and fixed stations";
  h.contentsCode = "O";
  h.country = "CZE";
  h.person = "Frequency management";
  h.phone = "+420 000 000 000";
  h.recordCount = HeaderCountItem(static_cast<uint64_t>(records));
  h.writingDate = DateToDisplay(DateItem(today));
  std::string out = FixWidth(BuildHeaderText(h), kRecordSize);
  out.reserve(kRecordSize * static_cast<size_t>(records + 1));
  SampleGenerator g(seed, faultPercent);
  for (long long k = 0; k < records; ++k) out.append(g.Next().text());
  return out;
}

}  // namespace recbook
