#pragma once
// Replacing a file so that a crash or a full disk never leaves it half written: the new content
// goes to a file beside the target, is flushed to disk, and is renamed over the target.
#include <string>
#include <string_view>

namespace quorla {

// Writes bytes as the whole new content of path. False (target untouched) on any failure.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

// Copies source over target in the same way. False (target untouched) on any failure.
bool ReplaceFileAtomically(const std::string& source, const std::string& target);

// Reads a whole file; false when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::string& bytes);

}  // namespace quorla
