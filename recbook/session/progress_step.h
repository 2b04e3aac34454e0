#pragma once
// Records between two progress steps of a long loop: the bar moves and the window answers (Close
// included) without the loop paying for an event round per record.
#include <cstdint>

namespace recbook {

inline constexpr uint64_t kProgressStep = 4096;

}  // namespace recbook
