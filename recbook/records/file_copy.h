#pragma once
// Copying a whole file quickly (in-kernel where the system allows it).
#include <string>

namespace recbook {

// Copies source to target, creating or truncating target. False on any failure; a partly
// written target is then removed.
bool CopyFileContents(const std::string& source, const std::string& target);

}  // namespace recbook
