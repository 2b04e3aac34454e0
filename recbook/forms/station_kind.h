#pragma once
// Whose position and antenna the record form holds: the receiver when [1A] is blank and [1Y] is
// filled in, else the transmitter. The numbers are the "kind" and "mode" bytes of the blocks.
#include <cstdint>

#include "forms/record_box_texts.h"

namespace recbook {

inline constexpr uint8_t kTransmitterStation = 1;
inline constexpr uint8_t kReceiverStation = 2;

uint8_t StationKindOf(const RecordBoxTexts& texts);

}  // namespace recbook
