#pragma once
// Realistic sample files for the demo, the tests and the benchmarks: fixed and mobile stations,
// transmitters and receivers, whole-country entries, in bands of the agreement. The same seed
// always gives the same file.
#include <cstdint>
#include <string>

#include "host.h"
#include "station_record.h"

namespace recbook {

class SampleGenerator {
 public:
  explicit SampleGenerator(uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 1) {}
  StationRecord Next();

 private:
  uint64_t Draw();                 // splitmix64
  int Uniform(int lo, int hi);     // lo..hi inclusive
  uint64_t state_;
  long serial_ = 0;
};

// A whole file: the header (contents code "O", the count, the date) and records.
std::string SampleFile(long long records, uint64_t seed, const quorla::LocalTime& today);

}  // namespace recbook
