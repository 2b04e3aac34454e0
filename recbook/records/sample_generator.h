#pragma once
// Realistic sample files for the demo, the tests and the benchmarks: fixed and mobile stations,
// transmitters and receivers, whole-country entries, in bands of the agreement. The same seed
// always gives the same file; a share of faulty records (sample_faults.h) changes only those records.
#include <cstdint>
#include <string>

#include "host.h"
#include "sample_faults.h"
#include "station_record.h"

namespace recbook {

class SampleGenerator {
 public:
  // faultPercent: the share of records, 0 to 100, that carry one fault. The faults are drawn from
  // a stream of their own, so the clean records are the same whatever the share.
  explicit SampleGenerator(uint64_t seed, double faultPercent = 0)
      : state_(seed * 0x9E3779B97F4A7C15ull + 1), faultState_(~seed * 0xD1B54A32D192ED03ull), faultPercent_(faultPercent) {}
  StationRecord Next();

 private:
  uint64_t Draw();                 // splitmix64
  int Uniform(int lo, int hi);     // lo..hi inclusive
  void MaybeAddFault(StationKind kind, StationValues& v);
  uint64_t state_, faultState_;
  double faultPercent_;
  long serial_ = 0;
};

// A whole file: the header (contents code "O", the count, the date) and records.
std::string SampleFile(long long records, uint64_t seed, const quorla::LocalTime& today, double faultPercent = 0);

}  // namespace recbook
