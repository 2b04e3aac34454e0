#pragma once
// The parts of a path that the file dialogs and messages use.
#include <string>

namespace recbook {

// The folder of path with its trailing "/", empty when path has none.
std::string DirectoryPart(const std::string& path);
// The name behind the last "/".
std::string BareName(const std::string& path);
// A dialog's initial folder: without its trailing "/", and only when it exists.
std::string InitialDirectory(const std::string& directory);

}  // namespace recbook
