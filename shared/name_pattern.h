#pragma once
// File-name patterns as the Windows file search reads them: "?" one character, "*" any run of
// characters, every other character compared without regard to case.
#include <string>
#include <string_view>

namespace quorla {

bool MatchesNamePattern(std::string_view name, std::string_view pattern);

// The first entry of folder (in the order the directory scan returns them) whose name matches
// pattern and that is a folder (wantFolder) or a regular file; empty when there is none. The
// result is folder + "/" + the entry's name.
std::string FindFirstEntry(const std::string& folder, std::string_view pattern, bool wantFolder);

}  // namespace quorla
