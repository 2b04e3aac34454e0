#pragma once
// Writing an edited file: the header, then the listed records of the working copy in list order,
// into a "#tmp" staging file that then replaces the target atomically.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "records/working_copy.h"

namespace recbook {

// The header a save writes: columns 1 to 186 of the working copy's header, the list count with
// the mask "000000" (999999 for longer lists), the writing date (8 characters), blanks to 219.
std::string SavedHeader(std::string_view workingHeader, uint64_t listCount, std::string_view writingDate);

// False when the staging file cannot be written or the target not replaced; the target is then
// as it was and the staging file is gone.
bool WriteEditedFile(const WorkingCopy& copy, std::string_view header, std::span<const uint32_t> listed,
                     const std::string& target);

}  // namespace recbook
