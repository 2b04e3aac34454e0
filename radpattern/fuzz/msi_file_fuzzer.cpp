// Any bytes as a pattern file: the reader must return one of its three results and, for a file it
// accepts, field ratios the fitting can take; the fitting must return a valid code.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "antenna_code.h"
#include "msi_file.h"
#include "pattern_fit.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  radpattern::MsiPattern pattern;
  const int result = radpattern::ReadMsi(in, pattern);
  if (result < 0 || result > 2) std::abort();
  if (result == radpattern::kMsiOk) {
    for (const auto* diagram : {&pattern.horizontal, &pattern.vertical}) {
      const radpattern::FitResult fit = radpattern::FitPattern(*diagram);
      if (radpattern::CheckAntennaCode(fit.code) != 1 || !(fit.direction >= 0.0 && fit.direction < 360.0)) {
        std::abort();
      }
    }
  }
  return 0;
}
