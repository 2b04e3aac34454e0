#pragma once
// Names of the editor's temporary files in the private temporary folder: prefix + NN + ".tmp",
// NN the first free number of 01 to last (mask "00"); when none is free, fallback is used.
#include <string>

namespace recbook {

enum class TempKind {
  WorkingCopy,  // "#wcopy": 01 to 98, 01 when none is free
  Stripped,     // "#scopy": CR+LF file with its line endings removed, 01 to 99, else 99
  Staging,      // "#tmp": staging file of a save, 01 to 99, else 99
};

// The full path of the first free name of that kind in folder (which ends with "/"), created
// empty so that nobody else takes it; the caller writes it and deletes it after use.
std::string ChooseTempName(const std::string& folder, TempKind kind);

// The same in quorla::PrivateTempDirectory(); empty text when that folder is not available.
std::string ChooseTempName(TempKind kind);

}  // namespace recbook
