#pragma once
// The antenna editor opened from the record form: directly from [9A] and [9B], through the
// antenna codes' Info dialog from [9XH] and [9XV]. It gets the form's codes, angles, station kind
// and the page of the item it was opened from; what it transfers goes back into the boxes.
#include <cstdint>
#include <optional>

#include "forms/info_request.h"

namespace recbook {

// request: the Info request of [9XH], [9A], [9XV] or [9B]; parent: the caller's window handle.
// The four boxes' new texts after a Transfer, nullopt when the editor was closed.
std::optional<BoxWrites> CallAntennaEditor(const InfoRequest& request, LibraryCalls& calls, uint32_t parent);

}  // namespace recbook
